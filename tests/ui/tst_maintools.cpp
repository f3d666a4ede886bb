// Download, Test, Set Port, the user manual and the key labels: what the main
// window starts, with which parameter, and what it says when it cannot.

#include "support/MainFixture.h"
#include "support/RecordingLauncher.h"

#include <QApplication>
#include <QTest>

namespace {

const QString NotOpened =
    QStringLiteral("Please open a Ostrella file before attempting to download.");
const QString NoTester = QStringLiteral("Could not find the Windows PadProbe Program.  Make sure "
                                        "it is located in the same directory as this application.");

QString Quoted(const QString& path)
{
    return QLatin1Char('"') + path + QLatin1Char('"');
}

QString ProgramPath(const TMainFixture& f, const QString& baseName)
{
    return f.Folders.Program() + QLatin1Char('/') + Launcher::ProgramFileName(baseName);
}

// Stand-in files in the program folder: the recording launcher starts what exists.
void AddPrograms(const TMainFixture& f, const QStringList& baseNames)
{
    for (const QString& name : baseNames)
        TTestFolders::WriteFile(ProgramPath(f, name), "stand-in");
}

QString MacroFolder(const TMainFixture& f)
{
    return f.Folders.DataFolder() + QStringLiteral("/Macro_Files");
}

QByteArray LoaderSettings(const QByteArray& lines)
{
    return "[Com Port Configuration]\r\n" + lines;
}

} // namespace

class TestMainTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void download_data();
    void download();
    void test_data();
    void test();
    void setPort_data();
    void setPort();
    void userManual_data();
    void userManual();
    void keyLabels();
};

void TestMainTools::download_data()
{
    QTest::addColumn<bool>("rom");
    QTest::addColumn<QString>("before"); // pending, untitled, new, saved, opened
    QTest::addColumn<bool>("loaderPresent");
    QTest::addColumn<QString>("passed"); // the file in the macro folder passed, quoted
    QTest::addColumn<QString>("error");

    const QString mustSave =
        QStringLiteral("You must save your file before downloading it to the keypad.");
    const QString noLoader = QStringLiteral("Could not find \"%1\" loader program. Make sure it is "
                                            "located in the same directory as this application.")
                                 .arg(Launcher::ProgramFileName(QStringLiteral("RxLoad")));
    QTest::newRow("USER Mode, pending") << false << "pending" << true << QString() << mustSave;
    QTest::newRow("ROM Edit Mode, pending") << true << "pending" << true << QString() << mustSave;
    QTest::newRow("USER Mode, untitled") << false << "untitled" << true << QString() << NotOpened;
    QTest::newRow("ROM Edit Mode, untitled")
        << true << "untitled" << true << QString() << NotOpened;
    QTest::newRow("USER Mode, after New") << false << "new" << true << QString() << NotOpened;
    QTest::newRow("ROM Edit Mode, after New") << true << "new" << true << QString() << NotOpened;
    QTest::newRow("USER Mode, saved") << false << "saved" << true << "pad.hex" << QString();
    QTest::newRow("ROM Edit Mode, saved") << true << "saved" << true << "pad.rom" << QString();
    // The image of an opened file is passed whether or not it exists.
    QTest::newRow("USER Mode, opened") << false << "opened" << true << "other.hex" << QString();
    QTest::newRow("ROM Edit Mode, opened") << true << "opened" << true << "other.rom" << QString();
    QTest::newRow("loader missing") << false << "saved" << false << "pad.hex" << noLoader;
}

void TestMainTools::download()
{
    QFETCH(bool, rom);
    QFETCH(QString, before);
    QFETCH(bool, loaderPresent);
    QFETCH(QString, passed);
    QFETCH(QString, error);

    TMainFixture f;
    TRecordingLauncher launcher;
    if (loaderPresent)
        AddPrograms(f, {QStringLiteral("RxLoad")});
    if (rom)
        TTestFolders::WriteFile(f.Folders.SettingsFile(),
                                "[CONFIGURATION]\r\nAdvanced_Enable=1\r\n");
    TfrmMain& w = f.Create();
    const QString folder = MacroFolder(f) + QLatin1Char('/');
    const QString ext = rom ? QStringLiteral(".rom") : QStringLiteral(".ckd");
    if (before != QLatin1String("untitled"))
        QTest::keyClicks(GridOf(w), "q");
    if (before == QLatin1String("saved") || before == QLatin1String("new")) {
        f.Prompts.QueueFileName(folder + QStringLiteral("pad") + ext);
        QTest::mouseClick(Find<QToolButton>(w, "ToolBtnSave"), Qt::LeftButton);
    }
    if (before == QLatin1String("new"))
        QTest::mouseClick(Find<QToolButton>(w, "ToolBtnNew"), Qt::LeftButton);
    if (before == QLatin1String("opened")) {
        TTestFolders::WriteFile(folder + QStringLiteral("other") + ext, "[KEY0]\r\n");
        f.Prompts.QueueAnswer(TPromptAnswer::No);
        f.Prompts.QueueFileName(folder + QStringLiteral("other") + ext);
        QTest::mouseClick(Find<QToolButton>(w, "ToolBtnOpen"), Qt::LeftButton);
    }
    f.Prompts.Clear();

    QTest::mouseClick(Find<QToolButton>(w, "ToolBtnDownload"), Qt::LeftButton);

    QCOMPARE(f.Prompts.TextsOf("error"), error.isEmpty() ? QStringList() : QStringList{error});
    if (passed.isEmpty()) {
        QVERIFY(launcher.Calls.empty());
    } else {
        QCOMPARE(launcher.Calls.size(), size_t(1));
        QCOMPARE(launcher.Calls[0].Kind, "start");
        QCOMPARE(launcher.Calls[0].Path, ProgramPath(f, QStringLiteral("RxLoad")));
        QCOMPARE(launcher.Calls[0].Parameters, Quoted(folder + passed));
    }
}

