#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

// Copies of what was downloaded, kept in the folder Backups of the data
// folder: before each download the file sent (the download image, or the ROM
// file) and its definition are copied there with the date and time in their
// names, and only the newest backups are kept. A backup is a definition file
// like any other and opens with Open.

using TClock = std::function<QDateTime()>;

struct TBackupResult
{
    bool Ok = false;
    QString Message;     // why no backup was made, for the user
    QStringList Written; // the files of the new backup
    QStringList Removed; // older backups deleted to keep the limit
};

class TBackups
{
public:
    static constexpr int DefaultKept = 50;

    // `kept`: how many backups to keep; 0 makes none. `clock` gives the time
    // a backup is named after; the system clock when empty.
    explicit TBackups(const QString& dataFolder, int kept = DefaultKept, TClock clock = {});

    QString Folder() const { return fFolder; }

    // One backup: `sentFile`, and `definitionFile` when it is another file,
    // both named "<definition name> <yyyy-MM-dd HH-mm-ss>.<their extension>"
    // (with " (2)" and so on after the time when that name is taken). Then
    // the oldest backups beyond the limit are deleted. When a file cannot be
    // read or written, nothing of this backup stays and nothing is deleted.
    TBackupResult Backup(const QString& sentFile, const QString& definitionFile = QString()) const;

    // The backups in the folder, newest first, each as the list of its files.
    QList<QStringList> List() const;

private:
    QStringList Prune() const;

    QString fFolder;
    int fKept;
    TClock fClock;
};
