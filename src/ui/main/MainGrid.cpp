// The macro grid, its header, the key buttons, the level tabs and the key
// type menu: selecting a key and a level, showing its macro, inserting and
// removing codes.

#include "ui/main/Main.h"

#include "ui/main/MacroGrid.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QScrollBar>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr std::array<uint8_t, 128> makeAsciiToKeyNumber()
{
    std::array<uint8_t, 128> table{};
    auto map = [&table](char c, uint8_t key) { table[static_cast<unsigned char>(c)] = key; };
    table[27] = 1;
    const char digitsRow[] = "1234567890";
    const char shiftedDigits[] = "!@#$%^&\0()";
    for (int i = 0; i < 10; ++i) {
        map(digitsRow[i], static_cast<uint8_t>(2 + i));
        if (shiftedDigits[i]) // Shift+8 is the keypad asterisk below
            map(shiftedDigits[i], static_cast<uint8_t>(2 + i));
    }
    map('-', 12);
    map('_', 12);
    map('=', 13);
    table[9] = 15;
    const char topRow[] = "qwertyuiop";
    for (int i = 0; i < 10; ++i) {
        map(topRow[i], static_cast<uint8_t>(16 + i));
        map(static_cast<char>(topRow[i] - 32), static_cast<uint8_t>(16 + i));
    }
    map('[', 26);
    map('{', 26);
    map(']', 27);
    map('}', 27);
    table[13] = 28;
    const char homeRow[] = "asdfghjkl";
    for (int i = 0; i < 9; ++i) {
        map(homeRow[i], static_cast<uint8_t>(30 + i));
        map(static_cast<char>(homeRow[i] - 32), static_cast<uint8_t>(30 + i));
    }
    map(';', 39);
    map(':', 39);
    map('\'', 40);
    map('"', 40);
    map('`', 41);
    map('~', 41);
    map('\\', 43);
    map('|', 43);
    const char bottomRow[] = "zxcvbnm";
    for (int i = 0; i < 7; ++i) {
        map(bottomRow[i], static_cast<uint8_t>(44 + i));
        map(static_cast<char>(bottomRow[i] - 32), static_cast<uint8_t>(44 + i));
    }
    map(',', 51);
    map('<', 51);
    map('.', 52);
    map('>', 52);
    map('/', 53);
    map('?', 53);
    map('*', 55); // keypad asterisk
    map(' ', 57);
    map('+', 78); // keypad plus
    return table;
}

constexpr int GridColumnWidth = 82;
constexpr int GridRowHeight = 21;
constexpr int KeyButtonWidth = 46;
constexpr int KeyButtonHeight = 31;

const QColor Level1Colour(166, 202, 240);
const QColor Level2Colour(128, 128, 128);

} // namespace

const std::array<uint8_t, 128> AsciiToKeyNumber = makeAsciiToKeyNumber();

// ------------------------------------------------------------------------ building

void TfrmMain::BuildKeyTypeIcons()
{
    auto draw = [](auto paint) {
        QPixmap pixmap(18, 18);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(painter);
        return QIcon(pixmap);
    };
    const QColor ink(20, 40, 120);
    // Level shift: a hollow arrow pointing up, like the Shift key's cap.
    ModifierImageList[ktShift] = draw([&](QPainter& p) {
        QPainterPath arrow;
        arrow.moveTo(9, 1.5);
        arrow.lineTo(16.5, 9);
        arrow.lineTo(12, 9);
        arrow.lineTo(12, 16.5);
        arrow.lineTo(6, 16.5);
        arrow.lineTo(6, 9);
        arrow.lineTo(1.5, 9);
        arrow.closeSubpath();
        p.setPen(QPen(ink, 1.6));
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawPath(arrow);
    });
    // Level toggle: two opposed arrows.
    ModifierImageList[ktToggle] = draw([&](QPainter& p) {
        p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(2.5, 6), QPointF(15, 6));
        p.drawPolyline(QPolygonF({QPointF(11.5, 2.5), QPointF(15, 6), QPointF(11.5, 9.5)}));
        p.drawLine(QPointF(15.5, 12.5), QPointF(3, 12.5));
        p.drawPolyline(QPolygonF({QPointF(6.5, 9), QPointF(3, 12.5), QPointF(6.5, 16)}));
    });
    // Alpha lock: a capital A in a box.
    ModifierImageList[ktAlpha] = draw([&](QPainter& p) {
        p.setPen(QPen(ink, 1.4));
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawRoundedRect(QRectF(1.5, 1.5, 15, 15), 3, 3);
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(12);
        p.setFont(font);
        p.drawText(QRectF(1.5, 1.5, 15, 15), Qt::AlignCenter, QStringLiteral("A"));
    });
}

