// The Key Labels Editor and the setup sheet window on their own: what they
// show, what they keep (overrides beside the definition, settings in the
// settings file) and what they write.

#include "files/FileIO.h"
#include "support/ScriptedPrompts.h"
#include "ui/labels/KeyLabelsWindow.h"
#include "ui/labels/SetupSheetWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class tst_KeyLabels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void overridesAndSettingsLiveOn();
    void exportsAndRefusals();
    void setupSheet();

private:
    QTemporaryDir fDir;
    TAppState fState;
    TLevelKeyIndices fIndices;
};

void tst_KeyLabels::init()
{
    QVERIFY(fDir.isValid());
    fState = TAppState();
    TKeypadClass& d = fState.KeypadDefinition;
    d.SetKey(4); // "7" on the 12-key keypad
    d.SetMacroName(QStringLiteral("Adult ticket"));
    d.SetLevel(1);
    d.SetMacroName(QStringLiteral("Adult return"));
}

void tst_KeyLabels::overridesAndSettingsLiveOn()
{
    const QString definition = fDir.filePath(QStringLiteral("desk.ckd"));
    QVERIFY(SaveUserFile(fState, definition, 12, QStringLiteral("1"), fIndices).Ok);
    const TAppSettings settings(fDir.filePath(QStringLiteral("PadwrightRx.ini")));
    {
        TfrmKeyLabels window(fState, TReportKind::User, 12, definition, settings);
        auto* grid = window.findChild<QTableWidget*>(QStringLiteral("gridLabels"));
        QCOMPARE(grid->rowCount(), 12);
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("Key 5 [7]"));
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("Adult ticket"));
        QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("Adult return"));
        grid->item(0, 1)->setText(QStringLiteral("Adult"));
        QVERIFY(ReadAll(fDir.filePath(QStringLiteral("desk.labels")))
                    .contains("[LABELS]\r\nKey4=Adult\r\n"));
        window.findChild<QDoubleSpinBox*>(QStringLiteral("spinLabelWidth"))->setValue(20);
        window.findChild<QComboBox*>(QStringLiteral("cboxPaper"))->setCurrentIndex(1);
        window.findChild<QCheckBox*>(QStringLiteral("cbCutMarks"))->setChecked(true);
        QCOMPARE(
            window.findChild<QLabel*>(QStringLiteral("lblSheet"))->text(),
            QStringLiteral("One sheet with 6 copies of the keypad, at true size when printed:"));
        window.findChild<QPushButton*>(QStringLiteral("btnClose"))->click();
    }
    const TKeyLabelSettings kept = settings.ReadKeyLabelSettings();
    QCOMPARE(kept.WidthMm, 20.0);
    QCOMPARE(kept.Paper, TPaper::Letter);
    QVERIFY(kept.CutMarks);

    // Opened again: the override is back; resetting it writes it away.
    TfrmKeyLabels window(fState, TReportKind::User, 12, definition, settings);
    QVERIFY(window.Settings() == kept);
    auto* grid = window.findChild<QTableWidget*>(QStringLiteral("gridLabels"));
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("Adult"));
    QVERIFY(grid->item(0, 1)->font().bold());
    grid->selectRow(0);
    window.findChild<QPushButton*>(QStringLiteral("btnResetLabel"))->click();
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("Adult ticket"));
    QVERIFY(ReadAll(fDir.filePath(QStringLiteral("desk.labels"))).contains("Key4=\r\n"));
}

void tst_KeyLabels::exportsAndRefusals()
{
    TScriptedPrompts prompts;
    const TAppSettings settings(fDir.filePath(QStringLiteral("PadwrightRx.ini")));
    // A definition never saved keeps its overrides in the window only.
    const QStringList before = QDir(fDir.path()).entryList(QDir::Files);
    TfrmKeyLabels window(fState, TReportKind::User, 20, QStringLiteral("untitled"), settings);
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblOverrides"))->text(),
             QStringLiteral("Save the definition to keep the label texts you type here."));
    window.findChild<QTableWidget*>(QStringLiteral("gridLabels"))
        ->item(0, 1)
        ->setText(QStringLiteral("X"));
    QCOMPARE(window.Overrides()[0], QStringLiteral("X"));
    QCOMPARE(QDir(fDir.path()).entryList(QDir::Files), before);

    const QString pdf = fDir.filePath(QStringLiteral("l.pdf"));
    const QString svg = fDir.filePath(QStringLiteral("l.svg"));
    const QString refused = fDir.filePath(QStringLiteral("no/such/folder.pdf"));
    for (const QString& path : {pdf, svg, refused})
        prompts.QueueFileName(path);
    window.findChild<QPushButton*>(QStringLiteral("btnExportPdf"))->click();
    window.findChild<QPushButton*>(QStringLiteral("btnExportSvg"))->click();
    window.findChild<QPushButton*>(QStringLiteral("btnExportPdf"))->click();
    QVERIFY(ReadAll(pdf).startsWith("%PDF"));
    QVERIFY(ReadAll(svg).contains(">X<"));
    QCOMPARE(prompts.TextsOf(QStringLiteral("error")),
             QStringList{QStringLiteral("Unable to write to ") + refused});
    QCOMPARE(prompts.Dialogs.at(1).Title, QStringLiteral("Export Key Labels as SVG"));
}

void tst_KeyLabels::setupSheet()
{
    TScriptedPrompts prompts;
    const QString definition = fDir.filePath(QStringLiteral("desk.rom"));
    QVERIFY(SaveRomFile(fState, definition, 12, QStringLiteral("1")).Ok);
    TfrmSetupSheet window(fState, TReportKind::Rom, 12, definition, TPaper::A4);
    const int pages = window.Sheet().PageCount();
    QVERIFY(pages >= 2); // the ROM properties and the screens come first
    QVERIFY(window.findChild<QLabel*>(QStringLiteral("imgPage%1").arg(pages)));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblPages"))->text(),
             QStringLiteral("%1 pages").arg(pages));
    prompts.QueueFileName(fDir.filePath(QStringLiteral("sheet.pdf")));
    QVERIFY(window.SavePdf());
    QCOMPARE(prompts.Dialogs.at(0).FileName, QStringLiteral("desk-setup.pdf"));
    QVERIFY(ReadAll(fDir.filePath(QStringLiteral("sheet.pdf"))).startsWith("%PDF"));
}

QTEST_MAIN(tst_KeyLabels)
#include "tst_keylabels.moc"
