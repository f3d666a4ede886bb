#pragma once

#include "print/PrintOutput.h"
#include "report/KeyLabels.h"

#include <QString>
#include <QStringList>

#include <array>

class QPainter;
class TMmCanvas;

// Text fitted into a box: the font size it was given and its lines.
struct TFittedText
{
    double Points = 0.0;
    QStringList Lines; // one or two; empty when nothing fits
};

// Fits `text` into a box of `widthMm` x `heightMm`: at `startPoints` on one
// line if it can; else made smaller down to `minPoints`; else wrapped to two
// lines, from `startPoints` down again; only then cut with "…" at
// `minPoints`. No line is ever wider or taller than the box.
TFittedText FitLabelText(const TMmCanvas& canvas, const QString& family, const QString& text,
                         double widthMm, double heightMm, double startPoints, double minPoints);

// Where the parts of one label go.
struct TLabelSlots
{
    QRectF Icon;   // the key type's picture; empty for a normal key
    QRectF Main;   // level 1
    QRectF Second; // level 2; empty when it has no name
};
TLabelSlots LabelSlots(const QRectF& labelMm, const TLabelText& text);

// Paints one sheet of key labels: every copy of the keypad that the
// geometry holds, with its cut marks and a header line naming the sheet.
class TLabelRenderer : public TPrintable
{
public:
    TLabelRenderer(TKeyLabelSettings settings, int numberOfKeys,
                   std::array<TLabelText, MaxKeys> texts, QString title);

    const TLabelSheetGeometry& Geometry() const { return fGeometry; }
    const TKeyLabelSettings& Settings() const { return fSettings; }
    const std::array<TLabelText, MaxKeys>& Texts() const { return fTexts; }
    // The header line: the title, the label size and the copies.
    QString HeaderText() const;

    // Paints the page; the painter's device may be anything with a resolution.
    void Paint(QPainter& painter) const;

    QSizeF PageSizeMm() const override { return fGeometry.PageMm; }
    int Prepare(QPaintDevice*) override { return 1; }
    void PaintPage(QPainter& painter, int) override { Paint(painter); }

private:
    struct TFitted
    {
        TFittedText Main;
        TFittedText Second;
    };
    TFitted Fit(const TMmCanvas& canvas, const QSizeF& sizeMm, const TLabelText& text) const;
    void PaintLabel(TMmCanvas& canvas, const QRectF& rectMm, const TLabelText& text,
                    const TFitted& fitted) const;

    TKeyLabelSettings fSettings;
    TLabelSheetGeometry fGeometry;
    std::array<TLabelText, MaxKeys> fTexts;
    QString fTitle;
};

// The key type pictures of the on-screen keypad, in black for paper.
void PaintKeyTypeIcon(TMmCanvas& canvas, const QRectF& rectMm, TKeyType type);
