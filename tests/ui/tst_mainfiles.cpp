// New, Open, Save and Save As in both modes: the dialogs they show, the files
// they write, the title, the current file, the download argument and the
// question about unsaved changes.

#include "support/MainFixture.h"
#include "ui/main/KeypadPanel.h"

#include "ui/dialogs/Advanced.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

namespace {

const QString UserPrefix = QStringLiteral(" [USER Mode]   PadwrightRx - ");
const QString RomPrefix = QStringLiteral(" [ROM Edit Mode]   PadwrightRx - ");
const QString SaveQuestion =
    QStringLiteral("Do you wish to save changes to your custom definition?");

// A user file of 12 keys and a ROM file, each with "b" on key 4, level 1.
const QByteArray OtherUserFile = "[GLOBAL_PARAMETERS]\r\nNumber_Of_Keys=12\r\n"
                                 "[KEY4]\r\nLevel_1_Codes=62\r\n";
const QByteArray OtherRomFile = "[GLOBAL_PARAMETERS]\r\n[ADVANCED_PARAMETERS]\r\nHostType=3\r\n"
                                "[KEY4]\r\nLevel_1_Codes=62\r\n";

QString Quoted(const QString& path)
{
    return QLatin1Char('"') + path + QLatin1Char('"');
}

QString MacroFolder(const TMainFixture& f)
{
    return f.Folders.DataFolder() + QStringLiteral("/Macro_Files");
}

TfrmMain& CreateIn(TMainFixture& f, bool rom, bool withWindows = false)
{
    if (rom)
        TTestFolders::WriteFile(f.Folders.SettingsFile(),
                                "[CONFIGURATION]\r\nAdvanced_Enable=1\r\n");
    return withWindows ? f.CreateWithWindows() : f.Create();
}

QString Ext(bool rom)
{
    return rom ? QStringLiteral("rom") : QStringLiteral("ckd");
}

} // namespace

class TestMainFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saveInBothModes_data();
    void saveInBothModes();
    void savesThatDoNotHappen_data();
    void savesThatDoNotHappen();
    void newAndOpenAskFirst_data();
    void newAndOpenAskFirst();
    void newResets_data();
    void newResets();
    void open_data();
    void open();
    void openCancelledKeepsEverything();
};

void TestMainFiles::saveInBothModes_data()
{
    QTest::addColumn<bool>("rom");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("image");

    QTest::newRow("USER Mode") << false << "pad.ckd"
                               << "pad.hex";
    QTest::newRow("USER Mode, upper-case extension") << false << "pad.CKD"
                                                     << "pad.hex";
    QTest::newRow("ROM Edit Mode") << true << "pad.rom" << QString();
}

