// The code entry palette: the on-screen PC keyboard, the modifier buttons,
// Delay and Beep, the manual entry, and the grid menu's insertion items.

#include "ui/main/Main.h"

#include <QMenu>

void TfrmMain::BuildPalette()
{
    // The palette's controls go into pnlPalette. Its grid menu items are
    // appended to popmenuClearMacro, after its last separator.
}

void TfrmMain::UpdateKeyboard(TSetModifierKeys mkset)
{
    Q_UNUSED(mkset);
}

void TfrmMain::CheckMacroLenWarning() {}

void TfrmMain::About1Click() {}
