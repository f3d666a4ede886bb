#include "ui/help/ManualDocument.h"

#include <QImage>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace ManualDocument {

namespace {
QString headingAnchor(const QTextBlock& block)
{
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QStringList names = it.fragment().charFormat().anchorNames();
        if (!names.isEmpty())
            return names.first();
    }
    return QString();
}
// A picture as the document loads it: an image, or the bytes of its file.
QImage pictureOf(const QTextDocument& doc, const QString& name)
{
    const QVariant data = doc.resource(QTextDocument::ImageResource, QUrl(name));
    if (data.canConvert<QImage>() && data.userType() != QMetaType::QByteArray)
        return data.value<QImage>();
    return QImage::fromData(data.toByteArray());
}
} // namespace

QString Slug(const QString& heading)
{
    QString slug;
    for (const QChar c : heading.toLower()) {
        if (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_'))
            slug += c;
        else if (c == QLatin1Char(' '))
            slug += QLatin1Char('-');
    }
    return slug;
}

void Load(QTextDocument& doc, const QString& markdown, const QUrl& baseUrl)
{
    doc.setBaseUrl(baseUrl);
    doc.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    QSet<QString> used;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0)
            continue;
        const QString base = Slug(block.text());
        QString anchor = base;
        for (int n = 1; used.contains(anchor); ++n)
            anchor = base + QLatin1Char('-') + QString::number(n);
        used.insert(anchor);
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setAnchor(true);
        format.setAnchorNames({anchor});
        cursor.mergeCharFormat(format);
    }
}

void FitPictures(QTextDocument& doc, double maxWidth)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            const QImage picture = pictureOf(doc, image.name());
            if (picture.isNull())
                continue;
            const double scale = std::min(1.0, maxWidth / picture.width());
            image.setWidth(picture.width() * scale);
            image.setHeight(picture.height() * scale);
            QTextCursor cursor(&doc);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
            QTextBlockFormat format = block.blockFormat();
            format.setTopMargin(6);
            format.setBottomMargin(10);
            format.setAlignment(Qt::AlignHCenter);
            QTextCursor(block).setBlockFormat(format);
        }
    }
}

QList<THeading> Headings(const QTextDocument& doc)
{
    QList<THeading> headings;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level > 0)
            headings.append({level, block.text(), headingAnchor(block), block.position()});
    }
    return headings;
}

} // namespace ManualDocument
