#pragma once

// Internal to src/files: the parts that user and ROM files share, the global
// section and the key sections.

#include "files/FileResults.h"
#include "files/GlobalParams.h"
#include "files/IniFile.h"

#include <QString>

struct TLevelKeyIndices;

inline const QString GlobalSection = QLatin1String(GlobalSectionName);
inline const QString AdvancedSection = QStringLiteral("ADVANCED_PARAMETERS");

QString ScreenSection(int screen); // 1..8
uint8_t Low8(int32_t value);

// "Unable to write to PATH".
QString WriteFailure(const QString& path);

// Reads the global section into one of the two records. Returns the number of
// keys the file asks for (12 or 20).
int ReadGlobals(const TIniFile& ini, TKeypadClass& definition, TReadWarnings& warnings);
int ReadGlobals(const TIniFile& ini, TAdvancedParams& advanced, TReadWarnings& warnings);

// Writes the global section from one of the two records.
void WriteGlobals(TIniFile& ini, const TKeypadClass& definition, int numberOfKeys,
                  const QString& version);
void WriteGlobals(TIniFile& ini, const TAdvancedParams& advanced, int numberOfKeys,
                  const QString& version);

// Reads every section that is not a global, advanced or screen section as a
// key section, in file order. Returns false with the load error at the first
// section whose name does not carry a number.
bool ReadKeySections(const TIniFile& ini, TKeypadClass& definition, QString& error,
                     TReadWarnings& warnings);

// Writes KEY0 to KEY19; records the level key indices when `indices` is given.
void WriteKeySections(TIniFile& ini, const TKeypadClass& definition, TLevelKeyIndices* indices);

// The existing file's text, so that a save keeps what it does not name.
bool OpenForUpdate(const QString& path, TIniFile& ini);

// NoFile, or Failed when the file is there but cannot be read.
bool ReadDefinitionFile(const QString& path, TIniFile& ini, TLoadResult& result);
