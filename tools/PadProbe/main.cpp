#include "PadProbeWindow.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PadProbe"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows each key that a keypad in keyboard mode types, with its code."));
    parser.addHelpOption();
    parser.process(app);

    PadProbeWindow window;
    window.show();
    return app.exec();
}
