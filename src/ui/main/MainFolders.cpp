// Where the editor keeps its files: the data folder below the user's
// documents folder with its macro and key label folders, the settings file,
// and the loader settings (RxLoad.ini) in the data folder. The rules
// themselves are the platform layer's (Folders), shared with the command
// line and the sibling programs; this is where the main window uses them.

#include "ui/main/Main.h"

#include "app/AppSettings.h"
#include "files/AtomicWrite.h"
#include "files/LoaderSettings.h"
#include "platform/Folders.h"
#include "ui/main/PortPanel.h"

QString TfrmMain::MacroFolder() const
{
    return Folders::MacroFolder();
}

QString TfrmMain::KeyLabelFolder() const
{
    return Folders::KeyLabelFolder();
}

QString TfrmMain::SettingsFile() const
{
    return Folders::SettingsFile();
}

QString TfrmMain::LoaderSettingsFile() const
{
    return Folders::PortSettingsFile();
}

void TfrmMain::MakeDataFolders()
{
    DirString = Folders::DataFolder();
    // Start-up goes on: the editor still works on files elsewhere.
    for (const QString& path : Folders::MakeDataFolders())
        Prompts::Error(
            this, tr("I/O error: unable to create the folder %1").arg(Folders::ForDisplay(path)));
}

void TfrmMain::SettingsWritten(bool ok)
{
    if (ok || fSettingsFailureShown)
        return;
    fSettingsFailureShown = true;
    const QString path = Settings().Path();
    TSaveResult refusal = CheckWriteTarget(path);
    if (refusal.Ok)
        refusal.Message = WriteRefusal(path, QString());
    Prompts::Error(this, refusal.Message + QLatin1Char('\n') +
                             tr("The editor's settings (the layout, the MIDI channel, the recent "
                                "files) are not kept until this is put right."));
}

int TfrmMain::LoaderComPort() const
{
    return TLoaderSettings(Folders::PortSettingsFile()).ReadPortChoice().ComPort;
}

void TfrmMain::UpdatePortPanel()
{
    const TLoaderPortChoice port = TLoaderSettings(Folders::PortSettingsFile()).ReadPortChoice();
    fPortPanel->ShowPort(port.ComPort, port.ComType, port.bOstrellaK, IsHidKeyboardHost());
}