void TestMainFiles::saveInBothModes()
{
    QFETCH(bool, rom);
    QFETCH(QString, chosen);
    QFETCH(QString, image);

    TMainFixture f;
    // The loader's settings beside the program take the download delay.
    const QString loaderIni = f.Folders.Program() + QStringLiteral("/RxLoad.ini");
    TTestFolders::WriteFile(loaderIni, "[Com Port Configuration]\r\nComPort=3\r\n");
    TfrmMain& w = CreateIn(f, rom, true);
    TfrmAdvanced& advanced = f.Windows->Advanced();
    advanced.MarkAdvancedChanged();
    w.KeypadDefinition.SetDownloadDelay(25);

    // Right after start, Save asks for a name.
    QTest::keyClicks(GridOf(w), "q");
    QVERIFY(Find<QToolButton>(w, "ToolBtnSave")->isEnabled());
    const QString path = MacroFolder(f) + QLatin1Char('/') + chosen;
    f.Prompts.QueueFileName(path);
    QTest::mouseClick(Find<QToolButton>(w, "ToolBtnSave"), Qt::LeftButton);

    QCOMPARE(f.Prompts.Dialogs.size(), size_t(1));
    const TFileDialogOptions& dialog = f.Prompts.Dialogs[0];
    QCOMPARE(dialog.Title, rom ? "Save ROM File As" : "Save Redefinition File As");
    QCOMPARE(dialog.QtFilter(),
             rom ? "Ostrella ROM Files (*.rom)" : "Custom Keyboard Definition  Files (*.ckd)");
    QCOMPARE(dialog.DefaultExt, Ext(rom));
    QVERIFY(dialog.OverwritePrompt);
    QCOMPARE(dialog.InitialDir, MacroFolder(f));

    QVERIFY(TTestFolders::ReadFile(path).contains("Level_1_Codes=71\r\n"));
    QCOMPARE(w.windowTitle(), (rom ? RomPrefix : UserPrefix) + chosen);
    QVERIFY(!w.IsChangesPending());
    QVERIFY(!Find<QToolButton>(w, "ToolBtnSave")->isEnabled());
    QCOMPARE(w.Document().FileName(rom ? TFileKind::Rom : TFileKind::User), path);
    QVERIFY(f.Prompts.TextsOf("error").isEmpty());
    const QString imagePath = MacroFolder(f) + QLatin1Char('/') + image;
    if (rom) {
        QVERIFY(w.Document().DownloadArgument().isEmpty());
        QCOMPARE(QDir(MacroFolder(f)).entryList(QDir::Files), QStringList{chosen});
        QVERIFY(!TTestFolders::ReadFile(loaderIni).contains("DownloadDelay"));
        QVERIFY(!advanced.findChild<QPushButton*>(QStringLiteral("btnOK"))->isEnabled());
        QVERIFY(!advanced.findChild<QPushButton*>(QStringLiteral("btnApply"))->isEnabled());
    } else {
        QCOMPARE(w.Document().DownloadArgument(), Quoted(imagePath));
        QVERIFY(TTestFolders::ReadFile(imagePath).startsWith("\"40\"\r\n\"01\"\r\n"));
        QVERIFY(TTestFolders::ReadFile(loaderIni).contains("DownloadDelay=25\r\n"));
    }

    // Save of a named file writes it again without asking.
    QTest::keyClicks(GridOf(w), "w");
    QTest::mouseClick(Find<QToolButton>(w, "ToolBtnSave"), Qt::LeftButton);
    QCOMPARE(f.Prompts.Dialogs.size(), size_t(1));
    QVERIFY(TTestFolders::ReadFile(path).contains("Level_1_Codes=7177\r\n"));
    if (!rom)
        QVERIFY(TTestFolders::ReadFile(imagePath).contains("\"71\"\r\n\"77\"\r\n"));
    QVERIFY(!w.windowTitle().endsWith(QLatin1Char('*')));
}

void TestMainFiles::savesThatDoNotHappen_data()
{
    QTest::addColumn<QString>("chosen");   // empty: the dialog is cancelled
    QTest::addColumn<QString>("blocked");  // made a folder after the first save; empty: none
    QTest::addColumn<QString>("errorFor"); // the path the error names; empty: no error

    QTest::newRow("dialog cancelled") << QString() << QString() << QString();
    QTest::newRow("folder missing") << "missing/pad.ckd" << QString() << "missing/pad.ckd";
    // The image would be written over the definition.
    QTest::newRow("name ending in hex") << "pad.hex" << QString() << "pad.hex";
    // The definition and its image are written both or neither.
    QTest::newRow("image refused") << "pad.ckd"
                                   << "pad.hex"
                                   << "pad.hex";
    QTest::newRow("image refused, over the old pair") << "old.ckd"
                                                      << "old.hex"
                                                      << "old.hex";
}

