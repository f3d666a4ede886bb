// Code strings: any text decodes into a macro that stays within its capacity
// and writes back as whole pairs.
#include "FuzzCheck.h"

#include "files/FileIO.h"

#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    TKeypadClass definition;
    definition.SetCmdPrefix(data[0]);
    definition.SetKey(data[0] % MaxKeys);
    definition.SetLevel(data[0] & 1);
    const QString text =
        QString::fromLatin1(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    ParseCodeString(definition, text);

    FUZZ_CHECK(definition.CodeCount() <= MacroCapacity + 2);
    const QString codes = definition.MakeCodes();
    FUZZ_CHECK(codes.size() == 2 * definition.CodeCount());
    for (qsizetype i = 0; i < codes.size(); i += 2)
        FUZZ_CHECK(HexPairToByte(codes.mid(i, 2)) >= 0);

    // Reading what was written gives the same bytes again.
    TKeypadClass again;
    again.SetCmdPrefix(data[0]);
    ParseCodeString(again, codes);
    FUZZ_CHECK(again.MakeCodes().size() <= codes.size());
    return 0;
}
