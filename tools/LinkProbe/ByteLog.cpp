#include "ByteLog.h"

namespace {
const char* const ControlNames[32] = {"NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL",
                                      "BS",  "TAB", "LF",  "VT",  "FF",  "CR",  "SO",  "SI",
                                      "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB",
                                      "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};
constexpr int HexWidth = ByteLog::BytesPerLine * 3;
} // namespace

int ByteLog::add(const QByteArray& bytes, qint64 elapsedMs, const QTime& clock)
{
    if (bytes.isEmpty())
        return lines_.size();
    const bool paused = lastMs_ < 0 || elapsedMs - lastMs_ > PauseMs;
    lastMs_ = elapsedMs;
    total_ += bytes.size();

    int firstChanged = lines_.size();
    if (paused || lines_.isEmpty() || lines_.last().bytes.size() >= BytesPerLine)
        lines_.append(Line{clock, {}});
    else
        firstChanged = lines_.size() - 1;

    for (const char b : bytes) {
        if (lines_.last().bytes.size() >= BytesPerLine)
            lines_.append(Line{clock, {}});
        lines_.last().bytes.append(b);
    }
    return firstChanged;
}

void ByteLog::clear()
{
    lines_.clear();
    lastMs_ = -1;
    total_ = 0;
}

QString ByteLog::byteText(unsigned char byte)
{
    if (byte < 32)
        return QLatin1Char('<') + QLatin1String(ControlNames[byte]) + QLatin1Char('>');
    if (byte == 32)
        return QStringLiteral(" ");
    if (byte == 127)
        return QStringLiteral("<DEL>");
    if (byte < 127)
        return QString(QLatin1Char(static_cast<char>(byte)));
    return QStringLiteral("<%1>").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}

QString ByteLog::formatLine(int index) const
{
    const Line& line = lines_.at(index);
    QString hex;
    QString text;
    for (const char b : line.bytes) {
        const auto byte = static_cast<unsigned char>(b);
        hex += QStringLiteral("%1 ").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
        text += byteText(byte);
    }
    return line.time.toString(QStringLiteral("HH:mm:ss.zzz")) + QStringLiteral("  ") +
           hex.leftJustified(HexWidth) + QStringLiteral("  ") + text;
}

QString ByteLog::heading()
{
    return QStringLiteral("Time          ") +
           QStringLiteral("Hexadecimal").leftJustified(HexWidth) + QStringLiteral("  Text");
}
