// The user properties dialog, driven through its widgets over definitions
// that hold ordinary and unusual stored values.

#include "model/AppState.h"
#include "support/ScriptedPrompts.h"
#include "ui/dialogs/Params.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStyleOptionButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// Clicks a button where a user would: on the indicator of a radio button or
// check box, in the middle of a push button.
void clickButton(QAbstractButton* button)
{
    QPoint at = button->rect().center();
    QStyleOptionButton opt;
    opt.initFrom(button);
    if (qobject_cast<QRadioButton*>(button))
        at =
            button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opt, button).center();
    else if (qobject_cast<QCheckBox*>(button))
        at = button->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, button).center();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
}

// Replaces the text of a number box by typing.
void typeInto(QSpinBox* spin, const QString& text)
{
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(spin, Qt::Key_Backspace);
    QTest::keyClicks(spin, text);
}

// A fresh definition and a dialog over it; the dialog is opened by show().
struct Fixture
{
    TAppState state;
    std::unique_ptr<TfrmParameters> dlg;
    TKeypadClass& kd = state.KeypadDefinition;

    Fixture() : dlg(std::make_unique<TfrmParameters>(state)) {}

    void open()
    {
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
    }
    void reopen()
    {
        dlg->hide();
        open();
    }

    template <class T> T* get(const char* name) const
    {
        T* w = dlg->findChild<T*>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QRadioButton* radio(const char* name) const { return get<QRadioButton>(name); }
    QCheckBox* check(const char* name) const { return get<QCheckBox>(name); }
    QSpinBox* spin(const char* name) const { return get<QSpinBox>(name); }
    QComboBox* list(const char* name) const { return get<QComboBox>(name); }
    QPushButton* button(const char* name) const { return get<QPushButton>(name); }
    void click(const char* name) const { clickButton(get<QAbstractButton>(name)); }
    // Clicks the operating mode that is already selected: a change that
    // changes no value, so that OK is enabled.
    void touch() const
    {
        click(radio("rbLineEdit")->isChecked() ? "rbLineEdit" : "rbTrueTerminal");
    }
    // Touch, then OK.
    void okUnchanged() const
    {
        touch();
        click("btnOK");
    }

    bool applyEnabled() const { return button("btnApply")->isEnabled(); }
    bool okEnabled() const { return button("btnOK")->isEnabled(); }
};

} // namespace

using ChangeFn = std::function<void(Fixture&)>;
Q_DECLARE_METATYPE(ChangeFn)

class TestParams : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyRollOver_data();
    void keyRollOver();
    void opModeAndHostMode_data();
    void opModeAndHostMode();
    void hostModeCaptions_data();
    void hostModeCaptions();
    void ledBehavior_data();
    void ledBehavior();
    void wordFormat_data();
    void wordFormat();
    void cardReaderFields();
    void valuesBeyondTheControls();
    void applyWritesEveryControl();
    void enablingRules();
    void everyKindOfChangeEnablesApply_data();
    void everyKindOfChangeEnablesApply();
    void buttonStatesAndChangesApplied();
    void cancelWritesNothing();
    void prefixChangeKeepsTheMacros();
    void numberBoxInput();
    void escapeAndCloseDoNotLeave();
    void hostNotes();
    void runsModally();
};

// ---------------------------------------------------------------------------

void TestParams::keyRollOver_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("clicked"); // empty: no click
    QTest::addColumn<int>("written");

    QTest::newRow("1 kept") << 1 << "radbtnKeyRoll1"
                            << "" << 1;
    QTest::newRow("2 kept") << 2 << "radbtnKeyRoll2"
                            << "" << 2;
    QTest::newRow("0 shows 2, kept") << 0 << "radbtnKeyRoll2"
                                     << "" << 0;
    QTest::newRow("7 shows 2, kept") << 7 << "radbtnKeyRoll2"
                                     << "" << 7;
    QTest::newRow("7, click 2") << 7 << "radbtnKeyRoll2"
                                << "radbtnKeyRoll2" << 2;
    QTest::newRow("7, click 1") << 7 << "radbtnKeyRoll2"
                                << "radbtnKeyRoll1" << 1;
    QTest::newRow("2, click 1") << 2 << "radbtnKeyRoll2"
                                << "radbtnKeyRoll1" << 1;
}

void TestParams::keyRollOver()
{
    QFETCH(int, stored);
    QFETCH(QString, shown);
    QFETCH(QString, clicked);
    QFETCH(int, written);

    Fixture f;
    f.kd.SetKeyRollOver(uint8_t(stored));
    f.open();
    QVERIFY(f.radio(qPrintable(shown))->isChecked());
    if (!clicked.isEmpty()) {
        f.click(qPrintable(clicked));
        QVERIFY(f.radio(qPrintable(clicked))->isChecked());
    }
    f.okUnchanged();
    QCOMPARE(int(f.kd.KeyRollOver()), written);
}

