#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <iterator>
#include <windows.h>
#endif

namespace {

// A folder that only the tests set; empty when not set.
QString fromEnvironment(const char* name)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? QString() : QDir::cleanPath(value);
}

const QString LoaderSettingsName = QStringLiteral("RxLoad.ini");

QString documentsOrHome()
{
    const QString documents = Folders::DocumentsFolder();
    return documents.isEmpty() ? QDir::homePath() : documents;
}

} // namespace

namespace Folders {

QString DocumentsFolder()
{
    const QString overridden = fromEnvironment("PADWRIGHT_DOCUMENTS_DIR");
    if (!overridden.isEmpty())
        return overridden;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString ProgramFolder()
{
    const QString overridden = fromEnvironment("PADWRIGHT_PROGRAM_DIR");
    if (!overridden.isEmpty())
        return overridden;
    // Without an application object (the command line converter) the
    // system tells where the running executable is.
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
#ifdef Q_OS_WIN
    wchar_t path[32768];
    const DWORD length = GetModuleFileNameW(nullptr, path, DWORD(std::size(path)));
    if (length > 0 && length < std::size(path))
        return QFileInfo(QString::fromWCharArray(path, int(length))).absolutePath();
    return QDir::currentPath();
#else
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    return self.exists() ? QFileInfo(self.symLinkTarget()).absolutePath() : QDir::currentPath();
#endif
}

QString DataFolder()
{
    return Join(Join(documentsOrHome(), QStringLiteral("Halvorsten")),
                QStringLiteral("OstrellaPro"));
}

QString MacroFolder()
{
    return Join(DataFolder(), QStringLiteral("Macro_Files"));
}

QString KeyLabelFolder()
{
    return Join(DataFolder(), QStringLiteral("Keycap_Labels"));
}

QString SettingsFile()
{
    return Join(DataFolder(), QStringLiteral("PadwrightRx.ini"));
}

QString PortSettingsFile()
{
    return Join(DataFolder(), LoaderSettingsName);
}

QString DelaySettingsFile()
{
    return Join(ProgramFolder(), LoaderSettingsName);
}

QStringList MakeDataFolders()
{
    QStringList failed;
    const QString data = DataFolder();
    for (const QString& path : {Join(documentsOrHome(), QStringLiteral("Halvorsten")), data,
                                MacroFolder(), KeyLabelFolder()}) {
        if (!EnsureFolder(path))
            failed << path;
    }
    return failed;
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
