#include "ui/AppWindows.h"

#include "model/AppState.h"
#include "ui/dialogs/Advanced.h"
#include "ui/dialogs/HostTypeInfo.h"
#include "ui/dialogs/MacroLen.h"
#include "ui/dialogs/MidiEvents.h"
#include "ui/dialogs/Params.h"
#include "ui/dialogs/ScreenEdit.h"
#include "ui/main/Main.h"

#include <QAction>
#include <QKeySequence>

#include <functional>

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
    // Each Apply is one step of the history, named after its dialog.
    QObject::connect(fParameters, &TfrmParameters::changesApplied, main,
                     [main] { main->RecordDialogApply(TEditKind::Properties); });
    QObject::connect(fAdvanced, &TfrmAdvanced::changesApplied, main,
                     [main] { main->RecordDialogApply(TEditKind::AdvancedProperties); });
    QObject::connect(fScreenEdit, &TfrmScreenEdit::changesApplied, main,
                     [main] { main->RecordDialogApply(TEditKind::ScreenData); });
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

    ConnectUndo();
}

void TAppWindows::ConnectUndo()
{
    TDocument* document = &fMain->Document();
    // In a dialog, Undo and Redo act on the history once the dialog holds no
    // unapplied edit (which they would otherwise throw away); the dialog then
    // shows what the step put back.
    auto connectDialog = [document](QDialog* dialog, std::function<bool()> unapplied,
                                    std::function<void()> reload) {
        auto addCommand = [dialog, unapplied](const char* name, QKeySequence::StandardKey key,
                                              auto command) {
            auto* action = new QAction(dialog);
            action->setObjectName(QLatin1String(name));
            action->setShortcuts(key);
            dialog->addAction(action);
            QObject::connect(action, &QAction::triggered, dialog, [unapplied, command] {
                if (!unapplied())
                    command();
            });
        };
        addCommand("DialogUndo", QKeySequence::Undo, [document] { document->Undo(); });
        addCommand("DialogRedo", QKeySequence::Redo, [document] { document->Redo(); });
        QObject::connect(document, &TDocument::stepApplied, dialog,
                         [dialog, reload](const TStepInfo& info) {
                             const int shown = TDefinitionDelta::Params |
                                               TDefinitionDelta::Advanced |
                                               TDefinitionDelta::Screens;
                             if (dialog->isVisible() && (info.Parts & shown))
                                 reload();
                         });
    };
    TfrmParameters* parameters = fParameters;
    connectDialog(
        parameters, [parameters] { return parameters->HasUnappliedChanges(); },
        [parameters] { parameters->FormShow(); });
    TfrmAdvanced* advanced = fAdvanced;
    connectDialog(
        advanced, [advanced] { return advanced->ChangesMade(); }, [advanced] { advanced->FormShow(); });
    TfrmScreenEdit* screens = fScreenEdit;
    connectDialog(
        screens, [screens] { return screens->changesMade(); }, [screens] { screens->FormShow(); });
}
