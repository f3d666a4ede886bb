#include "model/AdvancedClass.h"
#include "model/Encodings.h"

#include <QtTest>

using namespace Encodings;

Q_DECLARE_METATYPE(Encodings::TParity)
Q_DECLARE_METATYPE(Encodings::TWordLayout)
Q_DECLARE_METATYPE(Encodings::TScreenActionField)

class TestEncodings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ledBehavior();
    void ledCaptions();
    void decodeWordFormat_data();
    void decodeWordFormat();
    void editWordFormat_data();
    void editWordFormat();
    void userWordFormat_data();
    void userWordFormat();
    void hostMode_data();
    void hostMode();
    void userOpMode();
    void operatingMode();
    void cardType();
    void cardTracks();
    void sentinelNames();
    void ecrMode();
    void ecrEdits_data();
    void ecrEdits();
    void actionItems_data();
    void actionItems();
    void ledModes();
};

void TestEncodings::ledBehavior()
{
    // The ROM reset value: green 1, red 3, with bits 2 and 3 set.
    QCOMPARE(GreenLedCode(31), 1);
    QCOMPARE(RedLedCode(31), 3);
    // Picking red "Under Host Control" rebuilds the byte and drops bits 2 and 3.
    QCOMPARE(WithLedCode(31, TLed::Red, 2), uint8_t(18));
    QCOMPARE(WithLedCode(0xFF, TLed::Green, 0), uint8_t(0x03));
    // The keypad definition's reset value: green 3, red 1.
    QCOMPARE(LedCode(0x31, TLed::Green), 3);
    QCOMPARE(LedCode(0x31, TLed::Red), 1);
    QCOMPARE(MakeLedBehavior(3, 1), uint8_t(0x31));
}

void TestEncodings::ledCaptions()
{
    // The HID keyboard modes rename codes differently for the two LEDs.
    QCOMPARE(AdvancedLedCaptions(TLed::Green, true).at(2), QStringLiteral("NumLock Indicator"));
    QCOMPARE(AdvancedLedCaptions(TLed::Green, true).at(3), QStringLiteral("Power Indicator"));
    QCOMPARE(AdvancedLedCaptions(TLed::Red, true).at(3), QStringLiteral("Shift/Toggle Indicator"));
    QCOMPARE(UserLedCaptions(TLed::Green, true).at(3), QStringLiteral("Power Indicator"));
    QCOMPARE(UserLedCaptions(TLed::Red, true).at(3), QStringLiteral("Level Indicator"));
}

void TestEncodings::decodeWordFormat_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("card"); // read as CardWordFormat (always extended)
    QTest::addColumn<int>("dataBits");
    QTest::addColumn<TParity>("parity");
    QTest::addColumn<int>("stopBits");

    QTest::newRow("legacy 8") << 8 << false << 8 << TParity::None << 1;
    QTest::newRow("legacy 2") << 2 << false << 7 << TParity::Even << 1;
    QTest::newRow("legacy 6") << 6 << false << 7 << TParity::Odd << 1;
    QTest::newRow("legacy 4 odd bit without parity") << 4 << false << 7 << TParity::None << 1;
    QTest::newRow("legacy 15") << 15 << false << 8 << TParity::Odd << 2;
    QTest::newRow("extended 144") << 144 << false << 8 << TParity::None << 1;
    QTest::newRow("extended 149") << 149 << false << 8 << TParity::Odd << 1;
    QTest::newRow("extended 151") << 151 << false << 8 << TParity::Mark << 1;
    QTest::newRow("extended 158") << 158 << false << 8 << TParity::Space << 2;
    QTest::newRow("extended 132") << 132 << false << 7 << TParity::Even << 1;
    QTest::newRow("extended kind without parity") << 0x93 << false << 8 << TParity::None << 1;
    QTest::newRow("card 144") << 144 << true << 8 << TParity::None << 1;
    QTest::newRow("card without bit 7") << 0x1D << true << 8 << TParity::Odd << 2;
    QTest::newRow("card 8 is 7 bits, 2 stop") << 8 << true << 7 << TParity::None << 2;
}

