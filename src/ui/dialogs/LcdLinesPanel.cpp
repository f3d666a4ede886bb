#include "ui/dialogs/LcdLinesPanel.h"

#include <QFontDatabase>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "model/Encodings.h"

namespace {

const QColor LcdGlass(0x3f, 0x8f, 0x2a);
const QColor LcdText(0xd9, 0xff, 0xb3);
const QColor LcdUnlit(0x00, 0x00, 0x00);
const QColor LcdUnlitText(0x2c, 0x2c, 0x2c);
const QColor Bezel(0x2b, 0x2f, 0x33);
const QColor BezelEdge(0x6a, 0x70, 0x76);

} // namespace

TLcdLinesPanel::TLcdLinesPanel(const QString& line1Name, const QString& line2Name, QWidget* parent)
    : QWidget(parent), fLine1(new QLineEdit(this)), fLine2(new QLineEdit(this))
{
    fLine1->setObjectName(line1Name);
    fLine2->setObjectName(line2Name);
    StyleLcdLine(fLine1);
    StyleLcdLine(fLine2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(2);
    layout->addWidget(fLine1);
    layout->addWidget(fLine2);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TLcdLinesPanel::StyleLcdLine(QLineEdit* edit)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setBold(true);
    font.setPointSize(12);
    font.setStyleHint(QFont::TypeWriter);
    edit->setFont(font);
    edit->setFrame(false);
    edit->setMaxLength(Encodings::LcdLineLength);

    QPalette pal = edit->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Base, LcdGlass);
        pal.setColor(group, QPalette::Text, LcdText);
        pal.setColor(group, QPalette::Highlight, LcdText);
        pal.setColor(group, QPalette::HighlightedText, LcdGlass);
    }
    pal.setColor(QPalette::Disabled, QPalette::Base, LcdUnlit);
    pal.setColor(QPalette::Disabled, QPalette::Text, LcdUnlitText);
    edit->setPalette(pal);
    edit->setAutoFillBackground(true);

    const QFontMetrics metrics(font);
    edit->setFixedWidth(metrics.horizontalAdvance(QLatin1Char('M')) * Encodings::LcdLineLength +
                        10);
    edit->setFixedHeight(metrics.height() + 6);
}

void TLcdLinesPanel::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    // The display's housing.
    const QRectF outer = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(BezelEdge, 2));
    painter.setBrush(Bezel);
    painter.drawRoundedRect(outer, 8, 8);

    // The glass around the two lines.
    const QRect lines = fLine1->geometry().united(fLine2->geometry()).adjusted(-8, -6, 8, 6);
    painter.setPen(QPen(QColor(0x1c, 0x4a, 0x14), 1));
    painter.setBrush(isEnabled() ? LcdGlass.darker(115) : LcdUnlit);
    painter.drawRect(lines);

    // Mounting holes in the corners.
    painter.setPen(Qt::NoPen);
    painter.setBrush(BezelEdge);
    const qreal r = 2.5;
    for (const QPointF& p :
         {outer.topLeft() + QPointF(7, 7), outer.topRight() + QPointF(-7, 7),
          outer.bottomLeft() + QPointF(7, -7), outer.bottomRight() + QPointF(-7, -7)})
        painter.drawEllipse(p, r, r);
}
