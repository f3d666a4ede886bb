#include "RxFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace RxFolders {
QString documentsFolder()
{
    const QString overridden = qEnvironmentVariable("PADWRIGHT_DOCUMENTS_DIR");
    if (!overridden.isEmpty())
        return QDir::cleanPath(overridden);
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString dataFolder()
{
    return QDir::cleanPath(documentsFolder() + QStringLiteral("/Halvorsten/OstrellaPro"));
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString loaderSettingsPath(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("RxLoad.ini"));
}
} // namespace RxFolders
