#include "platform/FileSystem.h"

#include <QFile>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <unistd.h>
#endif

namespace FileSystem {

#ifdef Q_OS_WIN

bool FlushToDisk(QFileDevice& file)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle);
}

bool ReplaceFile(const QString& from, const QString& to, QString& error)
{
    if (MoveFileExW(reinterpret_cast<const wchar_t*>(from.utf16()),
                    reinterpret_cast<const wchar_t*>(to.utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    error = qt_error_string(int(GetLastError()));
    return false;
}

bool KeepAside(const QString& existing, const QString& aside, QString& error)
{
    const auto* source = reinterpret_cast<const wchar_t*>(existing.utf16());
    const auto* target = reinterpret_cast<const wchar_t*>(aside.utf16());
    if (CreateHardLinkW(target, source, nullptr) || CopyFileW(source, target, TRUE))
        return true;
    error = qt_error_string(int(GetLastError()));
    return false;
}

#else

bool FlushToDisk(QFileDevice& file)
{
    // The data is what must be on disk before the rename; the rename itself
    // records the name.
#ifdef Q_OS_LINUX
    return ::fdatasync(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

bool ReplaceFile(const QString& from, const QString& to, QString& error)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    error = qt_error_string(errno);
    return false;
}

bool KeepAside(const QString& existing, const QString& aside, QString& error)
{
    if (::link(QFile::encodeName(existing).constData(), QFile::encodeName(aside).constData()) == 0)
        return true;
    // File systems without hard links: a copy keeps the old bytes just as well.
    QFile source(existing);
    if (source.copy(aside))
        return true;
    error = source.errorString();
    return false;
}

#endif

} // namespace FileSystem
