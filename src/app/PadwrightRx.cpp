#include "model/AppState.h"
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

    frmMain.show();
    return app.exec();
}
