// padwright-cli check: the check before a download, for each file given.
//
// One line per finding, "FILE: key N, level L: severity: text" (or with
// "screen N", or no place for the definition as a whole); --json writes the
// same as one JSON document. Exit status: 0 clean (notes allowed), 1
// warnings, 4 errors, 2 a file could not be read (or the command line was
// not understood). With several files the worst counts, in the order
// unreadable, errors, warnings.

#include "cli/CliCommon.h"
#include "cli/Commands.h"

#include "analysis/DefinitionCheck.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

enum TCheckStatus
{
    CheckClean = 0,
    CheckWarnings = 1,
    CheckUnreadable = 2,
    CheckErrors = 4
};

int Rank(int status)
{
    switch (status) {
    case CheckUnreadable:
        return 3;
    case CheckErrors:
        return 2;
    case CheckWarnings:
        return 1;
    default:
        return 0;
    }
}

int StatusOf(const TFindings& findings)
{
    if (CountOf(findings, TSeverity::Error) > 0)
        return CheckErrors;
    return CountOf(findings, TSeverity::Warning) > 0 ? CheckWarnings : CheckClean;
}

QString FindingLine(const QString& path, const TFinding& f)
{
    QString line = path + QStringLiteral(": ");
    const QString place = FindingPlace(f);
    if (!place.isEmpty())
        line += place + QStringLiteral(": ");
    return line + SeverityName(f.Severity) + QStringLiteral(": ") + f.Text + QLatin1Char('\n');
}

// Checks one file; `json` receives its entry. Returns its status.
int CheckFile(TCliMode mode, const QString& path, bool asJson, QJsonArray& json)
{
    mode = ModeFor(mode, path);
    TAppState state;
    const TLoadResult loaded = LoadDefinition(state, mode, path);
    QJsonObject entry;
    entry.insert(QStringLiteral("file"), path);
    if (loaded.Status != TLoadStatus::Loaded) {
        const QString message =
            loaded.Status == TLoadStatus::NoFile ? QStringLiteral("No such file") : loaded.Message;
        Error(path + QStringLiteral(": ") + message);
        entry.insert(QStringLiteral("readable"), false);
        entry.insert(QStringLiteral("message"), message);
        json << entry;
        return CheckUnreadable;
    }
    const TFindings findings =
        CheckDefinition(state, mode == TCliMode::Rom ? TReportKind::Rom : TReportKind::User,
                        loaded.NumberOfKeys, ReadWarningsOf(loaded));
    QJsonArray list;
    QString text;
    for (const TFinding& f : findings) {
        list << FindingToJson(f);
        text += FindingLine(path, f);
    }
    if (!asJson)
        PrintTo(stdout, text);
    entry.insert(QStringLiteral("readable"), true);
    entry.insert(QStringLiteral("findings"), list);
    json << entry;
    return StatusOf(findings);
}

} // namespace

int RunCheck(const QStringList& args)
{
    const TCliArgs a = ParseArgs(args, {QStringLiteral("--json")});
    if (!a.Error.isEmpty())
        return UsageError(a.Error);
    if (a.Files.isEmpty())
        return UsageError(QStringLiteral("missing FILE"));
    const bool asJson = a.Has(QStringLiteral("--json"));
    QJsonArray files;
    int status = CheckClean;
    for (const QString& path : a.Files) {
        const int fileStatus = CheckFile(a.Mode, path, asJson, files);
        if (Rank(fileStatus) > Rank(status))
            status = fileStatus;
    }
    if (asJson) {
        QJsonObject root;
        root.insert(QStringLiteral("files"), files);
        root.insert(QStringLiteral("status"), status);
        // JSON is UTF-8 whatever the console's code page.
        const QByteArray json = QJsonDocument(root).toJson(QJsonDocument::Indented);
        std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    }
    return status;
}
