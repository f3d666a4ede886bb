#include "files/ClipFormat.h"

#include "files/CodeString.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <memory>

namespace {

const QString FormatName = QStringLiteral("padwright-codes");
constexpr int FormatVersion = 1;
// A clip is at most two macros of about a hundred bytes each; anything far
// larger is not one of ours.
constexpr qsizetype MaxClipBytes = 64 * 1024;
constexpr qsizetype MaxNameLength = 2047;

QString KindName(TClipKind kind)
{
    switch (kind) {
    case TClipKind::Macro:
        return QStringLiteral("macro");
    case TClipKind::Key:
        return QStringLiteral("key");
    case TClipKind::Codes:
        break;
    }
    return QStringLiteral("codes");
}

int LevelCount(TClipKind kind)
{
    return kind == TClipKind::Key ? MaxLevels : 1;
}

QList<int32_t> CodesOf(const TMacroData& macro)
{
    const int n = ElementCount(macro);
    return QList<int32_t>(macro.Values.begin(), macro.Values.begin() + n);
}

// The codes a code string holds when read with `prefix`, as a file reader
// reads them.
QList<int32_t> ReadCodes(const QString& text, uint8_t prefix)
{
    auto reader = std::make_unique<TKeypadClass>();
    reader->SetCmdPrefix(prefix);
    ParseCodeString(*reader, text);
    return CodesOf(reader->SelectedMacro());
}

TClipMacro MacroOf(const TMacroData& macro)
{
    return {CodesOf(macro), macro.Name, macro.AutoRepeat, macro.SendKeyNow};
}

// The clip's macro as the definition will hold it; false when it would grow
// past the capacity.
bool Converted(const TClipMacro& clip, uint8_t from, uint8_t to, TMacroData& macro)
{
    const QList<int32_t> codes = CodesForPrefix(clip.Codes, from, to);
    const int32_t bytes = ByteCountOf(codes);
    if (bytes > MacroCapacity && bytes > ByteCountOf(clip.Codes))
        return false;
    if (codes.size() >= MacroSlots)
        return false;
    macro = TMacroData();
    macro.Values.fill(-1);
    std::copy(codes.begin(), codes.end(), macro.Values.begin());
    macro.Name = clip.Name;
    macro.AutoRepeat = clip.AutoRepeat;
    macro.SendKeyNow = clip.SendKeyNow;
    return true;
}

} // namespace

QByteArray EncodeClip(const TClipContent& content)
{
    QJsonArray levels;
    for (int level = 0; level < LevelCount(content.Kind); ++level) {
        const TClipMacro& macro = content.Levels[size_t(level)];
        QJsonObject entry{
            {QStringLiteral("codes"),
             CodeString(macro.Codes.constData(), int(macro.Codes.size()), content.Prefix)}};
        if (content.Kind != TClipKind::Codes) {
            entry.insert(QStringLiteral("name"), macro.Name);
            entry.insert(QStringLiteral("autoRepeat"), macro.AutoRepeat);
            entry.insert(QStringLiteral("sendKeyNow"), macro.SendKeyNow);
        }
        levels.append(entry);
    }
    QJsonObject root{{QStringLiteral("format"), FormatName},
                     {QStringLiteral("version"), FormatVersion},
                     {QStringLiteral("kind"), KindName(content.Kind)},
                     {QStringLiteral("prefix"), int(content.Prefix)},
                     {QStringLiteral("levels"), levels}};
    if (content.Kind == TClipKind::Key)
        root.insert(QStringLiteral("keyType"), int(content.KeyType));
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

std::optional<TClipContent> DecodeClip(const QByteArray& bytes)
{
    if (bytes.size() > MaxClipBytes)
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != FormatName ||
        root.value(QStringLiteral("version")).toInt() != FormatVersion)
        return std::nullopt;

    TClipContent content;
    const QString kind = root.value(QStringLiteral("kind")).toString();
    if (kind == KindName(TClipKind::Macro))
        content.Kind = TClipKind::Macro;
    else if (kind == KindName(TClipKind::Key))
        content.Kind = TClipKind::Key;
    else if (kind != KindName(TClipKind::Codes))
        return std::nullopt;

    const int prefix = root.value(QStringLiteral("prefix")).toInt(-1);
    const int keyType = root.value(QStringLiteral("keyType")).toInt(ktNormal);
    const QJsonArray levels = root.value(QStringLiteral("levels")).toArray();
    if (prefix < 0 || prefix > 255 || keyType < ktNormal || keyType > ktAlpha ||
        levels.size() != LevelCount(content.Kind))
        return std::nullopt;
    content.Prefix = uint8_t(prefix);
    content.KeyType = TKeyType(keyType);
    for (int level = 0; level < levels.size(); ++level) {
        const QJsonObject entry = levels.at(level).toObject();
        TClipMacro& macro = content.Levels[size_t(level)];
        macro.Codes = ReadCodes(entry.value(QStringLiteral("codes")).toString(), content.Prefix);
        // As long as a definition file keeps a name.
        macro.Name = entry.value(QStringLiteral("name")).toString().left(MaxNameLength);
        macro.AutoRepeat = entry.value(QStringLiteral("autoRepeat")).toBool();
        macro.SendKeyNow = entry.value(QStringLiteral("sendKeyNow")).toBool();
    }
    return content;
}

