#include "ui/AppWindows.h"

#include "model/AppState.h"
#include "ui/dialogs/Advanced.h"
#include "ui/dialogs/Params.h"
#include "ui/dialogs/ScreenEdit.h"
#include "ui/main/Main.h"

TAppWindows::TAppWindows(TAppState& state, const QStringList& arguments)
{
    fMain = std::make_unique<TfrmMain>(state, arguments);
    fParameters = std::make_unique<TfrmParameters>(state, fMain.get());
    fMain->frmParameters = fParameters.get();
    fAdvanced = std::make_unique<TfrmAdvanced>(state, fMain.get());
    fMain->frmAdvanced = fAdvanced.get();
    fScreenEdit = std::make_unique<TfrmScreenEdit>(state, fMain.get());
    fMain->frmScreenEdit = fScreenEdit.get();
}

TAppWindows::~TAppWindows()
{
    // The dialogs are children of the main window: they go first.
    fScreenEdit.reset();
    fAdvanced.reset();
    fParameters.reset();
    fMain.reset();
}
