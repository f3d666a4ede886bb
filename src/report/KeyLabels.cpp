#include "report/KeyLabels.h"

#include <algorithm>
#include <cmath>

namespace {

// Values closer than this are one cut line (in mm).
constexpr double SameLine = 0.01;

void AddUnique(std::vector<double>& values, double value)
{
    for (double v : values)
        if (std::abs(v - value) < SameLine)
            return;
    values.push_back(value);
}

// Ticks beside one keypad block, outside it, at every label edge.
void AddCutMarks(TLabelSheetGeometry& sheet, const QRectF& block, const std::vector<double>& xs,
                 const std::vector<double>& ys)
{
    const double near = CutMarkOffsetMm;
    const double far = CutMarkOffsetMm + CutMarkLengthMm;
    for (double x : xs) {
        sheet.CutMarks << QLineF(x, block.top() - far, x, block.top() - near)
                       << QLineF(x, block.bottom() + near, x, block.bottom() + far);
    }
    for (double y : ys) {
        sheet.CutMarks << QLineF(block.left() - far, y, block.left() - near, y)
                       << QLineF(block.right() + near, y, block.right() + far, y);
    }
}

bool IsNamedCell(const QString& cell)
{
    return cell.size() != 1;
}

} // namespace

double SnapToStep(double value, double low, double high, double step)
{
    if (!std::isfinite(value))
        value = low;
    value = std::clamp(value, low, high);
    return std::clamp(low + std::round((value - low) / step) * step, low, high);
}

TKeyLabelSettings Normalised(TKeyLabelSettings s)
{
    using namespace KeyLabelLimits;
    s.WidthMm = SnapToStep(s.WidthMm, MinSize, MaxSize, SizeStep);
    s.HeightMm = SnapToStep(s.HeightMm, MinSize, MaxSize, SizeStep);
    s.GapMm = SnapToStep(s.GapMm, MinGap, MaxGap, GapStep);
    s.FontSizePt = SnapToStep(s.FontSizePt, MinFont, MaxFont, FontStep);
    s.FontFamily = s.FontFamily.trimmed();
    if (s.FontFamily.isEmpty())
        s.FontFamily = TKeyLabelSettings().FontFamily;
    return s;
}

QSizeF PaperSizeMm(TPaper paper)
{
    return paper == TPaper::Letter ? QSizeF(215.9, 279.4) : QSizeF(210.0, 297.0);
}

QString PaperName(TPaper paper)
{
    return paper == TPaper::Letter ? QStringLiteral("Letter") : QStringLiteral("A4");
}

bool ParsePaper(const QString& text, TPaper& paper)
{
    if (text.compare(QLatin1String("a4"), Qt::CaseInsensitive) == 0)
        paper = TPaper::A4;
    else if (text.compare(QLatin1String("letter"), Qt::CaseInsensitive) == 0)
        paper = TPaper::Letter;
    else
        return false;
    return true;
}

QList<int> LayoutKeys(int numberOfKeys)
{
    QList<int> keys;
    for (int key = 0; key < MaxKeys; ++key)
        if (numberOfKeys != 12 || !TwelveKeyCaption(key).isEmpty())
            keys << key;
    return keys;
}

