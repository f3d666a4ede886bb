// The main window's commands: the menu bar and the toolbar show the same
// actions, a shortcut runs its command, and keys held with Ctrl or Alt never
// type into the macro grid.

#include "support/MainFixture.h"
#include "support/RecordingLauncher.h"

#include <QApplication>
#include <QKeySequence>
#include <QMenuBar>
#include <QSet>
#include <QTest>

namespace {

// Every action the menu bar reaches, submenus included.
QSet<QAction*> menuBarActions(TfrmMain& w)
{
    QSet<QAction*> found;
    QList<QMenu*> menus;
    for (QAction* a : w.menuBar()->actions())
        menus << a->menu();
    while (!menus.isEmpty())
        for (QAction* a : menus.takeFirst()->actions()) {
            found << a;
            if (a->menu())
                menus << a->menu();
        }
    return found;
}

void writeRomModeSettings(const TMainFixture& f)
{
    TTestFolders::WriteFile(f.Folders.SettingsFile(), "[CONFIGURATION]\r\nAdvanced_Enable=1\r\n");
}

} // namespace

class TestMainCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QuietOffscreenMenus(true); }
    void cleanupTestCase() { QuietOffscreenMenus(false); }
    void menuBarHoldsEveryButtonsCommand_data();
    void menuBarHoldsEveryButtonsCommand();
    void shortcutRunsItsCommand_data();
    void shortcutRunsItsCommand();
    void commandKeysNeverTypeIntoTheGrid_data();
    void commandKeysNeverTypeIntoTheGrid();
    void viewMenuChoosesLayoutAndLevel();
};

void TestMainCommands::menuBarHoldsEveryButtonsCommand_data()
{
    QTest::addColumn<bool>("rom");
    QTest::newRow("USER Mode") << false;
    QTest::newRow("ROM Edit Mode") << true;
}

void TestMainCommands::menuBarHoldsEveryButtonsCommand()
{
    QFETCH(bool, rom);
    TMainFixture f;
    if (rom)
        writeRomModeSettings(f);
    TfrmMain& w = f.Create();
    const QSet<QAction*> inMenus = menuBarActions(w);
    const char* const buttons[] = {"ToolBtnNew",      "ToolBtnOpen",       "ToolBtnSave",
                                   "ToolBtnSaveAs",   "ToolBtnParameters", "ToolBtnSetPort",
                                   "ToolBtnDownload", "ToolButtonTest",    "ToolButtonKeyLabels",
                                   "ToolBtnHelp"};
    for (const char* name : buttons) {
        auto* button = Find<QToolButton>(w, name);
        // A drop-down's items are commands of the menu bar; a plain button is one.
        const QList<QAction*> commands =
            button->menu() ? button->menu()->actions() : QList<QAction*>{button->defaultAction()};
        for (QAction* command : commands)
            QVERIFY2(command && inMenus.contains(command), name);
    }
    QCOMPARE(Find<QToolButton>(w, "ToolBtnParameters")->menu() != nullptr, rom);
    // So are the items of the pop-up menus.
    for (const char* popup : {"popmenuClearMacro", "popmenKeyType"})
        for (QAction* item : Find<QMenu>(w, popup)->actions())
            QVERIFY2(item->isSeparator() || inMenus.contains(item), qPrintable(item->text()));
}

void TestMainCommands::shortcutRunsItsCommand_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("edited");
    QTest::addColumn<QString>("outcome"); // the prompt shown, or what else happens

    QTest::newRow("New asks about the changes")
        << "NewMenuItem" << int(QKeySequence::New) << true << "yesnocancel";
    QTest::newRow("Open") << "OpenMenuItem" << int(QKeySequence::Open) << false << "open";
    QTest::newRow("Save of an untitled definition asks for a name")
        << "SaveMenuItem" << int(QKeySequence::Save) << true << "save";
    QTest::newRow("Save As") << "SaveAsMenuItem" << int(QKeySequence::SaveAs) << false << "save";
    QTest::newRow("Help opens the manual")
        << "UserManual1" << int(QKeySequence::HelpContents) << false << "manual";
    QTest::newRow("Quit closes the window")
        << "ExitMenuItem" << int(QKeySequence::Quit) << false << "closed";
}

