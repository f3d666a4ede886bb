#include "ui/help/UserManual.h"

#include "ui/common/Launcher.h"
#include "ui/common/Prompts.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/ManualResource.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>

#include <utility>

namespace {

const QString ManualFile = QStringLiteral("OstrellaPro.pdf");

struct TDialogChapter
{
    const char* ObjectName;
    const char* Anchor;
};

// The manual's heading for each dialog (anchors as ManualDocument makes them).
const TDialogChapter DialogChapters[] = {
    {"frmParameters", "7-keypad-properties-in-user-mode"},
    {"frmAdvanced", "advanced-rom-properties"},
    {"frmScreenEdit", "the-screen-editor"},
    {"frmMidiEvents", "midi-messages"},
    {"frmMacroLenWarning", "the-macro-length-warning"},
    {"frmHostTypeInfo", "host-connection-modes"},
    {"frmKeyLabels", "printing-key-labels"},
    {"frmSetupSheet", "the-setup-sheet"},
};

} // namespace

TUserManual::TUserManual(QWidget* messageParent)
    : TUserManual(messageParent, ManualResource::Markdown(), ManualResource::BaseUrl())
{
}

TUserManual::TUserManual(QWidget* messageParent, QString markdown, QUrl baseUrl)
    : fMessageParent(messageParent), fMarkdown(std::move(markdown)), fBaseUrl(std::move(baseUrl))
{
}

TUserManual::~TUserManual()
{
    delete fWindow.data();
}

TUserManual::TShown TUserManual::Open()
{
    const QString pdf = Launcher::SiblingDocument(ManualFile);
    TLauncher& launcher = Launcher::Get();
    if (launcher.HasViewerFor(pdf) && launcher.OpenDocument(pdf))
        return TShown::Pdf;
    if (ShowChapter(QString()))
        return TShown::HelpWindow;
    if (!QFileInfo(pdf).isFile())
        Prompts::Error(fMessageParent, tr("Could not find \"OstrellaPro.pdf\" help file."));
    else
        Prompts::Error(fMessageParent,
                       tr("No program could open \"%1\". Install a PDF viewer to read the manual.")
                           .arg(ManualFile));
    return TShown::Nothing;
}

THelpWindow* TUserManual::Window()
{
    if (!fWindow) {
        fWindow = new THelpWindow;
        // The program ends when the main window closes, whether or not the
        // manual is still open.
        fWindow->setAttribute(Qt::WA_QuitOnClose, false);
        fLoaded = fWindow->Load(fMarkdown, fBaseUrl);
    }
    return fLoaded ? fWindow.data() : nullptr;
}

bool TUserManual::ShowChapter(const QString& anchor, QWidget* owner)
{
    THelpWindow* window = Window();
    if (!window)
        return false;
    // A modal dialog blocks every window but its own: the help window then
    // belongs to the dialog while it is shown for it.
    QWidget* parent = owner && owner->isModal() ? owner : nullptr;
    if (window->parentWidget() != parent) {
        const QRect geometry = window->geometry();
        window->setParent(parent, Qt::Window);
        window->setGeometry(geometry);
    }
    window->show();
    window->raise();
    window->activateWindow();
    if (!window->ShowChapter(anchor))
        window->ShowChapter(QString());
    return true;
}

bool TUserManual::ShowForDialog(QWidget* dialog)
{
    return ShowChapter(ChapterForDialog(dialog ? dialog->objectName() : QString()), dialog);
}

QString TUserManual::ChapterForDialog(const QString& objectName)
{
    for (const TDialogChapter& entry : DialogChapters)
        if (objectName == QLatin1String(entry.ObjectName))
            return QString::fromLatin1(entry.Anchor);
    return QString();
}

QStringList TUserManual::DialogsWithChapters()
{
    QStringList names;
    for (const TDialogChapter& entry : DialogChapters)
        names << QString::fromLatin1(entry.ObjectName);
    return names;
}

void TUserManual::InstallDialogHelpKey()
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool TUserManual::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (!key->matches(QKeySequence::HelpContents))
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    auto* dialog = widget ? qobject_cast<QDialog*>(widget->window()) : nullptr;
    if (!dialog)
        return false; // the main window's F1 is its own command
    ShowForDialog(dialog);
    return true;
}
