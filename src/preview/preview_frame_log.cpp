#include "preview/preview_frame_log.h"

#include <algorithm>
#include <cstdio>

namespace vistrelle {

PreviewFrameLog::PreviewFrameLog()
    : enabled_(!qEnvironmentVariableIsEmpty("VISTRELLE_PREVIEW_FRAME_TIMES")) {}

void PreviewFrameLog::firstFrame(double milliseconds) {
    if (firstFrame_)
        return;
    firstFrame_ = milliseconds;
    if (enabled_)
        std::fprintf(stderr, "preview first frame: %.1f ms\n", milliseconds);
}

void PreviewFrameLog::firstVideoFrame(double milliseconds) {
    if (!enabled_ || firstVideoFrameSeen_)
        return;
    firstVideoFrameSeen_ = true;
    std::fprintf(stderr, "preview first video frame: %.1f ms\n", milliseconds);
}

void PreviewFrameLog::transitionFrame(double progress, double milliseconds) {
    if (!enabled_)
        return;
    ++frames_;
    worst_ = std::max(worst_, milliseconds);
    total_ += milliseconds;
    std::fprintf(stderr, "preview frame: progress %.3f, %.2f ms\n", progress, milliseconds);
}

void PreviewFrameLog::transitionEnded(const QString& effect) {
    if (!enabled_ || frames_ == 0)
        return;
    std::fprintf(stderr, "preview transition %s: %d frames, worst %.2f ms, mean %.2f ms\n",
                 qPrintable(effect), frames_, worst_, total_ / frames_);
    frames_ = 0;
    worst_ = 0;
    total_ = 0;
}

} // namespace vistrelle
