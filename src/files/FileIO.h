#pragma once

#include "model/AppState.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>

// Definition files (user .ckd, ROM .rom), the download image and the loader
// settings value. No widget code: every routine returns what the window
// needs to show or apply (the caption, layout, selection and change flag are
// the caller's business).

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
    QString Message;       // the error to show when Failed
    QStringList Warnings;  // information messages to show after a successful load
    int NumberOfKeys = 20; // 12 or 20: the key layout the file asks for
};

struct TSaveResult
{
    bool Ok = false;
    QString Message; // the error to show when not Ok
};

// Section and file names that other parts of the program share.
inline constexpr char LoaderSettingsFileName[] = "RxLoad.ini";
inline constexpr char LoaderSettingsSection[] = "Com Port Configuration";

// Decodes a code string into the selected macro of `definition`, from position 0.
void ParseCodeString(TKeypadClass& definition, const QString& text);

// The value of the first two characters of `text` as two hex digits (either
// letter case); -1 when they are not two hex digits.
int HexPairToByte(QStringView text);

// `path` with its last three characters replaced by "hex".
QString DownloadImagePath(const QString& definitionPath);

// A user definition saved under a name that ends in "hex" would be replaced
// by its own download image. Ok when the image gets a name of its own;
// otherwise the refusal to show ("Unable to write to" the image path).
TSaveResult CheckDownloadImagePath(const QString& definitionPath);

// Reads a user definition file into a fresh definition and takes it over
// (keeping the live definition's bViewInHex and modifier source) only when the
// whole file was read. ROM properties are not touched.
TLoadResult LoadUserFile(TAppState& state, const QString& path);
TLoadResult LoadUserFileData(TAppState& state, const QByteArray& bytes);

// Writes the definition to `path` in one step, updating an existing file in
// place. Records the level key indices for the download image.
TSaveResult SaveUserFile(TAppState& state, const QString& path, int numberOfKeys,
                         const QString& version, TLevelKeyIndices& indices);

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

// Appends one image line: the low eight bits of `value` as two upper-case
// hex digits in double quotes, then CR LF.
void WriteImageByte(QByteArray& image, int32_t value);

// The whole download image of `definition`.
QByteArray MakeDownloadImage(const TKeypadClass& definition, const TLevelKeyIndices& indices);

// Writes the image, then updates "DownloadDelay" in `loaderSettingsPath`
// (RxLoad.ini in the program folder) when its "ComPort" is not -1.
TSaveResult WriteDownloadImage(const TKeypadClass& definition, const TLevelKeyIndices& indices,
                               const QString& path, const QString& loaderSettingsPath);

// The loader settings part of WriteDownloadImage on its own. A missing file,
// or a "ComPort" of -1, leaves everything as it is.
TSaveResult UpdateLoaderSettings(const QString& loaderSettingsPath, int32_t downloadDelay);
