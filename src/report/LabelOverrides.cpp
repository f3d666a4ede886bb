#include "report/LabelOverrides.h"

#include "files/IniFile.h"

#include <QFileInfo>

namespace {

const QString Section = QStringLiteral("LABELS");

QString KeyName(int key)
{
    return QStringLiteral("Key") + QString::number(key);
}

} // namespace

QString LabelOverridesPath(const QString& definitionPath)
{
    const QFileInfo info(definitionPath);
    const QString suffix = info.suffix();
    QString base = definitionPath;
    if (!suffix.isEmpty())
        base.chop(suffix.size() + 1);
    return base + QStringLiteral(".labels");
}

TLabelOverrideTexts ReadLabelOverrides(const QString& path)
{
    TLabelOverrideTexts overrides;
    TIniFile ini;
    if (!QFileInfo(path).isFile() || !ini.Load(path))
        return overrides;
    for (int key = 0; key < MaxKeys; ++key)
        overrides[size_t(key)] = ini.ReadString(Section, KeyName(key), QString());
    return overrides;
}

TSaveResult SaveLabelOverrides(const QString& path, const TLabelOverrideTexts& overrides)
{
    const QString refused = QStringLiteral("Unable to write to ") + path;
    const QFileInfo info(path);
    TIniFile ini;
    if (info.exists() && (!info.isFile() || !ini.Load(path)))
        return {false, refused};
    for (int key = 0; key < MaxKeys; ++key) {
        const QString& text = overrides[size_t(key)];
        if (!text.isEmpty() || ini.ValueExists(Section, KeyName(key)))
            ini.WriteString(Section, KeyName(key), text);
    }
    if (!ini.Save(path))
        return {false, refused};
    return {true, QString()};
}
