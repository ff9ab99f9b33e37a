#include "preview/live_media/live_video.h"

#include <QCoreApplication>
#include <QMetaEnum>
#include <QMutex>
#include <QVideoFrame>

#include <atomic>

namespace vistrelle {

// What the delivering thread and the main thread share; it outlives the video
// for a notification still on its way.
struct MediaPlayerVideo::Shared {
    QMutex mutex;
    QImage frame;
    bool alive = true;
    std::atomic_bool notificationPending{false};
    std::function<void()> frameArrived;
};

MediaPlayerVideo::MediaPlayerVideo(Options options)
    : options_(std::move(options))
    , shared_(std::make_shared<Shared>()) {
    shared_->frameArrived = options_.frameArrived;
    audio_.setMuted(options_.muted);
    player_.setAudioOutput(&audio_);
    player_.setVideoSink(&sink_);

    QObject::connect(
        &sink_, &QVideoSink::videoFrameChanged, &sink_,
        [shared = shared_](const QVideoFrame& frame) {
            QImage picture = frame.toImage();
            if (picture.isNull())
                return;
            // Opaque pixels in the painter's fastest format.
            if (picture.format() != QImage::Format_RGB32)
                picture = std::move(picture).convertToFormat(QImage::Format_RGB32);
            {
                QMutexLocker lock(&shared->mutex);
                shared->frame = std::move(picture);
            }
            // One notification on its way at a time: a slow main thread sees only the newest frame.
            if (shared->notificationPending.exchange(true))
                return;
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [shared] {
                    shared->notificationPending = false;
                    if (shared->alive && shared->frameArrived)
                        shared->frameArrived();
                },
                Qt::QueuedConnection);
        },
        Qt::DirectConnection);

    QObject::connect(&player_, &QMediaPlayer::mediaStatusChanged, &player_,
                     [this, trace = options_.trace](QMediaPlayer::MediaStatus status) {
                         if (trace)
                             trace(QStringLiteral("Player item status changed: ") +
                                   QString::fromLatin1(
                                       QMetaEnum::fromType<QMediaPlayer::MediaStatus>().valueToKey(status)));
                         if (status == QMediaPlayer::EndOfMedia && options_.loop) {
                             player_.setPosition(0);
                             player_.play();
                         }
                     });
    QObject::connect(&player_, &QMediaPlayer::errorOccurred, &player_,
                     [log = options_.log](QMediaPlayer::Error, const QString& description) {
                         if (log)
                             log(QStringLiteral("Player item status changed: Failed (") + description + u')');
                     });

    player_.setSource(options_.file);
}

MediaPlayerVideo::~MediaPlayerVideo() {
    {
        QMutexLocker lock(&shared_->mutex);
        shared_->alive = false;
    }
    // Stopping joins the decoding threads, so no frame arrives after this.
    player_.stop();
    player_.setVideoSink(nullptr);
}

void MediaPlayerVideo::play() {
    player_.play();
}

void MediaPlayerVideo::pause() {
    player_.pause();
}

bool MediaPlayerVideo::isPlaying() const {
    return player_.playbackState() == QMediaPlayer::PlayingState;
}

QImage MediaPlayerVideo::currentFrame() const {
    QMutexLocker lock(&shared_->mutex);
    return shared_->frame;
}

} // namespace vistrelle
