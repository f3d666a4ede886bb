// The main window's frame: building it from its parts and wiring them,
// start-up, showing, the title with its change mark, and closing.

#include "ui/main/Main.h"

#include "analysis/DefinitionCheck.h"
#include "app/AppSettings.h"
#include "app/RecentFiles.h"
#include "files/FileIO.h"
#include "platform/Folders.h"
#include "ui/analysis/FindingsDock.h"
#include "ui/analysis/PreviewPane.h"
#include "ui/common/HostKeyboard.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/UserManual.h"
#include "ui/main/CodePalette.h"
#include "ui/main/KeypadPanel.h"
#include "ui/main/MacroEditor.h"
#include "ui/main/MainActions.h"
#include "ui/main/PortPanel.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

TfrmMain::TfrmMain(TAppState& state, const QStringList& arguments, THostKeyboard* keyboard,
                   QWidget* parent)
    : QMainWindow(parent), AppState(state), KeypadDefinition(state.KeypadDefinition)
{
    if (!keyboard) {
        fOwnKeyboard = std::make_unique<TSystemKeyboard>();
        keyboard = fOwnKeyboard.get();
    }
    fKeyboard = keyboard;
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("PadwrightRx"));
    // Fixed size: no maximise button, no resizing; minimising stays possible.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    fDocument = new TDocument(state, this);
    fActions = new TMainActions(this);
    fUserManual = std::make_unique<TUserManual>(this);
    // F1 in a dialog opens the manual at the dialog's chapter.
    fUserManual->InstallDialogHelpKey();
    BuildWindow();
    ConnectParts();
    ConnectCommands();
    BuildFileLists();
    setAcceptDrops(true);
    ConnectEditing();
    KeypadDefinition.SetModifierSource(fEditor);
    FormCreate(arguments);
    UpdateAnalysisViews();
}

TfrmMain::~TfrmMain()
{
    // A window still shown is hidden by ~QWidget, and the focus moves out of
    // its controls then; their handlers reach into the window, which must
    // still be whole when that happens.
    hide();
    // The findings dock goes with the window's children, after this part
    // of the window: it must not ask the window to fit itself then.
    fFindingsDock->disconnect(this);
    KeypadDefinition.SetModifierSource(nullptr);
}

int TfrmMain::GuiKeyLayout() const
{
    return fKeypad->GuiKeyLayout();
}

// ------------------------------------------------------------------------ building

void TfrmMain::BuildWindow()
{
    BuildMenuBar();
    BuildToolBar();

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("pnlCentral"));
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(8, 6, 8, 6);
    outer->setSpacing(6);

    auto* upper = new QHBoxLayout;
    upper->setSpacing(10);
    fKeypad = new TKeypadPanel(KeypadDefinition, fActions->KeyTypeItems, central);
    upper->addWidget(fKeypad);
    fEditor = new TMacroEditor(KeypadDefinition, *fKeyboard, central);
    fPortPanel = new TPortPanel;
    fEditor->SetCornerWidget(fPortPanel);
    // Under the grid, what the macro sends.
    auto* editorColumn = new QVBoxLayout;
    editorColumn->setSpacing(6);
    editorColumn->addWidget(fEditor);
    fPreview = new TPreviewPane(central);
    editorColumn->addWidget(fPreview);
    upper->addLayout(editorColumn, 1);
    outer->addLayout(upper);

    fPalette = new TCodePalette(central);
    outer->addWidget(fPalette, 0, Qt::AlignHCenter);
    setCentralWidget(central);

    BuildGridMenu();
    BuildFindingsDock();
    BuildKeyMenu();

    // The layout fixes the window's size; only the preview and the findings
    // dock change it when they are shown or hidden.
    FitWindowToContents();
}

void TfrmMain::ConnectParts()
{
    connect(fDocument, &TDocument::modifiedSet, this, [this](bool modified) {
        UpdateCommandStates();
        if (modified && !windowTitle().endsWith(QLatin1Char('*')))
            setWindowTitle(windowTitle() + QLatin1Char('*'));
    });

    connect(fKeypad, &TKeypadPanel::keyClicked, fEditor, &TMacroEditor::SelectKey);
    connect(fKeypad, &TKeypadPanel::layoutChosen, this, &TfrmMain::LayoutChosen);
    connect(fKeypad, &TKeypadPanel::keyTypeChanged, this, &TfrmMain::KeyTypeChanged);

    connect(fEditor, &TMacroEditor::levelChanged, fKeypad, &TKeypadPanel::SetLevelColour);
    connect(fEditor, &TMacroEditor::characterTyped, this, &TfrmMain::CheckMacroLenWarning);
    connect(fEditor, &TMacroEditor::modifierKeysShown, fPalette, &TCodePalette::UpdateKeyboard);
    connect(fEditor, &TMacroEditor::modifiersReleased, fPalette,
            &TCodePalette::ReleaseModifierButtons);
    ConnectAnalysis();

    connect(fPalette, &TCodePalette::keyCodeChosen, this, &TfrmMain::InsertKeyCode);
    connect(fPalette, &TCodePalette::functionKeyChosen, this, &TfrmMain::InsertPlainCode);
    connect(fPalette, &TCodePalette::manualByteEntered, fEditor, &TMacroEditor::AddByte);
    connect(fPalette, &TCodePalette::manualByteInserted, this, [this](int32_t value) {
        fEditor->AddByte(value);
        fEditor->FocusGrid();
    });
    connect(fPalette, &TCodePalette::modifierToggled, this, [this](int bit, bool down) {
        fEditor->SetModifiers(down ? fEditor->GetModifiers() | bit
                                   : fEditor->GetModifiers() & ~bit);
    });
}

