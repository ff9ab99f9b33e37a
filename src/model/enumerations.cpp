#include "model/enumerations.h"

namespace vistrelle {

ComponentType componentTypeFromLegacyString(const QString& text) {
    const QString lower = text.toLower();
    if (lower == QLatin1StringView("button"))
        return ComponentType::label;
    if (lower == QLatin1StringView("map"))
        return ComponentType::image;
    return fromStoredString<ComponentType>(text).value_or(ComponentType::label);
}

} // namespace vistrelle