void TestEncodings::decodeWordFormat()
{
    QFETCH(int, value);
    QFETCH(bool, card);
    QFETCH(int, dataBits);
    QFETCH(TParity, parity);
    QFETCH(int, stopBits);

    const TWordFormat f =
        card ? DecodeCardWordFormat(uint8_t(value)) : DecodeHostWordFormat(uint8_t(value));
    QCOMPARE(f.DataBits, dataBits);
    QCOMPARE(f.Parity, parity);
    QCOMPARE(f.StopBits, stopBits);
}

void TestEncodings::editWordFormat_data()
{
    // A sequence of radio clicks: "d7", "d8", "s1", "s2", "none", "odd", "even",
    // "mark", "space"; the value after each click.
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("card");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QList<int>>("values");

    QTest::newRow("legacy 8 odd") << 8 << false << QStringList{"odd"} << QList<int>{14};
    QTest::newRow("extended 149 even") << 149 << false << QStringList{"even"} << QList<int>{148};
    QTest::newRow("legacy walk") << 8 << false << QStringList{"d7", "even", "odd", "s2", "none"}
                                 << QList<int>{0, 2, 6, 7, 1};
    QTest::newRow("extended from mark")
        << 151 << false << QStringList{"even", "odd", "none"} << QList<int>{148, 149, 144};
    QTest::newRow("extended bits") << 144 << false << QStringList{"s2", "d7", "space", "d8", "s1"}
                                   << QList<int>{152, 136, 142, 158, 150};
    QTest::newRow("legacy mark and space unchanged")
        << 14 << false << QStringList{"mark", "space"} << QList<int>{14, 14};
    QTest::newRow("legacy keeps unused bits")
        << 0x70 << false << QStringList{"d8", "odd", "none"} << QList<int>{0x78, 0x7E, 0x78};
    QTest::newRow("card mark and space")
        << 144 << true << QStringList{"mark", "space", "none"} << QList<int>{151, 150, 144};
    QTest::newRow("card without bit 7 stays without")
        << 0 << true << QStringList{"d8", "s2", "odd"} << QList<int>{16, 24, 29};
}

void TestEncodings::editWordFormat()
{
    QFETCH(int, start);
    QFETCH(bool, card);
    QFETCH(QStringList, clicks);
    QFETCH(QList<int>, values);
    QCOMPARE(clicks.size(), values.size());

    const QHash<QString, QString> parityNames{
        {"none", "None"}, {"odd", "Odd"}, {"even", "Even"}, {"mark", "Mark"}, {"space", "Space"}};
    uint8_t value = uint8_t(start);
    for (int i = 0; i < clicks.size(); ++i) {
        const TWordLayout layout = card ? TWordLayout::Extended : HostWordLayout(value);
        const QString& c = clicks[i];
        if (c == "d7" || c == "d8")
            value = WithDataBits(value, layout, c == "d7" ? 7 : 8);
        else if (c == "s1" || c == "s2")
            value = WithStopBits(value, layout, c == "s1" ? 1 : 2);
        else
            value = WithParity(value, layout, TParity(ParityCaptions().indexOf(parityNames[c])));
        QCOMPARE(int(value), values[i]);
        // The layout bit is never touched.
        QCOMPARE(value & ExtendedLayoutBit, start & ExtendedLayoutBit);
    }

    // Decoding what was built and building it again on the start value agree.
    const TWordLayout layout = card ? TWordLayout::Extended : HostWordLayout(uint8_t(start));
    const TWordFormat f = DecodeWordFormat(value, layout);
    QCOMPARE(DecodeWordFormat(WithWordFormat(uint8_t(start), layout, f), layout), f);
}

