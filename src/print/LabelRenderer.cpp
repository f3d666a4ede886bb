#include "print/LabelRenderer.h"

#include "print/MmCanvas.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace {

constexpr double PointStep = 0.5;
constexpr double OneLineShrink = 0.75; // the smallest size for one line, against the start size
constexpr double OutlineMm = 0.15;
constexpr double SecondScale = 0.75; // level 2's text against level 1's
constexpr double SmallestSecondPoints = 4.0;
const QColor OutlineColour(150, 150, 150);

bool OneLineFits(const TMmCanvas& canvas, const QFont& font, const QString& text, double width,
                 double height)
{
    return canvas.LineHeightMm(font) <= height && canvas.WidthMm(font, text) <= width;
}

} // namespace

TFittedText FitLabelText(const TMmCanvas& canvas, const QString& family, const QString& text,
                         double widthMm, double heightMm, double startPoints, double minPoints)
{
    TFittedText fitted;
    const QString simple = text.simplified();
    if (simple.isEmpty() || widthMm <= 0 || heightMm <= 0)
        return fitted;
    minPoints = std::min(minPoints, startPoints);
    const int steps = int(std::floor((startPoints - minPoints) / PointStep + 1e-9));
    auto pointsAt = [&](int step) { return startPoints - step * PointStep; };

    // Smaller first, on one line, but not so small that two lines would read better.
    const int shrinkSteps =
        std::min(steps, int(std::floor(startPoints * (1 - OneLineShrink) / PointStep + 1e-9)));
    for (int step = 0; step <= shrinkSteps; ++step) {
        const QFont font = canvas.Font(family, pointsAt(step));
        if (OneLineFits(canvas, font, simple, widthMm, heightMm))
            return {pointsAt(step), {simple}};
    }
    // Then on two lines, from the start size down again.
    for (int step = 0; step <= steps; ++step) {
        const QFont font = canvas.Font(family, pointsAt(step));
        if (2 * canvas.LineHeightMm(font) > heightMm)
            continue;
        const QStringList lines = canvas.WrapWords(font, simple, widthMm);
        const bool fits = std::all_of(lines.begin(), lines.end(), [&](const QString& line) {
            return canvas.WidthMm(font, line) <= widthMm;
        });
        if (lines.size() <= 2 && fits)
            return {pointsAt(step), lines};
    }
    // Only then cut, at the smallest size: as much as two lines (or one,
    // when two are too tall) hold, the last one ending in "…".
    const QFont font = canvas.Font(family, minPoints);
    const double lineHeight = canvas.LineHeightMm(font);
    if (lineHeight > heightMm)
        return fitted; // not even one line: better no text than text on the next label
    const QStringList lines = canvas.Wrap(font, simple, widthMm);
    fitted.Points = minPoints;
    if (2 * lineHeight <= heightMm && lines.size() > 1) {
        fitted.Lines << lines.at(0);
        const QString rest = lines.mid(1).join(QLatin1Char(' '));
        fitted.Lines << canvas.Elide(font, rest, widthMm);
    } else {
        fitted.Lines << canvas.Elide(font, simple, widthMm);
    }
    fitted.Lines.removeAll(QString());
    return fitted;
}

TLabelSlots LabelSlots(const QRectF& labelMm, const TLabelText& text)
{
    const double shortSide = std::min(labelMm.width(), labelMm.height());
    const double pad = std::clamp(shortSide * 0.07, 0.6, 1.6);
    const QRectF inner = labelMm.adjusted(pad, pad, -pad, -pad);
    TLabelSlots slots;
    slots.Main = inner;
    if (text.Type != ktNormal) {
        const double icon = std::clamp(shortSide * 0.2, 2.0, 4.5);
        slots.Icon = QRectF(inner.topLeft(), QSizeF(icon, icon));
        slots.Main.setTop(slots.Icon.bottom() + pad / 2);
    }
    if (!text.Second.isEmpty()) {
        const double height = std::max(inner.height() * 0.28, 2.0);
        slots.Second = QRectF(inner.left(), inner.bottom() - height, inner.width(), height);
        slots.Main.setBottom(slots.Second.top() - pad / 2);
    }
    return slots;
}

