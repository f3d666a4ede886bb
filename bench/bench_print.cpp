// How long printing takes, in-process: the key labels of 20 keys and the
// setup sheet of a full definition, each written as a PDF into a temp folder.
//   QT_QPA_PLATFORM=offscreen build/release/bench/bench_print   (add -iterations N)

#include "print/LabelRenderer.h"
#include "print/SetupSheet.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// A typical till keypad: every key named on both levels, a short macro each.
void FillTypical(TKeypadClass& d)
{
    for (int key = 0; key < MaxKeys; ++key) {
        d.SetKey(key);
        d.SetKeytype(key == 19 ? ktShift : ktNormal);
        for (int level = 0; level < MaxLevels; ++level) {
            d.SetLevel(level);
            int32_t at = 0;
            for (QChar c : QStringLiteral("PLU %1%2").arg(key + 1).arg(level + 1))
                d.InsertByte(at, c.unicode());
            d.InsertByte(at, 13);
            d.InsertByte(at, DelayFlag + 50);
            d.SetMacroName(QStringLiteral("Item %1 on level %2").arg(key + 1).arg(level + 1));
        }
    }
}

} // namespace

class bench_Print : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void labelsPdf();
    void setupSheetPdf();

private:
    QTemporaryDir fDir;
    TAppState fState;
};

void bench_Print::initTestCase()
{
    QVERIFY(fDir.isValid());
    FillTypical(fState.KeypadDefinition);
}

void bench_Print::labelsPdf()
{
    const QString path = fDir.filePath(QStringLiteral("labels.pdf"));
    QBENCHMARK
    {
        const TDefinitionReport report = MakeDefinitionReport(fState, TReportKind::User, 20);
        TLabelRenderer labels(TKeyLabelSettings(), 20, KeyLabelTexts(report, {}),
                              QStringLiteral("bench.ckd"));
        QVERIFY(PrintOutput::WritePdf(labels, path, QStringLiteral("labels")).Ok);
    }
}

void bench_Print::setupSheetPdf()
{
    const QString path = fDir.filePath(QStringLiteral("sheet.pdf"));
    TSetupSheetInfo info;
    info.FileName = QStringLiteral("bench.ckd");
    info.Printed = QDateTime::currentDateTime();
    QBENCHMARK
    {
        TSetupSheet sheet(MakeDefinitionReport(fState, TReportKind::User, 20), info);
        QVERIFY(PrintOutput::WritePdf(sheet, path, QStringLiteral("sheet")).Ok);
    }
}

QTEST_MAIN(bench_Print)
#include "bench_print.moc"
