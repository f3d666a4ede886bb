// The port numbers that the editor, the loader and the key testers share.

#include "PortNumbers.h"

#include <QTest>

class TestPortNumbers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numbersOfNames_data();
    void numbersOfNames();
    void everyNumberNamesItsPortBack();
    void usbPorts();
};

void TestPortNumbers::numbersOfNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");

    QTest::newRow("COM3") << "COM3" << 3;
    QTest::newRow("lower-case com") << "com12" << 12;
    QTest::newRow("Windows device path") << "\\\\.\\COM10" << 10;
    QTest::newRow("COM0") << "COM0" << 0;
    QTest::newRow("COM256") << "COM256" << 0;
    QTest::newRow("first classic port") << "ttyS0" << 1;
    QTest::newRow("last classic port") << "ttyS98" << 99;
    QTest::newRow("classic port beyond its hundred") << "ttyS99" << 0;
    QTest::newRow("device path") << "/dev/ttyUSB0" << 101;
    QTest::newRow("last USB adapter") << "ttyUSB98" << 199;
    QTest::newRow("USB modem class") << "ttyACM0" << 201;
    QTest::newRow("board port") << "ttyAMA1" << 302;
    QTest::newRow("Bluetooth") << "rfcomm0" << 401;
    QTest::newRow("no digits") << "ttyS" << 0;
    QTest::newRow("trailing letter") << "ttyS1a" << 0;
    QTest::newRow("letter case of a device") << "ttyusb0" << 0;
    QTest::newRow("macOS name") << "cu.usbserial-1410" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestPortNumbers::numbersOfNames()
{
    QFETCH(QString, name);
    QFETCH(int, number);
    QCOMPARE(PortNumbers::numberForName(name), number);
}

void TestPortNumbers::everyNumberNamesItsPortBack()
{
    // LinkProbe gets only the number from the editor, so each number must
    // lead back to the port it was made from.
    int named = 0;
    for (int number = -2; number <= 600; ++number) {
        const QString name = PortNumbers::nameForNumber(number);
        if (name.isEmpty())
            continue;
        ++named;
        QCOMPARE(PortNumbers::numberForName(name), number);
    }
#ifdef Q_OS_WIN
    QCOMPARE(named, 255);
#else
    QCOMPARE(named, 5 * 99);
    QCOMPARE(PortNumbers::nameForNumber(1), QStringLiteral("ttyS0"));
    QCOMPARE(PortNumbers::nameForNumber(101), QStringLiteral("ttyUSB0"));
    QVERIFY(PortNumbers::nameForNumber(100).isEmpty());
    QVERIFY(PortNumbers::nameForNumber(500).isEmpty());
#endif
    QVERIFY(PortNumbers::nameForNumber(0).isEmpty());
    QVERIFY(PortNumbers::nameForNumber(-1).isEmpty());
}

void TestPortNumbers::usbPorts()
{
    QVERIFY(PortNumbers::isUsbName(QStringLiteral("/dev/ttyUSB0")));
    QVERIFY(PortNumbers::isUsbName(QStringLiteral("ttyACM3")));
    QVERIFY(!PortNumbers::isUsbName(QStringLiteral("ttyS0")));
    QVERIFY(!PortNumbers::isUsbName(QStringLiteral("COM3")));
}

QTEST_GUILESS_MAIN(TestPortNumbers)
#include "tst_portnumbers.moc"
