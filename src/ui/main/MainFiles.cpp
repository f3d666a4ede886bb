// File commands: New, Open, Save and Save As, and the question about unsaved
// changes that New and Open ask first.

#include "ui/main/Main.h"

#include "files/FileIO.h"
#include "platform/Folders.h"
#include "platform/Version.h"
#include "ui/dialogs/Advanced.h"

#include <QFileInfo>
#include <QTabBar>

namespace {

const QString Untitled = QStringLiteral("untitled");

bool IsUntitled(const QString& fileName)
{
    return fileName.isEmpty() || fileName.compare(Untitled, Qt::CaseInsensitive) == 0;
}

QString Quoted(const QString& path)
{
    return QLatin1Char('"') + path + QLatin1Char('"');
}

} // namespace

bool TfrmMain::AskToSaveChanges()
{
    if (!fChangesPending)
        return true;
    switch (Prompts::YesNoCancel(
        this, QStringLiteral("Confirm"),
        QStringLiteral("Do you wish to save changes to your custom definition?"))) {
    case TPromptAnswer::Yes:
        ToolBtnSaveClick();
        // When the save did not happen (Save As cancelled, write refused)
        // the command stops and the edits stay.
        return !fChangesPending;
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
    if (fChangesPending)
        ChangesPending(false);

    KeypadDefinition.Initialize();
    AppState.SetAdvancedDefaults();
    RefreshKeyButtons();
    SelectFirstKey();
    CopyDataToScreen(KeypadDefinition.NumOfElements());
    SetUntitledTitle();
    SaveCKDDialog.FileName = Untitled;
    SaveRomDialog.FileName = Untitled;
    DownloadArgument.clear();
    SetLevelColour(0);
    UpdatePortPanel();
}

void TfrmMain::ToolBtnOpenClick()
{
    if (!AskToSaveChanges())
        return;

    TFileDialogOptions& openDialog = IsRomEditMode() ? OpenRomDialog : OpenCKDDialog;
    const QString path = Prompts::OpenFileName(this, openDialog);
    if (path.isEmpty())
        return;
    openDialog.FileName = path;

    UserDirString = QFileInfo(path).absolutePath() + QLatin1Char('/');
    CurrentSaveDialog().InitialDir = UserDirString;

    TLoadResult result;
    if (IsRomEditMode()) {
        result = LoadRomFile(AppState, path);
        ApplyLoadResult(result, path, TFileKind::Rom);
        // A file that vanished before it could be read still becomes the
        // current file; one that failed to load leaves the current one.
        if (result.Status != TLoadStatus::Failed)
            SaveRomDialog.FileName = path;
    } else {
        result = LoadUserFile(AppState, path);
        ApplyLoadResult(result, path, TFileKind::User);
        // The image is not written by Open; its name is what Download passes.
        // A failed load keeps the definition on screen, and with it its image.
        if (result.Status != TLoadStatus::Failed)
            DownloadArgument = Quoted(DownloadImagePath(path));
    }
    // A loaded file has selected level 1 with its tab and colour; otherwise
    // the selection stays as the tab and the grid show it.
    UpdatePortPanel();
}

void TfrmMain::ToolBtnSaveClick()
{
    const QString name = CurrentSaveDialog().FileName;
    if (IsUntitled(name)) {
        ToolBtnSaveAsClick();
        return;
    }
    SaveDefinitionAs(name);
}

void TfrmMain::ToolBtnSaveAsClick()
{
    TFileDialogOptions& dialog = CurrentSaveDialog();
    dialog.Title = IsRomEditMode() ? QStringLiteral("Save ROM File As")
                                   : QStringLiteral("Save Redefinition File As");
    const QString path = Prompts::SaveFileName(this, dialog);
    if (path.isEmpty())
        return;
    SaveDefinitionAs(path);
}

void TfrmMain::SaveDefinitionAs(const QString& path)
{
    const int numberOfKeys = GuiKeyLayout == 1 ? 12 : 20;
    const QString version = GetOurVersion();

    if (IsRomEditMode()) {
        const TSaveResult saved = SaveRomFile(AppState, path, numberOfKeys, version);
        if (!saved.Ok) {
            Prompts::Error(this, saved.Message);
            return;
        }
        SaveRomDialog.FileName = path;
        SetFileTitle(TFileKind::Rom, path);
        ChangesPending(false);
        if (auto* advanced = qobject_cast<TfrmAdvanced*>(frmAdvanced))
            advanced->DisableApplyAndOK();
        return;
    }

    const QString imagePath = DownloadImagePath(path);
    TLevelKeyIndices indices;
    const TSaveResult saved = SaveUserFile(AppState, path, numberOfKeys, version, indices);
    if (!saved.Ok) {
        Prompts::Error(this, saved.Message);
        return;
    }
    SaveCKDDialog.FileName = path;
    SetFileTitle(TFileKind::User, path);
    ChangesPending(false);

    // From here on the definition is saved; what fails is the image, and
    // Download must then not pass an image of some other definition.
    const TSaveResult imageName = CheckDownloadImagePath(path);
    if (!imageName.Ok) {
        DownloadArgument.clear();
        Prompts::Error(this, imageName.Message);
        return;
    }
    // The image first on its own (an empty settings path leaves the loader
    // settings alone), so that a refused loader settings write still leaves
    // a complete image to download.
    const TSaveResult image = WriteDownloadImage(KeypadDefinition, indices, imagePath, QString());
    if (!image.Ok) {
        DownloadArgument.clear();
        Prompts::Error(this, image.Message);
        return;
    }
    DownloadArgument = Quoted(imagePath);
    const TSaveResult loader = UpdateLoaderSettings(
        Folders::Join(Folders::ProgramFolder(), QLatin1String(LoaderSettingsFileName)),
        KeypadDefinition.DownloadDelay());
    if (!loader.Ok)
        Prompts::Error(this, loader.Message);
}
