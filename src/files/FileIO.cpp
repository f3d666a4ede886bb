#include "files/FileIO.h"

#include "files/HexDigit.h"
#include "files/IniFile.h"
#include "model/Encodings.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <vector>

namespace {

const QString GlobalSection = QStringLiteral("GLOBAL_PARAMETERS");
const QString AdvancedSection = QStringLiteral("ADVANCED_PARAMETERS");

constexpr int LcdWidth = Encodings::LcdLineLength;
constexpr int MaxEcrLength = Encodings::EcrStringMaxLength;
constexpr int32_t MaxUserSerialNo = Encodings::CdcSerialNoRange.Max;
constexpr int32_t MaxTimeoutPeriod = Encodings::TimeoutPeriodRange.Max;

QString ScreenSection(int screen) // 1..8
{
    return QStringLiteral("SCREEN") + QString::number(screen);
}

QString KeySection(int key)
{
    return QStringLiteral("KEY") + QString::number(key);
}

uint8_t Low8(int32_t value)
{
    return static_cast<uint8_t>(static_cast<uint32_t>(value) & 0xFFu);
}

QString WriteFailure(const QString& path)
{
    return QStringLiteral("Unable to write to ") + path;
}

QString ReadFailure(const QString& path)
{
    return QStringLiteral("Unable to read ") + path;
}

// The global parameters as both definition files store them. The user file
// keeps them in the keypad definition, the ROM file in the ROM record.
struct TGlobalValues
{
    int32_t NumberOfKeys = 20;
    int32_t DownloadDelay = 0;
    int32_t KeyRollOver = 2;
    int32_t KeyClick = 20;
    int32_t CharacterPacing = 2;
    int32_t LEDBehavior = 49;
    int32_t BaudRate = 3;
    int32_t WordFormat = 8;
    int32_t CmdPrefix = 64;
    int32_t XonChar = 17;
    int32_t XoffChar = 19;
    int32_t OpMode = 1;
    int32_t TailChar = 13;
    int32_t FormCardType = 1;
    int32_t CardPrefix = 9;
    bool CardPrefixEnable = false;
    int32_t CardSuffix = 13;
    bool CardSuffixEnable = true;
    int32_t CardTracks = 3;
    int32_t CardStartSentinel = 0;
    int32_t CardEndSentinel = 13;
    int32_t CardFieldSeparator = 9;
    int32_t CardBadSwipe = 33;
    int32_t CdcSerialNo = 1;
};

// Reads every global key with its read default (the defaults above, which
// differ from the reset values in places) and forces the roll-over into 1..2.
TGlobalValues ReadGlobals(const TIniFile& ini)
{
    const TGlobalValues d;
    TGlobalValues g;
    const QString& s = GlobalSection;
    g.NumberOfKeys =
        ini.ReadInteger(s, QStringLiteral("Number_Of_Keys"), d.NumberOfKeys) == 12 ? 12 : 20;
    g.DownloadDelay = ini.ReadInteger(s, QStringLiteral("DOWNLOAD_DELAY"), d.DownloadDelay);
    g.KeyRollOver = Low8(ini.ReadInteger(s, QStringLiteral("Key_Roll_Over"), d.KeyRollOver));
    if (g.KeyRollOver > 2)
        g.KeyRollOver = 2;
    else if (g.KeyRollOver == 0)
        g.KeyRollOver = 1;
    g.CharacterPacing = ini.ReadInteger(s, QStringLiteral("Character_Pacing"), d.CharacterPacing);
    g.KeyClick = ini.ReadInteger(s, QStringLiteral("Key_Click"), d.KeyClick);
    g.LEDBehavior = ini.ReadInteger(s, QStringLiteral("LED_Function"), d.LEDBehavior);
    g.BaudRate = ini.ReadInteger(s, QStringLiteral("Baud_Rate"), d.BaudRate);
    g.WordFormat = ini.ReadInteger(s, QStringLiteral("Word_Format"), d.WordFormat);
    g.CmdPrefix = ini.ReadInteger(s, QStringLiteral("Command_Prefix"), d.CmdPrefix);
    g.XonChar = ini.ReadInteger(s, QStringLiteral("Xon_Character"), d.XonChar);
    g.XoffChar = ini.ReadInteger(s, QStringLiteral("Xoff_Character"), d.XoffChar);
    g.OpMode = ini.ReadInteger(s, QStringLiteral("Operating_Mode"), d.OpMode);
    g.TailChar = ini.ReadInteger(s, QStringLiteral("LineEdit_TailCharacter"), d.TailChar);
    g.FormCardType = ini.ReadInteger(s, QStringLiteral("CardReader_Type"), d.FormCardType);
    g.CardPrefixEnable =
        ini.ReadBool(s, QStringLiteral("CardReader_StartCharacterEnable"), d.CardPrefixEnable);
    g.CardSuffixEnable =
        ini.ReadBool(s, QStringLiteral("CardReader_EndCharacterEnable"), d.CardSuffixEnable);
    g.CardPrefix = ini.ReadInteger(s, QStringLiteral("CardReader_StartCharacter"), d.CardPrefix);
    g.CardSuffix = ini.ReadInteger(s, QStringLiteral("CardReader_EndCharacter"), d.CardSuffix);
    g.CardTracks = ini.ReadInteger(s, QStringLiteral("CardReader_Tracks"), d.CardTracks);
    g.CardStartSentinel =
        ini.ReadInteger(s, QStringLiteral("CardReader_StartSentinel"), d.CardStartSentinel);
    g.CardEndSentinel =
        ini.ReadInteger(s, QStringLiteral("CardReader_EndSentinel"), d.CardEndSentinel);
    g.CardFieldSeparator =
        ini.ReadInteger(s, QStringLiteral("CardReader_FieldSeparator"), d.CardFieldSeparator);
    g.CardBadSwipe = ini.ReadInteger(s, QStringLiteral("CardReader_BadSwipe"), d.CardBadSwipe);
    g.CdcSerialNo = ini.ReadInteger(s, QStringLiteral("CDC_Serial_No"), d.CdcSerialNo);
    return g;
}

void WriteGlobals(TIniFile& ini, const TGlobalValues& g, const QString& version)
{
    const QString& s = GlobalSection;
    ini.WriteString(s, QStringLiteral("MODEL_NUMBER"), QStringLiteral("PadwrightRx"));
    ini.WriteString(s, QStringLiteral("APPL_VERSION"), version);
    ini.WriteInteger(s, QStringLiteral("Number_Of_Keys"), g.NumberOfKeys == 12 ? 12 : 20);
    ini.WriteInteger(s, QStringLiteral("DOWNLOAD_DELAY"), g.DownloadDelay);
    ini.WriteInteger(s, QStringLiteral("MACRO_LENGTH"), 2 * MacroCapacity);
    ini.WriteInteger(s, QStringLiteral("LEVEL1_LENGTH"), MacroCapacity);
    ini.WriteInteger(s, QStringLiteral("Key_Roll_Over"), g.KeyRollOver);
    ini.WriteInteger(s, QStringLiteral("Key_Click"), g.KeyClick);
    ini.WriteInteger(s, QStringLiteral("Character_Pacing"), g.CharacterPacing);
    ini.WriteInteger(s, QStringLiteral("LED_Function"), g.LEDBehavior);
    ini.WriteInteger(s, QStringLiteral("Baud_Rate"), g.BaudRate);
    ini.WriteInteger(s, QStringLiteral("Word_Format"), g.WordFormat);
    ini.WriteInteger(s, QStringLiteral("Command_Prefix"), g.CmdPrefix);
    ini.WriteInteger(s, QStringLiteral("Xon_Character"), g.XonChar);
    ini.WriteInteger(s, QStringLiteral("Xoff_Character"), g.XoffChar);
    ini.WriteInteger(s, QStringLiteral("Operating_Mode"), g.OpMode);
    ini.WriteInteger(s, QStringLiteral("LineEdit_TailCharacter"), g.TailChar);
    ini.WriteInteger(s, QStringLiteral("CardReader_Type"), g.FormCardType);
    ini.WriteInteger(s, QStringLiteral("CardReader_StartCharacter"), g.CardPrefix);
    ini.WriteBool(s, QStringLiteral("CardReader_StartCharacterEnable"), g.CardPrefixEnable);
    ini.WriteInteger(s, QStringLiteral("CardReader_EndCharacter"), g.CardSuffix);
    ini.WriteBool(s, QStringLiteral("CardReader_EndCharacterEnable"), g.CardSuffixEnable);
    ini.WriteInteger(s, QStringLiteral("CardReader_Tracks"), g.CardTracks);
    ini.WriteInteger(s, QStringLiteral("CardReader_StartSentinel"), g.CardStartSentinel);
    ini.WriteInteger(s, QStringLiteral("CardReader_EndSentinel"), g.CardEndSentinel);
    ini.WriteInteger(s, QStringLiteral("CardReader_FieldSeparator"), g.CardFieldSeparator);
    ini.WriteInteger(s, QStringLiteral("CardReader_BadSwipe"), g.CardBadSwipe);
    ini.WriteInteger(s, QStringLiteral("CDC_Serial_No"), g.CdcSerialNo);
}

TGlobalValues GlobalsOf(const TKeypadClass& k, int numberOfKeys)
{
    TGlobalValues g;
    g.NumberOfKeys = numberOfKeys;
    g.DownloadDelay = k.DownloadDelay();
    g.KeyRollOver = k.KeyRollOver();
    g.KeyClick = k.KeyClick();
    g.CharacterPacing = k.CharacterPacing();
    g.LEDBehavior = k.LEDBehavior();
    g.BaudRate = k.BaudRate();
    g.WordFormat = k.WordFormat();
    g.CmdPrefix = k.CmdPrefix();
    g.XonChar = k.XonChar();
    g.XoffChar = k.XoffChar();
    g.OpMode = k.OpMode();
    g.TailChar = k.TailChar();
    g.FormCardType = k.FormCardType();
    g.CardPrefix = k.CardPrefix();
    g.CardPrefixEnable = k.CardPrefixEnable();
    g.CardSuffix = k.CardSuffix();
    g.CardSuffixEnable = k.CardSuffixEnable();
    g.CardTracks = k.CardTracks();
    g.CardStartSentinel = k.CardStartSentinel();
    g.CardEndSentinel = k.CardEndSentinel();
    g.CardFieldSeparator = k.CardFieldSeparator();
    g.CardBadSwipe = k.CardBadSwipe();
    g.CdcSerialNo = k.CdcSerialNo();
    return g;
}

void ApplyGlobals(const TGlobalValues& g, TKeypadClass& k)
{
    k.SetDownloadDelay(g.DownloadDelay);
    k.SetKeyRollOver(Low8(g.KeyRollOver));
    k.SetCharacterPacing(Low8(g.CharacterPacing));
    k.SetKeyClick(Low8(g.KeyClick));
    k.SetLEDBehavior(Low8(g.LEDBehavior));
    k.SetBaudRate(Low8(g.BaudRate));
    k.SetWordFormat(Low8(g.WordFormat));
    k.SetCmdPrefix(Low8(g.CmdPrefix));
    k.SetXonChar(Low8(g.XonChar));
    k.SetXoffChar(Low8(g.XoffChar));
    k.SetOpMode(Low8(g.OpMode));
    k.SetTailChar(Low8(g.TailChar));
    k.SetFormCardType(Low8(g.FormCardType));
    k.SetCardPrefixEnable(g.CardPrefixEnable);
    k.SetCardSuffixEnable(g.CardSuffixEnable);
    k.SetCardPrefix(Low8(g.CardPrefix));
    k.SetCardSuffix(Low8(g.CardSuffix));
    k.SetCardTracks(Low8(g.CardTracks));
    k.SetCardStartSentinel(Low8(g.CardStartSentinel));
    k.SetCardEndSentinel(Low8(g.CardEndSentinel));
    k.SetCardFieldSeparator(Low8(g.CardFieldSeparator));
    k.SetCardBadSwipe(Low8(g.CardBadSwipe));
    // The user file clamps the serial number from above only.
    k.SetCdcSerialNo(std::min(g.CdcSerialNo, MaxUserSerialNo));
}

TGlobalValues GlobalsOf(const TAdvancedParams& a, int numberOfKeys)
{
    TGlobalValues g;
    g.NumberOfKeys = numberOfKeys;
    g.DownloadDelay = a.DownloadDelay;
    g.KeyRollOver = a.KeyRollOver;
    g.KeyClick = a.KeyClick;
    g.CharacterPacing = a.CharacterPacing;
    g.LEDBehavior = a.LEDBehavior;
    g.BaudRate = a.BaudRate;
    g.WordFormat = a.WordFormat;
    g.CmdPrefix = a.CmdPrefix;
    g.XonChar = a.XonChar;
    g.XoffChar = a.XoffChar;
    g.OpMode = a.OpMode;
    g.TailChar = a.TailChar;
    g.FormCardType = a.FormCardType;
    g.CardPrefix = a.CardPrefix;
    g.CardPrefixEnable = a.CardPrefix != 0;
    g.CardSuffix = a.CardSuffix;
    g.CardSuffixEnable = a.CardSuffix != 0;
    g.CardTracks = a.CardTracks;
    g.CardStartSentinel = a.CardStartSentinel;
    g.CardEndSentinel = a.CardEndSentinel;
    g.CardFieldSeparator = a.CardFieldSeparator;
    g.CardBadSwipe = a.CardBadSwipe;
    g.CdcSerialNo = a.CdcSerialNo;
    return g;
}

void ApplyGlobals(const TGlobalValues& g, TAdvancedParams& a)
{
    a.DownloadDelay = g.DownloadDelay;
    a.KeyRollOver = Low8(g.KeyRollOver);
    a.KeyClick = Low8(g.KeyClick);
    a.CharacterPacing = Low8(g.CharacterPacing);
    a.LEDBehavior = Low8(g.LEDBehavior);
    a.BaudRate = Low8(g.BaudRate);
    a.WordFormat = Low8(g.WordFormat);
    a.CmdPrefix = Low8(g.CmdPrefix);
    a.XonChar = Low8(g.XonChar);
    a.XoffChar = Low8(g.XoffChar);
    a.OpMode = Low8(g.OpMode);
    a.TailChar = Low8(g.TailChar);
    a.FormCardType = Low8(g.FormCardType);
    a.CardPrefix = Low8(g.CardPrefix);
    a.CardSuffix = Low8(g.CardSuffix);
    a.CardTracks = Low8(g.CardTracks);
    a.CardStartSentinel = Low8(g.CardStartSentinel);
    a.CardEndSentinel = Low8(g.CardEndSentinel);
    a.CardFieldSeparator = Low8(g.CardFieldSeparator);
    a.CardBadSwipe = Low8(g.CardBadSwipe);
    a.CdcSerialNo = g.CdcSerialNo; // no upper limit in ROM files
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

// Reads every section that is not a global, advanced or screen section as a
// key section, in file order. Returns false with the load error at the first
// section whose name does not carry a number.
bool ReadKeySections(const TIniFile& ini, TKeypadClass& definition, QString& error)
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

    for (const QString& name : names) {
        const QString numberText = name.mid(3);
        int32_t number = 0;
        if (!ParseKeyNumber(numberText, number)) {
            error =
                QLatin1Char('\'') + numberText + QStringLiteral("' is not a valid integer value");
            return false;
        }
        // A number outside the keys leaves the previous key selected.
        if (number >= 0 && number < MaxKeys)
            definition.SetKey(number);
        definition.SetKeytype(
            static_cast<TKeyType>(Low8(ini.ReadInteger(name, QStringLiteral("KeyType"), 0))));
        for (int level = 0; level < MaxLevels; ++level) {
            const QString prefix = level == 0 ? QStringLiteral("L1_") : QStringLiteral("L2_");
            const QString levelName =
                level == 0 ? QStringLiteral("LEVEL_1_") : QStringLiteral("LEVEL_2_");
            definition.SetLevel(level);
            definition.SetCanAutoRepeat(
                ini.ReadBool(name, prefix + QStringLiteral("AutoRepeat"), false));
            definition.SetSendKeyNow(
                ini.ReadBool(name, prefix + QStringLiteral("SendLineEditKeyASAP"), false));
            ParseCodeString(definition,
                            ini.ReadString(name, levelName + QStringLiteral("CODES"), QString()));
            definition.SetMacroName(
                ini.ReadString(name, levelName + QStringLiteral("Name"), QString()));
        }
    }
    return true;
}

// Writes KEY0 to KEY19 from `definition`, whose selection it moves.
void WriteKeySections(TIniFile& ini, TKeypadClass& definition, TLevelKeyIndices* indices)
{
    for (int key = 0; key < MaxKeys; ++key) {
        definition.SetKey(key);
        const QString section = KeySection(key);
        const TKeyType type = definition.Keytype();
        ini.WriteInteger(section, QStringLiteral("KeyType"), static_cast<int>(type));
        if (indices) {
            if (type == ktToggle) {
                if (indices->ToggleKey1 == 128)
                    indices->ToggleKey1 = key;
                else
                    indices->ToggleKey2 = key;
            } else if (type == ktShift) {
                if (indices->ShiftKey1 == 128)
                    indices->ShiftKey1 = key;
                else
                    indices->ShiftKey2 = key;
            } else if (type == ktAlpha) {
                indices->AlphaKey = key;
            }
        }
        for (int level = 0; level < MaxLevels; ++level) {
            const QString prefix = level == 0 ? QStringLiteral("L1_") : QStringLiteral("L2_");
            const QString levelName =
                level == 0 ? QStringLiteral("Level_1_") : QStringLiteral("Level_2_");
            definition.SetLevel(level);
            ini.WriteBool(section, prefix + QStringLiteral("AutoRepeat"),
                          definition.CanAutoRepeat());
            ini.WriteBool(section, prefix + QStringLiteral("SendLineEditKeyASAP"),
                          definition.SendKeyNow());
            ini.WriteString(section, levelName + QStringLiteral("Codes"), definition.MakeCodes());
            ini.WriteString(section, levelName + QStringLiteral("Name"), definition.GetMacroName());
        }
    }
}

// The existing file's text, so that a save keeps what it does not name.
bool OpenForUpdate(const QString& path, TIniFile& ini)
{
    if (QFileInfo(path).isFile())
        return ini.Load(path);
    ini = TIniFile();
    return true;
}

// A fresh definition that keeps what a load must not reset: the view mode and
// the modifier source of the live one.
TKeypadClass FreshDefinition(const TKeypadClass& live)
{
    TKeypadClass fresh = live;
    fresh.Initialize();
    return fresh;
}

// LCD texts are stored between percent signs so that their blanks survive.
QString FillLcd(QString text)
{
    if (text.size() < LcdWidth)
        text.append(QString(LcdWidth - text.size(), QLatin1Char(' ')));
    return text;
}

QString QuoteLcd(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return QLatin1Char('%') + quoted + QLatin1Char('%');
}

QString UnquoteLcd(const QString& value)
{
    if (!value.startsWith(QLatin1Char('%')))
        return QString();
    QString text;
    text.reserve(value.size());
    for (qsizetype i = 1; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == QLatin1Char('%')) {
            if (i + 1 < value.size() && value.at(i + 1) == QLatin1Char('%')) {
                text.append(c);
                ++i;
                continue;
            }
            break;
        }
        text.append(c);
    }
    return text;
}

