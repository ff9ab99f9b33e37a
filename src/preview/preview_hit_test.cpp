#include "preview/preview_hit_test.h"

#include "model/component_properties.h"
#include "model/property_schema.h"
#include "model/stacking_order.h"
#include "render/component_renderer.h"

#include <QTransform>

#include <cmath>

namespace vistrelle {

QPointF pointInComponent(const PlacedComponent& component, QPointF point) {
    const QPointF centre(component.size.width / 2, component.size.height / 2);
    const double rotation = numberPropertyOf(component, PropertyKey::rotation);
    QTransform placed;
    placed.translate(component.position.x, component.position.y);
    placed.translate(centre.x(), centre.y());
    placed.rotate(std::isfinite(rotation) ? std::fmod(rotation, 360.0) : 0.0);
    placed.translate(-centre.x(), -centre.y());
    return placed.inverted().map(point);
}

const PlacedComponent* componentAt(const KioskScreen& screen, QPointF point) {
    const QList<qsizetype> order = stackingOrder(screen.components);
    for (auto it = order.crbegin(); it != order.crend(); ++it) {
        const PlacedComponent& component = screen.components[*it];
        const QRectF frame(0, 0, component.size.width, component.size.height);
        if (frame.contains(pointInComponent(component, point)))
            return &component;
    }
    return nullptr;
}

bool onPlayButton(const PlacedComponent& video, QPointF point) {
    const QRectF button = videoPlayButtonRect(QRectF(0, 0, video.size.width, video.size.height));
    const QPointF fromCentre = pointInComponent(video, point) - button.center();
    return std::hypot(fromCentre.x(), fromCentre.y()) <= button.width() / 2;
}

} // namespace vistrelle
