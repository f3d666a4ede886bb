#pragma once

#include "analysis/PlaybackSettings.h"

#include <QByteArray>
#include <QList>
#include <QString>

// What the host receives when a key is pressed: the macro's codes as the
// host sees them in the definition's host mode. In a USB HID keyboard mode
// the host gets key presses (a control code 3 is Ctrl+C); in the serial host
// modes it gets bytes (the same code is the character ETX), and the preview
// also lists those bytes in hexadecimal. Delays, beeps and LED commands are
// carried out by the keypad itself and send nothing.

enum class TSendsKind
{
    Character, // a character the host receives as text
    Key,       // a key or control character, in angle brackets
    Delay,
    Beep,
    Led,
    Command,   // a command byte without a meaning
    Midi,      // one MIDI message (MIDI rate only)
    Unsendable // a code above 255, which has no one-byte form
};

struct TSendsStep
{
    int Position = 0; // the code the step starts at
    int Count = 1;    // codes it stands for (a MIDI message spans several)
    TSendsKind Kind = TSendsKind::Character;
    QString Text; // "a", "<Ctrl+C>", "⏱200 ms", "[green on]", "[Note On C 5 vel 100]"
};

struct TSendsPreview
{
    QList<TSendsStep> Steps; // in macro order
    QString Text;            // the steps in one line
    bool Terminal = false;   // a serial host mode: Bytes is what goes over the line
    QByteArray Bytes;        // the bytes the host receives, in a serial host mode
    int TotalMs = 0;         // the delays plus the character pacing between the bytes
    QString Note;            // what Line Edit Mode does to the macro; empty otherwise

    QString Hex() const; // Bytes as "50 4C 0D"
};

TSendsPreview PreviewSends(const TMacroData& macro, const TPlaybackSettings& settings);

// The name a key code of 128 to 207 stands for ("Volume Up", "F5"); empty
// for the codes without one.
QString KeyCodeName(int code);