bool OneLineLcd(uint8_t lcdSize)
{
    return Encodings::IsOneLineLcd(lcdSize);
}

QString ReadLcd(const TIniFile& ini, const QString& section, const QString& key, const QString& def,
                bool secondLine, uint8_t lcdSize)
{
    if (secondLine && OneLineLcd(lcdSize))
        return QString();
    return FillLcd(UnquoteLcd(ini.ReadString(section, key, QuoteLcd(def))));
}

void WriteLcd(TIniFile& ini, const QString& section, const QString& key, QString& text,
              bool secondLine, uint8_t lcdSize)
{
    text = FillLcd(text);
    if (secondLine && OneLineLcd(lcdSize))
        text.clear();
    ini.WriteString(section, key, QuoteLcd(text));
}

void ReadAdvanced(const TIniFile& ini, TAdvancedParams& a, QStringList& warnings)
{
    const QString& s = AdvancedSection;
    a.bHostEcho = ini.ReadBool(s, QStringLiteral("bHostEcho"), false);
    a.MaskChar =
        QChar(static_cast<char16_t>(ini.ReadInteger(s, QStringLiteral("MaskChar"), 42) & 0xFFFF));
    a.ScreenEnable = ini.ReadBool(s, QStringLiteral("ScreenEnable"), false);
    a.StartScreen = Low8(ini.ReadInteger(s, QStringLiteral("StartScreen"), 0));
    a.CalcPrefix = Low8(ini.ReadInteger(s, QStringLiteral("CalcPrefix"), 0));
    a.CalcStart = Low8(ini.ReadInteger(s, QStringLiteral("CalcStart"), 0));
    a.CalcSuffix = Low8(ini.ReadInteger(s, QStringLiteral("CalcSuffix"), 0));
    a.LcdSize = Low8(ini.ReadInteger(s, QStringLiteral("LcdSize"), 32));
    a.SignOnMsgLine1 = ReadLcd(ini, s, QStringLiteral("SignOnMsgLine1"),
                               QStringLiteral("*  Halvorsten  *"), false, a.LcdSize);
    a.SignOnMsgLine2 = ReadLcd(ini, s, QStringLiteral("SignOnMsgLine2"),
                               QStringLiteral("*   Ostrella   *"), true, a.LcdSize);
    a.TSignOnHold = ini.ReadInteger(s, QStringLiteral("TSignOnHold"), 1000);
    a.CursorStyle = Low8(ini.ReadInteger(s, QStringLiteral("CursorStyle"), 3));
    a.ScrollWrap = Low8(ini.ReadInteger(s, QStringLiteral("ScrollWrap"), 0));
    a.LcdXlate = Low8(ini.ReadInteger(s, QStringLiteral("LcdXlate"), 0));
    a.LcdBrightness = Low8(ini.ReadInteger(s, QStringLiteral("LcdBrightness"), 9));
    a.HostType = ini.ReadInteger(s, QStringLiteral("HostType"), 0);
    a.TBeepChirp = ini.ReadInteger(s, QStringLiteral("TBeepChirp"), 10);
    a.TBeepError = ini.ReadInteger(s, QStringLiteral("TBeepError"), 200);
    a.TBeepCardOK = ini.ReadInteger(s, QStringLiteral("TBeepCardOK"), 100);
    a.CardBaudRate = Low8(ini.ReadInteger(s, QStringLiteral("CardBaudRate"), 3));
    a.CardWordFormat = Low8(ini.ReadInteger(s, QStringLiteral("CardWordFormat"), 144));
    a.DeviceType = Low8(ini.ReadInteger(s, QStringLiteral("DeviceType"), 0));
    a.CardReadMsgLine1 = ReadLcd(ini, s, QStringLiteral("CardReadMsgLine1"),
                                 QStringLiteral(" Card Read OK!  "), false, a.LcdSize);
    a.CardReadMsgLine2 = ReadLcd(ini, s, QStringLiteral("CardReadMsgLine2"),
                                 QStringLiteral(" ==== ==== ===  "), true, a.LcdSize);
    a.TCardReadHold = ini.ReadInteger(s, QStringLiteral("TCardReadHold"), 1000);
    a.CardStartDelim = Low8(ini.ReadInteger(s, QStringLiteral("CardStartDelim"), 0));
    a.CardEndDelim = Low8(ini.ReadInteger(s, QStringLiteral("CardEndDelim"), 0));
    a.EcrMode = ini.ReadInteger(s, QStringLiteral("ECR_Mode"), 0);
    a.EcrString = ini.ReadString(s, QStringLiteral("ECR_String"), QString());
    if (a.EcrString.size() > MaxEcrLength) {
        a.EcrString.truncate(MaxEcrLength);
        warnings.append(QStringLiteral(
            "Warning: ECR Suffix String has been truncated to the max width of 8 characters."));
    }
}

