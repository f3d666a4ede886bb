#include "files/UserFile.h"

#include "files/AtomicWrite.h"
#include "files/DefinitionSections.h"
#include "files/LoaderSettings.h"

namespace {

TLoadResult LoadUser(TAppState& state, const TIniFile& ini)
{
    TLoadResult result;
    // A fresh definition that keeps what a load must not reset: the view
    // mode and the modifier source of the live one.
    TKeypadClass fresh;
    fresh.bViewInHex = state.KeypadDefinition.bViewInHex;
    fresh.SetModifierSource(state.KeypadDefinition.ModifierSource());
    if (ini.SectionNames().isEmpty())
        result.ReadWarnings.append({QString(), -1, -1,
                                    QStringLiteral("The file holds no sections; nothing was read "
                                                   "and every value is its default.")});
    result.NumberOfKeys = ReadGlobals(ini, fresh, result.ReadWarnings);
    if (!ReadKeySections(ini, fresh, result.Message, result.ReadWarnings)) {
        result.Status = TLoadStatus::Failed;
        result.ReadWarnings.clear();
        return result;
    }
    fresh.SetKey(0);
    fresh.SetLevel(0);
    state.KeypadDefinition = fresh;
    result.Status = TLoadStatus::Loaded;
    return result;
}

} // namespace

TLoadResult LoadUserFile(TAppState& state, const QString& path)
{
    TIniFile ini;
    TLoadResult result;
    if (!ReadDefinitionFile(path, ini, result))
        return result;
    return LoadUser(state, ini);
}

TLoadResult LoadUserFileData(TAppState& state, const QByteArray& bytes)
{
    return LoadUser(state, TIniFile::FromBytes(bytes));
}

bool MakeUserFile(const TKeypadClass& definition, const QString& path, int numberOfKeys,
                  const QString& version, QByteArray& bytes, TLevelKeyIndices& indices)
{
    indices = TLevelKeyIndices();
    TIniFile ini;
    if (!OpenForUpdate(path, ini))
        return false;
    WriteGlobals(ini, definition, numberOfKeys, version);
    WriteKeySections(ini, definition, &indices);
    bytes = ini.ToBytes();
    return true;
}

TSaveResult SaveUserFile(const TAppState& state, const QString& path, int numberOfKeys,
                         const QString& version, TLevelKeyIndices& indices)
{
    QByteArray bytes;
    if (!MakeUserFile(state.KeypadDefinition, path, numberOfKeys, version, bytes, indices))
        return {false, WriteFailure(path)};
    return CommitFile(path, bytes);
}

TUserSaveResult SaveUserDefinition(const TKeypadClass& definition, const QString& path,
                                   int numberOfKeys, const QString& version,
                                   const QString& loaderSettingsPath)
{
    TUserSaveResult result;
    result.ImagePath = DownloadImagePath(path);
    result.LoaderSettings.Ok = true;
    result.Pair = CheckWriteTarget(path);
    if (result.Pair.Ok)
        result.Pair = CheckDownloadImagePath(path);
    if (!result.Pair.Ok)
        return result;
    QByteArray bytes;
    TLevelKeyIndices indices;
    if (!MakeUserFile(definition, path, numberOfKeys, version, bytes, indices)) {
        result.Pair = {false, WriteFailure(path)};
        return result;
    }
    result.Pair =
        CommitFiles({{path, bytes}, {result.ImagePath, MakeDownloadImage(definition, indices)}});
    if (result.Pair.Ok)
        result.LoaderSettings =
            TLoaderSettings(loaderSettingsPath).UpdateDownloadDelay(definition.DownloadDelay());
    return result;
}
