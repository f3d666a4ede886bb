// RxLoad --check on download images and ROM files written by the editor,
// and on damaged ones.

#include "ToolProcess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString NothingSent = QStringLiteral("Nothing was sent to the keypad.");

QString goldenImage()
{
    return QStringLiteral(PADWRIGHT_TEST_DATA "/user/handwritten.saved.hex");
}

QString goldenRom()
{
    return QStringLiteral(PADWRIGHT_TEST_DATA "/rom/handwritten.saved.rom");
}

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

// The image's lines without their CR LF, line 1 at index 0.
QList<QByteArray> imageLines()
{
    QList<QByteArray> lines = readAll(goldenImage()).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& line : lines)
        line.chop(1); // the CR
    return lines;
}

QByteArray joinLines(const QList<QByteArray>& lines)
{
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// A damage done to the golden image.
enum class Damage
{
    Replace,
    Insert,
    Remove,
    Append
};
} // namespace

Q_DECLARE_METATYPE(Damage)

class TestRxLoad : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void acceptsWhatTheEditorWrites_data();
    void acceptsWhatTheEditorWrites();
    void findsDamageInImages_data();
    void findsDamageInImages();
    void findsFaultsInRomFiles_data();
    void findsFaultsInRomFiles();
    void takesTheQuotedPathTheEditorPasses();
    void cannotReadAMissingFile();
    void namesThePortThatSetPortChose();

private:
    ToolRun check(const QString& path);

    QTemporaryDir documents_;
    QTemporaryDir files_;
};

void TestRxLoad::init()
{
    QVERIFY(documents_.isValid());
    QVERIFY(files_.isValid());
}

ToolRun TestRxLoad::check(const QString& path)
{
    return runTool(QStringLiteral("RxLoad"), {QStringLiteral("--check"), path}, documents_.path());
}

void TestRxLoad::acceptsWhatTheEditorWrites_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("download image")
        << goldenImage()
        << QStringList{"208 lines: a header of 33 lines and the records of 20 keys.",
                       "Toggle level keys:     key 5",
                       "Serial number:         1234",
                       "Key  1: level 1: 5 bytes (auto-repeat); level 2: 4 bytes (transmitted at "
                       "once)",
                       "level 1: 61 40 01 32 0D",
                       "Key 20: level 1: 3 bytes; level 2: empty"};
    QTest::newRow("ROM file") << goldenRom()
                              << QStringList{"Command prefix:        126 (~)",
                                             "Sign-on message:       [  Welcome!      ]",
                                             "Screens:               8 of 8 present",
                                             "Key  3 (shift level key): level 1: 6 bytes \"ABC\""};
}

void TestRxLoad::acceptsWhatTheEditorWrites()
{
    QFETCH(QString, path);
    QFETCH(QStringList, shown);

    const ToolRun run = check(path);
    QVERIFY2(run.finished, "RxLoad did not end");
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(QStringLiteral("was checked: no faults found.")),
             qPrintable(run.out));
    for (const QString& text : shown)
        QVERIFY2(run.out.contains(text), qPrintable(text + QStringLiteral("\n---\n") + run.out));
    QVERIFY(run.out.contains(NothingSent));
}

void TestRxLoad::findsDamageInImages_data()
{
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("fault");

    // Key 1's record: lines 34 to 39 are 40 02 00 05 03 00, then level 1's
    // count 06 on line 40, its five bytes and the closing 00 on line 46.
    QTest::newRow("one digit") << Damage::Replace << 7 << QByteArray("\"8\"")
                               << "Line 7 (\"8\") is not one byte";
    QTest::newRow("no quotes") << Damage::Replace << 10 << QByteArray("3A") << "Line 10 (3A)";
    QTest::newRow("not hexadecimal")
        << Damage::Replace << 100 << QByteArray("\"4G\"") << "Line 100";
    QTest::newRow("empty line") << Damage::Insert << 51 << QByteArray() << "Line 51 is empty.";
    QTest::newRow("short header") << Damage::Remove << 34 << QByteArray() << "The record of key 1";
    QTest::newRow("capacity") << Damage::Replace << 4 << QByteArray("\"C7\"")
                              << "Line 4 should hold C8";
    QTest::newRow("second prefix")
        << Damage::Replace << 16 << QByteArray("\"7E\"") << "Line 16 should hold 40";
    QTest::newRow("reserved line")
        << Damage::Replace << 31 << QByteArray("\"01\"") << "Line 31 should hold 00";
    QTest::newRow("level key out of range")
        << Damage::Replace << 6 << QByteArray("\"14\"") << "Line 6 should name a level key";
    QTest::newRow("wrong key number")
        << Damage::Replace << 36 << QByteArray("\"01\"") << "The record of key 1 (line 34 on)";
    QTest::newRow("flags of an empty level") << Damage::Replace << 37 << QByteArray("\"00\"")
                                             << "the flags on line 37 say the level is empty";
    QTest::newRow("impossible flags")
        << Damage::Replace << 38 << QByteArray("\"02\"") << "they can only be 00, 01, 03, 05 or 07";
    QTest::newRow("no closing zero") << Damage::Replace << 46 << QByteArray("\"01\"")
                                     << "line 46 should close the level's bytes with 00";
    QTest::newRow("count of one") << Damage::Replace << 40 << QByteArray("\"01\"")
                                  << "byte count 01";
    QTest::newRow("last record cut")
        << Damage::Remove << 208 << QByteArray() << "Key 20, level 2: the file ends";
    QTest::newRow("line after the last record")
        << Damage::Append << 0 << QByteArray("\"00\"") << "1 lines follow the record of key 20";
}

