#include "ui/main/MainActions.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QWidget>

namespace {

// An insertion item: its object name, caption and the code it inserts.
struct TMenuCode
{
    const char* Name;
    const char* Caption;
    int Tag;
};

// clang-format off
const TMenuCode FunctionKeyItems[] = {
    {"F131", QT_TRANSLATE_NOOP("TMainActions", "F13"), 173},
    {"F141", QT_TRANSLATE_NOOP("TMainActions", "F14"), 174},
    {"F151", QT_TRANSLATE_NOOP("TMainActions", "F15"), 175},
    {"F161", QT_TRANSLATE_NOOP("TMainActions", "F16"), 176},
    {"F171", QT_TRANSLATE_NOOP("TMainActions", "F17"), 177},
    {"F181", QT_TRANSLATE_NOOP("TMainActions", "F18"), 178},
    {"F191", QT_TRANSLATE_NOOP("TMainActions", "F19"), 179},
    {"F201", QT_TRANSLATE_NOOP("TMainActions", "F20"), 180},
    {"F211", QT_TRANSLATE_NOOP("TMainActions", "F21"), 181},
    {"F221", QT_TRANSLATE_NOOP("TMainActions", "F22"), 182},
    {"F231", QT_TRANSLATE_NOOP("TMainActions", "F23"), 183},
    {"F241", QT_TRANSLATE_NOOP("TMainActions", "F24"), 184},
};

// In menu order: down the first pair of columns, then down the second.
const TMenuCode MultiMediaItems[] = {
    {"ScanNextTrack1", QT_TRANSLATE_NOOP("TMainActions", "Scan Next Track"), 128},
    {"ScanPreviousTrack1", QT_TRANSLATE_NOOP("TMainActions", "Scan Previous Track"), 129},
    {"Stop1", QT_TRANSLATE_NOOP("TMainActions", "Stop"), 130},
    {"PlayPause1", QT_TRANSLATE_NOOP("TMainActions", "Play/Pause"), 131},
    {"Mute1", QT_TRANSLATE_NOOP("TMainActions", "Mute"), 132},
    {"BassBoost1", QT_TRANSLATE_NOOP("TMainActions", "Bass Boost"), 133},
    {"Loudness1", QT_TRANSLATE_NOOP("TMainActions", "Loudness"), 134},
    {"VolumeUp1", QT_TRANSLATE_NOOP("TMainActions", "Volume Up"), 135},
    {"VolumeDown1", QT_TRANSLATE_NOOP("TMainActions", "Volume Down"), 136},
    {"BassUp1", QT_TRANSLATE_NOOP("TMainActions", "Bass Up"), 137},
    {"BassDown1", QT_TRANSLATE_NOOP("TMainActions", "Bass Down"), 138},
    {"TrebleUp1", QT_TRANSLATE_NOOP("TMainActions", "Treble Up"), 139},
    {"TrebleDown1", QT_TRANSLATE_NOOP("TMainActions", "Treble Down"), 140},
    {"MediaPlayer1", QT_TRANSLATE_NOOP("TMainActions", "Media Player"), 141},
    {"Email1", QT_TRANSLATE_NOOP("TMainActions", "Email"), 142},
    {"Calculator1", QT_TRANSLATE_NOOP("TMainActions", "Calculator"), 143},
    {"WWWBrowser1", QT_TRANSLATE_NOOP("TMainActions", "My Computer"), 144},
    {"WWWSearch1", QT_TRANSLATE_NOOP("TMainActions", "WWW Search"), 145},
    {"WWWHome1", QT_TRANSLATE_NOOP("TMainActions", "WWW Home"), 146},
    {"WWWBack1", QT_TRANSLATE_NOOP("TMainActions", "WWW Back"), 147},
    {"WWWForward1", QT_TRANSLATE_NOOP("TMainActions", "WWW Forward"), 148},
    {"WWWStop1", QT_TRANSLATE_NOOP("TMainActions", "WWW Stop"), 149},
    {"WWWRefresh1", QT_TRANSLATE_NOOP("TMainActions", "WWW Refresh"), 150},
    {"WWWBookmarks1", QT_TRANSLATE_NOOP("TMainActions", "WWW Bookmarks"), 151},
};
constexpr int MultiMediaSecondColumn = 13; // MediaPlayer1 heads the second column

const TMenuCode NumericKeypadItems[] = {
    {"KP0Ins1", QT_TRANSLATE_NOOP("TMainActions", "KP 0 Ins"), 192},
    {"KP1End1", QT_TRANSLATE_NOOP("TMainActions", "KP 1 End"), 193},
    {"KP2Down1", QT_TRANSLATE_NOOP("TMainActions", "KP 2 Down"), 194},
    {"KP3PgDn1", QT_TRANSLATE_NOOP("TMainActions", "KP 3 PgDn"), 195},
    {"KP4Left1", QT_TRANSLATE_NOOP("TMainActions", "KP 4 Left"), 196},
    {"KP51", QT_TRANSLATE_NOOP("TMainActions", "KP 5"), 197},
    {"KP6Right1", QT_TRANSLATE_NOOP("TMainActions", "KP 6 Right"), 198},
    {"KP7Home1", QT_TRANSLATE_NOOP("TMainActions", "KP 7 Home"), 199},
    {"KP8Up1", QT_TRANSLATE_NOOP("TMainActions", "KP 8 Up"), 200},
    {"KP9PgUp1", QT_TRANSLATE_NOOP("TMainActions", "KP 9 PgUp"), 201},
    {"KPDel1", QT_TRANSLATE_NOOP("TMainActions", "KP . Del"), 202},
    {"KPSlash1", QT_TRANSLATE_NOOP("TMainActions", "KP /"), 203},
    {"KPAsterisk1", QT_TRANSLATE_NOOP("TMainActions", "KP *"), 204},
    {"KPMinus1", QT_TRANSLATE_NOOP("TMainActions", "KP -"), 205},
    {"KPPlus1", QT_TRANSLATE_NOOP("TMainActions", "KP +"), 206},
    {"KPEnter1", QT_TRANSLATE_NOOP("TMainActions", "KP Enter"), 207},
};

const TMenuCode MiscellaneousItems[] = {
    {"CapsLock1", QT_TRANSLATE_NOOP("TMainActions", "CapsLock"), 160},
    {"NumLock1", QT_TRANSLATE_NOOP("TMainActions", "NumLock"), 191},
    {"Insert1", QT_TRANSLATE_NOOP("TMainActions", "Insert"), 185},
    {"Delete1", QT_TRANSLATE_NOOP("TMainActions", "Delete"), 186},
    {"Home1", QT_TRANSLATE_NOOP("TMainActions", "Home"), 187},
    {"End1", QT_TRANSLATE_NOOP("TMainActions", "End"), 188},
    {"PageUp1", QT_TRANSLATE_NOOP("TMainActions", "Page Up"), 189},
    {"PageDown1", QT_TRANSLATE_NOOP("TMainActions", "Page Down"), 190},
    {"PrintScreen1", QT_TRANSLATE_NOOP("TMainActions", "Print Screen"), 157},
    {"ScrollLock1", QT_TRANSLATE_NOOP("TMainActions", "Scroll Lock"), 158},
    {"PauseBreak1", QT_TRANSLATE_NOOP("TMainActions", "Pause/Break"), 159},
};

// The LED commands: the tag is the command byte, 8..10 green, 11..13 red.
const TMenuCode LedCommands[] = {
    {"mnuGreenLedOff", QT_TRANSLATE_NOOP("TMainActions", "Turn Green LED Off"), 8},
    {"mnuGreenLedOn", QT_TRANSLATE_NOOP("TMainActions", "Turn Green LED On"), 9},
    {"mnuGreenLedFlash", QT_TRANSLATE_NOOP("TMainActions", "Flash Green LED"), 10},
    {"mnuRedLedOff", QT_TRANSLATE_NOOP("TMainActions", "Turn Red LED Off"), 11},
    {"mnuRedLedOn", QT_TRANSLATE_NOOP("TMainActions", "Turn Red LED On"), 12},
    {"mnuRedLedFlash", QT_TRANSLATE_NOOP("TMainActions", "Flash Red LED"), 13},
};
// clang-format on

constexpr int ToolbarIconSize = 22;

// One of the style's pictures on a canvas of the toolbar's icon size: some
// are smaller than the others, and centred they keep the captions in line.
QIcon toolbarIcon(const QWidget* window, QStyle::StandardPixmap picture)
{
    const QSize iconSize(ToolbarIconSize, ToolbarIconSize);
    const QPixmap source = window->style()->standardIcon(picture).pixmap(iconSize);
    QPixmap canvas(iconSize * source.devicePixelRatio());
    canvas.setDevicePixelRatio(source.devicePixelRatio());
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    const QSizeF size = source.deviceIndependentSize();
    painter.drawPixmap(
        QPointF((iconSize.width() - size.width()) / 2, (iconSize.height() - size.height()) / 2),
        source);
    return QIcon(canvas);
}

} // namespace

