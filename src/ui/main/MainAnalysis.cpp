// Knowing before a download: the definition check with its findings dock,
// the preview of what the keypad sends, the comparison with a file, and the
// backups made before each download.

#include "ui/main/Main.h"

#include "analysis/Backups.h"
#include "analysis/DefinitionCheck.h"
#include "analysis/PlaybackSettings.h"
#include "app/AppSettings.h"
#include "platform/Folders.h"
#include "report/DefinitionReport.h"
#include "ui/analysis/CompareWindow.h"
#include "ui/analysis/FindingsDock.h"
#include "ui/analysis/PreviewPane.h"
#include "ui/common/Launcher.h"
#include "ui/main/KeypadPanel.h"
#include "ui/main/MacroEditor.h"
#include "ui/main/MainActions.h"
#include "ui/main/PortPanel.h"

#include <QAbstractButton>
#include <QAction>
#include <QFileInfo>
#include <QLayout>
#include <QScreen>

namespace {

// Findings listed in the question before a download; the dock lists them all.
constexpr int MaxFindingsAsked = 12;

} // namespace

// ------------------------------------------------------------------------ building

void TfrmMain::BuildFindingsDock()
{
    fFindingsDock = new TFindingsDock(this);
    addDockWidget(Qt::BottomDockWidgetArea, fFindingsDock);
    fFindingsDock->hide();
    // The window has a fixed size: it grows by the dock while the dock is
    // docked and shown, and shrinks again when the dock is closed or floats.
    connect(fFindingsDock, &QDockWidget::visibilityChanged, this,
            &TfrmMain::FitWindowToContents);
    connect(fFindingsDock, &QDockWidget::topLevelChanged, this, &TfrmMain::FitWindowToContents);
    connect(fFindingsDock, &QDockWidget::dockLocationChanged, this,
            &TfrmMain::FitWindowToContents);
    connect(fFindingsDock, &TFindingsDock::findingChosen, this, &TfrmMain::GoToFinding);
}

void TfrmMain::ConnectAnalysis()
{
    // Every change ends in one of the two: the document marked changed (a
    // flag, a name, a dialog's Apply), or the macro drawn anew (an edit, a
    // key, level or layout chosen, New, Open).
    connect(fDocument, &TDocument::modifiedSet, this, &TfrmMain::UpdateAnalysisViews);
    connect(fEditor, &TMacroEditor::macroShown, this, &TfrmMain::UpdateAnalysisViews);
}

void TfrmMain::ApplyAnalysisSettings(int backupsKept, bool previewShown)
{
    fBackupsKept = backupsKept;
    fActions->PreviewMenuItem->setChecked(previewShown);
    ShowPreview(previewShown);
}

void TfrmMain::FitWindowToContents()
{
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // Inner layouts first: each is asked for its size by the one around it.
    for (QWidget* widget : {centralWidget(), static_cast<QWidget*>(this)}) {
        if (QLayout* layout = widget ? widget->layout() : nullptr) {
            layout->invalidate();
            layout->activate();
        }
    }
    setFixedSize(sizeHint());
    // A window that grew below the screen's edge moves up as far as it can.
    QScreen* screen = this->screen();
    if (!isVisible() || !screen)
        return;
    const QRect available = screen->availableGeometry();
    const int below = frameGeometry().bottom() - available.bottom();
    if (below > 0)
        move(x(), qMax(available.top(), y() - below));
}

// ------------------------------------------------------------------------ following the definition

void TfrmMain::UpdateAnalysisViews()
{
    UpdatePreview();
    if (!fFindingsDock->isHidden())
        fFindingsDock->ShowFindings(CheckNow());
    if (fCompare && fCompare->isVisible())
        UpdateCompareLeft();
}

void TfrmMain::UpdatePreview()
{
    if (fPreview->isHidden())
        return;
    const TReportKind kind = IsRomEditMode() ? TReportKind::Rom : TReportKind::User;
    fPreview->ShowMacro(KeypadDefinition.SelectedMacro(), PlaybackSettings(AppState, kind));
}

void TfrmMain::ShowPreview(bool shown)
{
    fPreview->setVisible(shown);
    UpdatePreview();
    FitWindowToContents();
}

void TfrmMain::PreviewMenuItemClick(bool shown)
{
    Settings().WritePreviewShown(shown);
}

// ------------------------------------------------------------------------ the check

QList<TFinding> TfrmMain::CheckNow() const
{
    return CheckDefinition(AppState, IsRomEditMode() ? TReportKind::Rom : TReportKind::User,
                           GuiKeyLayout() == 1 ? 12 : 20, fDocument->ReadWarnings());
}

void TfrmMain::CheckDefinitionMenuItemClick()
{
    ShowFindings(CheckNow());
}

void TfrmMain::ShowFindings(const QList<TFinding>& findings)
{
    fFindingsDock->ShowFindings(findings);
    fFindingsDock->show();
    fFindingsDock->raise();
    FitWindowToContents();
}

