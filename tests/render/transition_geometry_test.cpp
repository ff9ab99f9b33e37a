#include "render/transition_geometry.h"
#include "render/transition_painter.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

const QSizeF hd(1920, 1080);

TransitionLayer layer(TransitionEffect effect, double p, bool exiting) {
    return transitionLayer(effect, p, exiting, hd);
}

// The share of a frame the mask path leaves visible, sampled on a grid.
double coverage(const QPainterPath& path, QSizeF size) {
    int inside = 0;
    int total = 0;
    for (double y = 0.5; y < size.height(); y += 7)
        for (double x = 0.5; x < size.width(); x += 7, ++total)
            inside += path.contains(QPointF(x, y));
    return double(inside) / total;
}

} // namespace

TEST(TransitionGeometryTest, MovesStartOneFrameAwayAndEndInPlace) {
    EXPECT_EQ(layer(TransitionEffect::moveRight, 0, false).dx, -1920);
    EXPECT_EQ(layer(TransitionEffect::moveRight, 1, false).dx, 0);
    EXPECT_EQ(layer(TransitionEffect::moveRight, 1, true).dx, 1920);
    EXPECT_EQ(layer(TransitionEffect::moveLeft, 0, false).dx, 1920);
    EXPECT_EQ(layer(TransitionEffect::moveUp, 0, false).dy, 1080);
    EXPECT_EQ(layer(TransitionEffect::moveUp, 1, true).dy, -1080);
    EXPECT_EQ(layer(TransitionEffect::moveDown, 0.5, false).dy, -540);
    EXPECT_EQ(layer(TransitionEffect::moveDown, 7, true).dy, 1080); // progress is clamped
}

TEST(TransitionGeometryTest, ZoomsFadesAndPageTurnsFollowTheirTables) {
    const TransitionLayer zoomInEnter = layer(TransitionEffect::zoomIn, 0, false);
    EXPECT_DOUBLE_EQ(zoomInEnter.scale, 0.8);
    EXPECT_DOUBLE_EQ(zoomInEnter.opacity, 0.35);
    EXPECT_DOUBLE_EQ(layer(TransitionEffect::zoomIn, 1, true).scale, 1.08);
    EXPECT_NEAR(layer(TransitionEffect::zoomIn, 1, true).opacity, 0.15, 1e-12);
    EXPECT_DOUBLE_EQ(layer(TransitionEffect::zoomOut, 1, true).scale, 0.92);
    EXPECT_DOUBLE_EQ(layer(TransitionEffect::zoomOut, 0, false).scale, 1.2);
    EXPECT_EQ(layer(TransitionEffect::fade, 0.3, true).opacity, 1);
    EXPECT_EQ(layer(TransitionEffect::crossFade, 0.25, true).opacity, 0.75);

    const TransitionLayer turned = layer(TransitionEffect::pageTurn, 1, true);
    EXPECT_EQ(turned.rotationDegrees, -90);
    EXPECT_DOUBLE_EQ(turned.opacity, 0.65);
    EXPECT_EQ(layer(TransitionEffect::pageTurn, 1, false).rotationDegrees, 0);
    // Edge-on at 90 degrees: the whole page collapses onto its hinge.
    const QPointF farCorner = turned.transform(hd).map(QPointF(1920, 0));
    EXPECT_NEAR(farCorner.x(), 0, 1e-6);
    // Half turned, the free edge has moved towards the hinge and lies behind the screen (smaller).
    const QTransform half = layer(TransitionEffect::pageTurn, 0.5, true).transform(hd);
    EXPECT_LT(half.map(QPointF(1920, 0)).x(), 1920 * std::cos(M_PI / 4) + 1);
    EXPECT_GT(half.map(QPointF(1920, 0)).y(), 0);
}

TEST(TransitionGeometryTest, WipeBarsAlwaysMeet) {
    for (double p : {0.0, 0.3, 1.0}) {
        const QRectF out = layer(TransitionEffect::wipeRight, p, true).maskRect;
        const QRectF in = layer(TransitionEffect::wipeRight, p, false).maskRect;
        EXPECT_DOUBLE_EQ(in.right(), out.left());
        EXPECT_DOUBLE_EQ(in.width() + out.width(), 1920);
        const QRectF top = layer(TransitionEffect::wipeUp, p, true).maskRect;
        const QRectF bottom = layer(TransitionEffect::wipeUp, p, false).maskRect;
        EXPECT_DOUBLE_EQ(top.bottom(), bottom.top());
    }
}

