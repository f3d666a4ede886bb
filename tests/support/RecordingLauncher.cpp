#include "support/RecordingLauncher.h"

#include <QFileInfo>

TRecordingLauncher::TRecordingLauncher() : fPrevious(Launcher::Install(this)) {}

TRecordingLauncher::~TRecordingLauncher()
{
    Launcher::Install(fPrevious);
}

bool TRecordingLauncher::StartProgram(const QString& program, const QString& parameters)
{
    const bool ok = QFileInfo(program).isFile();
    Calls.push_back({QStringLiteral("start"), program, parameters, ok});
    return ok;
}

bool TRecordingLauncher::OpenDocument(const QString& path)
{
    const bool ok = QFileInfo(path).isFile() || QFileInfo(path).isDir();
    Calls.push_back({QStringLiteral("open"), path, QString(), ok});
    return ok;
}

bool TRecordingLauncher::StartWatched(const QString& program, std::function<void()> finished)
{
    const bool ok = QFileInfo(program).isFile();
    Calls.push_back({QStringLiteral("wait"), program, QString(), ok});
    if (!ok)
        return false;
    if (WhileRunning)
        WhileRunning();
    if (finished)
        finished();
    return true;
}