QWidget* TfrmMain::BuildKeypad()
{
    BuildKeyTypeIcons();
    auto* holder = new QWidget;
    holder->setObjectName(QStringLiteral("pnlKeypadHolder"));
    pnlKeypad = new QFrame(holder);
    pnlKeypad->setObjectName(QStringLiteral("pnlKeypad"));
    static_cast<QFrame*>(pnlKeypad)->setFrameShape(QFrame::StyledPanel);
    pnlKeypad->setToolTip(QStringLiteral("Right-click to set Level control"));
    pnlKeypad->setAutoFillBackground(true);

    KeyButtonGroup = new QButtonGroup(this);
    KeyButtonGroup->setObjectName(QStringLiteral("KeyButtonGroup"));
    KeyButtonGroup->setExclusive(true);
    for (int key = 0; key < MaxKeys; ++key) {
        auto* button = new QToolButton(pnlKeypad);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(key + 1));
        button->setCheckable(true);
        button->setFixedSize(KeyButtonWidth, KeyButtonHeight);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setIconSize(QSize(18, 18));
        QFont font = button->font();
        font.setBold(true);
        button->setFont(font);
        button->installEventFilter(this);
        KeyButtonGroup->addButton(button, key);
        SpeedButtons[key] = button;
    }
    connect(KeyButtonGroup, &QButtonGroup::idClicked, this,
            [this](int key) { SpeedButton1Click(key); });

    popmenKeyType = new QMenu(this);
    popmenKeyType->setObjectName(QStringLiteral("popmenKeyType"));
    ShiftKeyMenuItem = popmenKeyType->addAction(
        ModifierImageList[ktShift],
        QStringLiteral(
            "Shift Level    -- will cause the keypad to switch levels while held down."));
    ShiftKeyMenuItem->setObjectName(QStringLiteral("ShiftKeyMenuItem"));
    ToggleKeyMenuItem = popmenKeyType->addAction(
        ModifierImageList[ktToggle],
        QStringLiteral(
            "Toggle Level -- will cause the keypad to switch levels after key is released."));
    ToggleKeyMenuItem->setObjectName(QStringLiteral("ToggleKeyMenuItem"));
    AlphaKeyMenuItem = popmenKeyType->addAction(
        ModifierImageList[ktAlpha],
        QStringLiteral("Alpha Lock    -- toggles keypad in and out of Alphabetic mode. (v5.43+)"));
    AlphaKeyMenuItem->setObjectName(QStringLiteral("AlphaKeyMenuItem"));
    const std::array<QAction*, 3> items{ShiftKeyMenuItem, ToggleKeyMenuItem, AlphaKeyMenuItem};
    for (int i = 0; i < 3; ++i) {
        items[i]->setCheckable(true);
        connect(items[i], &QAction::triggered, this, [this, i] { KeyTypeMenuItemClick(i); });
    }
    connect(popmenKeyType, &QMenu::aboutToShow, this, [this] { popmenKeyTypePopup(); });

    SetLevelColour(0);
    return holder;
}

