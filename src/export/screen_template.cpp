#include "export/screen_template.h"

#include "export/property_order.h"
#include "export/schedule_xml.h"
#include "export/xml_numbers.h"
#include "export/xml_text.h"
#include "model/uuid_text.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

#include <algorithm>

namespace vistrelle {

QString exportScreenXML(const KioskScreen& s) {
    QString xml;
    xml += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Screen id=\"") + uuidText(s.id) +
           QStringLiteral("\" name=\"") + xmlEscape(s.name) + QStringLiteral("\" duration=\"") +
           QString::number(std::max<qint64>(s.duration, 3));
    xml += QStringLiteral("\">\n    <resolution width=\"") + QString::number(s.resolution.width) +
           QStringLiteral("\" height=\"") + QString::number(s.resolution.height) +
           QStringLiteral("\" mode=\"") + storedString(s.resolution.mode);
    xml += QStringLiteral("\"/>\n    <background type=\"") + storedString(s.background.type) +
           QStringLiteral("\" color=\"") + xmlEscape(s.background.color) + QStringLiteral("\" imagePath=\"") +
           xmlEscape(s.background.imagePath.value_or(QString()));
    xml += QStringLiteral("\"/>\n    <transition effect=\"") + storedString(s.transition.effect) +
           QStringLiteral("\" duration=\"") + xmlDouble(s.transition.duration);
    xml += QStringLiteral("\"/>");
    if (s.schedule)
        xml += QStringLiteral("\n    ") + scheduleXmlElement(*s.schedule);
    xml += QStringLiteral("\n    <components>");
    for (const PlacedComponent& c : s.components) {
        xml += QStringLiteral("    <component type=\"") + storedString(c.componentType) +
               QStringLiteral("\" x=\"") + xmlDouble(c.position.x) + QStringLiteral("\" y=\"") +
               xmlDouble(c.position.y) + QStringLiteral("\" width=\"") + xmlDouble(c.size.width) +
               QStringLiteral("\" height=\"") + xmlDouble(c.size.height) + QStringLiteral("\" zIndex=\"") +
               QString::number(c.zIndex) + QStringLiteral("\">");
        for (const auto& [key, value] : propertiesInCodePointOrder(c.properties))
            xml += QStringLiteral("    <property name=\"") + xmlEscape(key) + QStringLiteral("\" value=\"") +
                   xmlEscape(value) + QStringLiteral("\"/>");
        xml += QStringLiteral("    </component>");
    }
    xml += QStringLiteral("    </components>\n</Screen>");
    return xml;
}

namespace {

class TemplateReader {
public:
    explicit TemplateReader(const QByteArray& data)
        : xml_(data) {
        // Element names are compared as written, prefixes included.
        xml_.setNamespaceProcessing(false);
        screen_.name = QStringLiteral("Screen");
    }

    KioskScreen read() {
        while (!xml_.atEnd()) {
            const QXmlStreamReader::TokenType token = xml_.readNext();
            if (token == QXmlStreamReader::StartElement)
                startElement();
            else if (token == QXmlStreamReader::EndElement &&
                     xml_.qualifiedName() == QLatin1StringView("component"))
                endComponent();
        }
        if (xml_.hasError()) {
            const QString description = xml_.errorString();
            throw ScreenTemplateError{description.isEmpty() ? QStringLiteral("Invalid XML") : description};
        }
        return screen_;
    }

private:
    QStringView attribute(QLatin1StringView name) const { return attributes_.value(name); }
    bool has(QLatin1StringView name) const { return attributes_.hasAttribute(name); }

    void startElement() {
        attributes_ = xml_.attributes();
        const QStringView element = xml_.qualifiedName();
        if (element == QLatin1StringView("Screen"))
            readScreen();
        else if (element == QLatin1StringView("resolution"))
            readResolution();
        else if (element == QLatin1StringView("background"))
            readBackground();
        else if (element == QLatin1StringView("transition"))
            readTransition();
        else if (element == QLatin1StringView("schedule"))
            screen_.schedule = scheduleFromXmlAttributes(attributes_); // unreadable: always, like a default
        else if (element == QLatin1StringView("component"))
            readComponent();
        else if (element == QLatin1StringView("property"))
            readProperty();
    }

