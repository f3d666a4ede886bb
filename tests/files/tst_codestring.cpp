#include "files/FileIO.h"
#include "files/FileTestHelpers.h"

#include <QtTest>

using namespace filetest;

class tst_CodeString : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void read_data();
    void read();
    void roundTrip_data();
    void roundTrip();
    void capacity_data();
    void capacity();
    void insertsInFrontOfExistingCodes();
    void hexPair_data();
    void hexPair();
    void imagePath_data();
    void imagePath();
};

void tst_CodeString::read_data()
{
    QTest::addColumn<int>("prefix");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("expected");

    const QList<int> example{0x61, 0x1032, 0x0D, 0x4040, 0x4009, 0x2019};
    QTest::newRow("worked example") << 64 << "614001320d40404009400219" << example;
    QTest::newRow("worked example, prefix 126") << 126 << "617e01320d7e407e097e0219" << example;
    QTest::newRow("blanks deleted") << 64 << " 61 40 01 32 " << QList<int>{0x61, 0x1032};
    QTest::newRow("prefix at the end is plain") << 64 << "6140" << QList<int>{0x61, 64};
    QTest::newRow("command without bit 3 dropped") << 64 << "4061" << QList<int>{};
    QTest::newRow("command 0 dropped") << 64 << "40006240" << QList<int>{0x62, 64};
    QTest::newRow("command with bit 3 kept") << 64 << "4068" << QList<int>{0x4068};
    QTest::newRow("command 18 kept") << 64 << "4018" << QList<int>{0x4018};
    QTest::newRow("escaped prefix") << 64 << "4040" << QList<int>{0x4040};
    QTest::newRow("beep") << 64 << "40027d" << QList<int>{0x207D};
    QTest::newRow("prefix below 16") << 9 << "09010509" << QList<int>{0x1005, 9};
    QTest::newRow("empty") << 64 << "" << QList<int>{};
    QTest::newRow("upper-case hex") << 64 << "6A4F40FF" << QList<int>{0x6A, 0x4F, 0x40FF};
    QTest::newRow("odd last digit ignored") << 64 << "616" << QList<int>{0x61};
    QTest::newRow("blank inside a pair") << 64 << "6 16 2" << QList<int>{0x61, 0x62};
    QTest::newRow("stops at the first non-hex character") << 64 << "61zz62" << QList<int>{0x61};
    QTest::newRow("tab is not a blank") << 64 << "\t61" << QList<int>{};
    QTest::newRow("delay without argument") << 64 << "614001" << QList<int>{0x61};
    QTest::newRow("beep without argument") << 64 << "6140 02" << QList<int>{0x61};
    QTest::newRow("odd digit after a prefix") << 64 << "400" << QList<int>{64};
    QTest::newRow("delay argument cut by junk") << 64 << "40010x" << QList<int>{};
    QTest::newRow("non-ASCII digit")
        << 64 << QString::fromUtf16(u"61\uff16\uff11") << QList<int>{0x61};
}

void tst_CodeString::read()
{
    QFETCH(int, prefix);
    QFETCH(QString, text);
    QFETCH(QList<int>, expected);
    TKeypadClass d;
    d.SetCmdPrefix(uint8_t(prefix));
    d.SetKey(7);
    d.SetLevel(1);
    ParseCodeString(d, text);
    QCOMPARE(Elements(d), expected);
    // Nothing lands anywhere else.
    d.SetLevel(0);
    QVERIFY(Elements(d).isEmpty());
}

