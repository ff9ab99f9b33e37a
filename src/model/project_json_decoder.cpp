#include "model/project_json_decoder.h"

#include "model/coding_path.h"
#include "model/uuid_text.h"

#include "model/json_tape.h"

#include <QRegularExpression>
#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <type_traits>
#include <unordered_map>

namespace vistrelle {

namespace {

using L = QLatin1StringView;
using Kind = JsonDecodingError::Kind;

// 2001-01-01 00:00:00 UTC in seconds since 1970.
constexpr qint64 referenceDateEpochSeconds = 978307200;

using Value = JsonValueRef;

QString jsonTypeName(Value value) {
    switch (value.type()) {
    case JsonTape::Type::null:
        return QStringLiteral("null");
    case JsonTape::Type::boolean:
        return QStringLiteral("a boolean");
    case JsonTape::Type::number:
        return QStringLiteral("a number");
    case JsonTape::Type::string:
        return QStringLiteral("a string");
    case JsonTape::Type::array:
        return QStringLiteral("an array");
    case JsonTape::Type::object:
        return QStringLiteral("an object");
    }
    return QStringLiteral("nothing");
}

// A piece of the file's own text for a one-line message.
QString excerpt(const QString& text) {
    QString result = text.left(64);
    for (QChar& c : result)
        if (!c.isPrint())
            c = u'\uFFFD';
    return result;
}

std::string_view view(L key) {
    return {key.data(), std::size_t(key.size())};
}

class ProjectDecoder {
public:
    explicit ProjectDecoder(DateDecoding dates)
        : dates_(dates) {}

    KioskProject project(Value v) {
        const Value o = object(v);
        KioskProject p;
        p.metadata = scalar(o, L("metadata"), &ProjectDecoder::metadata);
        p.screens = list(required(o, L("screens")), L("screens"), &ProjectDecoder::screen);
        p.components =
            list(required(o, L("components")), L("components"), &ProjectDecoder::componentDefinition);
        p.settings = scalar(o, L("settings"), &ProjectDecoder::settings);
        p.resources = list(required(o, L("resources")), L("resources"), &ProjectDecoder::resource);
        return p;
    }

    PlacedComponent component(Value v) {
        const Value o = object(v);
        PlacedComponent c;
        if (const auto id = optional(o, L("id")))
            c.id = scoped(L("id"), [&] { return uuid(*id); });
        // The component type is never rejected: old and unknown words map to a known type.
        c.componentType =
            componentTypeFromLegacyString(scalar(o, L("componentType"), &ProjectDecoder::string));
        c.position = pointValue(o, L("position"));
        const Point size = pointValue(o, L("size"));
        c.size = {size.x, size.y};
        if (const auto properties = optional(o, L("properties")))
            c.properties = scoped(L("properties"), [&] { return propertyMap(*properties); });
        if (const auto constraints = optional(o, L("constraints")))
            c.constraints = scoped(L("constraints"), [&] { return layoutConstraints(*constraints); });
        if (const auto z = optional(o, L("zIndex")))
            c.zIndex = scoped(L("zIndex"), [&] { return integer(*z); });
        return c;
    }

private:
    [[noreturn]] void fail(Kind kind, const QString& message, bool concernsDateForm = false) const {
        throw JsonDecodingError{kind, message + path_.locationSuffix(), concernsDateForm};
    }

    template <typename F> std::invoke_result_t<F> scoped(L key, F decode) {
        CodingPath::Scope scope(path_, key);
        return decode();
    }

    Value object(Value v) {
        if (!v.isObject())
            fail(Kind::typeMismatch, QStringLiteral("Expected an object but found %1").arg(jsonTypeName(v)));
        return v;
    }

    Value required(Value o, L key) {
        const std::optional<Value> value = o.member(view(key));
        if (!value)
            fail(Kind::keyNotFound, QStringLiteral("No value for the key \"%1\"").arg(key));
        if (value->isNull()) {
            CodingPath::Scope scope(path_, key);
            fail(Kind::valueNotFound, QStringLiteral("Expected a value but found null"));
        }
        return *value;
    }

    // A key with a default: absent and null both mean "use the default".
    static std::optional<Value> optional(Value o, L key) {
        std::optional<Value> value = o.member(view(key));
        if (value && value->isNull())
            return std::nullopt;
        return value;
    }

    template <typename T> T scalar(Value o, L key, T (ProjectDecoder::*decode)(Value)) {
        const Value v = required(o, key);
        CodingPath::Scope scope(path_, key);
        return (this->*decode)(v);
    }

