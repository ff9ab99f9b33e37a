#pragma once

#include "model/project_model.h"

#include <QPointF>
#include <QSizeF>

#include <optional>

namespace vistrelle {

// The canvas as a gesture tool sees it when the gesture begins: where the screen lies in widget pixels and
// at what zoom, how large it is, and the project's snapping settings.
struct CanvasFrame {
    double zoom = 1.0;
    QPointF origin;                 // the widget point of the screen's top-left corner
    QSizeF units;                   // the screen's size in canvas units
    std::optional<Size> screenSize; // what a resize may not exceed (none without a screen)
    ProjectSettings settings;

    Point canvasPointAt(QPointF widgetPoint) const {
        return {(widgetPoint.x() - origin.x()) / zoom, (widgetPoint.y() - origin.y()) / zoom};
    }
};

} // namespace vistrelle
