#include "ui/main/MacroGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

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
        if (KeyPress)
            KeyPress(9);
        event->accept();
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty()) {
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
