#pragma once

#include "files/FileIO.h"

#include <QString>
#include <QStringList>

#include <cstdio>

// What the commands of padwright-cli share: exit statuses, output, the
// mode option and the reading of the command line.

enum ExitStatus
{
    ExitOk = 0,
    ExitWriteRefused = 1,
    ExitLoadFailed = 2 // also: the command line was not understood
};

enum class TCliMode
{
    Unset,
    User,
    Rom
};

void PrintTo(FILE* stream, const QString& text);
// One line on standard error.
void Error(const QString& text);

// The folder of this executable: the loader settings file lives beside it.
// main() records argv[0] first, for systems where it is the only clue.
void SetProgramArgument(const char* argv0);
QString ProgramFolder();

// Reports a load that did not succeed (and the warnings of one that did);
// returns true when the caller may go on.
bool CheckLoad(const TLoadResult& result, const QString& path);

// A command's arguments: options with a value ("--mode user" or
// "--mode=user"), flags ("--hex"), and the rest as files ("--" ends the options).
struct TCliArgs
{
    TCliMode Mode = TCliMode::Unset;
    QStringList Flags;                     // the flags given, as written
    QList<QPair<QString, QString>> Values; // other options with values, in order
    QStringList Files;
    QString Error; // why the command line was not understood; empty when it was

    bool Has(const QString& flag) const { return Flags.contains(flag); }
    QString Value(const QString& option) const;
};

// `flags`: the flags the command takes; `valueOptions`: its options that take
// a value besides "--mode", which every command accepts.
TCliArgs ParseArgs(const QStringList& args, const QStringList& flags,
                   const QStringList& valueOptions = {});

// Prints why the command line was not understood and the usage; returns ExitLoadFailed.
int UsageError(const QString& reason = QString());

// The mode a file is read in: `mode` when given, else ROM for a name ending
// in ".rom" and USER for any other.
TCliMode ModeFor(TCliMode mode, const QString& path);
// Reads `path` into `state` as Open does in `mode` (User or Rom).
TLoadResult LoadDefinition(TAppState& state, TCliMode mode, const QString& path);
