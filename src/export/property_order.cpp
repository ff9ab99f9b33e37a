#include "export/property_order.h"

#include "export/resource_collection.h"

#include <algorithm>

namespace vistrelle {

std::vector<std::pair<QString, QString>> propertiesInCodePointOrder(const PropertyMap& properties) {
    std::vector<std::pair<QString, QString>> entries;
    entries.reserve(std::size_t(properties.size()));
    for (auto it = properties.cbegin(); it != properties.cend(); ++it)
        entries.emplace_back(it.key(), it.value());
    // The map's own order differs only for keys with characters past U+FFFF: almost always sorted already.
    if (!std::is_sorted(entries.cbegin(), entries.cend(),
                        [](const auto& a, const auto& b) { return codePointLess(a.first, b.first); }))
        std::sort(entries.begin(), entries.end(),
                  [](const auto& a, const auto& b) { return codePointLess(a.first, b.first); });
    return entries;
}

} // namespace vistrelle
