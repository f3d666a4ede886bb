#include "files/FileIO.h"
#include "files/FileTestHelpers.h"
#include "files/IniFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace filetest;

namespace {

const QString Version = QStringLiteral("1.0.0");

class TShiftHeld : public TModifierSource
{
public:
    int GetModifiers() const override { return ModLShift; }
};

// Loads `text` as a user file from a fresh state.
TLoadResult LoadText(TAppState& state, const QByteArray& text)
{
    return LoadUserFileData(state, text);
}

} // namespace

class tst_UserFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void goldenFreshDefinition();
    void goldenUpdateInPlace();
    void readDefaults();
    void globalValues_data();
    void globalValues();
    void keySections_data();
    void keySections();
    void failedLoadChangesNothing_data();
    void failedLoadChangesNothing();
    void loadKeepsViewAndModifierSource();
    void missingFileIsNoFile();
    void roundTrip();
    void levelKeyIndices_data();
    void levelKeyIndices();
    void saveKeepsSelectionAndOtherSections();
    void lineBreaksInNames();
    void refusedWriteKeepsOldFile();
    void hostileFiles_data();
    void hostileFiles();

private:
    QTemporaryDir fDir;
};

void tst_UserFile::init()
{
    QVERIFY(fDir.isValid());
}

void tst_UserFile::goldenFreshDefinition()
{
    TAppState state;
    TLevelKeyIndices indices;
    const QString path = fDir.filePath(QStringLiteral("fresh.ckd"));
    QFile::remove(path);
    const TSaveResult saved = SaveUserFile(state, path, 20, Version, indices);
    QVERIFY2(saved.Ok, qPrintable(saved.Message));
    QCOMPARE(ReadAll(path), ReadAll(TestData(QStringLiteral("user/fresh.ckd"))));
}

void tst_UserFile::goldenUpdateInPlace()
{
    // A hand-written file: comments, odd spacing, LF line ends, key names in
    // other letter cases, a ROM section, sections out of order, missing keys.
    const QString input = TestData(QStringLiteral("user/handwritten.ckd"));
    const QString path = fDir.filePath(QStringLiteral("handwritten.ckd"));
    QFile::remove(path);
    QVERIFY(QFile::copy(input, path));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    TAppState state;
    const TLoadResult loaded = LoadUserFile(state, path);
    QCOMPARE(loaded.Status, TLoadStatus::Loaded);
    QCOMPARE(loaded.NumberOfKeys, 12);

    TLevelKeyIndices indices;
    QVERIFY(SaveUserFile(state, path, loaded.NumberOfKeys, Version, indices).Ok);
    QCOMPARE(ReadAll(path), ReadAll(TestData(QStringLiteral("user/handwritten.saved.ckd"))));

    const QString image = DownloadImagePath(path);
    QVERIFY(WriteDownloadImage(state.KeypadDefinition, indices, image, QString()).Ok);
    QCOMPARE(ReadAll(image), ReadAll(TestData(QStringLiteral("user/handwritten.saved.hex"))));
}

void tst_UserFile::readDefaults()
{
    TAppState state;
    state.KeypadDefinition.SetKeyClick(2);
    const TLoadResult r = LoadText(state, "[GLOBAL_PARAMETERS]\r\nNumber_Of_Keys=12\r\n");
    QCOMPARE(r.Status, TLoadStatus::Loaded);
    QCOMPARE(r.NumberOfKeys, 12);

    // The read defaults, where they differ from the reset values, win.
    TKeypadClass expected;
    expected.SetKeyClick(20);
    expected.SetXonChar(17);
    expected.SetXoffChar(19);
    expected.SetCardBadSwipe(33);
    QCOMPARE(Describe(state.KeypadDefinition), Describe(expected));

    QCOMPARE(LoadText(state, "").NumberOfKeys, 20);
}

