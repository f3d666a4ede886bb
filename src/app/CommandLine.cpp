#include "app/CommandLine.h"

#include "platform/Version.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

const char ProgramName[] = "PadwrightRx";

// Options that Qt's GUI application reads itself; they must not be refused.
const char* const QtValueOptions[] = {"platform",
                                      "platformpluginpath",
                                      "platformtheme",
                                      "plugin",
                                      "qmljsdebugger",
                                      "qwindowgeometry",
                                      "qwindowicon",
                                      "qwindowtitle",
                                      "style",
                                      "stylesheet",
                                      "session",
                                      "display",
                                      "geometry",
                                      "title",
                                      "name",
                                      "visual",
                                      "fn",
                                      "font",
                                      "bg",
                                      "background",
                                      "fg",
                                      "foreground",
                                      "btn",
                                      "button",
                                      "im",
                                      "inputstyle"};
const char* const QtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb",
                                     "sync",    "testability", "cmap"};

QString tr(const char* text)
{
    return QCoreApplication::translate("CommandLine", text);
}

void addQtOptions(QCommandLineParser& parser)
{
    for (const char* name : QtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : QtFlagOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

TCommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform); so are ours as -help.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        tr("Editor for the key definitions of the Ostrella Rx programmable keypads."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("file"),
        tr("A user definition file (.ckd) to open, in either mode. Put -- before a name "
           "that starts with a dash."),
        QStringLiteral("[file]"));
    addQtOptions(parser);

    TCommandLine result;
    const QString program = QString::fromLatin1(ProgramName);
    if (!parser.parse(arguments)) {
        result.Exit = true;
        result.ExitCode = 2;
        result.Error = QStringLiteral("%1: %2\n").arg(program, parser.errorText()) +
                       tr("Try '%1 --help' for more information.\n").arg(program);
        return result;
    }
    // --help-all (which Qt adds beside --help) prints the same text.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        result.Exit = true;
        // The usage line names the program as the user started it; ours is
        // the same everywhere.
        QString text = parser.helpText();
        const int end = text.indexOf(QLatin1Char('\n'));
        result.Output = tr("Usage: %1 [options] [file]").arg(program) + text.mid(end);
        return result;
    }
    if (parser.isSet(version)) {
        result.Exit = true;
        result.Output = QStringLiteral("%1 %2\n").arg(program, GetOurVersion());
        return result;
    }
    result.Files = parser.positionalArguments();
    return result;
}

int PrintCommandLineResult(const TCommandLine& result)
{
    std::fputs(result.Output.toLocal8Bit().constData(), stdout);
    std::fputs(result.Error.toLocal8Bit().constData(), stderr);
    std::fflush(stdout);
    return result.ExitCode;
}
