#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>

// Painting in millimetres on any paint device: a PDF or SVG generator, a
// printer or a picture. Coordinates are converted to the device's dots here
// rather than by scaling the painter, so that fonts are made at their true
// point size for the device's resolution and measure exactly as they print.
class TMmCanvas
{
public:
    explicit TMmCanvas(QPainter& painter);
    // Measuring only, before anything is painted (Painter() must not be used).
    explicit TMmCanvas(QPaintDevice* device);

    QPainter& Painter() { return *fPainter; }
    QPaintDevice* Device() const { return fDevice; }
    double DotsPerMm() const { return fDotsPerMm; }

    QPointF Dev(const QPointF& mm) const { return mm * fDotsPerMm; }
    QRectF Dev(const QRectF& mm) const;
    double Dev(double mm) const { return mm * fDotsPerMm; }
    double Mm(double dots) const { return dots / fDotsPerMm; }

    // A font of `points` for this device; unhinted, so that it measures the
    // same at every resolution.
    QFont Font(const QString& family, double points, bool bold = false) const;
    // The metrics of the font last asked for are kept: text is measured a lot.
    const QFontMetricsF& Metrics(const QFont& font) const;
    double WidthMm(const QFont& font, const QString& text) const;
    double LineHeightMm(const QFont& font) const; // ascent + descent
    double AscentMm(const QFont& font) const;

    // Words of `text` in lines no wider than `widthMm`; a word wider than
    // that is broken between characters, so no line is ever wider.
    QStringList Wrap(const QFont& font, const QString& text, double widthMm) const;
    // The same, at word boundaries only: a word wider than a line stays whole.
    QStringList WrapWords(const QFont& font, const QString& text, double widthMm) const;
    // `text` cut with "…" to fit `widthMm`.
    QString Elide(const QFont& font, const QString& text, double widthMm) const;

    void Text(const QRectF& mm, int flags, const QString& text, const QFont& font,
              const QColor& colour = Qt::black);
    // Lines of text from `topLeft`, one line height apart.
    void Lines(const QPointF& topLeft, double widthMm, const QStringList& lines, const QFont& font,
               const QColor& colour = Qt::black, Qt::Alignment alignment = Qt::AlignLeft);
    void Line(const QLineF& mm, double widthMm, const QColor& colour = Qt::black);
    // A rectangle whose outline stays inside `mm`.
    void Frame(const QRectF& mm, double penMm, const QColor& pen, const QBrush& fill = Qt::NoBrush,
               double radiusMm = 0.0);
    void Fill(const QRectF& mm, const QColor& colour);

private:
    QStringList wrap(const QFont& font, const QString& text, double widthMm, bool breakWords) const;

    mutable QFont fMetricsFont;
    mutable std::optional<QFontMetricsF> fMetrics;
    QPainter* fPainter = nullptr;
    QPaintDevice* fDevice = nullptr;
    double fDotsPerMm = 1.0;
};