// ---------------------------------------------------------------------------

void TestParams::opModeAndHostMode_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("lineEdit");
    QTest::addColumn<bool>("maskChecked");
    QTest::addColumn<QString>("hostRadio");
    QTest::addColumn<int>("written"); // after OK without a change

    QTest::newRow("reset value") << 0x01 << true << false << "rbHostTypeDefault" << 0x01;
    QTest::newRow("line edit, masked") << 0x03 << true << true << "rbHostTypeDefault" << 0x03;
    QTest::newRow("terminal, masked") << 0x02 << false << true << "rbHostTypeDefault" << 0x02;
    QTest::newRow("bits 2..3 dropped") << 0x0D << true << false << "rbHostTypeDefault" << 0x01;
    QTest::newRow("mode 3") << 0x30 << false << false << "rbHostTypeHIDK1" << 0x30;
    QTest::newRow("mode 7") << 0x73 << true << true << "rbHostTypeCDC" << 0x73;
    QTest::newRow("mode 10") << 0xA1 << true << false << "rbHostTypeVS2" << 0xA1;
    QTest::newRow("mode 11") << 0xB2 << false << true << "rbHostTypeHIDK2" << 0xB2;
    QTest::newRow("mode 4 is not offered") << 0x41 << true << false << "rbHostTypeDefault" << 0x01;
    QTest::newRow("mode 15") << 0xF3 << true << true << "rbHostTypeDefault" << 0x03;
}

void TestParams::opModeAndHostMode()
{
    QFETCH(int, stored);
    QFETCH(bool, lineEdit);
    QFETCH(bool, maskChecked);
    QFETCH(QString, hostRadio);
    QFETCH(int, written);

    Fixture f;
    f.kd.SetOpMode(uint8_t(stored));
    f.open();
    QCOMPARE(f.radio("rbLineEdit")->isChecked(), lineEdit);
    QCOMPARE(f.radio("rbTrueTerminal")->isChecked(), !lineEdit);
    QCOMPARE(f.check("cbMaskInput")->isChecked(), maskChecked);
    for (const char* name :
         {"lblMaskInput", "cbMaskInput", "lblTailChar1", "lblTailChar2", "spinTailChar"})
        QCOMPARE(f.get<QWidget>(name)->isEnabled(), lineEdit);
    QVERIFY(f.radio(qPrintable(hostRadio))->isChecked());

    f.okUnchanged();
    QCOMPARE(int(f.kd.OpMode()), written);
}

// ---------------------------------------------------------------------------

void TestParams::hostModeCaptions_data()
{
    QTest::addColumn<QString>("hostRadio");
    QTest::addColumn<int>("nibble");
    QTest::addColumn<bool>("hid");
    QTest::addColumn<bool>("cdc");

    QTest::newRow("default") << "rbHostTypeDefault" << 0x00 << false << false;
    QTest::newRow("mode 3") << "rbHostTypeHIDK1" << 0x30 << true << false;
    QTest::newRow("mode 7") << "rbHostTypeCDC" << 0x70 << false << true;
    QTest::newRow("mode 10") << "rbHostTypeVS2" << 0xA0 << false << false;
    QTest::newRow("mode 11") << "rbHostTypeHIDK2" << 0xB0 << true << false;
}

void TestParams::hostModeCaptions()
{
    QFETCH(QString, hostRadio);
    QFETCH(int, nibble);
    QFETCH(bool, hid);
    QFETCH(bool, cdc);

    const QStringList green =
        hid ? QStringList{"Off", "CapsLock Indicator", "NumLock Indicator", "Power Indicator"}
            : QStringList{"Off", "Level Indicator", "Host/Macro Control", "Power Indicator"};
    const QStringList red =
        hid ? QStringList{"Off", "CapsLock Indicator", "NumLock Indicator", "Level Indicator"}
            : QStringList{"Off", "Level Indicator", "Host/Macro Control", "Power Indicator"};
    auto checkCaptions = [&](const Fixture& f) {
        const char* suffix[] = {"off", "level", "host", "power"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(f.radio(qPrintable(QStringLiteral("rbLED1") + suffix[i]))->text(), green[i]);
            QCOMPARE(f.radio(qPrintable(QStringLiteral("rbLED2") + suffix[i]))->text(), red[i]);
        }
        QCOMPARE(f.get<QLabel>("lblCdcSerialNo")->isEnabled(), cdc);
        QCOMPARE(f.spin("spinCdcSerialNo")->isEnabled(), cdc);
    };

    // Loaded from the definition...
    {
        Fixture f;
        f.kd.SetOpMode(uint8_t(nibble | 0x01));
        f.open();
        checkCaptions(f);
        if (QTest::currentTestFailed())
            return;
    }
    // ...and chosen by the user, coming from the opposite kind of mode.
    {
        Fixture f;
        f.kd.SetOpMode(hid ? 0x71 : 0xB1);
        f.kd.SetLEDBehavior(0x12);
        f.open();
        f.click(qPrintable(hostRadio));
        checkCaptions(f);
        f.click("btnApply");
        // Only the captions change: the LED values keep their positions.
        QCOMPARE(int(f.kd.LEDBehavior()), 0x12);
        QCOMPARE(int(f.kd.OpMode()), nibble | 0x01);
    }
}

