#include "render/image_action.h"

#include "model/component_properties.h"

namespace vistrelle {

std::optional<QString> imageButtonAction(const PropertyMap& properties) {
    const QString category = stringProperty(properties, PropertyKey::actionCategory);
    if (category.isEmpty())
        return std::nullopt;
    if (category == QLatin1StringView("navigation")) {
        const QString target = stringProperty(properties, PropertyKey::targetScreenId);
        return target.isEmpty() ? std::nullopt : std::optional(target);
    }
    if (category == QLatin1StringView("alert"))
        return QStringLiteral("alert:") +
               stringProperty(properties, PropertyKey::alertTitle, QStringLiteral("Alert")) + u':' +
               stringProperty(properties, PropertyKey::alertMessage);
    // A system or component action without its command (or target) would do nothing: no action at all.
    if (category == QLatin1StringView("system")) {
        const QString action = stringProperty(properties, PropertyKey::systemAction);
        return action.isEmpty() ? std::nullopt : std::optional(QStringLiteral("system:") + action);
    }
    if (category == QLatin1StringView("component")) {
        const QString action = stringProperty(properties, PropertyKey::componentAction);
        const QString target = stringProperty(properties, PropertyKey::targetComponentId);
        if (action.isEmpty() || target.isEmpty())
            return std::nullopt;
        return QStringLiteral("component:") + action + u':' + target;
    }
    return std::nullopt;
}

} // namespace vistrelle
