// The blocks of the setup sheet: title, properties, screens and keys.

#include "print/LabelRenderer.h"
#include "print/MmCanvas.h"
#include "print/SetupSheet.h"

#include <algorithm>
#include <numeric>

namespace {

using TBlock = TSetupSheet::TBlock;

const QString Sans = QStringLiteral("DejaVu Sans");
const QString Mono = QStringLiteral("DejaVu Sans Mono");
const QColor Grey(85, 85, 85);
const QColor RuleGrey(170, 170, 170);
const QColor Shade(238, 238, 238);

constexpr double BodyPt = 8.0;
constexpr double SmallPt = 6.0;
constexpr double HeadPt = 7.0;
constexpr double CellPad = 0.8; // above and below the text of a row
constexpr double ColumnGap = 1.5;

enum TableId
{
    ParamsTable,
    KeysTable
};

// Columns of a table: left edges and widths, from a list of widths whose
// last entry (0) takes what is left.
struct TColumns
{
    QList<double> Left;
    QList<double> Width;
    TColumns(const QList<double>& widths, double total)
    {
        double x = 0;
        for (int i = 0; i < widths.size(); ++i) {
            const double w = widths.at(i) > 0 ? widths.at(i) : total - x;
            Left << x;
            Width << w - ColumnGap;
            x += w;
        }
    }
};

// A cell's lines in one font and colour.
struct TCellText
{
    QStringList Lines;
    QFont Font;
    QColor Colour = Qt::black;
    double Height(const TMmCanvas& c) const { return Lines.size() * c.LineHeightMm(Font); }
};

TBlock Heading(const TMmCanvas& c, const QString& text)
{
    const QFont font = c.Font(Sans, 10.5, true);
    const double height = c.LineHeightMm(font) + 3.0;
    TBlock block;
    block.Height = height;
    block.KeepWithNext = true;
    block.Paint = [font, text, height](TMmCanvas& canvas, const QPointF& at) {
        canvas.Text(QRectF(at.x(), at.y() + 2.0, 180, height - 3.0), Qt::AlignLeft | Qt::AlignTop,
                    text, font);
    };
    return block;
}

// A header row: the column names in small bold type over a rule.
TBlock HeaderRow(const TMmCanvas& c, int table, const TColumns& cols, const QStringList& names,
                 double width)
{
    const QFont font = c.Font(Sans, HeadPt, true);
    const double height = c.LineHeightMm(font) + 1.2;
    TBlock block;
    block.Height = height;
    block.Table = table;
    block.Header = true;
    block.KeepWithNext = true;
    block.Paint = [=](TMmCanvas& canvas, const QPointF& at) {
        for (int i = 0; i < names.size(); ++i)
            canvas.Text(QRectF(at.x() + cols.Left.at(i), at.y(), cols.Width.at(i), height),
                        Qt::AlignLeft | Qt::AlignTop, names.at(i), font);
        canvas.Line(QLineF(at.x(), at.y() + height - 0.3, at.x() + width, at.y() + height - 0.3),
                    0.35);
    };
    return block;
}

TBlock TitleBlock(const TMmCanvas& c, const TDefinitionReport& report, const TSetupSheetInfo& info,
                  double width)
{
    const QFont title = c.Font(Sans, 15, true);
    const QFont label = c.Font(Sans, BodyPt, true);
    const QFont body = c.Font(Sans, BodyPt);
    const bool rom = report.Kind == TReportKind::Rom;
    const int inUse =
        int(std::count_if(report.Keys.begin(), report.Keys.end(),
                          [](const TReportKey& k) { return k.OnLayout && !k.IsEmpty(); }));
    const QString date = QStringLiteral("yyyy-MM-dd HH:mm");
    const QList<QPair<QString, QString>> facts = {
        {QStringLiteral("File"),
         info.FileName.isEmpty() ? QStringLiteral("untitled") : info.FileName},
        {QStringLiteral("Model"), report.NumberOfKeys == 12
                                      ? QStringLiteral("12 keys (Model R12 or R13)")
                                      : QStringLiteral("20 keys (Model R20, R21, R22 or R23)")},
        {QStringLiteral("Folder"), info.Folder},
        {QStringLiteral("Mode"),
         rom ? QStringLiteral("ROM Edit Mode") : QStringLiteral("USER Mode")},
        {QStringLiteral("Saved"),
         info.Saved.isValid() ? info.Saved.toString(date) : QStringLiteral("not saved")},
        {QStringLiteral("Keys in use"),
         QStringLiteral("%1 of %2").arg(inUse).arg(report.NumberOfKeys)},
        {QStringLiteral("Printed"), info.Printed.toString(date)},
    };
    const double titleHeight = c.LineHeightMm(title) + 2.0;
    const double line = c.LineHeightMm(body) + 0.6;
    const double half = width / 2;
    const double labelWidth = 20.0;
    const int rows = (int(facts.size()) + 1) / 2;
    const double total = titleHeight + rows * line + 2.5;
    TBlock block;
    block.Height = total;
    block.Paint = [=](TMmCanvas& canvas, const QPointF& at) {
        canvas.Text(QRectF(at.x(), at.y(), width, titleHeight), Qt::AlignLeft | Qt::AlignTop,
                    QStringLiteral("Setup sheet"), title);
        for (int i = 0; i < facts.size(); ++i) {
            const double x = at.x() + (i % 2) * half;
            const double y = at.y() + titleHeight + (i / 2) * line;
            canvas.Text(QRectF(x, y, labelWidth, line), Qt::AlignLeft | Qt::AlignTop,
                        facts.at(i).first, label);
            const double valueWidth = half - labelWidth - 2.0;
            canvas.Text(QRectF(x + labelWidth, y, valueWidth, line),
                        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                        canvas.Elide(body, facts.at(i).second, valueWidth), body);
        }
        const double y = at.y() + total - 0.8;
        canvas.Line(QLineF(at.x(), y, at.x() + width, y), 0.5);
    };
    return block;
}

QList<TBlock> ParamRows(const TMmCanvas& c, const QList<TReportParam>& params, double width)
{
    const TColumns cols({48, 34, 0}, width);
    QList<TBlock> blocks;
    blocks << HeaderRow(
        c, ParamsTable, cols,
        {QStringLiteral("Property"), QStringLiteral("Value"), QStringLiteral("Meaning")}, width);
    const QFont body = c.Font(Sans, BodyPt);
    const QFont bold = c.Font(Sans, BodyPt, true);
    for (int row = 0; row < params.size(); ++row) {
        const TReportParam& p = params.at(row);
        const QList<TCellText> cells = {{c.Wrap(bold, p.Name, cols.Width.at(0)), bold},
                                        {c.Wrap(body, p.Value, cols.Width.at(1)), body},
                                        {c.Wrap(body, p.Meaning, cols.Width.at(2)), body, Grey}};
        double height = 0;
        for (const TCellText& cell : cells)
            height = std::max(height, cell.Height(c));
        height += 2 * CellPad * 0.6;
        TBlock block;
        block.Height = height;
        block.Table = ParamsTable;
        const bool shaded = row % 2 == 1;
        block.Paint = [=](TMmCanvas& canvas, const QPointF& at) {
            if (shaded)
                canvas.Fill(QRectF(at.x(), at.y(), width, height), Shade);
            for (int i = 0; i < cells.size(); ++i)
                canvas.Lines(QPointF(at.x() + cols.Left.at(i), at.y() + CellPad * 0.6),
                             cols.Width.at(i), cells.at(i).Lines, cells.at(i).Font,
                             cells.at(i).Colour);
        };
        blocks << block;
    }
    return blocks;
}

TBlock ScreenBlock(const TMmCanvas& c, const TReportScreen& screen, double width)
{
    const QFont bold = c.Font(Sans, BodyPt, true);
    const QFont lcd = c.Font(Mono, 9);
    const QFont small = c.Font(Sans, 7);
    const QFont smallBold = c.Font(Sans, 7, true);
    const double lcdWidth = c.WidthMm(lcd, QString(16, QLatin1Char('M'))) + 3.0;
    const double lcdHeight = 2 * c.LineHeightMm(lcd) + 2.0;
    const double left = std::max(lcdWidth + 4.0, 52.0);
    const TColumns cols({left, 34, 0}, width);
    QList<QPair<QStringList, QStringList>> rows;
    double rowsHeight = 0;
    for (const TReportParam& p : screen.Params) {
        QString text = p.Value;
        if (!p.Meaning.isEmpty())
            text += (text.isEmpty() ? QString() : QStringLiteral(": ")) + p.Meaning;
        const QStringList value = c.Wrap(small, text, cols.Width.at(2));
        rows << qMakePair(c.Wrap(smallBold, p.Name, cols.Width.at(1)), value);
        rowsHeight += std::max(rows.last().first.size(), value.size()) * c.LineHeightMm(small);
    }
    const double headHeight = c.LineHeightMm(bold) + 1.0;
    const double total = std::max(headHeight + lcdHeight, rowsHeight) + 2 * CellPad + 0.5;
    TBlock block;
    block.Height = total;
    block.Paint = [=](TMmCanvas& canvas, const QPointF& at) {
        const double top = at.y() + CellPad;
        canvas.Text(QRectF(at.x(), top, left, headHeight), Qt::AlignLeft | Qt::AlignTop,
                    QStringLiteral("Screen %1").arg(screen.Number), bold);
        const QRectF box(at.x(), top + headHeight, lcdWidth, lcdHeight);
        canvas.Frame(box, 0.3, Qt::black);
        canvas.Lines(box.topLeft() + QPointF(1.5, 1.0), lcdWidth - 3.0,
                     {screen.Line1, screen.Line2}, lcd);
        double y = top;
        const double line = canvas.LineHeightMm(small);
        for (const auto& row : rows) {
            canvas.Lines(QPointF(at.x() + cols.Left.at(1), y), cols.Width.at(1), row.first,
                         smallBold);
            canvas.Lines(QPointF(at.x() + cols.Left.at(2), y), cols.Width.at(2), row.second, small,
                         Grey);
            y += std::max(row.first.size(), row.second.size()) * line;
        }
        const double bottom = at.y() + total - 0.2;
        canvas.Line(QLineF(at.x(), bottom, at.x() + width, bottom), 0.25, RuleGrey);
    };
    return block;
}

} // namespace

// Keys table, in SheetKeys.cpp.
QList<TBlock> KeyRows(const TMmCanvas& c, const TDefinitionReport& report, double width);

QList<TBlock> SetupSheetBlocks(const TMmCanvas& canvas, const TDefinitionReport& report,
                               const TSetupSheetInfo& info, double width)
{
    QList<TBlock> blocks;
    blocks << TitleBlock(canvas, report, info, width);
    const bool rom = report.Kind == TReportKind::Rom;
    blocks << Heading(canvas, rom ? QStringLiteral("Advanced ROM properties")
                                  : QStringLiteral("User properties"));
    blocks << ParamRows(canvas, report.Globals, width);
    if (!report.Screens.isEmpty()) {
        blocks << Heading(canvas, QStringLiteral("Screens"));
        for (const TReportScreen& screen : report.Screens)
            blocks << ScreenBlock(canvas, screen, width);
    }
    blocks << Heading(canvas, QStringLiteral("Keys"));
    blocks << KeyRows(canvas, report, width);
    return blocks;
}
