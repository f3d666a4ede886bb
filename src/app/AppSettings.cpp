#include "app/AppSettings.h"

#include <QSettings>

namespace {

const QString Section = QStringLiteral("CONFIGURATION");

// Interim access to the initialisation file, replaced by IniFile.
int readInteger(const QString& path, const QString& section, const QString& key, int fallback)
{
    QSettings ini(path, QSettings::IniFormat);
    bool ok = false;
    const int value =
        ini.value(section + QLatin1Char('/') + key).toString().trimmed().toInt(&ok, 0);
    return ok ? value : fallback;
}

QString readString(const QString& path, const QString& section, const QString& key,
                   const QString& fallback)
{
    QSettings ini(path, QSettings::IniFormat);
    return ini.value(section + QLatin1Char('/') + key, fallback).toString().trimmed();
}

bool writeInteger(const QString& path, const QString& section, const QString& key, int value)
{
    QSettings ini(path, QSettings::IniFormat);
    ini.setValue(section + QLatin1Char('/') + key, value);
    ini.sync();
    return ini.status() == QSettings::NoError;
}

} // namespace

TAppSettingsValues TAppSettings::Read() const
{
    TAppSettingsValues values;
    values.KeypadLayout = readInteger(fPath, Section, QStringLiteral("Keypad_Layout"), 2);
    if (values.KeypadLayout != 1 && values.KeypadLayout != 2)
        values.KeypadLayout = 2;
    values.AdvancedEnable = readInteger(fPath, Section, QStringLiteral("Advanced_Enable"), 0) != 0;
    // The channel is held in one byte: only the low eight bits of the value count.
    values.MidiChannel =
        static_cast<uint8_t>(readInteger(fPath, Section, QStringLiteral("MIDI_Channel"), 1));
    if (values.MidiChannel == 0 || values.MidiChannel > 16)
        values.MidiChannel = 1;
    return values;
}

bool TAppSettings::WriteKeypadLayout(int layout) const
{
    return writeInteger(fPath, Section, QStringLiteral("Keypad_Layout"), layout);
}

bool TAppSettings::WriteMidiChannel(uint8_t channel) const
{
    return writeInteger(fPath, Section, QStringLiteral("MIDI_Channel"), channel);
}

TLoaderPortSettings ReadLoaderPortSettings(const QString& path)
{
    const QString section = QStringLiteral("Com Port Configuration");
    TLoaderPortSettings port;
    port.ComPort = readInteger(path, section, QStringLiteral("ComPort"), 0);
    port.ComType = readString(path, section, QStringLiteral("ComType"), QStringLiteral("?"));
    port.bOstrellaK = readInteger(path, section, QStringLiteral("bOstrellaK"), 0) != 0;
    return port;
}
