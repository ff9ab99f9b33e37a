#include "export/check_texts.h"

#include "media/path_resolver.h"
#include "model/component_properties.h"
#include "model/stored_enum.h"

namespace vistrelle {

namespace {

constexpr int longestExcerpt = 30;

QString excerpt(const QString& text) {
    const QString line = text.simplified();
    return line.size() <= longestExcerpt ? line : line.left(longestExcerpt - 1).trimmed() + QChar(0x2026);
}

} // namespace

QString mediaName(const QString& storedPath) {
    return lastPathComponent(storedPath);
}

QString describeComponent(const PlacedComponent& c) {
    const QString type =
        QCoreApplication::translate("ComponentType", storedString(c.componentType).toUtf8().constData());
    QString name;
    switch (c.componentType) {
    case ComponentType::title:
    case ComponentType::label:
    case ComponentType::textArea:
    case ComponentType::countdown:
    case ComponentType::ticker:
        name = excerpt(c.stringProperty(PropertyKey::text));
        break;
    case ComponentType::image:
        name = mediaName(c.stringProperty(PropertyKey::imagePath));
        break;
    case ComponentType::video:
        name = mediaName(c.stringProperty(PropertyKey::videoPath));
        break;
    case ComponentType::webView:
        name = excerpt(c.stringProperty(PropertyKey::url));
        break;
    default:
        break;
    }
    if (!name.isEmpty())
        return CheckText::tr("the %1 “%2”").arg(type, name);
    return CheckText::tr("the %1 at %2, %3").arg(type).arg(c.position.x).arg(c.position.y);
}

} // namespace vistrelle
