// Start-up, the window frame, the title, the toolbar, the port status panel
// and closing.

#include "ui/main/Main.h"

#include "app/AppSettings.h"
#include "files/FileIO.h"
#include "platform/Folders.h"
#include "ui/common/HostKeyboard.h"
#include "ui/main/MacroGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString AppTitle = QStringLiteral("PadwrightRx");
const QString UserPrefix = QStringLiteral(" [USER Mode]   PadwrightRx - ");
const QString RomPrefix = QStringLiteral(" [ROM Edit Mode]   PadwrightRx - ");

// Width of the toolbar separators; ROM Edit Mode narrows them so that the
// longer Properties caption fits.
constexpr int WideSeparator = 22;
constexpr int NarrowSeparator = 8;

// Size of the palette region below the keypad and the grid.
constexpr int PaletteWidth = 940;
constexpr int PaletteHeight = 234;

QWidget* makeSeparator(const QString& name)
{
    auto* holder = new QWidget;
    holder->setObjectName(name);
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 4, 0, 4);
    auto* line = new QFrame(holder);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line, 0, Qt::AlignHCenter);
    holder->setFixedWidth(WideSeparator);
    return holder;
}

} // namespace

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
    setWindowTitle(AppTitle);
    // Fixed size: no maximise button, no resizing; minimising stays possible.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    BuildWindow();
    KeypadDefinition.SetModifierSource(this);
    FormCreate(arguments);
}

TfrmMain::~TfrmMain()
{
    // A window still shown is hidden by ~QWidget, and the focus moves out of
    // its controls then; their handlers reach into TfrmMain, which must
    // still be whole when that happens.
    hide();
    KeypadDefinition.SetModifierSource(nullptr);
}

bool TfrmMain::HostCapsLockOn() const
{
    return fKeyboard->CapsLockOn();
}

bool TfrmMain::HostShiftDown() const
{
    return fKeyboard->ShiftDown();
}

// ------------------------------------------------------------------------ building

void TfrmMain::BuildWindow()
{
    BuildToolBar();

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("pnlCentral"));
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(8, 6, 8, 6);
    outer->setSpacing(6);

    auto* upper = new QHBoxLayout;
    upper->setSpacing(10);
    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(BuildLayoutChoice());
    left->addWidget(BuildKeypad(), 0, Qt::AlignHCenter | Qt::AlignTop);
    left->addStretch(1);
    upper->addLayout(left);
    upper->addWidget(BuildMacroArea(), 1);
    outer->addLayout(upper);

    pnlPalette = new QWidget(central);
    pnlPalette->setObjectName(QStringLiteral("pnlPalette"));
    pnlPalette->setFixedSize(PaletteWidth, PaletteHeight);
    outer->addWidget(pnlPalette, 0, Qt::AlignHCenter);

    setCentralWidget(central);
    BuildPalette();

    // The layout fixes the window's size once; it never changes afterwards.
    adjustSize();
    setFixedSize(sizeHint());
}

