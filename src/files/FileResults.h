#pragma once

#include "files/ReadWarning.h"

#include <QString>
#include <QStringList>

// What the readers and writers of the definition files tell their callers.
// No widget code: the window or the command line decides how to show it.

enum class TLoadStatus
{
    NoFile, // nothing exists at the path: nothing was touched
    Loaded, // the whole file was read and taken over
    Failed  // the file could not be read; the state is as it was
};

struct TLoadResult
{
    TLoadStatus Status = TLoadStatus::NoFile;
    QString Message;      // the error to show when Failed
    QStringList Warnings; // information messages to show after a successful load (the ECR cut)
    // What the reader skipped, cut or ignored in a file that loaded. The ECR
    // cut is not repeated here: it is in Warnings, with its own message.
    TReadWarnings ReadWarnings;
    int NumberOfKeys = 20; // 12 or 20: the key layout the file asks for
};

struct TSaveResult
{
    bool Ok = false;
    QString Message; // the error to show when not Ok
};
