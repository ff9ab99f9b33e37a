#pragma once

#include <QLineF>
#include <QList>
#include <QRectF>

#include <optional>
#include <vector>

namespace vistrelle {

// A guide shown while something snaps to it: a line across the aligned edges or centres.
struct GuideLine {
    QLineF line; // canvas units
};

// What a snap found: the offset to add to the dragged frame (or its moving edges), and what to show.
struct GuideSnap {
    QPointF offset;
    QList<GuideLine> lines;
    QList<QLineF> spacing; // equal gaps beside the moving frame, each drawn as a measured line
    bool snappedX = false;
    bool snappedY = false;
};

// Smart guides for one gesture: the edges and centres of the components that stay and of the screen,
// collected once when the gesture starts and looked up by binary search at every pointer event.
class SmartGuides {
public:
    SmartGuides() = default;
    SmartGuides(const QList<QRectF>& others, QSizeF screen);

    // Where `moving` (already where the pointer put it) snaps: its left, centre and right to the nearest
    // edge or centre within `threshold` (and the same vertically); along an axis with nothing to snap to, to
    // equal gaps between its neighbours on either side.
    GuideSnap snapMove(const QRectF& moving, double threshold) const;
    // A resize moves the right and bottom edges only; they snap to edges and centres.
    GuideSnap snapResize(const QRectF& resized, double threshold) const;

private:
    struct Candidate {
        double at;
        qsizetype owner; // index into others_, or -1 for the screen
    };
    // The candidate nearest any of `anchors` within `threshold`: the offset to it.
    static std::optional<double> nearestOffset(const std::vector<Candidate>& sorted,
                                               std::initializer_list<double> anchors, double threshold);
    QList<GuideLine> linesAt(const std::vector<Candidate>& sorted, bool vertical, const QRectF& frame,
                             std::initializer_list<double> anchors) const;
    std::optional<double> equalGapOffset(const QRectF& moving, bool horizontal, double threshold,
                                         QList<QLineF>& spacing) const;

    std::vector<Candidate> xs_;
    std::vector<Candidate> ys_;
    QList<QRectF> others_;
    QSizeF screen_;
};

} // namespace vistrelle