QWidget* TfrmMain::BuildMacroArea()
{
    auto* area = new QWidget;
    area->setObjectName(QStringLiteral("pnlMacroArea"));
    auto* areaLayout = new QVBoxLayout(area);
    areaLayout->setContentsMargins(0, 0, 0, 0);
    areaLayout->setSpacing(0);

    TabControlLevel = new QTabBar(area);
    TabControlLevel->setObjectName(QStringLiteral("TabControlLevel"));
    TabControlLevel->addTab(QStringLiteral("Level 1"));
    TabControlLevel->addTab(QStringLiteral("Level 2"));
    TabControlLevel->setExpanding(false);
    TabControlLevel->setDrawBase(false);
    TabControlLevel->setFocusPolicy(Qt::NoFocus);
    areaLayout->addWidget(TabControlLevel, 0, Qt::AlignLeft);
    connect(TabControlLevel, &QTabBar::currentChanged, this,
            [this](int index) { TabControlLevelChange(index); });

    auto* body = new QFrame(area);
    body->setObjectName(QStringLiteral("pnlLevelPage"));
    body->setFrameShape(QFrame::StyledPanel);
    body->setFrameShadow(QFrame::Raised);
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(8, 6, 8, 8);
    bodyLayout->setSpacing(6);
    areaLayout->addWidget(body);

    pnlMacroHeader = new QWidget(body);
    pnlMacroHeader->setObjectName(QStringLiteral("pnlMacroHeader"));
    auto* header = new QGridLayout(pnlMacroHeader);
    header->setContentsMargins(0, 0, 0, 0);
    header->setHorizontalSpacing(8);
    header->setVerticalSpacing(5);

    lblMacroHeader = new QLabel(QStringLiteral("Macro for Key 1, Level 1"), pnlMacroHeader);
    lblMacroHeader->setObjectName(QStringLiteral("lblMacroHeader"));
    QFont headerFont = lblMacroHeader->font();
    headerFont.setBold(true);
    headerFont.setPointSizeF(headerFont.pointSizeF() * 1.15);
    lblMacroHeader->setFont(headerFont);

    panelPort = new QLabel(QStringLiteral("Port: <not set>"), pnlMacroHeader);
    panelPort->setObjectName(QStringLiteral("panelPort"));
    panelPort->setFrameShape(QFrame::StyledPanel);
    panelPort->setFrameShadow(QFrame::Sunken);
    panelPort->setAlignment(Qt::AlignCenter);
    panelPort->setMinimumWidth(230);
    panelPort->setContentsMargins(6, 1, 6, 1);
    QFont portFont = panelPort->font();
    portFont.setBold(true);
    panelPort->setFont(portFont);

    Label1 = new QLabel(QStringLiteral("Description:"), pnlMacroHeader);
    Label1->setObjectName(QStringLiteral("Label1"));
    EditName = new QLineEdit(pnlMacroHeader);
    EditName->setObjectName(QStringLiteral("EditName"));
    EditName->setMaxLength(40);
    EditName->setToolTip(QStringLiteral("Enter optional name for key macro."));
    EditName->installEventFilter(this);
    Label1->setBuddy(EditName);

    chkboxAutoRepeat =
        new QCheckBox(QStringLiteral("- This macro can auto-repeat"), pnlMacroHeader);
    chkboxAutoRepeat->setObjectName(QStringLiteral("chkboxAutoRepeat"));
    chkboxAutoRepeat->setToolTip(
        QStringLiteral("Check this box to make the current macro auto-repeat"));
    cboxKeyAsTrueTerminal =
        new QCheckBox(QStringLiteral("- Transmit this key (don't buffer)"), pnlMacroHeader);
    cboxKeyAsTrueTerminal->setObjectName(QStringLiteral("cboxKeyAsTrueTerminal"));
    cboxKeyAsTrueTerminal->setToolTip(
        QStringLiteral("Treat this LineEdit key as if in TrueTerminal mode"));

    lblSpaceAvailable =
        new QLabel(QStringLiteral("Bytes available for this macro:"), pnlMacroHeader);
    lblSpaceAvailable->setObjectName(QStringLiteral("lblSpaceAvailable"));
    lblBytesUsed = new QLabel(QStringLiteral("100"), pnlMacroHeader);
    lblBytesUsed->setObjectName(QStringLiteral("lblBytesUsed"));
    lblBytesUsed->setMinimumWidth(32);
    QFont bytesFont = lblBytesUsed->font();
    bytesFont.setBold(true);
    lblBytesUsed->setFont(bytesFont);
    ProgressBar1 = new QProgressBar(pnlMacroHeader);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setFixedHeight(14);

    header->addWidget(lblMacroHeader, 0, 0, 1, 2);
    header->addWidget(panelPort, 0, 2, 1, 2, Qt::AlignRight);
    header->addWidget(Label1, 1, 0);
    header->addWidget(EditName, 1, 1, 1, 3);
    header->addWidget(chkboxAutoRepeat, 2, 0, 1, 2);
    header->addWidget(cboxKeyAsTrueTerminal, 2, 2, 1, 2);
    auto* bytesRow = new QHBoxLayout;
    bytesRow->setSpacing(6);
    bytesRow->addWidget(lblSpaceAvailable);
    bytesRow->addWidget(lblBytesUsed);
    header->addLayout(bytesRow, 3, 0, 1, 2);
    header->addWidget(ProgressBar1, 3, 2, 1, 2);
    header->setColumnStretch(1, 1);
    header->setColumnStretch(3, 1);
    bodyLayout->addWidget(pnlMacroHeader);

    connect(chkboxAutoRepeat, &QCheckBox::toggled, this, [this] { chkboxAutorepeatClick(); });
    connect(cboxKeyAsTrueTerminal, &QCheckBox::toggled, this,
            [this] { cboxKeyAsTrueTerminalClick(); });
    // Text that arrives without a key (pasting with the mouse) is kept too.
    connect(EditName, &QLineEdit::textEdited, this, [this] { EditNameKeyUp(); });

    Grid = new TMacroGrid(body);
    Grid->setObjectName(QStringLiteral("Grid"));
    for (int col = 0; col < TMacroGrid::Columns; ++col)
        Grid->setColumnWidth(col, GridColumnWidth);
    for (int row = 0; row < TMacroGrid::Rows; ++row)
        Grid->setRowHeight(row, GridRowHeight);
    const int frame = 2 * Grid->frameWidth();
    Grid->setFixedSize(TMacroGrid::Columns * GridColumnWidth +
                           Grid->verticalScrollBar()->sizeHint().width() + frame,
                       TMacroGrid::Rows * GridRowHeight + frame);
    // The bottom-right cell can never become the current cell.
    Grid->item(TMacroGrid::Rows - 1, TMacroGrid::Columns - 1)->setFlags(Qt::NoItemFlags);
    Grid->CanSelectCell = [this](int col, int row) { return GridSelectCell(col, row); };
    Grid->KeyDown = [this](QKeyEvent* event) { return GridKeyDown(event); };
    Grid->KeyPress = [this](uint code) { GridKeyPress(code); };
    Grid->KeyUp = [this](QKeyEvent* event) { GridKeyUp(event); };
    Grid->RightClick = [this](const QPoint& pos) { GridMouseDown(pos); };
    Grid->DoubleClick = [this] { GridDblClick(); };
    connect(Grid, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        if (row >= 0 && col >= 0)
            UpdateKeyboard(KeypadDefinition.GetModifierSet(
                static_cast<uint8_t>(row * TMacroGrid::Columns + col + 1)));
    });
    bodyLayout->addWidget(Grid, 0, Qt::AlignHCenter);

    popmenuClearMacro = new QMenu(this);
    popmenuClearMacro->setObjectName(QStringLiteral("popmenuClearMacro"));
    menuitemClearMacro =
        popmenuClearMacro->addAction(QStringLiteral("Erase all key codes for this macro"));
    menuitemClearMacro->setObjectName(QStringLiteral("menuitemClearMacro"));
    popmenuClearMacro->addSeparator();
    menuitemViewKeysAsText =
        popmenuClearMacro->addAction(QStringLiteral("View key codes as ASCII"));
    menuitemViewKeysAsText->setObjectName(QStringLiteral("menuitemViewKeysAsText"));
    menuitemViewKeysAsText->setCheckable(true);
    menuitemViewKeysAsHex = popmenuClearMacro->addAction(QStringLiteral("View key codes as hex"));
    menuitemViewKeysAsHex->setObjectName(QStringLiteral("menuitemViewKeysAsHex"));
    menuitemViewKeysAsHex->setCheckable(true);
    popmenuClearMacro->addSeparator();
    connect(menuitemClearMacro, &QAction::triggered, this, [this] { menuitemClearMacroClick(); });
    connect(menuitemViewKeysAsText, &QAction::triggered, this,
            [this] { menuitemViewKeysAsTextClick(); });
    connect(menuitemViewKeysAsHex, &QAction::triggered, this,
            [this] { menuitemViewKeysAsHexClick(); });

    return area;
}

