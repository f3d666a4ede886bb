#pragma once

#include "files/FileResults.h"

#include <QString>

#include <cstdint>
#include <utility>

// The loader's settings file RxLoad.ini, section "Com Port Configuration".
// The port-setting program records the port choice in the copy in the data
// folder, which the editor's port panel, Test and the loader read; a save
// records the definition's download delay in the copy in the program folder.
inline constexpr char LoaderSettingsFileName[] = "RxLoad.ini";
inline constexpr char LoaderSettingsSection[] = "Com Port Configuration";

struct TLoaderPortChoice
{
    int32_t ComPort = 0;     // port number; -1 keyboard mode; 0 (or a missing file) not set
    QString ComType;         // "U" USB port, "R" classic serial port (DB9); empty when not recorded
    bool bOstrellaK = false; // the keypad may also be in keyboard mode
};

class TLoaderSettings
{
public:
    explicit TLoaderSettings(QString path) : fPath(std::move(path)) {}

    const QString& Path() const { return fPath; }

    // The port choice; a missing file or key gives the defaults above.
    TLoaderPortChoice ReadPortChoice() const;

    // "DownloadDelay" (0 when it is no number); false when the file has no such key.
    bool ReadDownloadDelay(int32_t& delay) const;

    // Writes the three port keys, creating the file (and its folder) when
    // needed and keeping every other line.
    TSaveResult WritePortChoice(const TLoaderPortChoice& choice) const;

    // Records the download delay, but only in a loader that is set up: a
    // missing file, or a "ComPort" that is missing or -1, is left as it is
    // (nothing is created). Ok then too.
    TSaveResult UpdateDownloadDelay(int32_t delay) const;

private:
    QString fPath;
};