void TfrmMain::InsertKeyCode(int32_t code)
{
    // The keyboard's keys type; Delay and Beep are insertions of their own.
    fEditor->AddData(code, code & (DelayFlag | BeepFlag) ? TEditKind::Edit : TEditKind::Typing);
    fEditor->FocusGrid();
    CheckMacroLenWarning();
}

void TfrmMain::InsertPlainCode(int32_t code)
{
    fEditor->AddByte(code);
    CheckMacroLenWarning();
}

void TfrmMain::LayoutChosen(int layout)
{
    UpdateCommandStates();
    SettingsWritten(Settings().WriteKeypadLayout(layout));
}

void TfrmMain::KeyTypeChanged()
{
    fEditor->ShowMacroName();
    RecordEdit(TEditKind::KeyType, GridPosition(), GridPosition());
}

void TfrmMain::UpdateCommandStates()
{
    fActions->SaveMenuItem->setEnabled(fDocument->IsModified());
    fActions->KeyLabelsMenuItem->setEnabled(GuiKeyLayout() == 2);
    UpdateEditCommands();
}

// ------------------------------------------------------------------------ start-up

void TfrmMain::FormCreate(const QStringList& arguments)
{
    // 1. Data folders.
    MakeDataFolders();
    // 2. The file dialogs and their initial folders.
    InitFileDialogs();

    // 3. The definition and the ROM properties at their defaults.
    KeypadDefinition.Initialize();
    AppState.SetAdvancedDefaults();
    fDocument->ResetHistory();

    // 4. The settings file.
    fSettings = std::make_unique<TAppSettings>(SettingsFile());
    const TAppSettingsValues settings = fSettings->Read();
    fMode = settings.AdvancedEnable ? TEditMode::Rom : TEditMode::User;
    MidiChannel = settings.MidiChannel;
    fKeypad->SetKeyLayout(settings.KeypadLayout);
    UpdateCommandStates();
    ApplyAnalysisSettings(settings.BackupsKept, settings.PreviewShown);

    // 5. Ctrl held at start asks for the mode; the answer is not stored.
    if (fKeyboard->CtrlDown()) {
        const TPromptAnswer answer =
            Prompts::YesNo(this, tr("PadwrightRx Edit Mode Selection"),
                           tr("Do you wish to enter advanced ROM Edit mode?"));
        fMode = answer == TPromptAnswer::Yes ? TEditMode::Rom : TEditMode::User;
    }

    CopyDataToScreen(KeypadDefinition.NumOfElements());

    if (!arguments.isEmpty()) {
        // 6. A user definition file named on the command line, in either mode.
        const QString path = arguments.first();
        TLoadResult result = LoadUserFile(AppState, path);
        // The file was not chosen in a dialog: the message says which it was.
        if (result.Status == TLoadStatus::Failed)
            result.Message = tr("The file %1 could not be opened:").arg(Folders::ForDisplay(path)) +
                             QLatin1Char('\n') + result.Message;
        if (ApplyLoadResult(result, path, TFileKind::User))
            RememberFile(TFileKind::User, path);
    } else {
        // Untitled: no changes, the mode's title and Properties caption.
        ChangesPending(false);
        SetUntitledTitle();
        fActions->PropertiesMenuItem->setIconText(IsRomEditMode() ? tr("ROM Properties")
                                                                  : tr("Properties"));
        SetWideSeparators(!IsRomEditMode());
    }

    UpdatePortPanel();

    // 10. ROM Edit Mode: the Properties button opens its drop-down menu.
    SetPropertiesButtonForMode(IsRomEditMode());
    // The recent list is the mode's, now that the mode is settled.
    RefreshRecentMenu();
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!fShown) {
        fShown = true;
        FormShow();
    }
}

