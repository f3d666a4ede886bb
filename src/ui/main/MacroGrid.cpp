#include "ui/main/MacroGrid.h"

#include "model/KeypadClass.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// The inverse of the key table for the characters a PC keyboard types. A
// key's own character wins over another key's shifted one (so "*" is the
// keypad asterisk, not Shift+8); among keys the lower number wins (so "7" is
// the main row's key, not the keypad's). Backspace and Del erase in the grid
// and never insert.
std::array<uint8_t, 128> makeAsciiToKeyNumber()
{
    std::array<uint8_t, 128> table{};
    auto claim = [&table](int code, int keyNumber) {
        if (code >= 0 && code < int(table.size()) && table[code] == 0)
            table[code] = static_cast<uint8_t>(keyNumber);
    };
    for (int key = 1; key < int(KeyTable.size()); ++key)
        claim(KeyTable[key].Code, key);
    for (int key = 1; key < int(KeyTable.size()); ++key)
        claim(KeyTable[key].ShiftedCode, key);
    table[8] = 0;
    table[127] = 0;
    return table;
}

// Ctrl, Alt or Meta held: the key is meant for a shortcut or a menu, not for
// the macro. Ctrl+Alt with a printable character is AltGr on systems that
// report it that way, and types that character.
bool isCommandKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers held =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!held)
        return false;
    const QString text = event->text();
    const bool altGr =
        held == (Qt::ControlModifier | Qt::AltModifier) && !text.isEmpty() && text.at(0).isPrint();
    return !altGr;
}

} // namespace

const std::array<uint8_t, 128> AsciiToKeyNumber = makeAsciiToKeyNumber();

TMacroGrid::TMacroGrid(QWidget* parent) : QTableWidget(Rows, Columns, parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    for (int row = 0; row < Rows; ++row) {
        for (int col = 0; col < Columns; ++col) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            setItem(row, col, item);
        }
    }
}

int TMacroGrid::CurrentPosition() const
{
    const int row = currentRow() < 0 ? 0 : currentRow();
    const int col = currentColumn() < 0 ? 0 : currentColumn();
    return row * Columns + col;
}

bool TMacroGrid::accepts(const QModelIndex& index) const
{
    if (!index.isValid())
        return true;
    return !CanSelectCell || CanSelectCell(index.column(), index.row());
}

bool TMacroGrid::event(QEvent* event)
{
    // Delete and Backspace keep the grid's own meaning, whatever command
    // carries them as its shortcut.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            event->accept();
            return true;
        }
    }
    return QTableWidget::event(event);
}

QModelIndex TMacroGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex target = QTableWidget::moveCursor(cursorAction, modifiers);
    return accepts(target) ? target : currentIndex();
}

void TMacroGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    // Whatever path moved the cursor (mouse drag, programmatic), a refused
    // cell never stays current.
    if (!fReverting && current.isValid() && !accepts(current)) {
        fReverting = true;
        selectionModel()->setCurrentIndex(previous, QItemSelectionModel::NoUpdate);
        fReverting = false;
        return;
    }
    QTableWidget::currentChanged(current, previous);
}

void TMacroGrid::keyPressEvent(QKeyEvent* event)
{
    if (KeyDown && KeyDown(event)) {
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Backtab:
        QTableWidget::keyPressEvent(event);
        return;
    case Qt::Key_Tab:
        // Tab reaches here through the grid's tab navigation, without text.
        if (isCommandKey(event)) {
            event->ignore();
            return;
        }
        if (KeyPress)
            KeyPress(9);
        event->accept();
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty() || isCommandKey(event)) {
        event->ignore();
        return;
    }
    if (KeyPress) {
        const auto codes = text.toUcs4();
        for (const uint code : codes)
            KeyPress(code);
    }
    event->accept();
}

void TMacroGrid::keyReleaseEvent(QKeyEvent* event)
{
    if (KeyUp && !event->isAutoRepeat())
        KeyUp(event);
    QTableWidget::keyReleaseEvent(event);
}

void TMacroGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        if (RightClick)
            RightClick(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    if (!accepts(indexAt(event->position().toPoint()))) {
        event->accept();
        return;
    }
    QTableWidget::mousePressEvent(event);
}

void TMacroGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!accepts(index)) {
        event->accept();
        return;
    }
    QTableWidget::mouseDoubleClickEvent(event);
    if (index.isValid() && DoubleClick)
        DoubleClick();
}
