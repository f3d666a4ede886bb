#include "model/AppState.h"
#include "ui/AppWindows.h"
#include "ui/main/Main.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PadwrightRx"));

    TAppState state;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();

    // The windows, created once in their order, live until the program ends.
    TAppWindows windows(state, arguments);
    windows.Main().show();
    return app.exec();
}