    void readScreen() {
        if (const auto id = uuidFromText(attribute(QLatin1StringView("id"))))
            screen_.id = *id;
        if (has(QLatin1StringView("name")))
            screen_.name = attribute(QLatin1StringView("name")).toString();
        if (const auto duration = strictInteger(attribute(QLatin1StringView("duration"))))
            screen_.duration = std::max<qint64>(*duration, 3);
    }

    void readResolution() {
        const auto width = strictInteger(attribute(QLatin1StringView("width")));
        const auto height = strictInteger(attribute(QLatin1StringView("height")));
        if (!width || !height)
            return;
        const ScreenMode mode = attribute(QLatin1StringView("mode")) == QLatin1StringView("Vertical")
                                    ? ScreenMode::vertical
                                    : ScreenMode::horizontal;
        screen_.resolution = {*width, *height, QStringLiteral("Custom %1\u00D7%2").arg(*width).arg(*height),
                              mode, true};
    }

    void readBackground() {
        BackgroundStyle background;
        background.type = fromStoredString<BackgroundType>(attribute(QLatin1StringView("type")))
                              .value_or(BackgroundType::color);
        background.color = has(QLatin1StringView("color")) ? attribute(QLatin1StringView("color")).toString()
                                                           : QStringLiteral("#FFFFFF");
        if (has(QLatin1StringView("imagePath")))
            background.imagePath = attribute(QLatin1StringView("imagePath")).toString();
        screen_.background = background;
    }

    void readTransition() {
        TransitionStyle transition;
        transition.effect = fromStoredString<TransitionEffect>(attribute(QLatin1StringView("effect")))
                                .value_or(TransitionEffect::none);
        if (const auto duration = decimalNumber(attribute(QLatin1StringView("duration"))))
            transition.duration =
                std::clamp(*duration, TransitionStyle::minimumDuration, TransitionStyle::maximumDuration);
        screen_.transition = transition;
    }

    void readComponent() {
        PlacedComponent component;
        component.componentType =
            has(QLatin1StringView("type"))
                ? componentTypeFromLegacyString(attribute(QLatin1StringView("type")).toString())
                : ComponentType::label;
        const auto number = [&](const char* name) {
            return finiteNumber(attribute(QLatin1StringView(name))).value_or(0.0);
        };
        component.position = {number("x"), number("y")};
        component.size = {number("width"), number("height")};
        component.zIndex = strictInteger(attribute(QLatin1StringView("zIndex"))).value_or(0);
        currentComponent_ = component;
    }

    void readProperty() {
        if (!currentComponent_ || !has(QLatin1StringView("name")) || !has(QLatin1StringView("value")))
            return;
        currentComponent_->properties.insert(attribute(QLatin1StringView("name")).toString(),
                                             attribute(QLatin1StringView("value")).toString());
    }

    void endComponent() {
        if (currentComponent_)
            screen_.components.append(*std::exchange(currentComponent_, std::nullopt));
    }

    QXmlStreamReader xml_;
    QXmlStreamAttributes attributes_;
    KioskScreen screen_;
    std::optional<PlacedComponent> currentComponent_;
};

} // namespace

KioskScreen importScreenXML(const QByteArray& data) {
    return TemplateReader(data).read();
}

std::optional<QUuid> replaceScreenWithTemplate(KioskProject& project, const QUuid& inspectedScreenId,
                                               KioskScreen imported) {
    const auto inspected = std::find_if(project.screens.begin(), project.screens.end(),
                                        [&](const KioskScreen& s) { return s.id == inspectedScreenId; });
    if (inspected == project.screens.end())
        return std::nullopt;
    const bool idUsedElsewhere =
        std::any_of(project.screens.cbegin(), project.screens.cend(),
                    [&](const KioskScreen& s) { return s.id == imported.id && s.id != inspectedScreenId; });
    if (idUsedElsewhere)
        imported.id = inspectedScreenId;
    *inspected = imported;
    return imported.id;
}

QString templateFileName(const QString& screenName) {
    QString name = screenName;
    for (const QChar c : QStringLiteral("/\\?%*|\"<>:"))
        name.replace(c, u'_');
    return name + QStringLiteral(".xml");
}

} // namespace vistrelle
