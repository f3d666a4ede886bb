#pragma once

#include "model/KeypadClass.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <optional>

// The clipboard's own format: codes, a macro or a whole key, written with the
// code strings of the definition files and the command prefix they were
// written with, so that another editor (or a definition with another prefix)
// reads back what the keypad is to send. JSON, one object:
//   {"format": "padwright-codes", "version": 1, "kind": "codes"|"macro"|"key",
//    "prefix": 64, "keyType": 0,
//    "levels": [{"codes": "6162", "name": "", "autoRepeat": false,
//                "sendKeyNow": false}, ...]}
// "codes" and "macro" hold one level, "key" two.

inline constexpr char CodesMimeType[] = "application/x-padwright-codes";

enum class TClipKind
{
    Codes, // codes out of a macro: only Levels[0].Codes counts
    Macro, // one level with its name and flags
    Key    // both levels and the key type
};

struct TClipMacro
{
    QList<int32_t> Codes;
    QString Name;
    bool AutoRepeat = false;
    bool SendKeyNow = false;
};

struct TClipContent
{
    TClipKind Kind = TClipKind::Codes;
    uint8_t Prefix = 64; // the command prefix of the codes
    std::array<TClipMacro, MaxLevels> Levels{};
    TKeyType KeyType = ktNormal;
};

QByteArray EncodeClip(const TClipContent& content);
// Nothing for bytes that are not this format (or hold no usable content).
std::optional<TClipContent> DecodeClip(const QByteArray& bytes);

// What a clip holds, taken from a definition.
TClipContent ClipOfCodes(const TKeypadClass& definition, const QList<int32_t>& codes);
TClipContent ClipOfMacro(const TKeypadClass& definition, int key, int level);
TClipContent ClipOfKey(const TKeypadClass& definition, int key);

// `codes` written with the prefix `from`, as a definition with the prefix
// `to` holds them: the keypad sends the same bytes, and no plain byte equals
// the prefix.
QList<int32_t> CodesForPrefix(const QList<int32_t>& codes, uint8_t from, uint8_t to);
// Bytes the codes take on the keypad.
int32_t ByteCountOf(const QList<int32_t>& codes);

// The clip's macros replace a macro or a key of `definition`, converted to its
// prefix. False, with nothing changed, when a macro would grow past the
// capacity; Paste Macro takes the level of a key clip that it replaces.
bool PasteMacroInto(TKeypadClass& definition, int key, int level, const TClipContent& clip);
bool PasteKeyInto(TKeypadClass& definition, int key, const TClipContent& clip);

// The display texts of codes as the grid shows them, one blank between
// ("Dly 200 CR a b"); for a key, one line per level.
QString CodesText(const QList<int32_t>& codes, bool hexView);
QString ClipText(const TClipContent& content, bool hexView);
