// padwright-cli convert: reads IN as the editor's Open does and writes OUT
// as its Save does (in USER Mode with the download image beside OUT). With
// --out-dir it converts many files in one process, on all cores.

#include "cli/CliCommon.h"
#include "cli/Commands.h"

#include "platform/Folders.h"
#include "platform/Version.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <vector>

namespace {

constexpr int IoThreadsPerCore = 4;

struct TConversion
{
    QString In;
    QString Out;
    int Status = ExitOk;
    QStringList Lines; // for standard error, in order
    bool Converted = false;
    int32_t DownloadDelay = 0; // user mode: the converted definition's
};

struct TConvertOptions
{
    TCliMode Mode = TCliMode::User;
    bool Strict = false;
    QString Version;
    // The loader settings that receive the download delay; empty: the
    // caller records it afterwards.
    QString LoaderSettings;
};

void ConvertUser(TConversion& c, TAppState& state, const TLoadResult& loaded,
                 const TConvertOptions& options)
{
    const TUserSaveResult saved =
        SaveUserDefinition(state.KeypadDefinition, c.Out, loaded.NumberOfKeys, options.Version,
                           options.LoaderSettings);
    if (!saved.Pair.Ok) {
        c.Lines << saved.Pair.Message;
        c.Status = ExitWriteRefused;
        return;
    }
    c.Converted = true;
    c.DownloadDelay = state.KeypadDefinition.DownloadDelay();
    if (!saved.LoaderSettings.Ok) {
        c.Lines << saved.LoaderSettings.Message;
        c.Status = ExitWriteRefused;
    }
}

// One file, start to end; safe to run beside others (each has its own state).
void Convert(TConversion& c, const TConvertOptions& options)
{
    TAppState state;
    const bool user = options.Mode == TCliMode::User;
    const TLoadResult loaded = user ? LoadUserFile(state, c.In) : LoadRomFile(state, c.In);
    c.Status = CheckLoad(loaded, c.In, options.Strict, c.Lines);
    if (c.Status != ExitOk)
        return;
    if (user) {
        ConvertUser(c, state, loaded, options);
        return;
    }
    const TSaveResult saved = SaveRomFile(state, c.Out, loaded.NumberOfKeys, options.Version);
    c.Converted = saved.Ok;
    if (!saved.Ok) {
        c.Lines << saved.Message;
        c.Status = ExitWriteRefused;
    }
}

int ConvertOne(const QString& in, const QString& out, TConvertOptions options)
{
    options.LoaderSettings = Folders::DelaySettingsFile();
    TConversion c;
    c.In = in;
    c.Out = out;
    Convert(c, options);
    Errors(c.Lines);
    return c.Status;
}

// Two inputs with the same name would write the same OUT: the later ones are refused.
void RefuseSharedOutputs(std::vector<TConversion>& jobs)
{
    QHash<QString, QString> taken; // OUT -> the IN that writes it
    for (TConversion& c : jobs) {
        const QString key = QDir::cleanPath(c.Out);
        const auto it = taken.constFind(key);
        if (it == taken.constEnd()) {
            taken.insert(key, c.In);
            continue;
        }
        c.Status = ExitWriteRefused;
        c.Lines << QStringLiteral("Unable to write to %1: %2 is written there already.")
                       .arg(c.Out, it.value());
    }
}

int ConvertMany(const QStringList& inputs, const QString& outDir, TConvertOptions options)
{
    if (!QFileInfo(outDir).isDir())
        return UsageError(QStringLiteral("--out-dir '%1' is not a folder").arg(outDir));
    const QString extension =
        options.Mode == TCliMode::User ? QStringLiteral(".ckd") : QStringLiteral(".rom");
    std::vector<TConversion> jobs(size_t(inputs.size()));
    for (size_t i = 0; i < jobs.size(); ++i) {
        jobs[i].In = inputs.at(qsizetype(i));
        jobs[i].Out = QDir(outDir).filePath(QFileInfo(jobs[i].In).completeBaseName() + extension);
    }
    RefuseSharedOutputs(jobs);

    // The loader settings are one file: recorded once below, not by every job.
    // Every core reads and converts; more threads than cores keep them busy
    // while others wait for their files to reach the disk.
    QThreadPool pool;
    pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()) * IoThreadsPerCore);
    for (TConversion& c : jobs) {
        if (c.Status == ExitOk)
            pool.start([&c, &options] { Convert(c, options); });
    }
    pool.waitForDone();

    int status = ExitOk;
    int converted = 0, notLoaded = 0, refused = 0, heldBack = 0;
    const TConversion* last = nullptr; // the last one converted, in input order
    for (const TConversion& c : jobs) {
        // Messages in input order, each load message naming its file.
        for (const QString& line : c.Lines)
            Error(c.Status == ExitLoadFailed && !line.contains(c.In)
                      ? c.In + QStringLiteral(": ") + line
                      : line);
        status = std::max(status, c.Status);
        converted += c.Converted ? 1 : 0;
        notLoaded += c.Status == ExitLoadFailed ? 1 : 0;
        refused += c.Status == ExitWriteRefused ? 1 : 0;
        heldBack += c.Status == ExitWarnings ? 1 : 0;
        if (c.Converted)
            last = &c;
    }
    // As if the files had been converted one after the other.
    if (last && options.Mode == TCliMode::User) {
        const TSaveResult loader =
            TLoaderSettings(Folders::DelaySettingsFile()).UpdateDownloadDelay(last->DownloadDelay);
        if (!loader.Ok) {
            Error(loader.Message);
            status = std::max<int>(status, ExitWriteRefused);
        }
    }
    QString summary = QStringLiteral("%1 file%2: %3 converted, %4 not loaded, %5 refused")
                          .arg(jobs.size())
                          .arg(jobs.size() == 1 ? QString() : QStringLiteral("s"))
                          .arg(converted)
                          .arg(notLoaded)
                          .arg(refused);
    if (options.Strict)
        summary += QStringLiteral(", %1 held back by --strict").arg(heldBack);
    PrintTo(stdout, summary + QLatin1Char('\n'));
    return status;
}

} // namespace

int RunConvert(const QStringList& args)
{
    const QString outDirOption = QStringLiteral("--out-dir");
    const TCliArgs a = ParseArgs(args, {QStringLiteral("--strict")}, {outDirOption});
    if (!a.Error.isEmpty())
        return UsageError(a.Error);
    if (a.Mode == TCliMode::Unset)
        return UsageError(QStringLiteral("convert needs --mode user or --mode rom"));
    TConvertOptions options;
    options.Mode = a.Mode;
    options.Strict = a.Has(QStringLiteral("--strict"));
    options.Version = GetOurVersion();
    const QString outDir = a.Value(outDirOption);
    if (!outDir.isEmpty()) {
        if (a.Files.isEmpty())
            return UsageError(QStringLiteral("missing IN: --out-dir takes one or more files"));
        return ConvertMany(a.Files, outDir, options);
    }
    if (a.Files.size() < 2)
        return UsageError(a.Files.isEmpty() ? QStringLiteral("missing IN and OUT")
                                            : QStringLiteral("missing OUT"));
    if (a.Files.size() > 2)
        return UsageError(
            QStringLiteral("too many files: convert takes IN and OUT, or --out-dir DIR IN..."));
    return ConvertOne(a.Files.at(0), a.Files.at(1), options);
}
