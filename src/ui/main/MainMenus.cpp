// The menu bar, the toolbar and the pop-up menus, all showing the commands
// of TMainActions, and the connection of every command to its handler.

#include "ui/main/Main.h"

#include "ui/main/KeypadPanel.h"
#include "ui/main/MacroEditor.h"
#include "ui/main/MainActions.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace {

// Width of the toolbar separators; ROM Edit Mode narrows them so that the
// longer Properties caption fits.
constexpr int WideSeparator = 22;
constexpr int NarrowSeparator = 8;
constexpr int ToolButtonMinimumWidth = 58;

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

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& title)
{
    QMenu* menu = bar->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

} // namespace

// ------------------------------------------------------------------------ toolbar

void TfrmMain::BuildToolBar()
{
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(22, 22));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    // A button shows its action's caption (iconText), icon, hint and enabling.
    auto addButton = [this](const QString& name, QAction* action) {
        auto* button = new QToolButton(ToolBar1);
        button->setObjectName(name);
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        button->setMinimumWidth(ToolButtonMinimumWidth);
        ToolBar1->addWidget(button);
        return button;
    };
    auto addSeparator = [this](const QString& name) {
        QWidget* separator = makeSeparator(name);
        ToolBar1->addWidget(separator);
        return separator;
    };

    const TMainActions& a = *fActions;
    addButton(QStringLiteral("ToolBtnNew"), a.NewMenuItem);
    addButton(QStringLiteral("ToolBtnOpen"), a.OpenMenuItem);
    addButton(QStringLiteral("ToolBtnSave"), a.SaveMenuItem);
    addButton(QStringLiteral("ToolBtnSaveAs"), a.SaveAsMenuItem);
    ToolSepSaveAs = addSeparator(QStringLiteral("ToolSepSaveAs"));
    ToolBtnParameters = addButton(QStringLiteral("ToolBtnParameters"), a.PropertiesMenuItem);
    ToolSepParameters = addSeparator(QStringLiteral("ToolSepParameters"));
    addButton(QStringLiteral("ToolBtnSetPort"), a.SetPortMenuItem);
    addButton(QStringLiteral("ToolBtnDownload"), a.DownloadMenuItem);
    addButton(QStringLiteral("ToolButtonTest"), a.TestMenuItem);
    ToolSepTest = addSeparator(QStringLiteral("ToolSepTest"));
    addButton(QStringLiteral("ToolButtonKeyLabels"), a.KeyLabelsMenuItem);

    // Help is a drop-down of its own commands.
    auto* help = new QToolButton(ToolBar1);
    help->setObjectName(QStringLiteral("ToolBtnHelp"));
    help->setText(a.HelpMenu->title());
    help->setIcon(a.HelpMenu->icon());
    help->setMenu(a.HelpMenu);
    help->setPopupMode(QToolButton::InstantPopup);
    help->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    help->setAutoRaise(true);
    help->setMinimumWidth(ToolButtonMinimumWidth);
    ToolBar1->addWidget(help);
}

void TfrmMain::SetWideSeparators(bool wide)
{
    for (QWidget* separator : {ToolSepSaveAs, ToolSepParameters, ToolSepTest})
        separator->setFixedWidth(wide ? WideSeparator : NarrowSeparator);
}

void TfrmMain::SetPropertiesButtonForMode(bool romMenu)
{
    QAction* properties = fActions->PropertiesMenuItem;
    if (!romMenu) {
        ToolBtnParameters->setMenu(nullptr);
        ToolBtnParameters->setPopupMode(QToolButton::DelayedPopup);
        return;
    }
    ToolBtnParameters->setMenu(fActions->EditMenu);
    ToolBtnParameters->setPopupMode(QToolButton::InstantPopup);
    // The style draws the menu arrow in the bottom right corner, beside the
    // centred caption: leave room for it on both sides.
    const int arrow =
        style()->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, ToolBtnParameters);
    ToolBtnParameters->setMinimumWidth(
        ToolBtnParameters->fontMetrics().horizontalAdvance(ToolBtnParameters->text()) + 2 * arrow +
        12);
    // In the menu bar the ROM properties' two commands take the place of
    // Properties, as on the button.
    mnuTools->insertMenu(properties, fActions->EditMenu);
    mnuTools->removeAction(properties);
}

