#pragma once

#include "report/KeyLabels.h"

#include <QString>

#include <cstdint>
#include <utility>

// The settings file PadwrightRx.ini in the data folder, section CONFIGURATION.
struct TAppSettingsValues
{
    int KeypadLayout = 2;        // 1 = 12 keys, 2 = 20 keys
    bool AdvancedEnable = false; // true = ROM Edit Mode
    uint8_t MidiChannel = 1;     // 1..16
    // Section BACKUPS, key Keep: how many backups of downloads to keep; 0
    // makes none.
    int BackupsKept = 50;
    // Section VIEW, key Preview: the pane "What the keypad sends" under the grid.
    bool PreviewShown = true;
};

class TAppSettings
{
public:
    explicit TAppSettings(QString path) : fPath(std::move(path)) {}

    const QString& Path() const { return fPath; }

    // All values, with their defaults and corrections: a layout other than 1
    // or 2 becomes 2; the channel keeps its low eight bits and becomes 1 when
    // that is 0 or above 16; a negative number of backups becomes 50. A
    // missing file or key gives the default.
    TAppSettingsValues Read() const;

    // Each write updates its one key and creates the file when needed; false
    // when the file could not be written.
    bool WriteKeypadLayout(int layout) const;
    bool WriteMidiChannel(uint8_t channel) const;
    bool WritePreviewShown(bool shown) const;

    // Section KEY_LABELS: the printed key labels' size, gap, cut marks,
    // paper and font. A missing or unusable value gives its default; sizes
    // are brought into their ranges and onto their steps.
    TKeyLabelSettings ReadKeyLabelSettings() const;
    // Updates the section's keys in one write; false when it failed.
    bool WriteKeyLabelSettings(const TKeyLabelSettings& settings) const;

private:
    QString fPath;
};
