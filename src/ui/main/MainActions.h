#pragma once

#include "model/KeypadClass.h"

#include <QObject>

#include <array>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

// Every command of the main window, created once with its text, icon,
// shortcut and hint. The toolbar, the menu bar and the pop-up menus show
// these same actions, so a command is enabled or disabled in one place.
//
// Adding a command: a member here, its creation in the constructor, its place
// in a menu (TfrmMain::BuildMenuBar) and its handler (TfrmMain::ConnectCommands).
class TMainActions : public QObject
{
    Q_OBJECT

public:
    // `window` holds the actions, so that their shortcuts work wherever the
    // keyboard focus is in it.
    explicit TMainActions(QWidget* window);

    // File
    QAction* NewMenuItem = nullptr;
    QAction* OpenMenuItem = nullptr;
    QAction* SaveMenuItem = nullptr;
    QAction* SaveAsMenuItem = nullptr;
    QAction* ExitMenuItem = nullptr;

    // File, beside the described commands: the mode's recent definitions
    // and the samples (the main window fills both menus), the printed key
    // labels and the setup sheet.
    QMenu* mnuOpenRecent = nullptr;
    QAction* ClearRecentMenuItem = nullptr;
    QMenu* mnuOpenSample = nullptr;
    QAction* PrintKeyLabelsMenuItem = nullptr;
    QAction* ExportSetupSheetMenuItem = nullptr;

    // Edit, with their standard shortcuts. Undo and Redo name the step they
    // undo or redo; Cut, Copy, Paste, Delete and Select All act on the grid.
    QAction* UndoMenuItem = nullptr;
    QAction* RedoMenuItem = nullptr;
    QAction* CutMenuItem = nullptr;
    QAction* CopyMenuItem = nullptr;
    QAction* PasteMenuItem = nullptr;
    QAction* DeleteMenuItem = nullptr;
    QAction* SelectAllMenuItem = nullptr;
    // The grid menu's command and the key type menu's items (ktShift,
    // ktToggle, ktAlpha).
    QAction* menuitemClearMacro = nullptr;
    std::array<QAction*, 3> KeyTypeItems{};

    // Keys and macros: on the key buttons' menu and in Edit. They act on the
    // selected key (and level).
    QAction* CopyMacroMenuItem = nullptr;
    QAction* PasteMacroMenuItem = nullptr;
    QAction* CopyKeyMenuItem = nullptr;
    QAction* PasteKeyMenuItem = nullptr;
    QAction* ClearKeyMenuItem = nullptr;
    // "Swap Key With": one item per key, its data() the key index.
    QMenu* SwapKeyMenu = nullptr;
    std::array<QAction*, MaxKeys> SwapKeyItems{};

    // Insertion: the four menus of plain codes (each item's data() is its
    // code), the MIDI dialog and the LED commands (data() is the command byte).
    std::array<QMenu*, 4> CodeMenus{};
    QAction* InsertMIDIMessage1 = nullptr;
    std::array<QAction*, 6> LedItems{}; // green off, on, flash; red off, on, flash

    // View
    QAction* Layout20MenuItem = nullptr;
    QAction* Layout12MenuItem = nullptr;
    QAction* Level1MenuItem = nullptr;
    QAction* Level2MenuItem = nullptr;
    QAction* menuitemViewKeysAsText = nullptr;
    QAction* menuitemViewKeysAsHex = nullptr;

    // Tools. In ROM Edit Mode the Properties button opens EditMenu instead.
    QAction* PropertiesMenuItem = nullptr;
    QMenu* EditMenu = nullptr;
    QAction* EditAdvancedProperties1 = nullptr;
    QAction* EditScreenData1 = nullptr;
    QAction* SetPortMenuItem = nullptr;
    QAction* DownloadMenuItem = nullptr;
    QAction* TestMenuItem = nullptr;
    QAction* KeyLabelsMenuItem = nullptr;

    // Help, also the Help button's drop-down menu.
    QMenu* HelpMenu = nullptr;
    QAction* UserManual1 = nullptr;
    QAction* About1 = nullptr;

    // Knowing before a download: File > Compare With..., Tools > Check
    // Definition, View > Preview (checkable) and Help > Show Backups.
    QAction* CompareMenuItem = nullptr;
    QAction* CheckDefinitionMenuItem = nullptr;
    QAction* PreviewMenuItem = nullptr;
    QAction* ShowBackupsMenuItem = nullptr;

    // The items of the four code menus, in menu order.
    QList<QAction*> CodeItems() const;

    // Sets the hint of `action`: `hint` (or the command's name when empty)
    // followed by its shortcut, as "Save (Ctrl+S)".
    static void SetHint(QAction* action, const QString& hint = QString());

private:
    QWidget* fWindow;

    void CreateFileActions();
    void CreateFileListActions();
    void CreatePrintActions();
    void CreateEditActions();
    void CreateKeyActions();
    void CreateInsertActions();
    void CreateViewActions();
    void CreateToolActions();
    void CreateHelpActions();
    void CreateAnalysisActions();
};
