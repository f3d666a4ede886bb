// The code entry palette of the main window: the on-screen PC keyboard and
// its modifier keys, Delay and Beep, the manual entry, the insertion items of
// the grid menu, the MIDI item and the macro length warning.

#include "support/MainFixture.h"
#include "ui/dialogs/MacroLen.h"
#include "ui/main/CodePalette.h"
#include "ui/main/KeyCap.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

namespace {

const QString FullAddData = QStringLiteral("Not enough room or macro full!");
const QString FullAddByte = QStringLiteral("Macro Full!");

const QString HidNote =
    QStringLiteral("Note: The LED cannot be controlled by Host or Macro in HID Keyboard mode.");
const QString TransmitNote =
    QStringLiteral("Keypad must be in True Terminal mode or key  must have \"Transmit this key\"\n"
                   "checked in order for the LED command to function.");
const QString GreenNote =
    QStringLiteral("The Green LED will not operate in your macro unless you change\n"
                   "the Green LED mode to Host/Macro in the Properties panel.");
const QString RedNote =
    QStringLiteral("The Red LED will not operate in your macro unless you change\n"
                   "the Red LED mode to Host/Macro in the Properties panel.");

QAbstractButton* button(TfrmMain& w, const QString& name)
{
    auto* found = w.findChild<QAbstractButton*>(name);
    if (!found)
        qFatal("no button %s", qPrintable(name));
    return found;
}

void click(TfrmMain& w, const QString& name)
{
    QTest::mouseClick(button(w, name), Qt::LeftButton);
}

QAction* action(TfrmMain& w, const QString& name)
{
    auto* found = w.findChild<QAction*>(name);
    if (!found)
        qFatal("no menu item %s", qPrintable(name));
    return found;
}

// Fills the selected macro with `count` plain codes through the model.
void fill(TKeypadClass& definition, int count)
{
    int32_t position = definition.NumOfElements();
    for (int i = 0; i < count; ++i)
        definition.InsertByte(position, 33 + i % 90);
}

bool shiftOrCtrlDown(TfrmMain& w)
{
    return Find<QAbstractButton>(w, "sbtnLShift")->isChecked() ||
           Find<QAbstractButton>(w, "sbtnRShift")->isChecked() ||
           Find<QAbstractButton>(w, "sbtnLCtrl")->isChecked() ||
           Find<QAbstractButton>(w, "sbtnRCtrl")->isChecked();
}

// The lines the macro length warning shows, or an empty list when it is hidden.
QStringList warningLines(TfrmMain& w)
{
    auto* warning = w.findChild<QDialog*>(QStringLiteral("frmMacroLenWarning"));
    if (!warning || !warning->isVisible())
        return {};
    return warning->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))
        ->toPlainText()
        .split(QLatin1Char('\n'));
}

QByteArray romModeSettings()
{
    return "[CONFIGURATION]\r\nAdvanced_Enable=1\r\n";
}

} // namespace

class TestMainPalette : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyboardRowsAreLaidOutInOrder();
    void greenKeysAndHints();
    void onScreenKeys_data();
    void onScreenKeys();
    void modifierKeys();
    void focusAfterKeys();
    void delayAndBeep();
    void manualEntry_data();
    void manualEntry();
    void manualEntryRadix();
    void insertMenus();
    void codeMenus_data();
    void codeMenus();
    void ledItems_data();
    void ledItems();
    void midiMessages();
    void macroLengthWarningInUserMode();
    void typingGoesOnWhileTheWarningShows();
    void macroLengthWarningByMode_data();
    void macroLengthWarningByMode();
};

// ------------------------------------------------------------------------ the keyboard

void TestMainPalette::keyboardRowsAreLaidOutInOrder()
{
    const QList<QStringList> rows{
        {"spdBtnEsc", "SpeedButton25", "SpeedButton26", "SpeedButton28", "SpeedButton29",
         "SpeedButton27", "SpeedButton53", "SpeedButton54", "SpeedButton55", "SpeedButton51",
         "SpeedButton52", "SpeedButton49", "SpeedButton50"},
        {"SpeedButton30", "SpeedButton31", "SpeedButton32", "SpeedButton33", "SpeedButton36",
         "SpeedButton37", "SpeedButton34", "SpeedButton35", "SpeedButton41", "SpeedButton42",
         "SpeedButton43", "SpeedButton44", "SpeedButton39", "SpeedButton40", "SpeedButton67",
         "SpeedButton46", "SpeedButton47", "SpeedButton45"},
        {"SpeedButton58", "SpeedButton97", "SpeedButton59", "SpeedButton60", "SpeedButton65",
         "SpeedButton66", "SpeedButton61", "SpeedButton64", "SpeedButton69", "SpeedButton70",
         "SpeedButton71", "SpeedButton72", "SpeedButton68", "SpeedButton94", "SpeedButton77",
         "SpeedButton73", "SpeedButton74", "SpeedButton90"},
        {"spdbtnCapsLock", "SpeedButton79", "SpeedButton80", "SpeedButton83", "SpeedButton84",
         "SpeedButton81", "SpeedButton82", "SpeedButton86", "SpeedButton87", "SpeedButton88",
         "SpeedButton89", "SpeedButton85", "SpeedButton95", "SpeedButton96", "SpeedButton91",
         "SpeedButton92"},
        {"sbtnLShift", "SpeedButton99", "SpeedButton100", "SpeedButton103", "SpeedButton104",
         "SpeedButton101", "SpeedButton102", "SpeedButton109", "SpeedButton110", "SpeedButton111",
         "SpeedButton112", "sbtnRShift", "SpeedButton120", "SpeedButton115", "SpeedButton116",
         "SpeedButton129"},
        {"sbtnLCtrl", "SpeedButton93", "sbtnRCtrl", "SpeedButton136", "SpeedButton132"},
    };

    TMainFixture f;
    TfrmMain& w = f.Create();
    QCOMPARE(Find<QLabel>(w, "lblKeyboard")->text(),
             QStringLiteral("Click on any key below or type on PC keyboard (green keys only)"));
    QCOMPARE(Find<QWidget>(w, "pnlKeyboard")->findChildren<TKeyCap*>().size(), 86);

    // Every key stands in its row, left to right, inside the keyboard and the
    // window, and no two keys overlap.
    const QRect window = w.rect();
    QList<QRect> placed;
    int previousRowTop = -1;
    for (const QStringList& row : rows) {
        int rowTop = -1;
        int rightEdge = -1;
        for (const QString& name : row) {
            QAbstractButton* key = button(w, name);
            QVERIFY2(key->isVisible(), qPrintable(name));
            const QRect r = key->geometry();
            QVERIFY2(Find<QWidget>(w, "pnlKeyboard")->rect().contains(r), qPrintable(name));
            QVERIFY2(window.contains(QRect(key->mapTo(&w, QPoint(0, 0)), r.size())),
                     qPrintable(name));
            if (rowTop < 0)
                rowTop = r.top();
            QCOMPARE(r.top(), rowTop);
            QVERIFY2(r.left() > rightEdge, qPrintable(name));
            rightEdge = r.right();
            for (const QRect& other : placed)
                QVERIFY2(!other.intersects(r), qPrintable(name));
            placed << r;
        }
        QVERIFY(rowTop > previousRowTop);
        previousRowTop = rowTop;
    }
    // The keypad's plus and Enter keys are two rows tall.
    QVERIFY(button(w, "SpeedButton90")->height() > 2 * button(w, "SpeedButton74")->height() - 2);
    QVERIFY(button(w, "SpeedButton129")->height() > 2 * button(w, "SpeedButton116")->height() - 2);
}

