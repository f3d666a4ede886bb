#include "support/MainFixture.h"

#include "model/AppState.h"
#include "ui/dialogs/MidiEvents.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include <memory>

namespace {

// One dialog on a fresh state, recording the bytes it asks to insert.
struct MidiFixture
{
    TAppState state;
    uint8_t channel = 1;
    TfrmMidiEvents dialog{state, channel};
    QList<int32_t> bytes;

    MidiFixture()
    {
        QObject::connect(&dialog, &TfrmMidiEvents::insertRequested,
                         [this](const QList<int32_t>& message) { bytes << message; });
    }

    template <typename T> T* get(const char* name)
    {
        T* widget = dialog.findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QString panel1() { return get<QLabel>("sbarMiniNoteOnPanel1")->text(); }
    void insert() { QTest::mouseClick(get<QPushButton>("btnInsert"), Qt::LeftButton); }
    // On the indicator: the radio's middle may lie beyond a short caption.
    void choose(const char* radio)
    {
        auto* button = get<QRadioButton>(radio);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        QVERIFY2(button->isChecked(), radio);
    }
};

} // namespace

class TestMidiEvents : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsAsNoteOn();
    void messageKinds_data();
    void messageKinds();
    void noteNames_data();
    void noteNames();
    void firstValueField();
    void channelIsSharedWithMainWindow();
    void choicesPersistAcrossShowings();
    void openingSwitchesToHexView();
    void fullMacroTakesAllOrNothing_data();
    void fullMacroTakesAllOrNothing();
};

void TestMidiEvents::startsAsNoteOn()
{
    MidiFixture f;
    QCOMPARE(f.dialog.windowTitle(), QStringLiteral("Insert MIDI Event"));
    QVERIFY(!f.dialog.isModal());
    QVERIFY(f.get<QRadioButton>("rbNoteOn")->isChecked());
    QCOMPARE(f.get<QLabel>("lblParam1")->text(), QStringLiteral("Key (Note) :"));
    QCOMPARE(f.get<QLabel>("lblParam2")->text(), QStringLiteral("Velocity :"));
    QCOMPARE(f.get<QLabel>("lblMidiChannel")->text(), QStringLiteral("MIDI Channel :"));
    QCOMPARE(f.get<QLabel>("sbarMiniNoteOnPanel0")->text(),
             QStringLiteral("MIDI Data (hexadecimal)"));
    f.dialog.show();
    QCOMPARE(f.get<QLineEdit>("edMidiParam1")->text(), QStringLiteral("C 5"));
    QCOMPARE(f.get<QLineEdit>("edMidiParam2")->text(), QStringLiteral("127"));
    QCOMPARE(f.panel1(), QStringLiteral("90 3C 7F"));
    f.insert();
    QCOMPARE(f.bytes, (QList<int32_t>{0x90, 60, 127}));
    QVERIFY(f.dialog.isVisible()); // Insert leaves it open
}

void TestMidiEvents::messageKinds_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("param1");
    QTest::addColumn<int>("param2");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QList<int32_t>>("inserted");
    QTest::addColumn<QString>("label1");
    QTest::addColumn<QString>("label2");

    using L = QList<int32_t>;
    const QString none;
    QTest::newRow("note on") << "rbNoteOn" << 1 << 60 << 127 << "90 3C 7F" << L{0x90, 60, 127}
                             << "Key (Note #) :"
                             << "Velocity :";
    QTest::newRow("note off, channel 16")
        << "rbNoteOff" << 16 << 0 << 64 << "8F 00 40" << L{0x8F, 0, 64} << "Key (Note #) :"
        << "Velocity :";
    QTest::newRow("poly aftertouch")
        << "rbPolyAftertouch" << 2 << 127 << 5 << "A1 7F 05" << L{0xA1, 127, 5} << "Key (Note #) :"
        << "Pressure :";
    QTest::newRow("mono aftertouch")
        << "rbMonoAftertouch" << 3 << 100 << 9 << "D2 64" << L{0xD2, 100} << "Pressure :" << none;
    QTest::newRow("control change")
        << "rbControlChange" << 4 << 7 << 100 << "B3 07 64" << L{0xB3, 7, 100} << "Controller :"
        << "Value :";
    QTest::newRow("program change, channel 10")
        << "rbProgramChange" << 10 << 5 << 9 << "C9 05" << L{0xC9, 5} << "Patch Number :" << none;
    QTest::newRow("pitch wheel, channel 1")
        << "rbPitchWheel" << 1 << 0 << 64 << "E0 00 40" << L{0xE0, 0, 64} << "LSB :"
        << "MSB :";
    QTest::newRow("pitch wheel, channel 16")
        << "rbPitchWheel" << 16 << 127 << 127 << "EF 7F 7F" << L{0xEF, 127, 127} << "LSB :"
        << "MSB :";
    QTest::newRow("song position")
        << "rbSongPosition" << 9 << 1 << 2 << "F2 01 02" << L{0xF2, 1, 2} << "LSB :"
        << "MSB :";
    QTest::newRow("song select") << "rbSongSelect" << 16 << 3 << 4 << "F3 03" << L{0xF3, 3}
                                 << "Song Number :" << none;
    QTest::newRow("start") << "rbStart" << 5 << 1 << 2 << "FA" << L{0xFA} << none << none;
    QTest::newRow("continue") << "rbContinue" << 5 << 1 << 2 << "FB" << L{0xFB} << none << none;
    QTest::newRow("stop") << "rbStop" << 5 << 1 << 2 << "FC" << L{0xFC} << none << none;
    QTest::newRow("reset") << "rbReset" << 12 << 1 << 2 << "FF" << L{0xFF} << none << none;
}

