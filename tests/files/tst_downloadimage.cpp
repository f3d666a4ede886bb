#include "files/FileIO.h"
#include "files/FileTestHelpers.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace filetest;

namespace {

// The values of an image, one per line; fails the test on a malformed line.
QStringList Values(const QByteArray& image)
{
    static const QRegularExpression line(QStringLiteral("^\"([0-9A-F]{2})\"$"));
    QStringList values;
    if (!image.endsWith("\r\n"))
        return {QStringLiteral("<no final CR LF>")};
    QList<QByteArray> lines = image.split('\n');
    lines.removeLast(); // after the final line end
    for (QByteArray l : lines) {
        if (!l.endsWith('\r'))
            return {QStringLiteral("<bare LF>")};
        l.chop(1);
        const QRegularExpressionMatch m = line.match(QString::fromLatin1(l));
        values << (m.hasMatch() ? m.captured(1)
                                : QStringLiteral("<bad line: %1>").arg(QString::fromLatin1(l)));
    }
    return values;
}

QString Hex(int v)
{
    return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper();
}

QStringList Repeat(const QString& value, int times)
{
    QStringList out;
    for (int i = 0; i < times; ++i)
        out << value;
    return out;
}

const QStringList FreshHeader = QStringLiteral("40 01 1E C8 64 80 80 80 80 02 14 01 31 03 08 40 00 "
                                               "00 0D 0D 00 0D 00 00 FF 00 00 01 00 00 00 00 00")
                                    .split(QLatin1Char(' '));

using Setup = std::function<void(TKeypadClass&, TLevelKeyIndices&)>;
using LineMap = QMap<int, QString>; // 1-based line -> value

} // namespace

Q_DECLARE_METATYPE(Setup)

class tst_DownloadImage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void freshDefinition();
    void header_data();
    void header();
    void keyRecord_data();
    void keyRecord();
    void everyLineHoldsOneByte();
    void loaderSettings_data();
    void loaderSettings();
    void refusedImageLeavesLoaderSettings();
};

void tst_DownloadImage::freshDefinition()
{
    QStringList expected = FreshHeader;
    for (int k = 0; k < MaxKeys; ++k)
        expected << QStringList{"40", "02", Hex(k), "00", "00", Hex(k), "00", "00"};
    QCOMPARE(expected.size(), 193);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fresh.hex"));
    TKeypadClass d;
    QVERIFY(WriteDownloadImage(d, TLevelKeyIndices(), path, QString()).Ok);
    QCOMPARE(Values(ReadAll(path)), expected);
    QCOMPARE(ReadAll(path).left(12), QByteArray("\"40\"\r\n\"01\"\r\n"));
}

void tst_DownloadImage::header_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<LineMap>("lines");

    auto serial = [](int32_t n) {
        return Setup([n](TKeypadClass& d, TLevelKeyIndices&) { d.SetCdcSerialNo(n); });
    };
    QTest::newRow("serial 1234") << serial(1234) << LineMap{{27, "12"}, {28, "34"}};
    QTest::newRow("serial 9999") << serial(9999) << LineMap{{27, "99"}, {28, "99"}};
    QTest::newRow("serial 1") << serial(1) << LineMap{{27, "00"}, {28, "01"}};
    QTest::newRow("serial 12345 brought to 9999")
        << serial(12345) << LineMap{{27, "99"}, {28, "99"}};
    QTest::newRow("negative serial brought to 0") << serial(-5) << LineMap{{27, "00"}, {28, "00"}};
    QTest::newRow("click and pacing halved") << Setup([](TKeypadClass& d, TLevelKeyIndices&) {
        d.SetKeyClick(41);
        d.SetCharacterPacing(255);
    }) << LineMap{{11, "14"}, {12, "7F"}};
    QTest::newRow("line 19 keeps its low 8 bits") << Setup([](TKeypadClass& d, TLevelKeyIndices&) {
        d.SetOpMode(0xFF);
        d.SetCardTracks(0x43);
    }) << LineMap{{19, "0B"}};
    QTest::newRow("magnetic card") << Setup([](TKeypadClass& d, TLevelKeyIndices&) {
        d.SetFormCardType(2);
        d.SetCardStartSentinel(37);
        d.SetCardEndSentinel(63);
        d.SetCardFieldSeparator(94);
        d.SetCardBadSwipe(33);
        d.SetCardPrefixEnable(true);
    }) << LineMap{{21, "25"}, {22, "3F"}, {23, "5E"}, {24, "21"}};
    QTest::newRow("barcode, start disabled, end enabled")
        << Setup([](TKeypadClass& d, TLevelKeyIndices&) {
               d.SetFormCardType(0);
               d.SetCardPrefix(2);
               d.SetCardSuffix(3);
               d.SetCardStartSentinel(37);
           })
        << LineMap{{21, "00"}, {22, "03"}, {23, "00"}, {24, "00"}};
    QTest::newRow("barcode, start enabled, end disabled")
        << Setup([](TKeypadClass& d, TLevelKeyIndices&) {
               d.SetCardPrefixEnable(true);
               d.SetCardSuffixEnable(false);
           })
        << LineMap{{21, "09"}, {22, "00"}};
    QTest::newRow("level key indices") << Setup([](TKeypadClass&, TLevelKeyIndices& i) {
        i.ToggleKey1 = 3;
        i.ToggleKey2 = 9;
        i.ShiftKey1 = 0;
        i.ShiftKey2 = 19;
        i.AlphaKey = 4;
    }) << LineMap{{6, "03"}, {7, "09"}, {8, "00"}, {9, "13"}, {25, "04"}};
    QTest::newRow("prefix in lines 1 and 16")
        << Setup([](TKeypadClass& d, TLevelKeyIndices&) { d.SetCmdPrefix(126); })
        << LineMap{{1, "7E"}, {16, "7E"}, {34, "7E"}, {42, "7E"}};
}

