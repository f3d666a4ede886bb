#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The keypad definition: 20 keys, each with a key type and one macro per
// level, plus the global device parameters that USER Mode edits.

enum TKeyType : uint8_t { ktNormal = 0, ktShift = 1, ktToggle = 2, ktAlpha = 3 };
enum TStorageFormat : uint8_t { sfDefault = 0, sfSingleKey = 1 };
enum TModifierKeys : uint8_t { mkLShift = 0, mkRShift = 1, mkLCtrl = 2, mkRCtrl = 3, mkLAlt = 4, mkRAlt = 5 };
// A set of TModifierKeys: bit n stands for the value n.
using TSetModifierKeys = uint8_t;

constexpr int MaxKeys = 20;
constexpr int MaxLevels = 2;
constexpr int MacroSlots = 256;
constexpr int MacroCapacity = 100; // bytes per level on the keypad

// Flag bits that decide the class of a macro code.
constexpr int32_t DelayFlag = 0x1000;
constexpr int32_t BeepFlag = 0x2000;
constexpr int32_t CommandFlag = 0x4000;
constexpr int32_t EscapedPrefixCode = 0x4040;

// Pending on-screen modifier mask bits.
constexpr int ModLShift = 0x01;
constexpr int ModRShift = 0x02;
constexpr int ModLCtrl = 0x04;
constexpr int ModRCtrl = 0x08;
constexpr int ModCapsLock = 0x20;

struct TMacroData
{
    std::array<int32_t, MacroSlots> Values{};
    TStorageFormat Format = sfDefault;
    bool AutoRepeat = false;
    bool SendKeyNow = false;
    QString Name;

    bool operator==(const TMacroData& other) const;
    bool operator!=(const TMacroData& other) const { return !(*this == other); }
};

struct TKeyDataRec
{
    std::array<TMacroData, MaxLevels> Macro{};
    TKeyType KeyType = ktNormal;
};

struct TKeyTableEntry
{
    int Code;        // -1: the key has no character code
    int ShiftedCode; // -1: none
};

// Key number (1..110) to character code; entry 0 is "no key".
extern const std::array<TKeyTableEntry, 111> KeyTable;

// Bytes one code takes on the keypad: 3 for a delay or a beep, 2 for a
// command, 1 for a plain code.
int CodeSize(int32_t code);
// The number of codes in `macro`: they end at the first -1.
int ElementCount(const TMacroData& macro);
// The bytes `macro` takes on the keypad.
int32_t ByteCount(const TMacroData& macro);
// The text the grid shows for one slot value, in the normal or the hex view.
QString CodeDisplayText(int32_t code, bool hexView);
// The code string of `count` codes written with the command prefix `prefix`.
QString CodeString(const int32_t* codes, int count, uint8_t prefix);
// A code as a change of the command prefix from `from` to `to` rewrites it,
// so that the keypad still sends the same characters: the escaped prefix
// becomes the old prefix as a plain byte, a plain byte equal to the new
// prefix becomes the escaped prefix. Equal prefixes change nothing.
int32_t CodeForPrefixChange(int32_t code, uint8_t from, uint8_t to);

// The global device parameters of a definition as one value, by their
// property names, so that they can be kept and put back whole.
struct TDeviceParams
{
    uint8_t KeyRollOver = 2;
    uint8_t LEDBehavior = 49;
    uint8_t CharacterPacing = 2;
    int32_t DownloadDelay = 0;
    uint8_t OpMode = 1;
    uint8_t TailChar = 13;
    uint8_t KeyClick = 40;
    uint8_t CmdPrefix = 64;
    uint8_t BaudRate = 3;
    uint8_t WordFormat = 8;
    uint8_t XonChar = 0;
    uint8_t XoffChar = 0;
    uint8_t FormCardType = 1;
    uint8_t CardPrefix = 9;
    bool CardPrefixEnable = false;
    uint8_t CardSuffix = 13;
    bool CardSuffixEnable = true;
    uint8_t CardTracks = 3;
    uint8_t CardStartSentinel = 0;
    uint8_t CardEndSentinel = 13;
    uint8_t CardFieldSeparator = 9;
    uint8_t CardBadSwipe = 0;
    int32_t CdcSerialNo = 1;

