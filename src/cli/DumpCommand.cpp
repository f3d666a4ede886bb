// padwright-cli dump: a definition for a person to read.

#include "cli/CliCommon.h"
#include "cli/Commands.h"

#include "analysis/SendsPreview.h"
#include "report/DefinitionReport.h"

#include <QFileInfo>

namespace {

class TDump
{
public:
    void Line(const QString& text = QString()) { fText += text + QLatin1Char('\n'); }
    // A parameter: name, value, meaning, in aligned columns.
    void Param(const TReportParam& p)
    {
        QString line = QStringLiteral("  ") + p.Name.leftJustified(26) + p.Value;
        if (!p.Meaning.isEmpty())
            line = line.leftJustified(40) + QStringLiteral("  ") + p.Meaning;
        Line(line);
    }
    void Params(const QList<TReportParam>& params)
    {
        for (const TReportParam& p : params)
            Param(p);
    }
    const QString& Text() const { return fText; }

private:
    QString fText;
};

void DumpScreens(TDump& out, const QList<TReportScreen>& screens)
{
    for (const TReportScreen& s : screens) {
        out.Line();
        out.Line(
            QStringLiteral("Screen %1: %2 %3").arg(s.Number).arg(Quoted(s.Line1), Quoted(s.Line2)));
        out.Params(s.Params);
    }
}

QString LevelHead(const TReportLevel& level, int number)
{
    QString head = QStringLiteral("  Level %1").arg(number);
    if (!level.Name.isEmpty())
        head += QLatin1Char(' ') + Quoted(level.Name);
    head += QStringLiteral(": %1 byte%2")
                .arg(level.Bytes)
                .arg(level.Bytes == 1 ? QString() : QStringLiteral("s"));
    if (level.AutoRepeat)
        head += QStringLiteral(", auto-repeat");
    if (level.SendKeyNow)
        head += QStringLiteral(", transmit at once");
    return head;
}

// What the host receives from one level (--sends).
void DumpSends(TDump& out, const TMacroData& macro, const TPlaybackSettings& settings)
{
    const TSendsPreview p = PreviewSends(macro, settings);
    out.Line(QStringLiteral("    sends: ") + p.Text);
    if (p.Terminal)
        out.Line(QStringLiteral("    bytes: ") + p.Hex());
    out.Line(QStringLiteral("    time: %1 ms").arg(p.TotalMs));
    if (!p.Note.isEmpty())
        out.Line(QStringLiteral("    note: ") + p.Note);
}

// `sendsOf` and `settings` given: each level also shows what it sends.
void DumpKeys(TDump& out, const TDefinitionReport& report, const TKeypadClass* sendsOf = nullptr,
              const TPlaybackSettings* settings = nullptr)
{
    for (const TReportKey& key : report.Keys) {
        QString title = QStringLiteral("Key %1").arg(key.Index + 1);
        if (report.NumberOfKeys == 12) {
            title += key.Caption.isEmpty() ? QStringLiteral(" (not on the 12-key keypad)")
                                           : QStringLiteral(" [%1]").arg(key.Caption);
        }
        title += QStringLiteral(": ") + KeyTypeName(key.Type);
        out.Line();
        if (key.IsEmpty()) {
            out.Line(title + QStringLiteral(", no macros"));
            continue;
        }
        out.Line(title);
        for (int level = 0; level < MaxLevels; ++level) {
            const TReportLevel& l = key.Levels[size_t(level)];
            out.Line(LevelHead(l, level + 1));
            // Eight cells to a row, as the macro grid shows them.
            for (int row = 0; row * 8 < l.Cells.size(); ++row)
                out.Line(QStringLiteral("    ") +
                         l.Cells.mid(row * 8, 8).join(QStringLiteral(" | ")));
            if (sendsOf && !l.Codes.isEmpty())
                DumpSends(out, sendsOf->MacroAt(key.Index, level), *settings);
        }
    }
}

int Dump(TCliMode mode, const QString& path, bool hex, bool sends)
{
    if (mode == TCliMode::Unset)
        mode = QFileInfo(path).suffix().compare(QLatin1String("rom"), Qt::CaseInsensitive) == 0
                   ? TCliMode::Rom
                   : TCliMode::User;
    TAppState state;
    const TLoadResult loaded =
        mode == TCliMode::User ? LoadUserFile(state, path) : LoadRomFile(state, path);
    if (!CheckLoad(loaded, path))
        return ExitLoadFailed;

    const TDefinitionReport report =
        MakeDefinitionReport(state, mode == TCliMode::User ? TReportKind::User : TReportKind::Rom,
                             loaded.NumberOfKeys, hex);
    TDump out;
    out.Line(QStringLiteral("%1 (%2 definition, %3 keys)")
                 .arg(path, mode == TCliMode::User ? QStringLiteral("user") : QStringLiteral("ROM"))
                 .arg(loaded.NumberOfKeys));
    out.Line();
    out.Line(QStringLiteral("Global parameters"));
    out.Params(report.Globals);
    DumpScreens(out, report.Screens);
    const TPlaybackSettings settings = PlaybackSettings(state, report.Kind);
    DumpKeys(out, report, sends ? &state.KeypadDefinition : nullptr, &settings);
    PrintTo(stdout, out.Text());
    return ExitOk;
}

} // namespace

int RunDump(const QStringList& args)
{
    const TCliArgs a = ParseArgs(args, {QStringLiteral("--hex"), QStringLiteral("--sends")});
    if (!a.Error.isEmpty())
        return UsageError(a.Error);
    if (a.Files.size() != 1)
        return UsageError(a.Files.isEmpty()
                              ? QStringLiteral("missing FILE")
                              : QStringLiteral("too many files: dump takes one FILE"));
    return Dump(a.Mode, a.Files.at(0), a.Has(QStringLiteral("--hex")),
                a.Has(QStringLiteral("--sends")));
}
