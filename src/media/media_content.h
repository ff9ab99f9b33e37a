#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

#include <sys/types.h>

namespace vistrelle {

// What a media file holds, judged by its bytes and never by its name: a project from someone else can
// name any file, and only pictures and films may leave the machine in a bundle.
enum class MediaKind { picture, video };

enum class MediaContent {
    matches,    // a regular file holding what was asked for
    missing,    // nothing there
    folder,     // a folder
    notRegular, // a pipe, a device, a socket: never opened
    unreadable, // a regular file that cannot be opened (no permission)
    wrongKind,  // a regular file, but no picture (or no video container)
};

// Looks at the file `filePath` (links followed) without ever blocking on it. A picture must decode within
// the image reader's memory limit, in a format a display shows, so a decompression bomb is no picture; a
// video must begin like a container a player can open (MP4 and QuickTime, Matroska and WebM, AVI, MPEG
// program and transport streams, Ogg, Flash video, ASF).
MediaContent inspectMediaFile(const QString& filePath, MediaKind kind);

// The same for a file already open for reading as `fd`, which is left open with its offset at the start:
// a copy made from this descriptor afterwards copies exactly what was judged.
MediaContent inspectOpenFile(int fd, MediaKind kind);

// Whether `head`, the first bytes of a file of `fileSize` bytes, begins like a video container. The boxes
// of an MP4 or QuickTime file are followed through `readAt` (bytes at an offset) when they reach past it.
bool looksLikeVideoContainer(QByteArrayView head, qint64 fileSize,
                             const std::function<QByteArray(qint64 offset)>& readAt = {});

// What tells a file as it stands from the same path a moment later: a verdict or a size learnt for one
// stamp holds as long as the file has it (any write, rename or `touch` changes the change time).
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    qint64 changedNs = 0;

    bool operator==(const FileStamp&) const = default;
};
std::optional<FileStamp> fileStampOf(const QString& filePath);

} // namespace vistrelle
