#include "model/component_factory.h"
#include "model/component_properties.h"

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

class ComponentFactoryTest : public ::testing::Test {};

PropertyMap props(std::initializer_list<std::pair<QString, QString>> entries) {
    PropertyMap map;
    for (const auto& [key, value] : entries)
        map.insert(key, value);
    return map;
}

} // namespace

TEST_F(ComponentFactoryTest, NewShapeHasExactlyTheCreationKeys) {
    const PlacedComponent shape = makeComponent(ComponentType::shape, {12.5, 40});
    EXPECT_EQ(shape.properties, props({{"shapeType", "star"},
                                       {"fillColor", "#FFD700"},
                                       {"strokeColor", "#FFA500"},
                                       {"strokeWidth", "2"},
                                       {"points", "5"},
                                       {"innerRadius", "0.4"},
                                       {"rotation", "0"}}));
    EXPECT_EQ(shape.position, (Point{12.5, 40}));
    EXPECT_EQ(shape.size, (Size{100, 100}));
    EXPECT_EQ(shape.zIndex, 0);
    EXPECT_EQ(shape.constraints.width, ConstraintType::fixed);
    EXPECT_EQ(shape.constraints.height, ConstraintType::fixed);
    EXPECT_EQ(shape.constraints.top, ConstraintType::none);
    EXPECT_EQ(shape.constraints.centerY, ConstraintType::none);
}

TEST_F(ComponentFactoryTest, EveryTypeGetsItsSizeAndAFreshId) {
    const std::pair<ComponentType, Size> expected[] = {
        {ComponentType::image, {150, 150}},   {ComponentType::title, {200, 60}},
        {ComponentType::label, {150, 30}},    {ComponentType::textArea, {250, 120}},
        {ComponentType::webView, {300, 200}}, {ComponentType::video, {320, 180}},
        {ComponentType::shape, {100, 100}},   {ComponentType::icon, {60, 60}},
    };
    QSet<QUuid> ids;
    for (const auto& [type, size] : expected) {
        const PlacedComponent component = makeComponent(type, {});
        EXPECT_EQ(component.componentType, type);
        EXPECT_EQ(component.size, size) << storedString(type).toStdString();
        ids.insert(component.id);
    }
    EXPECT_EQ(ids.size(), 8);
}

TEST_F(ComponentFactoryTest, CreationValuesOfTextWebImageVideoAndIcon) {
    const PlacedComponent title = makeComponent(ComponentType::title, {});
    EXPECT_EQ(title.properties.value("isBold"), "true");
    EXPECT_EQ(title.properties.value("fontSize"), "24");
    EXPECT_FALSE(title.properties.contains("fontName"));
    const PlacedComponent area = makeComponent(ComponentType::textArea, {});
    EXPECT_EQ(area.properties.value("textAlignment"), "leading");
    EXPECT_TRUE(area.properties.value("text").startsWith("This is a sample text area"));

    const PlacedComponent web = makeComponent(ComponentType::webView, {});
    EXPECT_TRUE(web.properties.contains("url") && web.properties.value("url").isEmpty());
    EXPECT_TRUE(web.properties.contains("htmlContent") && web.properties.value("htmlContent").isEmpty());
    EXPECT_EQ(web.properties.value("allowsMagnification"), "true");

    const PlacedComponent image = makeComponent(ComponentType::image, {});
    EXPECT_EQ(image.properties, props({{"imagePath", ""}, {"cornerRadius", "8"}}));

    const PlacedComponent video = makeComponent(ComponentType::video, {});
    EXPECT_EQ(video.properties.value("fittingMode"), "fill");
    EXPECT_EQ(video.properties.value("isMuted"), "true");
    EXPECT_TRUE(video.properties.contains("videoPath"));

    const PlacedComponent icon = makeComponent(ComponentType::icon, {});
    EXPECT_EQ(icon.properties, props({{"iconName", "face.smiling"},
                                      {"iconColor", "#007AFF"},
                                      {"iconSize", "24"},
                                      {"iconWeight", "regular"}}));
}

