// The code entry palette: the on-screen PC keyboard, the modifier buttons,
// Delay and Beep, the manual entry, and the grid menu's insertion items.
// Every code goes into the macro through AddData or AddByte.

#include "ui/main/Main.h"

#include "model/Encodings.h"
#include "ui/dialogs/About.h"
#include "ui/dialogs/MacroLen.h"
#include "ui/main/KeyCap.h"
#include "ui/main/MacroGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>
#include <functional>

using Encodings::GreenLedCode;
using Encodings::OpModeHostModeMask;
using Encodings::OpModeLineEditBit;
using Encodings::RedLedCode;

namespace {

// ------------------------------------------------------------------------ the PC keyboard

enum class TKeyKind
{
    KeyNumber, // inserts its tag as a key number (AddData)
    PlainCode, // F1..F12: inserts its tag as a plain code (AddByte)
    Modifier   // latches one bit of the pending modifier mask; inserts nothing
};

// One button of the on-screen keyboard. Positions and sizes are in key
// units; rows count from the function key row (0) down to the space bar (5).
struct TPcKey
{
    const char* Name;
    const char* Legend;
    const char* Shifted; // the legend above the main one, or nullptr
    int Tag;
    TKeyKind Kind;
    double X;
    int Row;
    double Width = 1.0;
    int Height = 1; // rows
    int Bit = 0;    // modifier keys: their bit of the pending modifier mask
    const char* Hint = nullptr;
};

constexpr TKeyKind K = TKeyKind::KeyNumber;
constexpr TKeyKind F = TKeyKind::PlainCode;
constexpr TKeyKind M = TKeyKind::Modifier;
constexpr double Pad = 15.5; // left edge of the numeric block

const char* const BackspaceHint = "Click to add BS character, use keyboard to erase";
const char* const DelHint = "Click to add DEL character, use keyboard to erase";
const char* const CtrlHint = "Use Ctrl+Key to enter ASCII control codes";

// clang-format off
const TPcKey PcKeys[] = {
    // Row 1: Esc and the function keys, in groups of four.
    {"spdBtnEsc", "Esc", nullptr, 1, K, 0, 0},
    {"SpeedButton25", "F1", nullptr, 161, F, 2, 0},
    {"SpeedButton26", "F2", nullptr, 162, F, 3, 0},
    {"SpeedButton28", "F3", nullptr, 163, F, 4, 0},
    {"SpeedButton29", "F4", nullptr, 164, F, 5, 0},
    {"SpeedButton27", "F5", nullptr, 165, F, 6.5, 0},
    {"SpeedButton53", "F6", nullptr, 166, F, 7.5, 0},
    {"SpeedButton54", "F7", nullptr, 167, F, 8.5, 0},
    {"SpeedButton55", "F8", nullptr, 168, F, 9.5, 0},
    {"SpeedButton51", "F9", nullptr, 169, F, 11, 0},
    {"SpeedButton52", "F10", nullptr, 170, F, 12, 0},
    {"SpeedButton49", "F11", nullptr, 171, F, 13, 0},
    {"SpeedButton50", "F12", nullptr, 172, F, 14, 0},
    // Row 2: the digits.
    {"SpeedButton30", "`", "~", 41, K, 0, 1},
    {"SpeedButton31", "1", "!", 2, K, 1, 1},
    {"SpeedButton32", "2", "@", 3, K, 2, 1},
    {"SpeedButton33", "3", "#", 4, K, 3, 1},
    {"SpeedButton36", "4", "$", 5, K, 4, 1},
    {"SpeedButton37", "5", "%", 6, K, 5, 1},
    {"SpeedButton34", "6", "^", 7, K, 6, 1},
    {"SpeedButton35", "7", "&", 8, K, 7, 1},
    {"SpeedButton41", "8", "*", 9, K, 8, 1},
    {"SpeedButton42", "9", "(", 10, K, 9, 1},
    {"SpeedButton43", "0", ")", 11, K, 10, 1},
    {"SpeedButton44", "-", "_", 12, K, 11, 1},
    {"SpeedButton39", "=", "+", 13, K, 12, 1},
    {"SpeedButton40", "Backspace", nullptr, 14, K, 13, 1, 2.0, 1, 0, BackspaceHint},
    {"SpeedButton67", "Del", nullptr, 100, K, Pad, 1, 1.0, 1, 0, DelHint},
    {"SpeedButton46", "/", nullptr, 88, K, Pad + 1, 1},
    {"SpeedButton47", "*", nullptr, 55, K, Pad + 2, 1},
    {"SpeedButton45", "-", nullptr, 74, K, Pad + 3, 1},
    // Row 3.
    {"SpeedButton58", "Tab", nullptr, 15, K, 0, 2, 1.5},
    {"SpeedButton97", "Q", nullptr, 16, K, 1.5, 2},
    {"SpeedButton59", "W", nullptr, 17, K, 2.5, 2},
    {"SpeedButton60", "E", nullptr, 18, K, 3.5, 2},
    {"SpeedButton65", "R", nullptr, 19, K, 4.5, 2},
    {"SpeedButton66", "T", nullptr, 20, K, 5.5, 2},
    {"SpeedButton61", "Y", nullptr, 21, K, 6.5, 2},
    {"SpeedButton64", "U", nullptr, 22, K, 7.5, 2},
    {"SpeedButton69", "I", nullptr, 23, K, 8.5, 2},
    {"SpeedButton70", "O", nullptr, 24, K, 9.5, 2},
    {"SpeedButton71", "P", nullptr, 25, K, 10.5, 2},
    {"SpeedButton72", "[", "{", 26, K, 11.5, 2},
    {"SpeedButton68", "]", "}", 27, K, 12.5, 2},
    {"SpeedButton94", "\\", "|", 43, K, 13.5, 2, 1.5},
    {"SpeedButton77", "7", nullptr, 71, K, Pad, 2},
    {"SpeedButton73", "8", nullptr, 72, K, Pad + 1, 2},
    {"SpeedButton74", "9", nullptr, 73, K, Pad + 2, 2},
    {"SpeedButton90", "+", nullptr, 78, K, Pad + 3, 2, 1.0, 2},
    // Row 4.
    {"spdbtnCapsLock", "Caps\nLock", nullptr, 58, M, 0, 3, 1.75, 1, ModCapsLock},
    {"SpeedButton79", "A", nullptr, 30, K, 1.75, 3},
    {"SpeedButton80", "S", nullptr, 31, K, 2.75, 3},
    {"SpeedButton83", "D", nullptr, 32, K, 3.75, 3},
    {"SpeedButton84", "F", nullptr, 33, K, 4.75, 3},
    {"SpeedButton81", "G", nullptr, 34, K, 5.75, 3},
    {"SpeedButton82", "H", nullptr, 35, K, 6.75, 3},
    {"SpeedButton86", "J", nullptr, 36, K, 7.75, 3},
    {"SpeedButton87", "K", nullptr, 37, K, 8.75, 3},
    {"SpeedButton88", "L", nullptr, 38, K, 9.75, 3},
    {"SpeedButton89", ";", ":", 39, K, 10.75, 3},
    {"SpeedButton85", "'", "\"", 40, K, 11.75, 3},
    {"SpeedButton95", "Enter", nullptr, 28, K, 12.75, 3, 2.25},
    {"SpeedButton96", "4", nullptr, 75, K, Pad, 3},
    {"SpeedButton91", "5", nullptr, 76, K, Pad + 1, 3},
    {"SpeedButton92", "6", nullptr, 77, K, Pad + 2, 3},
    // Row 5.
    {"sbtnLShift", "Shift", nullptr, 42, M, 0, 4, 2.25, 1, ModLShift},
    {"SpeedButton99", "Z", nullptr, 44, K, 2.25, 4},
    {"SpeedButton100", "X", nullptr, 45, K, 3.25, 4},
    {"SpeedButton103", "C", nullptr, 46, K, 4.25, 4},
    {"SpeedButton104", "V", nullptr, 47, K, 5.25, 4},
    {"SpeedButton101", "B", nullptr, 48, K, 6.25, 4},
    {"SpeedButton102", "N", nullptr, 49, K, 7.25, 4},
    {"SpeedButton109", "M", nullptr, 50, K, 8.25, 4},
    {"SpeedButton110", ",", "<", 51, K, 9.25, 4},
    {"SpeedButton111", ".", ">", 52, K, 10.25, 4},
    {"SpeedButton112", "/", "?", 53, K, 11.25, 4},
    {"sbtnRShift", "Shift", nullptr, 54, M, 12.25, 4, 2.75, 1, ModRShift},
    {"SpeedButton120", "1", nullptr, 79, K, Pad, 4},
    {"SpeedButton115", "2", nullptr, 80, K, Pad + 1, 4},
    {"SpeedButton116", "3", nullptr, 81, K, Pad + 2, 4},
    {"SpeedButton129", "Enter", nullptr, 86, K, Pad + 3, 4, 1.0, 2},
    // Row 6: no Alt, Windows or menu keys; the gaps stand where they would be.
    {"sbtnLCtrl", "Ctrl", nullptr, 29, M, 0, 5, 1.5, 1, ModLCtrl, CtrlHint},
    {"SpeedButton93", "Space", nullptr, 57, K, 3.75, 5, 6.25},
    {"sbtnRCtrl", "Ctrl", nullptr, 87, M, 13.5, 5, 1.5, 1, ModRCtrl, CtrlHint},
    {"SpeedButton136", "0", nullptr, 82, K, Pad, 5, 2.0},
    {"SpeedButton132", ".", nullptr, 83, K, Pad + 2, 5},
};
// clang-format on

constexpr int KeyUnit = 33;        // pixels per key unit
constexpr int FunctionRowGap = 10; // between the function keys and the digits
constexpr double KeyboardUnits = Pad + 4;

int rowTop(int row)
{
    return row * KeyUnit + (row > 0 ? FunctionRowGap : 0);
}

// Whether a key's character can also be typed into the grid: some typed
// character maps to its key number.
bool isTypeable(int keyNumber)
{
    return std::find(AsciiToKeyNumber.begin(), AsciiToKeyNumber.end(), keyNumber) !=
           AsciiToKeyNumber.end();
}

// ------------------------------------------------------------------------ the grid menu

struct TMenuCode
{
    const char* Name;
    const char* Caption;
    int Tag;
};

// clang-format off
const TMenuCode FunctionKeyItems[] = {
    {"F131", "F13", 173}, {"F141", "F14", 174}, {"F151", "F15", 175}, {"F161", "F16", 176},
    {"F171", "F17", 177}, {"F181", "F18", 178}, {"F191", "F19", 179}, {"F201", "F20", 180},
    {"F211", "F21", 181}, {"F221", "F22", 182}, {"F231", "F23", 183}, {"F241", "F24", 184},
};

// In menu order: down the first pair of columns, then down the second.
const TMenuCode MultiMediaItems[] = {
    {"ScanNextTrack1", "Scan Next Track", 128},
    {"ScanPreviousTrack1", "Scan Previous Track", 129},
    {"Stop1", "Stop", 130},
    {"PlayPause1", "Play/Pause", 131},
    {"Mute1", "Mute", 132},
    {"BassBoost1", "Bass Boost", 133},
    {"Loudness1", "Loudness", 134},
    {"VolumeUp1", "Volume Up", 135},
    {"VolumeDown1", "Volume Down", 136},
    {"BassUp1", "Bass Up", 137},
    {"BassDown1", "Bass Down", 138},
    {"TrebleUp1", "Treble Up", 139},
    {"TrebleDown1", "Treble Down", 140},
    {"MediaPlayer1", "Media Player", 141},
    {"Email1", "Email", 142},
    {"Calculator1", "Calculator", 143},
    {"WWWBrowser1", "My Computer", 144},
    {"WWWSearch1", "WWW Search", 145},
    {"WWWHome1", "WWW Home", 146},
    {"WWWBack1", "WWW Back", 147},
    {"WWWForward1", "WWW Forward", 148},
    {"WWWStop1", "WWW Stop", 149},
    {"WWWRefresh1", "WWW Refresh", 150},
    {"WWWBookmarks1", "WWW Bookmarks", 151},
};
constexpr int MultiMediaSecondColumn = 13; // MediaPlayer1 heads the second column

const TMenuCode NumericKeypadItems[] = {
    {"KP0Ins1", "KP 0 Ins", 192},   {"KP1End1", "KP 1 End", 193},
    {"KP2Down1", "KP 2 Down", 194}, {"KP3PgDn1", "KP 3 PgDn", 195},
    {"KP4Left1", "KP 4 Left", 196}, {"KP51", "KP 5", 197},
    {"KP6Right1", "KP 6 Right", 198}, {"KP7Home1", "KP 7 Home", 199},
    {"KP8Up1", "KP 8 Up", 200},     {"KP9PgUp1", "KP 9 PgUp", 201},
    {"KPDel1", "KP . Del", 202},    {"KPSlash1", "KP /", 203},
    {"KPAsterisk1", "KP *", 204},   {"KPMinus1", "KP -", 205},
    {"KPPlus1", "KP +", 206},       {"KPEnter1", "KP Enter", 207},
};

const TMenuCode MiscellaneousItems[] = {
    {"CapsLock1", "CapsLock", 160},    {"NumLock1", "NumLock", 191},
    {"Insert1", "Insert", 185},        {"Delete1", "Delete", 186},
    {"Home1", "Home", 187},            {"End1", "End", 188},
    {"PageUp1", "Page Up", 189},       {"PageDown1", "Page Down", 190},
    {"PrintScreen1", "Print Screen", 157}, {"ScrollLock1", "Scroll Lock", 158},
    {"PauseBreak1", "Pause/Break", 159},
};
// clang-format on

// The LED items' tags are the command bytes: 8..10 green, 11..13 red.
constexpr int FirstRedLedTag = 11;
constexpr int LedHostMacroCode = 2; // the LED mode "Host/Macro Control"
constexpr uint8_t FirstHidKeyboardMode = 0x30;

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
    return QStringLiteral("%1ms").arg(position * 4);
}

} // namespace

