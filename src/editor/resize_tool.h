#pragma once

#include "editor/canvas_frame.h"
#include "editor/smart_guides.h"

#include <QList>
#include <QPointF>

#include <optional>

class QMouseEvent;

namespace vistrelle {

// Resizing one component by its bottom-right handle. Once the pointer has travelled `threshold` canvas
// units, an outline follows it (at least 10 × 10, at most the screen), its moving edges snapped to the smart
// guides; the size is written only when the handle is let go, then snapped to the grid unless a guide took
// it or Alt is held.
class ResizeTool {
public:
    static constexpr double threshold = 10;

    void press(const QMouseEvent& event, const CanvasFrame& frame, const PlacedComponent& component,
               const QList<PlacedComponent>& screenComponents);
    // Whether the outline is shown (and may have changed).
    bool move(const QMouseEvent& event);
    // The size to write, when the resize began; the tool is idle again.
    std::optional<Size> release();
    void cancel();

    bool isPressed() const { return pressed_; }
    bool isResizing() const { return resizing_; }
    const PlacedComponent& component() const { return component_; }
    Size outline() const { return outline_; }
    const GuideSnap& snap() const { return snap_; }

private:
    CanvasFrame frame_;
    QPointF pressPoint_;
    PlacedComponent component_;
    QList<QRectF> others_;
    SmartGuides guides_;
    GuideSnap snap_;
    Size outline_;
    bool snapsToGrid_ = false;
    bool pressed_ = false;
    bool resizing_ = false;
};

} // namespace vistrelle
