// Start-up, settings file, title, toolbar, port status panel and closing of
// the main window.

#include "support/MainFixture.h"

#include "app/AppSettings.h"
#include "ui/AppWindows.h"
#include "ui/dialogs/Advanced.h"
#include "ui/dialogs/HostTypeInfo.h"
#include "ui/dialogs/MacroLen.h"
#include "ui/dialogs/MidiEvents.h"
#include "ui/dialogs/Params.h"
#include "ui/dialogs/ScreenEdit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

const QString UserUntitled = QStringLiteral(" [USER Mode]   PadwrightRx - untitled");
const QString RomUntitled = QStringLiteral(" [ROM Edit Mode]   PadwrightRx - untitled");

QByteArray settings(const QByteArray& lines)
{
    return "[CONFIGURATION]\r\n" + lines;
}

} // namespace

// A dialog as the property dialogs are: it applies a change and closes.
class TApplyingDialog : public QDialog
{
    Q_OBJECT
public:
    int Shown = 0;
    // Opens on the main window's `request` and reports its changes to it.
    void Attach(TfrmMain& main, void (TfrmMain::*request)())
    {
        connect(&main, request, this, &QDialog::exec);
        connect(this, &TApplyingDialog::changesApplied, &main, &TfrmMain::DialogChangesApplied);
    }
Q_SIGNALS:
    void changesApplied();

protected:
    void showEvent(QShowEvent* event) override
    {
        QDialog::showEvent(event);
        ++Shown;
        QTimer::singleShot(0, this, [this] {
            Q_EMIT changesApplied();
            accept();
        });
    }
};

class TestMainShell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsWithSettings_data();
    void startsWithSettings();
    void settingsFileKeepsWhatItDoesNotWrite();
    void ctrlAtStartAsksForTheMode_data();
    void ctrlAtStartAsksForTheMode();
    void makesDataFolders();
    void fileDialogFilters();
    void windowFrameAndToolbar();
    void titleAndChangeMark();
    void commandLineFile();
    void portPanel_data();
    void portPanel();
    void propertiesButton();
    void refusedPrefixChangeIsNoChange_data();
    void refusedPrefixChangeIsNoChange();
    void windowsCreatedTogether();
    void hostTypeInfoClosesWithItsDialog_data();
    void hostTypeInfoClosesWithItsDialog();
    void prefixChangeShowsWhileThePropertiesAreOpen();
    void closing_data();
    void closing();
};

void TestMainShell::startsWithSettings_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("layout");
    QTest::addColumn<bool>("rom");
    QTest::addColumn<int>("channel");

    QTest::newRow("no file") << QByteArray() << 2 << false << 1;
    QTest::newRow("12 keys") << settings("Keypad_Layout=1\r\n") << 1 << false << 1;
    QTest::newRow("layout 7") << settings("Keypad_Layout=7\r\n") << 2 << false << 1;
    QTest::newRow("layout not a number") << settings("Keypad_Layout=two\r\n") << 2 << false << 1;
    QTest::newRow("channel 17") << settings("MIDI_Channel=17\r\n") << 2 << false << 1;
    QTest::newRow("channel 0") << settings("MIDI_Channel=0\r\n") << 2 << false << 1;
    QTest::newRow("channel 257, low byte 1") << settings("MIDI_Channel=257\r\n") << 2 << false << 1;
    QTest::newRow("channel 272, low byte 16")
        << settings("MIDI_Channel=272\r\n") << 2 << false << 16;
    QTest::newRow("channel in hex") << settings("MIDI_Channel=0x0A\r\n") << 2 << false << 10;
    QTest::newRow("ROM Edit Mode") << settings("Advanced_Enable=1\r\n") << 2 << true << 1;
    QTest::newRow("names in any case")
        << QByteArray("[configuration]\r\nkeypad_layout=1\r\nmidi_channel=9\r\n") << 1 << false
        << 9;
}