void tst_DownloadImage::header()
{
    QFETCH(Setup, setup);
    QFETCH(LineMap, lines);
    TKeypadClass d;
    TLevelKeyIndices indices;
    setup(d, indices);
    QStringList expected = FreshHeader;
    for (auto it = lines.cbegin(); it != lines.cend(); ++it) {
        if (it.key() <= expected.size())
            expected[it.key() - 1] = it.value();
    }
    const QStringList values = Values(MakeDownloadImage(d, indices));
    QCOMPARE(values.size(), 193);
    QCOMPARE(values.mid(0, 33), expected);
    for (auto it = lines.cbegin(); it != lines.cend(); ++it)
        QCOMPARE(values.at(it.key() - 1), it.value());
}

void tst_DownloadImage::keyRecord_data()
{
    QTest::addColumn<Setup>("setup"); // works on key 0
    QTest::addColumn<QStringList>("record");

    QTest::newRow("worked example") << Setup([](TKeypadClass& d, TLevelKeyIndices&) {
        SetElements(d, {'a', 0x1032});
    }) << QStringLiteral("40 02 00 00 01 00 05 61 40 01 32 00 00").split(QLatin1Char(' '));
    QTest::newRow("flags 7, level 2 flags first") << Setup([](TKeypadClass& d, TLevelKeyIndices&) {
        d.SetLevel(1);
        d.SetCanAutoRepeat(true);
        d.SetSendKeyNow(true);
        SetElements(d, {13});
    }) << QStringLiteral("40 02 00 07 00 00 00 02 0D 00").split(QLatin1Char(' '));
    QTest::newRow("auto-repeat and transmit flags")
        << Setup([](TKeypadClass& d, TLevelKeyIndices&) {
               d.SetCanAutoRepeat(true);
               SetElements(d, {1});
               d.SetLevel(1);
               d.SetSendKeyNow(true);
               SetElements(d, {2});
           })
        << QStringLiteral("40 02 00 05 03 00 02 01 00 02 02 00").split(QLatin1Char(' '));
    QTest::newRow("empty level ignores its flags") << Setup([](TKeypadClass& d, TLevelKeyIndices&) {
        d.SetCanAutoRepeat(true);
        d.SetSendKeyNow(true);
    }) << QStringLiteral("40 02 00 00 00 00 00 00").split(QLatin1Char(' '));
    QTest::newRow("99 bytes: count 100 and a closing 0")
        << Setup([](TKeypadClass& d, TLevelKeyIndices&) {
               int32_t p = 0;
               for (int i = 0; i < 99; ++i)
                   d.InsertByte(p, 0x61);
           })
        << (QStringList{"40", "02", "00", "00", "01", "00", "64"} + Repeat("61", 99) +
            QStringList{"00", "00"});
    QTest::newRow("100 bytes: count 100, no closing 0")
        << Setup([](TKeypadClass& d, TLevelKeyIndices&) {
               int32_t p = 0;
               for (int i = 0; i < 100; ++i)
                   d.InsertByte(p, 0x61);
           })
        << (QStringList{"40", "02", "00", "00", "01", "00", "64"} + Repeat("61", 100) +
            QStringList{"00"});
    QTest::newRow("102 bytes read from a file")
        << Setup([](TKeypadClass& d, TLevelKeyIndices&) {
               ParseCodeString(d, QString(QStringLiteral("62")).repeated(99) +
                                      QStringLiteral("400132"));
           })
        << (QStringList{"40", "02", "00", "00", "01", "00", "66"} + Repeat("62", 99) +
            QStringList{"40", "01", "32", "00"});
}