void tst_CodeString::roundTrip_data()
{
    QTest::addColumn<int>("prefix");
    QTest::addColumn<QList<int>>("elements");
    QTest::addColumn<QString>("codes");

    QTest::newRow("worked example") << 64 << QList<int>{0x61, 0x1032, 0x0D, 0x4040, 0x4009, 0x2019}
                                    << "614001320d40404009400219";
    QTest::newRow("prefix 126") << 126 << QList<int>{0x61, 0x1032, 0x0D, 0x4040, 0x4009, 0x2019}
                                << "617e01320d7e407e097e0219";
    QTest::newRow("delay 5") << 64 << QList<int>{0x1005} << "400105";
    QTest::newRow("plain codes") << 64 << QList<int>{5, 255, 16} << "05ff10";
    QTest::newRow("prefix 9") << 9 << QList<int>{0x1005, 0x4009} << "0901050909";
    QTest::newRow("command 18") << 64 << QList<int>{0x4018} << "4018";
    QTest::newRow("empty") << 64 << QList<int>{} << "";
    QTest::newRow("delay and beep of 255") << 64 << QList<int>{0x10FF, 0x20FF} << "4001ff4002ff";
}

void tst_CodeString::roundTrip()
{
    QFETCH(int, prefix);
    QFETCH(QList<int>, elements);
    QFETCH(QString, codes);
    TKeypadClass written;
    written.SetCmdPrefix(uint8_t(prefix));
    int32_t position = 0;
    for (int v : elements)
        QVERIFY(written.InsertByte(position, v));
    QCOMPARE(written.MakeCodes(), codes);

    TKeypadClass read;
    read.SetCmdPrefix(uint8_t(prefix));
    ParseCodeString(read, codes);
    QCOMPARE(Elements(read), elements);
}

void tst_CodeString::capacity_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("elements");
    QTest::addColumn<int>("bytes");

    const QString a99 = QString(QStringLiteral("61")).repeated(99);
    QTest::newRow("101 plain bytes keep 100")
        << QString(QStringLiteral("61")).repeated(101) << 100 << 100;
    QTest::newRow("delay after 99 bytes reaches 102")
        << a99 + QStringLiteral("40013261") << 100 << 102;
    QTest::newRow("later small codes are dropped too")
        << a99 + QStringLiteral("4040") + QStringLiteral("62").repeated(5) << 100 << 101;
    QTest::newRow("elements after a refusal are dropped")
        << QString(QStringLiteral("400132")).repeated(34) + QStringLiteral("4009") << 34 << 102;
    QTest::newRow("the longest string a file value holds")
        << QString(QStringLiteral("4009")).repeated(511) << 50 << 100;
}

void tst_CodeString::capacity()
{
    QFETCH(QString, text);
    QFETCH(int, elements);
    QFETCH(int, bytes);
    TKeypadClass d;
    ParseCodeString(d, text);
    QCOMPARE(int(d.NumOfElements()), elements);
    QCOMPARE(d.CodeCount(), bytes);
}

void tst_CodeString::insertsInFrontOfExistingCodes()
{
    // A second section for the same key puts its codes in front.
    TKeypadClass d;
    ParseCodeString(d, QStringLiteral("6162"));
    ParseCodeString(d, QStringLiteral("7a"));
    QCOMPARE(Elements(d), (QList<int>{0x7A, 0x61, 0x62}));
}

void tst_CodeString::hexPair_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("lower") << "ff" << 255;
    QTest::newRow("upper") << "C8" << 200;
    QTest::newRow("only the first two count") << "0a99" << 10;
    QTest::newRow("too short") << "a" << -1;
    QTest::newRow("not hex") << "g0" << -1;
}

void tst_CodeString::hexPair()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(HexPairToByte(text), value);
}

void tst_CodeString::imagePath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("image");
    QTest::newRow("ckd") << "/m/pad.ckd"
                         << "/m/pad.hex";
    QTest::newRow("upper case") << "/m/pad.CKD"
                                << "/m/pad.hex";
    QTest::newRow("other extension") << "/m/pad.rom"
                                     << "/m/pad.hex";
    QTest::newRow("short") << "ab"
                           << "hex";
}

void tst_CodeString::imagePath()
{
    QFETCH(QString, path);
    QFETCH(QString, image);
    QCOMPARE(DownloadImagePath(path), image);
}

QTEST_GUILESS_MAIN(tst_CodeString)
#include "tst_codestring.moc"
