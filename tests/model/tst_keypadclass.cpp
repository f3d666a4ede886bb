#include "model/KeypadClass.h"

#include "files/FileIO.h"

#include <QList>
#include <QTest>

namespace {

class FakeModifiers : public TModifierSource
{
public:
    int mods = 0;
    bool caps = false;
    bool shift = false;
    int GetModifiers() const override { return mods; }
    bool HostCapsLockOn() const override { return caps; }
    bool HostShiftDown() const override { return shift; }
};

void fill(TKeypadClass& kp, const QList<int>& codes)
{
    int32_t pos = kp.NumOfElements();
    for (int c : codes)
        QVERIFY(kp.InsertByte(pos, c));
}

QList<int> elements(const TKeypadClass& kp)
{
    QList<int> out;
    for (int i = 0; i < kp.NumOfElements(); ++i)
        out << kp.SelectedMacro().Values[i];
    return out;
}

// Every slot from the element count on holds -1.
bool endsWithMinusOne(const TKeypadClass& kp)
{
    const auto& v = kp.SelectedMacro().Values;
    for (int i = kp.NumOfElements(); i < MacroSlots; ++i)
        if (v[i] != -1)
            return false;
    return true;
}

} // namespace

class TestKeypadClass : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initializeResetsInPlace();
    void selectionIgnoresOutOfRange();
    void capacity_data();
    void capacity();
    void insertionShapes_data();
    void insertionShapes();
    void removal();
    void insertKeyCodes_data();
    void insertKeyCodes();
    void displayText_data();
    void displayText();
    void makeCodes_data();
    void makeCodes();
    void modifierSetAndName();
    void prefixChangeKeepsTheCharacters_data();
    void prefixChangeKeepsTheCharacters();
    void prefixChangeThatDoesNotFit();
    void escapePrefixAt();
};

// The global device parameters in property order.
static QList<int> globals(const TKeypadClass& kp)
{
    return {kp.KeyRollOver(),       kp.LEDBehavior(),      kp.CharacterPacing(),
            kp.DownloadDelay(),     kp.OpMode(),           kp.TailChar(),
            kp.KeyClick(),          kp.CmdPrefix(),        kp.BaudRate(),
            kp.XonChar(),           kp.XoffChar(),         kp.WordFormat(),
            kp.FormCardType(),      kp.CardPrefix(),       kp.CardPrefixEnable(),
            kp.CardSuffix(),        kp.CardSuffixEnable(), kp.CardTracks(),
            kp.CardStartSentinel(), kp.CardEndSentinel(),  kp.CardFieldSeparator(),
            kp.CardBadSwipe(),      kp.CdcSerialNo()};
}

void TestKeypadClass::initializeResetsInPlace()
{
    const QList<int> resetValues{2, 49, 2, 0,  1, 13, 40, 64, 3, 0, 0, 8,
                                 1, 9,  0, 13, 1, 3,  0,  13, 9, 0, 1};
    TKeypadClass kp;
    QCOMPARE(globals(kp), resetValues);
    QVERIFY(!kp.bViewInHex);

    for (int k : {0, 19}) {
        kp.SetKey(k);
        kp.SetLevel(1);
        fill(kp, {97, 0x1032});
        kp.SetKeytype(ktAlpha);
        kp.SetCanAutoRepeat(true);
        kp.SetSendKeyNow(true);
        kp.SetMacroName(QStringLiteral("x"));
    }
    kp.SetLEDBehavior(0);
    kp.SetDownloadDelay(77);
    kp.SetCmdPrefix(126);
    kp.SetCardPrefixEnable(true);
    kp.SetCardSuffixEnable(false);
    kp.SetCdcSerialNo(9999);
    kp.bViewInHex = true;

    kp.Initialize();

    QCOMPARE(globals(kp), resetValues);
    QCOMPARE(kp.Key(), uint8_t(0));
    QCOMPARE(kp.Level(), uint8_t(0));
    QVERIFY(kp.bViewInHex);
    for (int k = 0; k < MaxKeys; ++k) {
        kp.SetKey(k);
        QCOMPARE(kp.Keytype(), ktNormal);
        for (int l = 0; l < MaxLevels; ++l) {
            kp.SetLevel(l);
            QCOMPARE(kp.NumOfElements(), uint8_t(0));
            QCOMPARE(kp.CodeCount(), 0);
            QCOMPARE(kp.PercentUsed(), uint8_t(0));
            QCOMPARE(kp.ReadLastKey(), 0);
            QCOMPARE(kp.GetMacroName(), QString());
            QVERIFY(!kp.CanAutoRepeat());
            QVERIFY(!kp.SendKeyNow());
            QVERIFY(endsWithMinusOne(kp));
        }
    }
}

