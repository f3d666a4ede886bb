#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

struct TAdvancedParams;

// How the device parameters code their values, and the captions under which
// the property dialogs and the screen editor present them. The same codes
// serve the ROM properties (TAdvancedParams, TScreenDataRec) and the global
// parameters of the keypad definition.
//
// Conventions:
//  - Caption lists are indexed by the code they stand for, unless a table
//    pairs codes with captions explicitly.
//  - The "With..." helpers return the field's new value for one dialog edit;
//    they change exactly the bits that edit changes and leave the rest alone.
//  - Captions are the system's own texts, blanks included.
namespace Encodings {

// A caption of this file as the dialogs show it: translated when a
// translation is loaded, else as written.
QString Caption(const char* text);

// ---------------------------------------------------------------- general

// A number box's range and step.
struct TRange
{
    int Min;
    int Max;
    int Step;

    constexpr bool Contains(int value) const { return value >= Min && value <= Max; }
    constexpr int Clamp(int value) const { return value < Min ? Min : (value > Max ? Max : value); }
};

// Characters on one LCD line.
constexpr int LcdLineLength = 16;

// `value` with the bits of `mask` set (on) or cleared (off).
constexpr uint8_t WithBits(uint8_t value, uint8_t mask, bool on)
{
    return on ? uint8_t(value | mask) : uint8_t(value & ~mask);
}

// ------------------------------------------------- operating mode (OpMode)

constexpr uint8_t OpModeLineEditBit = 0x01;
constexpr uint8_t OpModeMaskInputBit = 0x02;
constexpr uint8_t OpModeHostModeMask = 0xF0; // keypad definition only

inline constexpr char TrueTerminalModeCaption[] =
    QT_TRANSLATE_NOOP("Encodings", "True Terminal Mode *");
inline constexpr char LineEditModeCaption[] = QT_TRANSLATE_NOOP("Encodings", "Line Edit Mode *");
inline constexpr char MaskInputCaption[] =
    QT_TRANSLATE_NOOP("Encodings", "Mask (hide) user input *");
inline constexpr char AutomatedScreenModeCaption[] =
    QT_TRANSLATE_NOOP("Encodings", "Automated Screen Mode");
inline constexpr char HostEchoCaption[] = QT_TRANSLATE_NOOP("Encodings", "Enable host data echo");

enum class TOperatingMode
{
    TrueTerminal,
    LineEdit,
    AutomatedScreen
};

// Automated Screen Mode (ScreenEnable) overrides the Line Edit bit.
constexpr TOperatingMode OperatingMode(uint8_t opMode, bool screenEnable)
{
    if (screenEnable)
        return TOperatingMode::AutomatedScreen;
    return (opMode & OpModeLineEditBit) ? TOperatingMode::LineEdit : TOperatingMode::TrueTerminal;
}

// What choosing a mode on the advanced dialog does: True Terminal and Line
// Edit set bit 0 and turn screen mode off; screen mode leaves OpMode alone.
void SelectOperatingMode(TAdvancedParams& params, TOperatingMode mode);

// ------------------------------------------------ LEDs (LEDBehavior)

// Value = green code * 16 + red code; codes 0..3.
enum class TLed
{
    Green,
    Red
};
constexpr int LedCodeCount = 4;

constexpr int GreenLedCode(uint8_t ledBehavior)
{
    return (ledBehavior >> 4) & 3;
}
constexpr int RedLedCode(uint8_t ledBehavior)
{
    return ledBehavior & 3;
}
constexpr int LedCode(uint8_t ledBehavior, TLed led)
{
    return led == TLed::Green ? GreenLedCode(ledBehavior) : RedLedCode(ledBehavior);
}
// Rebuilds the whole byte: bits 2, 3, 6 and 7 end up clear.
constexpr uint8_t MakeLedBehavior(int greenCode, int redCode)
{
    return uint8_t((greenCode & 3) * 16 + (redCode & 3));
}
// One LED choice on the advanced dialog; the byte is rebuilt from both LEDs.
constexpr uint8_t WithLedCode(uint8_t ledBehavior, TLed led, int code)
{
    return led == TLed::Green ? MakeLedBehavior(code, RedLedCode(ledBehavior))
                              : MakeLedBehavior(GreenLedCode(ledBehavior), code);
}

// Captions of codes 0..3 on the advanced dialog; hidHost: HostType 3 or 11.
QStringList AdvancedLedCaptions(TLed led, bool hidHost);
// Captions of codes 0..3 on the user properties dialog; hidHost: host mode 3 or 11.
QStringList UserLedCaptions(TLed led, bool hidHost);

// ------------------------------------------------ key roll-over (KeyRollOver)

QStringList RollOverCaptions(); // "1", "2"
// The shown choice: 1 shows "1", every other value "2".
constexpr int RollOverIndex(uint8_t keyRollOver)
{
    return keyRollOver == 1 ? 0 : 1;
}
constexpr uint8_t RollOverValue(int index)
{
    return index == 0 ? 1 : 2;
}

// ------------------------------------------------ baud rates (BaudRate, CardBaudRate)

// Code = position: "1200" .. "115.2k", "31.25k".
QStringList BaudRateCaptions();
constexpr int BaudRateCount = 9;

// ------------------------------------------------ serial word format

// Bit 7 chooses the layout of a host word format; the editor never changes it.
// Legacy:   bit 3 eight data bits, bit 0 two stop bits, bit 1 parity on,
//           bit 2 odd (else even). Mark and space cannot be expressed.
// Extended: bit 4 eight data bits, bit 3 two stop bits, bit 2 parity on,
//           bits 0..1 kind: 0 even, 1 odd, 2 space, 3 mark.
constexpr uint8_t ExtendedLayoutBit = 0x80;

enum class TWordLayout
{
    Legacy,
    Extended
};

// In the order of the parity radios.
enum class TParity
{
    None,
    Odd,
    Even,
    Mark,
    Space
};

struct TWordFormat
{
    int DataBits = 8;
    TParity Parity = TParity::None;
    int StopBits = 1;