// ---------------------------------------------------------------------------

void TestParams::ledBehavior_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("green");
    QTest::addColumn<QString>("red");
    QTest::addColumn<QString>("clickGreen");
    QTest::addColumn<QString>("clickRed");
    QTest::addColumn<int>("written");

    QTest::newRow("reset value unchanged") << 0x31 << "rbLED1power"
                                           << "rbLED2level"
                                           << ""
                                           << "" << 0x31;
    QTest::newRow("stray bits cleared") << 0xCE << "rbLED1off"
                                        << "rbLED2host"
                                        << ""
                                        << "" << 0x02;
    QTest::newRow("advanced reset value") << 0x1F << "rbLED1level"
                                          << "rbLED2power"
                                          << ""
                                          << "" << 0x13;
    QTest::newRow("change both") << 0x31 << "rbLED1power"
                                 << "rbLED2level"
                                 << "rbLED1host"
                                 << "rbLED2off" << 0x20;
    QTest::newRow("change red") << 0x00 << "rbLED1off"
                                << "rbLED2off"
                                << ""
                                << "rbLED2power" << 0x03;
}

void TestParams::ledBehavior()
{
    QFETCH(int, stored);
    QFETCH(QString, green);
    QFETCH(QString, red);
    QFETCH(QString, clickGreen);
    QFETCH(QString, clickRed);
    QFETCH(int, written);

    Fixture f;
    f.kd.SetLEDBehavior(uint8_t(stored));
    f.open();
    QVERIFY(f.radio(qPrintable(green))->isChecked());
    QVERIFY(f.radio(qPrintable(red))->isChecked());
    if (!clickGreen.isEmpty())
        f.click(qPrintable(clickGreen));
    if (!clickRed.isEmpty())
        f.click(qPrintable(clickRed));
    f.okUnchanged();
    QCOMPARE(int(f.kd.LEDBehavior()), written);
}

// ---------------------------------------------------------------------------

void TestParams::wordFormat_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("pick"); // -1: no change
    QTest::addColumn<int>("written");

    QTest::newRow("8") << 8 << "8,N,1" << -1 << 8;
    QTest::newRow("0x0A shows 8,N,1") << 0x0A << "8,N,1" << -1 << 8;
    QTest::newRow("0") << 0 << "7,N,1" << -1 << 0;
    QTest::newRow("4: odd without parity") << 4 << "7,N,1" << -1 << 0;
    QTest::newRow("2") << 2 << "7,E,1" << -1 << 2;
    QTest::newRow("3: two stop bits dropped") << 3 << "7,E,1" << -1 << 2;
    QTest::newRow("6") << 6 << "7,O,1" << -1 << 6;
    QTest::newRow("pick 7,O,1") << 8 << "8,N,1" << 3 << 6;
    QTest::newRow("pick 7,E,1") << 6 << "7,O,1" << 2 << 2;
    QTest::newRow("pick 7,N,1") << 2 << "7,E,1" << 1 << 0;
    QTest::newRow("pick 8,N,1") << 0 << "7,N,1" << 0 << 8;
}

void TestParams::wordFormat()
{
    QFETCH(int, stored);
    QFETCH(QString, shown);
    QFETCH(int, pick);
    QFETCH(int, written);

    Fixture f;
    f.kd.SetWordFormat(uint8_t(stored));
    f.open();
    QComboBox* box = f.list("cboxWordFormat");
    QCOMPARE(box->currentText(), shown);
    if (pick >= 0)
        box->setCurrentIndex(pick);
    f.okUnchanged();
    QCOMPARE(int(f.kd.WordFormat()), written);
}

// ---------------------------------------------------------------------------

