#include "analysis/PlaybackSettings.h"

#include "model/Encodings.h"

TPlaybackSettings PlaybackSettings(const TAppState& state, TReportKind kind)
{
    TPlaybackSettings s;
    s.Kind = kind;
    const TKeypadClass& d = state.KeypadDefinition;
    // The macros are written and read with the keypad definition's prefix in
    // both modes; in ROM Edit Mode the keypad's own prefix is a ROM parameter.
    s.StoragePrefix = d.CmdPrefix();
    uint8_t baudRate = 0;
    if (kind == TReportKind::User) {
        s.HostMode = Encodings::UserHostMode(d.OpMode());
        s.LineEdit = d.OpMode() & Encodings::OpModeLineEditBit;
        s.LEDBehavior = d.LEDBehavior();
        s.DevicePrefix = d.CmdPrefix();
        s.CharacterPacing = d.CharacterPacing();
        baudRate = d.BaudRate();
    } else {
        const TAdvancedParams& a = state.AdvancedParams;
        s.HostMode = Encodings::ShownHostMode(a.HostType);
        // Automated Screen Mode overrides the Line Edit bit, which keeps its value.
        s.ScreenMode = a.ScreenEnable;
        s.LineEdit = !a.ScreenEnable && (a.OpMode & Encodings::OpModeLineEditBit);
        s.LcdXlate = Encodings::LcdXlateOn(a.LcdXlate);
        s.LEDBehavior = a.LEDBehavior;
        s.DevicePrefix = a.CmdPrefix;
        s.CharacterPacing = a.CharacterPacing;
        baudRate = a.BaudRate;
    }
    for (int key = 0; key < MaxKeys; ++key)
        s.HasAlphaKey = s.HasAlphaKey || d.KeyTypeAt(key) == ktAlpha;
    s.KeyboardHost = Encodings::IsHidHost(s.HostMode);
    // A keypad that talks MIDI runs its serial port at the MIDI rate; a
    // keyboard host mode has no serial line at all.
    s.Midi = !s.KeyboardHost && baudRate == MidiBaudRateCode;
    return s;
}

int LineEditIgnoredFrom(const TMacroData& macro, const TPlaybackSettings& settings)
{
    if (!settings.LineEdit || macro.SendKeyNow || settings.HasAlphaKey)
        return -1;
    const int kept = settings.LcdXlate ? 2 : 1;
    return ElementCount(macro) > kept ? kept : -1;
}
