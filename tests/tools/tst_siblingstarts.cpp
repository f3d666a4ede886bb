// The main window starting the real sibling programs of the build through the
// real launcher. Small shell scripts in the test's program folder stand in
// for the programs and run the built ones in their command-line modes, so
// nothing waits for a person.

#include "ToolProcess.h"
#include "support/MainFixture.h"
#include "ui/common/Launcher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

QByteArray ShellQuoted(const QString& text)
{
    return "'" + QFile::encodeName(text).replace("'", "'\\''") + "'";
}

void WriteScript(const QString& path, const QByteArray& body)
{
    TTestFolders::WriteFile(path, "#!/bin/sh\n" + body);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

class TestSiblingStarts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void setPortWaitsForTheProgram();
    void downloadHandsTheLoaderTheImage();
    void launcherReportsWhatItCannotStart();
};

void TestSiblingStarts::init()
{
#if !defined(Q_OS_UNIX)
    QSKIP("the stand-in scripts need a Unix shell");
#endif
}

void TestSiblingStarts::setPortWaitsForTheProgram()
{
    TMainFixture f;
    WriteScript(f.Folders.Program() + QStringLiteral("/SetPortRx"),
                "exec " + ShellQuoted(toolPath(QStringLiteral("SetPortRx"))) +
                    " --port 3 --type U\n");
    TfrmMain& w = f.Create();
    QCOMPARE(Find<QLabel>(w, "panelPort")->text(), "Port: <not set>");

    // The window takes no input until SetPortRx has ended and recorded its
    // choice; then the panel shows it.
    QTest::mouseClick(Find<QToolButton>(w, "ToolBtnSetPort"), Qt::LeftButton);
    QVERIFY(!w.isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(w.isEnabled(), 60000);

    QVERIFY(f.Prompts.Shown.empty());
    QCOMPARE(Find<QLabel>(w, "panelPort")->text(), "Port: COM3 (USB)");
    QVERIFY(TTestFolders::ReadFile(f.Folders.LoaderSettingsFile()).contains("ComPort=3"));
}

void TestSiblingStarts::downloadHandsTheLoaderTheImage()
{
    TMainFixture f;
    const QString out = f.Folders.Documents();
    WriteScript(f.Folders.Program() + QStringLiteral("/RxLoad"),
                ShellQuoted(toolPath(QStringLiteral("RxLoad"))) + " --check \"$@\" > " +
                    ShellQuoted(out + "/report.part") + " 2>&1\n" + "echo $? > " +
                    ShellQuoted(out + "/status.part") + "\n" + "mv " +
                    ShellQuoted(out + "/report.part") + " " + ShellQuoted(out + "/report.txt") +
                    "\n" + "mv " + ShellQuoted(out + "/status.part") + " " +
                    ShellQuoted(out + "/status.txt") + "\n");
    TfrmMain& w = f.Create();
    // A folder with a blank in its name: the quotes keep the path whole.
    const QString folder = f.Folders.Documents() + QStringLiteral("/My Macros");
    QVERIFY(QDir().mkpath(folder));
    QTest::keyClicks(GridOf(w), "q");
    f.Prompts.QueueFileName(folder + QStringLiteral("/pad.ckd"));
    QTest::mouseClick(Find<QToolButton>(w, "ToolBtnSaveAs"), Qt::LeftButton);

    QTest::mouseClick(Find<QToolButton>(w, "ToolBtnDownload"), Qt::LeftButton);
    QVERIFY(f.Prompts.Shown.size() == 1 && f.Prompts.Shown[0].Kind == QLatin1String("save"));

    // The loader runs on its own; the guard only keeps a broken build from
    // stopping the suite.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(out + "/status.txt"), 120000);
    const QString report = QString::fromUtf8(TTestFolders::ReadFile(out + "/report.txt"));
    QCOMPARE(TTestFolders::ReadFile(out + "/status.txt").trimmed(), "0");
    QVERIFY2(report.contains(QDir::toNativeSeparators(folder + QStringLiteral("/pad.hex"))),
             qPrintable(report));
    QVERIFY2(report.contains(QStringLiteral("Nothing was sent to the keypad.")),
             qPrintable(report));
}

void TestSiblingStarts::launcherReportsWhatItCannotStart()
{
    TTestFolders folders;
    TQtLauncher launcher;
    const QString missing = Launcher::SiblingProgram(QStringLiteral("RxLoad"));
    QCOMPARE(missing, folders.Program() + QStringLiteral("/RxLoad"));
    QVERIFY(!launcher.StartProgram(missing, QStringLiteral("\"x.hex\"")));
    QVERIFY(!launcher.StartWatched(missing, [] { QFAIL("a program that did not start ended"); }));
    QVERIFY(!launcher.OpenDocument(Launcher::SiblingDocument(QStringLiteral("OstrellaPro.pdf"))));

    // A watched program is reported once it has ended, from the event loop.
    const QString go = folders.Documents() + QStringLiteral("/go");
    const QString program = folders.Program() + QStringLiteral("/waits");
    // It gives up after a minute so that a launcher that never calls back
    // fails the test instead of stopping the suite.
    WriteScript(program, "i=0\nwhile [ ! -e " + ShellQuoted(go) +
                             " ] && [ $i -lt 600 ]; do sleep 0.1; i=$((i+1)); done\n");
    bool ended = false;
    QVERIFY(launcher.StartWatched(program, [&] { ended = true; }));
    QTest::qWait(200);
    QVERIFY(!ended);
    TTestFolders::WriteFile(go, "");
    QTRY_VERIFY_WITH_TIMEOUT(ended, 60000);
}

QTEST_MAIN(TestSiblingStarts)
#include "tst_siblingstarts.moc"
