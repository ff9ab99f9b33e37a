#include "editor/resize_tool.h"

#include "editor/canvas_geometry.h"
#include "editor/move_tool.h"

#include <QMouseEvent>

#include <cmath>

namespace vistrelle {

void ResizeTool::press(const QMouseEvent& event, const CanvasFrame& frame, const PlacedComponent& component,
                       const QList<PlacedComponent>& screenComponents) {
    cancel();
    frame_ = frame;
    pressPoint_ = event.position();
    component_ = component;
    outline_ = component.size;
    others_.clear();
    for (const PlacedComponent& c : screenComponents)
        if (c.id != component.id)
            others_.append(QRectF(c.position.x, c.position.y, c.size.width, c.size.height));
    pressed_ = true;
}

bool ResizeTool::move(const QMouseEvent& event) {
    if (!pressed_)
        return false;
    const QPointF travel = event.position() - pressPoint_;
    if (!resizing_) {
        if (std::hypot(travel.x(), travel.y()) / frame_.zoom < threshold)
            return false;
        resizing_ = true;
        guides_ = SmartGuides(others_, frame_.units);
    }
    outline_ = resizePreviewSize(component_.size, travel.x() / frame_.zoom, travel.y() / frame_.zoom,
                                 frame_.screenSize);
    snap_ = {};
    const bool free = event.modifiers() & Qt::AltModifier;
    if (!free && frame_.settings.showGuides) {
        const QRectF resized(component_.position.x, component_.position.y, outline_.width, outline_.height);
        snap_ = guides_.snapResize(resized, MoveTool::guideSnapPixels / frame_.zoom);
        outline_ = resizePreviewSize(outline_, snap_.offset.x(), snap_.offset.y(), frame_.screenSize);
    }
    snapsToGrid_ = !free && frame_.settings.snapToGrid && !snap_.snappedX && !snap_.snappedY;
    return true;
}

std::optional<Size> ResizeTool::release() {
    std::optional<Size> size;
    if (resizing_)
        size = resizeFinalSize(outline_, snapsToGrid_, double(frame_.settings.gridSize), frame_.screenSize);
    cancel();
    return size;
}

void ResizeTool::cancel() {
    pressed_ = false;
    resizing_ = false;
    snap_ = {};
}

} // namespace vistrelle
