#include "model/AppState.h"
#include "ui/dialogs/Advanced.h"
#include "ui/dialogs/Params.h"
#include "ui/dialogs/ScreenEdit.h"
#include "ui/main/Main.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PadwrightRx"));

    TAppState state;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();

    // The windows, created once in this order, live until the program ends.
    TfrmMain frmMain(state, arguments);
    TfrmParameters frmParameters(state, &frmMain);
    frmMain.frmParameters = &frmParameters;
    TfrmAdvanced frmAdvanced(state, &frmMain);
    frmMain.frmAdvanced = &frmAdvanced;
    TfrmScreenEdit frmScreenEdit(state, &frmMain);
    frmMain.frmScreenEdit = &frmScreenEdit;

    frmMain.show();
    return app.exec();
}
