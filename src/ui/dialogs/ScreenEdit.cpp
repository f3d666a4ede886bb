#include "ui/dialogs/ScreenEdit.h"

#include "model/AppState.h"
#include "model/Encodings.h"
#include "ui/dialogs/LcdLinesPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>

#include <utility>

using namespace Encodings;

namespace {

const char FreshCaption[] = QT_TRANSLATE_NOOP("TfrmScreenEdit", "Ostrella Screen Editor");
const char EditorCaption[] = QT_TRANSLATE_NOOP("TfrmScreenEdit", "Ostrella ROM Screen Editor");
const char ChangedCaption[] = QT_TRANSLATE_NOOP("TfrmScreenEdit", "Ostrella ROM Screen Editor*");

// Shows a stored code in a list; a code the list does not offer shows no item.
void showListCode(QComboBox* list, int code)
{
    list->setCurrentIndex(code >= 0 && code < list->count() ? code : -1);
}

// Checks the radio of an LED mode 0..2; any other value checks none.
void showLedMode(QButtonGroup* group, int mode)
{
    if (QAbstractButton* button = group->button(mode)) {
        button->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

} // namespace

TfrmScreenEdit::TfrmScreenEdit(TAppState& state, QWidget* parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("frmScreenEdit"));
    // No close box: the editor is left by OK or Cancel.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(tr(FreshCaption));

    buildControls();
    connectHandlers();

    // All action lists as wide as the widest, so that they line up.
    const QList<QComboBox*> lists = findChildren<QComboBox*>();
    int width = 0;
    for (const QComboBox* list : lists)
        width = qMax(width, list->sizeHint().width());
    for (QComboBox* list : lists)
        list->setMinimumWidth(width + 8);

    m_screenButtons->button(CurrentScreen + 1)->setChecked(true);
    btnApply->setEnabled(false);
    btnOK->setEnabled(false);
}

void TfrmScreenEdit::connectHandlers()
{
    connect(m_screenButtons, &QButtonGroup::idClicked, this, &TfrmScreenEdit::rbScreenClick);

    connect(edLcdLine1, &QLineEdit::textChanged, this, &TfrmScreenEdit::edLcdLine1Change);
    connect(edLcdLine2, &QLineEdit::textChanged, this, &TfrmScreenEdit::edLcdLine2Change);

    connect(cboxTimeoutEnable, &QCheckBox::toggled, this, &TfrmScreenEdit::cboxTimeoutEnableClick);
    connect(cboxTimeoutAction, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TfrmScreenEdit::cboxTimeoutActionChange);
    connect(spinTimeoutPeriod, qOverload<int>(&QSpinBox::valueChanged), this,
            &TfrmScreenEdit::spinTimeoutPeriodChange);

    connect(cboxCardSwipeEnable, &QCheckBox::toggled, this,
            &TfrmScreenEdit::cboxCardSwipeEnableClick);
    connect(cboxCardSwipeAction, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TfrmScreenEdit::cboxCardSwipeActionChange);

    connect(m_greenLed, &QButtonGroup::idClicked, this, &TfrmScreenEdit::rbLedClick);
    connect(m_redLed, &QButtonGroup::idClicked, this, &TfrmScreenEdit::rbLedClick);

    connect(cboxUserDataAction, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TfrmScreenEdit::cboxUserDataActionChange);
    const std::pair<QCheckBox*, bool TScreenDataRec::*> keyFlags[] = {
        {cboxMaskUserInput, &TScreenDataRec::bUserMaskInput},
        {cboxRequireAllData, &TScreenDataRec::bRequireAllData},
        {cboxSaveDataForNextScreen, &TScreenDataRec::bSaveDataForNextScreen},
    };
    for (const auto& [box, field] : keyFlags) {
        connect(box, &QCheckBox::toggled, this,
                [this, field = field](bool checked) { cboxKeyFlagClick(checked, field); });
    }

    const std::pair<QComboBox*, uint8_t TScreenDataRec::*> keyActions[] = {
        {cboxUserFullAction, &TScreenDataRec::UserFullAction},
        {cboxEnterAction, &TScreenDataRec::EnterAction},
        {cboxBackNormalAction, &TScreenDataRec::BackNormalAction},
        {cboxBackEmptyAction, &TScreenDataRec::BackEmptyAction},
        {cboxClearNormalAction, &TScreenDataRec::ClearNormalAction},
        {cboxClearEmptyAction, &TScreenDataRec::ClearEmptyAction},
    };
    for (const auto& [list, field] : keyActions) {
        connect(list, qOverload<int>(&QComboBox::currentIndexChanged), this,
                [this, field = field](int index) { cboxKeyActionChange(index, field); });
    }

    connect(spinOnShow, qOverload<int>(&QSpinBox::valueChanged), this,
            &TfrmScreenEdit::spinOnShowChange);
    connect(spinOnLeave, qOverload<int>(&QSpinBox::valueChanged), this,
            &TfrmScreenEdit::spinOnLeaveChange);

    connect(btnApply, &QPushButton::clicked, this, &TfrmScreenEdit::btnApplyClick);
    connect(btnOK, &QPushButton::clicked, this, &TfrmScreenEdit::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmScreenEdit::btnCancelClick);
}

// ---------------------------------------------------------------- loading

TScreenDataRec& TfrmScreenEdit::current()
{
    return m_state.WorkingScreenData[size_t(CurrentScreen)];
}

void TfrmScreenEdit::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmScreenEdit::FormShow()
{
    bInScreenEditShowForm = true;
    TScreenDataRec& screen = current();

    // A one-line display has no second line: it is emptied and shown black.
    // This alone is not a change.
    const bool oneLine = IsOneLineLcd(m_state.WorkingAdvancedParams.LcdSize);
    if (oneLine)
        screen.TextLine2.clear();
    edLcdLine2->setEnabled(!oneLine);

    edLcdLine1->setText(screen.TextLine1);
    edLcdLine2->setText(screen.TextLine2);

    cboxTimeoutEnable->setChecked(screen.bTimeoutEnable);
    showListCode(cboxTimeoutAction, screen.TimeoutAction);
    spinTimeoutPeriod->setValue(TimeoutPeriodRange.Clamp(screen.TimeoutPeriod));

    cboxCardSwipeEnable->setChecked(screen.bCardSwipeEnable);
    showListCode(cboxCardSwipeAction, screen.CardSwipeAction);

    showListCode(cboxUserDataAction, screen.UserDataAction);
    showListCode(cboxEnterAction, screen.EnterAction);
    showListCode(cboxUserFullAction, screen.UserFullAction);
    showListCode(cboxBackNormalAction, screen.BackNormalAction);
    showListCode(cboxBackEmptyAction, screen.BackEmptyAction);
    showListCode(cboxClearNormalAction, screen.ClearNormalAction);
    showListCode(cboxClearEmptyAction, screen.ClearEmptyAction);
    cboxMaskUserInput->setChecked(screen.bUserMaskInput);
    cboxRequireAllData->setChecked(screen.bRequireAllData);
    cboxSaveDataForNextScreen->setChecked(screen.bSaveDataForNextScreen);

    spinOnShow->setValue(screen.OnShowChar);
    spinOnLeave->setValue(screen.OnLeaveChar);

    showLedMode(m_greenLed, GreenLedMode(screen.LedModes));
    showLedMode(m_redLed, RedLedMode(screen.LedModes));

    const bool timeout = cboxTimeoutEnable->isChecked();
    lblTimeoutAction->setEnabled(timeout);
    cboxTimeoutAction->setEnabled(timeout);
    lblTimeoutPeriod->setEnabled(timeout);
    spinTimeoutPeriod->setEnabled(timeout);

    const bool swipe = cboxCardSwipeEnable->isChecked();
    lblCardSwipeAction->setEnabled(swipe);
    cboxCardSwipeAction->setEnabled(swipe);
    lblCardSwipeHelp->setEnabled(swipe);

    // Keeping the data only makes sense when data entry moves to another screen.
    cboxSaveDataForNextScreen->setEnabled(IsGoToScreenAction(screen.UserDataAction));

    bInScreenEditShowForm = false;
}

void TfrmScreenEdit::MarkScreenChanged()
{
    bChangesMade = true;
    setWindowTitle(tr(ChangedCaption));
    btnApply->setEnabled(true);
    btnOK->setEnabled(true);
}

// ---------------------------------------------------------------- edits

void TfrmScreenEdit::SelectScreen(int index)
{
    if (index < 0 || index >= ScreenCount)
        return;
    m_screenButtons->button(index + 1)->setChecked(true);
    rbScreenClick(index + 1);
}

void TfrmScreenEdit::rbScreenClick(int screenNumber)
{
    CurrentScreen = screenNumber - 1;
    FormShow();
}

void TfrmScreenEdit::edLcdLine1Change(const QString& text)
{
    if (bInScreenEditShowForm)
        return;
    current().TextLine1 = text;
    MarkScreenChanged();
}

void TfrmScreenEdit::edLcdLine2Change(const QString& text)
{
    if (bInScreenEditShowForm)
        return;
    current().TextLine2 = text;
    MarkScreenChanged();
}

void TfrmScreenEdit::cboxTimeoutEnableClick(bool checked)
{
    if (bInScreenEditShowForm)
        return;
    current().bTimeoutEnable = checked;
    FormShow();
    MarkScreenChanged();
}

void TfrmScreenEdit::cboxTimeoutActionChange(int index)
{
    if (bInScreenEditShowForm || index < 0)
        return;
    current().TimeoutAction = uint8_t(index);
    MarkScreenChanged();
}

void TfrmScreenEdit::spinTimeoutPeriodChange(int value)
{
    if (bInScreenEditShowForm)
        return;
    current().TimeoutPeriod = value;
    MarkScreenChanged();
}

void TfrmScreenEdit::cboxCardSwipeEnableClick(bool checked)
{
    if (bInScreenEditShowForm)
        return;
    current().bCardSwipeEnable = checked;
    FormShow();
    MarkScreenChanged();
}

void TfrmScreenEdit::cboxCardSwipeActionChange(int index)
{
    if (bInScreenEditShowForm || index < 0)
        return;
    current().CardSwipeAction = uint8_t(index);
    MarkScreenChanged();
}

void TfrmScreenEdit::rbLedClick()
{
    if (bInScreenEditShowForm)
        return;
    // An LED with no radio checked (a stored digit beyond 2) counts as off.
    const int green = qMax(0, m_greenLed->checkedId());
    const int red = qMax(0, m_redLed->checkedId());
    current().LedModes = MakeLedModes(green, red);
    MarkScreenChanged();
}

void TfrmScreenEdit::cboxUserDataActionChange(int index)
{
    if (bInScreenEditShowForm || index < 0)
        return;
    current().UserDataAction = uint8_t(index);
    FormShow();
    MarkScreenChanged();
}

void TfrmScreenEdit::cboxKeyFlagClick(bool checked, bool TScreenDataRec::*field)
{
    if (bInScreenEditShowForm)
        return;
    current().*field = checked;
    FormShow();
    MarkScreenChanged();
}

void TfrmScreenEdit::cboxKeyActionChange(int index, uint8_t TScreenDataRec::*field)
{
    if (bInScreenEditShowForm || index < 0)
        return;
    current().*field = uint8_t(index);
    FormShow();
    MarkScreenChanged();
}

void TfrmScreenEdit::spinOnShowChange(int value)
{
    if (bInScreenEditShowForm)
        return;
    current().OnShowChar = uint8_t(value);
    MarkScreenChanged();
}

void TfrmScreenEdit::spinOnLeaveChange(int value)
{
    if (bInScreenEditShowForm)
        return;
    current().OnLeaveChar = uint8_t(value);
    MarkScreenChanged();
}

// ---------------------------------------------------------------- buttons

void TfrmScreenEdit::btnApplyClick()
{
    const bool changed = bChangesMade;
    m_state.CommitScreenData();
    setWindowTitle(tr(EditorCaption));
    bChangesMade = false;
    btnApply->setEnabled(false);
    if (changed)
        Q_EMIT changesApplied();
}

void TfrmScreenEdit::btnOKClick()
{
    btnApplyClick();
    accept();
}

void TfrmScreenEdit::btnCancelClick()
{
    reject();
}

void TfrmScreenEdit::reject()
{
    m_state.RevertScreenData();
    setWindowTitle(tr(EditorCaption));
    bChangesMade = false;
    QDialog::reject();
}
