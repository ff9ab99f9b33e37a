#pragma once

#include <QImage>
#include <QTransform>

namespace vistrelle {

// A picture drawn through a transform, as a premultiplied image covering only
// the bounding box of where it lands.
struct ResampledPicture {
    QImage image;   // empty when nothing of the source is visible
    QPoint topLeft; // where `image` goes, in destination pixels
};

// Whether `transform` maps vertical lines to vertical lines (a turn about a
// vertical axis, offsets and scales), which `resampleColumnwise` needs.
bool keepsVerticalLinesVertical(const QTransform& transform);

// Draws `source` through `transform` (source pixels to destination pixels) into
// a destination of `targetSize` pixels, sampling bilinearly and leaving
// everything outside the source transparent, so its edges come out smooth.
// Meant for the perspective page turn, which the general painter draws several
// times more slowly. Every destination column then reads one source column
// (pair), so the picture is resampled across first and down second, each pass
// shared among the machine's cores. Nothing for other transforms.
ResampledPicture resampleColumnwise(const QImage& source, const QTransform& transform, QSize targetSize);

} // namespace vistrelle
