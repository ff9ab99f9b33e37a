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

#if defined(__SSE2__)
// Mixes four pairs of premultiplied pixels at once, each pair with its own `weights` lane (of 256).
inline __m128i mix4(__m128i a, __m128i b, __m128i weights) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i narrow = _mm_packs_epi32(weights, weights);     // w0 w1 w2 w3 w0 w1 w2 w3
    const __m128i pairs = _mm_unpacklo_epi16(narrow, narrow);     // w0 w0 w1 w1 w2 w2 w3 w3
    const __m128i lowWeights = _mm_unpacklo_epi32(pairs, pairs);  // w0 ×4, w1 ×4
    const __m128i highWeights = _mm_unpackhi_epi32(pairs, pairs); // w2 ×4, w3 ×4
    const __m128i full = _mm_set1_epi16(256);
    const auto half = [&](__m128i left, __m128i right, __m128i weight) {
        const __m128i sum =
            _mm_add_epi16(_mm_mullo_epi16(left, _mm_sub_epi16(full, weight)), _mm_mullo_epi16(right, weight));
        return _mm_srli_epi16(sum, 8);
    };
    return _mm_packus_epi16(half(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero), lowWeights),
                            half(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero), highWeights));
}
#endif

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

// Runs `work(first, end)` over `count` rows (or columns) in bands on the thread pool.
template <typename Work> void forBands(int count, int band, Work work) {
    std::vector<int> starts;
    for (int first = 0; first < count; first += band)
        starts.push_back(first);
    QtConcurrent::blockingMap(starts, [&](int start) { work(start, std::min(start + band, count)); });
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

    // Each destination pixel mixes four source pixels: across in its column's source pair, then down
    // between the two nearest rows. Rows of the destination are written in order, and the source rows
    // they read drift slowly, so what one row reads the next finds in the cache. The target is kept for
    // the next frame of the same size (a fresh one costs a page fault every 4 KB at 30 frames a second);
    // it is reused only once the caller has let go of the last one.
    thread_local QImage targetKept;
    QImage& target = targetKept; // a plain reference: the bands run on threads with their own thread_locals
    if (target.size() != bounds.size() || !target.isDetached())
        target = QImage(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    if (target.isNull())
        return result;
    uchar* const targetBits = target.bits(); // once: scanLine() from many threads would race on the picture
    const qsizetype targetStride = target.bytesPerLine();
    const uchar* const sourceBits = pixels.constBits();
    const qsizetype sourceStride = pixels.bytesPerLine();
    const int height = bounds.height();

    const auto sourcePixel = [&](int64_t row, int x) -> uint32_t {
        // Outside the picture is transparent, which softens the page's edges.
        return row < 0 || row >= sourceHeight || x < 0 || x >= sourceWidth
                   ? 0
                   : reinterpret_cast<const uint32_t*>(sourceBits + row * sourceStride)[x];
    };
    const auto pixelAt = [&](int64_t v, int c) -> uint32_t {
        const ColumnSource& column = columns[size_t(c)];
        const int64_t top = v >> 16;
        if (!column.visible || top < -1 || top >= sourceHeight)
            return 0;
        const uint32_t upper = mix(sourcePixel(top, column.x), sourcePixel(top, column.x + 1), column.wx);
        const uint32_t lower =
            mix(sourcePixel(top + 1, column.x), sourcePixel(top + 1, column.x + 1), column.wx);
        return mix(upper, lower, uint32_t(v >> 8) & 0xff);
    };
#if defined(__SSE2__)
    std::vector<uint32_t> acrossWeights(size_t(width) + 4, 0);
    for (int c = 0; c < width; ++c)
        acrossWeights[size_t(c)] = columns[size_t(c)].wx;
#endif
    forBands(height, 64, [&](int first, int end) {
        for (int row = first; row < end; ++row) {
            auto* out = reinterpret_cast<uint32_t*>(targetBits + qsizetype(row) * targetStride);
            int c = 0;
#if defined(__SSE2__)
            for (; c + 4 <= width; c += 4) {
                __m128i pairs[2][4]; // [upper or lower row][column]: the column's two neighbours
                alignas(16) uint32_t downWeights[4];
                bool inside = true;
                for (int k = 0; k < 4 && inside; ++k) {
                    const ColumnSource& column = columns[size_t(c + k)];
                    const int64_t v = column.vStart + column.vStep * row;
                    const int64_t top = v >> 16;
                    inside = column.visible && column.x >= 0 && column.x + 1 < sourceWidth && top >= 0 &&
                             top + 1 < sourceHeight;
                    if (!inside)
                        break;
                    const uchar* upper = sourceBits + top * sourceStride + qsizetype(column.x) * 4;
                    // The rows the next destination rows read: a diagonal walk the processor cannot guess.
                    _mm_prefetch(reinterpret_cast<const char*>(upper + 3 * sourceStride), _MM_HINT_T0);
                    pairs[0][k] = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(upper));
                    pairs[1][k] = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(upper + sourceStride));
                    downWeights[k] = uint32_t(v >> 8) & 0xff;
                }
                if (!inside) {
                    for (int k = c; k < c + 4; ++k)
                        out[k] = pixelAt(columns[size_t(k)].vStart + columns[size_t(k)].vStep * row, k);
                    continue;
                }
                const __m128i weights =
                    _mm_loadu_si128(reinterpret_cast<const __m128i*>(acrossWeights.data() + c));
                __m128i rows[2];
                for (int r = 0; r < 2; ++r) {
                    const __m128i firstTwo = _mm_unpacklo_epi32(pairs[r][0], pairs[r][1]); // L0 L1 R0 R1
                    const __m128i lastTwo = _mm_unpacklo_epi32(pairs[r][2], pairs[r][3]);  // L2 L3 R2 R3
                    rows[r] = mix4(_mm_unpacklo_epi64(firstTwo, lastTwo),
                                   _mm_unpackhi_epi64(firstTwo, lastTwo), weights);
                }
                _mm_storeu_si128(
                    reinterpret_cast<__m128i*>(out + c),
                    mix4(rows[0], rows[1], _mm_load_si128(reinterpret_cast<const __m128i*>(downWeights))));
            }
#endif
            for (; c < width; ++c)
                out[c] = pixelAt(columns[size_t(c)].vStart + columns[size_t(c)].vStep * row, c);
        }
    });

    result.image = target;
    result.topLeft = bounds.topLeft();
    return result;
}

} // namespace vistrelle
