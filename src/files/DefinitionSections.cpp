#include "files/DefinitionSections.h"

#include "files/CodeString.h"
#include "files/DownloadImage.h"
#include "files/MessageText.h"
#include "files/ValueReader.h"

#include <QFileInfo>

#include <array>

namespace {

QString KeySection(int key)
{
    return QStringLiteral("KEY") + QString::number(key);
}

// One global value as the table's row says to read it.
int32_t ReadGlobal(TValueReader& reader, const TGlobalParam& p, bool userFile)
{
    const QString key = QLatin1String(p.Key);
    switch (p.Kind) {
    case TGlobalKind::Byte:
        return reader.Byte(GlobalSection, key, p.Default);
    case TGlobalKind::RollOver: {
        const uint8_t value = reader.Byte(GlobalSection, key, p.Default);
        const uint8_t forced = value > 2 ? 2 : value == 0 ? 1 : value;
        if (forced != value)
            reader.Warn(GlobalSection, -1, -1,
                        QStringLiteral("%1 is outside 1 to 2; read as %2.")
                            .arg(reader.Quote(GlobalSection, key))
                            .arg(forced));
        return forced;
    }
    case TGlobalKind::Boolean:
        return reader.Boolean(GlobalSection, key, p.Default != 0);
    default:
        return userFile ? reader.AtMost(GlobalSection, key, p.Default, p.UserMaximum)
                        : reader.Integer(GlobalSection, key, p.Default);
    }
}

int ReadKeyCount(const TIniFile& ini)
{
    return ini.ReadInteger(GlobalSection, QStringLiteral("Number_Of_Keys"), 20) == 12 ? 12 : 20;
}

void WriteGlobal(TIniFile& ini, const TGlobalParam& p, int numberOfKeys, const QString& version,
                 int32_t value)
{
    const QString key = QLatin1String(p.Key);
    switch (p.Kind) {
    case TGlobalKind::Model:
        ini.WriteString(GlobalSection, key, QStringLiteral("PadwrightRx"));
        break;
    case TGlobalKind::Version:
        ini.WriteString(GlobalSection, key, version);
        break;
    case TGlobalKind::KeyCount:
        ini.WriteInteger(GlobalSection, key, numberOfKeys == 12 ? 12 : 20);
        break;
    case TGlobalKind::Constant:
        ini.WriteInteger(GlobalSection, key, p.Default);
        break;
    case TGlobalKind::Boolean:
        ini.WriteBool(GlobalSection, key, value != 0);
        break;
    default:
        ini.WriteInteger(GlobalSection, key, value);
        break;
    }
}

// A key section's number: its name from the fourth character on, an optional
// sign and decimal digits that fit in 32 bits; nothing else.
bool ParseKeyNumber(const QString& text, int32_t& number)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i >= n)
        return false;
    int64_t v = 0;
    for (; i < n; ++i) {
        const char16_t u = text.at(i).unicode();
        if (u < u'0' || u > u'9')
            return false;
        v = v * 10 + (u - u'0');
        if (v > 2147483648ll)
            return false;
    }
    if (negative)
        v = -v;
    if (v > 2147483647ll)
        return false;
    number = static_cast<int32_t>(v);
    return true;
}

// The sections a key reader skips: the first of each known name.
QStringList KeySectionNames(const TIniFile& ini)
{
    QStringList names = ini.SectionNames();
    QStringList known{GlobalSection, AdvancedSection};
    for (int screen = 1; screen <= ScreenCount; ++screen)
        known.append(ScreenSection(screen));
    for (const QString& name : known) {
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (names.at(i).compare(name, Qt::CaseInsensitive) == 0) {
                names.removeAt(i);
                break;
            }
        }
    }
    return names;
}

void WarnCodeIssues(TValueReader& reader, const QString& section, int key, int level,
                    const QString& codesKey, const QString& codes, const TCodeStringIssues& issues)
{
    if (issues.StopAt >= 0)
        reader.Warn(section, key, level,
                    QStringLiteral("%1 holds no pair of hex digits from character %2 on "
                                   "('%3'); that part was ignored.")
                        .arg(codesKey)
                        .arg(issues.StopAt + 1)
                        .arg(MessageValue(QStringView(codes).mid(issues.StopAt))));
    if (issues.DroppedCommands > 0)
        reader.Warn(section, key, level,
                    QStringLiteral("%1 holds %2 command%3 without a meaning or an argument; "
                                   "dropped.")
                        .arg(codesKey)
                        .arg(issues.DroppedCommands)
                        .arg(issues.DroppedCommands == 1 ? QString() : QStringLiteral("s")));
    if (issues.DroppedBytes > 0)
        reader.Warn(section, key, level,
                    QStringLiteral("%1 holds more than the %2 bytes a level holds; the last %3 "
                                   "byte%4 were dropped.")
                        .arg(codesKey)
                        .arg(MacroCapacity)
                        .arg(issues.DroppedBytes)
                        .arg(issues.DroppedBytes == 1 ? QString() : QStringLiteral("s")));
}

void ReadKeySection(TValueReader& reader, const QString& name, int key, TKeypadClass& definition)
{
    definition.SetKey(key);
    definition.SetKeytype(static_cast<TKeyType>(reader.Byte(name, QStringLiteral("KeyType"), 0)));
    for (int level = 0; level < MaxLevels; ++level) {
        const QString prefix = level == 0 ? QStringLiteral("L1_") : QStringLiteral("L2_");
        const QString levelName =
            level == 0 ? QStringLiteral("Level_1_") : QStringLiteral("Level_2_");
        definition.SetLevel(level);
        definition.SetCanAutoRepeat(
            reader.Boolean(name, prefix + QStringLiteral("AutoRepeat"), false));
        definition.SetSendKeyNow(
            reader.Boolean(name, prefix + QStringLiteral("SendLineEditKeyASAP"), false));
        const QString codesKey = levelName + QStringLiteral("Codes");
        const QString codes = reader.String(name, codesKey, QString(), key, level);
        TCodeStringIssues issues;
        ParseCodeString(definition, codes, &issues);
        WarnCodeIssues(reader, name, key, level, codesKey, codes, issues);
        definition.SetMacroName(
            reader.String(name, levelName + QStringLiteral("Name"), QString(), key, level));
    }
}

} // namespace

