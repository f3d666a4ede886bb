#include "analysis/DefinitionCheck.h"

#include "analysis/CheckSink.h"
#include "analysis/MidiMessages.h"
#include "analysis/PlaybackSettings.h"
#include "model/Encodings.h"

#include <QHash>

#include <algorithm>
#include <tuple>

namespace {

using TPlace = TCheckSink::TPlace;

// The macro header's name field takes at most this many characters.
constexpr int NameFieldLength = 40;
// A delay or beep argument is one byte.
constexpr int MaxCommandArgument = 255;

QString KeyList(const QList<int>& keys)
{
    QStringList numbers;
    for (int key : keys)
        numbers << QString::number(key + 1);
    if (numbers.size() == 1)
        return QStringLiteral("key ") + numbers.first();
    const QString last = numbers.takeLast();
    return QStringLiteral("keys ") + numbers.join(QStringLiteral(", ")) + QStringLiteral(" and ") +
           last;
}

bool IsLed(int32_t code, int& command)
{
    if ((code & (DelayFlag | BeepFlag)) || !(code & CommandFlag))
        return false;
    command = code - CommandFlag;
    return command >= 8 && command <= 13;
}

class TChecker
{
public:
    TChecker(const TAppState& state, TReportKind kind, int numberOfKeys)
        : fState(state), fDef(state.KeypadDefinition), fKind(kind), fTwelve(numberOfKeys == 12),
          fSettings(PlaybackSettings(state, kind))
    {
    }

    TFindings Run(const TReadWarnings& readWarnings)
    {
        ReaderFindings(readWarnings);
        Prefix();
        SerialNumber();
        KeyTypes();
        KeysOffKeypad();
        UnreachableLevel2();
        for (int key = 0; key < MaxKeys; ++key) {
            for (int level = 0; level < MaxLevels; ++level) {
                Storage(key, level);
                if (OnKeypad(key)) {
                    Leds(key, level);
                    LineEdit(key, level);
                    Midi(key, level);
                }
            }
        }
        Names();
        if (fKind == TReportKind::Rom)
            CheckRomProperties(fState, fSink);
        return fSink.List;
    }

private:
    bool OnKeypad(int key) const { return !fTwelve || !TwelveKeyCaption(key).isEmpty(); }
    const TMacroData& Macro(int key, int level) const { return fDef.MacroAt(key, level); }

    // What the reader skipped, cut or ignored did not come through as written.
    void ReaderFindings(const TReadWarnings& readWarnings)
    {
        for (const TReadWarning& w : readWarnings) {
            fSink.Add(TSeverity::Warning, "reader", w.Text, TPlace{w.Key, w.Level, -1, -1});
            fSink.List.last().Section = w.Section;
        }
    }

    void KeyTypes();
    void KeysOffKeypad();
    void UnreachableLevel2();
    void Storage(int key, int level);
    void Leds(int key, int level);
    void LineEdit(int key, int level);
    void Midi(int key, int level);
    void Names();
    void Prefix();
    void SerialNumber();