void TestMainFiles::savesThatDoNotHappen()
{
    QFETCH(QString, chosen);
    QFETCH(QString, blocked);
    QFETCH(QString, errorFor);

    TMainFixture f;
    TfrmMain& w = f.Create();
    const QString folder = MacroFolder(f) + QLatin1Char('/');
    QTest::keyClicks(GridOf(w), "q");
    f.Prompts.QueueFileName(folder + QStringLiteral("old.ckd"));
    QTest::mouseClick(Find<QToolButton>(w, "ToolBtnSaveAs"), Qt::LeftButton);
    const QString oldArgument = Quoted(folder + QStringLiteral("old.hex"));
    QCOMPARE(w.Document().DownloadArgument(), oldArgument);
    const QByteArray oldDefinition = TTestFolders::ReadFile(folder + QStringLiteral("old.ckd"));
    if (!blocked.isEmpty()) {
        QFile::remove(folder + blocked);
        QVERIFY(QDir().mkpath(folder + blocked));
    }

    QTest::keyClicks(GridOf(w), "w");
    f.Prompts.QueueFileName(chosen.isEmpty() ? QString() : folder + chosen);
    QTest::mouseClick(Find<QToolButton>(w, "ToolBtnSaveAs"), Qt::LeftButton);

    const QStringList errors = f.Prompts.TextsOf("error");
    if (errorFor.isEmpty()) {
        QVERIFY(errors.isEmpty());
    } else {
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].startsWith("Unable to write to " + folder + errorFor),
                 qPrintable(errors[0]));
    }
    // Nothing written, nothing taken as saved.
    QCOMPARE(TTestFolders::ReadFile(folder + QStringLiteral("old.ckd")), oldDefinition);
    if (!chosen.isEmpty() && chosen != QLatin1String("old.ckd"))
        QVERIFY(!QFileInfo::exists(folder + chosen));
    QVERIFY(w.IsChangesPending());
    QVERIFY(w.windowTitle().endsWith(QStringLiteral("old.ckd*")));
    QCOMPARE(w.Document().FileName(TFileKind::User), folder + QStringLiteral("old.ckd"));
    QCOMPARE(w.Document().DownloadArgument(), oldArgument);
    QVERIFY(!QFileInfo::exists(folder + QStringLiteral("missing")));
}

void TestMainFiles::newAndOpenAskFirst_data()
{
    QTest::addColumn<bool>("rom");
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("saveAs"); // for Yes: "ok", "cancel" or "refused"
    QTest::addColumn<bool>("goesOn");

    const int yes = int(TPromptAnswer::Yes);
    const int no = int(TPromptAnswer::No);
    const int cancel = int(TPromptAnswer::Cancel);
    for (bool open : {false, true}) {
        const QByteArray command = open ? "Open" : "New";
        QTest::newRow(command + ", Cancel") << false << open << cancel << QString() << false;
        QTest::newRow(command + ", No") << false << open << no << QString() << true;
        QTest::newRow(command + ", Yes, saved") << false << open << yes << "ok" << true;
        // The save did not happen: the command stops and the edits stay.
        QTest::newRow(command + ", Yes, Save As cancelled")
            << false << open << yes << "cancel" << false;
        QTest::newRow(command + ", Yes, write refused")
            << false << open << yes << "refused" << false;
    }
    QTest::newRow("ROM Edit Mode, New, Yes, saved") << true << false << yes << "ok" << true;
    QTest::newRow("ROM Edit Mode, Open, No") << true << true << no << QString() << true;
    QTest::newRow("ROM Edit Mode, Open, Yes, Save As cancelled")
        << true << true << yes << "cancel" << false;
}

