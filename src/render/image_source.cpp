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
    , state_(std::make_shared<State>(State{std::move(loaded), {}, {}})) {}

ImageSource::Lookup AsyncImageSource::lookup(const QString& storedPath) {
    if (std::optional<QImage> image = cache_.cachedImage(storedPath))
        return {ImageSource::State::loaded, *image};
    if (state_->failed.contains(storedPath) || storedPath.isEmpty())
        return {ImageSource::State::failed, {}};
    if (!state_->pending.contains(storedPath) && context_) {
        state_->pending.insert(storedPath);
        const std::weak_ptr<State> weak = state_;
        cache_.requestImage(storedPath, context_, [weak, storedPath](const std::optional<QImage>& image) {
            const std::shared_ptr<State> state = weak.lock();
            if (!state)
                return; // the source is gone; the cache keeps the picture for the next one
            state->pending.remove(storedPath);
            if (!image)
                state->failed.insert(storedPath);
            if (state->loaded)
                state->loaded();
        });
    }
    return {ImageSource::State::loading, {}};
}

void ImageSnapshot::take(ImageSource& source, const QString& storedPath) {
    if (!lookups_.contains(storedPath))
        lookups_.insert(storedPath, source.lookup(storedPath));
}

ImageSource::Lookup ImageSnapshot::lookup(const QString& storedPath) {
    const auto it = lookups_.constFind(storedPath);
    if (it == lookups_.cend())
        return {State::loading, {}};
    return *it;
}

} // namespace vistrelle