void WriteAdvanced(TIniFile& ini, TAdvancedParams& a)
{
    const QString& s = AdvancedSection;
    ini.WriteBool(s, QStringLiteral("bHostEcho"), a.bHostEcho);
    ini.WriteInteger(s, QStringLiteral("MaskChar"), a.MaskChar.unicode());
    ini.WriteBool(s, QStringLiteral("ScreenEnable"), a.ScreenEnable);
    ini.WriteInteger(s, QStringLiteral("StartScreen"), a.StartScreen);
    ini.WriteInteger(s, QStringLiteral("CalcPrefix"), a.CalcPrefix);
    ini.WriteInteger(s, QStringLiteral("CalcStart"), a.CalcStart);
    ini.WriteInteger(s, QStringLiteral("CalcSuffix"), a.CalcSuffix);
    ini.WriteInteger(s, QStringLiteral("LcdSize"), a.LcdSize);
    WriteLcd(ini, s, QStringLiteral("SignOnMsgLine1"), a.SignOnMsgLine1, false, a.LcdSize);
    WriteLcd(ini, s, QStringLiteral("SignOnMsgLine2"), a.SignOnMsgLine2, true, a.LcdSize);
    ini.WriteInteger(s, QStringLiteral("TSignOnHold"), a.TSignOnHold);
    ini.WriteInteger(s, QStringLiteral("CursorStyle"), a.CursorStyle);
    ini.WriteInteger(s, QStringLiteral("ScrollWrap"), a.ScrollWrap);
    ini.WriteInteger(s, QStringLiteral("LcdXlate"), a.LcdXlate);
    ini.WriteInteger(s, QStringLiteral("LcdBrightness"), a.LcdBrightness);
    ini.WriteInteger(s, QStringLiteral("HostType"), a.HostType);
    ini.WriteInteger(s, QStringLiteral("TBeepChirp"), a.TBeepChirp);
    ini.WriteInteger(s, QStringLiteral("TBeepError"), a.TBeepError);
    ini.WriteInteger(s, QStringLiteral("TBeepCardOK"), a.TBeepCardOK);
    ini.WriteInteger(s, QStringLiteral("CardBaudRate"), a.CardBaudRate);
    ini.WriteInteger(s, QStringLiteral("CardWordFormat"), a.CardWordFormat);
    ini.WriteInteger(s, QStringLiteral("DeviceType"), a.DeviceType);
    WriteLcd(ini, s, QStringLiteral("CardReadMsgLine1"), a.CardReadMsgLine1, false, a.LcdSize);
    WriteLcd(ini, s, QStringLiteral("CardReadMsgLine2"), a.CardReadMsgLine2, true, a.LcdSize);
    ini.WriteInteger(s, QStringLiteral("TCardReadHold"), a.TCardReadHold);
    ini.WriteInteger(s, QStringLiteral("CardStartDelim"), a.CardStartDelim);
    ini.WriteInteger(s, QStringLiteral("CardEndDelim"), a.CardEndDelim);
    ini.WriteInteger(s, QStringLiteral("ECR_Mode"), a.EcrMode);
    ini.WriteString(s, QStringLiteral("ECR_String"), a.EcrString);
}

