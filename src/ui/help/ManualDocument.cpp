#include "ui/help/ManualDocument.h"

#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

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
