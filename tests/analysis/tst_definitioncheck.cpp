#include "analysis/DefinitionCheck.h"

#include <QtTest>

namespace {

// "warning led-mode key 1, level 1 code 2": what a test expects of a finding.
QString Describe(const TFinding& f)
{
    QString text = SeverityName(f.Severity) + QLatin1Char(' ') + f.Rule;
    const QString place = FindingPlace(f);
    if (!place.isEmpty())
        text += QLatin1Char(' ') + place;
    if (f.Position >= 0)
        text += QStringLiteral(" code %1").arg(f.Position + 1);
    return text;
}

QStringList Check(const QByteArray& file, bool rom, const QList<int>& key1Codes = {},
                  const TReadWarnings& warnings = {})
{
    TAppState state;
    const TLoadResult loaded = rom ? LoadRomFileData(state, file) : LoadUserFileData(state, file);
    if (loaded.Status != TLoadStatus::Loaded)
        return {QStringLiteral("not loaded")};
    if (!key1Codes.isEmpty()) {
        TKeypadClass& d = state.KeypadDefinition;
        d.SetKey(0);
        d.SetLevel(0);
        int32_t position = 0;
        for (int code : key1Codes)
            d.InsertByte(position, code);
    }
    QStringList found;
    for (const TFinding& f : CheckDefinition(state, rom ? TReportKind::Rom : TReportKind::User,
                                             loaded.NumberOfKeys, warnings))
        found << Describe(f);
    return found;
}

// True Terminal Mode, and LEDs under macro control: no rule fires by itself.
const QByteArray Plain = "[GLOBAL_PARAMETERS]\nOperating_Mode=0\nLED_Function=34\n";

} // namespace

class tst_DefinitionCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rules_data();
    void rules();
    void readerWarningsBecomeFindings();
};

