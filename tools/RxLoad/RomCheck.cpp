#include "RomCheck.h"

#include "files/GlobalParams.h"
#include "files/IniFile.h"

#include <QMap>
#include <QSet>

namespace {
constexpr int KeyCount = 20;
constexpr int LevelCapacity = 100;

const QString Global = QLatin1String(GlobalSectionName);
const QString Advanced = QStringLiteral("ADVANCED_PARAMETERS");

// Integer keys of the advanced section, with the value the editor takes
// when the key is missing or unreadable. The global section's come from the
// editor's own table.
struct IntegerKey
{
    const char* name;
    int fallback;
};

const IntegerKey AdvancedIntegers[] = {
    {"bHostEcho", 0},        {"MaskChar", 42},      {"ScreenEnable", 0},     {"StartScreen", 0},
    {"CalcPrefix", 0},       {"CalcStart", 0},      {"CalcSuffix", 0},       {"LcdSize", 32},
    {"TSignOnHold", 1000},   {"CursorStyle", 3},    {"ScrollWrap", 0},       {"LcdXlate", 0},
    {"LcdBrightness", 9},    {"HostType", 0},       {"TBeepChirp", 10},      {"TBeepError", 200},
    {"TBeepCardOK", 100},    {"CardBaudRate", 3},   {"CardWordFormat", 144}, {"DeviceType", 0},
    {"TCardReadHold", 1000}, {"CardStartDelim", 0}, {"CardEndDelim", 0},     {"ECR_Mode", 0},
};

// The key number of a key section: the name from its fourth character on,
// an optional sign and decimal digits that fit in 32 bits.
bool keySectionNumber(const QString& name, qint64& number)
{
    if (name.size() <= 3)
        return false;
    const QString text = name.mid(3);
    int i = 0;
    bool negative = false;
    if (text.at(0) == QLatin1Char('+') || text.at(0) == QLatin1Char('-')) {
        negative = text.at(0) == QLatin1Char('-');
        i = 1;
    }
    if (i >= text.size())
        return false;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        value = value * 10 + (c.unicode() - '0');
        if (value > 2147483648LL)
            return false;
    }
    value = negative ? -value : value;
    if (value > 2147483647LL)
        return false;
    number = value;
    return true;
}

