#include "ui/dialogs/About.h"

#include "platform/Version.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

namespace {

const QColor Navy(0x1d, 0x35, 0x57);
const QColor Accent(0x2a, 0x9d, 0x8f);

// The maker's word mark: a rounded badge with an H and the name beside it.
QPixmap makeLogo()
{
    QFont name(QStringLiteral("Sans Serif"));
    name.setPixelSize(25);
    name.setBold(true);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    QFont tag(QStringLiteral("Sans Serif"));
    tag.setPixelSize(11);
    tag.setLetterSpacing(QFont::AbsoluteSpacing, 2.2);
    const QString nameText = QStringLiteral("HALVORSTEN");
    const QString tagText = QStringLiteral("KEYPAD SYSTEMS");
    const int textWidth = std::max(QFontMetrics(name).horizontalAdvance(nameText),
                                   QFontMetrics(tag).horizontalAdvance(tagText));

    QPixmap logo(62 + textWidth + 6, 56);
    logo.fill(Qt::white);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF badge(2, 4, 48, 48);
    p.setPen(Qt::NoPen);
    p.setBrush(Navy);
    p.drawRoundedRect(badge, 10, 10);
    p.setBrush(Accent);
    p.drawRect(QRectF(badge.left() + 10, badge.center().y() - 3, badge.width() - 20, 6));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(badge.left() + 12, badge.top() + 11, 7, badge.height() - 22));
    p.drawRect(QRectF(badge.right() - 19, badge.top() + 11, 7, badge.height() - 22));

    p.setFont(name);
    p.setPen(Navy);
    p.drawText(QRectF(60, 4, textWidth + 6, 32), Qt::AlignLeft | Qt::AlignVCenter, nameText);
    p.setFont(tag);
    p.setPen(Accent);
    p.drawText(QRectF(61, 34, textWidth + 6, 16), Qt::AlignLeft | Qt::AlignVCenter, tagText);
    return logo;
}

// A 20-key keypad with its two-line display, seen from above.
QPixmap makeKeypad()
{
    QPixmap pad(128, 170);
    pad.fill(Qt::white);
    QPainter p(&pad);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF body(6, 4, 116, 162);
    p.setPen(QPen(QColor(0x30, 0x30, 0x34), 1.5));
    p.setBrush(QColor(0x3c, 0x3f, 0x46));
    p.drawRoundedRect(body, 9, 9);

    const QRectF lcd(body.left() + 10, body.top() + 10, body.width() - 20, 26);
    p.setPen(QPen(QColor(0x22, 0x22, 0x22), 1));
    p.setBrush(QColor(0xa8, 0xc6, 0x86));
    p.drawRoundedRect(lcd, 3, 3);
    p.setPen(QColor(0x2e, 0x3b, 0x22));
    QFont lcdFont(QStringLiteral("Monospace"));
    lcdFont.setStyleHint(QFont::TypeWriter);
    lcdFont.setPixelSize(9);
    p.setFont(lcdFont);
    p.drawText(lcd.adjusted(4, 1, -2, -13), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("OSTRELLA Rx"));
    p.drawText(lcd.adjusted(4, 12, -2, -1), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Ready"));

    const int columns = 4;
    const int rows = 5;
    const qreal gap = 5;
    const qreal keyWidth = (body.width() - 20 - gap * (columns - 1)) / columns;
    const qreal top = lcd.bottom() + 10;
    const qreal keyHeight = (body.bottom() - 10 - top - gap * (rows - 1)) / rows;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const QRectF key(body.left() + 10 + c * (keyWidth + gap), top + r * (keyHeight + gap),
                             keyWidth, keyHeight);
            p.setPen(QPen(QColor(0x9a, 0x9c, 0xa2), 1));
            p.setBrush(r == 0 && c == 3 ? Accent : QColor(0xee, 0xee, 0xea));
            p.drawRoundedRect(key, 3, 3);
        }
    }
    return pad;
}

} // namespace

TfrmAbout::TfrmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About"));

    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    setAutoFillBackground(true);

    HalvLogoImage = new QLabel(this);
    HalvLogoImage->setObjectName(QStringLiteral("HalvLogoImage"));
    HalvLogoImage->setPixmap(makeLogo());

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(makeKeypad());
    Image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lblDescription = new QLabel(tr("PadwrightRx redefinition software for Ostrella Rx"), this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);
    QFont bold = lblDescription->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    lblDescription->setFont(bold);

    lblVersion = new QLabel(tr("Version x.xx"), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));

    btnOk = new QPushButton(tr("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnOk->setMinimumWidth(88);
    connect(btnOk, &QPushButton::clicked, this, &TfrmAbout::btnOkClick);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(18, 18, 18, 16);
    layout->setHorizontalSpacing(22);
    layout->setVerticalSpacing(10);
    layout->addWidget(Image1, 0, 0, 5, 1);
    layout->addWidget(HalvLogoImage, 0, 1);
    layout->addWidget(lblDescription, 1, 1);
    layout->addWidget(lblVersion, 2, 1);
    layout->setRowStretch(3, 1);
    layout->addWidget(btnOk, 4, 1, Qt::AlignRight | Qt::AlignBottom);
    layout->setColumnMinimumWidth(1, 240);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    FormCreate();
    btnOk->setFocus();
}

void TfrmAbout::FormCreate()
{
    lblVersion->setText(tr("Version ") + GetOurVersion());
}

int TfrmAbout::Execute(QWidget* mainWindow)
{
    TfrmAbout box(mainWindow);
    box.CentreOn(mainWindow);
    return box.exec();
}

void TfrmAbout::CentreOn(const QWidget* mainWindow)
{
    if (!mainWindow)
        return;
    adjustSize();
    const QRect main = mainWindow->frameGeometry();
    move(main.left() + main.width() / 2 - width() / 2,
         main.top() + main.height() / 2 - height() / 2);
}

void TfrmAbout::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // The frame: one unit wide, one unit inside the edges.
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(1, 1, width() - 3, height() - 3));
}

void TfrmAbout::btnOkClick()
{
    accept();
}
