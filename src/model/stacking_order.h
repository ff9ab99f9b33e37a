#pragma once

#include "model/project_model.h"

namespace vistrelle {

// Indices of `components` from bottom to top: ascending zIndex, ties in list order.
QList<qsizetype> stackingOrder(const QList<PlacedComponent>& components);

} // namespace vistrelle
