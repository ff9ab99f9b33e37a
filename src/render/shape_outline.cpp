#include "render/shape_outline.h"

#include <algorithm>
#include <cmath>

namespace vistrelle {

QPainterPath starOutline(const QRectF& frame, qint64 points, double innerRadius) {
    QPainterPath path;
    if (points < 1 || !std::isfinite(innerRadius))
        return path;
    // Past a few thousand tips the outline is a ring to the eye; drawing more only costs.
    const qint64 tips = std::min<qint64>(points, 4096);
    const QPointF centre = frame.center();
    const double outer = std::min(frame.width(), frame.height()) / 2;
    const double inner = outer * innerRadius;
    for (qint64 i = 0; i < 2 * tips; ++i) {
        const double angle = double(i) * M_PI / double(tips);
        const double radius = i % 2 == 0 ? outer : inner;
        const QPointF vertex(centre.x() + std::cos(angle) * radius, centre.y() + std::sin(angle) * radius);
        if (i == 0)
            path.moveTo(vertex);
        else
            path.lineTo(vertex);
    }
    path.closeSubpath();
    return path;
}

QPainterPath shapeOutline(const QString& shapeType, const QRectF& frame, qint64 points, double innerRadius) {
    QPainterPath path;
    if (shapeType == QLatin1StringView("rectangle") || shapeType == QLatin1StringView("square")) {
        path.addRect(frame);
    } else if (shapeType == QLatin1StringView("circle")) {
        const double diameter = std::min(frame.width(), frame.height());
        path.addEllipse(
            QRectF(frame.center().x() - diameter / 2, frame.center().y() - diameter / 2, diameter, diameter));
    } else if (shapeType == QLatin1StringView("triangle")) {
        path.moveTo(frame.center().x(), frame.top());
        path.lineTo(frame.left(), frame.bottom());
        path.lineTo(frame.right(), frame.bottom());
        path.closeSubpath();
    } else if (shapeType == QLatin1StringView("diamond")) {
        path.moveTo(frame.center().x(), frame.top());
        path.lineTo(frame.right(), frame.center().y());
        path.lineTo(frame.center().x(), frame.bottom());
        path.lineTo(frame.left(), frame.center().y());
        path.closeSubpath();
    } else {
        path = starOutline(frame, points, innerRadius);
    }
    return path;
}

} // namespace vistrelle