void TestMainShell::startsWithSettings()
{
    QFETCH(QByteArray, file);
    QFETCH(int, layout);
    QFETCH(bool, rom);
    QFETCH(int, channel);

    TMainFixture f;
    if (!file.isEmpty())
        TTestFolders::WriteFile(f.Folders.SettingsFile(), file);
    TfrmMain& w = f.Create({}, false);
    QCOMPARE(w.IsRomEditMode(), rom);
    QCOMPARE(int(w.MidiChannel), channel);
    QCOMPARE(w.windowTitle(), rom ? RomUntitled : UserUntitled);
    QVERIFY(!w.IsChangesPending());
    QVERIFY(f.Prompts.Shown.empty());

    // Showing applies the layout and writes it back, corrected.
    w.show();
    QCOMPARE(w.GuiKeyLayout(), layout);
    QCOMPARE(Find<QRadioButton>(w, "rbModelR12")->isChecked(), layout == 1);
    QCOMPARE(Find<QRadioButton>(w, "rbModelR20")->isChecked(), layout == 2);
    QCOMPARE(w.KeypadDefinition.Key(), layout == 1 ? 4 : 0);
    QCOMPARE(TAppSettings(f.Folders.SettingsFile()).Read().KeypadLayout, layout);
    QVERIFY(f.SettingsText().toLower().contains(QByteArray("keypad_layout=") +
                                                QByteArray::number(layout)));

    // Closing writes the channel, corrected as well.
    QVERIFY(w.close());
    QVERIFY(f.SettingsText().toLower().contains(QByteArray("midi_channel=") +
                                                QByteArray::number(channel)));
}

void TestMainShell::settingsFileKeepsWhatItDoesNotWrite()
{
    TMainFixture f;
    TTestFolders::WriteFile(f.Folders.SettingsFile(),
                            "; kept comment\r\n[Other]\r\nx=1\r\n[Configuration]\r\n"
                            "keypad_layout = 7\r\nUser_Note=left alone\r\n\r\n");
    TfrmMain& w = f.Create();
    w.MidiChannel = 12;
    QVERIFY(w.close());
    QCOMPARE(f.SettingsText(), QByteArray("; kept comment\r\n[Other]\r\nx=1\r\n[Configuration]\r\n"
                                          "keypad_layout=2\r\nUser_Note=left alone\r\n"
                                          "MIDI_Channel=12\r\n\r\n"));
}

void TestMainShell::ctrlAtStartAsksForTheMode_data()
{
    QTest::addColumn<bool>("advancedEnable");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("rom");
    QTest::newRow("enabled, answer No") << true << int(TPromptAnswer::No) << false;
    QTest::newRow("not enabled, answer Yes") << false << int(TPromptAnswer::Yes) << true;
}

void TestMainShell::ctrlAtStartAsksForTheMode()
{
    QFETCH(bool, advancedEnable);
    QFETCH(int, answer);
    QFETCH(bool, rom);

    TMainFixture f;
    const QByteArray file =
        settings(advancedEnable ? "Advanced_Enable=1\r\n" : "Advanced_Enable=0\r\n");
    TTestFolders::WriteFile(f.Folders.SettingsFile(), file);
    f.Keyboard.Ctrl = true;
    f.Prompts.QueueAnswer(TPromptAnswer(answer));
    TfrmMain& w = f.Create({}, false);

    QCOMPARE(f.Prompts.Shown.size(), size_t(1));
    QCOMPARE(f.Prompts.Shown[0].Kind, "yesno");
    QCOMPARE(f.Prompts.Shown[0].Caption, "PadwrightRx Edit Mode Selection");
    QCOMPARE(f.Prompts.Shown[0].Text, "Do you wish to enter advanced ROM Edit mode?");
    QCOMPARE(w.IsRomEditMode(), rom);
    QCOMPARE(w.windowTitle(), rom ? RomUntitled : UserUntitled);
    QCOMPARE(f.SettingsText(), file); // the answer is not stored
}