void TfrmMain::BuildToolBar()
{
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(22, 22));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    auto addButton = [this](const QString& name, const QString& caption, const QString& hint,
                            QStyle::StandardPixmap icon) {
        auto* button = new QToolButton(ToolBar1);
        button->setObjectName(name);
        button->setText(caption);
        button->setToolTip(hint);
        // Some of the style's icons are smaller than the others: centre each
        // on a canvas of the toolbar's icon size so that the captions line up.
        const QSize iconSize = ToolBar1->iconSize();
        const QPixmap source = style()->standardIcon(icon).pixmap(iconSize);
        QPixmap canvas(iconSize * source.devicePixelRatio());
        canvas.setDevicePixelRatio(source.devicePixelRatio());
        canvas.fill(Qt::transparent);
        {
            QPainter painter(&canvas);
            const QSizeF size = source.deviceIndependentSize();
            painter.drawPixmap(QPointF((iconSize.width() - size.width()) / 2,
                                       (iconSize.height() - size.height()) / 2),
                               source);
        }
        button->setIcon(QIcon(canvas));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        button->setMinimumWidth(58);
        ToolBar1->addWidget(button);
        return button;
    };

    ToolBtnNew = addButton(QStringLiteral("ToolBtnNew"), QStringLiteral(" New "), QString(),
                           QStyle::SP_FileIcon);
    ToolBtnOpen = addButton(QStringLiteral("ToolBtnOpen"), QStringLiteral(" Open "), QString(),
                            QStyle::SP_DirOpenIcon);
    ToolBtnSave = addButton(QStringLiteral("ToolBtnSave"), QStringLiteral(" Save "), QString(),
                            QStyle::SP_DialogSaveButton);
    ToolBtnSaveAs = addButton(QStringLiteral("ToolBtnSaveAs"), QStringLiteral("Save As"), QString(),
                              QStyle::SP_DriveFDIcon);
    ToolSepSaveAs = makeSeparator(QStringLiteral("ToolSepSaveAs"));
    ToolBar1->addWidget(ToolSepSaveAs);
    ToolBtnParameters = addButton(QStringLiteral("ToolBtnParameters"), QStringLiteral("Properties"),
                                  QStringLiteral("Edit User/NV Ostrella properties"),
                                  QStyle::SP_FileDialogDetailedView);
    ToolSepParameters = makeSeparator(QStringLiteral("ToolSepParameters"));
    ToolBar1->addWidget(ToolSepParameters);
    ToolBtnSetPort =
        addButton(QStringLiteral("ToolBtnSetPort"), QStringLiteral("Set Port"),
                  QStringLiteral("Set COM Port # for the Download and Test operations"),
                  QStyle::SP_ComputerIcon);
    ToolBtnDownload = addButton(QStringLiteral("ToolBtnDownload"), QStringLiteral("Download"),
                                QStringLiteral("Download the current file to the Ostrella"),
                                QStyle::SP_ArrowDown);
    ToolButtonTest = addButton(QStringLiteral("ToolButtonTest"), QStringLiteral("  Test  "),
                               QStringLiteral("Test the Ostrella (Serial or HID)"),
                               QStyle::SP_DialogApplyButton);
    ToolSepTest = makeSeparator(QStringLiteral("ToolSepTest"));
    ToolBar1->addWidget(ToolSepTest);
    ToolButtonKeyLabels =
        addButton(QStringLiteral("ToolButtonKeyLabels"), QStringLiteral("Key Labels"), QString(),
                  QStyle::SP_FileDialogContentsView);
    ToolBtnHelp = addButton(QStringLiteral("ToolBtnHelp"), QStringLiteral(" Help "), QString(),
                            QStyle::SP_DialogHelpButton);

    HelpMenu = new QMenu(this);
    HelpMenu->setObjectName(QStringLiteral("HelpMenu"));
    UserManual1 = HelpMenu->addAction(QStringLiteral("&User Manual"));
    UserManual1->setObjectName(QStringLiteral("UserManual1"));
    About1 = HelpMenu->addAction(QStringLiteral("&About Padwright"));
    About1->setObjectName(QStringLiteral("About1"));
    ToolBtnHelp->setMenu(HelpMenu);
    ToolBtnHelp->setPopupMode(QToolButton::InstantPopup);

    EditMenu = new QMenu(this);
    EditMenu->setObjectName(QStringLiteral("EditMenu"));
    EditAdvancedProperties1 = EditMenu->addAction(QStringLiteral("Edit &Advanced ROM Properties"));
    EditAdvancedProperties1->setObjectName(QStringLiteral("EditAdvancedProperties1"));
    EditScreenData1 = EditMenu->addAction(QStringLiteral("Edit &Screen Data"));
    EditScreenData1->setObjectName(QStringLiteral("EditScreenData1"));

    ToolBtnSave->setEnabled(false);

    connect(ToolBtnNew, &QToolButton::clicked, this, [this] { ToolBtnNewClick(); });
    connect(ToolBtnOpen, &QToolButton::clicked, this, [this] { ToolBtnOpenClick(); });
    connect(ToolBtnSave, &QToolButton::clicked, this, [this] { ToolBtnSaveClick(); });
    connect(ToolBtnSaveAs, &QToolButton::clicked, this, [this] { ToolBtnSaveAsClick(); });
    connect(ToolBtnParameters, &QToolButton::clicked, this, [this] { ToolBtnParametersClick(); });
    connect(ToolBtnSetPort, &QToolButton::clicked, this, [this] { ToolBtnSetPortClick(); });
    connect(ToolBtnDownload, &QToolButton::clicked, this, [this] { ToolBtnDownloadClick(); });
    connect(ToolButtonTest, &QToolButton::clicked, this, [this] { ToolButtonTestClick(); });
    connect(ToolButtonKeyLabels, &QToolButton::clicked, this,
            [this] { ToolButtonKeyLabelsClick(); });
    connect(UserManual1, &QAction::triggered, this, [this] { UserManual1Click(); });
    connect(About1, &QAction::triggered, this, [this] { About1Click(); });
    connect(EditAdvancedProperties1, &QAction::triggered, this,
            [this] { EditAdvancedProperties1Click(); });
    connect(EditScreenData1, &QAction::triggered, this, [this] { EditScreenData1Click(); });
}

