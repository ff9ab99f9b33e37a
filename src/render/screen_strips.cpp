#include "render/screen_strips.h"

#include "model/component_properties.h"
#include "render/background_renderer.h"
#include "render/image_source.h"

#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>

#include <cmath>

namespace vistrelle {

void paintInStrips(QImage& picture, const StripDrawing& drawing, ImageSource& images, QRect pixels) {
    if (picture.isNull() || !drawing.screen)
        return;
    const QRect whole = picture.rect();
    pixels = pixels.isEmpty() ? whole : pixels.intersected(whole);
    if (pixels.isEmpty())
        return;
    const KioskScreen& screen = *drawing.screen;
    const qreal scale = drawing.scale;

    // What to draw and where, gathered here; the pictures asked for now, on this thread.
    ImageSnapshot pictures;
    if (drawing.background && screen.background.type == BackgroundType::image && screen.background.imagePath)
        pictures.take(images, *screen.background.imagePath);
    struct Item {
        const PlacedComponent* component;
        QRectF pixels; // where it may draw, in the picture's pixels
    };
    QList<Item> items;
    for (const PlacedComponent* component : drawing.components) {
        const QRectF bounds =
            paintedBounds(*component).translated(component->position.x, component->position.y);
        const QRectF placed(bounds.topLeft() * scale, bounds.size() * scale);
        if (!placed.intersects(pixels))
            continue;
        if (component->componentType == ComponentType::image)
            pictures.take(images, component->stringProperty(PropertyKey::imagePath));
        items.append({component, placed});
    }
    const bool whiteBase = drawing.background && !backgroundIsOpaque(screen.background);

    // Drawn in strips of a few rows, on every core. A strip never hands the painter more rows than it
    // blends on the calling thread, so no fill is split into tasks for other threads (which costs
    // more than it saves on a screen of many small parts), and the strips themselves run in parallel.
    constexpr int stripRows = 64;
    QList<int> strips;
    for (int top = pixels.top(); top <= pixels.bottom(); top += stripRows)
        strips.append(top);
    uchar* const bits = picture.bits();
    const auto paintStrip = [&](int top) {
        const int rows = std::min(stripRows, pixels.bottom() + 1 - top);
        QImage strip(bits + qsizetype(top) * picture.bytesPerLine(), picture.width(), rows,
                     picture.bytesPerLine(), picture.format());
        QPainter painter(&strip);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                               QPainter::SmoothPixmapTransform);
        const QRect stripPixels(pixels.left(), top, pixels.width(), rows);
        painter.setClipRect(stripPixels.translated(0, -top));
        if (whiteBase)
            painter.fillRect(stripPixels.translated(0, -top), Qt::white);
        painter.translate(0, -top);
        painter.scale(scale, scale);
        const QRectF band(stripPixels.left() / scale, top / scale, stripPixels.width() / scale, rows / scale);
        painter.setClipRect(QRectF(QPointF(0, 0), drawing.units).intersected(band), Qt::IntersectClip);
        if (drawing.background)
            paintBackground(painter, screen.background, drawing.units, pictures);
        for (const Item& item : std::as_const(items)) {
            if (!item.pixels.intersects(stripPixels))
                continue;
            painter.save();
            painter.translate(item.component->position.x, item.component->position.y);
            paintComponent(painter, *item.component, pictures, drawing.options);
            painter.restore();
        }
        if (drawing.afterStrip)
            drawing.afterStrip(painter, band);
    };
    // Drawn on a pool thread already (a layer prepared in the background), the strips run here:
    // waiting there for strips queued behind that very thread could wait for ever.
    if (QThreadPool::globalInstance()->contains(QThread::currentThread()))
        std::for_each(strips.cbegin(), strips.cend(), paintStrip);
    else
        QtConcurrent::blockingMap(strips, paintStrip);
}

} // namespace vistrelle
