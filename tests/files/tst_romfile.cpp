#include "files/FileIO.h"
#include "files/FileTestHelpers.h"
#include "files/IniFile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace filetest;

namespace {

const QString Version = QStringLiteral("1.0.0");
const QString EcrWarning = QStringLiteral(
    "Warning: ECR Suffix String has been truncated to the max width of 8 characters.");

QString Filled(const QString& text)
{
    return text.leftJustified(16);
}

} // namespace

class tst_RomFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void golden();
    void ecrString_data();
    void ecrString();
    void lcdTexts_data();
    void lcdTexts();
    void readDefaults();
    void globalValues();
    void enableKeysDerived_data();
    void enableKeysDerived();
    void saveFillsCommittedTexts();
    void roundTrip();
    void failedLoadChangesNothing();
    void userFileOpenedAsRom();

private:
    QTemporaryDir fDir;
};

void tst_RomFile::init()
{
    QVERIFY(fDir.isValid());
}

void tst_RomFile::golden()
{
    TAppState state;
    const TLoadResult r = LoadRomFile(state, TestData(QStringLiteral("rom/handwritten.rom")));
    QCOMPARE(r.Status, TLoadStatus::Loaded);
    QCOMPARE(r.Warnings, QStringList{EcrWarning});
    QCOMPARE(r.NumberOfKeys, 20);
    const QString path = fDir.filePath(QStringLiteral("saved.rom"));
    QFile::remove(path);
    const TSaveResult saved = SaveRomFile(state, path, r.NumberOfKeys, Version);
    QVERIFY2(saved.Ok, qPrintable(saved.Message));
    QCOMPARE(ReadAll(path), ReadAll(TestData(QStringLiteral("rom/handwritten.saved.rom"))));
}

void tst_RomFile::ecrString_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("warned");
    QTest::newRow("9 characters") << QByteArray("ECR_String=123456789") << "12345678" << true;
    QTest::newRow("8 characters") << QByteArray("ECR_String=12345678") << "12345678" << false;
    QTest::newRow("quoted blanks count")
        << QByteArray("ECR_String=\" 1234567\"") << " 1234567" << false;
    QTest::newRow("missing") << QByteArray() << "" << false;
}

void tst_RomFile::ecrString()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, expected);
    QFETCH(bool, warned);
    TAppState state;
    const TLoadResult r = LoadRomFileData(state, "[ADVANCED_PARAMETERS]\r\n" + line + "\r\n");
    QCOMPARE(r.Status, TLoadStatus::Loaded);
    QCOMPARE(state.AdvancedParams.EcrString, expected);
    QCOMPARE(state.WorkingAdvancedParams.EcrString, expected);
    QCOMPARE(r.Warnings, warned ? QStringList{EcrWarning} : QStringList());
}

void tst_RomFile::lcdTexts_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QString>("line1");
    QTest::addColumn<QString>("line2");

    QTest::newRow("missing keys give the defaults")
        << QByteArray() << QStringLiteral("*  Halvorsten  *") << QStringLiteral("*   Ostrella   *");
    QTest::newRow("without percent signs: blanks")
        << QByteArray("SignOnMsgLine1=Hello") << Filled(QString())
        << QStringLiteral("*   Ostrella   *");
    QTest::newRow("empty between percent signs")
        << QByteArray("SignOnMsgLine1=%%") << Filled(QString())
        << QStringLiteral("*   Ostrella   *");
    QTest::newRow("doubled percent sign")
        << QByteArray("SignOnMsgLine1=%50%% off%") << Filled(QStringLiteral("50% off"))
        << QStringLiteral("*   Ostrella   *");
    QTest::newRow("blanks kept inside")
        << QByteArray("SignOnMsgLine1=  %  a  %  ") << Filled(QStringLiteral("  a  "))
        << QStringLiteral("*   Ostrella   *");
    QTest::newRow("no closing percent sign")
        << QByteArray("SignOnMsgLine1=%open") << Filled(QStringLiteral("open"))
        << QStringLiteral("*   Ostrella   *");
    QTest::newRow("text after the closing sign ignored")
        << QByteArray("SignOnMsgLine1=%ab%cd%") << Filled(QStringLiteral("ab"))
        << QStringLiteral("*   Ostrella   *");
    QTest::newRow("longer than 16 kept")
        << QByteArray("SignOnMsgLine1=%12345678901234567890%")
        << QStringLiteral("12345678901234567890") << QStringLiteral("*   Ostrella   *");
    QTest::newRow("one-line LCD empties line 2")
        << QByteArray("LcdSize=16\r\nSignOnMsgLine2=%second%") << QStringLiteral("*  Halvorsten  *")
        << QString();
    QTest::newRow("LcdSize 272 is 16 in a byte")
        << QByteArray("LcdSize=272\r\nSignOnMsgLine2=%second%")
        << QStringLiteral("*  Halvorsten  *") << QString();
}