void ReadScreen(const TIniFile& ini, int screen, uint8_t lcdSize, TScreenDataRec& r)
{
    const QString s = ScreenSection(screen);
    auto byte = [&](const char* key) { return Low8(ini.ReadInteger(s, QLatin1String(key), 0)); };
    auto flag = [&](const char* key) { return ini.ReadBool(s, QLatin1String(key), false); };
    r.TextLine1 =
        ReadLcd(ini, s, QStringLiteral("TextLine1"), QStringLiteral("Line 1"), false, lcdSize);
    r.TextLine2 =
        ReadLcd(ini, s, QStringLiteral("TextLine2"), QStringLiteral("Line 2"), true, lcdSize);
    r.bTimeoutEnable = flag("bTimeoutEnable");
    r.TimeoutAction = byte("TimeoutAction");
    r.TimeoutPeriod =
        std::min(ini.ReadInteger(s, QStringLiteral("TimeoutPeriod"), 0), MaxTimeoutPeriod);
    r.bCardSwipeEnable = flag("bCardSwipeEnable");
    r.CardSwipeAction = byte("CardSwipeAction");
    r.UserDataAction = byte("UserDataAction");
    r.EnterAction = byte("EnterAction");
    r.UserFullAction = byte("UserFullAction");
    r.BackNormalAction = byte("BackNormalAction");
    r.BackEmptyAction = byte("BackEmptyAction");
    r.ClearNormalAction = byte("ClearNormalAction");
    r.ClearEmptyAction = byte("ClearEmptyAction");
    r.bUserMaskInput = flag("bUserMaskInput");
    r.bRequireAllData = flag("bRequireAllData");
    r.bSaveDataForNextScreen = flag("bSaveDataForNextScreen");
    r.LedModes = byte("LedModes");
    r.OnShowChar = byte("OnShowChar");
    r.OnLeaveChar = byte("OnLeaveChar");
}

