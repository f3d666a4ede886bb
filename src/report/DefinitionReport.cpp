#include "report/DefinitionReport.h"

#include "model/Encodings.h"

namespace {

// Collects parameters into a list, with values given as text or as numbers.
class TParams
{
public:
    explicit TParams(QList<TReportParam>& list) : fList(list) {}
    void Param(const char* name, const QString& value, const QString& meaning = QString())
    {
        fList << TReportParam{QString::fromLatin1(name), value, meaning};
    }
    void Param(const char* name, int value, const QString& meaning = QString())
    {
        Param(name, QString::number(value), meaning);
    }

private:
    QList<TReportParam>& fList;
};

QString YesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

QString Milliseconds(int value)
{
    return QString::number(value) + QStringLiteral(" ms");
}

QString Caption(const QStringList& captions, int index)
{
    return index >= 0 && index < captions.size() ? captions.at(index).trimmed()
                                                 : QStringLiteral("unknown");
}

QString BaudRateName(int code)
{
    return Caption(Encodings::BaudRateCaptions(), code);
}

QString WordFormatName(const Encodings::TWordFormat& f)
{
    static const char* const parity[] = {"no parity", "odd parity", "even parity", "mark parity",
                                         "space parity"};
    return QStringLiteral("%1 data bits, %2, %3 stop bit%4")
        .arg(f.DataBits)
        .arg(QString::fromLatin1(parity[int(f.Parity)]))
        .arg(f.StopBits)
        .arg(f.StopBits == 1 ? QString() : QStringLiteral("s"));
}

QString OperatingModeName(int value)
{
    QString text = value & Encodings::OpModeLineEditBit ? QStringLiteral("Line Edit Mode")
                                                        : QStringLiteral("True Terminal Mode");
    if (value & Encodings::OpModeMaskInputBit)
        text += QStringLiteral(", user input masked");
    return text;
}

QString LedFunction(int value, bool user, bool hidHost)
{
    using Encodings::TLed;
    auto captions = [&](TLed led) {
        return user ? Encodings::UserLedCaptions(led, hidHost)
                    : Encodings::AdvancedLedCaptions(led, hidHost);
    };
    return QStringLiteral("green: ") +
           Caption(captions(TLed::Green), Encodings::GreenLedCode(uint8_t(value))) +
           QStringLiteral(", red: ") +
           Caption(captions(TLed::Red), Encodings::RedLedCode(uint8_t(value)));
}

QString CardTypeName(int value)
{
    return Caption(Encodings::CardTypeCaptions(), value);
}

QString TracksName(int value)
{
    QStringList tracks;
    if (value & Encodings::CardTrack1Bit)
        tracks << QStringLiteral("1");
    if (value & Encodings::CardTrack2Bit)
        tracks << QStringLiteral("2");
    if (tracks.isEmpty())
        return QStringLiteral("no track");
    return (tracks.size() == 1 ? QStringLiteral("track ") : QStringLiteral("tracks ")) +
           tracks.join(QStringLiteral(" and "));
}

QString Hex(int value)
{
    return QStringLiteral("0x") +
           QString::number(value, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

void UserGlobals(TParams& out, const TKeypadClass& d)
{
    out.Param("Key roll-over", d.KeyRollOver(),
              d.KeyRollOver() == 1 ? QStringLiteral("1 key at a time")
                                   : QStringLiteral("2 keys at a time"));
    out.Param("Key click", Milliseconds(d.KeyClick()));
    out.Param("Character pacing", Milliseconds(d.CharacterPacing()));
    out.Param("Download delay", Milliseconds(d.DownloadDelay()));
    const int hostMode = Encodings::UserHostMode(d.OpMode());
    out.Param("LED function", Hex(d.LEDBehavior()),
              LedFunction(d.LEDBehavior(), true, Encodings::IsHidHost(hostMode)));
    out.Param("Baud rate", d.BaudRate(), BaudRateName(d.BaudRate()));
    out.Param("Word format", d.WordFormat(),
              Caption(Encodings::UserWordFormatCaptions(),
                      Encodings::UserWordFormatIndex(d.WordFormat())));
    out.Param("Command prefix", d.CmdPrefix(), CharacterName(d.CmdPrefix()));
    out.Param("Xon character", d.XonChar(), CharacterName(d.XonChar()));
    out.Param("Xoff character", d.XoffChar(), CharacterName(d.XoffChar()));
    out.Param("Operating mode", Hex(d.OpMode()),
              OperatingModeName(d.OpMode()) + QStringLiteral("; ") +
                  Encodings::HostModeCaption(hostMode).trimmed());
    out.Param("Line-edit tail character", d.TailChar(), CharacterName(d.TailChar()));
    out.Param("Card reader type", d.FormCardType(), CardTypeName(d.FormCardType()));
    out.Param("Card start character", d.CardPrefix(),
              CharacterName(d.CardPrefix()) +
                  (d.CardPrefixEnable() ? QStringLiteral(", sent") : QStringLiteral(", not sent")));
    out.Param("Card end character", d.CardSuffix(),
              CharacterName(d.CardSuffix()) +
                  (d.CardSuffixEnable() ? QStringLiteral(", sent") : QStringLiteral(", not sent")));
    out.Param("Card tracks", d.CardTracks(), TracksName(d.CardTracks()));
    out.Param("Start sentinel", d.CardStartSentinel(), CharacterName(d.CardStartSentinel()));
    out.Param("End sentinel", d.CardEndSentinel(), CharacterName(d.CardEndSentinel()));
    out.Param("Field separator", d.CardFieldSeparator(), CharacterName(d.CardFieldSeparator()));
    out.Param("Bad swipe code", d.CardBadSwipe());
    out.Param("CDC serial number", d.CdcSerialNo(), QStringLiteral("used in host mode 7"));
}

void RomGlobals(TParams& out, const TAdvancedParams& a)
{
    out.Param("Key roll-over", a.KeyRollOver,
              a.KeyRollOver == 1 ? QStringLiteral("1 key at a time")
                                 : QStringLiteral("2 keys at a time"));
    out.Param("Key click", Milliseconds(a.KeyClick));
    out.Param("Character pacing", Milliseconds(a.CharacterPacing));
    out.Param("Download delay", Milliseconds(a.DownloadDelay));
    out.Param("LED function", Hex(a.LEDBehavior),
              LedFunction(a.LEDBehavior, false, Encodings::IsHidHost(a.HostType)));
    out.Param("Baud rate", a.BaudRate, BaudRateName(a.BaudRate));
    out.Param("Word format", a.WordFormat,
              WordFormatName(Encodings::DecodeHostWordFormat(a.WordFormat)));
    out.Param("Command prefix", a.CmdPrefix, CharacterName(a.CmdPrefix));
    out.Param("Xon character", a.XonChar, CharacterName(a.XonChar));
    out.Param("Xoff character", a.XoffChar, CharacterName(a.XoffChar));
    out.Param("Operating mode", Hex(a.OpMode),
              a.ScreenEnable ? QStringLiteral("Automated Screen Mode")
                             : OperatingModeName(a.OpMode));
    out.Param("Host interface", a.HostType, Encodings::HostModeCaption(a.HostType).trimmed());
    out.Param("Host data echo", YesNo(a.bHostEcho));
    out.Param("Mask character", Quoted(QString(a.MaskChar)));
    out.Param("Start screen", a.StartScreen,
              Caption(Encodings::StartScreenCaptions(), a.StartScreen));
    out.Param("Keypad data framing",
              QStringLiteral("%1 %2 data %3 %4")
                  .arg(CharacterName(a.CalcPrefix), CharacterName(a.CalcStart),
                       CharacterName(a.TailChar), CharacterName(a.CalcSuffix)),
              QStringLiteral("prefix, start, tail, suffix"));
    out.Param("LCD", a.LcdSize,
              a.LcdSize == 16 ? QStringLiteral("1 line x 16 characters")
                              : QStringLiteral("2 lines x 16 characters"));
    out.Param("Sign-on message",
              Quoted(a.SignOnMsgLine1) + QLatin1Char(' ') + Quoted(a.SignOnMsgLine2));
    out.Param("Sign-on hold", Milliseconds(a.TSignOnHold));
    out.Param("Cursor style", a.CursorStyle,
              QStringLiteral("underline %1, block %2")
                  .arg(YesNo(a.CursorStyle & 2), YesNo(a.CursorStyle & 1)));
    out.Param(
        "Scroll and wrap", a.ScrollWrap,
        QStringLiteral("scroll %1, wrap %2").arg(YesNo(a.ScrollWrap & 2), YesNo(a.ScrollWrap & 1)));
    out.Param("LCD translation", YesNo(a.LcdXlate != 0));
    out.Param("LCD brightness", a.LcdBrightness, QStringLiteral("0 off to 9 maximum"));
    out.Param("Power-on chirp", Milliseconds(a.TBeepChirp));
    out.Param("Error beep", Milliseconds(a.TBeepError));
    out.Param("Card OK beep", Milliseconds(a.TBeepCardOK));
    out.Param("Card reader type", a.FormCardType, CardTypeName(a.FormCardType));
    out.Param("Card device type", Hex(a.DeviceType),
              a.DeviceType & 0x80 ? QStringLiteral("packetized")
                                  : QStringLiteral("not packetized"));
    out.Param("Card baud rate", a.CardBaudRate, BaudRateName(a.CardBaudRate));
    out.Param("Card word format", a.CardWordFormat,
              WordFormatName(Encodings::DecodeCardWordFormat(a.CardWordFormat)));
    out.Param("Card read message",
              Quoted(a.CardReadMsgLine1) + QLatin1Char(' ') + Quoted(a.CardReadMsgLine2));
    out.Param("Card read hold", Milliseconds(a.TCardReadHold));
    out.Param("Card data framing",
              QStringLiteral("%1 %2 data %3 %4")
                  .arg(CharacterName(a.CardStartDelim), CharacterName(a.CardPrefix),
                       CharacterName(a.CardSuffix), CharacterName(a.CardEndDelim)),
              QStringLiteral("prefix, start, end, suffix"));
    out.Param("Card tracks", a.CardTracks, TracksName(a.CardTracks));
    out.Param("Start sentinel", a.CardStartSentinel, CharacterName(a.CardStartSentinel));
    out.Param("End sentinel", a.CardEndSentinel, CharacterName(a.CardEndSentinel));
    out.Param("Field separator", a.CardFieldSeparator, CharacterName(a.CardFieldSeparator));
    out.Param("Bad swipe code", a.CardBadSwipe);
    out.Param("CDC serial number", a.CdcSerialNo, QStringLiteral("used in host mode 7"));
    out.Param(
        "Card post-processing", Hex(a.EcrMode),
        Encodings::EcrEnabled(a.EcrMode)
            ? QStringLiteral("on, ") +
                  Caption(Encodings::EcrTrackCaptions(), Encodings::EcrTrackIndex(a.EcrMode)) +
                  QStringLiteral(", ") +
                  Caption(Encodings::EcrFieldCaptions(), Encodings::EcrFieldIndex(a.EcrMode))
            : QStringLiteral("off"));
    out.Param("Card suffix to remove", Quoted(a.EcrString));
}

QString ActionName(int code)
{
    const QString caption = Encodings::ActionCaption(code);
    return caption.isEmpty() ? QStringLiteral("code ") + QString::number(code) : caption;
}

QList<TReportScreen> Screens(const TScreenDataArray& screens)
{
    QList<TReportScreen> result;
    const QStringList ledModes = Encodings::LedModeCaptions();
    for (int i = 0; i < ScreenCount; ++i) {
        const TScreenDataRec& s = screens[size_t(i)];
        TReportScreen screen;
        screen.Number = i + 1;
        screen.Line1 = s.TextLine1;
        screen.Line2 = s.TextLine2;
        TParams out(screen.Params);
        out.Param("Time-out",
                  s.bTimeoutEnable ? Milliseconds(s.TimeoutPeriod) : QStringLiteral("off"),
                  ActionName(s.TimeoutAction));
        out.Param("Card swipe", YesNo(s.bCardSwipeEnable), ActionName(s.CardSwipeAction));
        out.Param("Data key", QString(), ActionName(s.UserDataAction));
        out.Param("ENTER", QString(), ActionName(s.EnterAction));
        out.Param("Input field full", QString(), ActionName(s.UserFullAction));
        out.Param("BACK", QString(),
                  ActionName(s.BackNormalAction) + QStringLiteral("; when empty: ") +
                      ActionName(s.BackEmptyAction));
        out.Param("CLEAR", QString(),
                  ActionName(s.ClearNormalAction) + QStringLiteral("; when empty: ") +
                      ActionName(s.ClearEmptyAction));
        out.Param("Input", QString(),
                  QStringLiteral("masked %1, all data required %2, kept for the next screen %3")
                      .arg(YesNo(s.bUserMaskInput), YesNo(s.bRequireAllData),
                           YesNo(s.bSaveDataForNextScreen)));
        out.Param(
            "LEDs", s.LedModes,
            QStringLiteral("green: ") + Caption(ledModes, Encodings::GreenLedMode(s.LedModes)) +
                QStringLiteral(", red: ") + Caption(ledModes, Encodings::RedLedMode(s.LedModes)));
        out.Param("Sent on show, on leave", CharacterName(s.OnShowChar) + QStringLiteral(", ") +
                                                CharacterName(s.OnLeaveChar));
        result << screen;
    }
    return result;
}

TReportLevel Level(const TKeypadClass& definition, int key, int level, bool hexView)
{
    const TMacroData& macro = definition.MacroAt(key, level);
    TReportLevel result;
    result.Name = macro.Name;
    result.AutoRepeat = macro.AutoRepeat;
    result.SendKeyNow = macro.SendKeyNow;
    result.Bytes = ByteCount(macro);
    const int n = ElementCount(macro);
    for (int i = 0; i < n; ++i) {
        result.Codes << macro.Values[size_t(i)];
        result.Cells << CodeDisplayText(macro.Values[size_t(i)], hexView);
    }
    return result;
}

} // namespace

// A character byte as the dialogs name it.
QString CharacterName(int code)
{
    if (code > 32 && code < 127)
        return QLatin1Char('\'') + QChar(code) + QLatin1Char('\'');
    const QString name = Encodings::SentinelName(code);
    return name.isEmpty() ? QStringLiteral("code ") + QString::number(code) : name;
}

QString Quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString KeyTypeName(TKeyType type)
{
    switch (type) {
    case ktNormal:
        return QStringLiteral("normal");
    case ktShift:
        return QStringLiteral("level shift");
    case ktToggle:
        return QStringLiteral("level toggle");
    case ktAlpha:
        return QStringLiteral("alpha lock");
    }
    return QStringLiteral("type ") + QString::number(int(type));
}

QString TwelveKeyCaption(int key)
{
    static const char* const captions[MaxKeys] = {
        nullptr, nullptr, nullptr, nullptr, "7", "8",     "9",   nullptr, "4",   "5",
        "6",     nullptr, "1",     "2",     "3", nullptr, "CLR", "0",     "ENT", nullptr};
    if (key < 0 || key >= MaxKeys || !captions[key])
        return QString();
    return QString::fromLatin1(captions[key]);
}

TDefinitionReport MakeDefinitionReport(const TAppState& state, TReportKind kind, int numberOfKeys,
                                       bool hexView)
{
    TDefinitionReport report;
    report.Kind = kind;
    report.NumberOfKeys = numberOfKeys;
    TParams globals(report.Globals);
    if (kind == TReportKind::User) {
        UserGlobals(globals, state.KeypadDefinition);
    } else {
        RomGlobals(globals, state.AdvancedParams);
        report.Screens = Screens(state.ScreenData);
    }
    for (int key = 0; key < MaxKeys; ++key) {
        TReportKey k;
        k.Index = key;
        if (numberOfKeys == 12) {
            k.Caption = TwelveKeyCaption(key);
            k.OnLayout = !k.Caption.isEmpty();
        }
        k.Type = state.KeypadDefinition.KeyTypeAt(key);
        for (int level = 0; level < MaxLevels; ++level)
            k.Levels[size_t(level)] = Level(state.KeypadDefinition, key, level, hexView);
        report.Keys << k;
    }
    return report;
}
