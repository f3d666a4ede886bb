#include "ui/dialogs/AdvancedArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

TAdvancedArt::TAdvancedArt(TKind kind, QWidget* parent) : QWidget(parent), fKind(kind)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFixedSize(sizeHint());
}

QSize TAdvancedArt::sizeHint() const
{
    switch (fKind) {
    case TKind::GreenLed:
    case TKind::RedLed:
        return {28, 40};
    case TKind::Db9:
        return {96, 52};
    case TKind::Barcode:
    case TKind::MagCard:
    case TKind::Wedge:
        return {84, 56};
    case TKind::Notes:
        return {30, 34};
    }
    return {32, 32};
}

void TAdvancedArt::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (fKind) {
    case TKind::GreenLed:
        PaintLed(painter, QColor(0x2e, 0xcc, 0x40));
        break;
    case TKind::RedLed:
        PaintLed(painter, QColor(0xe5, 0x2b, 0x2b));
        break;
    case TKind::Db9:
        PaintDb9(painter);
        break;
    case TKind::Barcode:
        PaintBarcode(painter);
        break;
    case TKind::MagCard:
        PaintMagCard(painter);
        break;
    case TKind::Wedge:
        PaintWedge(painter);
        break;
    case TKind::Notes:
        PaintNotes(painter);
        break;
    }
}

// A 5 mm LED seen from the side: a domed lens on a collar, two legs.
void TAdvancedArt::PaintLed(QPainter& painter, const QColor& colour)
{
    const qreal w = width();
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 2));
    painter.drawLine(QPointF(w / 2 - 4, 26), QPointF(w / 2 - 4, height() - 1));
    painter.drawLine(QPointF(w / 2 + 4, 26), QPointF(w / 2 + 4, height() - 5));

    QPainterPath lens;
    lens.moveTo(w / 2 - 9, 24);
    lens.lineTo(w / 2 - 9, 11);
    lens.arcTo(QRectF(w / 2 - 9, 2, 18, 18), 180, -180);
    lens.lineTo(w / 2 + 9, 24);
    lens.closeSubpath();
    QRadialGradient glow(QPointF(w / 2 - 3, 9), 14);
    glow.setColorAt(0, colour.lighter(170));
    glow.setColorAt(1, colour.darker(120));
    painter.setPen(QPen(colour.darker(170), 1));
    painter.setBrush(glow);
    painter.drawPath(lens);
    painter.drawRect(QRectF(w / 2 - 11, 24, 22, 3));
}

// The female DB-9 of the host port: trapezoid shell, five over four pins.
void TAdvancedArt::PaintDb9(QPainter& painter)
{
    const QRectF plate = QRectF(rect()).adjusted(2, 2, -2, -2);
    painter.setPen(QPen(QColor(0x55, 0x55, 0x55), 1));
    painter.setBrush(QColor(0xc8, 0xcc, 0xd0));
    painter.drawRoundedRect(plate, 4, 4);
    painter.setBrush(QColor(0x70, 0x70, 0x70));
    painter.drawEllipse(QPointF(plate.left() + 8, plate.center().y()), 3.5, 3.5);
    painter.drawEllipse(QPointF(plate.right() - 8, plate.center().y()), 3.5, 3.5);

    QPainterPath shell;
    const qreal top = plate.top() + 9, bottom = plate.bottom() - 9;
    shell.moveTo(plate.left() + 18, top);
    shell.lineTo(plate.right() - 18, top);
    shell.lineTo(plate.right() - 24, bottom);
    shell.lineTo(plate.left() + 24, bottom);
    shell.closeSubpath();
    painter.setBrush(QColor(0x30, 0x30, 0x30));
    painter.drawPath(shell);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xd4, 0xaf, 0x37));
    const qreal cx = plate.center().x();
    for (int i = 0; i < 5; ++i)
        painter.drawEllipse(QPointF(cx + (i - 2) * 10, top + 9), 2.5, 2.5);
    for (int i = 0; i < 4; ++i)
        painter.drawEllipse(QPointF(cx + (i - 1.5) * 10, bottom - 8), 2.5, 2.5);
}