TLabelSheetGeometry LayoutLabelSheet(const TKeyLabelSettings& settings, int numberOfKeys)
{
    const TKeyLabelSettings s = Normalised(settings);
    TLabelSheetGeometry sheet;
    sheet.PageMm = PaperSizeMm(s.Paper);
    sheet.HeaderMm = QRectF(LabelPageMarginMm, 5.0, sheet.PageMm.width() - 2 * LabelPageMarginMm,
                            LabelPageMarginMm - 6.0);
    const bool twelve = numberOfKeys == 12;
    sheet.Columns = twelve ? 3 : 4;
    sheet.Rows = twelve ? 4 : 5;

    const double blockWidth = sheet.Columns * s.WidthMm + (sheet.Columns - 1) * s.GapMm;
    const double blockHeight = sheet.Rows * s.HeightMm + (sheet.Rows - 1) * s.GapMm;
    // Inside the margins stand the labels and, when asked for, their cut marks.
    const double room = LabelPageMarginMm + (s.CutMarks ? CutMarkRoomMm : 0.0);
    const QRectF area(room, room, sheet.PageMm.width() - 2 * room,
                      sheet.PageMm.height() - 2 * room);
    auto fit = [](double room, double block) {
        return std::max(
            1, int(std::floor((room + LabelCopySpacingMm + 1e-9) / (block + LabelCopySpacingMm))));
    };
    sheet.CopiesAcross = fit(area.width(), blockWidth);
    sheet.CopiesDown = fit(area.height(), blockHeight);
    const double usedWidth =
        sheet.CopiesAcross * blockWidth + (sheet.CopiesAcross - 1) * LabelCopySpacingMm;
    const double left = area.left() + (area.width() - usedWidth) / 2;

    const QList<int> keys = LayoutKeys(numberOfKeys);
    int copy = 0;
    for (int down = 0; down < sheet.CopiesDown; ++down) {
        for (int across = 0; across < sheet.CopiesAcross; ++across, ++copy) {
            const QPointF origin(left + across * (blockWidth + LabelCopySpacingMm),
                                 area.top() + down * (blockHeight + LabelCopySpacingMm));
            std::vector<double> xs;
            std::vector<double> ys;
            for (int i = 0; i < keys.size(); ++i) {
                const int row = i / sheet.Columns;
                const int column = i % sheet.Columns;
                const QRectF rect(origin.x() + column * (s.WidthMm + s.GapMm),
                                  origin.y() + row * (s.HeightMm + s.GapMm), s.WidthMm, s.HeightMm);
                sheet.Labels << TPlacedLabel{keys.at(i), copy, rect};
                AddUnique(xs, rect.left());
                AddUnique(xs, rect.right());
                AddUnique(ys, rect.top());
                AddUnique(ys, rect.bottom());
            }
            if (s.CutMarks)
                AddCutMarks(sheet, QRectF(origin, QSizeF(blockWidth, blockHeight)), xs, ys);
        }
    }
    return sheet;
}

QString KeyTypeWord(TKeyType type)
{
    switch (type) {
    case ktShift:
        return QStringLiteral("Shift Level");
    case ktToggle:
        return QStringLiteral("Toggle Level");
    case ktAlpha:
        return QStringLiteral("Alpha Lock");
    case ktNormal:
        break;
    }
    return QString();
}

QString MacroDisplayText(const TReportLevel& level, int maxLength)
{
    QString text;
    bool lastNamed = false;
    for (const QString& cell : level.Cells) {
        if (cell == QLatin1String("Space")) {
            text += QLatin1Char(' ');
            lastNamed = false;
            continue;
        }
        const bool named = IsNamedCell(cell);
        // A named code stands apart from what comes before and after it.
        if ((named || lastNamed) && !text.isEmpty() && !text.endsWith(QLatin1Char(' ')))
            text += QLatin1Char(' ');
        text += cell.trimmed();
        lastNamed = named;
        if (text.size() > maxLength)
            break;
    }
    text = text.trimmed();
    if (text.size() > maxLength)
        text = text.left(std::max(0, maxLength - 1)).trimmed() + QChar(0x2026);
    return text;
}

TLabelText KeyLabelText(const TReportKey& key, const QString& overrideText)
{
    TLabelText label;
    label.Type = key.Type;
    label.Second = key.Levels[1].Name.trimmed();
    const QString override = overrideText.trimmed();
    if (!override.isEmpty()) {
        label.Main = override;
        label.Overridden = true;
    } else if (!key.Levels[0].Name.trimmed().isEmpty()) {
        label.Main = key.Levels[0].Name.trimmed();
    } else {
        label.Main = MacroDisplayText(key.Levels[0]);
        if (label.Main.isEmpty())
            label.Main = KeyTypeWord(key.Type);
    }
    return label;
}

std::array<TLabelText, MaxKeys> KeyLabelTexts(const TDefinitionReport& report,
                                              const TLabelOverrideTexts& overrides)
{
    std::array<TLabelText, MaxKeys> texts;
    for (const TReportKey& key : report.Keys)
        if (key.Index >= 0 && key.Index < MaxKeys)
            texts[size_t(key.Index)] = KeyLabelText(key, overrides[size_t(key.Index)]);
    return texts;
}
