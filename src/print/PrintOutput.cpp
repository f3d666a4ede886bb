#include "print/PrintOutput.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

namespace {

TSaveResult Refused(const QString& path)
{
    return {false, QStringLiteral("Unable to write to ") + path};
}

// A target that is there but is no regular file (a folder, a device) is never written.
bool MayWrite(const QString& path)
{
    const QFileInfo info(path);
    return !info.exists() || info.isFile();
}

QPageSize PageSizeFor(const QSizeF& mm)
{
    // The standard sizes by name, so that viewers and printers call them so.
    for (QPageSize::PageSizeId id : {QPageSize::A4, QPageSize::Letter}) {
        const QSizeF standard = QPageSize::size(id, QPageSize::Millimeter);
        if (std::abs(standard.width() - mm.width()) < 0.5 &&
            std::abs(standard.height() - mm.height()) < 0.5)
            return QPageSize(id);
    }
    return QPageSize(mm, QPageSize::Millimeter);
}

} // namespace

namespace PrintOutput {

TSaveResult WritePdf(TPrintable& printable, const QString& path, const QString& title)
{
    if (!MayWrite(path))
        return Refused(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Refused(path);
    {
        QPdfWriter writer(&file);
        writer.setResolution(PdfResolution);
        writer.setPageSize(PageSizeFor(printable.PageSizeMm()));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("PadwrightRx"));
        const int pages = printable.Prepare(&writer);
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return Refused(path);
        }
        for (int page = 0; page < pages; ++page) {
            if (page > 0)
                writer.newPage();
            printable.PaintPage(painter, page);
        }
        painter.end();
    }
    if (!file.commit())
        return Refused(path);
    return {true, QString()};
}

TSaveResult WriteSvg(TPrintable& printable, const QString& path, const QString& title)
{
    if (!MayWrite(path))
        return Refused(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Refused(path);
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setResolution(SvgResolution);
        const QSizeF mm = printable.PageSizeMm();
        const QSize size(qRound(mm.width() * SvgResolution / 25.4),
                         qRound(mm.height() * SvgResolution / 25.4));
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(title);
        svg.setDescription(QStringLiteral("Made by PadwrightRx"));
        printable.Prepare(&svg);
        QPainter painter;
        if (!painter.begin(&svg)) {
            file.cancelWriting();
            return Refused(path);
        }
        printable.PaintPage(painter, 0);
        painter.end();
    }
    if (!file.commit())
        return Refused(path);
    return {true, QString()};
}

QImage RenderPage(TPrintable& printable, int page, int dpi, int* pageCount)
{
    const QSizeF mm = printable.PageSizeMm();
    QImage image(qRound(mm.width() * dpi / 25.4), qRound(mm.height() * dpi / 25.4),
                 QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    const int pages = printable.Prepare(&image);
    if (pageCount)
        *pageCount = pages;
    if (page >= 0 && page < pages) {
        QPainter painter(&image);
        printable.PaintPage(painter, page);
    }
    return image;
}

} // namespace PrintOutput
