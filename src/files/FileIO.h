#pragma once

#include "model/AppState.h"

#include <QString>
#include <QStringList>

// Definition files (user .ckd, ROM .rom), the download image and the loader
// settings value. No widget code: every routine returns what the window
// needs to show or apply.

// The level key indices that a user file save records for the download image.
struct TLevelKeyIndices
{
    int ToggleKey1 = 128;
    int ToggleKey2 = 128;
    int ShiftKey1 = 128;
    int ShiftKey2 = 128;
    int AlphaKey = 255;
};

enum class TLoadStatus
{
    NoFile, // nothing exists at the path: nothing was touched
    Loaded, // the whole file was read and taken over
    Failed  // the file could not be read; the state is as it was
};

struct TLoadResult
{
    TLoadStatus Status = TLoadStatus::NoFile;
    QString Message;      // the error to show when Failed
    QStringList Warnings; // information messages to show after a successful load
    int NumberOfKeys = 20; // 12 or 20: the key layout the file asks for
};

struct TSaveResult
{
    bool Ok = false;
    QString Message; // the error to show when not Ok
};

// Decodes a code string into the selected macro of `definition`, from position 0.
void ParseCodeString(TKeypadClass& definition, const QString& text);

// The value of the first two characters of `text` as two hex digits.
int HexPairToByte(const QString& text);

// `path` with its last three characters replaced by "hex".
QString DownloadImagePath(const QString& definitionPath);

TLoadResult LoadUserFile(TAppState& state, const QString& path);
TSaveResult SaveUserFile(TAppState& state, const QString& path, int numberOfKeys,
                         const QString& version, TLevelKeyIndices& indices);

TLoadResult LoadRomFile(TAppState& state, const QString& path);
TSaveResult SaveRomFile(TAppState& state, const QString& path, int numberOfKeys,
                        const QString& version);

// Writes the image, then updates "DownloadDelay" in `loaderSettingsPath`
// (RxLoad.ini in the program folder) when its "ComPort" is not -1.
TSaveResult WriteDownloadImage(const TKeypadClass& definition, const TLevelKeyIndices& indices,
                               const QString& path, const QString& loaderSettingsPath);
