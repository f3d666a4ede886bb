// What the main window asks of the other windows: the properties dialogs,
// the screen editor, the MIDI event dialog, the macro length warning and the
// about box.

#include "ui/main/Main.h"

#include "model/Encodings.h"
#include "ui/dialogs/About.h"
#include "ui/main/MacroEditor.h"

using Encodings::OpModeLineEditBit;

void TfrmMain::ToolBtnParametersClick()
{
    if (IsRomEditMode())
        return; // the button opens EditMenu instead
    Q_EMIT userPropertiesRequested();
    UpdatePortPanel();
    fEditor->UpdateTransmitNowEnabling();
}

void TfrmMain::EditAdvancedProperties1Click()
{
    Q_EMIT advancedPropertiesRequested();
}

void TfrmMain::EditScreenData1Click()
{
    if (!AppState.AdvancedParams.ScreenEnable)
        Prompts::Information(this, tr("Warning: You have not enabled \"Automated Screen Mode\" "
                                      "(on the Advanced ROM Properties form)."));
    Q_EMIT screenDataRequested();
    // An Apply without an edit still commits the screens; with a one-line
    // display that can empty second lines. It is a step of its own, which
    // leaves a clean definition clean, as such an Apply marks nothing.
    TStepInfo info;
    info.Kind = TEditKind::ScreenData;
    info.MarksChange = false;
    fDocument->RecordEdit(info);
}

void TfrmMain::DialogChangesApplied()
{
    RecordDialogApply(TEditKind::Properties);
}

void TfrmMain::InsertMIDIMessage1Click()
{
    SetViewInHex(true);
    Q_EMIT midiEventsRequested();
    // Already open, the dialog does not redraw the grid itself.
    CopyDataToScreen(GridPosition());
}

void TfrmMain::CheckMacroLenWarning()
{
    if (bMacroLengthWarningOff || KeypadDefinition.CodeCount() < 2)
        return;
    bool wholeText = false;
    if (IsRomEditMode()) {
        if (!(AppState.AdvancedParams.OpMode & OpModeLineEditBit))
            return;
        wholeText = AppState.AdvancedParams.LcdXlate != 0;
    } else if (!(KeypadDefinition.OpMode() & OpModeLineEditBit)) {
        return;
    }
    Q_EMIT macroLengthWarningDue(wholeText);
}

void TfrmMain::About1Click()
{
    TfrmAbout::Execute(this);
}
