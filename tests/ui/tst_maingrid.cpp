// The macro grid of the main window: typing, removing, selecting keys and
// levels, the header, the key type menu and the grid menu.

#include "support/MainFixture.h"

#include "files/FileIO.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QTabBar>
#include <QTest>

class TestMainGrid : public QObject
{
    Q_OBJECT

private:
    // Fills the selected macro with `count` plain codes 33, 34, ... through the model.
    static void fill(TKeypadClass& definition, int count)
    {
        int32_t position = definition.NumOfElements();
        for (int i = 0; i < count; ++i)
            definition.InsertByte(position, 33 + i);
    }
    static QString title(const TfrmMain& w) { return w.windowTitle(); }

private Q_SLOTS:
    void typedCharacters_data();
    void typedCharacters();
    void shiftInGridAppliesToNextCharacterOnly();
    void insertionClearsShiftAndCtrlButKeepsCapsLock();
    void fullMacroReportsAndKeepsState();
    void plainPrefixByteIsEscaped();
    void trailingPrefixFromAFileIsEscapedWhenFollowed();
    void backspaceAndDelete();
    void doubleClickPastEndMarksChange();
    void typingBeyondEndAppends();
    void firstInsertionNamesTheMacro();
    void overfullMacroShowsNegativeSpace();
    void rangeDeleteRemovesTheSelection_data();
    void rangeDeleteRemovesTheSelection();
    void bottomRightCellIsRefused();
    void eraseAndViewMenu();
    void keyButtonsAndLevelTabs();
    void keyTypeMenu();
    void headerCheckBoxesAndName();
};

void TestMainGrid::typedCharacters_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QList<int32_t>>("codes");

    QTest::newRow("a") << int(Qt::Key_A) << "a" << 0 << QList<int32_t>{97};
    QTest::newRow("Shift+a") << int(Qt::Key_A) << "A" << int(Qt::ShiftModifier)
                             << QList<int32_t>{65};
    QTest::newRow("8") << int(Qt::Key_8) << "8" << 0 << QList<int32_t>{56};
    // Asterisk and plus go to the numeric keypad keys.
    QTest::newRow("*") << int(Qt::Key_Asterisk) << "*" << 0 << QList<int32_t>{42};
    QTest::newRow("+") << int(Qt::Key_Plus) << "+" << 0 << QList<int32_t>{43};
    QTest::newRow("Shift+2 gives the escaped prefix")
        << int(Qt::Key_At) << "@" << int(Qt::ShiftModifier) << QList<int32_t>{0x4040};
    QTest::newRow("Enter") << int(Qt::Key_Return) << "\r" << 0 << QList<int32_t>{13};
    QTest::newRow("Esc") << int(Qt::Key_Escape) << "\x1b" << 0 << QList<int32_t>{27};
    QTest::newRow("Tab") << int(Qt::Key_Tab) << "" << 0 << QList<int32_t>{9};
    QTest::newRow("e acute") << int(Qt::Key_Eacute) << QString(QChar(0xE9)) << 0
                             << QList<int32_t>{0xE9};
    // No one-byte form: refused without a message.
    QTest::newRow("euro") << int(Qt::Key_unknown) << QString(QChar(0x20AC)) << 0
                          << QList<int32_t>{};
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << "\x03" << int(Qt::ControlModifier)
                            << QList<int32_t>{};
}

void TestMainGrid::typedCharacters()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, modifiers);
    QFETCH(QList<int32_t>, codes);

    TMainFixture f;
    TfrmMain& w = f.Create();
    const auto mods = Qt::KeyboardModifiers(modifiers);
    if (mods & Qt::ShiftModifier)
        QTest::keyPress(GridOf(w), Qt::Key_Shift);
    QTest::sendKeyEvent(QTest::Press, GridOf(w), Qt::Key(key), text, mods);
    QTest::sendKeyEvent(QTest::Release, GridOf(w), Qt::Key(key), text, mods);
    if (mods & Qt::ShiftModifier)
        QTest::keyRelease(GridOf(w), Qt::Key_Shift, Qt::ShiftModifier);

    QCOMPARE(MacroCodes(w.KeypadDefinition), codes);
    QVERIFY(f.Prompts.Shown.empty());
    QCOMPARE(w.IsChangesPending(), !codes.isEmpty());
    QCOMPARE(title(w).endsWith('*'), !codes.isEmpty());
    if (!codes.isEmpty()) {
        QCOMPARE(CellText(w, 0), w.KeypadDefinition.GetDisplayValue(0));
        QCOMPARE(w.GridPosition(), 1);
    }
}