TEST_F(ComponentFactoryTest, AMediaPathIsShownOnlyByPicturesAndFilms) {
    EXPECT_EQ(
        makeComponent(ComponentType::image, {}, QStringLiteral("~/a b.png")).properties.value("imagePath"),
        "~/a b.png");
    EXPECT_EQ(makeComponent(ComponentType::video, {}, QStringLiteral("/media/clip.mp4"))
                  .properties.value("videoPath"),
              "/media/clip.mp4");
    const PlacedComponent title = makeComponent(ComponentType::title, {}, QStringLiteral("/media/clip.mp4"));
    EXPECT_EQ(title.properties, makeComponent(ComponentType::title, {}).properties)
        << "a title takes no path";
}

TEST(ComponentPropertyReaderTest, BooleansAreTrueOnlyForExactTrueExceptTheTwoInvertedKeys) {
    const PropertyMap p = props({{"isBold", "TRUE"},
                                 {"isItalic", "1"},
                                 {"isUnderlined", "true"},
                                 {"showsControls", "False"},
                                 {"allowsMagnification", "false"}});
    EXPECT_FALSE(boolProperty(p, "isBold"));
    EXPECT_FALSE(boolProperty(p, "isItalic"));
    EXPECT_TRUE(boolProperty(p, "isUnderlined"));
    EXPECT_FALSE(boolProperty(p, "isLooping"));
    EXPECT_TRUE(boolProperty(p, "showsControls"));
    EXPECT_FALSE(boolProperty(p, "allowsMagnification"));
    EXPECT_TRUE(boolProperty({}, "showsControls"));
    EXPECT_TRUE(boolProperty({}, "allowsMagnification"));
}

TEST(ComponentPropertyReaderTest, NumbersAndCountsFallBackWhenUnreadable) {
    const PropertyMap p = props({{"iconSize", "abc"},
                                 {"fontSize", "0.4"},
                                 {"opacity", "nan"},
                                 {"rotation", "inf"},
                                 {"strokeWidth", "-3.5"},
                                 {"points", "+6"},
                                 {"borderWidth", ""}});
    EXPECT_EQ(numberProperty(p, "iconSize", 24), 24);
    EXPECT_EQ(numberProperty(p, "fontSize", 12), 0.4);
    EXPECT_EQ(numberProperty(p, "innerRadius", 0.4), 0.4);
    EXPECT_EQ(numberProperty(p, "opacity", 1.0), 1.0);
    EXPECT_EQ(numberProperty(p, "rotation", 0), 0);
    EXPECT_EQ(numberProperty(p, "strokeWidth", 2), -3.5);
    EXPECT_EQ(numberProperty(p, "borderWidth", 7), 7) << "an empty text is no number";
    EXPECT_EQ(integerProperty(p, "points", 5), 6);
    EXPECT_EQ(integerProperty(props({{"points", ""}}), "points", 5), 5);
    EXPECT_EQ(integerProperty(props({{"points", "-2"}}), "points", 5), -2);
    EXPECT_EQ(integerProperty(props({{"points", "5.5"}}), "points", 5), 5);
    EXPECT_EQ(integerProperty(props({{"points", " 6"}}), "points", 5), 5);
    EXPECT_EQ(numberProperty(props({{"iconSize", "30 "}}), "iconSize", 24), 24);
}

TEST(ComponentPropertyReaderTest, ColoursFallBackWhenMissingOrUnreadable) {
    const PropertyMap p = props({{"fillColor", "#00FF00"}, {"strokeColor", "orange"}});
    EXPECT_EQ(colorProperty(p, "fillColor", Qt::black), QColor(Qt::green));
    EXPECT_EQ(colorProperty(p, "strokeColor", Qt::black), QColor(Qt::black)) << "colour names are not read";
    EXPECT_EQ(colorProperty(p, "iconColor", Qt::blue), QColor(Qt::blue));
}
