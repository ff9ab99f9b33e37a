#include "check_fixture.h"
#include "export/new_component.h"
#include "model/stored_enum.h"

namespace vistrelle::test_support {
namespace {

class NewComponentTest : public ShowCheckTest {
protected:
    PlacedComponent drop(ComponentType type, Point corner, const std::optional<QString>& file = {}) {
        ImageCache cache;
        MediaProbe media(PathResolver::shared(), cache);
        const PlacedComponent made = componentMadeForScreen(type, corner, screen(), media, file);
        screen().components.append(made);
        return made;
    }
    // What the check finds about `component` alone.
    QStringList findingsAbout(const PlacedComponent& component) {
        QStringList found;
        for (const CheckFinding& f : check())
            if (f.componentId == component.id)
                found << f.rule + QStringLiteral(": ") + f.message;
        return found;
    }
};

TEST_F(NewComponentTest, EveryTypeDroppedAnywhereOnAnyScreenIsCleanInTheShowCheck) {
    const QString darkPicture = picture(QStringLiteral("night.png"), {400, 300}, QColor(20, 24, 40));
    const QList<BackgroundStyle> backgrounds = {
        BackgroundStyle{BackgroundType::color, QStringLiteral("#FFFFFF"), {}, {}},
        BackgroundStyle{BackgroundType::gradient,
                        QStringLiteral("#000000"),
                        {},
                        GradientStyle{QStringLiteral("#0B1026"), QStringLiteral("#2B1B4A"), {}}},
        BackgroundStyle{BackgroundType::image, QStringLiteral("#FFFFFF"), darkPicture, {}},
    };
    const QList<ScreenResolution> resolutions = {
        {1920, 1080}, {1366, 768}, {1080, 1920}, {3840, 2160}, {640, 480}};
    for (const ScreenResolution& resolution : resolutions)
        for (const BackgroundStyle& background : backgrounds)
            for (const ComponentType type : allCases<ComponentType>())
                // In the middle, over the top left corner and past the bottom right one.
                for (const Point corner :
                     {Point{resolution.width / 2.0, resolution.height / 2.0}, Point{-80, -40},
                      Point{double(resolution.width), double(resolution.height)}}) {
                    screen().resolution = resolution;
                    screen().background = background;
                    screen().components.clear();
                    const PlacedComponent made = drop(type, corner);
                    const QString where = QStringLiteral("%1 on %2 × %3 over %4 at %5, %6")
                                              .arg(storedString(type))
                                              .arg(resolution.width)
                                              .arg(resolution.height)
                                              .arg(storedString(background.type))
                                              .arg(corner.x)
                                              .arg(corner.y);
                    EXPECT_EQ(findingsAbout(made), QStringList()) << where.toStdString();
                    if (made.properties.contains(PropertyKey::fontSize)) {
                        EXPECT_GE(made.properties.value(PropertyKey::fontSize).toDouble(),
                                  resolution.height / 40.0)
                            << where.toStdString();
                    }
                }
}

TEST_F(NewComponentTest, TextAndIconsAreBlackOrWhiteWhicheverReadsBetterWhereTheyLand) {
    screen().background = BackgroundStyle{
        BackgroundType::gradient,
        QStringLiteral("#000000"),
        {},
        GradientStyle{QStringLiteral("#FFFFFF"), QStringLiteral("#000000"), GradientDirection::vertical}};
    // A vertical gradient from white at the top to black at the bottom.
    EXPECT_EQ(drop(ComponentType::title, {800, 40}).properties.value(PropertyKey::textColor), "#000000");
    EXPECT_EQ(drop(ComponentType::title, {800, 950}).properties.value(PropertyKey::textColor), "#FFFFFF");
    EXPECT_EQ(drop(ComponentType::icon, {100, 980}).properties.value(PropertyKey::iconColor), "#FFFFFF");
    // A text area draws its own white box: its words are black even on a dark screen.
    EXPECT_EQ(drop(ComponentType::textArea, {800, 900}).properties.value(PropertyKey::textColor), "#000000");
    // Over a dark picture already on the screen.
    PlacedComponent& poster = add(ComponentType::image, {0, 0}, {1920, 540});
    poster.properties[PropertyKey::imagePath] =
        picture(QStringLiteral("dark.png"), {192, 54}, QColor(30, 30, 30));
    EXPECT_EQ(drop(ComponentType::label, {900, 100}).properties.value(PropertyKey::textColor), "#FFFFFF");
}

TEST_F(NewComponentTest, FramesGrowWithTheScreenAroundTheDropPointAndStayOnIt) {
    const PlacedComponent title = drop(ComponentType::title, {100, 100});
    EXPECT_EQ(title.size, (Size{1152, 120})) << "twice as high as made for a screen 540 high, 60 % as wide";
    EXPECT_EQ(title.properties.value(PropertyKey::fontSize), "48");
    EXPECT_EQ(title.position, (Point{0, 70})) << "centred where the default frame was, kept on the screen";
    // A caption of a few words fits its new label.
    drop(ComponentType::label, {800, 900});
    screen().components.last().properties[PropertyKey::text] = QStringLiteral("Sunset over the harbour");
    EXPECT_EQ(findingsAbout(screen().components.last()), QStringList());
    // A dropped picture's frame takes its shape; a film plays by itself.
    const PlacedComponent photo =
        drop(ComponentType::image, {0, 0}, picture(QStringLiteral("harbour.png"), {1280, 720}));
    EXPECT_EQ(photo.size, (Size{960, 540}));
    EXPECT_EQ(findingsAbout(photo), QStringList());
    const PlacedComponent film = drop(ComponentType::video, {0, 0});
    EXPECT_EQ(film.properties.value(PropertyKey::isAutoplay), "true");
    EXPECT_EQ(film.properties.value(PropertyKey::isLooping), "true");
    EXPECT_EQ(film.properties.value(PropertyKey::showsControls), "false");
    screen().resolution = {320, 200};
    const PlacedComponent tiny = drop(ComponentType::video, {0, 0});
    EXPECT_EQ(tiny.size, (Size{320, 180})) << "never larger than the screen";
    EXPECT_EQ(makeComponent(ComponentType::title, {0, 0}).properties.value(PropertyKey::fontSize), "24")
        << "the document's own defaults stay";
}

} // namespace
} // namespace vistrelle::test_support
