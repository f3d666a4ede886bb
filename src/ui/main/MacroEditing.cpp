// The macro editor's edits: inserting and removing codes at the grid cursor,
// the grid's keys and mouse, and the grid menu's commands.

#include "ui/main/MacroEditor.h"

#include "model/Encodings.h"
#include "ui/common/Prompts.h"
#include "ui/main/MacroGrid.h"

#include <QKeyEvent>
#include <QMenu>

#include <algorithm>
#include <optional>

using Encodings::GreenLedCode;
using Encodings::OpModeHostModeMask;
using Encodings::OpModeLineEditBit;
using Encodings::RedLedCode;

namespace {

// The LED items' tags are the command bytes: 8..10 green, 11..13 red.
constexpr int FirstRedLedTag = 11;
constexpr int LedHostMacroCode = 2; // the LED mode "Host/Macro Control"
constexpr uint8_t FirstHidKeyboardMode = 0x30;

// The kind of an insertion named by its code.
TEditKind KindOfCode(int32_t value)
{
    if (value & DelayFlag)
        return TEditKind::Delay;
    if (value & BeepFlag)
        return TEditKind::Beep;
    if (value & CommandFlag)
        return TEditKind::LedCommand;
    return TEditKind::Insert;
}

// Top-left cell of the selected rectangle, as a macro position.
int selectionTopLeft(const TMacroGrid* grid)
{
    const QList<QTableWidgetSelectionRange> ranges = grid->selectedRanges();
    if (ranges.isEmpty())
        return grid->CurrentPosition();
    return ranges.first().topRow() * TMacroGrid::Columns + ranges.first().leftColumn();
}

} // namespace

// ------------------------------------------------------------------------ inserting

bool TMacroEditor::AddData(int32_t value, TEditKind kind)
{
    const int positionBefore = GridPosition();
    int32_t position = positionBefore;
    const int32_t start = std::min<int32_t>(position, fDefinition.NumOfElements());
    const uint8_t countBefore = fDefinition.NumOfElements();
    // A plain code equal to the command prefix would start a command on the
    // keypad and in the file: it is kept as the escaped prefix, which needs a
    // second byte. So is one that was last (as a file can leave it) and now
    // has a code after it. Without room for that the macro is as before.
    if (!fDefinition.InsertKey(position, value) ||
        (fDefinition.NumOfElements() > countBefore && !EscapePrefixAround(start))) {
        Prompts::Error(this, tr("Not enough room or macro full!"));
        return false;
    }
    Inserted(kind == TEditKind::Edit ? KindOfCode(value) : kind, positionBefore, position);
    return true;
}

bool TMacroEditor::AddByte(int32_t value)
{
    return AddBytes({value});
}

bool TMacroEditor::AddBytes(const QList<int32_t>& values, TEditKind kind)
{
    // Several codes are one message (a MIDI event): half of it would corrupt
    // what the keypad sends, so it goes in whole or not at all.
    std::optional<TKeypadClass> before;
    if (values.size() > 1)
        before = fDefinition;
    int32_t position = GridPosition();
    for (const int32_t value : values) {
        if (!InsertPlainCode(position, value)) {
            if (before)
                fDefinition = *before;
            Prompts::Error(this, tr("Macro Full!"));
            return false;
        }
    }
    Inserted(kind, GridPosition(), position);
    return true;
}

bool TMacroEditor::InsertPlainCode(int32_t& position, int32_t value)
{
    const uint8_t countBefore = fDefinition.NumOfElements();
    const int32_t start = std::clamp<int32_t>(position, 0, countBefore);
    bool inserted;
    if (value == fDefinition.CmdPrefix()) {
        // The prefix as data goes in escaped: two bytes on the keypad.
        inserted = fDefinition.CodeCount() + 2 <= MacroCapacity &&
                   fDefinition.InsertByte(position, EscapedPrefixCode);
    } else {
        inserted = fDefinition.InsertByte(position, value);
    }
    return inserted && (fDefinition.NumOfElements() <= countBefore || EscapePrefixAround(start));
}

bool TMacroEditor::EscapePrefixAround(int32_t index)
{
    if (fDefinition.EscapePrefixAt(index) && fDefinition.EscapePrefixAt(index - 1))
        return true;
    fDefinition.RemoveKey(static_cast<uint8_t>(index));
    return false;
}

void TMacroEditor::Inserted(TEditKind kind, int32_t start, int32_t position)
{
    fModifiers &= ~(ModLShift | ModRShift | ModLCtrl | ModRCtrl);
    if (fDefinition.GetMacroName().isEmpty())
        fDefinition.SetMacroName(fDefinition.GetDisplayValue(0));
    CopyDataToScreen(position);
    Edited(kind, start, position);
}

void TMacroEditor::Edited(TEditKind kind, int positionBefore, int positionAfter)
{
    Q_EMIT edited(kind, positionBefore, positionAfter);
    Q_EMIT changed();
}

