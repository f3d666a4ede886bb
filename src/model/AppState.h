#pragma once

#include "model/AdvancedClass.h"
#include "model/KeypadClass.h"

// The one application state: the keypad definition and the ROM properties
// with their working and committed copies. main() owns it; every window gets
// a reference. Tests make a fresh one per case.
class TAppState
{
public:
    TAppState() { SetAdvancedDefaults(); }

    TKeypadClass KeypadDefinition;
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
