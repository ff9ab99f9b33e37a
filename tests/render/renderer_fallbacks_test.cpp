#include "render/component_renderer.h"
#include "render/image_source.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vistrelle;

// What the renderer draws for a key that is missing: each component is built with only the keys a case
// needs, so every other value comes from the renderer's own defaults.

namespace {

class NoImages : public ImageSource {
public:
    Lookup lookup(const QString&) override { return {State::failed, {}}; }
};

PlacedComponent component(ComponentType type, Size size, const PropertyMap& properties) {
    PlacedComponent c;
    c.componentType = type;
    c.size = size;
    c.properties = properties;
    return c;
}

// `c` drawn on white, its frame placed at `offset`.
QImage drawn(const PlacedComponent& c, QSize imageSize, QPointF offset = {}) {
    QImage image(imageSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(offset);
    NoImages images;
    paintComponent(painter, c, images);
    return image;
}

bool near(const QColor& a, const QColor& b, int tolerance = 8) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// The smallest rectangle holding every pixel that is not white.
QRect inkedBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != QColor(Qt::white))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST(RendererFallbacksTest, ShapesStrokeAtTwoAndStarsTurnInAtFourTenths) {
    // A 5-point star of outer radius 100 about (100, 100): its first inner corner lies at 36° and,
    // at 0.4, radius 40. Along that ray a point at 36 is inside, one at 44 outside.
    const QImage star = drawn(
        component(ComponentType::shape, {200, 200},
                  {{"shapeType", "star"}, {"points", "5"}, {"strokeWidth", "0"}, {"fillColor", "#0000FF"}}),
        {200, 200});
    EXPECT_TRUE(near(star.pixelColor(129, 121), Qt::blue));
    EXPECT_TRUE(near(star.pixelColor(135, 125), Qt::white));

    // The stroke is centred on the frame's edge at x = 10: two pixels wide, it covers columns 9 and 10.
    const QImage square =
        drawn(component(ComponentType::shape, {40, 40},
                        {{"shapeType", "rectangle"}, {"fillColor", "#0000FF"}, {"strokeColor", "#FF0000"}}),
              {60, 60}, {10, 10});
    EXPECT_TRUE(near(square.pixelColor(8, 30), Qt::white));
    EXPECT_TRUE(near(square.pixelColor(9, 30), Qt::red));
    EXPECT_TRUE(near(square.pixelColor(10, 30), Qt::red));
    EXPECT_TRUE(near(square.pixelColor(11, 30), Qt::blue));
}

TEST(RendererFallbacksTest, IconsDrawAtTwentyFour) {
    // The smiling face's ring spans 20 of the symbol's 24 units, centred.
    const QImage icon = drawn(
        component(ComponentType::icon, {100, 100}, {{"iconName", "face.smiling"}, {"iconColor", "#0000FF"}}),
        {100, 100});
    const QRect ink = inkedBox(icon);
    EXPECT_TRUE(QRect(38, 38, 24, 24).contains(ink)) << ink.x() << ", " << ink.y() << ", " << ink.width();
    EXPECT_GE(ink.width(), 18);
    EXPECT_GE(ink.height(), 18);
}

TEST(RendererFallbacksTest, VideosWithAFileRoundTheirCornersByEight) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile file(folder.filePath("clip.mp4"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)); // only its existence is looked at
    file.close();
    const QImage video = drawn(component(ComponentType::video, {100, 60},
                                         {{"videoPath", file.fileName()}, {"backgroundColor", "#00FF00"}}),
                               {100, 60});
    // Pixel centres 9.2 and 6.4 from the centre (8, 8) of the corner's arc.
    EXPECT_TRUE(near(video.pixelColor(1, 1), Qt::white));
    EXPECT_TRUE(near(video.pixelColor(3, 3), Qt::green));
}

TEST(RendererFallbacksTest, ABlankTitleDrawsTheSampleTitle) {
    const auto title = [](const QString& text) {
        return drawn(component(ComponentType::title, {300, 60}, {{"text", text}}), {300, 60});
    };
    const QImage sample = title("Sample Title");
    EXPECT_TRUE(title("   ") == sample);
    EXPECT_FALSE(title("Other Title") == sample); // the comparison sees the text
}
