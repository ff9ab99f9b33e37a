#include "export/media_probe.h"

#include "media/image_cache.h"
#include "media/path_resolver.h"

#include <QImageReader>

namespace vistrelle {

MediaProbe::MediaProbe(const PathResolver& resolver, ImageCache& cache)
    : resolver_(resolver)
    , cache_(cache)
    , images_(cache) {}

MediaInfo MediaProbe::picture(const QString& storedPath) {
    return known(storedPath, pictures_, [&](MediaInfo& info, const QString& path) {
        // Its content first: the image reader would decode some text formats, which no display shows.
        if (mediaVerdict(storedPath, {true, false}, resolver_).content != MediaContent::matches)
            return;
        QImageReader reader(path);
        reader.setAutoTransform(true);
        const QSize stored = reader.size();
        const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
        // Decoding it is the only sure test; the cache keeps the result for drawing.
        const std::optional<QImage> image = cache_.imageNow(storedPath);
        info.decodes = image.has_value();
        if (image) // a format that cannot tell its size up front: the decoded size (at most the cache's
                   // limit)
            info.pixelSize = !stored.isValid() ? image->size() : turned ? stored.transposed() : stored;
    });
}

MediaInfo MediaProbe::video(const QString& storedPath) {
    return known(storedPath, videos_, [&](MediaInfo& info, const QString&) {
        info.decodes = mediaVerdict(storedPath, {false, true}, resolver_).content == MediaContent::matches;
    });
}

template <typename Look>
MediaInfo MediaProbe::known(const QString& storedPath, QHash<QString, Known>& cache, Look look) {
    MediaInfo info{mediaFileState(storedPath, resolver_), false, {}};
    if (info.state != MediaFileState::regular)
        return info;
    const std::optional<QString> path = resolver_.availableFile(storedPath);
    if (!path)
        return {MediaFileState::missing, false, {}};
    const std::optional<FileStamp> stamp = fileStampOf(*path);
    if (!stamp)
        return {MediaFileState::missing, false, {}};
    {
        const QMutexLocker lock(&mutex_);
        const auto found = cache.constFind(storedPath);
        if (found != cache.cend() && found->stamp == *stamp)
            return found->info;
    }
    look(info, *path);
    const QMutexLocker lock(&mutex_);
    cache.insert(storedPath, {*stamp, info});
    return info;
}

} // namespace vistrelle
