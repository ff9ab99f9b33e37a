#pragma once

#include <QByteArrayView>
#include <QString>

namespace vistrelle {

// What a media file holds, judged by its bytes and never by its name: a project from someone else can
// name any file, and only pictures and films may leave the machine in a bundle.
enum class MediaKind { picture, video };

enum class MediaContent {
    matches,    // a regular file holding what was asked for
    missing,    // nothing there
    folder,     // a folder
    notRegular, // a pipe, a device, a socket: never opened
    wrongKind,  // a regular file, but no picture (or no video container)
};

// Looks at the file `filePath` (already resolved, links followed) without ever blocking on it. A picture
// must decode within the image reader's memory limit, so a decompression bomb is no picture; a video
// must begin like a container a player can open (MP4 and QuickTime, Matroska and WebM, AVI, MPEG program
// and transport streams, Ogg, Flash video, ASF).
MediaContent inspectMediaFile(const QString& filePath, MediaKind kind);

// Whether `head`, the first bytes of a file (at least 16; 400 tell MPEG transport streams), begins like a
// video container.
bool looksLikeVideoContainer(QByteArrayView head);

} // namespace vistrelle
