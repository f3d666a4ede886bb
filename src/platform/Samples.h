#pragma once

#include <QString>
#include <QStringList>

// The sample definitions that come with the editor. They live in the folder
// "samples" beside the program, wherever it runs from: the install puts them
// into the program folder with the other files the editor opens from there,
// and the build copies the source tree's docs/samples beside the editor it
// builds, as it writes the manual there.
namespace Samples {

// The samples folder beside the program.
QString Folder();

// Every sample (*.ckd and *.rom), sorted by file name: the full paths. Empty
// when the folder is missing.
QStringList List();

// The text a menu shows for a sample: its file name.
QString DisplayName(const QString& path);

} // namespace Samples
