#include "ui/main/EditStep.h"

#include "ui/main/Document.h"

#include <QCoreApplication>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("TEditStep", text);
}

// The macro's place: "in Key 5, Level 1".
QString InMacro(const char* what, const TStepInfo& info)
{
    return tr(what).arg(info.Key + 1).arg(info.Level + 1);
}

} // namespace

QString StepText(const TStepInfo& info)
{
    switch (info.Kind) {
    case TEditKind::Typing:
        return InMacro(QT_TRANSLATE_NOOP("TEditStep", "Typing in Key %1, Level %2"), info);
    case TEditKind::Insert:
        return InMacro(QT_TRANSLATE_NOOP("TEditStep", "Insert in Key %1, Level %2"), info);
    case TEditKind::Delay:
        return InMacro(QT_TRANSLATE_NOOP("TEditStep", "Delay in Key %1, Level %2"), info);
    case TEditKind::Beep:
        return InMacro(QT_TRANSLATE_NOOP("TEditStep", "Beep in Key %1, Level %2"), info);
    case TEditKind::LedCommand:
        return InMacro(QT_TRANSLATE_NOOP("TEditStep", "LED Command in Key %1, Level %2"), info);
    case TEditKind::MidiMessage:
        return InMacro(QT_TRANSLATE_NOOP("TEditStep", "MIDI Message in Key %1, Level %2"), info);
    case TEditKind::Delete:
        return InMacro(QT_TRANSLATE_NOOP("TEditStep", "Delete in Key %1, Level %2"), info);
    case TEditKind::Cut:
        return InMacro(QT_TRANSLATE_NOOP("TEditStep", "Cut in Key %1, Level %2"), info);
    case TEditKind::Paste:
        return InMacro(QT_TRANSLATE_NOOP("TEditStep", "Paste in Key %1, Level %2"), info);
    case TEditKind::Erase:
        return InMacro(QT_TRANSLATE_NOOP("TEditStep", "Erase of Key %1, Level %2"), info);
    case TEditKind::Name:
        return InMacro(QT_TRANSLATE_NOOP("TEditStep", "Description of Key %1, Level %2"), info);
    case TEditKind::AutoRepeat:
        return InMacro(QT_TRANSLATE_NOOP("TEditStep", "Auto-Repeat of Key %1, Level %2"), info);
    case TEditKind::TransmitNow:
        return InMacro(QT_TRANSLATE_NOOP("TEditStep", "Transmit Now of Key %1, Level %2"), info);
    case TEditKind::KeyType:
        return tr("Key Type of Key %1").arg(info.Key + 1);
    case TEditKind::PasteMacro:
        return InMacro(QT_TRANSLATE_NOOP("TEditStep", "Paste Macro into Key %1, Level %2"), info);
    case TEditKind::PasteKey:
        return tr("Paste Key into Key %1").arg(info.Key + 1);
    case TEditKind::ClearKey:
        return tr("Clear Key %1").arg(info.Key + 1);
    case TEditKind::SwapKeys:
        return tr("Swap Keys %1 and %2").arg(info.OtherKey + 1).arg(info.Key + 1);
    case TEditKind::Properties:
        return tr("Properties");
    case TEditKind::AdvancedProperties:
        return tr("Advanced ROM Properties");
    case TEditKind::ScreenData:
        return tr("Screen Data");
    case TEditKind::Edit:
        break;
    }
    return tr("Edit");
}

TEditStep::TEditStep(TDocument& document, TDefinitionDelta delta, const TStepInfo& info,
                     int mergeEpoch)
    : fDocument(document), fDelta(std::move(delta)), fInfo(info), fMergeEpoch(mergeEpoch)
{
    fInfo.Parts = fDelta.Parts();
    setText(StepText(fInfo));
}

void TEditStep::undo()
{
    fDocument.ApplyStep(fDelta, fInfo, false);
}

void TEditStep::redo()
{
    // Pushed after the edit: the first redo finds it done.
    if (fApplied) {
        fApplied = false;
        return;
    }
    fDocument.ApplyStep(fDelta, fInfo, true);
}

int TEditStep::id() const
{
    // Typing codes and typing a name go on in one step.
    return fInfo.Kind == TEditKind::Typing || fInfo.Kind == TEditKind::Name ? int(fInfo.Kind) : -1;
}

bool TEditStep::mergeWith(const QUndoCommand* other)
{
    const auto* later = static_cast<const TEditStep*>(other);
    if (later->fMergeEpoch != fMergeEpoch || later->fInfo.Key != fInfo.Key ||
        later->fInfo.Level != fInfo.Level)
        return false;
    // Typing goes on where it stopped; the cursor moved by hand starts a new step.
    if (fInfo.Kind == TEditKind::Typing && later->fInfo.PositionBefore != fInfo.PositionAfter)
        return false;
    if (!fDelta.Merge(later->fDelta))
        return false;
    fInfo.PositionAfter = later->fInfo.PositionAfter;
    return true;
}
