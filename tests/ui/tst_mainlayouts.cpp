// The 20-key and 12-key layouts of the on-screen keypad.

#include "support/MainFixture.h"

#include "app/AppSettings.h"

#include <QFile>
#include <QTest>

class TestMainLayouts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void switchingLayouts();
    void twelveKeyArrangement();
    void reselectingTheShownLayoutDoesNothing();
};

void TestMainLayouts::switchingLayouts()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    QVERIFY(Find<QRadioButton>(w, "rbModelR20")->isChecked());
    QCOMPARE(Find<QRadioButton>(w, "rbModelR20")->text(), "20 keys");
    QCOMPARE(Find<QRadioButton>(w, "rbModelR12")->text(), "12 keys");
    QCOMPARE(Find<QRadioButton>(w, "rbModelR20")->toolTip(), "Model R20, R21, R22 or R23");
    QCOMPARE(Find<QRadioButton>(w, "rbModelR12")->toolTip(), "Model R12 or R13");
    QVERIFY(Find<QToolButton>(w, "ToolButtonKeyLabels")->isEnabled());

    // A macro on key 20, level 2, and the view on level 2.
    KeyButton(w, 19)->click();
    Find<QTabBar>(w, "TabControlLevel")->setCurrentIndex(1);
    QTest::keyClicks(GridOf(w), "zz");
    w.ChangesPending(false);
    KeyButton(w, 4)->click();
    QTest::keyClicks(GridOf(w), "7");
    w.ChangesPending(false);

    QTest::mouseClick(Find<QRadioButton>(w, "rbModelR12"), Qt::LeftButton);
    QCOMPARE(w.GuiKeyLayout(), 1);
    QCOMPARE(w.KeypadDefinition.Key(), 4);
    QCOMPARE(w.KeypadDefinition.Level(), 1); // the level is kept
    QCOMPARE(Find<QLabel>(w, "lblMacroHeader")->text(), "Macro for Key 5, Level 2");
    QCOMPARE(w.GridPosition(), 1);
    QCOMPARE(KeyButton(w, 4)->text(), "7");
    QVERIFY(KeyButton(w, 4)->isChecked());
    QVERIFY(!Find<QToolButton>(w, "ToolButtonKeyLabels")->isEnabled());
    for (int key : {0, 1, 2, 3, 7, 11, 15, 19})
        QVERIFY2(KeyButton(w, key)->isHidden(), qPrintable(QString::number(key)));
    QCOMPARE(TAppSettings(f.Folders.SettingsFile()).Read().KeypadLayout, 1);
    QVERIFY(!w.IsChangesPending());
    // The hidden keys keep their macros.
    w.KeypadDefinition.SetKey(19);
    QCOMPARE(w.KeypadDefinition.NumOfElements(), 2);
    w.KeypadDefinition.SetKey(4);

    QTest::mouseClick(Find<QRadioButton>(w, "rbModelR20"), Qt::LeftButton);
    QCOMPARE(w.GuiKeyLayout(), 2);
    QCOMPARE(w.KeypadDefinition.Key(), 0);
    QVERIFY(KeyButton(w, 0)->isChecked());
    QVERIFY(Find<QToolButton>(w, "ToolButtonKeyLabels")->isEnabled());
    for (QAbstractButton* button : KeyButtons(w)) {
        QVERIFY(!button->isHidden());
        QVERIFY(button->text().trimmed().isEmpty());
    }
    QCOMPARE(TAppSettings(f.Folders.SettingsFile()).Read().KeypadLayout, 2);
    QVERIFY(!w.IsChangesPending());
}

void TestMainLayouts::twelveKeyArrangement()
{
    TMainFixture f;
    TTestFolders::WriteFile(f.Folders.SettingsFile(), "[CONFIGURATION]\r\nKeypad_Layout=1\r\n");
    TfrmMain& w = f.Create();
    QVERIFY(Find<QRadioButton>(w, "rbModelR12")->isChecked());
    QCOMPARE(w.KeypadDefinition.Key(), 4);

    const int rows[4][3] = {{4, 5, 6}, {8, 9, 10}, {12, 13, 14}, {16, 17, 18}};
    const char* captions[4][3] = {
        {"7", "8", "9"}, {"4", "5", "6"}, {"1", "2", "3"}, {"CLR", "0", "ENT"}};
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            QAbstractButton* button = KeyButton(w, rows[row][col]);
            QCOMPARE(button->text(), QString::fromLatin1(captions[row][col]));
            QVERIFY(button->isVisible());
            // Rows go down, columns go right, inside the panel.
            QVERIFY(Find<QWidget>(w, "pnlKeypad")->rect().contains(button->geometry()));
            if (col > 0) {
                QCOMPARE(button->y(), KeyButton(w, rows[row][0])->y());
                QVERIFY(button->x() > KeyButton(w, rows[row][col - 1])->x());
            }
            if (row > 0) {
                QCOMPARE(button->x(), KeyButton(w, rows[0][col])->x());
                QCOMPARE(button->y() - KeyButton(w, rows[row - 1][col])->y(), 35);
            }
        }
    }
    // Clicking a captioned key selects the key it stands for.
    QTest::mouseClick(KeyButton(w, 17), Qt::LeftButton);
    QCOMPARE(Find<QLabel>(w, "lblMacroHeader")->text(), "Macro for Key 18, Level 1");
}

void TestMainLayouts::reselectingTheShownLayoutDoesNothing()
{
    TMainFixture f;
    TfrmMain& w = f.Create();
    KeyButton(w, 9)->click();
    QFile::remove(f.Folders.SettingsFile());
    QTest::mouseClick(Find<QRadioButton>(w, "rbModelR20"), Qt::LeftButton);
    QVERIFY(Find<QRadioButton>(w, "rbModelR20")->isChecked());
    QCOMPARE(w.KeypadDefinition.Key(), 9);
    QVERIFY(!QFile::exists(f.Folders.SettingsFile()));
}

QTEST_MAIN(TestMainLayouts)
#include "tst_mainlayouts.moc"
