#pragma once

#include "model/AdvancedClass.h"

#include <QDialog>

#include <cstdint>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;

class TAppState;

// The screen editor: the eight LCD screens of Automated Screen Mode.
//
// Every control edits the current screen of WorkingScreenData at once. Apply
// (and OK) copy all eight working screens into ScreenData; Cancel copies
// ScreenData back over them. The dialog lives as long as the application and
// remembers the screen being edited between openings. Controls are loaded
// each time the dialog is shown.
class TfrmScreenEdit : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmScreenEdit(TAppState& state, QWidget* parent = nullptr);

    // Index 0..7 of the screen being edited.
    int currentScreen() const { return CurrentScreen; }
    // Makes screen `index` (0..7) the one edited, as its button does.
    void SelectScreen(int index);
    // The working screens hold changes not yet applied.
    bool changesMade() const { return bChangesMade; }
    // Loads the controls from the current working screen.
    void FormShow();

    // Leaving by Escape or the window manager counts as Cancel.
    void reject() override;

Q_SIGNALS:
    // Apply (or OK) committed screens that had been changed: the definition
    // now holds unsaved changes.
    void changesApplied();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    QWidget* buildScreenSelector();
    QGroupBox* buildLcdGroup();
    QGroupBox* buildTimeoutGroup();
    QGroupBox* buildCardSwipeGroup();
    QGroupBox* buildKeyDataGroup();
    QGroupBox* buildLedGroup(const char* name, const char* title, const char* radioPrefix,
                             QButtonGroup*& group);
    QGroupBox* buildTransitionsGroup();
    QWidget* buildButtons();
    void connectHandlers();

    TScreenDataRec& current();

    void MarkScreenChanged();

    // Handlers, one per control event.
    void rbScreenClick(int screenNumber);
    void edLcdLine1Change(const QString& text);
    void edLcdLine2Change(const QString& text);
    void cboxTimeoutEnableClick(bool checked);
    void cboxTimeoutActionChange(int index);
    void spinTimeoutPeriodChange(int value);
    void cboxCardSwipeEnableClick(bool checked);
    void cboxCardSwipeActionChange(int index);
    void rbLedClick();
    void cboxUserDataActionChange(int index);
    void cboxKeyFlagClick(bool checked, bool TScreenDataRec::*field);
    void cboxKeyActionChange(int index, uint8_t TScreenDataRec::*field);
    void spinOnShowChange(int value);
    void spinOnLeaveChange(int value);
    void btnApplyClick();
    void btnOKClick();
    void btnCancelClick();

    TAppState& m_state;

    int CurrentScreen = 0;
    bool bInScreenEditShowForm = false;
    bool bChangesMade = false;

    QButtonGroup* m_screenButtons = nullptr;
    QLineEdit* edLcdLine1 = nullptr;
    QLineEdit* edLcdLine2 = nullptr;

    QCheckBox* cboxTimeoutEnable = nullptr;
    QLabel* lblTimeoutAction = nullptr;
    QComboBox* cboxTimeoutAction = nullptr;
    QLabel* lblTimeoutPeriod = nullptr;
    QSpinBox* spinTimeoutPeriod = nullptr;

    QCheckBox* cboxCardSwipeEnable = nullptr;
    QLabel* lblCardSwipeAction = nullptr;
    QComboBox* cboxCardSwipeAction = nullptr;
    QLabel* lblCardSwipeHelp = nullptr;

    QComboBox* cboxUserDataAction = nullptr;
    QComboBox* cboxUserFullAction = nullptr;
    QComboBox* cboxEnterAction = nullptr;
    QComboBox* cboxBackNormalAction = nullptr;
    QComboBox* cboxClearNormalAction = nullptr;
    QComboBox* cboxBackEmptyAction = nullptr;
    QComboBox* cboxClearEmptyAction = nullptr;
    QCheckBox* cboxMaskUserInput = nullptr;
    QCheckBox* cboxRequireAllData = nullptr;
    QCheckBox* cboxSaveDataForNextScreen = nullptr;

    QButtonGroup* m_greenLed = nullptr;
    QButtonGroup* m_redLed = nullptr;

    QSpinBox* spinOnShow = nullptr;
    QSpinBox* spinOnLeave = nullptr;

    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnApply = nullptr;
};