// ------------------------------------------------------------------------ drawing

void TfrmMain::CopyDataToScreen(int32_t gridIndex)
{
    // A refused cell (or one outside the grid) leaves the cursor where it is.
    if (gridIndex >= 0 && gridIndex < TMacroGrid::Rows * TMacroGrid::Columns)
        Grid->setCurrentCell(gridIndex / TMacroGrid::Columns, gridIndex % TMacroGrid::Columns);
    ShowMacroCodes();
    UpdateKeyboard(
        KeypadDefinition.GetModifierSet(static_cast<uint8_t>(qBound(0, gridIndex, 255))));
    lblMacroHeader->setText(QStringLiteral("Macro for Key %1, Level %2")
                                .arg(KeypadDefinition.Key() + 1)
                                .arg(KeypadDefinition.Level() + 1));
    chkboxAutoRepeat->setChecked(KeypadDefinition.CanAutoRepeat());
    cboxKeyAsTrueTerminal->setChecked(KeypadDefinition.SendKeyNow());
    cboxKeyAsTrueTerminal->setEnabled((KeypadDefinition.OpMode() & 0x01) != 0);
    ShowMacroName(KeypadDefinition.GetMacroName());
}

void TfrmMain::ShowMacroCodes()
{
    // The last twelve cells stay empty.
    for (int p = 0; p < MacroCapacity; ++p)
        Grid->item(p / TMacroGrid::Columns, p % TMacroGrid::Columns)
            ->setText(KeypadDefinition.GetDisplayValue(p));
    const int32_t codeCount = KeypadDefinition.CodeCount();
    lblBytesUsed->setText(QString::number(MacroCapacity - codeCount));
    // A macro read from a file can hold up to 102 bytes; the bar stays full.
    ProgressBar1->setValue(qBound(0, codeCount, 100));
}