void TestMainGrid::shiftInGridAppliesToNextCharacterOnly()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    // Shift held down across two letters: the mask bit applies once, the
    // host keyboard's Shift (held) gives the second its capital.
    QTest::keyPress(GridOf(w), Qt::Key_Shift);
    QCOMPARE(w.GetModifiers(), ModLShift);
    f.Keyboard.Shift = true;
    QTest::keyClicks(GridOf(w), "aa", Qt::ShiftModifier);
    QCOMPARE(MacroCodes(w.KeypadDefinition), (QList<int32_t>{65, 65}));
    f.Keyboard.Shift = false;
    w.SetModifiers(ModCapsLock);
    QTest::keyRelease(GridOf(w), Qt::Key_Shift);
    QCOMPARE(w.GetModifiers(), 0); // releasing Shift clears Caps Lock too
    QTest::keyClicks(GridOf(w), "a");
    QCOMPARE(MacroCodes(w.KeypadDefinition), (QList<int32_t>{65, 65, 97}));
}

void TestMainGrid::insertionClearsShiftAndCtrlButKeepsCapsLock()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    w.SetModifiers(ModLShift | ModCapsLock);
    QVERIFY(w.AddData(30));
    QCOMPARE(w.GetModifiers(), ModCapsLock);
    w.SetModifiers(ModLCtrl | ModRCtrl);
    QVERIFY(w.AddData(46)); // c with Ctrl: control code 3
    QCOMPARE(w.GetModifiers(), 0);
    w.SetModifiers(ModRShift);
    QVERIFY(w.AddByte(200)); // plain bytes clear the bits as well
    QCOMPARE(w.GetModifiers(), 0);
    QCOMPARE(MacroCodes(w.KeypadDefinition), (QList<int32_t>{65, 3, 200}));
}

void TestMainGrid::fullMacroReportsAndKeepsState()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    fill(w.KeypadDefinition, 100);
    w.CopyDataToScreen(37);
    w.ChangesPending(false);
    w.SetModifiers(ModLShift);

    QVERIFY(!w.AddData(30));
    QVERIFY(!w.AddByte(7));
    QCOMPARE(f.Prompts.TextsOf("error"),
             (QStringList{"Not enough room or macro full!", "Macro Full!"}));
    QCOMPARE(w.KeypadDefinition.NumOfElements(), 100);
    QCOMPARE(w.GridPosition(), 37);
    QCOMPARE(w.GetModifiers(), ModLShift);
    QVERIFY(!w.IsChangesPending());
    QCOMPARE(Find<QLabel>(w, "lblBytesUsed")->text(), "0");
}

