#include "analysis/DefinitionDiff.h"

#include <algorithm>
#include <vector>

namespace {

QString ValueText(const TReportParam& p)
{
    if (p.Meaning.isEmpty() || p.Value.isEmpty())
        return p.Value + p.Meaning;
    return p.Value + QStringLiteral(" (") + p.Meaning + QLatin1Char(')');
}

// Marks the codes of each side that are not in a longest common subsequence
// of the two: what was inserted, removed or changed.
void MarkChanged(const QList<int32_t>& a, const QList<int32_t>& b, QList<bool>& aChanged,
                 QList<bool>& bChanged)
{
    const size_t n = size_t(a.size());
    const size_t m = size_t(b.size());
    std::vector<std::vector<int>> len(n + 1, std::vector<int>(m + 1, 0));
    for (size_t i = n; i-- > 0;)
        for (size_t j = m; j-- > 0;)
            len[i][j] = a.at(qsizetype(i)) == b.at(qsizetype(j))
                            ? len[i + 1][j + 1] + 1
                            : std::max(len[i + 1][j], len[i][j + 1]);
    aChanged = QList<bool>(qsizetype(n), true);
    bChanged = QList<bool>(qsizetype(m), true);
    size_t i = 0;
    size_t j = 0;
    while (i < n && j < m) {
        if (a.at(qsizetype(i)) == b.at(qsizetype(j))) {
            aChanged[qsizetype(i++)] = false;
            bChanged[qsizetype(j++)] = false;
        } else if (len[i + 1][j] >= len[i][j + 1]) {
            ++i;
        } else {
            ++j;
        }
    }
}

// Cells without a text of their own (command bytes without a meaning) show
// their code, so that no difference is invisible.
QStringList CellTexts(const TReportLevel& level)
{
    QStringList cells = level.Cells;
    for (qsizetype i = 0; i < cells.size(); ++i)
        if (cells.at(i).isEmpty())
            cells[i] = CodeDisplayText(level.Codes.at(i), true);
    return cells;
}

QString CodesText(const QStringList& cells)
{
    return cells.isEmpty() ? QStringLiteral("(empty)") : cells.join(QStringLiteral(" | "));
}

QString FlagsText(const TReportLevel& level)
{
    QStringList flags;
    if (level.AutoRepeat)
        flags << QStringLiteral("auto-repeat");
    if (level.SendKeyNow)
        flags << QStringLiteral("transmit at once");
    return flags.isEmpty() ? QStringLiteral("none") : flags.join(QStringLiteral(", "));
}

class TDiffBuilder
{
public:
    TDiffRow& Row(const QString& section, const QString& item, const QString& left,
                  const QString& right, bool differs)
    {
        TDiffRow row;
        row.Section = section;
        row.Item = item;
        row.Left = left;
        row.Right = right;
        row.Differs = differs;
        fDiff.Rows << row;
        return fDiff.Rows.last();
    }
    TDiffRow& Row(const QString& section, const QString& item, const QString& left,
                  const QString& right)
    {
        return Row(section, item, left, right, left != right);
    }

    // Parameters are matched by name: both lists come from reports of one kind.
    // A meaning that differs is a difference too (a screen's actions are meanings).
    void Params(const QString& section, const QList<TReportParam>& left,
                const QList<TReportParam>& right, int screen = -1)
    {
        for (const TReportParam& l : left) {
            const auto r = std::find_if(right.cbegin(), right.cend(),
                                        [&l](const TReportParam& p) { return p.Name == l.Name; });
            const QString rightText = r == right.cend() ? QStringLiteral("(none)") : ValueText(*r);
            Row(section, l.Name, ValueText(l), rightText).Screen = screen;
        }
    }

    void Level(const QString& section, int key, int level, const TReportLevel& l,
               const TReportLevel& r)
    {
        const QString prefix = QStringLiteral("level %1 ").arg(level + 1);
        auto place = [key, level](TDiffRow& row) {
            row.Key = key;
            row.Level = level;
        };
        place(Row(section, prefix + QStringLiteral("name"), Quoted(l.Name), Quoted(r.Name)));
        place(Row(section, prefix + QStringLiteral("flags"), FlagsText(l), FlagsText(r)));
        const QStringList leftCells = CellTexts(l);
        const QStringList rightCells = CellTexts(r);
        TDiffRow& codes = Row(section, prefix + QStringLiteral("codes"), CodesText(leftCells),
                              CodesText(rightCells), l.Codes != r.Codes);
        place(codes);
        codes.LeftCells = leftCells;
        codes.RightCells = rightCells;
        MarkChanged(l.Codes, r.Codes, codes.LeftChanged, codes.RightChanged);
    }

    TDefinitionDiff fDiff;
};

QString KeySection(int key, bool twelve)
{
    QString section = QStringLiteral("Key %1").arg(key + 1);
    const QString caption = twelve ? TwelveKeyCaption(key) : QString();
    if (!caption.isEmpty())
        section += QStringLiteral(" [") + caption + QLatin1Char(']');
    return section;
}

} // namespace

int TDefinitionDiff::DifferenceCount() const
{
    return int(
        std::count_if(Rows.cbegin(), Rows.cend(), [](const TDiffRow& r) { return r.Differs; }));
}

TDefinitionDiff DiffDefinitions(const TDefinitionReport& left, const TDefinitionReport& right)
{
    TDiffBuilder b;
    const QString definition = QStringLiteral("Definition");
    b.Row(definition, QStringLiteral("keys"), QString::number(left.NumberOfKeys),
          QString::number(right.NumberOfKeys));
    b.Params(QStringLiteral("Global parameters"), left.Globals, right.Globals);

    const bool twelve = left.NumberOfKeys == 12 || right.NumberOfKeys == 12;
    for (int key = 0; key < MaxKeys && key < left.Keys.size() && key < right.Keys.size(); ++key) {
        const TReportKey& l = left.Keys.at(key);
        const TReportKey& r = right.Keys.at(key);
        const QString section = KeySection(key, twelve);
        b.Row(section, QStringLiteral("type"), KeyTypeName(l.Type), KeyTypeName(r.Type)).Key = key;
        for (int level = 0; level < MaxLevels; ++level)
            b.Level(section, key, level, l.Levels[size_t(level)], r.Levels[size_t(level)]);
    }

    for (qsizetype i = 0; i < left.Screens.size() && i < right.Screens.size(); ++i) {
        const TReportScreen& l = left.Screens.at(i);
        const TReportScreen& r = right.Screens.at(i);
        const QString section = QStringLiteral("Screen %1").arg(l.Number);
        b.Row(section, QStringLiteral("line 1"), Quoted(l.Line1), Quoted(r.Line1)).Screen = int(i);
        b.Row(section, QStringLiteral("line 2"), Quoted(l.Line2), Quoted(r.Line2)).Screen = int(i);
        b.Params(section, l.Params, r.Params, int(i));
    }
    return b.fDiff;
}

QString DiffLine(const TDiffRow& row)
{
    return row.Section + QStringLiteral(", ") + row.Item + QStringLiteral(": ") + row.Left +
           QStringLiteral(" -> ") + row.Right;
}
