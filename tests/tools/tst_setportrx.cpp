// SetPortRx in its command-line modes: what it records in RxLoad.ini.

#include "ToolProcess.h"
#include "files/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString Section = QStringLiteral("Com Port Configuration");

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

class TestSetPortRx : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recordsTheChoice_data();
    void recordsTheChoice();
    void keepsTheRestOfTheFile();
    void refusesWhatItCannotRecord_data();
    void refusesWhatItCannotRecord();
    void reportsARefusedWrite();
};

void TestSetPortRx::recordsTheChoice_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("comPort");
    QTest::addColumn<QString>("comType");
    QTest::addColumn<bool>("keyboard");

    // Device names map to numbers that name them back (ttyS0 is COM1).
    QTest::newRow("classic port") << QStringList{"--port", "ttyS0"} << 1 << "R" << false;
    QTest::newRow("full device path") << QStringList{"--port", "/dev/ttyS4"} << 5 << "R" << false;
    QTest::newRow("USB adapter") << QStringList{"--port", "ttyUSB0"} << 101 << "U" << false;
    QTest::newRow("USB modem class") << QStringList{"--port", "ttyACM2"} << 203 << "U" << false;
    QTest::newRow("Windows name") << QStringList{"--port", "COM7"} << 7 << "R" << false;
    QTest::newRow("number of a USB adapter") << QStringList{"--port", "102"} << 102 << "U" << false;
    QTest::newRow("port or keyboard")
        << QStringList{"--port", "ttyUSB3", "--keyboard"} << 104 << "U" << true;
    QTest::newRow("keyboard mode") << QStringList{"--keyboard"} << -1 << "U" << true;
    QTest::newRow("type given") << QStringList{"--port", "5", "--type", "u"} << 5 << "U" << false;
}

void TestSetPortRx::recordsTheChoice()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, comPort);
    QFETCH(QString, comType);
    QFETCH(bool, keyboard);

    QTemporaryDir documents;
    QVERIFY(documents.isValid());
    const ToolRun run = runTool(QStringLiteral("SetPortRx"), arguments, documents.path());
    QVERIFY2(run.finished, "SetPortRx did not end");
    QCOMPARE(run.exitCode, 0);

    // The data folder is made when it is missing.
    TIniFile ini;
    QVERIFY(ini.Load(dataFolderSettings(documents.path())));
    QCOMPARE(ini.ReadInteger(Section, QStringLiteral("ComPort"), 0), comPort);
    QCOMPARE(ini.ReadString(Section, QStringLiteral("ComType"), QString()), comType);
    QCOMPARE(ini.ReadBool(Section, QStringLiteral("bOstrellaK"), !keyboard), keyboard);

    // The port shows up the way the editor's port panel names it.
    if (comPort > 0)
        QVERIFY2(run.out.contains(QStringLiteral("COM%1").arg(comPort)), qPrintable(run.out));
}

void TestSetPortRx::keepsTheRestOfTheFile()
{
    QTemporaryDir documents;
    const QString path = dataFolderSettings(documents.path());
    QVERIFY(writeAll(path, "; written by the loader\r\n"
                           "[Com Port Configuration]\r\n"
                           "ComPort = 3\r\n"
                           "DownloadDelay=7\r\n"
                           "\r\n"
                           "[Loader]\r\n"
                           "Speed=fast\r\n"));

    const ToolRun run =
        runTool(QStringLiteral("SetPortRx"), {"--port", "ttyUSB0"}, documents.path());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(readAll(path), QByteArray("; written by the loader\r\n"
                                       "[Com Port Configuration]\r\n"
                                       "ComPort=101\r\n"
                                       "DownloadDelay=7\r\n"
                                       "ComType=U\r\n"
                                       "bOstrellaK=0\r\n"
                                       "\r\n"
                                       "[Loader]\r\n"
                                       "Speed=fast\r\n"));

    // A second choice changes the same lines again.
    QCOMPARE(runTool(QStringLiteral("SetPortRx"), {"--keyboard"}, documents.path()).exitCode, 0);
    TIniFile ini;
    QVERIFY(ini.Load(path));
    QCOMPARE(ini.ReadInteger(Section, QStringLiteral("ComPort"), 0), -1);
    QCOMPARE(ini.ReadInteger(Section, QStringLiteral("DownloadDelay"), 0), 7);
    QCOMPARE(ini.ReadString(QStringLiteral("Loader"), QStringLiteral("Speed"), QString()),
             QStringLiteral("fast"));
    QCOMPARE(ini.SectionNames().size(), 2);
}

void TestSetPortRx::refusesWhatItCannotRecord_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("name without a number")
        << QStringList{"--port", "cu.usbserial"} << "has no number";
    QTest::newRow("unknown device kind") << QStringList{"--port", "ttyXYZ0"} << "has no number";
    QTest::newRow("number too large") << QStringList{"--port", "500"} << "names no serial port";
    QTest::newRow("port 0") << QStringList{"--port", "0"} << "not a port number";
    QTest::newRow("bad type") << QStringList{"--port", "1", "--type", "X"} << "--type";
    QTest::newRow("type alone") << QStringList{"--type", "U"} << "--type";
}

void TestSetPortRx::refusesWhatItCannotRecord()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    QTemporaryDir documents;
    const ToolRun run = runTool(QStringLiteral("SetPortRx"), arguments, documents.path());
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(!QFile::exists(dataFolderSettings(documents.path())));
}

void TestSetPortRx::reportsARefusedWrite()
{
    // A file where the data folder belongs: nothing can be written below it.
    QTemporaryDir documents;
    QVERIFY(writeAll(QDir(documents.path()).filePath(QStringLiteral("Halvorsten/OstrellaPro")),
                     "not a folder"));
    const ToolRun run = runTool(QStringLiteral("SetPortRx"), {"--port", "ttyS0"}, documents.path());
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith(QStringLiteral("Unable to write to ")), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(TestSetPortRx)
#include "tst_setportrx.moc"
