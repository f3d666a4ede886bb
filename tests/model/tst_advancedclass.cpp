#include "model/AppState.h"

#include <QtTest>

#include <functional>

using AdvancedEdit = std::function<void(TAdvancedParams&)>;
using ScreenEdit = std::function<void(TScreenDataRec&)>;
Q_DECLARE_METATYPE(AdvancedEdit)
Q_DECLARE_METATYPE(ScreenEdit)

namespace {

// One edit per field, each making the field differ from its reset value.
QList<QPair<const char*, AdvancedEdit>> advancedEdits()
{
#define EDIT(field, stmt)                                                                          \
    {                                                                                              \
#field, [](TAdvancedParams & p) { stmt; }                                                  \
    }
    return {
        EDIT(OpMode, p.OpMode ^= 0x80),
        EDIT(bHostEcho, p.bHostEcho = !p.bHostEcho),
        EDIT(bMaskEnable, p.bMaskEnable = !p.bMaskEnable),
        EDIT(MaskChar, p.MaskChar = QChar(u'#')),
        EDIT(ScreenEnable, p.ScreenEnable = !p.ScreenEnable),
        EDIT(StartScreen, p.StartScreen += 1),
        EDIT(CalcPrefix, p.CalcPrefix += 1),
        EDIT(CalcStart, p.CalcStart += 1),
        EDIT(TailChar, p.TailChar += 1),
        EDIT(CalcSuffix, p.CalcSuffix += 1),
        EDIT(KeyRollOver, p.KeyRollOver += 1),
        EDIT(CharacterPacing, p.CharacterPacing += 2),
        EDIT(DownloadDelay, p.DownloadDelay += 1),
        EDIT(LEDBehavior, p.LEDBehavior += 1),
        EDIT(LcdSize, p.LcdSize = 16),
        EDIT(SignOnMsgLine1, p.SignOnMsgLine1[0] = QChar(u'X')),
        EDIT(SignOnMsgLine2, p.SignOnMsgLine2.append(u'X')),
        EDIT(TSignOnHold, p.TSignOnHold += 1),
        EDIT(CursorStyle, p.CursorStyle ^= 1),
        EDIT(ScrollWrap, p.ScrollWrap ^= 1),
        EDIT(LcdXlate, p.LcdXlate ^= 1),
        EDIT(LcdBrightness, p.LcdBrightness -= 1),
        EDIT(HostType, p.HostType = 11),
        EDIT(BaudRate, p.BaudRate += 1),
        EDIT(WordFormat, p.WordFormat ^= 0x80),
        EDIT(XonChar, p.XonChar = 17),
        EDIT(XoffChar, p.XoffChar = 19),
        EDIT(CmdPrefix, p.CmdPrefix += 1),
        EDIT(CdcSerialNo, p.CdcSerialNo = 25),
        EDIT(TBeepChirp, p.TBeepChirp += 1),
        EDIT(KeyClick, p.KeyClick += 2),
        EDIT(TBeepError, p.TBeepError += 1),
        EDIT(TBeepCardOK, p.TBeepCardOK += 1),
        EDIT(FormCardType, p.FormCardType = 3),
        EDIT(DeviceType, p.DeviceType = 130),
        EDIT(CardBaudRate, p.CardBaudRate += 1),
        EDIT(CardWordFormat, p.CardWordFormat ^= 0x07),
        EDIT(CardReadMsgLine1, p.CardReadMsgLine1.chop(1)),
        EDIT(CardReadMsgLine2, p.CardReadMsgLine2[3] = QChar(u'%')),
        EDIT(TCardReadHold, p.TCardReadHold += 1),
        EDIT(CardPrefix, p.CardPrefix += 1),
        EDIT(CardStartDelim, p.CardStartDelim += 1),
        EDIT(CardEndDelim, p.CardEndDelim += 1),
        EDIT(CardSuffix, p.CardSuffix += 1),
        EDIT(CardTracks, p.CardTracks ^= 2),
        EDIT(CardStartSentinel, p.CardStartSentinel += 1),
        EDIT(CardEndSentinel, p.CardEndSentinel += 1),
        EDIT(CardFieldSeparator, p.CardFieldSeparator += 1),
        EDIT(CardBadSwipe, p.CardBadSwipe += 1),
        EDIT(EcrMode, p.EcrMode = int32_t(0x8001801A)),
        EDIT(EcrString, p.EcrString = QStringLiteral("END")),
    };
#undef EDIT
}

QList<QPair<const char*, ScreenEdit>> screenEdits()
{
#define EDIT(field, stmt)                                                                          \
    {                                                                                              \
#field, [](TScreenDataRec & s) { stmt; }                                                   \
    }
    return {
        EDIT(TextLine1, s.TextLine1[0] = QChar(u'X')),
        EDIT(TextLine2, s.TextLine2.append(u'X')),
        EDIT(bTimeoutEnable, s.bTimeoutEnable = !s.bTimeoutEnable),
        EDIT(TimeoutAction, s.TimeoutAction += 1),
        EDIT(TimeoutPeriod, s.TimeoutPeriod += 1000),
        EDIT(bCardSwipeEnable, s.bCardSwipeEnable = !s.bCardSwipeEnable),
        EDIT(CardSwipeAction, s.CardSwipeAction += 1),
        EDIT(UserDataAction, s.UserDataAction -= 1),
        EDIT(EnterAction, s.EnterAction += 1),
        EDIT(UserFullAction, s.UserFullAction += 1),
        EDIT(BackNormalAction, s.BackNormalAction += 1),
        EDIT(BackEmptyAction, s.BackEmptyAction += 1),
        EDIT(ClearNormalAction, s.ClearNormalAction -= 1),
        EDIT(ClearEmptyAction, s.ClearEmptyAction += 1),
        EDIT(bUserMaskInput, s.bUserMaskInput = !s.bUserMaskInput),
        EDIT(bRequireAllData, s.bRequireAllData = !s.bRequireAllData),
        EDIT(bSaveDataForNextScreen, s.bSaveDataForNextScreen = !s.bSaveDataForNextScreen),
        EDIT(LedModes, s.LedModes = 21),
        EDIT(OnShowChar, s.OnShowChar += 1),
        EDIT(OnLeaveChar, s.OnLeaveChar += 1),
    };
#undef EDIT
}

} // namespace

