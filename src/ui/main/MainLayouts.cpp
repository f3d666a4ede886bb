// The two keypad layouts: 20 keys in five rows of four, 12 keys in four rows
// of three with the captions of a numeric keypad.

#include "ui/main/Main.h"

#include "app/AppSettings.h"
#include "ui/main/MacroGrid.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

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
    {{16, "CLR"}, {17, "0"}, {18, "ENT"}},
};
// Hidden in the 12-key layout: the first row and the fourth column.
constexpr int HiddenInTwelve[8] = {0, 1, 2, 3, 7, 11, 15, 19};

} // namespace

QWidget* TfrmMain::BuildLayoutChoice()
{
    auto* box = new QWidget;
    box->setObjectName(QStringLiteral("pnlLayoutChoice"));
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* caption = new QLabel(QStringLiteral("---------------- view ----------------"), box);
    caption->setObjectName(QStringLiteral("lblView"));
    caption->setAlignment(Qt::AlignCenter);
    layout->addWidget(caption);

    auto* row = new QHBoxLayout;
    row->setSpacing(14);
    rbModelR20 = new QRadioButton(QStringLiteral("20 keys"), box);
    rbModelR20->setObjectName(QStringLiteral("rbModelR20"));
    rbModelR20->setToolTip(QStringLiteral("Model R20, R21, R22 or R23"));
    rbModelR12 = new QRadioButton(QStringLiteral("12 keys"), box);
    rbModelR12->setObjectName(QStringLiteral("rbModelR12"));
    rbModelR12->setToolTip(QStringLiteral("Model R12 or R13"));
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

void TfrmMain::SetKeyLayout()
{
    QWidget* holder = pnlKeypad->parentWidget();
    const QSize full = panelSize(4, 5);
    holder->setFixedSize(full);
    auto place = [](QAbstractButton* button, int col, int row) {
        button->move(PanelMargin + col * ColumnPitch, PanelMargin + row * RowPitch);
    };

    if (GuiKeyLayout == 2) {
        ToolButtonKeyLabels->setEnabled(true);
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
            for (const TTwelveKeyPlace& place : row)
                SpeedButtons[place.KeyIndex]->setText(QStringLiteral(" "));
        SpeedButtons[0]->setChecked(true);
    } else if (GuiKeyLayout == 1) {
        ToolButtonKeyLabels->setEnabled(false);
        const QSize small = panelSize(3, 4);
        pnlKeypad->setGeometry(QRect(QPoint((full.width() - small.width()) / 2, 0), small));
        for (int key : HiddenInTwelve)
            SpeedButtons[key]->hide();
        for (int row = 0; row < 4; ++row) {
            for (int col = 0; col < 3; ++col) {
                QAbstractButton* button = SpeedButtons[TwelveKeys[row][col].KeyIndex];
                button->setText(QString::fromLatin1(TwelveKeys[row][col].Caption));
                static_cast<QToolButton*>(button)->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
                place(button, col, row);
            }
        }
        SpeedButtons[4]->setChecked(true);
    }
}

void TfrmMain::ApplyLayoutChoice(int layout)
{
    GuiKeyLayout = layout;
    SetKeyLayout();
    SpeedButtons[FirstKeyOfLayout()]->click();
    Settings().WriteKeypadLayout(GuiKeyLayout);
}

void TfrmMain::rbModelR20Click()
{
    ApplyLayoutChoice(2);
}

void TfrmMain::rbModelR12Click()
{
    ApplyLayoutChoice(1);
}

void TfrmMain::SelectLayoutForKeys(int numberOfKeys)
{
    if (numberOfKeys == 12)
        rbModelR12->setChecked(true);
    else
        rbModelR20->setChecked(true);
}