void TestMainShell::makesDataFolders()
{
    TMainFixture f;
    TfrmMain& w = f.Create({}, false);
    const QString data = f.Folders.DataFolder();
    QVERIFY(QDir(data + "/Macro_Files").exists());
    QVERIFY(QDir(data + "/Keycap_Labels").exists());
    QCOMPARE(QDir(w.DirString).canonicalPath(), QDir(data).canonicalPath());
    QCOMPARE(QDir(w.FileDialogs().OpenCKDDialog.InitialDir).canonicalPath(),
             QDir(data + "/Macro_Files").canonicalPath());
    QCOMPARE(w.FileDialogs().SaveRomDialog.InitialDir, w.FileDialogs().OpenCKDDialog.InitialDir);
    QCOMPARE(QDir(w.FileDialogs().OpenKeyCapsDialog.InitialDir).canonicalPath(),
             QDir(data + "/Keycap_Labels").canonicalPath());
    QCOMPARE(w.Document().FileName(TFileKind::User), "untitled");
    QVERIFY(f.Prompts.Shown.empty());

    // A folder that cannot be made is reported; start-up goes on.
    TMainFixture g;
    TTestFolders::WriteFile(g.Folders.Documents() + "/Halvorsten", "a file, not a folder");
    TfrmMain& w2 = g.Create({}, false);
    QVERIFY(!g.Prompts.TextsOf("error").isEmpty());
    QVERIFY(g.Prompts.TextsOf("error").first().contains("Halvorsten"));
    QCOMPARE(w2.windowTitle(), UserUntitled);
}

void TestMainShell::fileDialogFilters()
{
    TMainFixture f;
    TfrmMain& w = f.Create({}, false);
    QCOMPARE(w.FileDialogs().OpenKeyCapsDialog.QtFilter(),
             "All Files (*.*);;Keycap Bitmaps (*.bmp);;Keycap Documents (*.doc)");
    QCOMPARE(w.FileDialogs().SaveCKDDialog.QtFilter(), "Custom Keyboard Definition  Files (*.ckd)");
    QVERIFY(w.FileDialogs().SaveCKDDialog.OverwritePrompt);
    QVERIFY(!w.FileDialogs().OpenCKDDialog.OverwritePrompt);
    QCOMPARE(w.FileDialogs().SaveRomDialog.DefaultExt, "rom");
    // A description that does not name its pattern gets it, so Qt applies it.
    TFileDialogOptions options;
    options.Filters = {{"Pictures", "*.bmp"}};
    QCOMPARE(options.QtFilter(), "Pictures (*.bmp)");
}

void TestMainShell::windowFrameAndToolbar()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);

    // Hints name the button's shortcut, if it has one.
    struct TButton
    {
        const char* name;
        const char* caption;
        const char* hint;
        bool hasShortcut = false;
    };
    const TButton buttons[] = {
        {"ToolBtnNew", " New ", "New", true},
        {"ToolBtnOpen", " Open ", "Open", true},
        {"ToolBtnSave", " Save ", "Save", true},
        {"ToolBtnSaveAs", "Save As", "Save As", true},
        {"ToolBtnParameters", "Properties", "Edit User/NV Ostrella properties"},
        {"ToolBtnSetPort", "Set Port", "Set COM Port # for the Download and Test operations"},
        {"ToolBtnDownload", "Download", "Download the current file to the Ostrella"},
        {"ToolButtonTest", "  Test  ", "Test the Ostrella (Serial or HID)"},
        {"ToolButtonKeyLabels", "Key Labels", "Key Labels"},
        {"ToolBtnHelp", " Help ", ""},
    };
    int lastX = -1;
    for (const TButton& b : buttons) {
        auto* button = w.findChild<QToolButton*>(b.name);
        QVERIFY2(button, b.name);
        QCOMPARE(button->text(), QString::fromLatin1(b.caption));
        const QString shortcut =
            button->defaultAction()
                ? button->defaultAction()->shortcut().toString(QKeySequence::NativeText)
                : QString();
        QCOMPARE(!shortcut.isEmpty(), b.hasShortcut);
        QCOMPARE(button->toolTip(),
                 QString::fromLatin1(b.hint) + (b.hasShortcut ? " (" + shortcut + ")" : QString()));
        QVERIFY2(button->isVisible(), b.name);
        QVERIFY2(button->mapTo(&w, QPoint()).x() > lastX, b.name); // left to right
        lastX = button->mapTo(&w, QPoint()).x();
        // Nothing clipped at the window's right edge.
        QVERIFY2(button->mapTo(&w, QPoint(button->width(), 0)).x() <= w.width(), b.name);
    }
    QCOMPARE(Find<QMenu>(w, "HelpMenu")->actions().size(), 2);
    QCOMPARE(Find<QAction>(w, "UserManual1")->text(), "&User Manual");
    QCOMPARE(Find<QAction>(w, "About1")->text(), "&About Padwright");
    QCOMPARE(Find<QToolButton>(w, "ToolBtnHelp")->menu(), Find<QMenu>(w, "HelpMenu"));
    QVERIFY(!Find<QToolButton>(w, "ToolBtnSave")->isEnabled());
    QCOMPARE(Find<QLabel>(w, "panelPort")->text(), "Port: <not set>");
    QCOMPARE(w.findChild<QWidget*>("pnlPalette"), Find<QWidget>(w, "pnlPalette"));
    QVERIFY(Find<QWidget>(w, "pnlPalette")->width() >= 900);
}