void TestMainPalette::greenKeysAndHints()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    auto green = [&w](const char* name) {
        return qobject_cast<TKeyCap*>(button(w, QLatin1String(name)))->IsTypeable();
    };
    // Keys whose character can be typed into the grid.
    for (const char* name : {"spdBtnEsc", "SpeedButton31", "SpeedButton30", "SpeedButton58",
                             "SpeedButton97", "SpeedButton79", "SpeedButton95", "SpeedButton112",
                             "SpeedButton93", "SpeedButton47", "SpeedButton90"})
        QVERIFY2(green(name), name);
    // Function keys, the erase keys, the rest of the numeric block, the modifiers.
    for (const char* name : {"SpeedButton25", "SpeedButton50", "SpeedButton40", "SpeedButton67",
                             "SpeedButton46", "SpeedButton45", "SpeedButton77", "SpeedButton129",
                             "SpeedButton136", "sbtnLShift", "sbtnRCtrl", "spdbtnCapsLock"})
        QVERIFY2(!green(name), name);

    QCOMPARE(button(w, "SpeedButton40")->toolTip(),
             QStringLiteral("Click to add BS character, use keyboard to erase"));
    QCOMPARE(button(w, "SpeedButton67")->toolTip(),
             QStringLiteral("Click to add DEL character, use keyboard to erase"));
    for (const char* ctrl : {"sbtnLCtrl", "sbtnRCtrl"})
        QCOMPARE(button(w, QLatin1String(ctrl))->toolTip(),
                 QStringLiteral("Use Ctrl+Key to enter ASCII control codes"));
}

void TestMainPalette::onScreenKeys_data()
{
    QTest::addColumn<QStringList>("clicks"); // modifier buttons first, then the key
    QTest::addColumn<QList<int32_t>>("codes");
    QTest::addColumn<QString>("cell");

    QTest::newRow("a") << QStringList{"SpeedButton79"} << QList<int32_t>{97} << "a";
    QTest::newRow("Left Shift a") << QStringList{"sbtnLShift", "SpeedButton79"}
                                  << QList<int32_t>{65} << "A";
    QTest::newRow("Right Shift a")
        << QStringList{"sbtnRShift", "SpeedButton79"} << QList<int32_t>{65} << "A";
    QTest::newRow("Caps Lock a") << QStringList{"spdbtnCapsLock", "SpeedButton79"}
                                 << QList<int32_t>{65} << "A";
    QTest::newRow("Right Shift 1")
        << QStringList{"sbtnRShift", "SpeedButton31"} << QList<int32_t>{33} << "!";
    QTest::newRow("Left Shift grave")
        << QStringList{"sbtnLShift", "SpeedButton30"} << QList<int32_t>{126} << "~";
    QTest::newRow("Left Shift 2: escaped prefix")
        << QStringList{"sbtnLShift", "SpeedButton32"} << QList<int32_t>{0x4040} << "@@";
    QTest::newRow("Left Ctrl c") << QStringList{"sbtnLCtrl", "SpeedButton103"} << QList<int32_t>{3}
                                 << "^C  03h";
    QTest::newRow("Right Ctrl z") << QStringList{"sbtnRCtrl", "SpeedButton99"} << QList<int32_t>{26}
                                  << "^Z  1Ah";
    QTest::newRow("Left Ctrl Enter")
        << QStringList{"sbtnLCtrl", "SpeedButton95"} << QList<int32_t>{10} << "LF";
    QTest::newRow("Right Ctrl [") << QStringList{"sbtnRCtrl", "SpeedButton72"} << QList<int32_t>{27}
                                  << "Esc";
    QTest::newRow("Esc") << QStringList{"spdBtnEsc"} << QList<int32_t>{27} << "Esc";
    QTest::newRow("Backspace") << QStringList{"SpeedButton40"} << QList<int32_t>{8} << "BS";
    QTest::newRow("Del") << QStringList{"SpeedButton67"} << QList<int32_t>{127} << "Del";
    QTest::newRow("Tab") << QStringList{"SpeedButton58"} << QList<int32_t>{9} << "Tab";
    QTest::newRow("Space") << QStringList{"SpeedButton93"} << QList<int32_t>{32} << "Space";
    QTest::newRow("backslash") << QStringList{"SpeedButton94"} << QList<int32_t>{92} << "\\";
    QTest::newRow("keypad 7") << QStringList{"SpeedButton77"} << QList<int32_t>{55} << "7";
    QTest::newRow("keypad slash") << QStringList{"SpeedButton46"} << QList<int32_t>{47} << "/";
    QTest::newRow("keypad Enter") << QStringList{"SpeedButton129"} << QList<int32_t>{13} << "CR";
    QTest::newRow("keypad period") << QStringList{"SpeedButton132"} << QList<int32_t>{46} << ".";
    QTest::newRow("Shift keypad 0")
        << QStringList{"sbtnLShift", "SpeedButton136"} << QList<int32_t>{48} << "0";
    QTest::newRow("F1") << QStringList{"SpeedButton25"} << QList<int32_t>{161} << "F1";
    QTest::newRow("F3") << QStringList{"SpeedButton28"} << QList<int32_t>{163} << "F3";
    QTest::newRow("F5") << QStringList{"SpeedButton27"} << QList<int32_t>{165} << "F5";
    QTest::newRow("F12") << QStringList{"SpeedButton50"} << QList<int32_t>{172} << "F12";
    // Function keys are plain codes: the modifiers do not change them.
    QTest::newRow("Left Shift F9")
        << QStringList{"sbtnLShift", "SpeedButton51"} << QList<int32_t>{169} << "F9";
    QTest::newRow("Right Ctrl F11")
        << QStringList{"sbtnRCtrl", "SpeedButton49"} << QList<int32_t>{171} << "F11";
}

