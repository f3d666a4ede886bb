#include "ImageCheck.h"

#include <QList>
#include <QVector>

namespace {
constexpr int HeaderLines = 33;
constexpr int KeyCount = 20;
constexpr int LevelCapacity = 100;
constexpr int MaxListedLineFaults = 10;

// Splits at CR LF, LF or a lone CR. A line break at the very end ends the
// last line; it does not start an empty one.
QList<QByteArray> splitLines(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    QByteArray current;
    bool pending = false;
    for (int i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == '\r' || c == '\n') {
            lines.append(current);
            current.clear();
            pending = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
                ++i;
        } else {
            current.append(c);
            pending = true;
        }
    }
    if (pending)
        lines.append(current);
    return lines;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The byte on a line of the form "XX" (with the double quotes), or -1.
int quotedByte(const QByteArray& line)
{
    if (line.size() != 4 || line.at(0) != '"' || line.at(3) != '"')
        return -1;
    const int high = hexDigit(line.at(1));
    const int low = hexDigit(line.at(2));
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

QString shown(const QByteArray& line)
{
    constexpr int MaxShown = 24;
    QString text = QString::fromLatin1(line.left(MaxShown));
    for (QChar& c : text) {
        if (c.unicode() < 32 || c.unicode() >= 127)
            c = QLatin1Char('?');
    }
    return line.size() > MaxShown ? text + QStringLiteral("...") : text;
}

// A value as the image writes it: two upper-case hexadecimal digits.
QString hx(int value)
{
    return QString::number(value, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

bool isKeyIndexOrNone(int value, int none)
{
    return (value >= 0 && value < KeyCount) || value == none;
}

QString keyList(const QVector<int>& values, int none)
{
    QStringList keys;
    for (const int v : values) {
        if (v != none)
            keys << QStringLiteral("key %1").arg(v + 1);
    }
    return keys.isEmpty() ? QStringLiteral("none") : keys.join(QStringLiteral(", "));
}

// Reads values in order and remembers whether it ran past the end.
class Reader
{
public:
    explicit Reader(const QVector<int>& values) : values_(values) {}
    bool atEnd() const { return pos_ >= values_.size(); }
    int position() const { return pos_; }
    int lineNumber() const { return pos_ + 1; }
    bool take(int& value)
    {
        if (atEnd())
            return false;
        value = values_.at(pos_++);
        return true;
    }

private:
    const QVector<int>& values_;
    int pos_ = 0;
};

struct Level
{
    QByteArray bytes;
    int flags = 0;
};

// Reads one level's data: a count, the bytes, and a closing 0 when the
// count is below 100. Returns false with a fault text when it cannot.
bool readLevelData(Reader& reader, Level& level, QString& fault)
{
    const int startLine = reader.lineNumber();
    int count = 0;
    if (!reader.take(count)) {
        fault = QStringLiteral("the file ends where a byte count belongs");
        return false;
    }
    if (count == 0)
        return true;
    if (count == 1) {
        fault = QStringLiteral("line %1 holds the byte count 01, which no level can have")
                    .arg(startLine);
        return false;
    }
    // Below 100 bytes the count is one more than the bytes and a 0 closes
    // them; from 100 bytes on the count is the number of bytes. The count
    // 100 thus takes 100 lines either way: 99 bytes and the closing 0, or
    // 100 bytes.
    for (int i = 0; i < count; ++i) {
        int b = 0;
        if (!reader.take(b)) {
            fault = QStringLiteral("the file ends inside the %1 bytes that line %2 announces")
                        .arg(count <= LevelCapacity ? count - 1 : count)
                        .arg(startLine);
            return false;
        }
        level.bytes.append(static_cast<char>(b));
    }
    if (count < LevelCapacity) {
        if (level.bytes.back() != 0) {
            fault = QStringLiteral("line %1 should close the level's bytes with 00")
                        .arg(reader.lineNumber() - 1);
            return false;
        }
        level.bytes.chop(1);
    } else if (count == LevelCapacity && level.bytes.back() == 0) {
        level.bytes.chop(1); // 99 bytes and the closing 0
    }
    return true;
}

QString flagText(int flags)
{
    QStringList parts;
    if (flags & 2)
        parts << QStringLiteral("auto-repeat");
    if (flags & 4)
        parts << QStringLiteral("transmitted at once");
    return parts.isEmpty()
               ? QString()
               : QStringLiteral(" (") + parts.join(QStringLiteral(", ")) + QLatin1Char(')');
}

QString levelText(const Level& level)
{
    if (level.bytes.isEmpty())
        return QStringLiteral("empty");
    return QStringLiteral("%1 byte%2%3")
        .arg(level.bytes.size())
        .arg(level.bytes.size() == 1 ? QString() : QStringLiteral("s"))
        .arg(flagText(level.flags));
}
// Every line must be one quoted byte. Fills `values` (-1 for a bad line) and
// returns false when a line is not one.
bool readQuotedBytes(const QList<QByteArray>& lines, QVector<int>& values, CheckReport& report)
{
    values.reserve(lines.size());
    int badLines = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const int value = quotedByte(lines.at(i));
        if (value < 0) {
            if (++badLines <= MaxListedLineFaults) {
                report.faults << (lines.at(i).isEmpty()
                                      ? QStringLiteral("Line %1 is empty.").arg(i + 1)
                                      : QStringLiteral("Line %1 (%2) is not one byte as two "
                                                       "hexadecimal digits in double quotes.")
                                            .arg(i + 1)
                                            .arg(shown(lines.at(i))));
            }
        }
        values.append(value);
    }
    if (badLines > MaxListedLineFaults)
        report.faults
            << QStringLiteral("... and %1 more such lines.").arg(badLines - MaxListedLineFaults);
    return badLines == 0;
}

// What the checks of one image share: its bytes, one a line, and the report.
struct ImageContext
{
    const QVector<int>& values;
    CheckReport& report;
    int prefix = 0; // the command prefix of line 1

    int line(int number) const { return values.at(number - 1); }
    // The serial number of lines 27 and 28 is in BCD.
    bool serialIsBcd() const
    {
        const int high = values.at(26);
        const int low = values.at(27);
        return (high >> 4) <= 9 && (high & 15) <= 9 && (low >> 4) <= 9 && (low & 15) <= 9;
    }
};

// The fixed marks and reserved lines of the header, and its key numbers.
void checkHeaderFaults(ImageContext& image)
{
    const QVector<int>& values = image.values;
    auto expect = [&](int line, int value, const QString& what) {
        if (values.at(line - 1) != value)
            image.report.faults << QStringLiteral("Line %1 should hold %2 (%3) but holds %4.")
                                       .arg(line)
                                       .arg(hx(value))
                                       .arg(what)
                                       .arg(hx(values.at(line - 1)));
    };
    expect(2, 1, QStringLiteral("the header mark"));
    expect(3, 0x1E, QStringLiteral("the header mark"));
    expect(4, 200, QStringLiteral("the capacity of a key"));
    expect(5, 100, QStringLiteral("the capacity of a level"));
    expect(16, image.prefix, QStringLiteral("the command prefix of line 1"));
    expect(26, 0, QStringLiteral("reserved"));
    for (int line = 29; line <= 33; ++line)
        expect(line, 0, QStringLiteral("reserved"));

    for (int line = 6; line <= 9; ++line) {
        if (!isKeyIndexOrNone(values.at(line - 1), 128))
            image.report.faults << QStringLiteral("Line %1 should name a level key (00 to 13, "
                                                  "or 80 for none) but holds %2.")
                                       .arg(line)
                                       .arg(hx(values.at(line - 1)));
    }
    const int alphaKey = values.at(24);
    if (!isKeyIndexOrNone(alphaKey, 255))
        image.report.faults << QStringLiteral("Line 25 should name the alpha lock key (00 to "
                                              "13, or FF for none) but holds %1.")
                                   .arg(hx(alphaKey));
}

// Header values the keypad takes but that are unusual.
void checkHeaderNotes(const ImageContext& image)
{
    const int rollOver = image.line(10);
    if (rollOver != 1 && rollOver != 2)
        image.report.notes << QStringLiteral("The key roll-over (line 10) is %1; the keypad "
                                             "knows 1 and 2.")
                                  .arg(rollOver);
    if (image.line(14) > 8)
        image.report.notes << QStringLiteral("The baud rate code (line 14) is %1, which names "
                                             "no baud rate.")
                                  .arg(image.line(14));
    if (!image.serialIsBcd())
        image.report.notes << QStringLiteral("The serial number (lines 27 and 28) is not in BCD.");
}

// The global parameters of the header, for a person to read.
void describeHeader(const ImageContext& image)
{
    const QVector<int>& values = image.values;
    const int mode = values.at(18);
    QStringList modeParts;
    modeParts << ((mode & 1) ? QStringLiteral("line edit") : QStringLiteral("true terminal"));
    if (mode & 2)
        modeParts << QStringLiteral("user input masked");
    modeParts << ValueText::hostMode(mode >> 4);
    QStringList tracks;
    if (mode & 4)
        tracks << QStringLiteral("1");
    if (mode & 8)
        tracks << QStringLiteral("2");

    QStringList& c = image.report.contents;
    c << QStringLiteral("Global parameters");
    c << QStringLiteral("  Command prefix:        %1").arg(ValueText::character(image.prefix));
    c << QStringLiteral("  Key roll-over:         %1").arg(values.at(9));
    c << QStringLiteral("  Key beep:              %1 ms").arg(values.at(10) * 2);
    c << QStringLiteral("  Character pacing:      %1 ms").arg(values.at(11) * 2);
    c << QStringLiteral("  Green LED:             %1").arg(ValueText::ledUse(values.at(12) >> 4));
    c << QStringLiteral("  Red LED:               %1").arg(ValueText::ledUse(values.at(12)));
    c << QStringLiteral("  Baud rate:             %1").arg(ValueText::baudRate(values.at(13)));
    c << QStringLiteral("  Word format:           %1").arg(ValueText::wordFormat(values.at(14)));
    c << QStringLiteral("  Xon / Xoff:            %1 / %2")
             .arg(ValueText::character(values.at(16)), ValueText::character(values.at(17)));
    c << QStringLiteral("  Operating mode:        %1").arg(modeParts.join(QStringLiteral("; ")));
    c << QStringLiteral("  Card tracks:           %1")
             .arg(tracks.isEmpty() ? QStringLiteral("none") : tracks.join(QStringLiteral(" and ")));
    c << QStringLiteral("  Tail character:        %1").arg(ValueText::character(values.at(19)));
    c << QStringLiteral("  Card characters:       %1, %2, %3, %4")
             .arg(values.at(20))
             .arg(values.at(21))
             .arg(values.at(22))
             .arg(values.at(23));
    c << QStringLiteral("  Toggle level keys:     %1")
             .arg(keyList({values.at(5), values.at(6)}, 128));
    c << QStringLiteral("  Shift level keys:      %1")
             .arg(keyList({values.at(7), values.at(8)}, 128));
    c << QStringLiteral("  Alpha lock key:        %1").arg(keyList({values.at(24)}, 255));
    if (image.serialIsBcd())
        c << QStringLiteral("  Serial number:         %1%2")
                 .arg(hx(values.at(26)))
                 .arg(hx(values.at(27)));
}

// Reads the record of key `k` (from 0): its six head lines and the data of
// both levels. False, with the fault reported, when it cannot.
bool readKeyRecord(ImageContext& image, Reader& reader, int k, Level (&levels)[2])
{
    const int recordLine = reader.lineNumber();
    int head[6] = {};
    for (int& v : head) {
        if (!reader.take(v)) {
            image.report.faults << QStringLiteral("The file ends inside the record of key %1 "
                                                  "(line %2 on); it needs records for 20 keys.")
                                       .arg(k + 1)
                                       .arg(recordLine);
            return false;
        }
    }
    if (head[0] != image.prefix || head[1] != 2 || head[2] != k || head[5] != k) {
        image.report.faults << QStringLiteral("The record of key %1 (line %2 on) should start "
                                              "with %3, 02, %4, the two level flags and %4.")
                                   .arg(k + 1)
                                   .arg(recordLine)
                                   .arg(hx(image.prefix))
                                   .arg(hx(k));
        return false;
    }
    levels[1].flags = head[3];
    levels[0].flags = head[4];
    for (int level = 0; level < 2; ++level) {
        QString fault;
        if (!readLevelData(reader, levels[level], fault)) {
            image.report.faults
                << QStringLiteral("Key %1, level %2: %3.").arg(k + 1).arg(level + 1).arg(fault);
            return false;
        }
    }
    return true;
}

// A level's flags must be one the keypad knows and agree with its bytes.
void checkLevel(CheckReport& report, int k, int level, const Level& l, int flagLine)
{
    if (l.flags != 0 && l.flags != 1 && l.flags != 3 && l.flags != 5 && l.flags != 7)
        report.faults << QStringLiteral("Key %1, level %2: the flags on line %3 are %4; "
                                        "they can only be 00, 01, 03, 05 or 07.")
                             .arg(k + 1)
                             .arg(level + 1)
                             .arg(flagLine)
                             .arg(hx(l.flags));
    else if ((l.flags == 0) != l.bytes.isEmpty())
        report.faults << QStringLiteral("Key %1, level %2: the flags on line %3 say the "
                                        "level is %4, but it holds %5 bytes.")
                             .arg(k + 1)
                             .arg(level + 1)
                             .arg(flagLine)
                             .arg(l.flags == 0 ? QStringLiteral("empty") : QStringLiteral("in use"))
                             .arg(l.bytes.size());
    if (l.bytes.size() > LevelCapacity)
        report.notes << QStringLiteral("Key %1, level %2 holds %3 bytes, more than the "
                                       "%4 a level holds.")
                            .arg(k + 1)
                            .arg(level + 1)
                            .arg(l.bytes.size())
                            .arg(LevelCapacity);
}

// The 20 key records after the header. False when a record cannot be read;
// the report then has the fault and no more contents.
bool checkKeyRecords(ImageContext& image)
{
    Reader reader(image.values);
    for (int i = 0; i < HeaderLines; ++i) {
        int skipped = 0;
        reader.take(skipped);
    }
    QStringList& c = image.report.contents;
    c << QStringLiteral("Keys");
    int usedKeys = 0;
    for (int k = 0; k < KeyCount; ++k) {
        const int recordLine = reader.lineNumber();
        Level levels[2];
        if (!readKeyRecord(image, reader, k, levels))
            return false;
        for (int level = 0; level < 2; ++level)
            checkLevel(image.report, k, level, levels[level], recordLine + (level == 0 ? 4 : 3));
        if (levels[0].bytes.isEmpty() && levels[1].bytes.isEmpty())
            continue;
        ++usedKeys;
        c << QStringLiteral("  Key %1: level 1: %2; level 2: %3")
                 .arg(k + 1, 2)
                 .arg(levelText(levels[0]), levelText(levels[1]));
        for (int level = 0; level < 2; ++level) {
            if (!levels[level].bytes.isEmpty())
                c << QStringLiteral("          level %1: %2")
                         .arg(level + 1)
                         .arg(ValueText::hexBytes(levels[level].bytes));
        }
    }
    if (usedKeys == 0)
        c << QStringLiteral("  Every key is empty.");
    if (!reader.atEnd())
        image.report.faults << QStringLiteral("%1 lines follow the record of key 20 (line %2 on); "
                                              "the image ends there.")
                                   .arg(image.values.size() - reader.position())
                                   .arg(reader.lineNumber());
    return true;
}
} // namespace

CheckReport checkDownloadImage(const QByteArray& bytes)
{
    CheckReport report;
    report.kind = QStringLiteral("download image");

    const QList<QByteArray> lines = splitLines(bytes);
    if (lines.isEmpty()) {
        report.faults << QStringLiteral("The file is empty.");
        return report;
    }
    QVector<int> values;
    if (!readQuotedBytes(lines, values, report))
        return report;
    if (values.size() < HeaderLines) {
        report.faults << QStringLiteral("The header needs %1 lines; the file has only %2.")
                             .arg(HeaderLines)
                             .arg(values.size());
        return report;
    }
    ImageContext image{values, report, values.at(0)};
    checkHeaderFaults(image);
    checkHeaderNotes(image);
    describeHeader(image);
    if (!checkKeyRecords(image))
        return report;
    report.contents.prepend(
        QStringLiteral("%1 lines: a header of 33 lines and the records of 20 keys.")
            .arg(values.size()));
    return report;
}
