#pragma once

#include "editor/canvas_frame.h"
#include "editor/smart_guides.h"

#include <QList>
#include <QPointF>

#include <optional>

class QMouseEvent;

namespace vistrelle {

// Dragging the selection. A press on a selected component arms it; once the pointer has travelled
// `threshold` window pixels, every selected component follows the pointer (divided by the zoom, so they stay
// under it at every zoom), their bounds snapped to the smart guides of the components that stay, and the
// grabbed one to the grid along an axis no guide took. Alt moves freely.
class MoveTool {
public:
    static constexpr double threshold = 10;
    // How close, in window pixels, an edge or centre must come to a guide to snap to it.
    static constexpr double guideSnapPixels = 6;

    // A press on `grabbed` with `group` selected (as they are now); `others` are the screen's other
    // components, which the guides come from.
    void press(const QMouseEvent& event, const CanvasFrame& frame, const PlacedComponent& grabbed,
               const QList<PlacedComponent>& group, const QList<PlacedComponent>& screenComponents);
    // How far the group has moved from where it was pressed (canvas units), once the move has begun.
    std::optional<QPointF> move(const QMouseEvent& event);
    // Whether a move took place; the tool is idle again.
    bool release();
    void cancel();

    bool isPressed() const { return pressed_; }
    bool isMoving() const { return moving_; }
    const PlacedComponent& grabbed() const { return grabbed_; }
    // Every moved component as it was when the gesture began.
    const QList<PlacedComponent>& group() const { return group_; }
    const GuideSnap& snap() const { return snap_; }

private:
    CanvasFrame frame_;
    QPointF pressPoint_;
    PlacedComponent grabbed_;
    QList<PlacedComponent> group_;
    QList<QRectF> others_;
    SmartGuides guides_;
    GuideSnap snap_;
    bool pressed_ = false;
    bool moving_ = false;
};

} // namespace vistrelle
