#pragma once

#include <QString>

// The port choice in the loader settings file RxLoad.ini, section
// "Com Port Configuration": what Set Port records and what the loader and
// the key testers use.
struct PortChoice
{
    int ComPort = 0;         // port number; -1 keyboard mode; 0 not set
    QString ComType;         // "U" USB port, "R" classic serial port
    bool bOstrellaK = false; // the keypad may also be in keyboard mode
};

namespace LoaderSettings {
// Reads the choice from `iniPath`; a missing file or key gives the
// defaults above (ComType empty).
PortChoice readPortChoice(const QString& iniPath);

// Writes the three keys into `iniPath`, creating the file (and its folder)
// when needed and keeping every other line of it. Returns false when the
// file cannot be written.
bool writePortChoice(const QString& iniPath, const PortChoice& choice);

// "DownloadDelay" from `iniPath`; `present` tells whether the key exists.
int readDownloadDelay(const QString& iniPath, bool& present);

// The choice as a person reads it: "COM3 (ttyS2), serial (DB9)",
// "keyboard mode", "not set".
QString describe(const PortChoice& choice);
} // namespace LoaderSettings