void TestKeypadClass::selectionIgnoresOutOfRange()
{
    TKeypadClass kp;
    kp.SetKey(7);
    kp.SetLevel(1);
    for (int bad : {20, 255, 256, -1})
        kp.SetKey(bad);
    for (int bad : {2, -1})
        kp.SetLevel(bad);
    QCOMPARE(kp.Key(), uint8_t(7));
    QCOMPARE(kp.Level(), uint8_t(1));

    // Each key and level has its own macro, flags and name; the key type is per key.
    fill(kp, {97});
    kp.SetCanAutoRepeat(true);
    kp.SetKeytype(ktToggle);
    kp.SetLevel(0);
    QCOMPARE(kp.NumOfElements(), uint8_t(0));
    QVERIFY(!kp.CanAutoRepeat());
    QCOMPARE(kp.Keytype(), ktToggle);
    kp.SetKey(6);
    kp.SetLevel(1);
    QCOMPARE(kp.NumOfElements(), uint8_t(0));
    QCOMPARE(kp.Keytype(), ktNormal);
}

void TestKeypadClass::capacity_data()
{
    QTest::addColumn<int>("plainBytes"); // plain codes already in the macro
    QTest::addColumn<bool>("byKey");     // InsertKey, else InsertByte
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("mods");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("bytesAfter");

    QTest::newRow("100 + key a") << 100 << true << 30 << 0 << false << 100;
    QTest::newRow("100 + F1 (no code)") << 100 << true << 59 << 0 << false << 100;
    QTest::newRow("100 + byte") << 100 << false << 65 << 0 << false << 100;
    QTest::newRow("99 + key a") << 99 << true << 30 << 0 << true << 100;
    QTest::newRow("99 + key delay") << 99 << true << 0x1032 << 0 << false << 99;
    QTest::newRow("99 + byte delay") << 99 << false << 0x1032 << 0 << true << 102;
    QTest::newRow("99 + byte beep") << 99 << false << 0x2019 << 0 << true << 102;
    QTest::newRow("98 + shifted @") << 98 << true << 3 << ModLShift << true << 100;
    QTest::newRow("98 + key delay") << 98 << true << 0x1001 << 0 << false << 98;
    QTest::newRow("98 + key beep") << 98 << true << 0x2001 << 0 << false << 98;
    QTest::newRow("98 + key command") << 98 << true << 0x4009 << 0 << true << 100;
    QTest::newRow("99 + shifted @") << 99 << true << 3 << ModRShift << false << 99;
    QTest::newRow("99 + key 2 unshifted") << 99 << true << 3 << 0 << true << 100;
}

void TestKeypadClass::capacity()
{
    QFETCH(int, plainBytes);
    QFETCH(bool, byKey);
    QFETCH(int, value);
    QFETCH(int, mods);
    QFETCH(bool, accepted);
    QFETCH(int, bytesAfter);

    FakeModifiers source;
    source.mods = mods;
    TKeypadClass kp;
    kp.SetModifierSource(&source);
    fill(kp, QList<int>(plainBytes, 120));
    const QList<int> before = elements(kp);

    int32_t pos = 10;
    const bool ok = byKey ? kp.InsertKey(pos, value) : kp.InsertByte(pos, value);
    QCOMPARE(ok, accepted);
    QCOMPARE(kp.CodeCount(), bytesAfter);
    QCOMPARE(int(kp.PercentUsed()), bytesAfter);
    QVERIFY(endsWithMinusOne(kp));
    if (!accepted) {
        QCOMPARE(pos, 10);
        QCOMPARE(elements(kp), before);
    } else if (bytesAfter > MacroCapacity) {
        // Over capacity: nothing more goes in.
        QVERIFY(!kp.InsertByte(pos, 1));
        QVERIFY(!kp.InsertKey(pos, 30));
    }
}

