// The advanced ROM properties dialog, driven through its real controls.

#include "ui/dialogs/Advanced.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <memory>

#include "model/AppState.h"

namespace {

// A dialog over a fresh state whose committed and working copies both hold
// what `setup` stored, as after opening a file.
struct TFixture
{
    TAppState State;
    std::unique_ptr<TfrmAdvanced> Dialog;

    explicit TFixture(const std::function<void(TAdvancedParams&)>& setup = {})
    {
        if (setup)
            setup(State.AdvancedParams);
        State.RevertAdvancedParams();
        Dialog = std::make_unique<TfrmAdvanced>(State);
        Dialog->show();
        Dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(Dialog.get()))
            qWarning("the dialog did not become active");
    }

    TAdvancedParams& W() { return State.WorkingAdvancedParams; }
    TAdvancedParams& C() { return State.AdvancedParams; }

    template <class T> T* Get(const char* name)
    {
        T* widget = Dialog->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }

    QTabWidget* Tabs() { return Get<QTabWidget>("pcAdvanced"); }
    void Page(const char* name) { Tabs()->setCurrentWidget(Get<QWidget>(name)); }
    bool PageShown(const char* name)
    {
        return Tabs()->isTabVisible(Tabs()->indexOf(Get<QWidget>(name)));
    }
    QString PageTitle(const char* name)
    {
        return Tabs()->tabText(Tabs()->indexOf(Get<QWidget>(name)));
    }

    // A click on the button's indicator, where a user clicks.
    void Click(const char* name)
    {
        auto* button = Get<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
    }
    bool Checked(const char* name) { return Get<QAbstractButton>(name)->isChecked(); }
    bool Enabled(const char* name) { return Get<QWidget>(name)->isEnabled(); }
    // Whether the control can be seen once its page is looked at.
    bool Shown(const char* name)
    {
        auto* widget = Get<QWidget>(name);
        for (QWidget* page = widget; page; page = page->parentWidget()) {
            if (Tabs()->indexOf(page) >= 0) {
                Tabs()->setCurrentWidget(page);
                break;
            }
        }
        return widget->isVisible();
    }

    // Chooses a list entry with the keyboard.
    void Choose(const char* name, int index)
    {
        auto* list = Get<QComboBox>(name);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(list, Qt::Key_Down);
    }

    // Replaces the text of a box by typing; `leave` moves the focus away.
    void Type(const char* name, const QString& text, bool leave = true)
    {
        auto* widget = Get<QWidget>(name);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(widget, Qt::Key_Backspace);
        QTest::keyClicks(widget, text);
        if (leave)
            Get<QWidget>("btnCancel")->setFocus();
    }
    int Value(const char* name) { return Get<QSpinBox>(name)->value(); }
    QString Text(const char* name) { return Get<QAbstractSpinBox>(name)->text(); }

    bool Clean()
    {
        return Dialog->windowTitle() == QLatin1String("Ostrella Advanced ROM Properties") &&
               !Enabled("btnApply") && !Enabled("btnOK") && !Dialog->ChangesMade();
    }
    bool Changed()
    {
        return Dialog->windowTitle() == QLatin1String("Ostrella Advanced ROM Properties*") &&
               Enabled("btnApply") && Enabled("btnOK") && Dialog->ChangesMade();
    }
};

} // namespace

class TestAdvanced : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showingNeverCountsAsAnEdit_data();
    void showingNeverCountsAsAnEdit();
    void modePageEnablingFollowsTheMode_data();
    void modePageEnablingFollowsTheMode();
    void modeChoicesKeepTheOtherBits();
    void modePageEdits();
    void numberBoxesLimitWhatTheyStore();
    void ledChoicesRebuildTheByte();
    void ledCaptionsFollowTheHostMode();
    void lcdPage();
    void beeperPageStoresAllFourTimes();
    void hostModeChoices();
    void hostWordFormat_data();
    void hostWordFormat();
    void cardTypesShowTheirPages();
    void wedgeModeGovernsTheDelimiters();
    void unknownCardTypeShowsNoCardPage();
    void cardWordFormatAndMessages();
    void magCardDelimitersAndTracks();
    void postProcessingBits();
    void applyOkCancel();
    void hostTypeInfoWindow();
};

void TestAdvanced::showingNeverCountsAsAnEdit_data()
{
    QTest::addColumn<int>("variant");
    QTest::newRow("reset values") << 0;
    QTest::newRow("values without a control of their own") << 1;
}

