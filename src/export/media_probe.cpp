#include "export/media_probe.h"

#include "media/image_cache.h"
#include "media/path_resolver.h"

#include <QFileInfo>
#include <QImageReader>

namespace vistrelle {

MediaProbe::MediaProbe(const PathResolver& resolver, ImageCache& cache)
    : resolver_(resolver), cache_(cache), images_(cache) {}

MediaInfo MediaProbe::file(const QString& storedPath) const {
    return {mediaFileState(storedPath, resolver_), false, {}};
}

MediaInfo MediaProbe::picture(const QString& storedPath) {
    MediaInfo info = file(storedPath);
    if (info.state != MediaFileState::regular)
        return info;
    const std::optional<QString> path = resolver_.availableFile(storedPath);
    if (!path)
        return {MediaFileState::missing, false, {}};
    const QFileInfo stamp(*path);
    {
        const QMutexLocker lock(&mutex_);
        const auto known = known_.constFind(storedPath);
        if (known != known_.cend() && known->modified == stamp.lastModified() && known->bytes == stamp.size())
            return known->info;
    }
    QImageReader reader(*path);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    // Decoding it is the only sure test; the cache keeps the result for drawing.
    const std::optional<QImage> image = cache_.imageNow(storedPath);
    info.decodes = image.has_value();
    if (image) // a format that cannot tell its size up front: the decoded size (at most the cache's limit)
        info.pixelSize = !stored.isValid() ? image->size() : turned ? stored.transposed() : stored;
    const QMutexLocker lock(&mutex_);
    known_.insert(storedPath, {stamp.lastModified(), stamp.size(), info});
    return info;
}

} // namespace vistrelle
