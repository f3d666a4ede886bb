// The macro editor's building, drawing and selection: the level tabs, the
// header with its flags and meter, and the grid showing the selected macro.

#include "ui/main/MacroEditor.h"

#include "ui/common/HostKeyboard.h"
#include "ui/main/MacroGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QScrollBar>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

constexpr int GridColumnWidth = 82;
constexpr int GridRowHeight = 21;
constexpr int NameLength = 40;

// The release of a key pressed for a command (with Ctrl, Alt or Meta), or of
// one of those keys: it stores nothing in the name. What such a command
// changes in the text arrives through textEdited.
bool IsShortcutRelease(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
        return true;
    default:
        return (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    }
}

} // namespace

TMacroEditor::TMacroEditor(TKeypadClass& definition, const THostKeyboard& keyboard, QWidget* parent)
    : QWidget(parent), fDefinition(definition), fKeyboard(keyboard)
{
    setObjectName(QStringLiteral("pnlMacroArea"));
    auto* areaLayout = new QVBoxLayout(this);
    areaLayout->setContentsMargins(0, 0, 0, 0);
    areaLayout->setSpacing(0);

    TabControlLevel = new QTabBar(this);
    TabControlLevel->setObjectName(QStringLiteral("TabControlLevel"));
    TabControlLevel->addTab(tr("Level 1"));
    TabControlLevel->addTab(tr("Level 2"));
    TabControlLevel->setExpanding(false);
    TabControlLevel->setDrawBase(false);
    TabControlLevel->setFocusPolicy(Qt::NoFocus);
    areaLayout->addWidget(TabControlLevel, 0, Qt::AlignLeft);
    connect(TabControlLevel, &QTabBar::currentChanged, this, &TMacroEditor::TabControlLevelChange);

    auto* body = new QFrame(this);
    body->setObjectName(QStringLiteral("pnlLevelPage"));
    body->setFrameShape(QFrame::StyledPanel);
    body->setFrameShadow(QFrame::Raised);
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(8, 6, 8, 8);
    bodyLayout->setSpacing(6);
    areaLayout->addWidget(body);

    bodyLayout->addWidget(BuildHeader(body));
    BuildGrid(body);
    bodyLayout->addWidget(Grid, 0, Qt::AlignHCenter);
}

QWidget* TMacroEditor::BuildHeader(QWidget* parent)
{
    pnlMacroHeader = new QWidget(parent);
    pnlMacroHeader->setObjectName(QStringLiteral("pnlMacroHeader"));
    auto* header = new QGridLayout(pnlMacroHeader);
    header->setContentsMargins(0, 0, 0, 0);
    header->setHorizontalSpacing(8);
    header->setVerticalSpacing(5);

    lblMacroHeader = new QLabel(tr("Macro for Key 1, Level 1"), pnlMacroHeader);
    lblMacroHeader->setObjectName(QStringLiteral("lblMacroHeader"));
    QFont headerFont = lblMacroHeader->font();
    headerFont.setBold(true);
    headerFont.setPointSizeF(headerFont.pointSizeF() * 1.15);
    lblMacroHeader->setFont(headerFont);

    auto* Label1 = new QLabel(tr("Description:"), pnlMacroHeader);
    Label1->setObjectName(QStringLiteral("Label1"));
    EditName = new QLineEdit(pnlMacroHeader);
    EditName->setObjectName(QStringLiteral("EditName"));
    EditName->setMaxLength(NameLength);
    EditName->setToolTip(tr("Enter optional name for key macro."));
    EditName->installEventFilter(this);
    Label1->setBuddy(EditName);

    chkboxAutoRepeat = new QCheckBox(tr("- This macro can auto-repeat"), pnlMacroHeader);
    chkboxAutoRepeat->setObjectName(QStringLiteral("chkboxAutoRepeat"));
    chkboxAutoRepeat->setToolTip(tr("Check this box to make the current macro auto-repeat"));
    cboxKeyAsTrueTerminal = new QCheckBox(tr("- Transmit this key (don't buffer)"), pnlMacroHeader);
    cboxKeyAsTrueTerminal->setObjectName(QStringLiteral("cboxKeyAsTrueTerminal"));
    cboxKeyAsTrueTerminal->setToolTip(tr("Treat this LineEdit key as if in TrueTerminal mode"));

    auto* lblSpaceAvailable = new QLabel(tr("Bytes available for this macro:"), pnlMacroHeader);
    lblSpaceAvailable->setObjectName(QStringLiteral("lblSpaceAvailable"));
    lblBytesUsed = new QLabel(QStringLiteral("100"), pnlMacroHeader);
    lblBytesUsed->setObjectName(QStringLiteral("lblBytesUsed"));
    lblBytesUsed->setMinimumWidth(32);
    QFont bytesFont = lblBytesUsed->font();
    bytesFont.setBold(true);
    lblBytesUsed->setFont(bytesFont);
    ProgressBar1 = new QProgressBar(pnlMacroHeader);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, MacroCapacity);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setFixedHeight(14);

    header->addWidget(lblMacroHeader, 0, 0, 1, 2);
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

    connect(chkboxAutoRepeat, &QCheckBox::toggled, this, &TMacroEditor::chkboxAutorepeatClick);
    connect(cboxKeyAsTrueTerminal, &QCheckBox::toggled, this,
            &TMacroEditor::cboxKeyAsTrueTerminalClick);
    // Text that arrives without a key (pasting with the mouse) is kept too.
    connect(EditName, &QLineEdit::textEdited, this, &TMacroEditor::EditNameKeyUp);
    return pnlMacroHeader;
}

