// Undo and redo of every kind of edit, the history's clean point, and the
// clipboard of codes, macros and keys within one editor and between two.

#include "support/MainFixture.h"

#include "analysis/SendsPreview.h"
#include "ui/main/KeypadPanel.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialog>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

#include <functional>

namespace {

const QString Sample = QStringLiteral(PADWRIGHT_TEST_DATA "/../../docs/samples/coffee-shop.ckd");

void selectKey(TfrmMain& w, int key)
{
    QTest::mouseClick(KeyButton(w, key), Qt::LeftButton);
}

void click(TfrmMain& w, const char* name)
{
    QTest::mouseClick(Find<QAbstractButton>(w, name), Qt::LeftButton);
}

// Opens a modal dialog with `open`, drives it with `drive` and closes it.
void inDialog(const std::function<void()>& open, const std::function<void(QDialog&)>& drive)
{
    QTimer::singleShot(0, [drive] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        drive(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    open();
}

void pressOk(QDialog& dialog)
{
    QTest::mouseClick(Find<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
}

// A drop of key `from`'s button onto key `to`'s, as the keypad's drag makes it.
void dropKey(TfrmMain& w, int from, int to)
{
    const auto* panel = Find<TKeypadPanel>(w, "pnlKeypadPanel");
    QMimeData mime;
    mime.setData("application/x-padwright-key-button",
                 QByteArray::number(QCoreApplication::applicationPid()) + ':' +
                     QByteArray::number(reinterpret_cast<quintptr>(panel)) + ';' +
                     QByteArray::number(from));
    QAbstractButton* target = KeyButton(w, to);
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::MoveAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(centre, Qt::MoveAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
}

struct TEditCase
{
    const char* Name;
    bool Rom;
    const char* Step; // the step's name
    std::function<void(TfrmMain&)> Edit;
    int ShownKey = 2; // the key undo and redo show; -1: the one selected
};

// One edit of each kind, on key 3 of the coffee shop sample (USER Mode) or
// on the reset ROM properties.
const std::vector<TEditCase>& EditCases()
{
    static const std::vector<TEditCase> cases{
        {"typing", false, "Typing in Key 3, Level 1",
         [](TfrmMain& w) { QTest::keyClicks(GridOf(w), "x@~"); }},
        {"on-screen key", false, "Typing in Key 3, Level 1",
         [](TfrmMain& w) { click(w, "SpeedButton79"); }},
        {"delay", false, "Delay in Key 3, Level 1",
         [](TfrmMain& w) { click(w, "SpeedButton105"); }},
        {"HID key", false, "Insert in Key 3, Level 1",
         [](TfrmMain& w) { TriggerAction(w, "VolumeUp1"); }},
        {"manual prefix byte", false, "Insert in Key 3, Level 1",
         [](TfrmMain& w) {
             QTest::keyClicks(Find<QLineEdit>(w, "edManualInput"), "64");
             QTest::keyClick(Find<QLineEdit>(w, "edManualInput"), Qt::Key_Return);
         }},
        {"LED command", false, "LED Command in Key 3, Level 1",
         [](TfrmMain& w) { TriggerAction(w, "mnuGreenLedOn"); }},
        {"MIDI message", false, "MIDI Message in Key 3, Level 1",
         [](TfrmMain& w) {
             w.AddBytes({0x90, 60, 127});
         }},
        {"backspace", false, "Delete in Key 3, Level 1",
         [](TfrmMain& w) { QTest::keyClick(GridOf(w), Qt::Key_Backspace); }},
        {"range delete", false, "Delete in Key 3, Level 1",
         [](TfrmMain& w) {
             GridOf(w)->setCurrentCell(0, 1);
             GridOf(w)->setRangeSelected(QTableWidgetSelectionRange(0, 1, 1, 3), true);
             QTest::keyClick(GridOf(w), Qt::Key_Delete);
         }},
        {"erase", false, "Erase of Key 3, Level 1",
         [](TfrmMain& w) { TriggerAction(w, "menuitemClearMacro"); }},
        {"description", false, "Description of Key 3, Level 1",
         [](TfrmMain& w) { QTest::keyClicks(Find<QLineEdit>(w, "EditName"), " tall"); }},
        {"auto-repeat", false, "Auto-Repeat of Key 3, Level 1",
         [](TfrmMain& w) { click(w, "chkboxAutoRepeat"); }},
        {"key type", false, "Key Type of Key 3",
         [](TfrmMain& w) { TriggerAction(w, "ShiftKeyMenuItem"); }},
        {"cut", false, "Cut in Key 3, Level 1",
         [](TfrmMain& w) {
             TriggerAction(w, "SelectAllMenuItem");
             TriggerAction(w, "CutMenuItem");
         }},
        {"paste", false, "Paste in Key 3, Level 1",
         [](TfrmMain& w) {
             QApplication::clipboard()->setText(QStringLiteral("pasted"));
             TriggerAction(w, "PasteMenuItem");
         }},
        {"paste macro", false, "Paste Macro into Key 3, Level 1",
         [](TfrmMain& w) {
             selectKey(w, 0);
             TriggerAction(w, "CopyMacroMenuItem");
             selectKey(w, 2);
             TriggerAction(w, "PasteMacroMenuItem");
         }},
        {"paste key", false, "Paste Key into Key 3",
         [](TfrmMain& w) {
             selectKey(w, 19);
             TriggerAction(w, "CopyKeyMenuItem");
             selectKey(w, 2);
             TriggerAction(w, "PasteKeyMenuItem");
         }},
        {"paste key on 12 keys", false, "Paste Key into Key 14",
         [](TfrmMain& w) {
             TriggerAction(w, "CopyKeyMenuItem");
             TriggerAction(w, "Layout12MenuItem");
             selectKey(w, 13);
             TriggerAction(w, "PasteKeyMenuItem");
         },
         13},
        {"clear key", false, "Clear Key 3",
         [](TfrmMain& w) { TriggerAction(w, "ClearKeyMenuItem"); }},
        {"swap keys", false, "Swap Keys 3 and 5",
         [](TfrmMain& w) { TriggerAction(w, "SwapKeyItem5"); }, 4},
        {"swap by dragging", false, "Swap Keys 1 and 3", [](TfrmMain& w) { dropKey(w, 0, 2); }},
        {"properties with a new prefix", false, "Properties",
         [](TfrmMain& w) {
             inDialog([&w] { TriggerAction(w, "PropertiesMenuItem"); },
                      [](QDialog& d) {
                          Find<QSpinBox>(d, "spinCmdPrefix")->setValue('~');
                          pressOk(d);
                      });
         },
         -1},
        {"advanced ROM properties", true, "Advanced ROM Properties",
         [](TfrmMain& w) {
             inDialog([&w] { TriggerAction(w, "EditAdvancedProperties1"); },
                      [](QDialog& d) {
                          Find<QSpinBox>(d, "spinCharPacing")->setValue(10);
                          pressOk(d);
                      });
         },
         -1},
        {"screen data", true, "Screen Data",
         [](TfrmMain& w) {
             inDialog([&w] { TriggerAction(w, "EditScreenData1"); },
                      [](QDialog& d) {
                          auto* line = Find<QLineEdit>(d, "edLcdLine1");
                          QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
                          QTest::keyClicks(line, "Welcome");
                          pressOk(d);
                      });
         },
         -1},
    };
    return cases;
}

QUndoStack& stackOf(TfrmMain& w)
{
    return w.Document().UndoStack();
}

} // namespace

class TestUndo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QuietOffscreenMenus(true); }
    void cleanupTestCase() { QuietOffscreenMenus(false); }
    void roundTripOfEveryEdit_data();
    void roundTripOfEveryEdit();
    void typingMergesAndHistoryFollowsFiles();
    void clipboardWithinAndBetweenEditors();
    void pastesThatDoNotFitChangeNothing();
    void undoInAnOpenDialogRefreshesIt();
};

void TestUndo::roundTripOfEveryEdit_data()
{
    QTest::addColumn<int>("index");
    for (size_t i = 0; i < EditCases().size(); ++i)
        QTest::newRow(EditCases()[i].Name) << int(i);
}

void TestUndo::roundTripOfEveryEdit()
{
    QFETCH(int, index);
    const TEditCase& edit = EditCases()[size_t(index)];
    TMainFixture f;
    if (edit.Rom)
        TTestFolders::WriteFile(f.Folders.SettingsFile(),
                                "[CONFIGURATION]\r\nAdvanced_Enable=1\r\n");
    TfrmMain& w = f.CreateWithWindows(edit.Rom ? QStringList{} : QStringList{Sample});
    // Key 3 with an escaped prefix and the character of the prefix to come.
    selectKey(w, 2);
    f.Keyboard.Shift = true;
    QTest::keyClicks(GridOf(w), "@~");
    f.Keyboard.Shift = false;
    w.ChangesPending(false);
    const int steps = stackOf(w).count();
    const QByteArray before = SavedDefinition(w.AppState, edit.Rom);

    edit.Edit(w);
    const QByteArray after = SavedDefinition(w.AppState, edit.Rom);
    QVERIFY(after != before);
    QCOMPARE(stackOf(w).count(), steps + 1);
    QCOMPARE(stackOf(w).undoText(), QString::fromLatin1(edit.Step));
    QVERIFY(w.IsChangesPending());

    TriggerAction(w, "UndoMenuItem");
    QCOMPARE(SavedDefinition(w.AppState, edit.Rom), before);
    QVERIFY(!w.IsChangesPending());
    QVERIFY(!w.windowTitle().endsWith('*'));
    if (edit.ShownKey >= 0)
        QCOMPARE(int(w.KeypadDefinition.Key()), edit.ShownKey);
    TriggerAction(w, "RedoMenuItem");
    QCOMPARE(SavedDefinition(w.AppState, edit.Rom), after);
    QVERIFY(w.windowTitle().endsWith('*'));
}

void TestUndo::typingMergesAndHistoryFollowsFiles()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    TMacroGrid* grid = GridOf(w);
    QTest::keyClicks(grid, "ab");
    QCOMPARE(stackOf(w).count(), 1);
    QCOMPARE(Find<QAction>(w, "UndoMenuItem")->text(),
             QStringLiteral("&Undo Typing in Key 1, Level 1"));
    QTest::keyClick(grid, Qt::Key_Left); // the cursor moved by hand
    QTest::keyClicks(grid, "c");
    QTest::keyClicks(grid, "d");
    QCOMPARE(stackOf(w).count(), 2);
    click(w, "SpeedButton105"); // another kind of edit
    QTest::keyClicks(grid, "e");
    selectKey(w, 1); // another key
    QTest::keyClicks(grid, "f");
    QTest::keyClicks(Find<QLineEdit>(w, "EditName"), "Name");
    QCOMPARE(stackOf(w).count(), 6);
    const QByteArray edited = SavedDefinition(w.AppState, false);

    // Saving sets the clean point; undoing past it and back moves the mark.
    f.Prompts.QueueFileName(f.Folders.Documents() + "/typed.ckd");
    TriggerAction(w, "SaveMenuItem");
    QVERIFY(!w.IsChangesPending());
    TriggerAction(w, "UndoMenuItem");
    QCOMPARE(w.KeypadDefinition.GetMacroName(), QStringLiteral("f"));
    QVERIFY(w.windowTitle().endsWith('*'));
    QVERIFY(Find<QToolButton>(w, "ToolBtnSave")->isEnabled());
    TriggerAction(w, "RedoMenuItem");
    QVERIFY(!w.windowTitle().endsWith('*'));
    QVERIFY(!w.IsChangesPending());

    while (Find<QAction>(w, "UndoMenuItem")->isEnabled())
        TriggerAction(w, "UndoMenuItem");
    QCOMPARE(SavedDefinition(w.AppState, false), SavedDefinition(TAppState(), false));
    QCOMPARE(Find<QAction>(w, "RedoMenuItem")->text(),
             QStringLiteral("&Redo Typing in Key 1, Level 1"));
    while (Find<QAction>(w, "RedoMenuItem")->isEnabled())
        TriggerAction(w, "RedoMenuItem");
    QCOMPARE(SavedDefinition(w.AppState, false), edited);

    // New and Open start a new history.
    TriggerAction(w, "NewMenuItem");
    QCOMPARE(stackOf(w).count(), 0);
    QTest::keyClicks(grid, "g");
    f.Prompts.QueueAnswer(TPromptAnswer::No);
    f.Prompts.QueueFileName(Sample);
    TriggerAction(w, "OpenMenuItem");
    QCOMPARE(stackOf(w).count(), 0);
    QVERIFY(!Find<QAction>(w, "UndoMenuItem")->isEnabled());
}

void TestUndo::clipboardWithinAndBetweenEditors()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    click(w, "SpeedButton105"); // Dly 200
    QTest::keyClicks(GridOf(w), "\rab");
    f.Keyboard.Shift = true;
    QTest::keyClicks(GridOf(w), "@~");
    f.Keyboard.Shift = false;
    TriggerAction(w, "ShiftKeyMenuItem");
    TriggerAction(w, "SelectAllMenuItem");
    TriggerAction(w, "CopyMenuItem");
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Dly 200 CR a b @@ ~"));
    const QList<int32_t> codes = MacroCodes(w.KeypadDefinition);
    selectKey(w, 1);
    TriggerAction(w, "PasteMenuItem");
    QCOMPARE(MacroCodes(w.KeypadDefinition), codes);

