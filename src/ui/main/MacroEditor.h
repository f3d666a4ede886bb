#pragma once

#include "model/KeypadClass.h"
#include "ui/main/EditStep.h"

#include <QList>
#include <QWidget>

class QAction;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QTabBar;
class THostKeyboard;
class TMacroGrid;

// The macro of the selected key and level: the level tabs, the header (name,
// the auto-repeat and transmit-now flags, the bytes available), the macro
// grid with its cursor and pop-up menu. Every insertion and removal of codes
// goes through here. It also holds the pending modifier mask that the
// definition's InsertKey reads.
class TMacroEditor : public QWidget, public TModifierSource
{
    Q_OBJECT

public:
    TMacroEditor(TKeypadClass& definition, const THostKeyboard& keyboard,
                 QWidget* parent = nullptr);

    // The port status panel, at the right of the header's first line.
    void SetCornerWidget(QWidget* widget);
    // The grid's pop-up menu; the main window fills it with its commands.
    QMenu* GridMenu() const { return popmenuClearMacro; }
    // The two view items, ticked for the view mode whenever the menu opens.
    void SetViewItems(QAction* asText, QAction* asHex);
    void UpdateViewTicks();

    // TModifierSource: the pending modifier mask and the host keyboard.
    int GetModifiers() const override { return fModifiers; }
    bool HostCapsLockOn() const override;
    bool HostShiftDown() const override;
    void SetModifiers(int mask) { fModifiers = mask; }

    // Insert at the grid cursor: a key number, command or character code
    // (AddData), a plain code (AddByte), or plain codes that go in together
    // or not at all (AddBytes). A full macro is reported; false then. `kind`
    // names the edit; Edit means by the code (a delay, a beep, an LED command
    // or an insertion).
    bool AddData(int32_t value, TEditKind kind = TEditKind::Edit);
    bool AddByte(int32_t value);
    bool AddBytes(const QList<int32_t>& values, TEditKind kind = TEditKind::Insert);
    // Removes the codes under the grid selection, walking from `index`.
    void RemoveData(int32_t index, TEditKind kind = TEditKind::Delete);

    // The clipboard in the grid (MacroClipboard.cpp). The selected codes are
    // those under the selected cells, row by row.
    QList<int32_t> SelectedCodes() const;
    bool HasSelectedCodes() const { return !SelectedCodes().isEmpty(); }
    void CopySelection();
    void CutSelection();
    // As the Delete key does.
    void DeleteSelection();
    void SelectAllCodes();
    // Inserts what the clipboard holds at the grid cursor: codes of this
    // editor's format, or text typed as the grid types it.
    void PasteFromClipboard();
    // Inserts `codes` (of the definition's prefix) at the grid cursor, all or
    // none; "Macro Full!" when they do not fit.
    bool PasteCodes(const QList<int32_t>& codes);

    // An undo or redo changed the definition: redraws with the cursor at
    // `gridIndex` and tells about the change as an edit does.
    void ShowChange(int32_t gridIndex);

    // Redraws the grid and the header and puts the cursor at `gridIndex`.
    void CopyDataToScreen(int32_t gridIndex);
    // The cells and the bytes available; cursor, header and flags stay.
    void ShowMacroCodes();
    void ShowMacroName();
    // The grid cursor as a macro position.
    int GridPosition() const;
    void FocusGrid();

    // Selects the key and shows its macro with the cursor after its last code.
    void SelectKey(int keyIndex);
    // Shows the level's tab; a change of tab selects the level.
    void SelectLevel(int level);
    bool IsTransmitNowTicked() const;
    // The transmit-now box is enabled only in line edit mode.
    void UpdateTransmitNowEnabling();

    // The grid menu's commands.
    void menuitemClearMacroClick();
    void menuitemViewKeysAsTextClick();
    void menuitemViewKeysAsHexClick();
    void mnuLedClick(int tag);

Q_SIGNALS:
    // An edit of `kind` was made: the cursor stood at `positionBefore` and
    // now stands at `positionAfter`. changed() follows.
    void edited(TEditKind kind, int positionBefore, int positionAfter);
    // The macro or its flags or name were edited, or an undo or redo changed
    // what the editor shows.
    void changed();
    // The selected macro was drawn anew: after an edit, a key or level
    // chosen, New or Open.
    void macroShown();
    // The user moved the grid cursor (a click, an arrow key).
    void cursorMovedByHand();
    // The selected cells changed.
    void codeSelectionChanged();
    // A level tab was chosen; the level is selected.
    void levelChanged(int level);
    // A character was typed into the grid, whether or not it went in.
    void characterTyped();
    // The Shift and Ctrl buttons of the palette are to show `mkset`.
    void modifierKeysShown(TSetModifierKeys mkset);
    // The PC Shift key was released in the grid: the whole mask is cleared.
    void modifiersReleased();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildHeader(QWidget* parent);
    void BuildGrid(QWidget* parent);
    // After a code went in at `index`: escapes a plain prefix there and just
    // before it; without room for that, takes the new code out again.
    bool EscapePrefixAround(int32_t index);
    // One plain code at `position` (advanced past it on success); no message.
    bool InsertPlainCode(int32_t& position, int32_t value);
    // What every successful insertion does afterwards.
    void Inserted(TEditKind kind, int32_t start, int32_t position);
    // The codes under the selection, walking from `index`; no redraw.
    void RemoveCodes(int32_t index);
    // The edit is done: it is reported, then the change.
    void Edited(TEditKind kind, int positionBefore, int positionAfter);
    // Moves the grid cursor without it counting as a move by hand.
    void SetCursor(int row, int col);
    // The selected rectangle's top-left cell as a macro position.
    int SelectionTopLeft() const;

    // Handlers.
    void TabControlLevelChange(int index);
    void chkboxAutorepeatClick();
    void cboxKeyAsTrueTerminalClick();
    void EditNameKeyUp();
    bool GridSelectCell(int col, int row);
    bool GridKeyDown(QKeyEvent* event);
    void GridKeyPress(uint code);
    void GridKeyUp(QKeyEvent* event);
    void GridDblClick();
    void GridMouseDown(const QPoint& globalPos);

    TKeypadClass& fDefinition;
    const THostKeyboard& fKeyboard;
    int fModifiers = 0;
    bool fSettingCursor = false;

    QTabBar* TabControlLevel = nullptr;
    QWidget* pnlMacroHeader = nullptr;
    QLabel* lblMacroHeader = nullptr;
    QLineEdit* EditName = nullptr;
    QCheckBox* chkboxAutoRepeat = nullptr;
    QCheckBox* cboxKeyAsTrueTerminal = nullptr;
    QLabel* lblBytesUsed = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    TMacroGrid* Grid = nullptr;
    QMenu* popmenuClearMacro = nullptr;
    QAction* fViewAsText = nullptr;
    QAction* fViewAsHex = nullptr;
};