void TMacroEditor::BuildGrid(QWidget* parent)
{
    Grid = new TMacroGrid(parent);
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
            Q_EMIT modifierKeysShown(fDefinition.GetModifierSet(
                static_cast<uint8_t>(row * TMacroGrid::Columns + col + 1)));
        if (!fSettingCursor)
            Q_EMIT cursorMovedByHand();
    });
    connect(Grid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TMacroEditor::codeSelectionChanged);

    popmenuClearMacro = new QMenu(this);
    popmenuClearMacro->setObjectName(QStringLiteral("popmenuClearMacro"));
}

void TMacroEditor::SetCornerWidget(QWidget* widget)
{
    auto* header = static_cast<QGridLayout*>(pnlMacroHeader->layout());
    widget->setParent(pnlMacroHeader);
    header->addWidget(widget, 0, 2, 1, 2, Qt::AlignRight);
}

void TMacroEditor::SetViewItems(QAction* asText, QAction* asHex)
{
    fViewAsText = asText;
    fViewAsHex = asHex;
}

void TMacroEditor::UpdateViewTicks()
{
    if (fViewAsText)
        fViewAsText->setChecked(!fDefinition.bViewInHex);
    if (fViewAsHex)
        fViewAsHex->setChecked(fDefinition.bViewInHex);
}

bool TMacroEditor::HostCapsLockOn() const
{
    return fKeyboard.CapsLockOn();
}

bool TMacroEditor::HostShiftDown() const
{
    return fKeyboard.ShiftDown();
}

// ------------------------------------------------------------------------ drawing

void TMacroEditor::CopyDataToScreen(int32_t gridIndex)
{
    // A refused cell (or one outside the grid) leaves the cursor where it is.
    if (gridIndex >= 0 && gridIndex < TMacroGrid::Rows * TMacroGrid::Columns)
        SetCursor(gridIndex / TMacroGrid::Columns, gridIndex % TMacroGrid::Columns);
    ShowMacroCodes();
    Q_EMIT modifierKeysShown(
        fDefinition.GetModifierSet(static_cast<uint8_t>(qBound(0, gridIndex, 255))));
    lblMacroHeader->setText(
        tr("Macro for Key %1, Level %2").arg(fDefinition.Key() + 1).arg(fDefinition.Level() + 1));
    chkboxAutoRepeat->setChecked(fDefinition.CanAutoRepeat());
    cboxKeyAsTrueTerminal->setChecked(fDefinition.SendKeyNow());
    UpdateTransmitNowEnabling();
    ShowMacroName();
    Q_EMIT macroShown();
}