void TfrmMain::ShowMacroName(const QString& name)
{
    // A longer name read from a file is shown whole, so that a key release in
    // the edit does not store it cut to 40 characters.
    EditName->setMaxLength(qMax(40, static_cast<int>(name.size())));
    EditName->setText(name);
}

void TfrmMain::CopyKeyParametersToScreen(QAbstractButton* sender)
{
    if (!sender)
        return;
    const TKeyType type = KeypadDefinition.Keytype();
    sender->setIcon(type >= ktShift && type <= ktAlpha ? ModifierImageList[type] : QIcon());
}

void TfrmMain::RefreshKeyButtons()
{
    const int key = KeypadDefinition.Key();
    for (int i = 0; i < MaxKeys; ++i) {
        KeypadDefinition.SetKey(i);
        CopyKeyParametersToScreen(SpeedButtons[i]);
    }
    KeypadDefinition.SetKey(key);
}

QAbstractButton* TfrmMain::KeyButton(int keyIndex) const
{
    return keyIndex >= 0 && keyIndex < MaxKeys ? SpeedButtons[keyIndex] : nullptr;
}

int TfrmMain::GridPosition() const
{
    return Grid->CurrentPosition();
}

void TfrmMain::SetViewInHex(bool value)
{
    KeypadDefinition.bViewInHex = value;
}

void TfrmMain::SetLevelColour(int level)
{
    QPalette palette = pnlKeypad->palette();
    palette.setColor(QPalette::Window, level == 0 ? Level1Colour : Level2Colour);
    pnlKeypad->setPalette(palette);
}

void TfrmMain::SelectFirstKey()
{
    const int first = FirstKeyOfLayout();
    SpeedButtons[first]->setChecked(true);
    KeypadDefinition.SetKey(first);
    if (TabControlLevel->currentIndex() != 0)
        TabControlLevel->setCurrentIndex(0);
    KeypadDefinition.SetLevel(0);
    SetLevelColour(0);
}

// ------------------------------------------------------------------------ inserting and removing

bool TfrmMain::AddData(int32_t value)
{
    int32_t position = GridPosition();
    const int32_t start = std::min<int32_t>(position, KeypadDefinition.NumOfElements());
    const uint8_t countBefore = KeypadDefinition.NumOfElements();
    if (!KeypadDefinition.InsertKey(position, value)) {
        Prompts::Error(this, QStringLiteral("Not enough room or macro full!"));
        return false;
    }
    // A plain code equal to the command prefix would start a command on the
    // keypad and in the file: it is kept as the escaped prefix, which needs a
    // second byte. So is one that was last (as a file can leave it) and now
    // has a code after it.
    if (KeypadDefinition.NumOfElements() > countBefore && !EscapePrefixAround(start)) {
        // Back as it was before the call; the message is the full-macro one.
        Prompts::Error(this, QStringLiteral("Not enough room or macro full!"));
        return false;
    }
    fModifiers &= ~(ModLShift | ModRShift | ModLCtrl | ModRCtrl);
    if (KeypadDefinition.GetMacroName().isEmpty())
        KeypadDefinition.SetMacroName(KeypadDefinition.GetDisplayValue(0));
    CopyDataToScreen(position);
    ChangesPending(true);
    return true;
}

