#pragma once

#include "model/AppState.h"
#include "ui/common/Prompts.h"

#include <QIcon>
#include <QMainWindow>

#include <array>
#include <cstdint>
#include <memory>

class QAbstractButton;
class QAction;
class QButtonGroup;
class QCheckBox;
class QDialog;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QRadioButton;
class QSlider;
class QTabBar;
class QToolBar;
class QToolButton;
class QWidget;
class TAppSettings;
class THostKeyboard;
class TMacroGrid;
struct TLoadResult;

// The two working modes, chosen once at start.
enum class TEditMode
{
    User, // user definition files (ckd)
    Rom   // ROM definition files (rom), advanced ROM properties and screens
};

// The kind of definition file a title or a load result refers to.
enum class TFileKind
{
    User,
    Rom
};

// Character code typed into the grid (0..127) to the key number of the
// on-screen key that produces it; 0 means the character is ignored.
extern const std::array<uint8_t, 128> AsciiToKeyNumber;

// The main window. The window's regions are built by the Main*.cpp files by
// concern: MainShell (start-up, title, toolbar, port panel, closing), MainGrid
// (macro grid, header, key buttons, level tabs), MainLayouts (keypad layouts),
// MainPalette (code entry palette), MainFiles (file commands), MainTools
// (sibling programs and the manual).
class TfrmMain : public QMainWindow, public TModifierSource
{
    Q_OBJECT
public:
    // `arguments` is the command line without the program name; its first
    // entry, when there is one, is read as a user definition file.
    // `keyboard` is the host keyboard (nullptr: the real one).
    explicit TfrmMain(TAppState& state, const QStringList& arguments = {},
                      THostKeyboard* keyboard = nullptr, QWidget* parent = nullptr);
    ~TfrmMain() override;

    TAppState& AppState;
    TKeypadClass& KeypadDefinition;

    // ---------------------------------------------------------------- mode, folders, files
    TEditMode Mode() const { return fMode; }
    bool IsRomEditMode() const { return fMode == TEditMode::Rom; }

    int GuiKeyLayout = 2;     // 1 = 12 keys, 2 = 20 keys
    QString DirString;        // the data folder
    QString UserDirString;    // folder of the last file chosen with Open
    QString DownloadArgument; // quoted download image path (USER Mode)
    uint8_t MidiChannel = 1;  // 1..16
    bool bMacroLengthWarningOff = false;

    QString MacroFolder() const;
    QString KeyLabelFolder() const;
    QString SettingsFile() const;
    QString LoaderSettingsFile() const; // RxLoad.ini in the data folder
    TAppSettings& Settings() const { return *fSettings; }

    // The dialogs' settings; the save dialogs' FileName is the current file.
    TFileDialogOptions OpenCKDDialog;
    TFileDialogOptions SaveCKDDialog;
    TFileDialogOptions OpenRomDialog;
    TFileDialogOptions SaveRomDialog;
    TFileDialogOptions OpenKeyCapsDialog;
    // The mode's save dialog (SaveRomDialog in ROM Edit Mode, else SaveCKDDialog).
    TFileDialogOptions& CurrentSaveDialog();

    // The other windows, set by main(); each lives until the application ends.
    QDialog* frmParameters = nullptr;
    QDialog* frmAdvanced = nullptr;
    QDialog* frmScreenEdit = nullptr;
    QDialog* frmMidiEvents = nullptr;
    QDialog* frmMacroLenWarning = nullptr;
    QDialog* frmHostTypeInfo = nullptr;

    // ---------------------------------------------------------------- title and changes
    void ChangesPending(bool value);
    bool IsChangesPending() const { return fChangesPending; }
    // " [USER Mode]   PadwrightRx - untitled" or the ROM Edit Mode form.
    void SetUntitledTitle();
    // The title after a file of `kind` was read or written: its name without folder.
    void SetFileTitle(TFileKind kind, const QString& path);
    // Shows what a reader reported and, for a loaded file, refreshes the window
    // as every reader requires: title, layout from the file's number of keys,
    // key type icons, level 1, first key, grid, no pending changes, the save
    // dialog's file name. Returns true when the file was loaded.
    bool ApplyLoadResult(const TLoadResult& result, const QString& path, TFileKind kind);

    void UpdatePortPanel();
    // The keypad is set up as a USB HID keyboard: the definition's host mode
    // (OpMode high bits 0x30 or 0xB0) or the ROM properties' HostType 3 or 11.
    bool IsHidKeyboardHost() const;

    // ---------------------------------------------------------------- grid and keys
    // TModifierSource: read by KeypadDefinition.InsertKey.
    int GetModifiers() const override { return fModifiers; }
    bool HostCapsLockOn() const override;
    bool HostShiftDown() const override;
    // The pending modifier mask, for the palette's modifier buttons.
    void SetModifiers(int mask) { fModifiers = mask; }

