#pragma once

#include "files/FileResults.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The one place where files are written: every definition, image and
// settings file goes through here. A file is written whole to a temporary
// file beside its target, forced to disk, and then put in place in one step,
// so a failed write leaves the previous file as it was. A target that exists
// and is not a regular file (a folder, device, FIFO, socket, or a link to one)
// is never written. A link to a regular file is written through: the link
// stays.

struct TFileContent
{
    QString Path;
    QByteArray Bytes;
};

// Writes one file. The refusal names the path and, where the system gives
// one, the reason: "Unable to write to PATH: not a regular file."
TSaveResult CommitFile(const QString& path, const QByteArray& bytes);

// Writes several files as one: either every file holds its new bytes, or
// every file is as it was (byte for byte, or still missing). The refusal
// names the file that could not be written.
TSaveResult CommitFiles(const QList<TFileContent>& files);

// The refusal of a target that exists and is not a regular file (Ok
// otherwise), as a write would give it; for checks made before any write.
TSaveResult CheckWriteTarget(const QString& path);

// "Unable to write to PATH: REASON." ("Unable to write to PATH" without a reason).
QString WriteRefusal(const QString& path, const QString& reason);

// For tests only: called with each target just before it is put in place,
// so that a test can make that step fail. nullptr (the default) for none.
void SetBeforeReplaceHook(void (*hook)(const QString& target));
