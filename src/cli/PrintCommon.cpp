#include "cli/PrintCommon.h"

#include <QFileInfo>

namespace {

QtMessageHandler gQtHandler = nullptr;

// Qt's notes about the desktop session (no runtime folder on a server, say)
// mean nothing for a command that writes a file; everything else is passed on.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtDebugMsg || type == QtInfoMsg ||
        message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    if (gQtHandler)
        gQtHandler(type, context, message);
    else
        Error(qFormatLogMessage(type, context, message));
}

} // namespace

TPrintSession::TPrintSession()
{
    gQtHandler = qInstallMessageHandler(QuietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    fApp = std::make_unique<QGuiApplication>(fArgc, fArgv);
}

bool LoadForPrint(TCliMode mode, const QString& path, TPrintInput& input)
{
    mode = ModeFor(mode, path);
    input.Kind = mode == TCliMode::Rom ? TReportKind::Rom : TReportKind::User;
    const TLoadResult loaded = LoadDefinition(input.State, mode, path);
    QStringList lines;
    const int status = CheckLoad(loaded, path, false, lines);
    Errors(lines);
    if (status != ExitOk)
        return false;
    input.NumberOfKeys = loaded.NumberOfKeys;
    return true;
}

QString OutputKind(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("pdf") || suffix == QLatin1String("svg") ? suffix : QString();
}
