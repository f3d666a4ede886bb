// How long the "what the keypad sends" preview takes. The pane recomputes it
// for the current key and level on every edit; the dump does all 40 levels.
//   build/dev/bench/bench_sendspreview          (add -iterations N for steadier figures)
//
// oneFullLevel:      one level of 100 plain codes, what one edit costs at most
// definition1000:    all 40 levels of a definition with 1,000 steps in all
//                    (25 each: characters, keys, control codes, delays, beeps, LEDs)
// definitionFull:    all 40 levels full with 100 plain codes each (4,000 steps)

#include "analysis/SendsPreview.h"

#include <QtTest>

namespace {

// 25 codes of every kind the preview names.
const int32_t Mixed[25] = {'P',  'L',    'U', ' ',    '1',    '0',    '0',    '1', 13,
                           3,    165,    135, 0x1032, 0x2019, 0x4009, 0x400B, 'a', 'b',
                           0xE9, 0x4040, 9,   27,     207,    0x1001, 'z'};

TAppState Definition(int codesPerLevel, bool mixed)
{
    TAppState state;
    TKeypadClass& d = state.KeypadDefinition;
    for (int key = 0; key < MaxKeys; ++key) {
        d.SetKey(key);
        for (int level = 0; level < MaxLevels; ++level) {
            d.SetLevel(level);
            int32_t position = 0;
            for (int i = 0; i < codesPerLevel; ++i)
                d.InsertByte(position, mixed ? Mixed[i % 25] : 'a' + (i + key) % 26);
        }
    }
    return state;
}

int PreviewAll(const TAppState& state, const TPlaybackSettings& settings)
{
    int steps = 0;
    for (int key = 0; key < MaxKeys; ++key)
        for (int level = 0; level < MaxLevels; ++level)
            steps += int(
                PreviewSends(state.KeypadDefinition.MacroAt(key, level), settings).Steps.size());
    return steps;
}

} // namespace

class bench_SendsPreview : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneFullLevel();
    void definition1000_data();
    void definition1000();
    void definitionFull();
};

void bench_SendsPreview::oneFullLevel()
{
    const TAppState state = Definition(100, false);
    const TPlaybackSettings settings = PlaybackSettings(state, TReportKind::User);
    int steps = 0;
    QBENCHMARK
    {
        steps = int(PreviewSends(state.KeypadDefinition.MacroAt(0, 0), settings).Steps.size());
    }
    QCOMPARE(steps, 100);
}

void bench_SendsPreview::definition1000_data()
{
    QTest::addColumn<uint8_t>("opMode");
    QTest::newRow("serial host") << uint8_t(0x00);
    QTest::newRow("keyboard host") << uint8_t(0x30);
}

void bench_SendsPreview::definition1000()
{
    QFETCH(uint8_t, opMode);
    TAppState state = Definition(25, true);
    state.KeypadDefinition.SetOpMode(opMode);
    const TPlaybackSettings settings = PlaybackSettings(state, TReportKind::User);
    int steps = 0;
    QBENCHMARK
    {
        steps = PreviewAll(state, settings);
    }
    QCOMPARE(steps, 1000);
}

void bench_SendsPreview::definitionFull()
{
    const TAppState state = Definition(100, false);
    const TPlaybackSettings settings = PlaybackSettings(state, TReportKind::User);
    int steps = 0;
    QBENCHMARK
    {
        steps = PreviewAll(state, settings);
    }
    QCOMPARE(steps, 4000);
}

QTEST_GUILESS_MAIN(bench_SendsPreview)
#include "bench_sendspreview.moc"
