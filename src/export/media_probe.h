#pragma once

#include "export/bundle_files.h"
#include "render/image_source.h"

#include <QDateTime>
#include <QHash>
#include <QMutex>
#include <QSize>

namespace vistrelle {

class ImageCache;
class PathResolver;

// What the show check knows of a media file.
struct MediaInfo {
    MediaFileState state = MediaFileState::missing;
    bool decodes = false; // whether it holds what it is used as: a picture that decodes, a video container
    QSize pixelSize;      // pictures: as shown (turned by its orientation), when it decodes
};

// Looks at media files for the show check, from any thread. What it learnt of a file is kept until the file
// changes (its time or size), so a check after an edit decodes nothing again. Pictures are drawn from the shared
// image cache, as on the canvas.
class MediaProbe {
public:
    MediaProbe(const PathResolver& resolver, ImageCache& cache);

    MediaInfo picture(const QString& storedPath);
    MediaInfo video(const QString& storedPath);
    // What the check draws screens with; safe to use from several threads.
    ImageSource& images() { return images_; }

private:
    struct Known {
        QDateTime modified;
        qint64 bytes = 0;
        MediaInfo info;
    };

    // What is known of `storedPath` as it stands, or the outcome of `look` kept for its file stamp.
    template <typename Look>
    MediaInfo known(const QString& storedPath, QHash<QString, Known>& cache, Look look);

    const PathResolver& resolver_;
    ImageCache& cache_;
    BlockingImageSource images_;
    QMutex mutex_;
    QHash<QString, Known> pictures_;
    QHash<QString, Known> videos_;
};

} // namespace vistrelle