void TestMainTools::test_data()
{
    QTest::addColumn<int>("opMode");
    QTest::addColumn<int>("hostType");
    QTest::addColumn<QByteArray>("loaderSettings"); // empty: no file
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("started"); // empty: nothing is started
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<QString>("error");

    const QStringList both{QStringLiteral("LinkProbe"), QStringLiteral("PadProbe")};
    const QByteArray port3 = LoaderSettings("ComPort=3\r\n");
    const QString noPadProbe =
        QStringLiteral("Could not find the \"%1\" application. Make sure it is located in the "
                       "same directory as this application.")
            .arg(Launcher::ProgramFileName(QStringLiteral("PadProbe")));

    QTest::newRow("no loader settings")
        << 1 << 0 << QByteArray() << both << "LinkProbe" << QString() << QString();
    QTest::newRow("port 0") << 1 << 0 << LoaderSettings("ComPort=0\r\n") << both << "LinkProbe"
                            << QString() << QString();
    QTest::newRow("port 3") << 1 << 0 << port3 << both << "LinkProbe"
                            << "3" << QString();
    QTest::newRow("keyboard mode") << 1 << 0 << LoaderSettings("ComPort=-1\r\n") << both
                                   << "PadProbe" << QString() << QString();
    QTest::newRow("port -2") << 1 << 0 << LoaderSettings("ComPort=-2\r\n") << both << QString()
                             << QString() << NoTester;
    QTest::newRow("LinkProbe missing") << 1 << 0 << port3 << QStringList{"PadProbe"} << "LinkProbe"
                                       << "3" << NoTester;
    // A USB HID keyboard host starts the keyboard tester whatever the port.
    QTest::newRow("host mode 30") << 0x31 << 0 << port3 << both << "PadProbe" << QString()
                                  << QString();
    QTest::newRow("host mode B0") << 0xB4 << 0 << port3 << both << "PadProbe" << QString()
                                  << QString();
    QTest::newRow("host type 3") << 1 << 3 << port3 << both << "PadProbe" << QString() << QString();
    QTest::newRow("host type 11") << 1 << 11 << port3 << both << "PadProbe" << QString()
                                  << QString();
    QTest::newRow("host mode 30, PadProbe missing")
        << 0x30 << 0 << port3 << QStringList{"LinkProbe"} << "PadProbe" << QString() << noPadProbe;
}

void TestMainTools::test()
{
    QFETCH(int, opMode);
    QFETCH(int, hostType);
    QFETCH(QByteArray, loaderSettings);
    QFETCH(QStringList, present);
    QFETCH(QString, started);
    QFETCH(QString, parameter);
    QFETCH(QString, error);

    TMainFixture f;
    TRecordingLauncher launcher;
    AddPrograms(f, present);
    if (!loaderSettings.isEmpty())
        TTestFolders::WriteFile(f.Folders.LoaderSettingsFile(), loaderSettings);
    TfrmMain& w = f.Create();
    w.KeypadDefinition.SetOpMode(uint8_t(opMode));
    w.AppState.AdvancedParams.HostType = hostType;

    QTest::mouseClick(Find<QToolButton>(w, "ToolButtonTest"), Qt::LeftButton);

    QCOMPARE(f.Prompts.TextsOf("error"), error.isEmpty() ? QStringList() : QStringList{error});
    if (started.isEmpty()) {
        QVERIFY(launcher.Calls.empty());
    } else {
        QCOMPARE(launcher.Calls.size(), size_t(1));
        QCOMPARE(launcher.Calls[0].Kind, "start");
        QCOMPARE(launcher.Calls[0].Path, ProgramPath(f, started));
        QCOMPARE(launcher.Calls[0].Parameters, parameter);
    }
}

void TestMainTools::setPort_data()
{
    QTest::addColumn<bool>("present");
    QTest::newRow("program present") << true;
    QTest::newRow("program missing") << false;
}

