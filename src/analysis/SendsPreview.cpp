#include "analysis/SendsPreview.h"

#include "analysis/MidiMessages.h"
#include "model/Encodings.h"

#include <array>

namespace {

const QChar DelaySign(0x23F1); // stopwatch
const QChar BeepSign(0x266A);  // note

// What one plain code is to the host, in one host kind; built once.
struct TTokenTable
{
    std::array<QString, 256> Text;
    std::array<TSendsKind, 256> Kind;
};

// A keyboard host gets the key presses that type a control character.
QString KeyboardControlName(int code)
{
    switch (code) {
    case 8:
        return QStringLiteral("Backspace");
    case 9:
        return QStringLiteral("Tab");
    case 13:
        return QStringLiteral("Enter");
    case 27:
        return QStringLiteral("Esc");
    case 127:
        return QStringLiteral("Delete");
    default:
        break;
    }
    static const char Ctrl[] = "@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_";
    return QStringLiteral("Ctrl+") + QLatin1Char(Ctrl[code]);
}

// A serial host gets the ASCII control character, named as the property
// dialogs name them.
QString TerminalControlName(int code)
{
    if (code == 0)
        return QStringLiteral("NUL");
    return Encodings::SentinelName(code);
}

TTokenTable MakeTokens(bool keyboard)
{
    TTokenTable t;
    for (int c = 0; c < 256; ++c) {
        QString key;
        if (c < 32 || c == 127)
            key = keyboard ? KeyboardControlName(c) : TerminalControlName(c);
        else if (c >= 128 && c <= 207) {
            key = KeyCodeName(c);
            if (key.isEmpty())
                key = QStringLiteral("code ") + QString::number(c);
        }
        if (key.isEmpty()) {
            // Printable ASCII, and 208 and above as the grid shows them.
            t.Text[size_t(c)] = QString(QChar(c));
            t.Kind[size_t(c)] = TSendsKind::Character;
        } else {
            t.Text[size_t(c)] = QLatin1Char('<') + key + QLatin1Char('>');
            t.Kind[size_t(c)] = TSendsKind::Key;
        }
    }
    return t;
}

const TTokenTable& Tokens(bool keyboard)
{
    static const TTokenTable keyboardTokens = MakeTokens(true);
    static const TTokenTable terminalTokens = MakeTokens(false);
    return keyboard ? keyboardTokens : terminalTokens;
}

QString LedText(int command)
{
    static const char* const Texts[] = {"[green off]", "[green on]", "[green flash]",
                                        "[red off]",   "[red on]",   "[red flash]"};
    return QLatin1String(Texts[command - 8]);
}

// The byte the host receives for a code, or -1 when it receives none.
int SentByte(int32_t code, uint8_t prefix)
{
    if (code >= 0 && code <= 255)
        return code;
    return code == EscapedPrefixCode ? prefix : -1;
}

// One code that is not a plain byte of a MIDI message.
TSendsStep CodeStep(int position, int32_t v, const TPlaybackSettings& s, int& totalMs)
{
    TSendsStep step;
    step.Position = position;
    if (v & DelayFlag) {
        const int ms = 4 * (v - DelayFlag);
        totalMs += ms;
        step.Kind = TSendsKind::Delay;
        step.Text = DelaySign + QString::number(ms) + QStringLiteral(" ms");
    } else if (v & BeepFlag) {
        step.Kind = TSendsKind::Beep;
        step.Text = BeepSign + QString::number(4 * (v - BeepFlag)) + QStringLiteral(" ms");
    } else if (v == EscapedPrefixCode) {
        const TTokenTable& t = Tokens(s.KeyboardHost);
        step.Kind = t.Kind[s.StoragePrefix];
        step.Text = t.Text[s.StoragePrefix];
    } else if (v & CommandFlag) {
        const int command = v - CommandFlag;
        if (command >= 8 && command <= 13) {
            step.Kind = TSendsKind::Led;
            step.Text = LedText(command);
        } else {
            step.Kind = TSendsKind::Command;
            step.Text =
                QStringLiteral("[command %1h]")
                    .arg(
                        QString::number(command, 16).toUpper().rightJustified(2, QLatin1Char('0')));
        }
    } else if (v < 0 || v > 255) {
        step.Kind = TSendsKind::Unsendable;
        step.Text = QStringLiteral("[cannot be sent]");
    } else {
        const TTokenTable& t = Tokens(s.KeyboardHost);
        step.Kind = t.Kind[size_t(v)];
        step.Text = t.Text[size_t(v)];
    }
    return step;
}

// Delays and beeps have no brackets of their own: blanks set them apart.
QString JoinSteps(const QList<TSendsStep>& steps)
{
    QString text;
    bool blankAfter = false;
    for (const TSendsStep& step : steps) {
        const bool spaced = step.Kind == TSendsKind::Delay || step.Kind == TSendsKind::Beep;
        if (!text.isEmpty() && (spaced || blankAfter))
            text += QLatin1Char(' ');
        text += step.Text;
        blankAfter = spaced;
    }
    return text;
}

} // namespace

