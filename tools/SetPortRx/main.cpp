#include "PortText.h"
#include "SerialPorts.h"
#include "SetPortWindow.h"
#include "platform/Folders.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>

#include <cstring>
#include <memory>

namespace {
// Exit statuses of the command-line modes.
constexpr int Done = 0;
constexpr int WriteRefused = 1;
constexpr int BadArguments = 2;

int listPorts()
{
    QTextStream out(stdout);
    for (const PortEntry& port : SerialPorts::list()) {
        out << port.name << '\t'
            << (port.number > 0 ? QString::number(port.number) : QStringLiteral("-")) << '\t'
            << SerialPorts::comType(port) << '\t' << port.description << '\n';
    }
    return Done;
}
} // namespace

int main(int argc, char* argv[])
{
    // The command-line modes need no window, so they work without a display.
    bool windowed = true;
    for (int i = 1; i < argc; ++i) {
        for (const char* option :
             {"--list", "--port", "--keyboard", "--type", "--show", "--help", "-h"}) {
            if (!std::strncmp(argv[i], option, std::strlen(option)))
                windowed = false;
        }
    }
    std::unique_ptr<QCoreApplication> app(windowed ? new QApplication(argc, argv)
                                                   : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("SetPortRx"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Chooses the keypad's serial port, or keyboard mode, for the editor's "
                       "Download and Test. Without options it shows a window."));
    parser.addHelpOption();
    const QCommandLineOption listOption(
        QStringLiteral("list"),
        QStringLiteral("List the serial ports: name, number, U or R, description."));
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("Choose this port (a name or a number)."),
                                        QStringLiteral("port"));
    const QCommandLineOption keyboardOption(
        QStringLiteral("keyboard"),
        QStringLiteral("Keyboard mode; with --port: the keypad may also be in keyboard mode."));
    const QCommandLineOption typeOption(
        QStringLiteral("type"), QStringLiteral("Record the port as USB (U) or classic serial (R)."),
        QStringLiteral("U|R"));
    const QCommandLineOption showOption(QStringLiteral("show"),
                                        QStringLiteral("Show the current choice."));
    parser.addOptions({listOption, portOption, keyboardOption, typeOption, showOption});
    parser.process(*app);

    const QString settingsPath = Folders::PortSettingsFile();
    QTextStream err(stderr);

    if (parser.isSet(listOption))
        return listPorts();
    if (parser.isSet(showOption)) {
        QTextStream(stdout) << QDir::toNativeSeparators(settingsPath) << ": "
                            << DescribePort(TLoaderSettings(settingsPath).ReadPortChoice()) << '\n';
        return Done;
    }
    if (parser.isSet(portOption) || parser.isSet(keyboardOption)) {
        TLoaderPortChoice choice;
        if (parser.isSet(portOption)) {
            PortEntry port;
            QString error;
            if (!SerialPorts::resolve(parser.value(portOption), SerialPorts::list(), port, error)) {
                err << error << '\n';
                return BadArguments;
            }
            choice.ComPort = port.number;
            choice.ComType = SerialPorts::comType(port);
            choice.bOstrellaK = parser.isSet(keyboardOption);
        } else {
            choice.ComPort = -1;
            choice.ComType = QStringLiteral("U");
            choice.bOstrellaK = true;
        }
        if (parser.isSet(typeOption)) {
            const QString type = parser.value(typeOption).toUpper();
            if (type != QLatin1String("U") && type != QLatin1String("R")) {
                err << "--type takes U (USB) or R (classic serial port).\n";
                return BadArguments;
            }
            choice.ComType = type;
        }
        const TSaveResult written = TLoaderSettings(settingsPath).WritePortChoice(choice);
        if (!written.Ok) {
            err << written.Message << '\n';
            return WriteRefused;
        }
        QTextStream(stdout) << DescribePort(choice) << '\n';
        return Done;
    }
    if (parser.isSet(typeOption)) {
        err << "--type goes with --port.\n";
        return BadArguments;
    }

    SetPortWindow window(settingsPath);
    window.exec();
    return Done;
}
