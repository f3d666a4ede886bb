// Knowing before a download: the check before Download and its question, the
// findings dock leading to the key, level and cell, the preview following the
// macro, the comparison with a file, and the backups made before a download.

#include "support/MainFixture.h"
#include "support/RecordingLauncher.h"

#include "analysis/Backups.h"
#include "analysis/FindingsModel.h"

#include <QDialog>
#include <QDockWidget>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTreeView>

namespace {

// True Terminal Mode, LEDs under macro control: nothing is found by itself.
const QByteArray Plain = "[GLOBAL_PARAMETERS]\r\nOperating_Mode=0\r\nLED_Function=34\r\n";

QString MacroFolder(const TMainFixture& f)
{
    return f.Folders.DataFolder() + QStringLiteral("/Macro_Files/");
}

// Puts `codes` into a macro as stored codes, past what the grid would allow.
void PutCodes(TKeypadClass& d, int key, int level, const QList<int>& codes)
{
    const int oldKey = d.Key();
    const int oldLevel = d.Level();
    d.SetKey(key);
    d.SetLevel(level);
    int32_t position = d.NumOfElements();
    for (int code : codes)
        d.InsertByte(position, code);
    d.SetKey(oldKey);
    d.SetLevel(oldLevel);
}

void Open(TMainFixture& f, const QString& path)
{
    f.Prompts.QueueFileName(path);
    TriggerAction(f.W(), "OpenMenuItem");
}

} // namespace

class TestMainAnalysis : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QuietOffscreenMenus(true); }
    void cleanupTestCase() { QuietOffscreenMenus(false); }
    void downloadChecksAndBacksUp_data();
    void downloadChecksAndBacksUp();
    void findingLeadsToItsCell_data();
    void findingLeadsToItsCell();
    void previewFollowsTheMacro();
    void compareWithAFile();
};

void TestMainAnalysis::downloadChecksAndBacksUp_data()
{
    QTest::addColumn<QByteArray>("file"); // a .rom file when it has advanced parameters
    QTest::addColumn<bool>("withError");     // a plain prefix byte put in key 1 after opening
    QTest::addColumn<bool>("backupsBlocked"); // a file where the backups folder should be
    QTest::addColumn<int>("answer");          // TPromptAnswer to "Download anyway?"
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("started");
    QTest::addColumn<bool>("findingsShown");

    const QByteArray clean = Plain + "[KEY0]\r\nLevel_1_Codes=61\r\n";
    const QByteArray warning = Plain + "[KEY0]\r\nLevel_2_Codes=62\r\n"; // level 2 unreachable
    const int yes = int(TPromptAnswer::Yes);
    const int no = int(TPromptAnswer::No);
    QTest::newRow("clean") << clean << false << false << no << false << true << false;
    QTest::newRow("warnings only") << warning << false << false << no << false << true << true;
    QTest::newRow("errors, No") << warning << true << false << no << true << false << true;
    QTest::newRow("errors, Yes") << warning << true << false << yes << true << true << false;
    QTest::newRow("backup refused") << clean << false << true << no << false << true << false;
    // ROM Edit Mode: the ROM file alone is backed up; its never shown screens
    // lead to the screen editor.
    QFile rom(QStringLiteral(PADWRIGHT_TEST_DATA "/rom/handwritten.rom"));
    QVERIFY(rom.open(QIODevice::ReadOnly));
    QTest::newRow("ROM Edit Mode, warnings") << rom.readAll() << false << false << no << false
                                             << true << true;
}