void TestMidiEvents::messageKinds()
{
    QFETCH(QString, radio);
    QFETCH(int, channel);
    QFETCH(int, param1);
    QFETCH(int, param2);
    QFETCH(QString, shown);
    QFETCH(QList<int32_t>, inserted);
    QFETCH(QString, label1);
    QFETCH(QString, label2);

    MidiFixture f;
    f.dialog.show();
    f.choose(radio.toLatin1().constData());
    f.get<QSlider>("tbMidiChannel")->setValue(channel);
    f.get<QSlider>("tbMidiParam1")->setValue(param1);
    f.get<QSlider>("tbMidiParam2")->setValue(param2);

    QCOMPARE(f.panel1(), shown);
    const int dataBytes = inserted.size() - 1;
    QCOMPARE(f.get<QLabel>("lblParam1")->isVisible(), dataBytes >= 1);
    QCOMPARE(f.get<QSlider>("tbMidiParam1")->isVisible(), dataBytes >= 1);
    QCOMPARE(f.get<QLineEdit>("edMidiParam1")->isVisible(), dataBytes >= 1);
    QCOMPARE(f.get<QLabel>("lblParam2")->isVisible(), dataBytes >= 2);
    QCOMPARE(f.get<QSlider>("tbMidiParam2")->isVisible(), dataBytes >= 2);
    QCOMPARE(f.get<QLineEdit>("edMidiParam2")->isVisible(), dataBytes >= 2);
    if (dataBytes >= 1)
        QCOMPARE(f.get<QLabel>("lblParam1")->text(), label1);
    if (dataBytes >= 2)
        QCOMPARE(f.get<QLabel>("lblParam2")->text(), label2);

    // System messages ignore the channel; its controls are disabled.
    const bool channelMessage = inserted.first() < 0xF0;
    QCOMPARE(f.get<QSlider>("tbMidiChannel")->isEnabled(), channelMessage);
    QCOMPARE(f.get<QLineEdit>("edMidiChannel")->isEnabled(), channelMessage);
    QCOMPARE(f.get<QLabel>("lblMidiChannel")->isEnabled(), channelMessage);

    f.insert();
    QCOMPARE(f.bytes, inserted);
}

void TestMidiEvents::noteNames_data()
{
    QTest::addColumn<int>("note");
    QTest::addColumn<QString>("name");
    QTest::newRow("lowest") << 0 << "C 0";
    QTest::newRow("middle") << 60 << "C 5";
    QTest::newRow("sharp") << 61 << "C#5";
    QTest::newRow("octave boundary") << 71 << "B 5";
    QTest::newRow("highest named") << 119 << "B 9";
    QTest::newRow("first unnamed") << 120 << "---";
    QTest::newRow("top of range") << 127 << "---";
    QTest::newRow("negative") << -1 << "---";
}

void TestMidiEvents::noteNames()
{
    QFETCH(int, note);
    QFETCH(QString, name);
    QCOMPARE(TfrmMidiEvents::NoteToName(note), name);
}

void TestMidiEvents::firstValueField()
{
    MidiFixture f;
    f.dialog.show();
    auto* slider = f.get<QSlider>("tbMidiParam1");
    auto* field = f.get<QLineEdit>("edMidiParam1");

    for (const char* radio : {"rbNoteOn", "rbNoteOff", "rbPolyAftertouch"}) {
        f.choose(radio);
        slider->setValue(61);
        QCOMPARE(field->text(), QStringLiteral("C#5"));
    }

    // An unnamed key still goes in as its number.
    slider->setValue(125);
    QCOMPARE(field->text(), QStringLiteral("---"));
    f.insert();
    QCOMPARE(f.bytes.value(1), 125);

    // Other kinds show the plain number, and switching back shows the name again.
    f.choose("rbControlChange");
    QCOMPARE(field->text(), QStringLiteral("125"));
    f.choose("rbNoteOn");
    QCOMPARE(field->text(), QStringLiteral("---"));

    f.get<QSlider>("tbMidiParam2")->setValue(33);
    QCOMPARE(f.get<QLineEdit>("edMidiParam2")->text(), QStringLiteral("33"));
}

