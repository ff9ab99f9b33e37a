#include "model/stacking_order.h"

#include <algorithm>
#include <numeric>

namespace vistrelle {

QList<qsizetype> stackingOrder(const QList<PlacedComponent>& components) {
    QList<qsizetype> order(components.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return components[a].zIndex < components[b].zIndex; });
    return order;
}

} // namespace vistrelle
