// mkmanual: turns the Markdown manual into a PDF with page numbers, a linked
// table of contents and an outline (bookmarks).
//   mkmanual INPUT.md OUTPUT.pdf
// Pictures named in the Markdown are looked up relative to INPUT.md. Needs
// no display: run it with QT_QPA_PLATFORM=offscreen.
//
// The pages are laid out here rather than by QTextDocument::print, so that
// the place of every heading is known: a heading never ends a page without
// the text it leads (it moves to the next page), the contents list shows
// each chapter's page, and the outline and the contents' links go to the
// headings. QPdfWriter has no outline and writes links as web addresses;
// PdfOutline adds the outline and turns the "#anchor" links into links
// within the document.

#include "PdfOutline.h"
#include "ui/help/ManualDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextStream>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace {

// The printed page: A4, 18 mm margins, a footer line for the page number.
struct TPage
{
    double Width = 0;  // of the text, in device units
    double Height = 0; // of the text, without the footer
    double Footer = 0;
    double PointsPerUnit = 0;
    double TopMarginPoints = 0;
    double PageHeightPoints = 0;
};

int pageOf(double y, const TPage& page)
{
    return static_cast<int>(std::floor(y / page.Height));
}

// Gives tables visible rules and some room, and headings a colour.
void styleHeadingsAndTables(QTextDocument& doc)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 0)
            continue;
        // Select this block's text only: a selection that reaches into the
        // block before would give that block the heading's format too.
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat chars;
        chars.setForeground(QColor(0x1f, 0x3a, 0x68));
        cursor.mergeCharFormat(chars);
        QTextBlockFormat format = block.blockFormat();
        format.setTopMargin(level <= 2 ? 16 : 8);
        format.setBottomMargin(4);
        QTextCursor(block).setBlockFormat(format);
    }

    const QList<QTextFrame*> frames = doc.rootFrame()->childFrames();
    for (QTextFrame* frame : frames) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        format.setBorder(0.5);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderBrush(QColor(0x90, 0x90, 0x90));
        format.setBorderCollapse(true);
        format.setCellPadding(3);
        format.setCellSpacing(0);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setTopMargin(4);
        format.setBottomMargin(8);
        table->setFormat(format);
        for (int col = 0; col < table->columns(); ++col) {
            QTextTableCellFormat head = table->cellAt(0, col).format().toTableCellFormat();
            head.setBackground(QColor(0xe6, 0xec, 0xf5));
            table->cellAt(0, col).setFormat(head);
        }
    }
}

void breakBefore(const QTextBlock& block)
{
    QTextBlockFormat format = block.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(block).setBlockFormat(format);
}

double topOf(const QTextDocument& doc, const QTextBlock& block)
{
    return doc.documentLayout()->blockBoundingRect(block).top();
}

// A heading must share its page with the start of what follows it; a
// chapter also does not start in the last fifth of a page. Otherwise it
// moves to the next page.
void keepHeadingWithText(const QTextDocument& doc, const QTextBlock& block, const TPage& page)
{
    const int level = block.blockFormat().headingLevel();
    if (level < 2 || !block.next().isValid())
        return;
    const double top = topOf(doc, block);
    const QTextBlock next = block.next();
    const QTextLayout* nextLines = next.layout();
    const double firstLine =
        nextLines && nextLines->lineCount() > 0 ? nextLines->lineAt(0).height() : 0;
    const int headingPage = pageOf(top + 1, page);
    const double inPage = top - headingPage * page.Height;
    const bool alone = pageOf(topOf(doc, next) + firstLine, page) != headingPage;
    const bool lowChapter = level == 2 && inPage > page.Height * 0.8;
    if ((alone || lowChapter) && inPage > 1)
        breakBefore(block);
}

// A table whose heading row would stand alone at the foot of a page moves
// to the next page, together with the sentence that leads into it (one
// ending in ':') and that sentence's heading.
void keepTableTogether(const QTextDocument& doc, QTextTable* table, const TPage& page)
{
    if (table->rows() < 2)
        return;
    const double head = topOf(doc, table->cellAt(0, 0).firstCursorPosition().block());
    const double body = topOf(doc, table->cellAt(1, 0).firstCursorPosition().block());
    if (pageOf(head + 1, page) == pageOf(body + 1, page))
        return;
    QTextBlock lead = table->firstCursorPosition().block().previous();
    if (lead.isValid() && lead.text().trimmed().endsWith(QLatin1Char(':'))) {
        const QTextBlock heading = lead.previous();
        if (heading.isValid() && heading.blockFormat().headingLevel() > 0)
            lead = heading;
        breakBefore(lead);
        return;
    }
    QTextTableFormat format = table->format();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    table->setFormat(format);
}

// In document order, as each move shifts what comes after it.
void keepTogether(QTextDocument& doc, const TPage& page)
{
    for (auto it = doc.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (auto* table = qobject_cast<QTextTable*>(it.currentFrame()))
            keepTableTogether(doc, table, page);
        else if (it.currentBlock().isValid())
            keepHeadingWithText(doc, it.currentBlock(), page);
    }
}