// Loading sets every control programmatically; none of that may reach the
// working copy or mark the dialog changed, whatever is stored.
void TestAdvanced::showingNeverCountsAsAnEdit()
{
    QFETCH(int, variant);
    TFixture f([variant](TAdvancedParams& p) {
        if (variant == 1) {
            p.LcdBrightness = 15;
            p.HostType = 2;
            p.FormCardType = 7;
            p.StartScreen = 12;
            p.BaudRate = 20;
            p.KeyRollOver = 5;
            p.KeyClick = 255;
            p.TSignOnHold = 3;
            p.WordFormat = 0x97;
            p.OpMode = 0xF3;
            p.ScreenEnable = true;
            p.LcdXlate = 7;
            p.EcrMode = 0x7FFF801F;
            p.SignOnMsgLine1 = QStringLiteral("a text longer than sixteen");
        }
    });
    QVERIFY(f.Clean());
    QVERIFY(f.W() == f.C());

    // Showing it again, for instance after Save, starts clean too.
    f.Dialog->FormShow();
    QVERIFY(f.Clean());
    QVERIFY(f.W() == f.C());

    // Lists only offer their entries.
    for (QComboBox* list : f.Dialog->findChildren<QComboBox*>())
        QVERIFY2(!list->isEditable(), qPrintable(list->objectName()));
}

void TestAdvanced::modePageEnablingFollowsTheMode_data()
{
    QTest::addColumn<QByteArray>("radio");
    QTest::addColumn<bool>("screen");
    QTest::addColumn<bool>("lineEdit");
    QTest::addColumn<bool>("terminal");
    QTest::newRow("Automated Screen Mode") << QByteArray("rbScreenMode") << true << false << false;
    QTest::newRow("Line Edit Mode") << QByteArray("rbLineEditMode") << false << true << false;
    QTest::newRow("True Terminal Mode")
        << QByteArray("rbTrueTerminalMode") << false << false << true;
}

void TestAdvanced::modePageEnablingFollowsTheMode()
{
    QFETCH(QByteArray, radio);
    QFETCH(bool, screen);
    QFETCH(bool, lineEdit);
    QFETCH(bool, terminal);
    // Start from a different mode so that the click is an edit.
    TFixture f([&](TAdvancedParams& p) {
        p.ScreenEnable = !screen;
        p.OpMode = lineEdit ? 0 : 1;
    });
    f.Page("tsMode");
    f.Click(radio.constData());
    QVERIFY(f.Checked(radio.constData()));
    QVERIFY(f.Changed());

    QCOMPARE(f.Enabled("cboxEcho"), terminal);
    QCOMPARE(f.Enabled("lblStartScreen"), screen);
    QCOMPARE(f.Enabled("cboxStartScreen"), screen);
    QCOMPARE(f.Enabled("cboxMaskUserInput"), lineEdit);
    for (const char* name :
         {"lblMaskChar", "edMaskChar", "lblCalcPrefix", "spinCalcPrefix", "lblCalcPrefixDecimal",
          "spinCalcStart", "spinCalcTail", "lblCalcTail", "spinCalcSuffix", "lblCalcSuffixDecimal",
          "lblCalcNote", "lblCalcDataFormat"})
        QVERIFY2(f.Enabled(name) == (screen || lineEdit), name);
    QCOMPARE(f.Shown("gboxGreenLED"), !screen);
    QCOMPARE(f.Shown("gboxRedLED"), !screen);
    QCOMPARE(f.Enabled("cbEnableScroll"), terminal);
    QCOMPARE(f.Enabled("cbEnableWrap"), terminal);
    QCOMPARE(f.Enabled("cbLcdXlate"), lineEdit);
}

// Screen mode overrides the Line Edit bit without touching it; the other two
// modes set or clear only bit 0 and turn screen mode off.
void TestAdvanced::modeChoicesKeepTheOtherBits()
{
    TFixture f([](TAdvancedParams& p) { p.OpMode = 0xF1; });
    f.Page("tsMode");
    f.Click("rbScreenMode");
    QCOMPARE(f.W().OpMode, uint8_t(0xF1));
    QVERIFY(f.W().ScreenEnable);

    // The LED groups come back with the stored choices.
    f.Click("rbTrueTerminalMode");
    QCOMPARE(f.W().OpMode, uint8_t(0xF0));
    QVERIFY(!f.W().ScreenEnable);
    QVERIFY(f.Shown("gboxGreenLED"));
    QVERIFY(f.Checked("rbLED1level"));
    QVERIFY(f.Checked("rbLED2power"));

    f.Click("rbLineEditMode");
    QCOMPARE(f.W().OpMode, uint8_t(0xF1));
    f.Click("cboxMaskUserInput");
    QCOMPARE(f.W().OpMode, uint8_t(0xF3));
    f.Click("cboxMaskUserInput");
    QCOMPARE(f.W().OpMode, uint8_t(0xF1));
    QVERIFY(f.C().OpMode == 0xF1 && !f.C().ScreenEnable); // nothing committed yet
}

