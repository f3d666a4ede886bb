#include "ui/main/ClipboardData.h"

#include "ui/main/MacroGrid.h"

#include <QMimeData>

namespace {

// Nothing longer can fit into a macro; the rest of a long text is not read.
constexpr int MaxTypedCodes = MacroCapacity + 1;
constexpr char32_t Enter = 13;

} // namespace

QMimeData* MakeClipMimeData(const TClipContent& content, bool hexView)
{
    auto* mime = new QMimeData;
    mime->setData(QLatin1String(CodesMimeType), EncodeClip(content));
    mime->setText(ClipText(content, hexView));
    return mime;
}

std::optional<TClipContent> ClipFromMime(const QMimeData* mime)
{
    if (!mime || !mime->hasFormat(QLatin1String(CodesMimeType)))
        return std::nullopt;
    return DecodeClip(mime->data(QLatin1String(CodesMimeType)));
}

QList<int32_t> TypedTextCodes(const QString& text, uint8_t prefix)
{
    QList<int32_t> codes;
    const QList<uint> characters = text.toUcs4();
    for (qsizetype i = 0; i < characters.size() && codes.size() < MaxTypedCodes; ++i) {
        char32_t c = characters.at(i);
        if (c == U'\r' || c == U'\n') {
            // CR LF, LF or a lone CR: one Enter.
            if (c == U'\r' && i + 1 < characters.size() && characters.at(i + 1) == U'\n')
                ++i;
            c = Enter;
        } else if (c > 255 || (c <= 127 && AsciiToKeyNumber[c] == 0)) {
            continue;
        }
        // A key of the grid's table inserts the character it types.
        const auto code = static_cast<int32_t>(c);
        codes << (code == prefix ? EscapedPrefixCode : code);
    }
    return codes;
}
