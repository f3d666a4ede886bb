// The ways to a definition beside Open (the recent list, the samples, a
// dropped file) and the two print windows of the File menu.

#include "support/MainFixture.h"

#include "app/RecentFiles.h"
#include "files/FileIO.h"
#include "ui/help/ManualResource.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMap>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>

namespace {

const QString SavingQuestion =
    QStringLiteral("Do you wish to save changes to your custom definition?");
const QByteArray UserFile = "[KEY0]\r\nLevel_1_Codes=62\r\n";
const QByteArray RomFile = "[GLOBAL_PARAMETERS]\r\n[ADVANCED_PARAMETERS]\r\n[KEY0]\r\n"
                           "Level_1_Codes=62\r\n";

TfrmMain& CreateIn(TMainFixture& f, bool rom, const QByteArray& more = {})
{
    TTestFolders::WriteFile(f.Folders.SettingsFile(),
                            "[CONFIGURATION]\r\nAdvanced_Enable=" + QByteArray(rom ? "1" : "0") +
                                "\r\n" + more);
    return f.Create();
}

QString Ext(bool rom)
{
    return rom ? QStringLiteral(".rom") : QStringLiteral(".ckd");
}

QStringList RecentPaths(const TfrmMain& w)
{
    QStringList paths;
    for (QAction* item : Find<QMenu>(w, "mnuOpenRecent")->actions())
        if (!item->data().toString().isEmpty())
            paths << item->data().toString();
    return paths;
}

QAction* RecentItem(const TfrmMain& w, const QString& path)
{
    for (QAction* item : Find<QMenu>(w, "mnuOpenRecent")->actions())
        if (item->data().toString() == path)
            return item;
    qFatal("%s is not in the recent list", qPrintable(path));
}

void Drop(TfrmMain& w, const QStringList& paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    // Offered as a move, taken as a copy: the file manager must keep its file.
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(QPoint(20, 20), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    enter.setDropAction(Qt::MoveAction);
    QCoreApplication::sendEvent(&w, &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(enter.dropAction(), Qt::CopyAction);
    QDropEvent drop(QPointF(20, 20), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    drop.setDropAction(Qt::MoveAction);
    QCoreApplication::sendEvent(&w, &drop);
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
}

} // namespace

class TestMainFileLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recentFiles_data();
    void recentFiles();
    void openSample_data();
    void openSample();
    void drops_data();
    void drops();
    void printWindows_data();
    void printWindows();
    void unwritableSettingsAreToldOnce();
    void menusAreInTheManual_data();
    void menusAreInTheManual();
};

void TestMainFileLists::recentFiles_data()
{
    QTest::addColumn<bool>("rom");
    QTest::newRow("USER Mode") << false;
    QTest::newRow("ROM Edit Mode") << true;
}

void TestMainFileLists::recentFiles()
{
    QFETCH(bool, rom);
    TMainFixture f;
    const QByteArray described = "Keypad_Layout=2\r\nMIDI_Channel=3\r\n[OTHER]\r\nkept=1\r\n";
    TfrmMain& w = CreateIn(f, rom, described);
    const QString folder = f.Folders.Documents() + QStringLiteral("/files/");
    QStringList files;
    for (int i = 0; i <= 10; ++i) {
        files << folder + QStringLiteral("f%1").arg(i) + Ext(rom);
        TTestFolders::WriteFile(files.last(), rom ? RomFile : UserFile);
        f.Prompts.QueueFileName(files.last());
        Find<QAction>(w, "OpenMenuItem")->trigger();
    }
    QTest::keyClicks(GridOf(w), "q");
    f.Prompts.QueueFileName(folder + QStringLiteral("saved") + Ext(rom));
    Find<QAction>(w, "SaveAsMenuItem")->trigger();
    Q_EMIT Find<QMenu>(w, "mnuOpenRecent")->aboutToShow();

    // Newest first, ten at most: the first file opened fell off.
    QStringList expected{folder + QStringLiteral("saved") + Ext(rom)};
    for (int i = 10; i >= 2; --i)
        expected << files[i];
    QCOMPARE(RecentPaths(w), expected);

    // A file that is gone is dropped from the list and named; nothing else changes.
    QFile::remove(files[5]);
    const QString title = w.windowTitle();
    RecentItem(w, files[5])->trigger();
    QCOMPARE(f.Prompts.TextsOf("error"), QStringList{TRecentFiles::MissingFileMessage(files[5])});
    expected.removeOne(files[5]);
    QCOMPARE(RecentPaths(w), expected);
    QCOMPARE(w.windowTitle(), title);

    // With changes pending the usual question comes first; Cancel keeps them.
    QTest::keyClicks(GridOf(w), "w");
    RecentItem(w, files[3])->trigger();
    QCOMPARE(f.Prompts.TextsOf("yesnocancel"), QStringList{SavingQuestion});
    QVERIFY(w.IsChangesPending());
    f.Prompts.QueueAnswer(TPromptAnswer::No);
    RecentItem(w, files[3])->trigger();
    QVERIFY(w.windowTitle().endsWith(QFileInfo(files[3]).fileName()));
    QCOMPARE(RecentPaths(w).first(), files[3]);

    Find<QAction>(w, "ClearRecentMenuItem")->trigger();
    QVERIFY(RecentPaths(w).isEmpty());
    QVERIFY(!Find<QAction>(w, "ClearRecentMenuItem")->isEnabled());
    // The described keys and sections stay as they were; the other mode's list is untouched.
    const QByteArray text = f.SettingsText();
    QVERIFY2(text.startsWith("[CONFIGURATION]\r\nAdvanced_Enable=" + QByteArray(rom ? "1" : "0") +
                             "\r\n" + described + "[RECENT_FILES]\r\n"),
             text.constData());
    QVERIFY(!text.contains(rom ? "User1=" : "Rom1="));
}

void TestMainFileLists::openSample_data()
{
    QTest::addColumn<bool>("rom");
    QTest::newRow("USER Mode") << false;
    QTest::newRow("ROM Edit Mode") << true;
}

void TestMainFileLists::openSample()
{
    QFETCH(bool, rom);
    TMainFixture f;
    const QString sample = f.Folders.Program() + QStringLiteral("/samples/coffee-shop.ckd");
    TTestFolders::WriteFile(
        sample, TTestFolders::ReadFile(
                    QStringLiteral(PADWRIGHT_TEST_DATA "/../../docs/samples/coffee-shop.ckd")));
    const QByteArray before = TTestFolders::ReadFile(sample);
    TfrmMain& w = CreateIn(f, rom);

    Find<QAction>(w, "SampleMenuItem_coffee-shop")->trigger();

    // Read as Open reads it in this mode, then an untitled copy.
    TAppState read;
    QCOMPARE((rom ? LoadRomFile(read, sample) : LoadUserFile(read, sample)).Status,
             TLoadStatus::Loaded);
    QCOMPARE(MacroCodes(w.KeypadDefinition), MacroCodes(read.KeypadDefinition));
    QVERIFY(w.windowTitle().endsWith(QStringLiteral("PadwrightRx - untitled")));
    QVERIFY(w.Document().IsUntitled(rom ? TFileKind::Rom : TFileKind::User));
    QVERIFY(w.Document().DownloadArgument().isEmpty());
    QVERIFY(RecentPaths(w).isEmpty());
    // Save asks for a name; the sample stays as it came.
    QTest::keyClicks(GridOf(w), "q");
    Find<QAction>(w, "SaveMenuItem")->trigger();
    QCOMPARE(f.Prompts.TextsOf("save").size(), 1);
    QCOMPARE(TTestFolders::ReadFile(sample), before);

    // Without samples the menu is there but cannot be opened.
    TMainFixture g;
    QVERIFY(!Find<QMenu>(g.Create(), "mnuOpenSample")->menuAction()->isEnabled());
}

void TestMainFileLists::drops_data()
{
    QTest::addColumn<bool>("rom");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("pending");
    QTest::addColumn<bool>("opens");

    QTest::newRow("a user file") << false << QStringList{"a.ckd"} << false << true;
    QTest::newRow("a ROM file") << true << QStringList{"a.rom"} << false << true;
    QTest::newRow("a ROM file in USER Mode") << false << QStringList{"a.rom"} << false << false;
    QTest::newRow("two files") << false << QStringList{"a.ckd", "b.ckd"} << false << false;
    // The question is asked and answered Cancel.
    QTest::newRow("changes pending") << false << QStringList{"a.ckd"} << true << false;
}

void TestMainFileLists::drops()
{
    QFETCH(bool, rom);
    QFETCH(QStringList, names);
    QFETCH(bool, pending);
    QFETCH(bool, opens);
    TMainFixture f;
    TfrmMain& w = CreateIn(f, rom);
    QStringList paths;
    for (const QString& name : names) {
        paths << f.Folders.Documents() + QLatin1Char('/') + name;
        TTestFolders::WriteFile(paths.last(), name.endsWith("rom") ? RomFile : UserFile);
    }
    if (pending)
        QTest::keyClicks(GridOf(w), "q");
    const QString title = w.windowTitle();
    const QList<int32_t> codes = MacroCodes(w.KeypadDefinition);

    Drop(w, paths);

    QTRY_COMPARE(f.Prompts.Shown.size() + size_t(opens), size_t(1));
    if (opens) {
        QTRY_VERIFY(w.windowTitle().endsWith(QStringLiteral(" - a") + Ext(rom)));
        QCOMPARE(MacroCodes(w.KeypadDefinition), QList<int32_t>{0x62});
        QCOMPARE(w.Document().FileName(rom ? TFileKind::Rom : TFileKind::User), paths[0]);
        return;
    }
    QCOMPARE(f.Prompts.Shown[0].Kind, pending ? "yesnocancel" : "error");
    QCOMPARE(w.windowTitle(), title);
    QCOMPARE(MacroCodes(w.KeypadDefinition), codes);
    QCOMPARE(w.IsChangesPending(), pending);
}

void TestMainFileLists::printWindows_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("window");
    QTest::newRow("Print Key Labels") << "PrintKeyLabelsMenuItem"
                                      << "frmKeyLabels";
    QTest::newRow("Export Setup Sheet") << "ExportSetupSheetMenuItem"
                                        << "frmSetupSheet";
}

void TestMainFileLists::printWindows()
{
    QFETCH(QString, command);
    QFETCH(QString, window);
    TMainFixture f;
    TfrmMain& w = f.Create();
    QString shown;
    QWidget* parent = nullptr;
    // Modal: it is closed from inside its own event loop.
    QTimer::singleShot(0, &w, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            shown = modal->objectName();
            parent = modal->parentWidget();
            modal->close();
        }
    });
    Find<QAction>(w, command)->trigger();
    QCOMPARE(shown, window);
    QCOMPARE(parent, &w);
}