// A handheld scanner above a strip of bars.
void TAdvancedArt::PaintBarcode(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const int widths[] = {2, 1, 3, 1, 1, 2, 1, 3, 2, 1, 1, 2, 3, 1, 2, 1, 1, 3, 1, 2};
    qreal x = 8;
    bool bar = true;
    for (int w : widths) {
        if (bar)
            painter.drawRect(QRectF(x, 30, w * 1.6, 22));
        x += w * 1.6 + 1;
        bar = !bar;
    }
    painter.setPen(QPen(QColor(0xe0, 0x20, 0x20), 1.5));
    painter.drawLine(QPointF(4, 40), QPointF(width() - 4, 40));

    QPainterPath gun;
    gun.moveTo(30, 4);
    gun.lineTo(66, 4);
    gun.lineTo(70, 14);
    gun.lineTo(50, 14);
    gun.lineTo(46, 26);
    gun.lineTo(38, 26);
    gun.lineTo(40, 14);
    gun.lineTo(30, 14);
    gun.closeSubpath();
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
    painter.setBrush(QColor(0xf0, 0xc0, 0x30));
    painter.drawPath(gun);
}

// A card with its magnetic stripe, half through a swipe slot.
void TAdvancedArt::PaintMagCard(QPainter& painter)
{
    painter.setPen(QPen(QColor(0x30, 0x50, 0x90), 1));
    painter.setBrush(QColor(0x5b, 0x8d, 0xd9));
    painter.drawRoundedRect(QRectF(10, 4, 66, 40), 4, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x20, 0x20, 0x20));
    painter.drawRect(QRectF(10, 10, 66, 8));
    painter.setBrush(QColor(0xe8, 0xc8, 0x60));
    painter.drawRoundedRect(QRectF(18, 24, 12, 9), 2, 2);

    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    painter.setBrush(QColor(0x90, 0x90, 0x90));
    painter.drawRect(QRectF(2, 36, width() - 4, 16));
    painter.setBrush(QColor(0x20, 0x20, 0x20));
    painter.drawRect(QRectF(6, 42, width() - 12, 3));
}

// An external device on a cable into the keypad's port.
void TAdvancedArt::PaintWedge(QPainter& painter)
{
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    painter.setBrush(QColor(0xb0, 0xb8, 0xc0));
    painter.drawRoundedRect(QRectF(4, 8, 34, 30), 4, 4);
    painter.setBrush(QColor(0x40, 0xa0, 0x40));
    painter.drawRect(QRectF(9, 13, 24, 8));
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 3));
    QPainterPath cable;
    cable.moveTo(38, 23);
    cable.cubicTo(52, 23, 52, 44, 64, 44);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(cable);
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    painter.setBrush(QColor(0x60, 0x60, 0x60));
    painter.drawRect(QRectF(64, 38, 16, 12));
}

// A small note pad with a folded corner and ruled lines.
void TAdvancedArt::PaintNotes(QPainter& painter)
{
    QPainterPath page;
    page.moveTo(4, 2);
    page.lineTo(20, 2);
    page.lineTo(27, 9);
    page.lineTo(27, 32);
    page.lineTo(4, 32);
    page.closeSubpath();
    painter.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
    painter.setBrush(QColor(0xff, 0xf6, 0xb0));
    painter.drawPath(page);
    painter.drawLine(QPointF(20, 2), QPointF(20, 9));
    painter.drawLine(QPointF(20, 9), QPointF(27, 9));
    painter.setPen(QPen(QColor(0x60, 0x80, 0xc0), 1));
    for (int y = 13; y <= 28; y += 5)
        painter.drawLine(QPointF(8, y), QPointF(23, y));
}