void TestAdvanced::modePageEdits()
{
    TFixture f([](TAdvancedParams& p) { p.ScreenEnable = true; });
    f.Page("tsMode");

    f.Type("edMaskChar", QStringLiteral("#"));
    QCOMPARE(f.W().MaskChar, QChar('#'));
    QVERIFY(f.Changed());
    // An emptied box has nothing to store.
    f.Type("edMaskChar", QString());
    QCOMPARE(f.W().MaskChar, QChar('#'));

    f.Choose("cboxStartScreen", 8);
    QCOMPARE(f.Get<QComboBox>("cboxStartScreen")->currentText(), QStringLiteral("Demo"));
    QCOMPARE(f.W().StartScreen, uint8_t(8));

    f.Type("spinCalcPrefix", QStringLiteral("2"));
    f.Type("spinCalcStart", QStringLiteral("3"));
    f.Type("spinCalcTail", QStringLiteral("10"));
    f.Type("spinCalcSuffix", QStringLiteral("4"));
    QCOMPARE(f.W().CalcPrefix, uint8_t(2));
    QCOMPARE(f.W().CalcStart, uint8_t(3));
    QCOMPARE(f.W().TailChar, uint8_t(10));
    QCOMPARE(f.W().CalcSuffix, uint8_t(4));

    f.Click("rbTrueTerminalMode");
    f.Click("cboxEcho");
    QVERIFY(f.W().bHostEcho);
}

// Typing shows and stores in-range numbers; a number beyond the range never
// reaches the field as such (a byte would wrap) and the box shows the bound
// once it is left; text that is no number stores the minimum.
void TestAdvanced::numberBoxesLimitWhatTheyStore()
{
    TFixture f;
    f.Page("tsMode");
    f.Type("spinCalcPrefix", QStringLiteral("300"), false);
    QCOMPARE(f.W().CalcPrefix, uint8_t(255));
    f.Get<QWidget>("btnCancel")->setFocus();
    QCOMPARE(f.Text("spinCalcPrefix"), QStringLiteral("255"));

    f.Type("spinCalcTail", QString(), false);
    QCOMPARE(f.W().TailChar, uint8_t(0));
    f.Get<QWidget>("btnCancel")->setFocus();
    QCOMPARE(f.Text("spinCalcTail"), QStringLiteral("0"));

    f.Page("tsLCD");
    f.Type("spinTSignOnHold", QStringLiteral("5"));
    QCOMPARE(f.W().TSignOnHold, 10);
    QCOMPARE(f.Text("spinTSignOnHold"), QStringLiteral("10"));
    f.Type("spinTSignOnHold", QStringLiteral("2500"));
    QCOMPARE(f.W().TSignOnHold, 2500);

    f.Page("tsHost");
    f.Click("rbHostCDC");
    f.Type("spinCdcSerialNo", QStringLiteral("123456"));
    QCOMPARE(f.W().CdcSerialNo, 1234); // at most four digits

    // The download delay is shown, not edited.
    f.Page("tsKeysLEDs");
    QVERIFY(!f.Enabled("spinDownloadDelay"));
    f.Type("spinCharPacing", QStringLiteral("120"));
    QCOMPARE(f.W().CharacterPacing, uint8_t(120));
}

void TestAdvanced::ledChoicesRebuildTheByte()
{
    TFixture f; // LEDBehavior 31: green 1, red 3, bits 2 and 3 set
    f.Page("tsKeysLEDs");
    QVERIFY(f.Checked("rbLED1level"));
    QVERIFY(f.Checked("rbLED2power"));
    QCOMPARE(f.Get<QRadioButton>("rbLED1level")->text(), QStringLiteral("Shift/Toggle Indicator"));
    QCOMPARE(f.Get<QRadioButton>("rbLED2power")->text(), QStringLiteral("Power Indicator"));

    f.Click("rbLED2host");
    QCOMPARE(f.W().LEDBehavior, uint8_t(0x12));
    f.Click("rbLED1power");
    QCOMPARE(f.W().LEDBehavior, uint8_t(0x32));
    f.Click("rbLED2off");
    QCOMPARE(f.W().LEDBehavior, uint8_t(0x30));

    f.Click("rbKeyRollover1");
    QCOMPARE(f.W().KeyRollOver, uint8_t(1));
    QCOMPARE(f.C().LEDBehavior, uint8_t(31));
}

void TestAdvanced::ledCaptionsFollowTheHostMode()
{
    TFixture f([](TAdvancedParams& p) { p.HostType = 11; });
    QCOMPARE(f.Get<QRadioButton>("rbLED1host")->text(), QStringLiteral("NumLock Indicator"));
    QCOMPARE(f.Get<QRadioButton>("rbLED2power")->text(), QStringLiteral("Shift/Toggle Indicator"));
    QCOMPARE(f.Get<QRadioButton>("rbLED1power")->text(), QStringLiteral("Power Indicator"));

    f.Page("tsHost");
    f.Click("rbHostVS2");
    QCOMPARE(f.W().HostType, 10);
    QCOMPARE(f.Get<QRadioButton>("rbLED1host")->text(), QStringLiteral("Under Host Control"));
    QCOMPARE(f.Get<QRadioButton>("rbLED2power")->text(), QStringLiteral("Power Indicator"));
    f.Click("rbHostHIDK1");
    QCOMPARE(f.Get<QRadioButton>("rbLED1level")->text(), QStringLiteral("CapsLock Indicator"));
    QCOMPARE(f.W().LEDBehavior, uint8_t(31));
    QVERIFY(f.Changed());
}

