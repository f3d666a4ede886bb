// The on-screen keypad: its two layouts (20 keys in five rows of four, 12
// keys in four rows of three with the captions of a numeric keypad), the key
// buttons and the key type menu.

#include "ui/main/KeypadPanel.h"

#include <QAction>
#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace {

// Button places on the keypad panel.
constexpr int PanelMargin = 7;
constexpr int ColumnPitch = 50;
constexpr int RowPitch = 35;
constexpr int ButtonWidth = 46;
constexpr int ButtonHeight = 31;

QSize panelSize(int columns, int rows)
{
    return {2 * PanelMargin + (columns - 1) * ColumnPitch + ButtonWidth,
            2 * PanelMargin + (rows - 1) * RowPitch + ButtonHeight};
}

// The twelve keys of the 12-key layout, row by row, and their captions.
struct TTwelveKeyPlace
{
    int KeyIndex;
    const char* Caption;
};
constexpr TTwelveKeyPlace TwelveKeys[4][3] = {
    {{4, "7"}, {5, "8"}, {6, "9"}},
    {{8, "4"}, {9, "5"}, {10, "6"}},
    {{12, "1"}, {13, "2"}, {14, "3"}},
    {{16, QT_TRANSLATE_NOOP("TKeypadPanel", "CLR")},
     {17, "0"},
     {18, QT_TRANSLATE_NOOP("TKeypadPanel", "ENT")}},
};
// Hidden in the 12-key layout: the first row and the fourth column.
constexpr int HiddenInTwelve[8] = {0, 1, 2, 3, 7, 11, 15, 19};

const QColor Level1Colour(166, 202, 240);
const QColor Level2Colour(128, 128, 128);

// The macro name a key type gives an unnamed macro.
const char* const KeyTypeNames[3] = {QT_TRANSLATE_NOOP("TKeypadPanel", "Level Shift"),
                                     QT_TRANSLATE_NOOP("TKeypadPanel", "Level Toggle"),
                                     QT_TRANSLATE_NOOP("TKeypadPanel", "Alpha Toggle")};
constexpr TKeyType KeyTypes[3] = {ktShift, ktToggle, ktAlpha};

} // namespace

TKeypadPanel::TKeypadPanel(TKeypadClass& definition, const std::array<QAction*, 3>& keyTypeItems,
                           QWidget* parent)
    : QWidget(parent), fDefinition(definition), fKeyTypeItems(keyTypeItems)
{
    setObjectName(QStringLiteral("pnlKeypadPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(BuildLayoutChoice());
    layout->addWidget(BuildKeypad(), 0, Qt::AlignHCenter | Qt::AlignTop);
    layout->addStretch(1);
}

// ------------------------------------------------------------------------ building

QWidget* TKeypadPanel::BuildLayoutChoice()
{
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("pnlLayoutChoice"));
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* caption = new QLabel(tr("---------------- view ----------------"), box);
    caption->setObjectName(QStringLiteral("lblView"));
    caption->setAlignment(Qt::AlignCenter);
    layout->addWidget(caption);

    auto* row = new QHBoxLayout;
    row->setSpacing(14);
    rbModelR20 = new QRadioButton(tr("20 keys"), box);
    rbModelR20->setObjectName(QStringLiteral("rbModelR20"));
    rbModelR20->setToolTip(tr("Model R20, R21, R22 or R23"));
    rbModelR12 = new QRadioButton(tr("12 keys"), box);
    rbModelR12->setObjectName(QStringLiteral("rbModelR12"));
    rbModelR12->setToolTip(tr("Model R12 or R13"));
    row->addStretch(1);
    row->addWidget(rbModelR20);
    row->addWidget(rbModelR12);
    row->addStretch(1);
    layout->addLayout(row);

    // A handler runs only when its button goes from deselected to selected.
    connect(rbModelR20, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            rbModelR20Click();
    });
    connect(rbModelR12, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            rbModelR12Click();
    });
    return box;
}

