// The code entry palette: the PC keyboard, Delay and Beep, the manual entry.

#include "ui/main/CodePalette.h"

#include "ui/common/Prompts.h"
#include "ui/main/PcKeyboard.h"

#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValidator>

#include <functional>

namespace {

// Size of the palette below the keypad and the grid.
constexpr int PaletteWidth = 940;
constexpr int PaletteHeight = 234;

// The command buttons' tags: their codes come from the track bars.
constexpr int DelayTag = 111;
constexpr int BeepTag = 112;

// ------------------------------------------------------------------------ manual entry

constexpr int DecimalDigits = 3;
constexpr int HexDigits = 2;

// Keeps the manual entry's text a number in its radix, whatever the way the
// text arrives (typed, pasted, dropped): hexadecimal digits are upper case,
// anything else is refused.
class TManualInputValidator : public QValidator
{
public:
    // `hex` tells whether the entry is in hexadecimal at the moment.
    TManualInputValidator(std::function<bool()> hex, QObject* parent)
        : QValidator(parent), fHex(std::move(hex))
    {
    }

    State validate(QString& input, int&) const override
    {
        const bool Hex = fHex();
        if (Hex)
            input = input.toUpper();
        for (const QChar ch : input) {
            const bool digit = ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
            const bool hexLetter = ch >= QLatin1Char('A') && ch <= QLatin1Char('F');
            if (!digit && !(Hex && hexLetter))
                return Invalid;
        }
        return Acceptable;
    }

private:
    std::function<bool()> fHex;
};

// Passes the key presses of one widget to a handler that may consume them.
class TKeyPressFilter : public QObject
{
public:
    TKeyPressFilter(std::function<bool(QKeyEvent*)> handler, QObject* parent)
        : QObject(parent), fHandler(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
            return fHandler(static_cast<QKeyEvent*>(event));
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool(QKeyEvent*)> fHandler;
};

// ------------------------------------------------------------------------ pictures

QIcon drawIcon(const std::function<void(QPainter&)>& paint)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return QIcon(pixmap);
}

// An hourglass.
QIcon delayIcon()
{
    return drawIcon([](QPainter& p) {
        const QColor frame(90, 60, 30);
        p.setPen(QPen(frame, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 2), QPointF(16, 2));
        p.drawLine(QPointF(4, 18), QPointF(16, 18));
        QPainterPath glass;
        glass.moveTo(5.5, 2.5);
        glass.lineTo(14.5, 2.5);
        glass.lineTo(10.8, 10);
        glass.lineTo(14.5, 17.5);
        glass.lineTo(5.5, 17.5);
        glass.lineTo(9.2, 10);
        glass.closeSubpath();
        p.setPen(QPen(QColor(70, 90, 120), 1.0));
        p.setBrush(QColor(225, 238, 250));
        p.drawPath(glass);
        QPainterPath sand;
        sand.moveTo(7.2, 17.2);
        sand.lineTo(10, 12.5);
        sand.lineTo(12.8, 17.2);
        sand.closeSubpath();
        sand.moveTo(7.6, 4.5);
        sand.lineTo(12.4, 4.5);
        sand.lineTo(10, 8.5);
        sand.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(222, 170, 60));
        p.drawPath(sand);
    });
}

// A loudspeaker with sound waves.
QIcon beepIcon()
{
    return drawIcon([](QPainter& p) {
        QPainterPath speaker;
        speaker.moveTo(2.5, 7.5);
        speaker.lineTo(6, 7.5);
        speaker.lineTo(10.5, 3.5);
        speaker.lineTo(10.5, 16.5);
        speaker.lineTo(6, 12.5);
        speaker.lineTo(2.5, 12.5);
        speaker.closeSubpath();
        p.setPen(QPen(QColor(40, 40, 60), 1.0));
        p.setBrush(QColor(80, 90, 120));
        p.drawPath(speaker);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(30, 110, 200), 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(8, 6.5, 6, 7), -60 * 16, 120 * 16);
        p.drawArc(QRectF(7.5, 3.5, 10, 13), -60 * 16, 120 * 16);
    });
}

// An arrow bending down into a grid cell.
QIcon insertIcon()
{
    return drawIcon([](QPainter& p) {
        p.setPen(QPen(QColor(110, 110, 110), 1.0));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 12.5, 13, 6));
        p.setPen(QPen(QColor(30, 130, 40), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath arrow;
        arrow.moveTo(16, 2.5);
        arrow.lineTo(16, 6.5);
        arrow.lineTo(10, 6.5);
        arrow.lineTo(10, 10.5);
        p.drawPath(arrow);
        p.drawPolyline(QPolygonF({QPointF(7.5, 8.5), QPointF(10, 11), QPointF(12.5, 8.5)}));
    });
}

QString hintForLength(int position)
{
    return TCodePalette::tr("%1ms").arg(position * 4);
}

} // namespace

