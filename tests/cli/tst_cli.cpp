#include "files/FileTestHelpers.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace filetest;

namespace {

struct TRun
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

TRun Run(const QStringList& args, const QString& program = QStringLiteral(PADWRIGHT_CLI))
{
    QProcess p;
    p.start(program, args);
    TRun r;
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.status = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

} // namespace

class tst_Cli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void version();
    void failures_data();
    void failures();
    void convertUserInPlace();
    void convertUserWritesLoaderSettingsBesideProgram();
    void convertRomWarnsAndGoesOn();
    void refusedImage();
    void dump();
    void check_data();
    void check();
    void checkJson();
    void diff_data();
    void diff();

private:
    QString Copy(const QString& dataName, const QString& name);
    QTemporaryDir fDir;
};

void tst_Cli::init()
{
    QVERIFY(fDir.isValid());
}

QString tst_Cli::Copy(const QString& dataName, const QString& name)
{
    const QString path = fDir.filePath(name);
    QFile::remove(path);
    if (!QFile::copy(TestData(dataName), path))
        return QString();
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return path;
}

void tst_Cli::version()
{
    const TRun r = Run({QStringLiteral("--version")});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QByteArray("1.0.0\n"));
    QVERIFY(r.err.isEmpty());
}

void tst_Cli::failures_data()
{
    QTest::addColumn<QByteArray>("input"); // written to in.ckd when not empty
    QTest::addColumn<QStringList>("args"); // IN, OUT, DIR, HEXOUT stand for the paths
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // first line of standard error; empty: any

    const QByteArray good = "[KEY0]\r\nLevel_1_Codes=61\r\n";
    QTest::newRow("no arguments") << QByteArray() << QStringList() << 2 << "";
    QTest::newRow("unknown command") << good << QStringList{"copy", "IN", "OUT"} << 2 << "";
    QTest::newRow("convert without mode") << good << QStringList{"convert", "IN", "OUT"} << 2 << "";
    QTest::newRow("unknown mode") << good << QStringList{"convert", "--mode", "hex", "IN", "OUT"}
                                  << 2 << "";
    QTest::newRow("missing input")
        << QByteArray() << QStringList{"convert", "--mode", "user", "IN", "OUT"} << 2 << "";
    QTest::newRow("foreign section, user") << QByteArray("[KEY0]\r\n[Notes]\r\n")
                                           << QStringList{"convert", "--mode", "user", "IN", "OUT"}
                                           << 2 << "'es' is not a valid integer value";
    QTest::newRow("foreign section, rom") << QByteArray("[GLOBAL_PARAMETERS]\r\n[KEY]\r\n")
                                          << QStringList{"convert", "--mode", "rom", "IN", "OUT"}
                                          << 2 << "'' is not a valid integer value";
    QTest::newRow("foreign section, dump") << QByteArray("[Notes]\r\n") << QStringList{"dump", "IN"}
                                           << 2 << "'es' is not a valid integer value";
    QTest::newRow("output is a directory, user")
        << good << QStringList{"convert", "--mode", "user", "IN", "DIR"} << 1
        << "Unable to write to DIR";
    // The image beside OUT.hex would be OUT.hex itself.
    QTest::newRow("output ending in hex, user")
        << good << QStringList{"convert", "--mode", "user", "IN", "HEXOUT"} << 1
        << "Unable to write to HEXOUT: the download image would replace the definition file.";
    QTest::newRow("output is a directory, rom")
        << good << QStringList{"convert", "--mode", "rom", "IN", "DIR"} << 1
        << "Unable to write to DIR";
}