// ============================================================================ building

void TfrmMain::BuildPalette()
{
    auto* layout = new QHBoxLayout(pnlPalette);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(14);

    auto* keyboardColumn = new QVBoxLayout;
    keyboardColumn->setSpacing(4);
    lblKeyboard = new QLabel(
        QStringLiteral("Click on any key below or type on PC keyboard (green keys only)"),
        pnlPalette);
    lblKeyboard->setObjectName(QStringLiteral("lblKeyboard"));
    QFont captionFont = lblKeyboard->font();
    captionFont.setBold(true);
    lblKeyboard->setFont(captionFont);
    keyboardColumn->addWidget(lblKeyboard);
    keyboardColumn->addWidget(BuildPcKeyboard());
    keyboardColumn->addStretch(1);
    layout->addLayout(keyboardColumn);

    auto* commandColumn = new QVBoxLayout;
    commandColumn->setSpacing(8);
    commandColumn->addSpacing(lblKeyboard->sizeHint().height() + 4);
    commandColumn->addWidget(BuildDelayAndBeep());
    commandColumn->addWidget(BuildManualEntry());
    commandColumn->addStretch(1);
    layout->addLayout(commandColumn, 1);

    BuildInsertMenus();
}

QWidget* TfrmMain::BuildPcKeyboard()
{
    pnlKeyboard = new QWidget(pnlPalette);
    pnlKeyboard->setObjectName(QStringLiteral("pnlKeyboard"));
    pnlKeyboard->setFixedSize(static_cast<int>(KeyboardUnits * KeyUnit), rowTop(5) + KeyUnit);

    for (const TPcKey& key : PcKeys) {
        auto* cap =
            new TKeyCap(QString::fromUtf8(key.Legend),
                        key.Shifted ? QString::fromUtf8(key.Shifted) : QString(), pnlKeyboard);
        cap->setObjectName(QLatin1String(key.Name));
        cap->setProperty("tag", key.Tag);
        const int left = static_cast<int>(key.X * KeyUnit);
        const int right = static_cast<int>((key.X + key.Width) * KeyUnit);
        const int top = rowTop(key.Row);
        const int bottom = rowTop(key.Row + key.Height - 1) + KeyUnit;
        cap->setGeometry(left, top, right - left, bottom - top);
        if (key.Hint)
            cap->setToolTip(QString::fromUtf8(key.Hint));

        switch (key.Kind) {
        case TKeyKind::KeyNumber: {
            cap->SetTypeable(isTypeable(key.Tag));
            const int tag = key.Tag;
            connect(cap, &QAbstractButton::clicked, this, [this, tag] { spdBtnEscClick(tag); });
            break;
        }
        case TKeyKind::PlainCode: {
            const int tag = key.Tag;
            connect(cap, &QAbstractButton::clicked, this, [this, tag] { mnuMultiMediaClick(tag); });
            break;
        }
        case TKeyKind::Modifier: {
            cap->setCheckable(true);
            const int bit = key.Bit;
            connect(cap, &QAbstractButton::clicked, this,
                    [this, cap, bit] { sbtnLShiftClick(cap, bit); });
            switch (bit) {
            case ModLShift:
                sbtnLShift = cap;
                break;
            case ModRShift:
                sbtnRShift = cap;
                break;
            case ModLCtrl:
                sbtnLCtrl = cap;
                break;
            case ModRCtrl:
                sbtnRCtrl = cap;
                break;
            default:
                spdbtnCapsLock = cap;
                break;
            }
            break;
        }
        }
    }
    return pnlKeyboard;
}

