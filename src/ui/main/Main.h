#pragma once

#include "files/ClipFormat.h"
#include "model/AppState.h"
#include "ui/common/Prompts.h"
#include "ui/main/Document.h"

#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <memory>
#include <optional>

class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QMenu;
class QShowEvent;
class QToolBar;
class QToolButton;
class TAppSettings;
class TCodePalette;
class TFindingsDock;
class TPreviewPane;
class TfrmCompare;
class THostKeyboard;
class TKeypadPanel;
class TMacroEditor;
class TMainActions;
class TPortPanel;
struct TFinding;
class TRecentFiles;
class TUserManual;
struct TFileDrop;
struct TLoadResult;

// The two working modes, chosen once at start.
enum class TEditMode
{
    User, // user definition files (ckd)
    Rom   // ROM definition files (rom), advanced ROM properties and screens
};

// The main window's file dialogs. Their FileName is the name proposed when
// they open; the current files are the document's.
struct TMainFileDialogs
{
    TFileDialogOptions OpenCKDDialog;
    TFileDialogOptions SaveCKDDialog;
    TFileDialogOptions OpenRomDialog;
    TFileDialogOptions SaveRomDialog;
    TFileDialogOptions OpenKeyCapsDialog;
};

// The main window. It owns the document and coordinates its parts: the
// keypad panel, the macro editor, the code palette and the port status
// panel. The commands (TMainActions) are shown by its menu bar, toolbar and
// pop-up menus. What it asks of the other windows it asks through signals,
// which TAppWindows connects where the windows are created.
//
// Its handlers live by concern: MainWindow (start-up, title, the parts),
// MainMenus (menu bar, toolbar, commands), MainFiles (file commands),
// MainTools (sibling programs and the manual), MainDialogs (the other
// windows), MainFolders (data and program folders, settings files).
class TfrmMain : public QMainWindow
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
    TDocument& Document() const { return *fDocument; }

    TEditMode Mode() const { return fMode; }
    bool IsRomEditMode() const { return fMode == TEditMode::Rom; }
    // 1 = 12 keys, 2 = 20 keys.
    int GuiKeyLayout() const;

    uint8_t MidiChannel = 1; // 1..16, offered and changed by the MIDI dialog
    bool bMacroLengthWarningOff = false;

    // ---------------------------------------------------------------- folders (MainFolders.cpp)
    QString DirString;     // the data folder
    QString UserDirString; // folder of the last file chosen with Open
    QString MacroFolder() const;
    QString KeyLabelFolder() const;
    QString SettingsFile() const;
    QString LoaderSettingsFile() const; // RxLoad.ini in the data folder: the port choice
    TAppSettings& Settings() const { return *fSettings; }
    const TMainFileDialogs& FileDialogs() const { return fDialogs; }

    // ---------------------------------------------------------------- title and changes
    // Sets or clears the unsaved changes: Save follows it, and a "*" is
    // appended to the title when it is set.
    void ChangesPending(bool value);
    bool IsChangesPending() const;
    // " [USER Mode]   PadwrightRx - untitled" or the ROM Edit Mode form.
    void SetUntitledTitle();
    // The title after a file of `kind` was read or written: its name without folder.
    void SetFileTitle(TFileKind kind, const QString& path);
    // Shows what a reader reported and, for a loaded file, refreshes the window
    // as every reader requires: title, layout from the file's number of keys,
    // key type icons, level 1, first key, grid, no pending changes, the
    // current file. Returns true when the file was loaded.
    bool ApplyLoadResult(const TLoadResult& result, const QString& path, TFileKind kind);

    void UpdatePortPanel();
    // The keypad is set up as a USB HID keyboard: the definition's host mode
    // (OpMode high bits 0x30 or 0xB0) or the ROM properties' HostType 3 or 11.
    bool IsHidKeyboardHost() const;

    // ---------------------------------------------------------------- editing
    // Insertion at the grid cursor as the other windows do it (the macro
    // editor's AddData, AddByte and AddBytes).
    bool AddData(int32_t value);
    bool AddByte(int32_t value);
    bool AddBytes(const QList<int32_t>& values);
    void CopyDataToScreen(int32_t gridIndex);
    int GridPosition() const;
    // The pending modifier mask that InsertKey reads.
    int GetModifiers() const;
    void SetModifiers(int mask);
    // The view mode (the MIDI dialog turns the hex view on); shown at the next redraw.
    void SetViewInHex(bool value);
    // A dialog applied its changes: they are one step of the history, and
    // the codes are redrawn (a new command prefix shows as a character of
    // its own). RecordDialogApply names the step after its dialog.
    void DialogChangesApplied();
    void RecordDialogApply(TEditKind kind);

    // ---------------------------------------------------------------- knowing before a download (MainAnalysis.cpp)
    // The definition check of the definition as it is now, in the mode and
    // layout shown, with what the reader skipped in the file last opened.
    QList<TFinding> CheckNow() const;