    const TAppState& fState;
    const TKeypadClass& fDef;
    TReportKind fKind;
    bool fTwelve;
    TPlaybackSettings fSettings;
    TCheckSink fSink;
    bool fLevelKeyOnKeypad = false;
};

// The download image records two Shift Level keys (the first and the last of
// them), two Toggle Level keys alike and one Alpha Lock key (the last): any
// further one is a plain key on the keypad. Key types beyond the four have
// no meaning.
void TChecker::KeyTypes()
{
    QList<int> byType[4];
    for (int key = 0; key < MaxKeys; ++key) {
        const int type = fDef.KeyTypeAt(key);
        if (type <= ktAlpha) {
            byType[type] << key;
            continue;
        }
        fSink.Add(TSeverity::Warning, "key-type",
                  QStringLiteral("The key type %1 is none of normal, level shift, level toggle "
                                 "and alpha lock.")
                      .arg(type),
                  TPlace{key});
    }
    QList<int> known;
    const int held[4] = {0, 2, 2, 1};
    for (int type = ktShift; type <= ktAlpha; ++type) {
        QList<int> keys = byType[type];
        if (fKind == TReportKind::User && keys.size() > held[type]) {
            QList<int> recorded{keys.last()};
            if (held[type] == 2)
                recorded.prepend(keys.first());
            const QString name = type == ktShift    ? QStringLiteral("Shift Level")
                                 : type == ktToggle ? QStringLiteral("Toggle Level")
                                                    : QStringLiteral("Alpha Lock");
            for (int key : keys) {
                if (recorded.contains(key))
                    continue;
                fSink.Add(TSeverity::Warning, "level-key-extra",
                          QStringLiteral("This is a %1 key, but the download image holds only "
                                         "%2 (%3): on the keypad this key does not act as one.")
                              .arg(name,
                                   held[type] == 2 ? QStringLiteral("two") : QStringLiteral("one"),
                                   KeyList(recorded)),
                          TPlace{key});
            }
            keys = recorded;
        }
        known << keys;
    }
    fLevelKeyOnKeypad =
        std::any_of(known.cbegin(), known.cend(), [this](int key) { return OnKeypad(key); });
}

// The 12-key keypad has no key for the eight the editor hides in that layout.
void TChecker::KeysOffKeypad()
{
    if (!fTwelve)
        return;
    for (int key = 0; key < MaxKeys; ++key) {
        if (OnKeypad(key) || (ElementCount(Macro(key, 0)) == 0 && ElementCount(Macro(key, 1)) == 0))
            continue;
        fSink.Add(
            TSeverity::Note, "not-on-keypad",
            QStringLiteral("This key is not on the 12-key keypad: its macros are never sent."),
            TPlace{key});
    }
}

// Only a Shift Level, Toggle Level or Alpha Lock key takes the keypad off level 1.
void TChecker::UnreachableLevel2()
{
    if (fLevelKeyOnKeypad)
        return;
    for (int key = 0; key < MaxKeys; ++key) {
        if (!OnKeypad(key) || ElementCount(Macro(key, 1)) == 0)
            continue;
        fSink.Add(TSeverity::Warning, "level-2-unreachable",
                  QStringLiteral("This level-2 macro is never sent: no key of the keypad is a "
                                 "Shift Level, Toggle Level or Alpha Lock key."),
                  TPlace{key, 1});
    }
}

// What a level holds must reach the keypad as it is: at most 100 bytes, every
// code with a byte form, and the prefix as data only in its escaped form (a
// plain prefix byte starts a command on the keypad and in the file reader).
void TChecker::Storage(int key, int level)
{
    const TMacroData& m = Macro(key, level);
    const int n = ElementCount(m);
    const int32_t total = ByteCount(m);
    int32_t bytes = 0;
    for (int i = 0; i < n; ++i) {
        const int32_t v = m.Values[size_t(i)];
        const TPlace place{key, level, i};
        bytes += CodeSize(v);
        if (total > MacroCapacity && bytes > MacroCapacity && bytes - CodeSize(v) <= MacroCapacity)
            fSink.Add(TSeverity::Error, "capacity",
                      QStringLiteral("The macro takes %1 bytes, more than the %2 a level holds; "
                                     "it overflows from code %3 on.")
                          .arg(total)
                          .arg(MacroCapacity)
                          .arg(i + 1),
                      place);
        if (v & (DelayFlag | BeepFlag)) {
            const int argument = v - ((v & DelayFlag) ? DelayFlag : BeepFlag);
            if (argument > MaxCommandArgument)
                fSink.Add(TSeverity::Error, "unsendable",
                          CodeName(i) + QStringLiteral(" asks for %1 ms; a delay or beep lasts "
                                                       "at most 1020 ms.")
                                            .arg(4 * argument),
                          place);
        } else if (v & CommandFlag) {
            const int command = v - CommandFlag;
            if (command != 0x40 && (command < 8 || command > 13))
                fSink.Add(TSeverity::Warning, "unknown-command",
                          CodeName(i) + QStringLiteral(" is the command byte %1h, which has no "
                                                       "meaning.")
                                            .arg(QString::number(command, 16).toUpper()),
                          place);
        } else if (v > 255) {
            fSink.Add(TSeverity::Error, "unsendable",
                      CodeName(i) + QStringLiteral(", the character %1, has no one-byte form: "
                                                   "the keypad sends bytes 0 to 255.")
                                        .arg(QString(QChar(char16_t(v & 0xFFFF)))),
                      place);
        } else if (v == fSettings.StoragePrefix) {
            const QString byte =
                QString::number(v) + QStringLiteral(" (") + CharacterName(v) + QLatin1Char(')');
            if (i + 1 < n)
                fSink.Add(TSeverity::Error, "prefix-unescaped",
                          CodeName(i) + QStringLiteral(" is the plain byte %1, the command "
                                                       "prefix: the keypad takes it and the "
                                                       "code after it as a command, and the file "
                                                       "reads back differently. Insert the prefix "
                                                       "as data instead.")
                                            .arg(byte),
                          place);
            else
                fSink.Add(TSeverity::Warning, "prefix-unescaped",
                          CodeName(i) + QStringLiteral(", the last, is the plain byte %1, the "
                                                       "command prefix: any code added after it "
                                                       "turns it into a command.")
                                            .arg(byte),
                          place);
        }
    }
}

// The LED cannot be controlled by Host or Macro in HID Keyboard mode; in the
// other modes an LED obeys a macro only in its Host/Macro mode, and in Line
// Edit Mode only on a key that is transmitted at once.
void TChecker::Leds(int key, int level)
{
    const TMacroData& m = Macro(key, level);
    const int n = ElementCount(m);
    const QString hostMode = fKind == TReportKind::User ? QStringLiteral("Host/Macro Control")
                                                        : QStringLiteral("Under Host Control");
    for (int i = 0; i < n; ++i) {
        int command = 0;
        if (!IsLed(m.Values[size_t(i)], command))
            continue;
        const bool green = command <= 10;
        const QString led = green ? QStringLiteral("green") : QStringLiteral("red");
        const TPlace place{key, level, i};
        const QString head = CodeName(i) + QStringLiteral(" switches the %1 LED").arg(led);
        if (fSettings.KeyboardHost) {
            fSink.Add(TSeverity::Warning, "led-in-hid-mode",
                      head + QStringLiteral(", but the LED cannot be controlled by Host or Macro "
                                            "in HID Keyboard mode."),
                      place);
            continue;
        }
        if (fSettings.LineEdit && !m.SendKeyNow)
            fSink.Add(TSeverity::Warning, "led-line-edit",
                      head + QStringLiteral(", which in Line Edit mode works only on a key with "
                                            "\"Transmit this key\" checked."),
                      place);
        const int mode = green ? Encodings::GreenLedCode(fSettings.LEDBehavior)
                               : Encodings::RedLedCode(fSettings.LEDBehavior);
        if (mode != 2)
            fSink.Add(
                TSeverity::Warning, "led-mode",
                head + QStringLiteral(", which will not operate in a macro unless the %1 "
                                      "LED mode is %2.")
                           .arg(green ? QStringLiteral("Green") : QStringLiteral("Red"), hostMode),
                place);
    }
}

// In Line Edit mode only the first character of each macro is used.
void TChecker::LineEdit(int key, int level)
{
    const TMacroData& m = Macro(key, level);
    const int from = LineEditIgnoredFrom(m, fSettings);
    if (from < 0)
        return;
    const int n = ElementCount(m);
    const QString codes = from + 1 == n ? QStringLiteral("code %1 is").arg(n)
                                        : QStringLiteral("codes %1 to %2 are").arg(from + 1).arg(n);
    fSink.Add(TSeverity::Warning, "line-edit-length",
              (fSettings.LcdXlate
                   ? QStringLiteral("In Line Edit mode the first character of a macro is sent "
                                    "and the second shown on the LCD: ")
                   : QStringLiteral("In Line Edit mode only the first character of a macro is "
                                    "used: ")) +
                  codes + QStringLiteral(" ignored."),
              TPlace{key, level, from});
}

// At the MIDI rate the bytes a macro sends should be whole MIDI messages.
void TChecker::Midi(int key, int level)
{
    if (!fSettings.Midi)
        return;
    const TMacroData& m = Macro(key, level);
    QList<TSentByte> bytes;
    for (int i = 0; i < ElementCount(m); ++i) {
        const int32_t v = m.Values[size_t(i)];
        if (v >= 0 && v <= 255)
            bytes << TSentByte{i, uint8_t(v)};
        else if (v == EscapedPrefixCode)
            bytes << TSentByte{i, fSettings.StoragePrefix};
    }
    for (const TMidiMessage& message : ReadMidiMessages(bytes)) {
        if (message.Complete)
            continue;
        const QString text =
            message.Status < 0
                ? CodeName(message.First) +
                      QStringLiteral(" is a MIDI data byte outside any message (%1).")
                          .arg(message.Text())
                : CodeName(message.First) +
                      QStringLiteral(" begins a MIDI message that is not whole: %1.")
                          .arg(message.Text());
        fSink.Add(TSeverity::Warning, "midi-incomplete", text, TPlace{key, level, message.First});
    }
}

// Names longer than the name field cannot be edited whole; two macros of one
// level with the same name are easily mistaken for each other.
void TChecker::Names()
{
    for (int level = 0; level < MaxLevels; ++level) {
        QHash<QString, int> first;
        for (int key = 0; key < MaxKeys; ++key) {
            const TMacroData& m = Macro(key, level);
            if (m.Name.size() > NameFieldLength)
                fSink.Add(TSeverity::Note, "name-length",
                          QStringLiteral("The name has %1 characters; the name field holds %2.")
                              .arg(m.Name.size())
                              .arg(NameFieldLength),
                          TPlace{key, level});
            if (!OnKeypad(key) || m.Name.isEmpty() || ElementCount(m) == 0)
                continue;
            const auto it = first.constFind(m.Name);
            if (it == first.cend()) {
                first.insert(m.Name, key);
                continue;
            }
            fSink.Add(TSeverity::Note, "duplicate-name",
                      QStringLiteral("Key %1 has the same name on this level, %2.")
                          .arg(it.value() + 1)
                          .arg(Quoted(m.Name)),
                      TPlace{key, level});
        }
    }
}

// Every command starts with the prefix, so a macro sends the prefix character
// as data in two bytes. In ROM Edit Mode the macros are stored with the
// keypad definition's prefix while the keypad reads them with its own.
void TChecker::Prefix()
{
    int sent = 0;
    bool commands = false;
    for (int key = 0; key < MaxKeys; ++key) {
        for (int level = 0; level < MaxLevels; ++level) {
            const TMacroData& m = Macro(key, level);
            for (int i = 0; i < ElementCount(m); ++i) {
                const int32_t v = m.Values[size_t(i)];
                sent += OnKeypad(key) && v == EscapedPrefixCode;
                commands = commands || (v & (DelayFlag | BeepFlag | CommandFlag)) ||
                           v == fSettings.DevicePrefix;
            }
        }
    }
    if (sent > 0)
        fSink.Add(TSeverity::Note, "prefix-sent",
                  QStringLiteral("The macros send the command prefix %1 as a character %2 "
                                 "time%3; each takes two bytes, because the keypad reads the "
                                 "prefix as the start of a command.")
                      .arg(CharacterName(fSettings.StoragePrefix))
                      .arg(sent)
                      .arg(sent == 1 ? QString() : QStringLiteral("s")));
    if (fSettings.DevicePrefix != fSettings.StoragePrefix && commands)
        fSink.Add(TSeverity::Warning, "prefix-mismatch",
                  QStringLiteral("The keypad's command prefix is %1 (%2), but the macros are "
                                 "stored with the prefix %3 (%4): the keypad does not read their "
                                 "delays, beeps and LED commands as commands.")
                      .arg(fSettings.DevicePrefix)
                      .arg(CharacterName(fSettings.DevicePrefix))
                      .arg(fSettings.StoragePrefix)
                      .arg(CharacterName(fSettings.StoragePrefix)));
}

// The serial number reaches the keypad as four decimal digits.
void TChecker::SerialNumber()
{
    const int32_t number =
        fKind == TReportKind::User ? fDef.CdcSerialNo() : fState.AdvancedParams.CdcSerialNo;
    if (!Encodings::CdcSerialNoRange.Contains(number))
        fSink.Add(TSeverity::Warning, "serial-number",
                  QStringLiteral("The CDC serial number %1 is outside 0 to 9999; the keypad "
                                 "holds four digits.")
                      .arg(number));
}

int PlaceRank(const TFinding& f)
{
    return f.Key >= 0 ? 1 : (f.Screen >= 0 ? 2 : 0);
}

} // namespace

