#pragma once

#include <QDialog>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class QVBoxLayout;
class TAppState;
class TLooseSpinBox;
struct TAdvancedParams;

// The advanced ROM properties dialog of ROM Edit Mode. It edits the working
// copy of the ROM parameters at once; Apply (or OK) commits the working copy,
// Cancel copies the committed one back. Every showing reloads the controls
// from the working copy (FormShow); handlers that change what other controls
// may do run FormShow again.
//
// The pages: "Mode", "Keys/LEDs", "LCD", "Host" (AdvancedHost.cpp), "Beeper"
// and the card pages "Card Type", "Barcode/RFID" (or "Ext. Wedge"),
// "Mag Card" and "ECR Process" (AdvancedCard.cpp).
class TfrmAdvanced : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAdvanced(TAppState& state, QWidget* parent = nullptr);

    // Loads every control from the working copy and applies the enabling and
    // visibility rules of all pages. Runs each time the dialog is shown.
    void FormShow();
    // An edit was made: asterisk in the caption, Apply and OK enabled.
    void MarkAdvancedChanged();

    // The main window's Save and Save As write the committed copy; they
    // disable OK and Apply afterwards.
    void DisableApplyAndOK();

    bool ChangesMade() const { return bChangesMade; }

    // Apply, OK and Cancel, as the buttons do them.
    void btnApplyClick();
    void btnOKClick();
    void btnCancelClick();

    // Escape and the window manager's close run Cancel.
    void reject() override;

