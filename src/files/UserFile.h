#pragma once

#include "files/DownloadImage.h"
#include "files/FileResults.h"
#include "model/AppState.h"

#include <QByteArray>
#include <QString>

// The user definition file (.ckd) of USER Mode.

// Reads a user definition file into a fresh definition and takes it over
// (keeping the live definition's bViewInHex and modifier source) only when the
// whole file was read. ROM properties are not touched.
TLoadResult LoadUserFile(TAppState& state, const QString& path);
TLoadResult LoadUserFileData(TAppState& state, const QByteArray& bytes);

// The bytes a save writes to `path`: an existing file updated in place, so
// that every section and key the definition does not name stays. False when
// the existing file cannot be read. Records the level key indices.
bool MakeUserFile(const TKeypadClass& definition, const QString& path, int numberOfKeys,
                  const QString& version, QByteArray& bytes, TLevelKeyIndices& indices);

// Writes the definition alone to `path` in one step, updating an existing
// file in place. Records the level key indices for the download image.
TSaveResult SaveUserFile(const TAppState& state, const QString& path, int numberOfKeys,
                         const QString& version, TLevelKeyIndices& indices);

struct TUserSaveResult
{
    TSaveResult Pair;           // the definition and its image: both written, or neither
    TSaveResult LoaderSettings; // the download delay for the loader; Ok when nothing was due
    QString ImagePath;          // the download image beside the definition
};

// What Save does in USER Mode: refuses a name under which the image would
// get no name of its own, writes the definition to `path` and its download
// image beside it as one pair (when either cannot be written, both old files
// stay as they were), and then records the download delay in the loader
// settings at `loaderSettingsPath` (the program folder's; empty: none).
TUserSaveResult SaveUserDefinition(const TKeypadClass& definition, const QString& path,
                                   int numberOfKeys, const QString& version,
                                   const QString& loaderSettingsPath);