QString KeyCodeName(int code)
{
    static const char* const Names[] = {"Scan Next Track",
                                        "Scan Previous Track",
                                        "Stop",
                                        "Play/Pause",
                                        "Mute",
                                        "Bass Boost",
                                        "Loudness",
                                        "Volume Up",
                                        "Volume Down",
                                        "Bass Up",
                                        "Bass Down",
                                        "Treble Up",
                                        "Treble Down",
                                        "Media Player",
                                        "Email",
                                        "Calculator",
                                        "My Computer",
                                        "WWW Search",
                                        "WWW Home",
                                        "WWW Back",
                                        "WWW Forward",
                                        "WWW Stop",
                                        "WWW Refresh",
                                        "WWW Bookmarks",
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        "Print Screen",
                                        "Scroll Lock",
                                        "Pause/Break",
                                        "CapsLock"};
    static const char* const Editing[] = {"Insert",  "Delete",    "Home",   "End",
                                          "Page Up", "Page Down", "NumLock"};
    static const char* const Keypad[] = {"KP 0 Ins",  "KP 1 End",  "KP 2 Down",  "KP 3 PgDn",
                                         "KP 4 Left", "KP 5",      "KP 6 Right", "KP 7 Home",
                                         "KP 8 Up",   "KP 9 PgUp", "KP . Del",   "KP /",
                                         "KP *",      "KP -",      "KP +",       "KP Enter"};
    if (code >= 128 && code <= 160)
        return Names[code - 128] ? QString::fromLatin1(Names[code - 128]) : QString();
    if (code >= 161 && code <= 184)
        return QLatin1Char('F') + QString::number(code - 160);
    if (code >= 185 && code <= 191)
        return QString::fromLatin1(Editing[code - 185]);
    if (code >= 192 && code <= 207)
        return QString::fromLatin1(Keypad[code - 192]);
    return QString();
}

QString TSendsPreview::Hex() const
{
    QString hex;
    hex.reserve(Bytes.size() * 3);
    for (char b : Bytes) {
        if (!hex.isEmpty())
            hex += QLatin1Char(' ');
        hex += QString::number(uint8_t(b), 16).toUpper().rightJustified(2, QLatin1Char('0'));
    }
    return hex;
}

TSendsPreview PreviewSends(const TMacroData& macro, const TPlaybackSettings& s)
{
    TSendsPreview p;
    p.Terminal = !s.KeyboardHost;
    const int n = ElementCount(macro);
    p.Steps.reserve(n);

    QList<TMidiMessage> midi;
    if (s.Midi) {
        QList<TSentByte> bytes;
        for (int i = 0; i < n; ++i) {
            const int b = SentByte(macro.Values[size_t(i)], s.StoragePrefix);
            if (b >= 0)
                bytes << TSentByte{i, uint8_t(b)};
        }
        midi = ReadMidiMessages(bytes);
    }

    int sent = 0;
    int nextMessage = 0;
    for (int i = 0; i < n; ++i) {
        const int32_t v = macro.Values[size_t(i)];
        const int b = SentByte(v, s.StoragePrefix);
        if (b >= 0) {
            ++sent;
            if (p.Terminal)
                p.Bytes.append(char(b));
        }
        if (!s.Midi || b < 0) {
            p.Steps << CodeStep(i, v, s, p.TotalMs);
            continue;
        }
        // The bytes of a MIDI message show as one step at its first byte.
        if (nextMessage < midi.size() && midi.at(nextMessage).First == i) {
            const TMidiMessage& m = midi.at(nextMessage++);
            TSendsStep step;
            step.Position = i;
            step.Count = m.Last - m.First + 1;
            step.Kind = TSendsKind::Midi;
            step.Text = QLatin1Char('[') + m.Text() + QLatin1Char(']');
            p.Steps << step;
        }
    }
    // The keypad waits the character pacing between two bytes it sends.
    if (sent > 1)
        p.TotalMs += (sent - 1) * s.CharacterPacing;
    p.Text = JoinSteps(p.Steps);

    const int ignored = LineEditIgnoredFrom(macro, s);
    if (ignored >= 0)
        p.Note = s.LcdXlate ? QStringLiteral("Line Edit Mode: the keypad sends only the first "
                                             "character and shows the second on the LCD; the "
                                             "rest of the macro is ignored.")
                            : QStringLiteral("Line Edit Mode: the keypad uses only the first "
                                             "character; the rest of the macro is ignored.");
    return p;
}
