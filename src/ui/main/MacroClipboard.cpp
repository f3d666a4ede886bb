// The macro editor's clipboard: the selected codes out, codes of this
// editor's format or typed text in, always at the grid cursor.

#include "ui/main/MacroEditor.h"

#include "ui/common/Prompts.h"
#include "ui/main/ClipboardData.h"
#include "ui/main/MacroGrid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>
#include <memory>

QList<int32_t> TMacroEditor::SelectedCodes() const
{
    const int count = fDefinition.NumOfElements();
    const auto& values = fDefinition.SelectedMacro().Values;
    QList<int32_t> codes;
    const QList<QTableWidgetSelectionRange> ranges = Grid->selectedRanges();
    if (ranges.isEmpty()) {
        const int position = GridPosition();
        if (position < count)
            codes << values[size_t(position)];
        return codes;
    }
    const QTableWidgetSelectionRange& range = ranges.first();
    for (int row = range.topRow(); row <= range.bottomRow(); ++row)
        for (int col = range.leftColumn(); col <= range.rightColumn(); ++col) {
            const int position = row * TMacroGrid::Columns + col;
            if (position < count)
                codes << values[size_t(position)];
        }
    return codes;
}

void TMacroEditor::CopySelection()
{
    const QList<int32_t> codes = SelectedCodes();
    if (codes.isEmpty())
        return;
    QGuiApplication::clipboard()->setMimeData(
        MakeClipMimeData(ClipOfCodes(fDefinition, codes), fDefinition.bViewInHex));
}

void TMacroEditor::CutSelection()
{
    if (!HasSelectedCodes())
        return;
    CopySelection();
    RemoveData(SelectionTopLeft(), TEditKind::Cut);
}

void TMacroEditor::DeleteSelection()
{
    RemoveData(SelectionTopLeft());
}

void TMacroEditor::SelectAllCodes()
{
    // The rows that hold codes, whole: what Delete then removes is the macro.
    Grid->clearSelection();
    const int count = fDefinition.NumOfElements();
    if (count == 0)
        return;
    Grid->setRangeSelected(QTableWidgetSelectionRange(0, 0, (count - 1) / TMacroGrid::Columns,
                                                      TMacroGrid::Columns - 1),
                           true);
}

void TMacroEditor::PasteFromClipboard()
{
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    QList<int32_t> codes;
    if (const std::optional<TClipContent> clip = ClipFromMime(mime)) {
        const int level = clip->Kind == TClipKind::Key ? fDefinition.Level() : 0;
        codes = CodesForPrefix(clip->Levels[size_t(level)].Codes, clip->Prefix,
                               fDefinition.CmdPrefix());
    } else if (mime && mime->hasText()) {
        codes = TypedTextCodes(mime->text(), fDefinition.CmdPrefix());
    }
    if (!codes.isEmpty())
        PasteCodes(codes);
}

bool TMacroEditor::PasteCodes(const QList<int32_t>& codes)
{
    if (codes.isEmpty())
        return true;
    const int positionBefore = GridPosition();
    int32_t position = std::min<int32_t>(positionBefore, fDefinition.NumOfElements());
    const int32_t start = position;
    // All the codes or none; the code before them may need escaping too.
    bool fits = fDefinition.CodeCount() + ByteCountOf(codes) <= MacroCapacity;
    if (fits) {
        const auto saved = std::make_unique<TKeypadClass>(fDefinition);
        for (const int32_t code : codes)
            fDefinition.InsertByte(position, code);
        fits = fDefinition.EscapePrefixAt(start - 1);
        if (!fits)
            fDefinition = *saved;
    }
    if (!fits) {
        Prompts::Error(this, tr("Macro Full!"));
        return false;
    }
    Inserted(TEditKind::Paste, positionBefore, position);
    return true;
}
