#pragma once

#include <QString>
#include <QStringList>

// The editor's command line: an optional definition file, --help and
// --version. Parsed before the window system starts, so that --help works
// in a terminal without a display and a refused option opens no window.
struct TCommandLine
{
    bool Exit = false; // print Output / Error and end with ExitCode
    int ExitCode = 0;  // 0 for --help and --version, 2 for a refused command line
    QString Output;    // for standard output
    QString Error;     // for standard error
    QStringList Files; // the file arguments; the first one is opened
};

// `arguments` as the program received them, the program name first. Qt's own
// window-system options (-platform NAME, -style NAME, -reverse, ...) are
// accepted and left to Qt.
TCommandLine ParseCommandLine(const QStringList& arguments);

// Prints Output and Error to their streams and returns ExitCode.
int PrintCommandLineResult(const TCommandLine& result);