    template <typename T> T scalarOr(Value o, L key, T fallback, T (ProjectDecoder::*decode)(Value)) {
        const auto v = optional(o, key);
        if (!v)
            return fallback;
        CodingPath::Scope scope(path_, key);
        return (this->*decode)(*v);
    }

    template <typename T> QList<T> list(Value v, L key, T (ProjectDecoder::*decode)(Value)) {
        CodingPath::Scope scope(path_, key);
        if (!v.isArray())
            fail(Kind::typeMismatch, QStringLiteral("Expected an array but found %1").arg(jsonTypeName(v)));
        QList<T> result;
        result.reserve(v.size());
        v.forEachElement([&](std::uint32_t i, Value element) {
            CodingPath::Scope item(path_, qsizetype(i));
            if (element.isNull())
                fail(Kind::valueNotFound, QStringLiteral("Expected a value but found null"));
            result.append((this->*decode)(element));
        });
        return result;
    }

    template <typename T> QList<T> listOr(Value o, L key, T (ProjectDecoder::*decode)(Value)) {
        const auto v = optional(o, key);
        return v ? list(*v, key, decode) : QList<T>();
    }

    QString string(Value v) {
        if (!v.isString())
            fail(Kind::typeMismatch, QStringLiteral("Expected a string but found %1").arg(jsonTypeName(v)));
        return v.toString();
    }

    bool boolean(Value v) {
        if (!v.isBool())
            fail(Kind::typeMismatch, QStringLiteral("Expected a boolean but found %1").arg(jsonTypeName(v)));
        return v.toBool();
    }

    double number(Value v) {
        if (!v.isNumber())
            fail(Kind::typeMismatch, QStringLiteral("Expected a number but found %1").arg(jsonTypeName(v)));
        return v.toDouble();
    }

    qint64 integer(Value v) {
        const double d = number(v);
        if (v.isInteger())
            return v.toInteger();
        // 5.0 and 5e2 are whole numbers too.
        constexpr double twoTo63 = 9223372036854775808.0;
        if (!(d >= -twoTo63 && d < twoTo63) || std::trunc(d) != d)
            fail(Kind::dataCorrupted,
                 QStringLiteral("The number %1 is not a whole number that fits in 64 bits").arg(d));
        return qint64(d);
    }

    QUuid uuid(Value v) {
        const QString text = string(v);
        const std::optional<QUuid> id = uuidFromText(text);
        if (!id)
            fail(Kind::dataCorrupted, QStringLiteral("\"%1\" is not an identifier").arg(excerpt(text)));
        return *id;
    }

    template <typename E> E enumeration(Value v) {
        if (!v.isString())
            fail(Kind::typeMismatch, QStringLiteral("Expected a string but found %1").arg(jsonTypeName(v)));
        // Compared in place: building a string for every stored word would dominate reading.
        for (const auto& [value, stored] : StoredEnum<E>::cases)
            if (v.stringEquals(stored))
                return value;
        fail(Kind::dataCorrupted,
             QStringLiteral("Cannot read \"%1\" as %2").arg(excerpt(v.toString()), L(enumTypeName<E>())));
    }

    QDateTime date(Value v) {
        QDateTime when;
        if (dates_ == DateDecoding::iso8601) {
            if (!v.isString())
                fail(Kind::typeMismatch,
                     QStringLiteral("Expected a date string but found %1").arg(jsonTypeName(v)), true);
            when = parseIsoDate(v.toString());
        } else {
            if (!v.isNumber())
                fail(Kind::typeMismatch,
                     QStringLiteral("Expected a date as seconds but found %1").arg(jsonTypeName(v)), true);
            const double seconds = std::floor(v.toDouble()) + double(referenceDateEpochSeconds);
            if (std::abs(seconds) < 1e15)
                when = QDateTime::fromSecsSinceEpoch(qint64(seconds), Qt::UTC);
        }
        // The file keeps whole seconds of years 1 to 9999; anything else could not be written back.
        if (!when.isValid() || when.toUTC().date().year() < 1 || when.toUTC().date().year() > 9999)
            fail(Kind::dataCorrupted, QStringLiteral("Expected a date but found %1").arg(describe(v)), true);
        return QDateTime::fromSecsSinceEpoch(when.toSecsSinceEpoch(), Qt::UTC);
    }

    static QString describe(Value v) {
        return v.isString() ? u'"' + excerpt(v.toString()) + u'"' : QString::number(v.toDouble(), 'g', 17);
    }