void TestParams::cardReaderFields()
{
    Fixture f;
    f.kd.SetFormCardType(2);
    f.kd.SetCardPrefix(0);
    f.kd.SetCardPrefixEnable(true);
    f.kd.SetCardSuffix(0);
    f.kd.SetCardSuffixEnable(false);
    f.kd.SetCardTracks(0x83);
    f.kd.SetCardStartSentinel(32);
    f.kd.SetCardEndSentinel(127);
    f.kd.SetCardFieldSeparator(65);
    f.open();

    QVERIFY(f.radio("rbCardReaderMCR")->isChecked());
    QVERIFY(f.get<QGroupBox>("gboxMCR")->isVisible());
    QVERIFY(!f.get<QGroupBox>("gboxBCR")->isVisible());
    QCOMPARE(f.spin("spinStartChar")->value(), 1);
    QCOMPARE(f.spin("spinEndChar")->value(), 1);
    QVERIFY(f.spin("spinStartChar")->isEnabled());
    QVERIFY(!f.spin("spinEndChar")->isEnabled());
    QVERIFY(f.check("cbTrack1")->isChecked());
    QVERIFY(f.check("cbTrack2")->isChecked());
    // The sentinel lists name the character codes by their position.
    QCOMPARE(f.list("cboxStartSentinel")->currentText(), QStringLiteral("Space"));
    QCOMPARE(f.list("cboxEndSentinel")->currentText(), QStringLiteral("DEL"));
    QCOMPARE(f.list("cboxFieldSeparator")->currentText(), QStringLiteral("A"));
    QCOMPARE(f.list("cboxFieldSeparator")->count(), 128);
    QCOMPARE(f.list("cboxFieldSeparator")->itemText(0), QStringLiteral("NONE"));
    QCOMPARE(f.list("cboxFieldSeparator")->itemText(13), QStringLiteral("CR"));
    QCOMPARE(f.list("cboxFieldSeparator")->itemText(31), QStringLiteral("US"));
    QCOMPARE(f.list("cboxFieldSeparator")->itemText(126), QStringLiteral("~"));

    f.click("cbTrack2");
    f.list("cboxEndSentinel")->setCurrentIndex(63); // "?"
    QCOMPARE(f.list("cboxEndSentinel")->currentText(), QStringLiteral("?"));
    // Barcode fields are written too, although their group is hidden.
    f.click("btnApply");
    QCOMPARE(int(f.kd.CardTracks()), 0x81);
    QCOMPARE(int(f.kd.CardPrefix()), 1);
    QCOMPARE(int(f.kd.CardSuffix()), 1);
    QCOMPARE(f.kd.CardPrefixEnable(), true);
    QCOMPARE(f.kd.CardSuffixEnable(), false);
    QCOMPARE(int(f.kd.CardStartSentinel()), 32);
    QCOMPARE(int(f.kd.CardEndSentinel()), 63);
    QCOMPARE(int(f.kd.CardFieldSeparator()), 65);
    QCOMPARE(int(f.kd.FormCardType()), 2);

    f.click("rbCardReaderNone");
    QVERIFY(!f.get<QGroupBox>("gboxMCR")->isVisible());
    QVERIFY(!f.get<QGroupBox>("gboxBCR")->isVisible());
    f.click("btnOK");
    QCOMPARE(int(f.kd.FormCardType()), 0);
    QCOMPARE(int(f.kd.CardTracks()), 0x81);
}

// Stored values that no control can show are kept until the user picks one.
void TestParams::valuesBeyondTheControls()
{
    Fixture f;
    f.kd.SetFormCardType(3);
    f.kd.SetBaudRate(12);
    f.kd.SetCardStartSentinel(200);
    f.kd.SetCardEndSentinel(128);
    f.kd.SetCardFieldSeparator(255);
    f.kd.SetCdcSerialNo(-5);
    f.kd.SetCharacterPacing(255);
    f.kd.SetDownloadDelay(5000);
    f.open();

    QVERIFY(!f.radio("rbCardReaderNone")->isChecked());
    QVERIFY(!f.radio("rbCardReaderBCR")->isChecked());
    QVERIFY(!f.radio("rbCardReaderMCR")->isChecked());
    QVERIFY(!f.get<QGroupBox>("gboxBCR")->isVisible());
    QVERIFY(!f.get<QGroupBox>("gboxMCR")->isVisible());
    QCOMPARE(f.list("cboxBaudRate")->currentIndex(), -1);
    // Number boxes show the nearest bound.
    QCOMPARE(f.spin("spinCdcSerialNo")->value(), 0);
    QCOMPARE(f.spin("spinCharacterPacing")->value(), 200);
    QCOMPARE(f.spin("spinDownloadDelay")->value(), 100);

    f.okUnchanged();
    QCOMPARE(int(f.kd.FormCardType()), 3);
    QCOMPARE(int(f.kd.BaudRate()), 12);
    QCOMPARE(int(f.kd.CardStartSentinel()), 200);
    QCOMPARE(int(f.kd.CardEndSentinel()), 128);
    QCOMPARE(int(f.kd.CardFieldSeparator()), 255);
    QCOMPARE(f.kd.CdcSerialNo(), 0);
    QCOMPARE(int(f.kd.CharacterPacing()), 200);
    QCOMPARE(f.kd.DownloadDelay(), 100);

    // Once the user picks, the choice is written.
    f.open();
    f.click("rbCardReaderBCR");
    f.list("cboxBaudRate")->setCurrentIndex(8);
    f.click("btnOK");
    QCOMPARE(int(f.kd.FormCardType()), 1);
    QCOMPARE(int(f.kd.BaudRate()), 8);

    // A later opening over an ordinary definition selects a reader again.
    f.kd.SetFormCardType(3);
    f.open();
    QVERIFY(!f.radio("rbCardReaderBCR")->isChecked());
    f.kd.SetFormCardType(0);
    f.reopen();
    QVERIFY(f.radio("rbCardReaderNone")->isChecked());
}

