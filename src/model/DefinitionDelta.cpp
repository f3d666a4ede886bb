#include "model/DefinitionDelta.h"

namespace {

// `macro` with its codes rewritten for a change of the prefix equals `target`.
bool SameAfterRewrite(const TMacroData& macro, uint8_t from, uint8_t to, const TMacroData& target)
{
    if (macro.Name != target.Name || macro.AutoRepeat != target.AutoRepeat ||
        macro.SendKeyNow != target.SendKeyNow || macro.Format != target.Format)
        return false;
    for (int i = 0; i < MacroSlots; ++i) {
        const int32_t v = macro.Values[size_t(i)];
        const int32_t w = target.Values[size_t(i)];
        if (v == -1 || w == -1)
            return v == w;
        if (CodeForPrefixChange(v, from, to) != w)
            return false;
    }
    return true;
}

std::size_t StringBytes(const QString& text)
{
    return text.isEmpty() ? 0 : std::size_t(text.capacity()) * sizeof(QChar) + 16;
}

std::size_t RecordBytes(const TMacroRecord& record)
{
    return record.Codes.capacity() * sizeof(int32_t) + StringBytes(record.Name);
}

std::size_t AdvancedBytes(const TAdvancedParams& a)
{
    return StringBytes(a.SignOnMsgLine1) + StringBytes(a.SignOnMsgLine2) +
           StringBytes(a.CardReadMsgLine1) + StringBytes(a.CardReadMsgLine2) +
           StringBytes(a.EcrString);
}

} // namespace

TMacroRecord TMacroRecord::Of(const TMacroData& macro)
{
    TMacroRecord record;
    const int n = ElementCount(macro);
    record.Codes.assign(macro.Values.begin(), macro.Values.begin() + n);
    record.Name = macro.Name;
    record.AutoRepeat = macro.AutoRepeat;
    record.SendKeyNow = macro.SendKeyNow;
    record.Format = macro.Format;
    return record;
}

TMacroData TMacroRecord::ToMacro() const
{
    TMacroData macro;
    macro.Values.fill(-1);
    std::copy(Codes.begin(), Codes.end(), macro.Values.begin());
    macro.Name = Name;
    macro.AutoRepeat = AutoRepeat;
    macro.SendKeyNow = SendKeyNow;
    macro.Format = Format;
    return macro;
}

TDefinitionImage TDefinitionImage::Of(const TAppState& state)
{
    return {state.KeypadDefinition, state.AdvancedParams, state.ScreenData};
}

TDefinitionDelta TDefinitionDelta::Between(const TDefinitionImage& before, const TAppState& after)
{
    TDefinitionDelta delta;
    const TKeypadClass& b = before.Definition;
    const TKeypadClass& a = after.KeypadDefinition;

    const TDeviceParams paramsBefore = b.DeviceParams();
    const TDeviceParams paramsAfter = a.DeviceParams();
    if (paramsBefore != paramsAfter)
        delta.fParams = std::make_pair(paramsBefore, paramsAfter);
    const uint8_t from = paramsBefore.CmdPrefix;
    const uint8_t to = paramsAfter.CmdPrefix;

    for (int key = 0; key < MaxKeys; ++key) {
        for (int level = 0; level < MaxLevels; ++level) {
            const TMacroData& mb = b.MacroAt(key, level);
            const TMacroData& ma = a.MacroAt(key, level);
            // With a new prefix, a macro the rewrite turns into its after and
            // back into its before needs nothing more than the prefix.
            const bool changed = from == to ? mb != ma
                                            : !SameAfterRewrite(mb, from, to, ma) ||
                                                  !SameAfterRewrite(ma, to, from, mb);
            if (changed)
                delta.fMacros.append({key, level, TMacroRecord::Of(mb), TMacroRecord::Of(ma)});
        }
        if (b.KeyTypeAt(key) != a.KeyTypeAt(key))
            delta.fKeyTypes.append({key, b.KeyTypeAt(key), a.KeyTypeAt(key)});
    }

    if (before.AdvancedParams != after.AdvancedParams)
        delta.fAdvanced = std::make_pair(before.AdvancedParams, after.AdvancedParams);
    for (int screen = 0; screen < ScreenCount; ++screen) {
        const TScreenDataRec& sb = before.ScreenData[size_t(screen)];
        const TScreenDataRec& sa = after.ScreenData[size_t(screen)];
        if (sb != sa)
            delta.fScreens.append({screen, sb, sa});
    }
    return delta;
}

