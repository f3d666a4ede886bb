#include "ui/dialogs/MidiEvents.h"

#include "model/AppState.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSlider>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

struct MidiKind
{
    const char* control;
    const char* caption;
    uint8_t command; // status byte, channel nibble 0 for channel messages
    int dataBytes;   // 0, 1 or 2
    const char* label1;
    const char* label2;
    bool noteNames; // the first value is a key: show it as a note name
};

// The message kinds in the order of their radios. The first seven are channel
// messages, the rest system messages.
constexpr std::array<MidiKind, 13> Kinds{{
    {"rbNoteOn", QT_TRANSLATE_NOOP("TfrmMidiEvents", "Note On"), 0x90, 2,
     QT_TRANSLATE_NOOP("TfrmMidiEvents", "Key (Note #) :"),
     QT_TRANSLATE_NOOP("TfrmMidiEvents", "Velocity :"), true},
    {"rbNoteOff", QT_TRANSLATE_NOOP("TfrmMidiEvents", "Note Off"), 0x80, 2,
     QT_TRANSLATE_NOOP("TfrmMidiEvents", "Key (Note #) :"),
     QT_TRANSLATE_NOOP("TfrmMidiEvents", "Velocity :"), true},
    {"rbPolyAftertouch", QT_TRANSLATE_NOOP("TfrmMidiEvents", "Poly Aftertouch"), 0xA0, 2,
     QT_TRANSLATE_NOOP("TfrmMidiEvents", "Key (Note #) :"),
     QT_TRANSLATE_NOOP("TfrmMidiEvents", "Pressure :"), true},
    {"rbMonoAftertouch", QT_TRANSLATE_NOOP("TfrmMidiEvents", "Mono Aftertouch"), 0xD0, 1,
     QT_TRANSLATE_NOOP("TfrmMidiEvents", "Pressure :"), "", false},
    {"rbControlChange", QT_TRANSLATE_NOOP("TfrmMidiEvents", "Control Change"), 0xB0, 2,
     QT_TRANSLATE_NOOP("TfrmMidiEvents", "Controller :"),
     QT_TRANSLATE_NOOP("TfrmMidiEvents", "Value :"), false},
    {"rbProgramChange", QT_TRANSLATE_NOOP("TfrmMidiEvents", "Program Change"), 0xC0, 1,
     QT_TRANSLATE_NOOP("TfrmMidiEvents", "Patch Number :"), "", false},
    {"rbPitchWheel", QT_TRANSLATE_NOOP("TfrmMidiEvents", "Pitch Wheel"), 0xE0, 2,
     QT_TRANSLATE_NOOP("TfrmMidiEvents", "LSB :"), QT_TRANSLATE_NOOP("TfrmMidiEvents", "MSB :"),
     false},
    {"rbSongPosition", QT_TRANSLATE_NOOP("TfrmMidiEvents", "Song Position"), 0xF2, 2,
     QT_TRANSLATE_NOOP("TfrmMidiEvents", "LSB :"), QT_TRANSLATE_NOOP("TfrmMidiEvents", "MSB :"),
     false},
    {"rbSongSelect", QT_TRANSLATE_NOOP("TfrmMidiEvents", "Song Select"), 0xF3, 1,
     QT_TRANSLATE_NOOP("TfrmMidiEvents", "Song Number :"), "", false},
    {"rbStart", QT_TRANSLATE_NOOP("TfrmMidiEvents", "Start"), 0xFA, 0, "", "", false},
    {"rbContinue", QT_TRANSLATE_NOOP("TfrmMidiEvents", "Continue"), 0xFB, 0, "", "", false},
    {"rbStop", QT_TRANSLATE_NOOP("TfrmMidiEvents", "Stop"), 0xFC, 0, "", "", false},
    {"rbReset", QT_TRANSLATE_NOOP("TfrmMidiEvents", "Reset"), 0xFF, 0, "", "", false},
}};
constexpr int FirstSystemKind = 7; // Song Position
constexpr int ResetKind = 12;

constexpr uint8_t SystemMessage = 0xF0;

