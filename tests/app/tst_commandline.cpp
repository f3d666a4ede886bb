// The editor's command line: a file to open, --help, --version, and options
// it refuses before any window exists.

#include "app/CommandLine.h"

#include <QProcess>
#include <QTest>

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void editorEndsWithoutAWindow_data();
    void editorEndsWithoutAWindow();
};

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("exits");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("files");

    QTest::newRow("nothing") << QStringList{} << false << 0 << QStringList{};
    QTest::newRow("file") << QStringList{"keys.ckd", "more.ckd"} << false << 0
                          << QStringList{"keys.ckd", "more.ckd"};
    QTest::newRow("Qt's options pass") << QStringList{"-platform", "offscreen", "-reverse", "a.ckd"}
                                       << false << 0 << QStringList{"a.ckd"};
    QTest::newRow("a name with a dash")
        << QStringList{"--", "-x.ckd"} << false << 0 << QStringList{"-x.ckd"};
    QTest::newRow("help") << QStringList{"--help"} << true << 0 << QStringList{};
    QTest::newRow("-h") << QStringList{"-h", "a.ckd"} << true << 0 << QStringList{};
    QTest::newRow("help-all") << QStringList{"--help-all"} << true << 0 << QStringList{};
    QTest::newRow("version") << QStringList{"--version"} << true << 0 << QStringList{};
    QTest::newRow("unknown") << QStringList{"--frobnicate", "a.ckd"} << true << 2 << QStringList{};
    QTest::newRow("unknown short") << QStringList{"-z"} << true << 2 << QStringList{};
    QTest::newRow("value missing") << QStringList{"-style"} << true << 2 << QStringList{};
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, exits);
    QFETCH(int, status);
    QFETCH(QStringList, files);
    const TCommandLine result = ParseCommandLine(QStringList{"PadwrightRx"} + arguments);
    QCOMPARE(result.Exit, exits);
    QCOMPARE(result.ExitCode, status);
    QCOMPARE(result.Files, files);
    // A refused command line says why, on standard error only.
    QCOMPARE(result.Error.isEmpty(), status == 0);
    QCOMPARE(result.Output.isEmpty(), !exits || status != 0);
}

void TestCommandLine::editorEndsWithoutAWindow_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("error");

    QTest::newRow("help") << "--help" << 0
                          << "Usage: PadwrightRx [options] [file]\nEditor for the key definitions"
                          << "";
    QTest::newRow("version") << "--version" << 0 << "PadwrightRx 1.0.0\n"
                             << "";
    QTest::newRow("unknown") << "--bogus" << 2 << ""
                             << "PadwrightRx: Unknown option 'bogus'.\n"
                                "Try 'PadwrightRx --help' for more information.\n";
}

// The editor ends by itself, with no window system at all: a platform that
// does not exist would stop a program that tries to open a window.
void TestCommandLine::editorEndsWithoutAWindow()
{
    QFETCH(QString, option);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(QString, error);
    QProcess editor;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "no-such-platform");
    editor.setProcessEnvironment(environment);
    editor.start(PADWRIGHT_EDITOR, {option});
    QVERIFY(editor.waitForFinished(20000));
    QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(editor.exitCode(), status);
    const QString printed = QString::fromLocal8Bit(editor.readAllStandardOutput());
    QVERIFY2(output.isEmpty() ? printed.isEmpty() : printed.startsWith(output),
             qPrintable(printed));
    QCOMPARE(QString::fromLocal8Bit(editor.readAllStandardError()), error);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
