// padwright-cli labels: a definition's key labels at true size, as a PDF or
// an SVG, with the overrides kept beside the definition.

#include "cli/Commands.h"
#include "cli/PrintCommon.h"

#include "print/LabelRenderer.h"
#include "report/LabelOverrides.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

bool ParseSize(const QString& text, TKeyLabelSettings& settings)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,3}(?:\\.\\d+)?)[xX](\\d{1,3}(?:\\.\\d+)?)$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    const double values[] = {match.captured(1).toDouble(), match.captured(2).toDouble()};
    for (double v : values) {
        using namespace KeyLabelLimits;
        if (v < MinSize || v > MaxSize || SnapToStep(v, MinSize, MaxSize, SizeStep) != v)
            return false;
    }
    settings.WidthMm = values[0];
    settings.HeightMm = values[1];
    return true;
}

} // namespace

int RunLabels(const QStringList& args)
{
    const TCliArgs a = ParseArgs(args, {QStringLiteral("--cut-marks")},
                                 {QStringLiteral("--size"), QStringLiteral("--paper")});
    if (!a.Error.isEmpty())
        return UsageError(a.Error);
    if (a.Files.size() != 2)
        return UsageError(a.Files.size() < 2
                              ? QStringLiteral("labels takes IN and OUT")
                              : QStringLiteral("too many files: labels takes IN and OUT"));
    TKeyLabelSettings settings;
    settings.CutMarks = a.Has(QStringLiteral("--cut-marks"));
    const QString size = a.Value(QStringLiteral("--size"));
    if (!size.isEmpty() && !ParseSize(size, settings))
        return UsageError(
            QStringLiteral("--size takes WxH in millimetres, each 8 to 30 in steps of 0.5"));
    const QString paper = a.Value(QStringLiteral("--paper"));
    if (!paper.isEmpty() && !ParsePaper(paper, settings.Paper))
        return UsageError(QStringLiteral("unknown paper '%1'").arg(paper));
    const QString& in = a.Files.at(0);
    const QString& out = a.Files.at(1);
    const QString kind = OutputKind(out);
    if (kind.isEmpty())
        return UsageError(QStringLiteral("OUT must end in .pdf or .svg"));

    TPrintSession session;
    TPrintInput input;
    if (!LoadForPrint(a.Mode, in, input))
        return ExitLoadFailed;
    const TDefinitionReport report =
        MakeDefinitionReport(input.State, input.Kind, input.NumberOfKeys);
    const TLabelOverrideTexts overrides = ReadLabelOverrides(LabelOverridesPath(in));
    const QString name = QFileInfo(in).fileName();
    TLabelRenderer labels(settings, input.NumberOfKeys, KeyLabelTexts(report, overrides), name);
    const QString title = QStringLiteral("Key labels: ") + name;
    const TSaveResult saved = kind == QLatin1String("pdf")
                                  ? PrintOutput::WritePdf(labels, out, title)
                                  : PrintOutput::WriteSvg(labels, out, title);
    if (!saved.Ok) {
        Error(saved.Message);
        return ExitWriteRefused;
    }
    return ExitOk;
}
