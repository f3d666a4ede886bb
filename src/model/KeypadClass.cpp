#include "model/KeypadClass.h"

#include <QLatin1String>

#include <algorithm>

namespace {

constexpr TKeyTableEntry None{-1, -1};

constexpr std::array<TKeyTableEntry, 111> makeKeyTable()
{
    std::array<TKeyTableEntry, 111> t{};
    for (auto& e : t)
        e = None;

    t[0] = {0, 0};   // no key
    t[1] = {27, 27}; // Esc

    // The digit row with the characters above the digits on a US keyboard.
    const char digits[] = "1234567890";
    const char above[] = "!@#$%^&*()";
    for (int i = 0; i < 10; ++i)
        t[2 + i] = {digits[i], above[i]};
    t[12] = {'-', '_'};
    t[13] = {'=', '+'};
    t[14] = {8, 8}; // Backspace
    t[15] = {9, 9}; // Tab

    const char row1[] = "qwertyuiop";
    for (int i = 0; i < 10; ++i)
        t[16 + i] = {row1[i], row1[i] - 32};
    t[26] = {'[', '{'};
    t[27] = {']', '}'};
    t[28] = {13, 13}; // Enter

    const char row2[] = "asdfghjkl";
    for (int i = 0; i < 9; ++i)
        t[30 + i] = {row2[i], row2[i] - 32};
    t[39] = {';', ':'};
    t[40] = {'\'', '"'};
    t[41] = {'`', '~'};
    t[43] = {'\\', '|'};

    const char row3[] = "zxcvbnm";
    for (int i = 0; i < 7; ++i)
        t[44 + i] = {row3[i], row3[i] - 32};
    t[51] = {',', '<'};
    t[52] = {'.', '>'};
    t[53] = {'/', '?'};
    t[55] = {'*', '*'}; // keypad *
    t[57] = {' ', ' '};

    // Keypad 7 8 9 - 4 5 6 + 1 2 3 0 .
    const char keypad[] = "789-456+1230.";
    for (int i = 0; i < 13; ++i)
        t[71 + i] = {keypad[i], keypad[i]};
    t[86] = {13, 13};    // keypad Enter
    t[88] = {'/', '/'};  // keypad /
    t[100] = {127, 127}; // Del
    return t;
}

bool isPlainCode(int32_t v)
{
    return v >= 0 && (v & (DelayFlag | BeepFlag | CommandFlag)) == 0;
}

// Ctrl held with a key: the ASCII control code of the key's code.
int32_t controlCode(int32_t code)
{
    switch (code) {
    case 13:
        return 10;
    case 45:
        return 31;
    case 50:
        return 0;
    case 54:
        return 30;
    case 91:
        return 27;
    case 92:
        return 28;
    case 93:
        return 29;
    default:
        return code - 96;
    }
}

// Writes the low byte of value as two lower-case hex digits at out.
QChar* putHexPair(QChar* out, int32_t value)
{
    static const char digits[] = "0123456789abcdef";
    const int b = value & 0xFF;
    *out++ = QLatin1Char(digits[b >> 4]);
    *out++ = QLatin1Char(digits[b & 0x0F]);
    return out;
}

const char* const MediaNames[] = {"Next",  "Prev",  "Stop",  "Play",  "Mute",  "BassB",
                                  "Loud",  "Vol+",  "Vol-",  "Bass+", "Bass-", "Treb+",
                                  "Treb-", "Media", "Email", "Calc",  "My PC", "WSrch",
                                  "WWW",   "WBack", "WFwd",  "WStop", "WRefr", "WFavs"}; // 128..151

const char* const EditNames[] = {"Ins", "Del", "Home", "End", "PgUp", "PgDn"}; // 185..190

const char* const KeypadNames[] = {"Kp.", "Kp/", "Kp*", "Kp-", "Kp+", "KpEnt"}; // 202..207

QString commandText(int32_t command)
{
    switch (command) {
    case 8:
        return QStringLiteral("grn off");
    case 9:
        return QStringLiteral("grn on");
    case 10:
        return QStringLiteral("grn flash");
    case 11:
        return QStringLiteral("red off");
    case 12:
        return QStringLiteral("red on");
    case 13:
        return QStringLiteral("red flash");
    case 64:
        return QStringLiteral("@@");
    default:
        return QString();
    }
}

// Text of a plain code (below hex 1000) in the normal view.
QString plainText(int32_t v)
{
    if (v < 0)
        return QStringLiteral(" ");
    switch (v) {
    case 7:
        return QStringLiteral("Bel");
    case 8:
        return QStringLiteral("BS");
    case 9:
        return QStringLiteral("Tab");
    case 10:
        return QStringLiteral("LF");
    case 13:
        return QStringLiteral("CR");
    case 27:
        return QStringLiteral("Esc");
    case 32:
        return QStringLiteral("Space");
    case 127:
        return QStringLiteral("Del");
    case 157:
        return QStringLiteral("PrtSc");
    case 158:
        return QStringLiteral("Scroll");
    case 159:
        return QStringLiteral("Pause");
    case 160:
        return QStringLiteral("Caps");
    case 191:
        return QStringLiteral("Num");
    default:
        break;
    }
    if (v < 32) // the remaining control characters: caret form, two blanks, hex form
        return QStringLiteral("^%1  %2h")
            .arg(QChar(v + 64))
            .arg(QString::number(v, 16).toUpper().rightJustified(2, QLatin1Char('0')));
    if (v >= 128 && v <= 151)
        return QLatin1String(MediaNames[v - 128]);
    if (v >= 152 && v <= 156)
        return QStringLiteral("??");
    if (v >= 161 && v <= 184)
        return QStringLiteral("F%1").arg(v - 160);
    if (v >= 185 && v <= 190)
        return QLatin1String(EditNames[v - 185]);
    if (v >= 192 && v <= 201)
        return QStringLiteral("Kp%1").arg(v - 192);
    if (v >= 202 && v <= 207)
        return QLatin1String(KeypadNames[v - 202]);
    return QString(QChar(char16_t(v)));
}

} // namespace

