// Saves pictures of the editor's windows for the README.
//
//   padshots OUTDIR PREFIX [--dialogs] [--open-rom FILE.rom] [--key N] [--level L]
//            [--analysis OTHER.ckd] [DEFINITION.ckd]
//
// Creates the windows exactly as the editor does (TAppWindows, with the
// definition file as its command line), opens the ROM definition file as
// Open does in ROM Edit Mode when one is given, clicks key N (from 1) and the
// tab of level L when asked, shows the main window and writes
// OUTDIR/PREFIX-main.png. With --dialogs it also shows the dialogs of the
// mode the settings file selects and writes one picture for each: in USER
// Mode the properties, the MIDI events and the about box; in ROM Edit Mode
// the pages of the advanced ROM properties and the screen editor. With
// --analysis it writes, instead of the main window alone, the main window
// with the findings of Tools > Check Definition (PREFIX-check.png) and the
// comparison of the definition with OTHER (PREFIX-compare.png).
// Run it with PADWRIGHT_DOCUMENTS_DIR pointing at a scratch documents folder.

#include "files/FileIO.h"
#include "model/AppState.h"
#include "ui/AppWindows.h"
#include "ui/common/Prompts.h"
#include "ui/dialogs/About.h"
#include "ui/dialogs/Advanced.h"
#include "ui/dialogs/MidiEvents.h"
#include "ui/dialogs/Params.h"
#include "ui/dialogs/ScreenEdit.h"
#include "ui/main/Main.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>

namespace {

QString gOutDir;
QString gPrefix;
bool gOk = true;

// Lets the windows lay themselves out and paint.
void settle()
{
    QEventLoop loop;
    QTimer::singleShot(300, &loop, &QEventLoop::quit);
    loop.exec();
}

// The window's contents under a plain title bar with its title: there is no
// window manager under Xvfb to draw one, and the title shows the mode.
QImage withTitleBar(QWidget* window)
{
    const QPixmap contents = window->grab();
    QFont font = window->font();
    font.setBold(true);
    const int barHeight = QFontMetrics(font).height() + 12;
    QImage image(contents.width(), contents.height() + barHeight, QImage::Format_RGB32);
    image.setDevicePixelRatio(contents.devicePixelRatio());
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, contents.width(), barHeight), QColor(0x3a, 0x4a, 0x5e));
    painter.setPen(Qt::white);
    painter.setFont(font);
    painter.drawText(QRect(10, 0, contents.width() - 20, barHeight),
                     Qt::AlignVCenter | Qt::AlignLeft, window->windowTitle());
    painter.drawPixmap(0, barHeight, contents);
    return image;
}