void PaintKeyTypeIcon(TMmCanvas& canvas, const QRectF& rectMm, TKeyType type)
{
    if (type == ktNormal || rectMm.isEmpty())
        return;
    QPainter& p = canvas.Painter();
    p.save();
    // The pictures are drawn on an 18 x 18 grid, as on the keypad's buttons.
    const QRectF box = canvas.Dev(rectMm);
    p.translate(box.topLeft());
    p.scale(box.width() / 18.0, box.height() / 18.0);
    const QColor ink(Qt::black);
    if (type == ktShift) {
        QPainterPath arrow;
        arrow.moveTo(9, 1.5);
        arrow.lineTo(16.5, 9);
        arrow.lineTo(12, 9);
        arrow.lineTo(12, 16.5);
        arrow.lineTo(6, 16.5);
        arrow.lineTo(6, 9);
        arrow.lineTo(1.5, 9);
        arrow.closeSubpath();
        p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arrow);
    } else if (type == ktToggle) {
        p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(2.5, 6), QPointF(15, 6));
        p.drawPolyline(QPolygonF({QPointF(11.5, 2.5), QPointF(15, 6), QPointF(11.5, 9.5)}));
        p.drawLine(QPointF(15.5, 12.5), QPointF(3, 12.5));
        p.drawPolyline(QPolygonF({QPointF(6.5, 9), QPointF(3, 12.5), QPointF(6.5, 16)}));
    } else {
        p.setPen(QPen(ink, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(1.5, 1.5, 15, 15), 3, 3);
        // The letter as an outline, so it scales with the picture.
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setStyleHint(QFont::SansSerif);
        font.setBold(true);
        font.setPixelSize(48);
        QPainterPath letter;
        letter.addText(0, 0, font, QStringLiteral("A"));
        const QRectF bounds = letter.boundingRect();
        const double scale = 9.0 / bounds.height();
        QTransform t;
        t.translate(9, 9);
        t.scale(scale, scale);
        t.translate(-bounds.center().x(), -bounds.center().y());
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(t.map(letter));
    }
    p.restore();
}

TLabelRenderer::TLabelRenderer(TKeyLabelSettings settings, int numberOfKeys,
                               std::array<TLabelText, MaxKeys> texts, QString title)
    : fSettings(Normalised(std::move(settings))),
      fGeometry(LayoutLabelSheet(fSettings, numberOfKeys)), fTexts(std::move(texts)),
      fTitle(std::move(title))
{
}

QString TLabelRenderer::HeaderText() const
{
    const QString size =
        QStringLiteral("%1 × %2 mm")
            .arg(QString::number(fSettings.WidthMm), QString::number(fSettings.HeightMm));
    const int copies = fGeometry.Copies();
    QString header = QStringLiteral("Key labels %1, %2 keys, %3 %4 on %5")
                         .arg(size)
                         .arg(fGeometry.Columns * fGeometry.Rows)
                         .arg(copies)
                         .arg(copies == 1 ? QStringLiteral("copy") : QStringLiteral("copies"))
                         .arg(PaperName(fSettings.Paper));
    if (!fTitle.isEmpty())
        header = fTitle + QStringLiteral("  —  ") + header;
    return header;
}

TLabelRenderer::TFitted TLabelRenderer::Fit(const TMmCanvas& canvas, const QSizeF& sizeMm,
                                            const TLabelText& text) const
{
    const TLabelSlots slots = LabelSlots(QRectF(QPointF(0, 0), sizeMm), text);
    const QString& family = fSettings.FontFamily;
    const double start = fSettings.FontSizePt;
    TFitted fitted;
    fitted.Main = FitLabelText(canvas, family, text.Main, slots.Main.width(), slots.Main.height(),
                               start, std::min(KeyLabelLimits::MinFont, start));
    if (!slots.Second.isEmpty())
        fitted.Second =
            FitLabelText(canvas, family, text.Second, slots.Second.width(), slots.Second.height(),
                         start * SecondScale, SmallestSecondPoints);
    return fitted;
}

void TLabelRenderer::PaintLabel(TMmCanvas& canvas, const QRectF& rectMm, const TLabelText& text,
                                const TFitted& fitted) const
{
    canvas.Frame(rectMm, OutlineMm, OutlineColour);
    const TLabelSlots slots = LabelSlots(rectMm, text);
    PaintKeyTypeIcon(canvas, slots.Icon, text.Type);
    auto paint = [&](const QRectF& box, const TFittedText& lines) {
        if (lines.Lines.isEmpty())
            return;
        const QFont font = canvas.Font(fSettings.FontFamily, lines.Points);
        const double lineHeight = canvas.LineHeightMm(font);
        const double top = box.top() + (box.height() - lineHeight * lines.Lines.size()) / 2;
        canvas.Lines(QPointF(box.left(), top), box.width(), lines.Lines, font, Qt::black,
                     Qt::AlignHCenter);
    };
    paint(slots.Main, fitted.Main);
    paint(slots.Second, fitted.Second);
}

void TLabelRenderer::Paint(QPainter& painter) const
{
    TMmCanvas canvas(painter);
    const QFont headerFont = canvas.Font(fSettings.FontFamily, 7.0);
    canvas.Text(fGeometry.HeaderMm, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                canvas.Elide(headerFont, HeaderText(), fGeometry.HeaderMm.width()), headerFont,
                QColor(90, 90, 90));
    // Every copy of a key's label is the same: its text is fitted once.
    std::array<std::optional<TFitted>, MaxKeys> fitted;
    for (const TPlacedLabel& label : fGeometry.Labels) {
        const TLabelText& text = fTexts[size_t(label.Key)];
        std::optional<TFitted>& laid = fitted[size_t(label.Key)];
        if (!laid)
            laid = Fit(canvas, label.RectMm.size(), text);
        PaintLabel(canvas, label.RectMm, text, *laid);
    }
    for (const QLineF& mark : fGeometry.CutMarks)
        canvas.Line(mark, 0.2);
}
