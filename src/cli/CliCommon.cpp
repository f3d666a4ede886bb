#include "cli/CliCommon.h"

#include "cli/Commands.h"

#include <QFile>
#include <QFileInfo>

namespace {

QString gArgv0;

bool ParseMode(const QString& text, TCliMode& mode)
{
    if (text == QLatin1String("user"))
        mode = TCliMode::User;
    else if (text == QLatin1String("rom"))
        mode = TCliMode::Rom;
    else
        return false;
    return true;
}

} // namespace

void PrintTo(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

void Error(const QString& text)
{
    PrintTo(stderr, text + QLatin1Char('\n'));
}

void SetProgramArgument(const char* argv0)
{
    gArgv0 = QFile::decodeName(argv0);
}

QString ProgramFolder()
{
    const QString self = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    if (!self.isEmpty())
        return QFileInfo(self).absolutePath();
    return QFileInfo(gArgv0).absolutePath();
}

bool CheckLoad(const TLoadResult& result, const QString& path)
{
    switch (result.Status) {
    case TLoadStatus::Loaded:
        for (const QString& warning : result.Warnings)
            Error(warning);
        return true;
    case TLoadStatus::NoFile:
        Error(QStringLiteral("No such file: ") + path);
        return false;
    case TLoadStatus::Failed:
        Error(result.Message);
        return false;
    }
    return false;
}

QString TCliArgs::Value(const QString& option) const
{
    for (const auto& v : Values)
        if (v.first == option)
            return v.second;
    return QString();
}

TCliArgs ParseArgs(const QStringList& args, const QStringList& flags,
                   const QStringList& valueOptions)
{
    TCliArgs result;
    const QString modeOption = QStringLiteral("--mode");
    for (int i = 0; i < args.size() && result.Error.isEmpty(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("--")) {
            result.Files << args.mid(i + 1);
            break;
        }
        if (!arg.startsWith(QLatin1String("--")) || arg.size() == 2) {
            result.Files << arg;
            continue;
        }
        const int equals = arg.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? arg : arg.left(equals);
        if (flags.contains(name) && equals < 0) {
            result.Flags << name;
            continue;
        }
        if (name != modeOption && !valueOptions.contains(name)) {
            result.Error = QStringLiteral("unknown option '%1'").arg(arg);
            break;
        }
        QString value;
        if (equals >= 0)
            value = arg.mid(equals + 1);
        else if (i + 1 < args.size())
            value = args.at(++i);
        else {
            result.Error = QStringLiteral("missing value for %1").arg(name);
            break;
        }
        if (name == modeOption) {
            if (!ParseMode(value, result.Mode))
                result.Error = QStringLiteral("unknown mode '%1'").arg(value);
        } else {
            result.Values << qMakePair(name, value);
        }
    }
    return result;
}

int UsageError(const QString& reason)
{
    if (!reason.isEmpty())
        Error(QStringLiteral("padwright-cli: ") + reason);
    PrintTo(stderr, QString::fromLatin1(Usage));
    return ExitLoadFailed;
}

TCliMode ModeFor(TCliMode mode, const QString& path)
{
    if (mode != TCliMode::Unset)
        return mode;
    return QFileInfo(path).suffix().compare(QLatin1String("rom"), Qt::CaseInsensitive) == 0
               ? TCliMode::Rom
               : TCliMode::User;
}

TLoadResult LoadDefinition(TAppState& state, TCliMode mode, const QString& path)
{
    return mode == TCliMode::Rom ? LoadRomFile(state, path) : LoadUserFile(state, path);
}
