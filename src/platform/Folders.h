#pragma once

#include <QString>
#include <QStringList>

// Where the editor, its sibling programs and the command line find the
// user's documents, the data folder below them and their own executable.
// PADWRIGHT_DOCUMENTS_DIR and PADWRIGHT_PROGRAM_DIR, when set and not empty,
// replace the two folders; only the tests set them.
namespace Folders {

// The current user's documents folder (on Linux the XDG documents folder);
// empty when it cannot be determined.
QString DocumentsFolder();

// The folder of the program's own executable.
QString ProgramFolder();

// The data folder: documents folder/Halvorsten/OstrellaPro. Without a
// documents folder the home folder takes its place (the data would otherwise
// land in the file system's root).
QString DataFolder();
QString MacroFolder();    // data folder/Macro_Files
QString KeyLabelFolder(); // data folder/Keycap_Labels
QString SettingsFile();   // data folder/PadwrightRx.ini

// The loader settings file RxLoad.ini: the copy in the data folder holds the
// port choice; the copy in the program folder receives the download delay.
QString PortSettingsFile();
QString DelaySettingsFile();

// Makes the data folder, the folder above it and the two below it, as far
// as they are missing. Returns the folders that could not be made, in that
// order (empty when all is well).
QStringList MakeDataFolders();

// `folder` and `name` joined with one separator ('/' inside the program).
QString Join(const QString& folder, const QString& name);

// A path as the platform writes it, for showing to the user.
QString ForDisplay(const QString& path);

// Creates `path` (one level) when it does not exist; false when that fails.
bool EnsureFolder(const QString& path);

} // namespace Folders