// Every control lands in its own property.
void TestParams::applyWritesEveryControl()
{
    Fixture f;
    f.open();

    typeInto(f.spin("spinCharacterPacing"), QStringLiteral("124"));
    typeInto(f.spin("spinDownloadDelay"), QStringLiteral("57"));
    f.click("radbtnKeyRoll1");
    f.click("rbLED1host");
    f.click("rbLED2power");
    f.click("cbMaskInput");
    typeInto(f.spin("spinTailChar"), QStringLiteral("10"));
    f.click("rbHostTypeCDC");
    typeInto(f.spin("spinCdcSerialNo"), QStringLiteral("4321"));
    typeInto(f.spin("spinKeyClick"), QStringLiteral("250"));
    typeInto(f.spin("spinCmdPrefix"), QStringLiteral("35"));
    f.list("cboxBaudRate")->setCurrentIndex(7);
    f.list("cboxWordFormat")->setCurrentIndex(2);
    f.click("cbStartCharEnable");
    typeInto(f.spin("spinStartChar"), QStringLiteral("2"));
    typeInto(f.spin("spinEndChar"), QStringLiteral("3"));
    f.click("cbEndCharEnable");
    f.click("rbCardReaderMCR");
    f.click("cbTrack1");
    f.list("cboxStartSentinel")->setCurrentIndex(37);
    f.list("cboxEndSentinel")->setCurrentIndex(0);
    f.list("cboxFieldSeparator")->setCurrentIndex(94);
    f.click("btnApply");

    const TKeypadClass& kd = f.kd;
    QCOMPARE(int(kd.CharacterPacing()), 124);
    QCOMPARE(kd.DownloadDelay(), 57);
    QCOMPARE(int(kd.KeyRollOver()), 1);
    QCOMPARE(int(kd.LEDBehavior()), 0x23);
    QCOMPARE(int(kd.OpMode()), 0x73);
    QCOMPARE(int(kd.TailChar()), 10);
    QCOMPARE(kd.CdcSerialNo(), 4321);
    QCOMPARE(int(kd.KeyClick()), 250);
    QCOMPARE(int(kd.CmdPrefix()), 35);
    QCOMPARE(int(kd.BaudRate()), 7);
    QCOMPARE(int(kd.WordFormat()), 2);
    QCOMPARE(kd.CardPrefixEnable(), true);
    QCOMPARE(int(kd.CardPrefix()), 2);
    QCOMPARE(kd.CardSuffixEnable(), false);
    QCOMPARE(int(kd.CardSuffix()), 3);
    QCOMPARE(int(kd.FormCardType()), 2);
    QCOMPARE(int(kd.CardTracks()), 0x02);
    QCOMPARE(int(kd.CardStartSentinel()), 37);
    QCOMPARE(int(kd.CardEndSentinel()), 0);
    QCOMPARE(int(kd.CardFieldSeparator()), 94);
    // Fields the dialog does not edit stay as they were.
    QCOMPARE(int(kd.XonChar()), 0);
    QCOMPARE(int(kd.XoffChar()), 0);
    QCOMPARE(int(kd.CardBadSwipe()), 0);

    // Reopening shows what was applied.
    f.reopen();
    QCOMPARE(f.spin("spinCharacterPacing")->value(), 124);
    QVERIFY(f.radio("radbtnKeyRoll1")->isChecked());
    QVERIFY(f.radio("rbLED1host")->isChecked());
    QVERIFY(f.radio("rbHostTypeCDC")->isChecked());
    QCOMPARE(f.spin("spinCdcSerialNo")->value(), 4321);
    QCOMPARE(f.list("cboxBaudRate")->currentText(), QStringLiteral("115.2k"));
    QCOMPARE(f.list("cboxWordFormat")->currentText(), QStringLiteral("7,E,1"));
    QCOMPARE(f.list("cboxFieldSeparator")->currentText(), QStringLiteral("^"));
    QVERIFY(f.radio("rbCardReaderMCR")->isChecked());
}

