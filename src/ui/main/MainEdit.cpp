// Undo and redo of every edit, and the clipboard of keys and macros: each
// edit becomes one step of the document's history; undoing or redoing a step
// shows its key and level and tells about the change as the edit did.

#include "ui/main/Main.h"

#include "ui/main/ClipboardData.h"
#include "ui/main/KeypadPanel.h"
#include "ui/main/MacroEditor.h"
#include "ui/main/MainActions.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QUndoStack>

void TfrmMain::ConnectEditing()
{
    const TMainActions& a = *fActions;
    QUndoStack& stack = fDocument->UndoStack();
    connect(a.UndoMenuItem, &QAction::triggered, fDocument, &TDocument::Undo);
    connect(a.RedoMenuItem, &QAction::triggered, fDocument, &TDocument::Redo);
    // The commands name the step they undo or redo.
    connect(&stack, &QUndoStack::undoTextChanged, this, [this](const QString& text) {
        fActions->UndoMenuItem->setText(text.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(text));
        TMainActions::SetHint(fActions->UndoMenuItem);
    });
    connect(&stack, &QUndoStack::redoTextChanged, this, [this](const QString& text) {
        fActions->RedoMenuItem->setText(text.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(text));
        TMainActions::SetHint(fActions->RedoMenuItem);
    });
    connect(&stack, &QUndoStack::canUndoChanged, this, &TfrmMain::UpdateEditCommands);
    connect(&stack, &QUndoStack::canRedoChanged, this, &TfrmMain::UpdateEditCommands);
    connect(fDocument, &TDocument::stepApplied, this, &TfrmMain::ShowStep);

    connect(fEditor, &TMacroEditor::edited, this, &TfrmMain::RecordEdit);
    connect(fEditor, &TMacroEditor::cursorMovedByHand, fDocument, &TDocument::BreakMerge);
    connect(fEditor, &TMacroEditor::codeSelectionChanged, this, &TfrmMain::UpdateEditCommands);
    connect(fEditor, &TMacroEditor::levelChanged, fDocument, &TDocument::BreakMerge);
    connect(fKeypad, &TKeypadPanel::keyClicked, this, [this] {
        fDocument->BreakMerge();
        UpdateEditCommands();
    });
    connect(fKeypad, &TKeypadPanel::keysSwapRequested, this, &TfrmMain::SwapKeys);

    auto on = [this](QAction* action, auto handler) {
        connect(action, &QAction::triggered, this, handler);
    };
    on(a.CutMenuItem, [this] { fEditor->CutSelection(); });
    on(a.CopyMenuItem, [this] { fEditor->CopySelection(); });
    on(a.PasteMenuItem, [this] { fEditor->PasteFromClipboard(); });
    on(a.DeleteMenuItem, [this] { fEditor->DeleteSelection(); });
    on(a.SelectAllMenuItem, [this] {
        fEditor->SelectAllCodes();
        fEditor->FocusGrid();
    });
    on(a.CopyMacroMenuItem, &TfrmMain::CopyMacroClick);
    on(a.PasteMacroMenuItem, &TfrmMain::PasteMacroClick);
    on(a.CopyKeyMenuItem, &TfrmMain::CopyKeyClick);
    on(a.PasteKeyMenuItem, &TfrmMain::PasteKeyClick);
    on(a.ClearKeyMenuItem, &TfrmMain::ClearKeyClick);
    for (QAction* item : a.SwapKeyItems) {
        const int other = item->data().toInt();
        on(item, [this, other] { SwapKeys(KeypadDefinition.Key(), other); });
    }
    connect(a.SwapKeyMenu, &QMenu::aboutToShow, this, &TfrmMain::UpdateEditCommands);

    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &TfrmMain::ClipboardChanged);
    ClipboardChanged();
}

// ------------------------------------------------------------------------ steps

void TfrmMain::RecordEdit(TEditKind kind, int positionBefore, int positionAfter)
{
    TStepInfo info;
    info.Kind = kind;
    info.Key = KeypadDefinition.Key();
    info.Level = KeypadDefinition.Level();
    info.PositionBefore = positionBefore;
    info.PositionAfter = positionAfter;
    fDocument->RecordEdit(info);
}

void TfrmMain::RecordDialogApply(TEditKind kind)
{
    TStepInfo info;
    info.Kind = kind;
    fDocument->RecordEdit(info);
    // A new command prefix rewrites the macros (the escaped prefix shows as
    // a character of its own), while the dialog may stay open.
    fEditor->ShowMacroCodes();
}

