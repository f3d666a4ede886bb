#include "platform/Version.h"

QString GetOurVersion()
{
#ifdef PADWRIGHT_VERSION
    const QString full = QStringLiteral(PADWRIGHT_VERSION);
    if (!full.isEmpty())
        return full.left(5);
#endif
    return QStringLiteral("NA");
}