void TestAdvanced::lcdPage()
{
    TFixture f([](TAdvancedParams& p) {
        p.CursorStyle = 0xF3;
        p.ScrollWrap = 0xF0;
        p.OpMode = 0; // True Terminal: scroll and wrap may be edited
    });
    f.Page("tsLCD");
    auto* line2 = f.Get<QLineEdit>("edLcdLine2");
    auto* cardLine2 = f.Get<QLineEdit>("edLcdLine2CardOK");
    QVERIFY(line2->isEnabled() && cardLine2->isEnabled());

    // One line: both second lines go dark, their texts stay stored.
    f.Click("rbLcdIs1x16");
    QCOMPARE(f.W().LcdSize, uint8_t(16));
    QVERIFY(!line2->isEnabled() && !cardLine2->isEnabled());
    QCOMPARE(line2->palette().color(QPalette::Disabled, QPalette::Base), QColor(Qt::black));
    QCOMPARE(f.W().SignOnMsgLine2, QStringLiteral("*   Ostrella   *"));
    QCOMPARE(f.W().CardReadMsgLine2, QStringLiteral(" ==== ==== ===  "));
    f.Click("rbLcdIs2x16");
    QCOMPARE(f.W().LcdSize, uint8_t(32));
    QVERIFY(line2->isEnabled());

    f.Type("edLcdLine1", QStringLiteral("0123456789abcdefXYZ"));
    QCOMPARE(f.W().SignOnMsgLine1, QStringLiteral("0123456789abcdef"));
    f.Type("edLcdLine2", QStringLiteral("Hi"));
    QCOMPARE(f.W().SignOnMsgLine2, QStringLiteral("Hi"));

    f.Click("cbLcdCursorBlock");
    QCOMPARE(f.W().CursorStyle, uint8_t(0xF2));
    f.Click("cbLcdCursorUnderline");
    QCOMPARE(f.W().CursorStyle, uint8_t(0xF0));
    f.Click("cbEnableScroll");
    QCOMPARE(f.W().ScrollWrap, uint8_t(0xF2));
    f.Click("cbEnableWrap");
    QCOMPARE(f.W().ScrollWrap, uint8_t(0xF3));

    f.Page("tsMode");
    f.Click("rbLineEditMode");
    f.Page("tsLCD");
    f.Click("cbLcdXlate");
    QCOMPARE(f.W().LcdXlate, uint8_t(1));

    auto* slider = f.Get<QSlider>("tbarLcdBrightness");
    QCOMPARE(slider->toolTip(), QStringLiteral("LCD Backlight Brightness. Requires v6+"));
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Left);
    QTest::keyClick(slider, Qt::Key_Left);
    QCOMPARE(f.W().LcdBrightness, uint8_t(7));
    QCOMPARE(slider->toolTip(), QStringLiteral("7"));
}

// One handler stores all four boxes: a stored time beyond its box's range is
// replaced by what its box shows as soon as any beep time is edited.
void TestAdvanced::beeperPageStoresAllFourTimes()
{
    TFixture f([](TAdvancedParams& p) { p.TBeepError = 4000; });
    f.Page("tsBeeper");
    QCOMPARE(f.Value("spinErrorBeep"), 2500);
    QCOMPARE(f.W().TBeepError, 4000);
    f.Type("spinKeyClick", QStringLiteral("0"));
    QCOMPARE(f.W().KeyClick, uint8_t(0));
    QCOMPARE(f.W().TBeepError, 2500);
    f.Type("spinPowerOnBeep", QStringLiteral("2000"));
    f.Type("spinCardOkBeep", QStringLiteral("50"));
    QCOMPARE(f.W().TBeepChirp, 2000);
    QCOMPARE(f.W().TBeepCardOK, 50);
    QCOMPARE(f.Get<QSpinBox>("spinKeyClick")->singleStep(), 2);
}