void tst_Cli::failures()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, message);

    const QString in = fDir.filePath(QStringLiteral("in.ckd"));
    const QString out = fDir.filePath(QStringLiteral("out.ckd"));
    const QString dir = fDir.filePath(QStringLiteral("dir.ckd"));
    const QString hexOut = fDir.filePath(QStringLiteral("out.hex"));
    QFile::remove(in);
    QFile::remove(out);
    QDir(fDir.path()).mkpath(QStringLiteral("dir.ckd"));
    if (!input.isEmpty())
        QVERIFY(WriteAll(in, input));
    for (QString& a : args) {
        if (a == QLatin1String("IN"))
            a = in;
        else if (a == QLatin1String("OUT"))
            a = out;
        else if (a == QLatin1String("DIR"))
            a = dir;
        else if (a == QLatin1String("HEXOUT"))
            a = hexOut;
    }
    message.replace(QLatin1String("HEXOUT"), hexOut);
    message.replace(QLatin1String("DIR"), dir);

    const TRun r = Run(args);
    QCOMPARE(r.status, status);
    QVERIFY(r.out.isEmpty());
    QVERIFY(!r.err.isEmpty());
    if (!message.isEmpty())
        QCOMPARE(QString::fromLocal8Bit(r.err).section(QLatin1Char('\n'), 0, 0), message);
    // Nothing is written.
    QVERIFY(!QFileInfo::exists(out));
    QVERIFY(!QFileInfo::exists(hexOut));
    QVERIFY(!QFileInfo::exists(fDir.filePath(QStringLiteral("dir.hex"))));
    if (!input.isEmpty())
        QCOMPARE(ReadAll(in), input);
}

void tst_Cli::convertUserInPlace()
{
    const QString path =
        Copy(QStringLiteral("user/handwritten.ckd"), QStringLiteral("handwritten.ckd"));
    QVERIFY(!path.isEmpty());
    const TRun r = Run(
        {QStringLiteral("convert"), QStringLiteral("--mode"), QStringLiteral("user"), path, path});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.err.isEmpty(), r.err.constData());
    QCOMPARE(ReadAll(path), ReadAll(TestData(QStringLiteral("user/handwritten.saved.ckd"))));
    QCOMPARE(ReadAll(fDir.filePath(QStringLiteral("handwritten.hex"))),
             ReadAll(TestData(QStringLiteral("user/handwritten.saved.hex"))));
}

void tst_Cli::convertUserWritesLoaderSettingsBesideProgram()
{
    // A copy of the program in a folder of its own, with the loader's settings.
    const QString program = fDir.filePath(QStringLiteral("bin/padwright-cli"));
    QVERIFY(QDir(fDir.path()).mkpath(QStringLiteral("bin")));
    QVERIFY(QFile::copy(QStringLiteral(PADWRIGHT_CLI), program));
    const QString settings = fDir.filePath(QStringLiteral("bin/RxLoad.ini"));
    QVERIFY(WriteAll(settings, "[Com Port Configuration]\r\nComPort=2\r\nDownloadDelay=0\r\n"));

    const QString in = fDir.filePath(QStringLiteral("delay.ckd"));
    QVERIFY(WriteAll(in, "[GLOBAL_PARAMETERS]\r\nDOWNLOAD_DELAY=40\r\n"));
    const QString out = fDir.filePath(QStringLiteral("delay-out.ckd"));
    const TRun r =
        Run({QStringLiteral("convert"), QStringLiteral("--mode"), QStringLiteral("user"), in, out},
            program);
    QCOMPARE(r.status, 0);
    QCOMPARE(ReadAll(settings),
             QByteArray("[Com Port Configuration]\r\nComPort=2\r\nDownloadDelay=40\r\n"));
    QVERIFY(QFileInfo::exists(fDir.filePath(QStringLiteral("delay-out.hex"))));
}

void tst_Cli::convertRomWarnsAndGoesOn()
{
    const QString in = Copy(QStringLiteral("rom/handwritten.rom"), QStringLiteral("in.rom"));
    const QString out = fDir.filePath(QStringLiteral("out.rom"));
    QFile::remove(out);
    const TRun r =
        Run({QStringLiteral("convert"), QStringLiteral("--mode"), QStringLiteral("rom"), in, out});
    QCOMPARE(r.status, 0);
    QCOMPARE(
        r.err,
        QByteArray(
            "Warning: ECR Suffix String has been truncated to the max width of 8 characters.\n"));
    QCOMPARE(ReadAll(out), ReadAll(TestData(QStringLiteral("rom/handwritten.saved.rom"))));
    // ROM Edit Mode writes no image.
    QVERIFY(!QFileInfo::exists(fDir.filePath(QStringLiteral("out.hex"))));
}

