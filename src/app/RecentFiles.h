#pragma once

#include <QString>
#include <QStringList>

#include <utility>

// The recently opened or saved definitions, one list per mode, kept in the
// settings file PadwrightRx.ini, section RECENT_FILES: User1..User10 for USER
// Mode, Rom1..Rom10 for ROM Edit Mode, newest first. Every write keeps the
// rest of the file as it is (section CONFIGURATION included) and writes all
// ten keys of the list, unused ones empty.
//
// Paths are kept absolute. A path that Windows-1252 cannot hold (the settings
// file's encoding) is kept as a percent-encoded file URL, so that it reads
// back exactly.
class TRecentFiles
{
public:
    enum class TKind
    {
        User,
        Rom
    };
    static constexpr int MaxEntries = 10;

    explicit TRecentFiles(QString settingsPath) : fPath(std::move(settingsPath)) {}

    // The list, newest first; empty values and repeats are skipped.
    QStringList Read(TKind kind) const;

    // Puts `path` at the top (moving it there when it is listed already) and
    // drops what falls beyond MaxEntries. False when the file could not be
    // written, or is there but unreadable.
    bool Add(TKind kind, const QString& path) const;
    bool Remove(TKind kind, const QString& path) const;
    bool Clear(TKind kind) const;

    // Removes the listed files that are no longer there and returns them, so
    // that the caller can name them to the user.
    QStringList RemoveMissing(TKind kind) const;

    // What the user is told when a listed file is gone (and so removed).
    static QString MissingFileMessage(const QString& path);

    // The same file by its absolute, cleaned path (letter case ignored on
    // Windows).
    static bool SamePath(const QString& a, const QString& b);

private:
    bool Write(TKind kind, const QStringList& paths) const;

    QString fPath;
};