void TestAdvanced::hostModeChoices()
{
    TFixture f([](TAdvancedParams& p) {
        p.HostType = 2;
        p.CdcSerialNo = 25;
        p.CmdPrefix = 35;
        p.XonChar = 17;
    });
    f.Page("tsHost");
    QVERIFY(f.Checked("rbHostNone"));
    QCOMPARE(f.Value("spinCdcSerialNo"), 25);
    QVERIFY(!f.Enabled("spinCdcSerialNo") && !f.Enabled("lblCdcSerialNo"));
    // The command prefix and flow control groups carry values but never show.
    QVERIFY(!f.Shown("gboxCmdPrefix") && !f.Shown("gboxFlowControl"));
    QCOMPARE(f.Value("spinCmdPrefix"), 35);
    QCOMPARE(f.Value("spinXonChar"), 17);
    QVERIFY(!f.Enabled("spinXoffChar"));

    // Clicking the Default choice that is already shown changes nothing.
    f.Click("rbHostNone");
    QCOMPARE(f.W().HostType, 2);
    QVERIFY(f.Clean());

    f.Click("rbHostCDC");
    QCOMPARE(f.W().HostType, 7);
    QVERIFY(f.Enabled("spinCdcSerialNo"));
    f.Type("spinCdcSerialNo", QStringLiteral("99"));
    QCOMPARE(f.W().CdcSerialNo, 99);
    f.Click("rbEthernet");
    QCOMPARE(f.W().HostType, 4);
    QVERIFY(!f.Enabled("spinCdcSerialNo"));
    QCOMPARE(f.W().CdcSerialNo, 99);
    f.Click("rbHostNone");
    QCOMPARE(f.W().HostType, 0);

    f.Choose("cboxHostBaudRate", 7);
    QCOMPARE(f.Get<QComboBox>("cboxHostBaudRate")->currentText(), QStringLiteral("115.2k"));
    QCOMPARE(f.W().BaudRate, uint8_t(7));
    QCOMPARE(f.W().CmdPrefix, uint8_t(35));
}

void TestAdvanced::hostWordFormat_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QByteArray>("shown");
    QTest::addColumn<QByteArrayList>("clicks");
    QTest::addColumn<QList<int>>("values");
    QTest::newRow("legacy 8,N,1") << 8
                                  << QByteArray("rbHost8DataBits rbHostParityNone rbHostStopBits1")
                                  << QByteArrayList{"rbHost7DataBits",  "rbHostParityEven",
                                                    "rbHostParityOdd",  "rbHostStopBits2",
                                                    "rbHostParityNone", "rbHost8DataBits"}
                                  << QList<int>{0, 2, 6, 7, 1, 9};
    QTest::newRow("legacy 8,N,1 to odd") << 8 << QByteArray("rbHost8DataBits rbHostParityNone")
                                         << QByteArrayList{"rbHostParityOdd"} << QList<int>{14};
    QTest::newRow("extended 8,O,1")
        << 149 << QByteArray("rbHost8DataBits rbHostParityOdd rbHostStopBits1")
        << QByteArrayList{"rbHostParityEven"} << QList<int>{148};
    QTest::newRow("extended mark")
        << 151 << QByteArray("rbHost8DataBits rbHostParityMark rbHostStopBits1")
        << QByteArrayList{"rbHostParityEven", "rbHostParityOdd", "rbHostParityNone",
                          "rbHostStopBits2", "rbHost7DataBits"}
        << QList<int>{148, 149, 144, 152, 136};
    QTest::newRow("extended space, 2 stop bits")
        << 158 << QByteArray("rbHost8DataBits rbHostParitySpace rbHostStopBits2")
        << QByteArrayList{"rbHostParityMark"} << QList<int>{158};
    QTest::newRow("legacy 7,E,1") << 2
                                  << QByteArray("rbHost7DataBits rbHostParityEven rbHostStopBits1")
                                  << QByteArrayList{} << QList<int>{};
}

void TestAdvanced::hostWordFormat()
{
    QFETCH(int, stored);
    QFETCH(QByteArray, shown);
    QFETCH(QByteArrayList, clicks);
    QFETCH(QList<int>, values);
    TFixture f([stored](TAdvancedParams& p) { p.WordFormat = uint8_t(stored); });
    f.Page("tsHost");
    for (const QByteArray& name : shown.split(' '))
        QVERIFY2(f.Checked(name.constData()), name.constData());
    // Mark and space cannot be chosen for the host port.
    QVERIFY(!f.Enabled("rbHostParityMark") && !f.Enabled("rbHostParitySpace"));
    for (int i = 0; i < clicks.size(); ++i) {
        f.Click(clicks[i].constData());
        QCOMPARE(int(f.W().WordFormat), values[i]);
    }
    QCOMPARE(int(f.C().WordFormat), stored);
}