void tst_Cli::refusedImage()
{
    const QString in = fDir.filePath(QStringLiteral("img.ckd"));
    QVERIFY(WriteAll(in, "[KEY0]\r\nLevel_1_Codes=61\r\n"));
    QVERIFY(QDir(fDir.path()).mkpath(QStringLiteral("img.hex")));
    const TRun r =
        Run({QStringLiteral("convert"), QStringLiteral("--mode"), QStringLiteral("user"), in, in});
    QCOMPARE(r.status, 1);
    QCOMPARE(QString::fromLocal8Bit(r.err), QStringLiteral("Unable to write to ") +
                                                fDir.filePath(QStringLiteral("img.hex")) +
                                                QLatin1Char('\n'));
    // The definition file itself was written before the image.
    QVERIFY(ReadAll(in).startsWith("[KEY0]\r\nLevel_1_Codes=61\r\nKeyType=0\r\n"));
}

void tst_Cli::dump()
{
    const QString in = Copy(QStringLiteral("user/handwritten.ckd"), QStringLiteral("dump.ckd"));
    TRun r = Run({QStringLiteral("dump"), in});
    QCOMPARE(r.status, 0);
    const QString text = QString::fromLocal8Bit(r.out);
    QVERIFY2(text.contains(QStringLiteral("12 keys")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Key roll-over")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Key 5 [7]: level toggle")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("a | Dly 200 | CR")), qPrintable(text));

    r = Run({QStringLiteral("dump"), QStringLiteral("--hex"), in});
    QCOMPARE(r.status, 0);
    QVERIFY(QString::fromLocal8Bit(r.out).contains(QStringLiteral("0x61 | 0x1032 | 0x0D")));

    const QString rom = Copy(QStringLiteral("rom/handwritten.rom"), QStringLiteral("dump.rom"));
    r = Run({QStringLiteral("dump"), rom});
    QCOMPARE(r.status, 0);
    QVERIFY(r.err.contains("ECR Suffix"));
    QVERIFY(QString::fromLocal8Bit(r.out).contains(QStringLiteral("Screen 8:")));

    // The whole text below the title line, which names the path, is fixed.
    for (const QString& name :
         {QStringLiteral("user/handwritten"), QStringLiteral("rom/handwritten")}) {
        const QString ext =
            name.startsWith(QLatin1String("rom")) ? QStringLiteral(".rom") : QStringLiteral(".ckd");
        r = Run({QStringLiteral("dump"), TestData(name + ext)});
        QCOMPARE(r.status, 0);
        const QByteArray body = r.out.mid(r.out.indexOf('\n') + 1);
        QCOMPARE(body, ReadAll(TestData(name + QStringLiteral(".dump.txt"))));
    }
}

void tst_Cli::check_data()
{
    QTest::addColumn<QByteArrayList>("files"); // written to 1.ckd, 2.ckd, ...
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // @D@ stands for the folder

    const QByteArray clean = "[GLOBAL_PARAMETERS]\nOperating_Mode=0\n[KEY0]\nLevel_1_Codes=6162\n";
    const QByteArray note = clean + "[KEY1]\nLevel_1_Codes=4040\n";
    const QByteArray warning = "[KEY0]\nLevel_1_Codes=6162\n";
    const QByteArray error = clean + "[KEY2]\nLevel_2_Codes=" + QByteArray("61").repeated(99) +
                             "400132\n[KEY3]\nKeyType=1\n";
    QTest::newRow("clean") << QByteArrayList{clean} << 0 << "";
    QTest::newRow("notes only")
        << QByteArrayList{note} << 0
        << "@D@/1.ckd: note: The macros send the command prefix '@' as a character 1 time; each "
           "takes two bytes, because the keypad reads the prefix as the start of a command.\n";
    QTest::newRow("warning")
        << QByteArrayList{warning} << 1
        << "@D@/1.ckd: key 1, level 1: warning: In Line Edit mode only the first character of a "
           "macro is used: code 2 is ignored.\n";
    QTest::newRow("error") << QByteArrayList{error} << 4
                           << "@D@/1.ckd: key 3, level 2: error: The macro takes 102 bytes, more "
                              "than the 100 a level holds; it overflows from code 100 on.\n";
    QTest::newRow("worst of several") << QByteArrayList{error, warning, clean} << 4 << "";
    QTest::newRow("unreadable") << QByteArrayList{error, "[Notes]\n"} << 2 << "";
}