int TDefinitionDelta::Parts() const
{
    return (fMacros.isEmpty() ? 0 : Macros) | (fKeyTypes.isEmpty() ? 0 : KeyTypes) |
           (fParams ? Params : 0) | (fAdvanced ? Advanced : 0) | (fScreens.isEmpty() ? 0 : Screens);
}

std::pair<int, int> TDefinitionDelta::OnlyMacro() const
{
    if (Parts() != Macros || fMacros.size() != 1)
        return {-1, -1};
    return {fMacros.first().Key, fMacros.first().Level};
}

void TDefinitionDelta::Apply(TKeypadClass& definition, bool after) const
{
    // The prefix first: the macros listed are then set whole, over what the
    // rewrite made of them.
    if (fParams) {
        const TDeviceParams& from = after ? fParams->first : fParams->second;
        const TDeviceParams& to = after ? fParams->second : fParams->first;
        definition.RewriteMacrosForPrefix(from.CmdPrefix, to.CmdPrefix);
        definition.SetDeviceParams(to);
    }
    for (const TMacroChange& change : fMacros)
        definition.SetMacroAt(change.Key, change.Level,
                              (after ? change.After : change.Before).ToMacro());
    for (const TKeyTypeChange& change : fKeyTypes)
        definition.SetKeyTypeAt(change.Key, after ? change.After : change.Before);
}

void TDefinitionDelta::Apply(TAppState& state, TDefinitionImage& image, bool after) const
{
    Apply(state.KeypadDefinition, after);
    Apply(image.Definition, after);
    if (fAdvanced) {
        const TAdvancedParams& params = after ? fAdvanced->second : fAdvanced->first;
        state.AdvancedParams = params;
        state.WorkingAdvancedParams = params;
        image.AdvancedParams = params;
    }
    for (const TScreenChange& change : fScreens) {
        const TScreenDataRec& screen = after ? change.After : change.Before;
        state.ScreenData[size_t(change.Screen)] = screen;
        state.WorkingScreenData[size_t(change.Screen)] = screen;
        image.ScreenData[size_t(change.Screen)] = screen;
    }
}

bool TDefinitionDelta::Merge(const TDefinitionDelta& later)
{
    const std::pair<int, int> mine = OnlyMacro();
    if (mine.first < 0 || later.OnlyMacro() != mine)
        return false;
    fMacros.first().After = later.fMacros.first().After;
    return true;
}

std::size_t TDefinitionDelta::MemoryUsage() const
{
    std::size_t bytes = sizeof(*this);
    bytes += std::size_t(fMacros.capacity()) * sizeof(TMacroChange);
    for (const TMacroChange& change : fMacros)
        bytes += RecordBytes(change.Before) + RecordBytes(change.After);
    bytes += std::size_t(fKeyTypes.capacity()) * sizeof(TKeyTypeChange);
    if (fAdvanced)
        bytes += AdvancedBytes(fAdvanced->first) + AdvancedBytes(fAdvanced->second);
    bytes += std::size_t(fScreens.capacity()) * sizeof(TScreenChange);
    for (const TScreenChange& change : fScreens)
        bytes += StringBytes(change.Before.TextLine1) + StringBytes(change.Before.TextLine2) +
                 StringBytes(change.After.TextLine1) + StringBytes(change.After.TextLine2);
    return bytes;
}
