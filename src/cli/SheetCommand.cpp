// padwright-cli sheet: a definition's setup sheet as a PDF.

#include "cli/Commands.h"
#include "cli/PrintCommon.h"

#include "print/SetupSheet.h"

#include <QDir>
#include <QFileInfo>

int RunSheet(const QStringList& args)
{
    const TCliArgs a = ParseArgs(args, {}, {QStringLiteral("--paper")});
    if (!a.Error.isEmpty())
        return UsageError(a.Error);
    if (a.Files.size() != 2)
        return UsageError(a.Files.size() < 2
                              ? QStringLiteral("sheet takes IN and OUT")
                              : QStringLiteral("too many files: sheet takes IN and OUT"));
    TSetupSheetInfo info;
    const QString paper = a.Value(QStringLiteral("--paper"));
    if (!paper.isEmpty() && !ParsePaper(paper, info.Paper))
        return UsageError(QStringLiteral("unknown paper '%1'").arg(paper));
    const QString& in = a.Files.at(0);
    const QString& out = a.Files.at(1);
    if (OutputKind(out) != QLatin1String("pdf"))
        return UsageError(QStringLiteral("OUT must end in .pdf"));

    TPrintSession session;
    TPrintInput input;
    if (!LoadForPrint(a.Mode, in, input))
        return ExitLoadFailed;
    const QFileInfo file(in);
    info.FileName = file.fileName();
    info.Folder = QDir::toNativeSeparators(file.absolutePath());
    info.Saved = file.lastModified();
    info.Printed = QDateTime::currentDateTime();
    TSetupSheet sheet(MakeDefinitionReport(input.State, input.Kind, input.NumberOfKeys), info);
    const TSaveResult saved =
        PrintOutput::WritePdf(sheet, out, QStringLiteral("Setup sheet: ") + info.FileName);
    if (!saved.Ok) {
        Error(saved.Message);
        return ExitWriteRefused;
    }
    return ExitOk;
}
