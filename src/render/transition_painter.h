#pragma once

#include "render/transition_geometry.h"

#include <QImage>
#include <QPainter>

namespace vistrelle {

// Draws `content` (a frame-sized picture of one screen) as the transition
// layer `layer` into the frame (0, 0, size) of `painter`.
void paintTransitionLayer(QPainter& painter, const QImage& content, const TransitionLayer& layer,
                          QSizeF size);

// One frame of the change from `from` to `to` with `effect` at `progress`:
// black, then the outgoing layer, then the incoming layer above it.
void paintTransitionFrame(QPainter& painter, QSizeF size, TransitionEffect effect, double progress,
                          const QImage& from, const QImage& to);

} // namespace vistrelle
