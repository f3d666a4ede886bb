#pragma once

#include "files/FileIO.h"

#include <QImage>
#include <QSizeF>
#include <QString>

class QPainter;
class QPaintDevice;

// Something printed: pages of one size, painted in millimetres by one
// renderer whatever the device (PDF, SVG, printer, picture).
class TPrintable
{
public:
    virtual ~TPrintable() = default;
    virtual QSizeF PageSizeMm() const = 0;
    // Lays the pages out for `device` (its fonts measure a little differently
    // at every resolution) and returns how many there are.
    virtual int Prepare(QPaintDevice* device) = 0;
    virtual void PaintPage(QPainter& painter, int page) = 0;
};

namespace PrintOutput {

constexpr int PdfResolution = 1200; // dots per inch
constexpr int SvgResolution = 1016; // 40 units to the millimetre

// Writes every page into a PDF of the true page size, atomically; a refusal
// reads "Unable to write to PATH" and leaves an existing file as it was.
TSaveResult WritePdf(TPrintable& printable, const QString& path, const QString& title);
// Writes the first page as an SVG whose width and height are in millimetres.
TSaveResult WriteSvg(TPrintable& printable, const QString& path, const QString& title);
// One page as a picture at `dpi`, on white.
QImage RenderPage(TPrintable& printable, int page, int dpi, int* pageCount = nullptr);

} // namespace PrintOutput
