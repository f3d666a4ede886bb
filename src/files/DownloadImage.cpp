#include "files/DownloadImage.h"

#include "files/AtomicWrite.h"
#include "files/CodeString.h"
#include "files/LoaderSettings.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

uint8_t LevelFlags(const TMacroData& macro, const QString& codes)
{
    if (codes.isEmpty())
        return 0;
    uint8_t flags = 1;
    if (macro.AutoRepeat)
        flags |= 2;
    if (macro.SendKeyNow)
        flags |= 4;
    return flags;
}

void WriteLevelData(QByteArray& image, const QString& codes)
{
    if (codes.size() < 2) {
        WriteImageByte(image, 0);
        return;
    }
    const int pairs = int(codes.size() / 2);
    WriteImageByte(image, pairs < MacroCapacity ? pairs + 1 : pairs);
    for (int i = 0; i < pairs; ++i)
        WriteImageByte(image, std::max(0, HexPairToByte(QStringView(codes).mid(2 * i, 2))));
    if (pairs < MacroCapacity)
        WriteImageByte(image, 0);
}

} // namespace

void TLevelKeyIndices::Record(int key, TKeyType type)
{
    if (type == ktToggle) {
        if (ToggleKey1 == 128)
            ToggleKey1 = key;
        else
            ToggleKey2 = key;
    } else if (type == ktShift) {
        if (ShiftKey1 == 128)
            ShiftKey1 = key;
        else
            ShiftKey2 = key;
    } else if (type == ktAlpha) {
        AlphaKey = key;
    }
}

TLevelKeyIndices TLevelKeyIndices::Of(const TKeypadClass& definition)
{
    TLevelKeyIndices indices;
    for (int key = 0; key < MaxKeys; ++key)
        indices.Record(key, definition.KeyTypeAt(key));
    return indices;
}

QString DownloadImagePath(const QString& definitionPath)
{
    return definitionPath.left(std::max<qsizetype>(0, definitionPath.size() - 3)) +
           QStringLiteral("hex");
}

TSaveResult CheckDownloadImagePath(const QString& definitionPath)
{
    // Without a dot and three characters at the end of the name, replacing
    // the last three characters would put the image under a name of another
    // file, or in the folder above ("h2/x" gives "hex").
    const QString name = QFileInfo(definitionPath).fileName();
    if (name.size() < 4 || name.at(name.size() - 4) != QLatin1Char('.'))
        return {false, QStringLiteral("Unable to write to %1: the name must end in a dot and "
                                      "three characters (such as .ckd), so that the download "
                                      "image gets a name of its own beside it.")
                           .arg(definitionPath)};
        // File names are compared as the platform's file systems usually do.
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    const QString imagePath = DownloadImagePath(definitionPath);
    if (QDir::cleanPath(definitionPath).compare(QDir::cleanPath(imagePath), cs) != 0)
        return {true, QString()};
    return {false, QStringLiteral("Unable to write to %1: the download image would replace the "
                                  "definition file.")
                       .arg(imagePath)};
}

void WriteImageByte(QByteArray& image, int32_t value)
{
    static const char digits[] = "0123456789ABCDEF";
    const auto byte = static_cast<uint8_t>(static_cast<uint32_t>(value) & 0xFFu);
    const qsizetype at = image.size();
    image.resize(at + 6);
    char* line = image.data() + at;
    line[0] = '"';
    line[1] = digits[byte >> 4];
    line[2] = digits[byte & 0x0F];
    line[3] = '"';
    line[4] = '\r';
    line[5] = '\n';
}

QByteArray MakeDownloadImage(const TKeypadClass& definition, const TLevelKeyIndices& indices)
{
    QByteArray image;
    image.reserve(6 * (33 + MaxKeys * 2 * 110));
    const TKeypadClass& d = definition;
    auto put = [&image](int32_t value) { WriteImageByte(image, value); };

    put(d.CmdPrefix());
    put(1);
    put(30);
    put(2 * MacroCapacity);
    put(MacroCapacity);
    put(indices.ToggleKey1);
    put(indices.ToggleKey2);
    put(indices.ShiftKey1);
    put(indices.ShiftKey2);
    put(d.KeyRollOver());
    put(d.KeyClick() / 2);
    put(d.CharacterPacing() / 2);
    put(d.LEDBehavior());
    put(d.BaudRate());
    put(d.WordFormat());
    put(d.CmdPrefix());
    put(d.XonChar());
    put(d.XoffChar());
    put(d.OpMode() + 4 * d.CardTracks()); // low eight bits
    put(d.TailChar());
    if (d.FormCardType() == 2) {
        put(d.CardStartSentinel());
        put(d.CardEndSentinel());
        put(d.CardFieldSeparator());
        put(d.CardBadSwipe());
    } else {
        put(d.CardPrefixEnable() ? d.CardPrefix() : 0);
        put(d.CardSuffixEnable() ? d.CardSuffix() : 0);
        put(0);
        put(0);
    }
    put(indices.AlphaKey);
    put(0);
    // The serial number in BCD, brought into 0..9999 first.
    const int32_t serial = std::clamp<int32_t>(d.CdcSerialNo(), 0, 9999);
    put((serial / 1000) * 16 + (serial / 100) % 10);
    put(((serial % 100) / 10) * 16 + serial % 10);
    for (int i = 0; i < 5; ++i)
        put(0);

    for (int key = 0; key < MaxKeys; ++key) {
        const QString level1 = d.CodesOf(key, 0);
        const QString level2 = d.CodesOf(key, 1);
        put(d.CmdPrefix());
        put(2);
        put(key);
        put(LevelFlags(d.MacroAt(key, 1), level2));
        put(LevelFlags(d.MacroAt(key, 0), level1));
        put(key);
        WriteLevelData(image, level1);
        WriteLevelData(image, level2);
    }
    return image;
}

TSaveResult WriteDownloadImage(const TKeypadClass& definition, const TLevelKeyIndices& indices,
                               const QString& path, const QString& loaderSettingsPath)
{
    const TSaveResult written = CommitFile(path, MakeDownloadImage(definition, indices));
    if (!written.Ok)
        return written;
    return TLoaderSettings(loaderSettingsPath).UpdateDownloadDelay(definition.DownloadDelay());
}
