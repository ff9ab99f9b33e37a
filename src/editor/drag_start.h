#pragma once

#include <QPoint>

#include <functional>

class QMimeData;
class QMouseEvent;
class QWidget;

namespace vistrelle {

// Starts a drag of `makeData()` from `source`, shown as a picture of it, once the
// pointer pressed at `pressPoint` has moved the platform's drag distance with
// the left button held. True when the drag ran.
bool startDragWhenMoved(QWidget& source, const QMouseEvent& move, QPoint pressPoint,
                        const std::function<QMimeData*()>& makeData, Qt::DropAction action);

} // namespace vistrelle
