// Saves pictures of the editor's windows for the README.
//
//   padshots OUTDIR PREFIX [--dialogs] [DEFINITION.ckd]
//
// Creates the windows exactly as the editor does (TAppWindows, with the
// definition file as its command line), shows the main window and writes
// OUTDIR/PREFIX-main.png. With --dialogs it also shows the dialogs of the
// mode the settings file selects and writes one picture for each: in USER
// Mode the properties, the MIDI events and the about box; in ROM Edit Mode
// the pages of the advanced ROM properties and the screen editor.
// Run it with PADWRIGHT_DOCUMENTS_DIR pointing at a scratch documents folder.

#include "model/AppState.h"
#include "ui/AppWindows.h"
#include "ui/dialogs/About.h"
#include "ui/main/Main.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QRegularExpression>
#include <QTabWidget>
#include <QThread>

#include <cstdio>

namespace {

QString gOutDir;
QString gPrefix;
bool gOk = true;

// Lets the windows lay themselves out and paint.
void settle()
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 300) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
}

void save(QWidget* window, const QString& name)
{
    settle();
    const QString path = QDir(gOutDir).filePath(gPrefix + QLatin1Char('-') + name + ".png");
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "padshots: cannot write %s\n", qPrintable(path));
        gOk = false;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

void saveDialog(QDialog* dialog, const QString& name)
{
    if (!dialog) {
        std::fprintf(stderr, "padshots: no window for %s\n", qPrintable(name));
        gOk = false;
        return;
    }
    dialog->show();
    dialog->raise();
    save(dialog, name);
    dialog->hide();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PadwrightRx"));

    QStringList args = QApplication::arguments();
    args.removeFirst();
    const bool dialogs = args.removeAll(QStringLiteral("--dialogs")) > 0;
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: padshots OUTDIR PREFIX [--dialogs] [DEFINITION.ckd]\n");
        return 2;
    }
    gOutDir = args.takeFirst();
    gPrefix = args.takeFirst();
    QDir().mkpath(gOutDir);

    TAppState state;
    TAppWindows windows(state, args);
    TfrmMain& main = windows.Main();
    main.show();
    save(&main, QStringLiteral("main"));

    if (dialogs) {
        if (main.IsRomEditMode()) {
            QDialog* advanced = main.frmAdvanced;
            QTabWidget* pages = advanced ? advanced->findChild<QTabWidget*>() : nullptr;
            if (pages) {
                advanced->show();
                for (int i = 0; i < pages->count(); ++i) {
                    pages->setCurrentIndex(i);
                    QString page = pages->tabText(i).toLower().remove(QLatin1Char('&'));
                    page.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")),
                                 QStringLiteral("-"));
                    save(advanced, QStringLiteral("advanced-") + page);
                }
                pages->setCurrentIndex(0);
                advanced->hide();
            } else {
                saveDialog(advanced, QStringLiteral("advanced"));
            }
            saveDialog(main.frmScreenEdit, QStringLiteral("screens"));
        } else {
            saveDialog(main.frmParameters, QStringLiteral("properties"));
            saveDialog(main.frmMidiEvents, QStringLiteral("midi"));
            TfrmAbout about(&main);
            about.CentreOn(&main);
            saveDialog(&about, QStringLiteral("about"));
        }
    }

    // Leave without the close question: nothing was changed.
    return gOk ? 0 : 1;
}