void tst_RomFile::lcdTexts()
{
    QFETCH(QByteArray, lines);
    QFETCH(QString, line1);
    QFETCH(QString, line2);
    TAppState state;
    QCOMPARE(LoadRomFileData(state, "[ADVANCED_PARAMETERS]\r\n" + lines + "\r\n").Status,
             TLoadStatus::Loaded);
    QCOMPARE(state.AdvancedParams.SignOnMsgLine1, line1);
    QCOMPARE(state.AdvancedParams.SignOnMsgLine2, line2);
    const bool oneLine = state.AdvancedParams.LcdSize == 16;
    QCOMPARE(state.AdvancedParams.CardReadMsgLine2,
             oneLine ? QString() : QStringLiteral(" ==== ==== ===  "));
    for (const TScreenDataRec& screen : state.ScreenData) {
        QCOMPARE(screen.TextLine1, Filled(QStringLiteral("Line 1")));
        QCOMPARE(screen.TextLine2, oneLine ? QString() : Filled(QStringLiteral("Line 2")));
    }
}

void tst_RomFile::readDefaults()
{
    // No screen sections: every screen has the read defaults, not the reset values.
    TAppState state;
    QCOMPARE(LoadRomFileData(state, "[GLOBAL_PARAMETERS]\r\n").Status, TLoadStatus::Loaded);
    TScreenDataRec expected;
    expected.TextLine1 = Filled(QStringLiteral("Line 1"));
    expected.TextLine2 = Filled(QStringLiteral("Line 2"));
    expected.TimeoutPeriod = 0;
    expected.CardSwipeAction = expected.UserDataAction = expected.EnterAction = 0;
    expected.UserFullAction = expected.BackNormalAction = expected.BackEmptyAction = 0;
    expected.ClearNormalAction = expected.ClearEmptyAction = 0;
    for (int i = 0; i < ScreenCount; ++i) {
        QVERIFY(state.ScreenData[size_t(i)] == expected);
        QVERIFY(state.WorkingScreenData[size_t(i)] == expected);
    }
    const TAdvancedParams& a = state.AdvancedParams;
    QCOMPARE(int(a.KeyClick), 20);
    QCOMPARE(int(a.CharacterPacing), 2);
    QCOMPARE(int(a.LEDBehavior), 49);
    QCOMPARE(int(a.XonChar), 17);
    QCOMPARE(int(a.XoffChar), 19);
    QCOMPARE(int(a.CardPrefix), 9);
    QCOMPARE(int(a.CardBadSwipe), 33);
    QCOMPARE(a.MaskChar, QLatin1Char('*'));
    QCOMPARE(int(a.CardWordFormat), 144);
    QVERIFY(state.WorkingAdvancedParams == a);
    // The keypad definition's own globals keep their reset values.
    QCOMPARE(Describe(state.KeypadDefinition), Describe(TKeypadClass()));
}

void tst_RomFile::globalValues()
{
    TAppState state;
    const QByteArray file =
        "[GLOBAL_PARAMETERS]\r\nCDC_Serial_No=12345\r\nKey_Roll_Over=0\r\nOperating_Mode=259\r\n"
        "Command_Prefix=126\r\n"
        "[ADVANCED_PARAMETERS]\r\nMaskChar=65601\r\nHostType=70000\r\nCardWordFormat=-1\r\n"
        "[SCREEN2]\r\nTimeoutPeriod=70000\r\nLedModes=21\r\nEnterAction=268\r\n"
        "[SCREEN3]\r\nTimeoutPeriod=-5\r\n"
        "[KEY0]\r\nLevel_1_Codes=7e013240013240\r\n";
    QCOMPARE(LoadRomFileData(state, file).Status, TLoadStatus::Loaded);
    const TAdvancedParams& a = state.AdvancedParams;
    QCOMPARE(a.CdcSerialNo, 12345); // no upper limit in ROM files
    QCOMPARE(int(a.KeyRollOver), 1);
    QCOMPARE(int(a.OpMode), 3);
    QCOMPARE(int(a.CmdPrefix), 126);
    QCOMPARE(a.MaskChar, QLatin1Char('A')); // low 16 bits
    QCOMPARE(a.HostType, 70000);
    QCOMPARE(int(a.CardWordFormat), 255);
    QCOMPARE(state.ScreenData[1].TimeoutPeriod, 60000);
    QCOMPARE(int(state.ScreenData[1].LedModes), 21);
    QCOMPARE(int(state.ScreenData[1].EnterAction), 12);
    QCOMPARE(state.ScreenData[2].TimeoutPeriod, -5);
    // Key codes are read with the definition's prefix (64), not the file's.
    TKeypadClass& d = state.KeypadDefinition;
    QCOMPARE(int(d.CmdPrefix()), 64);
    QCOMPARE(Elements(d), (QList<int>{0x7E, 0x01, 0x32, 0x1032, 64}));
}