void TestMainGrid::plainPrefixByteIsEscaped()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    // A MIDI note 64 and its velocity: the note must not start a command.
    QVERIFY(w.AddByte(0x90));
    QVERIFY(w.AddByte(64));
    QVERIFY(w.AddByte(100));
    QCOMPARE(MacroCodes(w.KeypadDefinition), (QList<int32_t>{0x90, 0x4040, 100}));
    QCOMPARE(w.KeypadDefinition.CodeCount(), 4);
    QCOMPARE(CellText(w, 1), "@@");

    // With another prefix, 64 is an ordinary byte and that prefix is escaped.
    w.KeypadDefinition.SetCmdPrefix(0x2A);
    QVERIFY(w.AddByte(64));
    QVERIFY(w.AddByte(0x2A));
    QCOMPARE(MacroCodes(w.KeypadDefinition).mid(3), (QList<int32_t>{64, 0x4040}));

    // The same through a key: the 2 key clicked while the PC's Shift is held
    // gives the at sign, which goes in escaped as well.
    w.KeypadDefinition.SetCmdPrefix(64);
    f.Keyboard.Shift = true;
    QVERIFY(w.AddData(3));
    f.Keyboard.Shift = false;
    QCOMPARE(MacroCodes(w.KeypadDefinition).last(), 0x4040);

    // No room for the second byte: "Macro Full!", nothing inserted.
    w.KeypadDefinition.Initialize();
    fill(w.KeypadDefinition, 99);
    w.CopyDataToScreen(99);
    f.Prompts.Clear();
    QVERIFY(!w.AddByte(64));
    QCOMPARE(f.Prompts.Texts(), QStringList{"Macro Full!"});
    QCOMPARE(w.KeypadDefinition.CodeCount(), 99);
    QVERIFY(w.AddByte(65)); // a plain byte still fits
}

void TestMainGrid::trailingPrefixFromAFileIsEscapedWhenFollowed()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    TKeypadClass& kd = w.KeypadDefinition;
    // A file can end a macro with a lone prefix, which reads as a plain byte.
    ParseCodeString(kd, QStringLiteral("6140"));
    QCOMPARE(MacroCodes(kd), (QList<int32_t>{97, 64}));

    // A code before it leaves it last, and plain.
    w.CopyDataToScreen(1);
    QVERIFY(w.AddByte('c'));
    QCOMPARE(MacroCodes(kd), (QList<int32_t>{97, 'c', 64}));

    // A code after it would turn it into a command: it is escaped first,
    // and the macro reads back as it stands.
    w.CopyDataToScreen(3);
    QTest::keyClicks(GridOf(w), QStringLiteral("b"));
    QCOMPARE(MacroCodes(kd), (QList<int32_t>{97, 'c', 0x4040, 'b'}));
    QCOMPARE(CellText(w, 2), "@@");
    TKeypadClass read;
    ParseCodeString(read, kd.MakeCodes());
    QCOMPARE(MacroCodes(read), MacroCodes(kd));

    // Without room for the escape, the new code is refused and nothing changes.
    kd.Initialize();
    ParseCodeString(kd, QString(QStringLiteral("78")).repeated(98) + QStringLiteral("40"));
    QCOMPARE(kd.CodeCount(), 99);
    w.CopyDataToScreen(99);
    f.Prompts.Clear();
    QVERIFY(!w.AddByte('b'));
    QCOMPARE(f.Prompts.Texts(), QStringList{"Macro Full!"});
    QCOMPARE(kd.CodeCount(), 99);
    QCOMPARE(kd.ReadLastKey(), 64);
    QVERIFY(!w.AddData(48)); // the b key
    QCOMPARE(f.Prompts.Texts().last(), QStringLiteral("Not enough room or macro full!"));
    QCOMPARE(kd.ReadLastKey(), 64);
}

void TestMainGrid::backspaceAndDelete()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    fill(w.KeypadDefinition, 5); // 33..37
    w.CopyDataToScreen(0);
    w.ChangesPending(false);

    QTest::keyClick(GridOf(w), Qt::Key_Backspace);
    QCOMPARE(w.KeypadDefinition.NumOfElements(), 5);
    QVERIFY(!w.IsChangesPending());

    w.CopyDataToScreen(2);
    QTest::keyClick(GridOf(w), Qt::Key_Backspace); // removes the code before the cursor
    QCOMPARE(MacroCodes(w.KeypadDefinition), (QList<int32_t>{33, 35, 36, 37}));
    QCOMPARE(w.GridPosition(), 1);
    QVERIFY(title(w).endsWith('*'));

    QTest::keyClick(GridOf(w), Qt::Key_Delete); // removes the code under the cursor
    QCOMPARE(MacroCodes(w.KeypadDefinition), (QList<int32_t>{33, 36, 37}));
    QCOMPARE(w.GridPosition(), 1);
    QCOMPARE(CellText(w, 3), " ");
    QCOMPARE(Find<QLabel>(w, "lblBytesUsed")->text(), "97");
}

