#pragma once

#include "model/KeypadClass.h"
#include "report/DefinitionReport.h"

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <array>

// Printed key labels: what each label says and where it stands on the
// sheet, in millimetres. No painting here: the renderer in src/print draws
// what this computes, on paper, in a PDF, an SVG or a picture alike.

enum class TPaper
{
    A4,
    Letter
};

// The label settings the user chooses (kept in PadwrightRx.ini, section KEY_LABELS).
struct TKeyLabelSettings
{
    double WidthMm = 14.0;
    double HeightMm = 14.0;
    double GapMm = 2.0; // between the labels of one keypad
    bool CutMarks = false;
    TPaper Paper = TPaper::A4;
    QString FontFamily = QStringLiteral("DejaVu Sans");
    double FontSizePt = 9.0; // the size the text starts from before it shrinks

    bool operator==(const TKeyLabelSettings& o) const
    {
        return WidthMm == o.WidthMm && HeightMm == o.HeightMm && GapMm == o.GapMm &&
               CutMarks == o.CutMarks && Paper == o.Paper && FontFamily == o.FontFamily &&
               FontSizePt == o.FontSizePt;
    }
};

namespace KeyLabelLimits {
constexpr double MinSize = 8.0; // label width and height, mm
constexpr double MaxSize = 30.0;
constexpr double SizeStep = 0.5;
constexpr double MinGap = 0.0;
constexpr double MaxGap = 10.0;
constexpr double GapStep = 0.5;
constexpr double MinFont = 5.0; // points
constexpr double MaxFont = 24.0;
constexpr double FontStep = 0.5;
} // namespace KeyLabelLimits

// `value` brought into [low, high] and onto the nearest multiple of `step`.
double SnapToStep(double value, double low, double high, double step);
// Every value in its range and on its step; an empty family becomes the default.
TKeyLabelSettings Normalised(TKeyLabelSettings settings);

QSizeF PaperSizeMm(TPaper paper);
QString PaperName(TPaper paper); // "A4", "Letter"
// "a4" or "letter" in any letter case; false for anything else.
bool ParsePaper(const QString& text, TPaper& paper);

// One label on the sheet.
struct TPlacedLabel
{
    int Key = 0;  // 0..19
    int Copy = 0; // which copy of the keypad on the sheet
    QRectF RectMm;
};

struct TLabelSheetGeometry
{
    QSizeF PageMm;
    QRectF HeaderMm; // the line above the labels that names the sheet, in the top margin
    int Columns = 4; // the keypad's keys: 4 x 5 or 3 x 4
    int Rows = 5;
    int CopiesAcross = 1;
    int CopiesDown = 1;
    QList<TPlacedLabel> Labels; // copy by copy, in keypad rows
    QList<QLineF> CutMarks;     // outside the labels, in the margins of each copy
    int Copies() const { return CopiesAcross * CopiesDown; }
};

constexpr double LabelPageMarginMm = 12.0;
constexpr double CutMarkOffsetMm = 1.0; // from the keypad's outer labels
constexpr double CutMarkLengthMm = 3.0;
constexpr double CutMarkRoomMm = CutMarkOffsetMm + CutMarkLengthMm;
// Between two copies: their cut marks and a clear stretch between them.
constexpr double LabelCopySpacingMm = 2 * CutMarkRoomMm + 2.0;

// The keys of a layout (12 or 20) in keypad order, row by row.
QList<int> LayoutKeys(int numberOfKeys);
// The keypad copies that fit on the paper, each key at its keypad position.
TLabelSheetGeometry LayoutLabelSheet(const TKeyLabelSettings& settings, int numberOfKeys);

// What one label says.
struct TLabelText
{
    QString Main;   // level 1's name, the user's override, or the macro's text
    QString Second; // level 2's name; empty when it has none
    TKeyType Type = ktNormal;
    bool Overridden = false;
};

using TLabelOverrideTexts = std::array<QString, MaxKeys>;

// "Shift Level", "Toggle Level", "Alpha Lock"; empty for a normal key.
QString KeyTypeWord(TKeyType type);
// A macro as one line of text: characters run together, named codes
// ("CR", "Dly 200") stand apart; cut to `maxLength` with "…".
QString MacroDisplayText(const TReportLevel& level, int maxLength = 32);
// The label of one key: an override wins; then level 1's name; then the
// macro's text; a level key with nothing else shows its type's word.
TLabelText KeyLabelText(const TReportKey& key, const QString& overrideText);
std::array<TLabelText, MaxKeys> KeyLabelTexts(const TDefinitionReport& report,
                                              const TLabelOverrideTexts& overrides);