void TestMainShell::titleAndChangeMark()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    QCOMPARE(w.windowTitle(), UserUntitled);
    w.ChangesPending(true);
    w.ChangesPending(true);
    QCOMPARE(w.windowTitle(), UserUntitled + "*");
    QVERIFY(Find<QToolButton>(w, "ToolBtnSave")->isEnabled());
    // Clearing the flag leaves the title to the next title change.
    w.ChangesPending(false);
    QVERIFY(!Find<QToolButton>(w, "ToolBtnSave")->isEnabled());
    QCOMPARE(w.windowTitle(), UserUntitled + "*");
    w.SetFileTitle(TFileKind::User, f.Folders.Documents() + "/keys.ckd");
    QCOMPARE(w.windowTitle(), " [USER Mode]   PadwrightRx - keys.ckd");
    w.SetFileTitle(TFileKind::Rom, "/somewhere/else/pad.rom");
    QCOMPARE(w.windowTitle(), " [ROM Edit Mode]   PadwrightRx - pad.rom");
}

void TestMainShell::commandLineFile()
{
    {
        // A missing file is ignored without a message.
        TMainFixture f;
        TfrmMain& w = f.Create({f.Folders.Documents() + "/missing.ckd"});
        QCOMPARE(w.windowTitle(), "PadwrightRx");
        QVERIFY(f.Prompts.Shown.empty());
        QCOMPARE(w.KeypadDefinition.NumOfElements(), 0);
    }
    {
        // A 12-key file in ROM Edit Mode: read as a user file, USER prefix,
        // the 12-key layout, the Properties caption kept with the ROM menu.
        TMainFixture f;
        TTestFolders::WriteFile(f.Folders.SettingsFile(),
                                settings("Advanced_Enable=1\r\nKeypad_Layout=2\r\n"));
        const QString path = f.Folders.Documents() + "/pad12.ckd";
        TTestFolders::WriteFile(path, "[GLOBAL_PARAMETERS]\r\nNumber_Of_Keys=12\r\n"
                                      "[KEY4]\r\nKeyType=2\r\nLevel_1_Codes=6162\r\n"
                                      "Level_1_Name=ab\r\n[KEY9]\r\nKeyType=1\r\n");
        TfrmMain& w = f.Create({path});
        QVERIFY(w.IsRomEditMode());
        QCOMPARE(w.windowTitle(), " [USER Mode]   PadwrightRx - pad12.ckd");
        QVERIFY(!w.IsChangesPending());
        QCOMPARE(w.GuiKeyLayout(), 1);
        QVERIFY(Find<QRadioButton>(w, "rbModelR12")->isChecked());
        QCOMPARE(w.KeypadDefinition.Key(), 4);
        QCOMPARE(w.KeypadDefinition.Level(), 0);
        QCOMPARE(w.Document().FileName(TFileKind::User), path);
        // The first key's macro in the grid, the key type icons on the buttons.
        QCOMPARE(CellText(w, 0), "a");
        QCOMPARE(CellText(w, 1), "b");
        QCOMPARE(w.GridPosition(), 2);
        QCOMPARE(Find<QLineEdit>(w, "EditName")->text(), "ab");
        QVERIFY(!KeyButton(w, 4)->icon().isNull());
        QVERIFY(!KeyButton(w, 9)->icon().isNull());
        QVERIFY(KeyButton(w, 5)->icon().isNull());
        QCOMPARE(Find<QToolButton>(w, "ToolBtnParameters")->text(), "Properties");
        QCOMPARE(Find<QToolButton>(w, "ToolBtnParameters")->menu(), Find<QMenu>(w, "EditMenu"));
        QCOMPARE(TAppSettings(f.Folders.SettingsFile()).Read().KeypadLayout, 1);
    }
    {
        // A file the reader refuses: its message, nothing else.
        TMainFixture f;
        const QString path = f.Folders.Documents() + "/bad.ckd";
        TTestFolders::WriteFile(path, "[Notes]\r\nfree text\r\n");
        TfrmMain& w = f.Create({path});
        // Named, since no dialog showed which file it was.
        QCOMPARE(f.Prompts.TextsOf("error"),
                 QStringList{"The file " + QDir::toNativeSeparators(path) +
                             " could not be opened:\n'es' is not a valid integer value"});
        QCOMPARE(w.windowTitle(), "PadwrightRx");
    }
}

