#include "CheckReport.h"

namespace ValueText {
namespace {
const char* const ControlNames[32] = {"NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL",
                                      "BS",  "TAB", "LF",  "VT",  "FF",  "CR",  "SO",  "SI",
                                      "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB",
                                      "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};
}

QString character(int code)
{
    if (code == 0)
        return QStringLiteral("0 (none)");
    QString name;
    if (code > 0 && code < 32)
        name = QLatin1String(ControlNames[code]);
    else if (code == 32)
        name = QStringLiteral("Space");
    else if (code == 127)
        name = QStringLiteral("DEL");
    else if (code > 32 && code < 256)
        name = QString(QChar(code));
    return name.isEmpty() ? QString::number(code) : QStringLiteral("%1 (%2)").arg(code).arg(name);
}

QString baudRate(int code)
{
    static const char* const Rates[] = {"1200",  "2400",  "4800",   "9600", "19200",
                                        "38400", "57600", "115200", "31250"};
    if (code >= 0 && code < 9)
        return QLatin1String(Rates[code]) + QStringLiteral(" baud");
    return QStringLiteral("unknown code %1").arg(code);
}

QString wordFormat(int code)
{
    const int dataBits = (code & 0x08) ? 8 : 7;
    const QChar parity = !(code & 0x02)  ? QLatin1Char('N')
                         : (code & 0x04) ? QLatin1Char('O')
                                         : QLatin1Char('E');
    const int stopBits = (code & 0x01) ? 2 : 1;
    return QStringLiteral("%1,%2,%3").arg(dataBits).arg(parity).arg(stopBits);
}

QString ledUse(int code)
{
    switch (code & 3) {
    case 0:
        return QStringLiteral("off");
    case 1:
        return QStringLiteral("level indicator");
    case 2:
        return QStringLiteral("host/macro control");
    default:
        return QStringLiteral("power indicator");
    }
}

QString hostMode(int mode)
{
    switch (mode) {
    case 3:
        return QStringLiteral("mode 3, USB HID PC keyboard");
    case 4:
        return QStringLiteral("mode 4, Ethernet virtual COM port");
    case 7:
        return QStringLiteral("mode 7, USB CDC class virtual COM port");
    case 10:
        return QStringLiteral("mode 10, alternate USB virtual COM port");
    case 11:
        return QStringLiteral("mode 11, alternate USB HID PC keyboard");
    default:
        return QStringLiteral("default, auto-detect between RS-232 and USB virtual COM port");
    }
}

QString hexBytes(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}
} // namespace ValueText
