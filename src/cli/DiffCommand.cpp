// padwright-cli diff: the differences between two definitions, one per line.
//
// Both files are read in one mode (--mode, or by the first file's name), and
// the loaded definitions are compared, not the text. Exit status: 0 the same,
// 1 different, 2 a file could not be read (or the command line was not
// understood).

#include "cli/CliCommon.h"
#include "cli/Commands.h"

#include "analysis/DefinitionDiff.h"

namespace {

enum TDiffStatus
{
    DiffSame = 0,
    DiffDifferent = 1,
    DiffUnreadable = 2
};

bool Load(TAppState& state, TCliMode mode, const QString& path, int& numberOfKeys)
{
    const TLoadResult loaded = LoadDefinition(state, mode, path);
    numberOfKeys = loaded.NumberOfKeys;
    return CheckLoad(loaded, path);
}

} // namespace

int RunDiff(const QStringList& args)
{
    const TCliArgs a = ParseArgs(args, {QStringLiteral("--hex")});
    if (!a.Error.isEmpty())
        return UsageError(a.Error);
    if (a.Files.size() != 2)
        return UsageError(QStringLiteral("diff takes two files, A and B"));
    const TCliMode mode = ModeFor(a.Mode, a.Files.at(0));
    const TReportKind kind = mode == TCliMode::Rom ? TReportKind::Rom : TReportKind::User;
    const bool hex = a.Has(QStringLiteral("--hex"));

    TAppState left;
    TAppState right;
    int leftKeys = 20;
    int rightKeys = 20;
    if (!Load(left, mode, a.Files.at(0), leftKeys) || !Load(right, mode, a.Files.at(1), rightKeys))
        return DiffUnreadable;

    const TDefinitionDiff diff = DiffDefinitions(MakeDefinitionReport(left, kind, leftKeys, hex),
                                                 MakeDefinitionReport(right, kind, rightKeys, hex));
    if (diff.Same())
        return DiffSame;
    QString text = QStringLiteral("--- ") + a.Files.at(0) + QStringLiteral("\n+++ ") +
                   a.Files.at(1) + QLatin1Char('\n');
    for (const TDiffRow& row : diff.Rows)
        if (row.Differs)
            text += DiffLine(row) + QLatin1Char('\n');
    PrintTo(stdout, text);
    return DiffDifferent;
}
