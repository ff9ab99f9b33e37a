#pragma once

#include <QHash>
#include <QImage>
#include <QUuid>

namespace vistrelle {

// What the preview lays into a screen for one live component: a video's
// newest frame, or a web page as last seen. Handed to the renderer as a
// snapshot, so screens drawn on several threads read it safely.
struct LivePicture {
    QImage image;                 // null: nothing to show yet
    bool failed = false;          // a video whose file cannot be opened
    bool showsPlayButton = false; // a video that waits for a click to start
};

using LivePictures = QHash<QUuid, LivePicture>;

} // namespace vistrelle