void tst_DownloadImage::keyRecord()
{
    QFETCH(Setup, setup);
    QFETCH(QStringList, record);
    TKeypadClass d;
    TLevelKeyIndices indices;
    d.SetKey(0);
    setup(d, indices);
    d.SetKey(5);
    d.SetLevel(1);
    const QStringList values = Values(MakeDownloadImage(d, indices));
    QCOMPARE(values.mid(33, record.size()), record);
    // The rest of the image is unchanged by key 0, and the selection is untouched.
    QCOMPARE(values.mid(33 + record.size(), 8),
             (QStringList{"40", "02", "01", "00", "00", "01", "00", "00"}));
    QCOMPARE(values.size(), 33 + record.size() + 19 * 8);
    QCOMPARE(int(d.Key()), 5);
    QCOMPARE(int(d.Level()), 1);
}

void tst_DownloadImage::everyLineHoldsOneByte()
{
    // A full definition with values that do not fit a byte on their own.
    TKeypadClass d;
    FillDefinition(d);
    d.SetCdcSerialNo(-40000);
    d.SetOpMode(0xFF);
    d.SetCardTracks(0xFF);
    for (int key = 0; key < MaxKeys; ++key) {
        d.SetKey(key);
        for (int level = 0; level < MaxLevels; ++level) {
            d.SetLevel(level);
            ParseCodeString(d, QString(QStringLiteral("ff400132")).repeated(40));
        }
    }
    const QStringList values = Values(MakeDownloadImage(d, TLevelKeyIndices()));
    for (const QString& v : values)
        QVERIFY2(v.size() == 2, qPrintable(v));
}

void tst_DownloadImage::loaderSettings_data()
{
    QTest::addColumn<QByteArray>("before"); // empty: no file
    QTest::addColumn<QByteArray>("after");  // empty: no file

    QTest::newRow("no settings file") << QByteArray() << QByteArray();
    QTest::newRow("port -1: untouched")
        << QByteArray("[Com Port Configuration]\nComPort=-1\nDownloadDelay=5\n")
        << QByteArray("[Com Port Configuration]\nComPort=-1\nDownloadDelay=5\n");
    QTest::newRow("port $FFFFFFFF is -1")
        << QByteArray("[Com Port Configuration]\nComPort=$FFFFFFFF\n")
        << QByteArray("[Com Port Configuration]\nComPort=$FFFFFFFF\n");
    QTest::newRow("no port: untouched")
        << QByteArray("[Other]\nComPort=3\n") << QByteArray("[Other]\nComPort=3\n");
    QTest::newRow("port not a number: untouched")
        << QByteArray("[Com Port Configuration]\nComPort=COM3\n")
        << QByteArray("[Com Port Configuration]\nComPort=COM3\n");
    QTest::newRow("port set: updated in place")
        << QByteArray("; loader\n[com port configuration]\nComPort=3\ndownloaddelay = "
                      "5\nComType=1\n\n[X]\n")
        << QByteArray(
               "; loader\r\n[com port "
               "configuration]\r\nComPort=3\r\ndownloaddelay=37\r\nComType=1\r\n\r\n[X]\r\n");
    QTest::newRow("port set: delay added")
        << QByteArray("[Com Port Configuration]\r\nComPort=0\r\n")
        << QByteArray("[Com Port Configuration]\r\nComPort=0\r\nDownloadDelay=37\r\n");
}

void tst_DownloadImage::loaderSettings()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("RxLoad.ini"));
    if (!before.isEmpty())
        QVERIFY(WriteAll(settings, before));
    TKeypadClass d;
    d.SetDownloadDelay(37);
    const TSaveResult r =
        WriteDownloadImage(d, TLevelKeyIndices(), dir.filePath(QStringLiteral("a.hex")), settings);
    QVERIFY(r.Ok);
    if (after.isEmpty())
        QVERIFY(!QFileInfo::exists(settings));
    else
        QCOMPARE(ReadAll(settings), after);
}

void tst_DownloadImage::refusedImageLeavesLoaderSettings()
{
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("RxLoad.ini"));
    QVERIFY(WriteAll(settings, "[Com Port Configuration]\nComPort=1\n"));
    const QString image = dir.filePath(QStringLiteral("taken.hex"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken.hex")));
    const TSaveResult r = WriteDownloadImage(TKeypadClass(), TLevelKeyIndices(), image, settings);
    QVERIFY(!r.Ok);
    QCOMPARE(r.Message, QStringLiteral("Unable to write to ") + image +
                            QStringLiteral(": not a regular file."));
    QCOMPARE(ReadAll(settings), QByteArray("[Com Port Configuration]\nComPort=1\n"));
}

QTEST_GUILESS_MAIN(tst_DownloadImage)
#include "tst_downloadimage.moc"
