#include "files/GlobalParams.h"

#include <QLatin1String>

#include <iterator>
#include <type_traits>

namespace {

// A value read is stored as the setter's type takes it: the low eight bits
// for a byte, anything but 0 for a Boolean.
template <typename T> T As(int32_t value)
{
    if constexpr (std::is_same_v<T, bool>)
        return value != 0;
    else
        return static_cast<T>(value);
}

template <typename M> struct SetterArgument;
template <typename C, typename A> struct SetterArgument<void (C::*)(A)>
{
    using Type = A;
};

template <auto Getter> int32_t GetUser(const TKeypadClass& k)
{
    return int32_t((k.*Getter)());
}

template <auto Setter> void SetUser(TKeypadClass& k, int32_t value)
{
    (k.*Setter)(As<typename SetterArgument<decltype(Setter)>::Type>(value));
}

template <auto Field> int32_t GetRom(const TAdvancedParams& a)
{
    return int32_t(a.*Field);
}

template <auto Field> void SetRom(TAdvancedParams& a, int32_t value)
{
    a.*Field = As<std::remove_reference_t<decltype(a.*Field)>>(value);
}

// The ROM record has no enable flags: a character of 0 is not sent.
int32_t RomCardPrefixEnable(const TAdvancedParams& a)
{
    return a.CardPrefix != 0;
}

int32_t RomCardSuffixEnable(const TAdvancedParams& a)
{
    return a.CardSuffix != 0;
}

using K = TKeypadClass;
using A = TAdvancedParams;
using Kind = TGlobalKind;

// One parameter of both records: the key, how it is read, its read default
// (which differs from the reset values in places), and its two homes.
#define PARAM(key, kind, def, getter, field)                                                       \
    {                                                                                              \
        key, kind, def, NoMaximum, &GetUser<&K::getter>, &SetUser<&K::Set##getter>,                \
            &GetRom<&A::field>, &SetRom<&A::field>                                                 \
    }

const TGlobalParam Params[] = {
    {"MODEL_NUMBER", Kind::Model, 0, NoMaximum, nullptr, nullptr, nullptr, nullptr},
    {"APPL_VERSION", Kind::Version, 0, NoMaximum, nullptr, nullptr, nullptr, nullptr},
    {"Number_Of_Keys", Kind::KeyCount, 20, NoMaximum, nullptr, nullptr, nullptr, nullptr},
    PARAM("DOWNLOAD_DELAY", Kind::Integer, 0, DownloadDelay, DownloadDelay),
    {"MACRO_LENGTH", Kind::Constant, 2 * MacroCapacity, NoMaximum, nullptr, nullptr, nullptr,
     nullptr},
    {"LEVEL1_LENGTH", Kind::Constant, MacroCapacity, NoMaximum, nullptr, nullptr, nullptr, nullptr},
    PARAM("Key_Roll_Over", Kind::RollOver, 2, KeyRollOver, KeyRollOver),
    PARAM("Key_Click", Kind::Byte, 20, KeyClick, KeyClick),
    PARAM("Character_Pacing", Kind::Byte, 2, CharacterPacing, CharacterPacing),
    PARAM("LED_Function", Kind::Byte, 49, LEDBehavior, LEDBehavior),
    PARAM("Baud_Rate", Kind::Byte, 3, BaudRate, BaudRate),
    PARAM("Word_Format", Kind::Byte, 8, WordFormat, WordFormat),
    PARAM("Command_Prefix", Kind::Byte, 64, CmdPrefix, CmdPrefix),
    PARAM("Xon_Character", Kind::Byte, 17, XonChar, XonChar),
    PARAM("Xoff_Character", Kind::Byte, 19, XoffChar, XoffChar),
    PARAM("Operating_Mode", Kind::Byte, 1, OpMode, OpMode),
    PARAM("LineEdit_TailCharacter", Kind::Byte, 13, TailChar, TailChar),
    PARAM("CardReader_Type", Kind::Byte, 1, FormCardType, FormCardType),
    PARAM("CardReader_StartCharacter", Kind::Byte, 9, CardPrefix, CardPrefix),
    {"CardReader_StartCharacterEnable", Kind::Boolean, 0, NoMaximum, &GetUser<&K::CardPrefixEnable>,
     &SetUser<&K::SetCardPrefixEnable>, &RomCardPrefixEnable, nullptr},
    PARAM("CardReader_EndCharacter", Kind::Byte, 13, CardSuffix, CardSuffix),
    {"CardReader_EndCharacterEnable", Kind::Boolean, 1, NoMaximum, &GetUser<&K::CardSuffixEnable>,
     &SetUser<&K::SetCardSuffixEnable>, &RomCardSuffixEnable, nullptr},
    PARAM("CardReader_Tracks", Kind::Byte, 3, CardTracks, CardTracks),
    PARAM("CardReader_StartSentinel", Kind::Byte, 0, CardStartSentinel, CardStartSentinel),
    PARAM("CardReader_EndSentinel", Kind::Byte, 13, CardEndSentinel, CardEndSentinel),
    PARAM("CardReader_FieldSeparator", Kind::Byte, 9, CardFieldSeparator, CardFieldSeparator),
    PARAM("CardReader_BadSwipe", Kind::Byte, 33, CardBadSwipe, CardBadSwipe),
    // The user file clamps the serial number from above only; ROM files keep it.
    {"CDC_Serial_No", Kind::Integer, 1, 9999, &GetUser<&K::CdcSerialNo>,
     &SetUser<&K::SetCdcSerialNo>, &GetRom<&A::CdcSerialNo>, &SetRom<&A::CdcSerialNo>},
};

#undef PARAM

} // namespace

const TGlobalParam* GlobalParamsBegin()
{
    return std::begin(Params);
}

const TGlobalParam* GlobalParamsEnd()
{
    return std::end(Params);
}

const TGlobalParam* FindGlobalParam(QStringView key)
{
    for (const TGlobalParam& p : Params) {
        if (key.compare(QLatin1String(p.Key), Qt::CaseInsensitive) == 0)
            return &p;
    }
    return nullptr;
}