void WriteScreen(TIniFile& ini, int screen, uint8_t lcdSize, TScreenDataRec& r)
{
    const QString s = ScreenSection(screen);
    auto integer = [&](const char* key, int32_t value) {
        ini.WriteInteger(s, QLatin1String(key), value);
    };
    auto flag = [&](const char* key, bool value) { ini.WriteBool(s, QLatin1String(key), value); };
    WriteLcd(ini, s, QStringLiteral("TextLine1"), r.TextLine1, false, lcdSize);
    WriteLcd(ini, s, QStringLiteral("TextLine2"), r.TextLine2, true, lcdSize);
    flag("bTimeoutEnable", r.bTimeoutEnable);
    integer("TimeoutAction", r.TimeoutAction);
    integer("TimeoutPeriod", r.TimeoutPeriod);
    flag("bCardSwipeEnable", r.bCardSwipeEnable);
    integer("CardSwipeAction", r.CardSwipeAction);
    integer("UserDataAction", r.UserDataAction);
    integer("EnterAction", r.EnterAction);
    integer("UserFullAction", r.UserFullAction);
    integer("BackNormalAction", r.BackNormalAction);
    integer("BackEmptyAction", r.BackEmptyAction);
    integer("ClearNormalAction", r.ClearNormalAction);
    integer("ClearEmptyAction", r.ClearEmptyAction);
    flag("bUserMaskInput", r.bUserMaskInput);
    flag("bRequireAllData", r.bRequireAllData);
    flag("bSaveDataForNextScreen", r.bSaveDataForNextScreen);
    integer("LedModes", r.LedModes);
    integer("OnShowChar", r.OnShowChar);
    integer("OnLeaveChar", r.OnLeaveChar);
}