class TestAdvancedClass : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void resetValues();
    void resetScreens();
    void setAdvancedDefaultsResetsBothCopies();
    void everyAdvancedFieldCounts_data();
    void everyAdvancedFieldCounts();
    void everyScreenFieldCounts_data();
    void everyScreenFieldCounts();
    void revertRestoresEveryField();
    void commitCopiesEveryField();
    void copiesAreIndependent();
    void screenCopiesAreIndependent();
};

void TestAdvancedClass::resetValues()
{
    const TAdvancedParams p = DefaultAdvancedParams();
    // The values that are easy to get wrong.
    QCOMPARE(p.LEDBehavior, uint8_t(0x1F));
    QCOMPARE(p.CardWordFormat, uint8_t(144));
    QCOMPARE(p.FormCardType, uint8_t(1));
    QCOMPARE(p.DeviceType, uint8_t(0));
    QCOMPARE(p.CardSuffix, uint8_t(13));
    QCOMPARE(p.CardPrefix, uint8_t(0));
    QCOMPARE(p.CardEndSentinel, uint8_t(13));
    QCOMPARE(p.CardFieldSeparator, uint8_t(9));
    QCOMPARE(p.MaskChar, QChar(u'*'));
    QCOMPARE(p.CmdPrefix, uint8_t(64));
    QCOMPARE(p.OpMode, uint8_t(1));
    QVERIFY(!p.ScreenEnable);
    QVERIFY(p.EcrString.isEmpty());
    // The LCD texts fill their 16 positions, blanks included.
    QCOMPARE(p.SignOnMsgLine1, QStringLiteral("*  Halvorsten  *"));
    QCOMPARE(p.SignOnMsgLine2, QStringLiteral("*   Ostrella   *"));
    QCOMPARE(p.CardReadMsgLine1, QStringLiteral(" Card Read OK!  "));
    QCOMPARE(p.CardReadMsgLine2, QStringLiteral(" ==== ==== ===  "));
    for (const QString& line :
         {p.SignOnMsgLine1, p.SignOnMsgLine2, p.CardReadMsgLine1, p.CardReadMsgLine2})
        QCOMPARE(line.size(), 16);
}