void TestEncodings::userWordFormat_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("index");

    QTest::newRow("8") << 8 << 0;
    QTest::newRow("0x0A shows 8,N,1") << 0x0A << 0;
    QTest::newRow("0") << 0 << 1;
    QTest::newRow("odd bit alone") << 4 << 1;
    QTest::newRow("2") << 2 << 2;
    QTest::newRow("6") << 6 << 3;
    QTest::newRow("7 (2 stop bits)") << 7 << 3;
    QTest::newRow("extended 144") << 144 << 1;
}

void TestEncodings::userWordFormat()
{
    QFETCH(int, value);
    QFETCH(int, index);
    QCOMPARE(UserWordFormatIndex(uint8_t(value)), index);
    // Every written value shows as its own item.
    for (int i = 0; i < 4; ++i)
        QCOMPARE(UserWordFormatIndex(UserWordFormatValues[i]), i);
}

void TestEncodings::hostMode_data()
{
    QTest::addColumn<int>("hostType");
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("hid");

    QTest::newRow("0") << 0 << 0 << false;
    QTest::newRow("2 shows Default") << 2 << 0 << false;
    QTest::newRow("1 shows Default") << 1 << 0 << false;
    QTest::newRow("3") << 3 << 3 << true;
    QTest::newRow("4") << 4 << 4 << false;
    QTest::newRow("5 shows Default") << 5 << 0 << false;
    QTest::newRow("7") << 7 << 7 << false;
    QTest::newRow("10") << 10 << 10 << false;
    QTest::newRow("11") << 11 << 11 << true;
    QTest::newRow("12 shows Default") << 12 << 0 << false;
    QTest::newRow("negative shows Default") << -3 << 0 << false;
}

void TestEncodings::hostMode()
{
    QFETCH(int, hostType);
    QFETCH(int, shown);
    QFETCH(bool, hid);
    QCOMPARE(ShownHostMode(hostType), shown);
    QCOMPARE(HostModes[HostModeIndex(hostType)].Code, shown);
    QCOMPARE(IsHidHost(hostType), hid);
    if (shown == 0)
        QCOMPARE(HostModeCaption(hostType),
                 QStringLiteral("Default: Auto-detect between Mode 1 and Mode 2 "));
}

void TestEncodings::userOpMode()
{
    QCOMPARE(UserHostMode(0xB3), 11);
    QCOMPARE(UserHostMode(0x70), 7);
    QCOMPARE(UserHostMode(0xA0), 10);
    QCOMPARE(UserHostMode(0x31), 3);
    QCOMPARE(UserHostMode(0x40), 0); // Ethernet is not a user host mode
    QCOMPARE(UserHostMode(0x20), 0);
    QCOMPARE(UserHostMode(0xF3), 0);

    QCOMPARE(MakeUserOpMode(true, true, 11), uint8_t(0xB3));
    QCOMPARE(MakeUserOpMode(false, true, 0), uint8_t(0x02));
    QCOMPARE(MakeUserOpMode(true, false, 7), uint8_t(0x71));
}

void TestEncodings::operatingMode()
{
    TAdvancedParams p;
    p.OpMode = 0x07;
    QCOMPARE(OperatingMode(p.OpMode, p.ScreenEnable), TOperatingMode::LineEdit);

    // Screen mode keeps bit 0 underneath.
    SelectOperatingMode(p, TOperatingMode::AutomatedScreen);
    QVERIFY(p.ScreenEnable);
    QCOMPARE(p.OpMode, uint8_t(0x07));
    QCOMPARE(OperatingMode(p.OpMode, p.ScreenEnable), TOperatingMode::AutomatedScreen);

    SelectOperatingMode(p, TOperatingMode::TrueTerminal);
    QVERIFY(!p.ScreenEnable);
    QCOMPARE(p.OpMode, uint8_t(0x06));

    SelectOperatingMode(p, TOperatingMode::AutomatedScreen);
    SelectOperatingMode(p, TOperatingMode::LineEdit);
    QVERIFY(!p.ScreenEnable);
    QCOMPARE(p.OpMode, uint8_t(0x07));
}

