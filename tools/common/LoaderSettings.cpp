#include "LoaderSettings.h"

#include "PortNumbers.h"
#include "RxFolders.h"
#include "files/IniFile.h"

#include <QDir>
#include <QFileInfo>

namespace LoaderSettings {
namespace {
const QString Section = QLatin1String(RxFolders::PortSection);
}

PortChoice readPortChoice(const QString& iniPath)
{
    PortChoice choice;
    TIniFile ini;
    if (!ini.Load(iniPath))
        return choice;
    choice.ComPort = ini.ReadInteger(Section, QStringLiteral("ComPort"), 0);
    choice.ComType = ini.ReadString(Section, QStringLiteral("ComType"), QString());
    choice.bOstrellaK = ini.ReadBool(Section, QStringLiteral("bOstrellaK"), false);
    return choice;
}

bool writePortChoice(const QString& iniPath, const PortChoice& choice)
{
    TIniFile ini;
    if (QFileInfo::exists(iniPath) && !ini.Load(iniPath))
        return false;
    if (!QDir().mkpath(QFileInfo(iniPath).absolutePath()))
        return false;
    ini.WriteInteger(Section, QStringLiteral("ComPort"), choice.ComPort);
    ini.WriteString(Section, QStringLiteral("ComType"), choice.ComType);
    ini.WriteBool(Section, QStringLiteral("bOstrellaK"), choice.bOstrellaK);
    return ini.Save(iniPath);
}

int readDownloadDelay(const QString& iniPath, bool& present)
{
    TIniFile ini;
    present = ini.Load(iniPath) && ini.ValueExists(Section, QStringLiteral("DownloadDelay"));
    return present ? ini.ReadInteger(Section, QStringLiteral("DownloadDelay"), 0) : 0;
}

QString describe(const PortChoice& choice)
{
    if (choice.ComPort == -1)
        return QStringLiteral("keyboard mode (no serial port)");
    if (choice.ComPort <= 0)
        return QStringLiteral("not set");
    QString text = QStringLiteral("COM%1").arg(choice.ComPort);
    const QString name = PortNumbers::nameForNumber(choice.ComPort);
    if (!name.isEmpty() && name.compare(text, Qt::CaseInsensitive) != 0)
        text += QStringLiteral(" (%1)").arg(name);
    if (choice.ComType == QLatin1String("U"))
        text += QStringLiteral(", USB");
    else if (choice.ComType == QLatin1String("R"))
        text += QStringLiteral(", serial (DB9)");
    if (choice.bOstrellaK)
        text += QStringLiteral(", or keyboard mode");
    return text;
}
} // namespace LoaderSettings