void TestMainFiles::newAndOpenAskFirst()
{
    QFETCH(bool, rom);
    QFETCH(bool, open);
    QFETCH(int, answer);
    QFETCH(QString, saveAs);
    QFETCH(bool, goesOn);

    TMainFixture f;
    TfrmMain& w = CreateIn(f, rom);
    const QString folder = MacroFolder(f) + QLatin1Char('/');
    const QString savePath = folder + QStringLiteral("pad.") + Ext(rom);
    const QString openPath = folder + QStringLiteral("other.") + Ext(rom);
    TTestFolders::WriteFile(openPath, rom ? OtherRomFile : OtherUserFile);
    QTest::keyClicks(GridOf(w), "q");
    const QString editedTitle = w.windowTitle();

    f.Prompts.QueueAnswer(TPromptAnswer(answer));
    if (saveAs == QLatin1String("ok"))
        f.Prompts.QueueFileName(savePath);
    else if (saveAs == QLatin1String("refused"))
        f.Prompts.QueueFileName(folder + QStringLiteral("missing/pad.") + Ext(rom));
    else if (saveAs == QLatin1String("cancel"))
        f.Prompts.QueueFileName(QString());
    f.Prompts.QueueFileName(openPath);
    QTest::mouseClick(open ? Find<QToolButton>(w, "ToolBtnOpen")
                           : Find<QToolButton>(w, "ToolBtnNew"),
                      Qt::LeftButton);

    QCOMPARE(f.Prompts.Shown.at(0).Kind, "yesnocancel");
    QCOMPARE(f.Prompts.Shown.at(0).Text, SaveQuestion);
    QCOMPARE(QFileInfo::exists(savePath), saveAs == QLatin1String("ok"));
    if (saveAs == QLatin1String("ok"))
        QVERIFY(TTestFolders::ReadFile(savePath).contains("Level_1_Codes=71\r\n"));
    QCOMPARE(f.Prompts.TextsOf("error").size(), saveAs == QLatin1String("refused") ? 1 : 0);
    QCOMPARE(f.Prompts.TextsOf("open").size(), open && goesOn ? 1 : 0);

    if (!goesOn) {
        QCOMPARE(MacroCodes(w.KeypadDefinition), QList<int32_t>{0x71});
        QVERIFY(w.IsChangesPending());
        QCOMPARE(w.windowTitle(), editedTitle);
        return;
    }
    QVERIFY(!w.IsChangesPending());
    QVERIFY(!Find<QToolButton>(w, "ToolBtnSave")->isEnabled());
    if (open) {
        QCOMPARE(w.windowTitle(), (rom ? RomPrefix : UserPrefix) + QFileInfo(openPath).fileName());
        QCOMPARE(w.KeypadDefinition.Key(), rom ? 0 : 4); // the user file has 12 keys
        w.KeypadDefinition.SetKey(4);
        QCOMPARE(MacroCodes(w.KeypadDefinition), QList<int32_t>{0x62});
    } else {
        QCOMPARE(w.windowTitle(), (rom ? RomPrefix : UserPrefix) + QStringLiteral("untitled"));
        QCOMPARE(MacroCodes(w.KeypadDefinition), QList<int32_t>{});
    }
}

void TestMainFiles::newResets_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<bool>("hexView");
    QTest::addColumn<int>("firstKey");

    QTest::newRow("20 keys") << 2 << false << 0;
    QTest::newRow("12 keys") << 1 << false << 4;
    QTest::newRow("hex view") << 2 << true << 0;
}

void TestMainFiles::newResets()
{
    QFETCH(int, layout);
    QFETCH(bool, hexView);
    QFETCH(int, firstKey);

    TMainFixture f;
    TTestFolders::WriteFile(f.Folders.SettingsFile(), "[CONFIGURATION]\r\nKeypad_Layout=" +
                                                          QByteArray::number(layout) + "\r\n");
    TfrmMain& w = f.Create();
    if (hexView)
        Find<QAction>(w, "menuitemViewKeysAsHex")->trigger();
    // A saved definition with a level key on key 9 and a ROM property set.
    QTest::mouseClick(KeyButton(w, 9), Qt::LeftButton);
    w.KeypadDefinition.SetKeytype(ktShift);
    Find<TKeypadPanel>(w, "pnlKeypadPanel")->RefreshKeyButtons();
    Find<QTabBar>(w, "TabControlLevel")->setCurrentIndex(1);
    QTest::keyClicks(GridOf(w), "q");
    w.AppState.AdvancedParams.HostType = 3;
    f.Prompts.QueueFileName(MacroFolder(f) + QStringLiteral("/pad.ckd"));
    QTest::mouseClick(Find<QToolButton>(w, "ToolBtnSave"), Qt::LeftButton);
    QVERIFY(!KeyButton(w, 9)->icon().isNull());
    QVERIFY(!w.Document().DownloadArgument().isEmpty());

    QTest::mouseClick(Find<QToolButton>(w, "ToolBtnNew"), Qt::LeftButton);

    QCOMPARE(f.Prompts.TextsOf("yesnocancel").size(), 0); // nothing was pending
    QCOMPARE(w.KeypadDefinition.Key(), firstKey);
    QVERIFY(KeyButton(w, firstKey)->isChecked());
    QCOMPARE(int(w.KeypadDefinition.Level()), 0);
    QCOMPARE(Find<QTabBar>(w, "TabControlLevel")->currentIndex(), 0);
    QCOMPARE(w.KeypadDefinition.NumOfElements(), 0);
    QVERIFY(CellText(w, 0).trimmed().isEmpty());
    w.KeypadDefinition.SetKey(9);
    QCOMPARE(w.KeypadDefinition.Keytype(), ktNormal);
    QVERIFY(KeyButton(w, 9)->icon().isNull());
    QCOMPARE(w.AppState.AdvancedParams.HostType, TAppState().AdvancedParams.HostType);
    QCOMPARE(w.windowTitle(), UserPrefix + QStringLiteral("untitled"));
    QCOMPARE(w.Document().FileName(TFileKind::User), "untitled");
    QCOMPARE(w.Document().FileName(TFileKind::Rom), "untitled");
    QVERIFY(w.Document().DownloadArgument().isEmpty());
    QCOMPARE(w.GuiKeyLayout(), layout);
    QCOMPARE(w.KeypadDefinition.bViewInHex, hexView);
    QVERIFY(!w.IsChangesPending());
}