void TfrmMain::SetWideSeparators(bool wide)
{
    for (QWidget* separator : {ToolSepSaveAs, ToolSepParameters, ToolSepTest})
        separator->setFixedWidth(wide ? WideSeparator : NarrowSeparator);
}

// ------------------------------------------------------------------------ start-up

QString TfrmMain::MacroFolder() const
{
    return Folders::Join(DirString, QStringLiteral("Macro_Files"));
}

QString TfrmMain::KeyLabelFolder() const
{
    return Folders::Join(DirString, QStringLiteral("Keycap_Labels"));
}

QString TfrmMain::SettingsFile() const
{
    return Folders::Join(DirString, QStringLiteral("PadwrightRx.ini"));
}

QString TfrmMain::LoaderSettingsFile() const
{
    return Folders::Join(DirString, QStringLiteral("RxLoad.ini"));
}

TFileDialogOptions& TfrmMain::CurrentSaveDialog()
{
    return IsRomEditMode() ? SaveRomDialog : SaveCKDDialog;
}

void TfrmMain::MakeDataFolders()
{
    QString documents = Folders::DocumentsFolder();
    // Without a documents folder the data would land in the file system's
    // root; the home folder is the safer base.
    if (documents.isEmpty())
        documents = QDir::homePath();

    QStringList failed;
    auto ensure = [&failed](const QString& path) {
        if (!Folders::EnsureFolder(path))
            failed << Folders::ForDisplay(path);
    };
    DirString = Folders::Join(documents, QStringLiteral("Halvorsten"));
    ensure(DirString);
    DirString = Folders::Join(DirString, QStringLiteral("OstrellaPro"));
    ensure(DirString);
    ensure(MacroFolder());
    ensure(KeyLabelFolder());
    // Start-up goes on: the editor still works on files elsewhere.
    for (const QString& path : failed)
        Prompts::Error(this, QStringLiteral("I/O error: unable to create the folder %1").arg(path));
}

