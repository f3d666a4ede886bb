// The sibling programs (loader, port setting, key testers), the user manual
// and the key label documents. The editor only starts them; whether a start
// succeeded is all it learns.

#include "ui/main/Main.h"

#include "ui/common/Launcher.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/UserManual.h"

#include <QFileInfo>
#include <QPointer>

namespace {

const QString RxLoad = QStringLiteral("RxLoad");
const QString LinkProbe = QStringLiteral("LinkProbe");
const QString PadProbe = QStringLiteral("PadProbe");
const QString SetPortRx = QStringLiteral("SetPortRx");

bool StartSibling(const QString& baseName, const QString& parameters = QString())
{
    return Launcher::Get().StartProgram(Launcher::SiblingProgram(baseName), parameters);
}

} // namespace

bool TfrmMain::IsHidKeyboardHost() const
{
    const int hostMode = KeypadDefinition.OpMode() & 0xF0;
    const int hostType = AppState.AdvancedParams.HostType;
    return hostMode == 0x30 || hostMode == 0xB0 || hostType == 3 || hostType == 11;
}

void TfrmMain::ToolBtnSetPortClick()
{
    // The window takes no input until the program has ended and left its
    // choice in the loader settings.
    setEnabled(false);
    fWaitingForPortProgram = true;
    const QPointer<TfrmMain> window(this);
    const bool started =
        Launcher::Get().StartWatched(Launcher::SiblingProgram(SetPortRx), [window] {
            if (window)
                window->PortProgramEnded();
        });
    if (!started) {
        fWaitingForPortProgram = false;
        setEnabled(true);
        Prompts::Error(this, tr("Could not find \"%1\".  Make sure it is located in the same "
                                "directory as this application.")
                                 .arg(Launcher::ProgramFileName(SetPortRx)));
        UpdatePortPanel();
    }
}

void TfrmMain::PortProgramEnded()
{
    if (!fWaitingForPortProgram)
        return;
    fWaitingForPortProgram = false;
    setEnabled(true);
    UpdatePortPanel();
}

void TfrmMain::ToolBtnDownloadClick()
{
    if (IsChangesPending()) {
        Prompts::Error(this, tr("You must save your file before downloading it to the keypad."));
        return;
    }
    QString parameter;
    if (IsRomEditMode()) {
        if (!fDocument->IsUntitled(TFileKind::Rom))
            parameter = QLatin1Char('"') + fDocument->FileName(TFileKind::Rom) + QLatin1Char('"');
    } else {
        parameter = fDocument->DownloadArgument();
    }
    if (parameter.isEmpty()) {
        Prompts::Error(this, tr("Please open a Ostrella file before attempting to download."));
        return;
    }
    if (!CheckBeforeDownload())
        return;
    // A copy of what is sent, made only when there is a loader to send it:
    // attempts without one would push real backups out of the folder.
    if (QFileInfo(Launcher::SiblingProgram(RxLoad)).isFile())
        BackupDownload(parameter.mid(1, parameter.size() - 2));
    if (!StartSibling(RxLoad, parameter))
        Prompts::Error(this, tr("Could not find \"%1\" loader program. Make sure it is located in "
                                "the same directory as this application.")
                                 .arg(Launcher::ProgramFileName(RxLoad)));
}

void TfrmMain::ToolButtonTestClick()
{
    if (IsHidKeyboardHost()) {
        if (!StartSibling(PadProbe))
            Prompts::Error(this, tr("Could not find the \"%1\" application. Make sure it is "
                                    "located in the same directory as this application.")
                                     .arg(Launcher::ProgramFileName(PadProbe)));
        return;
    }

    const int comPort = LoaderComPort();
    bool started = false;
    if (comPort == 0)
        started = StartSibling(LinkProbe);
    else if (comPort == -1)
        started = StartSibling(PadProbe);
    else if (comPort > 0)
        started = StartSibling(LinkProbe, QString::number(comPort));
    // Any other port number starts nothing and says so like a failed start.
    if (!started)
        Prompts::Error(this, tr("Could not find the Windows PadProbe Program.  Make sure it is "
                                "located in the same directory as this application."));
}

void TfrmMain::ToolButtonKeyLabelsClick()
{
    const QString path = Prompts::OpenFileName(this, fDialogs.OpenKeyCapsDialog);
    if (path.isEmpty())
        return;
    fDialogs.OpenKeyCapsDialog.FileName = path;
    if (!Launcher::Get().OpenDocument(path))
        Prompts::Error(this, tr("Could not find \"Label Keycaps.doc\" file."));
}

void TfrmMain::UserManual1Click()
{
    // The PDF in the system's viewer, or else the built-in copy.
    fUserManual->Open();
}
