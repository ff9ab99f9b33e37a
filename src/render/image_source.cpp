#include "render/image_source.h"

#include "media/image_cache.h"

namespace vistrelle {

BlockingImageSource::BlockingImageSource(ImageCache& cache)
    : cache_(cache) {}

ImageSource::Lookup BlockingImageSource::lookup(const QString& storedPath) {
    if (const std::optional<QImage> image = cache_.imageNow(storedPath))
        return {State::loaded, *image};
    return {State::failed, {}};
}

AsyncImageSource::AsyncImageSource(ImageCache& cache, QObject* context, std::function<void()> loaded)
    : cache_(cache)
    , context_(context)
    , loaded_(std::move(loaded)) {}

ImageSource::Lookup AsyncImageSource::lookup(const QString& storedPath) {
    if (std::optional<QImage> image = cache_.cachedImage(storedPath))
        return {State::loaded, *image};
    if (failed_.contains(storedPath) || storedPath.isEmpty())
        return {State::failed, {}};
    if (!pending_.contains(storedPath) && context_) {
        pending_.insert(storedPath);
        cache_.requestImage(storedPath, context_, [this, storedPath](const std::optional<QImage>& image) {
            pending_.remove(storedPath);
            if (!image)
                failed_.insert(storedPath);
            if (loaded_)
                loaded_();
        });
    }
    return {State::loading, {}};
}

} // namespace vistrelle