void TestMainPalette::onScreenKeys()
{
    QFETCH(QStringList, clicks);
    QFETCH(QList<int32_t>, codes);
    QFETCH(QString, cell);

    TMainFixture f;
    TfrmMain& w = f.Create();
    for (const QString& name : clicks)
        click(w, name);

    QCOMPARE(MacroCodes(w.KeypadDefinition), codes);
    QCOMPARE(CellText(w, 0), cell);
    QCOMPARE(w.GridPosition(), 1);
    QVERIFY(w.windowTitle().endsWith('*'));
    QVERIFY(f.Prompts.Shown.empty());
    // Shift and Ctrl were for this key only; Caps Lock stays on.
    const bool caps = clicks.contains("spdbtnCapsLock");
    QVERIFY(!shiftOrCtrlDown(w));
    QCOMPARE(Find<QAbstractButton>(w, "spdbtnCapsLock")->isChecked(), caps);
    QCOMPARE(w.GetModifiers(), caps ? ModCapsLock : 0);
}

void TestMainPalette::modifierKeys()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    auto codes = [&w] { return MacroCodes(w.KeypadDefinition); };

    // Each button latches its own bit, independently of the others.
    click(w, "sbtnLShift");
    click(w, "sbtnRCtrl");
    QVERIFY(Find<QAbstractButton>(w, "sbtnLShift")->isChecked() &&
            Find<QAbstractButton>(w, "sbtnRCtrl")->isChecked());
    QCOMPARE(w.GetModifiers(), ModLShift | ModRCtrl);
    click(w, "sbtnLShift");
    QVERIFY(!Find<QAbstractButton>(w, "sbtnLShift")->isChecked() &&
            Find<QAbstractButton>(w, "sbtnRCtrl")->isChecked());
    QCOMPARE(w.GetModifiers(), ModRCtrl);
    click(w, "sbtnRCtrl");
    QCOMPARE(w.GetModifiers(), 0);
    QVERIFY(codes().isEmpty());
    QVERIFY(!w.IsChangesPending());

    // Caps Lock stays down over several keys until it is clicked again.
    click(w, "spdbtnCapsLock");
    click(w, "SpeedButton79");
    click(w, "SpeedButton101");
    QVERIFY(Find<QAbstractButton>(w, "spdbtnCapsLock")->isChecked());
    click(w, "spdbtnCapsLock");
    click(w, "SpeedButton103");
    QCOMPARE(codes(), (QList<int32_t>{65, 66, 99}));

    // Moving the cursor releases the Shift button on the screen, but the
    // next key is still shifted.
    click(w, "sbtnLShift");
    QTest::mouseClick(GridOf(w)->viewport(), Qt::LeftButton, {}, CellCentre(w, 1));
    QVERIFY(!Find<QAbstractButton>(w, "sbtnLShift")->isChecked());
    click(w, "SpeedButton84");
    QCOMPARE(codes(), (QList<int32_t>{65, 70, 66, 99}));

    // UpdateKeyboard sets only the Shift and Ctrl buttons, never the mask or Caps Lock.
    click(w, "spdbtnCapsLock");
    Find<TCodePalette>(w, "pnlPalette")->UpdateKeyboard((1 << mkRCtrl) | (1 << mkLAlt));
    QVERIFY(Find<QAbstractButton>(w, "sbtnRCtrl")->isChecked() &&
            !Find<QAbstractButton>(w, "sbtnLShift")->isChecked() &&
            !Find<QAbstractButton>(w, "sbtnRShift")->isChecked() &&
            !Find<QAbstractButton>(w, "sbtnLCtrl")->isChecked());
    QVERIFY(Find<QAbstractButton>(w, "spdbtnCapsLock")->isChecked());
    QCOMPARE(w.GetModifiers(), ModCapsLock);

    // Releasing the PC Shift key in the grid clears the whole mask: the
    // buttons come up with it rather than showing a state that is gone.
    click(w, "sbtnLShift");
    QTest::keyPress(GridOf(w), Qt::Key_Shift);
    QTest::keyRelease(GridOf(w), Qt::Key_Shift);
    QCOMPARE(w.GetModifiers(), 0);
    QVERIFY(!shiftOrCtrlDown(w) && !Find<QAbstractButton>(w, "spdbtnCapsLock")->isChecked());

    // A refused key leaves the modifiers pending and their buttons down.
    fill(w.KeypadDefinition, 100 - w.KeypadDefinition.CodeCount());
    w.CopyDataToScreen(w.KeypadDefinition.NumOfElements());
    click(w, "sbtnRShift");
    click(w, "SpeedButton79");
    QCOMPARE(f.Prompts.TextsOf("error"), QStringList{FullAddData});
    QVERIFY(Find<QAbstractButton>(w, "sbtnRShift")->isChecked());
    QCOMPARE(w.GetModifiers(), ModRShift);
}

