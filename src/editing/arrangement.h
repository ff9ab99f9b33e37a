#pragma once

#include "model/project_model.h"

#include <QList>
#include <QRectF>

namespace vistrelle {

// Lining up and spacing several components: pure functions over their frames (position and size, unturned).

enum class AlignEdge { left, horizontalCenter, right, top, verticalCenter, bottom };
enum class Axis { horizontal, vertical };

// The smallest rectangle holding every component's frame (empty for none).
QRectF boundsOf(const QList<PlacedComponent>& components);

// Each component moved so that its `edge` lies on that edge of `reference` (the selection's bounds, or the
// screen when one component is aligned).
QList<PlacedComponent> aligned(QList<PlacedComponent> components, AlignEdge edge, const QRectF& reference);

// The components spread along `axis` with equal gaps between neighbours: the first and the last (by their
// leading edge) stay, the others move. Fewer than three stay as they are.
QList<PlacedComponent> distributed(QList<PlacedComponent> components, Axis axis);

// Every component given the width (horizontal) or height (vertical) of `model`.
QList<PlacedComponent> matchedSize(QList<PlacedComponent> components, Axis axis, Size model);

// Every component moved by (dx, dy).
QList<PlacedComponent> moved(QList<PlacedComponent> components, double dx, double dy);

} // namespace vistrelle
