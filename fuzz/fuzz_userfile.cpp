// The user definition file reader: any bytes load or fail cleanly, and a
// loaded definition stays within the limits the image relies on.
#include "FuzzCheck.h"

#include "files/FileIO.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TAppState state;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const TLoadResult result = LoadUserFileData(state, bytes);
    FUZZ_CHECK(result.NumberOfKeys == 12 || result.NumberOfKeys == 20);
    FUZZ_CHECK(PrintableMessages(result));
    if (result.Status != TLoadStatus::Loaded) {
        FUZZ_CHECK(result.ReadWarnings.isEmpty());
        FUZZ_CHECK(result.Status == TLoadStatus::Failed);
        FUZZ_CHECK(result.Message.endsWith(QStringLiteral("' is not a valid integer value")));
        return 0;
    }

    TKeypadClass& d = state.KeypadDefinition;
    FUZZ_CHECK(d.KeyRollOver() == 1 || d.KeyRollOver() == 2);
    FUZZ_CHECK(d.CdcSerialNo() <= 9999);
    for (int key = 0; key < MaxKeys; ++key) {
        d.SetKey(key);
        for (int level = 0; level < MaxLevels; ++level) {
            d.SetLevel(level);
            FUZZ_CHECK(d.CodeCount() <= MacroCapacity + 2);
        }
    }
    // Every image line holds one byte.
    const QByteArray image = MakeDownloadImage(d, TLevelKeyIndices());
    FUZZ_CHECK(image.size() % 6 == 0);
    for (qsizetype i = 0; i < image.size(); i += 6)
        FUZZ_CHECK(image[i] == '"' && image[i + 3] == '"' && image[i + 4] == '\r' &&
                   image[i + 5] == '\n');
    return 0;
}