void TestMainPalette::focusAfterKeys()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));

    // Keys with a key number (Delay and Beep too) send the focus to the grid.
    for (const char* name : {"SpeedButton79", "SpeedButton105", "SpeedButton78"}) {
        Find<QLineEdit>(w, "EditName")->setFocus();
        click(w, QLatin1String(name));
        QVERIFY2(GridOf(w)->hasFocus(), name);
    }
    // Function keys leave it where it was.
    Find<QLineEdit>(w, "EditName")->setFocus();
    click(w, "SpeedButton25");
    QVERIFY(Find<QLineEdit>(w, "EditName")->hasFocus());
    QCOMPARE(MacroCodes(w.KeypadDefinition).size(), 4);
}

void TestMainPalette::delayAndBeep()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    for (QSlider* bar : {Find<QSlider>(w, "tbDelayValue"), Find<QSlider>(w, "tbBeepValue")}) {
        QCOMPARE(bar->minimum(), 1);
        QCOMPARE(bar->maximum(), 125);
        QCOMPARE(bar->value(), 50);
        QCOMPARE(bar->tickInterval(), 16);
        QCOMPARE(bar->toolTip(), QStringLiteral("200ms"));
        QCOMPARE(w.findChild<QLabel*>(bar->objectName() + "Min")->text(), QStringLiteral("4ms"));
        QCOMPARE(w.findChild<QLabel*>(bar->objectName() + "Max")->text(), QStringLiteral("500ms"));
    }
    QCOMPARE(Find<QAbstractButton>(w, "SpeedButton105")->toolTip(),
             QStringLiteral("3 byte Delay command"));
    QCOMPARE(Find<QAbstractButton>(w, "SpeedButton78")->toolTip(),
             QStringLiteral("3 byte Beep command"));

    click(w, "SpeedButton105");
    QCOMPARE(CellText(w, 0), QStringLiteral("Dly 200"));
    Find<QSlider>(w, "tbBeepValue")->setValue(125);
    QCOMPARE(Find<QSlider>(w, "tbBeepValue")->toolTip(), QStringLiteral("500ms"));
    click(w, "SpeedButton78");
    QCOMPARE(CellText(w, 1), QStringLiteral("Beep500"));
    Find<QSlider>(w, "tbDelayValue")->setValue(1);
    QCOMPARE(Find<QSlider>(w, "tbDelayValue")->toolTip(), QStringLiteral("4ms"));
    click(w, "SpeedButton105");
    QCOMPARE(CellText(w, 2), QStringLiteral("Dly 4"));
    QCOMPARE(MacroCodes(w.KeypadDefinition), (QList<int32_t>{0x1032, 0x207D, 0x1001}));
    QCOMPARE(Find<QLabel>(w, "lblBytesUsed")->text(), QStringLiteral("91")); // 3 bytes each

    // Shift does not turn a delay into anything else, and is used up by it.
    click(w, "sbtnLShift");
    click(w, "SpeedButton105");
    QCOMPARE(MacroCodes(w.KeypadDefinition).last(), 0x1001);
    QCOMPARE(w.GetModifiers(), 0);

    // Three bytes must fit: 98 bytes leave no room.
    fill(w.KeypadDefinition, 98 - w.KeypadDefinition.CodeCount());
    click(w, "SpeedButton78");
    QCOMPARE(w.KeypadDefinition.CodeCount(), 98);
    QCOMPARE(f.Prompts.TextsOf("error"), QStringList{FullAddData});
}

// ------------------------------------------------------------------------ manual entry

void TestMainPalette::manualEntry_data()
{
    QTest::addColumn<bool>("hex");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");  // the edit's text after typing
    QTest::addColumn<bool>("useButton"); // the Insert button, else Enter
    QTest::addColumn<QList<int32_t>>("codes");
    QTest::addColumn<QString>("left"); // the edit's text afterwards
    QTest::addColumn<QStringList>("errors");

    const QStringList none;
    const QStringList tooBig{QStringLiteral("Value exceeds 255 (decimal).")};
    QTest::newRow("dec 255 Enter") << false << "255"
                                   << "255" << false << QList<int32_t>{255} << "" << none;
    QTest::newRow("dec 256 Enter") << false << "256"
                                   << "256" << false << QList<int32_t>{} << "256" << tooBig;
    QTest::newRow("dec 999 Insert") << false << "999"
                                    << "999" << true << QList<int32_t>{} << "999" << tooBig;
    QTest::newRow("dec 0 Insert keeps the text") << false << "0"
                                                 << "0" << true << QList<int32_t>{0} << "0" << none;
    QTest::newRow("dec other characters dropped")
        << false << "1a-2 b"
        << "12" << false << QList<int32_t>{12} << "" << none;
    QTest::newRow("dec at most 3 digits") << false << "1234"
                                          << "123" << false << QList<int32_t>{123} << "" << none;
    QTest::newRow("dec prefix goes in escaped")
        << false << "64"
        << "64" << false << QList<int32_t>{0x4040} << "" << none;
    QTest::newRow("dec empty Enter") << false << ""
                                     << "" << false << QList<int32_t>{} << "" << none;
    QTest::newRow("hex f shows F") << true << "f"
                                   << "F" << false << QList<int32_t>{15} << "" << none;
    QTest::newRow("hex 7 Enter") << true << "7"
                                 << "7" << false << QList<int32_t>{7} << "" << none;
    QTest::newRow("hex FF Insert keeps the text")
        << true << "FF"
        << "FF" << true << QList<int32_t>{255} << "FF" << none;
    QTest::newRow("hex a0") << true << "a0"
                            << "A0" << true << QList<int32_t>{160} << "A0" << none;
    QTest::newRow("hex at most 2 digits") << true << "1ff"
                                          << "1F" << false << QList<int32_t>{31} << "" << none;
    QTest::newRow("hex other characters dropped")
        << true << "g9x"
        << "9" << false << QList<int32_t>{9} << "" << none;
    QTest::newRow("hex prefix goes in escaped")
        << true << "40"
        << "40" << true << QList<int32_t>{0x4040} << "40" << none;
    QTest::newRow("hex empty Insert") << true << ""
                                      << "" << true << QList<int32_t>{} << "" << none;
}

