#include "render/transition_geometry.h"

#include <algorithm>
#include <cmath>

namespace vistrelle {

namespace {

constexpr double degreesToRadians = 0.017453292519943295;
constexpr double pageTurnPerspective = 0.65;

struct DissolveGrid {
    int columns;
    int rows;
    double cellWidth;
    double cellHeight;
};

DissolveGrid dissolveGrid(QSizeF size) {
    const int columns = std::clamp(int(std::max(0.0, size.width() / 36)), 16, 48);
    const int rows = std::clamp(int(std::max(0.0, size.height() / 36)), 12, 36);
    return {columns, rows, size.width() / columns, size.height() / rows};
}

} // namespace

TransitionLayer transitionLayer(TransitionEffect effect, double progress, bool exiting, QSizeF size) {
    const double p = std::isnan(progress) ? 0.0 : std::clamp(progress, 0.0, 1.0);
    const double w = size.width();
    const double h = size.height();
    TransitionLayer layer;
    switch (effect) {
    case TransitionEffect::none:
        break;
    case TransitionEffect::moveRight:
        layer.dx = exiting ? p * w : (p - 1) * w;
        break;
    case TransitionEffect::moveLeft:
        layer.dx = exiting ? -p * w : (1 - p) * w;
        break;
    case TransitionEffect::moveUp:
        layer.dy = exiting ? -p * h : (1 - p) * h;
        break;
    case TransitionEffect::moveDown:
        layer.dy = exiting ? p * h : (p - 1) * h;
        break;
    case TransitionEffect::fade:
        layer.opacity = exiting ? 1 : p;
        break;
    case TransitionEffect::zoomIn:
        layer.scale = exiting ? 1 + 0.08 * p : 0.8 + 0.2 * p;
        layer.opacity = exiting ? 1 - 0.85 * p : 0.35 + 0.65 * p;
        break;
    case TransitionEffect::zoomOut:
        layer.scale = exiting ? 1 - 0.08 * p : 1.2 - 0.2 * p;
        layer.opacity = exiting ? 1 - 0.85 * p : 0.35 + 0.65 * p;
        break;
    case TransitionEffect::crossFade:
        layer.opacity = exiting ? 1 - p : p;
        break;
    case TransitionEffect::wipeRight: {
        layer.mask = TransitionLayer::Mask::rectangle;
        const double bar = std::max((exiting ? 1 - p : p) * w, 0.0);
        layer.maskRect = exiting ? QRectF(w - bar, 0, bar, h) : QRectF(0, 0, bar, h);
        break;
    }
    case TransitionEffect::wipeUp: {
        layer.mask = TransitionLayer::Mask::rectangle;
        const double bar = std::max((exiting ? 1 - p : p) * h, 0.0);
        layer.maskRect = exiting ? QRectF(0, 0, w, bar) : QRectF(0, h - bar, w, bar);
        break;
    }
    case TransitionEffect::pixelDissolve:
        if (!exiting) {
            layer.mask = TransitionLayer::Mask::pixelDissolve;
            layer.maskProgress = p;
        }
        break;
    case TransitionEffect::starReveal:
        if (!exiting) {
            layer.mask = TransitionLayer::Mask::star;
            layer.starScale = (std::hypot(w, h) / std::max(std::min(w, h), 1.0) * 1.12 - 0.05) * p + 0.05;
        }
        break;
    case TransitionEffect::pageTurn:
        if (exiting) {
            layer.rotationDegrees = -90 * p;
            layer.hinge = TransitionLayer::Hinge::leadingEdge;
            layer.opacity = 1 - 0.35 * p;
        } else {
            layer.rotationDegrees = (1 - p) * 90;
            layer.hinge = TransitionLayer::Hinge::trailingEdge;
        }
        break;
    }
    return layer;
}

QTransform TransitionLayer::transform(QSizeF size) const {
    const double w = size.width();
    const double h = size.height();
    QTransform result;
    if (hinge != Hinge::none && rotationDegrees != 0) {
        // A perspective turn about the vertical axis through the hinge: points
        // swing away from the viewer, nearer points look larger.
        const double angle = rotationDegrees * degreesToRadians;
        const double distance = std::max({w, h, 1.0}) / pageTurnPerspective;
        const double hingeX = hinge == Hinge::leadingEdge ? 0 : w;
        const QTransform turn(std::cos(angle), 0, -std::sin(angle) / distance, 0, 1, 0, 0, 0, 1);
        result = QTransform::fromTranslate(-hingeX, -h / 2) * turn * QTransform::fromTranslate(hingeX, h / 2);
    }
    result *= QTransform::fromTranslate(dx, dy);
    if (scale != 1)
        result *= QTransform::fromTranslate(-w / 2, -h / 2) * QTransform::fromScale(scale, scale) *
                  QTransform::fromTranslate(w / 2, h / 2);
    return result;
}

QPainterPath TransitionLayer::maskPath(QSizeF size) const {
    QPainterPath path;
    switch (mask) {
    case Mask::full:
        break;
    case Mask::rectangle:
        path.addRect(maskRect);
        break;
    case Mask::pixelDissolve:
        // The rows overlap by a point: with the even-odd rule the overlaps would be holes.
        path.setFillRule(Qt::WindingFill);
        for (const QRectF& row : pixelDissolveRows(size, maskProgress))
            path.addRect(row);
        break;
    case Mask::star: {
        const QRectF frame(QPointF(0, 0), size);
        const QTransform scaled = QTransform::fromTranslate(-frame.center().x(), -frame.center().y()) *
                                  QTransform::fromScale(starScale, starScale) *
                                  QTransform::fromTranslate(frame.center().x(), frame.center().y());
        path = scaled.map(starRevealPath(5, frame));
        break;
    }
    }
    return path;
}

QPainterPath starRevealPath(int points, const QRectF& rect) {
    QPainterPath path;
    if (points < 1)
        return path;
    // Beyond a few thousand tips the outline is a circle to the eye; keep it bounded.
    const int tips = std::min(points, 4096);
    const QPointF centre = rect.center();
    const double outer = std::min(rect.width(), rect.height()) / 2;
    const double inner = outer / 2;
    const double step = M_PI / tips;
    path.moveTo(centre.x(), centre.y() - outer);
    for (int i = 1; i < 2 * tips; ++i) {
        const double angle = -M_PI / 2 + i * step;
        const double radius = i % 2 ? inner : outer;
        path.lineTo(centre.x() + std::cos(angle) * radius, centre.y() + std::sin(angle) * radius);
    }
    path.closeSubpath();
    return path;
}

QList<QRectF> pixelDissolveRows(QSizeF size, double progress) {
    const double p = std::isnan(progress) ? 0.0 : std::clamp(progress, 0.0, 1.0);
    const DissolveGrid grid = dissolveGrid(size);
    const int diagonals = grid.columns + grid.rows - 1;
    QList<QRectF> rows;
    for (int r = 0; r < grid.rows; ++r) {
        // Cells with (r + c + 1) / diagonals ≤ p: c up to the last one that qualifies.
        int lastColumn = -1;
        for (int c = 0; c < grid.columns; ++c)
            if (double(r + c + 1) / diagonals <= p)
                lastColumn = c;
        if (lastColumn < 0)
            continue;
        // Each cell is drawn one point larger than itself, so neighbours overlap without seams.
        rows.append(QRectF(0, r * grid.cellHeight, lastColumn * grid.cellWidth + grid.cellWidth + 1,
                           grid.cellHeight + 1));
    }
    return rows;
}

} // namespace vistrelle