TFindings CheckDefinition(const TAppState& state, TReportKind kind, int numberOfKeys,
                          const TReadWarnings& readWarnings)
{
    TFindings findings = TChecker(state, kind, numberOfKeys).Run(readWarnings);
    std::stable_sort(findings.begin(), findings.end(), [](const TFinding& a, const TFinding& b) {
        const int ra = PlaceRank(a);
        const int rb = PlaceRank(b);
        if (ra != rb)
            return ra < rb;
        if (ra == 1)
            return std::tie(a.Key, a.Level, a.Position) < std::tie(b.Key, b.Level, b.Position);
        return ra == 2 && a.Screen < b.Screen;
    });
    return findings;
}

TReadWarnings ReadWarningsOf(const TLoadResult& result)
{
    // TODO: take result.ReadWarnings (with key, level and section) once the
    // readers report what they skip; until then only the load's messages.
    TReadWarnings warnings;
    for (const QString& text : result.Warnings)
        warnings << TReadWarning{QString(), -1, -1, text};
    return warnings;
}

QString SeverityName(TSeverity severity)
{
    switch (severity) {
    case TSeverity::Note:
        return QStringLiteral("note");
    case TSeverity::Warning:
        return QStringLiteral("warning");
    case TSeverity::Error:
        return QStringLiteral("error");
    }
    return QString();
}