void tst_UserFile::globalValues_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("expected");

    QTest::newRow("roll-over 0 forced to 1") << QByteArray("Key_Roll_Over=0") << "KeyRollOver" << 1;
    QTest::newRow("roll-over 7 forced to 2") << QByteArray("Key_Roll_Over=7") << "KeyRollOver" << 2;
    QTest::newRow("roll-over 257 is its low byte 1")
        << QByteArray("Key_Roll_Over=257") << "KeyRollOver" << 1;
    QTest::newRow("roll-over -1 is 255, forced to 2")
        << QByteArray("Key_Roll_Over=-1") << "KeyRollOver" << 2;
    QTest::newRow("byte keeps low 8 bits") << QByteArray("Key_Click=300") << "KeyClick" << 44;
    QTest::newRow("-1 is 255") << QByteArray("Command_Prefix=-1") << "CmdPrefix" << 255;
    QTest::newRow("hex value") << QByteArray("LED_Function=$21") << "LEDBehavior" << 0x21;
    QTest::newRow("not a number gives the read default")
        << QByteArray("Xon_Character=DC1") << "XonChar" << 17;
    QTest::newRow("serial clamped to 9999")
        << QByteArray("CDC_Serial_No=12345") << "CdcSerialNo" << 9999;
    QTest::newRow("negative serial stays") << QByteArray("CDC_Serial_No=-5") << "CdcSerialNo" << -5;
    QTest::newRow("download delay is a full integer")
        << QByteArray("DOWNLOAD_DELAY=70000") << "DownloadDelay" << 70000;
    QTest::newRow("enable read as Boolean")
        << QByteArray("CardReader_StartCharacterEnable=7") << "CardPrefixEnable" << 1;
    QTest::newRow("a different key name is not read")
        << QByteArray("card_reader_tracks=1") << "CardTracks" << 3;
    QTest::newRow("key names without regard to case")
        << QByteArray("CARDREADER_TRACKS=1") << "CardTracks" << 1;
}

void tst_UserFile::globalValues()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, property);
    QFETCH(int, expected);
    TAppState state;
    QCOMPARE(LoadText(state, "[global_parameters]\n" + line + "\n").Status, TLoadStatus::Loaded);
    const TKeypadClass& d = state.KeypadDefinition;
    const QHash<QString, int> values{
        {"KeyRollOver", d.KeyRollOver()},
        {"KeyClick", d.KeyClick()},
        {"CmdPrefix", d.CmdPrefix()},
        {"LEDBehavior", d.LEDBehavior()},
        {"XonChar", d.XonChar()},
        {"CdcSerialNo", d.CdcSerialNo()},
        {"DownloadDelay", d.DownloadDelay()},
        {"CardPrefixEnable", d.CardPrefixEnable()},
        {"CardTracks", d.CardTracks()},
    };
    QVERIFY(values.contains(property));
    QCOMPARE(values.value(property), expected);
}

void tst_UserFile::keySections_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("keyType");
    QTest::addColumn<QList<int>>("elements");
    QTest::addColumn<QString>("name");

    QTest::newRow("plain section")
        << QByteArray("[KEY7]\nKeyType=1\nLevel_2_Codes=6162\nLevel_2_Name=ab\nL2_AutoRepeat=1\n")
        << 7 << 1 << 1 << QList<int>{0x61, 0x62} << "ab";
    QTest::newRow("first three characters ignored")
        << QByteArray("[ABC7]\nLEVEL_1_CODES=61\n") << 7 << 0 << 0 << QList<int>{0x61} << "";
    QTest::newRow("sign allowed") << QByteArray("[KEY+4]\nLevel_1_Codes=61\n") << 4 << 0 << 0
                                  << QList<int>{0x61} << "";
    // A number outside the keys would replace the key read before it: the
    // whole section is skipped.
    QTest::newRow("KEY25 skipped whole")
        << QByteArray(
               "[KEY19]\nKeyType=1\nLevel_1_Codes=6162\n[KEY25]\nKeyType=3\nLevel_1_Codes=7a\n")
        << 19 << 0 << 1 << QList<int>{0x61, 0x62} << "";
    QTest::newRow("negative number skipped whole")
        << QByteArray("[KEY2]\nLevel_1_Codes=61\n[KEY-1]\nLevel_1_Codes=62\n") << 2 << 0 << 0
        << QList<int>{0x61} << "";
    QTest::newRow("out-of-range section before any key skipped")
        << QByteArray("[KEY20]\nLevel_1_Codes=63\n") << 0 << 0 << 0 << QList<int>{} << "";
    QTest::newRow("KeyType keeps its low 8 bits")
        << QByteArray("[KEY1]\nKeyType=258\n") << 1 << 0 << 2 << QList<int>{} << "";
    QTest::newRow("name trimmed, quotes removed")
        << QByteArray("[KEY0]\nLevel_1_Name=  \" a b \"  \nLevel_1_Codes=\n") << 0 << 0 << 0
        << QList<int>{} << " a b ";
    QTest::newRow("names in other cases, ROM sections skipped")
        << QByteArray(
               "[advanced_parameters]\nx=1\n[Screen3]\n[global_parameters]\nCommand_Prefix=126\n"
               "[key5]\nlevel_1_codes=7e0132\n")
        << 5 << 0 << 0 << QList<int>{0x1032} << "";
    QTest::newRow("repeated section reads its first copy twice")
        << QByteArray("[KEY1]\nLevel_1_Codes=61\n[KEY1]\nLevel_1_Codes=62\n") << 1 << 0 << 0
        << QList<int>{0x61, 0x61} << "";
}