void TestMainFiles::open_data()
{
    QTest::addColumn<bool>("rom");
    QTest::addColumn<QByteArray>("file"); // empty: no file at the chosen path
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("becomesCurrent");
    QTest::addColumn<QString>("warningAbout"); // what the one box after loading names; empty: none

    QTest::newRow("USER Mode") << false << OtherUserFile << QString() << true << QString();
    QTest::newRow("ROM Edit Mode") << true << OtherRomFile << QString() << true << QString();
    // What the reader skipped is told once, in one box.
    QTest::newRow("USER Mode, key outside the keypad")
        << false << OtherUserFile + "[KEY25]\r\nLevel_1_Codes=63\r\n[KEY-1]\r\n"
        << QString() << true << "[KEY25]";
    // Key 0 has no button in the 12-key layout: the load selects the layout's
    // first key instead, so that the grid never edits a key the user cannot see.
    QTest::newRow("ROM Edit Mode, 12 keys")
        << true
        << QByteArray(OtherRomFile)
               .replace("[GLOBAL_PARAMETERS]\r\n", "[GLOBAL_PARAMETERS]\r\nNumber_Of_Keys=12\r\n")
        << QString() << true << QString();
    QTest::newRow("USER Mode, foreign section")
        << false << QByteArray("[GLOBAL_PARAMETERS]\r\n[Notes]\r\n")
        << "'es' is not a valid integer value" << false << QString();
    QTest::newRow("ROM Edit Mode, foreign section")
        << true << QByteArray("[Notes]\r\n") << "'es' is not a valid integer value" << false
        << QString();
    // The reader ignores a missing file; the names are still taken from it.
    QTest::newRow("USER Mode, missing file")
        << false << QByteArray() << QString() << false << QString();
    QTest::newRow("ROM Edit Mode, missing file")
        << true << QByteArray() << QString() << true << QString();
}