int CountOf(const TFindings& findings, TSeverity severity)
{
    return int(std::count_if(findings.cbegin(), findings.cend(),
                             [severity](const TFinding& f) { return f.Severity == severity; }));
}

QString FindingPlace(const TFinding& f)
{
    if (f.Key >= 0)
        return f.Level >= 0 ? QStringLiteral("key %1, level %2").arg(f.Key + 1).arg(f.Level + 1)
                            : QStringLiteral("key %1").arg(f.Key + 1);
    if (f.Screen >= 0)
        return QStringLiteral("screen %1").arg(f.Screen + 1);
    if (!f.Section.isEmpty())
        return QStringLiteral("section ") + f.Section;
    return QString();
}

QJsonObject FindingToJson(const TFinding& f)
{
    QJsonObject o;
    o.insert(QStringLiteral("severity"), SeverityName(f.Severity));
    o.insert(QStringLiteral("rule"), f.Rule);
    if (f.Key >= 0)
        o.insert(QStringLiteral("key"), f.Key + 1);
    if (f.Level >= 0)
        o.insert(QStringLiteral("level"), f.Level + 1);
    if (f.Position >= 0)
        o.insert(QStringLiteral("code"), f.Position + 1);
    if (f.Screen >= 0)
        o.insert(QStringLiteral("screen"), f.Screen + 1);
    if (!f.Section.isEmpty())
        o.insert(QStringLiteral("section"), f.Section);
    o.insert(QStringLiteral("text"), f.Text);
    return o;
}