void TestAdvanced::cardTypesShowTheirPages()
{
    TFixture f; // the reset pair: card type 1 with device type 0
    QVERIFY(f.Checked("rbCardBCR"));
    QVERIFY(f.PageShown("tsBarcodeRFID") && !f.PageShown("tsMagCard") &&
            f.PageShown("tsEcrProcess"));
    QCOMPARE(f.PageTitle("tsBarcodeRFID"), QStringLiteral("Barcode/RFID"));
    QVERIFY(!f.Shown("lblWedgeMode") && !f.Shown("rbWedgeModePacketize"));
    QCOMPARE(f.W().DeviceType, uint8_t(0));

    f.Page("tsCardType");
    f.Click("rbCardNone");
    QCOMPARE(f.W().FormCardType, uint8_t(0));
    QCOMPARE(f.W().DeviceType, uint8_t(0));
    QVERIFY(!f.PageShown("tsBarcodeRFID") && !f.PageShown("tsMagCard") &&
            !f.PageShown("tsEcrProcess"));
    QVERIFY(!f.Shown("gboxCardComParams") && !f.Shown("gboxCardReadMsg"));

    f.Click("rbCardMCR");
    QCOMPARE(f.W().FormCardType, uint8_t(2));
    QCOMPARE(f.W().DeviceType, uint8_t(129));
    QVERIFY(!f.PageShown("tsBarcodeRFID") && f.PageShown("tsMagCard") &&
            f.PageShown("tsEcrProcess"));
    QVERIFY(f.Shown("gboxCardComParams") && f.Shown("gboxCardReadMsg"));

    f.Click("rbCardBCR");
    QCOMPARE(f.W().DeviceType, uint8_t(129));
    QVERIFY(f.PageShown("tsBarcodeRFID") && !f.PageShown("tsMagCard"));
    QCOMPARE(f.Get<QLabel>("lblBCRStartChar")->text(),
             QStringLiteral("Barcode/RFID start character: *"));
    QVERIFY(f.C().FormCardType == 1 && f.C().DeviceType == 0);
}

void TestAdvanced::wedgeModeGovernsTheDelimiters()
{
    TFixture f;
    f.Page("tsCardType");
    f.Click("rbCardWedge");
    QCOMPARE(f.W().FormCardType, uint8_t(3));
    QCOMPARE(f.W().DeviceType, uint8_t(2));
    QCOMPARE(f.PageTitle("tsBarcodeRFID"), QStringLiteral("Ext. Wedge"));
    QCOMPARE(f.Get<QLabel>("lblBCRPrefixChar")->text(),
             QStringLiteral("External Wedge prefix character:"));
    QCOMPARE(f.Get<QLabel>("lblBCREndChar")->text(),
             QStringLiteral("External Wedge end character: *"));
    QVERIFY(f.Checked("rbWedgeModePassThru"));
    QVERIFY(!f.PageShown("tsEcrProcess") && !f.PageShown("tsMagCard"));
    for (const char* name : {"lblBCRPrefixChar", "spinBCRPrefixChar", "lblBCRPrefixCharDecimal",
                             "spinBCRStartChar", "spinBCREndChar", "spinBCRSuffixChar"})
        QVERIFY2(!f.Enabled(name), name);

    f.Page("tsBarcodeRFID");
    QVERIFY(f.Shown("lblWedgeMode"));
    f.Click("rbWedgeModePacketize");
    QCOMPARE(f.W().DeviceType, uint8_t(130));
    QVERIFY(f.PageShown("tsEcrProcess"));
    QVERIFY(f.Enabled("spinBCRSuffixChar") && f.Enabled("lblBCRSuffixCharDecimal"));
    f.Type("spinBCRStartChar", QStringLiteral("2"));
    f.Type("spinBCREndChar", QStringLiteral("3"));
    QCOMPARE(f.W().CardPrefix, uint8_t(2));
    QCOMPARE(f.W().CardSuffix, uint8_t(3));
    f.Click("rbWedgeModePassThru");
    QCOMPARE(f.W().DeviceType, uint8_t(2));
    QVERIFY(!f.Enabled("spinBCRStartChar"));
}

void TestAdvanced::unknownCardTypeShowsNoCardPage()
{
    TFixture f([](TAdvancedParams& p) {
        p.FormCardType = 9;
        p.DeviceType = 5;
    });
    for (const char* name : {"rbCardNone", "rbCardBCR", "rbCardMCR", "rbCardWedge"})
        QVERIFY2(!f.Checked(name), name);
    QVERIFY(!f.PageShown("tsBarcodeRFID") && !f.PageShown("tsMagCard") &&
            !f.PageShown("tsEcrProcess"));
    QVERIFY(f.PageShown("tsCardType"));
    QVERIFY(f.Clean());
    QCOMPARE(f.W().FormCardType, uint8_t(9));

    f.Page("tsCardType");
    f.Click("rbCardMCR");
    QCOMPARE(f.W().FormCardType, uint8_t(2));
    QCOMPARE(f.W().DeviceType, uint8_t(129));
    QVERIFY(f.PageShown("tsMagCard"));

    // Showing the dialog again over a type without that page never leaves
    // the hidden page on screen.
    f.Page("tsMagCard");
    f.Click("btnOK");
    f.State.AdvancedParams.FormCardType = 0;
    f.State.RevertAdvancedParams();
    f.Dialog->show();
    QVERIFY(!f.PageShown("tsMagCard"));
    QVERIFY(f.Tabs()->isTabVisible(f.Tabs()->currentIndex()));
    QVERIFY(f.Get<QWidget>("tsMagCard")->isHidden());
}

