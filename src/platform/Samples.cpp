#include "platform/Samples.h"

#include "platform/Folders.h"

#include <QDir>
#include <QFileInfo>

namespace Samples {

QString Folder()
{
    return Folders::Join(Folders::ProgramFolder(), QStringLiteral("samples"));
}

QStringList List()
{
    const QDir folder(Folder());
    QStringList paths;
    const QFileInfoList files =
        folder.entryInfoList({QStringLiteral("*.ckd"), QStringLiteral("*.rom")},
                             QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& file : files)
        paths << file.absoluteFilePath();
    return paths;
}

QString DisplayName(const QString& path)
{
    return QFileInfo(path).fileName();
}

} // namespace Samples
