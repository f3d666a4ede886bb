#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString fromEnvironment(const char* name)
{
    return QDir::cleanPath(qEnvironmentVariable(name));
}

} // namespace

namespace Folders {

QString DocumentsFolder()
{
    if (qEnvironmentVariableIsSet("PADWRIGHT_DOCUMENTS_DIR"))
        return fromEnvironment("PADWRIGHT_DOCUMENTS_DIR");
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString ProgramFolder()
{
    if (qEnvironmentVariableIsSet("PADWRIGHT_PROGRAM_DIR"))
        return fromEnvironment("PADWRIGHT_PROGRAM_DIR");
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    // Without an application object (command-line helpers before it exists)
    // the executable's own link tells where it is.
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    return self.exists() ? QFileInfo(self.symLinkTarget()).absolutePath() : QDir::currentPath();
}

QString Join(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return name;
    return QDir(folder).filePath(name);
}

QString ForDisplay(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

bool EnsureFolder(const QString& path)
{
    if (QFileInfo(path).isDir())
        return true;
    // A fresh account may not have its documents folder yet: make it too.
    return QDir().mkpath(path);
}

} // namespace Folders
