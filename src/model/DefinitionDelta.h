#pragma once

#include "model/AppState.h"

#include <QList>
#include <QString>

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

// What one edit changed in the definition and in the committed ROM
// properties: the before and after of each piece that differs, nothing else.
// Undo puts the befores back, redo the afters. The working ROM copies are the
// dialogs' scratch and follow the committed ones.

// One macro, only as long as its codes.
struct TMacroRecord
{
    std::vector<int32_t> Codes;
    QString Name;
    bool AutoRepeat = false;
    bool SendKeyNow = false;
    TStorageFormat Format = sfDefault;

    static TMacroRecord Of(const TMacroData& macro);
    TMacroData ToMacro() const;
};

struct TMacroChange
{
    int Key = 0;
    int Level = 0;
    TMacroRecord Before;
    TMacroRecord After;
};

struct TKeyTypeChange
{
    int Key = 0;
    TKeyType Before = ktNormal;
    TKeyType After = ktNormal;
};

struct TScreenChange
{
    int Screen = 0;
    TScreenDataRec Before;
    TScreenDataRec After;
};

// The parts of the application state that edits change and files hold.
struct TDefinitionImage
{
    TKeypadClass Definition;
    TAdvancedParams AdvancedParams;
    TScreenDataArray ScreenData;

    static TDefinitionImage Of(const TAppState& state);
};

class TDefinitionDelta
{
public:
    // Which parts a delta changes.
    enum TPart
    {
        Macros = 0x01,
        KeyTypes = 0x02,
        Params = 0x04,
        Advanced = 0x08,
        Screens = 0x10
    };

    // What differs between `before` and `after`. A change of the command
    // prefix is kept as the prefix itself: the macros it rewrote are not
    // stored, only those that the rewrite alone does not explain.
    static TDefinitionDelta Between(const TDefinitionImage& before, const TAppState& after);

    bool IsEmpty() const { return Parts() == 0; }
    int Parts() const;
    // The one macro this delta changes and nothing else; -1 key otherwise.
    std::pair<int, int> OnlyMacro() const;

    // Puts the afters (`after` true) or the befores into the state, its
    // working ROM copies, and the image that mirrors it.
    void Apply(TAppState& state, TDefinitionImage& image, bool after) const;
    void Apply(TKeypadClass& definition, bool after) const;

    // Folds a later delta of the same single macro into this one.
    bool Merge(const TDefinitionDelta& later);

    // Bytes held, with what the records point to.
    std::size_t MemoryUsage() const;

private:
    QList<TMacroChange> fMacros;
    QList<TKeyTypeChange> fKeyTypes;
    std::optional<std::pair<TDeviceParams, TDeviceParams>> fParams;
    std::optional<std::pair<TAdvancedParams, TAdvancedParams>> fAdvanced;
    QList<TScreenChange> fScreens;
};
