#pragma once

#include "CheckReport.h"

#include <QString>
#include <QStringList>

// One run of the loader: the file it was given, what the check found, and
// the port it would use. It sends nothing.
struct LoadCheck
{
    QString path; // the file, without the quotes it came in
    bool readable = false;
    QString readError; // why the file could not be read
    CheckReport report;
    QStringList portLines;

    // 0: checked, no faults; 1: checked, faults found; 2: not readable.
    int exitStatus() const;
    // One line saying what the check found.
    QString headline() const;
    // The whole report as text.
    QString text() const;
};

// The path from the command line: the editor passes it in double quotes.
QString pathFromArguments(const QStringList& arguments);

// Reads and checks the file, and looks up the port.
LoadCheck checkFile(const QString& path);

// The sentence that ends every report.
QString nothingSentText();