TMainActions::TMainActions(QWidget* window) : QObject(window), fWindow(window)
{
    setObjectName(QStringLiteral("MainActions"));
    CreateFileActions();
    CreateFileListActions();
    CreatePrintActions();
    CreateEditActions();
    CreateKeyActions();
    CreateInsertActions();
    CreateViewActions();
    CreateToolActions();
    CreateHelpActions();
    CreateAnalysisActions();
}

namespace {

QAction* makeAction(QWidget* window, const char* name, const QString& text,
                    QKeySequence::StandardKey key = QKeySequence::UnknownKey)
{
    auto* action = new QAction(text, window);
    action->setObjectName(QLatin1String(name));
    if (key != QKeySequence::UnknownKey)
        action->setShortcuts(key);
    // Some platforms have no key for Save As and Quit (the window's close
    // box quits there); these are the usual ones.
    if (action->shortcut().isEmpty() && key == QKeySequence::SaveAs)
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    if (action->shortcut().isEmpty() && key == QKeySequence::Quit)
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // Held by the window, a shortcut works wherever the focus is in it.
    window->addAction(action);
    return action;
}

} // namespace

void TMainActions::SetHint(QAction* action, const QString& hint)
{
    QString text = hint;
    if (text.isEmpty())
        text = action->iconText().trimmed();
    const QKeySequence shortcut = action->shortcut();
    if (!shortcut.isEmpty())
        text += QStringLiteral(" (%1)").arg(shortcut.toString(QKeySequence::NativeText));
    action->setToolTip(text);
}