TLoadResult LoadUser(TAppState& state, const TIniFile& ini)
{
    TLoadResult result;
    TKeypadClass fresh = FreshDefinition(state.KeypadDefinition);
    const TGlobalValues globals = ReadGlobals(ini);
    ApplyGlobals(globals, fresh);
    result.NumberOfKeys = globals.NumberOfKeys;
    if (!ReadKeySections(ini, fresh, result.Message)) {
        result.Status = TLoadStatus::Failed;
        return result;
    }
    fresh.SetKey(0);
    fresh.SetLevel(0);
    state.KeypadDefinition = fresh;
    result.Status = TLoadStatus::Loaded;
    return result;
}

TLoadResult LoadRom(TAppState& state, const TIniFile& ini)
{
    TLoadResult result;
    TAppState fresh = state;
    fresh.KeypadDefinition.Initialize();
    fresh.SetAdvancedDefaults();

    const TGlobalValues globals = ReadGlobals(ini);
    ApplyGlobals(globals, fresh.AdvancedParams);
    result.NumberOfKeys = globals.NumberOfKeys;
    ReadAdvanced(ini, fresh.AdvancedParams, result.Warnings);
    fresh.WorkingAdvancedParams = fresh.AdvancedParams;
    for (int screen = 1; screen <= ScreenCount; ++screen) {
        ReadScreen(ini, screen, fresh.AdvancedParams.LcdSize, fresh.ScreenData[size_t(screen - 1)]);
        fresh.WorkingScreenData[size_t(screen - 1)] = fresh.ScreenData[size_t(screen - 1)];
    }
    if (!ReadKeySections(ini, fresh.KeypadDefinition, result.Message)) {
        result.Status = TLoadStatus::Failed;
        result.Warnings.clear();
        return result;
    }
    fresh.KeypadDefinition.SetKey(0);
    fresh.KeypadDefinition.SetLevel(0);
    state.KeypadDefinition = fresh.KeypadDefinition;
    state.AdvancedParams = fresh.AdvancedParams;
    state.WorkingAdvancedParams = fresh.WorkingAdvancedParams;
    state.ScreenData = fresh.ScreenData;
    state.WorkingScreenData = fresh.WorkingScreenData;
    result.Status = TLoadStatus::Loaded;
    return result;
}

