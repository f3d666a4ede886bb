// padwright-cli: converts definition files the way the editor's Open and Save
// do, and prints a definition for a person to read.
//
// Exit status: 0 done, 1 a write was refused, 2 the input could not be loaded
// (or the command line was not understood). Messages go to standard error.
// check and diff have statuses of their own (see their files).
//
// No QCoreApplication: nothing here needs an event loop or plugins, and the
// converter is meant to be started many times from scripts. Only labels and
// sheet, which need fonts, make a QGuiApplication of their own.

#include "cli/CliCommon.h"
#include "cli/Commands.h"

#include "platform/Version.h"

const char Usage[] = "usage: padwright-cli convert --mode user|rom IN OUT\n"
                     "       padwright-cli dump [--mode user|rom] [--hex] [--sends] FILE\n"
                     "       padwright-cli check [--mode user|rom] [--json] FILE...\n"
                     "       padwright-cli diff [--mode user|rom] [--hex] A B\n"
                     "       padwright-cli labels [--mode user|rom] [--size WxH] [--paper a4|letter]\n"
                     "                            [--cut-marks] IN OUT.pdf|OUT.svg\n"
                     "       padwright-cli sheet [--mode user|rom] [--paper a4|letter] IN OUT.pdf\n"
                     "       padwright-cli --version\n";

namespace {

struct TCommand
{
    const char* Name;
    int (*Run)(const QStringList& args);
};

const TCommand Commands[] = {
    {"convert", RunConvert},
    {"dump", RunDump},
    {"check", RunCheck},
    {"diff", RunDiff},
    {"labels", RunLabels},
    {"sheet", RunSheet},
};

} // namespace

int main(int argc, char* argv[])
{
    SetProgramArgument(argv[0]);
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    if (args == QStringList{QStringLiteral("--version")}) {
        PrintTo(stdout, GetOurVersion() + QLatin1Char('\n'));
        return ExitOk;
    }
    if (args == QStringList{QStringLiteral("--help")} ||
        args == QStringList{QStringLiteral("-h")}) {
        PrintTo(stdout, QString::fromLatin1(Usage));
        return ExitOk;
    }
    if (args.isEmpty())
        return UsageError();

    const QString name = args.takeFirst();
    for (const TCommand& command : Commands)
        if (name == QLatin1String(command.Name))
            return command.Run(args);
    return UsageError(QStringLiteral("unknown command '%1'").arg(name));
}
