#include "ui/dialogs/Params.h"

#include "model/AppState.h"
#include "model/Encodings.h"
#include "ui/common/Prompts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

namespace {

using namespace Encodings;

// The global parameters that Apply writes, to tell whether it changed any.
// clang-format off
QList<int> appliedValues(const TKeypadClass& kd)
{
    return {kd.LEDBehavior(), kd.KeyRollOver(), kd.CharacterPacing(), kd.DownloadDelay(),
            kd.OpMode(), kd.TailChar(), kd.KeyClick(), kd.CmdPrefix(), kd.BaudRate(),
            kd.WordFormat(), kd.CardPrefix(), kd.CardSuffix(), kd.CardPrefixEnable(),
            kd.CardSuffixEnable(), kd.FormCardType(), kd.CardTracks(), kd.CardStartSentinel(),
            kd.CardEndSentinel(), kd.CardFieldSeparator(), kd.CdcSerialNo()};
}
// clang-format on

// Selects item index, or no item when the index is beyond the list.
void selectItem(QComboBox* box, int index)
{
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

} // namespace

TfrmParameters::TfrmParameters(TAppState& state, QWidget* parent) : QDialog(parent), fState(state)
{
    setObjectName(QStringLiteral("frmParameters"));
    setWindowTitle(tr("Ostrella USER Properties"));
    // No close box: the dialog is left through OK or Cancel only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    buildControls();
    connectHandlers();
    FormShow();
}

void TfrmParameters::connectHandlers()
{
    connect(btnApply, &QPushButton::clicked, this, &TfrmParameters::btnApplyClick);
    connect(btnOK, &QPushButton::clicked, this, &TfrmParameters::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmParameters::btnCancelClick);

    connect(rbTrueTerminal, &QRadioButton::clicked, this, &TfrmParameters::rbOpModeClick);
    connect(rbLineEdit, &QRadioButton::clicked, this, &TfrmParameters::rbOpModeClick);
    connect(cbStartCharEnable, &QCheckBox::toggled, this, &TfrmParameters::cbStartCharEnableClick);
    connect(cbEndCharEnable, &QCheckBox::toggled, this, &TfrmParameters::cbEndCharEnableClick);
    connect(bgCardReader, &QButtonGroup::idClicked, this, &TfrmParameters::rbCardReaderClick);
    connect(radbtnKeyRoll1, &QRadioButton::clicked, this, [this] { radbtnKeyRollClick(1); });
    connect(radbtnKeyRoll2, &QRadioButton::clicked, this, [this] { radbtnKeyRollClick(2); });
    connect(bgHostType, &QButtonGroup::idClicked, this, &TfrmParameters::rbHostTypeClick);
    connect(bgLED1, &QButtonGroup::idClicked, this, &TfrmParameters::MarkChanged);
    connect(bgLED2, &QButtonGroup::idClicked, this, &TfrmParameters::MarkChanged);

    for (QCheckBox* cb : {cbMaskInput, cbTrack1, cbTrack2})
        connect(cb, &QCheckBox::toggled, this, &TfrmParameters::MarkChanged);
    for (QComboBox* box :
         {cboxBaudRate, cboxWordFormat, cboxStartSentinel, cboxEndSentinel, cboxFieldSeparator})
        connect(box, &QComboBox::currentIndexChanged, this, &TfrmParameters::MarkChanged);
    for (QSpinBox* spin : {spinTailChar, spinCharacterPacing, spinKeyClick, spinCmdPrefix,
                           spinDownloadDelay, spinStartChar, spinEndChar, spinCdcSerialNo})
        connect(spin, &QSpinBox::valueChanged, this, &TfrmParameters::MarkChanged);
}

// ---------------------------------------------------------------------------
// Loading

void TfrmParameters::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TfrmParameters::FormShow()
{
    const TKeypadClass& kd = fState.KeypadDefinition;
    bInParamsShowForm = true;

    // 1. Pacing and download delay.
    spinCharacterPacing->setValue(kd.CharacterPacing());
    spinDownloadDelay->setValue(kd.DownloadDelay());

    // 2. Roll-over: anything but 1 shows as "2" and is kept until a button is clicked.
    PendingKeyRollOver = kd.KeyRollOver();
    (RollOverIndex(PendingKeyRollOver) == 0 ? radbtnKeyRoll1 : radbtnKeyRoll2)->setChecked(true);

    // 3. LEDs: red in bits 0..1, green in bits 4..5.
    rbLED2[RedLedCode(kd.LEDBehavior())]->setChecked(true);
    rbLED1[GreenLedCode(kd.LEDBehavior())]->setChecked(true);

    // 4. Operating mode; the mask box keeps its state while disabled.
    const bool lineEdit = kd.OpMode() & OpModeLineEditBit;
    (lineEdit ? rbLineEdit : rbTrueTerminal)->setChecked(true);
    SetOpModeEnables(lineEdit);
    cbMaskInput->setChecked(kd.OpMode() & OpModeMaskInputBit);

    // 5. Host mode from the high nibble; one not offered here shows as Default.
    const int hostMode = UserHostMode(kd.OpMode());
    bgHostType->button(hostMode)->setChecked(true);
    ApplyHostModeRule(hostMode);

    // 6. Number boxes and baud rate.
    spinCdcSerialNo->setValue(kd.CdcSerialNo());
    spinTailChar->setValue(kd.TailChar());
    spinKeyClick->setValue(kd.KeyClick());
    spinCmdPrefix->setValue(kd.CmdPrefix());
    selectItem(cboxBaudRate, kd.BaudRate());

    // 7. Word format.
    cboxWordFormat->setCurrentIndex(UserWordFormatIndex(kd.WordFormat()));

    // 8. Start and end characters.
    spinStartChar->setValue(kd.CardPrefix());
    cbStartCharEnable->setChecked(kd.CardPrefixEnable());
    lblStartChar->setEnabled(kd.CardPrefixEnable());
    spinStartChar->setEnabled(kd.CardPrefixEnable());
    spinEndChar->setValue(kd.CardSuffix());
    cbEndCharEnable->setChecked(kd.CardSuffixEnable());
    lblEndChar->setEnabled(kd.CardSuffixEnable());
    spinEndChar->setEnabled(kd.CardSuffixEnable());

    // 9. Reader type. A type this dialog does not offer selects no button and
    // is kept until the user picks one.
    const int cardType = kd.FormCardType();
    if (cardType <= CardTypeMagnetic) {
        bgCardReader->button(cardType)->setChecked(true);
    } else if (QAbstractButton* checked = bgCardReader->checkedButton()) {
        bgCardReader->setExclusive(false);
        checked->setChecked(false);
        bgCardReader->setExclusive(true);
    }
    SetCardTypeView(cardType);

    // 10. Tracks and sentinels.
    cbTrack1->setChecked(kd.CardTracks() & CardTrack1Bit);
    cbTrack2->setChecked(kd.CardTracks() & CardTrack2Bit);
    selectItem(cboxStartSentinel, kd.CardStartSentinel());
    selectItem(cboxEndSentinel, kd.CardEndSentinel());
    selectItem(cboxFieldSeparator, kd.CardFieldSeparator());

    // 11. Nothing done while loading counts as a change.
    btnApply->setEnabled(false);
    btnOK->setEnabled(false);
    bInParamsShowForm = false;
}

// ---------------------------------------------------------------------------
// Rules

void TfrmParameters::SetOpModeEnables(bool lineEdit)
{
    for (QWidget* w : std::initializer_list<QWidget*>{lblMaskInput, cbMaskInput, lblTailChar1,
                                                      lblTailChar2, spinTailChar})
        w->setEnabled(lineEdit);
}

void TfrmParameters::SetCardTypeView(int cardType)
{
    gboxBCR->setVisible(cardType == CardTypeBarcode);
    gboxMCR->setVisible(cardType == CardTypeMagnetic);
}

void TfrmParameters::ApplyHostModeRule(int hostMode)
{
    const QStringList green = UserLedCaptions(TLed::Green, IsHidHost(hostMode));
    const QStringList red = UserLedCaptions(TLed::Red, IsHidHost(hostMode));
    for (int i = 0; i < LedCodeCount; ++i) {
        rbLED1[i]->setText(green[i]);
        rbLED2[i]->setText(red[i]);
    }
    lblCdcSerialNo->setEnabled(UsesCdcSerialNo(hostMode));
    spinCdcSerialNo->setEnabled(UsesCdcSerialNo(hostMode));
}

// ---------------------------------------------------------------------------
// Handlers

bool TfrmParameters::HasUnappliedChanges() const
{
    return btnApply->isEnabled();
}

void TfrmParameters::MarkChanged()
{
    if (bInParamsShowForm)
        return;
    btnApply->setEnabled(true);
    btnOK->setEnabled(true);
}

void TfrmParameters::rbOpModeClick()
{
    SetOpModeEnables(rbLineEdit->isChecked());
    MarkChanged();
}

void TfrmParameters::cbStartCharEnableClick()
{
    lblStartChar->setEnabled(cbStartCharEnable->isChecked());
    spinStartChar->setEnabled(cbStartCharEnable->isChecked());
    MarkChanged();
}

void TfrmParameters::cbEndCharEnableClick()
{
    lblEndChar->setEnabled(cbEndCharEnable->isChecked());
    spinEndChar->setEnabled(cbEndCharEnable->isChecked());
    MarkChanged();
}

void TfrmParameters::rbCardReaderClick(int cardType)
{
    SetCardTypeView(cardType);
    MarkChanged();
}

void TfrmParameters::radbtnKeyRollClick(int rollOver)
{
    PendingKeyRollOver = static_cast<uint8_t>(rollOver);
    MarkChanged();
}

void TfrmParameters::rbHostTypeClick(int hostMode)
{
    ApplyHostModeRule(hostMode);
    MarkChanged();
}

void TfrmParameters::imgHostNotesClick()
{
    Q_EMIT hostTypeInfoRequested();
}

void TfrmParameters::btnApplyClick()
{
    // Settle text still being typed into a number box.
    for (QSpinBox* spin : findChildren<QSpinBox*>())
        spin->interpretText();

    TKeypadClass& kd = fState.KeypadDefinition;
    const QList<int> before = appliedValues(kd);

    kd.SetLEDBehavior(MakeLedBehavior(bgLED1->checkedId(), bgLED2->checkedId()));
    kd.SetKeyRollOver(PendingKeyRollOver);
    kd.SetCharacterPacing(static_cast<uint8_t>(spinCharacterPacing->value()));
    kd.SetDownloadDelay(spinDownloadDelay->value());

    kd.SetOpMode(MakeUserOpMode(rbLineEdit->isChecked(), cbMaskInput->isChecked(),
                                std::max(bgHostType->checkedId(), HostModeDefault)));

    kd.SetTailChar(static_cast<uint8_t>(spinTailChar->value()));
    kd.SetKeyClick(static_cast<uint8_t>(spinKeyClick->value()));
    const bool prefixRefused = !ApplyCmdPrefix(static_cast<uint8_t>(spinCmdPrefix->value()));
    // A stored code beyond a list shows no item and is kept as it is.
    if (cboxBaudRate->currentIndex() >= 0)
        kd.SetBaudRate(static_cast<uint8_t>(cboxBaudRate->currentIndex()));
    if (cboxWordFormat->currentIndex() >= 0)
        kd.SetWordFormat(UserWordFormatValues[cboxWordFormat->currentIndex()]);

    kd.SetCardPrefix(static_cast<uint8_t>(spinStartChar->value()));
    kd.SetCardSuffix(static_cast<uint8_t>(spinEndChar->value()));
    kd.SetCardPrefixEnable(cbStartCharEnable->isChecked());
    kd.SetCardSuffixEnable(cbEndCharEnable->isChecked());
    if (bgCardReader->checkedId() >= 0)
        kd.SetFormCardType(static_cast<uint8_t>(bgCardReader->checkedId()));

    kd.SetCardTracks(WithCardTracks(kd.CardTracks(), cbTrack1->isChecked(), cbTrack2->isChecked()));

    if (cboxStartSentinel->currentIndex() >= 0)
        kd.SetCardStartSentinel(static_cast<uint8_t>(cboxStartSentinel->currentIndex()));
    if (cboxEndSentinel->currentIndex() >= 0)
        kd.SetCardEndSentinel(static_cast<uint8_t>(cboxEndSentinel->currentIndex()));
    if (cboxFieldSeparator->currentIndex() >= 0)
        kd.SetCardFieldSeparator(static_cast<uint8_t>(cboxFieldSeparator->currentIndex()));

    kd.SetCdcSerialNo(spinCdcSerialNo->value());

    // A refused prefix change alone leaves the definition as it was: nothing
    // to mark as changed.
    if (!prefixRefused || appliedValues(kd) != before)
        Q_EMIT changesApplied();
    btnApply->setEnabled(false);
}

bool TfrmParameters::ApplyCmdPrefix(uint8_t prefix)
{
    TKeypadClass& kd = fState.KeypadDefinition;
    const uint8_t old = kd.CmdPrefix();
    const TKeypadClass::TPrefixChange change = kd.ChangeCmdPrefix(prefix);
    if (change.Ok)
        return true;
    spinCmdPrefix->setValue(old);
    Prompts::Error(this, tr("The command prefix stays %1: with %2 the macro of key %3, "
                            "level %4 would need more than %5 bytes.")
                             .arg(old)
                             .arg(prefix)
                             .arg(change.Key + 1)
                             .arg(change.Level + 1)
                             .arg(MacroCapacity));
    return false;
}

void TfrmParameters::btnOKClick()
{
    btnApplyClick();
    accept();
}

void TfrmParameters::btnCancelClick()
{
    reject();
}

// ---------------------------------------------------------------------------
// Window events

void TfrmParameters::keyPressEvent(QKeyEvent* event)
{
    // Esc does not cancel; the dialog is left through OK or Cancel only.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmParameters::closeEvent(QCloseEvent* event)
{
    // The window has no close box; a close request from the window system is refused.
    if (event->spontaneous()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

bool TfrmParameters::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == imgHostNotes || watched == lblHostNotes) &&
        event->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(event);
        auto* w = static_cast<QWidget*>(watched);
        if (me->button() == Qt::LeftButton && w->rect().contains(me->position().toPoint())) {
            imgHostNotesClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