void TfrmMain::GoToFinding(TFinding finding)
{
    if (finding.Key >= 0 && finding.Key < MaxKeys) {
        // A key the 12-key keypad does not have has a button in the other layout.
        if (GuiKeyLayout() == 1 && TwelveKeyCaption(finding.Key).isEmpty())
            fKeypad->SelectLayout(2);
        fKeypad->KeyButton(finding.Key)->click();
        if (finding.Level >= 0)
            fEditor->SelectLevel(finding.Level);
        if (finding.Position >= 0)
            fEditor->CopyDataToScreen(finding.Position);
        activateWindow();
        fEditor->FocusGrid();
        return;
    }
    // The screens are edited in the screen editor; the other findings are
    // about the definition as a whole and only shown.
    if (finding.Screen >= 0 && IsRomEditMode())
        Q_EMIT screenRequested(finding.Screen);
}

bool TfrmMain::CheckBeforeDownload()
{
    const TFindings findings = CheckNow();
    if (CountOf(findings, TSeverity::Error) == 0) {
        // Warnings do not hold a download up; the findings dock shows them.
        if (CountOf(findings, TSeverity::Warning) > 0)
            ShowFindings(findings);
        return true;
    }
    TFindings listed;
    for (const TFinding& f : findings)
        if (f.Severity != TSeverity::Note)
            listed << f;
    QStringList lines;
    for (qsizetype i = 0; i < listed.size() && i < MaxFindingsAsked; ++i)
        lines << FindingLine(listed.at(i));
    if (listed.size() > MaxFindingsAsked)
        lines << tr("... and %1 more, listed by Tools > Check Definition.")
                     .arg(listed.size() - MaxFindingsAsked);
    const QString question = tr("The check found %1 in this definition:")
                                 .arg(FindingsSummary(listed)) +
                             QStringLiteral("\n\n") + lines.join(QLatin1Char('\n')) +
                             QStringLiteral("\n\n") + tr("Download anyway?");
    if (Prompts::YesNo(this, tr("Download"), question) == TPromptAnswer::Yes)
        return true;
    ShowFindings(findings);
    return false;
}

// ------------------------------------------------------------------------ comparing

void TfrmMain::CompareMenuItemClick()
{
    const TFileDialogOptions& open =
        IsRomEditMode() ? fDialogs.OpenRomDialog : fDialogs.OpenCKDDialog;
    TFileDialogOptions& dialog = fCompareDialog;
    dialog.Title = tr("Compare With");
    dialog.Filters = open.Filters;
    dialog.DefaultExt = open.DefaultExt;
    if (dialog.InitialDir.isEmpty())
        dialog.InitialDir = open.InitialDir;
    const QString path = Prompts::OpenFileName(this, dialog);
    if (path.isEmpty())
        return;
    dialog.FileName = path;
    dialog.InitialDir = QFileInfo(path).absolutePath();

    TAppState other;
    const TLoadResult loaded =
        IsRomEditMode() ? LoadRomFile(other, path) : LoadUserFile(other, path);
    if (loaded.Status != TLoadStatus::Loaded) {
        Prompts::Error(this, loaded.Status == TLoadStatus::Failed
                                 ? loaded.Message
                                 : tr("Unable to read %1").arg(Folders::ForDisplay(path)));
        return;
    }
    QStringList notes;
    for (const TReadWarning& warning : ReadWarningsOf(loaded))
        notes << FormatReadWarning(warning);

    if (!fCompare)
        fCompare = new TfrmCompare(this);
    const TReportKind kind = IsRomEditMode() ? TReportKind::Rom : TReportKind::User;
    fCompare->SetRight(
        MakeDefinitionReport(other, kind, loaded.NumberOfKeys, KeypadDefinition.bViewInHex),
        QFileInfo(path).fileName(), notes);
    UpdateCompareLeft();
    fCompare->show();
    fCompare->raise();
    fCompare->activateWindow();
}

void TfrmMain::UpdateCompareLeft()
{
    const QString file = fDocument->FileName(CurrentKind());
    const QString name =
        fDocument->IsUntitled(CurrentKind()) ? tr("untitled") : QFileInfo(file).fileName();
    fCompare->SetLeft(MakeDefinitionReport(AppState,
                                           IsRomEditMode() ? TReportKind::Rom : TReportKind::User,
                                           GuiKeyLayout() == 1 ? 12 : 20,
                                           KeypadDefinition.bViewInHex),
                      tr("%1 (in the editor)").arg(name));
}

// ------------------------------------------------------------------------ backups

void TfrmMain::BackupDownload(const QString& sentFile)
{
    // The definition goes with the file sent; in ROM Edit Mode they are one.
    QString definition;
    if (!IsRomEditMode() && !fDocument->IsUntitled(TFileKind::User))
        definition = fDocument->FileName(TFileKind::User);
    const TBackupResult result = TBackups(DirString, fBackupsKept).Backup(sentFile, definition);
    fPortPanel->SetBackupFailure(result.Ok ? QString() : result.Message);
}

void TfrmMain::ShowBackupsMenuItemClick()
{
    const QString folder = TBackups(DirString).Folder();
    // The folder is made before the first backup, so that it can be shown.
    Folders::EnsureFolder(folder);
    if (!Launcher::Get().OpenDocument(folder))
        Prompts::Error(this, tr("Could not open the folder %1.").arg(Folders::ForDisplay(folder)));
}
