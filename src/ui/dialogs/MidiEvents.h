#pragma once

#include <QDialog>

#include <array>
#include <cstdint>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QStatusBar;
class TAppState;

// Builds one MIDI message (kind, channel, up to two data values), shows its
// bytes and inserts them into the macro being edited. Modeless: it stays open
// beside the main window, and Insert always acts on the main window's current
// key, level and cursor. The close box only hides it.
class TfrmMidiEvents : public QDialog
{
    Q_OBJECT

public:
    // midiChannel is the main window's MidiChannel (1..16): read each time the
    // dialog is shown, written on every change of the channel slider.
    TfrmMidiEvents(TAppState& state, uint8_t& midiChannel, QWidget* parent = nullptr);

    // The name of a note number: "C 5" for 60, "---" outside 0..119.
    static QString NoteToName(int note);

    // Status byte of the current kind on the current channel.
    uint8_t StatusByte() const;
    // The message as it stands, e.g. "90 3C 7F".
    QString MessageText() const;
    // Its bytes, status first.
    QList<int32_t> MessageBytes() const;

    uint8_t MidiCommand = 0x90;
    bool bParam1Enabled = true;
    bool bParam2Enabled = true;

    void UpdateMidiDisplay();

Q_SIGNALS:
    // Insert was pressed: the message's bytes are to go into the macro at
    // the grid cursor, all of them or, without room for all, none.
    void insertRequested(const QList<int32_t>& bytes);
    // Emitted each time the dialog is opened, after the definition has been
    // switched to the hex view, so that the grid can redraw.
    void viewChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QGroupBox* buildKindGroup();
    QGroupBox* buildValuesGroup();
    void buildStatusBar();
    void rbMidiKindClick(int kind);
    void tbMidiChannelChange(int position);
    void btnInsertClick();

    TAppState& fState;
    uint8_t& fMidiChannel;
    int fKind = 0; // index into the kind table; Note On at start

    std::array<QRadioButton*, 13> fKindRadios{};
    QButtonGroup* fKindGroup = nullptr;
    QLabel* lblMidiChannel = nullptr;
    QSlider* tbMidiChannel = nullptr;
    QLineEdit* edMidiChannel = nullptr;
    QLabel* lblParam1 = nullptr;
    QSlider* tbMidiParam1 = nullptr;
    QLineEdit* edMidiParam1 = nullptr;
    QLabel* lblParam2 = nullptr;
    QSlider* tbMidiParam2 = nullptr;
    QLineEdit* edMidiParam2 = nullptr;
    QPushButton* btnInsert = nullptr;
    QStatusBar* sbarMiniNoteOn = nullptr;
    QLabel* fStatusPanel0 = nullptr;
    QLabel* fStatusPanel1 = nullptr;
};