void TestMainPalette::manualEntry()
{
    QFETCH(bool, hex);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, useButton);
    QFETCH(QList<int32_t>, codes);
    QFETCH(QString, left);
    QFETCH(QStringList, errors);

    TMainFixture f;
    TfrmMain& w = f.Create();
    if (hex)
        QTest::mouseClick(Find<QRadioButton>(w, "rbHexadecimal"), Qt::LeftButton, {},
                          QPoint(8, Find<QRadioButton>(w, "rbHexadecimal")->height() / 2));
    QCOMPARE(Find<QRadioButton>(w, "rbHexadecimal")->isChecked(), hex);
    QCOMPARE(Find<QRadioButton>(w, "rbDecimal")->isChecked(), !hex);
    Find<QLineEdit>(w, "edManualInput")->setFocus();
    QTest::keyClicks(Find<QLineEdit>(w, "edManualInput"), typed);
    QCOMPARE(Find<QLineEdit>(w, "edManualInput")->text(), shown);

    if (useButton)
        QTest::mouseClick(Find<QAbstractButton>(w, "spdbtnInsert"), Qt::LeftButton);
    else
        QTest::keyClick(Find<QLineEdit>(w, "edManualInput"), Qt::Key_Return);

    QCOMPARE(MacroCodes(w.KeypadDefinition), codes);
    QCOMPARE(Find<QLineEdit>(w, "edManualInput")->text(), left);
    QCOMPARE(f.Prompts.TextsOf("error"), errors);
    QCOMPARE(w.IsChangesPending(), !codes.isEmpty());
    if (!codes.isEmpty())
        QCOMPARE(CellText(w, 0), w.KeypadDefinition.GetDisplayValue(0));
}

void TestMainPalette::manualEntryRadix()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    auto choose = [](QRadioButton* radio) {
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
    };
    QCOMPARE(Find<QRadioButton>(w, "rbDecimal")->text(), QStringLiteral("Decimal"));
    QCOMPARE(Find<QRadioButton>(w, "rbHexadecimal")->text(), QStringLiteral("Hexadecimal"));
    QCOMPARE(Find<QLineEdit>(w, "edManualInput")->maxLength(), 3);

    // Choosing the other radix starts a new entry.
    QTest::keyClicks(Find<QLineEdit>(w, "edManualInput"), "12");
    choose(Find<QRadioButton>(w, "rbHexadecimal"));
    QVERIFY(!Find<QRadioButton>(w, "rbDecimal")->isChecked());
    QCOMPARE(Find<QLineEdit>(w, "edManualInput")->text(), QString());
    QCOMPARE(Find<QLineEdit>(w, "edManualInput")->maxLength(), 2);
    QTest::keyClicks(Find<QLineEdit>(w, "edManualInput"), "c");
    choose(Find<QRadioButton>(w, "rbDecimal"));
    QVERIFY(!Find<QRadioButton>(w, "rbHexadecimal")->isChecked());
    QCOMPARE(Find<QLineEdit>(w, "edManualInput")->text(), QString());
    QCOMPARE(Find<QLineEdit>(w, "edManualInput")->maxLength(), 3);
    // Clicking the radix already chosen keeps what was typed.
    QTest::keyClicks(Find<QLineEdit>(w, "edManualInput"), "12");
    choose(Find<QRadioButton>(w, "rbDecimal"));
    QCOMPARE(Find<QLineEdit>(w, "edManualInput")->text(), QStringLiteral("12"));

    // The Insert button inserts the same value again and again.
    QTest::mouseClick(Find<QAbstractButton>(w, "spdbtnInsert"), Qt::LeftButton);
    QTest::mouseClick(Find<QAbstractButton>(w, "spdbtnInsert"), Qt::LeftButton);
    QCOMPARE(MacroCodes(w.KeypadDefinition), (QList<int32_t>{12, 12}));

    // Text that arrives without typing (pasted, dropped) must be a number too.
    Find<QLineEdit>(w, "edManualInput")->clear();
    Find<QLineEdit>(w, "edManualInput")->insert(QStringLiteral("7x"));
    QCOMPARE(Find<QLineEdit>(w, "edManualInput")->text(), QString());
    choose(Find<QRadioButton>(w, "rbHexadecimal"));
    Find<QLineEdit>(w, "edManualInput")->insert(QStringLiteral("be"));
    QCOMPARE(Find<QLineEdit>(w, "edManualInput")->text(), QStringLiteral("BE"));
    Find<QLineEdit>(w, "edManualInput")->clear();
    Find<QLineEdit>(w, "edManualInput")->insert(QStringLiteral("12345"));
    QCOMPARE(Find<QLineEdit>(w, "edManualInput")->text(), QStringLiteral("12"));

    // A full macro: the byte is refused with the message of plain codes.
    fill(w.KeypadDefinition, 100 - w.KeypadDefinition.CodeCount());
    QTest::keyClick(Find<QLineEdit>(w, "edManualInput"), Qt::Key_Return);
    QCOMPARE(f.Prompts.TextsOf("error"), QStringList{FullAddByte});
    QCOMPARE(w.KeypadDefinition.CodeCount(), 100);
}

// ------------------------------------------------------------------------ the grid menu