void TestKeypadClass::insertionShapes_data()
{
    QTest::addColumn<QList<int>>("macro");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("keyNumber");
    QTest::addColumn<QList<int>>("expected");
    QTest::addColumn<int>("positionAfter");

    const QList<int> ab{97, 98};
    QTest::newRow("x at front") << ab << 0 << 45 << QList<int>{120, 97, 98} << 1;
    QTest::newRow("x in middle") << ab << 1 << 45 << QList<int>{97, 120, 98} << 2;
    QTest::newRow("x at end") << ab << 2 << 45 << QList<int>{97, 98, 120} << 3;
    QTest::newRow("x beyond end") << ab << 40 << 45 << QList<int>{97, 98, 120} << 3;
    QTest::newRow("x below 0") << ab << -5 << 45 << QList<int>{120, 97, 98} << 1;
    QTest::newRow("x into empty") << QList<int>{} << 7 << 45 << QList<int>{120} << 1;
    QTest::newRow("Home inside") << ab << 1 << 91 << ab << 1;
    QTest::newRow("Home beyond end") << ab << 99 << 91 << ab << 2;
}

void TestKeypadClass::insertionShapes()
{
    QFETCH(QList<int>, macro);
    QFETCH(int, position);
    QFETCH(int, keyNumber);
    QFETCH(QList<int>, expected);
    QFETCH(int, positionAfter);

    TKeypadClass kp;
    fill(kp, macro);
    int32_t pos = position;
    QVERIFY(kp.InsertKey(pos, keyNumber));
    QCOMPARE(elements(kp), expected);
    QCOMPARE(pos, positionAfter);
    QVERIFY(endsWithMinusOne(kp));

    // The same insertion through InsertByte stores the value itself.
    TKeypadClass byByte;
    fill(byByte, macro);
    pos = position;
    QVERIFY(byByte.InsertByte(pos, 120));
    QCOMPARE(byByte.NumOfElements(), uint8_t(macro.size() + 1));
    QVERIFY(endsWithMinusOne(byByte));

    // Negative values are no codes; -1 would cut the macro short.
    for (int bad : {-1, -5}) {
        pos = 0;
        QVERIFY(byByte.InsertByte(pos, bad));
        QVERIFY(kp.InsertKey(pos, bad));
        QCOMPARE(byByte.NumOfElements(), uint8_t(macro.size() + 1));
        QCOMPARE(elements(kp), expected);
    }
}

void TestKeypadClass::removal()
{
    TKeypadClass kp;
    fill(kp, {97, 0x1032, 98, 99});
    QCOMPARE(kp.ReadLastKey(), 99);

    QVERIFY(!kp.RemoveKey(4));
    QVERIFY(!kp.RemoveKey(200));
    QCOMPARE(elements(kp), (QList<int>{97, 0x1032, 98, 99}));

    QVERIFY(kp.RemoveKey(1));
    QCOMPARE(elements(kp), (QList<int>{97, 98, 99}));
    QCOMPARE(kp.CodeCount(), 3);
    QVERIFY(kp.RemoveKey(2));
    QCOMPARE(elements(kp), (QList<int>{97, 98}));
    QCOMPARE(kp.ReadLastKey(), 98);
    QVERIFY(endsWithMinusOne(kp));
    QVERIFY(kp.RemoveKey(0));
    QVERIFY(kp.RemoveKey(0));
    QVERIFY(!kp.RemoveKey(0));
    QCOMPARE(kp.ReadLastKey(), 0);
    QVERIFY(endsWithMinusOne(kp));
}

