#pragma once

#include "model/enumerations.h"

#include <QPainterPath>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

namespace vistrelle {

// What a transition effect does to one layer (the outgoing or the incoming
// screen) at one progress value: pure geometry, no timing.
struct TransitionLayer {
    enum class Mask { full, rectangle, pixelDissolve, star };
    enum class Hinge { none, leadingEdge, trailingEdge };

    double dx = 0; // points, positive rightward
    double dy = 0; // points, positive downward
    double scale = 1;
    double opacity = 1;
    double rotationDegrees = 0; // about the vertical axis (page turn only)
    Hinge hinge = Hinge::none;

    Mask mask = Mask::full;
    QRectF maskRect;         // Mask::rectangle: the visible bar
    double maskProgress = 0; // Mask::pixelDissolve
    double starScale = 1;    // Mask::star: scale of the star about the frame's centre

    // Where the layer's content ends up: rotation, offset, then scale about the centre.
    QTransform transform(QSizeF size) const;
    // The visible part of the frame, in frame coordinates (empty path for Mask::full).
    QPainterPath maskPath(QSizeF size) const;
};

// The layer of `effect` at `progress` (clamped to 0…1) for a frame of `size`.
TransitionLayer transitionLayer(TransitionEffect effect, double progress, bool exiting, QSizeF size);

// A closed star with `points` tips inscribed in `rect` (top tip first; inner
// radius half the outer one). Empty for fewer than one point.
QPainterPath starRevealPath(int points, const QRectF& rect);

// The cells of the pixel dissolve uncovered at `progress`, as one rectangle per
// row (the cells of a row are uncovered left to right, so they join).
QList<QRectF> pixelDissolveRows(QSizeF size, double progress);

} // namespace vistrelle
