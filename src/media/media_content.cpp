#include "media/media_content.h"

#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QMutex>
#include <QSet>

#include <cerrno>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vistrelle {
namespace {

constexpr qsizetype headSize = 400;
constexpr int probeSide = 64;

bool at(QByteArrayView head, qsizetype offset, QByteArrayView bytes) {
    return head.size() >= offset + bytes.size() && head.sliced(offset, bytes.size()) == bytes;
}

// MPEG transport packets of `packetSize` bytes, the sync byte `offset` bytes into each.
bool transportStream(QByteArrayView head, qsizetype packetSize, qsizetype offset) {
    if (head.size() < offset + packetSize + 1)
        return false;
    for (qsizetype i = offset; i < head.size(); i += packetSize)
        if (head[i] != '\x47')
            return false;
    return true;
}

// The formats a display shows, found by the reader from the content. Text formats (XBM, XPM, the plain
// PBM family) are left out: ordinary text can look like them.
bool isPictureFormat(const QByteArray& format) {
    static const QSet<QByteArray> formats = {"png",  "jpeg", "jpg", "gif",  "bmp",  "webp", "tiff", "tif",
                                             "svg",  "svgz", "ico", "cur",  "heic", "heif", "avif", "jp2"};
    return formats.contains(format.toLower());
}

// Verdicts on files as they stand (device, inode, size and change time): the show check, which runs while
// the user edits, has judged every file by the time it is deployed, so deploying decodes nothing again.
struct FileStamp {
    dev_t device;
    ino_t inode;
    off_t size;
    qint64 changedNs;
    MediaKind kind;

    bool operator==(const FileStamp&) const = default;
};

size_t qHash(const FileStamp& stamp, size_t seed = 0) {
    return qHashMulti(seed, quint64(stamp.device), quint64(stamp.inode), qint64(stamp.size), stamp.changedNs,
                      int(stamp.kind));
}

class VerdictCache {
public:
    std::optional<bool> find(const FileStamp& stamp) {
        const QMutexLocker lock(&mutex_);
        const auto found = verdicts_.constFind(stamp);
        return found == verdicts_.cend() ? std::nullopt : std::optional<bool>(*found);
    }
    void insert(const FileStamp& stamp, bool matches) {
        const QMutexLocker lock(&mutex_);
        if (verdicts_.size() >= largestCount)
            verdicts_.clear(); // a show of more media than this judges them again; nothing grows for ever
        verdicts_.insert(stamp, matches);
    }

private:
    static constexpr qsizetype largestCount = 20000;
    QMutex mutex_;
    QHash<FileStamp, bool> verdicts_;
};

VerdictCache& verdicts() {
    static VerdictCache cache;
    return cache;
}

bool decodesAsPicture(QFile& file) {
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead() || !isPictureFormat(reader.format()))
        return false;
    // Decoded small: a JPEG scales while decoding. The memory limit still applies to what the decoder
    // must hold, as when the picture is drawn.
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > probeSide || size.height() > probeSide))
        reader.setScaledSize(size.scaled(probeSide, probeSide, Qt::KeepAspectRatio).expandedTo({1, 1}));
    const QImage image = reader.read();
    return !image.isNull() && image.width() > 0 && image.height() > 0;
}

} // namespace

bool looksLikeVideoContainer(QByteArrayView head) {
    // ISO base media (MP4, QuickTime, 3GP): a box type at offset 4.
    for (const char* box : {"ftyp", "moov", "mdat", "free", "skip", "wide", "pnot"})
        if (at(head, 4, box))
            return true;
    return at(head, 0, "\x1A\x45\xDF\xA3") ||                        // Matroska, WebM
           (at(head, 0, "RIFF") && (at(head, 8, "AVI ") || at(head, 8, "AVIX"))) ||
           at(head, 0, QByteArrayView("\x00\x00\x01\xBA", 4)) ||     // MPEG program stream
           at(head, 0, QByteArrayView("\x00\x00\x01\xB3", 4)) ||     // MPEG video
           at(head, 0, "OggS") || at(head, 0, "FLV\x01") ||
           at(head, 0, QByteArrayView("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C", 16)) || // ASF
           transportStream(head, 188, 0) || transportStream(head, 192, 4);
}

MediaContent inspectMediaFile(const QString& filePath, MediaKind kind) {
    struct stat status {};
    const QByteArray encoded = QFile::encodeName(filePath);
    if (filePath.isEmpty() || ::stat(encoded.constData(), &status) != 0)
        return MediaContent::missing;
    if (S_ISDIR(status.st_mode))
        return MediaContent::folder;
    if (!S_ISREG(status.st_mode))
        return MediaContent::notRegular;
    // Opened without blocking and looked at again: what was a file a moment ago may be a pipe now.
    const int fd = ::open(encoded.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT ? MediaContent::missing : MediaContent::wrongKind;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return MediaContent::notRegular;
    }
    const FileStamp stamp{status.st_dev, status.st_ino, status.st_size,
                          qint64(status.st_ctim.tv_sec) * 1000000000 + status.st_ctim.tv_nsec, kind};
    if (const std::optional<bool> known = verdicts().find(stamp)) {
        ::close(fd);
        return *known ? MediaContent::matches : MediaContent::wrongKind;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return MediaContent::wrongKind;
    }
    const bool matches =
        kind == MediaKind::picture ? decodesAsPicture(file) : looksLikeVideoContainer(file.read(headSize));
    verdicts().insert(stamp, matches);
    return matches ? MediaContent::matches : MediaContent::wrongKind;
}

} // namespace vistrelle
