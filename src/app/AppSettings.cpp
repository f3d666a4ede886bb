#include "app/AppSettings.h"

#include "files/IniFile.h"

#include <QFileInfo>

namespace {

const QString Section = QStringLiteral("CONFIGURATION");

TIniFile load(const QString& path)
{
    TIniFile ini;
    ini.Load(path); // a missing file reads as empty: every value its default
    return ini;
}

// Updates one key, keeping the rest of the file; false when the file is
// there but unreadable, or cannot be written.
bool writeInteger(const QString& path, const QString& key, int32_t value)
{
    TIniFile ini;
    if (!ini.Load(path) && QFileInfo::exists(path))
        return false;
    ini.WriteInteger(Section, key, value);
    return ini.Save(path);
}

} // namespace

TAppSettingsValues TAppSettings::Read() const
{
    const TIniFile ini = load(fPath);
    TAppSettingsValues values;
    values.KeypadLayout = ini.ReadInteger(Section, QStringLiteral("Keypad_Layout"), 2);
    if (values.KeypadLayout != 1 && values.KeypadLayout != 2)
        values.KeypadLayout = 2;
    values.AdvancedEnable = ini.ReadBool(Section, QStringLiteral("Advanced_Enable"), false);
    // The channel is held in one byte: only the low eight bits of the value count.
    values.MidiChannel =
        static_cast<uint8_t>(ini.ReadInteger(Section, QStringLiteral("MIDI_Channel"), 1));
    if (values.MidiChannel == 0 || values.MidiChannel > 16)
        values.MidiChannel = 1;
    values.BackupsKept =
        ini.ReadInteger(QStringLiteral("BACKUPS"), QStringLiteral("Keep"), values.BackupsKept);
    if (values.BackupsKept < 0)
        values.BackupsKept = TAppSettingsValues().BackupsKept;
    return values;
}

bool TAppSettings::WriteKeypadLayout(int layout) const
{
    return writeInteger(fPath, QStringLiteral("Keypad_Layout"), layout);
}

bool TAppSettings::WriteMidiChannel(uint8_t channel) const
{
    return writeInteger(fPath, QStringLiteral("MIDI_Channel"), channel);
}