void tst_DefinitionCheck::rules_data()
{
    QTest::addColumn<bool>("rom");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<int>>("key1Codes"); // put into key 1, level 1 after loading
    QTest::addColumn<QStringList>("expected");

    const QString l2 = QStringLiteral("warning level-2-unreachable key %1, level 2");
    QTest::newRow("level 2 without a level key")
        << false << Plain + "[KEY0]\nLevel_1_Codes=61\nLevel_2_Codes=62\n"
        << QList<int>() << QStringList{l2.arg(1)};
    QTest::newRow("level 2 with a toggle key")
        << false << Plain + "[KEY3]\nKeyType=2\n[KEY0]\nLevel_2_Codes=62\n"
        << QList<int>() << QStringList();
    QTest::newRow("12 keys: level key and macro off the keypad")
        << false
        << Plain + "Number_Of_Keys=12\n[KEY0]\nKeyType=1\n[KEY1]\nLevel_1_Codes=61\n"
                   "[KEY4]\nLevel_2_Codes=62\n"
        << QList<int>() << QStringList{"note not-on-keypad key 2", l2.arg(5)};
    QTest::newRow("third toggle key, user")
        << false
        << Plain + "[KEY3]\nKeyType=2\n[KEY7]\nKeyType=2\n"
                   "[KEY9]\nKeyType=2\n"
        << QList<int>() << QStringList{"warning level-key-extra key 8"};
    QTest::newRow("third toggle key, rom")
        << true << Plain + "[KEY3]\nKeyType=2\n[KEY7]\nKeyType=2\n[KEY9]\nKeyType=2\n"
        << QList<int>() << QStringList();
    QTest::newRow("unknown key type") << false << Plain + "[KEY2]\nKeyType=7\n"
                                      << QList<int>() << QStringList{"warning key-type key 3"};
    QTest::newRow("LED in HID keyboard mode")
        << false
        << QByteArray("[GLOBAL_PARAMETERS]\nOperating_Mode=48\n[KEY0]\nLevel_1_Codes=4009\n")
        << QList<int>() << QStringList{"warning led-in-hid-mode key 1, level 1 code 1"};
    QTest::newRow("LED not under macro control")
        << false
        << QByteArray("[GLOBAL_PARAMETERS]\nOperating_Mode=0\nLED_Function=$31\n"
                      "[KEY0]\nLevel_1_Codes=4009400c\n")
        << QList<int>()
        << QStringList{"warning led-mode key 1, level 1 code 1",
                       "warning led-mode key 1, level 1 code 2"};
    QTest::newRow("LED in line edit mode")
        << false
        << QByteArray("[GLOBAL_PARAMETERS]\nLED_Function=34\n[KEY0]\nLevel_1_Codes=400c\n"
                      "[KEY1]\nLevel_1_Codes=400c\nL1_SendLineEditKeyASAP=1\n")
        << QList<int>() << QStringList{"warning led-line-edit key 1, level 1 code 1"};
    QTest::newRow("line edit length")
        << false
        << QByteArray("[KEY0]\nLevel_1_Codes=616263\n[KEY1]\nLevel_1_Codes=61\n"
                      "[KEY2]\nLevel_1_Codes=6162\nL1_SendLineEditKeyASAP=1\n")
        << QList<int>() << QStringList{"warning line-edit-length key 1, level 1 code 2"};
    QTest::newRow("line edit length with an alpha key")
        << false << QByteArray("[KEY0]\nLevel_1_Codes=616263\n[KEY5]\nKeyType=3\n") << QList<int>()
        << QStringList();
    QTest::newRow("line edit length with LCD translation")
        << true
        << QByteArray("[ADVANCED_PARAMETERS]\nLcdXlate=1\n[KEY0]\nLevel_1_Codes=616263\n"
                      "[KEY1]\nLevel_1_Codes=6162\n")
        << QList<int>() << QStringList{"warning line-edit-length key 1, level 1 code 3"};
    QTest::newRow("MIDI messages")
        << false
        << Plain + "Baud_Rate=8\n[KEY0]\nLevel_1_Codes=903c\n[KEY1]\nLevel_1_Codes=3c\n"
                   "[KEY2]\nLevel_1_Codes=903c643e64fc\n"
        << QList<int>()
        << QStringList{"warning midi-incomplete key 1, level 1 code 1",
                       "warning midi-incomplete key 2, level 1 code 1"};
    QTest::newRow("MIDI bytes at another rate") << false << Plain + "[KEY0]\nLevel_1_Codes=903c\n"
                                                << QList<int>() << QStringList();
    QTest::newRow("plain prefix byte at the end")
        << false << Plain + "[KEY0]\nLevel_1_Codes=6140\n"
        << QList<int>() << QStringList{"warning prefix-unescaped key 1, level 1 code 2"};
    QTest::newRow("plain prefix byte inside")
        << false << Plain << QList<int>{64, 97}
        << QStringList{"error prefix-unescaped key 1, level 1 code 1"};
    QTest::newRow("prefix sent as data") << false << Plain + "[KEY0]\nLevel_1_Codes=614040\n"
                                         << QList<int>() << QStringList{"note prefix-sent"};
    QTest::newRow("over capacity")
        << false << Plain + "[KEY0]\nLevel_1_Codes=" + QByteArray("61").repeated(99) + "400132\n"
        << QList<int>() << QStringList{"error capacity key 1, level 1 code 100"};
    QTest::newRow("unsendable and unknown command")
        << false << Plain << QList<int>{256, 0x4018}
        << QStringList{"error unsendable key 1, level 1 code 1",
                       "warning unknown-command key 1, level 1 code 2"};
    QTest::newRow("names") << false
                           << Plain +
                                  "[KEY0]\nLevel_1_Codes=61\nLevel_1_Name=Latte\n"
                                  "[KEY1]\nLevel_1_Codes=62\nLevel_1_Name=Latte\n"
                                  "[KEY2]\nLevel_2_Name=" +
                                  QByteArray(41, 'x') + "\n"
                           << QList<int>()
                           << QStringList{"note duplicate-name key 2, level 1",
                                          "note name-length key 3, level 2"};
    QTest::newRow("serial number") << false << Plain + "CDC_Serial_No=-5\n"
                                   << QList<int>() << QStringList{"warning serial-number"};
    QTest::newRow("rom: prefix of the keypad and of the macros")
        << true << Plain + "Command_Prefix=35\n[KEY0]\nLevel_1_Codes=61400132\n"
        << QList<int>() << QStringList{"warning prefix-mismatch"};
    QTest::newRow("rom: LCD text and card post-processing")
        << true
        << Plain + "[ADVANCED_PARAMETERS]\nSignOnMsgLine1=%12345678901234567%\nECR_Mode=33024\n"
        << QList<int>() << QStringList{"warning lcd-text", "warning ecr-concatenate"};
    QTest::newRow("rom: screens")
        << true
        << Plain + "[ADVANCED_PARAMETERS]\nScreenEnable=1\nStartScreen=1\n"
                   "[SCREEN2]\nEnterAction=1\n[SCREEN1]\nEnterAction=14\nbTimeoutEnable=1\n"
                   "TimeoutAction=3\nLedModes=35\nbSaveDataForNextScreen=1\n"
        << QList<int>()
        << QStringList{"warning screen-action screen 1",   "warning screen-timeout screen 1",
                       "warning screen-leds screen 1",     "note screen-save-data screen 1",
                       "note screen-unreachable screen 4", "note screen-unreachable screen 5",
                       "note screen-unreachable screen 6", "note screen-unreachable screen 7",
                       "note screen-unreachable screen 8"};
    QTest::newRow("rom: start screen") << true
                                       << Plain + "[ADVANCED_PARAMETERS]\nScreenEnable=1\n"
                                                  "StartScreen=9\n"
                                       << QList<int>() << QStringList{"warning start-screen"};
}

void tst_DefinitionCheck::rules()
{
    QFETCH(bool, rom);
    QFETCH(QByteArray, file);
    QFETCH(QList<int>, key1Codes);
    QFETCH(QStringList, expected);
    QCOMPARE(Check(file, rom, key1Codes), expected);
}

void tst_DefinitionCheck::readerWarningsBecomeFindings()
{
    const TReadWarnings warnings{{QStringLiteral("KEY25"), -1, -1, QStringLiteral("skipped")},
                                 {QStringLiteral("KEY3"), 3, 1, QStringLiteral("cut")}};
    QCOMPARE(Check(Plain, false, {}, warnings),
             (QStringList{"warning reader section KEY25", "warning reader key 4, level 2"}));
}

QTEST_GUILESS_MAIN(tst_DefinitionCheck)
#include "tst_definitioncheck.moc"
