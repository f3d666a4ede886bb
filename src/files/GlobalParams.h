#pragma once

#include "model/AdvancedClass.h"
#include "model/KeypadClass.h"

#include <QStringView>

#include <cstdint>
#include <limits>

// The section GLOBAL_PARAMETERS, which user and ROM files share: one row per
// key, in the order a new file is written. The readers, the writers and the
// loader's file check all go by this table.

enum class TGlobalKind : uint8_t
{
    Model,    // the program's name; written, not read
    Version,  // the version text; written, not read
    KeyCount, // 12 or 20: the key layout, not a parameter of either record
    Constant, // written as its Default; not read
    Integer,  // a 32-bit value
    Byte,     // the low eight bits of the value read
    RollOver, // a byte, then forced into 1..2
    Boolean   // an integer read; anything but 0 is true
};

struct TGlobalParam
{
    const char* Key;
    TGlobalKind Kind;
    int32_t Default; // the value a reader takes when the key is missing or unreadable
    // User files bring the value down to this; ROM files keep it.
    int32_t UserMaximum;
    int32_t (*GetUser)(const TKeypadClass&);
    void (*SetUser)(TKeypadClass&, int32_t);
    int32_t (*GetRom)(const TAdvancedParams&);
    void (*SetRom)(TAdvancedParams&, int32_t); // nullptr: ROM files do not read it

    // Whether a reader takes this key (with Default when it is unreadable).
    bool IsRead() const
    {
        return Kind != TGlobalKind::Model && Kind != TGlobalKind::Version &&
               Kind != TGlobalKind::Constant;
    }
};

inline constexpr char GlobalSectionName[] = "GLOBAL_PARAMETERS";
inline constexpr int32_t NoMaximum = std::numeric_limits<int32_t>::max();

// Every row, in writing order.
const TGlobalParam* GlobalParamsBegin();
const TGlobalParam* GlobalParamsEnd();

struct TGlobalParamRange
{
    const TGlobalParam* begin() const { return GlobalParamsBegin(); }
    const TGlobalParam* end() const { return GlobalParamsEnd(); }
};
inline TGlobalParamRange GlobalParams()
{
    return {};
}

// The row of `key` (any letter case); nullptr when the section has no such key.
const TGlobalParam* FindGlobalParam(QStringView key);