void TestKeypadClass::insertKeyCodes_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("mods");
    QTest::addColumn<bool>("hostCaps");
    QTest::addColumn<bool>("hostShift");
    QTest::addColumn<int>("code"); // -1: nothing inserted
    QTest::addColumn<int>("bytes");

    QTest::newRow("a") << 30 << 0 << false << false << 97 << 1;
    QTest::newRow("a, left shift") << 30 << ModLShift << false << false << 65 << 1;
    QTest::newRow("a, right shift") << 30 << ModRShift << false << false << 65 << 1;
    QTest::newRow("a, screen caps") << 30 << ModCapsLock << false << false << 65 << 1;
    QTest::newRow("a, host caps") << 30 << 0 << true << false << 65 << 1;
    QTest::newRow("a, host shift") << 30 << 0 << false << true << 65 << 1;
    QTest::newRow("1, screen caps") << 2 << ModCapsLock << false << false << 33 << 1;
    QTest::newRow("1, host caps") << 2 << 0 << true << false << 49 << 1;
    QTest::newRow("[, host caps") << 26 << 0 << true << false << 91 << 1;
    QTest::newRow("1, host shift") << 2 << 0 << false << true << 33 << 1;
    QTest::newRow("1, host caps+shift") << 2 << 0 << true << true << 33 << 1;
    QTest::newRow("2, host shift") << 3 << 0 << false << true << 64 << 1;
    QTest::newRow("2, host caps") << 3 << 0 << true << false << 50 << 1;
    QTest::newRow("2, left shift") << 3 << ModLShift << false << false << EscapedPrefixCode << 2;
    QTest::newRow("2, screen caps") << 3 << ModCapsLock << false << false << EscapedPrefixCode << 2;
    QTest::newRow("c, left ctrl") << 46 << ModLCtrl << false << false << 3 << 1;
    QTest::newRow("z, right ctrl") << 44 << ModRCtrl << false << false << 26 << 1;
    QTest::newRow("c, ctrl+shift") << 46 << (ModLCtrl | ModLShift) << false << false << 67 << 1;
    QTest::newRow("c, ctrl, host caps") << 46 << ModLCtrl << true << false << 67 << 1;
    QTest::newRow("1, ctrl, host caps") << 2 << ModLCtrl << true << false << -1 << 0;
    QTest::newRow("Enter, ctrl") << 28 << ModLCtrl << false << false << 10 << 1;
    QTest::newRow("-, ctrl") << 12 << ModLCtrl << false << false << 31 << 1;
    QTest::newRow("2, ctrl") << 3 << ModLCtrl << false << false << 0 << 1;
    QTest::newRow("6, ctrl") << 7 << ModLCtrl << false << false << 30 << 1;
    QTest::newRow("[, ctrl") << 26 << ModLCtrl << false << false << 27 << 1;
    QTest::newRow("\\, ctrl") << 43 << ModLCtrl << false << false << 28 << 1;
    QTest::newRow("], ctrl") << 27 << ModLCtrl << false << false << 29 << 1;
    QTest::newRow("1, ctrl") << 2 << ModLCtrl << false << false << -1 << 0;
    QTest::newRow("F1") << 59 << 0 << false << false << -1 << 0;
    QTest::newRow("F1, shift") << 59 << ModLShift << false << false << -1 << 0;
    QTest::newRow("Home") << 91 << 0 << false << false << -1 << 0;
    QTest::newRow("left shift down") << 42 << 0 << false << false << -1 << 0;
    QTest::newRow("no key") << 0 << 0 << false << false << 0 << 1;
    QTest::newRow("Del") << 100 << 0 << false << false << 127 << 1;
    QTest::newRow("keypad 7, shift") << 71 << ModLShift << false << false << 55 << 1;
    QTest::newRow("direct e acute") << 233 << 0 << false << false << 233 << 1;
    QTest::newRow("direct, shift") << 233 << ModRShift << false << false << 233 << 1;
    QTest::newRow("direct, host shift") << 233 << 0 << false << true << 233 << 1;
    QTest::newRow("direct, host caps") << 233 << 0 << true << false << 233 << 1;
    QTest::newRow("euro is a beep") << 0x20AC << 0 << false << false << 0x20AC << 3;
    QTest::newRow("delay, shift") << 0x1032 << ModLShift << false << false << 0x1032 << 3;
    QTest::newRow("green on") << 0x4009 << 0 << false << false << 0x4009 << 2;
}