void TMacroEditor::ShowChange(int32_t gridIndex)
{
    CopyDataToScreen(gridIndex);
    Q_EMIT changed();
}

// ------------------------------------------------------------------------ removing

void TMacroEditor::RemoveData(int32_t index, TEditKind kind)
{
    const int positionBefore = GridPosition();
    RemoveCodes(index);
    CopyDataToScreen(index);
    Edited(kind, positionBefore, index);
}

void TMacroEditor::RemoveCodes(int32_t index)
{
    int left = Grid->currentColumn();
    int right = left;
    int top = Grid->currentRow();
    int bottom = top;
    const QList<QTableWidgetSelectionRange> ranges = Grid->selectedRanges();
    if (!ranges.isEmpty()) {
        left = ranges.first().leftColumn();
        right = ranges.first().rightColumn();
        top = ranges.first().topRow();
        bottom = ranges.first().bottomRow();
    }
    const int width = right - left + 1;
    int32_t p = index;
    for (int row = top; row <= bottom; ++row) {
        for (int i = 0; i < width; ++i)
            if (p >= 0 && p < MacroSlots)
                fDefinition.RemoveKey(static_cast<uint8_t>(p));
        p += TMacroGrid::Columns - width;
    }
    if (top >= 0 && left >= 0)
        SetCursor(top, left);
}

int TMacroEditor::SelectionTopLeft() const
{
    return selectionTopLeft(Grid);
}

// ------------------------------------------------------------------------ grid events

bool TMacroEditor::GridSelectCell(int col, int row)
{
    return !(col == TMacroGrid::Columns - 1 && row == TMacroGrid::Rows - 1);
}

bool TMacroEditor::GridKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Backspace: {
        const int position = GridPosition();
        if (position > 0)
            RemoveData(position - 1);
        return true;
    }
    case Qt::Key_Delete:
        // From the selected rectangle's top-left cell, so that what is
        // selected is what goes, whichever corner the selection ended on.
        RemoveData(selectionTopLeft(Grid));
        return true;
    case Qt::Key_Shift:
        fModifiers |= ModLShift;
        return false;
    default:
        return false;
    }
}

void TMacroEditor::GridKeyUp(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Shift) {
        fModifiers = 0;
        Q_EMIT modifiersReleased();
    }
}

void TMacroEditor::GridKeyPress(uint code)
{
    // Characters above 255 have no one-byte form on the keypad: refused
    // without a message.
    if (code > 127 && code <= 255)
        AddData(static_cast<int32_t>(code), TEditKind::Typing);
    else if (code <= 127 && AsciiToKeyNumber[code] > 0)
        AddData(AsciiToKeyNumber[code], TEditKind::Typing);
    Q_EMIT characterTyped();
}

void TMacroEditor::GridDblClick()
{
    RemoveData(selectionTopLeft(Grid));
}

void TMacroEditor::GridMouseDown(const QPoint& globalPos)
{
    UpdateViewTicks();
    popmenuClearMacro->popup(globalPos);
}

// ------------------------------------------------------------------------ grid menu

void TMacroEditor::menuitemClearMacroClick()
{
    // An empty macro is left alone, with no change marked.
    if (fDefinition.NumOfElements() == 0)
        return;
    const int positionBefore = GridPosition();
    while (fDefinition.NumOfElements() > 0)
        RemoveCodes(0);
    CopyDataToScreen(0);
    Edited(TEditKind::Erase, positionBefore, 0);
}

void TMacroEditor::menuitemViewKeysAsTextClick()
{
    fDefinition.bViewInHex = false;
    CopyDataToScreen(fDefinition.NumOfElements());
}

void TMacroEditor::menuitemViewKeysAsHexClick()
{
    fDefinition.bViewInHex = true;
    CopyDataToScreen(fDefinition.NumOfElements());
}

void TMacroEditor::mnuLedClick(int tag)
{
    AddData(CommandFlag + tag);

    const uint8_t opMode = fDefinition.OpMode();
    if ((opMode & OpModeHostModeMask) == FirstHidKeyboardMode) {
        Prompts::Information(
            this, tr("Note: The LED cannot be controlled by Host or Macro in HID Keyboard mode."));
        return;
    }
    if ((opMode & OpModeLineEditBit) && !IsTransmitNowTicked())
        Prompts::Information(this, tr("Keypad must be in True Terminal mode or key  must have "
                                      "\"Transmit this key\"\n"
                                      "checked in order for the LED command to function."));

    const uint8_t leds = fDefinition.LEDBehavior();
    if (tag < FirstRedLedTag) {
        if (GreenLedCode(leds) != LedHostMacroCode)
            Prompts::Information(
                this, tr("The Green LED will not operate in your macro unless you change\n"
                         "the Green LED mode to Host/Macro in the Properties panel."));
    } else if (RedLedCode(leds) != LedHostMacroCode) {
        Prompts::Information(this,
                             tr("The Red LED will not operate in your macro unless you change\n"
                                "the Red LED mode to Host/Macro in the Properties panel."));
    }
}
