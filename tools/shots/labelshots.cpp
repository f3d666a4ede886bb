// Saves the pictures of the key labels and the setup sheet for the README
// and the manual:
//
//   labelshots OUTDIR DEFINITION.ckd
//
// writes OUTDIR/labels-window.png (the Key Labels Editor with the definition),
// OUTDIR/labels-sheet.png (the label sheet as printed) and
// OUTDIR/setup-sheet-1.png, -2.png (the setup sheet's pages). Run it with
// PADWRIGHT_DOCUMENTS_DIR pointing at a scratch documents folder.

#include "app/AppSettings.h"
#include "files/FileIO.h"
#include "print/LabelRenderer.h"
#include "print/SetupSheet.h"
#include "ui/labels/KeyLabelsWindow.h"
#include "ui/labels/SetupSheetWindow.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int PageDpi = 110;

bool Save(const QImage& image, const QString& path)
{
    if (!image.save(path)) {
        std::fprintf(stderr, "labelshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

void Settle()
{
    QEventLoop loop;
    QTimer::singleShot(300, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: labelshots OUTDIR DEFINITION.ckd\n");
        return 2;
    }
    const QDir out(args.at(1));
    const QString definition = args.at(2);
    TAppState state;
    const TLoadResult loaded = LoadUserFile(state, definition);
    if (loaded.Status != TLoadStatus::Loaded) {
        std::fprintf(stderr, "labelshots: cannot open %s\n", qPrintable(definition));
        return 1;
    }
    bool ok = true;

    const QTemporaryDir scratch; // the window's settings start from their defaults
    const TAppSettings settings(QDir(scratch.path()).filePath(QStringLiteral("PadwrightRx.ini")));
    TfrmKeyLabels window(state, TReportKind::User, loaded.NumberOfKeys, definition, settings);
    window.resize(1100, 720);
    window.show();
    if (auto* grid = window.findChild<QTableWidget*>(QStringLiteral("gridLabels")))
        grid->selectRow(3);
    Settle();
    ok &= Save(window.grab().toImage(), out.filePath(QStringLiteral("labels-window.png")));
    window.hide();

    TLabelRenderer labels = window.Renderer();
    ok &= Save(PrintOutput::RenderPage(labels, 0, PageDpi),
               out.filePath(QStringLiteral("labels-sheet.png")));

    TSetupSheet sheet(MakeDefinitionReport(state, TReportKind::User, loaded.NumberOfKeys),
                      SetupSheetInfo(definition, TPaper::A4));
    int pages = 0;
    PrintOutput::RenderPage(sheet, 0, PageDpi, &pages);
    for (int page = 0; page < pages; ++page)
        ok &= Save(PrintOutput::RenderPage(sheet, page, PageDpi),
                   out.filePath(QStringLiteral("setup-sheet-%1.png").arg(page + 1)));
    return ok ? 0 : 1;
}