QString hexByte(int value)
{
    return QStringLiteral("%1").arg(value & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

QFrame* separator(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QSlider* makeSlider(const char* name, int minimum, int maximum, int pageStep, int tickInterval,
                    int position, QWidget* parent)
{
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(QLatin1String(name));
    slider->setRange(minimum, maximum);
    slider->setPageStep(pageStep);
    slider->setSingleStep(1);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(tickInterval);
    slider->setValue(position);
    slider->setMinimumWidth(260);
    return slider;
}

QLineEdit* makeValueField(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setAlignment(Qt::AlignCenter);
    edit->setFixedWidth(QFontMetrics(edit->font()).horizontalAdvance(QStringLiteral("C#10")) + 18);
    return edit;
}

// Hidden parameter rows keep their room, so the window does not jump about
// when the kind changes.
void keepRoomWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

TfrmMidiEvents::TfrmMidiEvents(TAppState& state, uint8_t& midiChannel, QWidget* parent)
    : QDialog(parent), fState(state), fMidiChannel(midiChannel)
{
    setObjectName(QStringLiteral("frmMidiEvents"));
    setWindowTitle(tr("Insert MIDI Event"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);

    QGroupBox* gboxType = buildKindGroup();
    QGroupBox* gboxValues = buildValuesGroup();
    buildStatusBar();

    auto* body = new QHBoxLayout;
    body->setSpacing(10);
    body->addWidget(gboxType);
    body->addWidget(gboxValues, 1);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 10, 10, 0);
    outer->setSpacing(8);
    outer->addLayout(body, 1);
    outer->addWidget(sbarMiniNoteOn);

    UpdateMidiDisplay();
    setFixedSize(sizeHint());
}

// Event kinds.
QGroupBox* TfrmMidiEvents::buildKindGroup()
{
    auto* gboxType = new QGroupBox(tr("MIDI Event Type"), this);
    gboxType->setObjectName(QStringLiteral("gboxMidiEventType"));
    auto* typeLayout = new QVBoxLayout(gboxType);
    typeLayout->setSpacing(4);
    fKindGroup = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(Kinds.size()); ++i) {
        if (i == FirstSystemKind || i == ResetKind) {
            typeLayout->addSpacing(2);
            typeLayout->addWidget(separator(gboxType));
            typeLayout->addSpacing(2);
        }
        auto* radio = new QRadioButton(tr(Kinds[i].caption), gboxType);
        radio->setObjectName(QLatin1String(Kinds[i].control));
        fKindGroup->addButton(radio, i);
        typeLayout->addWidget(radio);
        fKindRadios[i] = radio;
    }
    typeLayout->addStretch(1);
    fKindRadios[0]->setChecked(true);
    connect(fKindGroup, &QButtonGroup::idClicked, this, &TfrmMidiEvents::rbMidiKindClick);
    return gboxType;
}

// Channel and data values, and the Insert button below them.
QGroupBox* TfrmMidiEvents::buildValuesGroup()
{
    auto* gboxValues = new QGroupBox(tr("MIDI Event Values"), this);
    gboxValues->setObjectName(QStringLiteral("gboxMidiEventValues"));
    auto* values = new QGridLayout(gboxValues);
    values->setHorizontalSpacing(12);
    values->setVerticalSpacing(4);
    values->setContentsMargins(14, 12, 14, 12);

    lblMidiChannel = new QLabel(tr("MIDI Channel :"), gboxValues);
    lblMidiChannel->setObjectName(QStringLiteral("lblMidiChannel"));
    tbMidiChannel = makeSlider("tbMidiChannel", 1, 16, 4, 1, 1, gboxValues);
    edMidiChannel = makeValueField("edMidiChannel", gboxValues);

    lblParam1 = new QLabel(tr("Key (Note) :"), gboxValues);
    lblParam1->setObjectName(QStringLiteral("lblParam1"));
    tbMidiParam1 = makeSlider("tbMidiParam1", 0, 127, 12, 4, 60, gboxValues);
    edMidiParam1 = makeValueField("edMidiParam1", gboxValues);

    lblParam2 = new QLabel(tr("Velocity :"), gboxValues);
    lblParam2->setObjectName(QStringLiteral("lblParam2"));
    tbMidiParam2 = makeSlider("tbMidiParam2", 0, 127, 16, 4, 127, gboxValues);
    edMidiParam2 = makeValueField("edMidiParam2", gboxValues);

    // Each value: its label, and below it the slider with the value beside it.
    const std::array<std::array<QWidget*, 3>, 3> rows{{
        {lblMidiChannel, tbMidiChannel, edMidiChannel},
        {lblParam1, tbMidiParam1, edMidiParam1},
        {lblParam2, tbMidiParam2, edMidiParam2},
    }};
    for (int r = 0; r < 3; ++r) {
        for (QWidget* widget : rows[r])
            keepRoomWhenHidden(widget);
        values->addWidget(rows[r][0], 3 * r, 0, 1, 2);
        values->addWidget(rows[r][1], 3 * r + 1, 0);
        values->addWidget(rows[r][2], 3 * r + 1, 1);
        if (r < 2)
            values->setRowMinimumHeight(3 * r + 2, 24);
    }
    values->setColumnStretch(0, 1);
    values->setRowStretch(8, 1);

    btnInsert = new QPushButton(tr("Insert"), gboxValues);
    btnInsert->setObjectName(QStringLiteral("btnInsert"));
    // Enter elsewhere in the window must not insert by surprise.
    btnInsert->setAutoDefault(false);
    btnInsert->setMinimumWidth(96);
    values->addWidget(btnInsert, 9, 0, 1, 2, Qt::AlignRight);

    connect(tbMidiChannel, &QSlider::valueChanged, this, &TfrmMidiEvents::tbMidiChannelChange);
    connect(tbMidiParam1, &QSlider::valueChanged, this, [this] { UpdateMidiDisplay(); });
    connect(tbMidiParam2, &QSlider::valueChanged, this, [this] { UpdateMidiDisplay(); });
    connect(btnInsert, &QPushButton::clicked, this, &TfrmMidiEvents::btnInsertClick);
    return gboxValues;
}

// Status line: what Insert will put into the macro.
void TfrmMidiEvents::buildStatusBar()
{
    sbarMiniNoteOn = new QStatusBar(this);
    sbarMiniNoteOn->setObjectName(QStringLiteral("sbarMiniNoteOn"));
    sbarMiniNoteOn->setSizeGripEnabled(false);
    fStatusPanel0 = new QLabel(tr("MIDI Data (hexadecimal)"), sbarMiniNoteOn);
    fStatusPanel0->setObjectName(QStringLiteral("sbarMiniNoteOnPanel0"));
    fStatusPanel1 = new QLabel(sbarMiniNoteOn);
    fStatusPanel1->setObjectName(QStringLiteral("sbarMiniNoteOnPanel1"));
    fStatusPanel1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    for (QLabel* panel : {fStatusPanel0, fStatusPanel1}) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setContentsMargins(4, 1, 4, 1);
    }
    sbarMiniNoteOn->addWidget(fStatusPanel0);
    sbarMiniNoteOn->addWidget(fStatusPanel1, 1);
}

QString TfrmMidiEvents::NoteToName(int note)
{
    static const char* const Pitches[12] = {"C ", "C#", "D ", "D#", "E ", "F ",
                                            "F#", "G ", "G#", "A ", "A#", "B "};
    if (note < 0 || note > 119)
        return QStringLiteral("---");
    return QLatin1String(Pitches[note % 12]) + QString::number(note / 12);
}

uint8_t TfrmMidiEvents::StatusByte() const
{
    if (MidiCommand >= SystemMessage)
        return MidiCommand;
    return static_cast<uint8_t>(MidiCommand + tbMidiChannel->value() - 1);
}

QString TfrmMidiEvents::MessageText() const
{
    QStringList bytes;
    for (const int32_t byte : MessageBytes())
        bytes << hexByte(byte);
    return bytes.join(QLatin1Char(' '));
}

void TfrmMidiEvents::UpdateMidiDisplay()
{
    const bool channelMessage = MidiCommand < SystemMessage;
    lblMidiChannel->setEnabled(channelMessage);
    tbMidiChannel->setEnabled(channelMessage);
    edMidiChannel->setEnabled(channelMessage);

    edMidiChannel->setText(QString::number(fMidiChannel));
    edMidiParam1->setText(Kinds[fKind].noteNames ? NoteToName(tbMidiParam1->value())
                                                 : QString::number(tbMidiParam1->value()));
    edMidiParam2->setText(QString::number(tbMidiParam2->value()));

    lblParam1->setVisible(bParam1Enabled);
    tbMidiParam1->setVisible(bParam1Enabled);
    edMidiParam1->setVisible(bParam1Enabled);
    lblParam2->setVisible(bParam2Enabled);
    tbMidiParam2->setVisible(bParam2Enabled);
    edMidiParam2->setVisible(bParam2Enabled);

    fStatusPanel1->setText(MessageText());
}

void TfrmMidiEvents::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return; // restored from the task bar, not opened

    // A held channel outside 1..16 is taken as channel 1, as the settings file does.
    if (fMidiChannel < 1 || fMidiChannel > 16)
        fMidiChannel = 1;
    tbMidiChannel->setValue(fMidiChannel);
    UpdateMidiDisplay();

    // MIDI bytes are easier to read as hex: the grid switches when the dialog opens.
    fState.KeypadDefinition.bViewInHex = true;
    Q_EMIT viewChanged();
}

void TfrmMidiEvents::rbMidiKindClick(int kind)
{
    if (kind < 0 || kind >= static_cast<int>(Kinds.size()))
        return;
    const MidiKind& k = Kinds[kind];
    fKind = kind;
    MidiCommand = k.command;
    bParam1Enabled = k.dataBytes >= 1;
    bParam2Enabled = k.dataBytes >= 2;
    lblParam1->setText(tr(k.label1));
    lblParam2->setText(tr(k.label2));
    UpdateMidiDisplay();
}

void TfrmMidiEvents::tbMidiChannelChange(int position)
{
    fMidiChannel = static_cast<uint8_t>(position);
    UpdateMidiDisplay();
}

QList<int32_t> TfrmMidiEvents::MessageBytes() const
{
    QList<int32_t> bytes{StatusByte()};
    if (bParam1Enabled)
        bytes << tbMidiParam1->value();
    if (bParam2Enabled)
        bytes << tbMidiParam2->value();
    return bytes;
}

void TfrmMidiEvents::btnInsertClick()
{
    Q_EMIT insertRequested(MessageBytes());
}