void tst_Cli::check()
{
    QFETCH(QByteArrayList, files);
    QFETCH(int, status);
    QFETCH(QString, out);
    QStringList args{QStringLiteral("check")};
    for (int i = 0; i < files.size(); ++i) {
        args << fDir.filePath(QStringLiteral("%1.ckd").arg(i + 1));
        QVERIFY(WriteAll(args.last(), files.at(i)));
    }
    const TRun r = Run(args);
    QCOMPARE(r.status, status);
    if (!out.isEmpty() || files.size() == 1)
        QCOMPARE(QString::fromLocal8Bit(r.out), out.replace(QStringLiteral("@D@"), fDir.path()));
    QCOMPARE(r.err.isEmpty(), status != 2);
}

void tst_Cli::checkJson()
{
    // The samples are clean.
    const TRun samples = Run({QStringLiteral("check"),
                              TestData(QStringLiteral("../../docs/samples/coffee-shop.ckd")),
                              TestData(QStringLiteral("../../docs/samples/ticket-desk.ckd"))});
    QCOMPARE(samples.status, 0);
    QVERIFY(samples.out.isEmpty());

    const QString rom = Copy(QStringLiteral("rom/handwritten.rom"), QStringLiteral("j.rom"));
    const QString missing = fDir.filePath(QStringLiteral("missing.ckd"));
    const TRun r = Run({QStringLiteral("check"), QStringLiteral("--json"), rom, missing});
    QCOMPARE(r.status, 2);
    const QJsonObject root = QJsonDocument::fromJson(r.out).object();
    QCOMPARE(root.value(QStringLiteral("status")).toInt(), 2);
    const QJsonArray files = root.value(QStringLiteral("files")).toArray();
    QCOMPARE(files.size(), 2);
    QCOMPARE(files.at(1).toObject().value(QStringLiteral("readable")).toBool(true), false);
    // The cut ECR string is a reader finding.
    const QJsonArray findings = files.at(0).toObject().value(QStringLiteral("findings")).toArray();
    QVERIFY(std::any_of(findings.begin(), findings.end(), [](const QJsonValue& v) {
        const QJsonObject f = v.toObject();
        return f.value(QStringLiteral("rule")).toString() == QLatin1String("reader") &&
               f.value(QStringLiteral("text")).toString().contains(QLatin1String("ECR"));
    }));
}

void tst_Cli::diff_data()
{
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("out"); // @A@ and @B@ stand for the paths

    const QByteArray a = "[KEY0]\r\nLevel_1_Codes=61\r\n";
    QTest::newRow("same, written otherwise")
        << QByteArray("; mine\n[key0]\nlevel_1_codes= 61 \n") << 0 << QByteArray();
    QTest::newRow("different") << QByteArray("[KEY0]\nLevel_1_Codes=62\n") << 1
                               << QByteArray("--- @A@\n+++ @B@\nKey 1, level 1 codes: a -> b\n");
    QTest::newRow("unreadable") << QByteArray("[Notes]\n") << 2 << QByteArray();
}

void tst_Cli::diff()
{
    QFETCH(QByteArray, b);
    QFETCH(int, status);
    QFETCH(QByteArray, out);
    const QString pathA = fDir.filePath(QStringLiteral("a.ckd"));
    const QString pathB = fDir.filePath(QStringLiteral("b.ckd"));
    QVERIFY(WriteAll(pathA, "[KEY0]\r\nLevel_1_Codes=61\r\n") && WriteAll(pathB, b));
    const TRun r = Run({QStringLiteral("diff"), pathA, pathB});
    QCOMPARE(r.status, status);
    out.replace("@A@", pathA.toLocal8Bit()).replace("@B@", pathB.toLocal8Bit());
    QCOMPARE(r.out, out);
}

QTEST_GUILESS_MAIN(tst_Cli)
#include "tst_cli.moc"
