#pragma once

// Internal to src/files: reads values the way the initialisation-file rules
// say, and notes in the warnings whatever a value loses on the way (a text
// that is no number, bits that do not fit, a value brought into range, a
// string cut to the longest value a read returns).

#include "files/IniFile.h"
#include "files/ReadWarning.h"

class TValueReader
{
public:
    TValueReader(const TIniFile& ini, TReadWarnings& warnings) : fIni(ini), fWarnings(warnings) {}

    const TIniFile& Ini() const { return fIni; }

    int32_t Integer(const QString& section, const QString& key, int32_t def);
    // The low eight bits of the value.
    uint8_t Byte(const QString& section, const QString& key, int32_t def);
    bool Boolean(const QString& section, const QString& key, bool def);
    // An integer brought down to `maximum`.
    int32_t AtMost(const QString& section, const QString& key, int32_t def, int32_t maximum);
    // A string; `key` and `level` place a warning about a cut value.
    QString String(const QString& section, const QString& key, const QString& def,
                   int keyIndex = -1, int level = -1);

    void Warn(const QString& section, int key, int level, const QString& text);
    // "KEY=VALUE": the value as the file holds it, quoted for a message.
    QString Quote(const QString& section, const QString& key) const;

private:
    const TIniFile& fIni;
    TReadWarnings& fWarnings;
};
