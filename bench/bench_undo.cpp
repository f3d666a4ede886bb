// What undo costs on a full definition: all 40 levels at the 100-byte room,
// each named and each holding escaped prefixes, so that a new command
// prefix rewrites every macro.
//   build/dev/bench/bench_undo          (add -iterations N for steadier figures)
//
// prefixUndo:               the document's undo and redo of an Apply of the
//                           properties with a new prefix (the largest step: it
//                           rewrites every macro, in the state and the image);
//                           prefixUndoHalves times each half on its own
// prefixUndoInWindow:       Edit > Undo and Edit > Redo of that step in the main
//                           window, with the keypad and grid shown again
// thousandSteps:            memory of a full history (1,000 steps) of swaps of
//                           two full keys, the step that holds most: the bytes
//                           the steps hold, and the process's resident growth
//                           where the system tells it

#include "model/AppState.h"
#include "ui/main/Document.h"
#include "ui/main/Main.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

namespace {

// 25 escaped prefixes (2 bytes each) and 50 letters: 100 bytes, 75 codes.
void FillDefinition(TKeypadClass& d)
{
    for (int key = 0; key < MaxKeys; ++key) {
        d.SetKey(key);
        for (int level = 0; level < MaxLevels; ++level) {
            d.SetLevel(level);
            int32_t position = 0;
            for (int i = 0; i < 75; ++i)
                d.InsertByte(position, i % 3 == 0 ? EscapedPrefixCode : 'a' + (i + key) % 26);
            d.SetMacroName(QStringLiteral("Key %1 level %2 full").arg(key + 1).arg(level + 1));
        }
    }
    d.SetKey(0);
    d.SetLevel(0);
}

// The Apply of the properties with a new prefix, as one step.
bool RecordPrefixChange(TAppState& state, TDocument& document)
{
    if (!state.KeypadDefinition.ChangeCmdPrefix('~').Ok)
        return false;
    TStepInfo info;
    info.Kind = TEditKind::Properties;
    document.RecordEdit(info);
    return document.UndoStack().count() == 1;
}

// The resident size of this process in bytes; 0 where the system does not say.
qint64 ResidentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * 4096 : 0;
}

} // namespace

class bench_Undo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void prefixUndo();
    void prefixUndoHalves();
    void prefixUndoInWindow();
    void thousandSteps();

private:
    QTemporaryDir fFolder; // the window's documents and program folders
};

void bench_Undo::initTestCase()
{
    QDir(fFolder.path()).mkpath(QStringLiteral("documents"));
    QDir(fFolder.path()).mkpath(QStringLiteral("program"));
    qputenv("PADWRIGHT_DOCUMENTS_DIR", (fFolder.path() + "/documents").toLocal8Bit());
    qputenv("PADWRIGHT_PROGRAM_DIR", (fFolder.path() + "/program").toLocal8Bit());
}

void bench_Undo::prefixUndo()
{
    TAppState state;
    FillDefinition(state.KeypadDefinition);
    TDocument document(state);
    QVERIFY(RecordPrefixChange(state, document));
    QUndoStack& stack = document.UndoStack();
    const QString rewritten = state.KeypadDefinition.CodesOf(MaxKeys - 1, 1);
    QBENCHMARK
    {
        stack.undo();
        stack.redo();
    }
    QCOMPARE(state.KeypadDefinition.CodesOf(MaxKeys - 1, 1), rewritten);
}

void bench_Undo::prefixUndoHalves()
{
    TAppState state;
    FillDefinition(state.KeypadDefinition);
    TDocument document(state);
    QVERIFY(RecordPrefixChange(state, document));
    QUndoStack& stack = document.UndoStack();
    QElapsedTimer timer;
    qint64 undoTime = 0;
    qint64 redoTime = 0;
    constexpr int Rounds = 2000;
    for (int i = 0; i < Rounds; ++i) {
        timer.start();
        stack.undo();
        undoTime += timer.nsecsElapsed();
        timer.start();
        stack.redo();
        redoTime += timer.nsecsElapsed();
    }
    qInfo("prefix change: undo %.1f, redo %.1f microseconds", double(undoTime) / Rounds / 1000.0,
          double(redoTime) / Rounds / 1000.0);
}

void bench_Undo::prefixUndoInWindow()
{
    TAppState state;
    TfrmMain window(state);
    window.show();
    FillDefinition(window.KeypadDefinition);
    window.CopyDataToScreen(0);
    window.Document().ResetHistory();
    QVERIFY(window.KeypadDefinition.ChangeCmdPrefix('~').Ok);
    window.RecordDialogApply(TEditKind::Properties);
    auto* undo = window.findChild<QAction*>(QStringLiteral("UndoMenuItem"));
    auto* redo = window.findChild<QAction*>(QStringLiteral("RedoMenuItem"));
    QVERIFY(undo && redo && undo->isEnabled());
    QBENCHMARK
    {
        undo->trigger();
        redo->trigger();
    }
    QCOMPARE(int(window.KeypadDefinition.CmdPrefix()), int('~'));
}

void bench_Undo::thousandSteps()
{
    TAppState state;
    FillDefinition(state.KeypadDefinition);
    TDocument document(state);
    const qint64 residentBefore = ResidentBytes();
    TStepInfo info;
    info.Kind = TEditKind::SwapKeys;
    // More steps than the history keeps: the oldest go.
    for (int i = 0; i < TDocument::UndoLimit + 200; ++i) {
        state.KeypadDefinition.SwapKeys(i % MaxKeys, (i + 7) % MaxKeys);
        document.RecordEdit(info);
    }
    const qint64 residentAfter = ResidentBytes();
    const QUndoStack& stack = document.UndoStack();
    QCOMPARE(stack.count(), TDocument::UndoLimit);
    std::size_t held = 0;
    for (int i = 0; i < stack.count(); ++i) {
        const auto* step = static_cast<const TEditStep*>(stack.command(i));
        held += sizeof(TEditStep) + step->Delta().MemoryUsage() +
                std::size_t(step->text().capacity()) * sizeof(QChar);
    }
    qInfo("1,000 swap steps hold %.2f MB; resident growth %.2f MB", double(held) / 1e6,
          double(residentAfter - residentBefore) / 1e6);
    QVERIFY(held < 10'000'000);
}

QTEST_MAIN(bench_Undo)
#include "bench_undo.moc"
