#include "model/project_json_decoder.h"

#include "model/coding_path.h"
#include "model/uuid_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace vistrelle {

namespace {

using L = QLatin1StringView;
using Kind = JsonDecodingError::Kind;

// 2001-01-01 00:00:00 UTC in seconds since 1970.
constexpr qint64 referenceDateEpochSeconds = 978307200;

QString jsonTypeName(const QJsonValue& value) {
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return QStringLiteral("a boolean");
    case QJsonValue::Double:
        return QStringLiteral("a number");
    case QJsonValue::String:
        return QStringLiteral("a string");
    case QJsonValue::Array:
        return QStringLiteral("an array");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("nothing");
}

class ProjectDecoder {
public:
    explicit ProjectDecoder(DateDecoding dates) : dates_(dates) {}

    KioskProject project(const QJsonValue& v) {
        const QJsonObject o = object(v);
        KioskProject p;
        p.metadata = scalar(o, L("metadata"), &ProjectDecoder::metadata);
        p.screens = list(required(o, L("screens")), L("screens"), &ProjectDecoder::screen);
        p.components = list(required(o, L("components")), L("components"), &ProjectDecoder::componentDefinition);
        p.settings = scalar(o, L("settings"), &ProjectDecoder::settings);
        p.resources = list(required(o, L("resources")), L("resources"), &ProjectDecoder::resource);
        return p;
    }

    PlacedComponent component(const QJsonValue& v) {
        const QJsonObject o = object(v);
        PlacedComponent c;
        if (const auto id = optional(o, L("id")))
            c.id = scoped(L("id"), [&] { return uuid(*id); });
        // The component type is never rejected: old and unknown words map to a known type.
        c.componentType = componentTypeFromLegacyString(scalar(o, L("componentType"), &ProjectDecoder::string));
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

    QJsonObject object(const QJsonValue& v) {
        if (!v.isObject())
            fail(Kind::typeMismatch, QStringLiteral("Expected an object but found %1").arg(jsonTypeName(v)));
        return v.toObject();
    }

    QJsonValue required(const QJsonObject& o, L key) {
        const auto it = o.constFind(key);
        if (it == o.constEnd())
            fail(Kind::keyNotFound, QStringLiteral("No value for the key \"%1\"").arg(key));
        if (it->isNull()) {
            CodingPath::Scope scope(path_, key);
            fail(Kind::valueNotFound, QStringLiteral("Expected a value but found null"));
        }
        return *it;
    }

    // A key with a default: absent and null both mean "use the default".
    static std::optional<QJsonValue> optional(const QJsonObject& o, L key) {
        const auto it = o.constFind(key);
        if (it == o.constEnd() || it->isNull())
            return std::nullopt;
        return *it;
    }

    template <typename T> T scalar(const QJsonObject& o, L key, T (ProjectDecoder::*decode)(const QJsonValue&)) {
        const QJsonValue v = required(o, key);
        CodingPath::Scope scope(path_, key);
        return (this->*decode)(v);
    }

    template <typename T>
    T scalarOr(const QJsonObject& o, L key, T fallback, T (ProjectDecoder::*decode)(const QJsonValue&)) {
        const auto v = optional(o, key);
        if (!v)
            return fallback;
        CodingPath::Scope scope(path_, key);
        return (this->*decode)(*v);
    }

    template <typename T>
    QList<T> list(const QJsonValue& v, L key, T (ProjectDecoder::*decode)(const QJsonValue&)) {
        CodingPath::Scope scope(path_, key);
        if (!v.isArray())
            fail(Kind::typeMismatch, QStringLiteral("Expected an array but found %1").arg(jsonTypeName(v)));
        const QJsonArray array = v.toArray();
        QList<T> result;
        result.reserve(array.size());
        for (qsizetype i = 0; i < array.size(); ++i) {
            CodingPath::Scope item(path_, i);
            const QJsonValue element = array.at(i);
            if (element.isNull())
                fail(Kind::valueNotFound, QStringLiteral("Expected a value but found null"));
            result.append((this->*decode)(element));
        }
        return result;
    }

    template <typename T> QList<T> listOr(const QJsonObject& o, L key, T (ProjectDecoder::*decode)(const QJsonValue&)) {
        const auto v = optional(o, key);
        return v ? list(*v, key, decode) : QList<T>();
    }

    QString string(const QJsonValue& v) {
        if (!v.isString())
            fail(Kind::typeMismatch, QStringLiteral("Expected a string but found %1").arg(jsonTypeName(v)));
        return v.toString();
    }

    bool boolean(const QJsonValue& v) {
        if (!v.isBool())
            fail(Kind::typeMismatch, QStringLiteral("Expected a boolean but found %1").arg(jsonTypeName(v)));
        return v.toBool();
    }

    double number(const QJsonValue& v) {
        if (!v.isDouble())
            fail(Kind::typeMismatch, QStringLiteral("Expected a number but found %1").arg(jsonTypeName(v)));
        return v.toDouble();
    }

    qint64 integer(const QJsonValue& v) {
        const double d = number(v);
        constexpr double twoTo63 = 9223372036854775808.0;
        if (!(d >= -twoTo63 && d < twoTo63) || std::trunc(d) != d)
            fail(Kind::dataCorrupted, QStringLiteral("The number %1 is not a whole number that fits in 64 bits")
                                          .arg(d));
        // toInteger keeps the exact value of integers beyond 2^53.
        return v.toInteger(qint64(d));
    }

    QUuid uuid(const QJsonValue& v) {
        const QString text = string(v);
        const std::optional<QUuid> id = uuidFromText(text);
        if (!id)
            fail(Kind::dataCorrupted, QStringLiteral("\"%1\" is not an identifier").arg(text.left(64)));
        return *id;
    }

    template <typename E> E enumeration(const QJsonValue& v) {
        const QString text = string(v);
        const std::optional<E> value = fromStoredString<E>(text);
        if (!value)
            fail(Kind::dataCorrupted,
                 QStringLiteral("Cannot read \"%1\" as %2").arg(text.left(64), L(enumTypeName<E>())));
        return *value;
    }

    QDateTime date(const QJsonValue& v) {
        if (dates_ == DateDecoding::iso8601) {
            if (!v.isString())
                fail(Kind::typeMismatch,
                     QStringLiteral("Expected a date string but found %1").arg(jsonTypeName(v)), true);
            const QString text = v.toString();
            const QDateTime when = parseIsoDate(text);
            if (!when.isValid())
                fail(Kind::dataCorrupted,
                     QStringLiteral("Expected an ISO 8601 date but found \"%1\"").arg(text.left(64)), true);
            return when;
        }
        if (!v.isDouble())
            fail(Kind::typeMismatch,
                 QStringLiteral("Expected a date as seconds but found %1").arg(jsonTypeName(v)), true);
        const double seconds = v.toDouble();
        // Years 1 to 9999, the range the ISO form can write back.
        constexpr double earliest = -63113904000.0;
        constexpr double latest = 252423993599.0;
        if (!(seconds >= earliest && seconds <= latest))
            fail(Kind::dataCorrupted, QStringLiteral("The date %1 is out of range").arg(seconds), true);
        const qint64 msecs = qint64(std::llround((seconds + double(referenceDateEpochSeconds)) * 1000.0));
        return QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC);
    }