void TestAdvancedClass::resetScreens()
{
    TRomProperties rom;
    for (int i = 0; i < ScreenCount; ++i) {
        const TScreenDataRec& s = rom.ScreenData[i];
        QCOMPARE(s.TextLine1, QStringLiteral("This is screen ") + QString::number(i + 1));
        QCOMPARE(s.TextLine2, QStringLiteral("> ") + QString(13, u'_') + QStringLiteral(" "));
        QCOMPARE(s.TimeoutPeriod, 1000);
        QCOMPARE(s.CardSwipeAction, uint8_t(1));
        QCOMPARE(s.UserDataAction, uint8_t(12));
        QCOMPARE(s.EnterAction, uint8_t(1));
        QCOMPARE(s.UserFullAction, uint8_t(9));
        QCOMPARE(s.BackNormalAction, uint8_t(10));
        QCOMPARE(s.BackEmptyAction, uint8_t(9));
        QCOMPARE(s.ClearNormalAction, uint8_t(11));
        QCOMPARE(s.ClearEmptyAction, uint8_t(9));
    }
    QCOMPARE(rom.ScreenData[2].TextLine1, QStringLiteral("This is screen 3"));
}

void TestAdvancedClass::setAdvancedDefaultsResetsBothCopies()
{
    TRomProperties rom;
    for (const auto& edit : advancedEdits()) {
        edit.second(rom.AdvancedParams);
        edit.second(rom.WorkingAdvancedParams);
    }
    for (int i = 0; i < ScreenCount; ++i) {
        for (const auto& edit : screenEdits()) {
            edit.second(rom.ScreenData[i]);
            edit.second(rom.WorkingScreenData[i]);
        }
    }

    rom.SetAdvancedDefaults();

    QCOMPARE(rom.AdvancedParams, DefaultAdvancedParams());
    QCOMPARE(rom.WorkingAdvancedParams, rom.AdvancedParams);
    for (int i = 0; i < ScreenCount; ++i) {
        QCOMPARE(rom.ScreenData[i], DefaultScreenData(i + 1));
        QCOMPARE(rom.WorkingScreenData[i], rom.ScreenData[i]);
    }
}

// The copy protocol is checked through operator==, so it must see every field.
void TestAdvancedClass::everyAdvancedFieldCounts_data()
{
    QTest::addColumn<AdvancedEdit>("edit");
    for (const auto& edit : advancedEdits())
        QTest::newRow(edit.first) << edit.second;
}

void TestAdvancedClass::everyAdvancedFieldCounts()
{
    QFETCH(AdvancedEdit, edit);
    const TAdvancedParams reset = DefaultAdvancedParams();
    TAdvancedParams changed = reset;
    edit(changed);
    QVERIFY(changed != reset);
    QVERIFY(!(changed == reset));
}

void TestAdvancedClass::everyScreenFieldCounts_data()
{
    QTest::addColumn<ScreenEdit>("edit");
    for (const auto& edit : screenEdits())
        QTest::newRow(edit.first) << edit.second;
}

void TestAdvancedClass::everyScreenFieldCounts()
{
    QFETCH(ScreenEdit, edit);
    const TScreenDataRec reset = DefaultScreenData(4);
    TScreenDataRec changed = reset;
    edit(changed);
    QVERIFY(changed != reset);
}

void TestAdvancedClass::revertRestoresEveryField()
{
    TRomProperties rom;
    for (const auto& edit : advancedEdits())
        edit.second(rom.WorkingAdvancedParams);
    for (const auto& edit : screenEdits())
        edit.second(rom.WorkingScreenData[7]);
    QVERIFY(rom.WorkingAdvancedParams != rom.AdvancedParams);

    rom.RevertAdvancedParams();
    rom.RevertScreenData();

    QCOMPARE(rom.WorkingAdvancedParams, DefaultAdvancedParams());
    QCOMPARE(rom.AdvancedParams, DefaultAdvancedParams());
    QCOMPARE(rom.WorkingScreenData[7], DefaultScreenData(8));
    QCOMPARE(rom.ScreenData[7], DefaultScreenData(8));
}