void TestKeypadClass::insertKeyCodes()
{
    QFETCH(int, value);
    QFETCH(int, mods);
    QFETCH(bool, hostCaps);
    QFETCH(bool, hostShift);
    QFETCH(int, code);
    QFETCH(int, bytes);

    FakeModifiers source;
    source.mods = mods;
    source.caps = hostCaps;
    source.shift = hostShift;
    TKeypadClass kp;
    kp.SetModifierSource(&source);
    int32_t pos = 0;
    QVERIFY(kp.InsertKey(pos, value));
    QCOMPARE(elements(kp), code < 0 ? QList<int>{} : QList<int>{code});
    QCOMPARE(kp.CodeCount(), bytes);
    QCOMPARE(pos, code < 0 ? 0 : 1);
}

void TestKeypadClass::displayText_data()
{
    QTest::addColumn<int>("value"); // -1: the empty macro
    QTest::addColumn<bool>("hex");
    QTest::addColumn<QString>("text");

    auto row = [](const char* name, int v, bool hex, const QString& text) {
        QTest::newRow(name) << v << hex << text;
    };
    row("end", -1, false, QStringLiteral(" "));
    row("NUL", 0, false, QStringLiteral("^@  00h"));
    row("^A", 1, false, QStringLiteral("^A  01h"));
    row("^K", 11, false, QStringLiteral("^K  0Bh"));
    row("^L", 12, false, QStringLiteral("^L  0Ch"));
    row("^Z", 26, false, QStringLiteral("^Z  1Ah"));
    row("^\\", 28, false, QStringLiteral("^\\  1Ch"));
    row("^_", 31, false, QStringLiteral("^_  1Fh"));
    row("Bel", 7, false, QStringLiteral("Bel"));
    row("BS", 8, false, QStringLiteral("BS"));
    row("Tab", 9, false, QStringLiteral("Tab"));
    row("LF", 10, false, QStringLiteral("LF"));
    row("CR", 13, false, QStringLiteral("CR"));
    row("Esc", 27, false, QStringLiteral("Esc"));
    row("Space", 32, false, QStringLiteral("Space"));
    row("!", 33, false, QStringLiteral("!"));
    row("A", 65, false, QStringLiteral("A"));
    row("Del", 127, false, QStringLiteral("Del"));
    row("Next", 128, false, QStringLiteral("Next"));
    row("Treb-", 140, false, QStringLiteral("Treb-"));
    row("My PC", 144, false, QStringLiteral("My PC"));
    row("WFavs", 151, false, QStringLiteral("WFavs"));
    row("152", 152, false, QStringLiteral("??"));
    row("156", 156, false, QStringLiteral("??"));
    row("PrtSc", 157, false, QStringLiteral("PrtSc"));
    row("Caps", 160, false, QStringLiteral("Caps"));
    row("F1", 161, false, QStringLiteral("F1"));
    row("F24", 184, false, QStringLiteral("F24"));
    row("Ins", 185, false, QStringLiteral("Ins"));
    row("PgDn", 190, false, QStringLiteral("PgDn"));
    row("Num", 191, false, QStringLiteral("Num"));
    row("Kp0", 192, false, QStringLiteral("Kp0"));
    row("Kp9", 201, false, QStringLiteral("Kp9"));
    row("Kp.", 202, false, QStringLiteral("Kp."));
    row("KpEnt", 207, false, QStringLiteral("KpEnt"));
    row("208", 208, false, QString(QChar(208)));
    row("e acute", 233, false, QString(QChar(0xE9)));
    row("Dly 0", 0x1000, false, QStringLiteral("Dly 0"));
    row("Dly 4", 0x1001, false, QStringLiteral("Dly 4"));
    row("Dly 200", 0x1032, false, QStringLiteral("Dly 200"));
    row("Beep200", 0x2032, false, QStringLiteral("Beep200"));
    row("Beep500", 0x207D, false, QStringLiteral("Beep500"));
    row("euro", 0x20AC, false, QStringLiteral("Beep688"));
    row("grn off", 0x4008, false, QStringLiteral("grn off"));
    row("grn on", 0x4009, false, QStringLiteral("grn on"));
    row("red off", 0x400B, false, QStringLiteral("red off"));
    row("red flash", 0x400D, false, QStringLiteral("red flash"));
    row("@@", 0x4040, false, QStringLiteral("@@"));
    row("unknown command", 0x4018, false, QString());

    row("hex end", -1, true, QStringLiteral(" "));
    row("hex 0", 0, true, QStringLiteral("0x00"));
    row("hex 10", 10, true, QStringLiteral("0x0A"));
    row("hex 127", 127, true, QStringLiteral("0x7F"));
    row("hex 144", 144, true, QStringLiteral("0x90"));
    row("hex delay", 0x1032, true, QStringLiteral("0x1032"));
    row("hex beep", 0x207D, true, QStringLiteral("0x207D"));
    row("hex @@", 0x4040, true, QStringLiteral("0x4040"));
}

