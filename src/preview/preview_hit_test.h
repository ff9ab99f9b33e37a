#pragma once

#include "model/project_model.h"

#include <QPointF>

namespace vistrelle {

// The topmost component of `screen` under `point` (screen units), turned
// components hit where they are drawn; null over the bare background.
const PlacedComponent* componentAt(const KioskScreen& screen, QPointF point);

// `point` (screen units) in the component's own unturned frame (0, 0, size).
QPointF pointInComponent(const PlacedComponent& component, QPointF point);

// Whether `point` (screen units) is on the play button of a video that waits for a click.
bool onPlayButton(const PlacedComponent& video, QPointF point);

} // namespace vistrelle
