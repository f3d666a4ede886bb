#include "ui/main/Document.h"

#include "model/AppState.h"

#include <QUndoStack>

TDocument::TDocument(TAppState& state, QObject* parent)
    : QObject(parent), fState(state), fUndoStack(new QUndoStack(this)),
      fImage(TDefinitionImage::Of(state)), fUserFileName(UntitledName()),
      fRomFileName(UntitledName())
{
    fUndoStack->setObjectName(QStringLiteral("UndoStack"));
    fUndoStack->setUndoLimit(UndoLimit);
    connect(fUndoStack, &QUndoStack::indexChanged, this, &TDocument::StackIndexChanged);
}

TDocument::~TDocument()
{
    // The steps refer to this document; they go first. Clearing the stack
    // emits its change signals, which must reach no one now: the window
    // that listens may already be half destroyed.
    fUndoStack->blockSignals(true);
    delete fUndoStack;
}

TKeypadClass& TDocument::Definition() const
{
    return fState.KeypadDefinition;
}

bool TDocument::IsModified() const
{
    return fMarked || !fUndoStack->isClean();
}

void TDocument::SetModified(bool modified)
{
    if (modified)
        RecordEdit(TStepInfo());
    else
        MarkSaved();
}

void TDocument::RecordEdit(const TStepInfo& info)
{
    TDefinitionDelta delta = TDefinitionDelta::Between(fImage, fState);
    if (delta.IsEmpty()) {
        // A marking that changed nothing only matters to a clean document.
        if (info.MarksChange && !IsModified())
            fMarked = true;
    } else {
        const bool wasClean = !IsModified();
        fImage = TDefinitionImage::Of(fState);
        fUndoStack->push(new TEditStep(*this, std::move(delta), info, fMergeEpoch));
        // A change the editor does not mark leaves a clean document clean.
        if (!info.MarksChange && wasClean)
            fUndoStack->setClean();
    }
    Q_EMIT modifiedSet(IsModified());
}

void TDocument::RecordUnrecorded()
{
    TStepInfo info;
    info.MarksChange = false;
    if (!TDefinitionDelta::Between(fImage, fState).IsEmpty())
        RecordEdit(info);
}

void TDocument::MarkSaved()
{
    // What a save itself settles (the ROM file fills its LCD texts to 16
    // characters) is the state as saved, not an edit.
    fImage = TDefinitionImage::Of(fState);
    fMarked = false;
    fUndoStack->setClean();
    Q_EMIT modifiedSet(false);
}

void TDocument::ResetHistory()
{
    fHaveApplied = false;
    fUndoStack->clear();
    fImage = TDefinitionImage::Of(fState);
    fMarked = false;
    BreakMerge();
    Q_EMIT modifiedSet(false);
}

void TDocument::Undo()
{
    RecordUnrecorded();
    fUndoStack->undo();
}

void TDocument::Redo()
{
    // A change not yet recorded is an edit after the undos: it ends what
    // could be redone instead of being overwritten by the redone step.
    RecordUnrecorded();
    fUndoStack->redo();
}

void TDocument::ApplyStep(const TDefinitionDelta& delta, const TStepInfo& info, bool redo)
{
    delta.Apply(fState, fImage, redo);
    BreakMerge();
    // Announced once the stack has moved (StackIndexChanged), so that the
    // window sees the new change state and the new undo texts.
    fHaveApplied = true;
    fApplied = info;
    fAppliedRedo = redo;
}

void TDocument::StackIndexChanged()
{
    if (!fHaveApplied)
        return;
    fHaveApplied = false;
    Q_EMIT stepApplied(fApplied, fAppliedRedo);
    Q_EMIT modifiedSet(IsModified());
}

QString TDocument::FileName(TFileKind kind) const
{
    return kind == TFileKind::Rom ? fRomFileName : fUserFileName;
}

void TDocument::SetFileName(TFileKind kind, const QString& path)
{
    (kind == TFileKind::Rom ? fRomFileName : fUserFileName) = path;
}

bool TDocument::IsUntitled(TFileKind kind) const
{
    return IsUntitledName(FileName(kind));
}

bool TDocument::IsUntitledName(const QString& fileName)
{
    return fileName.isEmpty() || fileName.compare(UntitledName(), Qt::CaseInsensitive) == 0;
}

QString TDocument::UntitledName()
{
    return QStringLiteral("untitled");
}

void TDocument::ForgetFiles()
{
    fUserFileName = UntitledName();
    fRomFileName = UntitledName();
    fDownloadArgument.clear();
    fReadWarnings.clear();
}
