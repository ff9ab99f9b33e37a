#pragma once

#include "editor/canvas_frame.h"

#include <QList>
#include <QRectF>
#include <QUuid>

class QMouseEvent;

namespace vistrelle {

// Selecting with a rubber band, from a press on empty canvas. What the band touches is selected, in
// stacking order (the topmost ends up the one "clicked last"); with Shift held when it began, the selection
// it began with stays. A click without a drag selects what was kept: nothing, without Shift.
class RubberBandTool {
public:
    // Pointer travel, in window pixels, before the band shows.
    static constexpr double threshold = 3;

    void press(const QMouseEvent& event, const CanvasFrame& frame, const QList<QUuid>& selection);
    // Whether the band changed; `stacked` are the screen's components in stacking order.
    bool move(const QMouseEvent& event, const QList<PlacedComponent>& stacked);
    // The new selection; the tool is idle again.
    QList<QUuid> release();
    void cancel();

    bool isActive() const { return active_; }
    // Canvas units; empty until the pointer has travelled.
    const QRectF& band() const { return band_; }
    // What the band selects so far.
    const QList<QUuid>& selection() const { return selection_; }

private:
    CanvasFrame frame_;
    QPointF pressPoint_;
    QRectF band_;
    QList<QUuid> kept_;
    QList<QUuid> selection_;
    bool active_ = false;
    bool dragged_ = false;
};

} // namespace vistrelle
