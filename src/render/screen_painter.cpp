#include "render/screen_painter.h"

#include "model/stacking_order.h"
#include "render/background_renderer.h"
#include "render/component_renderer.h"
#include "render/transition_painter.h"

#include <numeric>

namespace vistrelle {

void paintScreen(QPainter& painter, const KioskScreen& screen, QSizeF size, ImageSource& images,
                 ComponentOrder order, const std::optional<QUuid>& selectedComponent,
                 const BeforeComponent& beforeComponent) {
    painter.save();
    painter.setClipRect(QRectF(QPointF(0, 0), size), Qt::IntersectClip);
    paintBackground(painter, screen.background, size, images);
    QList<qsizetype> indices = stackingOrder(screen.components);
    if (order == ComponentOrder::listOrder)
        std::iota(indices.begin(), indices.end(), 0);
    for (qsizetype index : indices) {
        const PlacedComponent& component = screen.components[index];
        if (beforeComponent)
            beforeComponent(component);
        painter.save();
        painter.translate(component.position.x, component.position.y);
        ComponentRenderOptions options;
        options.isSelected = selectedComponent && *selectedComponent == component.id;
        paintComponent(painter, component, images, options);
        painter.restore();
    }
    painter.restore();
}

QImage renderScreenImage(const KioskScreen& screen, QSize size, ImageSource& images, ComponentOrder order) {
    QImage image;
    if (!renderScreenInto(image, screen, size, images, order))
        return {};
    return image;
}

bool renderScreenInto(QImage& canvas, const KioskScreen& screen, QSize size, ImageSource& images,
                      ComponentOrder order) {
    // Past 16384 pixels a side the picture could not be held or encoded anyway.
    if (size.width() <= 0 || size.height() <= 0 || size.width() > 16384 || size.height() > 16384)
        return false;
    // Screens are opaque: without an alpha channel the picture is cheaper to draw, convert and encode.
    if (canvas.size() != size || canvas.format() != QImage::Format_RGB32) {
        QImage fresh(size, QImage::Format_RGB32);
        if (fresh.isNull())
            return false;
        canvas = std::move(fresh);
    }
    // The white base matters only where the background lets it through; filling 8 MB for nothing shows in
    // exports.
    if (!backgroundIsOpaque(screen.background))
        canvas.fill(Qt::white);
    QPainter painter(&canvas);
    paintScreen(painter, screen, QSizeF(size), images, order);
    painter.end();
    return true;
}

void paintScreenTransition(QPainter& painter, const KioskScreen& from, const KioskScreen& to, double progress,
                           QSize size, ImageSource& images) {
    const QImage outgoing = renderScreenImage(from, size, images, ComponentOrder::byZIndex);
    const QImage incoming = renderScreenImage(to, size, images, ComponentOrder::byZIndex);
    if (outgoing.isNull() || incoming.isNull())
        return;
    paintTransitionFrame(painter, QSizeF(size), from.transition.effect, progress, outgoing, incoming);
}

} // namespace vistrelle