    // ISO 8601 with a time zone designator ("Z" or an offset); a fraction of a
    // second is accepted and dropped.
    static QDateTime parseIsoDate(const QString& text) {
        static const QRegularExpression shape(QStringLiteral(
            R"(^[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}(\.[0-9]+)?(Z|[+-][0-9]{2}:?[0-9]{2})$)"));
        if (!shape.match(text).hasMatch())
            return {};
        return QDateTime::fromString(text, Qt::ISODateWithMs);
    }

    Point pointValue(Value o, L key) {
        const Value v = required(o, key);
        CodingPath::Scope scope(path_, key);
        if (!v.isArray())
            fail(Kind::typeMismatch,
                 QStringLiteral("Expected an array of two numbers but found %1").arg(jsonTypeName(v)));
        if (v.size() < 2)
            fail(Kind::valueNotFound, QStringLiteral("Expected two numbers but found %1").arg(v.size()));
        double coordinates[2] = {0, 0};
        v.forEachElement([&](std::uint32_t i, Value element) {
            if (i < 2) {
                CodingPath::Scope item(path_, qsizetype(i));
                coordinates[i] = number(element);
            }
        });
        return {coordinates[0], coordinates[1]};
    }

    PropertyMap propertyMap(Value v) {
        const Value o = object(v);
        PropertyMap result;
        o.forEachMember([&](Value key, Value value) {
            if (!value.isString())
                fail(Kind::typeMismatch, QStringLiteral("Expected a string for \"%1\" but found %2")
                                             .arg(excerpt(key.toString()), jsonTypeName(value)));
            // Keys repeat across components: sharing one copy of each saves an allocation per entry.
            result.insert(internedKey(key), value.toString());
        });
        return result;
    }

    ProjectMetadata metadata(Value v) {
        const Value o = object(v);
        ProjectMetadata m;
        m.name = scalar(o, L("name"), &ProjectDecoder::string);
        m.version = scalar(o, L("version"), &ProjectDecoder::string);
        m.created = scalar(o, L("created"), &ProjectDecoder::date);
        m.modified = scalar(o, L("modified"), &ProjectDecoder::date);
        m.description = scalar(o, L("description"), &ProjectDecoder::string);
        m.author = scalar(o, L("author"), &ProjectDecoder::string);
        m.appVersion = scalar(o, L("appVersion"), &ProjectDecoder::string);
        m.documentVersion = scalar(o, L("documentVersion"), &ProjectDecoder::string);
        return m;
    }

    KioskScreen screen(Value v) {
        const Value o = object(v);
        KioskScreen s;
        if (const auto id = optional(o, L("id")))
            s.id = scoped(L("id"), [&] { return uuid(*id); });
        s.name = scalar(o, L("name"), &ProjectDecoder::string);
        if (optional(o, L("resolution")))
            s.resolution = scalar(o, L("resolution"), &ProjectDecoder::resolution);
        s.components = listOr(o, L("components"), &ProjectDecoder::component);
        if (optional(o, L("navigation")))
            s.navigation = scalar(o, L("navigation"), &ProjectDecoder::navigation);
        if (optional(o, L("background")))
            s.background = scalar(o, L("background"), &ProjectDecoder::background);
        s.order = scalarOr(o, L("order"), qint64(0), &ProjectDecoder::integer);
        s.duration = scalarOr(o, L("duration"), qint64(5), &ProjectDecoder::integer);
        s.transition = optional(o, L("transition")) ? scalar(o, L("transition"), &ProjectDecoder::transition)
                                                    : TransitionStyle{};
        if (optional(o, L("schedule")))
            s.schedule = scalar(o, L("schedule"), &ProjectDecoder::schedule);
        return s;
    }

    ScreenSchedule schedule(Value v) {
        const Value o = object(v);
        ScreenSchedule s;
        const auto day = [&](L key) -> std::optional<QDate> {
            const auto text = optional(o, key);
            if (!text)
                return std::nullopt;
            return scoped(key, [&] {
                const QDate date = QDate::fromString(string(*text), Qt::ISODate);
                if (!date.isValid())
                    fail(Kind::dataCorrupted,
                         QStringLiteral("\"%1\" is not a date").arg(excerpt(string(*text))));
                return date;
            });
        };
        s.from = day(L("from"));
        s.until = day(L("until"));
        for (const qint64 weekday : listOr(o, L("weekdays"), &ProjectDecoder::integer)) {
            if (weekday < 1 || weekday > 7)
                scoped(L("weekdays"), [&] {
                    fail(Kind::dataCorrupted, QStringLiteral("%1 is not a weekday").arg(weekday));
                });
            s.weekdays.append(int(weekday));
        }
        s.windows = listOr(o, L("windows"), &ProjectDecoder::timeWindow);
        s.alert = scalarOr(o, L("alert"), false, &ProjectDecoder::boolean);
        return s;
    }

