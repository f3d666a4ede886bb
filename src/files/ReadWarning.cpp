#include "files/ReadWarning.h"

#include "files/MessageText.h"

QString FormatReadWarning(const TReadWarning& warning)
{
    QString where;
    if (!warning.Section.isEmpty())
        where = QLatin1Char('[') + MessageValue(warning.Section) + QLatin1Char(']');
    if (warning.Key >= 0) {
        if (!where.isEmpty())
            where += QLatin1Char(' ');
        where += QStringLiteral("key %1").arg(warning.Key + 1);
        if (warning.Level >= 0)
            where += QStringLiteral(", level %1").arg(warning.Level + 1);
    }
    return where.isEmpty() ? warning.Text : where + QStringLiteral(": ") + warning.Text;
}
