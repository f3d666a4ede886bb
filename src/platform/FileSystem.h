#pragma once

#include <QFileDevice>
#include <QString>

// The few file operations that Qt has no portable call for, which the
// atomic writes of src/files need.
namespace FileSystem {

// Forces what was written to the open `file` onto the disk; false when the
// system refuses.
bool FlushToDisk(QFileDevice& file);

// Renames `from` to `to` in one step, replacing an existing `to`. False with
// the system's reason in `error` when that fails.
bool ReplaceFile(const QString& from, const QString& to, QString& error);

// Gives the existing file a second name `aside` (a hard link), or, where the
// file system has no links, copies it there. `aside` must not exist.
bool KeepAside(const QString& existing, const QString& aside, QString& error);

} // namespace FileSystem
