#include "ui/help/ManualResource.h"

#include <QFile>

// The resource is compiled into a static library: registering it by hand
// makes sure it is linked. Q_INIT_RESOURCE must stand outside any namespace.
static void initManualResource()
{
    Q_INIT_RESOURCE(manual);
}

namespace ManualResource {

QString Markdown()
{
    initManualResource();
    QFile file(QStringLiteral(":/manual/manual.md"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QUrl BaseUrl()
{
    return QUrl(QStringLiteral("qrc:/manual/"));
}

} // namespace ManualResource
