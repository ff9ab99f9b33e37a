#include "preview/screen_layers.h"

#include "media/image_cache.h"
#include "model/stacking_order.h"
#include "render/image_source.h"
#include "render/screen_strips.h"

#include <QtConcurrent/QtConcurrentRun>

#include <cmath>

namespace vistrelle {

namespace {

// A whole screen as the preview shows it: stacked by zIndex, videos and pages live.
StripDrawing previewDrawing(const KioskScreen& screen, double pixelsPerUnit, const LivePictures& live) {
    StripDrawing drawing;
    drawing.screen = &screen;
    drawing.units = QSizeF(double(screen.resolution.width), double(screen.resolution.height));
    drawing.scale = pixelsPerUnit;
    for (qsizetype index : stackingOrder(screen.components))
        drawing.components.append(&screen.components[index]);
    drawing.options.isPreviewMode = true;
    drawing.options.live = &live;
    return drawing;
}

} // namespace

ScreenLayers::ScreenLayers(const KioskProject& project)
    : project_(project) {}

ScreenLayers::~ScreenLayers() {
    // Drawings in flight read nothing of ours (they hold copies), but are waited for: no work outlives the
    // preview.
    for (Layer& layer : layers_)
        if (layer.drawing.isValid())
            layer.drawing.waitForFinished();
    for (QFuture<QImage>& stray : strays_)
        stray.waitForFinished();
}

const KioskScreen* ScreenLayers::screenAt(qint64 index) const {
    return index >= 0 && index < project_.screens.size() ? &project_.screens[index] : nullptr;
}

void ScreenLayers::setScale(double pointsPerUnit, double devicePixelRatio) {
    if (pointsPerUnit == pointsPerUnit_ && devicePixelRatio == devicePixelRatio_)
        return;
    pointsPerUnit_ = pointsPerUnit;
    devicePixelRatio_ = devicePixelRatio;
    keepOnly({});
}

double ScreenLayers::pixelsPerUnit(const ScreenResolution& resolution) const {
    const double wanted = pointsPerUnit_ * devicePixelRatio_;
    const double units =
        double(std::max<qint64>(resolution.width, 1)) * double(std::max<qint64>(resolution.height, 1));
    return std::min(wanted, std::sqrt(pixelBudget / units));
}

QImage ScreenLayers::draw(const KioskScreen& screen, double pixelsPerUnit, const LivePictures& live) {
    const QSizeF units(double(screen.resolution.width), double(screen.resolution.height));
    const double width = std::ceil(units.width() * pixelsPerUnit);
    const double height = std::ceil(units.height() * pixelsPerUnit);
    // A side beyond what a picture can hold belongs to a screen too thin to show anyway.
    if (units.isEmpty() || !(width >= 1 && height >= 1 && width <= 32767 && height <= 32767))
        return {};
    const QSize pixels{int(width), int(height)};
    QImage picture(pixels, QImage::Format_RGB32);
    if (picture.isNull())
        return {};
    BlockingImageSource images(ImageCache::shared());
    paintInStrips(picture, previewDrawing(screen, pixelsPerUnit, live), images);
    return picture;
}

void ScreenLayers::forgetFinishedStrays() const {
    strays_.removeIf([](const QFuture<QImage>& stray) { return stray.isFinished(); });
}

int ScreenLayers::count() const {
    forgetFinishedStrays();
    return int(layers_.size() + strays_.size());
}

void ScreenLayers::prepare(qint64 index, const LivePictures& live) {
    const KioskScreen* screen = screenAt(index);
    if (!screen || layers_.contains(index) || count() >= mostLayers)
        return;
    const double pixelsPerUnit = this->pixelsPerUnit(screen->resolution);
    Layer& layer = layers_[index];
    layer.pixelsPerUnit = pixelsPerUnit;
    layer.drawing = QtConcurrent::run(
        [screen = *screen, pixelsPerUnit, live] { return draw(screen, pixelsPerUnit, live); });
}

const QImage& ScreenLayers::layer(qint64 index, const LivePictures& live) {
    const KioskScreen* screen = screenAt(index);
    if (!screen)
        return none_;
    if (const auto it = layers_.find(index); it != layers_.end()) {
        if (it->drawing.isValid()) {
            it->image = it->drawing.result();
            it->drawing = {};
        }
        return it->image;
    }
    Layer& layer = layers_[index];
    layer.pixelsPerUnit = pixelsPerUnit(screen->resolution);
    layer.image = draw(*screen, layer.pixelsPerUnit, live);
    return layer.image;
}

void ScreenLayers::keepOnly(const QList<qint64>& indices) {
    for (auto it = layers_.begin(); it != layers_.end();) {
        if (indices.contains(it.key())) {
            ++it;
            continue;
        }
        if (it->drawing.isValid() && !it->drawing.isFinished())
            strays_.append(it->drawing);
        it = layers_.erase(it);
    }
}

void ScreenLayers::redraw(qint64 index, const QRectF& units, const LivePictures& live) {
    const KioskScreen* screen = screenAt(index);
    const auto it = layers_.find(index);
    if (!screen || it == layers_.end())
        return;
    if (it->drawing.isValid()) { // on its way: it is taken when done, then drawn over
        it->image = it->drawing.result();
        it->drawing = {};
    }
    if (it->image.isNull())
        return;
    const QRect pixels =
        QRectF(units.topLeft() * it->pixelsPerUnit, units.size() * it->pixelsPerUnit).toAlignedRect();
    BlockingImageSource images(ImageCache::shared());
    paintInStrips(it->image, previewDrawing(*screen, it->pixelsPerUnit, live), images, pixels);
}

} // namespace vistrelle