void TestMainCommands::shortcutRunsItsCommand()
{
    QFETCH(QString, command);
    QFETCH(int, key);
    QFETCH(bool, edited);
    QFETCH(QString, outcome);

    TMainFixture f;
    TRecordingLauncher launcher;
    TfrmMain& w = f.Create();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // The platform's standard key; Save As and Quit have a usual one where
    // the platform has none.
    const QKeySequence shortcut = Find<QAction>(w, command)->shortcut();
    const QKeySequence standard(static_cast<QKeySequence::StandardKey>(key));
    QVERIFY(!shortcut.isEmpty());
    QVERIFY(standard.isEmpty() || shortcut == standard);

    if (edited)
        QTest::keyClicks(GridOf(w), "a");
    QTest::keySequence(GridOf(w), shortcut);

    if (outcome == QLatin1String("manual")) {
        QCOMPARE(launcher.Calls.size(), size_t(1));
        QVERIFY(launcher.Calls[0].Path.endsWith(QStringLiteral("OstrellaPro.pdf")));
    } else if (outcome == QLatin1String("closed")) {
        QVERIFY(!w.isVisible());
    } else {
        QCOMPARE(f.Prompts.Shown.size(), size_t(1));
        QCOMPARE(f.Prompts.Shown[0].Kind, outcome);
    }
    // The shortcut itself typed nothing.
    QCOMPARE(w.KeypadDefinition.NumOfElements(), edited ? 1 : 0);
}

void TestMainCommands::commandKeysNeverTypeIntoTheGrid_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text"); // empty: every letter, as the system sends it
    QTest::addColumn<QList<int32_t>>("codes");

    const int ctrl = Qt::ControlModifier;
    const int alt = Qt::AltModifier;
    QTest::newRow("Ctrl+letter") << ctrl << QString() << QList<int32_t>{};
    QTest::newRow("Ctrl+Shift+letter")
        << (ctrl | int(Qt::ShiftModifier)) << QString() << QList<int32_t>{};
    QTest::newRow("Alt+letter") << alt << QString() << QList<int32_t>{};
    // AltGr, reported by some systems as Ctrl+Alt, types its character.
    QTest::newRow("AltGr bracket") << (ctrl | alt) << "[" << QList<int32_t>{'['};
    QTest::newRow("AltGr e acute") << (ctrl | alt) << QString(QChar(0xE9)) << QList<int32_t>{0xE9};
    QTest::newRow("Ctrl+Alt with a control character")
        << (ctrl | alt) << "\x01" << QList<int32_t>{};
}

void TestMainCommands::commandKeysNeverTypeIntoTheGrid()
{
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(QList<int32_t>, codes);

    TMainFixture f;
    TRecordingLauncher launcher;
    TfrmMain& w = f.Create();
    const auto held = Qt::KeyboardModifiers(modifiers);
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        QString typed = text;
        if (typed.isEmpty())
            typed = held & Qt::ControlModifier ? QString(QChar(letter - 64))
                                               : QString(QChar(letter)).toLower();
        QTest::sendKeyEvent(QTest::Press, GridOf(w), Qt::Key(letter), typed, held);
        QTest::sendKeyEvent(QTest::Release, GridOf(w), Qt::Key(letter), typed, held);
        // A menu the mnemonic opened, or a command's prompt, is dismissed.
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        if (!text.isEmpty())
            break;
    }
    QCOMPARE(MacroCodes(w.KeypadDefinition), codes);
}

void TestMainCommands::viewMenuChoosesLayoutAndLevel()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    TriggerAction(w, "Layout12MenuItem");
    QVERIFY(Find<QRadioButton>(w, "rbModelR12")->isChecked());
    QCOMPARE(w.KeypadDefinition.Key(), 4);
    TriggerAction(w, "Level2MenuItem");
    QCOMPARE(Find<QTabBar>(w, "TabControlLevel")->currentIndex(), 1);
    QCOMPARE(w.KeypadDefinition.Level(), 1);
    // Opening the menu ticks what is shown.
    Q_EMIT Find<QMenu>(w, "mnuView")->aboutToShow();
    for (const char* ticked : {"Layout12MenuItem", "Level2MenuItem", "menuitemViewKeysAsText"})
        QVERIFY2(Find<QAction>(w, ticked)->isChecked(), ticked);
    for (const char* unticked : {"Layout20MenuItem", "Level1MenuItem", "menuitemViewKeysAsHex"})
        QVERIFY2(!Find<QAction>(w, unticked)->isChecked(), unticked);
    TriggerAction(w, "Layout20MenuItem");
    QCOMPARE(w.GuiKeyLayout(), 2);
    QVERIFY(!w.IsChangesPending());
}

QTEST_MAIN(TestMainCommands)
#include "tst_maincommands.moc"