    // ISO 8601 with a time zone designator ("Z" or an offset); fractions of a
    // second are accepted too.
    static QDateTime parseIsoDate(const QString& text) {
        static const QRegularExpression shape(
            QStringLiteral(R"(^\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}(\.\d+)?(Z|[+-]\d{2}:?\d{2})$)"));
        if (!shape.match(text).hasMatch())
            return {};
        return QDateTime::fromString(text, Qt::ISODateWithMs);
    }

    Point pointValue(const QJsonObject& o, L key) {
        const QJsonValue v = required(o, key);
        CodingPath::Scope scope(path_, key);
        if (!v.isArray())
            fail(Kind::typeMismatch, QStringLiteral("Expected an array of two numbers but found %1")
                                         .arg(jsonTypeName(v)));
        const QJsonArray array = v.toArray();
        if (array.size() < 2)
            fail(Kind::valueNotFound, QStringLiteral("Expected two numbers but found %1").arg(array.size()));
        Point p;
        {
            CodingPath::Scope first(path_, 0);
            p.x = number(array.at(0));
        }
        CodingPath::Scope second(path_, 1);
        p.y = number(array.at(1));
        return p;
    }

    PropertyMap propertyMap(const QJsonValue& v) {
        const QJsonObject o = object(v);
        PropertyMap result;
        for (auto it = o.constBegin(); it != o.constEnd(); ++it) {
            if (!it->isString()) {
                const QString key = it.key();
                fail(Kind::typeMismatch, QStringLiteral("Expected a string for \"%1\" but found %2")
                                             .arg(key.left(64), jsonTypeName(*it)));
            }
            // The object iterates in sorted order, so appending at the end is cheapest.
            result.insert(result.cend(), it.key(), it->toString());
        }
        return result;
    }

