#include "app/CommandLine.h"
#include "model/AppState.h"
#include "ui/AppWindows.h"
#include "ui/main/Main.h"

#include <QApplication>

namespace {

QStringList rawArguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char* argv[])
{
    // --help, --version and a refused option end here, before the window
    // system is needed.
    const TCommandLine early = ParseCommandLine(rawArguments(argc, argv));
    if (early.Exit)
        return PrintCommandLineResult(early);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PadwrightRx"));

    TAppState state;
    // Again from Qt's own list, which holds file names in the system's encoding.
    const TCommandLine commandLine = ParseCommandLine(QApplication::arguments());

    // The windows, created once in their order, live until the program ends.
    TAppWindows windows(state, commandLine.Files);
    windows.Main().show();
    return app.exec();
}