void TestMainGrid::doubleClickPastEndMarksChange()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    fill(w.KeypadDefinition, 3);
    w.CopyDataToScreen(3);
    QTest::mouseDClick(GridOf(w)->viewport(), Qt::LeftButton, {}, CellCentre(w, 20));
    QCOMPARE(w.KeypadDefinition.NumOfElements(), 3);
    QVERIFY(w.IsChangesPending());
    QVERIFY(title(w).endsWith('*'));

    QTest::mouseDClick(GridOf(w)->viewport(), Qt::LeftButton, {}, CellCentre(w, 1));
    QCOMPARE(MacroCodes(w.KeypadDefinition), (QList<int32_t>{33, 35}));
}

void TestMainGrid::typingBeyondEndAppends()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    fill(w.KeypadDefinition, 10);
    w.CopyDataToScreen(10);
    QTest::mouseClick(GridOf(w)->viewport(), Qt::LeftButton, {}, CellCentre(w, 40));
    QCOMPARE(w.GridPosition(), 40);
    QTest::keyClicks(GridOf(w), "x");
    QCOMPARE(w.KeypadDefinition.NumOfElements(), 11);
    QCOMPARE(w.KeypadDefinition.SelectedMacro().Values[10], 120);
    QCOMPARE(w.GridPosition(), 11);
    QCOMPARE(CellText(w, 10), "x");
}

void TestMainGrid::firstInsertionNamesTheMacro()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    QTest::keyClicks(GridOf(w), "ab");
    QCOMPARE(w.KeypadDefinition.GetMacroName(), "a");
    QCOMPARE(Find<QLineEdit>(w, "EditName")->text(), "a");

    // In the hex view the name is the hex text of the first code.
    KeyButton(w, 1)->click();
    w.SetViewInHex(true);
    QTest::keyClicks(GridOf(w), "a");
    QCOMPARE(w.KeypadDefinition.GetMacroName(), "0x61");
    QCOMPARE(CellText(w, 0), "0x61");
}

void TestMainGrid::overfullMacroShowsNegativeSpace()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    fill(w.KeypadDefinition, 99);
    int32_t position = 99;
    QVERIFY(w.KeypadDefinition.InsertByte(position, 0x1005)); // as a file may hold it
    w.CopyDataToScreen(0);
    QCOMPARE(Find<QLabel>(w, "lblBytesUsed")->text(), "-2");
    QCOMPARE(Find<QProgressBar>(w, "ProgressBar1")->value(), 100);
    QCOMPARE(CellText(w, 99), "Dly 20");
}

void TestMainGrid::rangeDeleteRemovesTheSelection_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("drag to the lower right") << "drag";
    QTest::newRow("shift and arrows") << "keys";
    QTest::newRow("drag to the upper left") << "dragback";
}