void TestMainShell::portPanel_data()
{
    QTest::addColumn<QByteArray>("rxload");
    QTest::addColumn<int>("opMode");
    QTest::addColumn<int>("hostType");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("hint");

    const QColor green(0, 128, 0);
    const QColor red(255, 0, 0);
    const QString setPort = "Click \"Set Port\" to set the Ostrella COM port";
    const QString hid = "After download, Host Mode will be set to HID (PC KB)";
    const QByteArray section = "[Com Port Configuration]\r\n";

    QTest::newRow("no file") << QByteArray() << 1 << 0 << "Port: <not set>" << red << setPort;
    QTest::newRow("COM3 USB keyboard too")
        << section + "ComPort=3\r\nComType=U\r\nbOstrellaK=1\r\n"
        << 1 << 0 << "Port: COM3 (USB) or KB2" << green << setPort;
    QTest::newRow("COM12 DB9") << section + "ComPort=12\r\nComType=R\r\n"
                               << 1 << 0 << "Port: COM12 (DB9)" << green << setPort;
    QTest::newRow("other type") << section + "ComPort=2\r\nComType=u\r\n"
                                << 1 << 0 << "Port: COM2" << green << setPort;
    QTest::newRow("not set, keyboard") << section + "ComPort=0\r\nbOstrellaK=1\r\n"
                                       << 1 << 0 << "Port: <not set> or KB2" << green << setPort;
    QTest::newRow("negative") << section + "ComPort=-1\r\n"
                              << 1 << 0 << "Port: <not set>" << red << setPort;
    QTest::newRow("HID host mode 0x30")
        << section + "ComPort=3\r\nComType=U\r\nbOstrellaK=1\r\n"
        << 0x31 << 0 << "Port: COM3 (USB) or KB2 >> HID" << green << hid;
    QTest::newRow("HID host mode 0xB0")
        << QByteArray() << 0xB5 << 0 << "Port: <not set> >> HID" << green << hid;
    QTest::newRow("HID host type 11")
        << QByteArray() << 0x21 << 11 << "Port: <not set> >> HID" << green << hid;
}

void TestMainShell::portPanel()
{
    QFETCH(QByteArray, rxload);
    QFETCH(int, opMode);
    QFETCH(int, hostType);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    QFETCH(QString, hint);

    TMainFixture f;
    if (!rxload.isEmpty())
        TTestFolders::WriteFile(f.Folders.LoaderSettingsFile(), rxload);
    TfrmMain& w = f.Create({}, false);
    w.KeypadDefinition.SetOpMode(uint8_t(opMode));
    w.AppState.AdvancedParams.HostType = hostType;
    w.UpdatePortPanel();
    w.UpdatePortPanel(); // a rebuild adds no suffix twice
    QCOMPARE(Find<QLabel>(w, "panelPort")->text(), text);
    QCOMPARE(Find<QLabel>(w, "panelPort")->palette().color(QPalette::WindowText), colour);
    QCOMPARE(Find<QLabel>(w, "panelPort")->toolTip(), hint);
}

