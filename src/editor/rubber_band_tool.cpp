#include "editor/rubber_band_tool.h"

#include <QMouseEvent>

#include <cmath>

namespace vistrelle {

void RubberBandTool::press(const QMouseEvent& event, const CanvasFrame& frame,
                           const QList<QUuid>& selection) {
    frame_ = frame;
    pressPoint_ = event.position();
    band_ = QRectF();
    kept_ = event.modifiers() & Qt::ShiftModifier ? selection : QList<QUuid>{};
    selection_ = kept_;
    active_ = true;
    dragged_ = false;
}

bool RubberBandTool::move(const QMouseEvent& event, const QList<PlacedComponent>& stacked) {
    if (!active_)
        return false;
    const QPointF travel = event.position() - pressPoint_;
    if (!dragged_ && std::hypot(travel.x(), travel.y()) < threshold)
        return false;
    dragged_ = true;
    const Point from = frame_.canvasPointAt(pressPoint_);
    const Point here = frame_.canvasPointAt(event.position());
    band_ = QRectF(QPointF(from.x, from.y), QPointF(here.x, here.y)).normalized();
    selection_ = kept_;
    for (const PlacedComponent& c : stacked)
        if (QRectF(c.position.x, c.position.y, c.size.width, c.size.height).intersects(band_) &&
            !selection_.contains(c.id))
            selection_.append(c.id);
    return true;
}

QList<QUuid> RubberBandTool::release() {
    const QList<QUuid> chosen = dragged_ ? selection_ : kept_;
    cancel();
    return chosen;
}

void RubberBandTool::cancel() {
    active_ = false;
    dragged_ = false;
    band_ = QRectF();
}

} // namespace vistrelle