void TestAdvanced::cardWordFormatAndMessages()
{
    TFixture f([](TAdvancedParams& p) { p.CardWordFormat = 0x90; });
    f.Page("tsCardType");
    QVERIFY(f.Checked("rbCard8DataBits") && f.Checked("rbCardParityNone") &&
            f.Checked("rbCardStopBits1"));
    QVERIFY(f.Enabled("rbCardParityMark") && f.Enabled("rbCardParitySpace"));
    f.Click("rbCardParityMark");
    QCOMPARE(f.W().CardWordFormat, uint8_t(151));
    f.Click("rbCardParitySpace");
    QCOMPARE(f.W().CardWordFormat, uint8_t(150));
    f.Click("rbCardParityOdd");
    QCOMPARE(f.W().CardWordFormat, uint8_t(149));
    f.Click("rbCardParityEven");
    QCOMPARE(f.W().CardWordFormat, uint8_t(148));
    f.Click("rbCardStopBits2");
    QCOMPARE(f.W().CardWordFormat, uint8_t(156));
    f.Click("rbCard7DataBits");
    QCOMPARE(f.W().CardWordFormat, uint8_t(140));
    f.Choose("cboxCardBaudRate", 8);
    QCOMPARE(f.W().CardBaudRate, uint8_t(8));

    f.Type("edLcdLine1CardOK", QStringLiteral("Welcome"));
    f.Type("edLcdLine2CardOK", QStringLiteral("Badge 42"));
    f.Type("spinTCardReadHold", QStringLiteral("2000"));
    QCOMPARE(f.W().CardReadMsgLine1, QStringLiteral("Welcome"));
    QCOMPARE(f.W().CardReadMsgLine2, QStringLiteral("Badge 42"));
    QCOMPARE(f.W().TCardReadHold, 2000);
}

void TestAdvanced::magCardDelimitersAndTracks()
{
    TFixture f([](TAdvancedParams& p) {
        p.FormCardType = 2;
        p.CardTracks = 0xF3;
    });
    f.Page("tsMagCard");
    f.Type("spinMCRPrefixChar", QStringLiteral("2"));
    f.Type("spinMCRStartSentinel", QStringLiteral("37"));
    f.Type("spinMCREndSentinel", QStringLiteral("63"));
    f.Type("spinMCRFieldSeparator", QStringLiteral("94"));
    f.Type("spinMCRSuffixChar", QStringLiteral("10"));
    QCOMPARE(f.W().CardStartDelim, uint8_t(2));
    QCOMPARE(f.W().CardStartSentinel, uint8_t(37));
    QCOMPARE(f.W().CardEndSentinel, uint8_t(63));
    QCOMPARE(f.W().CardFieldSeparator, uint8_t(94));
    QCOMPARE(f.W().CardEndDelim, uint8_t(10));

    // The barcode page edits the same prefix and suffix.
    f.Page("tsCardType");
    f.Click("rbCardBCR");
    QCOMPARE(f.Value("spinBCRPrefixChar"), 2);
    QCOMPARE(f.Value("spinBCRSuffixChar"), 10);
    f.Page("tsBarcodeRFID");
    f.Type("spinBCRSuffixChar", QStringLiteral("4"));
    f.Page("tsCardType");
    f.Click("rbCardMCR");
    f.Page("tsMagCard");
    f.Type("spinMCRStartSentinel", QStringLiteral("1"));
    QCOMPARE(f.W().CardEndDelim, uint8_t(4));

    // The two boxes rebuild the whole byte.
    QVERIFY(f.Checked("cboxMCRTrack1") && f.Checked("cboxMCRTrack2"));
    f.Click("cboxMCRTrack1");
    QCOMPARE(f.W().CardTracks, uint8_t(2));
    f.Click("cboxMCRTrack2");
    QCOMPARE(f.W().CardTracks, uint8_t(0));
    f.Click("cboxMCRTrack1");
    QCOMPARE(f.W().CardTracks, uint8_t(1));
}

void TestAdvanced::postProcessingBits()
{
    TFixture f([](TAdvancedParams& p) { p.EcrMode = 0x801A; });
    f.Page("tsEcrProcess");
    QVERIFY(f.Checked("cboxEnableEcrMode"));
    QCOMPARE(f.Get<QComboBox>("cboxSelectTrack")->currentText(),
             QStringLiteral("Track 2 (MCR only)"));
    QCOMPARE(f.Get<QComboBox>("cboxSelectField")->currentText(), QStringLiteral("Field 11"));
    QCOMPARE(f.Get<QComboBox>("cboxSelectField")->count(), 17);

    f.Choose("cboxSelectField", 15);
    QCOMPARE(f.W().EcrMode, 0x801F);
    // The empty last entry is no field.
    f.Choose("cboxSelectField", 16);
    QCOMPARE(f.W().EcrMode, 0x801F);

    f.Choose("cboxSelectTrack", 0);
    QCOMPARE(f.W().EcrMode, 0x800F);
    f.Click("cboxSuppressLZ");
    f.Click("cboxPrepend00");
    f.Click("cboxConcatenate");
    QCOMPARE(f.W().EcrMode, 0x81CF);
    f.Type("edRemoveSuffix", QStringLiteral("=12345678X"));
    QCOMPARE(f.W().EcrString, QStringLiteral("=1234567"));

    // Disabling greys the options and clears only bit 15.
    f.Click("cboxEnableEcrMode");
    QCOMPARE(f.W().EcrMode, 0x01CF);
    for (const char* name :
         {"cboxSelectTrack", "lblSelectTrack", "cboxSelectField", "cboxSuppressLZ", "lblPrepend00",
          "cboxConcatenate", "lblConcatenateNote", "edRemoveSuffix"})
        QVERIFY2(!f.Enabled(name), name);
    QVERIFY(f.Enabled("cboxEnableEcrMode"));
    f.Click("cboxEnableEcrMode");
    QCOMPARE(f.W().EcrMode, 0x81CF);
    QVERIFY(f.Enabled("cboxSelectField"));
}

