#pragma once

#include <QString>

// Folders that the sibling programs share with the editor.
namespace RxFolders {
// The user's documents folder. The environment variable
// PADWRIGHT_DOCUMENTS_DIR, when set and not empty, takes its place.
QString documentsFolder();

// The editor's data folder: documents folder/Halvorsten/OstrellaPro.
QString dataFolder();

// The folder that holds the running program.
QString programFolder();

// The loader settings file "RxLoad.ini" in `folder`.
QString loaderSettingsPath(const QString& folder);

// The section of the loader settings file that holds the port choice.
inline constexpr const char* PortSection = "Com Port Configuration";
} // namespace RxFolders