QString ScreenSection(int screen)
{
    return QStringLiteral("SCREEN") + QString::number(screen);
}

uint8_t Low8(int32_t value)
{
    return static_cast<uint8_t>(static_cast<uint32_t>(value) & 0xFFu);
}

QString WriteFailure(const QString& path)
{
    return QStringLiteral("Unable to write to ") + path;
}

int ReadGlobals(const TIniFile& ini, TKeypadClass& definition, TReadWarnings& warnings)
{
    TValueReader reader(ini, warnings);
    for (const TGlobalParam& p : GlobalParams()) {
        if (p.SetUser)
            p.SetUser(definition, ReadGlobal(reader, p, true));
    }
    return ReadKeyCount(ini);
}

int ReadGlobals(const TIniFile& ini, TAdvancedParams& advanced, TReadWarnings& warnings)
{
    TValueReader reader(ini, warnings);
    for (const TGlobalParam& p : GlobalParams()) {
        if (p.SetRom)
            p.SetRom(advanced, ReadGlobal(reader, p, false));
    }
    return ReadKeyCount(ini);
}

void WriteGlobals(TIniFile& ini, const TKeypadClass& definition, int numberOfKeys,
                  const QString& version)
{
    for (const TGlobalParam& p : GlobalParams())
        WriteGlobal(ini, p, numberOfKeys, version, p.GetUser ? p.GetUser(definition) : 0);
}

void WriteGlobals(TIniFile& ini, const TAdvancedParams& advanced, int numberOfKeys,
                  const QString& version)
{
    for (const TGlobalParam& p : GlobalParams())
        WriteGlobal(ini, p, numberOfKeys, version, p.GetRom ? p.GetRom(advanced) : 0);
}

bool ReadKeySections(const TIniFile& ini, TKeypadClass& definition, QString& error,
                     TReadWarnings& warnings)
{
    TValueReader reader(ini, warnings);
    std::array<QString, MaxKeys> readFrom; // the section each key was read from
    for (const QString& name : KeySectionNames(ini)) {
        const QString numberText = name.mid(3);
        int32_t number = 0;
        if (!ParseKeyNumber(numberText, number)) {
            error = QLatin1Char('\'') + MessageValue(numberText) +
                    QStringLiteral("' is not a valid integer value");
            return false;
        }
        // Read into the key selected before it, such a section would replace
        // that key's macros: it is skipped whole.
        if (number < 0 || number >= MaxKeys) {
            reader.Warn(name, -1, -1,
                        QStringLiteral("the number %1 names no key (KEY0 to KEY19 are keys 1 to "
                                       "20); the whole section was skipped.")
                            .arg(number));
            continue;
        }
        QString& earlier = readFrom[size_t(number)];
        if (!earlier.isEmpty()) {
            reader.Warn(name, number, -1,
                        earlier.compare(name, Qt::CaseInsensitive) == 0
                            ? QStringLiteral("a second section of this name: the first one was "
                                             "read into the key again, its codes in front of "
                                             "those read before.")
                            : QStringLiteral("the key was read before from [%1]; this section "
                                             "was read over it, its codes in front of those "
                                             "read before.")
                                  .arg(MessageValue(earlier)));
        }
        earlier = name;
        ReadKeySection(reader, name, number, definition);
    }
    return true;
}

void WriteKeySections(TIniFile& ini, const TKeypadClass& definition, TLevelKeyIndices* indices)
{
    for (int key = 0; key < MaxKeys; ++key) {
        const TKeyType type = definition.KeyTypeAt(key);
        const QString section = KeySection(key);
        ini.WriteInteger(section, QStringLiteral("KeyType"), static_cast<int>(type));
        if (indices)
            indices->Record(key, type);
        for (int level = 0; level < MaxLevels; ++level) {
            const TMacroData& macro = definition.MacroAt(key, level);
            const QString prefix = level == 0 ? QStringLiteral("L1_") : QStringLiteral("L2_");
            const QString levelName =
                level == 0 ? QStringLiteral("Level_1_") : QStringLiteral("Level_2_");
            ini.WriteBool(section, prefix + QStringLiteral("AutoRepeat"), macro.AutoRepeat);
            ini.WriteBool(section, prefix + QStringLiteral("SendLineEditKeyASAP"),
                          macro.SendKeyNow);
            ini.WriteString(section, levelName + QStringLiteral("Codes"),
                            definition.CodesOf(key, level));
            ini.WriteString(section, levelName + QStringLiteral("Name"), macro.Name);
        }
    }
}

bool OpenForUpdate(const QString& path, TIniFile& ini)
{
    if (QFileInfo(path).isFile())
        return ini.Load(path);
    ini = TIniFile();
    return true;
}

bool ReadDefinitionFile(const QString& path, TIniFile& ini, TLoadResult& result)
{
    if (!QFileInfo(path).isFile()) {
        result.Status = TLoadStatus::NoFile;
        return false;
    }
    if (!ini.Load(path)) {
        result.Status = TLoadStatus::Failed;
        result.Message = QStringLiteral("Unable to read ") + path;
        return false;
    }
    return true;
}
