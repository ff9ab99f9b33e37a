#pragma once

#include "model/project_model.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QUuid>

namespace vistrelle {

// A named set of component properties the user saved to apply to other
// components of the same type.
struct ComponentStylePreset {
    QUuid id;
    QString name;
    ComponentType componentType = ComponentType::label;
    PropertyMap properties;
    QDateTime createdDate;

    bool operator==(const ComponentStylePreset&) const = default;
};

// The user's style presets, kept in the preference store so that every
// project sees them. Main thread only.
class StylePresetManager : public QObject {
    Q_OBJECT

public:
    // The preference key under which the presets are stored (a JSON array).
    static inline const QString storeKey = QStringLiteral("ComponentStylePresets");

    // The application's manager, created (and loaded) on first use.
    static StylePresetManager& shared();

    // Loads the stored presets.
    explicit StylePresetManager(QObject* parent = nullptr);

    // Every preset, oldest first.
    const QList<ComponentStylePreset>& presets() const { return presets_; }
    // The presets of one component type, in list order.
    QList<ComponentStylePreset> presets(ComponentType type) const;

    // Appends the preset and saves.
    void add(const ComponentStylePreset& preset);
    // Removes every preset with this id and saves.
    void remove(const QUuid& id);

    // Replaces the list with the stored one; stored data that cannot be read
    // in full leaves the list empty.
    void load();
    void save();

signals:
    void presetsChanged();

private:
    QList<ComponentStylePreset> presets_;
};

// A new preset (fresh id) holding all of the component's properties, under
// `name` exactly as typed.
ComponentStylePreset presetFrom(const PlacedComponent& component, const QString& name, const QDateTime& now);

// The component with every property of the preset written over its own;
// properties the preset does not name keep their values, and the geometry,
// stacking, type and id are never touched.
PlacedComponent withPresetApplied(const PlacedComponent& component, const ComponentStylePreset& preset);

} // namespace vistrelle