    ProjectMetadata metadata(const QJsonValue& v) {
        const QJsonObject o = object(v);
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

    KioskScreen screen(const QJsonValue& v) {
        const QJsonObject o = object(v);
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
                                                    : transition(QJsonObject());
        return s;
    }

    ScreenResolution resolution(const QJsonValue& v) {
        const QJsonObject o = object(v);
        ScreenResolution r;
        r.width = scalar(o, L("width"), &ProjectDecoder::integer);
        r.height = scalar(o, L("height"), &ProjectDecoder::integer);
        r.name = scalar(o, L("name"), &ProjectDecoder::string);
        r.mode = scalar(o, L("mode"), &ProjectDecoder::enumeration<ScreenMode>);
        r.isCustom = scalar(o, L("isCustom"), &ProjectDecoder::boolean);
        return r;
    }

    BackgroundStyle background(const QJsonValue& v) {
        const QJsonObject o = object(v);
        BackgroundStyle b;
        b.type = scalar(o, L("type"), &ProjectDecoder::enumeration<BackgroundType>);
        b.color = scalar(o, L("color"), &ProjectDecoder::string);
        if (const auto path = optional(o, L("imagePath")))
            b.imagePath = scoped(L("imagePath"), [&] { return string(*path); });
        if (optional(o, L("gradient")))
            b.gradient = scalar(o, L("gradient"), &ProjectDecoder::gradient);
        return b;
    }

    GradientStyle gradient(const QJsonValue& v) {
        const QJsonObject o = object(v);
        GradientStyle g;
        g.startColor = scalar(o, L("startColor"), &ProjectDecoder::string);
        g.endColor = scalar(o, L("endColor"), &ProjectDecoder::string);
        g.direction = scalar(o, L("direction"), &ProjectDecoder::enumeration<GradientDirection>);
        return g;
    }

    TransitionStyle transition(const QJsonValue& v) {
        const QJsonObject o = object(v);
        TransitionStyle t;
        t.effect = scalarOr(o, L("effect"), TransitionEffect::none, &ProjectDecoder::enumeration<TransitionEffect>);
        t.duration = std::clamp(scalarOr(o, L("duration"), 1.0, &ProjectDecoder::number),
                                TransitionStyle::minimumDuration, TransitionStyle::maximumDuration);
        return t;
    }

    NavigationRules navigation(const QJsonValue& v) {
        const QJsonObject o = object(v);
        NavigationRules n;
        n.transitions = list(required(o, L("transitions")), L("transitions"), &ProjectDecoder::screenTransition);
        return n;
    }

    ScreenTransition screenTransition(const QJsonValue& v) {
        const QJsonObject o = object(v);
        ScreenTransition t;
        t.id = scalar(o, L("id"), &ProjectDecoder::uuid);
        t.fromScreen = scalar(o, L("fromScreen"), &ProjectDecoder::uuid);
        t.toScreen = scalar(o, L("toScreen"), &ProjectDecoder::uuid);
        t.trigger = scalar(o, L("trigger"), &ProjectDecoder::enumeration<TransitionTrigger>);
        if (const auto condition = optional(o, L("condition")))
            t.condition = scoped(L("condition"), [&] { return string(*condition); });
        return t;
    }

    LayoutConstraints layoutConstraints(const QJsonValue& v) {
        const QJsonObject o = object(v);
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

    ProjectSettings settings(const QJsonValue& v) {
        const QJsonObject o = object(v);
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
        return s;
    }

    Resource resource(const QJsonValue& v) {
        const QJsonObject o = object(v);
        Resource r;
        if (const auto id = optional(o, L("id")))
            r.id = scoped(L("id"), [&] { return uuid(*id); });
        r.name = scalar(o, L("name"), &ProjectDecoder::string);
        r.type = scalarOr(o, L("type"), KioskResourceType::document, &ProjectDecoder::enumeration<KioskResourceType>);
        r.path = scalarOr(o, L("path"), QString(), &ProjectDecoder::string);
        r.size = scalarOr(o, L("size"), qint64(0), &ProjectDecoder::integer);
        if (const auto original = optional(o, L("originalPath")))
            r.originalPath = scoped(L("originalPath"), [&] { return string(*original); });
        return r;
    }

    ComponentDefinition componentDefinition(const QJsonValue& v) {
        const QJsonObject o = object(v);
        ComponentDefinition d;
        d.id = scalar(o, L("id"), &ProjectDecoder::uuid);
        d.name = scalar(o, L("name"), &ProjectDecoder::string);
        d.description = scalar(o, L("description"), &ProjectDecoder::string);
        d.type = scalar(o, L("type"), &ProjectDecoder::enumeration<ComponentType>);
        d.defaultProperties = scalar(o, L("defaultProperties"), &ProjectDecoder::propertyMap);
        d.category = scalar(o, L("category"), &ProjectDecoder::string);
        return d;
    }

    DateDecoding dates_;
    CodingPath path_;
};

QJsonValue parseJson(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw JsonDecodingError{Kind::dataCorrupted,
                                QStringLiteral("the data is not valid JSON (%1 at offset %2)")
                                    .arg(error.errorString())
                                    .arg(error.offset),
                                false};
    if (document.isArray())
        return document.array();
    return document.object();
}

} // namespace

KioskProject decodeProjectJson(const QByteArray& json, DateDecoding dates) {
    return ProjectDecoder(dates).project(parseJson(json));
}

PlacedComponent decodeComponentJson(const QByteArray& json) {
    return ProjectDecoder(DateDecoding::iso8601).component(parseJson(json));
}

} // namespace vistrelle