    // A second editor whose prefix is "~": the keypad sends the same bytes.
    TAppState otherState;
    TfrmMain other(otherState, {}, &f.Keyboard);
    other.show();
    other.KeypadDefinition.ChangeCmdPrefix('~');
    const auto sends = [](const TAppState& state, int key, int level) {
        return PreviewSends(state.KeypadDefinition.MacroAt(key, level),
                            PlaybackSettings(state, TReportKind::User))
            .Bytes;
    };
    selectKey(w, 0);
    TriggerAction(w, "CopyKeyMenuItem");
    selectKey(other, 3);
    TriggerAction(other, "PasteKeyMenuItem");
    QCOMPARE(other.KeypadDefinition.Keytype(), ktShift);
    QCOMPARE(other.KeypadDefinition.GetMacroName(), QStringLiteral("Dly 200"));
    QCOMPARE(other.KeypadDefinition.MakeCodes(), QStringLiteral("7e01320d6162407e40"));
    QCOMPARE(sends(otherState, 3, 0), sends(f.State, 0, 0));
    TriggerAction(w, "CopyMacroMenuItem");
    TriggerAction(other, "Level2MenuItem");
    TriggerAction(other, "PasteMacroMenuItem");
    QCOMPARE(sends(otherState, 3, 1), sends(f.State, 0, 0));
    TriggerAction(other, "PasteMenuItem"); // the macro's codes at the cursor
    QCOMPARE(other.KeypadDefinition.NumOfElements(), 2 * codes.size());

