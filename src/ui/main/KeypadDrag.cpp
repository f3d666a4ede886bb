// Dragging a key button onto another one swaps the two keys. The drag
// carries the key and this panel's mark, so that only a drag that started on
// this keypad is taken.

#include "ui/main/KeypadPanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace {

const QString KeyDragMimeType = QStringLiteral("application/x-padwright-key-button");

// This panel in this process: "pid:address".
QByteArray PanelMark(const TKeypadPanel* panel)
{
    return QByteArray::number(QCoreApplication::applicationPid()) + ':' +
           QByteArray::number(reinterpret_cast<quintptr>(panel));
}

} // namespace

int TKeypadPanel::DraggedKey(const QMimeData* mime) const
{
    if (!mime || !mime->hasFormat(KeyDragMimeType))
        return -1;
    const QList<QByteArray> parts = mime->data(KeyDragMimeType).split(';');
    if (parts.size() != 2 || parts[0] != PanelMark(this))
        return -1;
    bool ok = false;
    const int key = parts[1].toInt(&ok);
    return ok && key >= 0 && key < MaxKeys ? key : -1;
}

bool TKeypadPanel::KeyDragEvent(QAbstractButton* button, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            fPressedButton = button;
            fDragStart = mouse->position().toPoint();
        }
        return false;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (fPressedButton == button && (mouse->buttons() & Qt::LeftButton) &&
            (mouse->position().toPoint() - fDragStart).manhattanLength() >=
                QApplication::startDragDistance()) {
            fPressedButton = nullptr;
            StartKeyDrag(button);
            return true;
        }
        return false;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        const int from = DraggedKey(drag->mimeData());
        if (from < 0 || from == KeyButtonGroup->id(button)) {
            drag->ignore();
            return from >= 0; // a foreign drag goes on to the window
        }
        drag->setDropAction(Qt::MoveAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const int from = DraggedKey(drop->mimeData());
        const int to = KeyButtonGroup->id(button);
        if (from < 0 || from == to)
            return false;
        drop->setDropAction(Qt::MoveAction);
        drop->accept();
        Q_EMIT keysSwapRequested(from, to);
        return true;
    }
    default:
        return false;
    }
}

void TKeypadPanel::StartKeyDrag(QAbstractButton* button)
{
    const int key = KeyButtonGroup->id(button);
    auto* mime = new QMimeData;
    mime->setData(KeyDragMimeType, PanelMark(this) + ';' + QByteArray::number(key));
    auto* drag = new QDrag(button);
    drag->setMimeData(mime);
    drag->setPixmap(button->grab());
    drag->setHotSpot(fDragStart);
    drag->exec(Qt::MoveAction);
    // The release ended the drag, not a click: the button is up again.
    button->setDown(false);
}
