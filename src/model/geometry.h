#pragma once

#include <QPointF>
#include <QSizeF>

namespace vistrelle {

// Canvas units (one pixel of the screen's resolution). Plain doubles compared
// exactly: QPointF and QSizeF compare fuzzily, which a value model must not.
struct Point {
    double x = 0;
    double y = 0;

    QPointF toQPointF() const { return {x, y}; }
    bool operator==(const Point&) const = default;
};

struct Size {
    double width = 0;
    double height = 0;

    QSizeF toQSizeF() const { return {width, height}; }
    bool operator==(const Size&) const = default;
};

} // namespace vistrelle
