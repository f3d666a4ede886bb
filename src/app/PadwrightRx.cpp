#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PadwrightRx"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("PadwrightRx"));
    window.resize(640, 480);
    window.show();
    return app.exec();
}