// NoFile, or Failed when the file is there but cannot be read.
bool ReadDefinitionFile(const QString& path, TIniFile& ini, TLoadResult& result)
{
    if (!QFileInfo(path).isFile()) {
        result.Status = TLoadStatus::NoFile;
        return false;
    }
    if (!ini.Load(path)) {
        result.Status = TLoadStatus::Failed;
        result.Message = ReadFailure(path);
        return false;
    }
    return true;
}

uint8_t LevelFlags(const TKeypadClass& definition, const QString& codes)
{
    if (codes.isEmpty())
        return 0;
    uint8_t flags = 1;
    if (definition.CanAutoRepeat())
        flags |= 2;
    if (definition.SendKeyNow())
        flags |= 4;
    return flags;
}

void WriteLevelData(QByteArray& image, const QString& codes)
{
    if (codes.size() < 2) {
        WriteImageByte(image, 0);
        return;
    }
    const int pairs = int(codes.size() / 2);
    WriteImageByte(image, pairs < MacroCapacity ? pairs + 1 : pairs);
    for (int i = 0; i < pairs; ++i)
        WriteImageByte(image, std::max(0, HexPairToByte(QStringView(codes).mid(2 * i, 2))));
    if (pairs < MacroCapacity)
        WriteImageByte(image, 0);
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

void ParseCodeString(TKeypadClass& definition, const QString& text)
{
    // Only the leading run of complete pairs of hex digits counts; blanks
    // (code 32) are ignored wherever they stand.
    std::vector<uint8_t> bytes;
    bytes.reserve(size_t(text.size() / 2));
    int high = -1;
    for (const QChar c : text) {
        if (c == QLatin1Char(' '))
            continue;
        const int digit = HexDigitValue(c);
        if (digit < 0)
            break;
        if (high < 0) {
            high = digit;
        } else {
            bytes.push_back(static_cast<uint8_t>(high * 16 + digit));
            high = -1;
        }
    }

    const uint8_t prefix = definition.CmdPrefix();
    int32_t position = 0;
    // InsertByte takes an element while the byte count is below the capacity.
    // Once it refuses one, it refuses every later one: those are dropped
    // without asking, so that a long or repeated string costs no more than a
    // full macro.
    int32_t count = definition.CodeCount();
    auto insert = [&](int32_t value) {
        if (!definition.InsertByte(position, value)) {
            count = MacroCapacity;
            return;
        }
        if (value & (DelayFlag | BeepFlag))
            count += 3;
        else if (value & CommandFlag)
            count += 2;
        else
            count += 1;
    };
    size_t i = 0;
    while (i < bytes.size() && count < MacroCapacity) {
        const uint8_t b = bytes[i++];
        if (b != prefix) {
            insert(b);
            continue;
        }
        if (i >= bytes.size()) {
            insert(b); // a prefix at the very end is a plain byte
            break;
        }
        const uint8_t command = bytes[i++];
        if (command == 1 || command == 2) {
            if (i >= bytes.size())
                break; // no argument: nothing
            const uint8_t argument = bytes[i++];
            insert((command == 1 ? DelayFlag : BeepFlag) + argument);
        } else if (command == 0x40) {
            insert(EscapedPrefixCode);
        } else if (command & 0x08) {
            insert(CommandFlag + command);
        }
        // Any other command byte has no meaning: the prefix and it are dropped.
    }
}

int HexPairToByte(QStringView text)
{
    if (text.size() < 2)
        return -1;
    const int high = HexDigitValue(text.at(0));
    const int low = HexDigitValue(text.at(1));
    if (high < 0 || low < 0)
        return -1;
    return high * 16 + low;
}

QString DownloadImagePath(const QString& definitionPath)
{
    return definitionPath.left(std::max<qsizetype>(0, definitionPath.size() - 3)) +
           QStringLiteral("hex");
}

TSaveResult CheckDownloadImagePath(const QString& definitionPath)
{
    // File names are compared as the platform's file systems usually do.
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    const QString imagePath = DownloadImagePath(definitionPath);
    if (QDir::cleanPath(definitionPath).compare(QDir::cleanPath(imagePath), cs) != 0)
        return {true, QString()};
    return {false, QStringLiteral("Unable to write to %1: the download image would replace the "
                                  "definition file.")
                       .arg(imagePath)};
}

TLoadResult LoadUserFile(TAppState& state, const QString& path)
{
    TIniFile ini;
    TLoadResult result;
    if (!ReadDefinitionFile(path, ini, result))
        return result;
    return LoadUser(state, ini);
}

TLoadResult LoadUserFileData(TAppState& state, const QByteArray& bytes)
{
    return LoadUser(state, TIniFile::FromBytes(bytes));
}

TSaveResult SaveUserFile(TAppState& state, const QString& path, int numberOfKeys,
                         const QString& version, TLevelKeyIndices& indices)
{
    indices = TLevelKeyIndices();
    TIniFile ini;
    if (!OpenForUpdate(path, ini))
        return {false, WriteFailure(path)};
    WriteGlobals(ini, GlobalsOf(state.KeypadDefinition, numberOfKeys), version);
    // The copy walks the keys; the live selection stays where it is.
    TKeypadClass walker = state.KeypadDefinition;
    WriteKeySections(ini, walker, &indices);
    if (!ini.Save(path))
        return {false, WriteFailure(path)};
    return {true, QString()};
}

TLoadResult LoadRomFile(TAppState& state, const QString& path)
{
    TIniFile ini;
    TLoadResult result;
    if (!ReadDefinitionFile(path, ini, result))
        return result;
    return LoadRom(state, ini);
}

TLoadResult LoadRomFileData(TAppState& state, const QByteArray& bytes)
{
    return LoadRom(state, TIniFile::FromBytes(bytes));
}

TSaveResult SaveRomFile(TAppState& state, const QString& path, int numberOfKeys,
                        const QString& version)
{
    TIniFile ini;
    if (!OpenForUpdate(path, ini))
        return {false, WriteFailure(path)};
    TAdvancedParams advanced = state.AdvancedParams;
    TScreenDataArray screens = state.ScreenData;
    WriteGlobals(ini, GlobalsOf(advanced, numberOfKeys), version);
    WriteAdvanced(ini, advanced);
    TKeypadClass walker = state.KeypadDefinition;
    WriteKeySections(ini, walker, nullptr);
    for (int screen = 1; screen <= ScreenCount; ++screen)
        WriteScreen(ini, screen, advanced.LcdSize, screens[size_t(screen - 1)]);
    if (!ini.Save(path))
        return {false, WriteFailure(path)};
    // The committed texts now hold what the file holds.
    state.AdvancedParams = advanced;
    state.ScreenData = screens;
    return {true, QString()};
}

void WriteImageByte(QByteArray& image, int32_t value)
{
    static const char digits[] = "0123456789ABCDEF";
    const uint8_t byte = Low8(value);
    const qsizetype at = image.size();
    image.resize(at + 6);
    char* line = image.data() + at;
    line[0] = '"';
    line[1] = digits[byte >> 4];
    line[2] = digits[byte & 0x0F];
    line[3] = '"';
    line[4] = '\r';
    line[5] = '\n';
}

QByteArray MakeDownloadImage(const TKeypadClass& definition, const TLevelKeyIndices& indices)
{
    QByteArray image;
    image.reserve(6 * (33 + MaxKeys * 2 * 110));
    const TKeypadClass& d = definition;
    auto put = [&image](int32_t value) { WriteImageByte(image, value); };

    put(d.CmdPrefix());
    put(1);
    put(30);
    put(2 * MacroCapacity);
    put(MacroCapacity);
    put(indices.ToggleKey1);
    put(indices.ToggleKey2);
    put(indices.ShiftKey1);
    put(indices.ShiftKey2);
    put(d.KeyRollOver());
    put(d.KeyClick() / 2);
    put(d.CharacterPacing() / 2);
    put(d.LEDBehavior());
    put(d.BaudRate());
    put(d.WordFormat());
    put(d.CmdPrefix());
    put(d.XonChar());
    put(d.XoffChar());
    put(d.OpMode() + 4 * d.CardTracks()); // low eight bits
    put(d.TailChar());
    if (d.FormCardType() == 2) {
        put(d.CardStartSentinel());
        put(d.CardEndSentinel());
        put(d.CardFieldSeparator());
        put(d.CardBadSwipe());
    } else {
        put(d.CardPrefixEnable() ? d.CardPrefix() : 0);
        put(d.CardSuffixEnable() ? d.CardSuffix() : 0);
        put(0);
        put(0);
    }
    put(indices.AlphaKey);
    put(0);
    // The serial number in BCD, brought into 0..9999 first.
    const int32_t serial = std::clamp<int32_t>(d.CdcSerialNo(), 0, 9999);
    put((serial / 1000) * 16 + (serial / 100) % 10);
    put(((serial % 100) / 10) * 16 + serial % 10);
    for (int i = 0; i < 5; ++i)
        put(0);

    TKeypadClass walker = definition;
    for (int key = 0; key < MaxKeys; ++key) {
        walker.SetKey(key);
        walker.SetLevel(0);
        const QString level1 = walker.MakeCodes();
        const uint8_t flags1 = LevelFlags(walker, level1);
        walker.SetLevel(1);
        const QString level2 = walker.MakeCodes();
        const uint8_t flags2 = LevelFlags(walker, level2);
        put(d.CmdPrefix());
        put(2);
        put(key);
        put(flags2);
        put(flags1);
        put(key);
        WriteLevelData(image, level1);
        WriteLevelData(image, level2);
    }
    return image;
}

TSaveResult WriteDownloadImage(const TKeypadClass& definition, const TLevelKeyIndices& indices,
                               const QString& path, const QString& loaderSettingsPath)
{
    if (!WriteWholeFile(path, MakeDownloadImage(definition, indices)))
        return {false, WriteFailure(path)};
    return UpdateLoaderSettings(loaderSettingsPath, definition.DownloadDelay());
}

TSaveResult UpdateLoaderSettings(const QString& loaderSettingsPath, int32_t downloadDelay)
{
    const QString section = QLatin1String(LoaderSettingsSection);
    TIniFile ini;
    // Without the file, or with a port of -1, the loader is not configured:
    // nothing is created or changed.
    if (loaderSettingsPath.isEmpty() || !QFileInfo(loaderSettingsPath).isFile() ||
        !ini.Load(loaderSettingsPath))
        return {true, QString()};
    if (ini.ReadInteger(section, QStringLiteral("ComPort"), -1) == -1)
        return {true, QString()};
    ini.WriteInteger(section, QStringLiteral("DownloadDelay"), downloadDelay);
    if (!ini.Save(loaderSettingsPath))
        return {false, WriteFailure(loaderSettingsPath)};
    return {true, QString()};
}
