#include "ui/main/KeyCap.h"

#include <QEnterEvent>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// The colours of one kind of key, from the rim to the top face.
struct TCapColours
{
    QColor Border;
    QColor RimTop;
    QColor RimBottom;
    QColor FaceTop;
    QColor FaceBottom;
    QColor Legend;
};

const TCapColours PlainCap{QColor(112, 112, 108), QColor(206, 206, 201), QColor(160, 160, 154),
                           QColor(253, 253, 251), QColor(226, 226, 221), QColor(30, 30, 30)};
const TCapColours GreenCap{QColor(63, 116, 52),   QColor(150, 204, 132), QColor(96, 156, 80),
                           QColor(228, 248, 219), QColor(172, 224, 152), QColor(18, 52, 12)};

constexpr qreal OuterRadius = 5.0;
constexpr qreal SmallestLegend = 5.5; // points

// `font`, made smaller until every line of `text` fits into `width`.
QFont fitted(QFont font, const QString& text, qreal width)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    while (font.pointSizeF() > SmallestLegend) {
        const QFontMetricsF metrics(font);
        qreal widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        if (widest <= width)
            break;
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    return font;
}
constexpr qreal FaceRadius = 4.0;

} // namespace

TKeyCap::TKeyCap(const QString& legend, const QString& shiftedLegend, QWidget* parent)
    : QAbstractButton(parent), fShiftedLegend(shiftedLegend)
{
    setText(legend);
    // The keyboard focus stays in the grid while keys are clicked.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void TKeyCap::SetTypeable(bool typeable)
{
    fTypeable = typeable;
    update();
}

QSize TKeyCap::sizeHint() const
{
    return QSize(34, 34);
}

void TKeyCap::enterEvent(QEnterEvent* event)
{
    fHover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TKeyCap::leaveEvent(QEvent* event)
{
    fHover = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void TKeyCap::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const TCapColours& c = fTypeable ? GreenCap : PlainCap;
    const bool sunk = isDown() || isChecked();
    auto shade = [sunk](const QColor& colour) { return sunk ? colour.darker(112) : colour; };

    // The rim: the sides of the key, seen from above.
    const QRectF outer = QRectF(rect()).adjusted(1.0, 1.0, -1.0, -1.0);
    QLinearGradient rim(outer.topLeft(), outer.bottomLeft());
    rim.setColorAt(0.0, shade(c.RimTop));
    rim.setColorAt(1.0, shade(c.RimBottom));
    p.setPen(QPen(c.Border, 1.0));
    p.setBrush(rim);
    p.drawRoundedRect(outer, OuterRadius, OuterRadius);

    // The top face: higher up at the back, so the rim shows more at the
    // front; a pressed key sinks and its face moves down.
    const QRectF face =
        sunk ? outer.adjusted(3.5, 4.0, -3.5, -2.5) : outer.adjusted(3.0, 1.5, -3.0, -5.0);
    QLinearGradient top(face.topLeft(), face.bottomLeft());
    QColor faceTop = shade(c.FaceTop);
    QColor faceBottom = shade(c.FaceBottom);
    if (fHover && !sunk && isEnabled()) {
        faceTop = faceTop.lighter(104);
        faceBottom = faceBottom.lighter(106);
    }
    top.setColorAt(0.0, faceTop);
    top.setColorAt(1.0, faceBottom);
    p.setPen(QPen(shade(c.RimBottom), 0.8));
    p.setBrush(top);
    p.drawRoundedRect(face, FaceRadius, FaceRadius);

    // A latching key's indicator at its right, lit while the key is down;
    // the legend then stands at the left, as on the real keys.
    QRectF textArea = face.adjusted(2.0, 1.0, -2.0, -1.0);
    Qt::Alignment alignment = Qt::AlignCenter;
    if (isCheckable()) {
        const qreal size = 6.0;
        const QRectF lamp(face.right() - size - 4.0, face.center().y() - size / 2, size, size);
        p.setPen(QPen(QColor(70, 70, 70), 0.6));
        p.setBrush(isChecked() ? QColor(60, 230, 60) : QColor(150, 150, 146));
        p.drawEllipse(lamp);
        textArea.setLeft(textArea.left() + 3.0);
        textArea.setRight(lamp.left() - 2.0);
        alignment = Qt::AlignLeft | Qt::AlignVCenter;
    }

    // The legends: characters bold, words smaller; both shrink to fit the key.
    p.setPen(isEnabled() ? c.Legend : QColor(140, 140, 140));
    const QString legend = text();
    const bool word = legend.size() > 3 || legend.contains(QLatin1Char('\n'));
    QFont font = this->font();
    font.setBold(!word);
    if (word || !fShiftedLegend.isEmpty())
        font.setPointSizeF(font.pointSizeF() * (word ? 0.82 : 0.84));
    font = fitted(font, legend, textArea.width());
    p.setFont(font);
    if (!fShiftedLegend.isEmpty()) {
        const qreal half = textArea.height() / 2.0;
        const QRectF upper(textArea.left(), textArea.top() - 1.0, textArea.width(), half + 1.0);
        const QRectF lower(textArea.left(), textArea.top() + half, textArea.width(), half + 1.0);
        p.drawText(upper, alignment, fShiftedLegend);
        p.drawText(lower, alignment, legend);
    } else {
        p.drawText(textArea, alignment, legend);
    }
}
