#include "editor/move_tool.h"

#include "editor/canvas_geometry.h"

#include <QMouseEvent>

#include <cmath>

namespace vistrelle {

void MoveTool::press(const QMouseEvent& event, const CanvasFrame& frame, const PlacedComponent& grabbed,
                     const QList<PlacedComponent>& group, const QList<PlacedComponent>& screenComponents) {
    cancel();
    frame_ = frame;
    pressPoint_ = event.position();
    grabbed_ = grabbed;
    group_ = group;
    others_.clear();
    for (const PlacedComponent& c : screenComponents) {
        bool moving = false;
        for (const PlacedComponent& m : group_)
            moving = moving || m.id == c.id;
        if (!moving)
            others_.append(QRectF(c.position.x, c.position.y, c.size.width, c.size.height));
    }
    pressed_ = true;
}

std::optional<QPointF> MoveTool::move(const QMouseEvent& event) {
    if (!pressed_)
        return std::nullopt;
    const QPointF travel = event.position() - pressPoint_;
    if (!moving_) {
        if (std::hypot(travel.x(), travel.y()) < threshold)
            return std::nullopt;
        moving_ = true;
        guides_ = SmartGuides(others_, frame_.units); // collected once per gesture
    }
    double dx = travel.x() / frame_.zoom;
    double dy = travel.y() / frame_.zoom;
    snap_ = {};
    const bool free = event.modifiers() & Qt::AltModifier;
    if (!free && frame_.settings.showGuides) {
        QRectF bounds;
        for (const PlacedComponent& c : group_)
            bounds |= QRectF(c.position.x, c.position.y, c.size.width, c.size.height);
        snap_ = guides_.snapMove(bounds.translated(dx, dy), guideSnapPixels / frame_.zoom);
        dx += snap_.offset.x();
        dy += snap_.offset.y();
    }
    if (!free && frame_.settings.snapToGrid) {
        const Point moved{grabbed_.position.x + dx, grabbed_.position.y + dy};
        const Point snapped = snappedToGrid(moved, double(frame_.settings.gridSize));
        if (!snap_.snappedX)
            dx += snapped.x - moved.x;
        if (!snap_.snappedY)
            dy += snapped.y - moved.y;
    }
    return QPointF(dx, dy);
}

bool MoveTool::release() {
    const bool moved = moving_;
    cancel();
    return moved;
}

void MoveTool::cancel() {
    pressed_ = false;
    moving_ = false;
    snap_ = {};
}

} // namespace vistrelle