// ------------------------------------------------------------------------ menus

void TfrmMain::BuildMenuBar()
{
    const TMainActions& a = *fActions;
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    QMenu* file = addMenu(bar, "mnuFile", tr("&File"));
    file->addActions({a.NewMenuItem, a.OpenMenuItem});
    file->addMenu(a.mnuOpenRecent);
    file->addMenu(a.mnuOpenSample);
    file->addActions({a.SaveMenuItem, a.SaveAsMenuItem});
    file->addSeparator();
    file->addAction(a.CompareMenuItem);
    file->addSeparator();
    file->addActions({a.PrintKeyLabelsMenuItem, a.ExportSetupSheetMenuItem});
    file->addSeparator();
    file->addAction(a.ExitMenuItem);

    QMenu* edit = addMenu(bar, "mnuEdit", tr("&Edit"));
    edit->addActions({a.UndoMenuItem, a.RedoMenuItem});
    edit->addSeparator();
    edit->addActions({a.CutMenuItem, a.CopyMenuItem, a.PasteMenuItem, a.DeleteMenuItem});
    edit->addSeparator();
    edit->addAction(a.SelectAllMenuItem);
    edit->addSeparator();
    AddKeyCommands(edit);
    edit->addSeparator();
    edit->addAction(a.menuitemClearMacro);
    QMenu* insert = edit->addMenu(tr("&Insert"));
    insert->setObjectName(QStringLiteral("mnuInsert"));
    FillInsertItems(insert);
    QMenu* keyType = edit->addMenu(tr("Key T&ype"));
    keyType->setObjectName(QStringLiteral("mnuKeyType"));
    for (QAction* item : a.KeyTypeItems)
        keyType->addAction(item);
    connect(keyType, &QMenu::aboutToShow, this, [this] { fKeypad->popmenKeyTypePopup(); });

    QMenu* view = addMenu(bar, "mnuView", tr("&View"));
    view->addActions({a.Layout20MenuItem, a.Layout12MenuItem});
    view->addSeparator();
    view->addActions({a.Level1MenuItem, a.Level2MenuItem});
    view->addSeparator();
    view->addActions({a.menuitemViewKeysAsText, a.menuitemViewKeysAsHex});
    view->addSeparator();
    view->addAction(a.PreviewMenuItem);
    connect(view, &QMenu::aboutToShow, this, &TfrmMain::UpdateViewTicks);

    mnuTools = addMenu(bar, "mnuTools", tr("&Tools"));
    mnuTools->addAction(a.PropertiesMenuItem);
    mnuTools->addSeparator();
    mnuTools->addActions({a.SetPortMenuItem, a.DownloadMenuItem, a.TestMenuItem});
    mnuTools->addSeparator();
    mnuTools->addAction(a.KeyLabelsMenuItem);
    mnuTools->addSeparator();
    mnuTools->addAction(a.CheckDefinitionMenuItem);

    QMenu* help = addMenu(bar, "mnuHelp", tr("&Help"));
    help->addActions({a.UserManual1, a.ShowBackupsMenuItem, a.About1});
}

void TfrmMain::BuildGridMenu()
{
    const TMainActions& a = *fActions;
    fEditor->SetViewItems(a.menuitemViewKeysAsText, a.menuitemViewKeysAsHex);
    QMenu* menu = fEditor->GridMenu();
    menu->addActions({a.CutMenuItem, a.CopyMenuItem, a.PasteMenuItem, a.DeleteMenuItem,
                      a.SelectAllMenuItem});
    menu->addSeparator();
    menu->addAction(a.menuitemClearMacro);
    menu->addSeparator();
    menu->addActions({a.menuitemViewKeysAsText, a.menuitemViewKeysAsHex});
    menu->addSeparator();
    FillInsertItems(menu);
}

void TfrmMain::BuildKeyMenu()
{
    QMenu* menu = fKeypad->KeyMenu();
    menu->addSeparator();
    AddKeyCommands(menu);
}

void TfrmMain::AddKeyCommands(QMenu* menu)
{
    const TMainActions& a = *fActions;
    menu->addActions({a.CopyMacroMenuItem, a.PasteMacroMenuItem});
    menu->addSeparator();
    menu->addActions({a.CopyKeyMenuItem, a.PasteKeyMenuItem, a.ClearKeyMenuItem});
    menu->addMenu(a.SwapKeyMenu);
}

