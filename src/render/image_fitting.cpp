#include "render/image_fitting.h"

#include <algorithm>
#include <cmath>

namespace vistrelle {

namespace {

// A tiny picture in a huge frame would mean millions of copies: beyond this,
// the copies are too small to tell apart anyway.
constexpr qint64 maximumTiles = 10000;

QRectF centredRect(QSizeF size, const QRectF& frame) {
    return {frame.center().x() - size.width() / 2, frame.center().y() - size.height() / 2, size.width(),
            size.height()};
}

} // namespace

QList<QRectF> fittedImageRects(QSizeF imageSize, const QString& mode, const QRectF& frame) {
    const double w = imageSize.width();
    const double h = imageSize.height();
    if (!(w > 0) || !(h > 0) || !(frame.width() > 0) || !(frame.height() > 0))
        return {};
    if (mode == QLatin1StringView("fit") || mode == QLatin1StringView("fill")) {
        const double sx = frame.width() / w;
        const double sy = frame.height() / h;
        const double s = mode == QLatin1StringView("fit") ? std::min(sx, sy) : std::max(sx, sy);
        return {centredRect(QSizeF(w * s, h * s), frame)};
    }
    if (mode == QLatin1StringView("center"))
        return {centredRect(imageSize, frame)};
    if (mode == QLatin1StringView("tile")) {
        const qint64 columns = qint64(std::ceil(frame.width() / w));
        const qint64 rows = qint64(std::ceil(frame.height() / h));
        if (columns * rows > maximumTiles)
            return {frame}; // drawn stretched rather than as millions of dots
        QList<QRectF> tiles;
        tiles.reserve(columns * rows);
        for (qint64 row = 0; row < rows; ++row)
            for (qint64 column = 0; column < columns; ++column)
                tiles.append(QRectF(frame.left() + column * w, frame.top() + row * h, w, h));
        return tiles;
    }
    return {frame};
}

bool fittingClipsToFrame(const QString& fittingMode) {
    return fittingMode != QLatin1StringView("center");
}

void paintFittedImage(QPainter& painter, const QImage& image, const QString& fittingMode,
                      const QRectF& frame) {
    const QList<QRectF> rects = fittedImageRects(image.size(), fittingMode, frame);
    if (rects.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (fittingClipsToFrame(fittingMode))
        painter.setClipRect(frame, Qt::IntersectClip);
    for (const QRectF& target : rects)
        painter.drawImage(target, image);
    painter.restore();
}

} // namespace vistrelle
