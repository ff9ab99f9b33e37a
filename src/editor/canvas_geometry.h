#pragma once

#include "model/enumerations.h"
#include "model/project_model.h"

#include <QString>

#include <optional>

namespace vistrelle {

// The grid size snapping and the dot grid use: at least 1 unit (a grid of 0
// would divide by zero and draw endless dots), a non-number counts as 20.
double usableGridSize(double gridSize);

// round(value / grid) × grid with halves rounded away from zero.
double snappedToGrid(double value, double gridSize);
Point snappedToGrid(Point point, double gridSize);

// Smallest size a resize may leave, in canvas units.
inline constexpr double minimumComponentSide = 10;

// The outline size while the bottom-right handle is dragged by `translation`
// from `initial`: at least 10 × 10, at most the screen (when one is given).
Size resizePreviewSize(Size initial, double translationX, double translationY,
                       std::optional<Size> screenSize);

// The size written when the resize ends: the preview size, snapped (never
// below 10) when `snap` is on, then limited to the screen again.
Size resizeFinalSize(Size preview, bool snap, double gridSize, std::optional<Size> screenSize);

// Where a component of `type` dropped at `dropPoint` gets its top-left corner:
// centred on the drop point at its default size, snapped when `snap` is on.
Point dropCorner(ComponentType type, Point dropPoint, bool snap, double gridSize);

// The component a dropped file becomes, from its extension (any case):
// pictures and unknown files make images, movie files make videos.
ComponentType componentTypeForDroppedFile(const QString& fileName);

// The component type a dropped text names exactly ("Text Area", …), if any.
std::optional<ComponentType> componentTypeForDroppedText(const QString& text);

} // namespace vistrelle
