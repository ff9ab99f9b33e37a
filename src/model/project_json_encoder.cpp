#include "model/project_json_encoder.h"

#include "model/coding_path.h"
#include "model/json_writer.h"
#include "model/uuid_text.h"

#include <cmath>

namespace vistrelle {

namespace {

using L = QLatin1StringView;

// Object keys are written in sorted (code point) order, record by record.
class ProjectEncoder {
public:
    QByteArray project(const KioskProject& p) {
        w_.beginObject();
        list(L("components"), p.components, &ProjectEncoder::componentDefinition);
        field(L("metadata"), [&] { metadata(p.metadata); });
        list(L("resources"), p.resources, &ProjectEncoder::resource);
        list(L("screens"), p.screens, &ProjectEncoder::screen);
        field(L("settings"), [&] { settings(p.settings); });
        w_.endObject();
        return w_.finish();
    }

    QByteArray singleComponent(const PlacedComponent& c) {
        component(c);
        return w_.finish();
    }

    QByteArray componentList(const QList<PlacedComponent>& components) {
        w_.beginArray();
        for (const PlacedComponent& c : components)
            component(c);
        w_.endArray();
        return w_.finish();
    }

private:
    template <typename Write> void field(L key, Write write) {
        CodingPath::Scope scope(path_, key);
        w_.key(key);
        write();
    }

    template <typename T> void list(L key, const QList<T>& items, void (ProjectEncoder::*write)(const T&)) {
        CodingPath::Scope scope(path_, key);
        w_.key(key);
        w_.beginArray();
        for (qsizetype i = 0; i < items.size(); ++i) {
            CodingPath::Scope item(path_, i);
            (this->*write)(items[i]);
        }
        w_.endArray();
    }

    void string(L key, const QString& text) {
        w_.key(key);
        w_.value(QStringView(text));
    }
    void optionalString(L key, const std::optional<QString>& text) {
        if (text)
            string(key, *text);
    }
    void integer(L key, qint64 number) {
        w_.key(key);
        w_.value(number);
    }
    void boolean(L key, bool flag) {
        w_.key(key);
        w_.value(flag);
    }
    void number(double value) {
        if (!std::isfinite(value))
            throw JsonEncodingError{QStringLiteral("Unable to encode the number %1 in JSON%2")
                                        .arg(value)
                                        .arg(path_.locationSuffix())};
        w_.value(value);
    }
    void number(L key, double value) {
        CodingPath::Scope scope(path_, key);
        w_.key(key);
        number(value);
    }
    void uuid(L key, const QUuid& id) {
        w_.key(key);
        w_.value(QStringView(uuidText(id)));
    }
    void date(L key, const QDateTime& when) {
        w_.key(key);
        w_.value(QStringView(when.toUTC().toString(Qt::ISODate)));
    }
    template <typename E> void enumeration(L key, E value) {
        w_.key(key);
        w_.value(QStringView(storedString(value)));
    }
    void pair(L key, double first, double second) {
        CodingPath::Scope scope(path_, key);
        w_.key(key);
        w_.beginArray();
        number(first);
        number(second);
        w_.endArray();
    }
    void propertyMap(L key, const PropertyMap& properties) {
        w_.key(key);
        w_.beginObject();
        for (auto it = properties.cbegin(); it != properties.cend(); ++it) {
            w_.key(QStringView(it.key()));
            w_.value(QStringView(it.value()));
        }
        w_.endObject();
    }

    void metadata(const ProjectMetadata& m) {
        w_.beginObject();
        string(L("appVersion"), m.appVersion);
        string(L("author"), m.author);
        date(L("created"), m.created);
        string(L("description"), m.description);
        string(L("documentVersion"), m.documentVersion);
        date(L("modified"), m.modified);
        string(L("name"), m.name);
        string(L("version"), m.version);
        w_.endObject();
    }

    void screen(const KioskScreen& s) {
        w_.beginObject();
        field(L("background"), [&] { background(s.background); });
        list(L("components"), s.components, &ProjectEncoder::component);
        integer(L("duration"), s.duration);
        uuid(L("id"), s.id);
        string(L("name"), s.name);
        field(L("navigation"), [&] { navigation(s.navigation); });
        integer(L("order"), s.order);
        field(L("resolution"), [&] { resolution(s.resolution); });
        if (s.schedule)
            field(L("schedule"), [&] { schedule(*s.schedule); });
        field(L("transition"), [&] { transition(s.transition); });
        w_.endObject();
    }

    void schedule(const ScreenSchedule& s) {
        w_.beginObject();
        if (s.alert)
            boolean(L("alert"), true);
        if (s.from)
            string(L("from"), s.from->toString(Qt::ISODate));
        if (s.until)
            string(L("until"), s.until->toString(Qt::ISODate));
        w_.key(L("weekdays"));
        w_.beginArray();
        for (const int day : s.weekdays)
            w_.value(qint64(day));
        w_.endArray();
        w_.key(L("windows"));
        w_.beginArray();
        for (const TimeWindow& window : s.windows) {
            w_.beginObject();
            string(L("end"), scheduleTimeText(window.endMinute));
            string(L("start"), scheduleTimeText(window.startMinute));
            w_.endObject();
        }
        w_.endArray();
        w_.endObject();
    }

