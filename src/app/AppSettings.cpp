#include "app/AppSettings.h"

#include "files/IniFile.h"

#include <QFileInfo>

namespace {

const QString Section = QStringLiteral("CONFIGURATION");
const QString ViewSection = QStringLiteral("VIEW");

TIniFile load(const QString& path)
{
    TIniFile ini;
    ini.Load(path); // a missing file reads as empty: every value its default
    return ini;
}

// Updates one key, keeping the rest of the file; false when the file is
// there but unreadable, or cannot be written.
bool writeInteger(const QString& path, const QString& section, const QString& key, int32_t value)
{
    TIniFile ini;
    if (!ini.Load(path) && QFileInfo::exists(path))
        return false;
    ini.WriteInteger(section, key, value);
    return ini.Save(path);
}

bool writeInteger(const QString& path, const QString& key, int32_t value)
{
    return writeInteger(path, Section, key, value);
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
    values.PreviewShown = ini.ReadBool(ViewSection, QStringLiteral("Preview"), true);
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

bool TAppSettings::WritePreviewShown(bool shown) const
{
    return writeInteger(fPath, ViewSection, QStringLiteral("Preview"), shown ? 1 : 0);
}

namespace {

const QString LabelSection = QStringLiteral("KEY_LABELS");

// Millimetres and points as the user would write them: "14", "14.5".
double readNumber(const TIniFile& ini, const QString& key, double def)
{
    bool ok = false;
    const double value = ini.ReadString(LabelSection, key, QString()).toDouble(&ok);
    return ok ? value : def;
}

QString numberText(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

TKeyLabelSettings TAppSettings::ReadKeyLabelSettings() const
{
    const TIniFile ini = load(fPath);
    TKeyLabelSettings s;
    s.WidthMm = readNumber(ini, QStringLiteral("Label_Width"), s.WidthMm);
    s.HeightMm = readNumber(ini, QStringLiteral("Label_Height"), s.HeightMm);
    s.GapMm = readNumber(ini, QStringLiteral("Label_Gap"), s.GapMm);
    s.CutMarks = ini.ReadBool(LabelSection, QStringLiteral("Cut_Marks"), s.CutMarks);
    TPaper paper = s.Paper;
    if (ParsePaper(ini.ReadString(LabelSection, QStringLiteral("Paper"), QString()), paper))
        s.Paper = paper;
    s.FontFamily = ini.ReadString(LabelSection, QStringLiteral("Font_Family"), s.FontFamily);
    s.FontSizePt = readNumber(ini, QStringLiteral("Font_Size"), s.FontSizePt);
    return Normalised(s);
}

bool TAppSettings::WriteKeyLabelSettings(const TKeyLabelSettings& settings) const
{
    TIniFile ini;
    if (!ini.Load(fPath) && QFileInfo::exists(fPath))
        return false;
    const TKeyLabelSettings s = Normalised(settings);
    ini.WriteString(LabelSection, QStringLiteral("Label_Width"), numberText(s.WidthMm));
    ini.WriteString(LabelSection, QStringLiteral("Label_Height"), numberText(s.HeightMm));
    ini.WriteString(LabelSection, QStringLiteral("Label_Gap"), numberText(s.GapMm));
    ini.WriteBool(LabelSection, QStringLiteral("Cut_Marks"), s.CutMarks);
    ini.WriteString(LabelSection, QStringLiteral("Paper"), PaperName(s.Paper));
    ini.WriteString(LabelSection, QStringLiteral("Font_Family"), s.FontFamily);
    ini.WriteString(LabelSection, QStringLiteral("Font_Size"), numberText(s.FontSizePt));
    return ini.Save(fPath);
}
