#pragma once

#include "model/project_model.h"
#include "render/component_renderer.h"

#include <QImage>
#include <QList>

#include <functional>

namespace vistrelle {

class ImageSource;

// A screen, or some of its parts, to be drawn into a picture.
struct StripDrawing {
    const KioskScreen* screen = nullptr;
    QSizeF units;    // the area drawn, in screen units from (0, 0)
    qreal scale = 1; // pixels per unit
    bool background = true;
    QList<const PlacedComponent*> components; // in drawing order
    ComponentRenderOptions options;
    // Called at the end of each strip, with the band of units it covers.
    std::function<void(QPainter&, const QRectF& band)> afterStrip;
};

// Draws `drawing` into the rows of `picture` that `pixels` covers (all of it
// when empty), clipped to `pixels`, in strips of a few rows on every core
// (one after another when called on a thread of the global pool).
// Where the background lets light through, the strip is white first. The
// pictures the parts need are looked up in `images` first, on the calling
// thread, so `images` need not be thread-safe.
void paintInStrips(QImage& picture, const StripDrawing& drawing, ImageSource& images, QRect pixels = {});

} // namespace vistrelle