void TestKeypadClass::displayText()
{
    QFETCH(int, value);
    QFETCH(bool, hex);
    QFETCH(QString, text);

    TKeypadClass kp;
    kp.bViewInHex = hex;
    if (value != -1)
        fill(kp, {value});
    QCOMPARE(kp.GetDisplayValue(0), text);
    QCOMPARE(kp.GetDisplayValue(1), QStringLiteral(" "));
    QCOMPARE(kp.GetDisplayValue(99), QStringLiteral(" "));
}

void TestKeypadClass::makeCodes_data()
{
    QTest::addColumn<QList<int>>("macro");
    QTest::addColumn<int>("prefix");
    QTest::addColumn<QString>("codes");

    const QList<int> mixed{97, 0x1032, 13, 0x4040, 0x4009, 0x2019};
    QTest::newRow("empty") << QList<int>{} << 64 << QString();
    QTest::newRow("mixed") << mixed << 64 << QStringLiteral("614001320d40404009400219");
    QTest::newRow("mixed, prefix ~") << mixed << 126 << QStringLiteral("617e01320d7e407e097e0219");
    QTest::newRow("prefix 9") << QList<int>{0x1005, 0x400C} << 9 << QStringLiteral("090105090c");
    QTest::newRow("plain pairs") << QList<int>{5, 255, 16} << 64 << QStringLiteral("05ff10");
    QTest::newRow("plain @") << QList<int>{64} << 64 << QStringLiteral("40");
    QTest::newRow("unknown command") << QList<int>{0x4018} << 64 << QStringLiteral("4018");
    // Only the low byte of an oversized code or argument is written.
    QTest::newRow("wide plain") << QList<int>{0x3A9} << 64 << QStringLiteral("a9");
    QTest::newRow("wide delay") << QList<int>{0x1000 + 300} << 64 << QStringLiteral("40012c");
}

void TestKeypadClass::makeCodes()
{
    QFETCH(QList<int>, macro);
    QFETCH(int, prefix);
    QFETCH(QString, codes);

    TKeypadClass kp;
    kp.SetCmdPrefix(uint8_t(prefix));
    fill(kp, macro);
    QCOMPARE(kp.MakeCodes(), codes);
    QCOMPARE(kp.MakeCodes().size(), 2 * kp.CodeCount());
}

void TestKeypadClass::modifierSetAndName()
{
    TKeypadClass kp;
    fill(kp, {29, 42, 56});
    for (int i = 0; i < 4; ++i)
        QCOMPARE(kp.GetModifierSet(uint8_t(i)), TSetModifierKeys(0));

    QVERIFY(kp.SetMacroName(QStringLiteral("Login")));
    kp.SetLevel(1);
    QCOMPARE(kp.GetMacroName(), QString());
    kp.SetLevel(0);
    QCOMPARE(kp.GetMacroName(), QStringLiteral("Login"));

    // Without a modifier source nothing is pending and the keyboard is unshifted.
    int32_t pos = 0;
    QVERIFY(kp.InsertKey(pos, 3));
    QCOMPARE(kp.ReadLastKey(), 56);
    QCOMPARE(kp.SelectedMacro().Values[0], 50);
}