// The contents list: entries that are one link to a heading get the
// heading's page number at the right margin.
void numberContents(QTextDocument& doc, const QHash<QString, int>& pageOfAnchor, double dpiScale)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (!block.textList())
            continue;
        const auto it = block.begin();
        if (it.atEnd())
            continue;
        const QString href = it.fragment().charFormat().anchorHref();
        if (!href.startsWith(QLatin1Char('#')) || it.fragment().length() != block.length() - 1)
            continue;
        const QString anchor = href.mid(1);
        if (!pageOfAnchor.contains(anchor))
            continue;
        const QTextLayout* lines = block.layout();
        if (!lines || lines->lineCount() != 1)
            continue;
        QTextBlockFormat format = block.blockFormat();
        // Tab stops count in pixels at 96 dpi; a little short of the margin,
        // as a stop at the edge itself wraps.
        const double stop = lines->lineAt(0).width() / dpiScale - 2;
        format.setTabPositions({QTextOption::Tab(stop, QTextOption::RightTab)});
        QTextCursor cursor(block);
        cursor.setBlockFormat(format);
        cursor.movePosition(QTextCursor::EndOfBlock);
        QTextCharFormat chars = it.fragment().charFormat(); // the link: one click target
        cursor.insertText(QLatin1Char('\t') + QString::number(pageOfAnchor.value(anchor) + 1),
                          chars);
    }
}

void paintPages(QTextDocument& doc, QPdfWriter& writer, const TPage& page)
{
    QPainter painter(&writer);
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    const int pages = doc.pageCount();
    QFont footerFont = doc.defaultFont();
    footerFont.setPointSizeF(8.5);
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        painter.save();
        const QRectF view(0, i * page.Height, page.Width, page.Height);
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        layout->draw(&painter, context);
        painter.restore();
        painter.setFont(footerFont);
        painter.setPen(QColor(0x55, 0x55, 0x55));
        painter.drawText(QRectF(0, page.Height, page.Width, page.Footer), Qt::AlignCenter,
                         QString::number(i + 1));
    }
}

QList<PdfOutline::TEntry> outlineEntries(const QTextDocument& doc, const TPage& page)
{
    QList<PdfOutline::TEntry> entries;
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    const QList<ManualDocument::THeading> headings = ManualDocument::Headings(doc);
    for (const ManualDocument::THeading& heading : headings) {
        const QRectF rect = layout->blockBoundingRect(doc.findBlock(heading.Position));
        const int pageIndex = pageOf(rect.top() + 1, page);
        const double top = std::max(0.0, rect.top() - pageIndex * page.Height);
        entries.append({heading.Level,
                        heading.Text,
                        heading.Anchor,
                        {pageIndex, page.TopMarginPoints + top * page.PointsPerUnit}});
    }
    return entries;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        err << "usage: mkmanual INPUT.md OUTPUT.pdf\n";
        return 2;
    }
    const QString input = args.at(1);
    const QString output = args.at(2);
    QFile source(input);
    if (!source.open(QIODevice::ReadOnly)) {
        err << "mkmanual: cannot read " << input << ": " << source.errorString() << '\n';
        return 1;
    }

    QSaveFile target(output); // a failed run leaves no half-written manual behind
    if (!target.open(QIODevice::WriteOnly)) {
        err << "mkmanual: cannot write " << output << ": " << target.errorString() << '\n';
        return 1;
    }
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(QStringLiteral("PadwrightRx User Manual"));
    writer.setCreator(QStringLiteral("PadwrightRx"));
    const QPageLayout pageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                 QMarginsF(18, 16, 18, 12), QPageLayout::Millimeter);
    writer.setPageLayout(pageLayout);

    TPage page;
    page.PointsPerUnit = 72.0 / writer.resolution();
    page.Width = writer.width();
    page.Footer = 10 / 25.4 * writer.resolution();
    page.Height = writer.height() - page.Footer;
    page.TopMarginPoints = pageLayout.margins(QPageLayout::Point).top();
    page.PageHeightPoints = pageLayout.fullRect(QPageLayout::Point).height();

    QTextDocument doc;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10);
    doc.setDefaultFont(font);
    doc.documentLayout()->setPaintDevice(&writer);
    doc.setDocumentMargin(0);
    ManualDocument::Load(doc, QString::fromUtf8(source.readAll()),
                         QUrl::fromLocalFile(QFileInfo(input).absolutePath() + QLatin1Char('/')));
    styleHeadingsAndTables(doc);
    ManualDocument::FitPictures(doc, page.Width * 96.0 / writer.resolution());
    doc.setPageSize(QSizeF(page.Width, page.Height));
    keepTogether(doc, page);

    QList<PdfOutline::TEntry> entries = outlineEntries(doc, page);
    QHash<QString, int> pageOfAnchor;
    for (const PdfOutline::TEntry& entry : entries)
        pageOfAnchor.insert(entry.Anchor, entry.Place.Page);
    numberContents(doc, pageOfAnchor, writer.resolution() / 96.0);
    paintPages(doc, writer, page);
    buffer.close();

    QString error;
    const QByteArray finished = PdfOutline::AddOutlineAndLinks(pdf, outlineEntries(doc, page),
                                                               page.PageHeightPoints, &error);
    if (finished.isEmpty()) {
        err << "mkmanual: cannot add the outline: " << error << '\n';
        return 1;
    }
    target.write(finished);
    if (!target.commit()) {
        err << "mkmanual: cannot write " << output << ": " << target.errorString() << '\n';
        return 1;
    }
    return 0;
}
