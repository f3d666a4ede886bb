#include "files/LoaderSettings.h"

#include "files/AtomicWrite.h"
#include "files/IniFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString Section = QLatin1String(LoaderSettingsSection);
const QString ComPortKey = QStringLiteral("ComPort");
const QString ComTypeKey = QStringLiteral("ComType");
const QString KeyboardKey = QStringLiteral("bOstrellaK");
const QString DelayKey = QStringLiteral("DownloadDelay");

// The file's text; false when it is there but cannot be read. Something
// that is not a regular file is left to the write, which refuses it.
bool LoadExisting(const QString& path, TIniFile& ini)
{
    if (!QFileInfo(path).isFile())
        return true;
    return ini.Load(path);
}

} // namespace

TLoaderPortChoice TLoaderSettings::ReadPortChoice() const
{
    TIniFile ini;
    ini.Load(fPath); // a missing file reads as empty: every value its default
    TLoaderPortChoice choice;
    choice.ComPort = ini.ReadInteger(Section, ComPortKey, 0);
    choice.ComType = ini.ReadString(Section, ComTypeKey, QString());
    choice.bOstrellaK = ini.ReadBool(Section, KeyboardKey, false);
    return choice;
}

bool TLoaderSettings::ReadDownloadDelay(int32_t& delay) const
{
    TIniFile ini;
    if (!ini.Load(fPath) || !ini.ValueExists(Section, DelayKey))
        return false;
    delay = ini.ReadInteger(Section, DelayKey, 0);
    return true;
}

TSaveResult TLoaderSettings::WritePortChoice(const TLoaderPortChoice& choice) const
{
    TIniFile ini;
    if (!LoadExisting(fPath, ini))
        return {false, WriteRefusal(fPath, QString())};
    if (!QDir().mkpath(QFileInfo(fPath).absolutePath()))
        return {false, WriteRefusal(fPath, QStringLiteral("its folder cannot be made"))};
    ini.WriteInteger(Section, ComPortKey, choice.ComPort);
    ini.WriteString(Section, ComTypeKey, choice.ComType);
    ini.WriteBool(Section, KeyboardKey, choice.bOstrellaK);
    return ini.Commit(fPath);
}

TSaveResult TLoaderSettings::UpdateDownloadDelay(int32_t delay) const
{
    TIniFile ini;
    // Without the file, or with a port of -1, the loader is not configured:
    // nothing is created or changed.
    if (fPath.isEmpty() || !QFileInfo(fPath).isFile() || !ini.Load(fPath))
        return {true, QString()};
    if (ini.ReadInteger(Section, ComPortKey, -1) == -1)
        return {true, QString()};
    ini.WriteInteger(Section, DelayKey, delay);
    return ini.Commit(fPath);
}
