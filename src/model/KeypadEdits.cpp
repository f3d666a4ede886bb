// Whole-key and whole-macro edits of the definition and its global
// parameters as one value: what the clipboard and undo put back.

#include "model/KeypadClass.h"

#include <tuple>
#include <utility>

namespace {

auto tied(const TDeviceParams& p)
{
    return std::tie(p.KeyRollOver, p.LEDBehavior, p.CharacterPacing, p.DownloadDelay, p.OpMode,
                    p.TailChar, p.KeyClick, p.CmdPrefix, p.BaudRate, p.WordFormat, p.XonChar,
                    p.XoffChar, p.FormCardType, p.CardPrefix, p.CardPrefixEnable, p.CardSuffix,
                    p.CardSuffixEnable, p.CardTracks, p.CardStartSentinel, p.CardEndSentinel,
                    p.CardFieldSeparator, p.CardBadSwipe, p.CdcSerialNo);
}

} // namespace

bool TDeviceParams::operator==(const TDeviceParams& other) const
{
    return tied(*this) == tied(other);
}

void TKeypadClass::RewriteMacrosForPrefix(uint8_t from, uint8_t to)
{
    if (from == to)
        return;
    for (auto& key : keys)
        for (auto& macro : key.Macro)
            for (int32_t& v : macro.Values) {
                if (v == -1)
                    break;
                v = CodeForPrefixChange(v, from, to);
            }
}

void TKeypadClass::SetMacroAt(int key, int level, const TMacroData& macro)
{
    if (key >= 0 && key < MaxKeys && level >= 0 && level < MaxLevels)
        keys[size_t(key)].Macro[size_t(level)] = macro;
}

void TKeypadClass::SetKeyTypeAt(int key, TKeyType type)
{
    if (key >= 0 && key < MaxKeys)
        keys[size_t(key)].KeyType = type;
}

void TKeypadClass::ClearKeyAt(int key)
{
    if (key < 0 || key >= MaxKeys)
        return;
    TKeyDataRec& rec = keys[size_t(key)];
    for (TMacroData& macro : rec.Macro) {
        macro.Values.fill(-1);
        macro.AutoRepeat = false;
        macro.SendKeyNow = false;
        macro.Name.clear();
    }
    rec.KeyType = ktNormal;
}

void TKeypadClass::SwapKeys(int a, int b)
{
    if (a >= 0 && a < MaxKeys && b >= 0 && b < MaxKeys)
        std::swap(keys[size_t(a)], keys[size_t(b)]);
}

TDeviceParams TKeypadClass::DeviceParams() const
{
    return fDevice;
}

void TKeypadClass::SetDeviceParams(const TDeviceParams& p)
{
    fDevice = p;
}
