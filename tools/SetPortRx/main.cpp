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
// The command-line modes need no window, so they work without a display.
bool needsWindow(int argc, char* argv[])
{
    bool windowed = true;
    for (int i = 1; i < argc; ++i) {
        for (const char* option :
             {"--list", "--port", "--keyboard", "--type", "--show", "--help", "-h"}) {
            if (!std::strncmp(argv[i], option, std::strlen(option)))
                windowed = false;
        }
    }
    return windowed;
}

struct Options
{
    QCommandLineOption list;
    QCommandLineOption port;
    QCommandLineOption keyboard;
    QCommandLineOption type;
    QCommandLineOption show;
};

Options addOptions(QCommandLineParser& parser)
{
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
    return {listOption, portOption, keyboardOption, typeOption, showOption};
}

// --port and --keyboard: records the choice in the settings file.
int writePortChoice(const QCommandLineParser& parser, const Options& options,
                    const QString& settingsPath)
{
    QTextStream err(stderr);
    TLoaderPortChoice choice;
    if (parser.isSet(options.port)) {
        PortEntry port;
        QString error;
        if (!SerialPorts::resolve(parser.value(options.port), SerialPorts::list(), port, error)) {
            err << error << '\n';
            return BadArguments;
        }
        choice.ComPort = port.number;
        choice.ComType = SerialPorts::comType(port);
        choice.bOstrellaK = parser.isSet(options.keyboard);
    } else {
        choice.ComPort = -1;
        choice.ComType = QStringLiteral("U");
        choice.bOstrellaK = true;
    }
    if (parser.isSet(options.type)) {
        const QString type = parser.value(options.type).toUpper();
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
} // namespace

int main(int argc, char* argv[])
{
    const bool windowed = needsWindow(argc, argv);
    std::unique_ptr<QCoreApplication> app(windowed ? new QApplication(argc, argv)
                                                   : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("SetPortRx"));

    QCommandLineParser parser;
    const Options options = addOptions(parser);
    parser.process(*app);

    const QString settingsPath = Folders::PortSettingsFile();
    if (parser.isSet(options.list))
        return listPorts();
    if (parser.isSet(options.show)) {
        QTextStream(stdout) << QDir::toNativeSeparators(settingsPath) << ": "
                            << DescribePort(TLoaderSettings(settingsPath).ReadPortChoice()) << '\n';
        return Done;
    }
    if (parser.isSet(options.port) || parser.isSet(options.keyboard))
        return writePortChoice(parser, options, settingsPath);
    if (parser.isSet(options.type)) {
        QTextStream(stderr) << "--type goes with --port.\n";
        return BadArguments;
    }

    SetPortWindow window(settingsPath);
    window.exec();
    return Done;
}
