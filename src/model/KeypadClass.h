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
    uint8_t KeyRollOver() const { return fKeyRollOver; }
    void SetKeyRollOver(uint8_t v) { fKeyRollOver = v; }
    uint8_t LEDBehavior() const { return fLEDBehavior; }
    void SetLEDBehavior(uint8_t v) { fLEDBehavior = v; }
    uint8_t CharacterPacing() const { return fCharacterPacing; }
    void SetCharacterPacing(uint8_t v) { fCharacterPacing = v; }
    int32_t DownloadDelay() const { return fDownloadDelay; }
    void SetDownloadDelay(int32_t v) { fDownloadDelay = v; }
    uint8_t OpMode() const { return fOpMode; }
    void SetOpMode(uint8_t v) { fOpMode = v; }
    uint8_t TailChar() const { return fTailChar; }
    void SetTailChar(uint8_t v) { fTailChar = v; }
    uint8_t KeyClick() const { return fKeyClick; }
    void SetKeyClick(uint8_t v) { fKeyClick = v; }
    uint8_t CmdPrefix() const { return fCmdPrefix; }
    void SetCmdPrefix(uint8_t v) { fCmdPrefix = v; }
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
    uint8_t BaudRate() const { return fBaudRate; }
    void SetBaudRate(uint8_t v) { fBaudRate = v; }
    uint8_t XonChar() const { return fXonChar; }
    void SetXonChar(uint8_t v) { fXonChar = v; }
    uint8_t XoffChar() const { return fXoffChar; }
    void SetXoffChar(uint8_t v) { fXoffChar = v; }
    uint8_t WordFormat() const { return fWordFormat; }
    void SetWordFormat(uint8_t v) { fWordFormat = v; }
    uint8_t FormCardType() const { return fFormCardType; }
    void SetFormCardType(uint8_t v) { fFormCardType = v; }
    uint8_t CardPrefix() const { return fCardPrefix; }
    void SetCardPrefix(uint8_t v) { fCardPrefix = v; }
    bool CardPrefixEnable() const { return fCardPrefixEnable; }
    void SetCardPrefixEnable(bool v) { fCardPrefixEnable = v; }
    uint8_t CardSuffix() const { return fCardSuffix; }
    void SetCardSuffix(uint8_t v) { fCardSuffix = v; }
    bool CardSuffixEnable() const { return fCardSuffixEnable; }
    void SetCardSuffixEnable(bool v) { fCardSuffixEnable = v; }
    uint8_t CardTracks() const { return fCardTracks; }
    void SetCardTracks(uint8_t v) { fCardTracks = v; }
    uint8_t CardStartSentinel() const { return fCardStartSentinel; }
    void SetCardStartSentinel(uint8_t v) { fCardStartSentinel = v; }
    uint8_t CardEndSentinel() const { return fCardEndSentinel; }
    void SetCardEndSentinel(uint8_t v) { fCardEndSentinel = v; }
    uint8_t CardFieldSeparator() const { return fCardFieldSeparator; }
    void SetCardFieldSeparator(uint8_t v) { fCardFieldSeparator = v; }
    uint8_t CardBadSwipe() const { return fCardBadSwipe; }
    void SetCardBadSwipe(uint8_t v) { fCardBadSwipe = v; }
    int32_t CdcSerialNo() const { return fCdcSerialNo; }
    void SetCdcSerialNo(int32_t v) { fCdcSerialNo = v; }

    bool bViewInHex = false;

private:
    TMacroData& selected() { return keys[fKey].Macro[fLevel]; }
    // Past the end: the end; below 0: 0.
    void clampPosition(int32_t& position) const;
    void makeRoom(int32_t& position);

    std::array<TKeyDataRec, MaxKeys> keys{};
    uint8_t fKey = 0;
    uint8_t fLevel = 0;
    uint8_t fKeyRollOver = 2;
    uint8_t fLEDBehavior = 49;
    uint8_t fCharacterPacing = 2;
    int32_t fDownloadDelay = 0;
    uint8_t fOpMode = 1;
    uint8_t fTailChar = 13;
    uint8_t fKeyClick = 40;
    uint8_t fCmdPrefix = 64;
    uint8_t fBaudRate = 3;
    uint8_t fWordFormat = 8;
    uint8_t fXonChar = 0;
    uint8_t fXoffChar = 0;
    uint8_t fFormCardType = 1;
    uint8_t fCardPrefix = 9;
    bool fCardPrefixEnable = false;
    uint8_t fCardSuffix = 13;
    bool fCardSuffixEnable = true;
    uint8_t fCardTracks = 3;
    uint8_t fCardStartSentinel = 0;
    uint8_t fCardEndSentinel = 13;
    uint8_t fCardFieldSeparator = 9;
    uint8_t fCardBadSwipe = 0;
    int32_t fCdcSerialNo = 1;

    const TModifierSource* fModifierSource = nullptr;
};
