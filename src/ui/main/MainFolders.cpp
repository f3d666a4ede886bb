// Where the editor keeps its files: the data folder below the user's
// documents folder with its macro and key label folders, the settings file,
// and the loader settings (RxLoad.ini) in the data folder and in the program
// folder. Every folder rule and every read of the loader settings of the
// main window is here.

#include "ui/main/Main.h"

#include "app/AppSettings.h"
#include "files/FileIO.h"
#include "platform/Folders.h"
#include "ui/main/PortPanel.h"

#include <QDir>

QString TfrmMain::MacroFolder() const
{
    return Folders::Join(DirString, QStringLiteral("Macro_Files"));
}

QString TfrmMain::KeyLabelFolder() const
{
    return Folders::Join(DirString, QStringLiteral("Keycap_Labels"));
}

QString TfrmMain::SettingsFile() const
{
    return Folders::Join(DirString, QStringLiteral("PadwrightRx.ini"));
}

QString TfrmMain::LoaderSettingsFile() const
{
    return Folders::Join(DirString, QLatin1String(LoaderSettingsFileName));
}

QString TfrmMain::ProgramLoaderSettingsFile() const
{
    return Folders::Join(Folders::ProgramFolder(), QLatin1String(LoaderSettingsFileName));
}

void TfrmMain::MakeDataFolders()
{
    QString documents = Folders::DocumentsFolder();
    // Without a documents folder the data would land in the file system's
    // root; the home folder is the safer base.
    if (documents.isEmpty())
        documents = QDir::homePath();

    QStringList failed;
    auto ensure = [&failed](const QString& path) {
        if (!Folders::EnsureFolder(path))
            failed << Folders::ForDisplay(path);
    };
    DirString = Folders::Join(documents, QStringLiteral("Halvorsten"));
    ensure(DirString);
    DirString = Folders::Join(DirString, QStringLiteral("OstrellaPro"));
    ensure(DirString);
    ensure(MacroFolder());
    ensure(KeyLabelFolder());
    // Start-up goes on: the editor still works on files elsewhere.
    for (const QString& path : failed)
        Prompts::Error(this, tr("I/O error: unable to create the folder %1").arg(path));
}

int TfrmMain::LoaderComPort() const
{
    return ReadLoaderPortSettings(LoaderSettingsFile()).ComPort;
}

void TfrmMain::UpdatePortPanel()
{
    const TLoaderPortSettings port = ReadLoaderPortSettings(LoaderSettingsFile());
    fPortPanel->ShowPort(port.ComPort, port.ComType, port.bOstrellaK, IsHidKeyboardHost());
}
