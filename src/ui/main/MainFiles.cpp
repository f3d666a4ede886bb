// File commands: New, Open, Save and Save As, and the question about unsaved
// changes that New and Open ask first.

#include "ui/main/Main.h"

#include "files/FileIO.h"
#include "platform/Folders.h"
#include "platform/Version.h"
#include "ui/main/KeypadPanel.h"
#include "ui/main/MacroEditor.h"

#include <QFileInfo>

namespace {

QString Quoted(const QString& path)
{
    return QLatin1Char('"') + path + QLatin1Char('"');
}

} // namespace

void TfrmMain::InitFileDialogs()
{
    TMainFileDialogs& d = fDialogs;
    d.OpenCKDDialog.Title = tr("Open CKD Redefinition File");
    d.OpenCKDDialog.Filters = {{tr("Custom Keyboard Definition (*.ckd)"), QStringLiteral("*.ckd")}};
    d.OpenCKDDialog.DefaultExt = QStringLiteral("ckd");
    d.SaveCKDDialog.Title = tr("Save Redefinition File As");
    d.SaveCKDDialog.Filters = {
        {tr("Custom Keyboard Definition  Files (*.ckd)"), QStringLiteral("*.ckd")}};
    d.SaveCKDDialog.DefaultExt = QStringLiteral("ckd");
    d.SaveCKDDialog.OverwritePrompt = true;
    d.OpenRomDialog.Title = tr("Open Advanced Configuration File");
    d.OpenRomDialog.Filters = {{tr("Ostrella ROM Files (*.rom)"), QStringLiteral("*.rom")}};
    d.OpenRomDialog.DefaultExt = QStringLiteral("rom");
    d.SaveRomDialog.Title = tr("Save ROM File As");
    d.SaveRomDialog.Filters = d.OpenRomDialog.Filters;
    d.SaveRomDialog.DefaultExt = QStringLiteral("rom");
    d.SaveRomDialog.OverwritePrompt = true;
    d.OpenKeyCapsDialog.Title = tr("Open Key Labels (DOC and BMP)");
    d.OpenKeyCapsDialog.Filters = {{tr("All Files (*.*)"), QStringLiteral("*.*")},
                                   {tr("Keycap Bitmaps (*.bmp)"), QStringLiteral("*.bmp")},
                                   {tr("Keycap Documents (*.doc)"), QStringLiteral("*.doc")}};
    const QString macroFolder = MacroFolder();
    for (TFileDialogOptions* dialog :
         {&d.OpenCKDDialog, &d.SaveCKDDialog, &d.OpenRomDialog, &d.SaveRomDialog})
        dialog->InitialDir = macroFolder;
    d.OpenKeyCapsDialog.InitialDir = KeyLabelFolder();
}

bool TfrmMain::AskToSaveChanges()
{
    if (!IsChangesPending())
        return true;
    switch (Prompts::YesNoCancel(this, tr("Confirm"),
                                 tr("Do you wish to save changes to your custom definition?"))) {
    case TPromptAnswer::Yes:
        ToolBtnSaveClick();
        // When the save did not happen (Save As cancelled, write refused)
        // the command stops and the edits stay.
        return !IsChangesPending();
    case TPromptAnswer::No:
        return true;
    default:
        return false;
    }
}

void TfrmMain::ToolBtnNewClick()
{
    if (!AskToSaveChanges())
        return;
    // Still pending here means the answer was No: the edits are dropped.
    if (IsChangesPending())
        ChangesPending(false);

    KeypadDefinition.Initialize();
    AppState.SetAdvancedDefaults();
    fDocument->ResetHistory();
    fKeypad->RefreshKeyButtons();
    SelectFirstKey();
    CopyDataToScreen(KeypadDefinition.NumOfElements());
    SetUntitledTitle();
    fDocument->ForgetFiles();
    fKeypad->SetLevelColour(0);
    UpdatePortPanel();
}

