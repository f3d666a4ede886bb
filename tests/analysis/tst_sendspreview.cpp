#include "analysis/SendsPreview.h"

#include <QtTest>

namespace {

TMacroData Macro(const QList<int>& codes)
{
    TMacroData m;
    m.Values.fill(-1);
    for (qsizetype i = 0; i < codes.size(); ++i)
        m.Values[size_t(i)] = codes.at(i);
    return m;
}

} // namespace

class tst_SendsPreview : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void preview_data();
    void preview();
    void settingsFollowTheMode();
};

void tst_SendsPreview::preview_data()
{
    QTest::addColumn<QString>("host"); // "keyboard", "terminal" or "midi"
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hex"); // empty: no bytes listed (keyboard host)
    QTest::addColumn<int>("totalMs"); // with a character pacing of 2 ms

    QTest::newRow("characters, terminal")
        << "terminal" << QList<int>{'P', 'L', 'U', 13} << "PLU<CR>"
        << "50 4C 55 0D" << 6;
    QTest::newRow("control code, keyboard")
        << "keyboard" << QList<int>{3, 13, 9} << "<Ctrl+C><Enter><Tab>"
        << "" << 4;
    QTest::newRow("control code, terminal") << "terminal" << QList<int>{3, 9} << "<ETX><TAB>"
                                            << "03 09" << 2;
    QTest::newRow("HID keys") << "keyboard" << QList<int>{165, 135, 207}
                              << "<F5><Volume Up><KP Enter>"
                              << "" << 4;
    QTest::newRow("delay and beep")
        << "terminal" << QList<int>{'a', 0x1032, 0x2032, 'b'}
        << QString::fromUtf8("a \u23f1200 ms \u266a200 ms b") << "61 62" << 202;
    QTest::newRow("LEDs") << "terminal" << QList<int>{0x4009, 0x400D} << "[green on][red flash]"
                          << "" << 0;
    QTest::newRow("escaped prefix") << "terminal" << QList<int>{0x4040, 'x'} << "@x"
                                    << "40 78" << 2;
    QTest::newRow("MIDI") << "midi" << QList<int>{0x90, 60, 100, 0xFC}
                          << "[Note On C 5 vel 100][Stop]"
                          << "90 3C 64 FC" << 6;
    QTest::newRow("MIDI running status, incomplete")
        << "midi" << QList<int>{0x91, 60, 100, 62, 0x1019, 0xC0}
        << QString::fromUtf8("[Note On C 5 vel 100 ch 2][Note On D 5 vel ? ch 2, incomplete] "
                             "\u23f1100 ms [Program Change ?, incomplete]")
        << "91 3C 64 3E C0" << 108;
    QTest::newRow("nothing to send")
        << "terminal" << QList<int>{0x4018, 300} << "[command 18h][cannot be sent]"
        << "" << 0;
}

void tst_SendsPreview::preview()
{
    QFETCH(QString, host);
    QFETCH(QList<int>, codes);
    QFETCH(QString, text);
    QFETCH(QString, hex);
    QFETCH(int, totalMs);

    TPlaybackSettings s;
    s.KeyboardHost = host == QLatin1String("keyboard");
    s.Midi = host == QLatin1String("midi");
    s.CharacterPacing = 2;
    const TSendsPreview p = PreviewSends(Macro(codes), s);
    QCOMPARE(p.Text, text);
    QCOMPARE(p.Terminal, !s.KeyboardHost);
    QCOMPARE(p.Hex(), hex);
    QCOMPARE(p.TotalMs, totalMs);
    // Every code belongs to exactly one step.
    int covered = 0;
    for (const TSendsStep& step : p.Steps)
        covered += step.Count;
    QCOMPARE(covered, codes.size());
}

void tst_SendsPreview::settingsFollowTheMode()
{
    TAppState state;
    state.KeypadDefinition.SetOpMode(0xB1); // host mode 11, Line Edit Mode
    state.AdvancedParams.HostType = 7;
    state.AdvancedParams.BaudRate = MidiBaudRateCode;
    state.AdvancedParams.OpMode = 1;
    state.AdvancedParams.ScreenEnable = true;
    const TPlaybackSettings user = PlaybackSettings(state, TReportKind::User);
    QVERIFY(user.KeyboardHost && user.LineEdit && !user.Midi);
    const TPlaybackSettings rom = PlaybackSettings(state, TReportKind::Rom);
    QVERIFY(!rom.KeyboardHost && !rom.LineEdit && rom.ScreenMode && rom.Midi);

    // Line Edit Mode uses the first character only: the preview says so.
    TMacroData m = Macro({'a', 'b'});
    QVERIFY(!PreviewSends(m, user).Note.isEmpty());
    m.SendKeyNow = true;
    QVERIFY(PreviewSends(m, user).Note.isEmpty());
}

QTEST_GUILESS_MAIN(tst_SendsPreview)
#include "tst_sendspreview.moc"
