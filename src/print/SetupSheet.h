#pragma once

#include "print/PrintOutput.h"
#include "report/DefinitionReport.h"
#include "report/KeyLabels.h"

#include <QDateTime>
#include <QList>
#include <QPointF>
#include <QString>

#include <functional>

class TMmCanvas;

// What the setup sheet says about the file besides the definition.
struct TSetupSheetInfo
{
    QString FileName;  // the definition's name; empty for a definition never saved
    QString Folder;    // where it lives
    QDateTime Saved;   // when the file was last written; invalid when unknown
    QDateTime Printed; // the date the sheet carries
    TPaper Paper = TPaper::A4;
};

// The record that goes with a deployed keypad: the file, the model and
// mode, the properties with their meanings, in ROM Edit Mode the screens,
// and one row per key with both levels. Laid out in blocks that never
// break across pages; a table's header row repeats on every page it spans.
class TSetupSheet : public TPrintable
{
public:
    TSetupSheet(TDefinitionReport report, TSetupSheetInfo info);

    QSizeF PageSizeMm() const override { return PaperSizeMm(fInfo.Paper); }
    int Prepare(QPaintDevice* device) override;
    void PaintPage(QPainter& painter, int page) override;
    int PageCount() const { return fPages.size(); }

    // One piece of the sheet: painted at its top-left corner, in millimetres.
    struct TBlock
    {
        double Height = 0.0;
        int Table = -1;      // the table it belongs to, -1 for none
        bool Header = false; // the table's header row, repeated on each page
        bool KeepWithNext = false;
        std::function<void(TMmCanvas&, const QPointF&)> Paint;
    };

private:
    struct TPlaced
    {
        int Block = 0;
        double Top = 0.0;
    };

    QString Title() const;
    void Paginate(const QList<TBlock>& blocks);
    void PaintFooter(TMmCanvas& canvas, int page) const;

    TDefinitionReport fReport;
    TSetupSheetInfo fInfo;
    QList<TBlock> fBlocks;
    QList<QList<TPlaced>> fPages;
};

// Builds the blocks of a sheet, measured on `canvas`, `width` mm wide.
QList<TSetupSheet::TBlock> SetupSheetBlocks(const TMmCanvas& canvas,
                                            const TDefinitionReport& report,
                                            const TSetupSheetInfo& info, double width);
