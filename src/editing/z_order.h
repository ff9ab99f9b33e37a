#pragma once

#include "model/project_model.h"
#include "model/stacking_order.h"

namespace vistrelle {

enum class ZOrderOperation { bringForward, sendBackward, bringToFront, sendToBack };

// The undo action name of a stacking change ("Bring Forward", …).
QString zOrderActionName(ZOrderOperation operation);

bool canChangeZOrder(const QList<PlacedComponent>& components, const QUuid& componentId,
                     ZOrderOperation operation);

// Changes zIndex values for `operation` on the component with `componentId`;
// false (and nothing changed) when the operation is not possible. Where a step would leave the 64-bit range,
// the components are first renumbered 0, 1, 2, … in their stacking order, so no value wraps.
bool changeZOrder(QList<PlacedComponent>& components, const QUuid& componentId, ZOrderOperation operation);

// Several components to the front or the back together, keeping their order among themselves: the
// components are renumbered 0, 1, 2, … in the new stacking order. Only bringToFront and sendToBack; false
// (and nothing changed) when they are there already.
bool changeGroupZOrder(QList<PlacedComponent>& components, const QList<QUuid>& ids,
                       ZOrderOperation operation);

} // namespace vistrelle
