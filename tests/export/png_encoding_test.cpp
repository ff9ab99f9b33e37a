#include "export/png_encoding.h"

#include <QLinearGradient>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

// A slide-like picture: a gradient, shapes, text and grain, opaque or see-through in parts.
QImage picture(QSize size, bool seeThrough) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(seeThrough ? Qt::transparent : QColor(Qt::white));
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(11, 61, 145, seeThrough ? 120 : 255));
    gradient.setColorAt(1, QColor(0, 163, 224, seeThrough ? 200 : 255));
    painter.fillRect(QRect(QPoint(0, 0), size / 2), gradient);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(255, 209, 102));
    painter.drawEllipse(QRect(QPoint(size.width() / 3, size.height() / 3), size / 3));
    painter.setPen(Qt::black);
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, "Harbour Library");
    painter.end();
    quint32 seed = 7;
    for (int y = 0; y < size.height(); y += 3)
        for (int x = 0; x < size.width(); x += 5) {
            seed = seed * 1664525u + 1013904223u;
            const int v = int(seed >> 24);
            image.setPixel(x, y,
                           seeThrough ? qPremultiply(qRgba(v, 255 - v, v / 2, v)) : qRgb(v, 255 - v, v / 2));
        }
    return image;
}

} // namespace

TEST(PngEncodingTest, EveryPixelComesBackAndTheFileIsStandardPng) {
    const QString pngcheck = QStandardPaths::findExecutable("pngcheck");
    ASSERT_FALSE(pngcheck.isEmpty()) << "the install script installs pngcheck";
    QTemporaryDir folder;
    int n = 0;
    for (const QSize size : {QSize(1, 1), QSize(7, 3), QSize(641, 359), QSize(1920, 1080)})
        for (const bool seeThrough : {false, true}) {
            const QImage original = picture(size, seeThrough);
            const QByteArray png = encodePng(original);
            ASSERT_FALSE(png.isEmpty());
            const QImage decoded = QImage::fromData(png, "PNG");
            ASSERT_EQ(decoded.size(), size);
            EXPECT_EQ(decoded.hasAlphaChannel(), seeThrough) << "RGB where every pixel is opaque";
            const auto format = seeThrough ? QImage::Format_ARGB32 : QImage::Format_RGB32;
            EXPECT_EQ(decoded.convertToFormat(format), original.convertToFormat(format))
                << size.width() << " × " << size.height() << (seeThrough ? ", see-through" : "");

            const QString path = folder.filePath(QStringLiteral("slide%1.png").arg(++n));
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(png);
            file.close();
            QProcess check;
            check.start(pngcheck, {"-q", path});
            ASSERT_TRUE(check.waitForFinished(10000));
            EXPECT_EQ(check.exitCode(), 0) << check.readAll().toStdString();
        }
    EXPECT_TRUE(encodePng(QImage()).isEmpty());
}