void TestMainPalette::insertMenus()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    QStringList entries;
    for (QAction* item : Find<QMenu>(w, "popmenuClearMacro")->actions())
        entries << (item->isSeparator() ? QStringLiteral("-") : item->text());
    const QStringList expected{
        "Cu&t",
        "&Copy",
        "&Paste",
        "&Delete",
        "Select &All",
        "-",
        "Erase all key codes for this macro",
        "-",
        "View key codes as ASCII",
        "View key codes as hex",
        "-",
        "Insert F13 through F24 key",
        "Insert USB HID MultiMedia key",
        "Insert USB HID Numeric Keypad key",
        "Insert USB HID Miscellaneous key",
        "-",
        "Insert MIDI Message...",
        "-",
        "Turn Green LED Off",
        "Turn Green LED On",
        "Flash Green LED",
        "-",
        "Turn Red LED Off",
        "Turn Red LED On",
        "Flash Red LED",
    };
    QCOMPARE(entries, expected);
    QCOMPARE(Find<QMenu>(w, "InsertF13throughF24key1")->menuAction(),
             Find<QMenu>(w, "popmenuClearMacro")->actions().at(11));
    QCOMPARE(Find<QAction>(w, "InsertMIDIMessage1")->objectName(),
             QStringLiteral("InsertMIDIMessage1"));
}

void TestMainPalette::codeMenus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<int32_t>>("codes");
    QTest::addColumn<QStringList>("cells");

    QStringList fCaptions;
    QList<int32_t> fCodes;
    for (int n = 13; n <= 24; ++n) {
        fCaptions << QStringLiteral("F%1").arg(n);
        fCodes << 160 + n;
    }
    QTest::newRow("F13 to F24") << "InsertF13throughF24key1" << fCaptions << fCodes << fCaptions;

    QList<int32_t> mmCodes;
    for (int code = 128; code <= 151; ++code)
        mmCodes << code;
    QTest::newRow("multimedia") << "InsertUSBHIDMultiMediakey1"
                                << QStringList{"Scan Next Track",
                                               "Scan Previous Track",
                                               "Stop",
                                               "Play/Pause",
                                               "Mute",
                                               "Bass Boost",
                                               "Loudness",
                                               "Volume Up",
                                               "Volume Down",
                                               "Bass Up",
                                               "Bass Down",
                                               "Treble Up",
                                               "Treble Down",
                                               "Media Player",
                                               "Email",
                                               "Calculator",
                                               "My Computer",
                                               "WWW Search",
                                               "WWW Home",
                                               "WWW Back",
                                               "WWW Forward",
                                               "WWW Stop",
                                               "WWW Refresh",
                                               "WWW Bookmarks"}
                                << mmCodes
                                << QStringList{"Next",  "Prev",  "Stop",  "Play",  "Mute",
                                               "BassB", "Loud",  "Vol+",  "Vol-",  "Bass+",
                                               "Bass-", "Treb+", "Treb-", "Media", "Email",
                                               "Calc",  "My PC", "WSrch", "WWW",   "WBack",
                                               "WFwd",  "WStop", "WRefr", "WFavs"};

    QList<int32_t> kpCodes;
    for (int code = 192; code <= 207; ++code)
        kpCodes << code;
    QTest::newRow("numeric keypad")
        << "InsertUSBHIDNumericKeypadkey1"
        << QStringList{"KP 0 Ins",   "KP 1 End",  "KP 2 Down", "KP 3 PgDn", "KP 4 Left", "KP 5",
                       "KP 6 Right", "KP 7 Home", "KP 8 Up",   "KP 9 PgUp", "KP . Del",  "KP /",
                       "KP *",       "KP -",      "KP +",      "KP Enter"}
        << kpCodes << QStringList{"Kp0", "Kp1", "Kp2", "Kp3", "Kp4", "Kp5", "Kp6", "Kp7",
                                  "Kp8", "Kp9", "Kp.", "Kp/", "Kp*", "Kp-", "Kp+", "KpEnt"};

    QTest::newRow("miscellaneous")
        << "InsertUSBHIDMiscellaneouskey1"
        << QStringList{"CapsLock", "NumLock",   "Insert",       "Delete",      "Home",       "End",
                       "Page Up",  "Page Down", "Print Screen", "Scroll Lock", "Pause/Break"}
        << QList<int32_t>{160, 191, 185, 186, 187, 188, 189, 190, 157, 158, 159}
        << QStringList{"Caps", "Num",  "Ins",   "Del",    "Home", "End",
                       "PgUp", "PgDn", "PrtSc", "Scroll", "Pause"};
}

void TestMainPalette::codeMenus()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, captions);
    QFETCH(QList<int32_t>, codes);
    QFETCH(QStringList, cells);

    TMainFixture f;
    TfrmMain& w = f.Create();
    auto* submenu = w.findChild<QMenu*>(menu);
    QVERIFY(submenu);
    QStringList shown;
    QList<QAction*> items;
    for (QAction* item : submenu->actions())
        if (!item->isSeparator()) {
            shown << item->text();
            items << item;
        }
    QCOMPARE(shown, captions);

    // Each item inserts its plain code at the cursor; a pending Shift or
    // Ctrl changes nothing and is used up.
    w.SetModifiers(ModLShift | ModRCtrl);
    for (QAction* item : items)
        item->trigger();
    QCOMPARE(MacroCodes(w.KeypadDefinition), codes);
    QCOMPARE(w.GetModifiers(), 0);
    for (int i = 0; i < cells.size(); ++i)
        QCOMPARE(CellText(w, i), cells.at(i));
    QCOMPARE(w.GridPosition(), codes.size());
    QVERIFY(f.Prompts.Shown.empty());
}