bool TfrmMain::EscapePrefixAround(int32_t index)
{
    if (KeypadDefinition.EscapePrefixAt(index) && KeypadDefinition.EscapePrefixAt(index - 1))
        return true;
    KeypadDefinition.RemoveKey(static_cast<uint8_t>(index));
    return false;
}

bool TfrmMain::AddByte(int32_t value)
{
    int32_t position = GridPosition();
    const uint8_t countBefore = KeypadDefinition.NumOfElements();
    const int32_t start = std::clamp<int32_t>(position, 0, countBefore);
    bool inserted;
    if (value == KeypadDefinition.CmdPrefix()) {
        // The prefix as data goes in escaped: two bytes on the keypad.
        inserted = KeypadDefinition.CodeCount() + 2 <= MacroCapacity &&
                   KeypadDefinition.InsertByte(position, EscapedPrefixCode);
    } else {
        inserted = KeypadDefinition.InsertByte(position, value);
    }
    if (inserted && KeypadDefinition.NumOfElements() > countBefore && !EscapePrefixAround(start))
        inserted = false;
    if (!inserted) {
        Prompts::Error(this, QStringLiteral("Macro Full!"));
        return false;
    }
    fModifiers &= ~(ModLShift | ModRShift | ModLCtrl | ModRCtrl);
    if (KeypadDefinition.GetMacroName().isEmpty())
        KeypadDefinition.SetMacroName(KeypadDefinition.GetDisplayValue(0));
    CopyDataToScreen(position);
    ChangesPending(true);
    return true;
}

void TfrmMain::RemoveData(int32_t index)
{
    int left = Grid->currentColumn();
    int right = left;
    int top = Grid->currentRow();
    int bottom = top;
    const QList<QTableWidgetSelectionRange> ranges = Grid->selectedRanges();
    if (!ranges.isEmpty()) {
        left = ranges.first().leftColumn();
        right = ranges.first().rightColumn();
        top = ranges.first().topRow();
        bottom = ranges.first().bottomRow();
    }
    const int width = right - left + 1;
    int32_t p = index;
    for (int row = top; row <= bottom; ++row) {
        for (int i = 0; i < width; ++i)
            if (p >= 0 && p < 256)
                KeypadDefinition.RemoveKey(static_cast<uint8_t>(p));
        p += TMacroGrid::Columns - width;
    }
    if (top >= 0 && left >= 0)
        Grid->setCurrentCell(top, left);
    CopyDataToScreen(index);
    ChangesPending(true);
}

// Top-left cell of the selected rectangle, as a macro position.
static int selectionTopLeft(const TMacroGrid* grid)
{
    const QList<QTableWidgetSelectionRange> ranges = grid->selectedRanges();
    if (ranges.isEmpty())
        return grid->CurrentPosition();
    return ranges.first().topRow() * TMacroGrid::Columns + ranges.first().leftColumn();
}

// ------------------------------------------------------------------------ keys and levels

void TfrmMain::SpeedButton1Click(int keyIndex)
{
    KeypadDefinition.SetKey(keyIndex);
    CopyDataToScreen(KeypadDefinition.NumOfElements());
    Grid->setFocus();
}

void TfrmMain::SpeedButton1MouseDown(QAbstractButton* button, const QPoint& globalPos)
{
    button->click();
    button->setChecked(true);
    fKeyTypeMenuButton = button;
    popmenKeyType->popup(globalPos);
}

void TfrmMain::TabControlLevelChange(int index)
{
    KeypadDefinition.SetLevel(index);
    CopyDataToScreen(KeypadDefinition.NumOfElements());
    SetLevelColour(index);
}

void TfrmMain::popmenKeyTypePopup()
{
    const TKeyType type = KeypadDefinition.Keytype();
    ShiftKeyMenuItem->setChecked(type == ktShift);
    ToggleKeyMenuItem->setChecked(type == ktToggle);
    AlphaKeyMenuItem->setChecked(type == ktAlpha);
}