    bool operator==(const TDeviceParams& other) const;
    bool operator!=(const TDeviceParams& other) const { return !(*this == other); }
};

// What InsertKey needs to know about the keyboards at the moment of a call:
// the main window's pending on-screen modifiers and the host PC keyboard.
class TModifierSource
{
public:
    virtual ~TModifierSource() = default;
    virtual int GetModifiers() const { return 0; }
    // Caps Lock toggled on and its key not being held down.
    virtual bool HostCapsLockOn() const { return false; }
    virtual bool HostShiftDown() const { return false; }
};

class TKeypadClass
{
public:
    TKeypadClass();
    void Initialize();

    // The source of the modifier state; nullptr means nothing pending, unshifted.
    void SetModifierSource(const TModifierSource* source) { fModifierSource = source; }

    uint8_t Key() const { return fKey; }
    void SetKey(int value);
    uint8_t Level() const { return fLevel; }
    void SetLevel(int value);

    uint8_t NumOfElements() const;
    QString MakeCodes() const;
    int32_t CodeCount() const;
    uint8_t PercentUsed() const;
    TKeyType Keytype() const;
    void SetKeytype(TKeyType value);
    bool CanAutoRepeat() const;
    void SetCanAutoRepeat(bool value);
    bool SendKeyNow() const;
    void SetSendKeyNow(bool value);

    bool InsertKey(int32_t& position, int32_t value);
    bool InsertByte(int32_t& position, int32_t value);
    // A plain code equal to the command prefix at `index` would start a
    // command on the keypad once anything follows it: it becomes the escaped
    // prefix, one byte longer. False only when the macro has no room for that
    // byte; an index holding anything else is left alone.
    bool EscapePrefixAt(int32_t index);
    bool RemoveKey(uint8_t position);
    int32_t ReadLastKey() const;
    QString GetDisplayValue(int32_t index) const;
    TSetModifierKeys GetModifierSet(uint8_t Index) const;
    QString GetMacroName() const;
    bool SetMacroName(const QString& value);

    // Direct access to the selected macro's slots, for readers and views.
    const TMacroData& SelectedMacro() const { return keys[fKey].Macro[fLevel]; }
    // Any key's macro or type without moving the selection; a key or level
    // out of range reads the selected one, as SetKey and SetLevel keep it.
    const TMacroData& MacroAt(int key, int level) const;
    TKeyType KeyTypeAt(int key) const;
    // The code string of one macro, as MakeCodes gives it for the selection.
    QString CodesOf(int key, int level) const;
    const TModifierSource* ModifierSource() const { return fModifierSource; }

    // Whole-key and whole-macro edits at any key, for the clipboard and for
    // undo; the selection stays. A key or level out of range is ignored.
    void SetMacroAt(int key, int level, const TMacroData& macro);
    void SetKeyTypeAt(int key, TKeyType type);
    // Both levels empty, unnamed, without flags, and the key normal.
    void ClearKeyAt(int key);
    void SwapKeys(int a, int b);
    // Rewrites every macro as a change of the prefix from `from` to `to`
    // does (CodeForPrefixChange), without looking at room or at CmdPrefix.
    void RewriteMacrosForPrefix(uint8_t from, uint8_t to);

    // The global device parameters as one value.
    TDeviceParams DeviceParams() const;
    void SetDeviceParams(const TDeviceParams& params);