    bool operator==(const TWordFormat& o) const
    {
        return DataBits == o.DataBits && Parity == o.Parity && StopBits == o.StopBits;
    }
};

// The layout of a host word format (WordFormat): bit 7.
constexpr TWordLayout HostWordLayout(uint8_t wordFormat)
{
    return (wordFormat & ExtendedLayoutBit) ? TWordLayout::Extended : TWordLayout::Legacy;
}

TWordFormat DecodeWordFormat(uint8_t wordFormat, TWordLayout layout);
// WordFormat, read in the layout its bit 7 selects.
inline TWordFormat DecodeHostWordFormat(uint8_t wordFormat)
{
    return DecodeWordFormat(wordFormat, HostWordLayout(wordFormat));
}
// CardWordFormat is always read in the extended layout.
inline TWordFormat DecodeCardWordFormat(uint8_t wordFormat)
{
    return DecodeWordFormat(wordFormat, TWordLayout::Extended);
}

// One radio of the word format: changes only that setting's bits; bit 7 and
// the unused bits stay. dataBits: 7 or 8 (anything but 7 counts as 8);
// stopBits: 1 or 2 (anything but 1 counts as 2). Mark and space parity in
// the legacy layout cannot be expressed and leave the value unchanged.
uint8_t WithDataBits(uint8_t wordFormat, TWordLayout layout, int dataBits);
uint8_t WithStopBits(uint8_t wordFormat, TWordLayout layout, int stopBits);
uint8_t WithParity(uint8_t wordFormat, TWordLayout layout, TParity parity);
// All three settings at once, in the given layout, on top of `wordFormat`.
uint8_t WithWordFormat(uint8_t wordFormat, TWordLayout layout, const TWordFormat& format);

QStringList DataBitsCaptions(); // "7", "8"
QStringList StopBitsCaptions(); // "1", "2"
QStringList ParityCaptions();   // by TParity: "None", "Odd", "Even", "Mark", "Space"

// The user properties dialog's four word formats (keypad definition, legacy).
QStringList UserWordFormatCaptions(); // "8,N,1", "7,N,1", "7,E,1", "7,O,1"
constexpr std::array<uint8_t, 4> UserWordFormatValues{8, 0, 2, 6};
// The item a stored value shows as: bit 3 set "8,N,1"; else bit 1 clear
// "7,N,1"; else bit 2 set "7,O,1"; else "7,E,1".
constexpr int UserWordFormatIndex(uint8_t wordFormat)
{
    if (wordFormat & 0x08)
        return 0;
    if (!(wordFormat & 0x02))
        return 1;
    return (wordFormat & 0x04) ? 3 : 2;
}
inline constexpr char UserWordFormatHint[] =
    QT_TRANSLATE_NOOP("Encodings", "Data bits, parity, # stop bits");

// ------------------------------------------------ host interface mode (HostType)

constexpr int HostModeDefault = 0;
constexpr int HostModeHidKeyboard = 3;
constexpr int HostModeEthernet = 4;
constexpr int HostModeCdc = 7;
constexpr int HostModeVirtualCom2 = 10;
constexpr int HostModeHidKeyboard2 = 11;

struct THostMode
{
    int Code;
    const char* Caption;
};

// The host mode choices from top to bottom, as the advanced dialog offers them.
inline constexpr std::array<THostMode, 6> HostModes{{
    {HostModeDefault,
     QT_TRANSLATE_NOOP("Encodings", "Default: Auto-detect between Mode 1 and Mode 2 ")},
    {HostModeHidKeyboard, QT_TRANSLATE_NOOP("Encodings", "Mode 3: USB HID PC Keyboard ")},
    {HostModeEthernet,
     QT_TRANSLATE_NOOP("Encodings", "Mode 4: Ethernet Virtual COM port (requires XPort)")},
    {HostModeCdc,
     QT_TRANSLATE_NOOP("Encodings", "Mode 7: USB CDC Class Virtual COM port ... v5.60+")},
    {HostModeVirtualCom2,
     QT_TRANSLATE_NOOP("Encodings",
                       "Mode 10: Alternate USB OstrellaPro Virtual COM port  (USB FS) ... v6.16+")},
    {HostModeHidKeyboard2,
     QT_TRANSLATE_NOOP("Encodings",
                       "Mode 11: Alternate USB HID PC Keyboard (MultiMedia, USB FS) ... v6.16+")},
}};
// The user properties dialog offers the same without Ethernet.
inline constexpr std::array<int, 5> UserHostModes{HostModeDefault, HostModeHidKeyboard, HostModeCdc,
                                                  HostModeVirtualCom2, HostModeHidKeyboard2};

// The two plain labels under the Default choice.
inline constexpr char HostMode1Label[] =
    QT_TRANSLATE_NOOP("Encodings", "-- Mode 1: RS-232 serial (physical DB-9 COM port) ");
inline constexpr char HostMode2Label[] =
    QT_TRANSLATE_NOOP("Encodings", "-- Mode 2: USB OstrellaPro Virtual COM port  ");
inline constexpr char CdcSerialNoHint[] = QT_TRANSLATE_NOOP("Encodings", "Required v5.60+");

// The HID keyboard modes, which change the LED captions.
constexpr bool IsHidHost(int hostMode)
{
    return hostMode == HostModeHidKeyboard || hostMode == HostModeHidKeyboard2;
}
// The CDC serial number applies in mode 7 only.
constexpr bool UsesCdcSerialNo(int hostMode)
{
    return hostMode == HostModeCdc;
}

// The choice the advanced dialog shows for a stored HostType: its own code
// when it has a choice, else Default. The stored value is not changed.
int ShownHostMode(int hostType);
// Position of the shown choice in HostModes.
int HostModeIndex(int hostType);
// The caption of the shown choice.
QString HostModeCaption(int hostType);

// Keypad definition: the host mode sits in the high nibble of OpMode. A
// nibble other than 3, 7, 10 or 11 shows as Default.
int UserHostMode(uint8_t opMode);
// The user properties dialog rebuilds the whole OpMode byte.
constexpr uint8_t MakeUserOpMode(bool lineEdit, bool maskInput, int hostMode)
{
    return uint8_t((lineEdit ? OpModeLineEditBit : 0) | (maskInput ? OpModeMaskInputBit : 0) |
                   ((hostMode & 0x0F) << 4));
}

// ------------------------------------------------ LCD (LcdSize, CursorStyle, ...)

constexpr uint8_t LcdSizeOneLine = 16;
constexpr uint8_t LcdSizeTwoLines = 32;
inline constexpr char LcdOneLineCaption[] =
    QT_TRANSLATE_NOOP("Encodings", "1 line x 16 characters");
inline constexpr char LcdTwoLinesCaption[] =
    QT_TRANSLATE_NOOP("Encodings", "2 lines x 16 characters");
// Every value but 16 is a two-line display.
constexpr bool IsOneLineLcd(uint8_t lcdSize)
{
    return lcdSize == LcdSizeOneLine;
}

constexpr uint8_t CursorUnderlineBit = 0x02;
constexpr uint8_t CursorBlockBit = 0x01;
inline constexpr char CursorUnderlineCaption[] =
    QT_TRANSLATE_NOOP("Encodings", "Enable cursor underline");
inline constexpr char CursorBlockCaption[] = QT_TRANSLATE_NOOP("Encodings", "Enable cursor block");

constexpr uint8_t ScrollBit = 0x02;
constexpr uint8_t WrapBit = 0x01;
inline constexpr char ScrollCaption[] =
    QT_TRANSLATE_NOOP("Encodings", "Enable scroll (True Terminal mode only)");
inline constexpr char WrapCaption[] =
    QT_TRANSLATE_NOOP("Encodings", "Enable wrap (True Terminal mode only)");

inline constexpr char LcdXlateCaption[] =
    QT_TRANSLATE_NOOP("Encodings", "Enable Line Edit LCD character translation");
constexpr bool LcdXlateOn(uint8_t lcdXlate)
{
    return lcdXlate != 0;
}
constexpr uint8_t LcdXlateValue(bool on)
{
    return on ? 1 : 0;
}

constexpr TRange LcdBrightnessRange{0, 9, 1};
inline constexpr char LcdBrightnessMinCaption[] = QT_TRANSLATE_NOOP("Encodings", "Off");
inline constexpr char LcdBrightnessMaxCaption[] = QT_TRANSLATE_NOOP("Encodings", "Maximum");

// StartScreen 0..7 = "Screen 1".."Screen 8", 8 = "Demo".
QStringList StartScreenCaptions();
constexpr uint8_t StartScreenDemo = 8;

// ------------------------------------------------ card reader

constexpr uint8_t CardTypeNone = 0;
constexpr uint8_t CardTypeBarcode = 1;
constexpr uint8_t CardTypeMagnetic = 2;
constexpr uint8_t CardTypeWedge = 3;

// By FormCardType: "None", "Barcode/RFID", "Magnetic Card", "Ext. Wedge".
QStringList CardTypeCaptions();
// The user properties dialog offers no wedge.
QStringList UserCardTypeCaptions();

// DeviceType set with a card type choice: 0, 129, 129, 2. Bit 7 is the
// packetize bit of the external wedge.
constexpr uint8_t DeviceTypePacketizeBit = 0x80;
constexpr uint8_t DeviceTypePassThru = 2;
constexpr uint8_t DeviceTypePacketize = 130;
constexpr uint8_t DeviceTypeForCardType(int cardType)
{
    switch (cardType) {
    case CardTypeBarcode:
    case CardTypeMagnetic:
        return 129;
    case CardTypeWedge:
        return DeviceTypePassThru;
    default:
        return 0;
    }
}
constexpr uint8_t DeviceTypeForWedgeMode(bool packetize)
{
    return packetize ? DeviceTypePacketize : DeviceTypePassThru;
}
// Which wedge mode the dialog shows: for the wedge, the packetize bit; for
// every other card type, packetize.
constexpr bool ShowsPacketize(uint8_t formCardType, uint8_t deviceType)
{
    return formCardType != CardTypeWedge || (deviceType & DeviceTypePacketizeBit) != 0;
}
inline constexpr char WedgeModeLabel[] = QT_TRANSLATE_NOOP("Encodings", "Wedge Mode:");
inline constexpr char WedgePacketizeCaption[] =
    QT_TRANSLATE_NOOP("Encodings", "Packetize (Ext device must xmit STX/ETX)");
inline constexpr char WedgePassThruCaption[] =
    QT_TRANSLATE_NOOP("Encodings", "Non-packetized (data pass-thru)");

// The page of the barcode/RFID reader is named after the wedge for card type 3.
QString CardPageTitle(uint8_t formCardType);
// Its four delimiter labels: prefix, start, end, suffix (CardStartDelim,
// CardPrefix, CardSuffix, CardEndDelim).
QStringList CardDelimiterCaptions(uint8_t formCardType);

// CardTracks: bit 0 track 1, bit 1 track 2.
constexpr uint8_t CardTrack1Bit = 0x01;
constexpr uint8_t CardTrack2Bit = 0x02;
// The advanced dialog rebuilds the byte; the other bits become 0.
constexpr uint8_t MakeCardTracks(bool track1, bool track2)
{
    return uint8_t((track1 ? CardTrack1Bit : 0) | (track2 ? CardTrack2Bit : 0));
}
// The user properties dialog sets and clears bits 0 and 1 only.
constexpr uint8_t WithCardTracks(uint8_t cardTracks, bool track1, bool track2)
{
    return WithBits(WithBits(cardTracks, CardTrack1Bit, track1), CardTrack2Bit, track2);
}

// ------------------------------------------------ framing characters

// A framing character is a code in decimal; 0 disables it.
constexpr TRange CharCodeRange{0, 255, 1};
// The user dialog's barcode start and end characters (enabled separately).
constexpr TRange UserCardCharRange{1, 255, 1};

inline constexpr char DisableCharNote[] =
    QT_TRANSLATE_NOOP("Encodings", "NOTE: To disable a character, set it's value to zero.");
inline constexpr char MagCardNote[] = QT_TRANSLATE_NOOP(
    "Encodings", "NOTE: All values decimal. To disable a character, set it's value to zero.");
inline constexpr char ScreenCharNote[] =
    QT_TRANSLATE_NOOP("Encodings", "NOTE: To disable a character, set it's value to 0.");
inline constexpr char KeypadDataFormat[] =
    QT_TRANSLATE_NOOP("Encodings", "DATA FORMAT:  <prefix><start><keypad_data><tail><suffix>");
inline constexpr char CardDataFormat[] =
    QT_TRANSLATE_NOOP("Encodings", "DATA FORMAT:  <prefix><start><card_data><end><suffix>");
inline constexpr char MagCardDataFormat[] = QT_TRANSLATE_NOOP(
    "Encodings", "DATA FORMAT:  <prefix><start><card_data/field seps><end><suffix>");

// Names of the sentinel replacement codes 0..127, index = code: "NONE",
// "SOH".."US", "Space", the printable characters, "DEL".
QStringList SentinelNames();
constexpr int SentinelNameCount = 128;
// The name of one code; empty outside 0..127.
QString SentinelName(int code);

// ------------------------------------------------ card post-processing (EcrMode)

constexpr int32_t EcrEnableBit = 0x8000;
constexpr int32_t EcrConcatenateBit = 0x0100;
constexpr int32_t EcrSuppressZerosBit = 0x0080;
constexpr int32_t EcrPrependZerosBit = 0x0040;
constexpr int32_t EcrTrack2Bit = 0x0010;
constexpr int32_t EcrFieldMask = 0x000F;
constexpr int EcrFieldCount = 16;

constexpr bool EcrEnabled(int32_t ecrMode)
{
    return (ecrMode & EcrEnableBit) != 0;
}
// 0: track 1, 1: track 2.
constexpr int EcrTrackIndex(int32_t ecrMode)
{
    return (ecrMode & EcrTrack2Bit) ? 1 : 0;
}
// 0..15: "Field 1".."Field 16".
constexpr int EcrFieldIndex(int32_t ecrMode)
{
    return ecrMode & EcrFieldMask;
}

// Setting a bit keeps the rest; clearing one also clears bits 16 to 31,
// which have no meaning.
constexpr int32_t EcrWithBit(int32_t ecrMode, int32_t bit, bool on)
{
    return on ? int32_t(uint32_t(ecrMode) | uint32_t(bit))
              : int32_t(uint32_t(ecrMode) & ~uint32_t(bit) & 0xFFFFu);
}
// The track list: index 1 sets bit 4, anything else clears it.
constexpr int32_t EcrWithTrack(int32_t ecrMode, int index)
{
    return EcrWithBit(ecrMode, EcrTrack2Bit, index == 1);
}
// The field list: index 0..15 goes into bits 0..3 and clears bits 16 to 31.
// Any other index (the list's empty last entry, no entry) is not a field
// and leaves the value unchanged.
constexpr int32_t EcrWithField(int32_t ecrMode, int index)
{
    if (index < 0 || index >= EcrFieldCount)
        return ecrMode;
    return int32_t((uint32_t(ecrMode) & 0xFFF0u) | uint32_t(index));
}

inline constexpr char EcrEnableCaption[] =
    QT_TRANSLATE_NOOP("Encodings", "Enable card post-processing options (advanced users only).");
inline constexpr char EcrTrackLabel[] = QT_TRANSLATE_NOOP("Encodings", "Select card track: ");
inline constexpr char EcrFieldLabel[] = QT_TRANSLATE_NOOP("Encodings", "Select card field: ");
inline constexpr char EcrSuppressZerosLabel[] =
    QT_TRANSLATE_NOOP("Encodings", "Suppress leading zeroes: ");
inline constexpr char EcrSuppressZerosCaption[] =
    QT_TRANSLATE_NOOP("Encodings", " \u00b7\u00b7\u00b7 Remove leading 0's from card.");
inline constexpr char EcrPrependZerosLabel[] =
    QT_TRANSLATE_NOOP("Encodings", "Prepend 00 to card data: ");
inline constexpr char EcrPrependZerosCaption[] =
    QT_TRANSLATE_NOOP("Encodings", " \u00b7\u00b7\u00b7 Add two 0's before card data.");
inline constexpr char EcrConcatenateLabel[] =
    QT_TRANSLATE_NOOP("Encodings", "Concatenate key data: ");
inline constexpr char EcrConcatenateNote1[] =
    QT_TRANSLATE_NOOP("Encodings", "\u00b7\u00b7\u00b7 Append key data after card data. ");
inline constexpr char EcrConcatenateNote2[] =
    QT_TRANSLATE_NOOP("Encodings", "            (Requires screen mode)");
inline constexpr char EcrStringLabel[] = QT_TRANSLATE_NOOP("Encodings", "Remove this card suffix:");

// "Track 1 (MCR/BCR/RFID)", "Track 2 (MCR only)".
QStringList EcrTrackCaptions();
// The field list: "Field 1" .. "Field 16" (the ninth written "Field 9 ") and
// an empty seventeenth entry.
QStringList EcrFieldCaptions();

// EcrString: the card suffix that post-processing removes.
constexpr int EcrStringMaxLength = 8;

// ------------------------------------------------ times (milliseconds)

constexpr TRange MessageHoldRange{10, 10000, 1}; // TSignOnHold, TCardReadHold
constexpr TRange BeepRange{0, 2500, 1};          // TBeepChirp, TBeepError, TBeepCardOK; 0 = off
constexpr TRange KeyClickRange{0, 250, 2};
constexpr TRange CharacterPacingRange{0, 200, 2};
constexpr TRange DownloadDelayRange{0, 100, 1};
constexpr TRange CdcSerialNoRange{0, 9999, 1};

// ------------------------------------------------ screens

// Screen action codes.
constexpr uint8_t ActionNothing = 0;
constexpr uint8_t ActionGoToScreen1 = 1; // 1..8: go to screen 1..8
constexpr uint8_t ActionGoToScreen8 = 8;
constexpr uint8_t ActionBeep = 9;
constexpr uint8_t ActionEraseOne = 10;
constexpr uint8_t ActionEraseAll = 11;
constexpr uint8_t ActionAcceptKeyData = 12;
constexpr int ActionCodeCount = 13;

constexpr bool IsGoToScreenAction(int code)
{
    return code >= ActionGoToScreen1 && code <= ActionGoToScreen8;
}

// The action fields of a screen; each offers its own range of codes.
enum class TScreenActionField
{
    Timeout,
    CardSwipe,
    UserData,
    Enter,
    UserFull,
    BackNormal,
    BackEmpty,
    ClearNormal,
    ClearEmpty
};

// Caption of an action code 0..12; empty for any other.
QString ActionCaption(int code);
// The list a field offers, item index = code: card swipe 0..8, user data
// 0..12, ENTER and data-full 0..11 and an empty entry for 12, the others 0..11.
QStringList ActionItems(TScreenActionField field);

// LedModes: green * 10 + red, each 0 off, 1 on, 2 flashing.
enum TLedMode : uint8_t
{
    LedOff = 0,
    LedOn = 1,
    LedFlashing = 2
};
constexpr int GreenLedMode(uint8_t ledModes)
{
    return ledModes / 10;
}
constexpr int RedLedMode(uint8_t ledModes)
{
    return ledModes % 10;
}
constexpr uint8_t MakeLedModes(int green, int red)
{
    return uint8_t(green * 10 + red);
}
QStringList LedModeCaptions(); // "Off", "On", "Flashing"

// TimeoutPeriod; files cap larger values at the maximum.
constexpr TRange TimeoutPeriodRange{1, 60000, 1000};

// An underscore in a screen's text reserves one position of the input field.
constexpr char16_t UserFieldChar = u'_';

} // namespace Encodings