void tst_UserFile::keySections()
{
    QFETCH(QByteArray, file);
    QFETCH(int, key);
    QFETCH(int, level);
    QFETCH(int, keyType);
    QFETCH(QList<int>, elements);
    QFETCH(QString, name);
    TAppState state;
    const TLoadResult r = LoadText(state, file);
    QVERIFY2(r.Status == TLoadStatus::Loaded, qPrintable(r.Message));
    TKeypadClass& d = state.KeypadDefinition;
    d.SetKey(key);
    d.SetLevel(level);
    QCOMPARE(int(d.Keytype()), keyType);
    QCOMPARE(Elements(d), elements);
    QCOMPARE(d.GetMacroName(), name);
}

void tst_UserFile::failedLoadChangesNothing_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");

    QTest::newRow("foreign section after good ones")
        << QByteArray("[GLOBAL_PARAMETERS]\nKey_Click=2\n[KEY0]\nLevel_1_Codes=61\n[Notes]\nx=1\n")
        << "'es' is not a valid integer value";
    QTest::newRow("bare KEY") << QByteArray("[KEY]\n") << "'' is not a valid integer value";
    QTest::newRow("short name") << QByteArray("[AB]\n") << "'' is not a valid integer value";
    QTest::newRow("blank in number")
        << QByteArray("[KEY 7]\n") << "' 7' is not a valid integer value";
    QTest::newRow("hex number") << QByteArray("[KEY0x1]\n") << "'0x1' is not a valid integer value";
    QTest::newRow("beyond 32 bits")
        << QByteArray("[KEY99999999999]\n") << "'99999999999' is not a valid integer value";
    QTest::newRow("second global section")
        << QByteArray("[GLOBAL_PARAMETERS]\n[KEY1]\n[global_parameters]\n")
        << "'bal_parameters' is not a valid integer value";
    QTest::newRow("SCREEN9 is no screen")
        << QByteArray("[SCREEN9]\n") << "'EEN9' is not a valid integer value";
}

void tst_UserFile::failedLoadChangesNothing()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    TAppState state;
    FillDefinition(state.KeypadDefinition);
    state.KeypadDefinition.SetKey(5);
    state.KeypadDefinition.SetLevel(1);
    state.AdvancedParams.EcrString = QStringLiteral("keep");
    const QString before = Describe(state.KeypadDefinition);

    const TLoadResult r = LoadText(state, file);
    QCOMPARE(r.Status, TLoadStatus::Failed);
    QCOMPARE(r.Message, message);
    QCOMPARE(Describe(state.KeypadDefinition), before);
    QCOMPARE(int(state.KeypadDefinition.Key()), 5);
    QCOMPARE(int(state.KeypadDefinition.Level()), 1);
    QCOMPARE(state.AdvancedParams.EcrString, QStringLiteral("keep"));

    // The same through a file on disk.
    const QString path = fDir.filePath(QStringLiteral("bad.ckd"));
    QVERIFY(WriteAll(path, file));
    QCOMPARE(LoadUserFile(state, path).Status, TLoadStatus::Failed);
    QCOMPARE(Describe(state.KeypadDefinition), before);
}

void tst_UserFile::loadKeepsViewAndModifierSource()
{
    TAppState state;
    TShiftHeld shift;
    state.KeypadDefinition.bViewInHex = true;
    state.KeypadDefinition.SetModifierSource(&shift);
    QCOMPARE(LoadText(state, "[KEY0]\nLevel_1_Codes=61\n").Status, TLoadStatus::Loaded);
    QVERIFY(state.KeypadDefinition.bViewInHex);

    // The live modifier source still decides what a key inserts: "a" with Shift.
    TKeypadClass& d = state.KeypadDefinition;
    d.SetKey(1);
    int32_t position = 0;
    QVERIFY(d.InsertKey(position, 30));
    QCOMPARE(Elements(d), QList<int>{'A'});
}

void tst_UserFile::missingFileIsNoFile()
{
    TAppState state;
    FillDefinition(state.KeypadDefinition);
    const QString before = Describe(state.KeypadDefinition);
    QCOMPARE(LoadUserFile(state, fDir.filePath(QStringLiteral("none.ckd"))).Status,
             TLoadStatus::NoFile);
    QCOMPARE(LoadUserFile(state, fDir.path()).Status, TLoadStatus::NoFile);
    QCOMPARE(Describe(state.KeypadDefinition), before);
}