TClipContent ClipOfCodes(const TKeypadClass& definition, const QList<int32_t>& codes)
{
    TClipContent content;
    content.Kind = TClipKind::Codes;
    content.Prefix = definition.CmdPrefix();
    content.Levels[0].Codes = codes;
    return content;
}

TClipContent ClipOfMacro(const TKeypadClass& definition, int key, int level)
{
    TClipContent content;
    content.Kind = TClipKind::Macro;
    content.Prefix = definition.CmdPrefix();
    content.Levels[0] = MacroOf(definition.MacroAt(key, level));
    return content;
}

TClipContent ClipOfKey(const TKeypadClass& definition, int key)
{
    TClipContent content;
    content.Kind = TClipKind::Key;
    content.Prefix = definition.CmdPrefix();
    for (int level = 0; level < MaxLevels; ++level)
        content.Levels[size_t(level)] = MacroOf(definition.MacroAt(key, level));
    content.KeyType = definition.KeyTypeAt(key);
    return content;
}

QList<int32_t> CodesForPrefix(const QList<int32_t>& codes, uint8_t from, uint8_t to)
{
    QList<int32_t> converted;
    converted.reserve(codes.size());
    for (int32_t code : codes) {
        // With the same prefix only a plain prefix byte changes: inserted
        // before other codes it would start a command.
        const bool plainPrefix =
            code >= 0 && (code & (DelayFlag | BeepFlag | CommandFlag)) == 0 && (code & 0xFF) == to;
        converted << (from == to ? (plainPrefix ? EscapedPrefixCode : code)
                                 : CodeForPrefixChange(code, from, to));
    }
    return converted;
}

int32_t ByteCountOf(const QList<int32_t>& codes)
{
    int32_t bytes = 0;
    for (int32_t code : codes)
        bytes += CodeSize(code);
    return bytes;
}

bool PasteMacroInto(TKeypadClass& definition, int key, int level, const TClipContent& clip)
{
    if (clip.Kind == TClipKind::Codes || key < 0 || key >= MaxKeys || level < 0 ||
        level >= MaxLevels)
        return false;
    const TClipMacro& source = clip.Levels[size_t(clip.Kind == TClipKind::Key ? level : 0)];
    TMacroData macro;
    if (!Converted(source, clip.Prefix, definition.CmdPrefix(), macro))
        return false;
    definition.SetMacroAt(key, level, macro);
    return true;
}

bool PasteKeyInto(TKeypadClass& definition, int key, const TClipContent& clip)
{
    if (clip.Kind != TClipKind::Key || key < 0 || key >= MaxKeys)
        return false;
    std::array<TMacroData, MaxLevels> macros;
    for (int level = 0; level < MaxLevels; ++level)
        if (!Converted(clip.Levels[size_t(level)], clip.Prefix, definition.CmdPrefix(),
                       macros[size_t(level)]))
            return false;
    for (int level = 0; level < MaxLevels; ++level)
        definition.SetMacroAt(key, level, macros[size_t(level)]);
    definition.SetKeyTypeAt(key, clip.KeyType);
    return true;
}

QString CodesText(const QList<int32_t>& codes, bool hexView)
{
    QStringList texts;
    for (int32_t code : codes)
        texts << CodeDisplayText(code, hexView);
    return texts.join(QLatin1Char(' '));
}

QString ClipText(const TClipContent& content, bool hexView)
{
    if (content.Kind != TClipKind::Key)
        return CodesText(content.Levels[0].Codes, hexView);
    QStringList lines;
    for (int level = 0; level < MaxLevels; ++level)
        lines << QStringLiteral("Level %1: %2")
                     .arg(level + 1)
                     .arg(CodesText(content.Levels[size_t(level)].Codes, hexView));
    return lines.join(QLatin1Char('\n'));
}