void TMainActions::CreateFileActions()
{
    NewMenuItem = makeAction(fWindow, "NewMenuItem", tr("&New"), QKeySequence::New);
    NewMenuItem->setIconText(tr(" New "));
    NewMenuItem->setIcon(toolbarIcon(fWindow, QStyle::SP_FileIcon));
    OpenMenuItem = makeAction(fWindow, "OpenMenuItem", tr("&Open..."), QKeySequence::Open);
    OpenMenuItem->setIconText(tr(" Open "));
    OpenMenuItem->setIcon(toolbarIcon(fWindow, QStyle::SP_DirOpenIcon));
    SaveMenuItem = makeAction(fWindow, "SaveMenuItem", tr("&Save"), QKeySequence::Save);
    SaveMenuItem->setIconText(tr(" Save "));
    SaveMenuItem->setIcon(toolbarIcon(fWindow, QStyle::SP_DialogSaveButton));
    SaveMenuItem->setEnabled(false);
    SaveAsMenuItem = makeAction(fWindow, "SaveAsMenuItem", tr("Save &As..."), QKeySequence::SaveAs);
    SaveAsMenuItem->setIconText(tr("Save As"));
    SaveAsMenuItem->setIcon(toolbarIcon(fWindow, QStyle::SP_DriveFDIcon));
    ExitMenuItem = makeAction(fWindow, "ExitMenuItem", tr("E&xit"), QKeySequence::Quit);
    ExitMenuItem->setMenuRole(QAction::QuitRole);
    for (QAction* action : {NewMenuItem, OpenMenuItem, SaveMenuItem, SaveAsMenuItem, ExitMenuItem})
        SetHint(action);
}

