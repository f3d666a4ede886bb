#pragma once

#include "files/FileResults.h"
#include "model/KeypadClass.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// The download image: the keypad's configuration block, one byte per line,
// written beside every saved user definition.

// The level key indices that a user file save records for the download image.
struct TLevelKeyIndices
{
    int ToggleKey1 = 128;
    int ToggleKey2 = 128;
    int ShiftKey1 = 128;
    int ShiftKey2 = 128;
    int AlphaKey = 255;

    // Notes key `key` of type `type`, walking the keys upwards: the second
    // index of a kind ends up as the highest further key of it.
    void Record(int key, TKeyType type);
    // The indices of `definition` as a save records them.
    static TLevelKeyIndices Of(const TKeypadClass& definition);
};

// `path` with its last three characters replaced by "hex".
QString DownloadImagePath(const QString& definitionPath);

// Whether a user definition may be saved under this name: its image must get
// a name of its own beside it, so the name after the folder part must end in
// a dot and three characters, and must not end in "hex" (the image would
// replace the definition). Ok, or the refusal to show.
TSaveResult CheckDownloadImagePath(const QString& definitionPath);

// Appends one image line: the low eight bits of `value` as two upper-case
// hex digits in double quotes, then CR LF.
void WriteImageByte(QByteArray& image, int32_t value);

// The whole download image of `definition`.
QByteArray MakeDownloadImage(const TKeypadClass& definition, const TLevelKeyIndices& indices);

// Writes the image, then updates "DownloadDelay" in `loaderSettingsPath`
// (RxLoad.ini in the program folder) when its "ComPort" is not -1.
TSaveResult WriteDownloadImage(const TKeypadClass& definition, const TLevelKeyIndices& indices,
                               const QString& path, const QString& loaderSettingsPath);
