#include "model/component_factory.h"

#include "model/component_properties.h"
#include "model/property_schema.h"

namespace vistrelle {

Size defaultComponentSize(ComponentType type) {
    switch (type) {
    case ComponentType::image:
        return {150, 150};
    case ComponentType::title:
        return {200, 60};
    case ComponentType::label:
        return {150, 30};
    case ComponentType::textArea:
        return {250, 120};
    case ComponentType::webView:
        return {300, 200};
    case ComponentType::video:
        return {320, 180};
    case ComponentType::shape:
        return {100, 100};
    case ComponentType::icon:
        return {60, 60};
    case ComponentType::clock:
        return {240, 80};
    case ComponentType::countdown:
        return {520, 80};
    case ComponentType::ticker:
        return {960, 64};
    }
    return {100, 100};
}

PlacedComponent makeComponent(ComponentType type, Point point, const std::optional<QString>& mediaPath) {
    PlacedComponent component;
    component.componentType = type;
    component.position = point;
    component.size = defaultComponentSize(type);
    component.properties = createdProperties(type);

    if (mediaPath && (type == ComponentType::image || type == ComponentType::video))
        component.properties[type == ComponentType::image ? PropertyKey::imagePath : PropertyKey::videoPath] =
            *mediaPath;
    return component;
}

} // namespace vistrelle