void TestMainGrid::rangeDeleteRemovesTheSelection()
{
    QFETCH(QString, how);
    TMainFixture f;
    TfrmMain& w = f.Create();
    fill(w.KeypadDefinition, 24); // positions 0..23 hold 33..56
    w.CopyDataToScreen(0);
    QWidget* viewport = GridOf(w)->viewport();

    // A rectangle of two rows by three columns at positions 1..3 and 9..11.
    if (how == "drag") {
        QTest::mousePress(viewport, Qt::LeftButton, {}, CellCentre(w, 1));
        QTest::mouseMove(viewport, CellCentre(w, 11));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, CellCentre(w, 11));
    } else if (how == "dragback") {
        QTest::mousePress(viewport, Qt::LeftButton, {}, CellCentre(w, 11));
        QTest::mouseMove(viewport, CellCentre(w, 1));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, CellCentre(w, 1));
    } else {
        QTest::mouseClick(viewport, Qt::LeftButton, {}, CellCentre(w, 1));
        QTest::keyClick(GridOf(w), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(GridOf(w), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(GridOf(w), Qt::Key_Down, Qt::ShiftModifier);
    }
    QCOMPARE(GridOf(w)->selectedRanges().size(), 1);
    QCOMPARE(GridOf(w)->selectedRanges().first().rowCount(), 2);
    QCOMPARE(GridOf(w)->selectedRanges().first().columnCount(), 3);

    QTest::keyClick(GridOf(w), Qt::Key_Delete);
    QList<int32_t> expected;
    for (int code = 33; code <= 56; ++code)
        expected << code;
    // The codes that stood in the rectangle go, and only they.
    for (int position : {11, 10, 9, 3, 2, 1})
        expected.removeAt(position);
    QCOMPARE(MacroCodes(w.KeypadDefinition), expected);
    QCOMPARE(w.GridPosition(), 1);
    QCOMPARE(GridOf(w)->selectedRanges().size(), 1);
    QCOMPARE(GridOf(w)->selectedRanges().first().rowCount(), 1);
    QCOMPARE(GridOf(w)->selectedRanges().first().columnCount(), 1);
}

void TestMainGrid::bottomRightCellIsRefused()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    w.CopyDataToScreen(110);
    QCOMPARE(w.GridPosition(), 110);
    QTest::mouseClick(GridOf(w)->viewport(), Qt::LeftButton, {}, CellCentre(w, 111));
    QCOMPARE(w.GridPosition(), 110);
    QTest::keyClick(GridOf(w), Qt::Key_Right);
    QCOMPARE(w.GridPosition(), 110);
    w.CopyDataToScreen(103);
    QTest::keyClick(GridOf(w), Qt::Key_Down);
    QCOMPARE(w.GridPosition(), 103);
    w.CopyDataToScreen(111);
    QCOMPARE(w.GridPosition(), 103);
    QTest::keyClick(GridOf(w), Qt::Key_Left);
    QCOMPARE(w.GridPosition(), 102);
}

void TestMainGrid::eraseAndViewMenu()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    fill(w.KeypadDefinition, 30);
    w.CopyDataToScreen(12);

    // The right button opens the menu where it is, without moving the cursor.
    QTest::mouseClick(GridOf(w)->viewport(), Qt::RightButton, {}, CellCentre(w, 40));
    QVERIFY(Find<QMenu>(w, "popmenuClearMacro")->isVisible());
    QCOMPARE(w.GridPosition(), 12);
    QVERIFY(Find<QAction>(w, "menuitemViewKeysAsText")->isChecked());
    QVERIFY(!Find<QAction>(w, "menuitemViewKeysAsHex")->isChecked());
    Find<QAction>(w, "menuitemViewKeysAsHex")->trigger();
    Find<QMenu>(w, "popmenuClearMacro")->hide();
    QCOMPARE(CellText(w, 0), "0x21");
    QCOMPARE(w.GridPosition(), 30);
    QTest::mouseClick(GridOf(w)->viewport(), Qt::RightButton, {}, CellCentre(w, 40));
    QVERIFY(Find<QAction>(w, "menuitemViewKeysAsHex")->isChecked());
    QVERIFY(!Find<QAction>(w, "menuitemViewKeysAsText")->isChecked());
    Find<QAction>(w, "menuitemViewKeysAsText")->trigger();
    Find<QMenu>(w, "popmenuClearMacro")->hide();
    QCOMPARE(CellText(w, 0), "!");
    QVERIFY(!w.IsChangesPending());

    Find<QAction>(w, "menuitemClearMacro")->trigger();
    QCOMPARE(w.KeypadDefinition.NumOfElements(), 0);
    QCOMPARE(w.GridPosition(), 0);
    QCOMPARE(CellText(w, 0), " ");
    QVERIFY(w.IsChangesPending());

    w.ChangesPending(false);
    Find<QAction>(w, "menuitemClearMacro")->trigger(); // an empty macro is left alone
    QVERIFY(!w.IsChangesPending());
}