void TestAdvancedClass::commitCopiesEveryField()
{
    TRomProperties rom;
    TAdvancedParams expected = DefaultAdvancedParams();
    for (const auto& edit : advancedEdits()) {
        edit.second(rom.WorkingAdvancedParams);
        edit.second(expected);
    }
    TScreenDataRec expectedScreen = DefaultScreenData(2);
    for (const auto& edit : screenEdits()) {
        edit.second(rom.WorkingScreenData[1]);
        edit.second(expectedScreen);
    }

    rom.CommitAdvancedParams();
    rom.CommitScreenData();

    QCOMPARE(rom.AdvancedParams, expected);
    QCOMPARE(rom.ScreenData[1], expectedScreen);
    QCOMPARE(rom.ScreenData[0], DefaultScreenData(1));
}

// Edit, Apply, edit again, Cancel: the committed copy keeps the first edit
// only, and no later edit of one copy reaches the other (strings included).
void TestAdvancedClass::copiesAreIndependent()
{
    TRomProperties rom;
    rom.WorkingAdvancedParams.SignOnMsgLine1[0] = QChar(u'A');
    rom.WorkingAdvancedParams.EcrString = QStringLiteral("12345678");
    rom.CommitAdvancedParams();

    rom.WorkingAdvancedParams.SignOnMsgLine1[1] = QChar(u'B');
    rom.WorkingAdvancedParams.EcrString.append(u'9');
    rom.WorkingAdvancedParams.HostType = 3;
    QCOMPARE(rom.AdvancedParams.SignOnMsgLine1, QStringLiteral("A  Halvorsten  *"));
    QCOMPARE(rom.AdvancedParams.EcrString, QStringLiteral("12345678"));
    QCOMPARE(rom.AdvancedParams.HostType, 0);

    rom.RevertAdvancedParams();
    QCOMPARE(rom.WorkingAdvancedParams.SignOnMsgLine1, QStringLiteral("A  Halvorsten  *"));
    QCOMPARE(rom.WorkingAdvancedParams.HostType, 0);

    // After a revert, editing the working copy in place leaves the committed one.
    rom.WorkingAdvancedParams.CardReadMsgLine1[0] = QChar(u'Z');
    rom.WorkingAdvancedParams.EcrString.clear();
    QCOMPARE(rom.AdvancedParams.CardReadMsgLine1, QStringLiteral(" Card Read OK!  "));
    QCOMPARE(rom.AdvancedParams.EcrString, QStringLiteral("12345678"));
}

void TestAdvancedClass::screenCopiesAreIndependent()
{
    TRomProperties rom;
    rom.WorkingScreenData[4].TextLine1[0] = QChar(u'X');
    rom.WorkingScreenData[0].TextLine2.clear();
    rom.CommitScreenData();
    QCOMPARE(rom.ScreenData[4].TextLine1, QStringLiteral("Xhis is screen 5"));
    QVERIFY(rom.ScreenData[0].TextLine2.isEmpty());

    rom.WorkingScreenData[4].TextLine1[1] = QChar(u'Y');
    rom.WorkingScreenData[3].LedModes = 22;
    QCOMPARE(rom.ScreenData[4].TextLine1, QStringLiteral("Xhis is screen 5"));
    QCOMPARE(rom.ScreenData[3].LedModes, uint8_t(0));

    rom.RevertScreenData();
    for (int i = 0; i < ScreenCount; ++i)
        QCOMPARE(rom.WorkingScreenData[i], rom.ScreenData[i]);
    rom.WorkingScreenData[4].TextLine1[2] = QChar(u'Z');
    QCOMPARE(rom.ScreenData[4].TextLine1, QStringLiteral("Xhis is screen 5"));
}

QTEST_APPLESS_MAIN(TestAdvancedClass)
#include "tst_advancedclass.moc"
