#include "model/component_factory.h"

#include "model/component_properties.h"
#include "model/file_drop_manager.h"

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
    }
    return {100, 100};
}

PropertyMap defaultComponentProperties(ComponentType type) {
    namespace K = PropertyKey;
    const QString t = QStringLiteral("true");
    const QString f = QStringLiteral("false");
    switch (type) {
    case ComponentType::title:
        return {{K::text, QStringLiteral("Sample Title")},
                {K::fontSize, QStringLiteral("24")},
                {K::textColor, QStringLiteral("#000000")},
                {K::isBold, t},
                {K::isItalic, f},
                {K::isUnderlined, f},
                {K::textAlignment, QStringLiteral("center")}};
    case ComponentType::label:
        return {{K::text, QStringLiteral("Sample Label")},
                {K::fontSize, QStringLiteral("14")},
                {K::textColor, QStringLiteral("#000000")},
                {K::isBold, f},
                {K::isItalic, f},
                {K::isUnderlined, f},
                {K::textAlignment, QStringLiteral("center")}};
    case ComponentType::textArea:
        return {
            {K::text, QStringLiteral("This is a sample text area with multiple lines of content. You can add "
                                     "longer text content here that will wrap to multiple lines as needed.")},
            {K::fontSize, QStringLiteral("12")},
            {K::textColor, QStringLiteral("#000000")},
            {K::isBold, f},
            {K::isItalic, f},
            {K::isUnderlined, f},
            {K::textAlignment, QStringLiteral("leading")}};
    case ComponentType::image:
        return {{K::imagePath, QString()}, {K::cornerRadius, QStringLiteral("8")}};
    case ComponentType::video:
        return {{K::videoPath, QString()},
                {K::showsControls, t},
                {K::isAutoplay, f},
                {K::isLooping, f},
                {K::isMuted, t},
                {K::backgroundColor, QStringLiteral("#000000")},
                {K::cornerRadius, QStringLiteral("8")},
                {K::fittingMode, QStringLiteral("fill")}};
    case ComponentType::webView:
        return {{K::url, QString()},
                {K::htmlContent, QString()},
                {K::allowsBackForwardNavigation, f},
                {K::allowsMagnification, t},
                {K::allowsLinkPreview, f}};
    case ComponentType::shape:
        return {{K::shapeType, QStringLiteral("star")},
                {K::fillColor, QStringLiteral("#FFD700")},
                {K::strokeColor, QStringLiteral("#FFA500")},
                {K::strokeWidth, QStringLiteral("2")},
                {K::points, QStringLiteral("5")},
                {K::innerRadius, QStringLiteral("0.4")},
                {K::rotation, QStringLiteral("0")}};
    case ComponentType::icon:
        return {{K::iconName, QStringLiteral("face.smiling")},
                {K::iconColor, QStringLiteral("#007AFF")},
                {K::iconSize, QStringLiteral("24")},
                {K::iconWeight, QStringLiteral("regular")}};
    }
    return {};
}

PlacedComponent makeComponent(ComponentType type, Point point, const StoredPathMaker& storedPath) {
    PlacedComponent component;
    component.componentType = type;
    component.position = point;
    component.size = defaultComponentSize(type);
    component.properties = defaultComponentProperties(type);

    if (type == ComponentType::image || type == ComponentType::video) {
        const QString& key = type == ComponentType::image ? PropertyKey::imagePath : PropertyKey::videoPath;
        if (const std::optional<QUrl> dropped = FileDropManager::shared().takePendingFile(type)) {
            component.properties[key] =
                storedPath ? storedPath(*dropped)
                           : (dropped->isLocalFile() ? dropped->toLocalFile() : dropped->toString());
        }
    }
    return component;
}

} // namespace vistrelle