// A code string as bytes: blanks dropped, then whole pairs of hex digits.
bool decodeCodes(const QString& text, QByteArray& bytes)
{
    QString digits = text;
    digits.remove(QLatin1Char(' '));
    if (digits.size() % 2 != 0)
        return false;
    bytes = QByteArray::fromHex(digits.toLatin1());
    for (const QChar c : digits) {
        if (!c.isDigit() && !(c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f')))
            return false;
    }
    return true;
}

// An LCD text stored between percent signs, a doubled one standing for one.
QString lcdText(const QString& value)
{
    if (!value.startsWith(QLatin1Char('%')))
        return QString();
    QString text;
    for (int i = 1; i < value.size(); ++i) {
        if (value.at(i) == QLatin1Char('%')) {
            if (i + 1 < value.size() && value.at(i + 1) == QLatin1Char('%')) {
                text += QLatin1Char('%');
                ++i;
                continue;
            }
            break;
        }
        text += value.at(i);
    }
    return text;
}

QString keyTypeText(int type)
{
    switch (type) {
    case 1:
        return QStringLiteral(" (shift level key)");
    case 2:
        return QStringLiteral(" (toggle level key)");
    case 3:
        return QStringLiteral(" (alpha lock key)");
    default:
        return QString();
    }
}

struct LevelInfo
{
    QByteArray bytes;
    QString name;
    bool autoRepeat = false;
    bool sendNow = false;
};

QString levelText(const LevelInfo& level)
{
    if (level.bytes.isEmpty())
        return level.name.isEmpty() ? QStringLiteral("empty")
                                    : QStringLiteral("empty \"%1\"").arg(level.name);
    QStringList flags;
    if (level.autoRepeat)
        flags << QStringLiteral("auto-repeat");
    if (level.sendNow)
        flags << QStringLiteral("transmitted at once");
    QString text = QStringLiteral("%1 byte%2")
                       .arg(level.bytes.size())
                       .arg(level.bytes.size() == 1 ? QString() : QStringLiteral("s"));
    if (!level.name.isEmpty())
        text += QStringLiteral(" \"%1\"").arg(level.name);
    if (!flags.isEmpty())
        text += QStringLiteral(" (") + flags.join(QStringLiteral(", ")) + QLatin1Char(')');
    return text;
}

void checkInteger(const TIniFile& ini, const QString& section, const QString& key, int fallback,
                  CheckReport& report)
{
    if (!ini.ValueExists(section, key))
        return;
    const QString value = ini.ReadString(section, key, QString());
    int32_t parsed = 0;
    if (!TIniFile::ParseInteger(value, parsed))
        report.notes << QStringLiteral("[%1] %2=%3 is not a number; the editor reads %4.")
                            .arg(section, key, value, QString::number(fallback));
}

void checkIntegers(const TIniFile& ini, const QString& section, const IntegerKey* keys, int count,
                   CheckReport& report)
{
    for (int i = 0; i < count; ++i)
        checkInteger(ini, section, QLatin1String(keys[i].name), keys[i].fallback, report);
}

void checkGlobals(const TIniFile& ini, CheckReport& report)
{
    for (const TGlobalParam& p : GlobalParams()) {
        if (p.IsRead())
            checkInteger(ini, Global, QLatin1String(p.Key), p.Default, report);
    }
}
// What the checks of one definition share: the file, read as the editor
// reads it, and the report.
struct DefinitionContext
{
    const TIniFile& ini;
    CheckReport& report;
    bool hasAdvanced = false;

    int integer(const QString& section, const char* key, int fallback) const
    {
        return ini.ReadInteger(section, QLatin1String(key), fallback);
    }
    // A global value, with the default the editor reads it with.
    int global(const char* key) const
    {
        const TGlobalParam* p = FindGlobalParam(QString::fromLatin1(key));
        return ini.ReadInteger(Global, QLatin1String(key), p ? p->Default : 0);
    }
};

// Sorts the sections as the editor does: the first of each known name is a
// parameter or screen section, every other one a key section. Returns the
// key sections by key index; counts the screen sections into `screens`.
QMap<int, QString> sortSections(const DefinitionContext& file, const QStringList& sections,
                                int& screens)
{
    CheckReport& report = file.report;
    QSet<QString> known{Global.toLower(), Advanced.toLower()};
    for (int n = 1; n <= 8; ++n)
        known.insert(QStringLiteral("screen%1").arg(n));
    QSet<QString> seenKnown;
    QMap<int, QString> keySections;
    for (const QString& name : sections) {
        const QString folded = name.toLower();
        if (known.contains(folded) && !seenKnown.contains(folded)) {
            seenKnown.insert(folded);
            if (folded.startsWith(QLatin1String("screen")))
                ++screens;
            continue;
        }
        qint64 number = 0;
        if (!keySectionNumber(name, number)) {
            report.faults << QStringLiteral("Section [%1]: '%2' is not a valid integer value; "
                                            "the editor stops reading there.")
                                 .arg(name, name.mid(3));
            continue;
        }
        if (number < 0 || number >= KeyCount) {
            report.faults << QStringLiteral("Section [%1] names key %2; the keypad has keys 1 "
                                            "to 20 (sections KEY0 to KEY19).")
                                 .arg(name, QString::number(number + 1));
            continue;
        }
        if (keySections.contains(int(number))) {
            report.notes << QStringLiteral("Sections [%1] and [%2] are both key %3; the editor "
                                           "puts the codes of both into that key.")
                                .arg(keySections.value(int(number)), name,
                                     QString::number(number + 1));
            continue;
        }
        keySections.insert(int(number), name);
    }
    return keySections;
}

// The global parameters, for a person to read.
void describeGlobals(const DefinitionContext& file)
{
    const TIniFile& ini = file.ini;
    QStringList& c = file.report.contents;
    c << QStringLiteral("Global parameters");
    const QString savedBy = ini.ReadString(Global, QStringLiteral("MODEL_NUMBER"), QString()) +
                            QLatin1Char(' ') +
                            ini.ReadString(Global, QStringLiteral("APPL_VERSION"), QString());
    c << QStringLiteral("  Saved by:              %1")
             .arg(savedBy.trimmed().isEmpty() ? QStringLiteral("unknown") : savedBy.trimmed());
    c << QStringLiteral("  Keypad model:          %1 keys")
             .arg(file.global("Number_Of_Keys") == 12 ? 12 : 20);
    c << QStringLiteral("  Command prefix:        %1")
             .arg(ValueText::character(file.global("Command_Prefix") & 0xFF));
    c << QStringLiteral("  Key roll-over:         %1").arg(file.global("Key_Roll_Over"));
    c << QStringLiteral("  Key beep:              %1 ms").arg(file.global("Key_Click"));
    c << QStringLiteral("  Character pacing:      %1 ms").arg(file.global("Character_Pacing"));
    const int led = file.global("LED_Function");
    c << QStringLiteral("  Green LED:             %1").arg(ValueText::ledUse(led >> 4));
    c << QStringLiteral("  Red LED:               %1").arg(ValueText::ledUse(led));
    c << QStringLiteral("  Baud rate:             %1")
             .arg(ValueText::baudRate(file.global("Baud_Rate")));
    const int mode = file.global("Operating_Mode");
    QStringList modeParts;
    modeParts << ((mode & 1) ? QStringLiteral("line edit") : QStringLiteral("true terminal"));
    if (mode & 2)
        modeParts << QStringLiteral("user input masked");
    if (file.hasAdvanced) {
        if (file.integer(Advanced, "ScreenEnable", 0))
            modeParts.prepend(QStringLiteral("automated screen mode"));
        modeParts << ValueText::hostMode(file.integer(Advanced, "HostType", 0));
    } else {
        modeParts << ValueText::hostMode((mode >> 4) & 15);
    }
    c << QStringLiteral("  Operating mode:        %1").arg(modeParts.join(QStringLiteral("; ")));
    c << QStringLiteral("  Download delay:        %1 ms").arg(file.global("DOWNLOAD_DELAY"));
}

// The LCD, its messages and the screens of the advanced section.
void describeRomParameters(const DefinitionContext& file, int screens)
{
    const TIniFile& ini = file.ini;
    QStringList& c = file.report.contents;
    const bool oneLine = file.integer(Advanced, "LcdSize", 32) == 16;
    auto line = [&](const char* key, const char* fallback) {
        const QString value =
            ini.ReadString(Advanced, QLatin1String(key),
                           QLatin1Char('%') + QLatin1String(fallback) + QLatin1Char('%'));
        return QLatin1Char('[') + lcdText(value).leftJustified(16) + QLatin1Char(']');
    };
    c << QStringLiteral("ROM parameters");
    c << QStringLiteral("  LCD:                   %1")
             .arg(oneLine ? QStringLiteral("1 line x 16 characters")
                          : QStringLiteral("2 lines x 16 characters"));
    c << QStringLiteral("  Sign-on message:       %1")
             .arg(line("SignOnMsgLine1", "*  Halvorsten  *"));
    if (!oneLine)
        c << QStringLiteral("                         %1")
                 .arg(line("SignOnMsgLine2", "*   Ostrella   *"));
    c << QStringLiteral("  Card read message:     %1")
             .arg(line("CardReadMsgLine1", " Card Read OK!  "));
    if (!oneLine)
        c << QStringLiteral("                         %1")
                 .arg(line("CardReadMsgLine2", " ==== ==== ===  "));
    c << QStringLiteral("  Screens:               %1 of 8 present%2")
             .arg(screens)
             .arg(file.integer(Advanced, "ScreenEnable", 0)
                      ? QStringLiteral(", automated screen mode on")
                      : QString());
    for (int n = 1; n <= 8; ++n) {
        const QString section = QStringLiteral("SCREEN%1").arg(n);
        if (!ini.SectionExists(section))
            continue;
        const QString l1 = lcdText(
            ini.ReadString(section, QStringLiteral("TextLine1"), QStringLiteral("%Line 1%")));
        const QString l2 = lcdText(
            ini.ReadString(section, QStringLiteral("TextLine2"), QStringLiteral("%Line 2%")));
        c << QStringLiteral("    Screen %1:           [%2]%3")
                 .arg(QString::number(n), l1.leftJustified(16),
                      oneLine ? QString() : QStringLiteral(" [%1]").arg(l2.leftJustified(16)));
    }
}

// Reads one level of the key section `section` (key index `key`), with the
// faults and notes its codes give.
LevelInfo readLevel(const DefinitionContext& file, const QString& section, int key, int level)
{
    const TIniFile& ini = file.ini;
    CheckReport& report = file.report;
    LevelInfo info;
    const QString codesKey = QStringLiteral("Level_%1_Codes").arg(level + 1);
    const QString codes = ini.ReadString(section, codesKey, QString());
    const qsizetype length = ini.FullValueLength(section, codesKey);
    if (length > TIniFile::MaxValueLength) {
        report.faults << QStringLiteral("[%1] %2 is too long: %3 characters, more than the "
                                        "%4 a value holds; the editor reads only the "
                                        "first %4.")
                             .arg(section, codesKey)
                             .arg(length)
                             .arg(TIniFile::MaxValueLength);
        decodeCodes(codes.left(codes.size() & ~qsizetype(1)), info.bytes);
    } else if (!decodeCodes(codes, info.bytes)) {
        report.faults << QStringLiteral("[%1] %2 is not written as whole pairs of "
                                        "hexadecimal digits.")
                             .arg(section, codesKey);
        info.bytes.clear();
    }
    if (info.bytes.size() > LevelCapacity)
        report.notes << QStringLiteral("Key %1, level %2 holds %3 bytes, more than the "
                                       "%4 a level holds.")
                            .arg(key + 1)
                            .arg(level + 1)
                            .arg(info.bytes.size())
                            .arg(LevelCapacity);
    info.name = ini.ReadString(section, QStringLiteral("Level_%1_Name").arg(level + 1), QString());
    info.autoRepeat = ini.ReadBool(section, QStringLiteral("L%1_AutoRepeat").arg(level + 1), false);
    info.sendNow =
        ini.ReadBool(section, QStringLiteral("L%1_SendLineEditKeyASAP").arg(level + 1), false);
    return info;
}

// The key sections: their types and codes, and which keys are in use.
void checkKeys(const DefinitionContext& file, const QMap<int, QString>& keySections)
{
    CheckReport& report = file.report;
    QStringList& c = report.contents;
    c << QStringLiteral("Keys");
    int usedKeys = 0;
    for (auto it = keySections.cbegin(); it != keySections.cend(); ++it) {
        const QString& section = it.value();
        const int keyType = file.ini.ReadInteger(section, QStringLiteral("KeyType"), 0);
        if (keyType < 0 || keyType > 3)
            report.faults << QStringLiteral("[%1] KeyType=%2 is not a key type (0 to 3).")
                                 .arg(section, QString::number(keyType));
        LevelInfo levels[2];
        for (int level = 0; level < 2; ++level)
            levels[level] = readLevel(file, section, it.key(), level);
        if (levels[0].bytes.isEmpty() && levels[1].bytes.isEmpty() && keyType == 0)
            continue;
        ++usedKeys;
        c << QStringLiteral("  Key %1%2: level 1: %3; level 2: %4")
                 .arg(QString::number(it.key() + 1).rightJustified(2), keyTypeText(keyType),
                      levelText(levels[0]), levelText(levels[1]));
        for (int level = 0; level < 2; ++level) {
            if (!levels[level].bytes.isEmpty())
                c << QStringLiteral("          level %1: %2")
                         .arg(level + 1)
                         .arg(ValueText::hexBytes(levels[level].bytes));
        }
    }
    if (usedKeys == 0 && !keySections.isEmpty())
        c << QStringLiteral("  Every key is empty.");
    if (!keySections.isEmpty() && keySections.size() < KeyCount)
        report.notes << QStringLiteral("%1 of the 20 keys have no section; they are empty.")
                            .arg(KeyCount - keySections.size());
}
} // namespace

CheckReport checkDefinitionFile(const QByteArray& bytes, bool romFile)
{
    CheckReport report;
    report.kind = romFile ? QStringLiteral("ROM file") : QStringLiteral("definition file");
    const TIniFile ini = TIniFile::FromBytes(bytes);
    const QStringList sections = ini.SectionNames();
    if (sections.isEmpty()) {
        report.faults << QStringLiteral("The file holds no sections: it is not a definition file.");
        return report;
    }
    if (!ini.SectionExists(Global)) {
        report.faults << QStringLiteral("The section [GLOBAL_PARAMETERS] is missing.");
        return report;
    }
    const DefinitionContext file{ini, report, ini.SectionExists(Advanced)};
    if (romFile && !file.hasAdvanced)
        report.notes << QStringLiteral("The section [ADVANCED_PARAMETERS] is missing: the ROM "
                                       "parameters take their usual values.");
    checkGlobals(ini, report);
    if (file.hasAdvanced)
        checkIntegers(ini, Advanced, AdvancedIntegers, int(std::size(AdvancedIntegers)), report);

    int screens = 0;
    const QMap<int, QString> keySections = sortSections(file, sections, screens);
    if (keySections.isEmpty())
        report.faults << QStringLiteral("The file has no key sections (KEY0 to KEY19).");

    describeGlobals(file);
    if (file.hasAdvanced)
        describeRomParameters(file, screens);
    checkKeys(file, keySections);
    return report;
}
