#pragma once

#include "model/KeypadClass.h"

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
    // or not at all (AddBytes). A full macro is reported; false then.
    bool AddData(int32_t value);
    bool AddByte(int32_t value);
    bool AddBytes(const QList<int32_t>& values);
    // Removes the codes under the grid selection, walking from `index`.
    void RemoveData(int32_t index);

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
    // The macro or its flags or name were edited.
    void changed();
    // The selected macro was drawn anew: after an edit, a key or level
    // chosen, New or Open.
    void macroShown();
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
    void Inserted(int32_t position);

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
