#pragma once

#include <QStringList>

// The commands of padwright-cli; each takes the arguments after its name
// and returns the exit status.
int RunConvert(const QStringList& args);
int RunDump(const QStringList& args);
int RunCheck(const QStringList& args);
int RunDiff(const QStringList& args);
int RunLabels(const QStringList& args);
int RunSheet(const QStringList& args);

// The usage text that the commands share.
extern const char Usage[];