    TimeWindow timeWindow(Value v) {
        const Value o = object(v);
        const auto minute = [&](L key) {
            return scoped(key, [&] {
                const std::optional<int> parsed = scheduleTimeFromText(string(required(o, key)));
                if (!parsed)
                    fail(Kind::dataCorrupted, QStringLiteral("A time is written HH:MM"));
                return *parsed;
            });
        };
        return TimeWindow{minute(L("start")), minute(L("end"))};
    }

    ScreenResolution resolution(Value v) {
        const Value o = object(v);
        ScreenResolution r;
        r.width = scalar(o, L("width"), &ProjectDecoder::integer);
        r.height = scalar(o, L("height"), &ProjectDecoder::integer);
        r.name = scalar(o, L("name"), &ProjectDecoder::string);
        r.mode = scalar(o, L("mode"), &ProjectDecoder::enumeration<ScreenMode>);
        r.isCustom = scalar(o, L("isCustom"), &ProjectDecoder::boolean);
        return r;
    }

    BackgroundStyle background(Value v) {
        const Value o = object(v);
        BackgroundStyle b;
        b.type = scalar(o, L("type"), &ProjectDecoder::enumeration<BackgroundType>);
        b.color = scalar(o, L("color"), &ProjectDecoder::string);
        if (const auto path = optional(o, L("imagePath")))
            b.imagePath = scoped(L("imagePath"), [&] { return string(*path); });
        if (optional(o, L("gradient")))
            b.gradient = scalar(o, L("gradient"), &ProjectDecoder::gradient);
        return b;
    }

    GradientStyle gradient(Value v) {
        const Value o = object(v);
        GradientStyle g;
        g.startColor = scalar(o, L("startColor"), &ProjectDecoder::string);
        g.endColor = scalar(o, L("endColor"), &ProjectDecoder::string);
        g.direction = scalar(o, L("direction"), &ProjectDecoder::enumeration<GradientDirection>);
        return g;
    }

    TransitionStyle transition(Value v) {
        const Value o = object(v);
        TransitionStyle t;
        t.effect =
            scalarOr(o, L("effect"), TransitionEffect::none, &ProjectDecoder::enumeration<TransitionEffect>);
        t.duration = std::clamp(scalarOr(o, L("duration"), 1.0, &ProjectDecoder::number),
                                TransitionStyle::minimumDuration, TransitionStyle::maximumDuration);
        return t;
    }

    NavigationRules navigation(Value v) {
        const Value o = object(v);
        NavigationRules n;
        n.transitions =
            list(required(o, L("transitions")), L("transitions"), &ProjectDecoder::screenTransition);
        return n;
    }

    ScreenTransition screenTransition(Value v) {
        const Value o = object(v);
        ScreenTransition t;
        t.id = scalar(o, L("id"), &ProjectDecoder::uuid);
        t.fromScreen = scalar(o, L("fromScreen"), &ProjectDecoder::uuid);
        t.toScreen = scalar(o, L("toScreen"), &ProjectDecoder::uuid);
        t.trigger = scalar(o, L("trigger"), &ProjectDecoder::enumeration<TransitionTrigger>);
        if (const auto condition = optional(o, L("condition")))
            t.condition = scoped(L("condition"), [&] { return string(*condition); });
        return t;
    }

    LayoutConstraints layoutConstraints(Value v) {
        const Value o = object(v);
        const auto read = [&](L key) { return scalar(o, key, &ProjectDecoder::enumeration<ConstraintType>); };
        LayoutConstraints c;
        c.top = read(L("top"));
        c.bottom = read(L("bottom"));
        c.leading = read(L("leading"));
        c.trailing = read(L("trailing"));
        c.centerX = read(L("centerX"));
        c.centerY = read(L("centerY"));
        c.width = read(L("width"));
        c.height = read(L("height"));
        return c;
    }

