#include "files/IniFile.h"

#include "files/AtomicWrite.h"

#include "files/HexDigit.h"

#include <QFile>
#include <QFileInfo>

#include <array>

namespace {

// Windows-1252 in the range 80..9F hex; the five undefined bytes stand for the
// code point of the same number so that every byte survives a read and a write.
constexpr std::array<char16_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QStringView TrimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text.at(begin)))
        ++begin;
    while (end > begin && IsBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

char16_t FoldChar(char16_t u)
{
    return (u >= u'A' && u <= u'Z') ? char16_t(u + 32) : u;
}

// Lower-cases ASCII letters only; names match without regard to ASCII case.
QString FoldCase(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (FoldChar(text.at(i).unicode()) != text.at(i).unicode()) {
            QString folded = text;
            for (QChar& c : folded)
                c = QChar(FoldChar(c.unicode()));
            return folded;
        }
    }
    return text;
}

bool EqualIgnoringAsciiCase(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (FoldChar(a.at(i).unicode()) != FoldChar(b.at(i).unicode()))
            return false;
    }
    return true;
}

// A value must not be able to start a new line or section.
QString OneLine(const QString& value)
{
    if (!value.contains(QLatin1Char('\r')) && !value.contains(QLatin1Char('\n')))
        return value;
    QString line = value;
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

bool IsBlankOrTab(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The reader trims blanks and tabs and takes one pair of enclosing quotes
// off a value; a value that this would change goes inside double quotes, so
// that a name such as "Exit" (with its quotes) or one ending in a blank
// reads back as it was typed.
QString ReadsBackAsIs(const QString& value)
{
    if (value.isEmpty())
        return value;
    const QChar first = value.front();
    const QChar last = value.back();
    const bool quoted = value.size() >= 2 && first == last &&
                        (first == QLatin1Char('"') || first == QLatin1Char('\''));
    if (!quoted && !IsBlankOrTab(first) && !IsBlankOrTab(last))
        return value;
    return QLatin1Char('"') + value + QLatin1Char('"');
}

} // namespace

namespace {

void AppendWindows1252(QByteArray& bytes, QStringView text)
{
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size());
    char* out = bytes.data() + start;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            *out++ = static_cast<char>(u);
            continue;
        }
        char byte = '?';
        for (int k = 0; k < int(HighControlRange.size()); ++k) {
            if (HighControlRange[k] == u) {
                byte = static_cast<char>(0x80 + k);
                break;
            }
        }
        // A character outside the Basic Multilingual Plane is one character: one '?'.
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        *out++ = byte;
    }
    bytes.resize(out - bytes.constData());
}

QString DecodeRange(const char* data, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        out[i] = (b >= 0x80 && b <= 0x9F) ? QChar(HighControlRange[b - 0x80]) : QChar(char16_t(b));
    }
    return text;
}

} // namespace

QString TIniFile::DecodeWindows1252(const QByteArray& bytes)
{
    return DecodeRange(bytes.constData(), bytes.size());
}

QByteArray TIniFile::EncodeWindows1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    AppendWindows1252(bytes, text);
    return bytes;
}

bool TIniFile::ParseInteger(const QString& text, int32_t& value)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }

    qsizetype hexStart = -1;
    if (i < n && text.at(i) == QLatin1Char('$'))
        hexStart = i + 1;
    else if (i + 1 < n && text.at(i) == QLatin1Char('0') &&
             (text.at(i + 1) == QLatin1Char('x') || text.at(i + 1) == QLatin1Char('X')))
        hexStart = i + 2;

    if (hexStart >= 0) {
        const qsizetype digits = n - hexStart;
        if (digits < 1 || digits > 8)
            return false;
        uint32_t v = 0;
        for (qsizetype k = hexStart; k < n; ++k) {
            const int d = HexDigitValue(text.at(k));
            if (d < 0)
                return false;
            v = (v << 4) | uint32_t(d);
        }
        // Taken as 32-bit two's complement before the sign applies.
        const uint32_t result = negative ? 0u - v : v;
        value = static_cast<int32_t>(result);
        return true;
    }

    if (i >= n)
        return false;
    uint64_t v = 0;
    for (qsizetype k = i; k < n; ++k) {
        const char16_t u = text.at(k).unicode();
        if (u < u'0' || u > u'9')
            return false;
        v = v * 10 + (u - u'0');
        if (v > 2147483648ull)
            return false;
    }
    if (negative) {
        value = static_cast<int32_t>(-static_cast<int64_t>(v));
        return true;
    }
    if (v > 2147483647ull)
        return false;
    value = static_cast<int32_t>(v);
    return true;
}

TIniFile::Line TIniFile::MakeLine(QString text)
{
    Line line;
    line.text = std::move(text);
    const qsizetype equals = line.text.indexOf(QLatin1Char('='));
    if (equals >= 0) {
        line.equals = int(equals);
        qsizetype begin = 0;
        qsizetype end = equals;
        while (begin < end && IsBlank(line.text.at(begin)))
            ++begin;
        while (end > begin && IsBlank(line.text.at(end - 1)))
            --end;
        line.keyBegin = int(begin);
        line.keyEnd = int(end);
    }
    return line;
}

void TIniFile::AddLine(QString text)
{
    qsizetype first = 0;
    while (first < text.size() && IsBlank(text.at(first)))
        ++first;
    if (first < text.size() && text.at(first) == QLatin1Char('[')) {
        qsizetype close = text.indexOf(QLatin1Char(']'), first + 1);
        if (close < 0)
            close = text.size();
        Section section;
        section.name = TrimBlanks(QStringView(text).mid(first + 1, close - first - 1)).toString();
        section.header = std::move(text);
        const QString folded = FoldCase(section.name);
        if (!fFirstSection.contains(folded))
            fFirstSection.insert(folded, int(fSections.size()));
        fSections.push_back(std::move(section));
        return;
    }
    if (fSections.empty()) {
        Line line;
        line.text = std::move(text); // never read
        fPreamble.push_back(std::move(line));
        return;
    }
    fSections.back().lines.push_back(MakeLine(std::move(text)));
}