void TestMainPalette::ledItems_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("opMode");
    QTest::addColumn<int>("ledBehavior");
    QTest::addColumn<bool>("transmit"); // "Transmit this key" ticked
    QTest::addColumn<int32_t>("code");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QStringList>("notes");

    QTest::newRow("HID keyboard #1, line edit: the HID note only")
        << "mnuGreenLedOn" << 0x31 << 0x31 << false << 0x4009 << "grn on" << QStringList{HidNote};
    QTest::newRow("HID keyboard #1, true terminal, red host/macro")
        << "mnuRedLedFlash" << 0x30 << 0x12 << false << 0x400D << "red flash"
        << QStringList{HidNote};
    QTest::newRow("HID keyboard #2 is not the HID note's mode")
        << "mnuGreenLedOff" << 0xB1 << 0x31 << false << 0x4008 << "grn off"
        << QStringList{TransmitNote, GreenNote};
    QTest::newRow("defaults: line edit, green level indicator")
        << "mnuGreenLedFlash" << 0x01 << 0x31 << false << 0x400A << "grn flash"
        << QStringList{TransmitNote, GreenNote};
    QTest::newRow("line edit, key transmitted, green host/macro")
        << "mnuGreenLedOn" << 0x01 << 0x21 << true << 0x4009 << "grn on" << QStringList{};
    QTest::newRow("line edit, key transmitted, red not host/macro")
        << "mnuRedLedOff" << 0x01 << 0x21 << true << 0x400B << "red off" << QStringList{RedNote};
    QTest::newRow("CDC mode, line edit, red host/macro")
        << "mnuRedLedOn" << 0x71 << 0x02 << false << 0x400C << "red on"
        << QStringList{TransmitNote};
    QTest::newRow("true terminal, red host/macro")
        << "mnuRedLedOn" << 0x00 << 0x32 << false << 0x400C << "red on" << QStringList{};
    QTest::newRow("virtual COM #2, true terminal, green off mode")
        << "mnuGreenLedOn" << 0xA0 << 0x01 << false << 0x4009 << "grn on" << QStringList{GreenNote};
}

void TestMainPalette::ledItems()
{
    QFETCH(QString, item);
    QFETCH(int, opMode);
    QFETCH(int, ledBehavior);
    QFETCH(bool, transmit);
    QFETCH(int32_t, code);
    QFETCH(QString, cell);
    QFETCH(QStringList, notes);

    TMainFixture f;
    TfrmMain& w = f.Create();
    w.KeypadDefinition.SetOpMode(static_cast<uint8_t>(opMode));
    w.KeypadDefinition.SetLEDBehavior(static_cast<uint8_t>(ledBehavior));
    w.CopyDataToScreen(0);
    if (transmit)
        Find<QCheckBox>(w, "cboxKeyAsTrueTerminal")->setChecked(true);
    QTest::keyClicks(GridOf(w), "x");
    f.Prompts.Clear();

    action(w, item)->trigger();

    QCOMPARE(MacroCodes(w.KeypadDefinition), (QList<int32_t>{120, code}));
    QCOMPARE(CellText(w, 1), cell);
    QCOMPARE(f.Prompts.TextsOf("information"), notes);
    QCOMPARE(f.Prompts.Shown.size(), notes.size());
}

// ------------------------------------------------------------------------ MIDI

void TestMainPalette::midiMessages()
{
    TMainFixture f;
    TfrmMain& w = f.CreateWithWindows();
    QDialog* midi = Find<QDialog>(w, "frmMidiEvents");
    QVERIFY(midi);
    click(w, "SpeedButton79");
    QCOMPARE(CellText(w, 0), QStringLiteral("a"));

    Find<QAction>(w, "InsertMIDIMessage1")->trigger();
    QVERIFY(midi->isVisible());
    QVERIFY(!midi->isModal());
    QVERIFY(w.KeypadDefinition.bViewInHex);
    QCOMPARE(CellText(w, 0), QStringLiteral("0x61"));

    auto* insert = midi->findChild<QPushButton*>(QStringLiteral("btnInsert"));
    QTest::mouseClick(insert, Qt::LeftButton);
    QCOMPARE(MacroCodes(w.KeypadDefinition), (QList<int32_t>{97, 0x90, 60, 127}));
    QCOMPARE(CellText(w, 1), QStringLiteral("0x90"));
    QCOMPARE(CellText(w, 2), QStringLiteral("0x3C"));
    QCOMPARE(CellText(w, 3), QStringLiteral("0x7F"));
    QCOMPARE(w.GridPosition(), 4);

    // The main window goes on working beside the dialog; the next message
    // goes in at the cursor, a data byte equal to the prefix escaped.
    click(w, "SpeedButton80");
    QTest::mouseClick(GridOf(w)->viewport(), Qt::LeftButton, {}, CellCentre(w, 0));
    auto* program = midi->findChild<QRadioButton*>(QStringLiteral("rbProgramChange"));
    QTest::mouseClick(program, Qt::LeftButton, {}, QPoint(8, program->height() / 2));
    midi->findChild<QSlider*>(QStringLiteral("tbMidiParam1"))->setValue(64);
    midi->findChild<QSlider*>(QStringLiteral("tbMidiChannel"))->setValue(16);
    QCOMPARE(w.MidiChannel, 16);
    QTest::mouseClick(insert, Qt::LeftButton);
    QCOMPARE(MacroCodes(w.KeypadDefinition),
             (QList<int32_t>{0xCF, 0x4040, 97, 0x90, 60, 127, 115}));
    QCOMPARE(CellText(w, 1), QStringLiteral("0x4040"));
    QVERIFY(f.Prompts.Shown.empty());

    // Back to text with the view menu; the MIDI item switches to hex again,
    // also while the dialog is already open.
    Find<QAction>(w, "menuitemViewKeysAsText")->trigger();
    QCOMPARE(CellText(w, 2), QStringLiteral("a"));
    Find<QAction>(w, "InsertMIDIMessage1")->trigger();
    QVERIFY(midi->isVisible());
    QCOMPARE(CellText(w, 2), QStringLiteral("0x61"));
}

// ------------------------------------------------------------------------ length warning

