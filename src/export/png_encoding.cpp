#include "export/png_encoding.h"

#include <libdeflate.h>

#include <QtEndian>

#include <cstdlib>
#include <memory>

namespace vistrelle {

namespace {

struct CompressorFree {
    void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};

void appendChunk(QByteArray& png, const char type[4], const char* data, qsizetype size) {
    uchar length[4];
    qToBigEndian(quint32(size), length);
    png.append(reinterpret_cast<const char*>(length), 4);
    const qsizetype start = png.size();
    png.append(type, 4);
    png.append(data, size);
    const quint32 crc = libdeflate_crc32(0, png.constData() + start, size_t(png.size() - start));
    uchar crcBytes[4];
    qToBigEndian(crc, crcBytes);
    png.append(reinterpret_cast<const char*>(crcBytes), 4);
}

// Whether every pixel of a picture with an alpha channel is opaque (the usual slide: its background is).
bool isOpaque(const QImage& image) {
    if (image.format() != QImage::Format_ARGB32_Premultiplied && image.format() != QImage::Format_ARGB32)
        return isOpaque(image.convertToFormat(QImage::Format_ARGB32));
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        quint32 all = 0xFF000000u;
        for (int x = 0; x < image.width(); ++x)
            all &= row[x];
        if ((all & 0xFF000000u) != 0xFF000000u)
            return false;
    }
    return true;
}

// The Paeth predictor, without branches so that a row's loop vectorises.
inline uchar paeth(int a, int b, int c) {
    const int pa = std::abs(b - c);
    const int pb = std::abs(a - c);
    const int pc = std::abs(a + b - 2 * c);
    const int bc = pb <= pc ? b : c;
    return uchar(pa <= pb && pa <= pc ? a : bc);
}

quint64 signedSum(const uchar* bytes, qsizetype n) {
    quint64 sum = 0;
    for (qsizetype x = 0; x < n; ++x)
        sum += bytes[x] < 128 ? bytes[x] : 256 - bytes[x];
    return sum;
}

// One row filtered each of the five ways into `out` (five rows of `width` bytes), each in a loop of its own
// so the compiler can vectorise it; returns the best: the one whose bytes, read as signed, sum smallest
// (the usual heuristic).
int filterRow(const uchar* row, const uchar* above, qsizetype width, int bpp, uchar* out) {
    uchar* none = out;
    uchar* sub = out + width;
    uchar* up = out + 2 * width;
    uchar* average = out + 3 * width;
    uchar* bestGuess = out + 4 * width;
    std::memcpy(none, row, size_t(width));
    for (qsizetype x = 0; x < bpp && x < width; ++x) {
        sub[x] = row[x];
        up[x] = uchar(row[x] - (above ? above[x] : 0));
        average[x] = uchar(row[x] - ((above ? above[x] : 0) >> 1));
        bestGuess[x] = uchar(row[x] - (above ? above[x] : 0)); // Paeth of (0, up, 0) is up
    }
    for (qsizetype x = bpp; x < width; ++x)
        sub[x] = uchar(row[x] - row[x - bpp]);
    if (above) {
        for (qsizetype x = bpp; x < width; ++x)
            up[x] = uchar(row[x] - above[x]);
        for (qsizetype x = bpp; x < width; ++x)
            average[x] = uchar(row[x] - ((int(row[x - bpp]) + int(above[x])) >> 1));
        for (qsizetype x = bpp; x < width; ++x)
            bestGuess[x] = uchar(row[x] - paeth(row[x - bpp], above[x], above[x - bpp]));
    } else {
        std::memcpy(up + bpp, row + bpp, size_t(std::max<qsizetype>(0, width - bpp)));
        for (qsizetype x = bpp; x < width; ++x)
            average[x] = uchar(row[x] - (row[x - bpp] >> 1));
        std::memcpy(bestGuess + bpp, sub + bpp, size_t(std::max<qsizetype>(0, width - bpp)));
    }
    int best = 0;
    quint64 bestSum = signedSum(none, width);
    for (int f = 1; f < 5; ++f)
        if (const quint64 sum = signedSum(out + f * width, width); sum < bestSum) {
            best = f;
            bestSum = sum;
        }
    return best;
}

} // namespace

