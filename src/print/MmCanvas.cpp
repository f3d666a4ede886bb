#include "print/MmCanvas.h"

#include <QPaintDevice>

#include <algorithm>

TMmCanvas::TMmCanvas(QPaintDevice* device) : fDevice(device)
{
    if (device)
        fDotsPerMm = std::max(1, device->logicalDpiX()) / 25.4;
}

TMmCanvas::TMmCanvas(QPainter& painter) : TMmCanvas(painter.device())
{
    fPainter = &painter;
    fPainter->setRenderHint(QPainter::Antialiasing);
    fPainter->setRenderHint(QPainter::TextAntialiasing);
}

QRectF TMmCanvas::Dev(const QRectF& mm) const
{
    return QRectF(mm.topLeft() * fDotsPerMm, mm.size() * fDotsPerMm);
}

QFont TMmCanvas::Font(const QString& family, double points, bool bold) const
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return QFont(font, Device());
}

const QFontMetricsF& TMmCanvas::Metrics(const QFont& font) const
{
    if (!fMetrics || !(font == fMetricsFont)) {
        fMetricsFont = font;
        fMetrics.emplace(font, Device());
    }
    return *fMetrics;
}

double TMmCanvas::WidthMm(const QFont& font, const QString& text) const
{
    return Mm(Metrics(font).horizontalAdvance(text));
}

double TMmCanvas::LineHeightMm(const QFont& font) const
{
    return Mm(Metrics(font).height());
}

double TMmCanvas::AscentMm(const QFont& font) const
{
    return Mm(Metrics(font).ascent());
}

QStringList TMmCanvas::Wrap(const QFont& font, const QString& text, double widthMm) const
{
    return wrap(font, text, widthMm, true);
}

QStringList TMmCanvas::WrapWords(const QFont& font, const QString& text, double widthMm) const
{
    return wrap(font, text, widthMm, false);
}

QStringList TMmCanvas::wrap(const QFont& font, const QString& text, double widthMm,
                            bool breakWords) const
{
    const QFontMetricsF& metrics = Metrics(font);
    const double width = Dev(widthMm);
    auto fits = [&](const QString& s) { return metrics.horizontalAdvance(s) <= width; };
    QStringList lines;
    QString line;
    const QStringList words = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString word : words) {
        const QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (fits(joined)) {
            line = joined;
            continue;
        }
        if (!line.isEmpty())
            lines << line;
        line.clear();
        // A word too wide for a line of its own is broken between characters.
        while (breakWords && !fits(word) && word.size() > 1) {
            int n = 1;
            while (n < word.size() && fits(word.left(n + 1)))
                ++n;
            lines << word.left(n);
            word = word.mid(n);
        }
        line = word;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

QString TMmCanvas::Elide(const QFont& font, const QString& text, double widthMm) const
{
    return Metrics(font).elidedText(text, Qt::ElideRight, Dev(widthMm));
}

void TMmCanvas::Text(const QRectF& mm, int flags, const QString& text, const QFont& font,
                     const QColor& colour)
{
    fPainter->setFont(font);
    fPainter->setPen(colour);
    if (text.contains(QLatin1Char('\n')) || (flags & Qt::TextWordWrap)) {
        fPainter->drawText(Dev(mm), flags, text);
        return;
    }
    // One line placed by hand: much cheaper than a text layout per call.
    const QFontMetricsF& metrics = Metrics(font);
    const QRectF box = Dev(mm);
    double x = box.left();
    if (flags & (Qt::AlignHCenter | Qt::AlignRight)) {
        const double width = metrics.horizontalAdvance(text);
        x = flags & Qt::AlignRight ? box.right() - width : box.left() + (box.width() - width) / 2;
    }
    double y = box.top() + metrics.ascent();
    if (flags & Qt::AlignVCenter)
        y = box.top() + (box.height() - metrics.height()) / 2 + metrics.ascent();
    else if (flags & Qt::AlignBottom)
        y = box.bottom() - metrics.descent();
    fPainter->drawText(QPointF(x, y), text);
}

void TMmCanvas::Lines(const QPointF& topLeft, double widthMm, const QStringList& lines,
                      const QFont& font, const QColor& colour, Qt::Alignment alignment)
{
    const double height = LineHeightMm(font);
    for (int i = 0; i < lines.size(); ++i)
        Text(QRectF(topLeft.x(), topLeft.y() + i * height, widthMm, height),
             int(alignment | Qt::AlignTop) | Qt::TextSingleLine, lines.at(i), font, colour);
}

void TMmCanvas::Line(const QLineF& mm, double widthMm, const QColor& colour)
{
    fPainter->setPen(QPen(colour, Dev(widthMm), Qt::SolidLine, Qt::FlatCap));
    fPainter->drawLine(QLineF(Dev(mm.p1()), Dev(mm.p2())));
}

void TMmCanvas::Frame(const QRectF& mm, double penMm, const QColor& pen, const QBrush& fill,
                      double radiusMm)
{
    const double half = penMm / 2;
    const QRectF inside = Dev(mm.adjusted(half, half, -half, -half));
    fPainter->setPen(penMm > 0 ? QPen(pen, Dev(penMm)) : QPen(Qt::NoPen));
    fPainter->setBrush(fill);
    if (radiusMm > 0)
        fPainter->drawRoundedRect(inside, Dev(radiusMm), Dev(radiusMm));
    else
        fPainter->drawRect(inside);
    fPainter->setBrush(Qt::NoBrush);
}

void TMmCanvas::Fill(const QRectF& mm, const QColor& colour)
{
    fPainter->fillRect(Dev(mm), colour);
}
