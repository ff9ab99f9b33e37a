#include "media/image_cache.h"

#include "media/path_resolver.h"

#include <QFutureWatcher>
#include <QMutexLocker>
#include <QtConcurrent/QtConcurrentRun>

namespace vistrelle {

ImageCache& ImageCache::shared() {
    static ImageCache cache;
    return cache;
}

ImageCache::ImageCache(Loader loader)
    : loader_(std::move(loader)) {
    if (!loader_)
        loader_ = [](const QString& path) {
            return PathResolver::shared().loadImage(path, loadLimit, loadLimit);
        };
}

ImageCache::~ImageCache() {
    // Loads still running store into this cache.
    std::unique_lock lock(loadsMutex_);
    loadsDone_.wait(lock, [this] { return runningLoads_ == 0; });
}

qint64 ImageCache::byteCost(const QImage& image) {
    return qint64(image.width()) * image.height() * 4;
}

void ImageCache::requestImage(const QString& path, QObject* context, Delivery deliver) {
    if (path.isEmpty()) {
        deliver(std::nullopt);
        return;
    }
    if (std::optional<QImage> cached = cachedImage(path)) {
        deliver(cached);
        return;
    }
    // The picture goes into the cache on the pool thread, so it is kept even when its requester is
    // gone by then. Delivery goes through a watcher owned by the requester: deleting the requester
    // deletes the watcher on the requester's own thread, which no pool thread can race with.
    // (A continuation with a context checks the context on the pool thread and then uses it.)
    auto* watcher = new QFutureWatcher<std::optional<QImage>>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher,
                     [watcher, deliver = std::move(deliver)] {
                         watcher->deleteLater();
                         deliver(watcher->result());
                     });
    {
        const std::lock_guard lock(loadsMutex_);
        ++runningLoads_;
    }
    watcher->setFuture(QtConcurrent::run([this, loader = loader_, path] {
        std::optional<QImage> image = loader(path);
        if (image)
            store(*image, path);
        const std::lock_guard lock(loadsMutex_);
        if (--runningLoads_ == 0)
            loadsDone_.notify_all();
        return image;
    }));
}

std::optional<QImage> ImageCache::imageNow(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    if (std::optional<QImage> cached = cachedImage(path))
        return cached;
    std::optional<QImage> image = loader_(path);
    if (image)
        store(*image, path);
    return image;
}

std::optional<QImage> ImageCache::cachedImage(const QString& path) {
    QMutexLocker lock(&mutex_);
    const auto it = cache_.constFind(path);
    if (it == cache_.cend())
        return std::nullopt;
    touchLocked(path);
    return *it;
}

void ImageCache::store(const QImage& image, const QString& path) {
    QMutexLocker lock(&mutex_);
    if (cache_.contains(path)) {
        totalBytes_ -= byteCost_.value(path, 0);
        byteCost_.remove(path);
        cache_.remove(path);
        // Left in the order, its old place would make the image stored now the first to be evicted below.
        accessOrder_.removeAll(path);
    }
    const qint64 cost = byteCost(image);
    cache_.insert(path, image);
    byteCost_.insert(path, cost);
    totalBytes_ += cost;
    // `path` joins the order only afterwards, so the eviction never takes the image stored now.
    while (cache_.size() > maxCacheSize_ || totalBytes_ > maxMemoryBytes_) {
        // The last image stays, however large.
        if (cache_.size() < 2 || accessOrder_.isEmpty())
            break;
        evictLocked();
    }
    touchLocked(path);
}

void ImageCache::touch(const QString& path) {
    QMutexLocker lock(&mutex_);
    touchLocked(path);
}

void ImageCache::touchLocked(const QString& path) {
    accessOrder_.removeAll(path);
    accessOrder_.append(path);
}

void ImageCache::evict() {
    QMutexLocker lock(&mutex_);
    evictLocked();
}

void ImageCache::evictLocked() {
    // Past 50 entries the cache shrinks to 49 at once; otherwise one entry goes.
    const qsizetype n =
        std::min(accessOrder_.size(), qsizetype(std::max(qsizetype(cache_.size()), qsizetype(50)) - 49));
    for (qsizetype i = 0; i < n; ++i) {
        const QString& path = accessOrder_[i];
        totalBytes_ -= byteCost_.value(path, 0);
        byteCost_.remove(path);
        cache_.remove(path);
    }
    accessOrder_.remove(0, n);
}

int ImageCache::count() const {
    QMutexLocker lock(&mutex_);
    return int(cache_.size());
}

qint64 ImageCache::totalBytes() const {
    QMutexLocker lock(&mutex_);
    return totalBytes_;
}

QStringList ImageCache::accessOrder() const {
    QMutexLocker lock(&mutex_);
    return accessOrder_;
}

void ImageCache::setLimits(int maxEntries, qint64 maxBytes) {
    QMutexLocker lock(&mutex_);
    maxCacheSize_ = maxEntries;
    maxMemoryBytes_ = maxBytes;
}

} // namespace vistrelle
