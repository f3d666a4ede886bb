// padwright-cli: converts definition files the way the editor's Open and Save
// do, and prints a definition for a person to read.
//
//   padwright-cli convert --mode user|rom IN OUT
//   padwright-cli dump [--mode user|rom] [--hex] FILE
//   padwright-cli --version
//
// Exit status: 0 done, 1 a write was refused, 2 the input could not be loaded
// (or the command line was not understood). Messages go to standard error.
//
// No QCoreApplication: nothing here needs an event loop or plugins, and the
// converter is meant to be started many times from scripts.

#include "files/FileIO.h"
#include "model/Encodings.h"
#include "platform/Version.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace {

enum ExitStatus
{
    ExitOk = 0,
    ExitWriteRefused = 1,
    ExitLoadFailed = 2
};

void PrintTo(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

void Error(const QString& text)
{
    PrintTo(stderr, text + QLatin1Char('\n'));
}

const char Usage[] = "usage: padwright-cli convert --mode user|rom IN OUT\n"
                     "       padwright-cli dump [--mode user|rom] [--hex] FILE\n"
                     "       padwright-cli --version\n";

// The folder of this executable: the loader settings file lives beside it.
QString ProgramFolder(const char* argv0)
{
    const QString self = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    if (!self.isEmpty())
        return QFileInfo(self).absolutePath();
    return QFileInfo(QFile::decodeName(argv0)).absolutePath();
}

enum class Mode
{
    Unset,
    User,
    Rom
};

bool ParseMode(const QString& text, Mode& mode)
{
    if (text == QLatin1String("user"))
        mode = Mode::User;
    else if (text == QLatin1String("rom"))
        mode = Mode::Rom;
    else
        return false;
    return true;
}

// Reports a load that did not succeed; returns true when the caller may go on.
bool CheckLoad(const TLoadResult& result, const QString& path)
{
    switch (result.Status) {
    case TLoadStatus::Loaded:
        for (const QString& warning : result.Warnings)
            Error(warning);
        return true;
    case TLoadStatus::NoFile:
        Error(QStringLiteral("No such file: ") + path);
        return false;
    case TLoadStatus::Failed:
        Error(result.Message);
        return false;
    }
    return false;
}

int Convert(Mode mode, const QString& in, const QString& out, const QString& programFolder)
{
    TAppState state;
    const QString version = GetOurVersion();
    if (mode == Mode::User) {
        const TLoadResult loaded = LoadUserFile(state, in);
        if (!CheckLoad(loaded, in))
            return ExitLoadFailed;
        // An OUT that its own image would replace is refused before anything is written.
        const TSaveResult imageName = CheckDownloadImagePath(out);
        if (!imageName.Ok) {
            Error(imageName.Message);
            return ExitWriteRefused;
        }
        TLevelKeyIndices indices;
        const TSaveResult saved = SaveUserFile(state, out, loaded.NumberOfKeys, version, indices);
        if (!saved.Ok) {
            Error(saved.Message);
            return ExitWriteRefused;
        }
        const TSaveResult image =
            WriteDownloadImage(state.KeypadDefinition, indices, DownloadImagePath(out),
                               QDir(programFolder).filePath(QLatin1String(LoaderSettingsFileName)));
        if (!image.Ok) {
            Error(image.Message);
            return ExitWriteRefused;
        }
        return ExitOk;
    }

    const TLoadResult loaded = LoadRomFile(state, in);
    if (!CheckLoad(loaded, in))
        return ExitLoadFailed;
    const TSaveResult saved = SaveRomFile(state, out, loaded.NumberOfKeys, version);
    if (!saved.Ok) {
        Error(saved.Message);
        return ExitWriteRefused;
    }
    return ExitOk;
}

// ---- dump -------------------------------------------------------------------

class TDump
{
public:
    void Line(const QString& text = QString()) { fText += text + QLatin1Char('\n'); }
    // A parameter: name, value, meaning, in aligned columns.
    void Param(const char* name, const QString& value, const QString& meaning = QString())
    {
        QString line = QStringLiteral("  ") + QString::fromLatin1(name).leftJustified(26) + value;
        if (!meaning.isEmpty())
            line = line.leftJustified(40) + QStringLiteral("  ") + meaning;
        Line(line);
    }
    void Param(const char* name, int value, const QString& meaning = QString())
    {
        Param(name, QString::number(value), meaning);
    }
    const QString& Text() const { return fText; }

private:
    QString fText;
};

QString YesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

QString Milliseconds(int value)
{
    return QString::number(value) + QStringLiteral(" ms");
}

// A character byte as the dialogs name it.
QString CharacterName(int code)
{
    if (code > 32 && code < 127)
        return QLatin1Char('\'') + QChar(code) + QLatin1Char('\'');
    const QString name = Encodings::SentinelName(code);
    return name.isEmpty() ? QStringLiteral("code ") + QString::number(code) : name;
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

QString Quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

void DumpUserGlobals(TDump& out, const TKeypadClass& d)
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

void DumpRomGlobals(TDump& out, const TAdvancedParams& a)
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

void DumpScreens(TDump& out, const TScreenDataArray& screens)
{
    const QStringList ledModes = Encodings::LedModeCaptions();
    for (int i = 0; i < ScreenCount; ++i) {
        const TScreenDataRec& s = screens[size_t(i)];
        out.Line();
        out.Line(QStringLiteral("Screen %1: %2 %3")
                     .arg(i + 1)
                     .arg(Quoted(s.TextLine1), Quoted(s.TextLine2)));
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
    }
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

// The caption that a key carries on the 12-key keypad; empty for the keys that
// layout hides.
QString TwelveKeyCaption(int key)
{
    switch (key) {
    case 4:
        return QStringLiteral("7");
    case 5:
        return QStringLiteral("8");
    case 6:
        return QStringLiteral("9");
    case 8:
        return QStringLiteral("4");
    case 9:
        return QStringLiteral("5");
    case 10:
        return QStringLiteral("6");
    case 12:
        return QStringLiteral("1");
    case 13:
        return QStringLiteral("2");
    case 14:
        return QStringLiteral("3");
    case 16:
        return QStringLiteral("CLR");
    case 17:
        return QStringLiteral("0");
    case 18:
        return QStringLiteral("ENT");
    default:
        return QString();
    }
}

void DumpKeys(TDump& out, TKeypadClass definition, int numberOfKeys)
{
    for (int key = 0; key < MaxKeys; ++key) {
        definition.SetKey(key);
        QString title = QStringLiteral("Key %1").arg(key + 1);
        if (numberOfKeys == 12) {
            const QString caption = TwelveKeyCaption(key);
            title += caption.isEmpty() ? QStringLiteral(" (not on the 12-key keypad)")
                                       : QStringLiteral(" [%1]").arg(caption);
        }
        title += QStringLiteral(": ") + KeyTypeName(definition.Keytype());

        bool empty = true;
        for (int level = 0; level < MaxLevels; ++level) {
            definition.SetLevel(level);
            empty = empty && definition.NumOfElements() == 0 &&
                    definition.GetMacroName().isEmpty() && !definition.CanAutoRepeat() &&
                    !definition.SendKeyNow();
        }
        out.Line();
        if (empty) {
            out.Line(title + QStringLiteral(", no macros"));
            continue;
        }
        out.Line(title);
        for (int level = 0; level < MaxLevels; ++level) {
            definition.SetLevel(level);
            const int elements = definition.NumOfElements();
            const int bytes = definition.CodeCount();
            QString head = QStringLiteral("  Level %1").arg(level + 1);
            if (!definition.GetMacroName().isEmpty())
                head += QLatin1Char(' ') + Quoted(definition.GetMacroName());
            head += QStringLiteral(": %1 byte%2")
                        .arg(bytes)
                        .arg(bytes == 1 ? QString() : QStringLiteral("s"));
            if (definition.CanAutoRepeat())
                head += QStringLiteral(", auto-repeat");
            if (definition.SendKeyNow())
                head += QStringLiteral(", transmit at once");
            out.Line(head);
            // Eight cells to a row, as the macro grid shows them.
            for (int row = 0; row * 8 < elements; ++row) {
                QStringList cells;
                for (int col = 0; col < 8 && row * 8 + col < elements; ++col)
                    cells << definition.GetDisplayValue(row * 8 + col);
                out.Line(QStringLiteral("    ") + cells.join(QStringLiteral(" | ")));
            }
        }
    }
}

int Dump(Mode mode, const QString& path, bool hex)
{
    if (mode == Mode::Unset)
        mode = QFileInfo(path).suffix().compare(QLatin1String("rom"), Qt::CaseInsensitive) == 0
                   ? Mode::Rom
                   : Mode::User;
    TAppState state;
    state.KeypadDefinition.bViewInHex = hex;
    const TLoadResult loaded =
        mode == Mode::User ? LoadUserFile(state, path) : LoadRomFile(state, path);
    if (!CheckLoad(loaded, path))
        return ExitLoadFailed;

    TDump out;
    out.Line(QStringLiteral("%1 (%2 definition, %3 keys)")
                 .arg(path, mode == Mode::User ? QStringLiteral("user") : QStringLiteral("ROM"))
                 .arg(loaded.NumberOfKeys));
    out.Line();
    out.Line(QStringLiteral("Global parameters"));
    if (mode == Mode::User) {
        DumpUserGlobals(out, state.KeypadDefinition);
    } else {
        DumpRomGlobals(out, state.AdvancedParams);
        DumpScreens(out, state.ScreenData);
    }
    DumpKeys(out, state.KeypadDefinition, loaded.NumberOfKeys);
    PrintTo(stdout, out.Text());
    return ExitOk;
}

int UsageError()
{
    PrintTo(stderr, QString::fromLatin1(Usage));
    return ExitLoadFailed;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    if (args == QStringList{QStringLiteral("--version")}) {
        PrintTo(stdout, GetOurVersion() + QLatin1Char('\n'));
        return ExitOk;
    }
    if (args == QStringList{QStringLiteral("--help")} ||
        args == QStringList{QStringLiteral("-h")}) {
        PrintTo(stdout, QString::fromLatin1(Usage));
        return ExitOk;
    }
    if (args.isEmpty())
        return UsageError();

    const QString command = args.takeFirst();
    Mode mode = Mode::Unset;
    bool hex = false;
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--mode") && i + 1 < args.size()) {
            if (!ParseMode(args.at(++i), mode))
                return UsageError();
        } else if (args.at(i).startsWith(QLatin1String("--mode="))) {
            if (!ParseMode(args.at(i).mid(7), mode))
                return UsageError();
        } else if (args.at(i) == QLatin1String("--hex") && command == QLatin1String("dump")) {
            hex = true;
        } else if (args.at(i) == QLatin1String("--")) {
            files << args.mid(i + 1);
            break;
        } else if (args.at(i).startsWith(QLatin1String("--"))) {
            return UsageError();
        } else {
            files << args.at(i);
        }
    }

    if (command == QLatin1String("convert") && mode != Mode::Unset && files.size() == 2)
        return Convert(mode, files.at(0), files.at(1), ProgramFolder(argv[0]));
    if (command == QLatin1String("dump") && files.size() == 1)
        return Dump(mode, files.at(0), hex);
    return UsageError();
}