void tst_UserFile::roundTrip()
{
    TAppState state;
    FillDefinition(state.KeypadDefinition);
    const QString path = fDir.filePath(QStringLiteral("round.ckd"));
    TLevelKeyIndices indices;
    QVERIFY(SaveUserFile(state, path, 12, Version, indices).Ok);
    const QByteArray first = ReadAll(path);

    TAppState loaded;
    const TLoadResult r = LoadUserFile(loaded, path);
    QCOMPARE(r.Status, TLoadStatus::Loaded);
    QCOMPARE(r.NumberOfKeys, 12);
    QCOMPARE(Describe(loaded.KeypadDefinition), Describe(state.KeypadDefinition));

    // Saving again gives the same file.
    QVERIFY(SaveUserFile(loaded, path, 12, Version, indices).Ok);
    QCOMPARE(ReadAll(path), first);
}

void tst_UserFile::levelKeyIndices_data()
{
    QTest::addColumn<QList<int>>("types");    // key type per key 0..19
    QTest::addColumn<QList<int>>("expected"); // toggle1, toggle2, shift1, shift2, alpha

    QList<int> none(20, ktNormal);
    QTest::newRow("none") << none << QList<int>{128, 128, 128, 128, 255};
    QList<int> toggles = none;
    toggles[3] = toggles[7] = ktToggle;
    QTest::newRow("toggles 3 and 7") << toggles << QList<int>{3, 7, 128, 128, 255};
    toggles[9] = ktToggle;
    QTest::newRow("toggles 3, 7 and 9") << toggles << QList<int>{3, 9, 128, 128, 255};
    QList<int> mixed = none;
    mixed[0] = ktShift;
    mixed[2] = ktAlpha;
    mixed[4] = ktAlpha;
    mixed[19] = ktShift;
    mixed[12] = ktShift;
    QTest::newRow("shift and alpha") << mixed << QList<int>{128, 128, 0, 19, 4};
    QList<int> one = none;
    one[5] = ktShift;
    QTest::newRow("one shift key") << one << QList<int>{128, 128, 5, 128, 255};
}

void tst_UserFile::levelKeyIndices()
{
    QFETCH(QList<int>, types);
    QFETCH(QList<int>, expected);
    TAppState state;
    for (int key = 0; key < MaxKeys; ++key) {
        state.KeypadDefinition.SetKey(key);
        state.KeypadDefinition.SetKeytype(TKeyType(types[key]));
    }
    TLevelKeyIndices indices;
    indices.AlphaKey = 7; // whatever a previous save left
    QVERIFY(
        SaveUserFile(state, fDir.filePath(QStringLiteral("levels.ckd")), 20, Version, indices).Ok);
    QCOMPARE((QList<int>{indices.ToggleKey1, indices.ToggleKey2, indices.ShiftKey1,
                         indices.ShiftKey2, indices.AlphaKey}),
             expected);
}

void tst_UserFile::saveKeepsSelectionAndOtherSections()
{
    const QString path = fDir.filePath(QStringLiteral("over.rom"));
    QVERIFY(WriteAll(
        path, "; kept\r\n[ADVANCED_PARAMETERS]\r\nLcdSize=16\r\n[SCREEN1]\r\nTextLine1=%x%\r\n"
              "[KEY0]\r\nExtra=1\r\n"));
    TAppState state;
    FillDefinition(state.KeypadDefinition);
    state.KeypadDefinition.SetKey(9);
    state.KeypadDefinition.SetLevel(1);
    TLevelKeyIndices indices;
    QVERIFY(SaveUserFile(state, path, 20, Version, indices).Ok);
    QCOMPARE(int(state.KeypadDefinition.Key()), 9);
    QCOMPARE(int(state.KeypadDefinition.Level()), 1);

    const QByteArray text = ReadAll(path);
    QVERIFY(text.startsWith(
        "; kept\r\n[ADVANCED_PARAMETERS]\r\nLcdSize=16\r\n[SCREEN1]\r\nTextLine1=%x%\r\n"
        "[KEY0]\r\nExtra=1\r\nKeyType=0\r\n"));
    QVERIFY(text.contains("\r\n[GLOBAL_PARAMETERS]\r\nMODEL_NUMBER=PadwrightRx\r\n"));
    const TIniFile ini = TIniFile::FromBytes(text);
    QCOMPARE(ini.SectionNames().size(), 2 + 1 + 20);
}