void TestEncodings::cardType()
{
    QCOMPARE(DeviceTypeForCardType(CardTypeNone), uint8_t(0));
    QCOMPARE(DeviceTypeForCardType(CardTypeBarcode), uint8_t(129));
    QCOMPARE(DeviceTypeForCardType(CardTypeMagnetic), uint8_t(129));
    QCOMPARE(DeviceTypeForCardType(CardTypeWedge), uint8_t(2));

    QVERIFY(!ShowsPacketize(CardTypeWedge, 2));
    QVERIFY(ShowsPacketize(CardTypeWedge, 130));
    QVERIFY(ShowsPacketize(CardTypeBarcode, 0)); // the reset pair
    QVERIFY(ShowsPacketize(CardTypeNone, 0));
}

void TestEncodings::cardTracks()
{
    QCOMPARE(WithCardTracks(0x83, true, false), uint8_t(0x81));
    QCOMPARE(WithCardTracks(0x80, true, true), uint8_t(0x83));
    QCOMPARE(MakeCardTracks(true, false), uint8_t(1));
    QCOMPARE(MakeCardTracks(false, true), uint8_t(2));
}

void TestEncodings::sentinelNames()
{
    QStringList names = SentinelNames();
    QCOMPARE(names.size(), 128);
    QCOMPARE(names.at(0), QStringLiteral("NONE"));
    QCOMPARE(names.at(1), QStringLiteral("SOH"));
    QCOMPARE(names.at(9), QStringLiteral("TAB"));
    QCOMPARE(names.at(13), QStringLiteral("CR"));
    QCOMPARE(names.at(27), QStringLiteral("ESC"));
    QCOMPARE(names.at(31), QStringLiteral("US"));
    QCOMPARE(names.at(32), QStringLiteral("Space"));
    QCOMPARE(names.at(33), QStringLiteral("!"));
    QCOMPARE(names.at(37), QStringLiteral("%"));
    QCOMPARE(names.at(126), QStringLiteral("~"));
    QCOMPARE(names.at(127), QStringLiteral("DEL"));
    QCOMPARE(names.removeDuplicates(), qsizetype(0));
    QCOMPARE(SentinelName(59), QStringLiteral(";"));
    QVERIFY(SentinelName(128).isEmpty());
    QVERIFY(SentinelName(-1).isEmpty());
}

void TestEncodings::ecrMode()
{
    const int32_t ecr = 0x801A;
    QVERIFY(EcrEnabled(ecr));
    QCOMPARE(EcrTrackCaptions().at(EcrTrackIndex(ecr)), QStringLiteral("Track 2 (MCR only)"));
    QCOMPARE(EcrFieldCaptions().at(EcrFieldIndex(ecr)), QStringLiteral("Field 11"));

    const QStringList fields = EcrFieldCaptions();
    QCOMPARE(fields.size(), 17);
    QCOMPARE(fields.at(0), QStringLiteral("Field 1"));
    QCOMPARE(fields.at(8), QStringLiteral("Field 9 "));
    QCOMPARE(fields.at(15), QStringLiteral("Field 16"));
    QVERIFY(fields.at(16).isEmpty());
}

