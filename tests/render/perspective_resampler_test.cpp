#include "render/perspective_resampler.h"
#include "render/transition_geometry.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

using namespace vistrelle;

namespace {

// Small cells in both directions, so a wrong row, column or weight shows.
QImage checkerboard(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    for (int y = 0; y < size.height(); y += 3)
        for (int x = 0; x < size.width(); x += 3)
            painter.fillRect(x, y, 3, 3, ((x + y) / 3) % 2 ? QColor(230, 40, 40) : QColor(30, 60, 200));
    painter.fillRect(0, 0, size.width() / 4, size.height() / 4, Qt::yellow);
    return image;
}

// Mean difference per channel, 0…255.
double meanDifference(const QImage& a, const QImage& b) {
    double total = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                     std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    return total / (4.0 * a.width() * a.height());
}

QImage placedOnBlack(const ResampledPicture& picture, QSize size) {
    QImage frame(size, QImage::Format_ARGB32_Premultiplied);
    frame.fill(Qt::black);
    QPainter painter(&frame);
    painter.drawImage(picture.topLeft, picture.image);
    return frame;
}

} // namespace

TEST(PerspectiveResampler, DrawsTheTurnedPageWhereThePainterWould) {
    const QSize size(320, 180);
    const QImage source = checkerboard(size);
    for (const bool exiting : {true, false}) {
        for (const double progress : {0.2, 0.5, 0.8}) {
            const QTransform turn =
                transitionLayer(TransitionEffect::pageTurn, progress, exiting, QSizeF(size))
                    .transform(QSizeF(size));
            ASSERT_FALSE(turn.isAffine());

            QImage expected(size, QImage::Format_ARGB32_Premultiplied);
            expected.fill(Qt::black);
            QPainter painter(&expected);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.setTransform(turn);
            painter.drawImage(0, 0, source);
            painter.end();

            const ResampledPicture turned = resampleColumnwise(source, turn, size);
            ASSERT_FALSE(turned.image.isNull());
            EXPECT_LT(meanDifference(placedOnBlack(turned, size), expected), 1.0)
                << "exiting " << exiting << " at " << progress;
        }
    }
}

TEST(PerspectiveResampler, LeavesTransformsItCannotDrawAndEmptyResultsToTheCaller) {
    const QImage source = checkerboard(QSize(64, 64));
    EXPECT_FALSE(keepsVerticalLinesVertical(QTransform().rotate(10)));
    EXPECT_TRUE(resampleColumnwise(source, QTransform().rotate(10), QSize(64, 64)).image.isNull());
    EXPECT_TRUE(resampleColumnwise(source, QTransform::fromScale(0, 1), QSize(64, 64)).image.isNull());
    EXPECT_TRUE(resampleColumnwise(source, QTransform::fromTranslate(500, 0), QSize(64, 64)).image.isNull());
    EXPECT_TRUE(resampleColumnwise(QImage(), QTransform(), QSize(64, 64)).image.isNull());

    // An offset picture lands where it was sent, cut at the destination's edge.
    const ResampledPicture moved =
        resampleColumnwise(source, QTransform::fromTranslate(40, 8), QSize(64, 64));
    EXPECT_EQ(moved.topLeft, QPoint(39, 7));
    EXPECT_EQ(moved.image.pixel(41 - 39, 10 - 7), source.pixel(1, 2));
}
