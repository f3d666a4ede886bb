#pragma once

#include "model/AdvancedClass.h"
#include "model/KeypadClass.h"

// The ROM properties with their two copies. The working copies are what the
// advanced ROM properties dialog and the screen editor show and edit; the
// committed copies are what files are written from and read into. Every
// copy is a whole-record value copy; nothing is merged.
class TRomProperties
{
public:
    TRomProperties() { SetAdvancedDefaults(); }

    TAdvancedParams AdvancedParams;
    TAdvancedParams WorkingAdvancedParams;
    TScreenDataArray ScreenData;
    TScreenDataArray WorkingScreenData;

    // Reset values into the committed copies, then copy them to the working ones.
    void SetAdvancedDefaults();
    // Apply: working -> committed.
    void CommitAdvancedParams() { AdvancedParams = WorkingAdvancedParams; }
    // Cancel: committed -> working.
    void RevertAdvancedParams() { WorkingAdvancedParams = AdvancedParams; }
    void CommitScreenData() { ScreenData = WorkingScreenData; }
    void RevertScreenData() { WorkingScreenData = ScreenData; }
};

// The one application state: the keypad definition and the ROM properties
// with their working and committed copies. main() owns it; every window gets
// a reference. Tests make a fresh one per case.
class TAppState : public TRomProperties
{
public:
    TKeypadClass KeypadDefinition;
};
