#include "ui/common/FileDrop.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include <algorithm>

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("FileDrop", text);
}
} // namespace

bool CarriesFiles(const QMimeData& data)
{
    const QList<QUrl> urls = data.urls();
    return std::any_of(urls.cbegin(), urls.cend(), [](const QUrl& url) { return url.isLocalFile(); });
}

TFileDrop DroppedDefinition(const QMimeData& data, bool romMode)
{
    const QList<QUrl> urls = data.urls();
    const QString kind = romMode ? tr("a ROM definition file (.rom)")
                                 : tr("a user definition file (.ckd)");
    if (urls.size() != 1)
        return {QString(), tr("Drop one file at a time: %1.").arg(kind)};
    const QString path = urls.first().toLocalFile();
    const QString extension = romMode ? QStringLiteral("rom") : QStringLiteral("ckd");
    const QFileInfo file(path);
    if (path.isEmpty() || file.suffix().compare(extension, Qt::CaseInsensitive) != 0)
        return {QString(), tr("Only %1 can be opened in this mode.").arg(kind)};
    if (!file.isFile())
        return {QString(), tr("The file \"%1\" could not be found.").arg(file.fileName())};
    return {file.absoluteFilePath(), QString()};
}