void TestMainShell::propertiesButton()
{
    {
        TMainFixture f;
        TfrmMain& w = f.Create();
        QCOMPARE(Find<QToolButton>(w, "ToolBtnParameters")->text(), "Properties");
        QVERIFY(!Find<QToolButton>(w, "ToolBtnParameters")->menu());
        const int wide = Find<QWidget>(w, "ToolSepSaveAs")->width();

        // The properties dialog applies a change: the window marks it, then
        // rebuilds the port panel and the transmit-now box.
        TApplyingDialog dialog;
        dialog.Attach(w, &TfrmMain::userPropertiesRequested);
        TTestFolders::WriteFile(f.Folders.LoaderSettingsFile(),
                                "[Com Port Configuration]\r\nComPort=4\r\n");
        w.KeypadDefinition.SetOpMode(0x00);
        QTest::mouseClick(Find<QToolButton>(w, "ToolBtnParameters"), Qt::LeftButton);
        QCOMPARE(dialog.Shown, 1);
        QVERIFY(w.windowTitle().endsWith('*'));
        QCOMPARE(Find<QLabel>(w, "panelPort")->text(), "Port: COM4");
        QVERIFY(!Find<QCheckBox>(w, "cboxKeyAsTrueTerminal")->isEnabled());

        TMainFixture g;
        TTestFolders::WriteFile(g.Folders.SettingsFile(), settings("Advanced_Enable=1\r\n"));
        TfrmMain& r = g.Create();
        QCOMPARE(Find<QToolButton>(r, "ToolBtnParameters")->text(), "ROM Properties");
        QCOMPARE(Find<QToolButton>(r, "ToolBtnParameters")->menu(), Find<QMenu>(r, "EditMenu"));
        QVERIFY(Find<QWidget>(r, "ToolSepSaveAs")->width() < wide);
        QCOMPARE(Find<QMenu>(r, "EditMenu")->actions().size(), 2);
        QCOMPARE(Find<QAction>(r, "EditAdvancedProperties1")->text(),
                 "Edit &Advanced ROM Properties");
        QCOMPARE(Find<QAction>(r, "EditScreenData1")->text(), "Edit &Screen Data");
        // The longer caption still fits the window.
        QVERIFY(Find<QToolButton>(r, "ToolBtnHelp")
                    ->mapTo(&r, QPoint(Find<QToolButton>(r, "ToolBtnHelp")->width(), 0))
                    .x() <= r.width());

        TApplyingDialog advanced;
        advanced.Attach(r, &TfrmMain::advancedPropertiesRequested);
        Find<QAction>(r, "EditAdvancedProperties1")->trigger();
        QCOMPARE(advanced.Shown, 1);
        QVERIFY(r.IsChangesPending());

        // The screen editor warns first when automated screens are off.
        TApplyingDialog screens;
        screens.Attach(r, &TfrmMain::screenDataRequested);
        Find<QAction>(r, "EditScreenData1")->trigger();
        QCOMPARE(g.Prompts.TextsOf("information"),
                 QStringList{"Warning: You have not enabled \"Automated Screen Mode\" (on the "
                             "Advanced ROM Properties form)."});
        QCOMPARE(screens.Shown, 1);
        g.Prompts.Clear();
        r.AppState.AdvancedParams.ScreenEnable = true;
        Find<QAction>(r, "EditScreenData1")->trigger();
        QVERIFY(g.Prompts.Shown.empty());
        QCOMPARE(screens.Shown, 2);
    }
}

