#include "model/Encodings.h"

#include "model/AdvancedClass.h"

#include <QCoreApplication>

namespace Encodings {

QString Caption(const char* text)
{
    return QCoreApplication::translate("Encodings", text);
}

namespace {

// The captions are the dialogs' texts: marked for translation here and
// translated when they are made (without a translation they stay as written).
#define CAPTION(text) QT_TRANSLATE_NOOP("Encodings", text)

template <std::size_t N> QStringList toList(const std::array<const char*, N>& texts)
{
    QStringList list;
    list.reserve(int(N));
    for (const char* text : texts)
        list.append(Caption(text));
    return list;
}

// Bits of the two word format layouts.
struct TWordBits
{
    uint8_t DataBits8;
    uint8_t StopBits2;
};
constexpr TWordBits LegacyBits{0x08, 0x01};
constexpr TWordBits ExtendedBits{0x10, 0x08};

constexpr uint8_t LegacyParityOn = 0x02;
constexpr uint8_t LegacyParityOdd = 0x04;
constexpr uint8_t ExtendedParityOn = 0x04;
constexpr uint8_t ExtendedParityKind = 0x03;
constexpr uint8_t ExtendedParityBits = ExtendedParityOn | ExtendedParityKind;

constexpr const TWordBits& bitsOf(TWordLayout layout)
{
    return layout == TWordLayout::Extended ? ExtendedBits : LegacyBits;
}

} // namespace

// ---------------------------------------------------------------- operating mode

void SelectOperatingMode(TAdvancedParams& params, TOperatingMode mode)
{
    switch (mode) {
    case TOperatingMode::TrueTerminal:
    case TOperatingMode::LineEdit:
        params.OpMode =
            WithBits(params.OpMode, OpModeLineEditBit, mode == TOperatingMode::LineEdit);
        params.ScreenEnable = false;
        break;
    case TOperatingMode::AutomatedScreen:
        params.ScreenEnable = true;
        break;
    }
}

// ---------------------------------------------------------------- LEDs

QStringList AdvancedLedCaptions(TLed led, bool hidHost)
{
    if (!hidHost)
        return toList<4>({CAPTION("Not Used"), CAPTION("Shift/Toggle Indicator"),
                          CAPTION("Under Host Control"), CAPTION("Power Indicator")});
    if (led == TLed::Green)
        return toList<4>({CAPTION("Not Used"), CAPTION("CapsLock Indicator"),
                          CAPTION("NumLock Indicator"), CAPTION("Power Indicator")});
    return toList<4>({CAPTION("Not Used"), CAPTION("CapsLock Indicator"),
                      CAPTION("NumLock Indicator"), CAPTION("Shift/Toggle Indicator")});
}

QStringList UserLedCaptions(TLed led, bool hidHost)
{
    if (!hidHost)
        return toList<4>({CAPTION("Off"), CAPTION("Level Indicator"), CAPTION("Host/Macro Control"),
                          CAPTION("Power Indicator")});
    if (led == TLed::Green)
        return toList<4>({CAPTION("Off"), CAPTION("CapsLock Indicator"),
                          CAPTION("NumLock Indicator"), CAPTION("Power Indicator")});
    return toList<4>({CAPTION("Off"), CAPTION("CapsLock Indicator"), CAPTION("NumLock Indicator"),
                      CAPTION("Level Indicator")});
}

// ---------------------------------------------------------------- simple lists

QStringList RollOverCaptions()
{
    return toList<2>({"1", "2"});
}

QStringList BaudRateCaptions()
{
    return toList<BaudRateCount>(
        {"1200", "2400", "4800", "9600", "19.2k", "38.4k", "57.6k", "115.2k", "31.25k"});
}

QStringList DataBitsCaptions()
{
    return toList<2>({"7", "8"});
}
QStringList StopBitsCaptions()
{
    return toList<2>({"1", "2"});
}
QStringList ParityCaptions()
{
    return toList<5>(
        {CAPTION("None"), CAPTION("Odd"), CAPTION("Even"), CAPTION("Mark"), CAPTION("Space")});
}
QStringList UserWordFormatCaptions()
{
    return toList<4>({"8,N,1", "7,N,1", "7,E,1", "7,O,1"});
}

QStringList StartScreenCaptions()
{
    QStringList list;
    for (int n = 1; n <= 8; ++n)
        list.append(Caption(CAPTION("Screen %1")).arg(n));
    list.append(Caption(CAPTION("Demo")));
    return list;
}

QStringList CardTypeCaptions()
{
    return toList<4>({CAPTION("None"), CAPTION("Barcode/RFID"), CAPTION("Magnetic Card"),
                      CAPTION("Ext. Wedge")});
}

QStringList UserCardTypeCaptions()
{
    return toList<3>({CAPTION("None"), CAPTION("Barcode/RFID"), CAPTION("Magnetic Card")});
}

QStringList LedModeCaptions()
{
    return toList<3>({CAPTION("Off"), CAPTION("On"), CAPTION("Flashing")});
}

// ---------------------------------------------------------------- word format

TWordFormat DecodeWordFormat(uint8_t wordFormat, TWordLayout layout)
{
    const TWordBits& bits = bitsOf(layout);
    TWordFormat format;
    format.DataBits = (wordFormat & bits.DataBits8) ? 8 : 7;
    format.StopBits = (wordFormat & bits.StopBits2) ? 2 : 1;
    if (layout == TWordLayout::Extended) {
        if (!(wordFormat & ExtendedParityOn)) {
            format.Parity = TParity::None;
        } else {
            static constexpr TParity kinds[4] = {TParity::Even, TParity::Odd, TParity::Space,
                                                 TParity::Mark};
            format.Parity = kinds[wordFormat & ExtendedParityKind];
        }
    } else {
        if (!(wordFormat & LegacyParityOn))
            format.Parity = TParity::None;
        else
            format.Parity = (wordFormat & LegacyParityOdd) ? TParity::Odd : TParity::Even;
    }
    return format;
}

uint8_t WithDataBits(uint8_t wordFormat, TWordLayout layout, int dataBits)
{
    return WithBits(wordFormat, bitsOf(layout).DataBits8, dataBits != 7);
}

uint8_t WithStopBits(uint8_t wordFormat, TWordLayout layout, int stopBits)
{
    return WithBits(wordFormat, bitsOf(layout).StopBits2, stopBits != 1);
}

uint8_t WithParity(uint8_t wordFormat, TWordLayout layout, TParity parity)
{
    if (layout == TWordLayout::Extended) {
        const uint8_t cleared = wordFormat & uint8_t(~ExtendedParityBits);
        switch (parity) {
        case TParity::None:
            return cleared;
        case TParity::Odd:
            return cleared | ExtendedParityOn | 0x01;
        case TParity::Even:
            return cleared | ExtendedParityOn;
        case TParity::Mark:
            return cleared | ExtendedParityOn | 0x03;
        case TParity::Space:
            return cleared | ExtendedParityOn | 0x02;
        }
        return wordFormat;
    }
    const uint8_t cleared = wordFormat & uint8_t(~(LegacyParityOn | LegacyParityOdd));
    switch (parity) {
    case TParity::None:
        return cleared;
    case TParity::Odd:
        return cleared | LegacyParityOn | LegacyParityOdd;
    case TParity::Even:
        return cleared | LegacyParityOn;
    case TParity::Mark:
    case TParity::Space:
        break; // not expressible in the legacy layout
    }
    return wordFormat;
}

uint8_t WithWordFormat(uint8_t wordFormat, TWordLayout layout, const TWordFormat& format)
{
    uint8_t value = WithDataBits(wordFormat, layout, format.DataBits);
    value = WithStopBits(value, layout, format.StopBits);
    return WithParity(value, layout, format.Parity);
}

// ---------------------------------------------------------------- host mode

int ShownHostMode(int hostType)
{
    for (const THostMode& mode : HostModes) {
        if (mode.Code == hostType)
            return hostType;
    }
    return HostModeDefault;
}

int HostModeIndex(int hostType)
{
    const int shown = ShownHostMode(hostType);
    for (std::size_t i = 0; i < HostModes.size(); ++i) {
        if (HostModes[i].Code == shown)
            return int(i);
    }
    return 0;
}

QString HostModeCaption(int hostType)
{
    return Caption(HostModes[std::size_t(HostModeIndex(hostType))].Caption);
}

int UserHostMode(uint8_t opMode)
{
    const int nibble = opMode >> 4;
    for (int mode : UserHostModes) {
        if (mode == nibble)
            return mode;
    }
    return HostModeDefault;
}

// ---------------------------------------------------------------- card reader

QString CardPageTitle(uint8_t formCardType)
{
    return formCardType == CardTypeWedge ? Caption(CAPTION("Ext. Wedge"))
                                         : Caption(CAPTION("Barcode/RFID"));
}

QStringList CardDelimiterCaptions(uint8_t formCardType)
{
    if (formCardType == CardTypeWedge)
        return toList<4>({CAPTION("External Wedge prefix character:"),
                          CAPTION("External Wedge start character: *"),
                          CAPTION("External Wedge end character: *"),
                          CAPTION("External Wedge suffix character:")});
    return toList<4>(
        {CAPTION("Barcode/RFID prefix character:"), CAPTION("Barcode/RFID start character: *"),
         CAPTION("Barcode/RFID end character: *"), CAPTION("Barcode/RFID suffix character:")});
}

QStringList SentinelNames()
{
    static constexpr const char* controlNames[32] = {
        "NONE", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS",  "TAB", "LF",
        "VT",   "FF",  "CR",  "SO",  "SI",  "DLE", "DC1", "DC2", "DC3", "DC4", "NAK",
        "SYN",  "ETB", "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};
    QStringList list;
    list.reserve(SentinelNameCount);
    for (const char* name : controlNames)
        list.append(QString::fromLatin1(name));
    list.append(QStringLiteral("Space"));
    for (char16_t c = 33; c <= 126; ++c)
        list.append(QString(QChar(c)));
    list.append(QStringLiteral("DEL"));
    return list;
}

QString SentinelName(int code)
{
    if (code < 0 || code >= SentinelNameCount)
        return QString();
    return SentinelNames().at(code);
}

// ---------------------------------------------------------------- post-processing

QStringList EcrTrackCaptions()
{
    return toList<2>({CAPTION("Track 1 (MCR/BCR/RFID)"), CAPTION("Track 2 (MCR only)")});
}

QStringList EcrFieldCaptions()
{
    QStringList list;
    for (int n = 1; n <= EcrFieldCount; ++n) {
        // The ninth entry carries a trailing blank in the device's own list.
        list.append(Caption(CAPTION("Field %1")).arg(n) +
                    (n == 9 ? QStringLiteral(" ") : QString()));
    }
    list.append(QString());
    return list;
}

// ---------------------------------------------------------------- screens

QString ActionCaption(int code)
{
    switch (code) {
    case ActionNothing:
        return Caption(CAPTION("Nothing"));
    case ActionBeep:
        return Caption(CAPTION("Beep"));
    case ActionEraseOne:
        return Caption(CAPTION("Erase one character"));
    case ActionEraseAll:
        return Caption(CAPTION("Erase all characters"));
    case ActionAcceptKeyData:
        return Caption(CAPTION("Accept key data"));
    default:
        if (IsGoToScreenAction(code))
            return Caption(CAPTION("Go to Screen %1")).arg(code);
        return QString();
    }
}

QStringList ActionItems(TScreenActionField field)
{
    int last = ActionEraseAll;
    bool emptyLast = false;
    switch (field) {
    case TScreenActionField::CardSwipe:
        last = ActionGoToScreen8;
        break;
    case TScreenActionField::UserData:
        last = ActionAcceptKeyData;
        break;
    case TScreenActionField::Enter:
    case TScreenActionField::UserFull:
        emptyLast = true;
        break;
    case TScreenActionField::Timeout:
    case TScreenActionField::BackNormal:
    case TScreenActionField::BackEmpty:
    case TScreenActionField::ClearNormal:
    case TScreenActionField::ClearEmpty:
        break;
    }
    QStringList items;
    for (int code = 0; code <= last; ++code)
        items.append(ActionCaption(code));
    if (emptyLast)
        items.append(QString());
    return items;
}

} // namespace Encodings