void TKeypadPanel::BuildKeyTypeIcons()
{
    auto draw = [](auto paint) {
        QPixmap pixmap(18, 18);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(painter);
        return QIcon(pixmap);
    };
    const QColor ink(20, 40, 120);
    // Level shift: a hollow arrow pointing up, like the Shift key's cap.
    ModifierImageList[ktShift] = draw([&](QPainter& p) {
        QPainterPath arrow;
        arrow.moveTo(9, 1.5);
        arrow.lineTo(16.5, 9);
        arrow.lineTo(12, 9);
        arrow.lineTo(12, 16.5);
        arrow.lineTo(6, 16.5);
        arrow.lineTo(6, 9);
        arrow.lineTo(1.5, 9);
        arrow.closeSubpath();
        p.setPen(QPen(ink, 1.6));
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawPath(arrow);
    });
    // Level toggle: two opposed arrows.
    ModifierImageList[ktToggle] = draw([&](QPainter& p) {
        p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(2.5, 6), QPointF(15, 6));
        p.drawPolyline(QPolygonF({QPointF(11.5, 2.5), QPointF(15, 6), QPointF(11.5, 9.5)}));
        p.drawLine(QPointF(15.5, 12.5), QPointF(3, 12.5));
        p.drawPolyline(QPolygonF({QPointF(6.5, 9), QPointF(3, 12.5), QPointF(6.5, 16)}));
    });
    // Alpha lock: a capital A in a box.
    ModifierImageList[ktAlpha] = draw([&](QPainter& p) {
        p.setPen(QPen(ink, 1.4));
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawRoundedRect(QRectF(1.5, 1.5, 15, 15), 3, 3);
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(12);
        p.setFont(font);
        p.drawText(QRectF(1.5, 1.5, 15, 15), Qt::AlignCenter, QStringLiteral("A"));
    });
}