void TestParams::enablingRules()
{
    Fixture f;
    f.kd.SetOpMode(0x03);
    f.kd.SetFormCardType(0);
    f.open();
    const char* lineEditOnly[] = {"lblMaskInput", "cbMaskInput", "lblTailChar1", "lblTailChar2",
                                  "spinTailChar"};

    f.click("rbTrueTerminal");
    for (const char* name : lineEditOnly)
        QVERIFY2(!f.get<QWidget>(name)->isEnabled(), name);
    QVERIFY(f.check("cbMaskInput")->isChecked());
    f.click("btnApply");
    // A disabled mask box still counts.
    QCOMPARE(int(f.kd.OpMode()), 0x02);
    f.click("rbLineEdit");
    for (const char* name : lineEditOnly)
        QVERIFY2(f.get<QWidget>(name)->isEnabled(), name);

    QVERIFY(!f.get<QGroupBox>("gboxBCR")->isVisible());
    QVERIFY(!f.get<QGroupBox>("gboxMCR")->isVisible());
    f.click("rbCardReaderBCR");
    QVERIFY(f.get<QGroupBox>("gboxBCR")->isVisible());
    QVERIFY(!f.get<QGroupBox>("gboxMCR")->isVisible());
    f.click("rbCardReaderMCR");
    QVERIFY(!f.get<QGroupBox>("gboxBCR")->isVisible());
    QVERIFY(f.get<QGroupBox>("gboxMCR")->isVisible());
    // Both reader groups take the same place.
    QCOMPARE(f.get<QGroupBox>("gboxBCR")->geometry(), f.get<QGroupBox>("gboxMCR")->geometry());
    f.click("rbCardReaderBCR");

    const bool startOn = f.check("cbStartCharEnable")->isChecked();
    QCOMPARE(f.spin("spinStartChar")->isEnabled(), startOn);
    f.click("cbStartCharEnable");
    QCOMPARE(f.spin("spinStartChar")->isEnabled(), !startOn);
    QCOMPARE(f.get<QLabel>("lblStartChar")->isEnabled(), !startOn);
    const bool endOn = f.check("cbEndCharEnable")->isChecked();
    f.click("cbEndCharEnable");
    QCOMPARE(f.spin("spinEndChar")->isEnabled(), !endOn);
    QCOMPARE(f.get<QLabel>("lblEndChar")->isEnabled(), !endOn);
}

// ---------------------------------------------------------------------------

void TestParams::everyKindOfChangeEnablesApply_data()
{
    QTest::addColumn<ChangeFn>("change");
    using F = ChangeFn;
    QTest::newRow("number box") << F(
        [](Fixture& f) { QTest::keyClick(f.spin("spinKeyClick"), Qt::Key_Up); });
    QTest::newRow("CDC serial") << F([](Fixture& f) {
        f.click("rbHostTypeCDC");
        f.click("btnApply");
        typeInto(f.spin("spinCdcSerialNo"), QStringLiteral("9"));
    });
    QTest::newRow("list") << F(
        [](Fixture& f) { QTest::keyClick(f.list("cboxBaudRate"), Qt::Key_Down); });
    QTest::newRow("check box") << F([](Fixture& f) { f.click("cbMaskInput"); });
    QTest::newRow("checked radio clicked again") << F([](Fixture& f) { f.click("rbLED1power"); });
    QTest::newRow("roll-over") << F([](Fixture& f) { f.click("radbtnKeyRoll2"); });
    QTest::newRow("host mode") << F([](Fixture& f) { f.click("rbHostTypeVS2"); });
    QTest::newRow("reader type") << F([](Fixture& f) { f.click("rbCardReaderBCR"); });
    QTest::newRow("operating mode") << F([](Fixture& f) { f.click("rbTrueTerminal"); });
}

void TestParams::everyKindOfChangeEnablesApply()
{
    QFETCH(ChangeFn, change);
    Fixture f;
    f.open();
    QVERIFY(!f.applyEnabled());
    QVERIFY(!f.okEnabled());
    change(f);
    QVERIFY(f.applyEnabled());
    QVERIFY(f.okEnabled());
}