TCodePalette::TCodePalette(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pnlPalette"));
    setFixedSize(PaletteWidth, PaletteHeight);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(14);

    auto* keyboardColumn = new QVBoxLayout;
    keyboardColumn->setSpacing(4);
    auto* lblKeyboard =
        new QLabel(tr("Click on any key below or type on PC keyboard (green keys only)"), this);
    lblKeyboard->setObjectName(QStringLiteral("lblKeyboard"));
    QFont captionFont = lblKeyboard->font();
    captionFont.setBold(true);
    lblKeyboard->setFont(captionFont);
    keyboardColumn->addWidget(lblKeyboard);
    pnlKeyboard = new TPcKeyboard(this);
    keyboardColumn->addWidget(pnlKeyboard);
    keyboardColumn->addStretch(1);
    layout->addLayout(keyboardColumn);
    connect(pnlKeyboard, &TPcKeyboard::keyNumberClicked, this, &TCodePalette::spdBtnEscClick);
    connect(pnlKeyboard, &TPcKeyboard::plainCodeClicked, this, &TCodePalette::functionKeyChosen);
    connect(pnlKeyboard, &TPcKeyboard::modifierClicked, this, &TCodePalette::modifierToggled);

    auto* commandColumn = new QVBoxLayout;
    commandColumn->setSpacing(8);
    commandColumn->addSpacing(lblKeyboard->sizeHint().height() + 4);
    commandColumn->addWidget(BuildDelayAndBeep());
    commandColumn->addWidget(BuildManualEntry());
    commandColumn->addStretch(1);
    layout->addLayout(commandColumn, 1);
}

void TCodePalette::UpdateKeyboard(TSetModifierKeys mkset)
{
    pnlKeyboard->UpdateKeyboard(mkset);
}

void TCodePalette::ReleaseModifierButtons()
{
    pnlKeyboard->ReleaseModifierButtons();
}

// ============================================================================ building

QWidget* TCodePalette::BuildDelayAndBeep()
{
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("pnlDelayBeep"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(0);

    // One command button beside its track bar, with the lengths at its two ends.
    auto addCommand = [&](int row, const QString& name, const QString& caption, const QIcon& icon,
                          const QString& hint, int tag, const QString& barName, QSlider*& bar) {
        auto* button = new QToolButton(box);
        button->setObjectName(name);
        button->setText(caption);
        button->setIcon(icon);
        button->setIconSize(QSize(20, 20));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setToolTip(hint);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(82, 32);
        button->setProperty("tag", tag);
        connect(button, &QToolButton::clicked, this, [this, tag] { spdBtnEscClick(tag); });

        bar = new QSlider(Qt::Horizontal, box);
        bar->setObjectName(barName);
        bar->setRange(1, 125);
        bar->setValue(50);
        bar->setTickInterval(16);
        bar->setTickPosition(QSlider::TicksBelow);
        bar->setPageStep(16);
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setToolTip(hintForLength(bar->value()));
        // While it is dragged the length shows beside the handle.
        QSlider* slider = bar;
        connect(bar, &QSlider::sliderMoved, this, [slider](int position) {
            QToolTip::showText(QCursor::pos(), hintForLength(position), slider);
        });

        auto* shortest = new QLabel(tr("4ms"), box);
        shortest->setObjectName(barName + QStringLiteral("Min"));
        auto* longest = new QLabel(tr("500ms"), box);
        longest->setObjectName(barName + QStringLiteral("Max"));
        QFont small = shortest->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        shortest->setFont(small);
        longest->setFont(small);
        auto* ends = new QHBoxLayout;
        ends->setContentsMargins(0, 0, 0, 0);
        ends->addWidget(shortest);
        ends->addStretch(1);
        ends->addWidget(longest);

        grid->addWidget(button, row, 0, 2, 1, Qt::AlignTop);
        grid->addWidget(bar, row, 1);
        grid->addLayout(ends, row + 1, 1);
    };

    addCommand(0, QStringLiteral("SpeedButton105"), tr("Delay"), delayIcon(),
               tr("3 byte Delay command"), DelayTag, QStringLiteral("tbDelayValue"), tbDelayValue);
    grid->setRowMinimumHeight(2, 8);
    addCommand(3, QStringLiteral("SpeedButton78"), tr("Beep"), beepIcon(),
               tr("3 byte Beep command"), BeepTag, QStringLiteral("tbBeepValue"), tbBeepValue);
    grid->setColumnStretch(1, 1);

    connect(tbDelayValue, &QSlider::valueChanged, this, &TCodePalette::tbDelayValueChange);
    connect(tbBeepValue, &QSlider::valueChanged, this, &TCodePalette::tbBeepValueChange);
    return box;
}

QWidget* TCodePalette::BuildManualEntry()
{
    auto* GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(GroupBox1);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);

    auto* lblEnterData = new QLabel(tr("Enter data"), GroupBox1);
    lblEnterData->setObjectName(QStringLiteral("lblEnterData"));
    auto* lblManually = new QLabel(tr("manually:"), GroupBox1);
    lblManually->setObjectName(QStringLiteral("lblManually"));

    edManualInput = new QLineEdit(GroupBox1);
    edManualInput->setObjectName(QStringLiteral("edManualInput"));
    edManualInput->setMaxLength(DecimalDigits);
    edManualInput->setAlignment(Qt::AlignCenter);
    edManualInput->setFixedWidth(
        edManualInput->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    edManualInput->installEventFilter(new TKeyPressFilter(
        [this](QKeyEvent* event) { return edManualInputKeyPress(event); }, edManualInput));

    auto* insert = new QToolButton(GroupBox1);
    insert->setObjectName(QStringLiteral("spdbtnInsert"));
    insert->setIcon(insertIcon());
    insert->setIconSize(QSize(20, 20));
    insert->setFocusPolicy(Qt::NoFocus);
    insert->setFixedSize(edManualInput->width(), 28);
    connect(insert, &QToolButton::clicked, this, &TCodePalette::spdbtnInsertClick);

    rbDecimal = new QRadioButton(tr("Decimal"), GroupBox1);
    rbDecimal->setObjectName(QStringLiteral("rbDecimal"));
    rbDecimal->setChecked(true);
    rbHexadecimal = new QRadioButton(tr("Hexadecimal"), GroupBox1);
    rbHexadecimal->setObjectName(QStringLiteral("rbHexadecimal"));
    // The box validates again when it loses the focus, which can happen while
    // the window is being torn down: ask the radio button, not the window.
    const QPointer<QRadioButton> hexRadix(rbHexadecimal);
    edManualInput->setValidator(new TManualInputValidator(
        [hexRadix] { return hexRadix && hexRadix->isChecked(); }, edManualInput));
    // Choosing a radix (not clicking the one already chosen) starts a new entry.
    connect(rbDecimal, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            rbDecimalClick();
    });
    connect(rbHexadecimal, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            rbHexadecimalClick();
    });

    grid->addWidget(lblEnterData, 0, 0, Qt::AlignBottom);
    grid->addWidget(lblManually, 1, 0, Qt::AlignTop);
    grid->addWidget(edManualInput, 0, 1);
    grid->addWidget(insert, 1, 1);
    grid->addWidget(rbDecimal, 0, 2);
    grid->addWidget(rbHexadecimal, 1, 2);
    grid->setColumnStretch(2, 1);
    return GroupBox1;
}

