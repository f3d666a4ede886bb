// The ways to a definition beside the Open dialog: File > Open Recent (the
// mode's last definitions, kept in the settings file), File > Open Sample
// (the samples that come with the editor, opened as untitled copies) and a
// file dropped on the window.

#include "ui/main/Main.h"

#include "app/AppSettings.h"
#include "app/RecentFiles.h"
#include "platform/Folders.h"
#include "platform/Samples.h"
#include "ui/common/FileDrop.h"
#include "ui/main/MainActions.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>

namespace {

// The longest path a menu item shows; longer ones lose their middle.
constexpr int RecentItemWidth = 460;

TRecentFiles::TKind recentKind(TFileKind kind)
{
    return kind == TFileKind::Rom ? TRecentFiles::TKind::Rom : TRecentFiles::TKind::User;
}

// A file name as a menu shows it: an ampersand is not a mnemonic there.
QString menuText(const QString& text)
{
    return QString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// "&1 path" .. "&9 path", "1&0 path": the number is the item's key.
QString numbered(int number, const QString& text)
{
    const QString digits = number < 10 ? QStringLiteral("&%1").arg(number)
                                       : QStringLiteral("%1&%2").arg(number / 10).arg(number % 10);
    return digits + QLatin1Char(' ') + menuText(text);
}

// The editor reads a dropped file and never takes it: the drop is always a
// copy, even when the file manager proposes a move (a source that is told
// "moved" may delete its file).
bool TakeAsCopy(QDropEvent& event)
{
    if (!(event.possibleActions() & Qt::CopyAction))
        return false;
    event.setDropAction(Qt::CopyAction);
    event.accept();
    return true;
}

} // namespace

void TfrmMain::BuildFileLists()
{
    TMainActions& a = *fActions;
    connect(a.mnuOpenRecent, &QMenu::aboutToShow, this, &TfrmMain::RefreshRecentMenu);
    connect(a.ClearRecentMenuItem, &QAction::triggered, this, &TfrmMain::ClearRecentFiles);

    // The samples come with the program and do not change while it runs.
    const QStringList samples = Samples::List();
    for (const QString& path : samples) {
        QAction* item = a.mnuOpenSample->addAction(menuText(Samples::DisplayName(path)));
        item->setObjectName(QStringLiteral("SampleMenuItem_") + QFileInfo(path).completeBaseName());
        item->setData(path);
        item->setStatusTip(Folders::ForDisplay(path));
        connect(item, &QAction::triggered, this, [this, path] { OpenSample(path); });
    }
    a.mnuOpenSample->menuAction()->setEnabled(!samples.isEmpty());
}

TRecentFiles TfrmMain::RecentFiles() const
{
    return TRecentFiles(Settings().Path());
}

void TfrmMain::RememberFile(TFileKind kind, const QString& path)
{
    SettingsWritten(RecentFiles().Add(recentKind(kind), path));
    RefreshRecentMenu();
}

void TfrmMain::RefreshRecentMenu()
{
    QMenu* menu = fActions->mnuOpenRecent;
    QAction* clear = fActions->ClearRecentMenuItem;
    // An item may be the one being triggered: it goes when that is over.
    for (QAction* item : menu->actions()) {
        menu->removeAction(item);
        if (item != clear)
            item->deleteLater();
    }
    const QStringList paths = RecentFiles().Read(recentKind(CurrentKind()));
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths.at(i);
        const QString shown = menu->fontMetrics().elidedText(Folders::ForDisplay(path),
                                                             Qt::ElideMiddle, RecentItemWidth);
        QAction* item = menu->addAction(numbered(i + 1, shown));
        item->setObjectName(QStringLiteral("RecentFileMenuItem%1").arg(i + 1));
        item->setData(path);
        item->setStatusTip(Folders::ForDisplay(path));
        connect(item, &QAction::triggered, this, [this, path] { OpenRecentFile(path); });
    }
    menu->addSeparator();
    menu->addAction(clear);
    clear->setEnabled(!paths.isEmpty());
}

void TfrmMain::OpenRecentFile(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        SettingsWritten(RecentFiles().Remove(recentKind(CurrentKind()), path));
        RefreshRecentMenu();
        Prompts::Error(this, TRecentFiles::MissingFileMessage(path));
        return;
    }
    if (!AskToSaveChanges())
        return;
    OpenChosenFile(path);
}

void TfrmMain::ClearRecentFiles()
{
    SettingsWritten(RecentFiles().Clear(recentKind(CurrentKind())));
    RefreshRecentMenu();
}

void TfrmMain::OpenSample(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        Prompts::Error(this,
                       tr("The sample \"%1\" could not be found.").arg(Folders::ForDisplay(path)));
        return;
    }
    if (!AskToSaveChanges())
        return;
    // Read as Open reads a file in this mode, then no file of its own: Save
    // asks for a name, the sample is never written, and Download has
    // nothing to send until the copy is saved.
    if (!ReadDefinition(path))
        return;
    fDocument->ForgetFiles();
    SetUntitledTitle();
}

// ------------------------------------------------------------------------ drag and drop

void TfrmMain::dragEnterEvent(QDragEnterEvent* event)
{
    // Every drag of files is taken, so that a wrong one is refused with a
    // message on the drop rather than silently.
    if (CarriesFiles(*event->mimeData()))
        TakeAsCopy(*event);
}

void TfrmMain::dropEvent(QDropEvent* event)
{
    if (!TakeAsCopy(*event))
        return;
    const TFileDrop drop = DroppedDefinition(*event->mimeData(), IsRomEditMode());
    // The questions and messages wait until the drop is over, so that the
    // program the file came from is not held up by them.
    QMetaObject::invokeMethod(
        this, [this, drop] { OpenDroppedFile(drop); }, Qt::QueuedConnection);
}

void TfrmMain::OpenDroppedFile(const TFileDrop& drop)
{
    if (!drop.Refusal.isEmpty()) {
        Prompts::Error(this, drop.Refusal);
        return;
    }
    if (!AskToSaveChanges())
        return;
    OpenChosenFile(drop.Path);
}