    // Text from elsewhere is typed: line breaks as Enter, the prefix escaped,
    // what the grid does not type left out.
    selectKey(w, 5);
    QApplication::clipboard()->setText(QStringLiteral("Hi@\r\n\x01\xe9\u20ac"));
    TriggerAction(w, "PasteMenuItem");
    QCOMPARE(MacroCodes(w.KeypadDefinition), (QList<int32_t>{'H', 'i', 0x4040, 13, 0xE9}));
}

void TestUndo::pastesThatDoNotFitChangeNothing()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    TAppState otherState;
    TfrmMain other(otherState, {}, &f.Keyboard);
    other.KeypadDefinition.ChangeCmdPrefix('~');
    // 99 bytes on key 1; a hundred "~" on key 2, which become escaped
    // prefixes of two bytes each where "~" is the prefix.
    QTest::keyClicks(GridOf(w), QString(99, QLatin1Char('z')));
    selectKey(w, 1);
    f.Keyboard.Shift = true;
    QTest::keyClicks(GridOf(w), QString(100, QLatin1Char('~')));
    f.Keyboard.Shift = false;
    const int steps = stackOf(w).count();
    const QByteArray before = SavedDefinition(w.AppState, false);
    const QByteArray otherBefore = SavedDefinition(otherState, false);

    QApplication::clipboard()->setText(QStringLiteral("ab"));
    selectKey(w, 0);
    TriggerAction(w, "PasteMenuItem");
    selectKey(w, 1);
    TriggerAction(w, "CopyKeyMenuItem");
    TriggerAction(other, "PasteKeyMenuItem");
    TriggerAction(other, "PasteMacroMenuItem");
    QCOMPARE(f.Prompts.TextsOf("error"), QStringList(3, QStringLiteral("Macro Full!")));
    QCOMPARE(SavedDefinition(w.AppState, false), before);
    QCOMPARE(SavedDefinition(otherState, false), otherBefore);
    QCOMPARE(stackOf(w).count(), steps);
    QCOMPARE(stackOf(other).count(), 0);
}