// ============================================================================ inserting

void TCodePalette::spdBtnEscClick(int tag)
{
    int32_t value = tag;
    if (tag == DelayTag)
        value = DelayFlag + tbDelayValue->value();
    else if (tag == BeepTag)
        value = BeepFlag + tbBeepValue->value();
    Q_EMIT keyCodeChosen(value);
}

void TCodePalette::tbDelayValueChange()
{
    tbDelayValue->setToolTip(hintForLength(tbDelayValue->value()));
}

void TCodePalette::tbBeepValueChange()
{
    tbBeepValue->setToolTip(hintForLength(tbBeepValue->value()));
}

// ============================================================================ manual entry

void TCodePalette::rbDecimalClick()
{
    rbHexadecimal->setChecked(false);
    edManualInput->setMaxLength(DecimalDigits);
    edManualInput->clear();
}

void TCodePalette::rbHexadecimalClick()
{
    rbDecimal->setChecked(false);
    edManualInput->setMaxLength(HexDigits);
    edManualInput->clear();
}

bool TCodePalette::edManualInputKeyPress(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        int value = 0;
        if (ManualValue(value)) {
            Q_EMIT manualByteEntered(value);
            edManualInput->clear();
        }
        return true;
    }
    // Only characters are filtered; editing keys (arrows, Delete, the
    // clipboard shortcuts) work as in any edit.
    const QString text = event->text();
    if (text.size() != 1 || !text.at(0).isPrint())
        return false;
    const QChar ch = text.at(0);
    if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9'))
        return false;
    if (rbHexadecimal->isChecked()) {
        if (ch >= QLatin1Char('A') && ch <= QLatin1Char('F'))
            return false;
        if (ch >= QLatin1Char('a') && ch <= QLatin1Char('f')) {
            edManualInput->insert(ch.toUpper());
            return true;
        }
    }
    return true; // any other character is dropped
}

void TCodePalette::spdbtnInsertClick()
{
    int value = 0;
    if (!ManualValue(value))
        return;
    // The text stays, so the same value can be inserted again.
    Q_EMIT manualByteInserted(value);
}

bool TCodePalette::ManualValue(int& value)
{
    const QString text = edManualInput->text();
    if (text.isEmpty())
        return false;
    bool ok = false;
    value = text.toInt(&ok, rbHexadecimal->isChecked() ? 16 : 10);
    if (!ok || value < 0)
        return false; // cannot happen: the validator admits digits only
    if (value > 255) {
        Prompts::Error(this, tr("Value exceeds 255 (decimal)."));
        return false;
    }
    return true;
}
