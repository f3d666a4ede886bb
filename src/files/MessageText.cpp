#include "files/MessageText.h"

namespace {
constexpr qsizetype MaxQuoted = 40;
}

QString MessageValue(QStringView value)
{
    static const char digits[] = "0123456789abcdef";
    const QStringView shown = value.left(MaxQuoted);
    QString text;
    text.reserve(shown.size() + 3);
    for (const QChar c : shown) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F) {
            text += QLatin1String("\\x");
            text += QLatin1Char(digits[u >> 4]);
            text += QLatin1Char(digits[u & 0x0F]);
        } else {
            text += c;
        }
    }
    if (value.size() > MaxQuoted)
        text += QLatin1String("...");
    return text;
}
