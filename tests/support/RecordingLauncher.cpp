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
    const bool ok = QFileInfo(path).isFile();
    Calls.push_back({QStringLiteral("open"), path, QString(), ok});
    return ok;
}

bool TRecordingLauncher::RunAndWait(const QString& program,
                                    const std::function<void()>& whileWaiting)
{
    const bool ok = QFileInfo(program).isFile();
    Calls.push_back({QStringLiteral("wait"), program, QString(), ok});
    if (!ok)
        return false;
    if (WhileRunning)
        WhileRunning();
    for (int i = 0; i < ChecksWhileRunning; ++i)
        if (whileWaiting)
            whileWaiting();
    return true;
}
