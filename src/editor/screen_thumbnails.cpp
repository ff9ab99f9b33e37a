#include "editor/screen_thumbnails.h"

#include "media/image_cache.h"
#include "render/image_source.h"
#include "render/screen_painter.h"

#include <QPainter>
#include <QtConcurrent/QtConcurrentRun>

#include <cmath>

namespace vistrelle {

ScreenThumbnails::ScreenThumbnails(QObject* parent)
    : QObject(parent) {
    pause_.setSingleShot(true);
    pause_.setInterval(pauseMs);
    connect(&pause_, &QTimer::timeout, this, &ScreenThumbnails::startBatch);
    connect(&running_, &QFutureWatcher<Batch>::finished, this, &ScreenThumbnails::takeBatch);
}

ScreenThumbnails::~ScreenThumbnails() {
    running_.waitForFinished();
}

void ScreenThumbnails::clear() {
    ++generation_;
    present_.clear();
    wanted_.clear();
    drawn_.clear();
    images_.clear();
}

void ScreenThumbnails::update(const QList<KioskScreen>& screens) {
    QSet<QUuid>& present = present_;
    present.clear();
    for (const KioskScreen& screen : screens) {
        present.insert(screen.id);
        const auto drawn = drawn_.constFind(screen.id);
        if (drawn != drawn_.cend() && *drawn == screen) {
            wanted_.remove(screen.id); // an edit undone before its picture was drawn
            continue;
        }
        wanted_.insert(screen.id, screen);
    }
    for (auto it = images_.begin(); it != images_.end();)
        if (!present.contains(it.key())) {
            drawn_.remove(it.key());
            it = images_.erase(it);
        } else {
            ++it;
        }
    for (auto it = wanted_.begin(); it != wanted_.end();)
        it = present.contains(it.key()) ? std::next(it) : wanted_.erase(it);
    if (!wanted_.isEmpty() && !drawing_ && !pause_.isActive())
        pause_.start();
}

QImage ScreenThumbnails::draw(const KioskScreen& screen, qreal ratio) {
    const double w = double(screen.resolution.width);
    const double h = double(screen.resolution.height);
    if (!(w > 0) || !(h > 0))
        return {};
    const double fit = std::min(width / w, height / h);
    const QSize pixels(std::max(1, int(std::lround(w * fit * ratio))),
                       std::max(1, int(std::lround(h * fit * ratio))));
    QImage picture(pixels, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(pixels.width() / w, pixels.height() / h);
        BlockingImageSource images(ImageCache::shared());
        paintScreen(painter, screen, QSizeF(w, h), images, ComponentOrder::byZIndex);
    }
    picture.setDevicePixelRatio(ratio);
    return picture;
}

void ScreenThumbnails::startBatch() {
    if (wanted_.isEmpty() || drawing_)
        return;
    Batch batch;
    for (const KioskScreen& screen : std::as_const(wanted_))
        batch.append({screen, QImage()});
    wanted_.clear();
    batchGeneration_ = generation_;
    drawing_ = true;
    running_.setFuture(QtConcurrent::run([batch = std::move(batch), ratio = ratio_]() mutable {
        for (auto& [screen, picture] : batch)
            picture = draw(screen, ratio);
        return batch;
    }));
}

void ScreenThumbnails::takeBatch() {
    drawing_ = false;
    const Batch batch = running_.result();
    if (batchGeneration_ != generation_) {
        // Another project since: its pictures are of no use.
        if (!wanted_.isEmpty())
            pause_.start();
        return;
    }
    for (const auto& [screen, picture] : batch) {
        if (!present_.contains(screen.id))
            continue; // deleted meanwhile
        drawn_.insert(screen.id, screen);
        images_.insert(screen.id, picture);
        emit thumbnailReady(screen.id);
    }
    if (!wanted_.isEmpty())
        pause_.start();
}

} // namespace vistrelle
