#include "Loader.h"
#include "RxLoadWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

#include <cstring>
#include <memory>

int main(int argc, char* argv[])
{
    // The check on its own needs no window, so it works without a display.
    bool windowed = true;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--check") || !std::strcmp(argv[i], "--help") ||
            !std::strcmp(argv[i], "-h"))
            windowed = false;
    }
    std::unique_ptr<QCoreApplication> app(windowed ? new QApplication(argc, argv)
                                                   : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("RxLoad"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Checks a download image (.hex) or a ROM file (.rom) and shows what it holds and which "
        "port a download would use. It sends nothing to the keypad."));
    parser.addHelpOption();
    const QCommandLineOption checkOption(
        QStringLiteral("check"),
        QStringLiteral("Print the report and exit: status 0 for a file without faults, 1 for a "
                       "file with faults, 2 for a file that cannot be read."));
    parser.addOption(checkOption);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("The file to check, in double quotes or not."));
    parser.process(*app);

    const QString path = pathFromArguments(parser.positionalArguments());
    if (parser.isSet(checkOption)) {
        const LoadCheck result = checkFile(path);
        QTextStream(stdout) << result.text();
        return result.exitStatus();
    }

    RxLoadWindow window;
    window.show();
    window.check(path);
    if (path.isEmpty())
        window.chooseFile();
    return app->exec();
}