void TestUndo::undoInAnOpenDialogRefreshesIt()
{
    TMainFixture f;
    TfrmMain& w = f.CreateWithWindows();
    inDialog([&w] { TriggerAction(w, "PropertiesMenuItem"); },
             [&w](QDialog& d) {
                 auto* prefix = Find<QSpinBox>(d, "spinCmdPrefix");
                 prefix->setValue('~');
                 QTest::mouseClick(Find<QPushButton>(d, "btnApply"), Qt::LeftButton);
                 TriggerAction(d, "DialogUndo");
                 QCOMPARE(prefix->value(), int('@'));
                 QCOMPARE(int(w.KeypadDefinition.CmdPrefix()), int('@'));
                 TriggerAction(d, "DialogRedo");
                 QCOMPARE(prefix->value(), int('~'));
                 // An edit not yet applied is not thrown away by Undo.
                 Find<QSpinBox>(d, "spinKeyClick")->setValue(60);
                 TriggerAction(d, "DialogUndo");
                 QCOMPARE(int(w.KeypadDefinition.CmdPrefix()), int('~'));
                 QCOMPARE(Find<QSpinBox>(d, "spinKeyClick")->value(), 60);
             });
    QCOMPARE(stackOf(w).count(), 1);
    QVERIFY(w.IsChangesPending());
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