QByteArray encodePng(const QImage& source, int level) {
    if (source.isNull())
        return {};
    // 8-bit channels in byte order: R, G, B where every pixel is opaque, else straight (not premultiplied)
    // R, G, B, A.
    const bool opaque = !source.hasAlphaChannel() || isOpaque(source);
    const QImage image = source.convertToFormat(opaque ? QImage::Format_RGB888 : QImage::Format_RGBA8888);
    if (image.isNull())
        return {};
    const qsizetype width = image.width();
    const qsizetype height = image.height();
    const int bpp = opaque ? 3 : 4;
    const qsizetype rowBytes = width * bpp;

    // Each row: its filter's byte, then the filtered bytes.
    QByteArray raw(height * (rowBytes + 1), Qt::Uninitialized);
    QByteArray trial(rowBytes * 5, Qt::Uninitialized);
    if (raw.isNull() || trial.isNull())
        return {};
    const uchar* above = nullptr;
    for (qsizetype y = 0; y < height; ++y) {
        const uchar* row = image.constScanLine(int(y));
        uchar* out = reinterpret_cast<uchar*>(raw.data()) + y * (rowBytes + 1);
        const int filter = filterRow(row, above, rowBytes, bpp, reinterpret_cast<uchar*>(trial.data()));
        out[0] = uchar(filter);
        std::memcpy(out + 1, trial.constData() + filter * rowBytes, size_t(rowBytes));
        above = row;
    }

    QByteArray deflated;
    size_t deflatedSize = 0;
    const auto deflate = [&](int atLevel) {
        const std::unique_ptr<libdeflate_compressor, CompressorFree> compressor(
            libdeflate_alloc_compressor(std::clamp(atLevel, 1, 12)));
        if (!compressor)
            return false;
        QByteArray into(qsizetype(libdeflate_zlib_compress_bound(compressor.get(), size_t(raw.size()))),
                        Qt::Uninitialized);
        if (into.isNull())
            return false;
        const size_t size = libdeflate_zlib_compress(compressor.get(), raw.constData(), size_t(raw.size()),
                                                     into.data(), size_t(into.size()));
        if (size == 0 || (deflatedSize != 0 && size >= deflatedSize))
            return size != 0;
        deflated = std::move(into);
        deflatedSize = size;
        return true;
    };
    if (!deflate(level == automaticPngLevel ? photoLevel : level))
        return {};
    // Drawn graphics deflate to a small part of their size, and a deeper search pays there; photographs gain
    // nothing from it.
    if (level == automaticPngLevel && qsizetype(deflatedSize) * 5 < raw.size() && !deflate(graphicsLevel))
        return {};

    QByteArray png;
    png.reserve(qsizetype(deflatedSize) + 64);
    png.append("\x89PNG\r\n\x1a\n", 8);
    uchar header[13];
    qToBigEndian(quint32(width), header);
    qToBigEndian(quint32(height), header + 4);
    header[8] = 8;                            // bits a channel
    header[9] = opaque ? 2 : 6;               // RGB or RGBA
    header[10] = header[11] = header[12] = 0; // deflate, adaptive filters, no interlace
    appendChunk(png, "IHDR", reinterpret_cast<const char*>(header), 13);
    // Chunks hold at most 2^31 - 1 bytes; a slide's data is far below that, but split it anyway.
    constexpr qsizetype largestChunk = 1 << 30;
    for (qsizetype offset = 0; offset < qsizetype(deflatedSize); offset += largestChunk)
        appendChunk(png, "IDAT", deflated.constData() + offset,
                    std::min(largestChunk, qsizetype(deflatedSize) - offset));
    appendChunk(png, "IEND", nullptr, 0);
    return png;
}

} // namespace vistrelle
