#pragma once

#include <QByteArray>
#include <QImage>

namespace vistrelle {

// `image` as a standard PNG (8 bits a channel: RGB where every pixel is opaque, else RGBA), its rows
// filtered as each compresses best and deflated by libdeflate at `level` (1 fastest … 12 smallest). Empty
// for a null image or when memory runs out.
// The level slides are written at: files about as small as the image library's (smaller for photographs),
// in a fraction of its time (render_bench's BM_PngLevel weighs the levels).
inline constexpr int defaultPngLevel = 7;

QByteArray encodePng(const QImage& image, int level = defaultPngLevel);

} // namespace vistrelle