void TestRxLoad::findsDamageInImages()
{
    QFETCH(Damage, damage);
    QFETCH(int, line);
    QFETCH(QByteArray, text);
    QFETCH(QString, fault);

    QList<QByteArray> lines = imageLines();
    QCOMPARE(lines.size(), 208);
    switch (damage) {
    case Damage::Replace:
        lines[line - 1] = text;
        break;
    case Damage::Insert:
        lines.insert(line - 1, text);
        break;
    case Damage::Remove:
        lines.removeAt(line - 1);
        break;
    case Damage::Append:
        lines.append(text);
        break;
    }
    const QString path = QDir(files_.path()).filePath(QStringLiteral("pad.hex"));
    QVERIFY(writeAll(path, joinLines(lines)));

    const ToolRun run = check(path);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.out.contains(fault), qPrintable(run.out));
    QVERIFY(run.out.contains(QStringLiteral("It must not be downloaded.")));
    QVERIFY(run.out.contains(NothingSent));
}

void TestRxLoad::findsFaultsInRomFiles_data()
{
    QTest::addColumn<QByteArray>("search");
    QTest::addColumn<QByteArray>("replacement");
    QTest::addColumn<QString>("fault");

    QTest::newRow("foreign section") << QByteArray("[KEY0]") << QByteArray("[Notes]\r\n[KEY0]")
                                     << "'es' is not a valid integer value";
    QTest::newRow("key beyond the keypad")
        << QByteArray("[KEY19]") << QByteArray("[KEY20]") << "Section [KEY20] names key 21";
    QTest::newRow("no global section")
        << QByteArray("[GLOBAL_PARAMETERS]") << QByteArray("[GLOBAL]")
        << "The section [GLOBAL_PARAMETERS] is missing.";
    QTest::newRow("half a pair") << QByteArray("Level_1_Codes=414243400105")
                                 << QByteArray("Level_1_Codes=41424340010")
                                 << "[KEY2] Level_1_Codes is not written as whole pairs";
    QTest::newRow("not hexadecimal")
        << QByteArray("Level_1_Codes=414243400105") << QByteArray("Level_1_Codes=4142434001xy")
        << "[KEY2] Level_1_Codes is not written as whole pairs";
    QTest::newRow("whole pairs, but longer than a value")
        << QByteArray("Level_1_Codes=414243400105")
        << "Level_1_Codes=" + QByteArray("41").repeated(1500)
        << "[KEY2] Level_1_Codes is too long: 3000 characters, more than the 2047 a value holds";
    QTest::newRow("key type") << QByteArray("KeyType=1") << QByteArray("KeyType=9")
                              << "KeyType=9 is not a key type";
}

void TestRxLoad::findsFaultsInRomFiles()
{
    QFETCH(QByteArray, search);
    QFETCH(QByteArray, replacement);
    QFETCH(QString, fault);

    QByteArray bytes = readAll(goldenRom());
    QVERIFY(bytes.contains(search));
    bytes.replace(search, replacement);
    const QString path = QDir(files_.path()).filePath(QStringLiteral("terminal.rom"));
    QVERIFY(writeAll(path, bytes));

    const ToolRun run = check(path);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.out.contains(fault), qPrintable(run.out));
    QVERIFY(run.out.contains(NothingSent));
}

void TestRxLoad::takesTheQuotedPathTheEditorPasses()
{
    // The editor passes the path in double quotes, and folders may hold blanks.
    const QString path = QDir(files_.path()).filePath(QStringLiteral("My Macros/pad.hex"));
    QVERIFY(writeAll(path, readAll(goldenImage())));
    const ToolRun run = check(QLatin1Char('"') + path + QLatin1Char('"'));
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(QDir::toNativeSeparators(path) + QLatin1Char('\n')),
             qPrintable(run.out));
}

void TestRxLoad::cannotReadAMissingFile()
{
    // A missing file, and a device that would never end.
    for (const QString& path : {QDir(files_.path()).filePath(QStringLiteral("missing.hex")),
                                QStringLiteral("/dev/zero")}) {
        if (path.startsWith(QLatin1String("/dev/")) && !QFileInfo::exists(path))
            continue;
        const ToolRun run = check(path);
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.contains(QStringLiteral("Cannot read")));
        QVERIFY(run.out.contains(NothingSent));
    }
}

void TestRxLoad::namesThePortThatSetPortChose()
{
    // The loader reads the choice that SetPortRx records.
    QTemporaryDir documents;
    auto checkHere = [&] {
        return runTool(QStringLiteral("RxLoad"), {QStringLiteral("--check"), goldenImage()},
                       documents.path());
    };
    QCOMPARE(runTool(QStringLiteral("SetPortRx"), {"--port", "ttyUSB0"}, documents.path()).exitCode,
             0);
    const ToolRun run = checkHere();
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(QStringLiteral("COM101")), qPrintable(run.out));
    QVERIFY2(run.out.contains(QStringLiteral(", USB")), qPrintable(run.out));

    QCOMPARE(runTool(QStringLiteral("SetPortRx"), {"--keyboard"}, documents.path()).exitCode, 0);
    QVERIFY(checkHere().out.contains(QStringLiteral("keyboard mode")));
}

QTEST_GUILESS_MAIN(TestRxLoad)
#include "tst_rxload.moc"
