#pragma once

#include <QDialog>

#include <cstdint>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;
class TAppState;

// The user properties dialog of USER Mode: edits the global device parameters
// of the keypad definition. Every opening reloads the controls from the
// definition; Apply (or OK) writes all of them back.
class TfrmParameters : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmParameters(TAppState& state, QWidget* parent = nullptr);

    // Loads every control from the definition; runs each time the dialog is shown.
    void FormShow();
    // Something was changed since the dialog was shown or last applied.
    bool HasUnappliedChanges() const;

Q_SIGNALS:
    // Apply (or OK) wrote the properties into the definition.
    void changesApplied();
    // The Notes picture or label was clicked: the host type information is
    // to be shown beside the dialog (and closed with it, on finished()).
    void hostTypeInfoRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QWidget* buildOpModeGroup();
    QWidget* buildRs232Group();
    QWidget* buildLedGroup(bool green);
    QWidget* buildSmallGroups();
    QWidget* buildCardPanel();
    QWidget* buildCardTypeFrame(QWidget* holder);
    void buildBcrGroup(QWidget* holder);
    void buildMcrGroup(QWidget* holder);
    QWidget* buildHostGroup();
    QWidget* buildButtons();
    void connectHandlers();

    // Handlers.
    void btnApplyClick();
    // Changes the definition's command prefix with its macros; a change that
    // does not fit is refused with a message and the box shows the old
    // prefix. False when refused.
    bool ApplyCmdPrefix(uint8_t prefix);
    void btnOKClick();
    void btnCancelClick();
    void rbOpModeClick();
    void cbStartCharEnableClick();
    void cbEndCharEnableClick();
    void rbCardReaderClick(int cardType);
    void radbtnKeyRollClick(int rollOver);
    void rbHostTypeClick(int hostMode);
    void imgHostNotesClick();
    void MarkChanged();

    void SetOpModeEnables(bool lineEdit);
    void SetCardTypeView(int cardType);
    // LED captions and the CDC field for a host mode (0, 3, 7, 10, 11).
    void ApplyHostModeRule(int hostMode);

    TAppState& fState;
    bool bInParamsShowForm = false;
    uint8_t PendingKeyRollOver = 2;

    // Operating mode
    QGroupBox* gboxOpMode = nullptr;
    QRadioButton* rbTrueTerminal = nullptr;
    QRadioButton* rbLineEdit = nullptr;
    QLabel* lblMaskInput = nullptr;
    QCheckBox* cbMaskInput = nullptr;
    QLabel* lblTailChar1 = nullptr;
    QLabel* lblTailChar2 = nullptr;
    QSpinBox* spinTailChar = nullptr;

    // RS232
    QGroupBox* gboxRs232 = nullptr;
    QComboBox* cboxBaudRate = nullptr;
    QComboBox* cboxWordFormat = nullptr;

    // LEDs: index 0..3 = off, level, host, power
    QButtonGroup* bgLED1 = nullptr;
    QButtonGroup* bgLED2 = nullptr;
    QRadioButton* rbLED1[4] = {};
    QRadioButton* rbLED2[4] = {};

    // Small groups
    QSpinBox* spinCharacterPacing = nullptr;
    QRadioButton* radbtnKeyRoll1 = nullptr;
    QRadioButton* radbtnKeyRoll2 = nullptr;
    QSpinBox* spinKeyClick = nullptr;
    QSpinBox* spinCmdPrefix = nullptr;
    QSpinBox* spinDownloadDelay = nullptr;

    // Card reader
    QButtonGroup* bgCardReader = nullptr;
    QGroupBox* gboxBCR = nullptr;
    QCheckBox* cbStartCharEnable = nullptr;
    QLabel* lblStartChar = nullptr;
    QSpinBox* spinStartChar = nullptr;
    QCheckBox* cbEndCharEnable = nullptr;
    QLabel* lblEndChar = nullptr;
    QSpinBox* spinEndChar = nullptr;
    QGroupBox* gboxMCR = nullptr;
    QCheckBox* cbTrack1 = nullptr;
    QCheckBox* cbTrack2 = nullptr;
    QComboBox* cboxStartSentinel = nullptr;
    QComboBox* cboxEndSentinel = nullptr;
    QComboBox* cboxFieldSeparator = nullptr;

    // Host mode
    QButtonGroup* bgHostType = nullptr;
    QLabel* lblCdcSerialNo = nullptr;
    QSpinBox* spinCdcSerialNo = nullptr;
    QLabel* imgHostNotes = nullptr;
    QLabel* lblHostNotes = nullptr;

    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnApply = nullptr;
};
