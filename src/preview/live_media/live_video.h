#pragma once

#include "preview/live_media.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QVideoSink>

namespace vistrelle {

// A video through the media framework. Frames become pictures on the thread
// that delivers them, so the main thread only draws them.
class MediaPlayerVideo : public LiveVideo {
public:
    explicit MediaPlayerVideo(Options options);
    ~MediaPlayerVideo() override;

    void play() override;
    void pause() override;
    bool isPlaying() const override;
    QImage currentFrame() const override;

private:
    struct Shared;

    Options options_;
    std::shared_ptr<Shared> shared_;
    QAudioOutput audio_;
    QVideoSink sink_;
    QMediaPlayer player_;
};

} // namespace vistrelle
