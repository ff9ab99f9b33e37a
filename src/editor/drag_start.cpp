#include "editor/drag_start.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QWidget>

namespace vistrelle {

bool startDragWhenMoved(QWidget& source, const QMouseEvent& move, QPoint pressPoint,
                        const std::function<QMimeData*()>& makeData, Qt::DropAction action) {
    if (!(move.buttons() & Qt::LeftButton) ||
        (move.position().toPoint() - pressPoint).manhattanLength() < QApplication::startDragDistance())
        return false;
    auto* drag = new QDrag(&source);
    drag->setMimeData(makeData());
    drag->setPixmap(source.grab());
    drag->setHotSpot(pressPoint);
    drag->exec(action);
    return true;
}

} // namespace vistrelle
