#pragma once

#include "files/FileResults.h"
#include "model/AppState.h"

#include <QByteArray>
#include <QString>

// The ROM definition file (.rom) of ROM Edit Mode.

// Reads a ROM definition file into a fresh definition and fresh ROM records
// (committed and working copies) and takes them over when the whole file was
// read. A cut ECR string is reported in Warnings.
TLoadResult LoadRomFile(TAppState& state, const QString& path);
TLoadResult LoadRomFileData(TAppState& state, const QByteArray& bytes);

// Writes the definition and the committed ROM records. When the write
// succeeds, the committed LCD texts hold what was written (filled up to 16
// characters, second lines empty on a one-line LCD).
TSaveResult SaveRomFile(TAppState& state, const QString& path, int numberOfKeys,
                        const QString& version);
