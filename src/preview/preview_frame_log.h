#pragma once

#include <QString>

#include <optional>

namespace vistrelle {

// How long the preview takes to draw, written to standard error when the
// environment variable VISTRELLE_PREVIEW_FRAME_TIMES is set: every frame of
// every transition, the worst frame of each transition, and the time from
// opening the preview to its first frame and to its first video frame.
class PreviewFrameLog {
public:
    PreviewFrameLog();

    bool enabled() const { return enabled_; }
    // Remembered whether or not the log is written (the player waits for it).
    void firstFrame(double milliseconds);
    std::optional<double> firstFrameMs() const { return firstFrame_; }
    // The first frame of a video on view: proof that the media framework plays, and how soon.
    void firstVideoFrame(double milliseconds);
    void transitionFrame(double progress, double milliseconds);
    void transitionEnded(const QString& effect);

private:
    bool enabled_ = false;
    std::optional<double> firstFrame_;
    bool firstVideoFrameSeen_ = false;
    int frames_ = 0;
    double worst_ = 0;
    double total_ = 0;
};

} // namespace vistrelle
