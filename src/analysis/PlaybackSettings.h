#pragma once

#include "model/AppState.h"
#include "report/DefinitionReport.h"

#include <cstdint>

// The device settings that decide what the keypad does with a macro. USER
// Mode keeps them in the keypad definition, ROM Edit Mode in the committed
// ROM properties; the check and the preview read them from here so that both
// modes are judged alike.
struct TPlaybackSettings
{
    TReportKind Kind = TReportKind::User;
    int HostMode = 0;          // the host interface mode as the properties show it
    bool KeyboardHost = false; // a USB HID keyboard mode: the host receives key presses
    bool LineEdit = false;     // Line Edit Mode (and not Automated Screen Mode)
    bool ScreenMode = false;   // Automated Screen Mode (ROM Edit Mode only)
    bool LcdXlate = false;     // the second character of a line-edit macro goes to the LCD
    bool HasAlphaKey = false;  // an Alpha Lock key lets line-edit macros be longer
    uint8_t LEDBehavior = 0;
    uint8_t DevicePrefix = 64;  // the prefix the keypad reads commands by
    uint8_t StoragePrefix = 64; // the prefix the macros are stored with
    int CharacterPacing = 0;    // milliseconds between the bytes sent
    bool Midi = false;          // the serial port runs at the MIDI rate: bytes are MIDI
};

// The MIDI rate's position in the baud rate list ("31.25k").
constexpr uint8_t MidiBaudRateCode = 8;

TPlaybackSettings PlaybackSettings(const TAppState& state, TReportKind kind);

// In Line Edit Mode only the first character of a macro is used (the first
// two with the LCD translation on: the second is shown on the LCD), unless
// the key is transmitted at once or the keypad has an Alpha Lock key. The
// position from which `macro` is ignored, or -1 when all of it counts.
int LineEditIgnoredFrom(const TMacroData& macro, const TPlaybackSettings& settings);
