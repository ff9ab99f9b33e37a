#pragma once

#include "model/enumerations.h"
#include "model/geometry.h"
#include "model/screen_schedule.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QUuid>

#include <optional>

namespace vistrelle {

// Every type-specific setting of a component, as text (see component_properties.h).
using PropertyMap = QMap<QString, QString>;

inline const QString kUntitledProjectName = QStringLiteral("Untitled Project");
inline const QString kApplicationVersion = QStringLiteral("3.5.0");

// The moment a new project or a save records: the current time to the whole
// second, since the document file keeps no fractions of a second.
QDateTime currentDocumentTime();

struct ScreenResolution {
    qint64 width = 1024;
    qint64 height = 768;
    QString name = QStringLiteral("XGA");
    ScreenMode mode = ScreenMode::horizontal;
    bool isCustom = false;

    bool operator==(const ScreenResolution&) const = default;

    // Every preset in stored order.
    static QList<ScreenResolution> allPresets();
    // The presets of one orientation, fewest pixels first.
    static QList<ScreenResolution> presets(ScreenMode mode);
    // "Custom W×H"; no value below 1024 × 768.
    static std::optional<ScreenResolution> custom(qint64 width, qint64 height, ScreenMode mode);
};

struct GradientStyle {
    QString startColor;
    QString endColor;
    GradientDirection direction = GradientDirection::vertical;

    bool operator==(const GradientStyle&) const = default;
};

struct BackgroundStyle {
    BackgroundType type = BackgroundType::color;
    QString color = QStringLiteral("#FFFFFF");
    std::optional<QString> imagePath;
    std::optional<GradientStyle> gradient;

    bool operator==(const BackgroundStyle&) const = default;
};

struct TransitionStyle {
    static constexpr double minimumDuration = 0.5;
    static constexpr double maximumDuration = 2.0;

    TransitionEffect effect = TransitionEffect::none;
    double duration = 1.0;

    bool operator==(const TransitionStyle&) const = default;
};

struct ScreenTransition {
    QUuid id = QUuid::createUuid();
    QUuid fromScreen;
    QUuid toScreen;
    TransitionTrigger trigger = TransitionTrigger::buttonClick;
    std::optional<QString> condition;

    bool operator==(const ScreenTransition&) const = default;
};

struct NavigationRules {
    QList<ScreenTransition> transitions;

    bool operator==(const NavigationRules&) const = default;
};

struct LayoutConstraints {
    ConstraintType top = ConstraintType::none;
    ConstraintType bottom = ConstraintType::none;
    ConstraintType leading = ConstraintType::none;
    ConstraintType trailing = ConstraintType::none;
    ConstraintType centerX = ConstraintType::none;
    ConstraintType centerY = ConstraintType::none;
    ConstraintType width = ConstraintType::fixed;
    ConstraintType height = ConstraintType::fixed;

    bool operator==(const LayoutConstraints&) const = default;
};

struct PlacedComponent {
    QUuid id = QUuid::createUuid();
    ComponentType componentType = ComponentType::label;
    Point position;
    Size size;
    PropertyMap properties;
    LayoutConstraints constraints;
    qint64 zIndex = 0;

    bool operator==(const PlacedComponent&) const = default;

    // Readers of the properties, with the rules of component_properties.h.
    QString stringProperty(const QString& key, const QString& fallback = {}) const;
    bool boolProperty(const QString& key) const;
    double numberProperty(const QString& key, double fallback) const;
    qint64 integerProperty(const QString& key, qint64 fallback) const;
};

struct KioskScreen {
    QUuid id = QUuid::createUuid();
    QString name;
    ScreenResolution resolution;
    QList<PlacedComponent> components;
    NavigationRules navigation;
    BackgroundStyle background;
    qint64 order = 0;
    qint64 duration = 5;
    TransitionStyle transition;
    // When the screen plays; none: always (and nothing is written for it).
    std::optional<ScreenSchedule> schedule;

    KioskScreen() = default;
    explicit KioskScreen(QString screenName)
        : name(std::move(screenName)) {}

    bool operator==(const KioskScreen&) const = default;
};

struct ProjectMetadata {
    QString name = kUntitledProjectName;
    QString version = QStringLiteral("1.0");
    QDateTime created = currentDocumentTime();
    QDateTime modified = created;
    QString description;
    QString author;
    QString appVersion = kApplicationVersion;
    QString documentVersion = kApplicationVersion;

    bool operator==(const ProjectMetadata&) const = default;
};

struct ProjectSettings {
    ScreenResolution defaultResolution;
    QList<ScreenResolution> customResolutions;
    BackgroundStyle defaultBackground;
    bool autoSave = true;
    bool snapToGrid = true;
    bool showGrid = true;
    qint64 gridSize = 20;
    bool showGuides = true;
    QString deployPassword;
    bool inheritFirstScreenBackground = true;
    // When the displays are on (weekdays and daily windows); none means always.
    std::optional<ScreenSchedule> openingHours;

    bool operator==(const ProjectSettings&) const = default;
};

struct Resource {
    QUuid id = QUuid::createUuid();
    QString name;
    KioskResourceType type = KioskResourceType::document;
    QString path;
    qint64 size = 0;
    std::optional<QString> originalPath;

    bool operator==(const Resource&) const = default;
};

struct ComponentDefinition {
    QUuid id = QUuid::createUuid();
    QString name;
    QString description;
    ComponentType type = ComponentType::label;
    PropertyMap defaultProperties;
    QString category;

    bool operator==(const ComponentDefinition&) const = default;
};

struct KioskProject {
    ProjectMetadata metadata;
    QList<KioskScreen> screens;
    QList<ComponentDefinition> components;
    ProjectSettings settings;
    QList<Resource> resources;

    // A new project: default metadata and settings, one screen "Start".
    KioskProject();

    bool operator==(const KioskProject&) const = default;

    qsizetype componentCount() const;
};

// Trimmed of white space and line breaks, an empty name is "Untitled Project";
// any other name is kept exactly as it was.
QString projectNameOrUntitled(const QString& name);

} // namespace vistrelle