void TestMainPalette::macroLengthWarningInUserMode()
{
    TMainFixture f;
    TfrmMain& w = f.CreateWithWindows();
    const QStringList firstParagraph = TfrmMacroLenWarning::MessageLines().mid(0, 3);
    QVERIFY(w.KeypadDefinition.OpMode() & 0x01); // line edit by default

    click(w, "SpeedButton79");
    QVERIFY(warningLines(w).isEmpty());
    click(w, "SpeedButton80");
    QCOMPARE(warningLines(w), firstParagraph);
    QVERIFY(!Find<QDialog>(w, "frmMacroLenWarning")->isModal());
    // Already shown, it stays so.
    click(w, "SpeedButton83");
    QCOMPARE(warningLines(w), firstParagraph);

    // Neither the modifier buttons, the manual entry, the LED items nor the
    // MIDI dialog check the length.
    Find<QDialog>(w, "frmMacroLenWarning")->hide();
    click(w, "sbtnLShift");
    QTest::keyClicks(Find<QLineEdit>(w, "edManualInput"), "65");
    QTest::keyClick(Find<QLineEdit>(w, "edManualInput"), Qt::Key_Return);
    Find<QAction>(w, "mnuRedLedOn")->trigger();
    Find<QAction>(w, "InsertMIDIMessage1")->trigger();
    QTest::mouseClick(
        Find<QDialog>(w, "frmMidiEvents")->findChild<QPushButton*>(QStringLiteral("btnInsert")),
        Qt::LeftButton);
    QVERIFY(warningLines(w).isEmpty());
    // The function keys and the HID items do, and so does typing into the grid.
    click(w, "SpeedButton25");
    QCOMPARE(warningLines(w), firstParagraph);
    Find<QDialog>(w, "frmMacroLenWarning")->hide();
    action(w, "Mute1")->trigger();
    QCOMPARE(warningLines(w), firstParagraph);
    Find<QDialog>(w, "frmMacroLenWarning")->hide();
    QTest::keyClicks(GridOf(w), "q");
    QCOMPARE(warningLines(w), firstParagraph);

    // A key refused by a full macro still checks.
    Find<QDialog>(w, "frmMacroLenWarning")->hide();
    fill(w.KeypadDefinition, 100 - w.KeypadDefinition.CodeCount());
    click(w, "SpeedButton84");
    QCOMPARE(f.Prompts.TextsOf("error").last(), FullAddData);
    QCOMPARE(warningLines(w), firstParagraph);

    // "Don't show this message again" and OK: no warning until the next start.
    Find<QDialog>(w, "frmMacroLenWarning")
        ->findChild<QCheckBox*>(QStringLiteral("CheckBox1"))
        ->setChecked(true);
    QTest::mouseClick(
        Find<QDialog>(w, "frmMacroLenWarning")->findChild<QPushButton*>(QStringLiteral("BitBtn1")),
        Qt::LeftButton);
    QVERIFY(w.bMacroLengthWarningOff);
    w.KeypadDefinition.SetKey(1);
    click(w, "SpeedButton105");
    click(w, "SpeedButton79");
    QVERIFY(warningLines(w).isEmpty());
}

void TestMainPalette::typingGoesOnWhileTheWarningShows()
{
    // A new definition is in line edit mode: the second character brings the
    // warning, which must leave the keyboard to the grid.
    TMainFixture f;
    TfrmMain& w = f.CreateWithWindows();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    GridOf(w)->setFocus();
    QTest::keyClicks(nullptr, "hello"); // to whatever has the keyboard focus
    QCOMPARE(warningLines(w), TfrmMacroLenWarning::MessageLines().mid(0, 3));
    QCOMPARE(MacroCodes(w.KeypadDefinition), (QList<int32_t>{'h', 'e', 'l', 'l', 'o'}));
    QVERIFY(GridOf(w)->hasFocus());
}

void TestMainPalette::macroLengthWarningByMode_data()
{
    QTest::addColumn<bool>("rom");
    QTest::addColumn<int>("keypadOpMode");
    QTest::addColumn<int>("romOpMode");
    QTest::addColumn<int>("lcdXlate");
    QTest::addColumn<int>("lines"); // 0: no warning

    QTest::newRow("USER, line edit") << false << 0x01 << 0 << 1 << 3;
    QTest::newRow("USER, HID keyboard, line edit") << false << 0x31 << 0 << 0 << 3;
    QTest::newRow("USER, true terminal") << false << 0x00 << 1 << 1 << 0;
    QTest::newRow("ROM, line edit, translation on") << true << 0x00 << 0x01 << 1 << 7;
    QTest::newRow("ROM, line edit, translation off") << true << 0x01 << 0x01 << 0 << 3;
    QTest::newRow("ROM, true terminal: keypad bit not consulted") << true << 0x01 << 0x00 << 1 << 0;
}

void TestMainPalette::macroLengthWarningByMode()
{
    QFETCH(bool, rom);
    QFETCH(int, keypadOpMode);
    QFETCH(int, romOpMode);
    QFETCH(int, lcdXlate);
    QFETCH(int, lines);

    TMainFixture f;
    if (rom)
        TTestFolders::WriteFile(f.Folders.SettingsFile(), romModeSettings());
    TfrmMain& w = f.CreateWithWindows();
    QCOMPARE(w.IsRomEditMode(), rom);
    w.KeypadDefinition.SetOpMode(static_cast<uint8_t>(keypadOpMode));
    w.AppState.AdvancedParams.OpMode = static_cast<uint8_t>(romOpMode);
    w.AppState.AdvancedParams.LcdXlate = static_cast<uint8_t>(lcdXlate);

    // A delay counts 3 bytes: the warning comes with the first one.
    click(w, "SpeedButton105");
    QCOMPARE(warningLines(w), TfrmMacroLenWarning::MessageLines().mid(0, lines));
}

QTEST_MAIN(TestMainPalette)
#include "tst_mainpalette.moc"
