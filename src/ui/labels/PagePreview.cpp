#include "ui/labels/PagePreview.h"

#include "print/PrintOutput.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int RenderDpi = 300;

} // namespace

TPagePreview::TPagePreview(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(240, 320);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TPagePreview::ShowPage(TPrintable& printable, int page)
{
    const QSizeF mm = printable.PageSizeMm();
    // The resolution at which the whole page fits, on the screen's pixels.
    const double ratio = devicePixelRatioF();
    const double fit = std::min((width() - 8) / mm.width(), (height() - 8) / mm.height());
    const QSize target(std::max(1, int(mm.width() * fit * ratio)),
                       std::max(1, int(mm.height() * fit * ratio)));
    // Drawn at print resolution and scaled down, so that the text is fitted
    // (shrunk, wrapped, cut) exactly as it prints: fonts measure a little
    // differently at a screen's few dots per millimetre.
    fImage = PrintOutput::RenderPage(printable, page, RenderDpi)
                 .scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    fImage.setDevicePixelRatio(ratio);
    update();
}

void TPagePreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    if (fImage.isNull())
        return;
    const QSizeF size = fImage.deviceIndependentSize();
    const QPointF at((width() - size.width()) / 2, (height() - size.height()) / 2);
    painter.fillRect(QRectF(at + QPointF(3, 3), size), QColor(0, 0, 0, 60)); // shadow
    painter.drawImage(at, fImage);
}

void TPagePreview::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Q_EMIT resized();
}

namespace PrintPages {

void SetUp(QPrinter& printer, TPrintable& printable, const QString& title)
{
    const QSizeF mm = printable.PageSizeMm();
    QPageSize size(mm, QPageSize::Millimeter);
    for (QPageSize::PageSizeId id : {QPageSize::A4, QPageSize::Letter})
        if (QPageSize(id).size(QPageSize::Millimeter).toSize() == mm.toSize())
            size = QPageSize(id);
    printer.setPageSize(size);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setDocName(title);
}

bool Print(QPrinter& printer, TPrintable& printable)
{
    const int pages = printable.Prepare(&printer);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            printer.newPage();
        printable.PaintPage(painter, page);
    }
    return painter.end();
}

void Run(QWidget* parent, TPrintable& printable, const QString& title, bool preview)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUp(printer, printable, title);
    if (preview) {
        QPrintPreviewDialog dialog(&printer, parent);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, parent,
                         [&printable](QPrinter* p) { Print(*p, printable); });
        dialog.exec();
        return;
    }
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted)
        Print(printer, printable);
}

} // namespace PrintPages
