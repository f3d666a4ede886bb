// mkmanual: turns a Markdown file into a PDF with page numbers.
//   mkmanual INPUT.md OUTPUT.pdf
// Pictures named in the Markdown are looked up beside INPUT.md. Needs no
// display: run it with QT_QPA_PLATFORM=offscreen.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextStream>
#include <QTextTable>
#include <QUrl>

#include <algorithm>

namespace {
// Gives tables visible rules and some room, and headings a colour, so the
// printed manual reads well.
void styleDocument(QTextDocument& doc)
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
        format.setTopMargin(level <= 2 ? 14 : 8);
        format.setBottomMargin(4);
        if (level == 2) // each chapter starts on a new page
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
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
// Loads the pictures the Markdown names (relative to `folder`) into the
// document and fits the large ones into `box` (in the document's
// 96-per-inch units), so that screenshots neither go missing nor run off
// the page.
void loadPictures(QTextDocument& doc, const QDir& folder, const QSizeF& box, QTextStream& err)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            const QImage picture(folder.filePath(image.name()));
            if (picture.isNull()) {
                err << "mkmanual: cannot read the picture " << image.name() << '\n';
                continue;
            }
            doc.addResource(QTextDocument::ImageResource, QUrl(image.name()), picture);
            const qreal scale =
                std::min({1.0, box.width() / picture.width(), box.height() / picture.height()});
            image.setWidth(picture.width() * scale);
            image.setHeight(picture.height() * scale);
            QTextCursor cursor(&doc);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
    }
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
    const QString markdown = QString::fromUtf8(source.readAll());

    QTextDocument doc;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10);
    doc.setDefaultFont(font);
    doc.setBaseUrl(QUrl::fromLocalFile(QFileInfo(input).absolutePath() + QLatin1Char('/')));
    doc.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    styleDocument(doc);
    // The width of A4 less the margins below, and half its height, at 96 units to the inch.
    loadPictures(doc, QFileInfo(input).absoluteDir(),
                 QSizeF((210.0 - 2 * 18) / 25.4 * 96, (297.0 - 2 * 18) / 2 / 25.4 * 96), err);

    // Write beside the target and rename, so that a failed run leaves no
    // half-written manual behind.
    const QString partial = output + QStringLiteral(".part");
    QFile::remove(partial);
    {
        QPdfWriter writer(partial);
        writer.setTitle(doc.metaInformation(QTextDocument::DocumentTitle).isEmpty()
                            ? QStringLiteral("PadwrightRx User Manual")
                            : doc.metaInformation(QTextDocument::DocumentTitle));
        writer.setCreator(QStringLiteral("PadwrightRx"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
        doc.print(&writer);
    }
    QFile::remove(output);
    if (!QFile::rename(partial, output)) {
        err << "mkmanual: cannot write " << output << '\n';
        QFile::remove(partial);
        return 1;
    }
    return 0;
}