    // Global device parameters: setters store the value unchanged.
    uint8_t KeyRollOver() const { return fDevice.KeyRollOver; }
    void SetKeyRollOver(uint8_t v) { fDevice.KeyRollOver = v; }
    uint8_t LEDBehavior() const { return fDevice.LEDBehavior; }
    void SetLEDBehavior(uint8_t v) { fDevice.LEDBehavior = v; }
    uint8_t CharacterPacing() const { return fDevice.CharacterPacing; }
    void SetCharacterPacing(uint8_t v) { fDevice.CharacterPacing = v; }
    int32_t DownloadDelay() const { return fDevice.DownloadDelay; }
    void SetDownloadDelay(int32_t v) { fDevice.DownloadDelay = v; }
    uint8_t OpMode() const { return fDevice.OpMode; }
    void SetOpMode(uint8_t v) { fDevice.OpMode = v; }
    uint8_t TailChar() const { return fDevice.TailChar; }
    void SetTailChar(uint8_t v) { fDevice.TailChar = v; }
    uint8_t KeyClick() const { return fDevice.KeyClick; }
    void SetKeyClick(uint8_t v) { fDevice.KeyClick = v; }
    uint8_t CmdPrefix() const { return fDevice.CmdPrefix; }
    void SetCmdPrefix(uint8_t v) { fDevice.CmdPrefix = v; }
    // The user's change of the prefix: every macro is rewritten so that the
    // keypad still receives the same characters (the old escaped prefix
    // becomes a plain byte, a plain byte equal to the new prefix is escaped).
    // When that would take a macro past its capacity nothing changes and the
    // result names the first such macro.
    struct TPrefixChange
    {
        bool Ok = true;
        int Key = -1;
        int Level = -1;
    };
    TPrefixChange ChangeCmdPrefix(uint8_t value);
    uint8_t BaudRate() const { return fDevice.BaudRate; }
    void SetBaudRate(uint8_t v) { fDevice.BaudRate = v; }
    uint8_t XonChar() const { return fDevice.XonChar; }
    void SetXonChar(uint8_t v) { fDevice.XonChar = v; }
    uint8_t XoffChar() const { return fDevice.XoffChar; }
    void SetXoffChar(uint8_t v) { fDevice.XoffChar = v; }
    uint8_t WordFormat() const { return fDevice.WordFormat; }
    void SetWordFormat(uint8_t v) { fDevice.WordFormat = v; }
    uint8_t FormCardType() const { return fDevice.FormCardType; }
    void SetFormCardType(uint8_t v) { fDevice.FormCardType = v; }
    uint8_t CardPrefix() const { return fDevice.CardPrefix; }
    void SetCardPrefix(uint8_t v) { fDevice.CardPrefix = v; }
    bool CardPrefixEnable() const { return fDevice.CardPrefixEnable; }
    void SetCardPrefixEnable(bool v) { fDevice.CardPrefixEnable = v; }
    uint8_t CardSuffix() const { return fDevice.CardSuffix; }
    void SetCardSuffix(uint8_t v) { fDevice.CardSuffix = v; }
    bool CardSuffixEnable() const { return fDevice.CardSuffixEnable; }
    void SetCardSuffixEnable(bool v) { fDevice.CardSuffixEnable = v; }
    uint8_t CardTracks() const { return fDevice.CardTracks; }
    void SetCardTracks(uint8_t v) { fDevice.CardTracks = v; }
    uint8_t CardStartSentinel() const { return fDevice.CardStartSentinel; }
    void SetCardStartSentinel(uint8_t v) { fDevice.CardStartSentinel = v; }
    uint8_t CardEndSentinel() const { return fDevice.CardEndSentinel; }
    void SetCardEndSentinel(uint8_t v) { fDevice.CardEndSentinel = v; }
    uint8_t CardFieldSeparator() const { return fDevice.CardFieldSeparator; }
    void SetCardFieldSeparator(uint8_t v) { fDevice.CardFieldSeparator = v; }
    uint8_t CardBadSwipe() const { return fDevice.CardBadSwipe; }
    void SetCardBadSwipe(uint8_t v) { fDevice.CardBadSwipe = v; }
    int32_t CdcSerialNo() const { return fDevice.CdcSerialNo; }
    void SetCdcSerialNo(int32_t v) { fDevice.CdcSerialNo = v; }

    bool bViewInHex = false;

private:
    TMacroData& selected() { return keys[fKey].Macro[fLevel]; }
    // Past the end: the end; below 0: 0.
    void clampPosition(int32_t& position) const;
    void makeRoom(int32_t& position);

    std::array<TKeyDataRec, MaxKeys> keys{};
    uint8_t fKey = 0;
    uint8_t fLevel = 0;
    TDeviceParams fDevice;

    const TModifierSource* fModifierSource = nullptr;
};
