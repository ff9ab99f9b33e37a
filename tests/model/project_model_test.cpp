#include "model/enumerations.h"
#include "model/project_model.h"
#include "model/uuid_text.h"

#include <gtest/gtest.h>

using namespace vistrelle;

TEST(ProjectModelTest, NewProjectHasOneStartScreenWithDefaults) {
    const KioskProject project;
    ASSERT_EQ(project.screens.size(), 1);
    const KioskScreen& start = project.screens.first();
    EXPECT_EQ(start.name, "Start");
    EXPECT_EQ(start.resolution, (ScreenResolution{1024, 768, "XGA", ScreenMode::horizontal, false}));
    EXPECT_EQ(start.duration, 5);
    EXPECT_EQ(start.order, 0);
    EXPECT_EQ(start.background, BackgroundStyle{});
    EXPECT_EQ(start.background.color, "#FFFFFF");
    EXPECT_EQ(start.transition.effect, TransitionEffect::none);
    EXPECT_EQ(start.transition.duration, 1.0);
    EXPECT_FALSE(start.id.isNull());

    EXPECT_EQ(project.metadata.name, "Untitled Project");
    EXPECT_EQ(project.metadata.appVersion, "3.5.0");
    EXPECT_EQ(project.metadata.created, project.metadata.modified);
    EXPECT_TRUE(project.components.isEmpty());
    EXPECT_TRUE(project.resources.isEmpty());
    EXPECT_EQ(project.settings.gridSize, 20);
    EXPECT_TRUE(project.settings.inheritFirstScreenBackground);
}

TEST(ProjectModelTest, NewScreensGetDistinctIdentities) {
    const KioskScreen a(QStringLiteral("A"));
    const KioskScreen b(QStringLiteral("A"));
    EXPECT_NE(a.id, b.id);
    EXPECT_NE(a, b);
}

TEST(ProjectModelTest, CustomResolutionNeedsAtLeastXgaSize) {
    const auto custom = ScreenResolution::custom(1024, 768, ScreenMode::horizontal);
    ASSERT_TRUE(custom);
    EXPECT_EQ(custom->name, QStringLiteral("Custom 1024\u00D7768"));
    EXPECT_TRUE(custom->isCustom);
    EXPECT_EQ(ScreenResolution::custom(3840, 2160, ScreenMode::vertical)->mode, ScreenMode::vertical);
    EXPECT_FALSE(ScreenResolution::custom(1023, 768, ScreenMode::horizontal));
    EXPECT_FALSE(ScreenResolution::custom(1024, 767, ScreenMode::horizontal));
}

TEST(ProjectModelTest, PresetsOfAnOrientationAreSortedByPixelCount) {
    QStringList vertical;
    for (const auto& preset : ScreenResolution::presets(ScreenMode::vertical))
        vertical << preset.name;
    EXPECT_EQ(vertical, (QStringList{"XGA Portrait", "HD 720p Portrait", "Full HD 1080p Portrait"}));
    const auto horizontal = ScreenResolution::presets(ScreenMode::horizontal);
    ASSERT_EQ(horizontal.size(), 3);
    EXPECT_EQ(horizontal.first().width, 1024);
    EXPECT_EQ(horizontal.last().width, 1920);
}

TEST(ProjectModelTest, ComponentsCompareFieldByField) {
    PlacedComponent a;
    a.componentType = ComponentType::icon;
    a.properties[QStringLiteral("iconName")] = QStringLiteral("star.fill");
    PlacedComponent b = a;
    EXPECT_EQ(a, b);
    b.properties[QStringLiteral("iconName")] = QStringLiteral("star");
    EXPECT_NE(a, b);
    b = a;
    b.position.x = 1e-12; // no fuzzy comparison
    EXPECT_NE(a, b);
}

TEST(ProjectModelTest, EditingACopyLeavesTheOriginalAlone) {
    KioskProject original;
    original.screens.append(KioskScreen(QStringLiteral("Second")));
    original.screens[1].components.append(PlacedComponent{});
    KioskProject edited = original;
    edited.screens[1].components[0].position = {10, 20};
    EXPECT_EQ(original.screens[1].components[0].position, (Point{0, 0}));
    EXPECT_NE(original, edited);
}

TEST(EnumerationTest, StoredStringsRoundTripAndUnknownWordsAreNoValue) {
    EXPECT_EQ(storedString(ComponentType::textArea), "Text Area");
    EXPECT_EQ(storedString(TransitionEffect::pixelDissolve), "Pixel Dissolve");
    EXPECT_EQ(storedString(TransitionTrigger::autoAdvance), "Auto");
    EXPECT_EQ(storedString(KioskResourceType::image), "image");
    EXPECT_EQ(storedString(BackgroundType::image), "Image");
    EXPECT_EQ(fromStoredString<KioskResourceType>(u"Image"), std::nullopt);
    EXPECT_EQ(fromStoredString<BackgroundType>(u"image"), std::nullopt);
    EXPECT_EQ(fromStoredString<TransitionEffect>(u"Move Right"), TransitionEffect::moveRight);

    const auto effects = allCases<TransitionEffect>();
    ASSERT_EQ(effects.size(), 14u);
    EXPECT_EQ(effects.front(), TransitionEffect::none);
    EXPECT_EQ(effects.back(), TransitionEffect::pageTurn);
    for (const TransitionEffect effect : effects)
        EXPECT_EQ(fromStoredString<TransitionEffect>(storedString(effect)), effect);
}

TEST(EnumerationTest, LegacyComponentTypesNeverFail) {
    EXPECT_EQ(componentTypeFromLegacyString("Button"), ComponentType::label);
    EXPECT_EQ(componentTypeFromLegacyString("bUtToN"), ComponentType::label);
    EXPECT_EQ(componentTypeFromLegacyString("MAP"), ComponentType::image);
    EXPECT_EQ(componentTypeFromLegacyString("text area"), ComponentType::label);
    EXPECT_EQ(componentTypeFromLegacyString("Carousel"), ComponentType::label);
    EXPECT_EQ(componentTypeFromLegacyString("Web View"), ComponentType::webView);
}

TEST(UuidTextTest, CanonicalUpperCaseAndStrictReading) {
    const QUuid id = QUuid::fromString(QStringLiteral("{0f8fad5b-d9cb-469f-a165-70867728950e}"));
    EXPECT_EQ(uuidText(id), "0F8FAD5B-D9CB-469F-A165-70867728950E");
    EXPECT_EQ(uuidFromText(u"0f8fad5b-d9cb-469f-a165-70867728950e"), id);
    EXPECT_FALSE(uuidFromText(u"{0F8FAD5B-D9CB-469F-A165-70867728950E}"));
    EXPECT_FALSE(uuidFromText(u"0F8FAD5BD9CB469FA16570867728950E"));
    EXPECT_FALSE(uuidFromText(u"0F8FAD5B-D9CB-469F-A165-70867728950G"));
}
