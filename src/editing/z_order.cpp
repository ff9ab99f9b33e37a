#include "editing/z_order.h"

#include <QCoreApplication>

#include <limits>
#include <optional>
#include <utility>

namespace vistrelle {

QString zOrderActionName(ZOrderOperation operation) {
    switch (operation) {
    case ZOrderOperation::bringForward:
        return QCoreApplication::translate("Undo", "Bring Forward");
    case ZOrderOperation::sendBackward:
        return QCoreApplication::translate("Undo", "Send Backward");
    case ZOrderOperation::bringToFront:
        return QCoreApplication::translate("Undo", "Bring to Front");
    case ZOrderOperation::sendToBack:
        return QCoreApplication::translate("Undo", "Send to Back");
    }
    return {};
}

namespace {

// The selected component's place in the stacking order, or -1.
qsizetype placeInStack(const QList<PlacedComponent>& components, const QList<qsizetype>& order,
                       const QUuid& id) {
    for (qsizetype place = 0; place < order.size(); ++place)
        if (components[order[place]].id == id)
            return place;
    return -1;
}

// `z + step` (step ±1), or no value where that would leave the 64-bit range.
std::optional<qint64> stepped(qint64 z, qint64 step) {
    using limits = std::numeric_limits<qint64>;
    if ((step > 0 && z == limits::max()) || (step < 0 && z == limits::min()))
        return std::nullopt;
    return z + step;
}

// Gives the components zIndex 0, 1, 2, … in their present stacking order.
void renumberCompactly(QList<PlacedComponent>& components) {
    const QList<qsizetype> order = stackingOrder(components);
    for (qsizetype place = 0; place < order.size(); ++place)
        components[order[place]].zIndex = place;
}

// Performs a possible `operation`; false (and nothing changed) when a needed zIndex is out of range.
bool applyZOrder(QList<PlacedComponent>& components, const QUuid& componentId, ZOrderOperation operation) {
    const QList<qsizetype> order = stackingOrder(components);
    const qsizetype place = placeInStack(components, order, componentId);
    PlacedComponent& selected = components[order[place]];

    const auto swapWith = [&](qsizetype neighbourPlace, qint64 stepWhenEqual) {
        PlacedComponent& neighbour = components[order[neighbourPlace]];
        if (neighbour.zIndex != selected.zIndex) {
            std::swap(neighbour.zIndex, selected.zIndex);
            return true;
        }
        const std::optional<qint64> z = stepped(selected.zIndex, stepWhenEqual);
        if (z)
            selected.zIndex = *z;
        return z.has_value();
    };
    const auto moveTo = [&](std::optional<qint64> z) {
        if (z)
            selected.zIndex = *z;
        return z.has_value();
    };

    switch (operation) {
    case ZOrderOperation::bringForward:
        return swapWith(place + 1, +1);
    case ZOrderOperation::sendBackward:
        return swapWith(place - 1, -1);
    case ZOrderOperation::bringToFront:
        return moveTo(stepped(components[order.last()].zIndex, +1));
    case ZOrderOperation::sendToBack:
        return moveTo(stepped(components[order.first()].zIndex, -1));
    }
    return false;
}

} // namespace

bool canChangeZOrder(const QList<PlacedComponent>& components, const QUuid& componentId,
                     ZOrderOperation operation) {
    const QList<qsizetype> order = stackingOrder(components);
    const qsizetype place = placeInStack(components, order, componentId);
    if (place < 0)
        return false;
    switch (operation) {
    case ZOrderOperation::bringForward:
    case ZOrderOperation::bringToFront:
        return place < order.size() - 1;
    case ZOrderOperation::sendBackward:
    case ZOrderOperation::sendToBack:
        return place > 0;
    }
    return false;
}

bool changeZOrder(QList<PlacedComponent>& components, const QUuid& componentId, ZOrderOperation operation) {
    if (!canChangeZOrder(components, componentId, operation))
        return false;
    if (!applyZOrder(components, componentId, operation)) {
        // A document may hold the extreme 64-bit values; rather than wrap, close the gaps (order kept) and
        // step from there, where one more step always fits.
        renumberCompactly(components);
        applyZOrder(components, componentId, operation);
    }
    return true;
}

bool changeGroupZOrder(QList<PlacedComponent>& components, const QList<QUuid>& ids,
                       ZOrderOperation operation) {
    if (operation != ZOrderOperation::bringToFront && operation != ZOrderOperation::sendToBack)
        return false;
    const QList<qsizetype> order = stackingOrder(components);
    QList<qsizetype> chosen;
    QList<qsizetype> rest;
    for (const qsizetype index : order)
        (ids.contains(components[index].id) ? chosen : rest).append(index);
    const QList<qsizetype> reordered =
        operation == ZOrderOperation::bringToFront ? rest + chosen : chosen + rest;
    if (chosen.isEmpty() || reordered == order)
        return false;
    for (qsizetype place = 0; place < reordered.size(); ++place)
        components[reordered[place]].zIndex = place;
    return true;
}

} // namespace vistrelle
