#pragma once

#include "model/project_model.h"
#include "render/live_picture.h"

#include <QDateTime>
#include <QPainter>

namespace vistrelle {

class ImageSource;

struct ComponentRenderOptions {
    bool isSelected = false;
    // The preview draws videos and web pages as they play (from `live`), the
    // editor and the slides as placeholders.
    bool isPreviewMode = false;
    const LivePictures* live = nullptr;
    // The moment clocks, countdowns and tickers are drawn at; invalid: renderMoment().
    QDateTime moment;
};

// Draws one component in its own frame (0, 0, size): the type's drawing from
// its properties, turned by "rotation" degrees about the centre and faded by
// "opacity"; when selected, a blue outline over it, neither turned nor faded.
// The caller places the frame (translate to the component's position).
void paintComponent(QPainter& painter, const PlacedComponent& component, ImageSource& images,
                    ComponentRenderOptions options = {});

// Where in the component's own frame (0, 0, size) paintComponent may put
// pixels: the frame, turned with the component, widened by strokes and by
// what may stand out of it (a text longer than its frame, an icon larger than
// it, a placeholder's caption). A caller that draws part of a screen may skip
// components whose bounds miss that part.
QRectF paintedBounds(const PlacedComponent& component);

// Where a video that waits for a click draws its play button in its frame.
QRectF videoPlayButtonRect(const QRectF& frame);

namespace component_painters {
// The per-type drawings, in the component's unrotated frame.
void paintText(QPainter& painter, const PlacedComponent& component, const QRectF& frame);
void paintTextArea(QPainter& painter, const PlacedComponent& component, const QRectF& frame);
void paintImage(QPainter& painter, const PlacedComponent& component, const QRectF& frame,
                ImageSource& images);
void paintVideo(QPainter& painter, const PlacedComponent& component, const QRectF& frame,
                const ComponentRenderOptions& options);
void paintWebView(QPainter& painter, const PlacedComponent& component, const QRectF& frame,
                  const ComponentRenderOptions& options);
void paintShape(QPainter& painter, const PlacedComponent& component, const QRectF& frame);
void paintIcon(QPainter& painter, const PlacedComponent& component, const QRectF& frame);
} // namespace component_painters

} // namespace vistrelle