void TestKeypadClass::prefixChangeKeepsTheCharacters_data()
{
    QTest::addColumn<QList<int>>("macro");
    QTest::addColumn<int>("prefix");
    QTest::addColumn<QList<int>>("expected");
    QTest::addColumn<QString>("codes");

    // a, the escaped @, ~, a delay, ~ last
    const QList<int> macro{97, 0x4040, 126, 0x1032, 126};
    QTest::newRow("@ to ~") << macro << 126 << QList<int>{97, 64, 0x4040, 0x1032, 0x4040}
                            << QStringLiteral("61407e407e01327e40");
    QTest::newRow("same prefix") << macro << 64 << macro << QStringLiteral("6140407e4001327e");
    // Command arguments and commands keep their values: only the bytes after
    // the prefix carry them.
    QTest::newRow("@ to 1") << QList<int>{0x1001, 0x2001, 0x4009, 1} << 1
                            << QList<int>{0x1001, 0x2001, 0x4009, 0x4040}
                            << QStringLiteral("010101010201010901" "40");
}

void TestKeypadClass::prefixChangeKeepsTheCharacters()
{
    QFETCH(QList<int>, macro);
    QFETCH(int, prefix);
    QFETCH(QList<int>, expected);
    QFETCH(QString, codes);

    TKeypadClass kp;
    kp.SetKey(7);
    kp.SetLevel(1);
    fill(kp, macro);
    QVERIFY(kp.ChangeCmdPrefix(uint8_t(prefix)).Ok);
    QCOMPARE(int(kp.CmdPrefix()), prefix);
    QCOMPARE(elements(kp), expected);
    QCOMPARE(kp.MakeCodes(), codes);
    QCOMPARE(kp.MakeCodes().size(), 2 * kp.CodeCount());

    // The written string reads back to the same macro under the new prefix.
    TKeypadClass read;
    read.SetCmdPrefix(uint8_t(prefix));
    ParseCodeString(read, codes);
    QCOMPARE(elements(read), expected);
}

void TestKeypadClass::prefixChangeThatDoesNotFit()
{
    TKeypadClass kp;
    // Key 3, level 2: a full macro of plain bytes, the last of them ~, which
    // needs a byte more once ~ is the prefix.
    kp.SetKey(2);
    kp.SetLevel(1);
    QList<int> full(99, 'x');
    full << '~';
    fill(kp, full);
    // Key 1 shrinks (the escaped @ becomes one byte); that alone must not
    // be applied either.
    kp.SetKey(0);
    kp.SetLevel(0);
    fill(kp, {0x4040});

    const TKeypadClass::TPrefixChange change = kp.ChangeCmdPrefix('~');
    QVERIFY(!change.Ok);
    QCOMPARE(change.Key, 2);
    QCOMPARE(change.Level, 1);
    QCOMPARE(int(kp.CmdPrefix()), 64);
    QCOMPARE(elements(kp), QList<int>{0x4040});
    kp.SetKey(2);
    kp.SetLevel(1);
    QCOMPARE(elements(kp), full);

    // One byte less and it fits exactly.
    QVERIFY(kp.RemoveKey(0));
    QVERIFY(kp.ChangeCmdPrefix('~').Ok);
    QCOMPARE(kp.CodeCount(), MacroCapacity);
    QCOMPARE(kp.ReadLastKey(), 0x4040);
}

void TestKeypadClass::escapePrefixAt()
{
    TKeypadClass kp;
    kp.SetCmdPrefix('~');
    fill(kp, {'a', '~'});
    QVERIFY(kp.EscapePrefixAt(0)); // not the prefix: untouched
    QVERIFY(kp.EscapePrefixAt(5)); // past the end: nothing to do
    QVERIFY(kp.EscapePrefixAt(-1));
    QCOMPARE(elements(kp), (QList<int>{'a', '~'}));
    QVERIFY(kp.EscapePrefixAt(1));
    QCOMPARE(elements(kp), (QList<int>{'a', 0x4040}));
    QCOMPARE(kp.CodeCount(), 3);

    // No room for the second byte: refused, nothing changes.
    TKeypadClass full;
    QList<int> bytes(99, 'x');
    bytes << '@';
    fill(full, bytes);
    QVERIFY(!full.EscapePrefixAt(99));
    QCOMPARE(full.ReadLastKey(), int('@'));
}

QTEST_APPLESS_MAIN(TestKeypadClass)
#include "tst_keypadclass.moc"