QWidget* TfrmMain::BuildDelayAndBeep()
{
    auto* box = new QWidget(pnlPalette);
    box->setObjectName(QStringLiteral("pnlDelayBeep"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(0);

    // One command button beside its track bar, with the lengths at its two ends.
    auto addCommand = [&](int row, const QString& name, const QString& caption, const QIcon& icon,
                          const QString& hint, int tag, const QString& barName,
                          QSlider*& bar) -> QAbstractButton* {
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

        auto* shortest = new QLabel(QStringLiteral("4ms"), box);
        shortest->setObjectName(barName + QStringLiteral("Min"));
        auto* longest = new QLabel(QStringLiteral("500ms"), box);
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
        return button;
    };

    SpeedButton105 = addCommand(0, QStringLiteral("SpeedButton105"), QStringLiteral("Delay"),
                                delayIcon(), QStringLiteral("3 byte Delay command"), 111,
                                QStringLiteral("tbDelayValue"), tbDelayValue);
    grid->setRowMinimumHeight(2, 8);
    SpeedButton78 = addCommand(3, QStringLiteral("SpeedButton78"), QStringLiteral("Beep"),
                               beepIcon(), QStringLiteral("3 byte Beep command"), 112,
                               QStringLiteral("tbBeepValue"), tbBeepValue);
    grid->setColumnStretch(1, 1);

    connect(tbDelayValue, &QSlider::valueChanged, this, [this] { tbDelayValueChange(); });
    connect(tbBeepValue, &QSlider::valueChanged, this, [this] { tbBeepValueChange(); });
    return box;
}

QWidget* TfrmMain::BuildManualEntry()
{
    GroupBox1 = new QGroupBox(pnlPalette);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(GroupBox1);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);

    auto* lblEnterData = new QLabel(QStringLiteral("Enter data"), GroupBox1);
    lblEnterData->setObjectName(QStringLiteral("lblEnterData"));
    auto* lblManually = new QLabel(QStringLiteral("manually:"), GroupBox1);
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
    spdbtnInsert = insert;
    connect(insert, &QToolButton::clicked, this, [this] { spdbtnInsertClick(); });

    rbDecimal = new QRadioButton(QStringLiteral("Decimal"), GroupBox1);
    rbDecimal->setObjectName(QStringLiteral("rbDecimal"));
    rbDecimal->setChecked(true);
    rbHexadecimal = new QRadioButton(QStringLiteral("Hexadecimal"), GroupBox1);
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
    grid->addWidget(spdbtnInsert, 1, 1);
    grid->addWidget(rbDecimal, 0, 2);
    grid->addWidget(rbHexadecimal, 1, 2);
    grid->setColumnStretch(2, 1);
    return GroupBox1;
}

void TfrmMain::BuildInsertMenus()
{
    auto addCodeMenu = [this](const char* name, const QString& caption, const TMenuCode* first,
                              const TMenuCode* last) {
        QMenu* menu = popmenuClearMacro->addMenu(caption);
        menu->setObjectName(QLatin1String(name));
        menu->menuAction()->setObjectName(QLatin1String(name) + QStringLiteral("Action"));
        for (const TMenuCode* item = first; item != last; ++item) {
            QAction* action = menu->addAction(QString::fromUtf8(item->Caption));
            action->setObjectName(QLatin1String(item->Name));
            action->setData(item->Tag);
            const int tag = item->Tag;
            connect(action, &QAction::triggered, this, [this, tag] { mnuMultiMediaClick(tag); });
        }
        return menu;
    };
    InsertF13throughF24key1 =
        addCodeMenu("InsertF13throughF24key1", QStringLiteral("Insert F13 through F24 key"),
                    std::begin(FunctionKeyItems), std::end(FunctionKeyItems));
    InsertUSBHIDMultiMediakey1 =
        addCodeMenu("InsertUSBHIDMultiMediakey1", QStringLiteral("Insert USB HID MultiMedia key"),
                    std::begin(MultiMediaItems), std::end(MultiMediaItems));
    // The second pair of columns starts below a separator.
    InsertUSBHIDMultiMediakey1->insertSeparator(
        InsertUSBHIDMultiMediakey1->actions().at(MultiMediaSecondColumn));
    InsertUSBHIDNumericKeypadkey1 = addCodeMenu(
        "InsertUSBHIDNumericKeypadkey1", QStringLiteral("Insert USB HID Numeric Keypad key"),
        std::begin(NumericKeypadItems), std::end(NumericKeypadItems));
    InsertUSBHIDMiscellaneouskey1 = addCodeMenu(
        "InsertUSBHIDMiscellaneouskey1", QStringLiteral("Insert USB HID Miscellaneous key"),
        std::begin(MiscellaneousItems), std::end(MiscellaneousItems));
    popmenuClearMacro->addSeparator();

    InsertMIDIMessage1 = popmenuClearMacro->addAction(QStringLiteral("Insert MIDI Message..."));
    InsertMIDIMessage1->setObjectName(QStringLiteral("InsertMIDIMessage1"));
    connect(InsertMIDIMessage1, &QAction::triggered, this, [this] { InsertMIDIMessage1Click(); });
    popmenuClearMacro->addSeparator();

    auto addLed = [this](const char* name, const QString& caption, int tag) {
        QAction* action = popmenuClearMacro->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setData(tag);
        connect(action, &QAction::triggered, this, [this, tag] { mnuLedClick(tag); });
        return action;
    };
    mnuGreenLedOff = addLed("mnuGreenLedOff", QStringLiteral("Turn Green LED Off"), 8);
    mnuGreenLedOn = addLed("mnuGreenLedOn", QStringLiteral("Turn Green LED On"), 9);
    mnuGreenLedFlash = addLed("mnuGreenLedFlash", QStringLiteral("Flash Green LED"), 10);
    popmenuClearMacro->addSeparator();
    mnuRedLedOff = addLed("mnuRedLedOff", QStringLiteral("Turn Red LED Off"), 11);
    mnuRedLedOn = addLed("mnuRedLedOn", QStringLiteral("Turn Red LED On"), 12);
    mnuRedLedFlash = addLed("mnuRedLedFlash", QStringLiteral("Flash Red LED"), 13);
}

// ============================================================================ keyboard state

void TfrmMain::UpdateKeyboard(TSetModifierKeys mkset)
{
    if (!sbtnLShift)
        return; // the palette is not built yet
    sbtnLShift->setChecked(mkset & (1u << mkLShift));
    sbtnRShift->setChecked(mkset & (1u << mkRShift));
    sbtnLCtrl->setChecked(mkset & (1u << mkLCtrl));
    sbtnRCtrl->setChecked(mkset & (1u << mkRCtrl));
}

void TfrmMain::ReleaseModifierButtons()
{
    if (!sbtnLShift)
        return;
    for (QAbstractButton* button : {sbtnLShift, sbtnRShift, sbtnLCtrl, sbtnRCtrl, spdbtnCapsLock})
        button->setChecked(false);
}

void TfrmMain::sbtnLShiftClick(QAbstractButton* button, int bit)
{
    // The click has already flipped the button.
    if (button->isChecked())
        SetModifiers(GetModifiers() | bit);
    else
        SetModifiers(GetModifiers() & ~bit);
}

// ============================================================================ inserting

void TfrmMain::spdBtnEscClick(int tag)
{
    int32_t value = tag;
    if (tag == 111)
        value = DelayFlag + tbDelayValue->value();
    else if (tag == 112)
        value = BeepFlag + tbBeepValue->value();
    AddData(value);
    Grid->setFocus();
    CheckMacroLenWarning();
}

void TfrmMain::mnuMultiMediaClick(int tag)
{
    AddByte(tag);
    CheckMacroLenWarning();
}

void TfrmMain::mnuLedClick(int tag)
{
    AddData(CommandFlag + tag);

    const uint8_t opMode = KeypadDefinition.OpMode();
    if ((opMode & OpModeHostModeMask) == FirstHidKeyboardMode) {
        Prompts::Information(
            this,
            QStringLiteral("Note: The LED cannot be controlled by Host or Macro in HID Keyboard "
                           "mode."));
        return;
    }
    if ((opMode & OpModeLineEditBit) && !cboxKeyAsTrueTerminal->isChecked())
        Prompts::Information(
            this, QStringLiteral("Keypad must be in True Terminal mode or key  must have "
                                 "\"Transmit this key\"\n"
                                 "checked in order for the LED command to function."));

    const uint8_t leds = KeypadDefinition.LEDBehavior();
    if (tag < FirstRedLedTag) {
        if (GreenLedCode(leds) != LedHostMacroCode)
            Prompts::Information(
                this,
                QStringLiteral("The Green LED will not operate in your macro unless you change\n"
                               "the Green LED mode to Host/Macro in the Properties panel."));
    } else if (RedLedCode(leds) != LedHostMacroCode) {
        Prompts::Information(
            this, QStringLiteral("The Red LED will not operate in your macro unless you change\n"
                                 "the Red LED mode to Host/Macro in the Properties panel."));
    }
}

void TfrmMain::InsertMIDIMessage1Click()
{
    SetViewInHex(true);
    if (frmMidiEvents) {
        frmMidiEvents->show();
        frmMidiEvents->raise();
        frmMidiEvents->activateWindow();
    }
    // Already open, the dialog does not redraw the grid itself.
    CopyDataToScreen(GridPosition());
}

void TfrmMain::tbDelayValueChange()
{
    tbDelayValue->setToolTip(hintForLength(tbDelayValue->value()));
}

void TfrmMain::tbBeepValueChange()
{
    tbBeepValue->setToolTip(hintForLength(tbBeepValue->value()));
}

// ============================================================================ manual entry

void TfrmMain::rbDecimalClick()
{
    rbHexadecimal->setChecked(false);
    edManualInput->setMaxLength(DecimalDigits);
    edManualInput->clear();
}

void TfrmMain::rbHexadecimalClick()
{
    rbDecimal->setChecked(false);
    edManualInput->setMaxLength(HexDigits);
    edManualInput->clear();
}

bool TfrmMain::edManualInputKeyPress(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        int value = 0;
        if (ManualValue(value)) {
            AddByte(value);
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

void TfrmMain::spdbtnInsertClick()
{
    int value = 0;
    if (!ManualValue(value))
        return;
    // The text stays, so the same value can be inserted again.
    AddByte(value);
    Grid->setFocus();
}

bool TfrmMain::ManualValue(int& value)
{
    const QString text = edManualInput->text();
    if (text.isEmpty())
        return false;
    bool ok = false;
    value = text.toInt(&ok, rbHexadecimal->isChecked() ? 16 : 10);
    if (!ok || value < 0)
        return false; // cannot happen: the validator admits digits only
    if (value > 255) {
        Prompts::Error(this, QStringLiteral("Value exceeds 255 (decimal)."));
        return false;
    }
    return true;
}

// ============================================================================ warning

void TfrmMain::CheckMacroLenWarning()
{
    if (bMacroLengthWarningOff || KeypadDefinition.CodeCount() < 2)
        return;
    bool wholeText = false;
    if (IsRomEditMode()) {
        if (!(AppState.AdvancedParams.OpMode & OpModeLineEditBit))
            return;
        wholeText = AppState.AdvancedParams.LcdXlate != 0;
    } else if (!(KeypadDefinition.OpMode() & OpModeLineEditBit)) {
        return;
    }
    if (auto* warning = qobject_cast<TfrmMacroLenWarning*>(frmMacroLenWarning))
        warning->ShowWarning(wholeText);
}

// ============================================================================ about

void TfrmMain::About1Click()
{
    TfrmAbout::Execute(this);
}
