#include "media/image_cache.h"
#include "model/component_factory.h"
#include "render/background_renderer.h"
#include "render/component_renderer.h"
#include "render/image_source.h"
#include "render/screen_painter.h"
#include "richtext/font_resolver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

using namespace vistrelle;

namespace {

// An image source with nothing in it: every picture has failed to load.
class NoImages : public ImageSource {
public:
    Lookup lookup(const QString&) override { return {State::failed, {}}; }
};

QImage paintedBackground(const BackgroundStyle& style, QSize size = {100, 50}) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    NoImages images;
    paintBackground(painter, style, QSizeF(size), images);
    return image;
}

bool near(const QColor& a, const QColor& b, int tolerance = 8) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

} // namespace

TEST(BackgroundRendererTest, ColoursAndGradientsFallBackAsDocumented) {
    EXPECT_EQ(paintedBackground({BackgroundType::color, "#123456", {}, {}}).pixelColor(50, 25),
              QColor("#123456"));
    EXPECT_EQ(paintedBackground({BackgroundType::color, "red", {}, {}}).pixelColor(50, 25),
              QColor(Qt::white));

    const QImage horizontal =
        paintedBackground({BackgroundType::gradient,
                           "#000000",
                           {},
                           GradientStyle{"#FF0000", "not a colour", GradientDirection::horizontal}});
    EXPECT_TRUE(near(horizontal.pixelColor(0, 25), Qt::red));
    EXPECT_TRUE(near(horizontal.pixelColor(99, 25), Qt::black)); // unreadable end: black
    const QImage fallback = paintedBackground({BackgroundType::gradient, "#000000", {}, std::nullopt});
    EXPECT_TRUE(near(fallback.pixelColor(50, 0), Qt::white));
    EXPECT_TRUE(near(fallback.pixelColor(50, 49), Qt::gray));

    // A picture that cannot be loaded leaves grey over the whole area.
    const QImage missing = paintedBackground({BackgroundType::image, "#000000", "/no/such.png", {}});
    EXPECT_NE(missing.pixelColor(0, 0), QColor(Qt::magenta));
    EXPECT_EQ(missing.pixelColor(0, 0), missing.pixelColor(99, 49));
}

TEST(ComponentRendererTest, RotationTurnsClockwiseAndTheSelectionOutlineStaysUpright) {
    PlacedComponent triangle = makeComponent(ComponentType::shape, {0, 0});
    triangle.size = {100, 100};
    triangle.properties["shapeType"] = "triangle";
    triangle.properties["strokeWidth"] = "0";
    triangle.properties["fillColor"] = "#0000FF";
    triangle.properties["rotation"] = "90";
    QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    NoImages images;
    paintComponent(painter, triangle, images, {true, false, nullptr, {}});
    painter.end();
    // Its tip pointed up; a quarter turn clockwise points it right: the right middle is blue, the top middle
    // not.
    EXPECT_EQ(image.pixelColor(90, 50), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(50, 8), QColor(Qt::white));
    // The outline runs along the unrotated frame.
    EXPECT_TRUE(near(image.pixelColor(50, 0), QColor(0x00, 0x7A, 0xFF), 60));
}

TEST(ComponentRendererTest, TextKeepsItsDecorationsAndAlignment) {
    NoImages images;
    const auto render = [&](const PropertyMap& extra) {
        PlacedComponent label = makeComponent(ComponentType::label, {});
        label.size = {300, 60};
        for (auto it = extra.cbegin(); it != extra.cend(); ++it)
            label.properties[it.key()] = it.value();
        QImage image(300, 60, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        paintComponent(painter, label, images);
        return image;
    };
    // Inked columns of a picture: where the text starts and ends.
    const auto inkedSpan = [](const QImage& image) {
        int first = image.width();
        int last = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y).lightness() < 128) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        return std::pair(first, last);
    };
    EXPECT_NE(render({{"isUnderlined", "true"}}), render({}));
    const auto [leadingStart, leadingEnd] = inkedSpan(render({{"textAlignment", "leading"}}));
    const auto [trailingStart, trailingEnd] = inkedSpan(render({{"textAlignment", "trailing"}}));
    const auto [centreStart, centreEnd] = inkedSpan(render({}));
    EXPECT_LT(leadingStart, 5);
    EXPECT_GT(trailingEnd, 294);
    EXPECT_NEAR((centreStart + centreEnd) / 2.0, 150, 4);
}

TEST(ComponentRendererTest, AbsurdValuesDrawNothingOrSomethingBounded) {
    NoImages images;
    const auto absurd = [](ComponentType type, Size size) {
        PlacedComponent c = makeComponent(type, {});
        c.size = size;
        c.properties["fontSize"] = "nan";
        c.properties["points"] = "1000000";
        c.properties["iconSize"] = "1e300";
        c.properties["rotation"] = "1e308";
        return c;
    };
    QImage blank(50, 50, QImage::Format_ARGB32_Premultiplied);
    blank.fill(Qt::white);
    QImage image = blank;
    {
        // Without a frame there is nothing to draw, nor anything for the canvas to redraw.
        QPainter painter(&image);
        for (const ComponentType type : allCases<ComponentType>())
            for (const Size size : {Size{0, 0}, Size{-5, 10}, Size{std::nan(""), 5}, Size{5, qInf()}}) {
                const PlacedComponent c = absurd(type, size);
                paintComponent(painter, c, images, {true, false, nullptr, {}});
                EXPECT_TRUE(paintedBounds(c).isEmpty()) << storedString(type).toStdString();
            }
    }
    EXPECT_TRUE(image == blank);

    // A frame too large to mean anything is drawn at a size that can be drawn.
    QPainter painter(&image);
    const QRectF reasonable(-1e6, -1e6, 2e6, 2e6);
    for (const ComponentType type : allCases<ComponentType>()) {
        const PlacedComponent c = absurd(type, {1e9, 1e9});
        paintComponent(painter, c, images);
        EXPECT_TRUE(reasonable.contains(paintedBounds(c))) << storedString(type).toStdString();
    }
}

