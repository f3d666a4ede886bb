#include "ui/labels/SetupSheetWindow.h"

#include "ui/common/Prompts.h"
#include "ui/labels/PagePreview.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int PreviewDpi = 90;

} // namespace

TSetupSheetInfo SetupSheetInfo(const QString& definitionPath, TPaper paper)
{
    TSetupSheetInfo info;
    info.Paper = paper;
    info.Printed = QDateTime::currentDateTime();
    const QFileInfo file(definitionPath);
    if (file.isFile()) { // else never saved: the sheet says "untitled"
        info.FileName = file.fileName();
        info.Folder = QDir::toNativeSeparators(file.absolutePath());
        info.Saved = file.lastModified();
    }
    return info;
}

TfrmSetupSheet::TfrmSetupSheet(const TAppState& state, TReportKind kind, int numberOfKeys,
                               const QString& definitionPath, TPaper paper, QWidget* parent)
    : QDialog(parent), fSheet(MakeDefinitionReport(state, kind, numberOfKeys == 12 ? 12 : 20),
                              SetupSheetInfo(definitionPath, paper)),
      fDefinitionPath(definitionPath)
{
    setObjectName(QStringLiteral("frmSetupSheet"));
    setWindowTitle(tr("Setup Sheet"));
    lblPages = new QLabel;
    lblPages->setObjectName(QStringLiteral("lblPages"));
    auto* pages = new QWidget;
    fPages = new QVBoxLayout(pages);
    fPages->setSpacing(12);
    scrollPages = new QScrollArea;
    scrollPages->setObjectName(QStringLiteral("scrollPages"));
    scrollPages->setWidget(pages);
    scrollPages->setWidgetResizable(true);
    scrollPages->setAlignment(Qt::AlignHCenter);
    scrollPages->setBackgroundRole(QPalette::Mid);

    auto* btnSavePdf = new QPushButton(tr("&Save PDF..."));
    btnSavePdf->setObjectName(QStringLiteral("btnSavePdf"));
    btnSavePdf->setDefault(true);
    auto* btnPrint = new QPushButton(tr("&Print..."));
    btnPrint->setObjectName(QStringLiteral("btnPrint"));
    auto* btnClose = new QPushButton(tr("&Close"));
    btnClose->setObjectName(QStringLiteral("btnClose"));
    connect(btnSavePdf, &QPushButton::clicked, this, [this] { SavePdf(); });
    connect(btnPrint, &QPushButton::clicked, this,
            [this] { PrintPages::Run(this, fSheet, windowTitle(), false); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblPages, 1);
    buttons->addWidget(btnSavePdf);
    buttons->addWidget(btnPrint);
    buttons->addWidget(btnClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scrollPages, 1);
    layout->addLayout(buttons);
    ShowPages();
    resize(int(PaperSizeMm(paper).width() / 25.4 * PreviewDpi) + 70, 760);
}

void TfrmSetupSheet::ShowPages()
{
    int count = 0;
    const QImage first = PrintOutput::RenderPage(fSheet, 0, PreviewDpi, &count);
    for (int page = 0; page < count; ++page) {
        auto* picture = new QLabel;
        picture->setObjectName(QStringLiteral("imgPage%1").arg(page + 1));
        picture->setPixmap(QPixmap::fromImage(
            page == 0 ? first : PrintOutput::RenderPage(fSheet, page, PreviewDpi)));
        picture->setFrameShape(QFrame::Box);
        fPages->addWidget(picture, 0, Qt::AlignHCenter);
    }
    lblPages->setText(count == 1 ? tr("1 page") : tr("%1 pages").arg(count));
}

bool TfrmSetupSheet::SavePdf()
{
    TFileDialogOptions options;
    options.Title = tr("Export Setup Sheet");
    options.Filters = {TFileFilter{tr("PDF Files (*.pdf)"), QStringLiteral("*.pdf")}};
    options.DefaultExt = QStringLiteral("pdf");
    options.OverwritePrompt = true;
    const QFileInfo definition(fDefinitionPath);
    if (definition.isFile()) {
        options.InitialDir = definition.absolutePath();
        options.FileName = definition.completeBaseName() + QStringLiteral("-setup.pdf");
    }
    const QString path = Prompts::SaveFileName(this, options);
    if (path.isEmpty())
        return false;
    const TSaveResult saved = PrintOutput::WritePdf(fSheet, path, windowTitle());
    if (!saved.Ok)
        Prompts::Error(this, saved.Message);
    return saved.Ok;
}
