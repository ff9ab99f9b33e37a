#include "editing/style_preset_manager.h"

#include "model/stored_enum.h"
#include "model/uuid_text.h"
#include "platform/preferences.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>
#include <optional>

namespace vistrelle {

namespace {

// Dates are stored as seconds since 2001-01-01 00:00:00 UTC, like older documents.
constexpr qint64 referenceDateEpochMSecs = 978307200000;
// Far beyond any real date, and small enough to convert to milliseconds exactly.
constexpr double largestStoredSeconds = 1e12;

double storedSeconds(const QDateTime& date) {
    return double(date.toMSecsSinceEpoch() - referenceDateEpochMSecs) / 1000.0;
}

std::optional<QDateTime> dateFromStoredSeconds(const QJsonValue& value) {
    if (!value.isDouble())
        return std::nullopt;
    const double seconds = value.toDouble();
    if (!std::isfinite(seconds) || std::abs(seconds) > largestStoredSeconds)
        return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch(std::llround(seconds * 1000.0) + referenceDateEpochMSecs, Qt::UTC);
}

QJsonObject encodePreset(const ComponentStylePreset& preset) {
    QJsonObject properties;
    for (auto it = preset.properties.cbegin(); it != preset.properties.cend(); ++it)
        properties.insert(it.key(), it.value());
    return QJsonObject{
        {QStringLiteral("id"), uuidText(preset.id)},
        {QStringLiteral("name"), preset.name},
        {QStringLiteral("componentType"), storedString(preset.componentType)},
        {QStringLiteral("properties"), properties},
        {QStringLiteral("createdDate"), storedSeconds(preset.createdDate)},
    };
}

std::optional<ComponentStylePreset> decodePreset(const QJsonValue& value) {
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();

    const QJsonValue id = object.value(QStringLiteral("id"));
    const QJsonValue name = object.value(QStringLiteral("name"));
    const QJsonValue type = object.value(QStringLiteral("componentType"));
    const QJsonValue properties = object.value(QStringLiteral("properties"));
    if (!id.isString() || !name.isString() || !type.isString() || !properties.isObject())
        return std::nullopt;

    const std::optional<QUuid> presetId = uuidFromText(id.toString());
    const std::optional<ComponentType> componentType = fromStoredString<ComponentType>(type.toString());
    const std::optional<QDateTime> created =
        dateFromStoredSeconds(object.value(QStringLiteral("createdDate")));
    if (!presetId || !componentType || !created)
        return std::nullopt;

    PropertyMap map;
    const QJsonObject propertyObject = properties.toObject();
    for (auto it = propertyObject.constBegin(); it != propertyObject.constEnd(); ++it) {
        if (!it.value().isString())
            return std::nullopt;
        map.insert(it.key(), it.value().toString());
    }
    return ComponentStylePreset{*presetId, name.toString(), *componentType, map, *created};
}

// All presets or none: a list that was only partly readable would be saved
// back without the unreadable ones at the next change.
QList<ComponentStylePreset> decodePresets(const QByteArray& data) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return {};
    QList<ComponentStylePreset> presets;
    const QJsonArray array = document.array();
    for (const QJsonValue& value : array) {
        std::optional<ComponentStylePreset> preset = decodePreset(value);
        if (!preset)
            return {};
        presets.append(std::move(*preset));
    }
    return presets;
}

} // namespace

StylePresetManager& StylePresetManager::shared() {
    static StylePresetManager instance;
    return instance;
}

StylePresetManager::StylePresetManager(QObject* parent)
    : QObject(parent) {
    load();
}

QList<ComponentStylePreset> StylePresetManager::presets(ComponentType type) const {
    QList<ComponentStylePreset> matching;
    for (const ComponentStylePreset& preset : presets_)
        if (preset.componentType == type)
            matching.append(preset);
    return matching;
}

void StylePresetManager::add(const ComponentStylePreset& preset) {
    presets_.append(preset);
    save();
    emit presetsChanged();
}

void StylePresetManager::remove(const QUuid& id) {
    presets_.removeIf([&id](const ComponentStylePreset& preset) { return preset.id == id; });
    save();
    emit presetsChanged();
}

void StylePresetManager::load() {
    const std::optional<QByteArray> data = Preferences::data(storeKey);
    presets_ = data ? decodePresets(*data) : QList<ComponentStylePreset>();
    emit presetsChanged();
}

void StylePresetManager::save() {
    QJsonArray array;
    for (const ComponentStylePreset& preset : presets_)
        array.append(encodePreset(preset));
    // The presets stay in memory when they cannot be written; the user is told, not left believing.
    if (const std::optional<QString> failure =
            Preferences::setValue(storeKey, QJsonDocument(array).toJson(QJsonDocument::Compact)))
        Preferences::reportWriteFailure(tr("Could not save the style preset: %1"), *failure);
}

ComponentStylePreset presetFrom(const PlacedComponent& component, const QString& name, const QDateTime& now) {
    return ComponentStylePreset{QUuid::createUuid(), name, component.componentType, component.properties,
                                now};
}

PlacedComponent withPresetApplied(const PlacedComponent& component, const ComponentStylePreset& preset) {
    PlacedComponent applied = component;
    for (auto it = preset.properties.cbegin(); it != preset.properties.cend(); ++it)
        applied.properties.insert(it.key(), it.value());
    return applied;
}

} // namespace vistrelle