void TestMainShell::prefixChangeShowsWhileThePropertiesAreOpen()
{
    TMainFixture f;
    TfrmMain& w = f.CreateWithWindows();
    QVERIFY(w.AddByte('~'));
    QCOMPARE(CellText(w, 0), "~");
    QCOMPARE(Find<QLabel>(w, "lblBytesUsed")->text(), "99");

    // Apply with ~ as the prefix: the ~ is escaped in the macro, and the grid
    // shows it before the dialog is closed.
    QString whileOpen;
    QString bytesWhileOpen;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->findChild<QSpinBox*>(QStringLiteral("spinCmdPrefix"))->setValue('~');
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnApply")),
                          Qt::LeftButton);
        whileOpen = CellText(w, 0);
        bytesWhileOpen = Find<QLabel>(w, "lblBytesUsed")->text();
        dialog->reject();
    });
    QTest::mouseClick(Find<QToolButton>(w, "ToolBtnParameters"), Qt::LeftButton);
    QCOMPARE(whileOpen, "@@");
    QCOMPARE(bytesWhileOpen, "98");
    QCOMPARE(Find<QProgressBar>(w, "ProgressBar1")->value(), 2);
    QCOMPARE(MacroCodes(w.KeypadDefinition), QList<int32_t>{0x4040});
    QCOMPARE(w.KeypadDefinition.MakeCodes(), "7e40");
    QVERIFY(w.IsChangesPending());
}

void TestMainShell::refusedPrefixChangeIsNoChange_data()
{
    QTest::addColumn<bool>("alsoKeyBeep");
    QTest::newRow("the prefix alone") << false;
    QTest::newRow("with a key beep change") << true;
}

