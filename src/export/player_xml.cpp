#include "export/player_xml.h"

#include "export/property_order.h"
#include "export/schedule_xml.h"
#include "export/xml_text.h"
#include "media/path_resolver.h"
#include "model/uuid_text.h"

#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace vistrelle {

namespace {

const QString twentySpaces(20, u' ');

QString rewrittenMediaPath(const std::optional<QString>& path, const ResourceNameMap& names) {
    if (!path || path->isEmpty())
        return {};
    const auto it = names.constFind(*path);
    return it == names.cend() ? QString() : QStringLiteral("Resources/") + *it;
}

bool isMediaPropertyKey(const QString& key) {
    return key == QLatin1StringView("imagePath") || key == QLatin1StringView("videoPath") ||
           key == QLatin1StringView("backgroundImagePath");
}

QString screenBackground(const BackgroundStyle& b, const ResourceNameMap& names) {
    switch (b.type) {
    case BackgroundType::color:
        return QStringLiteral("type=\"Color\" color=\"") + xmlEscape(b.color) + u'"';
    case BackgroundType::image:
        return QStringLiteral("type=\"Image\" imagePath=\"") +
               xmlEscape(rewrittenMediaPath(b.imagePath, names)) + u'"';
    case BackgroundType::gradient:
        if (!b.gradient)
            return QStringLiteral(
                "type=\"Gradient\" startColor=\"#FFFFFF\" endColor=\"#000000\" direction=\"Vertical\"");
        return QStringLiteral("type=\"Gradient\" startColor=\"") + xmlEscape(b.gradient->startColor) +
               QStringLiteral("\" endColor=\"") + xmlEscape(b.gradient->endColor) +
               QStringLiteral("\" direction=\"") + xmlEscape(storedString(b.gradient->direction)) + u'"';
    }
    return {};
}

void appendComponent(QString& xml, const PlacedComponent& c, const ResourceNameMap& names) {
    xml += QStringLiteral("        <component type=\"") + xmlEscape(storedString(c.componentType));
    xml += QStringLiteral("\" \n                   x=\"") + xmlDouble(c.position.x);
    xml += QStringLiteral("\" \n                   y=\"") + xmlDouble(c.position.y);
    xml += QStringLiteral("\" \n                   width=\"") + xmlDouble(c.size.width);
    xml += QStringLiteral("\" \n                   height=\"") + xmlDouble(c.size.height);
    xml += QStringLiteral("\"\n                   zIndex=\"") + QString::number(c.zIndex) +
           QStringLiteral("\">");
    for (const auto& [key, stored] : propertiesInCodePointOrder(c.properties)) {
        const QString value = isMediaPropertyKey(key) ? rewrittenMediaPath(stored, names) : stored;
        xml += QStringLiteral("        <property name=\"") + xmlEscape(key) + QStringLiteral("\" value=\"") +
               xmlEscape(value) + QStringLiteral("\"/>");
    }
    xml += QStringLiteral("        </component>");
}

void appendScreen(QString& xml, const KioskScreen& s, qsizetype position, const ResourceNameMap& names) {
    xml += QStringLiteral("    <screen id=\"") + uuidText(s.id) + QStringLiteral("\" name=\"") +
           xmlEscape(s.name) + QStringLiteral("\" order=\"") + QString::number(position) +
           QStringLiteral("\" duration=\"") + QString::number(std::max<qint64>(s.duration, 3));
    xml += QStringLiteral("\">\n        <resolution width=\"") + QString::number(s.resolution.width) +
           QStringLiteral("\" height=\"") + QString::number(s.resolution.height) +
           QStringLiteral("\" mode=\"") + xmlEscape(storedString(s.resolution.mode));
    xml += QStringLiteral("\"/>\n        <background ") + screenBackground(s.background, names);
    xml += QStringLiteral("/>\n        <transition effect=\"") +
           xmlEscape(storedString(s.transition.effect)) + QStringLiteral("\" duration=\"") +
           xmlDouble(s.transition.duration);
    xml += QStringLiteral("\"/>");
    // Only where there is one, so a show without schedules keeps its player data byte for byte.
    if (s.schedule)
        xml += QStringLiteral("\n        ") + scheduleXmlElement(*s.schedule);
    xml += QStringLiteral("\n        <components>");
    for (const PlacedComponent& component : s.components)
        appendComponent(xml, component, names);
    xml += QStringLiteral("        </components>\n    </screen>");
}

QString resourceType(const QString& resolvedPath) {
    const QString extension = QFileInfo(resolvedPath).suffix().toLower();
    return extension == QLatin1StringView("mp4") || extension == QLatin1StringView("mov") ||
                   extension == QLatin1StringView("avi")
               ? QStringLiteral("video")
               : QStringLiteral("image");
}

} // namespace

