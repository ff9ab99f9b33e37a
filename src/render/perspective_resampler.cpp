#include "render/perspective_resampler.h"

#include <QPolygonF>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <cmath>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <vector>

namespace vistrelle {
namespace {

constexpr int fixedOne = 1 << 16;

// Mixes two premultiplied pixels, `weight` of 256 towards `b`.
inline uint32_t mix(uint32_t a, uint32_t b, uint32_t weight) {
#if defined(__SSE2__)
    // All four channels at once in 16-bit lanes (none overflows: 255 × 256 < 65536).
    const __m128i zero = _mm_setzero_si128();
    const __m128i left = _mm_unpacklo_epi8(_mm_cvtsi32_si128(int(a)), zero);
    const __m128i right = _mm_unpacklo_epi8(_mm_cvtsi32_si128(int(b)), zero);
    const __m128i sum = _mm_add_epi16(_mm_mullo_epi16(left, _mm_set1_epi16(short(256 - weight))),
                                      _mm_mullo_epi16(right, _mm_set1_epi16(short(weight))));
    const __m128i scaled = _mm_srli_epi16(sum, 8);
    return uint32_t(_mm_cvtsi128_si32(_mm_packus_epi16(scaled, scaled)));
#else
    const uint32_t keep = 256 - weight;
    const uint32_t redBlue = (((a & 0xff00ff) * keep + (b & 0xff00ff) * weight) >> 8) & 0xff00ff;
    const uint32_t alphaGreen = (((a >> 8) & 0xff00ff) * keep + ((b >> 8) & 0xff00ff) * weight) & 0xff00ff00;
    return redBlue | alphaGreen;
#endif
}

// Where one destination column reads from, in 16.16 fixed point with whole
// numbers on pixel centres.
struct ColumnSource {
    bool visible = false;
    int x = 0;          // left source column of the pair
    uint32_t wx = 0;    // weight of the right one, of 256
    int64_t vStart = 0; // source row position of the first destination row
    int64_t vStep = 0;  // change per destination row
};

std::vector<ColumnSource> columnSources(const QTransform& inverse, const QRect& bounds, QSize sourceSize) {
    std::vector<ColumnSource> columns(size_t(bounds.width()));
    const double firstRow = bounds.top() + 0.5;
    for (int c = 0; c < bounds.width(); ++c) {
        const double x = bounds.left() + c + 0.5;
        const double w = inverse.m13() * x + inverse.m33();
        if (w <= 1e-9)
            continue; // behind the eye
        const double u = (inverse.m11() * x + inverse.dx()) / w - 0.5;
        if (!(u > -1 && u < sourceSize.width()))
            continue;
        const double vAtTop = (inverse.m12() * x + inverse.m22() * firstRow + inverse.dy()) / w - 0.5;
        const double vStep = inverse.m22() / w;
        if (!std::isfinite(vAtTop) || std::abs(vAtTop) > 1e6 || std::abs(vStep) > 1e4)
            continue;
        ColumnSource& column = columns[size_t(c)];
        const auto fixedU = int64_t(std::floor(u * fixedOne));
        column.visible = true;
        column.x = int(fixedU >> 16);
        column.wx = uint32_t(fixedU >> 8) & 0xff;
        column.vStart = int64_t(std::floor(vAtTop * fixedOne));
        column.vStep = int64_t(std::llround(vStep * fixedOne));
    }
    return columns;
}

// Runs `work(first, end)` over `count` rows in bands on the thread pool.
template <typename Work> void forRowBands(int count, Work work) {
    constexpr int bandHeight = 48;
    std::vector<int> starts;
    for (int row = 0; row < count; row += bandHeight)
        starts.push_back(row);
    QtConcurrent::blockingMap(starts, [&](int start) { work(start, std::min(start + bandHeight, count)); });
}

} // namespace

bool keepsVerticalLinesVertical(const QTransform& transform) {
    return transform.m21() == 0 && transform.m23() == 0;
}

ResampledPicture resampleColumnwise(const QImage& source, const QTransform& transform, QSize targetSize) {
    ResampledPicture result;
    if (source.isNull() || targetSize.isEmpty() || !keepsVerticalLinesVertical(transform))
        return result;
    bool invertible = false;
    const QTransform inverse = transform.inverted(&invertible);
    if (!invertible || !keepsVerticalLinesVertical(inverse))
        return result;

    const QRectF sourceRect(QPointF(0, 0), QSizeF(source.size()));
    const QRect bounds = transform.map(QPolygonF(sourceRect))
                             .boundingRect()
                             .toAlignedRect()
                             .adjusted(-1, -1, 1, 1)
                             .intersected(QRect(QPoint(0, 0), targetSize));
    if (bounds.isEmpty())
        return result;

    // RGB32 keeps 0xff in its unused byte, so it reads as opaque premultiplied pixels.
    const QImage pixels =
        source.format() == QImage::Format_ARGB32_Premultiplied || source.format() == QImage::Format_RGB32
            ? source
            : source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const std::vector<ColumnSource> columns = columnSources(inverse, bounds, pixels.size());
    const int width = bounds.width();
    const int sourceWidth = pixels.width();
    const int sourceHeight = pixels.height();

    // Across: every source row resampled to the destination's columns.
    QImage across(width, sourceHeight, QImage::Format_ARGB32_Premultiplied);
    QImage target(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    if (across.isNull() || target.isNull())
        return result;
    forRowBands(sourceHeight, [&](int first, int end) {
        for (int row = first; row < end; ++row) {
            const auto* in = reinterpret_cast<const uint32_t*>(pixels.constScanLine(row));
            auto* out = reinterpret_cast<uint32_t*>(across.scanLine(row));
            for (int c = 0; c < width; ++c) {
                const ColumnSource& column = columns[size_t(c)];
                if (!column.visible) {
                    out[c] = 0;
                } else if (column.x >= 0 && column.x + 1 < sourceWidth) {
                    out[c] = mix(in[column.x], in[column.x + 1], column.wx);
                } else {
                    // At the page's edges the missing neighbour is transparent, which softens them.
                    const uint32_t left = column.x >= 0 ? in[column.x] : 0;
                    const uint32_t right = column.x + 1 < sourceWidth ? in[column.x + 1] : 0;
                    out[c] = mix(left, right, column.wx);
                }
            }
        }
    });

    // Down: every destination row from the two nearest rows of `across`.
    const uchar* acrossBits = across.constBits();
    const qsizetype acrossStride = across.bytesPerLine();
    auto acrossPixel = [&](int64_t row, int c) -> uint32_t {
        if (row < 0 || row >= sourceHeight)
            return 0;
        return reinterpret_cast<const uint32_t*>(acrossBits + row * acrossStride)[c];
    };
    forRowBands(bounds.height(), [&](int first, int end) {
        for (int row = first; row < end; ++row) {
            auto* out = reinterpret_cast<uint32_t*>(target.scanLine(row));
            for (int c = 0; c < width; ++c) {
                const ColumnSource& column = columns[size_t(c)];
                const int64_t v = column.vStart + column.vStep * row;
                const int64_t top = v >> 16;
                if (!column.visible || top < -1 || top >= sourceHeight) {
                    out[c] = 0;
                    continue;
                }
                const auto wy = uint32_t(v >> 8) & 0xff;
                out[c] = mix(acrossPixel(top, c), acrossPixel(top + 1, c), wy);
            }
        }
    });

    result.image = std::move(target);
    result.topLeft = bounds.topLeft();
    return result;
}

} // namespace vistrelle
