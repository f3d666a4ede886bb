// The layout of the screen editor: one group of controls per part of a screen.

#include "ui/dialogs/ScreenEdit.h"

#include "model/AppState.h"
#include "model/Encodings.h"
#include "ui/dialogs/LcdLinesPanel.h"

#include <QAbstractSpinBox>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <utility>

using namespace Encodings;

namespace {

const char TransitionHint[] = QT_TRANSLATE_NOOP("TfrmScreenEdit", "0 disables prefix");
const char LcdNote[] = QT_TRANSLATE_NOOP(
    "TfrmScreenEdit", "Reserve each position of a user input field on the display with the "
                      "_ character.");

QComboBox* makeActionList(QWidget* parent, const char* name, TScreenActionField field)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(false); // a list takes a chosen item only, never typed text
    list->addItems(ActionItems(field));
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

QLabel* makeLabel(QWidget* parent, const char* name, const char* text, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(QCoreApplication::translate("TfrmScreenEdit", text), parent);
    if (name)
        label->setObjectName(QLatin1String(name));
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

QCheckBox* makeCheck(QWidget* parent, const char* name, const char* text)
{
    auto* box = new QCheckBox(QCoreApplication::translate("TfrmScreenEdit", text), parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QSpinBox* makeSpin(QWidget* parent, const char* name, const TRange& range)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(range.Min, range.Max);
    spin->setSingleStep(range.Step);
    // A value typed beyond the range goes to the nearest bound when the field is left.
    spin->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    return spin;
}

} // namespace

// ---------------------------------------------------------------- layout

void TfrmScreenEdit::buildControls()
{
    // Built in reading order, which is also the tab order. The groups sit in
    // a grid so that the two columns start and end their rows together:
    // display and time-out beside the key presses, card swipe beside the
    // LEDs, and the transition characters across the whole width.
    auto* main = new QVBoxLayout(this);
    main->setSizeConstraint(QLayout::SetFixedSize);
    main->addWidget(buildScreenSelector());

    auto* grid = new QGridLayout;
    auto* display = new QVBoxLayout;
    QGroupBox* lcd = buildLcdGroup();
    display->addWidget(lcd, 1);
    display->addWidget(buildTimeoutGroup());
    grid->addLayout(display, 0, 0);
    grid->addWidget(buildKeyDataGroup(), 0, 1);
    grid->addWidget(buildCardSwipeGroup(), 1, 0);
    auto* leds = new QHBoxLayout;
    leds->addWidget(buildLedGroup(
        "gboxGreenLED", QT_TRANSLATE_NOOP("TfrmScreenEdit", " Green LED "), "rbLed1", m_greenLed));
    leds->addWidget(buildLedGroup("gboxRedLED", QT_TRANSLATE_NOOP("TfrmScreenEdit", " Red LED "),
                                  "rbLed2", m_redLed));
    grid->addLayout(leds, 1, 1);
    grid->addWidget(buildTransitionsGroup(), 2, 0, 1, 2);
    main->addLayout(grid);
    main->addWidget(buildButtons());

    // The time-out and card-swipe lists start at the same distance from
    // their groups' edges, one under the other.
    const QList<QLabel*> leftLabels{lblTimeoutAction, lblTimeoutPeriod, lblCardSwipeAction};
    int labelWidth = 0;
    for (const QLabel* label : leftLabels)
        labelWidth = qMax(labelWidth, label->sizeHint().width());
    for (QLabel* label : leftLabels)
        label->setMinimumWidth(labelWidth);
}

QWidget* TfrmScreenEdit::buildScreenSelector()
{
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(4, 0, 4, 0);
    row->addWidget(
        makeLabel(box, "lblScreenNumber", QT_TRANSLATE_NOOP("TfrmScreenEdit", "Screen Number:")));
    row->addSpacing(8);
    m_screenButtons = new QButtonGroup(this);
    for (int n = 1; n <= ScreenCount; ++n) {
        auto* button = new QRadioButton(QString::number(n), box);
        button->setObjectName(tr("rbScreen%1").arg(n));
        m_screenButtons->addButton(button, n);
        row->addWidget(button);
    }
    row->addStretch(1);
    return box;
}

QGroupBox* TfrmScreenEdit::buildLcdGroup()
{
    auto* group = new QGroupBox(tr(" LCD "), this);
    group->setObjectName(QStringLiteral("gboxLcd"));

    // The same display picture as the sign-on and card-read messages.
    auto* panel =
        new TLcdLinesPanel(QStringLiteral("edLcdLine1"), QStringLiteral("edLcdLine2"), group);
    panel->setObjectName(QStringLiteral("imgLcd"));
    edLcdLine1 = panel->Line1();
    edLcdLine2 = panel->Line2();

    auto* note = makeLabel(group, "lblLcdNote", LcdNote);
    note->setWordWrap(true);
    note->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(group);
    layout->addStretch(1);
    layout->addWidget(panel, 0, Qt::AlignHCenter);
    layout->addSpacing(4);
    layout->addWidget(note);
    layout->addStretch(1);
    return group;
}

QGroupBox* TfrmScreenEdit::buildTimeoutGroup()
{
    auto* group = new QGroupBox(tr(" Time-out "), this);
    group->setObjectName(QStringLiteral("gboxTimeout"));

    cboxTimeoutEnable = makeCheck(group, "cboxTimeoutEnable",
                                  QT_TRANSLATE_NOOP("TfrmScreenEdit", "Time-out enable"));
    cboxTimeoutAction = makeActionList(group, "cboxTimeoutAction", TScreenActionField::Timeout);
    lblTimeoutAction =
        makeLabel(group, "lblTimeoutAction",
                  QT_TRANSLATE_NOOP("TfrmScreenEdit", "On user time-out, do:"), cboxTimeoutAction);
    spinTimeoutPeriod = makeSpin(group, "spinTimeoutPeriod", TimeoutPeriodRange);
    lblTimeoutPeriod =
        makeLabel(group, "lblTimeoutPeriod",
                  QT_TRANSLATE_NOOP("TfrmScreenEdit", "Time-out period:"), spinTimeoutPeriod);

    auto* period = new QHBoxLayout;
    period->addWidget(spinTimeoutPeriod);
    period->addWidget(
        makeLabel(group, "lblTimeoutUnit", QT_TRANSLATE_NOOP("TfrmScreenEdit", "ms")));
    period->addStretch(1);

    auto* grid = new QGridLayout(group);
    grid->addWidget(cboxTimeoutEnable, 0, 0, 1, 2);
    grid->addWidget(lblTimeoutAction, 1, 0);
    grid->addWidget(cboxTimeoutAction, 1, 1);
    grid->addWidget(lblTimeoutPeriod, 2, 0);
    grid->addLayout(period, 2, 1);
    grid->setColumnStretch(1, 1);
    return group;
}

QGroupBox* TfrmScreenEdit::buildCardSwipeGroup()
{
    auto* group = new QGroupBox(tr(" Card Swipe "), this);
    group->setObjectName(QStringLiteral("gboxCardSwipe"));

    cboxCardSwipeEnable =
        makeCheck(group, "cboxCardSwipeEnable",
                  QT_TRANSLATE_NOOP("TfrmScreenEdit", "Enable card swipe for this screen"));
    cboxCardSwipeAction =
        makeActionList(group, "cboxCardSwipeAction", TScreenActionField::CardSwipe);
    lblCardSwipeAction =
        makeLabel(group, "lblCardSwipeAction",
                  QT_TRANSLATE_NOOP("TfrmScreenEdit", "On card swipe, do:"), cboxCardSwipeAction);
    lblCardSwipeHelp = makeLabel(
        group, "lblCardSwipeHelp",
        QT_TRANSLATE_NOOP("TfrmScreenEdit", "If enabled, card swipe will transmit card data."));

    auto* grid = new QGridLayout(group);
    grid->addWidget(cboxCardSwipeEnable, 0, 0, 1, 2);
    grid->addWidget(lblCardSwipeAction, 1, 0);
    grid->addWidget(cboxCardSwipeAction, 1, 1);
    grid->addWidget(lblCardSwipeHelp, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return group;
}

QGroupBox* TfrmScreenEdit::buildKeyDataGroup()
{
    auto* group = new QGroupBox(tr(" User Key Presses "), this);
    group->setObjectName(QStringLiteral("gboxKeyData"));
    auto* grid = new QGridLayout(group);
    int row = 0;
    auto addAction = [&](QComboBox*& list, const char* name, TScreenActionField field,
                         const char* labelName, const char* caption) {
        list = makeActionList(group, name, field);
        grid->addWidget(makeLabel(group, labelName, caption, list), row, 0);
        grid->addWidget(list, row, 1);
        ++row;
    };
    auto addCheck = [&](QCheckBox*& box, const char* name, const char* caption) {
        box = makeCheck(group, name, caption);
        grid->addWidget(box, row, 0, 1, 2);
        ++row;
    };

    addAction(cboxUserDataAction, "cboxUserDataAction", TScreenActionField::UserData,
              "lblUserDataAction",
              QT_TRANSLATE_NOOP("TfrmScreenEdit", "On normal user DATA ENTRY, do:"));
    addAction(cboxUserFullAction, "cboxUserFullAction", TScreenActionField::UserFull,
              "lblUserFullAction", QT_TRANSLATE_NOOP("TfrmScreenEdit", "On user DATA FULL, do:"));
    addCheck(cboxMaskUserInput, "cboxMaskUserInput",
             QT_TRANSLATE_NOOP("TfrmScreenEdit", "Mask user data input"));
    addAction(cboxEnterAction, "cboxEnterAction", TScreenActionField::Enter, "lblEnterAction",
              QT_TRANSLATE_NOOP("TfrmScreenEdit", "On ENTER key, do:"));
    addAction(cboxBackNormalAction, "cboxBackNormalAction", TScreenActionField::BackNormal,
              "lblBackNormalAction",
              QT_TRANSLATE_NOOP("TfrmScreenEdit", "On BACK key (if key data present), do:"));
    addAction(cboxClearNormalAction, "cboxClearNormalAction", TScreenActionField::ClearNormal,
              "lblClearNormalAction",
              QT_TRANSLATE_NOOP("TfrmScreenEdit", "On CLEAR key (if key data present), do:"));
    addAction(cboxBackEmptyAction, "cboxBackEmptyAction", TScreenActionField::BackEmpty,
              "lblBackEmptyAction",
              QT_TRANSLATE_NOOP("TfrmScreenEdit", "On BACK key (if no key data present), do:"));
    addAction(cboxClearEmptyAction, "cboxClearEmptyAction", TScreenActionField::ClearEmpty,
              "lblClearEmptyAction",
              QT_TRANSLATE_NOOP("TfrmScreenEdit", "On CLEAR key (if no key data present), do:"));
    addCheck(cboxRequireAllData, "cboxRequireAllData",
             QT_TRANSLATE_NOOP("TfrmScreenEdit", "Require all data bytes"));
    addCheck(cboxSaveDataForNextScreen, "cboxSaveDataForNextScreen",
             QT_TRANSLATE_NOOP("TfrmScreenEdit", "Save data for next screen"));
    grid->setColumnStretch(1, 1);
    return group;
}

QGroupBox* TfrmScreenEdit::buildLedGroup(const char* name, const char* title,
                                         const char* radioPrefix, QButtonGroup*& group)
{
    auto* box = new QGroupBox(tr(title), this);
    box->setObjectName(QLatin1String(name));
    group = new QButtonGroup(this);
    auto* column = new QVBoxLayout(box);
    static const char* const suffixes[] = {"off", "on", "flash"};
    const QStringList captions = LedModeCaptions();
    for (int mode = LedOff; mode <= LedFlashing; ++mode) {
        auto* radio = new QRadioButton(captions.at(mode), box);
        radio->setObjectName(QLatin1String(radioPrefix) + QLatin1String(suffixes[mode]));
        group->addButton(radio, mode);
        column->addWidget(radio);
    }
    return box;
}

QGroupBox* TfrmScreenEdit::buildTransitionsGroup()
{
    auto* group = new QGroupBox(tr(" Screen Transition Characters "), this);
    group->setObjectName(QStringLiteral("gboxScreenTransitions"));

    spinOnShow = makeSpin(group, "spinOnShow", CharCodeRange);
    spinOnLeave = makeSpin(group, "spinOnLeave", CharCodeRange);
    spinOnShow->setToolTip(tr(TransitionHint));
    spinOnLeave->setToolTip(tr(TransitionHint));

    // Side by side: the group spans both columns.
    auto* grid = new QGridLayout(group);
    grid->addWidget(makeLabel(group, "lblOnShow",
                              QT_TRANSLATE_NOOP("TfrmScreenEdit", "On screen SHOW, transmit: "),
                              spinOnShow),
                    0, 0);
    grid->addWidget(spinOnShow, 0, 1);
    grid->setColumnMinimumWidth(2, 24);
    grid->addWidget(makeLabel(group, "lblOnLeave",
                              QT_TRANSLATE_NOOP("TfrmScreenEdit", "On screen LEAVE, transmit:"),
                              spinOnLeave),
                    0, 3);
    grid->addWidget(spinOnLeave, 0, 4);
    grid->addWidget(makeLabel(group, "lblTransitionNote", ScreenCharNote), 1, 0, 1, 6);
    grid->setColumnStretch(5, 1);
    return group;
}

QWidget* TfrmScreenEdit::buildButtons()
{
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 4, 0, 0);
    row->addStretch(1);
    auto addButton = [&](const char* name, const char* caption) {
        auto* button = new QPushButton(tr(caption), box);
        button->setObjectName(QLatin1String(name));
        // Return in a text line must not close the editor.
        button->setAutoDefault(false);
        button->setDefault(false);
        row->addWidget(button);
        return button;
    };
    btnOK = addButton("btnOK", QT_TRANSLATE_NOOP("TfrmScreenEdit", "&OK"));
    btnCancel = addButton("btnCancel", QT_TRANSLATE_NOOP("TfrmScreenEdit", "&Cancel"));
    btnApply = addButton("btnApply", QT_TRANSLATE_NOOP("TfrmScreenEdit", "&Apply"));
    return box;
}