void TfrmMain::FormShow()
{
    // Centred on the screen the first time it is shown.
    if (QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() -
             QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
    fEditor->FocusGrid();
    fKeypad->SelectLayout(fKeypad->GuiKeyLayout());
}

// ------------------------------------------------------------------------ title and changes

void TfrmMain::ChangesPending(bool value)
{
    fDocument->SetModified(value);
}

bool TfrmMain::IsChangesPending() const
{
    return fDocument->IsModified();
}

void TfrmMain::SetUntitledTitle()
{
    setWindowTitle((IsRomEditMode() ? tr(" [ROM Edit Mode]   PadwrightRx - ")
                                    : tr(" [USER Mode]   PadwrightRx - ")) +
                   tr("untitled"));
}

void TfrmMain::SetFileTitle(TFileKind kind, const QString& path)
{
    setWindowTitle((kind == TFileKind::Rom ? tr(" [ROM Edit Mode]   PadwrightRx - ")
                                           : tr(" [USER Mode]   PadwrightRx - ")) +
                   QFileInfo(path).fileName());
}

bool TfrmMain::ApplyLoadResult(const TLoadResult& result, const QString& path, TFileKind kind)
{
    switch (result.Status) {
    case TLoadStatus::NoFile:
        return false;
    case TLoadStatus::Failed:
        Prompts::Error(this, result.Message);
        return false;
    case TLoadStatus::Loaded:
        break;
    }
    for (const QString& warning : result.Warnings)
        Prompts::Information(this, warning);
    ShowReadWarnings(result, path);

    SetFileTitle(kind, path);
    fKeypad->SelectLayoutForKeys(result.NumberOfKeys);
    fKeypad->RefreshKeyButtons();
    SelectFirstKey();
    CopyDataToScreen(KeypadDefinition.NumOfElements());
    // Kept for the definition check until the next New or Open.
    fDocument->SetReadWarnings(ReadWarningsOf(result));
    // A file read is a new start: its history begins here, clean.
    fDocument->ResetHistory();
    ChangesPending(false);
    fDocument->SetFileName(kind, path);
    return true;
}

void TfrmMain::ShowReadWarnings(const TLoadResult& result, const QString& path)
{
    if (result.ReadWarnings.isEmpty())
        return;
    // A damaged file can give thousands; the first ones show what happened.
    constexpr int Shown = 20;
    QStringList lines;
    for (const TReadWarning& warning : result.ReadWarnings.mid(0, Shown))
        lines << FormatReadWarning(warning);
    const qsizetype more = result.ReadWarnings.size() - Shown;
    if (more > 0)
        lines << tr("... and %n more.", nullptr, int(more));
    Prompts::Information(this, tr("Not everything in \"%1\" could be read as it is written:")
                                       .arg(QFileInfo(path).fileName()) +
                                   QStringLiteral("\n\n") + lines.join(QLatin1Char('\n')));
}

void TfrmMain::SelectFirstKey()
{
    fKeypad->PutFirstKeyDown();
    KeypadDefinition.SetKey(fKeypad->FirstKeyOfLayout());
    fEditor->SelectLevel(0);
    KeypadDefinition.SetLevel(0);
    fKeypad->SetLevelColour(0);
}

// ------------------------------------------------------------------------ editing

bool TfrmMain::AddData(int32_t value)
{
    return fEditor->AddData(value);
}

bool TfrmMain::AddByte(int32_t value)
{
    return fEditor->AddByte(value);
}

bool TfrmMain::AddBytes(const QList<int32_t>& values)
{
    // The MIDI event dialog inserts its messages here.
    return fEditor->AddBytes(values, TEditKind::MidiMessage);
}

void TfrmMain::CopyDataToScreen(int32_t gridIndex)
{
    fEditor->CopyDataToScreen(gridIndex);
}

int TfrmMain::GridPosition() const
{
    return fEditor->GridPosition();
}

int TfrmMain::GetModifiers() const
{
    return fEditor->GetModifiers();
}

void TfrmMain::SetModifiers(int mask)
{
    fEditor->SetModifiers(mask);
}

void TfrmMain::SetViewInHex(bool value)
{
    KeypadDefinition.bViewInHex = value;
}

// ------------------------------------------------------------------------ closing

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TfrmMain::FormCloseQuery()
{
    // While the port-setting program runs the window takes no input.
    if (fWaitingForPortProgram)
        return false;
    if (!IsChangesPending())
        return true;
    const QString question = IsRomEditMode()
                                 ? tr("Do you wish to save changes to your configuration?")
                                 : tr("Do you wish to save changes to your custom definition?");
    switch (Prompts::YesNoCancel(this, tr("Confirm"), question)) {
    case TPromptAnswer::Yes:
        ToolBtnSaveClick();
        // A save that did not happen (dialog cancelled, write refused) keeps
        // the window open rather than losing the edits.
        return !IsChangesPending();
    case TPromptAnswer::No:
        return true;
    default:
        return false;
    }
}

void TfrmMain::FormClose()
{
    SettingsWritten(fSettings->WriteMidiChannel(MidiChannel));
}