void TfrmMain::ShowStep(const TStepInfo& info, bool redo)
{
    if (info.Key >= 0 && info.Key < MaxKeys) {
        KeypadDefinition.SetKey(info.Key);
        fKeypad->PutKeyDown(info.Key);
    }
    if (info.Level >= 0)
        fEditor->SelectLevel(info.Level);
    fKeypad->RefreshKeyButtons();
    int position = redo ? info.PositionAfter : info.PositionBefore;
    if (info.Key < 0)
        position = GridPosition();
    else if (position < 0)
        position = KeypadDefinition.NumOfElements();
    fEditor->ShowChange(position);
    if (info.Parts & (TDefinitionDelta::Params | TDefinitionDelta::Advanced))
        UpdatePortPanel();
    // Back at the clean point the change mark goes.
    if (!IsChangesPending() && windowTitle().endsWith(QLatin1Char('*')))
        setWindowTitle(windowTitle().chopped(1));
    UpdateCommandStates();
}

// ------------------------------------------------------------------------ enabling

void TfrmMain::UpdateEditCommands()
{
    const TMainActions& a = *fActions;
    a.UndoMenuItem->setEnabled(fDocument->UndoStack().canUndo());
    a.RedoMenuItem->setEnabled(fDocument->UndoStack().canRedo());
    const bool codesSelected = fEditor->HasSelectedCodes();
    a.CutMenuItem->setEnabled(codesSelected);
    a.CopyMenuItem->setEnabled(codesSelected);
    a.PasteMenuItem->setEnabled(fClip.has_value() || fClipboardHasText);
    a.DeleteMenuItem->setEnabled(true);
    a.SelectAllMenuItem->setEnabled(true);
    a.PasteMacroMenuItem->setEnabled(fClip && fClip->Kind != TClipKind::Codes);
    a.PasteKeyMenuItem->setEnabled(fClip && fClip->Kind == TClipKind::Key);
    // Only keys with a button in the layout, other than the selected one.
    for (QAction* item : a.SwapKeyItems) {
        const int key = item->data().toInt();
        item->setVisible(fKeypad->KeyHasButton(key));
        item->setEnabled(key != KeypadDefinition.Key());
    }
}

void TfrmMain::ClipboardChanged()
{
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    fClip = ClipFromMime(mime);
    fClipboardHasText = mime && mime->hasText() && !mime->text().isEmpty();
    UpdateEditCommands();
}

// ------------------------------------------------------------------------ keys and macros

void TfrmMain::CopyMacroClick()
{
    QGuiApplication::clipboard()->setMimeData(MakeClipMimeData(
        ClipOfMacro(KeypadDefinition, KeypadDefinition.Key(), KeypadDefinition.Level()),
        KeypadDefinition.bViewInHex));
}

void TfrmMain::CopyKeyClick()
{
    QGuiApplication::clipboard()->setMimeData(MakeClipMimeData(
        ClipOfKey(KeypadDefinition, KeypadDefinition.Key()), KeypadDefinition.bViewInHex));
}

void TfrmMain::PasteMacroClick()
{
    const std::optional<TClipContent> clip = ClipFromMime(QGuiApplication::clipboard()->mimeData());
    if (!clip || clip->Kind == TClipKind::Codes)
        return;
    if (!PasteMacroInto(KeypadDefinition, KeypadDefinition.Key(), KeypadDefinition.Level(),
                        *clip)) {
        Prompts::Error(this, tr("Macro Full!"));
        return;
    }
    ShowKeyEdit(TEditKind::PasteMacro, KeypadDefinition.Key());
}

void TfrmMain::PasteKeyClick()
{
    const std::optional<TClipContent> clip = ClipFromMime(QGuiApplication::clipboard()->mimeData());
    if (!clip || clip->Kind != TClipKind::Key)
        return;
    if (!PasteKeyInto(KeypadDefinition, KeypadDefinition.Key(), *clip)) {
        Prompts::Error(this, tr("Macro Full!"));
        return;
    }
    ShowKeyEdit(TEditKind::PasteKey, KeypadDefinition.Key());
}

void TfrmMain::ClearKeyClick()
{
    KeypadDefinition.ClearKeyAt(KeypadDefinition.Key());
    ShowKeyEdit(TEditKind::ClearKey, KeypadDefinition.Key());
}

void TfrmMain::SwapKeys(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= MaxKeys || to >= MaxKeys)
        return;
    KeypadDefinition.SwapKeys(from, to);
    KeypadDefinition.SetKey(to);
    fKeypad->PutKeyDown(to);
    ShowKeyEdit(TEditKind::SwapKeys, to, from);
}

void TfrmMain::ShowKeyEdit(TEditKind kind, int key, int otherKey)
{
    TStepInfo info;
    info.Kind = kind;
    info.Key = key;
    info.OtherKey = otherKey;
    info.Level = KeypadDefinition.Level();
    fDocument->RecordEdit(info);
    fKeypad->RefreshKeyButtons();
    fEditor->ShowChange(KeypadDefinition.NumOfElements());
    UpdateEditCommands();
}
