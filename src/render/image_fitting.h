#pragma once

#include <QImage>
#include <QList>
#include <QPainter>
#include <QRectF>

namespace vistrelle {

// Where the copies of an image of `imageSize` go in `frame` for a fitting mode:
// "fit" (letterboxed), "fill" (covering, centred), "center" (natural size,
// centred, may overflow), "tile" (natural size from the top-left corner,
// ceil(frame / image) copies each way), and "stretch" or any other word.
QList<QRectF> fittedImageRects(QSizeF imageSize, const QString& fittingMode, const QRectF& frame);

// Whether a mode's drawing is clipped to the frame ("center" is not).
bool fittingClipsToFrame(const QString& fittingMode);

// Draws `image` into `frame` by `fittingMode`.
void paintFittedImage(QPainter& painter, const QImage& image, const QString& fittingMode,
                      const QRectF& frame);

} // namespace vistrelle