void TestEncodings::ecrEdits_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("edit"); // bit name, "track", "field"
    QTest::addColumn<int>("argument"); // on/off or index
    QTest::addColumn<int>("expected");

    const int high = int(0xABCD0000u);
    QTest::newRow("enable keeps the rest") << (high | 0x0015) << "enable" << 1 << (high | 0x8015);
    QTest::newRow("disable keeps low bits, drops high")
        << (high | 0x81D5) << "enable" << 0 << 0x01D5;
    QTest::newRow("clearing a clear bit drops high")
        << (high | 0x8000) << "suppress" << 0 << 0x8000;
    QTest::newRow("prepend on") << 0 << "prepend" << 1 << 0x40;
    QTest::newRow("concatenate off") << 0x8100 << "concatenate" << 0 << 0x8000;
    QTest::newRow("track 2") << (high | 0x8001) << "track" << 1 << (high | 0x8011);
    QTest::newRow("track 1 drops high") << (high | 0x8011) << "track" << 0 << 0x8001;
    QTest::newRow("no track entry clears the bit") << 0x10 << "track" << -1 << 0;
    QTest::newRow("field 16 keeps the track") << (high | 0x8013) << "field" << 15 << 0x801F;
    QTest::newRow("field 1") << 0x801F << "field" << 0 << 0x8010;
    QTest::newRow("empty last entry changes nothing")
        << (high | 0x8013) << "field" << 16 << (high | 0x8013);
    QTest::newRow("no field entry changes nothing") << 0x8013 << "field" << -1 << 0x8013;
}

void TestEncodings::ecrEdits()
{
    QFETCH(int, start);
    QFETCH(QString, edit);
    QFETCH(int, argument);
    QFETCH(int, expected);

    int32_t result = 0;
    if (edit == "track")
        result = EcrWithTrack(start, argument);
    else if (edit == "field")
        result = EcrWithField(start, argument);
    else {
        const int32_t bit = edit == "enable"     ? EcrEnableBit
                            : edit == "suppress" ? EcrSuppressZerosBit
                            : edit == "prepend"  ? EcrPrependZerosBit
                                                 : EcrConcatenateBit;
        result = EcrWithBit(start, bit, argument != 0);
    }
    QCOMPARE(QString::number(uint32_t(result), 16), QString::number(uint32_t(expected), 16));
}

void TestEncodings::actionItems_data()
{
    QTest::addColumn<TScreenActionField>("field");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("last");

    QTest::newRow("timeout") << TScreenActionField::Timeout << 12 << "Erase all characters";
    QTest::newRow("card swipe") << TScreenActionField::CardSwipe << 9 << "Go to Screen 8";
    QTest::newRow("user data") << TScreenActionField::UserData << 13 << "Accept key data";
    QTest::newRow("enter") << TScreenActionField::Enter << 13 << "";
    QTest::newRow("user full") << TScreenActionField::UserFull << 13 << "";
    QTest::newRow("back normal") << TScreenActionField::BackNormal << 12 << "Erase all characters";
    QTest::newRow("back empty") << TScreenActionField::BackEmpty << 12 << "Erase all characters";
    QTest::newRow("clear normal") << TScreenActionField::ClearNormal << 12
                                  << "Erase all characters";
    QTest::newRow("clear empty") << TScreenActionField::ClearEmpty << 12 << "Erase all characters";
}

void TestEncodings::actionItems()
{
    QFETCH(TScreenActionField, field);
    QFETCH(int, count);
    QFETCH(QString, last);

    const QStringList items = ActionItems(field);
    QCOMPARE(items.size(), count);
    QCOMPARE(items.last(), last);
    QCOMPARE(items.at(0), QStringLiteral("Nothing"));
    QCOMPARE(items.at(1), QStringLiteral("Go to Screen 1"));
    if (count > 9)
        QCOMPARE(items.at(9), QStringLiteral("Beep"));
}

void TestEncodings::ledModes()
{
    QCOMPARE(GreenLedMode(21), int(LedFlashing));
    QCOMPARE(RedLedMode(21), int(LedOn));
    QCOMPARE(LedModeCaptions().at(GreenLedMode(21)), QStringLiteral("Flashing"));
    QCOMPARE(LedModeCaptions().at(RedLedMode(21)), QStringLiteral("On"));
    // Clicking green "Off" with red on.
    QCOMPARE(MakeLedModes(LedOff, RedLedMode(21)), uint8_t(1));
    QCOMPARE(MakeLedModes(LedFlashing, LedFlashing), uint8_t(22));
}

QTEST_APPLESS_MAIN(TestEncodings)
#include "tst_encodings.moc"
