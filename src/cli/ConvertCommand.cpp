// padwright-cli convert: reads IN as the editor's Open does and writes OUT
// as its Save does (in USER Mode with the download image beside OUT).

#include "cli/CliCommon.h"
#include "cli/Commands.h"

#include "platform/Version.h"

#include <QDir>

namespace {

int ConvertUser(const QString& in, const QString& out)
{
    TAppState state;
    const TLoadResult loaded = LoadUserFile(state, in);
    if (!CheckLoad(loaded, in))
        return ExitLoadFailed;
    // An OUT that its own image would replace is refused before anything is written.
    const TSaveResult imageName = CheckDownloadImagePath(out);
    if (!imageName.Ok) {
        Error(imageName.Message);
        return ExitWriteRefused;
    }
    TLevelKeyIndices indices;
    const TSaveResult saved =
        SaveUserFile(state, out, loaded.NumberOfKeys, GetOurVersion(), indices);
    if (!saved.Ok) {
        Error(saved.Message);
        return ExitWriteRefused;
    }
    const TSaveResult image =
        WriteDownloadImage(state.KeypadDefinition, indices, DownloadImagePath(out),
                           QDir(ProgramFolder()).filePath(QLatin1String(LoaderSettingsFileName)));
    if (!image.Ok) {
        Error(image.Message);
        return ExitWriteRefused;
    }
    return ExitOk;
}

int ConvertRom(const QString& in, const QString& out)
{
    TAppState state;
    const TLoadResult loaded = LoadRomFile(state, in);
    if (!CheckLoad(loaded, in))
        return ExitLoadFailed;
    const TSaveResult saved = SaveRomFile(state, out, loaded.NumberOfKeys, GetOurVersion());
    if (!saved.Ok) {
        Error(saved.Message);
        return ExitWriteRefused;
    }
    return ExitOk;
}

} // namespace

int RunConvert(const QStringList& args)
{
    const TCliArgs a = ParseArgs(args, {});
    if (!a.Error.isEmpty())
        return UsageError(a.Error);
    if (a.Mode == TCliMode::Unset)
        return UsageError(QStringLiteral("convert needs --mode user or --mode rom"));
    if (a.Files.size() < 2)
        return UsageError(a.Files.isEmpty() ? QStringLiteral("missing IN and OUT")
                                            : QStringLiteral("missing OUT"));
    if (a.Files.size() > 2)
        return UsageError(QStringLiteral("too many files: convert takes IN and OUT"));
    return a.Mode == TCliMode::User ? ConvertUser(a.Files.at(0), a.Files.at(1))
                                    : ConvertRom(a.Files.at(0), a.Files.at(1));
}