void TestAdvanced::applyOkCancel()
{
    TFixture f;
    QSignalSpy applied(f.Dialog.get(), &TfrmAdvanced::changesApplied);

    // Cancel without an edit leaves everything as it was.
    f.Click("btnCancel");
    QVERIFY(!f.Dialog->isVisible());
    QCOMPARE(f.Dialog->result(), int(QDialog::Rejected));
    QCOMPARE(applied.count(), 0);
    QVERIFY(f.W() == DefaultAdvancedParams() && f.C() == DefaultAdvancedParams());

    // Edit, Apply, edit again, Cancel: the applied edit stays.
    f.Dialog->show();
    QVERIFY(f.Clean());
    f.Page("tsLCD");
    f.Type("edLcdLine1", QStringLiteral("Applied"));
    QVERIFY(f.Changed());
    f.Click("btnApply");
    QCOMPARE(f.C().SignOnMsgLine1, QStringLiteral("Applied"));
    QCOMPARE(applied.count(), 1);
    QCOMPARE(f.Dialog->windowTitle(), QStringLiteral("Ostrella Advanced ROM Properties"));
    QVERIFY(!f.Enabled("btnApply") && f.Enabled("btnOK") && !f.Dialog->ChangesMade());

    f.Type("edLcdLine1", QStringLiteral("Dropped"));
    f.Page("tsMode");
    f.Click("rbScreenMode");
    QVERIFY(f.Changed());
    f.Click("btnCancel");
    QCOMPARE(applied.count(), 1);
    QCOMPARE(f.W().SignOnMsgLine1, QStringLiteral("Applied"));
    QVERIFY(!f.W().ScreenEnable);
    QVERIFY(f.W() == f.C());

    // OK commits and closes.
    f.Dialog->show();
    f.Page("tsCardType");
    f.Click("rbCardWedge");
    f.Click("btnOK");
    QCOMPARE(f.Dialog->result(), int(QDialog::Accepted));
    QVERIFY(!f.Dialog->isVisible());
    QCOMPARE(f.C().FormCardType, uint8_t(3));
    QCOMPARE(f.C().DeviceType, uint8_t(2));
    QCOMPARE(applied.count(), 2);

    // Escape is Cancel.
    f.Dialog->show();
    f.Page("tsBeeper");
    f.Type("spinErrorBeep", QStringLiteral("7"));
    QCOMPARE(f.W().TBeepError, 7);
    QTest::keyClick(f.Dialog.get(), Qt::Key_Escape);
    QVERIFY(!f.Dialog->isVisible());
    QCOMPARE(f.W().TBeepError, 200);
    QCOMPARE(f.Dialog->windowTitle(), QStringLiteral("Ostrella Advanced ROM Properties"));
    QVERIFY(!f.Dialog->ChangesMade());

    // After a save the main window disables OK and Apply.
    f.Dialog->show();
    f.Page("tsBeeper");
    f.Type("spinErrorBeep", QStringLiteral("8"));
    f.Dialog->DisableApplyAndOK();
    QVERIFY(!f.Enabled("btnApply") && !f.Enabled("btnOK"));
}

void TestAdvanced::hostTypeInfoWindow()
{
    // The label and the picture ask for the host type information, which the
    // windows' wiring shows (and closes with the dialog).
    TFixture f;
    QSignalSpy requested(f.Dialog.get(), &TfrmAdvanced::hostTypeInfoRequested);
    f.Page("tsHost");
    for (const char* name : {"lblHostNotes", "imgHostNotes"}) {
        auto* notes = f.Get<QWidget>(name);
        QTest::mouseClick(notes, Qt::LeftButton, Qt::NoModifier, notes->rect().center());
    }
    QCOMPARE(requested.count(), 2);
    QVERIFY(f.Dialog->isVisible());
    QVERIFY(f.Clean());
}

QTEST_MAIN(TestAdvanced)
#include "tst_advanced.moc"
