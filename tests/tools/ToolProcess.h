#pragma once

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Runs a sibling program from the build folder in one of its command-line
// modes, with the documents folder pointed at a test folder.
struct ToolRun
{
    bool finished = false;
    int exitCode = -1;
    QString out;
    QString err;
};

inline QString toolPath(const QString& name)
{
#ifdef Q_OS_WIN
    return QDir(QStringLiteral(PADWRIGHT_TOOLS_DIR)).filePath(name + QStringLiteral(".exe"));
#else
    return QDir(QStringLiteral(PADWRIGHT_TOOLS_DIR)).filePath(name);
#endif
}

inline ToolRun runTool(const QString& name, const QStringList& arguments,
                       const QString& documentsDir)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PADWRIGHT_DOCUMENTS_DIR"), documentsDir);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(toolPath(name), arguments);
    ToolRun run;
    // The command-line modes end on their own; the limit only keeps a broken
    // build from stopping the suite.
    constexpr int GuardMs = 120000;
    run.finished = process.waitForFinished(GuardMs);
    if (!run.finished) {
        process.kill();
        process.waitForFinished();
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// The loader settings file in the data folder below `documentsDir`.
inline QString dataFolderSettings(const QString& documentsDir)
{
    return QDir(documentsDir).filePath(QStringLiteral("Halvorsten/OstrellaPro/RxLoad.ini"));
}
