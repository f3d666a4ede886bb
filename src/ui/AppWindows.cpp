#include "ui/AppWindows.h"

#include "model/AppState.h"
#include "ui/dialogs/Advanced.h"
#include "ui/dialogs/HostTypeInfo.h"
#include "ui/dialogs/MacroLen.h"
#include "ui/dialogs/MidiEvents.h"
#include "ui/dialogs/Params.h"
#include "ui/dialogs/ScreenEdit.h"
#include "ui/main/Main.h"

namespace {

// Shows a modeless window, or brings it to the front when it is shown.
void showModeless(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

TAppWindows::TAppWindows(TAppState& state, const QStringList& arguments, THostKeyboard* keyboard)
    : fMain(std::make_unique<TfrmMain>(state, arguments, keyboard))
{
    TfrmMain* main = fMain.get();
    fParameters = new TfrmParameters(state, main);
    fAdvanced = new TfrmAdvanced(state, main);
    fScreenEdit = new TfrmScreenEdit(state, main);
    fMidiEvents = new TfrmMidiEvents(state, main->MidiChannel, main);
    fMacroLenWarning = new TfrmMacroLenWarning(main);
    fHostTypeInfo = new TfrmHostTypeInfo(main);
    ConnectWindows();
}

TAppWindows::~TAppWindows() = default;

void TAppWindows::ConnectWindows()
{
    TfrmMain* main = fMain.get();

    // The properties dialogs and the screen editor, shown modally.
    QObject::connect(main, &TfrmMain::userPropertiesRequested, fParameters, &QDialog::exec);
    QObject::connect(main, &TfrmMain::advancedPropertiesRequested, fAdvanced, &QDialog::exec);
    QObject::connect(main, &TfrmMain::screenDataRequested, fScreenEdit, &QDialog::exec);
    QObject::connect(fParameters, &TfrmParameters::changesApplied, main,
                     &TfrmMain::DialogChangesApplied);
    QObject::connect(fAdvanced, &TfrmAdvanced::changesApplied, main,
                     &TfrmMain::DialogChangesApplied);
    QObject::connect(fScreenEdit, &TfrmScreenEdit::changesApplied, main,
                     &TfrmMain::DialogChangesApplied);
    QObject::connect(main, &TfrmMain::romFileSaved, fAdvanced, &TfrmAdvanced::DisableApplyAndOK);
    // A finding about a screen opens the screen editor at that screen.
    TfrmScreenEdit* screens = fScreenEdit;
    QObject::connect(main, &TfrmMain::screenRequested, screens, [screens](int screen) {
        screens->SelectScreen(screen);
        screens->exec();
    });

    // The MIDI event dialog inserts into the macro being edited.
    TfrmMidiEvents* midi = fMidiEvents;
    QObject::connect(main, &TfrmMain::midiEventsRequested, midi, [midi] { showModeless(midi); });
    QObject::connect(midi, &TfrmMidiEvents::insertRequested, main, &TfrmMain::AddBytes);
    QObject::connect(midi, &TfrmMidiEvents::viewChanged, main,
                     [main] { main->CopyDataToScreen(main->GridPosition()); });

    // The macro length warning.
    TfrmMacroLenWarning* warning = fMacroLenWarning;
    QObject::connect(main, &TfrmMain::macroLengthWarningDue, warning,
                     &TfrmMacroLenWarning::ShowWarning);
    QObject::connect(warning, &TfrmMacroLenWarning::warningTurnedOff, main,
                     [main] { main->bMacroLengthWarningOff = true; });

    // The host type information, from the Notes of both properties dialogs;
    // it closes when the dialog that showed it does.
    TfrmHostTypeInfo* info = fHostTypeInfo;
    QObject::connect(fParameters, &TfrmParameters::hostTypeInfoRequested, info,
                     [info] { showModeless(info); });
    QObject::connect(fAdvanced, &TfrmAdvanced::hostTypeInfoRequested, info,
                     [info] { showModeless(info); });
    QObject::connect(fParameters, &QDialog::finished, info, &QWidget::close);
    QObject::connect(fAdvanced, &QDialog::finished, info, &QWidget::close);
}
