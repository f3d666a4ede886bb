#include "print/SetupSheet.h"

#include "print/MmCanvas.h"

#include <utility>

namespace {

constexpr double SideMargin = 14.0;
constexpr double TopMargin = 13.0;
constexpr double BottomMargin = 17.0; // the footer stands in it
constexpr double FooterFromBottom = 10.0;

} // namespace

TSetupSheet::TSetupSheet(TDefinitionReport report, TSetupSheetInfo info)
    : fReport(std::move(report)), fInfo(std::move(info))
{
}

QString TSetupSheet::Title() const
{
    return (fInfo.FileName.isEmpty() ? QStringLiteral("untitled") : fInfo.FileName) +
           QStringLiteral(" — setup sheet");
}

int TSetupSheet::Prepare(QPaintDevice* device)
{
    const TMmCanvas canvas(device);
    const double width = PageSizeMm().width() - 2 * SideMargin;
    fBlocks = SetupSheetBlocks(canvas, fReport, fInfo, width);
    Paginate(fBlocks);
    return fPages.size();
}

void TSetupSheet::Paginate(const QList<TBlock>& blocks)
{
    fPages.clear();
    fPages.append(QList<TPlaced>());
    const double bottom = PageSizeMm().height() - BottomMargin;
    double y = TopMargin;
    QList<int> headers; // the header block of each table, by table id
    auto newPage = [&]() {
        fPages.append(QList<TPlaced>());
        y = TopMargin;
    };
    for (int i = 0; i < blocks.size(); ++i) {
        const TBlock& block = blocks.at(i);
        if (block.Header) {
            headers.resize(std::max<qsizetype>(headers.size(), block.Table + 1), -1);
            headers[block.Table] = i;
        }
        // A block that must stay with the next one moves with it.
        double needed = block.Height;
        for (int j = i; j + 1 < blocks.size() && blocks.at(j).KeepWithNext; ++j)
            needed += blocks.at(j + 1).Height;
        if (y + needed > bottom && !fPages.last().isEmpty()) {
            newPage();
            // A table that goes on repeats its header row first.
            if (!block.Header && block.Table >= 0 && block.Table < headers.size() &&
                headers.at(block.Table) >= 0) {
                fPages.last() << TPlaced{headers.at(block.Table), y};
                y += blocks.at(headers.at(block.Table)).Height;
            }
        }
        fPages.last() << TPlaced{i, y};
        y += block.Height;
    }
}

void TSetupSheet::PaintFooter(TMmCanvas& canvas, int page) const
{
    const QFont font = canvas.Font(QStringLiteral("DejaVu Sans"), 7);
    const double width = PageSizeMm().width() - 2 * SideMargin;
    const double y = PageSizeMm().height() - FooterFromBottom;
    canvas.Line(QLineF(SideMargin, y - 1.0, SideMargin + width, y - 1.0), 0.2);
    const QRectF line(SideMargin, y, width, canvas.LineHeightMm(font));
    canvas.Text(line, Qt::AlignLeft | Qt::AlignTop, canvas.Elide(font, Title(), width - 30), font);
    canvas.Text(line, Qt::AlignRight | Qt::AlignTop,
                QStringLiteral("Page %1 of %2").arg(page + 1).arg(fPages.size()), font);
}

void TSetupSheet::PaintPage(QPainter& painter, int page)
{
    if (page < 0 || page >= fPages.size())
        return;
    TMmCanvas canvas(painter);
    for (const TPlaced& placed : fPages.at(page))
        fBlocks.at(placed.Block).Paint(canvas, QPointF(SideMargin, placed.Top));
    PaintFooter(canvas, page);
}