void TestParams::buttonStatesAndChangesApplied()
{
    Fixture f;
    QSignalSpy applied(f.dlg.get(), &TfrmParameters::changesApplied);
    f.kd.SetOpMode(0x31);
    f.kd.SetCardPrefix(0);
    f.open();
    // Loading (mode 3 captions, a clamped number box) is no change.
    QVERIFY(!f.applyEnabled());
    QVERIFY(!f.okEnabled());

    // Nothing happens on disabled buttons.
    f.click("btnApply");
    f.click("btnOK");
    QCOMPARE(applied.count(), 0);
    QVERIFY(f.dlg->isVisible());
    QCOMPARE(int(f.kd.CardPrefix()), 0);

    f.click("radbtnKeyRoll1");
    f.click("btnApply");
    QCOMPARE(applied.count(), 1);
    QVERIFY(!f.applyEnabled());
    QVERIFY(f.okEnabled());
    QCOMPARE(int(f.kd.KeyRollOver()), 1);
    QCOMPARE(int(f.kd.CardPrefix()), 1);

    // OK from Applied applies again.
    f.kd.SetKeyRollOver(9);
    f.click("btnOK");
    QCOMPARE(applied.count(), 2);
    QCOMPARE(int(f.kd.KeyRollOver()), 1);
    QVERIFY(!f.dlg->isVisible());
    QCOMPARE(f.dlg->result(), int(QDialog::Accepted));

    // Reopened: back to Loaded; a change after Apply returns to Changed.
    f.open();
    QVERIFY(!f.applyEnabled());
    QVERIFY(!f.okEnabled());
    f.click("rbLED2off");
    f.click("btnApply");
    f.click("rbLED2host");
    QVERIFY(f.applyEnabled());
    QVERIFY(f.okEnabled());
    QCOMPARE(applied.count(), 3);
    f.click("btnCancel");
    QCOMPARE(applied.count(), 3);
    QCOMPARE(f.dlg->result(), int(QDialog::Rejected));
    // Applied earlier in the same opening stays applied; the rest is lost.
    QCOMPARE(int(f.kd.LEDBehavior() & 0x03), 0);
}

void TestParams::cancelWritesNothing()
{
    Fixture f;
    QSignalSpy applied(f.dlg.get(), &TfrmParameters::changesApplied);
    f.kd.SetOpMode(0x71);
    f.kd.SetKeyRollOver(0);
    f.open();

    f.click("rbHostTypeHIDK1");
    QCOMPARE(f.radio("rbLED2power")->text(), QStringLiteral("Level Indicator"));
    f.click("radbtnKeyRoll1");
    typeInto(f.spin("spinKeyClick"), QStringLiteral("100"));
    f.click("btnCancel");
    QVERIFY(!f.dlg->isVisible());
    QCOMPARE(applied.count(), 0);
    QCOMPARE(int(f.kd.OpMode()), 0x71);
    QCOMPARE(int(f.kd.KeyRollOver()), 0);
    QCOMPARE(int(f.kd.KeyClick()), 40);

    // Reopening shows the stored mode with its own captions.
    f.open();
    QVERIFY(f.radio("rbHostTypeCDC")->isChecked());
    QCOMPARE(f.radio("rbLED2power")->text(), QStringLiteral("Power Indicator"));
    QVERIFY(f.spin("spinCdcSerialNo")->isEnabled());
    QCOMPARE(f.spin("spinKeyClick")->value(), 40);
    QVERIFY(f.radio("radbtnKeyRoll2")->isChecked());
}

void TestParams::prefixChangeKeepsTheMacros()
{
    TScriptedPrompts prompts;
    Fixture f;
    // Key 2 level 1: ~ and the escaped @; key 20 level 2: a full macro
    // ending in ~, which a prefix of ~ would take past the capacity.
    f.kd.SetKey(1);
    int32_t pos = 0;
    QVERIFY(f.kd.InsertByte(pos, '~'));
    QVERIFY(f.kd.InsertByte(pos, 0x4040));
    f.kd.SetKey(19);
    f.kd.SetLevel(1);
    pos = 0;
    for (int i = 0; i < 99; ++i)
        QVERIFY(f.kd.InsertByte(pos, 'x'));
    QVERIFY(f.kd.InsertByte(pos, '~'));
    f.open();

    typeInto(f.spin("spinCmdPrefix"), QStringLiteral("126"));
    f.click("btnApply");
    QCOMPARE(prompts.TextsOf(QStringLiteral("error")),
             QStringList{"The command prefix stays 64: with 126 the macro of key 20, level 2 "
                         "would need more than 100 bytes."});
    QCOMPARE(int(f.kd.CmdPrefix()), 64);
    QCOMPARE(f.spin("spinCmdPrefix")->value(), 64);
    f.kd.SetKey(1);
    f.kd.SetLevel(0);
    QCOMPARE(f.kd.MakeCodes(), QStringLiteral("7e4040"));

    // With room, the change goes through and the keypad still gets ~ and @.
    f.kd.SetKey(19);
    f.kd.SetLevel(1);
    QVERIFY(f.kd.RemoveKey(0));
    prompts.Clear();
    typeInto(f.spin("spinCmdPrefix"), QStringLiteral("126"));
    f.click("btnApply");
    QVERIFY(prompts.Shown.empty());
    QCOMPARE(int(f.kd.CmdPrefix()), 126);
    QCOMPARE(f.kd.ReadLastKey(), 0x4040);
    f.kd.SetKey(1);
    f.kd.SetLevel(0);
    QCOMPARE(f.kd.MakeCodes(), QStringLiteral("7e4040"));
    QCOMPARE(f.kd.SelectedMacro().Values[0], 0x4040);
    QCOMPARE(f.kd.SelectedMacro().Values[1], 64);
}