void TMacroEditor::ShowMacroCodes()
{
    // The last twelve cells stay empty.
    for (int p = 0; p < MacroCapacity; ++p)
        Grid->item(p / TMacroGrid::Columns, p % TMacroGrid::Columns)
            ->setText(fDefinition.GetDisplayValue(p));
    const int32_t codeCount = fDefinition.CodeCount();
    lblBytesUsed->setText(QString::number(MacroCapacity - codeCount));
    // A macro read from a file can hold up to 102 bytes; the bar stays full.
    ProgressBar1->setValue(qBound(0, codeCount, MacroCapacity));
}

void TMacroEditor::ShowMacroName()
{
    const QString name = fDefinition.GetMacroName();
    // A longer name read from a file is shown whole, so that a key release in
    // the edit does not store it cut to 40 characters.
    EditName->setMaxLength(qMax(NameLength, static_cast<int>(name.size())));
    EditName->setText(name);
}

void TMacroEditor::SetCursor(int row, int col)
{
    fSettingCursor = true;
    Grid->setCurrentCell(row, col);
    fSettingCursor = false;
}

int TMacroEditor::GridPosition() const
{
    return Grid->CurrentPosition();
}

void TMacroEditor::FocusGrid()
{
    Grid->setFocus();
}

bool TMacroEditor::IsTransmitNowTicked() const
{
    return cboxKeyAsTrueTerminal->isChecked();
}

void TMacroEditor::UpdateTransmitNowEnabling()
{
    cboxKeyAsTrueTerminal->setEnabled((fDefinition.OpMode() & 0x01) != 0);
}

// ------------------------------------------------------------------------ keys and levels

void TMacroEditor::SelectKey(int keyIndex)
{
    fDefinition.SetKey(keyIndex);
    CopyDataToScreen(fDefinition.NumOfElements());
    Grid->setFocus();
}

void TMacroEditor::SelectLevel(int level)
{
    if (TabControlLevel->currentIndex() != level)
        TabControlLevel->setCurrentIndex(level);
}

void TMacroEditor::TabControlLevelChange(int index)
{
    fDefinition.SetLevel(index);
    CopyDataToScreen(fDefinition.NumOfElements());
    Q_EMIT levelChanged(index);
}

// ------------------------------------------------------------------------ header

void TMacroEditor::chkboxAutorepeatClick()
{
    if (chkboxAutoRepeat->isChecked() != fDefinition.CanAutoRepeat()) {
        fDefinition.SetCanAutoRepeat(chkboxAutoRepeat->isChecked());
        Edited(TEditKind::AutoRepeat, GridPosition(), GridPosition());
    }
}

void TMacroEditor::cboxKeyAsTrueTerminalClick()
{
    if (cboxKeyAsTrueTerminal->isChecked() != fDefinition.SendKeyNow()) {
        fDefinition.SetSendKeyNow(cboxKeyAsTrueTerminal->isChecked());
        Edited(TEditKind::TransmitNow, GridPosition(), GridPosition());
    }
}

void TMacroEditor::EditNameKeyUp()
{
    fDefinition.SetMacroName(EditName->text());
    Edited(TEditKind::Name, GridPosition(), GridPosition());
}

bool TMacroEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == EditName) {
        if (event->type() == QEvent::ShortcutOverride) {
            // Undo and Redo are the definition's, not the edit's own: left
            // unclaimed, they reach the window's commands.
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo))
                return true;
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                Grid->setFocus();
                return true;
            }
        } else if (event->type() == QEvent::KeyRelease) {
            const auto* release = static_cast<QKeyEvent*>(event);
            if (release->key() != Qt::Key_Return && release->key() != Qt::Key_Enter &&
                !IsShortcutRelease(release))
                EditNameKeyUp();
        }
    }
    return QWidget::eventFilter(watched, event);
}