void TestMainGrid::keyButtonsAndLevelTabs()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    w.KeypadDefinition.SetKey(5);
    w.KeypadDefinition.SetLevel(1);
    fill(w.KeypadDefinition, 4);
    w.KeypadDefinition.SetKey(0);
    w.KeypadDefinition.SetLevel(0);

    QTest::mouseClick(KeyButton(w, 5), Qt::LeftButton);
    QCOMPARE(w.KeypadDefinition.Key(), 5);
    QCOMPARE(Find<QLabel>(w, "lblMacroHeader")->text(), "Macro for Key 6, Level 1");
    QCOMPARE(Find<QButtonGroup>(w, "KeyButtonGroup")->checkedId(), 5);
    QVERIFY(GridOf(w)->hasFocus() || !QApplication::focusWidget());
    int down = 0;
    for (QAbstractButton* button : KeyButtons(w))
        down += button->isChecked() ? 1 : 0;
    QCOMPARE(down, 1);

    QTest::mouseClick(Find<QTabBar>(w, "TabControlLevel"), Qt::LeftButton, {},
                      Find<QTabBar>(w, "TabControlLevel")->tabRect(1).center());
    QCOMPARE(w.KeypadDefinition.Level(), 1);
    QCOMPARE(w.KeypadDefinition.Key(), 5);
    QCOMPARE(Find<QLabel>(w, "lblMacroHeader")->text(), "Macro for Key 6, Level 2");
    QCOMPARE(w.GridPosition(), 4);
    QCOMPARE(Find<QLabel>(w, "lblBytesUsed")->text(), "96");
    QCOMPARE(Find<QProgressBar>(w, "ProgressBar1")->value(), 4);
    QCOMPARE(Find<QWidget>(w, "pnlKeypad")->palette().color(QPalette::Window),
             QColor(128, 128, 128));

    Find<QTabBar>(w, "TabControlLevel")->setCurrentIndex(0);
    QCOMPARE(w.KeypadDefinition.Level(), 0);
    QCOMPARE(Find<QWidget>(w, "pnlKeypad")->palette().color(QPalette::Window),
             QColor(166, 202, 240));
    QVERIFY(!w.IsChangesPending());
    QCOMPARE(title(w), " [USER Mode]   PadwrightRx - untitled");
}

void TestMainGrid::keyTypeMenu()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    QAbstractButton* button = KeyButton(w, 2);

    // The right button selects the key and opens the menu for it.
    QTest::mouseClick(button, Qt::RightButton);
    QVERIFY(Find<QMenu>(w, "popmenKeyType")->isVisible());
    QCOMPARE(w.KeypadDefinition.Key(), 2);
    QVERIFY(button->isChecked());
    QVERIFY(!Find<QAction>(w, "ShiftKeyMenuItem")->isChecked());
    Find<QAction>(w, "ShiftKeyMenuItem")->trigger();
    Find<QMenu>(w, "popmenKeyType")->hide();
    QCOMPARE(w.KeypadDefinition.Keytype(), ktShift);
    QCOMPARE(w.KeypadDefinition.GetMacroName(), "Level Shift");
    QCOMPARE(Find<QLineEdit>(w, "EditName")->text(), "Level Shift");
    QVERIFY(!button->icon().isNull());
    QVERIFY(KeyButton(w, 3)->icon().isNull());
    QVERIFY(title(w).endsWith('*'));

    // The type belongs to the key: level 2 shows it ticked as well.
    Find<QTabBar>(w, "TabControlLevel")->setCurrentIndex(1);
    QTest::mouseClick(button, Qt::RightButton);
    QVERIFY(Find<QAction>(w, "ShiftKeyMenuItem")->isChecked());
    QVERIFY(!Find<QAction>(w, "ToggleKeyMenuItem")->isChecked());
    Find<QAction>(w, "ToggleKeyMenuItem")->trigger();
    Find<QMenu>(w, "popmenKeyType")->hide();
    QCOMPARE(w.KeypadDefinition.Keytype(), ktToggle);
    QCOMPARE(w.KeypadDefinition.GetMacroName(), "Level Toggle");

    // Choosing the current type again makes the key normal and keeps the name.
    QTest::mouseClick(button, Qt::RightButton);
    QVERIFY(Find<QAction>(w, "ToggleKeyMenuItem")->isChecked());
    Find<QAction>(w, "ToggleKeyMenuItem")->trigger();
    Find<QMenu>(w, "popmenKeyType")->hide();
    QCOMPARE(w.KeypadDefinition.Keytype(), ktNormal);
    QCOMPARE(w.KeypadDefinition.GetMacroName(), "Level Toggle");
    QVERIFY(button->icon().isNull());

    // A named macro keeps its name.
    Find<QTabBar>(w, "TabControlLevel")->setCurrentIndex(0);
    QTest::mouseClick(button, Qt::RightButton);
    Find<QAction>(w, "AlphaKeyMenuItem")->trigger();
    Find<QMenu>(w, "popmenKeyType")->hide();
    QCOMPARE(w.KeypadDefinition.Keytype(), ktAlpha);
    QCOMPARE(w.KeypadDefinition.GetMacroName(), "Level Shift");
}

