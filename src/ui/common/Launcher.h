#pragma once

#include <QString>

#include <functional>

// Starting the sibling programs and opening documents goes through TLauncher.
// The installed instance starts real processes; tests install a recording
// one. The editor relies only on whether a start succeeded.
class TLauncher
{
public:
    virtual ~TLauncher() = default;

    // Starts `program` with `parameters` (one text, read as a command line
    // reads its arguments) and returns at once; the program runs on its own
    // and may outlive the editor. False when it could not be started.
    virtual bool StartProgram(const QString& program, const QString& parameters) = 0;

    // Opens the document `path` with the program the system associates with
    // it (a folder: in the file manager), without waiting. False when it
    // could not be opened.
    virtual bool OpenDocument(const QString& path) = 0;

    // Whether the system has a program for the kind of document `path` is.
    // Opening a document can report success although no program will show
    // it (the desktop's opener starts and fails on its own), so a caller
    // with another way to show the document asks first.
    virtual bool HasViewerFor(const QString& path)
    {
        Q_UNUSED(path);
        return true;
    }

    // Starts `program` without arguments and returns at once; `finished`
    // runs from the event loop when the program has ended (or can no longer
    // be watched). False when it could not be started; `finished` then
    // never runs.
    virtual bool StartWatched(const QString& program, std::function<void()> finished) = 0;
};

// The real one: QProcess for programs, QDesktopServices for documents.
class TQtLauncher : public TLauncher
{
public:
    bool StartProgram(const QString& program, const QString& parameters) override;
    bool OpenDocument(const QString& path) override;
    bool HasViewerFor(const QString& path) override;
    bool StartWatched(const QString& program, std::function<void()> finished) override;
};

namespace Launcher {

// The launcher in use. Until something is installed, a TQtLauncher.
TLauncher& Get();
// Installs `launcher` (not owned) and returns the one it replaces; nullptr
// returns to the Qt implementation.
TLauncher* Install(TLauncher* launcher);

// The file name of the sibling program `baseName` on this platform
// ("RxLoad.exe" on Windows, "RxLoad" elsewhere).
QString ProgramFileName(const QString& baseName);
// The sibling program `baseName` in the editor's program folder.
QString SiblingProgram(const QString& baseName);
// The document `fileName` in the editor's program folder.
QString SiblingDocument(const QString& fileName);

} // namespace Launcher