void TMainActions::CreateFileListActions()
{
    mnuOpenRecent = new QMenu(tr("Open &Recent"), fWindow);
    mnuOpenRecent->setObjectName(QStringLiteral("mnuOpenRecent"));
    // Not added to the window: the menu holds it below the list.
    ClearRecentMenuItem = new QAction(tr("&Clear List"), mnuOpenRecent);
    ClearRecentMenuItem->setObjectName(QStringLiteral("ClearRecentMenuItem"));
    mnuOpenSample = new QMenu(tr("Open Samp&le"), fWindow);
    mnuOpenSample->setObjectName(QStringLiteral("mnuOpenSample"));
}

void TMainActions::CreatePrintActions()
{
    PrintKeyLabelsMenuItem =
        makeAction(fWindow, "PrintKeyLabelsMenuItem", tr("&Print Key Labels..."));
    ExportSetupSheetMenuItem =
        makeAction(fWindow, "ExportSetupSheetMenuItem", tr("&Export Setup Sheet..."));
}

void TMainActions::CreateEditActions()
{
    UndoMenuItem = makeAction(fWindow, "UndoMenuItem", tr("&Undo"), QKeySequence::Undo);
    RedoMenuItem = makeAction(fWindow, "RedoMenuItem", tr("&Redo"), QKeySequence::Redo);
    CutMenuItem = makeAction(fWindow, "CutMenuItem", tr("Cu&t"), QKeySequence::Cut);
    CopyMenuItem = makeAction(fWindow, "CopyMenuItem", tr("&Copy"), QKeySequence::Copy);
    PasteMenuItem = makeAction(fWindow, "PasteMenuItem", tr("&Paste"), QKeySequence::Paste);
    DeleteMenuItem = makeAction(fWindow, "DeleteMenuItem", tr("&Delete"), QKeySequence::Delete);
    SelectAllMenuItem =
        makeAction(fWindow, "SelectAllMenuItem", tr("Select &All"), QKeySequence::SelectAll);
    // Enabled by the window as the history, the grid and the clipboard allow.
    for (QAction* action : {UndoMenuItem, RedoMenuItem, CutMenuItem, CopyMenuItem, PasteMenuItem,
                            DeleteMenuItem, SelectAllMenuItem}) {
        action->setEnabled(false);
        SetHint(action);
    }

    menuitemClearMacro =
        makeAction(fWindow, "menuitemClearMacro", tr("Erase all key codes for this macro"));

    const char* const names[3] = {"ShiftKeyMenuItem", "ToggleKeyMenuItem", "AlphaKeyMenuItem"};
    const QString captions[3] = {
        tr("Shift Level    -- will cause the keypad to switch levels while held down."),
        tr("Toggle Level -- will cause the keypad to switch levels after key is released."),
        tr("Alpha Lock    -- toggles keypad in and out of Alphabetic mode. (v5.43+)")};
    for (int i = 0; i < 3; ++i) {
        KeyTypeItems[i] = makeAction(fWindow, names[i], captions[i]);
        KeyTypeItems[i]->setCheckable(true);
    }
}

void TMainActions::CreateKeyActions()
{
    CopyMacroMenuItem = makeAction(fWindow, "CopyMacroMenuItem", tr("Copy &Macro"));
    PasteMacroMenuItem = makeAction(fWindow, "PasteMacroMenuItem", tr("Paste Macr&o"));
    CopyKeyMenuItem = makeAction(fWindow, "CopyKeyMenuItem", tr("Copy &Key"));
    PasteKeyMenuItem = makeAction(fWindow, "PasteKeyMenuItem", tr("Paste K&ey"));
    ClearKeyMenuItem = makeAction(fWindow, "ClearKeyMenuItem", tr("C&lear Key"));
    SwapKeyMenu = new QMenu(tr("S&wap Key With"), fWindow);
    SwapKeyMenu->setObjectName(QStringLiteral("SwapKeyMenu"));
    SwapKeyMenu->menuAction()->setObjectName(QStringLiteral("SwapKeyMenuAction"));
    for (int key = 0; key < MaxKeys; ++key) {
        QAction* item = SwapKeyMenu->addAction(tr("Key %1").arg(key + 1));
        item->setObjectName(QStringLiteral("SwapKeyItem%1").arg(key + 1));
        item->setData(key);
        SwapKeyItems[size_t(key)] = item;
    }
}

