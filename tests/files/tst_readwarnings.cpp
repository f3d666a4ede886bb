// What the readers skip, cut or ignore is reported, one line each; files the
// editor writes give no warning at all.

#include "files/FileTestHelpers.h"
#include "files/MessageText.h"

#include <QtTest>

using namespace filetest;

class tst_ReadWarnings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void warnings_data();
    void warnings();
    void cleanFilesGiveNone();
    void messageValue_data();
    void messageValue();
};

void tst_ReadWarnings::warnings_data()
{
    QTest::addColumn<bool>("rom");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expected");

    const QString none =
        "The file holds no sections; nothing was read and every value is its default.";
    QTest::newRow("empty file") << false << QByteArray() << QStringList{none};
    QTest::newRow("UTF-16 text") << false << QByteArray("\xff\xfe[\0K\0E\0Y\0000\0]\0", 14)
                                 << QStringList{none};
    QTest::newRow("key section out of range")
        << false << QByteArray("[KEY25]\nLevel_1_Codes=61\n[KEY-1]\n")
        << QStringList{"[KEY25]: the number 25 names no key (KEY0 to KEY19 are keys 1 to 20); "
                       "the whole section was skipped.",
                       "[KEY-1]: the number -1 names no key (KEY0 to KEY19 are keys 1 to 20); "
                       "the whole section was skipped."};
    QTest::newRow("key read twice")
        << false << QByteArray("[KEY1]\nLevel_1_Codes=61\n[key1]\n[ABC1]\n")
        << QStringList{"[key1] key 2: a second section of this name: the first one was read into "
                       "the key again, its codes in front of those read before.",
                       "[ABC1] key 2: the key was read before from [key1]; this section was read "
                       "over it, its codes in front of those read before."};
    QTest::newRow("codes and name longer than a value")
        << false
        << "[KEY0]\nLevel_2_Codes=" + QByteArray("61").repeated(2500) +
               "\nLevel_2_Name=" + QByteArray(5000, 'n') + "\n"
        << QStringList{"[KEY0] key 1, level 2: Level_2_Codes holds 5000 characters; only the first "
                       "2047 were read.",
                       "[KEY0] key 1, level 2: Level_2_Codes holds no pair of hex digits from "
                       "character 2047 on ('6'); that part was ignored.",
                       "[KEY0] key 1, level 2: Level_2_Codes holds more than the 100 bytes a level "
                       "holds; the last 923 bytes were dropped.",
                       "[KEY0] key 1, level 2: Level_2_Name holds 5000 characters; only the first "
                       "2047 were read."};
    QTest::newRow("junk and meaningless commands in codes")
        << false << QByteArray("[KEY3]\nLevel_1_Codes=4061 6240 01\x1b[2J\n")
        << QStringList{"[KEY3] key 4, level 1: Level_1_Codes holds no pair of hex digits from "
                       "character 13 on ('\\x1b[2J'); that part was ignored.",
                       "[KEY3] key 4, level 1: Level_1_Codes holds 2 commands without a meaning "
                       "or an argument; dropped."};
    QTest::newRow("global values")
        << false
        << QByteArray(
               "[GLOBAL_PARAMETERS]\nKey_Click=fast\x07\nCommand_Prefix=300\nKey_Roll_Over=3\n"
               "CDC_Serial_No=12345\nCardReader_EndCharacterEnable=yes\n")
        << QStringList{
               "[GLOBAL_PARAMETERS]: Key_Roll_Over=3 is outside 1 to 2; read as 2.",
               "[GLOBAL_PARAMETERS]: Key_Click=fast\\x07 is not a number; read as 20.",
               "[GLOBAL_PARAMETERS]: Command_Prefix=300 does not fit in a byte; read as 44.",
               "[GLOBAL_PARAMETERS]: CardReader_EndCharacterEnable=yes is not a number; "
               "read as 1.",
               "[GLOBAL_PARAMETERS]: CDC_Serial_No=12345 is above 9999; read as 9999."};
    QTest::newRow("KeyType beyond a byte")
        << false << QByteArray("[KEY1]\nKeyType=258\n")
        << QStringList{"[KEY1]: KeyType=258 does not fit in a byte; read as 2."};
    // ROM files keep the serial number; their LCD texts and screens are read too.
    QTest::newRow("ROM values")
        << true
        << QByteArray("[GLOBAL_PARAMETERS]\nCDC_Serial_No=12345\n[ADVANCED_PARAMETERS]\n"
                      "SignOnMsgLine1=Hello\n[SCREEN2]\nTimeoutPeriod=70000\n[KEY0]\n")
        << QStringList{"[ADVANCED_PARAMETERS]: SignOnMsgLine1=Hello does not begin with a percent "
                       "sign; read as blanks.",
                       "[SCREEN2]: TimeoutPeriod=70000 is above 60000; read as 60000."};
}

void tst_ReadWarnings::warnings()
{
    QFETCH(bool, rom);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, expected);
    TAppState state;
    const TLoadResult r = rom ? LoadRomFileData(state, file) : LoadUserFileData(state, file);
    QCOMPARE(r.Status, TLoadStatus::Loaded);
    QStringList lines;
    for (const TReadWarning& w : r.ReadWarnings)
        lines << FormatReadWarning(w);
    QCOMPARE(lines, expected);
}

void tst_ReadWarnings::cleanFilesGiveNone()
{
    // What the editor writes, and the sample definitions.
    TAppState full;
    FillDefinition(full.KeypadDefinition);
    TLevelKeyIndices indices;
    QByteArray written;
    QVERIFY(MakeUserFile(full.KeypadDefinition, QString(), 20, "1.0.0", written, indices));
    const QList<QByteArray> files{written, ReadAll(TestData("user/fresh.ckd")),
                                  ReadAll(TestData("user/handwritten.saved.ckd")),
                                  ReadAll(TestData("../../docs/samples/coffee-shop.ckd")),
                                  ReadAll(TestData("../../docs/samples/ticket-desk.ckd"))};
    for (const QByteArray& file : files) {
        TAppState state;
        const TLoadResult r = LoadUserFileData(state, file);
        QCOMPARE(r.Status, TLoadStatus::Loaded);
        QVERIFY2(r.ReadWarnings.isEmpty(), qPrintable(FormatReadWarning(r.ReadWarnings.value(0))));
    }
    TAppState rom;
    QVERIFY(LoadRomFileData(rom, ReadAll(TestData("rom/handwritten.saved.rom")))
                .ReadWarnings.isEmpty());
}

void tst_ReadWarnings::messageValue_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown");

    QTest::newRow("printable, 40 long") << QString(40, 'x') << QString(40, 'x');
    QTest::newRow("41 long: cut") << QString(41, 'x') << QString(40, 'x') + "...";
    QTest::newRow("control characters and DEL")
        << QString::fromLatin1("a\x1b[1m\x07\x7f\x00z", 9) << "a\\x1b[1m\\x07\\x7f\\x00z";
    QTest::newRow("cut before escaping")
        << QString(39, 'x') + "\x1b\x1b" << QString(39, 'x') + "\\x1b...";
    QTest::newRow("other characters stay")
        << QString::fromUtf16(u"caf\u00e9 \u20ac") << QString::fromUtf16(u"caf\u00e9 \u20ac");
}

void tst_ReadWarnings::messageValue()
{
    QFETCH(QString, value);
    QFETCH(QString, shown);
    QCOMPARE(MessageValue(value), shown);
}

QTEST_GUILESS_MAIN(tst_ReadWarnings)
#include "tst_readwarnings.moc"