void TfrmMain::KeyTypeMenuItemClick(int item)
{
    static const std::array<TKeyType, 3> types{ktShift, ktToggle, ktAlpha};
    static const std::array<const char*, 3> names{"Level Shift", "Level Toggle", "Alpha Toggle"};
    const std::array<QAction*, 3> actions{ShiftKeyMenuItem, ToggleKeyMenuItem, AlphaKeyMenuItem};
    if (item < 0 || item > 2)
        return;
    // The action's tick has already flipped: ticked now means "make it this
    // type", unticked means the user chose the current type again.
    const bool ticked = actions[item]->isChecked();
    const TKeyType type = ticked ? types[item] : ktNormal;
    KeypadDefinition.SetKeytype(type);
    if (type != ktNormal && KeypadDefinition.GetMacroName().isEmpty()) {
        KeypadDefinition.SetMacroName(QString::fromLatin1(names[item]));
        ShowMacroName(KeypadDefinition.GetMacroName());
    }
    CopyKeyParametersToScreen(fKeyTypeMenuButton ? fKeyTypeMenuButton
                                                 : SpeedButtons[KeypadDefinition.Key()]);
    ChangesPending(true);
}

void TfrmMain::chkboxAutorepeatClick()
{
    if (chkboxAutoRepeat->isChecked() != KeypadDefinition.CanAutoRepeat()) {
        KeypadDefinition.SetCanAutoRepeat(chkboxAutoRepeat->isChecked());
        ChangesPending(true);
    }
}

void TfrmMain::cboxKeyAsTrueTerminalClick()
{
    if (cboxKeyAsTrueTerminal->isChecked() != KeypadDefinition.SendKeyNow()) {
        KeypadDefinition.SetSendKeyNow(cboxKeyAsTrueTerminal->isChecked());
        ChangesPending(true);
    }
}

void TfrmMain::EditNameKeyUp()
{
    KeypadDefinition.SetMacroName(EditName->text());
    ChangesPending(true);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == EditName) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                Grid->setFocus();
                return true;
            }
        } else if (event->type() == QEvent::KeyRelease) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Return && key != Qt::Key_Enter)
                EditNameKeyUp();
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button && mouse->button() == Qt::RightButton && KeyButtonGroup->id(button) >= 0) {
            SpeedButton1MouseDown(button, mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ------------------------------------------------------------------------ grid events

bool TfrmMain::GridSelectCell(int col, int row)
{
    return !(col == TMacroGrid::Columns - 1 && row == TMacroGrid::Rows - 1);
}

bool TfrmMain::GridKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Backspace: {
        const int position = GridPosition();
        if (position > 0)
            RemoveData(position - 1);
        return true;
    }
    case Qt::Key_Delete:
        // From the selected rectangle's top-left cell, so that what is
        // selected is what goes, whichever corner the selection ended on.
        RemoveData(selectionTopLeft(Grid));
        return true;
    case Qt::Key_Shift:
        fModifiers |= ModLShift;
        return false;
    default:
        return false;
    }
}

void TfrmMain::GridKeyUp(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Shift) {
        fModifiers = 0;
        ReleaseModifierButtons();
    }
}

void TfrmMain::GridKeyPress(uint code)
{
    // Characters above 255 have no one-byte form on the keypad: refused
    // without a message.
    if (code > 127 && code <= 255)
        AddData(static_cast<int32_t>(code));
    else if (code <= 127 && AsciiToKeyNumber[code] > 0)
        AddData(AsciiToKeyNumber[code]);
    CheckMacroLenWarning();
}

void TfrmMain::GridDblClick()
{
    RemoveData(selectionTopLeft(Grid));
}

void TfrmMain::GridMouseDown(const QPoint& globalPos)
{
    menuitemViewKeysAsText->setChecked(!KeypadDefinition.bViewInHex);
    menuitemViewKeysAsHex->setChecked(KeypadDefinition.bViewInHex);
    popmenuClearMacro->popup(globalPos);
}

void TfrmMain::menuitemClearMacroClick()
{
    while (KeypadDefinition.NumOfElements() > 0)
        RemoveData(0);
}

void TfrmMain::menuitemViewKeysAsTextClick()
{
    KeypadDefinition.bViewInHex = false;
    CopyDataToScreen(KeypadDefinition.NumOfElements());
}

void TfrmMain::menuitemViewKeysAsHexClick()
{
    KeypadDefinition.bViewInHex = true;
    CopyDataToScreen(KeypadDefinition.NumOfElements());
}