void TMainActions::CreateInsertActions()
{
    auto codeMenu = [this](const char* name, const QString& caption, const TMenuCode* first,
                           const TMenuCode* last) {
        auto* menu = new QMenu(caption, fWindow);
        menu->setObjectName(QLatin1String(name));
        menu->menuAction()->setObjectName(QLatin1String(name) + QStringLiteral("Action"));
        for (const TMenuCode* item = first; item != last; ++item) {
            QAction* action = menu->addAction(tr(item->Caption));
            action->setObjectName(QLatin1String(item->Name));
            action->setData(item->Tag);
        }
        return menu;
    };
    CodeMenus[0] = codeMenu("InsertF13throughF24key1", tr("Insert F13 through F24 key"),
                            std::begin(FunctionKeyItems), std::end(FunctionKeyItems));
    CodeMenus[1] = codeMenu("InsertUSBHIDMultiMediakey1", tr("Insert USB HID MultiMedia key"),
                            std::begin(MultiMediaItems), std::end(MultiMediaItems));
    // The second pair of columns starts below a separator.
    CodeMenus[1]->insertSeparator(CodeMenus[1]->actions().at(MultiMediaSecondColumn));
    CodeMenus[2] =
        codeMenu("InsertUSBHIDNumericKeypadkey1", tr("Insert USB HID Numeric Keypad key"),
                 std::begin(NumericKeypadItems), std::end(NumericKeypadItems));
    CodeMenus[3] = codeMenu("InsertUSBHIDMiscellaneouskey1", tr("Insert USB HID Miscellaneous key"),
                            std::begin(MiscellaneousItems), std::end(MiscellaneousItems));

    InsertMIDIMessage1 = makeAction(fWindow, "InsertMIDIMessage1", tr("Insert MIDI Message..."));
    for (size_t i = 0; i < LedItems.size(); ++i) {
        LedItems[i] = makeAction(fWindow, LedCommands[i].Name, tr(LedCommands[i].Caption));
        LedItems[i]->setData(LedCommands[i].Tag);
    }
}

QList<QAction*> TMainActions::CodeItems() const
{
    QList<QAction*> items;
    for (const QMenu* menu : CodeMenus)
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                items << action;
    return items;
}

void TMainActions::CreateViewActions()
{
    Layout20MenuItem = makeAction(fWindow, "Layout20MenuItem", tr("20 &keys"));
    Layout12MenuItem = makeAction(fWindow, "Layout12MenuItem", tr("12 k&eys"));
    Level1MenuItem = makeAction(fWindow, "Level1MenuItem", tr("Level &1"));
    Level2MenuItem = makeAction(fWindow, "Level2MenuItem", tr("Level &2"));
    for (auto pair : {std::pair{Layout20MenuItem, Layout12MenuItem},
                      std::pair{Level1MenuItem, Level2MenuItem}}) {
        auto* group = new QActionGroup(this);
        for (QAction* action : {pair.first, pair.second}) {
            action->setCheckable(true);
            group->addAction(action);
        }
    }
    menuitemViewKeysAsText =
        makeAction(fWindow, "menuitemViewKeysAsText", tr("View key codes as ASCII"));
    menuitemViewKeysAsText->setCheckable(true);
    menuitemViewKeysAsHex =
        makeAction(fWindow, "menuitemViewKeysAsHex", tr("View key codes as hex"));
    menuitemViewKeysAsHex->setCheckable(true);
}

