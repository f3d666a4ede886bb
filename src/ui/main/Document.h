#pragma once

#include "files/ReadWarning.h"
#include "model/DefinitionDelta.h"
#include "ui/main/EditStep.h"

#include <QObject>
#include <QString>

class QUndoStack;
class TAppState;
class TKeypadClass;

// The kind of definition file a title, a file name or a load result refers to.
enum class TFileKind
{
    User, // user definition file (ckd)
    Rom   // ROM definition file (rom)
};

// The definition being edited: the keypad definition and the ROM properties
// (held by the application state), the current file of each kind, the
// argument Download hands the loader, and the history of its edits.
//
// Every edit is one step on the undo stack. An edit changes the state and is
// then recorded (RecordEdit): the document compares the state with its image
// of the state as the last step left it and keeps only what differs. The
// change state follows the stack's clean point, which Save sets and New and
// Open put at an empty history.
class TDocument : public QObject
{
    Q_OBJECT

public:
    // The history holds this many steps; older ones are forgotten.
    static constexpr int UndoLimit = 1000;

    explicit TDocument(TAppState& state, QObject* parent = nullptr);
    ~TDocument() override;

    TAppState& State() const { return fState; }
    TKeypadClass& Definition() const;
    QUndoStack& UndoStack() const { return *fUndoStack; }

    // Unsaved changes: the history is away from its clean point, or a change
    // was marked without changing anything (which the description counts).
    bool IsModified() const;
    // true: records what changed as an unnamed edit (or marks the change);
    // false: the state is saved, as MarkSaved. Announced on every call.
    void SetModified(bool modified);

    // Records what the state now holds beyond the last step as one step. A
    // marking edit that changed nothing makes a clean document modified.
    void RecordEdit(const TStepInfo& info);
    // The state was written to its file: the clean point is here.
    void MarkSaved();
    // The state was replaced (New, Open): the history starts again, clean.
    void ResetHistory();
    // The next typing starts a step of its own (the cursor was moved by hand,
    // another key or level was chosen).
    void BreakMerge() { ++fMergeEpoch; }
    // Undo and Redo of the last step; a change not yet recorded is recorded first.
    void Undo();
    void Redo();

    // Called by the steps: puts a step's befores or afters into the state.
    void ApplyStep(const TDefinitionDelta& delta, const TStepInfo& info, bool redo);

    // The current file of each kind: "untitled" until one is opened or saved.
    QString FileName(TFileKind kind) const;
    void SetFileName(TFileKind kind, const QString& path);
    // No file chosen yet: the name is empty or "untitled" (any letter case).
    bool IsUntitled(TFileKind kind) const;
    static bool IsUntitledName(const QString& fileName);
    static QString UntitledName();

    // The quoted path of the download image that Download passes to the
    // loader in USER Mode; empty while no user definition file is known.
    QString DownloadArgument() const { return fDownloadArgument; }
    void SetDownloadArgument(const QString& argument) { fDownloadArgument = argument; }

    // After New: no file of either kind, no download argument, no reader warnings.
    void ForgetFiles();

    // What the reader skipped, cut or ignored in the file last opened: the
    // definition check reports it until the next New or Open.
    const TReadWarnings& ReadWarnings() const { return fReadWarnings; }
    void SetReadWarnings(const TReadWarnings& warnings) { fReadWarnings = warnings; }

Q_SIGNALS:
    // The change state may have changed: after every edit, undo, redo, save
    // and reset, also when it stays the same.
    void modifiedSet(bool modified);
    // Undo (`redo` false) or Redo put a step back into the state; the stack
    // and the change state are up to date.
    void stepApplied(const TStepInfo& info, bool redo);

private:
    void StackIndexChanged();
    // Records a change made outside any step, so that no step loses it.
    void RecordUnrecorded();

    TAppState& fState;
    QUndoStack* fUndoStack = nullptr;
    TDefinitionImage fImage; // the state as the last step left it
    bool fMarked = false;    // a change marked that changed nothing
    int fMergeEpoch = 0;
    bool fHaveApplied = false;
    TStepInfo fApplied;
    bool fAppliedRedo = false;
    QString fUserFileName;
    QString fRomFileName;
    QString fDownloadArgument;
    TReadWarnings fReadWarnings;
};
