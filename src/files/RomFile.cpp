#include "files/RomFile.h"

#include "files/AtomicWrite.h"
#include "files/DefinitionSections.h"
#include "files/ValueReader.h"
#include "model/Encodings.h"

#include <algorithm>

namespace {

constexpr int LcdWidth = Encodings::LcdLineLength;
constexpr int MaxEcrLength = Encodings::EcrStringMaxLength;
constexpr int32_t MaxTimeoutPeriod = Encodings::TimeoutPeriodRange.Max;

// LCD texts are stored between percent signs so that their blanks survive.
QString FillLcd(QString text)
{
    if (text.size() < LcdWidth)
        text.append(QString(LcdWidth - text.size(), QLatin1Char(' ')));
    return text;
}

// The text as a save stores it (and leaves it in the committed record):
// filled up to the line's width; a second line on a one-line LCD is empty.
QString StoredLcd(const QString& text, bool secondLine, uint8_t lcdSize)
{
    return secondLine && Encodings::IsOneLineLcd(lcdSize) ? QString() : FillLcd(text);
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

QString ReadLcd(TValueReader& reader, const QString& section, const QString& key,
                const QString& def, bool secondLine, uint8_t lcdSize)
{
    if (secondLine && Encodings::IsOneLineLcd(lcdSize))
        return QString();
    const QString value = reader.String(section, key, QuoteLcd(def));
    if (!value.startsWith(QLatin1Char('%')))
        reader.Warn(section, -1, -1,
                    QStringLiteral("%1 does not begin with a percent sign; read as blanks.")
                        .arg(reader.Quote(section, key)));
    return FillLcd(UnquoteLcd(value));
}

void WriteLcd(TIniFile& ini, const QString& section, const QString& key, const QString& text,
              bool secondLine, uint8_t lcdSize)
{
    ini.WriteString(section, key, QuoteLcd(StoredLcd(text, secondLine, lcdSize)));
}

void ReadAdvanced(TValueReader& r, TAdvancedParams& a, QStringList& warnings)
{
    const QString& s = AdvancedSection;
    auto byte = [&](const char* key, int32_t def) { return r.Byte(s, QLatin1String(key), def); };
    auto integer = [&](const char* key, int32_t def) {
        return r.Integer(s, QLatin1String(key), def);
    };
    auto lcd = [&](const char* key, const char* def, bool secondLine) {
        return ReadLcd(r, s, QLatin1String(key), QLatin1String(def), secondLine, a.LcdSize);
    };
    a.bHostEcho = r.Boolean(s, QStringLiteral("bHostEcho"), false);
    a.MaskChar = QChar(static_cast<char16_t>(integer("MaskChar", 42) & 0xFFFF));
    a.ScreenEnable = r.Boolean(s, QStringLiteral("ScreenEnable"), false);
    a.StartScreen = byte("StartScreen", 0);
    a.CalcPrefix = byte("CalcPrefix", 0);
    a.CalcStart = byte("CalcStart", 0);
    a.CalcSuffix = byte("CalcSuffix", 0);
    a.LcdSize = byte("LcdSize", 32);
    a.SignOnMsgLine1 = lcd("SignOnMsgLine1", "*  Halvorsten  *", false);
    a.SignOnMsgLine2 = lcd("SignOnMsgLine2", "*   Ostrella   *", true);
    a.TSignOnHold = integer("TSignOnHold", 1000);
    a.CursorStyle = byte("CursorStyle", 3);
    a.ScrollWrap = byte("ScrollWrap", 0);
    a.LcdXlate = byte("LcdXlate", 0);
    a.LcdBrightness = byte("LcdBrightness", 9);
    a.HostType = integer("HostType", 0);
    a.TBeepChirp = integer("TBeepChirp", 10);
    a.TBeepError = integer("TBeepError", 200);
    a.TBeepCardOK = integer("TBeepCardOK", 100);
    a.CardBaudRate = byte("CardBaudRate", 3);
    a.CardWordFormat = byte("CardWordFormat", 144);
    a.DeviceType = byte("DeviceType", 0);
    a.CardReadMsgLine1 = lcd("CardReadMsgLine1", " Card Read OK!  ", false);
    a.CardReadMsgLine2 = lcd("CardReadMsgLine2", " ==== ==== ===  ", true);
    a.TCardReadHold = integer("TCardReadHold", 1000);
    a.CardStartDelim = byte("CardStartDelim", 0);
    a.CardEndDelim = byte("CardEndDelim", 0);
    a.EcrMode = integer("ECR_Mode", 0);
    a.EcrString = r.String(s, QStringLiteral("ECR_String"), QString());
    if (a.EcrString.size() > MaxEcrLength) {
        a.EcrString.truncate(MaxEcrLength);
        warnings.append(QStringLiteral(
            "Warning: ECR Suffix String has been truncated to the max width of 8 characters."));
    }
}

void WriteAdvanced(TIniFile& ini, const TAdvancedParams& a)
{
    const QString& s = AdvancedSection;
    auto integer = [&](const char* key, int32_t value) {
        ini.WriteInteger(s, QLatin1String(key), value);
    };
    auto flag = [&](const char* key, bool value) { ini.WriteBool(s, QLatin1String(key), value); };
    auto lcd = [&](const char* key, const QString& text, bool secondLine) {
        WriteLcd(ini, s, QLatin1String(key), text, secondLine, a.LcdSize);
    };
    flag("bHostEcho", a.bHostEcho);
    integer("MaskChar", a.MaskChar.unicode());
    flag("ScreenEnable", a.ScreenEnable);
    integer("StartScreen", a.StartScreen);
    integer("CalcPrefix", a.CalcPrefix);
    integer("CalcStart", a.CalcStart);
    integer("CalcSuffix", a.CalcSuffix);
    integer("LcdSize", a.LcdSize);
    lcd("SignOnMsgLine1", a.SignOnMsgLine1, false);
    lcd("SignOnMsgLine2", a.SignOnMsgLine2, true);
    integer("TSignOnHold", a.TSignOnHold);
    integer("CursorStyle", a.CursorStyle);
    integer("ScrollWrap", a.ScrollWrap);
    integer("LcdXlate", a.LcdXlate);
    integer("LcdBrightness", a.LcdBrightness);
    integer("HostType", a.HostType);
    integer("TBeepChirp", a.TBeepChirp);
    integer("TBeepError", a.TBeepError);
    integer("TBeepCardOK", a.TBeepCardOK);
    integer("CardBaudRate", a.CardBaudRate);
    integer("CardWordFormat", a.CardWordFormat);
    integer("DeviceType", a.DeviceType);
    lcd("CardReadMsgLine1", a.CardReadMsgLine1, false);
    lcd("CardReadMsgLine2", a.CardReadMsgLine2, true);
    integer("TCardReadHold", a.TCardReadHold);
    integer("CardStartDelim", a.CardStartDelim);
    integer("CardEndDelim", a.CardEndDelim);
    integer("ECR_Mode", a.EcrMode);
    ini.WriteString(s, QStringLiteral("ECR_String"), a.EcrString);
}

void ReadScreen(TValueReader& r, int screen, uint8_t lcdSize, TScreenDataRec& d)
{
    const QString s = ScreenSection(screen);
    auto byte = [&](const char* key) { return r.Byte(s, QLatin1String(key), 0); };
    auto flag = [&](const char* key) { return r.Boolean(s, QLatin1String(key), false); };
    d.TextLine1 =
        ReadLcd(r, s, QStringLiteral("TextLine1"), QStringLiteral("Line 1"), false, lcdSize);
    d.TextLine2 =
        ReadLcd(r, s, QStringLiteral("TextLine2"), QStringLiteral("Line 2"), true, lcdSize);
    d.bTimeoutEnable = flag("bTimeoutEnable");
    d.TimeoutAction = byte("TimeoutAction");
    d.TimeoutPeriod = r.AtMost(s, QStringLiteral("TimeoutPeriod"), 0, MaxTimeoutPeriod);
    d.bCardSwipeEnable = flag("bCardSwipeEnable");
    d.CardSwipeAction = byte("CardSwipeAction");
    d.UserDataAction = byte("UserDataAction");
    d.EnterAction = byte("EnterAction");
    d.UserFullAction = byte("UserFullAction");
    d.BackNormalAction = byte("BackNormalAction");
    d.BackEmptyAction = byte("BackEmptyAction");
    d.ClearNormalAction = byte("ClearNormalAction");
    d.ClearEmptyAction = byte("ClearEmptyAction");
    d.bUserMaskInput = flag("bUserMaskInput");
    d.bRequireAllData = flag("bRequireAllData");
    d.bSaveDataForNextScreen = flag("bSaveDataForNextScreen");
    d.LedModes = byte("LedModes");
    d.OnShowChar = byte("OnShowChar");
    d.OnLeaveChar = byte("OnLeaveChar");
}

void WriteScreen(TIniFile& ini, int screen, uint8_t lcdSize, const TScreenDataRec& d)
{
    const QString s = ScreenSection(screen);
    auto integer = [&](const char* key, int32_t value) {
        ini.WriteInteger(s, QLatin1String(key), value);
    };
    auto flag = [&](const char* key, bool value) { ini.WriteBool(s, QLatin1String(key), value); };
    WriteLcd(ini, s, QStringLiteral("TextLine1"), d.TextLine1, false, lcdSize);
    WriteLcd(ini, s, QStringLiteral("TextLine2"), d.TextLine2, true, lcdSize);
    flag("bTimeoutEnable", d.bTimeoutEnable);
    integer("TimeoutAction", d.TimeoutAction);
    integer("TimeoutPeriod", d.TimeoutPeriod);
    flag("bCardSwipeEnable", d.bCardSwipeEnable);
    integer("CardSwipeAction", d.CardSwipeAction);
    integer("UserDataAction", d.UserDataAction);
    integer("EnterAction", d.EnterAction);
    integer("UserFullAction", d.UserFullAction);
    integer("BackNormalAction", d.BackNormalAction);
    integer("BackEmptyAction", d.BackEmptyAction);
    integer("ClearNormalAction", d.ClearNormalAction);
    integer("ClearEmptyAction", d.ClearEmptyAction);
    flag("bUserMaskInput", d.bUserMaskInput);
    flag("bRequireAllData", d.bRequireAllData);
    flag("bSaveDataForNextScreen", d.bSaveDataForNextScreen);
    integer("LedModes", d.LedModes);
    integer("OnShowChar", d.OnShowChar);
    integer("OnLeaveChar", d.OnLeaveChar);
}

// After a save the committed texts hold what the file holds.
void StoreLcdTexts(TAdvancedParams& a, TScreenDataArray& screens)
{
    const uint8_t size = a.LcdSize;
    a.SignOnMsgLine1 = StoredLcd(a.SignOnMsgLine1, false, size);
    a.SignOnMsgLine2 = StoredLcd(a.SignOnMsgLine2, true, size);
    a.CardReadMsgLine1 = StoredLcd(a.CardReadMsgLine1, false, size);
    a.CardReadMsgLine2 = StoredLcd(a.CardReadMsgLine2, true, size);
    for (TScreenDataRec& screen : screens) {
        screen.TextLine1 = StoredLcd(screen.TextLine1, false, size);
        screen.TextLine2 = StoredLcd(screen.TextLine2, true, size);
    }
}

TLoadResult LoadRom(TAppState& state, const TIniFile& ini)
{
    TLoadResult result;
    TKeypadClass definition;
    definition.bViewInHex = state.KeypadDefinition.bViewInHex;
    definition.SetModifierSource(state.KeypadDefinition.ModifierSource());
    TRomProperties rom; // at the reset values

    TReadWarnings& warnings = result.ReadWarnings;
    if (ini.SectionNames().isEmpty())
        warnings.append({QString(), -1, -1,
                         QStringLiteral("The file holds no sections; nothing was read and every "
                                        "value is its default.")});
    result.NumberOfKeys = ReadGlobals(ini, rom.AdvancedParams, warnings);
    TValueReader reader(ini, warnings);
    ReadAdvanced(reader, rom.AdvancedParams, result.Warnings);
    rom.WorkingAdvancedParams = rom.AdvancedParams;
    for (int screen = 1; screen <= ScreenCount; ++screen) {
        TScreenDataRec& committed = rom.ScreenData[size_t(screen - 1)];
        ReadScreen(reader, screen, rom.AdvancedParams.LcdSize, committed);
        rom.WorkingScreenData[size_t(screen - 1)] = committed;
    }
    if (!ReadKeySections(ini, definition, result.Message, warnings)) {
        result.Status = TLoadStatus::Failed;
        result.Warnings.clear();
        warnings.clear();
        return result;
    }
    definition.SetKey(0);
    definition.SetLevel(0);
    state.KeypadDefinition = definition;
    static_cast<TRomProperties&>(state) = rom;
    result.Status = TLoadStatus::Loaded;
    return result;
}

} // namespace

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
    const TAdvancedParams& advanced = state.AdvancedParams;
    WriteGlobals(ini, advanced, numberOfKeys, version);
    WriteAdvanced(ini, advanced);
    WriteKeySections(ini, state.KeypadDefinition, nullptr);
    for (int screen = 1; screen <= ScreenCount; ++screen)
        WriteScreen(ini, screen, advanced.LcdSize, state.ScreenData[size_t(screen - 1)]);
    const TSaveResult saved = ini.Commit(path);
    if (saved.Ok)
        StoreLcdTexts(state.AdvancedParams, state.ScreenData);
    return saved;
}