TEST(TransitionGeometryTest, PixelDissolveUncoversDiagonalBands) {
    // 1920 × 1080: 48 × 30 cells of 40 × 36; each drawn one point larger.
    EXPECT_TRUE(pixelDissolveRows(hd, 0).isEmpty());
    const QList<QRectF> all = pixelDissolveRows(hd, 1);
    ASSERT_EQ(all.size(), 30);
    EXPECT_EQ(all[0], QRectF(0, 0, 1921, 37));
    EXPECT_EQ(all[29], QRectF(0, 29 * 36, 1921, 37));
    // At 0.5 a row r holds the cells with r + c + 1 ≤ 38.5.
    const QList<QRectF> half = pixelDissolveRows(hd, 0.5);
    EXPECT_EQ(half[0].width(), 38 * 40 + 1);
    EXPECT_EQ(half[29].width(), 9 * 40 + 1);
    // A small frame keeps the minimum grid of 16 × 12.
    EXPECT_EQ(pixelDissolveRows(QSizeF(400, 300), 1).size(), 12);
    EXPECT_EQ(pixelDissolveRows(QSizeF(0, 0), 1).size(), 12);
}

TEST(TransitionGeometryTest, StarRevealGrowsFromACentredStar) {
    const QPainterPath star = starRevealPath(5, QRectF(0, 0, 100, 100));
    EXPECT_EQ(star.elementCount(), 11); // ten vertices and the closing point
    EXPECT_EQ(star.elementAt(0).x, 50);
    EXPECT_EQ(star.elementAt(0).y, 0);
    EXPECT_TRUE(starRevealPath(0, QRectF(0, 0, 100, 100)).isEmpty());
    EXPECT_EQ(starRevealPath(10000, QRectF(0, 0, 100, 100)).elementCount(), 2 * 4096 + 1);

    EXPECT_DOUBLE_EQ(layer(TransitionEffect::starReveal, 0, false).starScale, 0.05);
    EXPECT_NEAR(layer(TransitionEffect::starReveal, 1, false).starScale, 2.28, 0.01);
    EXPECT_EQ(layer(TransitionEffect::starReveal, 1, true).mask, TransitionLayer::Mask::full);
    const double early = coverage(layer(TransitionEffect::starReveal, 0.1, false).maskPath(hd), hd);
    const double late = coverage(layer(TransitionEffect::starReveal, 1, false).maskPath(hd), hd);
    EXPECT_LT(early, 0.1);
    EXPECT_GT(late, 0.7);
}

TEST(TransitionPainterTest, AMoveHalfWayShowsHalfOfEachScreen) {
    QImage from(200, 100, QImage::Format_RGB32);
    from.fill(Qt::red);
    QImage to(200, 100, QImage::Format_RGB32);
    to.fill(Qt::blue);
    QImage frame(200, 100, QImage::Format_RGB32);
    QPainter painter(&frame);
    paintTransitionFrame(painter, QSizeF(200, 100), TransitionEffect::moveRight, 0.5, from, to);
    painter.end();
    EXPECT_EQ(frame.pixelColor(50, 50), QColor(Qt::blue));
    EXPECT_EQ(frame.pixelColor(150, 50), QColor(Qt::red));

    QImage dissolve(200, 100, QImage::Format_RGB32);
    QPainter second(&dissolve);
    paintTransitionFrame(second, QSizeF(200, 100), TransitionEffect::pixelDissolve, 0.5, from, to);
    second.end();
    EXPECT_EQ(dissolve.pixelColor(1, 1), QColor(Qt::blue));               // the top-left corner goes first
    EXPECT_EQ(dissolve.pixelColor(1, int(100.0 / 12)), QColor(Qt::blue)); // no seam where rows overlap
    EXPECT_EQ(dissolve.pixelColor(198, 98), QColor(Qt::red));             // the bottom-right one last
}