void TfrmMain::FormCreate(const QStringList& arguments)
{
    // 1. Data folders.
    MakeDataFolders();

    // 2. The dialogs and their initial folders.
    OpenCKDDialog.Title = QStringLiteral("Open CKD Redefinition File");
    OpenCKDDialog.Filters = {
        {QStringLiteral("Custom Keyboard Definition (*.ckd)"), QStringLiteral("*.ckd")}};
    OpenCKDDialog.DefaultExt = QStringLiteral("ckd");
    SaveCKDDialog.Title = QStringLiteral("Save Redefinition File As");
    SaveCKDDialog.Filters = {
        {QStringLiteral("Custom Keyboard Definition  Files (*.ckd)"), QStringLiteral("*.ckd")}};
    SaveCKDDialog.DefaultExt = QStringLiteral("ckd");
    SaveCKDDialog.OverwritePrompt = true;
    SaveCKDDialog.FileName = QStringLiteral("untitled");
    OpenRomDialog.Title = QStringLiteral("Open Advanced Configuration File");
    OpenRomDialog.Filters = {
        {QStringLiteral("Ostrella ROM Files (*.rom)"), QStringLiteral("*.rom")}};
    OpenRomDialog.DefaultExt = QStringLiteral("rom");
    SaveRomDialog.Title = QStringLiteral("Save ROM File As");
    SaveRomDialog.Filters = OpenRomDialog.Filters;
    SaveRomDialog.DefaultExt = QStringLiteral("rom");
    SaveRomDialog.OverwritePrompt = true;
    SaveRomDialog.FileName = QStringLiteral("untitled");
    OpenKeyCapsDialog.Title = QStringLiteral("Open Key Labels (DOC and BMP)");
    OpenKeyCapsDialog.Filters = {
        {QStringLiteral("All Files (*.*)"), QStringLiteral("*.*")},
        {QStringLiteral("Keycap Bitmaps (*.bmp)"), QStringLiteral("*.bmp")},
        {QStringLiteral("Keycap Documents (*.doc)"), QStringLiteral("*.doc")}};
    const QString macroFolder = MacroFolder();
    for (TFileDialogOptions* dialog : {&OpenCKDDialog, &SaveCKDDialog, &OpenRomDialog, &SaveRomDialog})
        dialog->InitialDir = macroFolder;
    OpenKeyCapsDialog.InitialDir = KeyLabelFolder();

    // 3. The definition and the ROM properties at their defaults.
    KeypadDefinition.Initialize();
    AppState.SetAdvancedDefaults();

    // 4. The settings file.
    fSettings = std::make_unique<TAppSettings>(SettingsFile());
    const TAppSettingsValues settings = fSettings->Read();
    GuiKeyLayout = settings.KeypadLayout;
    fMode = settings.AdvancedEnable ? TEditMode::Rom : TEditMode::User;
    MidiChannel = settings.MidiChannel;
    SetKeyLayout();

    // 5. Ctrl held at start asks for the mode; the answer is not stored.
    if (fKeyboard->CtrlDown()) {
        const TPromptAnswer answer =
            Prompts::YesNo(this, QStringLiteral("PadwrightRx Edit Mode Selection"),
                           QStringLiteral("Do you wish to enter advanced ROM Edit mode?"));
        fMode = answer == TPromptAnswer::Yes ? TEditMode::Rom : TEditMode::User;
    }

    CopyDataToScreen(KeypadDefinition.NumOfElements());

    if (!arguments.isEmpty()) {
        // 6. A user definition file named on the command line, in either mode.
        const QString path = arguments.first();
        ApplyLoadResult(LoadUserFile(AppState, path), path, TFileKind::User);
    } else {
        // Untitled: no changes, the mode's title and Properties caption.
        ChangesPending(false);
        SetUntitledTitle();
        ToolBtnParameters->setText(IsRomEditMode() ? QStringLiteral("ROM Properties")
                                                   : QStringLiteral("Properties"));
        SetWideSeparators(!IsRomEditMode());
    }

    UpdatePortPanel();

    // 10. ROM Edit Mode: the Properties button opens its drop-down menu.
    if (IsRomEditMode()) {
        ToolBtnParameters->setMenu(EditMenu);
        ToolBtnParameters->setPopupMode(QToolButton::InstantPopup);
        // The style draws the menu arrow in the bottom right corner, beside
        // the centred caption: leave room for it on both sides.
        const int arrow =
            style()->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, ToolBtnParameters);
        ToolBtnParameters->setMinimumWidth(
            ToolBtnParameters->fontMetrics().horizontalAdvance(ToolBtnParameters->text()) +
            2 * arrow + 12);
    } else {
        ToolBtnParameters->setMenu(nullptr);
        ToolBtnParameters->setPopupMode(QToolButton::DelayedPopup);
    }
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
    Grid->setFocus();
    if (GuiKeyLayout == 1)
        rbModelR12->setChecked(true);
    else
        rbModelR20->setChecked(true);
}

// ------------------------------------------------------------------------ title and changes

void TfrmMain::ChangesPending(bool value)
{
    fChangesPending = value;
    ToolBtnSave->setEnabled(value);
    if (value && !windowTitle().endsWith(QLatin1Char('*')))
        setWindowTitle(windowTitle() + QLatin1Char('*'));
}

void TfrmMain::SetUntitledTitle()
{
    setWindowTitle((IsRomEditMode() ? RomPrefix : UserPrefix) + QStringLiteral("untitled"));
}

