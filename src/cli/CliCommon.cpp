#include "cli/CliCommon.h"

#include "cli/Commands.h"

#include <QFileInfo>

namespace {

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

void Errors(const QStringList& lines)
{
    for (const QString& line : lines)
        Error(line);
}

int CheckLoad(const TLoadResult& result, const QString& path, bool strict, QStringList& lines)
{
    switch (result.Status) {
    case TLoadStatus::Loaded:
        break;
    case TLoadStatus::NoFile:
        lines << (QFileInfo(path).isDir() ? QStringLiteral("'%1' is a folder").arg(path)
                                          : QStringLiteral("No such file: ") + path);
        return ExitLoadFailed;
    case TLoadStatus::Failed:
        lines << result.Message;
        return ExitLoadFailed;
    }
    // The described information message first, as the editor shows it.
    lines << result.Warnings;
    for (const TReadWarning& warning : result.ReadWarnings)
        lines << QStringLiteral("warning: ") + path + QStringLiteral(": ") +
                     FormatReadWarning(warning);
    const qsizetype count = result.Warnings.size() + result.ReadWarnings.size();
    if (!strict || count == 0)
        return ExitOk;
    lines << QStringLiteral("padwright-cli: %1 not used: --strict, and %2 warning%3")
                 .arg(path)
                 .arg(count)
                 .arg(count == 1 ? QString() : QStringLiteral("s"));
    return ExitWarnings;
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