    ProjectSettings settings(Value v) {
        const Value o = object(v);
        ProjectSettings s;
        if (optional(o, L("defaultResolution")))
            s.defaultResolution = scalar(o, L("defaultResolution"), &ProjectDecoder::resolution);
        s.customResolutions = listOr(o, L("customResolutions"), &ProjectDecoder::resolution);
        if (optional(o, L("defaultBackground")))
            s.defaultBackground = scalar(o, L("defaultBackground"), &ProjectDecoder::background);
        s.autoSave = scalarOr(o, L("autoSave"), true, &ProjectDecoder::boolean);
        s.snapToGrid = scalarOr(o, L("snapToGrid"), true, &ProjectDecoder::boolean);
        s.showGrid = scalarOr(o, L("showGrid"), true, &ProjectDecoder::boolean);
        s.gridSize = scalarOr(o, L("gridSize"), qint64(20), &ProjectDecoder::integer);
        s.showGuides = scalarOr(o, L("showGuides"), true, &ProjectDecoder::boolean);
        s.deployPassword = scalarOr(o, L("deployPassword"), QString(), &ProjectDecoder::string);
        s.inheritFirstScreenBackground =
            scalarOr(o, L("inheritFirstScreenBackground"), true, &ProjectDecoder::boolean);
        if (optional(o, L("openingHours")))
            s.openingHours = scalar(o, L("openingHours"), &ProjectDecoder::schedule);
        return s;
    }

    Resource resource(Value v) {
        const Value o = object(v);
        Resource r;
        if (const auto id = optional(o, L("id")))
            r.id = scoped(L("id"), [&] { return uuid(*id); });
        r.name = scalar(o, L("name"), &ProjectDecoder::string);
        r.type = scalarOr(o, L("type"), KioskResourceType::document,
                          &ProjectDecoder::enumeration<KioskResourceType>);
        r.path = scalarOr(o, L("path"), QString(), &ProjectDecoder::string);
        r.size = scalarOr(o, L("size"), qint64(0), &ProjectDecoder::integer);
        if (const auto original = optional(o, L("originalPath")))
            r.originalPath = scoped(L("originalPath"), [&] { return string(*original); });
        return r;
    }

    ComponentDefinition componentDefinition(Value v) {
        const Value o = object(v);
        ComponentDefinition d;
        d.id = scalar(o, L("id"), &ProjectDecoder::uuid);
        d.name = scalar(o, L("name"), &ProjectDecoder::string);
        d.description = scalar(o, L("description"), &ProjectDecoder::string);
        d.type = scalar(o, L("type"), &ProjectDecoder::enumeration<ComponentType>);
        d.defaultProperties = scalar(o, L("defaultProperties"), &ProjectDecoder::propertyMap);
        d.category = scalar(o, L("category"), &ProjectDecoder::string);
        return d;
    }

    QString internedKey(Value key) {
        const std::optional<std::string_view> raw = key.rawString();
        if (!raw)
            return key.toString();
        const auto it = keys_.find(*raw);
        if (it != keys_.end())
            return it->second;
        return keys_.emplace(*raw, key.toString()).first->second;
    }

    DateDecoding dates_;
    CodingPath path_;
    // Views into the document's text, which outlives the decoder.
    std::unordered_map<std::string_view, QString> keys_;
};

JsonTape parseJson(const QByteArray& json) {
    try {
        return JsonTape::parse(json);
    } catch (const JsonSyntaxError& error) {
        throw JsonDecodingError{Kind::dataCorrupted,
                                QStringLiteral("the data is not valid JSON (%1 at line %2, column %3)")
                                    .arg(error.message)
                                    .arg(error.line)
                                    .arg(error.column),
                                false};
    }
}

} // namespace

KioskProject decodeProjectJson(const QByteArray& json, DateDecoding dates) {
    const JsonTape tape = parseJson(json);
    return ProjectDecoder(dates).project(JsonValueRef(tape, 0));
}

PlacedComponent decodeComponentJson(const QByteArray& json) {
    const JsonTape tape = parseJson(json);
    return ProjectDecoder(DateDecoding::iso8601).component(JsonValueRef(tape, 0));
}

QList<PlacedComponent> decodeComponentsJson(const QByteArray& json) {
    const JsonTape tape = parseJson(json);
    const JsonValueRef root(tape, 0);
    if (!root.isArray())
        throw JsonDecodingError{JsonDecodingError::Kind::typeMismatch,
                                QStringLiteral("expected an array of components")};
    QList<PlacedComponent> components;
    ProjectDecoder decoder(DateDecoding::iso8601);
    root.forEachElement(
        [&](std::uint32_t, JsonValueRef element) { components.append(decoder.component(element)); });
    return components;
}

} // namespace vistrelle