Q_SIGNALS:
    // Requests to the other windows. The modal ones return when the window
    // has closed.
    void userPropertiesRequested();
    void advancedPropertiesRequested();
    void screenDataRequested();
    void midiEventsRequested();
    // The macro length warning is due, with both paragraphs or the first.
    void macroLengthWarningDue(bool wholeText);
    // A ROM definition file was written from the committed ROM properties.
    void romFileSaved();
    // The screen editor is to be shown at screen `screen` (0..7).
    void screenRequested(int screen);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    QMenu* createPopupMenu() override { return nullptr; }
    // A definition file dropped on the window opens as Open opens it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Start-up and frame (MainWindow.cpp)
    void BuildWindow();
    void ConnectParts();
    void FormCreate(const QStringList& arguments);
    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    // Save and Key Labels enabled as the changes and the layout allow.
    void UpdateCommandStates();
    // Puts the layout's first key button down and selects its key and level 1.
    void SelectFirstKey();
    void LayoutChosen(int layout);
    void KeyTypeChanged();
    // Menus and toolbar (MainMenus.cpp)
    void BuildToolBar();
    void BuildMenuBar();
    // The grid's pop-up menu: Erase, the view items, the insertion items.
    void BuildGridMenu();
    // The key buttons' menu: the key types, then the key commands.
    void BuildKeyMenu();
    // Copy and Paste Macro, Copy and Paste Key, Clear Key, Swap Key With.
    void AddKeyCommands(QMenu* menu);
    void FillInsertItems(QMenu* menu);
    void ConnectCommands();
    void SetPropertiesButtonForMode(bool romMenu);
    void SetWideSeparators(bool wide);
    void UpdateViewTicks();
    // Folders (MainFolders.cpp)
    void MakeDataFolders();
    // ComPort of the loader settings in the data folder.
    int LoaderComPort() const;
    // A write of the settings file that failed is told once per session:
    // the editor goes on, but what it would keep there is lost.
    void SettingsWritten(bool ok);
    // Files (MainFiles.cpp)
    void InitFileDialogs();
    void ToolBtnNewClick();
    void ToolBtnOpenClick();
    void ToolBtnSaveClick();
    void ToolBtnSaveAsClick();
    // The question about unsaved changes before New and Open; false when the
    // command must stop (Cancel, or Yes with a save that did not happen).
    bool AskToSaveChanges();
    // Open's steps after the open dialog: the folder of `path` becomes the
    // save dialog's, the mode's reader reads it, and a file that loaded goes
    // to the top of the recent list.
    void OpenChosenFile(const QString& path);
    // Reads `path` with the mode's reader and takes it as the current file
    // (and, in USER Mode, its download image name); true when it loaded.
    bool ReadDefinition(const QString& path);
    // Shows what a reader skipped, cut or ignored in one message.
    void ShowReadWarnings(const TLoadResult& result, const QString& path);
    // Writes the definition under `path` as the mode's Save does; what
    // could not be written is reported to the user.
    void SaveDefinitionAs(const QString& path);
    TFileKind CurrentKind() const { return IsRomEditMode() ? TFileKind::Rom : TFileKind::User; }
    // Recent files and samples (MainFileLists.cpp)
    void BuildFileLists();
    TRecentFiles RecentFiles() const;
    // Puts `path` at the top of the recent list of `kind`.
    void RememberFile(TFileKind kind, const QString& path);
    void RefreshRecentMenu();
    void OpenRecentFile(const QString& path);
    void ClearRecentFiles();
    // Opens a sample as an untitled copy, so that Save asks for a name.
    void OpenSample(const QString& path);
    void OpenDroppedFile(const TFileDrop& drop);
    // Printed labels and the setup sheet (MainPrint.cpp)
    void PrintKeyLabelsClick();
    void ExportSetupSheetClick();
    // Tools (MainTools.cpp)
    void ToolBtnSetPortClick();
    void PortProgramEnded();
    void ToolBtnDownloadClick();
    void ToolButtonTestClick();
    void ToolButtonKeyLabelsClick();
    void UserManual1Click();
    // Other windows (MainDialogs.cpp)
    void ToolBtnParametersClick();
    void EditAdvancedProperties1Click();
    void EditScreenData1Click();
    void InsertMIDIMessage1Click();
    void About1Click();
    // Shows the macro length warning when the keypad is in line edit mode and
    // the macro holds 2 bytes or more.
    void CheckMacroLenWarning();
    // An inserting command of the palette or the grid menu.
    void InsertKeyCode(int32_t code);
    void InsertPlainCode(int32_t code);
    // Checks, preview, comparison and backups (MainAnalysis.cpp)
    void BuildFindingsDock();
    void ConnectAnalysis();
    void ApplyAnalysisSettings(int backupsKept, bool previewShown);
    // The window's fixed size, fitted again when the preview or the findings
    // dock is shown or hidden.
    void FitWindowToContents();
    // Redraws what follows the definition: the preview, and the findings
    // and the comparison while they are shown.
    void UpdateAnalysisViews();
    void UpdatePreview();
    void ShowPreview(bool shown);
    void PreviewMenuItemClick(bool shown);
    void CheckDefinitionMenuItemClick();
    void ShowFindings(const QList<TFinding>& findings);
    void GoToFinding(TFinding finding);
    void CompareMenuItemClick();
    void UpdateCompareLeft();
    void ShowBackupsMenuItemClick();
    // Before a download: false when the check found errors and the user
    // does not want to download anyway.
    bool CheckBeforeDownload();
    // Copies the file sent and its definition into the backups folder; a
    // failure goes to the port panel's hint.
    void BackupDownload(const QString& sentFile);
    // Undo, redo and the clipboard of keys and macros (MainEdit.cpp)
    void ConnectEditing();
    // Records the edit just made at the selected key and level as one step.
    void RecordEdit(TEditKind kind, int positionBefore = -1, int positionAfter = -1);
    // An undo or redo: shows the step's key and level with the cursor where
    // the change was, and everything that follows an edit.
    void ShowStep(const TStepInfo& info, bool redo);
    void UpdateEditCommands();
    void ClipboardChanged();
    void CopyMacroClick();
    void PasteMacroClick();
    void CopyKeyClick();
    void PasteKeyClick();
    void ClearKeyClick();
    // The keys change places; `to` is shown, holding what `from` held.
    void SwapKeys(int from, int to);
    // After an edit of whole keys: key `key` shown with the cursor after its codes.
    void ShowKeyEdit(TEditKind kind, int key, int otherKey = -1);

    TEditMode fMode = TEditMode::User;
    bool fShown = false;
    // What the clipboard holds, read when it changes: this editor's content
    // or text from elsewhere.
    std::optional<TClipContent> fClip;
    bool fClipboardHasText = false;
    bool fWaitingForPortProgram = false;
    std::unique_ptr<THostKeyboard> fOwnKeyboard;
    THostKeyboard* fKeyboard = nullptr;
    std::unique_ptr<TAppSettings> fSettings;
    bool fSettingsFailureShown = false;
    std::unique_ptr<TUserManual> fUserManual;
    TMainFileDialogs fDialogs;

    TDocument* fDocument = nullptr;
    TMainActions* fActions = nullptr;
    TKeypadPanel* fKeypad = nullptr;
    TMacroEditor* fEditor = nullptr;
    TCodePalette* fPalette = nullptr;
    TPortPanel* fPortPanel = nullptr;
    TPreviewPane* fPreview = nullptr;
    TFindingsDock* fFindingsDock = nullptr;
    QPointer<TfrmCompare> fCompare;
    TFileDialogOptions fCompareDialog;
    int fBackupsKept = 50;

    QToolBar* ToolBar1 = nullptr;
    QToolButton* ToolBtnParameters = nullptr;
    QWidget* ToolSepSaveAs = nullptr;
    QWidget* ToolSepParameters = nullptr;
    QWidget* ToolSepTest = nullptr;
    QMenu* mnuTools = nullptr;
};