void TfrmMain::SetFileTitle(TFileKind kind, const QString& path)
{
    setWindowTitle((kind == TFileKind::Rom ? RomPrefix : UserPrefix) + QFileInfo(path).fileName());
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

    SetFileTitle(kind, path);
    SelectLayoutForKeys(result.NumberOfKeys);
    RefreshKeyButtons();
    SelectFirstKey();
    CopyDataToScreen(KeypadDefinition.NumOfElements());
    ChangesPending(false);
    (kind == TFileKind::Rom ? SaveRomDialog : SaveCKDDialog).FileName = path;
    return true;
}

// ------------------------------------------------------------------------ port panel

void TfrmMain::UpdatePortPanel()
{
    const QColor green(0, 128, 0);
    const QColor red(255, 0, 0);
    const TLoaderPortSettings port = ReadLoaderPortSettings(LoaderSettingsFile());

    QString text;
    QColor colour;
    QString hint = QStringLiteral("Click \"Set Port\" to set the Ostrella COM port");
    if (port.ComPort > 0) {
        text = QStringLiteral("Port: COM%1").arg(port.ComPort);
        colour = green;
        if (port.ComType == QLatin1String("U"))
            text += QStringLiteral(" (USB)");
        else if (port.ComType == QLatin1String("R"))
            text += QStringLiteral(" (DB9)");
    } else {
        // A negative port (the port-setting program's keyboard choice) has no
        // COM port either; it reads like an unset one.
        text = QStringLiteral("Port: <not set>");
        colour = red;
    }
    if (port.bOstrellaK) {
        colour = green;
        text += QStringLiteral(" or KB2");
    }
    if (IsHidKeyboardHost()) {
        text += QStringLiteral(" >> HID");
        hint = QStringLiteral("After download, Host Mode will be set to HID (PC KB)");
        colour = green;
    }
    panelPort->setText(text);
    panelPort->setToolTip(hint);
    QPalette palette = panelPort->palette();
    palette.setColor(QPalette::WindowText, colour);
    panelPort->setPalette(palette);
}

// ------------------------------------------------------------------------ properties

void TfrmMain::ExecDialog(QDialog* dialog)
{
    if (!dialog)
        return;
    // The dialogs report an applied change through their changesApplied() signal.
    if (dialog->metaObject()->indexOfSignal("changesApplied()") >= 0)
        connect(dialog, SIGNAL(changesApplied()), this, SLOT(MarkChanged()), Qt::UniqueConnection);
    dialog->exec();
}

void TfrmMain::MarkChanged()
{
    ChangesPending(true);
    // A new command prefix rewrites the macros (the escaped prefix shows as
    // a character of its own), while the dialog may stay open.
    ShowMacroCodes();
}

void TfrmMain::ToolBtnParametersClick()
{
    if (IsRomEditMode())
        return; // the button opens EditMenu instead
    ExecDialog(frmParameters);
    UpdatePortPanel();
    cboxKeyAsTrueTerminal->setEnabled((KeypadDefinition.OpMode() & 0x01) != 0);
}

void TfrmMain::EditAdvancedProperties1Click()
{
    ExecDialog(frmAdvanced);
}

void TfrmMain::EditScreenData1Click()
{
    if (!AppState.AdvancedParams.ScreenEnable)
        Prompts::Information(this, QStringLiteral("Warning: You have not enabled \"Automated "
                                                  "Screen Mode\" (on the Advanced ROM "
                                                  "Properties form)."));
    ExecDialog(frmScreenEdit);
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
    if (!fChangesPending)
        return true;
    const QString question =
        IsRomEditMode() ? QStringLiteral("Do you wish to save changes to your configuration?")
                        : QStringLiteral("Do you wish to save changes to your custom definition?");
    switch (Prompts::YesNoCancel(this, QStringLiteral("Confirm"), question)) {
    case TPromptAnswer::Yes:
        ToolBtnSaveClick();
        // A save that did not happen (dialog cancelled, write refused) keeps
        // the window open rather than losing the edits.
        return !fChangesPending;
    case TPromptAnswer::No:
        return true;
    default:
        return false;
    }
}

void TfrmMain::FormClose()
{
    fSettings->WriteMidiChannel(MidiChannel);
}
