#include "render/transition_painter.h"

#include "render/perspective_resampler.h"

namespace vistrelle {

void paintTransitionLayer(QPainter& painter, const QImage& content, const TransitionLayer& layer,
                          QSizeF size) {
    if (layer.opacity <= 0)
        return;
    painter.save();
    painter.setClipRect(QRectF(QPointF(0, 0), size), Qt::IntersectClip);
    if (layer.mask != TransitionLayer::Mask::full) {
        const QPainterPath visible = layer.maskPath(size);
        if (visible.isEmpty()) {
            painter.restore();
            return;
        }
        painter.setClipPath(visible, Qt::IntersectClip);
    }
    painter.setOpacity(painter.opacity() * layer.opacity);
    const QTransform transform = layer.transform(size);
    if (!transform.isAffine() && keepsVerticalLinesVertical(transform) && !content.isNull()) {
        // The painter's own perspective drawing is several times slower than a frame allows.
        const QTransform toPixels =
            QTransform::fromScale(content.width() / size.width(), content.height() / size.height());
        const ResampledPicture turned =
            resampleColumnwise(content, toPixels.inverted() * transform * toPixels, content.size());
        if (!turned.image.isNull()) {
            const QRectF placed(QPointF(turned.topLeft), QSizeF(turned.image.size()));
            painter.drawImage(toPixels.inverted().mapRect(placed), turned.image);
        }
        painter.restore();
        return;
    }
    if (!transform.isIdentity()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.setTransform(transform, true);
    }
    painter.drawImage(QRectF(QPointF(0, 0), size), content);
    painter.restore();
}

void paintTransitionFrame(QPainter& painter, QSizeF size, TransitionEffect effect, double progress,
                          const QImage& from, const QImage& to) {
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::black);
    paintTransitionLayer(painter, from, transitionLayer(effect, progress, true, size), size);
    paintTransitionLayer(painter, to, transitionLayer(effect, progress, false, size), size);
}

} // namespace vistrelle