const std::array<TKeyTableEntry, 111> KeyTable = makeKeyTable();

int CodeSize(int32_t code)
{
    if (code & (DelayFlag | BeepFlag))
        return 3;
    if (code & CommandFlag)
        return 2;
    return 1;
}

int ElementCount(const TMacroData& macro)
{
    int n = 0;
    while (n < MacroSlots && macro.Values[n] != -1)
        ++n;
    return n;
}

int32_t ByteCount(const TMacroData& macro)
{
    int32_t count = 0;
    for (int32_t v : macro.Values) {
        if (v == -1)
            break;
        count += CodeSize(v);
    }
    return count;
}

QString CodeDisplayText(int32_t v, bool hexView)
{
    if (hexView) {
        if (v < 0)
            return QStringLiteral(" ");
        return QStringLiteral("0x") +
               QString::number(v, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    }
    if (v >= 0x1000) {
        if (v & DelayFlag)
            return QStringLiteral("Dly %1").arg(qint64(v - DelayFlag) * 4);
        if (v & CommandFlag)
            return commandText(v - CommandFlag);
        return QStringLiteral("Beep%1").arg(qint64(v - BeepFlag) * 4);
    }
    return plainText(v);
}

QString CodeString(const int32_t* codes, int count, uint8_t prefix)
{
    // At most three pairs per element; the string is cut to what was written.
    QString out(count * 6, Qt::Uninitialized);
    QChar* const begin = out.data();
    QChar* p = begin;
    for (int i = 0; i < count; ++i) {
        const int32_t v = codes[i];
        if (v & DelayFlag) {
            p = putHexPair(p, prefix);
            p = putHexPair(p, 0x01);
            p = putHexPair(p, v - DelayFlag);
        } else if (v & BeepFlag) {
            p = putHexPair(p, prefix);
            p = putHexPair(p, 0x02);
            p = putHexPair(p, v - BeepFlag);
        } else if (v & CommandFlag) {
            p = putHexPair(p, prefix);
            p = putHexPair(p, v - CommandFlag);
        } else {
            // Only the low byte goes to the keypad; larger plain codes cannot
            // come from the grid, and writing them whole would break the pairs.
            p = putHexPair(p, v);
        }
    }
    out.truncate(int(p - begin));
    return out;
}

int32_t CodeForPrefixChange(int32_t code, uint8_t from, uint8_t to)
{
    if (from == to)
        return code;
    if (code == EscapedPrefixCode)
        return from;
    if (isPlainCode(code) && (code & 0xFF) == to)
        return EscapedPrefixCode;
    return code;
}

bool TMacroData::operator==(const TMacroData& other) const
{
    return Values == other.Values && Format == other.Format && AutoRepeat == other.AutoRepeat &&
           SendKeyNow == other.SendKeyNow && Name == other.Name;
}

TKeypadClass::TKeypadClass()
{
    Initialize();
}

void TKeypadClass::Initialize()
{
    for (auto& key : keys) {
        for (auto& macro : key.Macro) {
            macro.Values.fill(-1);
            macro.Format = sfDefault;
            macro.AutoRepeat = false;
            macro.SendKeyNow = false;
            macro.Name.clear();
        }
        key.KeyType = ktNormal;
    }
    fKey = 0;
    fLevel = 0;
    SetDeviceParams(TDeviceParams());
    // bViewInHex is a view setting, not part of the definition: it stays.
}

void TKeypadClass::SetKey(int value)
{
    if (value >= 0 && value < MaxKeys)
        fKey = uint8_t(value);
}

void TKeypadClass::SetLevel(int value)
{
    if (value >= 0 && value < MaxLevels)
        fLevel = uint8_t(value);
}

uint8_t TKeypadClass::NumOfElements() const
{
    return uint8_t(ElementCount(SelectedMacro()));
}

const TMacroData& TKeypadClass::MacroAt(int key, int level) const
{
    const int k = key >= 0 && key < MaxKeys ? key : fKey;
    const int l = level >= 0 && level < MaxLevels ? level : fLevel;
    return keys[size_t(k)].Macro[size_t(l)];
}

TKeyType TKeypadClass::KeyTypeAt(int key) const
{
    return keys[size_t(key >= 0 && key < MaxKeys ? key : fKey)].KeyType;
}

QString TKeypadClass::MakeCodes() const
{
    return CodesOf(fKey, fLevel);
}

QString TKeypadClass::CodesOf(int key, int level) const
{
    const TMacroData& macro = MacroAt(key, level);
    return CodeString(macro.Values.data(), ElementCount(macro), fDevice.CmdPrefix);
}

int32_t TKeypadClass::CodeCount() const
{
    return ByteCount(SelectedMacro());
}

uint8_t TKeypadClass::PercentUsed() const
{
    return uint8_t(CodeCount() * 100 / MacroCapacity);
}

TKeyType TKeypadClass::Keytype() const
{
    return keys[fKey].KeyType;
}

void TKeypadClass::SetKeytype(TKeyType value)
{
    keys[fKey].KeyType = value;
}

bool TKeypadClass::CanAutoRepeat() const
{
    return SelectedMacro().AutoRepeat;
}

void TKeypadClass::SetCanAutoRepeat(bool value)
{
    selected().AutoRepeat = value;
}

bool TKeypadClass::SendKeyNow() const
{
    return SelectedMacro().SendKeyNow;
}

void TKeypadClass::SetSendKeyNow(bool value)
{
    selected().SendKeyNow = value;
}

void TKeypadClass::clampPosition(int32_t& position) const
{
    const int n = NumOfElements();
    if (position > n)
        position = n;
    if (position < 0)
        position = 0;
}

void TKeypadClass::makeRoom(int32_t& position)
{
    auto& values = selected().Values;
    const int n = NumOfElements();
    position = std::clamp(position, 0, n);
    // The capacity keeps n far below the last slot, so slot n + 1 exists.
    for (int i = n; i >= position; --i)
        values[i + 1] = values[i];
}

bool TKeypadClass::InsertKey(int32_t& position, int32_t value)
{
    const int mods = fModifierSource ? fModifierSource->GetModifiers() : 0;
    const bool screenShift = (mods & (ModLShift | ModRShift | ModCapsLock)) != 0;
    const bool screenCtrl = (mods & (ModLCtrl | ModRCtrl)) != 0;

    int size = 1;
    if (value & (DelayFlag | BeepFlag))
        size = 3;
    else if (value == 3 && screenShift)
        size = 2;
    else if (value & CommandFlag)
        size = 2;
    if (CodeCount() + size > MacroCapacity)
        return false;

    int32_t code = -1;
    if (value < 0) {
        // Not a key number, and -1 would end the macro: nothing to insert.
    } else if (value & (DelayFlag | BeepFlag)) {
        code = value;
    } else if (value == 3 && screenShift) {
        code = EscapedPrefixCode;
    } else if (value & CommandFlag) {
        code = value;
    } else {
        const bool isKeyNumber = value < int32_t(KeyTable.size());
        const int32_t keyCode = isKeyNumber ? KeyTable[value].Code : value;
        const int32_t shiftedCode = isKeyNumber ? KeyTable[value].ShiftedCode : value;

        // The host Caps Lock acts on letters only, as it does on the PC.
        const bool hostCaps = fModifierSource && fModifierSource->HostCapsLockOn() &&
                              keyCode >= 'a' && keyCode <= 'z';
        const bool hostShift = fModifierSource && fModifierSource->HostShiftDown();

        if ((screenShift || hostCaps || hostShift) && shiftedCode >= 0)
            code = shiftedCode;
        if (code < 0 && (mods & (ModLShift | ModRShift | ModLCtrl | ModRCtrl)) == 0 && keyCode >= 0)
            code = keyCode;
        if (code < 0 && screenCtrl) {
            const int32_t ctrl = controlCode(keyCode);
            if (ctrl >= 0)
                code = ctrl;
        }
    }

    clampPosition(position);
    if (code >= 0) {
        makeRoom(position);
        selected().Values[position] = code;
        ++position;
    }
    return true;
}

bool TKeypadClass::InsertByte(int32_t& position, int32_t value)
{
    // One byte more than now, whatever the class of the value: a flagged code
    // read from a file may therefore take a 99-byte macro to 101 or 102.
    if (CodeCount() + 1 > MacroCapacity)
        return false;
    if (value < 0) {
        // No code is negative, and -1 marks the end of the codes: storing it
        // would hide the tail of the macro.
        clampPosition(position);
        return true;
    }
    makeRoom(position);
    selected().Values[position] = value;
    ++position;
    return true;
}

bool TKeypadClass::EscapePrefixAt(int32_t index)
{
    if (index < 0 || index >= NumOfElements())
        return true;
    int32_t& value = selected().Values[index];
    if (!isPlainCode(value) || (value & 0xFF) != fDevice.CmdPrefix)
        return true;
    if (CodeCount() + 1 > MacroCapacity)
        return false;
    value = EscapedPrefixCode;
    return true;
}

TKeypadClass::TPrefixChange TKeypadClass::ChangeCmdPrefix(uint8_t value)
{
    const uint8_t old = fDevice.CmdPrefix;
    if (value == old)
        return {};
    // A macro already past the capacity (a file can hold one) may stay so,
    // as long as it does not grow.
    for (int key = 0; key < MaxKeys; ++key)
        for (int level = 0; level < MaxLevels; ++level) {
            int before = 0, after = 0;
            for (int32_t v : keys[key].Macro[level].Values) {
                if (v == -1)
                    break;
                before += CodeSize(v);
                after += CodeSize(CodeForPrefixChange(v, old, value));
            }
            if (after > MacroCapacity && after > before)
                return {false, key, level};
        }
    RewriteMacrosForPrefix(old, value);
    fDevice.CmdPrefix = value;
    return {};
}

bool TKeypadClass::RemoveKey(uint8_t position)
{
    const int n = NumOfElements();
    if (position >= n)
        return false;
    auto& values = selected().Values;
    for (int i = position; i < n; ++i)
        values[i] = values[i + 1];
    return true;
}

int32_t TKeypadClass::ReadLastKey() const
{
    const int n = NumOfElements();
    return n == 0 ? 0 : SelectedMacro().Values[n - 1];
}

QString TKeypadClass::GetDisplayValue(int32_t index) const
{
    if (index < 0 || index >= MacroSlots)
        return QStringLiteral(" ");
    return CodeDisplayText(SelectedMacro().Values[index], bViewInHex);
}

TSetModifierKeys TKeypadClass::GetModifierSet(uint8_t Index) const
{
    Q_UNUSED(Index)
    // A macro holds no modifier events, so no modifier is ever down.
    return 0;
}

QString TKeypadClass::GetMacroName() const
{
    return SelectedMacro().Name;
}

bool TKeypadClass::SetMacroName(const QString& value)
{
    selected().Name = value;
    return true;
}