void TestMainTools::setPort()
{
    QFETCH(bool, present);

    TMainFixture f;
    TRecordingLauncher launcher;
    if (present)
        AddPrograms(f, {QStringLiteral("SetPortRx")});
    TfrmMain& w = f.Create();
    QCOMPARE(Find<QLabel>(w, "panelPort")->text(), "Port: <not set>");
    const QByteArray choice = LoaderSettings("ComPort=3\r\nComType=U\r\n");
    if (present) {
        // The program leaves its choice in the loader settings while the window waits.
        launcher.WhileRunning = [&] {
            QCOMPARE(Find<QLabel>(w, "panelPort")->text(), "Port: <not set>");
            // The window takes no input meanwhile, shortcuts included.
            QVERIFY(!w.isEnabled());
            QTest::keySequence(&w, QKeySequence::Open);
            QVERIFY(f.Prompts.Shown.empty());
            TTestFolders::WriteFile(f.Folders.LoaderSettingsFile(), choice);
        };
    } else {
        // Someone else changed the settings: the panel is rebuilt all the same.
        TTestFolders::WriteFile(f.Folders.LoaderSettingsFile(), choice);
    }

    QTest::mouseClick(Find<QToolButton>(w, "ToolBtnSetPort"), Qt::LeftButton);

    QCOMPARE(launcher.Calls.size(), size_t(1));
    QCOMPARE(launcher.Calls[0].Kind, "wait");
    QCOMPARE(launcher.Calls[0].Path, ProgramPath(f, QStringLiteral("SetPortRx")));
    const QStringList expected{
        QStringLiteral("Could not find \"%1\".  Make sure it is located in the same directory as "
                       "this application.")
            .arg(Launcher::ProgramFileName(QStringLiteral("SetPortRx")))};
    QCOMPARE(f.Prompts.TextsOf("error"), present ? QStringList() : expected);
    QCOMPARE(Find<QLabel>(w, "panelPort")->text(), "Port: COM3 (USB)");
    QVERIFY(w.isEnabled());
}

void TestMainTools::userManual_data()
{
    QTest::addColumn<bool>("present");
    QTest::newRow("manual present") << true;
    QTest::newRow("manual missing") << false;
}

void TestMainTools::userManual()
{
    QFETCH(bool, present);

    TMainFixture f;
    TRecordingLauncher launcher;
    const QString manual = f.Folders.Program() + QStringLiteral("/OstrellaPro.pdf");
    if (present)
        TTestFolders::WriteFile(manual, "%PDF-1.4\n");
    TfrmMain& w = f.Create();

    Find<QAction>(w, "UserManual1")->trigger();

    QCOMPARE(launcher.Calls.size(), size_t(1));
    QCOMPARE(launcher.Calls[0].Kind, "open");
    QCOMPARE(launcher.Calls[0].Path, manual);
    // Without the PDF the built-in copy opens in the help window.
    QVERIFY(f.Prompts.TextsOf("error").isEmpty());
    bool helpShown = false;
    for (QWidget* window : QApplication::topLevelWidgets())
        helpShown |= window->objectName() == "frmHelp" && window->isVisible();
    QCOMPARE(helpShown, !present);
}

void TestMainTools::keyLabels()
{
    TMainFixture f;
    TRecordingLauncher launcher;
    TfrmMain& w = f.Create();
    const QString folder = f.Folders.DataFolder() + QStringLiteral("/Keycap_Labels");
    const QString label = folder + QStringLiteral("/labels.doc");
    TTestFolders::WriteFile(label, "labels");

    // Cancelled: nothing is opened.
    QTest::mouseClick(Find<QToolButton>(w, "ToolButtonKeyLabels"), Qt::LeftButton);
    QVERIFY(launcher.Calls.empty());
    const TFileDialogOptions& dialog = f.Prompts.Dialogs.at(0);
    QCOMPARE(dialog.Title, "Open Key Labels (DOC and BMP)");
    QCOMPARE(dialog.QtFilter(),
             "All Files (*.*);;Keycap Bitmaps (*.bmp);;Keycap Documents (*.doc)");
    QCOMPARE(dialog.FilterIndex, 0);
    QCOMPARE(dialog.InitialDir, folder);

    f.Prompts.QueueFileName(label);
    QTest::mouseClick(Find<QToolButton>(w, "ToolButtonKeyLabels"), Qt::LeftButton);
    f.Prompts.QueueFileName(folder + QStringLiteral("/gone.bmp"));
    QTest::mouseClick(Find<QToolButton>(w, "ToolButtonKeyLabels"), Qt::LeftButton);

    QCOMPARE(launcher.Calls.size(), size_t(2));
    QCOMPARE(launcher.Calls[0].Kind, "open");
    QCOMPARE(launcher.Calls[0].Path, label);
    QCOMPARE(launcher.Calls[1].Path, folder + QStringLiteral("/gone.bmp"));
    QCOMPARE(f.Prompts.TextsOf("error"),
             QStringList{QStringLiteral("Could not find \"Label Keycaps.doc\" file.")});
}

QTEST_MAIN(TestMainTools)
#include "tst_maintools.moc"
