#pragma once

#include "model/project_model.h"

#include <QUrl>

#include <functional>

namespace vistrelle {

// Turns a file the user dropped into the path form the project stores. The
// media layer provides the real one (bookmarks); without it the plain local
// path is stored.
using StoredPathMaker = std::function<QString(const QUrl&)>;

// The frame a newly created component of `type` gets.
Size defaultComponentSize(ComponentType type);

// A new component with a fresh id, its top-left corner at `point`, the default
// size and properties, width and height constraints fixed, zIndex 0. An image
// or video takes the file dropped for its type out of FileDropManager (the entry
// goes whether or not it is used) and stores its path through `storedPath`.
PlacedComponent makeComponent(ComponentType type, Point point, const StoredPathMaker& storedPath = {});

} // namespace vistrelle
