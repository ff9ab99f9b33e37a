#include "support/sample_project.h"

#include "model/component_factory.h"

namespace vistrelle::test_support {

KioskProject projectWithEveryField() {
    KioskProject project;
    project.metadata.name = QStringLiteral("Lobby \"East\" / Wing");
    project.metadata.version = QStringLiteral("2.1");
    project.metadata.created = QDateTime::fromString(QStringLiteral("2024-02-29T23:59:58Z"), Qt::ISODate);
    project.metadata.modified = QDateTime::fromString(QStringLiteral("2025-03-01T09:30:00Z"), Qt::ISODate);
    project.metadata.description = QStringLiteral("Line one\nLine two\tTabbed \\ backslash \u0001 control");
    project.metadata.author = QStringLiteral("Zoë Ångström 😀");
    project.metadata.appVersion = QStringLiteral("3.4.1");
    project.metadata.documentVersion = QStringLiteral("3.4.0");

    KioskScreen& first = project.screens.first();
    first.resolution = *ScreenResolution::custom(2560, 1440, ScreenMode::horizontal);
    first.background = {
        BackgroundType::gradient, QStringLiteral("#102030"), std::nullopt,
        GradientStyle{QStringLiteral("#FF0000"), QStringLiteral("#0000FF"), GradientDirection::diagonal}};
    first.order = 7;
    first.duration = 42;
    first.transition = {TransitionEffect::starReveal, 1.25};

    PlacedComponent image = makeComponent(ComponentType::image, {10.5, -20.25});
    image.properties[QStringLiteral("imagePath")] = QStringLiteral("/Users/a/Pictures/b c.png");
    image.zIndex = -3;
    image.constraints = {ConstraintType::relative, ConstraintType::fixed,   ConstraintType::none,
                         ConstraintType::relative, ConstraintType::fixed,   ConstraintType::relative,
                         ConstraintType::none,     ConstraintType::relative};
    PlacedComponent text = makeComponent(ComponentType::textArea, {0.1, 1e-05});
    text.size = {1e20, 333.333};
    text.properties[QStringLiteral("customKey")] = QStringLiteral("kept as is");
    first.components = {image, text, makeComponent(ComponentType::icon, {1024, 768})};

    KioskScreen second(QStringLiteral("Second"));
    second.resolution = ScreenResolution::presets(ScreenMode::vertical).last();
    second.background = {BackgroundType::image, QStringLiteral("#000000"),
                         QStringLiteral("~/Pictures/wall.jpg"), std::nullopt};
    ScreenTransition rule;
    rule.fromScreen = first.id;
    rule.toScreen = second.id;
    rule.trigger = TransitionTrigger::autoAdvance;
    rule.condition = QStringLiteral("after 10s");
    ScreenTransition ruleWithoutCondition;
    ruleWithoutCondition.fromScreen = second.id;
    ruleWithoutCondition.toScreen = first.id;
    ruleWithoutCondition.trigger = TransitionTrigger::timer;
    second.navigation.transitions = {rule, ruleWithoutCondition};
    project.screens.append(second);

    ComponentDefinition definition;
    definition.name = QStringLiteral("Big title");
    definition.description = QStringLiteral("A title for headlines");
    definition.type = ComponentType::title;
    definition.defaultProperties = {{QStringLiteral("fontSize"), QStringLiteral("96")}};
    definition.category = QStringLiteral("Text");
    project.components = {definition};

    ProjectSettings& settings = project.settings;
    settings.defaultResolution = ScreenResolution::presets(ScreenMode::horizontal)[1];
    settings.customResolutions = {*ScreenResolution::custom(4096, 2160, ScreenMode::horizontal)};
    settings.defaultBackground = {BackgroundType::color, QStringLiteral("#ABCDEF"), std::nullopt,
                                  std::nullopt};
    settings.autoSave = false;
    settings.snapToGrid = false;
    settings.showGrid = false;
    settings.gridSize = 8;
    settings.showGuides = false;
    settings.deployPassword = QStringLiteral("s3cret<&>");
    settings.inheritFirstScreenBackground = false;

    Resource picture;
    picture.name = QStringLiteral("wall.jpg");
    picture.type = KioskResourceType::image;
    picture.path = QStringLiteral("Resources/wall.jpg");
    picture.size = 9007199254740993; // beyond the exact range of a double
    picture.originalPath = QStringLiteral("/Volumes/Media/wall.jpg");
    Resource clip;
    clip.name = QStringLiteral("clip.mov");
    clip.type = KioskResourceType::video;
    project.resources = {picture, clip};
    return project;
}

} // namespace vistrelle::test_support