void TestMainAnalysis::downloadChecksAndBacksUp()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, withError);
    QFETCH(bool, backupsBlocked);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, started);
    QFETCH(bool, findingsShown);

    TMainFixture f;
    TRecordingLauncher launcher;
    TTestFolders::WriteFile(f.Folders.Program() + QLatin1Char('/') +
                                Launcher::ProgramFileName(QStringLiteral("RxLoad")),
                            "stand-in");
    const bool romMode = file.contains("[ADVANCED_PARAMETERS]");
    if (romMode)
        TTestFolders::WriteFile(f.Folders.SettingsFile(), "[CONFIGURATION]\r\nAdvanced_Enable=1\r\n");
    const QString extension = romMode ? QStringLiteral(".rom") : QStringLiteral(".ckd");
    const QString path = MacroFolder(f) + QStringLiteral("pad") + extension;
    TTestFolders::WriteFile(path, file);
    TTestFolders::WriteFile(MacroFolder(f) + QStringLiteral("pad.hex"), "\"00\"\r\n");
    const QString backups = f.Folders.DataFolder() + QStringLiteral("/Backups");
    if (backupsBlocked)
        TTestFolders::WriteFile(backups, "not a folder");
    TfrmMain& w = f.Create();
    QCOMPARE(w.IsRomEditMode(), romMode);
    Open(f, path);
    if (withError)
        PutCodes(w.KeypadDefinition, 0, 0, {w.KeypadDefinition.CmdPrefix(), 0x61});
    f.Prompts.Clear();
    f.Prompts.QueueAnswer(TPromptAnswer(answer));

    TriggerAction(w, "DownloadMenuItem");

    const QStringList questions = f.Prompts.TextsOf("yesno");
    QCOMPARE(questions.size(), asked ? 1 : 0);
    if (asked) {
        // The errors ask, and the warnings are listed with them.
        QVERIFY(questions[0].startsWith("The check found 1 error and 1 warning in this"));
        QVERIFY(questions[0].contains("\nerror: key 1, level 1, code 1: Code 1 is the plain"));
        QVERIFY(questions[0].contains("\nwarning: key 1, level 2: This level-2 macro"));
        QVERIFY(questions[0].endsWith("\n\nDownload anyway?"));
    }
    QCOMPARE(launcher.Calls.size(), size_t(started ? 1 : 0));
    QVERIFY(f.Prompts.TextsOf("error").isEmpty());
    QCOMPARE(!Find<QDockWidget>(w, "dockFindings")->isHidden(), findingsShown);

    // A backup of the image and the definition for each download that started.
    const QList<QStringList> made = TBackups(f.Folders.DataFolder()).List();
    QCOMPARE(made.size(), started && !backupsBlocked ? 1 : 0);
    if (!made.isEmpty()) {
        QCOMPARE(made[0].size(), romMode ? 1 : 2);
        QCOMPARE(TTestFolders::ReadFile(made[0].filter(extension).value(0)), file);
    }
    const QString hint = Find<QLabel>(w, "panelPort")->toolTip();
    QCOMPARE(hint.contains("No backup was made before the last download: Unable to write to"),
             backupsBlocked);

    // Help > Show Backups opens the folder through the launcher.
    if (!backupsBlocked) {
        TriggerAction(w, "ShowBackupsMenuItem");
        QCOMPARE(launcher.Calls.back().Kind, "open");
        QCOMPARE(launcher.Calls.back().Path, backups);
        QVERIFY(launcher.Calls.back().Succeeded);
    }
    if (romMode) {
        QSignalSpy screens(&w, &TfrmMain::screenRequested);
        auto* list = Find<QTreeView>(w, "lvFindings");
        for (int r = list->model()->rowCount() - 1; r >= 0 && screens.isEmpty(); --r)
            if (list->model()->index(r, 0).data(TFindingsModel::ScreenRole).toInt() >= 0)
                Q_EMIT list->activated(list->model()->index(r, 0));
        QCOMPARE(screens.size(), 1);
        QCOMPARE(screens[0][0].toInt(), 7); // screen 8, the last listed
    }
}

void TestMainAnalysis::findingLeadsToItsCell_data()
{
    QTest::addColumn<int>("layout"); // 1 = 12 keys, 2 = 20 keys
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("position"); // where the finding is; -1: the key as a whole
    QTest::addColumn<int>("layoutAfter");

    // An LED command that its LED's mode ignores, after `position` letters.
    QTest::newRow("key 6, level 2, code 3") << 2 << 5 << 1 << 2 << 2;
    QTest::newRow("12 keys, key 10, level 1, code 1") << 1 << 9 << 0 << 0 << 1;
    // Key 2 has no button on the 12-key keypad: the 20-key layout shows it.
    QTest::newRow("12 keys, key 2 off the keypad") << 1 << 1 << 0 << -1 << 2;
}

void TestMainAnalysis::findingLeadsToItsCell()
{
    QFETCH(int, layout);
    QFETCH(int, key);
    QFETCH(int, level);
    QFETCH(int, position);
    QFETCH(int, layoutAfter);

    TMainFixture f;
    TTestFolders::WriteFile(f.Folders.SettingsFile(),
                            "[CONFIGURATION]\r\nKeypad_Layout=" + QByteArray::number(layout) +
                                "\r\n");
    TfrmMain& w = f.Create();
    QList<int> codes(qMax(position, 0), 0x61);
    codes << CommandFlag + 9; // green on; the green LED shows power
    PutCodes(w.KeypadDefinition, key, level, codes);

    TriggerAction(w, "CheckDefinitionMenuItem");
    auto* list = Find<QTreeView>(w, "lvFindings");
    QVERIFY(list->isVisible());
    QModelIndex row;
    for (int r = 0; r < list->model()->rowCount() && !row.isValid(); ++r) {
        const QModelIndex index = list->model()->index(r, 0);
        if (index.data(TFindingsModel::KeyRole) == key &&
            index.data(TFindingsModel::PositionRole) == position)
            row = index;
    }
    QVERIFY(row.isValid());
    const QPoint centre = list->visualRect(row).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);

    QCOMPARE(w.GuiKeyLayout(), layoutAfter);
    QCOMPARE(w.KeypadDefinition.Key(), key);
    QCOMPARE(w.KeypadDefinition.Level(), level);
    QVERIFY(KeyButton(w, key)->isChecked());
    QCOMPARE(Find<QTabBar>(w, "TabControlLevel")->currentIndex(), level);
    QCOMPARE(w.GridPosition(), position >= 0 ? position : int(codes.size()));
    QCOMPARE(Find<QLabel>(w, "lblMacroHeader")->text(),
             QStringLiteral("Macro for Key %1, Level %2").arg(key + 1).arg(level + 1));
}

