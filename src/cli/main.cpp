// padwright-cli: converts definition files the way the editor's Open and Save
// do, and prints a definition for a person to read.
//
// Exit status: 0 done, 1 a write was refused, 2 the input could not be loaded
// (or the command line was not understood), 3 --strict and a warning.
// Messages go to standard error. check and diff have statuses of their own
// (see their files).
//
// No QCoreApplication: nothing here needs an event loop or plugins, and the
// converter is meant to be started many times from scripts. Only labels and
// sheet, which need fonts, make a QGuiApplication of their own.

#include "cli/CliCommon.h"
#include "cli/Commands.h"

#include "platform/Version.h"

const char Usage[] =
    "usage: padwright-cli convert --mode user|rom [--strict] IN OUT\n"
    "       padwright-cli convert --mode user|rom [--strict] --out-dir DIR IN...\n"
    "       padwright-cli dump [--mode user|rom] [--hex] [--sends] [--strict] FILE...\n"
    "       padwright-cli check [--mode user|rom] [--json] FILE...\n"
    "       padwright-cli diff [--mode user|rom] [--hex] A B\n"
    "       padwright-cli labels [--mode user|rom] [--size WxH] [--paper a4|letter]\n"
    "                            [--cut-marks] IN OUT.pdf|OUT.svg\n"
    "       padwright-cli sheet [--mode user|rom] [--paper a4|letter] IN OUT.pdf\n"
    "       padwright-cli --version\n"
    "       padwright-cli --help\n";

const char Help[] = "\n"
                    "Commands:\n"
                    "  convert  Reads IN as the editor's Open does and writes OUT as its Save\n"
                    "           does. In user mode it also writes OUT's download image beside\n"
                    "           it: OUT with its last three characters replaced by \"hex\", so\n"
                    "           OUT must end in a dot and three characters. The definition and\n"
                    "           the image are written both or neither, and the download delay\n"
                    "           goes to RxLoad.ini beside this program when that file is set up.\n"
                    "           With --out-dir every IN becomes DIR/NAME.ckd (user) or\n"
                    "           DIR/NAME.rom (rom); the files are converted in parallel, one\n"
                    "           failure does not stop the others, and a summary line follows.\n"
                    "  dump     Prints each FILE for a person to read: the global parameters\n"
                    "           with their meanings, and every key's macros as the grid shows\n"
                    "           them (--sends: also what each macro sends). The mode follows\n"
                    "           the extension unless --mode is given.\n"
                    "  check    Checks each FILE before a download; one line per finding\n"
                    "           (--json: one JSON document). Exit status 0 clean, 1 warnings,\n"
                    "           4 errors, 2 a file could not be read.\n"
                    "  diff     Compares two definitions as loaded. Exit status 0 the same,\n"
                    "           1 different, 2 a file could not be read.\n"
                    "  labels   Prints key labels at true size to a PDF or an SVG file: one\n"
                    "           label per key of the definition's layout, as many copies of\n"
                    "           the keypad as fit the paper. --size WxH in millimetres\n"
                    "           (8 to 30, default 14x14), --cut-marks adds cut marks.\n"
                    "  sheet    Writes a setup sheet to a PDF file: the file, the properties\n"
                    "           with their meanings, the screens (rom) and every key's macros.\n"
                    "\n"
                    "Options:\n"
                    "  --mode user|rom  read (and write) as USER Mode or ROM Edit Mode does\n"
                    "  --out-dir DIR    convert many files into DIR\n"
                    "  --strict         treat any warning about an input as an error: that\n"
                    "                   file is not written (or printed)\n"
                    "  --hex            dump: show the codes in hexadecimal\n"
                    "  --paper a4|letter  labels, sheet: the paper size (default a4)\n"
                    "\n"
                    "What a file held that did not come through as written (a key section\n"
                    "out of range, a value cut or not a number) is reported on standard\n"
                    "error as \"warning: FILE: ...\" lines; the file is still used.\n"
                    "\n"
                    "Exit status of convert and dump:\n"
                    "  0  done\n"
                    "  1  a write was refused\n"
                    "  2  an input could not be loaded, or the command line was not understood\n"
                    "  3  --strict, and an input had warnings\n"
                    "  With several files the highest status that applies is the result.\n";

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
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    if (args == QStringList{QStringLiteral("--version")}) {
        PrintTo(stdout, GetOurVersion() + QLatin1Char('\n'));
        return ExitOk;
    }
    if (args == QStringList{QStringLiteral("--help")} ||
        args == QStringList{QStringLiteral("-h")}) {
        PrintTo(stdout, QString::fromLatin1(Usage) + QString::fromLatin1(Help));
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
