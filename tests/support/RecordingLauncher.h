#pragma once

#include "ui/common/Launcher.h"

#include <QString>

#include <functional>
#include <vector>

// A launcher for tests: records every start and opening, and succeeds
// exactly when the program or document exists on disk (tests put stand-in
// files into the program folder). Installed for its lifetime.
class TRecordingLauncher : public TLauncher
{
public:
    struct TCall
    {
        QString Kind; // "start", "open", "wait"
        QString Path;
        QString Parameters;
        bool Succeeded = false;
    };

    TRecordingLauncher();
    ~TRecordingLauncher() override;
    TRecordingLauncher(const TRecordingLauncher&) = delete;
    TRecordingLauncher& operator=(const TRecordingLauncher&) = delete;

    std::vector<TCall> Calls;
    // What a watched program does while it runs (for example, write the
    // loader settings as the port-setting program would). It ends right
    // after, before StartWatched returns.
    std::function<void()> WhileRunning;

    bool StartProgram(const QString& program, const QString& parameters) override;
    bool OpenDocument(const QString& path) override;
    bool StartWatched(const QString& program, std::function<void()> finished) override;

private:
    TLauncher* fPrevious = nullptr;
};