void TestMainShell::refusedPrefixChangeIsNoChange()
{
    QFETCH(bool, alsoKeyBeep);
    TMainFixture f;
    TfrmMain& w = f.CreateWithWindows();
    // A full macro ending in ~: with ~ as the prefix it would need 101 bytes.
    int32_t position = 0;
    for (int i = 0; i < 99; ++i)
        QVERIFY(w.KeypadDefinition.InsertByte(position, 'x'));
    QVERIFY(w.KeypadDefinition.InsertByte(position, '~'));

    QTimer::singleShot(0, [&] {
        QDialog& dialog = f.Windows->Parameters();
        Find<QSpinBox>(dialog, "spinCmdPrefix")->setValue('~');
        if (alsoKeyBeep)
            Find<QSpinBox>(dialog, "spinKeyClick")->setValue(60);
        QTest::mouseClick(Find<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
        if (dialog.isVisible())
            dialog.reject();
    });
    TriggerAction(w, "PropertiesMenuItem");
    QCOMPARE(f.Prompts.TextsOf("error").size(), 1); // "The command prefix stays 64: ..."
    QCOMPARE(int(w.KeypadDefinition.CmdPrefix()), 64);
    QCOMPARE(w.IsChangesPending(), alsoKeyBeep);
    QCOMPARE(w.windowTitle().endsWith('*'), alsoKeyBeep);
    QCOMPARE(Find<QToolButton>(w, "ToolBtnSave")->isEnabled(), alsoKeyBeep);
}

void TestMainShell::windowsCreatedTogether()
{
    TTestFolders folders;
    TScriptedPrompts prompts;
    TAppState state;
    TAppWindows windows(state, {});
    TfrmMain& w = windows.Main();
    // The main window owns the others.
    for (const QWidget* dialog : std::initializer_list<const QWidget*>{
             &windows.Parameters(), &windows.Advanced(), &windows.ScreenEdit(),
             &windows.MidiEvents(), &windows.MacroLenWarning(), &windows.HostTypeInfo()})
        QCOMPARE(dialog->parentWidget(), &w);
    // The MIDI dialog inserts through the main window, escaping included.
    Q_EMIT windows.MidiEvents().insertRequested({0x90, 64});
    QCOMPARE(MacroCodes(state.KeypadDefinition), (QList<int32_t>{0x90, 0x4040}));
    QVERIFY(w.IsChangesPending());
    // "Don't show this message again" reaches the main window.
    TfrmMacroLenWarning* warning = &windows.MacroLenWarning();
    QVERIFY(!w.bMacroLengthWarningOff);
    Q_EMIT warning->warningTurnedOff();
    QVERIFY(w.bMacroLengthWarningOff);
}

void TestMainShell::hostTypeInfoClosesWithItsDialog_data()
{
    QTest::addColumn<bool>("rom");
    QTest::addColumn<QString>("button");
    for (bool rom : {false, true})
        for (const char* button : {"btnOK", "btnCancel"})
            QTest::addRow("%s, %s", rom ? "advanced" : "user properties", button)
                << rom << QString::fromLatin1(button);
}

void TestMainShell::hostTypeInfoClosesWithItsDialog()
{
    QFETCH(bool, rom);
    QFETCH(QString, button);
    TMainFixture f;
    if (rom)
        TTestFolders::WriteFile(f.Folders.SettingsFile(), settings("Advanced_Enable=1\r\n"));
    TfrmMain& w = f.CreateWithWindows();
    QDialog* dialog = rom ? static_cast<QDialog*>(&f.Windows->Advanced())
                          : static_cast<QDialog*>(&f.Windows->Parameters());
    bool shownBeside = false;
    QTimer::singleShot(0, dialog, [&] {
        if (rom)
            dialog->findChild<QTabWidget*>()->setCurrentIndex(3); // Host
        auto* notes = Find<QWidget>(*dialog, "lblHostNotes");
        QTest::mouseClick(notes, Qt::LeftButton, {}, notes->rect().center());
        shownBeside = f.Windows->HostTypeInfo().isVisible();
        // A change, so that OK can be pressed.
        QTest::mouseClick(Find<QRadioButton>(*dialog, rom ? "rbHostHIDK2" : "rbLineEdit"),
                          Qt::LeftButton);
        QTest::mouseClick(Find<QPushButton>(*dialog, button), Qt::LeftButton);
        if (dialog->isVisible())
            dialog->reject();
    });
    TriggerAction(w, rom ? "EditAdvancedProperties1" : "PropertiesMenuItem");
    QVERIFY(shownBeside);
    QVERIFY(!dialog->isVisible());
    QVERIFY(!f.Windows->HostTypeInfo().isVisible());
}

void TestMainShell::closing_data()
{
    QTest::addColumn<bool>("rom");
    QTest::addColumn<bool>("pending");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");

    QTest::newRow("nothing pending") << false << false << int(TPromptAnswer::Cancel) << true;
    QTest::newRow("Cancel") << false << true << int(TPromptAnswer::Cancel) << false;
    QTest::newRow("No") << false << true << int(TPromptAnswer::No) << true;
    QTest::newRow("ROM Edit Mode, No") << true << true << int(TPromptAnswer::No) << true;
    // Yes with a save that does not happen keeps the window and the edits.
    QTest::newRow("Yes, save not done") << false << true << int(TPromptAnswer::Yes) << false;
}

void TestMainShell::closing()
{
    QFETCH(bool, rom);
    QFETCH(bool, pending);
    QFETCH(int, answer);
    QFETCH(bool, closes);

    TMainFixture f;
    TTestFolders::WriteFile(
        f.Folders.SettingsFile(),
        settings(rom ? "Advanced_Enable=1\r\nMIDI_Channel=5\r\n" : "MIDI_Channel=5\r\n"));
    TfrmMain& w = f.Create();
    w.MidiChannel = 7;
    if (pending)
        QTest::keyClicks(GridOf(w), "q");
    f.Prompts.QueueAnswer(TPromptAnswer(answer));

    QCOMPARE(w.close(), closes);
    QCOMPARE(w.isVisible(), !closes);
    if (pending) {
        // Yes runs Save, which asks for a name for an untitled definition.
        QCOMPARE(f.Prompts.Shown.size(), size_t(answer == int(TPromptAnswer::Yes) ? 2 : 1));
        QCOMPARE(f.Prompts.Shown[0].Kind, "yesnocancel");
        QCOMPARE(f.Prompts.Shown[0].Text,
                 rom ? "Do you wish to save changes to your configuration?"
                     : "Do you wish to save changes to your custom definition?");
    } else {
        QVERIFY(f.Prompts.Shown.empty());
    }
    QCOMPARE(w.IsChangesPending(), pending); // closing itself clears nothing
    QCOMPARE(TAppSettings(f.Folders.SettingsFile()).Read().MidiChannel, closes ? 7 : 5);
}

QTEST_MAIN(TestMainShell)
#include "tst_mainshell.moc"