void TestMidiEvents::channelIsSharedWithMainWindow()
{
    MidiFixture f;
    auto* slider = f.get<QSlider>("tbMidiChannel");
    auto* field = f.get<QLineEdit>("edMidiChannel");

    f.channel = 7;
    f.dialog.show();
    QCOMPARE(slider->value(), 7);
    QCOMPARE(field->text(), QStringLiteral("7"));
    QCOMPARE(f.panel1(), QStringLiteral("96 3C 7F"));

    // Every change goes straight back to the main window's channel.
    slider->setValue(12);
    QCOMPARE(int(f.channel), 12);
    QCOMPARE(field->text(), QStringLiteral("12"));
    QTest::keyClick(slider, Qt::Key_PageUp); // page step 4
    QCOMPARE(int(f.channel), 16);
    f.dialog.close();
    QCOMPARE(int(f.channel), 16);

    // Reloaded from the main window each time it is shown.
    f.channel = 3;
    f.dialog.show();
    QCOMPARE(slider->value(), 3);
    QCOMPARE(field->text(), QStringLiteral("3"));
    QCOMPARE(f.panel1(), QStringLiteral("92 3C 7F"));
    f.dialog.hide();

    // A channel the main window should never hold is taken as channel 1.
    f.channel = 0;
    f.dialog.show();
    QCOMPARE(slider->value(), 1);
    QCOMPARE(int(f.channel), 1);
    QCOMPARE(field->text(), QStringLiteral("1"));
    f.dialog.hide();
    f.channel = 200;
    f.dialog.show();
    QCOMPARE(int(f.channel), 1);
    QCOMPARE(f.panel1(), QStringLiteral("90 3C 7F"));
}

void TestMidiEvents::choicesPersistAcrossShowings()
{
    MidiFixture f;
    f.dialog.show();
    f.choose("rbProgramChange");
    f.get<QSlider>("tbMidiParam1")->setValue(5);
    f.get<QSlider>("tbMidiParam2")->setValue(9);
    f.dialog.close();

    f.dialog.show();
    QVERIFY(f.get<QRadioButton>("rbProgramChange")->isChecked());
    QCOMPARE(f.get<QLabel>("lblParam1")->text(), QStringLiteral("Patch Number :"));
    QCOMPARE(f.get<QSlider>("tbMidiParam1")->value(), 5);
    QCOMPARE(f.get<QSlider>("tbMidiParam2")->value(), 9);
    QVERIFY(!f.get<QSlider>("tbMidiParam2")->isVisible());
    QCOMPARE(f.panel1(), QStringLiteral("C0 05"));
}

void TestMidiEvents::openingSwitchesToHexView()
{
    MidiFixture f;
    QSignalSpy viewChanged(&f.dialog, &TfrmMidiEvents::viewChanged);
    QVERIFY(!f.state.KeypadDefinition.bViewInHex);
    f.dialog.show();
    QVERIFY(f.state.KeypadDefinition.bViewInHex);
    QCOMPARE(viewChanged.count(), 1);

    // The user went back to the ASCII view meanwhile: opening again switches again.
    f.dialog.hide();
    f.state.KeypadDefinition.bViewInHex = false;
    f.dialog.show();
    QVERIFY(f.state.KeypadDefinition.bViewInHex);
    QCOMPARE(viewChanged.count(), 2);
}

void TestMidiEvents::fullMacroTakesAllOrNothing_data()
{
    QTest::addColumn<int>("used"); // bytes of the macro before Insert
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("fits");
    // A Note On is three bytes; a data byte equal to the command prefix (64)
    // goes in escaped, one byte more.
    QTest::newRow("room for all three") << 97 << 60 << true;
    QTest::newRow("room for the status byte only") << 99 << 60 << false;
    QTest::newRow("room for two") << 98 << 60 << false;
    QTest::newRow("no room for the escaped prefix") << 97 << 64 << false;
    QTest::newRow("room for the escaped prefix") << 96 << 64 << true;
}

void TestMidiEvents::fullMacroTakesAllOrNothing()
{
    QFETCH(int, used);
    QFETCH(int, key);
    QFETCH(bool, fits);

    // Half a message would corrupt what the keypad sends: the whole message
    // goes in, or nothing and one "Macro Full!".
    TMainFixture f;
    TfrmMain& w = f.CreateWithWindows();
    TKeypadClass& keypad = w.KeypadDefinition;
    int32_t cursor = 0;
    for (int i = 0; i < used; ++i)
        QVERIFY(keypad.InsertByte(cursor, 'x'));
    w.CopyDataToScreen(used);
    TfrmMidiEvents& midi = f.Windows->MidiEvents();
    TriggerAction(w, "InsertMIDIMessage1");
    midi.findChild<QSlider*>(QStringLiteral("tbMidiParam1"))->setValue(key);
    QTest::mouseClick(midi.findChild<QPushButton*>(QStringLiteral("btnInsert")), Qt::LeftButton);

    QList<int32_t> codes(used, 'x');
    if (fits)
        codes << 0x90 << (key == 64 ? 0x4040 : key) << 127;
    QCOMPARE(MacroCodes(keypad), codes);
    QCOMPARE(f.Prompts.TextsOf("error"), fits ? QStringList() : QStringList{"Macro Full!"});
    QCOMPARE(w.IsChangesPending(), fits);
}

QTEST_MAIN(TestMidiEvents)
#include "tst_midievents.moc"