void tst_RomFile::enableKeysDerived_data()
{
    QTest::addColumn<int>("prefix");
    QTest::addColumn<int>("suffix");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("both zero")
        << 0 << 0
        << QByteArray("CardReader_StartCharacter=0\r\nCardReader_StartCharacterEnable=0\r\n"
                      "CardReader_EndCharacter=0\r\nCardReader_EndCharacterEnable=0\r\n");
    QTest::newRow("both set")
        << 2 << 13
        << QByteArray("CardReader_StartCharacter=2\r\nCardReader_StartCharacterEnable=1\r\n"
                      "CardReader_EndCharacter=13\r\nCardReader_EndCharacterEnable=1\r\n");
}

void tst_RomFile::enableKeysDerived()
{
    QFETCH(int, prefix);
    QFETCH(int, suffix);
    QFETCH(QByteArray, expected);
    TAppState state;
    state.AdvancedParams.CardPrefix = uint8_t(prefix);
    state.AdvancedParams.CardSuffix = uint8_t(suffix);
    const QString path = fDir.filePath(QStringLiteral("enable.rom"));
    QVERIFY(SaveRomFile(state, path, 20, Version).Ok);
    QVERIFY(ReadAll(path).contains(expected));
}

void tst_RomFile::saveFillsCommittedTexts()
{
    TAppState state;
    state.AdvancedParams.LcdSize = 16;
    state.AdvancedParams.SignOnMsgLine1 = QStringLiteral("Hi 100%");
    state.AdvancedParams.SignOnMsgLine2 = QStringLiteral("second");
    state.ScreenData[0].TextLine1 = QStringLiteral("Screen\r\none");
    state.WorkingAdvancedParams.SignOnMsgLine1 = QStringLiteral("working");
    const TScreenDataArray working = state.WorkingScreenData;

    const QString path = fDir.filePath(QStringLiteral("fill.rom"));
    QVERIFY(SaveRomFile(state, path, 12, Version).Ok);
    const QByteArray text = ReadAll(path);
    QVERIFY(text.contains("\r\nSignOnMsgLine1=%Hi 100%%         %\r\nSignOnMsgLine2=%%\r\n"));
    QVERIFY(text.contains("\r\nCardReadMsgLine2=%%\r\n"));
    QVERIFY(text.contains("[SCREEN1]\r\nTextLine1=%Screen  one     %\r\nTextLine2=%%\r\n"));
    QVERIFY(text.contains("\r\nNumber_Of_Keys=12\r\n"));

    // The committed texts now hold what was written; the working copies are as they were.
    QCOMPARE(state.AdvancedParams.SignOnMsgLine1, QStringLiteral("Hi 100%         "));
    QCOMPARE(state.AdvancedParams.SignOnMsgLine2, QString());
    QCOMPARE(state.ScreenData[0].TextLine2, QString());
    QCOMPARE(state.WorkingAdvancedParams.SignOnMsgLine1, QStringLiteral("working"));
    QVERIFY(state.WorkingScreenData == working);

    // A refused write changes nothing.
    TAppState refused;
    refused.AdvancedParams.SignOnMsgLine1 = QStringLiteral("short");
    const TSaveResult r = SaveRomFile(refused, fDir.path(), 20, Version);
    QVERIFY(!r.Ok);
    QCOMPARE(r.Message, QStringLiteral("Unable to write to ") + fDir.path() +
                            QStringLiteral(": not a regular file."));
    QCOMPARE(refused.AdvancedParams.SignOnMsgLine1, QStringLiteral("short"));
}