void TfrmMain::ToolBtnOpenClick()
{
    if (!AskToSaveChanges())
        return;

    TFileDialogOptions& openDialog =
        IsRomEditMode() ? fDialogs.OpenRomDialog : fDialogs.OpenCKDDialog;
    const QString path = Prompts::OpenFileName(this, openDialog);
    if (path.isEmpty())
        return;
    openDialog.FileName = path;
    OpenChosenFile(path);
}

void TfrmMain::OpenChosenFile(const QString& path)
{
    UserDirString = QFileInfo(path).absolutePath() + QLatin1Char('/');
    (IsRomEditMode() ? fDialogs.SaveRomDialog : fDialogs.SaveCKDDialog).InitialDir = UserDirString;
    if (ReadDefinition(path))
        RememberFile(CurrentKind(), path);
}

bool TfrmMain::ReadDefinition(const QString& path)
{
    TLoadResult result;
    if (IsRomEditMode()) {
        result = LoadRomFile(AppState, path);
        ApplyLoadResult(result, path, TFileKind::Rom);
        // A file that vanished before it could be read still becomes the
        // current file; one that failed to load leaves the current one.
        if (result.Status != TLoadStatus::Failed)
            fDocument->SetFileName(TFileKind::Rom, path);
    } else {
        result = LoadUserFile(AppState, path);
        ApplyLoadResult(result, path, TFileKind::User);
        // The image is not written by Open; its name is what Download passes.
        // A failed load keeps the definition on screen, and with it its image.
        if (result.Status != TLoadStatus::Failed)
            fDocument->SetDownloadArgument(Quoted(DownloadImagePath(path)));
    }
    // A loaded file has selected level 1 with its tab and colour; otherwise
    // the selection stays as the tab and the grid show it.
    UpdatePortPanel();
    return result.Status == TLoadStatus::Loaded;
}

void TfrmMain::ToolBtnSaveClick()
{
    if (fDocument->IsUntitled(CurrentKind())) {
        ToolBtnSaveAsClick();
        return;
    }
    SaveDefinitionAs(fDocument->FileName(CurrentKind()));
}

void TfrmMain::ToolBtnSaveAsClick()
{
    TFileDialogOptions& dialog = IsRomEditMode() ? fDialogs.SaveRomDialog : fDialogs.SaveCKDDialog;
    dialog.Title = IsRomEditMode() ? tr("Save ROM File As") : tr("Save Redefinition File As");
    dialog.FileName = fDocument->FileName(CurrentKind());
    const QString path = Prompts::SaveFileName(this, dialog);
    if (path.isEmpty())
        return;
    SaveDefinitionAs(path);
}

void TfrmMain::SaveDefinitionAs(const QString& path)
{
    const int numberOfKeys = GuiKeyLayout() == 1 ? 12 : 20;
    const QString version = GetOurVersion();

    if (IsRomEditMode()) {
        const TSaveResult saved = SaveRomFile(AppState, path, numberOfKeys, version);
        if (!saved.Ok) {
            Prompts::Error(this, saved.Message);
            return;
        }
        fDocument->SetFileName(TFileKind::Rom, path);
        SetFileTitle(TFileKind::Rom, path);
        ChangesPending(false);
        RememberFile(TFileKind::Rom, path);
        Q_EMIT romFileSaved();
        return;
    }

    // The definition and its image are written as one pair: when either
    // cannot be written, both files on disk stay as they were.
    const TUserSaveResult saved = SaveUserDefinition(KeypadDefinition, path, numberOfKeys, version,
                                                     Folders::DelaySettingsFile());
    if (!saved.Pair.Ok) {
        Prompts::Error(this, saved.Pair.Message);
        return;
    }
    fDocument->SetFileName(TFileKind::User, path);
    fDocument->SetDownloadArgument(Quoted(saved.ImagePath));
    SetFileTitle(TFileKind::User, path);
    ChangesPending(false);
    RememberFile(TFileKind::User, path);
    // The pair is complete; only the loader's delay setting is behind.
    if (!saved.LoaderSettings.Ok)
        Prompts::Error(this, saved.LoaderSettings.Message);
}
