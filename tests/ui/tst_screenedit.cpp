#include "files/FileIO.h"
#include "model/AppState.h"
#include "support/MainFixture.h"
#include "ui/dialogs/ScreenEdit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

template <typename T> T* child(QWidget* parent, const QString& name)
{
    T* widget = parent->findChild<T*>(name);
    if (!widget)
        qFatal("no widget %s", qPrintable(name));
    return widget;
}

// Clicks a check box or radio on its indicator, as the user does.
void clickOn(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Drives an editor as the user does.
struct TDriver
{
    TfrmScreenEdit* dlg = nullptr;

    template <typename T> T* get(const QString& name) { return child<T>(dlg, name); }
    QAbstractButton* button(const QString& name) { return get<QAbstractButton>(name); }
    QComboBox* list(const QString& name) { return get<QComboBox>(name); }
    void selectScreen(int n) { clickOn(button(QStringLiteral("rbScreen%1").arg(n))); }
    void choose(const QString& name, int index) { list(name)->setCurrentIndex(index); }
    void press(const QString& name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void retype(const QString& name, const QString& text)
    {
        QLineEdit* edit = get<QLineEdit>(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        // Key by key with its text, as a keyboard layout with these letters sends them.
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
    }
    void typeLine1(const QString& text) { retype(QStringLiteral("edLcdLine1"), text); }
    void typeLine2(const QString& text) { retype(QStringLiteral("edLcdLine2"), text); }
    QString caption() const { return dlg->windowTitle(); }
};

// A fresh state and an editor on it, shown (not modal).
struct TEditor : TDriver
{
    TAppState state;
    std::unique_ptr<TfrmScreenEdit> dialog;
    std::unique_ptr<QSignalSpy> applied;

    TEditor()
    {
        dialog = std::make_unique<TfrmScreenEdit>(state);
        dlg = dialog.get();
        applied = std::make_unique<QSignalSpy>(dialog.get(), &TfrmScreenEdit::changesApplied);
    }
    void open() { dialog->show(); }
};

const QString Fresh = QStringLiteral("Ostrella Screen Editor");
const QString Settled = QStringLiteral("Ostrella ROM Screen Editor");
const QString Changed = QStringLiteral("Ostrella ROM Screen Editor*");

} // namespace

class TestScreenEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstOpeningShowsScreenOne();
    void actionLists_data();
    void actionLists();
    void editsOnSeveralScreensApplyTogether();
    void cancelDiscardsEveryScreenAndKeepsTheSelection();
    void enablingFollowsTheControls();
    void ledRadios();
    void oneLineDisplayEmptiesTheSecondLine();
    void storedValuesOutsideTheControlsStayUntilEdited();
    void modalOpeningLoadsAndOkCommits();
    void editsFromTheMainWindowReachTheSavedRomFile();
};

void TestScreenEdit::firstOpeningShowsScreenOne()
{
    TEditor e;
    e.open();
    QCOMPARE(e.caption(), Fresh);
    QVERIFY(!e.button("btnApply")->isEnabled());
    QVERIFY(!e.button("btnOK")->isEnabled());
    QVERIFY(e.button("btnCancel")->isEnabled());
    QVERIFY(!(e.dialog->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(e.button("rbScreen1")->isChecked());
    QCOMPARE(e.get<QLineEdit>("edLcdLine1")->text(), QStringLiteral("This is screen 1"));
    QCOMPARE(e.get<QLineEdit>("edLcdLine2")->text(), QStringLiteral("> _____________ "));
    QVERIFY(e.get<QLineEdit>("edLcdLine2")->isEnabled());
    QCOMPARE(e.list("cboxEnterAction")->currentText(), QStringLiteral("Go to Screen 1"));
    QCOMPARE(e.list("cboxUserDataAction")->currentText(), QStringLiteral("Accept key data"));
    QCOMPARE(e.list("cboxBackNormalAction")->currentText(), QStringLiteral("Erase one character"));
    QCOMPARE(e.get<QSpinBox>("spinTimeoutPeriod")->value(), 1000);
    QCOMPARE(e.get<QSpinBox>("spinTimeoutPeriod")->singleStep(), 1000);
    QVERIFY(e.button("rbLed1off")->isChecked());
    QVERIFY(e.button("rbLed2off")->isChecked());
    // Loading is not an edit.
    QCOMPARE(e.state.WorkingScreenData, e.state.ScreenData);
    QVERIFY(!e.dialog->changesMade());
}

void TestScreenEdit::actionLists_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("last");
    const QString eraseAll = QStringLiteral("Erase all characters");
    QTest::newRow("card swipe") << "cboxCardSwipeAction" << 9 << "Go to Screen 8";
    QTest::newRow("time-out") << "cboxTimeoutAction" << 12 << eraseAll;
    QTest::newRow("data entry") << "cboxUserDataAction" << 13 << "Accept key data";
    QTest::newRow("data full") << "cboxUserFullAction" << 13 << "";
    QTest::newRow("enter") << "cboxEnterAction" << 13 << "";
    QTest::newRow("back, data") << "cboxBackNormalAction" << 12 << eraseAll;
    QTest::newRow("back, empty") << "cboxBackEmptyAction" << 12 << eraseAll;
    QTest::newRow("clear, data") << "cboxClearNormalAction" << 12 << eraseAll;
    QTest::newRow("clear, empty") << "cboxClearEmptyAction" << 12 << eraseAll;
}

void TestScreenEdit::actionLists()
{
    QFETCH(QString, name);
    QFETCH(int, count);
    QFETCH(QString, last);
    TEditor e;
    QComboBox* list = e.list(name);
    QVERIFY(!list->isEditable());
    QCOMPARE(list->count(), count);
    QCOMPARE(list->itemText(0), QStringLiteral("Nothing"));
    QCOMPARE(list->itemText(count - 1), last);
}

void TestScreenEdit::editsOnSeveralScreensApplyTogether()
{
    TEditor e;
    e.open();

    // Screen 1: the text is stored on every keystroke, at most 16 characters.
    QLineEdit* line1 = e.get<QLineEdit>("edLcdLine1");
    e.typeLine1("W");
    QCOMPARE(e.state.WorkingScreenData[0].TextLine1, QStringLiteral("W"));
    QCOMPARE(e.caption(), Changed);
    QVERIFY(e.button("btnApply")->isEnabled());
    QVERIFY(e.button("btnOK")->isEnabled());
    QTest::keyClicks(line1, "elcome, user 1234");
    QCOMPARE(e.state.WorkingScreenData[0].TextLine1, QStringLiteral("Welcome, user 12"));

    // Screen 3: time-out, LEDs, transition character.
    e.selectScreen(3);
    QCOMPARE(e.dialog->currentScreen(), 2);
    QCOMPARE(line1->text(), QStringLiteral("This is screen 3"));
    clickOn(e.button("cboxTimeoutEnable"));
    e.choose("cboxTimeoutAction", 4);
    e.get<QSpinBox>("spinTimeoutPeriod")->setValue(5000);
    clickOn(e.button("rbLed1flash"));
    clickOn(e.button("rbLed2on"));
    e.get<QSpinBox>("spinOnShow")->setValue(2);

    // Screen 8: a key action.
    e.selectScreen(8);
    e.choose("cboxEnterAction", 9);

    // Back on screen 3 the view shows what was stored there.
    e.selectScreen(3);
    QVERIFY(e.button("cboxTimeoutEnable")->isChecked());
    QCOMPARE(e.list("cboxTimeoutAction")->currentText(), QStringLiteral("Go to Screen 4"));
    QVERIFY(e.button("rbLed1flash")->isChecked());

    TScreenDataRec s1 = DefaultScreenData(1), s3 = DefaultScreenData(3), s8 = DefaultScreenData(8);
    s1.TextLine1 = QStringLiteral("Welcome, user 12");
    s3.bTimeoutEnable = true;
    s3.TimeoutAction = 4;
    s3.TimeoutPeriod = 5000;
    s3.LedModes = 21;
    s3.OnShowChar = 2;
    s8.EnterAction = 9;
    QCOMPARE(e.state.WorkingScreenData[0], s1);
    QCOMPARE(e.state.WorkingScreenData[2], s3);
    QCOMPARE(e.state.WorkingScreenData[7], s8);
    QCOMPARE(e.state.ScreenData[0], DefaultScreenData(1));
    QCOMPARE(e.applied->count(), 0);

    e.press("btnApply");
    QCOMPARE(e.state.ScreenData, e.state.WorkingScreenData);
    QCOMPARE(e.applied->count(), 1);
    QCOMPARE(e.caption(), Settled);
    QVERIFY(!e.button("btnApply")->isEnabled());
    QVERIFY(e.button("btnOK")->isEnabled());
    QVERIFY(e.dialog->isVisible());

    // The committed copy is a copy: later edits stay in the working one.
    e.typeLine1("Later");
    QCOMPARE(e.state.ScreenData[2].TextLine1, QStringLiteral("This is screen 3"));
    e.press("btnApply");
    QCOMPARE(e.state.ScreenData[2].TextLine1, QStringLiteral("Later"));
    QCOMPARE(e.applied->count(), 2);

    // OK with nothing changed since Apply commits again but marks nothing.
    e.press("btnOK");
    QVERIFY(!e.dialog->isVisible());
    QCOMPARE(e.dialog->result(), int(QDialog::Accepted));
    QCOMPARE(e.applied->count(), 2);
    QCOMPARE(e.state.ScreenData, e.state.WorkingScreenData);
}

void TestScreenEdit::cancelDiscardsEveryScreenAndKeepsTheSelection()
{
    TEditor e;
    e.open();
    e.typeLine1("Committed");
    e.press("btnApply");
    const TScreenDataArray committed = e.state.ScreenData;

    e.selectScreen(2);
    e.choose("cboxClearEmptyAction", 0);
    e.selectScreen(5);
    clickOn(e.button("cboxRequireAllData"));
    e.typeLine1("Gone");
    QVERIFY(e.state.WorkingScreenData != committed);

    e.press("btnCancel");
    QVERIFY(!e.dialog->isVisible());
    QCOMPARE(e.state.WorkingScreenData, committed);
    QCOMPARE(e.state.ScreenData, committed);
    QCOMPARE(e.caption(), Settled);
    QVERIFY(!e.dialog->changesMade());
    QCOMPARE(e.applied->count(), 1);
    QVERIFY(e.button("btnApply")->isEnabled()); // left as it was

    // Reopening shows the screen the user left, with its committed values.
    e.open();
    QVERIFY(e.button("rbScreen5")->isChecked());
    QCOMPARE(e.dialog->currentScreen(), 4);
    QCOMPARE(e.get<QLineEdit>("edLcdLine1")->text(), QStringLiteral("This is screen 5"));
    QVERIFY(!e.button("cboxRequireAllData")->isChecked());
    e.selectScreen(1);
    QCOMPARE(e.get<QLineEdit>("edLcdLine1")->text(), QStringLiteral("Committed"));

    // Escape leaves like Cancel: nothing of the edit survives.
    e.typeLine1("Escaped");
    QTest::keyClick(e.dialog.get(), Qt::Key_Escape);
    QVERIFY(!e.dialog->isVisible());
    QCOMPARE(e.state.WorkingScreenData, committed);
    QCOMPARE(e.applied->count(), 1);
}

void TestScreenEdit::enablingFollowsTheControls()
{
    TEditor e;
    e.open();
    const QStringList timeoutControls{"lblTimeoutAction", "cboxTimeoutAction", "lblTimeoutPeriod",
                                      "spinTimeoutPeriod"};
    const QStringList swipeControls{"lblCardSwipeAction", "cboxCardSwipeAction",
                                    "lblCardSwipeHelp"};
    auto allEnabled = [&](const QStringList& names, bool enabled) {
        for (const QString& name : names) {
            if (e.get<QWidget>(name)->isEnabled() != enabled)
                return false;
        }
        return true;
    };
    QVERIFY(allEnabled(timeoutControls, false));
    QVERIFY(allEnabled(swipeControls, false));

    clickOn(e.button("cboxTimeoutEnable"));
    QVERIFY(allEnabled(timeoutControls, true));
    QVERIFY(allEnabled(swipeControls, false));
    clickOn(e.button("cboxCardSwipeEnable"));
    QVERIFY(allEnabled(swipeControls, true));
    QVERIFY(e.state.WorkingScreenData[0].bCardSwipeEnable);
    clickOn(e.button("cboxTimeoutEnable"));
    QVERIFY(allEnabled(timeoutControls, false));
    QVERIFY(!e.state.WorkingScreenData[0].bTimeoutEnable);

    // "Save data for next screen" only goes with a go-to-screen data action,
    // and keeps its value while disabled.
    QAbstractButton* save = e.button("cboxSaveDataForNextScreen");
    QVERIFY(!save->isEnabled());
    e.choose("cboxUserDataAction", 3);
    QVERIFY(save->isEnabled());
    clickOn(save);
    QVERIFY(e.state.WorkingScreenData[0].bSaveDataForNextScreen);
    for (int code : {0, 9, 12}) {
        e.choose("cboxUserDataAction", code);
        QVERIFY(!save->isEnabled());
        QVERIFY(save->isChecked());
    }
    QVERIFY(e.state.WorkingScreenData[0].bSaveDataForNextScreen);
    e.choose("cboxUserDataAction", 8);
    QVERIFY(save->isEnabled());
}

void TestScreenEdit::ledRadios()
{
    TEditor e;
    e.state.WorkingScreenData[0].LedModes = 21;
    e.state.WorkingScreenData[1].LedModes = 35; // beyond the radios: neither LED shown
    e.open();
    QVERIFY(e.button("rbLed1flash")->isChecked());
    QVERIFY(e.button("rbLed2on")->isChecked());
    clickOn(e.button("rbLed1off"));
    QCOMPARE(e.state.WorkingScreenData[0].LedModes, uint8_t(1));
    clickOn(e.button("rbLed2flash"));
    QCOMPARE(e.state.WorkingScreenData[0].LedModes, uint8_t(2));

    e.selectScreen(2);
    for (const char* name :
         {"rbLed1off", "rbLed1on", "rbLed1flash", "rbLed2off", "rbLed2on", "rbLed2flash"})
        QVERIFY2(!e.button(name)->isChecked(), name);
    clickOn(e.button("rbLed1on"));
    QCOMPARE(e.state.WorkingScreenData[1].LedModes, uint8_t(10));
}

void TestScreenEdit::oneLineDisplayEmptiesTheSecondLine()
{
    TEditor e;
    e.state.WorkingAdvancedParams.LcdSize = 16;
    e.open();
    QLineEdit* line2 = e.get<QLineEdit>("edLcdLine2");
    QVERIFY(!line2->isEnabled());
    QVERIFY(line2->text().isEmpty());
    QVERIFY(e.state.WorkingScreenData[0].TextLine2.isEmpty());
    QVERIFY(!e.state.ScreenData[0].TextLine2.isEmpty());
    QCOMPARE(e.caption(), Fresh); // not a change
    QVERIFY(!e.button("btnApply")->isEnabled());
    e.selectScreen(2);
    QVERIFY(e.state.WorkingScreenData[1].TextLine2.isEmpty());
    QVERIFY(!e.state.WorkingScreenData[2].TextLine2.isEmpty()); // not shown yet

    e.press("btnCancel");
    QCOMPARE(e.state.WorkingScreenData[1].TextLine2, QStringLiteral("> _____________ "));

    e.open();
    clickOn(e.button("cboxMaskUserInput"));
    e.press("btnApply");
    QVERIFY(e.state.ScreenData[1].TextLine2.isEmpty());
    QCOMPARE(e.state.ScreenData[0].TextLine2, QStringLiteral("> _____________ "));

    // Back on a two-line display the second line is editable again.
    e.state.WorkingAdvancedParams.LcdSize = 32;
    e.selectScreen(1);
    QVERIFY(line2->isEnabled());
    QCOMPARE(line2->text(), QStringLiteral("> _____________ "));
}

void TestScreenEdit::storedValuesOutsideTheControlsStayUntilEdited()
{
    TEditor e;
    e.state.WorkingScreenData[0].TimeoutPeriod = 0;
    e.state.WorkingScreenData[0].EnterAction = 40;
    e.state.ScreenData = e.state.WorkingScreenData;
    e.open();
    QSpinBox* period = e.get<QSpinBox>("spinTimeoutPeriod");
    QCOMPARE(period->value(), 1);
    QCOMPARE(e.list("cboxEnterAction")->currentIndex(), -1);

    // Other edits, with their reloads, leave both values alone.
    clickOn(e.button("cboxTimeoutEnable"));
    e.choose("cboxBackEmptyAction", 11);
    QCOMPARE(e.state.WorkingScreenData[0].TimeoutPeriod, 0);
    QCOMPARE(e.state.WorkingScreenData[0].EnterAction, uint8_t(40));

    // A period typed below the range ends at the nearest bound; one above
    // it cannot be typed.
    period->setFocus();
    period->selectAll();
    QTest::keyClicks(period, "0");
    QTest::keyClick(period, Qt::Key_Return);
    QCOMPARE(period->value(), 1);
    QCOMPARE(e.state.WorkingScreenData[0].TimeoutPeriod, 1);
    period->selectAll();
    QTest::keyClicks(period, "99999");
    QTest::keyClick(period, Qt::Key_Return);
    QCOMPARE(e.state.WorkingScreenData[0].TimeoutPeriod, 9999);

    e.choose("cboxEnterAction", 12);
    QCOMPARE(e.state.WorkingScreenData[0].EnterAction, uint8_t(12));
}

void TestScreenEdit::modalOpeningLoadsAndOkCommits()
{
    TEditor e;
    e.state.WorkingScreenData[0].TextLine1 = QStringLiteral("From the file");
    bool shown = false;
    QTimer::singleShot(0, e.dialog.get(), [&] {
        shown = e.get<QLineEdit>("edLcdLine1")->text() == QStringLiteral("From the file");
        e.typeLine1("Typed");
        e.press("btnOK");
        if (e.dialog->isVisible()) // never leave a test hanging on the modal loop
            e.dialog->done(QDialog::Rejected);
    });
    QCOMPARE(e.dialog->exec(), int(QDialog::Accepted));
    QVERIFY(shown);
    QCOMPARE(e.state.ScreenData[0].TextLine1, QStringLiteral("Typed"));
    QCOMPARE(e.applied->count(), 1);
}

void TestScreenEdit::editsFromTheMainWindowReachTheSavedRomFile()
{
    TMainFixture f;
    TTestFolders::WriteFile(f.Folders.SettingsFile(), "[CONFIGURATION]\r\nAdvanced_Enable=1\r\n");
    TfrmMain& w = f.CreateWithWindows();
    QVERIFY(w.IsRomEditMode());
    TDriver d{&f.Windows->ScreenEdit()};
    QVERIFY(d.dlg);

    // Opens the editor from the menu and runs `edit` while it is modal.
    auto editFromMenu = [&](const std::function<void()>& edit) {
        bool ran = false;
        QTimer::singleShot(0, d.dlg, [&] {
            ran = d.dlg->isModal() && d.dlg->isVisible();
            edit();
            if (d.dlg->isVisible()) // never leave a test hanging on the modal loop
                d.dlg->done(QDialog::Rejected);
        });
        Find<QAction>(w, "EditScreenData1")->trigger();
        return ran;
    };

    // Edits on two screens, applied; then edits on two screens, cancelled.
    QVERIFY(editFromMenu([&] {
        d.selectScreen(2);
        d.typeLine1("Caf\u00e9, 2 for \u00a35");
        d.typeLine2(" PIN> ____ 100%");
        d.choose("cboxEnterAction", 3);
        d.choose("cboxBackEmptyAction", 1);
        clickOn(d.button("rbLed1on"));
        clickOn(d.button("rbLed2flash"));
        clickOn(d.button("cboxMaskUserInput"));

        d.selectScreen(6);
        clickOn(d.button("cboxTimeoutEnable"));
        d.choose("cboxTimeoutAction", 1);
        d.get<QSpinBox>("spinTimeoutPeriod")->setValue(2500);
        clickOn(d.button("cboxCardSwipeEnable"));
        d.choose("cboxCardSwipeAction", 7);
        d.choose("cboxUserDataAction", 5);
        clickOn(d.button("cboxSaveDataForNextScreen"));
        d.get<QSpinBox>("spinOnShow")->setValue(2);
        d.get<QSpinBox>("spinOnLeave")->setValue(3);
        d.press("btnApply");

        d.selectScreen(2);
        d.typeLine1("Not kept");
        d.selectScreen(4);
        d.choose("cboxClearNormalAction", 0);
        clickOn(d.button("rbLed1flash"));
        d.press("btnCancel");
    }));
    QVERIFY(w.IsChangesPending());

    // The next opening shows the screen left last, as committed; OK commits
    // an edit on a third screen.
    QVERIFY(editFromMenu([&] {
        QCOMPARE(d.dlg->currentScreen(), 3);
        QCOMPARE(d.list("cboxClearNormalAction")->currentText(),
                 QStringLiteral("Erase all characters"));
        d.selectScreen(8);
        d.typeLine1("Thank you!");
        d.press("btnOK");
    }));

    const QString path = f.Folders.DataFolder() + QStringLiteral("/Macro_Files/screens.rom");
    f.Prompts.QueueFileName(path);
    QTest::mouseClick(Find<QToolButton>(w, "ToolBtnSave"), Qt::LeftButton);
    QVERIFY2(f.Prompts.TextsOf("error").isEmpty(),
             qPrintable(f.Prompts.TextsOf("error").join('\n')));
    QVERIFY(!w.IsChangesPending());
    QVERIFY(!TTestFolders::ReadFile(path).contains("Not kept"));

    TScreenDataArray expected;
    for (int n = 1; n <= ScreenCount; ++n)
        expected[size_t(n - 1)] = DefaultScreenData(n);
    TScreenDataRec& s2 = expected[1];
    s2.TextLine1 = QStringLiteral("Caf\u00e9, 2 for \u00a35  ");
    s2.TextLine2 = QStringLiteral(" PIN> ____ 100% ");
    s2.EnterAction = 3;
    s2.BackEmptyAction = 1;
    s2.LedModes = 12;
    s2.bUserMaskInput = true;
    TScreenDataRec& s6 = expected[5];
    s6.bTimeoutEnable = true;
    s6.TimeoutAction = 1;
    s6.TimeoutPeriod = 2500;
    s6.bCardSwipeEnable = true;
    s6.CardSwipeAction = 7;
    s6.UserDataAction = 5;
    s6.bSaveDataForNextScreen = true;
    s6.OnShowChar = 2;
    s6.OnLeaveChar = 3;
    expected[7].TextLine1 = QStringLiteral("Thank you!      ");

    TAppState loaded;
    QCOMPARE(LoadRomFile(loaded, path).Status, TLoadStatus::Loaded);
    for (size_t i = 0; i < expected.size(); ++i) {
        QVERIFY2(
            loaded.ScreenData[i] == expected[i],
            qPrintable(QStringLiteral("screen %1: \"%2\" \"%3\"")
                           .arg(i + 1)
                           .arg(loaded.ScreenData[i].TextLine1, loaded.ScreenData[i].TextLine2)));
        QVERIFY(loaded.WorkingScreenData[i] == expected[i]);
    }
}

QTEST_MAIN(TestScreenEdit)
#include "tst_screenedit.moc"