    void resolution(const ScreenResolution& r) {
        w_.beginObject();
        integer(L("height"), r.height);
        boolean(L("isCustom"), r.isCustom);
        enumeration(L("mode"), r.mode);
        string(L("name"), r.name);
        integer(L("width"), r.width);
        w_.endObject();
    }

    void background(const BackgroundStyle& b) {
        w_.beginObject();
        string(L("color"), b.color);
        if (b.gradient)
            field(L("gradient"), [&] { gradient(*b.gradient); });
        optionalString(L("imagePath"), b.imagePath);
        enumeration(L("type"), b.type);
        w_.endObject();
    }

    void gradient(const GradientStyle& g) {
        w_.beginObject();
        enumeration(L("direction"), g.direction);
        string(L("endColor"), g.endColor);
        string(L("startColor"), g.startColor);
        w_.endObject();
    }

    void transition(const TransitionStyle& t) {
        w_.beginObject();
        number(L("duration"), t.duration);
        enumeration(L("effect"), t.effect);
        w_.endObject();
    }

    void navigation(const NavigationRules& n) {
        w_.beginObject();
        list(L("transitions"), n.transitions, &ProjectEncoder::screenTransition);
        w_.endObject();
    }

    void screenTransition(const ScreenTransition& t) {
        w_.beginObject();
        optionalString(L("condition"), t.condition);
        uuid(L("fromScreen"), t.fromScreen);
        uuid(L("id"), t.id);
        uuid(L("toScreen"), t.toScreen);
        enumeration(L("trigger"), t.trigger);
        w_.endObject();
    }

    void constraints(const LayoutConstraints& c) {
        w_.beginObject();
        enumeration(L("bottom"), c.bottom);
        enumeration(L("centerX"), c.centerX);
        enumeration(L("centerY"), c.centerY);
        enumeration(L("height"), c.height);
        enumeration(L("leading"), c.leading);
        enumeration(L("top"), c.top);
        enumeration(L("trailing"), c.trailing);
        enumeration(L("width"), c.width);
        w_.endObject();
    }

    void component(const PlacedComponent& c) {
        w_.beginObject();
        enumeration(L("componentType"), c.componentType);
        field(L("constraints"), [&] { constraints(c.constraints); });
        uuid(L("id"), c.id);
        pair(L("position"), c.position.x, c.position.y);
        propertyMap(L("properties"), c.properties);
        pair(L("size"), c.size.width, c.size.height);
        integer(L("zIndex"), c.zIndex);
        w_.endObject();
    }

    void settings(const ProjectSettings& s) {
        w_.beginObject();
        boolean(L("autoSave"), s.autoSave);
        list(L("customResolutions"), s.customResolutions, &ProjectEncoder::resolution);
        field(L("defaultBackground"), [&] { background(s.defaultBackground); });
        field(L("defaultResolution"), [&] { resolution(s.defaultResolution); });
        string(L("deployPassword"), s.deployPassword);
        integer(L("gridSize"), s.gridSize);
        boolean(L("inheritFirstScreenBackground"), s.inheritFirstScreenBackground);
        if (s.openingHours)
            field(L("openingHours"), [&] { schedule(*s.openingHours); });
        boolean(L("showGrid"), s.showGrid);
        boolean(L("showGuides"), s.showGuides);
        boolean(L("snapToGrid"), s.snapToGrid);
        w_.endObject();
    }

    void resource(const Resource& r) {
        w_.beginObject();
        uuid(L("id"), r.id);
        string(L("name"), r.name);
        optionalString(L("originalPath"), r.originalPath);
        string(L("path"), r.path);
        integer(L("size"), r.size);
        enumeration(L("type"), r.type);
        w_.endObject();
    }

    void componentDefinition(const ComponentDefinition& d) {
        w_.beginObject();
        string(L("category"), d.category);
        propertyMap(L("defaultProperties"), d.defaultProperties);
        string(L("description"), d.description);
        uuid(L("id"), d.id);
        string(L("name"), d.name);
        enumeration(L("type"), d.type);
        w_.endObject();
    }

    JsonWriter w_;
    CodingPath path_;
};

} // namespace

QByteArray encodeProjectJson(const KioskProject& project) {
    return ProjectEncoder().project(project);
}

QByteArray encodeComponentJson(const PlacedComponent& component) {
    return ProjectEncoder().singleComponent(component);
}

QByteArray encodeComponentsJson(const QList<PlacedComponent>& components) {
    return ProjectEncoder().componentList(components);
}

} // namespace vistrelle