QWidget* TKeypadPanel::BuildKeypad()
{
    BuildKeyTypeIcons();
    auto* holder = new QWidget(this);
    holder->setObjectName(QStringLiteral("pnlKeypadHolder"));
    auto* frame = new QFrame(holder);
    frame->setObjectName(QStringLiteral("pnlKeypad"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setToolTip(tr("Right-click to set Level control"));
    frame->setAutoFillBackground(true);
    pnlKeypad = frame;

    KeyButtonGroup = new QButtonGroup(this);
    KeyButtonGroup->setObjectName(QStringLiteral("KeyButtonGroup"));
    KeyButtonGroup->setExclusive(true);
    for (int key = 0; key < MaxKeys; ++key) {
        auto* button = new QToolButton(pnlKeypad);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(key + 1));
        button->setCheckable(true);
        button->setFixedSize(ButtonWidth, ButtonHeight);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setIconSize(QSize(18, 18));
        QFont font = button->font();
        font.setBold(true);
        button->setFont(font);
        button->installEventFilter(this);
        button->setAcceptDrops(true);
        KeyButtonGroup->addButton(button, key);
        SpeedButtons[key] = button;
    }
    connect(KeyButtonGroup, &QButtonGroup::idClicked, this, &TKeypadPanel::keyClicked);

    popmenKeyType = new QMenu(this);
    popmenKeyType->setObjectName(QStringLiteral("popmenKeyType"));
    for (int i = 0; i < 3; ++i) {
        fKeyTypeItems[i]->setIcon(ModifierImageList[KeyTypes[i]]);
        popmenKeyType->addAction(fKeyTypeItems[i]);
        connect(fKeyTypeItems[i], &QAction::triggered, this,
                [this, i] { KeyTypeMenuItemClick(i); });
    }
    connect(popmenKeyType, &QMenu::aboutToShow, this, &TKeypadPanel::popmenKeyTypePopup);

    SetLevelColour(0);
    return holder;
}

// ------------------------------------------------------------------------ layouts

void TKeypadPanel::SetKeyLayout(int layout)
{
    QWidget* holder = pnlKeypad->parentWidget();
    const QSize full = panelSize(4, 5);
    holder->setFixedSize(full);
    auto place = [](QAbstractButton* button, int col, int row) {
        button->move(PanelMargin + col * ColumnPitch, PanelMargin + row * RowPitch);
    };

    if (layout == 2) {
        pnlKeypad->setGeometry(QRect(QPoint(0, 0), full));
        for (int key = 0; key < MaxKeys; ++key) {
            SpeedButtons[key]->setText(QString());
            // Without a caption the key type icon sits in the middle.
            static_cast<QToolButton*>(SpeedButtons[key])
                ->setToolButtonStyle(Qt::ToolButtonIconOnly);
            SpeedButtons[key]->show();
            place(SpeedButtons[key], key % 4, key / 4);
        }
        for (const auto& row : TwelveKeys)
            for (const TTwelveKeyPlace& key : row)
                SpeedButtons[key.KeyIndex]->setText(QStringLiteral(" "));
    } else if (layout == 1) {
        const QSize small = panelSize(3, 4);
        pnlKeypad->setGeometry(QRect(QPoint((full.width() - small.width()) / 2, 0), small));
        for (int key : HiddenInTwelve)
            SpeedButtons[key]->hide();
        for (int row = 0; row < 4; ++row) {
            for (int col = 0; col < 3; ++col) {
                QAbstractButton* button = SpeedButtons[TwelveKeys[row][col].KeyIndex];
                button->setText(tr(TwelveKeys[row][col].Caption));
                static_cast<QToolButton*>(button)->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
                place(button, col, row);
            }
        }
    } else {
        return;
    }
    fGuiKeyLayout = layout;
    PutFirstKeyDown();
}

void TKeypadPanel::SelectLayout(int layout)
{
    (layout == 1 ? rbModelR12 : rbModelR20)->setChecked(true);
}

void TKeypadPanel::ApplyLayoutChoice(int layout)
{
    SetKeyLayout(layout);
    SpeedButtons[FirstKeyOfLayout()]->click();
    Q_EMIT layoutChosen(layout);
}

void TKeypadPanel::rbModelR20Click()
{
    ApplyLayoutChoice(2);
}

void TKeypadPanel::rbModelR12Click()
{
    ApplyLayoutChoice(1);
}

// ------------------------------------------------------------------------ key buttons

QAbstractButton* TKeypadPanel::KeyButton(int keyIndex) const
{
    return keyIndex >= 0 && keyIndex < MaxKeys ? SpeedButtons[keyIndex] : nullptr;
}

bool TKeypadPanel::KeyHasButton(int keyIndex) const
{
    if (keyIndex < 0 || keyIndex >= MaxKeys)
        return false;
    return fGuiKeyLayout != 1 ||
           std::find(std::begin(HiddenInTwelve), std::end(HiddenInTwelve), keyIndex) ==
               std::end(HiddenInTwelve);
}

void TKeypadPanel::PutFirstKeyDown()
{
    SpeedButtons[FirstKeyOfLayout()]->setChecked(true);
}

void TKeypadPanel::PutKeyDown(int keyIndex)
{
    if (QAbstractButton* button = KeyButton(keyIndex))
        button->setChecked(true);
}

void TKeypadPanel::CopyKeyParametersToScreen(QAbstractButton* sender)
{
    if (!sender)
        return;
    const TKeyType type = fDefinition.Keytype();
    sender->setIcon(type >= ktShift && type <= ktAlpha ? ModifierImageList[type] : QIcon());
}

void TKeypadPanel::RefreshKeyButtons()
{
    const int key = fDefinition.Key();
    for (int i = 0; i < MaxKeys; ++i) {
        fDefinition.SetKey(i);
        CopyKeyParametersToScreen(SpeedButtons[i]);
    }
    fDefinition.SetKey(key);
}

void TKeypadPanel::SetLevelColour(int level)
{
    QPalette palette = pnlKeypad->palette();
    palette.setColor(QPalette::Window, level == 0 ? Level1Colour : Level2Colour);
    pnlKeypad->setPalette(palette);
}

bool TKeypadPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (auto* button = qobject_cast<QAbstractButton*>(watched);
        button && KeyButtonGroup->id(button) >= 0 && KeyDragEvent(button, event))
        return true;
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button && mouse->button() == Qt::RightButton && KeyButtonGroup->id(button) >= 0) {
            SpeedButton1MouseDown(button, mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TKeypadPanel::SpeedButton1MouseDown(QAbstractButton* button, const QPoint& globalPos)
{
    // The click selects the button's key, which the menu then acts on.
    button->click();
    button->setChecked(true);
    popmenKeyType->popup(globalPos);
}

// ------------------------------------------------------------------------ key type menu

void TKeypadPanel::popmenKeyTypePopup()
{
    const TKeyType type = fDefinition.Keytype();
    for (int i = 0; i < 3; ++i)
        fKeyTypeItems[i]->setChecked(type == KeyTypes[i]);
}

void TKeypadPanel::KeyTypeMenuItemClick(int item)
{
    // The item's tick has already flipped: ticked now means "make it this
    // type", unticked means the user chose the current type again.
    const TKeyType type = fKeyTypeItems[item]->isChecked() ? KeyTypes[item] : ktNormal;
    fDefinition.SetKeytype(type);
    if (type != ktNormal && fDefinition.GetMacroName().isEmpty())
        fDefinition.SetMacroName(tr(KeyTypeNames[item]));
    CopyKeyParametersToScreen(SpeedButtons[fDefinition.Key()]);
    Q_EMIT keyTypeChanged();
}
