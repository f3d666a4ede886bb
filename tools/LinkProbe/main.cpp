#include "LinkProbeWindow.h"
#include "PortNumbers.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSerialPortInfo>
#include <QTextStream>

#include <cstring>
#include <memory>

int main(int argc, char* argv[])
{
    // Listing ports needs no window, so it works without a display.
    bool windowed = true;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--list") || !std::strcmp(argv[i], "--help") ||
            !std::strcmp(argv[i], "-h"))
            windowed = false;
    }
    std::unique_ptr<QCoreApplication> app(windowed ? new QApplication(argc, argv)
                                                   : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("LinkProbe"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows every byte that a keypad sends on a serial port."));
    parser.addHelpOption();
    const QCommandLineOption listOption(
        QStringLiteral("list"),
        QStringLiteral("List the serial ports with their port numbers and exit."));
    parser.addOption(listOption);
    parser.addPositionalArgument(
        QStringLiteral("port"),
        QStringLiteral("Port number (as the editor records it) or port name to open."));
    parser.process(*app);

    if (parser.isSet(listOption)) {
        QTextStream out(stdout);
        for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
            const int number = PortNumbers::numberForName(info.portName());
            out << info.portName() << '\t'
                << (number > 0 ? QString::number(number) : QStringLiteral("-")) << '\t'
                << info.description() << '\n';
        }
        return 0;
    }

    LinkProbeWindow window;
    window.show();
    const QStringList args = parser.positionalArguments();
    if (!args.isEmpty())
        window.openRequested(args.join(QLatin1Char(' ')));
    return app->exec();
}
