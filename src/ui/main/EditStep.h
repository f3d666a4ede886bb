#pragma once

#include "model/DefinitionDelta.h"

#include <QMetaType>
#include <QString>
#include <QUndoCommand>

class TDocument;

// The kinds of edit, which name the undo steps and decide which of them merge.
enum class TEditKind
{
    Edit, // a change reported without a kind
    Typing,
    Insert,
    Delay,
    Beep,
    LedCommand,
    MidiMessage,
    Delete,
    Cut,
    Paste,
    Erase,
    Name,
    AutoRepeat,
    TransmitNow,
    KeyType,
    PasteMacro,
    PasteKey,
    ClearKey,
    SwapKeys,
    Properties,
    AdvancedProperties,
    ScreenData
};

// Where an edit happened, so that undo and redo can show it.
struct TStepInfo
{
    TEditKind Kind = TEditKind::Edit;
    int Key = -1;            // -1: no one key (the properties)
    int Level = -1;          // -1: no one level
    int OtherKey = -1;       // Swap Keys: the key the selected one changed places with
    int PositionBefore = -1; // the insertion point before the edit; -1: after the last code
    int PositionAfter = -1;
    // False for a change the editor does not mark as one (the screen editor's
    // Apply without an edit): it does not make a clean document modified.
    bool MarksChange = true;
    int Parts = 0; // TDefinitionDelta::TPart bits, filled in when recorded
};
Q_DECLARE_METATYPE(TStepInfo)

// "Typing in Key 5, Level 1", "Properties".
QString StepText(const TStepInfo& info);

// One step on the document's undo stack: what an edit changed. It is pushed
// after the edit, so its first redo has nothing to do.
class TEditStep : public QUndoCommand
{
public:
    TEditStep(TDocument& document, TDefinitionDelta delta, const TStepInfo& info, int mergeEpoch);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

    const TDefinitionDelta& Delta() const { return fDelta; }

private:
    TDocument& fDocument;
    TDefinitionDelta fDelta;
    TStepInfo fInfo;
    int fMergeEpoch;
    bool fApplied = true;
};
