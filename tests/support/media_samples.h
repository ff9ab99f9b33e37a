#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>

namespace vistrelle::test_support {

// The bytes of a small picture that decodes: media reach a bundle only when their content is one.
inline QByteArray pictureBytes(const char* format = "PNG", QColor color = QColor(40, 90, 160)) {
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// The start of an MP4 file (its "ftyp" box), which is what tells a video container.
inline QByteArray videoBytes(const QByteArray& rest = "video bytes") {
    return QByteArray("\x00\x00\x00\x18"
                      "ftypisom\x00\x00\x02\x00"
                      "isomiso2",
                      24) +
           rest;
}

// A PNG of `side` × `side` grey pixels that is small on disk and takes side² bytes to decode: above
// 11600 a side that is more than the image reader's 128 MB limit (a decompression bomb).
inline QByteArray pngBombBytes(int side) {
    const auto crc = [](const QByteArray& bytes) {
        quint32 c = 0xFFFFFFFFu;
        for (const char byte : bytes) {
            c ^= quint8(byte);
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        return c ^ 0xFFFFFFFFu;
    };
    const auto big = [](quint32 value) {
        const char bytes[] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
        return QByteArray(bytes, 4);
    };
    const auto chunk = [&](const QByteArray& type, const QByteArray& data) {
        return big(quint32(data.size())) + type + data + big(crc(type + data));
    };
    // Each row: filter 0 and its pixels, all zero; zlib's stream is what qCompress writes after its length.
    const QByteArray pixels = qCompress(QByteArray(qsizetype(side + 1) * side, '\0'), 9).mid(4);
    const QByteArray header = big(quint32(side)) + big(quint32(side)) + QByteArray("\x08\x00\x00\x00\x00", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", pixels) +
           chunk("IEND", {});
}

} // namespace vistrelle::test_support
