#pragma once

#include "export/bundle_files.h"
#include "media/media_content.h"
#include "render/image_source.h"

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
// changes (any write, rename or touch), so a check after an edit decodes nothing again. Pictures are drawn
// from the shared image cache, as on the canvas.
class MediaProbe {
public:
    MediaProbe(const PathResolver& resolver, ImageCache& cache);

    MediaInfo picture(const QString& storedPath);
    MediaInfo video(const QString& storedPath);
    // What the check draws screens with; safe to use from several threads.
    ImageSource& images() { return images_; }

private:
    struct Known {
        FileStamp stamp; // as the media layer's verdicts: a copy with the old time (cp -p) is still new
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