void TestMainFileLists::unwritableSettingsAreToldOnce()
{
    TMainFixture f;
    QVERIFY(QDir().mkpath(f.Folders.SettingsFile()));
    TfrmMain& w = f.Create(); // shown: the layout is written
    Find<QAction>(w, "Layout12MenuItem")->trigger();
    QCOMPARE(f.Prompts.TextsOf("error").size(), 1);
    QVERIFY2(f.Prompts.TextsOf("error")[0].contains("not a regular file"),
             qPrintable(f.Prompts.TextsOf("error")[0]));
}

void TestMainFileLists::menusAreInTheManual_data()
{
    recentFiles_data();
}

// The manual's chapter of menus names every item of the menu bar (the code
// menus of Insert are described with the grid menu) and every shortcut; no
// two items of a menu share an underlined letter.
void TestMainFileLists::menusAreInTheManual()
{
    QFETCH(bool, rom);
    const QString manual = ManualResource::Markdown();
    const qsizetype start = manual.indexOf("\n## 12. Menus, shortcuts");
    QVERIFY(start > 0);
    const QString chapter = manual.mid(start, manual.indexOf("\n## ", start + 1) - start);
    TMainFixture f;
    TfrmMain& w = CreateIn(f, rom);
    QStringList missing;
    std::function<void(const QMenu*)> check = [&](const QMenu* menu) {
        QMap<QChar, QString> mnemonics; // two items with one letter: Alt+letter picks neither
        for (QAction* item : menu->actions()) {
            const qsizetype amp = item->text().indexOf('&');
            if (item->isVisible() && amp >= 0 && amp + 1 < item->text().size()) {
                const QChar letter = item->text().at(amp + 1).toLower();
                if (mnemonics.contains(letter))
                    missing << QStringLiteral("&%1 twice: %2, %3").arg(letter).arg(mnemonics[letter], item->text());
                mnemonics[letter] = item->text();
            }
            // Shown texts without mnemonics; the key type items' explanations cut off.
            const QString text = item->text().remove('&').section(" --", 0, 0).trimmed();
            if (item->isSeparator() || item->data().isValid() || !item->isVisible())
                continue;
            if (!chapter.contains(text))
                missing << text;
            const QString key = item->shortcut().toString(QKeySequence::PortableText);
            if (!key.isEmpty() && !chapter.contains(key))
                missing << key;
            if (item->menu() && item->menu()->objectName() != "mnuInsert")
                check(item->menu());
        }
    };
    for (QAction* menu : w.menuBar()->actions())
        check(menu->menu());
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(" | ")));
}

QTEST_MAIN(TestMainFileLists)
#include "tst_mainfilelists.moc"
