#pragma once

#include <QString>

// Where the editor finds the user's documents and its own executable.
// PADWRIGHT_DOCUMENTS_DIR and PADWRIGHT_PROGRAM_DIR replace the two folders
// when set; only the tests set them.
namespace Folders {

// The current user's documents folder (on Linux the XDG documents folder);
// empty when it cannot be determined.
QString DocumentsFolder();

// The folder of the program's own executable.
QString ProgramFolder();

// `folder` and `name` joined with one separator ('/' inside the program).
QString Join(const QString& folder, const QString& name);

// A path as the platform writes it, for showing to the user.
QString ForDisplay(const QString& path);

// Creates `path` (one level) when it does not exist; false when that fails.
bool EnsureFolder(const QString& path);

} // namespace Folders
