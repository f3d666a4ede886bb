// The ROM definition file reader: any bytes load or fail cleanly; a failed
// load leaves the state as it was, a loaded one keeps the ROM limits.
#include "FuzzCheck.h"

#include "files/FileIO.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TAppState state;
    state.AdvancedParams.EcrString = QStringLiteral("before");
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const TLoadResult result = LoadRomFileData(state, bytes);
    FUZZ_CHECK(PrintableMessages(result));
    if (result.Status != TLoadStatus::Loaded) {
        FUZZ_CHECK(result.ReadWarnings.isEmpty());
        FUZZ_CHECK(result.Status == TLoadStatus::Failed);
        FUZZ_CHECK(state.AdvancedParams.EcrString == QStringLiteral("before"));
        return 0;
    }

    const TAdvancedParams& a = state.AdvancedParams;
    FUZZ_CHECK(a == state.WorkingAdvancedParams);
    FUZZ_CHECK(a.EcrString.size() <= 8);
    FUZZ_CHECK(a.KeyRollOver == 1 || a.KeyRollOver == 2);
    FUZZ_CHECK(a.SignOnMsgLine1.size() >= 16);
    FUZZ_CHECK(a.LcdSize == 16 ? a.SignOnMsgLine2.isEmpty() : a.SignOnMsgLine2.size() >= 16);
    for (int i = 0; i < ScreenCount; ++i) {
        FUZZ_CHECK(state.ScreenData[size_t(i)] == state.WorkingScreenData[size_t(i)]);
        FUZZ_CHECK(state.ScreenData[size_t(i)].TimeoutPeriod <= 60000);
        FUZZ_CHECK(state.ScreenData[size_t(i)].TextLine1.size() >= 16);
    }
    return 0;
}
