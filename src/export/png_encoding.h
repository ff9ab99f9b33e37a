#pragma once

#include <QByteArray>
#include <QImage>

namespace vistrelle {

// `image` as a standard PNG (8 bits a channel: RGB where every pixel is opaque, else RGBA), its rows
// filtered as each compresses best and deflated by libdeflate at `level` (1 fastest … 12 smallest, or
// automatic). Empty
// for a null image or when memory runs out.
// Slides are deflated at level 1, and those that come to under a fifth of their size (drawn graphics, not
// photographs) at 7 as well: photographs a few percent smaller than the image library writes them in a
// seventh of its time, graphics as small as its own in less (render_bench's BM_PngLevel weighs the levels).
inline constexpr int automaticPngLevel = 0;
inline constexpr int photoLevel = 1;
inline constexpr int graphicsLevel = 7;

QByteArray encodePng(const QImage& image, int level = automaticPngLevel);

} // namespace vistrelle