    bool AddData(int32_t value);
    bool AddByte(int32_t value);
    void RemoveData(int32_t index);
    void CopyDataToScreen(int32_t gridIndex);
    void CopyKeyParametersToScreen(QAbstractButton* sender);
    // Every key button's icon from its key's type; the selection is kept.
    void RefreshKeyButtons();
    // The grid cursor as a macro position.
    int GridPosition() const;
    // The view mode (the MIDI dialog turns the hex view on); shown at the next redraw.
    void SetViewInHex(bool value);
    void SetLevelColour(int level);
    // Puts the layout's first key button down and selects its key and level 1.
    void SelectFirstKey();
    QAbstractButton* KeyButton(int keyIndex) const;

    // ---------------------------------------------------------------- layouts
    void SetKeyLayout();
    int FirstKeyOfLayout() const { return GuiKeyLayout == 1 ? 4 : 0; }
    // Selects the layout radio button for 12 or 20 keys (running its handler
    // when it was not selected).
    void SelectLayoutForKeys(int numberOfKeys);

    // ---------------------------------------------------------------- palette (MainPalette.cpp)
    // Sets the down state of the on-screen Shift and Ctrl buttons from `mkset`.
    void UpdateKeyboard(TSetModifierKeys mkset);
    // Shows the macro length warning when the keypad is in line edit mode and
    // the macro holds 2 bytes or more.
    void CheckMacroLenWarning();

    // ---------------------------------------------------------------- handlers
    // Shell
    void ToolBtnParametersClick();
    void EditAdvancedProperties1Click();
    void EditScreenData1Click();
    // Files (MainFiles.cpp)
    void ToolBtnNewClick();
    void ToolBtnOpenClick();
    void ToolBtnSaveClick();
    void ToolBtnSaveAsClick();
    // Tools (MainTools.cpp)
    void ToolBtnSetPortClick();
    void ToolBtnDownloadClick();
    void ToolButtonTestClick();
    void ToolButtonKeyLabelsClick();
    void UserManual1Click();
    // Palette (MainPalette.cpp)
    void About1Click();
    // Keys that carry a key number, and Delay and Beep.
    void spdBtnEscClick(int tag);
    // The five modifier buttons; `bit` is the button's bit of the modifier mask.
    void sbtnLShiftClick(QAbstractButton* button, int bit);
    // F1..F12 and the HID menu items: `tag` is the plain code.
    void mnuMultiMediaClick(int tag);
    void mnuLedClick(int tag);
    void InsertMIDIMessage1Click();
    void tbDelayValueChange();
    void tbBeepValueChange();
    bool edManualInputKeyPress(QKeyEvent* event); // true: the key was handled or dropped
    void rbDecimalClick();
    void rbHexadecimalClick();
    void spdbtnInsertClick();
    // Grid
    void SpeedButton1Click(int keyIndex);
    void SpeedButton1MouseDown(QAbstractButton* button, const QPoint& globalPos);
    void TabControlLevelChange(int index);
    void popmenKeyTypePopup();
    void KeyTypeMenuItemClick(int item);
    void chkboxAutorepeatClick();
    void cboxKeyAsTrueTerminalClick();
    void EditNameKeyUp();
    void GridDblClick();
    bool GridKeyDown(QKeyEvent* event);
    void GridKeyPress(uint code);
    void GridKeyUp(QKeyEvent* event);
    void GridMouseDown(const QPoint& globalPos);
    bool GridSelectCell(int col, int row);
    void menuitemClearMacroClick();
    void menuitemViewKeysAsTextClick();
    void menuitemViewKeysAsHexClick();
    // Layouts
    void rbModelR20Click();
    void rbModelR12Click();

    // ---------------------------------------------------------------- controls
    QToolBar* ToolBar1 = nullptr;
    QToolButton* ToolBtnNew = nullptr;
    QToolButton* ToolBtnOpen = nullptr;
    QToolButton* ToolBtnSave = nullptr;
    QToolButton* ToolBtnSaveAs = nullptr;
    QToolButton* ToolBtnParameters = nullptr;
    QToolButton* ToolBtnSetPort = nullptr;
    QToolButton* ToolBtnDownload = nullptr;
    QToolButton* ToolButtonTest = nullptr;
    QToolButton* ToolButtonKeyLabels = nullptr;
    QToolButton* ToolBtnHelp = nullptr;
    QWidget* ToolSepSaveAs = nullptr;
    QWidget* ToolSepParameters = nullptr;
    QWidget* ToolSepTest = nullptr;
    QMenu* HelpMenu = nullptr;
    QAction* UserManual1 = nullptr;
    QAction* About1 = nullptr;
    QMenu* EditMenu = nullptr;
    QAction* EditAdvancedProperties1 = nullptr;
    QAction* EditScreenData1 = nullptr;

    QRadioButton* rbModelR20 = nullptr;
    QRadioButton* rbModelR12 = nullptr;
    QWidget* pnlKeypad = nullptr;
    std::array<QAbstractButton*, MaxKeys> SpeedButtons{};
    QButtonGroup* KeyButtonGroup = nullptr;
    QMenu* popmenKeyType = nullptr;
    QAction* ShiftKeyMenuItem = nullptr;
    QAction* ToggleKeyMenuItem = nullptr;
    QAction* AlphaKeyMenuItem = nullptr;
    // Images 1..3: the icons of ktShift, ktToggle, ktAlpha (0 is unused).
    std::array<QIcon, 4> ModifierImageList;

