#include "ui/common/Launcher.h"

#include "platform/DesktopHandler.h"
#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace {

TLauncher* installedLauncher = nullptr;

// The waited-for program runs in a process group of its own, so that a
// signal meant for the editor's group (Ctrl+C in a terminal) does not reach it.
void ownProcessGroup(QProcess& process)
{
#if defined(Q_OS_UNIX)
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
#else
    Q_UNUSED(process);
#endif
}

} // namespace

bool TQtLauncher::StartProgram(const QString& program, const QString& parameters)
{
    QProcess process;
    process.setProgram(program);
#if defined(Q_OS_WIN)
    // Windows programs split their own command line: pass the text unchanged.
    process.setNativeArguments(parameters);
#else
    process.setArguments(QProcess::splitCommand(parameters));
#endif
    return process.startDetached();
}

bool TQtLauncher::OpenDocument(const QString& path)
{
    // The desktop's opener starts even for a missing file and reports
    // nothing back, so a missing file is caught here.
    const QFileInfo file(path);
    if (!file.isFile() && !file.isDir())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool TQtLauncher::HasViewerFor(const QString& path)
{
    return DesktopHandler::HasHandlerFor(path);
}

bool TQtLauncher::StartWatched(const QString& program, std::function<void()> finished)
{
    // Owned by the application: it outlives a window that closes meanwhile,
    // and a program still running when the editor ends is ended with it.
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProgram(program);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    ownProcessGroup(*process);
    QObject::connect(process, &QProcess::finished, process,
                     [process, finished = std::move(finished)] {
                         process->deleteLater();
                         if (finished)
                             finished();
                     });
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    return true;
}

namespace Launcher {

TLauncher& Get()
{
    static TQtLauncher qtLauncher;
    return installedLauncher ? *installedLauncher : qtLauncher;
}

TLauncher* Install(TLauncher* launcher)
{
    TLauncher* previous = installedLauncher;
    installedLauncher = launcher;
    return previous;
}

QString ProgramFileName(const QString& baseName)
{
#if defined(Q_OS_WIN)
    return baseName + QStringLiteral(".exe");
#else
    return baseName;
#endif
}

QString SiblingProgram(const QString& baseName)
{
    return Folders::Join(Folders::ProgramFolder(), ProgramFileName(baseName));
}

QString SiblingDocument(const QString& fileName)
{
    return Folders::Join(Folders::ProgramFolder(), fileName);
}

} // namespace Launcher