TEST(FontResolverTest, ClassicFamiliesFindTheirInstalledTwins) {
    const QString helvetica = resolveFontFamily("Helvetica");
    EXPECT_FALSE(helvetica.isEmpty());
    EXPECT_NE(resolveFontFamily("Times"), helvetica);
    EXPECT_EQ(resolveFontFamily("No Such Family"), helvetica);
    const QFont font = documentFont("Courier", 20, true, false, false);
    EXPECT_EQ(font.pixelSize(), 20);
    EXPECT_TRUE(QFontInfo(font).fixedPitch());
}

TEST(ScreenPainterTest, ComponentsStackByZIndexOrByListOrder) {
    KioskScreen screen("S");
    PlacedComponent red = makeComponent(ComponentType::shape, {0, 0});
    red.properties = {{"shapeType", "rectangle"}, {"fillColor", "#FF0000"}, {"strokeWidth", "0"}};
    red.zIndex = 5;
    PlacedComponent blue = red;
    blue.properties["fillColor"] = "#0000FF";
    blue.zIndex = 1;
    screen.components = {red, blue};
    NoImages images;
    const QImage byZ = renderScreenImage(screen, {200, 200}, images, ComponentOrder::byZIndex);
    const QImage byList = renderScreenImage(screen, {200, 200}, images, ComponentOrder::listOrder);
    EXPECT_EQ(byZ.pixelColor(50, 50), QColor(Qt::red));
    EXPECT_EQ(byList.pixelColor(50, 50), QColor(Qt::blue));
    EXPECT_EQ(byZ.pixelColor(150, 150), QColor(Qt::white));
    EXPECT_TRUE(renderScreenImage(screen, {0, 100}, images, ComponentOrder::listOrder).isNull());
    EXPECT_TRUE(renderScreenImage(screen, {100000, 100000}, images, ComponentOrder::listOrder).isNull());
}

TEST(ImageSourceTest, TheCanvasSourceAnswersAtOnceAndCallsBackWhenAPictureArrives) {
    ImageCache cache([](const QString& path) -> std::optional<QImage> {
        if (path == "/bad")
            return std::nullopt;
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::green);
        return image;
    });
    QObject context;
    int callbacks = 0;
    AsyncImageSource source(cache, &context, [&] { ++callbacks; });
    EXPECT_EQ(source.lookup("/good").state, ImageSource::State::loading);
    EXPECT_EQ(source.lookup("/bad").state, ImageSource::State::loading);
    EXPECT_EQ(source.lookup("").state, ImageSource::State::failed);
    const auto waitUntil = [](const std::function<bool()>& done) {
        QElapsedTimer waited;
        waited.start();
        while (!done() && waited.elapsed() < 10000) {
            QCoreApplication::processEvents();
            QThread::msleep(2);
        }
        return done();
    };
    waitUntil([&] { return callbacks >= 2; });
    ASSERT_EQ(callbacks, 2);
    EXPECT_EQ(source.lookup("/good").state, ImageSource::State::loaded);
    EXPECT_EQ(source.lookup("/bad").state, ImageSource::State::failed);

    // A source that goes away while a picture loads is not called back.
    auto shortLived = std::make_unique<AsyncImageSource>(cache, &context, [&] { ++callbacks; });
    shortLived->lookup("/other");
    shortLived.reset();
    ASSERT_TRUE(waitUntil([&] { return cache.count() == 2; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(callbacks, 2);
    EXPECT_TRUE(cache.cachedImage("/other"));
}

TEST(ScreenPainterTest, TranslucentBackgroundsShowTheWhiteBaseAndReusedCanvasesStartClean) {
    NoImages images;
    KioskScreen dark("Dark");
    dark.background = {BackgroundType::color, "#000000", std::nullopt, std::nullopt};
    KioskScreen translucent("Translucent");
    translucent.background = {BackgroundType::color, "#80FF0000", std::nullopt, std::nullopt};
    QImage canvas;
    ASSERT_TRUE(renderScreenInto(canvas, dark, {40, 40}, images, ComponentOrder::listOrder));
    EXPECT_EQ(canvas.pixelColor(20, 20), QColor(Qt::black));
    // The same canvas again: half-transparent red over white, not over the last slide's black.
    ASSERT_TRUE(renderScreenInto(canvas, translucent, {40, 40}, images, ComponentOrder::listOrder));
    const QColor pink = canvas.pixelColor(20, 20);
    EXPECT_EQ(pink.red(), 255);
    EXPECT_NEAR(pink.green(), 127, 2);
    EXPECT_NEAR(pink.blue(), 127, 2);
    EXPECT_FALSE(backgroundIsOpaque(translucent.background));
    EXPECT_TRUE(backgroundIsOpaque(dark.background));
}
