#include "render/image_action.h"
#include "render/image_fitting.h"
#include "render/shape_outline.h"

#include <gtest/gtest.h>

using namespace vistrelle;

TEST(ShapeOutlineTest, EveryShapeFillsItsFrame) {
    const QRectF frame(0, 0, 200, 100);
    EXPECT_EQ(shapeOutline("rectangle", frame, 5, 0.4).boundingRect(), frame);
    EXPECT_EQ(shapeOutline("circle", frame, 5, 0.4).boundingRect(), QRectF(50, 0, 100, 100));
    const QPainterPath triangle = shapeOutline("triangle", frame, 5, 0.4);
    EXPECT_EQ(triangle.elementAt(0).x, 100);
    EXPECT_EQ(triangle.elementAt(0).y, 0);
    EXPECT_TRUE(shapeOutline("diamond", frame, 5, 0.4).contains(QPointF(100, 50)));
    EXPECT_FALSE(shapeOutline("diamond", frame, 5, 0.4).contains(QPointF(10, 10)));
    // An unknown word draws the default star.
    EXPECT_EQ(shapeOutline("hexagon", frame, 5, 0.4), starOutline(frame, 5, 0.4));
}

TEST(ShapeOutlineTest, StarsStartPointingRightAndStayBounded) {
    const QPainterPath star = starOutline(QRectF(0, 0, 200, 100), 3, 0.5);
    ASSERT_EQ(star.elementCount(), 7); // six vertices, closed
    EXPECT_DOUBLE_EQ(star.elementAt(0).x, 150);
    EXPECT_DOUBLE_EQ(star.elementAt(0).y, 50);
    // Inner vertices lie a quarter of the smaller side from the centre.
    const QPointF inner(star.elementAt(1).x, star.elementAt(1).y);
    EXPECT_NEAR(std::hypot(inner.x() - 100, inner.y() - 50), 25, 1e-9);
    EXPECT_TRUE(starOutline(QRectF(0, 0, 100, 100), 0, 0.4).isEmpty());
    EXPECT_TRUE(starOutline(QRectF(0, 0, 100, 100), -3, 0.4).isEmpty());
    EXPECT_TRUE(starOutline(QRectF(0, 0, 100, 100), 5, std::nan("")).isEmpty());
    EXPECT_EQ(starOutline(QRectF(0, 0, 100, 100), 10000, 0.4).elementCount(), 2 * 4096 + 1);
}

TEST(ImageFittingTest, ModesPlaceThePictureAsNamed) {
    const QRectF frame(0, 0, 250, 120);
    const QSizeF picture(100, 100);
    EXPECT_EQ(fittedImageRects(picture, "fit", frame), QList<QRectF>{QRectF(65, 0, 120, 120)});
    EXPECT_EQ(fittedImageRects(picture, "fill", frame), QList<QRectF>{QRectF(0, -65, 250, 250)});
    EXPECT_EQ(fittedImageRects(picture, "center", frame), QList<QRectF>{QRectF(75, 10, 100, 100)});
    EXPECT_EQ(fittedImageRects(picture, "stretch", frame), QList<QRectF>{frame});
    EXPECT_EQ(fittedImageRects(picture, "zoom", frame), QList<QRectF>{frame});
    const QList<QRectF> tiles = fittedImageRects(picture, "tile", frame);
    ASSERT_EQ(tiles.size(), 6); // 3 × 2 copies, clipped by the painter
    EXPECT_EQ(tiles.last(), QRectF(200, 100, 100, 100));
    EXPECT_TRUE(fittedImageRects(picture, "fit", QRectF(0, 0, 0, 0)).isEmpty());
    EXPECT_TRUE(fittedImageRects(picture, "fit", QRectF(0, 0, -5, 10)).isEmpty());
    EXPECT_EQ(fittedImageRects(QSizeF(1, 1), "tile", QRectF(0, 0, 100000, 100000)).size(), 1);
    EXPECT_FALSE(fittingClipsToFrame("center"));
    EXPECT_TRUE(fittingClipsToFrame("fill"));
}

TEST(ImageFittingTest, FillIsClippedToTheFrame) {
    QImage picture(10, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QImage canvas(40, 40, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    paintFittedImage(painter, picture, "fill", QRectF(10, 10, 20, 20));
    painter.end();
    EXPECT_EQ(canvas.pixelColor(20, 20), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(20, 5), QColor(Qt::white)); // the overflow above the frame is cut
}

TEST(ImageActionTest, CategoriesComposeTheirActionStrings) {
    EXPECT_EQ(imageButtonAction({}), std::nullopt);
    EXPECT_EQ(imageButtonAction({{"actionCategory", "navigation"}, {"targetScreenId", "next"}}), "next");
    EXPECT_EQ(imageButtonAction({{"actionCategory", "navigation"}}), std::nullopt);
    EXPECT_EQ(imageButtonAction({{"actionCategory", "alert"}, {"alertMessage", "Hi"}}), "alert:Alert:Hi");
    EXPECT_EQ(imageButtonAction({{"actionCategory", "system"}, {"systemAction", "mute_toggle"}}),
              "system:mute_toggle");
    EXPECT_EQ(imageButtonAction({{"actionCategory", "component"},
                                 {"componentAction", "play_video"},
                                 {"targetComponentId", "ABC"}}),
              "component:play_video:ABC");
    EXPECT_EQ(imageButtonAction({{"actionCategory", "component"}, {"componentAction", "play_video"}}),
              std::nullopt);
    EXPECT_EQ(imageButtonAction({{"actionCategory", "teleport"}}), std::nullopt);
}
