#include "model/AppState.h"

void TRomProperties::SetAdvancedDefaults()
{
    AdvancedParams = DefaultAdvancedParams();
    for (int i = 0; i < ScreenCount; ++i)
        ScreenData[i] = DefaultScreenData(i + 1);

    WorkingAdvancedParams = AdvancedParams;
    for (int i = 0; i < ScreenCount; ++i)
        WorkingScreenData[i] = ScreenData[i];
}