void TestParams::numberBoxInput()
{
    Fixture f;
    f.kd.SetCardPrefixEnable(true);
    f.open();

    // No number reads as the minimum.
    typeInto(f.spin("spinKeyClick"), QString());
    typeInto(f.spin("spinStartChar"), QString());
    // A number below the range is brought to the bound.
    typeInto(f.spin("spinEndChar"), QStringLiteral("0"));
    // At most four digits for the serial number.
    f.click("rbHostTypeCDC");
    typeInto(f.spin("spinCdcSerialNo"), QStringLiteral("123456"));
    QVERIFY(f.applyEnabled());
    f.click("btnApply");
    QCOMPARE(int(f.kd.KeyClick()), 0);
    QCOMPARE(int(f.kd.CardPrefix()), 1);
    QCOMPARE(int(f.kd.CardSuffix()), 1);
    QCOMPARE(f.kd.CdcSerialNo(), 1234);
    QCOMPARE(f.spin("spinStartChar")->text(), QStringLiteral("1"));
}

void TestParams::escapeAndCloseDoNotLeave()
{
    Fixture f;
    f.open();
    f.click("rbTrueTerminal");
    QTest::keyClick(f.dlg.get(), Qt::Key_Escape);
    QTest::keyClick(f.spin("spinKeyClick"), Qt::Key_Escape);
    QVERIFY(f.dlg->isVisible());
    // Enter in a number box does not press OK either.
    QTest::keyClick(f.spin("spinKeyClick"), Qt::Key_Return);
    QVERIFY(f.dlg->isVisible());
    QVERIFY(f.applyEnabled());
    QCOMPARE(int(f.kd.OpMode()), 0x01);
    QVERIFY(!(f.dlg->windowFlags() & Qt::WindowCloseButtonHint));
}

void TestParams::hostNotes()
{
    // The picture and the label ask for the host type information, which the
    // windows' wiring shows (and closes with the dialog).
    Fixture f;
    QSignalSpy requested(f.dlg.get(), &TfrmParameters::hostTypeInfoRequested);
    f.open();
    QTest::mouseClick(f.get<QLabel>("imgHostNotes"), Qt::LeftButton);
    QCOMPARE(requested.count(), 1);
    QTest::mouseClick(f.get<QLabel>("lblHostNotes"), Qt::LeftButton);
    QCOMPARE(requested.count(), 2);
    QVERIFY(!f.get<QLabel>("imgHostNotes")->pixmap().isNull());
    QCOMPARE(f.get<QLabel>("lblHostNotes")->text(), QStringLiteral(" Notes "));
    // Looking at the notes is no change.
    QVERIFY(!f.applyEnabled());
    QVERIFY(f.dlg->isVisible());
}

void TestParams::runsModally()
{
    Fixture f;
    f.kd.SetOpMode(0xB1);
    QSignalSpy applied(f.dlg.get(), &TfrmParameters::changesApplied);
    bool sawLoaded = false;
    QTimer::singleShot(0, f.dlg.get(), [&] {
        sawLoaded = f.dlg->isVisible() && f.radio("rbHostTypeHIDK2")->isChecked() && !f.okEnabled();
        f.click("rbHostTypeDefault");
        f.click("btnOK");
        if (f.dlg->isVisible())
            f.dlg->reject(); // never leave the test waiting
    });
    QCOMPARE(f.dlg->exec(), int(QDialog::Accepted));
    QVERIFY(sawLoaded);
    QCOMPARE(applied.count(), 1);
    QCOMPARE(int(f.kd.OpMode()), 0x01);
}

QTEST_MAIN(TestParams)
#include "tst_params.moc"
