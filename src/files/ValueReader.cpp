#include "files/ValueReader.h"

#include "files/MessageText.h"

int32_t TValueReader::Integer(const QString& section, const QString& key, int32_t def)
{
    if (!fIni.ValueExists(section, key))
        return def;
    int32_t value = 0;
    if (TIniFile::ParseInteger(fIni.ReadString(section, key, QString()), value))
        return value;
    Warn(section, -1, -1,
         QStringLiteral("%1 is not a number; read as %2.").arg(Quote(section, key)).arg(def));
    return def;
}

uint8_t TValueReader::Byte(const QString& section, const QString& key, int32_t def)
{
    const int32_t value = Integer(section, key, def);
    const auto byte = static_cast<uint8_t>(static_cast<uint32_t>(value) & 0xFFu);
    if (value != byte)
        Warn(section, -1, -1,
             QStringLiteral("%1 does not fit in a byte; read as %2.")
                 .arg(Quote(section, key))
                 .arg(byte));
    return byte;
}

bool TValueReader::Boolean(const QString& section, const QString& key, bool def)
{
    return Integer(section, key, def ? 1 : 0) != 0;
}

int32_t TValueReader::AtMost(const QString& section, const QString& key, int32_t def,
                             int32_t maximum)
{
    const int32_t value = Integer(section, key, def);
    if (value <= maximum)
        return value;
    Warn(section, -1, -1,
         QStringLiteral("%1 is above %2; read as %2.").arg(Quote(section, key)).arg(maximum));
    return maximum;
}

QString TValueReader::String(const QString& section, const QString& key, const QString& def,
                             int keyIndex, int level)
{
    const qsizetype length = fIni.FullValueLength(section, key);
    if (length > TIniFile::MaxValueLength)
        Warn(section, keyIndex, level,
             QStringLiteral("%1 holds %2 characters; only the first %3 were read.")
                 .arg(key)
                 .arg(length)
                 .arg(TIniFile::MaxValueLength));
    return fIni.ReadString(section, key, def);
}

void TValueReader::Warn(const QString& section, int key, int level, const QString& text)
{
    fWarnings.append({section, key, level, text});
}

QString TValueReader::Quote(const QString& section, const QString& key) const
{
    return key + QLatin1Char('=') + MessageValue(fIni.ReadString(section, key, QString()));
}