void tst_UserFile::lineBreaksInNames()
{
    TAppState state;
    state.KeypadDefinition.SetKey(2);
    state.KeypadDefinition.SetMacroName(QStringLiteral("one\r\n[KEY5]\nKeyType=3"));
    const QString path = fDir.filePath(QStringLiteral("names.ckd"));
    TLevelKeyIndices indices;
    QVERIFY(SaveUserFile(state, path, 20, Version, indices).Ok);
    QVERIFY(ReadAll(path).contains("\r\nLevel_1_Name=one  [KEY5] KeyType=3\r\n"));

    TAppState loaded;
    QCOMPARE(LoadUserFile(loaded, path).Status, TLoadStatus::Loaded);
    loaded.KeypadDefinition.SetKey(2);
    QCOMPARE(loaded.KeypadDefinition.GetMacroName(), QStringLiteral("one  [KEY5] KeyType=3"));
    loaded.KeypadDefinition.SetKey(5);
    QCOMPARE(loaded.KeypadDefinition.Keytype(), ktNormal);
}

void tst_UserFile::refusedWriteKeepsOldFile()
{
    TAppState state;
    FillDefinition(state.KeypadDefinition);
    TLevelKeyIndices indices;

    // A directory where the file should be.
    const QString dirPath = fDir.filePath(QStringLiteral("taken.ckd"));
    QVERIFY(QDir(fDir.path()).mkpath(QStringLiteral("taken.ckd")));
    TSaveResult r = SaveUserFile(state, dirPath, 20, Version, indices);
    QVERIFY(!r.Ok);
    QCOMPARE(r.Message, QStringLiteral("Unable to write to ") + dirPath +
                            QStringLiteral(": not a regular file."));
    QVERIFY(QFileInfo(dirPath).isDir());

    // A missing folder.
    const QString missing = fDir.filePath(QStringLiteral("no/such.ckd"));
    r = SaveUserFile(state, missing, 20, Version, indices);
    QCOMPARE(r.Message, QStringLiteral("Unable to write to ") + missing +
                            QStringLiteral(": No such file or directory."));
    QVERIFY(!QFileInfo::exists(missing));

    // A read-only folder keeps the old file whole.
    const QString folder = fDir.filePath(QStringLiteral("locked"));
    QVERIFY(QDir(fDir.path()).mkpath(QStringLiteral("locked")));
    const QString path = folder + QStringLiteral("/old.ckd");
    QVERIFY(WriteAll(path, "[KEY0]\r\nLevel_1_Codes=61\r\n"));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    const bool refused = !QFileInfo(folder).isWritable();
    r = SaveUserFile(state, path, 20, Version, indices);
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!refused)
        QSKIP("the file system does not refuse writes to this user (running as root)");
    QVERIFY(!r.Ok);
    QCOMPARE(ReadAll(path), QByteArray("[KEY0]\r\nLevel_1_Codes=61\r\n"));
}

void tst_UserFile::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("loads");

    const QByteArray longCodes = "Level_1_Codes=" + QByteArray("400132").repeated(400) + "\n";
    QByteArray repeated;
    for (int i = 0; i < 2000; ++i)
        repeated += "[KEY1]\nKeyType=2\n" + longCodes;
    QTest::newRow("a key section repeated thousands of times") << repeated << true;
    QByteArray many;
    for (int i = 0; i < 3000; ++i)
        many += "[KEY" + QByteArray::number(i) + "]\n" + longCodes;
    QTest::newRow("thousands of numbered sections") << many << true;
    QTest::newRow("huge line") << QByteArray("[KEY0]\nLevel_1_Codes=" + QByteArray(4 << 20, '6'))
                               << true;
    QTest::newRow("odd pairs and junk")
        << QByteArray(
               "[KEY0]\nLevel_1_Codes=4\nLevel_2_Codes=40 01\n[KEY1]\nLevel_1_Codes=\x80\xff\0\n")
        << true;
    QTest::newRow("binary bytes") << QByteArray("\x00\xff[\x81]\r\r\n=\n[KEY\x9d]\n", 15) << false;
}

void tst_UserFile::hostileFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, loads);
    TAppState state;
    const TLoadResult r = LoadText(state, file);
    QCOMPARE(r.Status, loads ? TLoadStatus::Loaded : TLoadStatus::Failed);
    TKeypadClass& d = state.KeypadDefinition;
    for (int key = 0; key < MaxKeys; ++key) {
        d.SetKey(key);
        for (int level = 0; level < MaxLevels; ++level) {
            d.SetLevel(level);
            QVERIFY(d.CodeCount() <= MacroCapacity + 2);
        }
    }
}

QTEST_GUILESS_MAIN(tst_UserFile)
#include "tst_userfile.moc"
