#pragma once

#include <QList>
#include <QString>

#include <cstdint>

// The bytes of a macro read as MIDI 1.0 messages, the way a MIDI receiver
// reads them off the line: a status byte and its data bytes, running status
// for channel messages, real-time bytes anywhere.

// One byte the keypad sends, with the position of the code that sends it.
struct TSentByte
{
    int Position = 0;
    uint8_t Value = 0;
};

struct TMidiMessage
{
    int First = 0;        // position of the first code of the message
    int Last = 0;         // position of its last code
    int Status = -1;      // the status byte in force; -1 for data bytes with none
    bool Running = false; // the status byte was not sent again (running status)
    QList<uint8_t> Data;
    bool Complete = false;
    int DataNeeded = 0; // data bytes the status takes; -1 for System Exclusive

    QString Text() const; // "Note On C 5 vel 100", "Stop", "data 3Ch"
};

// Data bytes a status byte takes: 0, 1 or 2; -1 for System Exclusive.
int MidiDataCount(uint8_t status);
// The MIDI event dialog's note name: "C 5" for 60, "---" outside 0..119.
QString MidiNoteName(int note);
// `bytes` in sending order, as messages in order of their first byte.
QList<TMidiMessage> ReadMidiMessages(const QList<TSentByte>& bytes);