void save(QWidget* window, const QString& name)
{
    settle();
    const QString path = QDir(gOutDir).filePath(gPrefix + QLatin1Char('-') + name + ".png");
    // The about box is borderless: it gets no title bar.
    const bool framed = !(window->windowFlags() & Qt::FramelessWindowHint);
    const QImage image = framed ? withTitleBar(window) : window->grab().toImage();
    if (!image.save(path)) {
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

// The file dialogs of the editor answer with one file, without showing.
class TFilePrompts : public TQtPrompts
{
public:
    explicit TFilePrompts(QString file) : fFile(std::move(file)) {}
    QString OpenFileName(QWidget*, const TFileDialogOptions&) override { return fFile; }

private:
    QString fFile;
};

// Tools > Check Definition, then File > Compare With... `other`.
void saveAnalysis(TfrmMain& main, const QString& other)
{
    main.findChild<QAction*>(QStringLiteral("CheckDefinitionMenuItem"))->trigger();
    save(&main, QStringLiteral("check"));
    TFilePrompts prompts(other);
    TPrompts* previous = Prompts::Install(&prompts);
    main.findChild<QAction*>(QStringLiteral("CompareMenuItem"))->trigger();
    Prompts::Install(previous);
    saveDialog(main.findChild<QDialog*>(QStringLiteral("frmCompare")), QStringLiteral("compare"));
}

// The pages of the advanced ROM properties, one picture each, then the
// screen editor.
void saveRomDialogs(TAppWindows& windows)
{
    QDialog* advanced = &windows.Advanced();
    QTabWidget* pages = advanced ? advanced->findChild<QTabWidget*>() : nullptr;
    if (pages) {
        advanced->show();
        for (int i = 0; i < pages->count(); ++i) {
            if (!pages->isTabVisible(i))
                continue; // pages the card type hides
            pages->setCurrentIndex(i);
            QString page = pages->tabText(i).toLower().remove(QLatin1Char('&'));
            page.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
            save(advanced, QStringLiteral("advanced-") + page);
        }
        pages->setCurrentIndex(0);
        advanced->hide();
    } else {
        saveDialog(advanced, QStringLiteral("advanced"));
    }
    saveDialog(&windows.ScreenEdit(), QStringLiteral("screens"));
}

// The properties, the MIDI events and the about box of USER Mode.
void saveUserDialogs(TAppWindows& windows, TfrmMain& main)
{
    saveDialog(&windows.Parameters(), QStringLiteral("properties"));
    saveDialog(&windows.MidiEvents(), QStringLiteral("midi"));
    TfrmAbout about(&main);
    about.CentreOn(&main);
    saveDialog(&about, QStringLiteral("about"));
}

// Clicks key `key` (from 1) and the menu item of level `level`, when asked.
void selectKeyAndLevel(TfrmMain& main, int key, int level)
{
    if (key >= 1 && key <= MaxKeys) {
        if (auto* button =
                main.findChild<QAbstractButton*>(QStringLiteral("SpeedButton%1").arg(key)))
            button->click();
    }
    if (level == 1 || level == 2)
        main.findChild<QAction*>(level == 1 ? QStringLiteral("Level1MenuItem")
                                            : QStringLiteral("Level2MenuItem"))
            ->trigger();
}

struct Options
{
    bool dialogs = false;
    QString romFile;
    int key = 0;
    int level = 0;
    QString other;
    QStringList rest; // OUTDIR PREFIX [DEFINITION.ckd]
};

Options parseOptions()
{
    Options options;
    QStringList args = QApplication::arguments();
    args.removeFirst();
    options.dialogs = args.removeAll(QStringLiteral("--dialogs")) > 0;
    // Takes "NAME VALUE" out of the arguments; returns VALUE or an empty string.
    auto takeOption = [&args](const QString& name) {
        const int at = args.indexOf(name);
        if (at < 0 || at + 1 >= args.size())
            return QString();
        const QString value = args.at(at + 1);
        args.remove(at, 2);
        return value;
    };
    options.romFile = takeOption(QStringLiteral("--open-rom"));
    options.key = takeOption(QStringLiteral("--key")).toInt();
    options.level = takeOption(QStringLiteral("--level")).toInt();
    options.other = takeOption(QStringLiteral("--analysis"));
    options.rest = args;
    return options;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PadwrightRx"));

    Options options = parseOptions();
    QStringList& args = options.rest;
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: padshots OUTDIR PREFIX [--dialogs] [--open-rom FILE.rom] "
                             "[--key N] [--level L] [--analysis OTHER.ckd] [DEFINITION.ckd]\n");
        return 2;
    }
    gOutDir = args.takeFirst();
    gPrefix = args.takeFirst();
    QDir().mkpath(gOutDir);

    TAppState state;
    TAppWindows windows(state, args);
    TfrmMain& main = windows.Main();
    const QString& romFile = options.romFile;
    if (!romFile.isEmpty() &&
        !main.ApplyLoadResult(LoadRomFile(state, romFile), romFile, TFileKind::Rom)) {
        std::fprintf(stderr, "padshots: cannot open %s\n", qPrintable(romFile));
        return 1;
    }
    main.show();
    settle();
    selectKeyAndLevel(main, options.key, options.level);
    if (options.other.isEmpty())
        save(&main, QStringLiteral("main"));
    else
        saveAnalysis(main, options.other);

    if (options.dialogs) {
        if (main.IsRomEditMode())
            saveRomDialogs(windows);
        else
            saveUserDialogs(windows, main);
    }

    // Leave without the close question: nothing was changed.
    return gOk ? 0 : 1;
}