void tst_RomFile::roundTrip()
{
    TAppState state;
    FillDefinition(state.KeypadDefinition);
    state.KeypadDefinition.SetCmdPrefix(64); // ROM Edit Mode keeps the reset prefix
    TAdvancedParams& a = state.AdvancedParams;
    a.OpMode = 3;
    a.bHostEcho = true;
    a.MaskChar = QChar(0x20AC);
    a.ScreenEnable = true;
    a.StartScreen = 8;
    a.CalcPrefix = 1;
    a.CalcStart = 2;
    a.CalcSuffix = 4;
    a.TailChar = 3;
    a.HostType = 11;
    a.EcrMode = 0x801A;
    a.EcrString = QStringLiteral("%99 ;");
    a.CdcSerialNo = 123456;
    a.CardReadMsgLine1 = QStringLiteral("%%  card  %%");
    a.TCardReadHold = 2500;
    a.CardBadSwipe = 7;
    TScreenDataRec& s = state.ScreenData[4];
    s.TextLine1 = QStringLiteral("Enter PIN:");
    s.bTimeoutEnable = true;
    s.TimeoutPeriod = 60000;
    s.bUserMaskInput = true;
    s.LedModes = 21;
    s.OnShowChar = 2;
    s.OnLeaveChar = 3;

    const QString path = fDir.filePath(QStringLiteral("round.rom"));
    QVERIFY(SaveRomFile(state, path, 20, Version).Ok);
    TAppState loaded;
    QCOMPARE(LoadRomFile(loaded, path).Status, TLoadStatus::Loaded);
    QVERIFY(loaded.AdvancedParams == state.AdvancedParams);
    QVERIFY(loaded.ScreenData == state.ScreenData);
    QVERIFY(loaded.WorkingAdvancedParams == state.AdvancedParams);
    // The keys come back; the definition's own globals are not in a ROM file.
    QCOMPARE(Describe(loaded.KeypadDefinition).section(QLatin1Char('\n'), 3),
             Describe(state.KeypadDefinition).section(QLatin1Char('\n'), 3));
}

void tst_RomFile::failedLoadChangesNothing()
{
    TAppState state;
    FillDefinition(state.KeypadDefinition);
    state.AdvancedParams.EcrString = QStringLiteral("abc");
    state.WorkingAdvancedParams.LcdSize = 16;
    state.ScreenData[3].TextLine1 = QStringLiteral("mine");
    const TAdvancedParams advanced = state.AdvancedParams;
    const TAdvancedParams working = state.WorkingAdvancedParams;
    const TScreenDataArray screens = state.ScreenData;
    const QString before = Describe(state.KeypadDefinition);

    const TLoadResult r =
        LoadRomFileData(state, "[ADVANCED_PARAMETERS]\r\nECR_String=123456789\r\n[SCREEN4]"
                               "\r\nTextLine1=%x%\r\n[KEY1]\r\n[Comment]\r\n");
    QCOMPARE(r.Status, TLoadStatus::Failed);
    QCOMPARE(r.Message, QStringLiteral("'ment' is not a valid integer value"));
    QVERIFY(r.Warnings.isEmpty());
    QVERIFY(state.AdvancedParams == advanced);
    QVERIFY(state.WorkingAdvancedParams == working);
    QVERIFY(state.ScreenData == screens);
    QCOMPARE(Describe(state.KeypadDefinition), before);
}

void tst_RomFile::userFileOpenedAsRom()
{
    TAppState user;
    FillDefinition(user.KeypadDefinition);
    user.KeypadDefinition.SetCmdPrefix(64);
    const QString path = fDir.filePath(QStringLiteral("user.ckd"));
    TLevelKeyIndices indices;
    QVERIFY(SaveUserFile(user, path, 20, Version, indices).Ok);

    TAppState state;
    QCOMPARE(LoadRomFile(state, path).Status, TLoadStatus::Loaded);
    QCOMPARE(int(state.AdvancedParams.KeyClick), 42);
    QCOMPARE(int(state.AdvancedParams.OpMode), 0x73);
    QCOMPARE(state.AdvancedParams.CdcSerialNo, 4321);
    QCOMPARE(int(state.AdvancedParams.LcdSize), 32);
    QCOMPARE(state.AdvancedParams.SignOnMsgLine1, QStringLiteral("*  Halvorsten  *"));
    QCOMPARE(int(state.AdvancedParams.TBeepError), 200);
    QCOMPARE(state.ScreenData[7].TextLine1, Filled(QStringLiteral("Line 1")));
    TKeypadClass expected = user.KeypadDefinition;
    TKeypadClass globalsReset;
    // The keys come over; the definition's globals are the reset values.
    QCOMPARE(Describe(state.KeypadDefinition).section(QLatin1Char('\n'), 3),
             Describe(expected).section(QLatin1Char('\n'), 3));
    QCOMPARE(Describe(state.KeypadDefinition).section(QLatin1Char('\n'), 0, 2),
             Describe(globalsReset).section(QLatin1Char('\n'), 0, 2));
}

QTEST_GUILESS_MAIN(tst_RomFile)
#include "tst_romfile.moc"
