#include "editing/z_order.h"

#include <QCoreApplication>

#include <algorithm>
#include <numeric>

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
    const QList<qsizetype> order = stackingOrder(components);
    const qsizetype place = placeInStack(components, order, componentId);
    PlacedComponent& selected = components[order[place]];

    const auto swapWith = [&](qsizetype neighbourPlace, qint64 stepWhenEqual) {
        PlacedComponent& neighbour = components[order[neighbourPlace]];
        if (neighbour.zIndex != selected.zIndex)
            std::swap(neighbour.zIndex, selected.zIndex);
        else
            selected.zIndex += stepWhenEqual;
    };
    const auto [lowest, highest] = std::minmax_element(
        components.cbegin(), components.cend(),
        [](const PlacedComponent& a, const PlacedComponent& b) { return a.zIndex < b.zIndex; });
    const qint64 lowestZ = lowest->zIndex;
    const qint64 highestZ = highest->zIndex;

    switch (operation) {
    case ZOrderOperation::bringForward:
        swapWith(place + 1, +1);
        break;
    case ZOrderOperation::sendBackward:
        swapWith(place - 1, -1);
        break;
    case ZOrderOperation::bringToFront:
        selected.zIndex = highestZ + 1;
        break;
    case ZOrderOperation::sendToBack:
        selected.zIndex = lowestZ - 1;
        break;
    }
    return true;
}

} // namespace vistrelle