QString generateProjectXML(const KioskProject& project, const ResourceNameMap& names,
                           const PathResolver& resolver) {
    const ProjectMetadata& m = project.metadata;
    const ProjectSettings& settings = project.settings;
    const BackgroundStyle& background = settings.defaultBackground;
    const std::optional<GradientStyle>& gradient = background.gradient;

    QString xml;
    xml += QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<KioskProject>\n    <metadata>\n        <name>") +
           xmlEscape(m.name);
    xml += QStringLiteral("</name>\n        <version>") + xmlEscape(m.version);
    xml += QStringLiteral("</version>\n        <description>") + xmlEscape(m.description);
    xml += QStringLiteral("</description>\n        <deployPassword>") + xmlEscape(settings.deployPassword);
    xml += QStringLiteral(
               "</deployPassword>\n    </metadata>\n    <settings>\n        <defaultResolution width=\"") +
           QString::number(settings.defaultResolution.width) + QStringLiteral("\" height=\"") +
           QString::number(settings.defaultResolution.height) + QStringLiteral("\" mode=\"") +
           xmlEscape(storedString(settings.defaultResolution.mode));
    xml += QStringLiteral("\"/>\n        <background type=\"") + xmlEscape(storedString(background.type));
    xml += u'"' + twentySpaces + QStringLiteral("color=\"") + xmlEscape(background.color);
    xml += u'"' + twentySpaces + QStringLiteral("startColor=\"") +
           xmlEscape(gradient ? gradient->startColor : QString());
    xml += u'"' + twentySpaces + QStringLiteral("endColor=\"") +
           xmlEscape(gradient ? gradient->endColor : QString());
    xml += u'"' + twentySpaces + QStringLiteral("direction=\"") +
           xmlEscape(gradient ? storedString(gradient->direction) : QString());
    xml += u'"' + twentySpaces + QStringLiteral("imagePath=\"") +
           xmlEscape(rewrittenMediaPath(background.imagePath, names));
    xml += QStringLiteral("\"/>");
    if (const std::optional<ScreenSchedule>& hours = settings.openingHours)
        xml += QStringLiteral("\n        ") + openingHoursXmlElement(*hours);
    xml += QStringLiteral("\n    </settings>\n    <screens>");
    for (qsizetype i = 0; i < project.screens.size(); ++i)
        appendScreen(xml, project.screens[i], i, names);
    xml += QStringLiteral("    </screens>\n    <resources>");

    QSet<QString> written;
    for (const QString& path : collectResourcePaths(project)) {
        const QString name = bundleNameOf(path, names, resolver);
        if (written.contains(name))
            continue;
        written.insert(name);
        xml += QStringLiteral("    <resource name=\"") + xmlEscape(name) + QStringLiteral("\" type=\"") +
               resourceType(resolver.resolvePath(path)) + QStringLiteral("\" path=\"") +
               xmlEscape(QStringLiteral("Resources/") + name) + QStringLiteral("\"/>");
    }
    xml += QStringLiteral("    </resources>\n</KioskProject>");
    return xml;
}

} // namespace vistrelle
