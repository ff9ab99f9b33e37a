#pragma once

#include <QHash>
#include <QImage>
#include <QMutex>
#include <QObject>
#include <QStringList>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>

namespace vistrelle {

// Decoded media images by stored path, bounded by entry count and estimated
// bytes, least recently used out first. Loading runs on the thread pool;
// results come back on the thread of the requester's context object.
// Thread-safe: the state is touched by one request at a time.
class ImageCache {
public:
    using Loader = std::function<std::optional<QImage>(const QString& path)>;
    using Delivery = std::function<void(const std::optional<QImage>&)>;

    static constexpr int loadLimit = 2048;

    static ImageCache& shared();

    // `loader` turns a stored path into an image (default: the path resolver at the 2048 limit).
    explicit ImageCache(Loader loader = {});
    // Waits for the loads still running.
    ~ImageCache();
    ImageCache(const ImageCache&) = delete;
    ImageCache& operator=(const ImageCache&) = delete;

    // Delivers the image for `path`: at once when cached, else after loading in
    // the background, on `context`'s thread (not at all if `context` is gone).
    // `context` must live on the calling thread. A loaded image is cached even
    // when `context` is gone by then.
    // An empty path, or a load that fails, delivers nothing (std::nullopt).
    void requestImage(const QString& path, QObject* context, Delivery deliver);
    // The image for `path`, loading it on the calling thread when not cached.
    std::optional<QImage> imageNow(const QString& path);
    std::optional<QImage> cachedImage(const QString& path);

    void store(const QImage& image, const QString& path);
    void touch(const QString& path);
    void evict();

    static qint64 byteCost(const QImage& image);

    int count() const;
    qint64 totalBytes() const;
    QStringList accessOrder() const;
    int maxCacheSize() const { return maxCacheSize_; }
    qint64 maxMemoryBytes() const { return maxMemoryBytes_; }
    void setLimits(int maxEntries, qint64 maxBytes);

private:
    void touchLocked(const QString& path);
    void evictLocked();

    Loader loader_;
    mutable QMutex mutex_;
    QHash<QString, QImage> cache_;
    QHash<QString, qint64> byteCost_;
    qint64 totalBytes_ = 0;
    QStringList accessOrder_;
    std::mutex loadsMutex_;
    std::condition_variable loadsDone_;
    int runningLoads_ = 0;
    int maxCacheSize_ = 50;
    qint64 maxMemoryBytes_ = 268435456;
};

} // namespace vistrelle