void TMainActions::CreateToolActions()
{
    PropertiesMenuItem = makeAction(fWindow, "PropertiesMenuItem", tr("&Properties..."));
    PropertiesMenuItem->setIconText(tr("Properties"));
    PropertiesMenuItem->setIcon(toolbarIcon(fWindow, QStyle::SP_FileDialogDetailedView));
    SetHint(PropertiesMenuItem, tr("Edit User/NV Ostrella properties"));

    EditMenu = new QMenu(tr("ROM &Properties"), fWindow);
    EditMenu->setObjectName(QStringLiteral("EditMenu"));
    EditMenu->setIcon(PropertiesMenuItem->icon());
    EditAdvancedProperties1 = EditMenu->addAction(tr("Edit &Advanced ROM Properties"));
    EditAdvancedProperties1->setObjectName(QStringLiteral("EditAdvancedProperties1"));
    EditScreenData1 = EditMenu->addAction(tr("Edit &Screen Data"));
    EditScreenData1->setObjectName(QStringLiteral("EditScreenData1"));

    SetPortMenuItem = makeAction(fWindow, "SetPortMenuItem", tr("Set P&ort..."));
    SetPortMenuItem->setIconText(tr("Set Port"));
    SetPortMenuItem->setIcon(toolbarIcon(fWindow, QStyle::SP_ComputerIcon));
    SetHint(SetPortMenuItem, tr("Set COM Port # for the Download and Test operations"));
    DownloadMenuItem = makeAction(fWindow, "DownloadMenuItem", tr("&Download"));
    DownloadMenuItem->setIconText(tr("Download"));
    DownloadMenuItem->setIcon(toolbarIcon(fWindow, QStyle::SP_ArrowDown));
    SetHint(DownloadMenuItem, tr("Download the current file to the Ostrella"));
    TestMenuItem = makeAction(fWindow, "TestMenuItem", tr("&Test"));
    TestMenuItem->setIconText(tr("  Test  "));
    TestMenuItem->setIcon(toolbarIcon(fWindow, QStyle::SP_DialogApplyButton));
    SetHint(TestMenuItem, tr("Test the Ostrella (Serial or HID)"));
    KeyLabelsMenuItem = makeAction(fWindow, "KeyLabelsMenuItem", tr("&Key Labels..."));
    KeyLabelsMenuItem->setIconText(tr("Key Labels"));
    KeyLabelsMenuItem->setIcon(toolbarIcon(fWindow, QStyle::SP_FileDialogContentsView));
    SetHint(KeyLabelsMenuItem);
}

void TMainActions::CreateHelpActions()
{
    HelpMenu = new QMenu(tr(" Help "), fWindow);
    HelpMenu->setObjectName(QStringLiteral("HelpMenu"));
    HelpMenu->setIcon(toolbarIcon(fWindow, QStyle::SP_DialogHelpButton));
    UserManual1 =
        makeAction(fWindow, "UserManual1", tr("&User Manual"), QKeySequence::HelpContents);
    SetHint(UserManual1);
    About1 = makeAction(fWindow, "About1", tr("&About Padwright"));
    About1->setMenuRole(QAction::AboutRole);
    HelpMenu->addAction(UserManual1);
    HelpMenu->addAction(About1);
}

void TMainActions::CreateAnalysisActions()
{
    CompareMenuItem = makeAction(fWindow, "CompareMenuItem", tr("Compare &With..."));
    SetHint(CompareMenuItem, tr("Compare the definition with a file"));
    CheckDefinitionMenuItem =
        makeAction(fWindow, "CheckDefinitionMenuItem", tr("&Check Definition"));
    SetHint(CheckDefinitionMenuItem, tr("Find what will not work on the keypad"));
    PreviewMenuItem = makeAction(fWindow, "PreviewMenuItem", tr("&Preview"));
    PreviewMenuItem->setCheckable(true);
    PreviewMenuItem->setChecked(true);
    SetHint(PreviewMenuItem, tr("Show what the keypad sends for the macro"));
    ShowBackupsMenuItem = makeAction(fWindow, "ShowBackupsMenuItem", tr("Show &Backups"));
    SetHint(ShowBackupsMenuItem, tr("Open the folder of the copies made before each download"));
}
