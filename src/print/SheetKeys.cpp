// The keys table of the setup sheet: one row per key, a line per level with
// its name, flags, bytes and the macro as the grid shows it, the codes in
// hexadecimal in small print beneath.

#include "print/LabelRenderer.h"
#include "print/MmCanvas.h"
#include "print/SetupSheet.h"

#include <algorithm>

namespace {

using TBlock = TSetupSheet::TBlock;

const QString Sans = QStringLiteral("DejaVu Sans");
const QString Mono = QStringLiteral("DejaVu Sans Mono");
const QColor Grey(85, 85, 85);
const QColor RuleGrey(170, 170, 170);
const QColor BoxGrey(120, 120, 120);

constexpr double BodyPt = 8.0;
constexpr double SmallPt = 6.0;
constexpr double CellPad = 0.8;
constexpr double ColumnGap = 1.5;
constexpr double BoxPad = 0.45;  // inside a named code's box, left and right
constexpr double TokenGap = 0.7; // between a box and what stands beside it
constexpr int KeysTable = 1;

// One piece of a macro line: a run of characters, or a named code in a box.
struct TToken
{
    QString Text;
    bool Boxed = false;
    double X = 0.0; // from the left of the column
};

// The grid's cells flowed into lines no wider than `width`: characters run
// together as they read; named codes ("CR", "Dly 200", "Space") are boxed.
QList<QList<TToken>> FlowCells(const TMmCanvas& c, const QFont& font, const QStringList& cells,
                               double width)
{
    QList<TToken> tokens;
    for (const QString& cell : cells) {
        const bool boxed = cell.size() != 1 || cell == QLatin1String(" ");
        if (!boxed && !tokens.isEmpty() && !tokens.last().Boxed)
            tokens.last().Text += cell;
        else
            tokens << TToken{cell, boxed};
    }
    QList<QList<TToken>> lines(1);
    double x = 0;
    auto place = [&](TToken token, double tokenWidth) {
        const double gap = lines.last().isEmpty()
                               ? 0.0
                               : (token.Boxed || lines.last().last().Boxed ? TokenGap : 0.0);
        if (!lines.last().isEmpty() && x + gap + tokenWidth > width) {
            lines.append(QList<TToken>());
            x = 0;
        } else {
            x += gap;
        }
        token.X = x;
        lines.last() << token;
        x += tokenWidth;
    };
    for (const TToken& token : tokens) {
        if (token.Boxed) {
            const QString text = c.Elide(font, token.Text, width - 2 * BoxPad);
            place(TToken{text, true}, c.WidthMm(font, text) + 2 * BoxPad);
            continue;
        }
        // A run of characters breaks where the line is full.
        QString rest = token.Text;
        while (!rest.isEmpty()) {
            const double room = lines.last().isEmpty() ? width : width - x - TokenGap;
            int n = c.WidthMm(font, rest) <= room ? int(rest.size()) : 0;
            while (n < rest.size() && c.WidthMm(font, rest.left(n + 1)) <= room)
                ++n;
            if (n == 0 && !lines.last().isEmpty()) {
                lines.append(QList<TToken>());
                x = 0;
                continue;
            }
            n = std::max(n, 1);
            place(TToken{rest.left(n), false}, c.WidthMm(font, rest.left(n)));
            rest = rest.mid(n);
        }
    }
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString HexCodes(const QList<int32_t>& codes)
{
    QStringList words;
    for (int32_t code : codes)
        words << QString::number(uint32_t(code), 16).toUpper().rightJustified(2, QLatin1Char('0'));
    return words.join(QLatin1Char(' '));
}

// The columns: key, type, level, name, bytes and flags, macro (the rest).
struct TKeyColumns
{
    double Key = 15, Type = 19, Level = 5, Name = 36, Bytes = 21;
    double MacroLeft() const { return Key + Type + Level + Name + Bytes; }
};

struct TLevelRow
{
    QStringList Name;
    QStringList Flags;
    QList<QList<TToken>> Macro;
    QStringList Hex;
    double Height = 0.0;
};

TLevelRow MakeLevelRow(const TMmCanvas& c, const TReportLevel& level, const TKeyColumns& k,
                       double macroWidth)
{
    const QFont body = c.Font(Sans, BodyPt);
    const QFont bold = c.Font(Sans, BodyPt, true);
    const QFont small = c.Font(Mono, SmallPt);
    TLevelRow row;
    row.Name = c.Wrap(bold, level.Name, k.Name - ColumnGap);
    row.Flags << QStringLiteral("%1 byte%2").arg(level.Bytes).arg(level.Bytes == 1 ? "" : "s");
    if (level.AutoRepeat)
        row.Flags << QStringLiteral("auto-repeat");
    if (level.SendKeyNow)
        row.Flags << QStringLiteral("transmit at once");
    row.Macro = FlowCells(c, body, level.Cells, macroWidth);
    row.Hex = c.Wrap(small, HexCodes(level.Codes), macroWidth);
    const double macroLine = c.LineHeightMm(body) + 0.7;
    const double macro = std::max<qsizetype>(1, row.Macro.size()) * macroLine +
                         row.Hex.size() * c.LineHeightMm(small);
    row.Height = std::max({row.Name.size() * c.LineHeightMm(bold),
                           row.Flags.size() * c.LineHeightMm(body), macro}) +
                 2 * CellPad;
    return row;
}

void PaintMacro(TMmCanvas& canvas, const QPointF& at, const TLevelRow& row, double width)
{
    const QFont body = canvas.Font(Sans, BodyPt);
    const QFont small = canvas.Font(Mono, SmallPt);
    const double line = canvas.LineHeightMm(body) + 0.7;
    double y = at.y();
    if (row.Macro.isEmpty())
        canvas.Text(QRectF(at.x(), y, width, line), Qt::AlignLeft | Qt::AlignVCenter,
                    QStringLiteral("(no codes)"), body, Grey);
    for (const QList<TToken>& tokens : row.Macro) {
        for (const TToken& token : tokens) {
            const double w = canvas.WidthMm(body, token.Text) + (token.Boxed ? 2 * BoxPad : 0.0);
            const QRectF box(at.x() + token.X, y, w, line);
            if (token.Boxed)
                canvas.Frame(box.adjusted(0, 0.15, 0, -0.15), 0.15, BoxGrey, Qt::NoBrush, 0.6);
            canvas.Text(box, Qt::AlignCenter | Qt::TextSingleLine, token.Text, body);
        }
        y += line;
    }
    if (row.Macro.isEmpty())
        y += line;
    canvas.Lines(QPointF(at.x(), y), width, row.Hex, small, Grey);
}

TBlock KeyRow(const TMmCanvas& c, const TReportKey& key, bool twelve, double width)
{
    const TKeyColumns k;
    const double macroWidth = width - k.MacroLeft();
    const QFont bold = c.Font(Sans, BodyPt, true);
    const QFont body = c.Font(Sans, BodyPt);
    const QFont small = c.Font(Sans, SmallPt);
    QList<TLevelRow> levels;
    double height = 0;
    // A key with nothing on either level takes one short line.
    if (!key.IsEmpty()) {
        for (const TReportLevel& level : key.Levels) {
            levels << MakeLevelRow(c, level, k, macroWidth);
            height += levels.last().Height;
        }
    }
    QString place;
    if (twelve)
        place = key.OnLayout ? QStringLiteral("[%1]").arg(key.Caption)
                             : QStringLiteral("not on keypad");
    const double iconSize = 3.2;
    height = std::max(height, c.LineHeightMm(bold) + iconSize + 2 * CellPad);

    TBlock block;
    block.Height = height;
    block.Table = KeysTable;
    block.Paint = [=](TMmCanvas& canvas, const QPointF& at) {
        const double top = at.y() + CellPad;
        canvas.Text(QRectF(at.x(), top, k.Key, 10), Qt::AlignLeft | Qt::AlignTop,
                    QStringLiteral("Key %1").arg(key.Index + 1), bold);
        if (!place.isEmpty())
            canvas.Text(QRectF(at.x(), top + canvas.LineHeightMm(bold), k.Key - ColumnGap, 10),
                        Qt::AlignLeft | Qt::AlignTop, place, small, Grey);
        const double typeX = at.x() + k.Key;
        canvas.Text(QRectF(typeX, top, k.Type - ColumnGap, 10), Qt::AlignLeft | Qt::AlignTop,
                    KeyTypeName(key.Type), key.Type == ktNormal ? body : bold,
                    key.Type == ktNormal ? Grey : Qt::black);
        PaintKeyTypeIcon(canvas,
                         QRectF(typeX, top + canvas.LineHeightMm(bold) + 0.3, iconSize, iconSize),
                         key.Type);
        if (levels.isEmpty())
            canvas.Text(QRectF(at.x() + k.Key + k.Type + k.Level, top, 60, 10),
                        Qt::AlignLeft | Qt::AlignTop, QStringLiteral("no macros"), body, Grey);
        double y = at.y();
        for (int i = 0; i < levels.size(); ++i) {
            const TLevelRow& row = levels.at(i);
            const double rowTop = y + CellPad;
            double x = at.x() + k.Key + k.Type;
            canvas.Text(QRectF(x, rowTop, k.Level, 10), Qt::AlignLeft | Qt::AlignTop,
                        QString::number(i + 1), body, Grey);
            x += k.Level;
            canvas.Lines(QPointF(x, rowTop), k.Name - ColumnGap, row.Name, bold);
            x += k.Name;
            canvas.Lines(QPointF(x, rowTop), k.Bytes - ColumnGap, row.Flags, body);
            x += k.Bytes;
            PaintMacro(canvas, QPointF(x, rowTop), row, width - k.MacroLeft());
            y += row.Height;
            if (i + 1 < levels.size())
                canvas.Line(QLineF(at.x() + k.Key + k.Type, y, at.x() + width, y), 0.1, RuleGrey);
        }
        const double bottom = at.y() + height - 0.15;
        canvas.Line(QLineF(at.x(), bottom, at.x() + width, bottom), 0.3);
    };
    return block;
}

} // namespace

QList<TBlock> KeyRows(const TMmCanvas& c, const TDefinitionReport& report, double width)
{
    const TKeyColumns k;
    const QFont font = c.Font(Sans, 7.0, true);
    const double height = c.LineHeightMm(font) + 1.2;
    const QList<double> left = {0,
                                k.Key,
                                k.Key + k.Type,
                                k.Key + k.Type + k.Level,
                                k.Key + k.Type + k.Level + k.Name,
                                k.MacroLeft()};
    const QStringList names = {
        QStringLiteral("Key"),   QStringLiteral("Type"),
        QStringLiteral("L"),     QStringLiteral("Name"),
        QStringLiteral("Bytes"), QStringLiteral("Macro (codes in hex below)")};
    QList<TBlock> blocks;
    TBlock header;
    header.Height = height;
    header.Table = KeysTable;
    header.Header = true;
    header.KeepWithNext = true;
    header.Paint = [=](TMmCanvas& canvas, const QPointF& at) {
        for (int i = 0; i < names.size(); ++i)
            canvas.Text(QRectF(at.x() + left.at(i), at.y(), 60, height),
                        Qt::AlignLeft | Qt::AlignTop, names.at(i), font);
        canvas.Line(QLineF(at.x(), at.y() + height - 0.3, at.x() + width, at.y() + height - 0.3),
                    0.35);
    };
    blocks << header;
    const bool twelve = report.NumberOfKeys == 12;
    for (const TReportKey& key : report.Keys) {
        // Keys the 12-key keypad hides are listed only when they hold something.
        if (twelve && !key.OnLayout && key.IsEmpty())
            continue;
        blocks << KeyRow(c, key, twelve, width);
    }
    return blocks;
}