void TfrmMain::FillInsertItems(QMenu* menu)
{
    const TMainActions& a = *fActions;
    for (QMenu* codes : a.CodeMenus)
        menu->addMenu(codes);
    menu->addSeparator();
    menu->addAction(a.InsertMIDIMessage1);
    menu->addSeparator();
    menu->addActions({a.LedItems[0], a.LedItems[1], a.LedItems[2]});
    menu->addSeparator();
    menu->addActions({a.LedItems[3], a.LedItems[4], a.LedItems[5]});
}

void TfrmMain::UpdateViewTicks()
{
    fActions->Layout20MenuItem->setChecked(GuiKeyLayout() == 2);
    fActions->Layout12MenuItem->setChecked(GuiKeyLayout() == 1);
    fActions->Level1MenuItem->setChecked(KeypadDefinition.Level() == 0);
    fActions->Level2MenuItem->setChecked(KeypadDefinition.Level() == 1);
    fEditor->UpdateViewTicks();
}

// ------------------------------------------------------------------------ handlers

void TfrmMain::ConnectCommands()
{
    const TMainActions& a = *fActions;
    auto on = [this](QAction* action, auto handler) {
        connect(action, &QAction::triggered, this, handler);
    };
    on(a.NewMenuItem, &TfrmMain::ToolBtnNewClick);
    on(a.OpenMenuItem, &TfrmMain::ToolBtnOpenClick);
    on(a.SaveMenuItem, &TfrmMain::ToolBtnSaveClick);
    on(a.SaveAsMenuItem, &TfrmMain::ToolBtnSaveAsClick);
    on(a.ExitMenuItem, &QWidget::close);
    on(a.PrintKeyLabelsMenuItem, &TfrmMain::PrintKeyLabelsClick);
    on(a.ExportSetupSheetMenuItem, &TfrmMain::ExportSetupSheetClick);

    on(a.menuitemClearMacro, [this] { fEditor->menuitemClearMacroClick(); });
    for (QAction* item : a.CodeItems()) {
        const int32_t code = item->data().toInt();
        on(item, [this, code] { InsertPlainCode(code); });
    }
    on(a.InsertMIDIMessage1, &TfrmMain::InsertMIDIMessage1Click);
    for (QAction* item : a.LedItems) {
        const int tag = item->data().toInt();
        on(item, [this, tag] { fEditor->mnuLedClick(tag); });
    }

    on(a.Layout20MenuItem, [this] { fKeypad->SelectLayout(2); });
    on(a.Layout12MenuItem, [this] { fKeypad->SelectLayout(1); });
    on(a.Level1MenuItem, [this] { fEditor->SelectLevel(0); });
    on(a.Level2MenuItem, [this] { fEditor->SelectLevel(1); });
    on(a.menuitemViewKeysAsText, [this] { fEditor->menuitemViewKeysAsTextClick(); });
    on(a.menuitemViewKeysAsHex, [this] { fEditor->menuitemViewKeysAsHexClick(); });

    on(a.PropertiesMenuItem, &TfrmMain::ToolBtnParametersClick);
    on(a.EditAdvancedProperties1, &TfrmMain::EditAdvancedProperties1Click);
    on(a.EditScreenData1, &TfrmMain::EditScreenData1Click);
    on(a.SetPortMenuItem, &TfrmMain::ToolBtnSetPortClick);
    on(a.DownloadMenuItem, &TfrmMain::ToolBtnDownloadClick);
    on(a.TestMenuItem, &TfrmMain::ToolButtonTestClick);
    on(a.KeyLabelsMenuItem, &TfrmMain::ToolButtonKeyLabelsClick);

    on(a.UserManual1, &TfrmMain::UserManual1Click);
    on(a.About1, &TfrmMain::About1Click);

    on(a.CompareMenuItem, &TfrmMain::CompareMenuItemClick);
    on(a.CheckDefinitionMenuItem, &TfrmMain::CheckDefinitionMenuItemClick);
    connect(a.PreviewMenuItem, &QAction::toggled, this, &TfrmMain::ShowPreview);
    on(a.PreviewMenuItem, &TfrmMain::PreviewMenuItemClick);
    on(a.ShowBackupsMenuItem, &TfrmMain::ShowBackupsMenuItemClick);
}