    QTabBar* TabControlLevel = nullptr;
    QLabel* panelPort = nullptr;
    QWidget* pnlMacroHeader = nullptr;
    QLabel* lblMacroHeader = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* EditName = nullptr;
    QCheckBox* chkboxAutoRepeat = nullptr;
    QCheckBox* cboxKeyAsTrueTerminal = nullptr;
    QLabel* lblSpaceAvailable = nullptr;
    QLabel* lblBytesUsed = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    TMacroGrid* Grid = nullptr;
    // Grid menu: Erase, View items; the palette appends its insertion items
    // after the last separator (see BuildPalette).
    QMenu* popmenuClearMacro = nullptr;
    QAction* menuitemClearMacro = nullptr;
    QAction* menuitemViewKeysAsText = nullptr;
    QAction* menuitemViewKeysAsHex = nullptr;

    // The region below the keypad and the grid: the code entry palette.
    QWidget* pnlPalette = nullptr;
    QLabel* lblKeyboard = nullptr;
    QWidget* pnlKeyboard = nullptr; // the on-screen PC keyboard
    QAbstractButton* sbtnLShift = nullptr;
    QAbstractButton* sbtnRShift = nullptr;
    QAbstractButton* sbtnLCtrl = nullptr;
    QAbstractButton* sbtnRCtrl = nullptr;
    QAbstractButton* spdbtnCapsLock = nullptr;
    QAbstractButton* SpeedButton105 = nullptr; // Delay
    QAbstractButton* SpeedButton78 = nullptr;  // Beep
    QSlider* tbDelayValue = nullptr;
    QSlider* tbBeepValue = nullptr;
    QGroupBox* GroupBox1 = nullptr; // manual entry
    QLineEdit* edManualInput = nullptr;
    QRadioButton* rbDecimal = nullptr;
    QRadioButton* rbHexadecimal = nullptr;
    QAbstractButton* spdbtnInsert = nullptr;
    // The grid menu's insertion items.
    QMenu* InsertF13throughF24key1 = nullptr;
    QMenu* InsertUSBHIDMultiMediakey1 = nullptr;
    QMenu* InsertUSBHIDNumericKeypadkey1 = nullptr;
    QMenu* InsertUSBHIDMiscellaneouskey1 = nullptr;
    QAction* InsertMIDIMessage1 = nullptr;
    QAction* mnuGreenLedOff = nullptr;
    QAction* mnuGreenLedOn = nullptr;
    QAction* mnuGreenLedFlash = nullptr;
    QAction* mnuRedLedOff = nullptr;
    QAction* mnuRedLedOn = nullptr;
    QAction* mnuRedLedFlash = nullptr;

private Q_SLOTS:
    void MarkChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QMenu* createPopupMenu() override { return nullptr; }

private:
    // Start-up and shell (MainShell.cpp)
    void BuildWindow();
    void BuildToolBar();
    void FormCreate(const QStringList& arguments);
    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    void MakeDataFolders();
    void SetWideSeparators(bool wide);
    void ExecDialog(QDialog* dialog);
    // Files (MainFiles.cpp)
    // The question about unsaved changes before New and Open; false when the
    // command must stop (Cancel, or Yes with a save that did not happen).
    bool AskToSaveChanges();
    // Writes the definition under `path` as the mode's Save does; what
    // could not be written is reported to the user.
    void SaveDefinitionAs(const QString& path);
    // Grid (MainGrid.cpp)
    QWidget* BuildKeypad();
    QWidget* BuildMacroArea();
    void BuildKeyTypeIcons();
    // After a code went in at `index`: escapes a plain prefix there and just
    // before it; without room for that, takes the new code out again and
    // returns false.
    bool EscapePrefixAround(int32_t index);
    // The grid cells and the bytes used from the selected macro; the
    // cursor, the header and the modifier buttons stay as they are.
    void ShowMacroCodes();
    void ShowMacroName(const QString& name);
    // Layouts (MainLayouts.cpp)
    QWidget* BuildLayoutChoice();
    void ApplyLayoutChoice(int layout);
    // Palette (MainPalette.cpp): fills pnlPalette and the grid menu's insertion items.
    void BuildPalette();
    QWidget* BuildPcKeyboard();
    QWidget* BuildDelayAndBeep();
    QWidget* BuildManualEntry();
    void BuildInsertMenus();
    // The PC Shift key was released in the grid and the whole mask cleared:
    // the five modifier buttons come up with it.
    void ReleaseModifierButtons();
    // The manual entry's value; false (with the message shown) when there is none to insert.
    bool ManualValue(int& value);

    TEditMode fMode = TEditMode::User;
    bool fChangesPending = false;
    int fModifiers = 0;
    bool fShown = false;
    QAbstractButton* fKeyTypeMenuButton = nullptr;
    std::unique_ptr<THostKeyboard> fOwnKeyboard;
    THostKeyboard* fKeyboard = nullptr;
    std::unique_ptr<TAppSettings> fSettings;
};