void TestMainGrid::headerCheckBoxesAndName()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    QTest::mouseClick(Find<QCheckBox>(w, "chkboxAutoRepeat"), Qt::LeftButton);
    QVERIFY(w.KeypadDefinition.CanAutoRepeat());
    QVERIFY(w.IsChangesPending());

    // Transmit-now is offered only in line edit mode.
    w.KeypadDefinition.SetOpMode(0x00);
    w.CopyDataToScreen(0);
    QVERIFY(!Find<QCheckBox>(w, "cboxKeyAsTrueTerminal")->isEnabled());
    w.KeypadDefinition.SetOpMode(0x01);
    w.CopyDataToScreen(0);
    QVERIFY(Find<QCheckBox>(w, "cboxKeyAsTrueTerminal")->isEnabled());
    QTest::mouseClick(Find<QCheckBox>(w, "cboxKeyAsTrueTerminal"), Qt::LeftButton);
    QVERIFY(w.KeypadDefinition.SendKeyNow());

    // The flags belong to the macro: level 2 shows its own.
    Find<QTabBar>(w, "TabControlLevel")->setCurrentIndex(1);
    QVERIFY(!Find<QCheckBox>(w, "chkboxAutoRepeat")->isChecked());
    QVERIFY(!Find<QCheckBox>(w, "cboxKeyAsTrueTerminal")->isChecked());
    Find<QTabBar>(w, "TabControlLevel")->setCurrentIndex(0);
    QVERIFY(Find<QCheckBox>(w, "chkboxAutoRepeat")->isChecked());

    w.ChangesPending(false);
    Find<QLineEdit>(w, "EditName")->setFocus();
    QTest::keyClicks(Find<QLineEdit>(w, "EditName"), "Login");
    QCOMPARE(w.KeypadDefinition.GetMacroName(), "Login");
    QVERIFY(w.IsChangesPending());
    w.ChangesPending(false);
    QTest::keyClick(Find<QLineEdit>(w, "EditName"),
                    Qt::Key_Left); // a key that changes nothing still counts
    QVERIFY(w.IsChangesPending());
    QTest::keyClick(Find<QLineEdit>(w, "EditName"), Qt::Key_Return);
    QVERIFY(GridOf(w)->hasFocus() || !QApplication::focusWidget());
    QCOMPARE(Find<QLineEdit>(w, "EditName")->maxLength(), 40);

    // A longer name from a file is shown and kept whole.
    const QString longName(55, QChar('n'));
    w.KeypadDefinition.SetMacroName(longName);
    w.CopyDataToScreen(0);
    QCOMPARE(Find<QLineEdit>(w, "EditName")->text(), longName);
    QTest::keyClick(Find<QLineEdit>(w, "EditName"), Qt::Key_End);
    QCOMPARE(w.KeypadDefinition.GetMacroName(), longName);
}

QTEST_MAIN(TestMainGrid)
#include "tst_maingrid.moc"