void TestMainFiles::open()
{
    QFETCH(bool, rom);
    QFETCH(QByteArray, file);
    QFETCH(QString, error);
    QFETCH(bool, becomesCurrent);
    QFETCH(QString, warningAbout);

    TMainFixture f;
    TfrmMain& w = CreateIn(f, rom);
    const QString folder = f.Folders.Documents() + QStringLiteral("/elsewhere/");
    const QString path = folder + QStringLiteral("other.") + Ext(rom);
    if (!file.isEmpty())
        TTestFolders::WriteFile(path, file);
    else
        QDir().mkpath(folder);
    Find<QTabBar>(w, "TabControlLevel")->setCurrentIndex(1);

    f.Prompts.QueueFileName(path);
    QTest::mouseClick(Find<QToolButton>(w, "ToolBtnOpen"), Qt::LeftButton);

    const TFileDialogOptions& dialog = f.Prompts.Dialogs.at(0);
    QCOMPARE(dialog.Title, rom ? "Open Advanced Configuration File" : "Open CKD Redefinition File");
    QCOMPARE(dialog.QtFilter(),
             rom ? "Ostrella ROM Files (*.rom)" : "Custom Keyboard Definition (*.ckd)");
    QCOMPARE(dialog.DefaultExt, Ext(rom));
    QCOMPARE(dialog.InitialDir, MacroFolder(f));

    QCOMPARE(f.Prompts.TextsOf("error"), error.isEmpty() ? QStringList() : QStringList{error});
    const QStringList information = f.Prompts.TextsOf("information");
    QCOMPARE(information.size(), warningAbout.isEmpty() ? 0 : 1);
    if (!warningAbout.isEmpty()) {
        QVERIFY(information[0].startsWith("Not everything in \"other.ckd\" could be read"));
        QVERIFY2(information[0].contains(warningAbout) && information[0].contains("[KEY-1]"),
                 qPrintable(information[0]));
    }
    QCOMPARE(w.UserDirString, folder);
    QCOMPARE((rom ? w.FileDialogs().SaveRomDialog : w.FileDialogs().SaveCKDDialog).InitialDir,
             folder);
    QCOMPARE(w.Document().FileName(rom ? TFileKind::Rom : TFileKind::User),
             becomesCurrent ? path : QStringLiteral("untitled"));
    // The image is named, not written.
    const QString image = folder + QStringLiteral("other.hex");
    QCOMPARE(w.Document().DownloadArgument(), !rom && error.isEmpty() ? Quoted(image) : QString());
    QVERIFY(!QFileInfo::exists(image));

    const bool loaded = !file.isEmpty() && error.isEmpty();
    QCOMPARE(w.windowTitle(), loaded ? (rom ? RomPrefix : UserPrefix) + QFileInfo(path).fileName()
                                     : (rom ? RomPrefix : UserPrefix) + QStringLiteral("untitled"));
    // Level 1 after a load; otherwise the level stays with its tab.
    QCOMPARE(int(w.KeypadDefinition.Level()), loaded ? 0 : 1);
    QCOMPARE(Find<QTabBar>(w, "TabControlLevel")->currentIndex(), loaded ? 0 : 1);
    const bool twelveKeys = file.contains("Number_Of_Keys=12");
    if (loaded) {
        QCOMPARE(w.GuiKeyLayout(), twelveKeys ? 1 : 2);
        QCOMPARE(int(w.KeypadDefinition.Key()), twelveKeys ? 4 : 0);
        QVERIFY(KeyButton(w, w.KeypadDefinition.Key())->isChecked());
        QVERIFY(KeyButton(w, w.KeypadDefinition.Key())->isVisible());
        QCOMPARE(w.AppState.AdvancedParams.HostType, rom ? 3 : 0);
        QVERIFY(Find<QLabel>(w, "panelPort")->text().endsWith(rom ? " >> HID" : "<not set>"));

        // Save writes back to the opened file without asking.
        QTest::keyClicks(GridOf(w), "q");
        QTest::mouseClick(Find<QToolButton>(w, "ToolBtnSave"), Qt::LeftButton);
        QCOMPARE(f.Prompts.Dialogs.size(), size_t(1));
        // The 12-key files selected key 4 with its "b"; the 20-key ROM file key 0.
        QVERIFY(TTestFolders::ReadFile(path).contains(twelveKeys ? "Level_1_Codes=6271\r\n"
                                                                 : "Level_1_Codes=71\r\n"));
        QCOMPARE(QFileInfo::exists(image), !rom);
    }
}

void TestMainFiles::openCancelledKeepsEverything()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    QTest::mouseClick(KeyButton(w, 6), Qt::LeftButton);
    Find<QTabBar>(w, "TabControlLevel")->setCurrentIndex(1);
    QTest::keyClicks(GridOf(w), "q");
    const QString title = w.windowTitle();

    f.Prompts.QueueAnswer(TPromptAnswer::No);
    f.Prompts.QueueFileName(QString());
    QTest::mouseClick(Find<QToolButton>(w, "ToolBtnOpen"), Qt::LeftButton);

    QCOMPARE(f.Prompts.TextsOf("open").size(), 1);
    QCOMPARE(w.KeypadDefinition.Key(), 6);
    QCOMPARE(int(w.KeypadDefinition.Level()), 1);
    QCOMPARE(MacroCodes(w.KeypadDefinition), QList<int32_t>{0x71});
    QVERIFY(w.IsChangesPending());
    QCOMPARE(w.windowTitle(), title);
    QVERIFY(w.UserDirString.isEmpty());
}

QTEST_MAIN(TestMainFiles)
#include "tst_mainfiles.moc"