TIniFile TIniFile::FromBytes(const QByteArray& bytes)
{
    TIniFile ini;
    const char* data = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype start = 0;
    while (start < n) {
        qsizetype end = start;
        while (end < n && data[end] != '\r' && data[end] != '\n')
            ++end;
        ini.AddLine(DecodeRange(data + start, end - start));
        if (end < n && data[end] == '\r' && end + 1 < n && data[end + 1] == '\n')
            start = end + 2;
        else
            start = end + 1;
    }
    return ini;
}

bool TIniFile::Load(const QString& path)
{
    *this = TIniFile();
    // Only a regular file is read: a FIFO or a device would block or never end.
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    *this = FromBytes(bytes);
    return true;
}

QByteArray TIniFile::ToBytes() const
{
    qsizetype size = 0;
    for (const Line& line : fPreamble)
        size += line.text.size() + 2;
    for (const Section& section : fSections) {
        size += section.header.size() + 2;
        for (const Line& line : section.lines)
            size += line.text.size() + 2;
    }
    QByteArray bytes;
    bytes.reserve(size);
    for (const Line& line : fPreamble) {
        AppendWindows1252(bytes, line.text);
        bytes.append("\r\n", 2);
    }
    for (const Section& section : fSections) {
        AppendWindows1252(bytes, section.header);
        bytes.append("\r\n", 2);
        for (const Line& line : section.lines) {
            AppendWindows1252(bytes, line.text);
            bytes.append("\r\n", 2);
        }
    }
    return bytes;
}

TSaveResult TIniFile::Commit(const QString& path) const
{
    return CommitFile(path, ToBytes());
}

QStringList TIniFile::SectionNames() const
{
    QStringList names;
    names.reserve(qsizetype(fSections.size()));
    for (const Section& section : fSections)
        names.append(section.name);
    return names;
}

int TIniFile::FindSectionIndex(const QString& section) const
{
    if (fLastIndex >= 0 && section == fLastQuery)
        return fLastIndex;
    const auto it = fFirstSection.constFind(FoldCase(section));
    if (it == fFirstSection.constEnd())
        return -1;
    fLastQuery = section;
    fLastIndex = it.value();
    return fLastIndex;
}

const TIniFile::Section* TIniFile::FindSection(const QString& section) const
{
    const int index = FindSectionIndex(section);
    return index < 0 ? nullptr : &fSections[size_t(index)];
}

TIniFile::Section* TIniFile::FindSection(const QString& section)
{
    const int index = FindSectionIndex(section);
    return index < 0 ? nullptr : &fSections[size_t(index)];
}

const TIniFile::Line* TIniFile::FindKey(const Section& section, QStringView key)
{
    for (const Line& line : section.lines) {
        if (line.IsKey() && EqualIgnoringAsciiCase(line.Key(), key))
            return &line;
    }
    return nullptr;
}

const TIniFile::Line* TIniFile::FindValue(const QString& section, const QString& key) const
{
    const Section* s = FindSection(section);
    return s ? FindKey(*s, key) : nullptr;
}

bool TIniFile::SectionExists(const QString& section) const
{
    return FindSection(section) != nullptr;
}

bool TIniFile::ValueExists(const QString& section, const QString& key) const
{
    return FindValue(section, key) != nullptr;
}

QStringView TIniFile::WholeValueOf(const Line& line)
{
    QStringView value = TrimBlanks(QStringView(line.text).mid(line.equals + 1));
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            value = value.mid(1, value.size() - 2);
    }
    return value;
}

QString TIniFile::ValueOf(const Line& line)
{
    return WholeValueOf(line).left(MaxValueLength).toString();
}

qsizetype TIniFile::FullValueLength(const QString& section, const QString& key) const
{
    const Line* line = FindValue(section, key);
    return line ? WholeValueOf(*line).size() : -1;
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const
{
    const Line* line = FindValue(section, key);
    return line ? ValueOf(*line) : def;
}

int32_t TIniFile::ReadInteger(const QString& section, const QString& key, int32_t def) const
{
    const Line* line = FindValue(section, key);
    int32_t value = 0;
    return line && ParseInteger(ValueOf(*line), value) ? value : def;
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    const QString line = ReadsBackAsIs(OneLine(value));
    Section* s = FindSection(section);
    if (!s) {
        Section added;
        added.name = section;
        added.header = QLatin1Char('[') + section + QLatin1Char(']');
        added.lines.push_back(MakeLine(key + QLatin1Char('=') + line));
        fFirstSection.insert(FoldCase(section), int(fSections.size()));
        fSections.push_back(std::move(added));
        return;
    }

    size_t insertAt = 0;
    for (size_t i = 0; i < s->lines.size(); ++i) {
        Line& existing = s->lines[i];
        if (!existing.IsKey())
            continue;
        if (EqualIgnoringAsciiCase(existing.Key(), key)) {
            // The key as it is spelled there, without the blanks around it.
            existing = MakeLine(existing.Key().toString() + QLatin1Char('=') + line);
            return;
        }
        insertAt = i + 1;
    }
    s->lines.insert(s->lines.begin() + std::ptrdiff_t(insertAt),
                    MakeLine(key + QLatin1Char('=') + line));
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int32_t value)
{
    WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
