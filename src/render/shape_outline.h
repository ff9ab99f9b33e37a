#pragma once

#include <QPainterPath>
#include <QRectF>

namespace vistrelle {

// The outline of a shape component in its frame: "rectangle", "square",
// "circle", "triangle", "diamond", and a star for "star" and any other word.
QPainterPath shapeOutline(const QString& shapeType, const QRectF& frame, qint64 points, double innerRadius);

// A star with `points` tips, the first pointing right (angle 0, y downward),
// outer radius half the smaller side, inner radius that times `innerRadius`.
// Empty for fewer than one point; more tips than a frame can show are capped.
QPainterPath starOutline(const QRectF& frame, qint64 points, double innerRadius);

} // namespace vistrelle