void TestMainAnalysis::previewFollowsTheMacro()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    auto* sends = Find<QTextEdit>(w, "edPreviewSends");
    auto* bytes = Find<QLineEdit>(w, "edPreviewBytes");
    w.KeypadDefinition.SetOpMode(0); // serial, True Terminal Mode

    QTest::mouseClick(GridOf(w)->viewport(), Qt::LeftButton, {}, CellCentre(w, 0));
    QTest::keyClicks(GridOf(w), "ab");
    QCOMPARE(sends->toPlainText(), "ab");
    QCOMPARE(bytes->text(), "61 62");
    QVERIFY(bytes->isEnabled());

    // Another key, and back.
    QTest::mouseClick(KeyButton(w, 3), Qt::LeftButton);
    QCOMPARE(sends->toPlainText(), QString());
    QCOMPARE(Find<QLabel>(w, "lblPreviewTime")->text(), "Total time: 0 ms");
    QTest::mouseClick(KeyButton(w, 0), Qt::LeftButton);
    QCOMPARE(sends->toPlainText(), "ab");

    // The properties' Apply: a USB HID keyboard receives key presses, not bytes.
    w.KeypadDefinition.SetOpMode(0x30);
    w.DialogChangesApplied();
    QVERIFY(!bytes->isEnabled());
    QCOMPARE(bytes->text(), QString());

    // View > Preview hides the pane, the window shrinks, and the choice is kept.
    const int height = w.height();
    Find<QAction>(w, "PreviewMenuItem")->trigger();
    QVERIFY(Find<QWidget>(w, "pnlPreview")->isHidden());
    QVERIFY(w.height() < height);
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(f.SettingsText().contains("[VIEW]\r\nPreview=0\r\n"));
    TMainFixture again;
    TTestFolders::WriteFile(again.Folders.SettingsFile(), f.SettingsText());
    QVERIFY(Find<QWidget>(again.Create(), "pnlPreview")->isHidden());
}

void TestMainAnalysis::compareWithAFile()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    QTest::mouseClick(GridOf(w)->viewport(), Qt::LeftButton, {}, CellCentre(w, 0));
    QTest::keyClicks(GridOf(w), "ab");
    const QString pad = MacroFolder(f) + QStringLiteral("pad.ckd");
    f.Prompts.QueueFileName(pad);
    TriggerAction(w, "SaveMenuItem");
    const QString other = MacroFolder(f) + QStringLiteral("other.ckd");
    QVERIFY(QFile::copy(pad, other));

    f.Prompts.QueueFileName(other);
    TriggerAction(w, "CompareMenuItem");
    QCOMPARE(f.Prompts.Dialogs.back().Title, "Compare With");
    QCOMPARE(f.Prompts.Dialogs.back().DefaultExt, "ckd");
    auto* window = Find<QDialog>(w, "frmCompare");
    QVERIFY(window->isVisible());
    QCOMPARE(Find<QLabel>(*window, "lblDifferences")->text(), "The definitions are the same.");

    // An edit shows at once, with only the rows that differ.
    QTest::keyClicks(GridOf(w), "c");
    QCOMPARE(Find<QLabel>(*window, "lblDifferences")->text(), "1 difference");
    auto* rows = Find<QTextBrowser>(*window, "txtCompare");
    // One cell to a line.
    QVERIFY(rows->toPlainText().contains("pad.ckd (in the editor)\nother.ckd\nKey 1\n"
                                         "level 1 codes\na | b | c\na | b\n"));
    QVERIFY(!rows->toPlainText().contains("Global parameters"));
    Find<QCheckBox>(*window, "cbOnlyDifferences")->click();
    QVERIFY(rows->toPlainText().contains("Global parameters"));
}

QTEST_MAIN(TestMainAnalysis)
#include "tst_mainanalysis.moc"
