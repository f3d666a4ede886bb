#include "ui/AppWindows.h"

#include "model/AppState.h"
#include "ui/dialogs/Advanced.h"
#include "ui/dialogs/HostTypeInfo.h"
#include "ui/dialogs/MacroLen.h"
#include "ui/dialogs/MidiEvents.h"
#include "ui/dialogs/Params.h"
#include "ui/dialogs/ScreenEdit.h"
#include "ui/main/Main.h"

TAppWindows::TAppWindows(TAppState& state, const QStringList& arguments, THostKeyboard* keyboard)
{
    fMain = std::make_unique<TfrmMain>(state, arguments, keyboard);
    fParameters = std::make_unique<TfrmParameters>(state, fMain.get());
    fMain->frmParameters = fParameters.get();
    fAdvanced = std::make_unique<TfrmAdvanced>(state, fMain.get());
    fMain->frmAdvanced = fAdvanced.get();
    fScreenEdit = std::make_unique<TfrmScreenEdit>(state, fMain.get());
    fMain->frmScreenEdit = fScreenEdit.get();

    TfrmMain* main = fMain.get();
    auto midiEvents = std::make_unique<TfrmMidiEvents>(state, main->MidiChannel, main);
    midiEvents->AddByte = [main](int32_t value) { return main->AddByte(value); };
    QObject::connect(midiEvents.get(), &TfrmMidiEvents::viewChanged, main,
                     [main] { main->CopyDataToScreen(main->GridPosition()); });
    main->frmMidiEvents = midiEvents.get();
    fMidiEvents = std::move(midiEvents);

    auto macroLenWarning = std::make_unique<TfrmMacroLenWarning>(main);
    QObject::connect(macroLenWarning.get(), &TfrmMacroLenWarning::warningTurnedOff, main,
                     [main] { main->bMacroLengthWarningOff = true; });
    main->frmMacroLenWarning = macroLenWarning.get();
    fMacroLenWarning = std::move(macroLenWarning);

    fHostTypeInfo = std::make_unique<TfrmHostTypeInfo>(main);
    main->frmHostTypeInfo = fHostTypeInfo.get();
    QDialog* hostTypeInfo = fHostTypeInfo.get();
    auto showHostTypeInfo = [hostTypeInfo] {
        hostTypeInfo->show();
        hostTypeInfo->raise();
        hostTypeInfo->activateWindow();
    };
    QObject::connect(static_cast<TfrmParameters*>(fParameters.get()),
                     &TfrmParameters::hostTypeInfoRequested, hostTypeInfo, showHostTypeInfo);
    QObject::connect(static_cast<TfrmAdvanced*>(fAdvanced.get()),
                     &TfrmAdvanced::hostTypeInfoRequested, hostTypeInfo, showHostTypeInfo);
}

TAppWindows::~TAppWindows()
{
    // The dialogs are children of the main window: they go first.
    fHostTypeInfo.reset();
    fMacroLenWarning.reset();
    fMidiEvents.reset();
    fScreenEdit.reset();
    fAdvanced.reset();
    fParameters.reset();
    fMain.reset();
}
