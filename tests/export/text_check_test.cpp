#include "check_fixture.h"

namespace vistrelle::test_support {
namespace {

TEST_F(ShowCheckTest, TextThatFitsAtOneSizeIsCutOffAtALargerOne) {
    addText(ComponentType::title, QStringLiteral("Reading room"), 72, QStringLiteral("#000000"), {100, 100},
            {600, 120});
    EXPECT_TRUE(check().isEmpty());
    screen().components[0].properties[PropertyKey::fontSize] = QStringLiteral("110");
    EXPECT_EQ(rules(), QStringList{"text-overflow"});

    // A text area measures the same way, inside its margins.
    screen().components.clear();
    addText(ComponentType::textArea, QStringLiteral("Monday story time"), 40, QStringLiteral("#000000"),
            {100, 100}, {500, 120});
    EXPECT_TRUE(check().isEmpty());
    screen().components[0].size = {500, 40};
    EXPECT_EQ(rules(), QStringList{"text-overflow"});
}

TEST_F(ShowCheckTest, TextBelowAFortiethOfTheScreenHeightIsTooSmall) {
    addText(ComponentType::label, QStringLiteral("Lockers"), 27, QStringLiteral("#000000"));
    EXPECT_TRUE(check().isEmpty());
    screen().components[0].properties[PropertyKey::fontSize] = QStringLiteral("26");
    EXPECT_TRUE(finding("small-text")->message.contains("use at least 27 pixels"));
}

TEST_F(ShowCheckTest, ContrastOnAPlainBackgroundHasTheLimitsOfSmallAndLargeText) {
    addText(ComponentType::label, QStringLiteral("Opening hours"), 20, QStringLiteral("#767676")); // 4.54:1
    EXPECT_FALSE(rules().contains("low-contrast"));
    screen().components[0].properties[PropertyKey::textColor] = QStringLiteral("#777777"); // 4.48:1
    EXPECT_TRUE(finding("low-contrast")->message.contains("contrast of 4.4:1"));
    EXPECT_TRUE(finding("low-contrast")->message.contains("at least 4.5:1"));

    screen().components[0].properties[PropertyKey::fontSize] = QStringLiteral("40");
    screen().components[0].properties[PropertyKey::textColor] = QStringLiteral("#949494"); // 3.03:1
    EXPECT_TRUE(check().isEmpty());
    screen().components[0].properties[PropertyKey::textColor] = QStringLiteral("#959595"); // 2.99:1
    EXPECT_TRUE(finding("low-contrast")->message.contains("at least 3.0:1"));
}

TEST_F(ShowCheckTest, ContrastIsMeasuredOnTheGradientUnderTheText) {
    screen().background = BackgroundStyle{
        BackgroundType::gradient,
        {},
        {},
        GradientStyle{QStringLiteral("#FFFFFF"), QStringLiteral("#000000"), GradientDirection::horizontal}};
    // Over the light end black text reads; across the whole width its dark end swallows it.
    addText(ComponentType::title, QStringLiteral("Welcome"), 72, QStringLiteral("#000000"), {0, 400},
            {400, 120});
    EXPECT_TRUE(check().isEmpty());
    screen().components[0].position = {1520, 400};
    EXPECT_EQ(rules(), QStringList{"low-contrast"});
}

TEST_F(ShowCheckTest, ContrastIsMeasuredOnAPictureAndOnATextAreasOwnBackground) {
    PlacedComponent& photo = add(ComponentType::image, {0, 0}, {1920, 1080});
    photo.properties[PropertyKey::imagePath] = picture("night.png", {1920, 1080}, QColor(0x20, 0x20, 0x20));
    photo.properties[PropertyKey::fittingMode] = QStringLiteral("fill");
    PlacedComponent& title =
        addText(ComponentType::title, QStringLiteral("Night opening"), 72, QStringLiteral("#FFFFFF"));
    title.zIndex = 1;
    EXPECT_TRUE(check().isEmpty());
    screen().components[1].properties[PropertyKey::textColor] = QStringLiteral("#000000");
    EXPECT_EQ(rules(), QStringList{"low-contrast"});

    // A text area paints its own background first: black on black, whatever the screen shows.
    screen().components.clear();
    PlacedComponent& area =
        addText(ComponentType::textArea, QStringLiteral("Quiet please"), 40, QStringLiteral("#000000"));
    area.properties[PropertyKey::backgroundColor] = QStringLiteral("#000000");
    EXPECT_EQ(rules(), QStringList{"low-contrast"});
}

} // namespace
} // namespace vistrelle::test_support