Q_SIGNALS:
    // Apply (or OK) committed the working copy: the definition has unsaved
    // changes.
    void changesApplied();
    // The Notes picture or label was clicked: the host type information is
    // to be shown beside the dialog (and closed with it, on finished()).
    void hostTypeInfoRequested();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building, one routine per page.
    QWidget* BuildModePage();
    QWidget* BuildKeysLedsPage();
    QWidget* BuildLcdPage();
    QWidget* BuildHostPage();
    QWidget* BuildBeeperPage();
    QWidget* BuildCardTypePage();
    QWidget* BuildBarcodePage();
    QWidget* BuildMagCardPage();
    QWidget* BuildEcrPage();
    QWidget* BuildLedGroup(bool green);
    // The parts of the pages: one builder per group box, then the page's
    // connections where they are made together.
    void BuildModeChoices(QGroupBox* group);
    QGridLayout* BuildCalcFraming(QGroupBox* group);
    void ConnectModePage();
    QGroupBox* BuildLcdSizeGroup(QWidget* page);
    QGroupBox* BuildSignOnGroup(QWidget* page);
    QGroupBox* BuildCursorStyleGroup(QWidget* page);
    QGroupBox* BuildScrollWrapGroup(QWidget* page);
    QGroupBox* BuildLcdXlateGroup(QWidget* page);
    QGroupBox* BuildBrightnessGroup(QWidget* page);
    void ConnectLcdPage();
    QGroupBox* BuildHostConnectionGroup(QWidget* page);
    QVBoxLayout* BuildHostNotes(QGroupBox* gboxConnection);
    QGroupBox* BuildHostComGroup(QWidget* page);
    QGroupBox* BuildHostCmdPrefixGroup(QWidget* page);
    QGroupBox* BuildHostFlowGroup(QWidget* page);
    QGroupBox* BuildCardTypeGroup(QWidget* page);
    void BuildCardComGroup(QWidget* page);
    void BuildCardReadMsgGroup(QWidget* page);
    QGroupBox* BuildMCRDelimiterGroup(QWidget* page);
    QGroupBox* BuildMCRTrackGroup(QWidget* page);
    QGridLayout* BuildEcrOptions(QGroupBox* group);
    void ConnectEcrPage();

    // Loading, in the order FormShow runs them.
    void LoadModePage();
    void LoadKeysLedsPage();
    void SetLedCaptions();
    void LoadLcdPage();
    void LoadHostPage();
    void LoadBeeperPage();
    void LoadCardPages();
    void ApplyModeRules();
    void ApplyLcdLine2Rule();
    void ApplyCardRules();

    // The handler pattern: nothing while loading; store; reload if asked;
    // mark changed.
    void Edit(const std::function<void(TAdvancedParams&)>& store, bool reload = false);
    TAdvancedParams& Working();

    // Handlers named after their controls.
    void rbTrueTerminalModeClick();
    void rbScreenModeClick();
    void rbAnyLEDClick();
    void rbLcdSizeClick(bool oneLine);
    void tbarLcdBrightnessChange(int position);
    void spinAnyBeepChange();
    void rbHostModeClick(int code);
    void rbHostDataBitsClick();
    void rbHostStopBitsClick();
    void rbHostParityClick(int parity);
    void imgHostNotesClick();
    void rbCardTypeClick(int cardType);
    void rbCardDataBitsClick();
    void rbCardStopBitsClick();
    void rbCardParityClick(int parity);
    void rbWedgeModePacketizeClick();
    void rbWedgeModePassThruClick();
    void spinBCRDelimiterChange();
    void spinMCRDelimiterChange();
    void cboxMCRTrackClick();

    void SetEnabled(std::initializer_list<QWidget*> widgets, bool enabled);

    TAppState& fState;
    bool bInAdvancedShowForm = false;
    bool bChangesMade = false;

    QTabWidget* pcAdvanced = nullptr;
    QWidget* tsMode = nullptr;
    QWidget* tsKeysLEDs = nullptr;
    QWidget* tsLCD = nullptr;
    QWidget* tsHost = nullptr;
    QWidget* tsBeeper = nullptr;
    QWidget* tsCardType = nullptr;
    QWidget* tsBarcodeRFID = nullptr;
    QWidget* tsMagCard = nullptr;
    QWidget* tsEcrProcess = nullptr;
    QPushButton* btnApply = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    // Page "Mode".
    QRadioButton* rbTrueTerminalMode = nullptr;
    QRadioButton* rbLineEditMode = nullptr;
    QRadioButton* rbScreenMode = nullptr;
    QCheckBox* cboxEcho = nullptr;
    QCheckBox* cboxMaskUserInput = nullptr;
    QLabel* lblMaskChar = nullptr;
    QLineEdit* edMaskChar = nullptr;
    QLabel* lblStartScreen = nullptr;
    QComboBox* cboxStartScreen = nullptr;
    TLooseSpinBox* spinCalcPrefix = nullptr;
    TLooseSpinBox* spinCalcStart = nullptr;
    TLooseSpinBox* spinCalcTail = nullptr;
    TLooseSpinBox* spinCalcSuffix = nullptr;
    QList<QWidget*> fCalcFramingWidgets; // labels, "decimal" labels, note, format

    // Page "Keys/LEDs".
    TLooseSpinBox* spinCharPacing = nullptr;
    TLooseSpinBox* spinDownloadDelay = nullptr;
    QRadioButton* rbKeyRollover1 = nullptr;
    QRadioButton* rbKeyRollover2 = nullptr;
    QGroupBox* gboxGreenLED = nullptr;
    QGroupBox* gboxRedLED = nullptr;
    QButtonGroup* fGreenLedGroup = nullptr; // ids: LED codes 0..3
    QButtonGroup* fRedLedGroup = nullptr;

    // Page "LCD".
    QRadioButton* rbLcdIs1x16 = nullptr;
    QRadioButton* rbLcdIs2x16 = nullptr;
    QLineEdit* edLcdLine1 = nullptr;
    QLineEdit* edLcdLine2 = nullptr;
    TLooseSpinBox* spinTSignOnHold = nullptr;
    QCheckBox* cbLcdCursorUnderline = nullptr;
    QCheckBox* cbLcdCursorBlock = nullptr;
    QCheckBox* cbEnableScroll = nullptr;
    QCheckBox* cbEnableWrap = nullptr;
    QCheckBox* cbLcdXlate = nullptr;
    QSlider* tbarLcdBrightness = nullptr;

    // Page "Host".
    QButtonGroup* fHostModeGroup = nullptr; // ids: host mode codes
    QRadioButton* rbHostNone = nullptr;
    QRadioButton* rbHostCDC = nullptr;
    QLabel* lblCdcSerialNo = nullptr;
    TLooseSpinBox* spinCdcSerialNo = nullptr;
    QComboBox* cboxHostBaudRate = nullptr;
    QRadioButton* rbHost7DataBits = nullptr;
    QRadioButton* rbHost8DataBits = nullptr;
    QRadioButton* rbHostStopBits1 = nullptr;
    QRadioButton* rbHostStopBits2 = nullptr;
    QButtonGroup* fHostParityGroup = nullptr; // ids: Encodings::TParity
    TLooseSpinBox* spinCmdPrefix = nullptr;
    TLooseSpinBox* spinXonChar = nullptr;
    TLooseSpinBox* spinXoffChar = nullptr;

    // Page "Beeper".
    TLooseSpinBox* spinKeyClick = nullptr;
    TLooseSpinBox* spinPowerOnBeep = nullptr;
    TLooseSpinBox* spinErrorBeep = nullptr;
    TLooseSpinBox* spinCardOkBeep = nullptr;

    // Page "Card Type".
    QButtonGroup* fCardTypeGroup = nullptr; // ids: FormCardType 0..3
    QGroupBox* gboxCardComParams = nullptr;
    QGroupBox* gboxCardReadMsg = nullptr;
    QComboBox* cboxCardBaudRate = nullptr;
    QRadioButton* rbCard7DataBits = nullptr;
    QRadioButton* rbCard8DataBits = nullptr;
    QRadioButton* rbCardStopBits1 = nullptr;
    QRadioButton* rbCardStopBits2 = nullptr;
    QButtonGroup* fCardParityGroup = nullptr; // ids: Encodings::TParity
    QLineEdit* edLcdLine1CardOK = nullptr;
    QLineEdit* edLcdLine2CardOK = nullptr;
    TLooseSpinBox* spinTCardReadHold = nullptr;

    // Page "Barcode/RFID" / "Ext. Wedge".
    QLabel* lblWedgeMode = nullptr;
    QRadioButton* rbWedgeModePacketize = nullptr;
    QRadioButton* rbWedgeModePassThru = nullptr;
    TLooseSpinBox* spinBCRPrefixChar = nullptr;
    TLooseSpinBox* spinBCRStartChar = nullptr;
    TLooseSpinBox* spinBCREndChar = nullptr;
    TLooseSpinBox* spinBCRSuffixChar = nullptr;
    QList<QLabel*> fBCRCaptionLabels;     // prefix, start, end, suffix
    QList<QWidget*> fBCRDelimiterWidgets; // labels, boxes and "decimal" labels

    // Page "Mag Card".
    TLooseSpinBox* spinMCRPrefixChar = nullptr;
    TLooseSpinBox* spinMCRStartSentinel = nullptr;
    TLooseSpinBox* spinMCREndSentinel = nullptr;
    TLooseSpinBox* spinMCRFieldSeparator = nullptr;
    TLooseSpinBox* spinMCRSuffixChar = nullptr;
    QCheckBox* cboxMCRTrack1 = nullptr;
    QCheckBox* cboxMCRTrack2 = nullptr;

    // Page "ECR Process".
    QCheckBox* cboxEnableEcrMode = nullptr;
    QComboBox* cboxSelectTrack = nullptr;
    QComboBox* cboxSelectField = nullptr;
    QCheckBox* cboxSuppressLZ = nullptr;
    QCheckBox* cboxPrepend00 = nullptr;
    QCheckBox* cboxConcatenate = nullptr;
    QLineEdit* edRemoveSuffix = nullptr;
    QList<QWidget*> fEcrOptionWidgets; // everything the enable box governs
};
