#include "editing/arrangement.h"

#include <algorithm>

namespace vistrelle {

namespace {

QRectF frameOf(const PlacedComponent& c) {
    return {c.position.x, c.position.y, c.size.width, c.size.height};
}

} // namespace

QRectF boundsOf(const QList<PlacedComponent>& components) {
    QRectF bounds;
    for (const PlacedComponent& c : components)
        bounds = bounds.isNull() ? frameOf(c) : bounds.united(frameOf(c));
    return bounds;
}

QList<PlacedComponent> aligned(QList<PlacedComponent> components, AlignEdge edge, const QRectF& reference) {
    for (PlacedComponent& c : components) {
        switch (edge) {
        case AlignEdge::left:
            c.position.x = reference.left();
            break;
        case AlignEdge::horizontalCenter:
            c.position.x = reference.center().x() - c.size.width / 2;
            break;
        case AlignEdge::right:
            c.position.x = reference.right() - c.size.width;
            break;
        case AlignEdge::top:
            c.position.y = reference.top();
            break;
        case AlignEdge::verticalCenter:
            c.position.y = reference.center().y() - c.size.height / 2;
            break;
        case AlignEdge::bottom:
            c.position.y = reference.bottom() - c.size.height;
            break;
        }
    }
    return components;
}

QList<PlacedComponent> distributed(QList<PlacedComponent> components, Axis axis) {
    if (components.size() < 3)
        return components;
    const bool horizontal = axis == Axis::horizontal;
    const auto start = [horizontal](const PlacedComponent& c) {
        return horizontal ? c.position.x : c.position.y;
    };
    const auto length = [horizontal](const PlacedComponent& c) {
        return horizontal ? c.size.width : c.size.height;
    };
    QList<qsizetype> order(components.size());
    for (qsizetype i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return start(components[a]) < start(components[b]); });
    const PlacedComponent& first = components[order.front()];
    const PlacedComponent& last = components[order.back()];
    double occupied = 0;
    for (const PlacedComponent& c : components)
        occupied += length(c);
    const double span = start(last) + length(last) - start(first);
    const double gap = (span - occupied) / double(components.size() - 1);
    double next = start(first) + length(first) + gap;
    for (qsizetype i = 1; i + 1 < order.size(); ++i) {
        PlacedComponent& c = components[order[i]];
        (horizontal ? c.position.x : c.position.y) = next;
        next += length(c) + gap;
    }
    return components;
}

QList<PlacedComponent> matchedSize(QList<PlacedComponent> components, Axis axis, Size model) {
    for (PlacedComponent& c : components)
        (axis == Axis::horizontal ? c.size.width : c.size.height) =
            axis == Axis::horizontal ? model.width : model.height;
    return components;
}

QList<PlacedComponent> moved(QList<PlacedComponent> components, double dx, double dy) {
    for (PlacedComponent& c : components)
        c.position = {c.position.x + dx, c.position.y + dy};
    return components;
}

} // namespace vistrelle
