// The sibling programs (loader, port setting, key testers), the user manual
// and the key label documents. The editor only starts them; whether a start
// succeeded is all it learns.

#include "ui/main/Main.h"

#include "app/AppSettings.h"
#include "ui/common/Launcher.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace {

const QString RxLoad = QStringLiteral("RxLoad");
const QString LinkProbe = QStringLiteral("LinkProbe");
const QString PadProbe = QStringLiteral("PadProbe");
const QString SetPortRx = QStringLiteral("SetPortRx");
const QString ManualFile = QStringLiteral("OstrellaPro.pdf");

// Messages that name a program name it as this platform's file is called.
QString NamingProgram(const char* text, const QString& baseName)
{
    return QString::fromLatin1(text).arg(Launcher::ProgramFileName(baseName));
}

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
    // The window repaints while the program runs but takes no input.
    const bool started = Launcher::Get().RunAndWait(Launcher::SiblingProgram(SetPortRx), [this] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        repaint();
    });
    if (!started)
        Prompts::Error(this, NamingProgram("Could not find \"%1\".  Make sure it is located in "
                                           "the same directory as this application.",
                                           SetPortRx));
    UpdatePortPanel();
}

void TfrmMain::ToolBtnDownloadClick()
{
    if (fChangesPending) {
        Prompts::Error(
            this, QStringLiteral("You must save your file before downloading it to the keypad."));
        return;
    }
    QString parameter;
    if (IsRomEditMode()) {
        const QString name = SaveRomDialog.FileName;
        if (!name.isEmpty() && name.compare(QStringLiteral("untitled"), Qt::CaseInsensitive) != 0)
            parameter = QLatin1Char('"') + name + QLatin1Char('"');
    } else {
        parameter = DownloadArgument;
    }
    if (parameter.isEmpty()) {
        Prompts::Error(
            this, QStringLiteral("Please open a Ostrella file before attempting to download."));
        return;
    }
    if (!StartSibling(RxLoad, parameter))
        Prompts::Error(this, NamingProgram("Could not find \"%1\" loader program. Make sure it is "
                                           "located in the same directory as this application.",
                                           RxLoad));
}

void TfrmMain::ToolButtonTestClick()
{
    if (IsHidKeyboardHost()) {
        if (!StartSibling(PadProbe))
            Prompts::Error(this, NamingProgram("Could not find the \"%1\" application. Make sure "
                                               "it is located in the same directory as this "
                                               "application.",
                                               PadProbe));
        return;
    }

    const int comPort = ReadLoaderPortSettings(LoaderSettingsFile()).ComPort;
    bool started = false;
    if (comPort == 0)
        started = StartSibling(LinkProbe);
    else if (comPort == -1)
        started = StartSibling(PadProbe);
    else if (comPort > 0)
        started = StartSibling(LinkProbe, QString::number(comPort));
    // Any other port number starts nothing and says so like a failed start.
    if (!started)
        Prompts::Error(this, QStringLiteral("Could not find the Windows PadProbe Program.  Make "
                                            "sure it is located in the same directory as this "
                                            "application."));
}

void TfrmMain::ToolButtonKeyLabelsClick()
{
    const QString path = Prompts::OpenFileName(this, OpenKeyCapsDialog);
    if (path.isEmpty())
        return;
    OpenKeyCapsDialog.FileName = path;
    if (!Launcher::Get().OpenDocument(path))
        Prompts::Error(this, QStringLiteral("Could not find \"Label Keycaps.doc\" file."));
}

void TfrmMain::UserManual1Click()
{
    if (!Launcher::Get().OpenDocument(Launcher::SiblingDocument(ManualFile)))
        Prompts::Error(this, QStringLiteral("Could not find \"OstrellaPro.pdf\" help file."));
}
