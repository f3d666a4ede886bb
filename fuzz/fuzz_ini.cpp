// The key=value file parser: any bytes parse, read and rewrite; rewriting is
// stable (what was written parses back to the same text).
#include "FuzzCheck.h"

#include "files/IniFile.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TIniFile ini = TIniFile::FromBytes(bytes);

    const QStringList sections = ini.SectionNames();
    int reads = 0;
    for (const QString& section : sections) {
        if (++reads > 64)
            break;
        const QString value = ini.ReadString(section, QStringLiteral("KeyType"), QString());
        FUZZ_CHECK(value.size() <= TIniFile::MaxValueLength);
        ini.ReadInteger(section, QStringLiteral("Level_1_Codes"), 0);
        ini.ReadBool(section, QStringLiteral("L1_AutoRepeat"), true);
    }
    int32_t number = 0;
    TIniFile::ParseInteger(TIniFile::DecodeWindows1252(bytes.left(64)), number);

    // Every byte survives a read and a write.
    FUZZ_CHECK(TIniFile::EncodeWindows1252(TIniFile::DecodeWindows1252(bytes)) == bytes);

    ini.WriteInteger(QStringLiteral("GLOBAL_PARAMETERS"), QStringLiteral("Key_Click"), 40);
    ini.WriteString(QStringLiteral("KEY0"), QStringLiteral("Level_1_Name"),
                    TIniFile::DecodeWindows1252(bytes.left(32)));
    const QByteArray written = ini.ToBytes();
    const TIniFile reread = TIniFile::FromBytes(written);
    FUZZ_CHECK(reread.ToBytes() == written);
    FUZZ_CHECK(reread.SectionNames() == ini.SectionNames());
    FUZZ_CHECK(reread.ReadInteger(QStringLiteral("global_parameters"), QStringLiteral("KEY_CLICK"),
                                  -1) == 40);
    return 0;
}
