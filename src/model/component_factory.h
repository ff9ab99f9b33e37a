#pragma once

#include "model/project_model.h"

#include <QUrl>

#include <functional>

namespace vistrelle {

// Turns a file the user dropped into the path form the project stores. The
// media layer provides the real one ("~/…" or absolute); without it the plain
// local path is stored.
using StoredPathMaker = std::function<QString(const QUrl&)>;

// The frame a newly created component of `type` gets.
Size defaultComponentSize(ComponentType type);

// A new component with a fresh id, its top-left corner at `point`, the default
// size and properties, width and height constraints fixed, zIndex 0. An image or
// a video shows `mediaPath` (a stored path) when one is given; other types ignore it.
PlacedComponent makeComponent(ComponentType type, Point point, const std::optional<QString>& mediaPath = {});

} // namespace vistrelle
