#include "media/media_content.h"

#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QMutex>
#include <QSet>
#include <QtEndian>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vistrelle {
namespace {

constexpr qsizetype headSize = 1024;
constexpr int probeSide = 64;
// An MPEG transport stream is told by this many packets in a row, each starting with its sync byte.
constexpr int transportPackets = 5;

bool at(QByteArrayView head, qsizetype offset, QByteArrayView bytes) {
    return head.size() >= offset + bytes.size() && head.sliced(offset, bytes.size()) == bytes;
}

// MPEG transport packets of `packetSize` bytes, the sync byte `offset` bytes into each.
bool transportStream(QByteArrayView head, qsizetype packetSize, qsizetype offset) {
    if (head.size() < offset + packetSize * (transportPackets - 1) + 1)
        return false;
    for (int i = 0; i < transportPackets; ++i)
        if (head[offset + i * packetSize] != '\x47')
            return false;
    return true;
}

// The box types an MP4 or QuickTime file begins with, in some order.
bool isTopLevelBox(QByteArrayView type) {
    static const QSet<QByteArray> types = {"ftyp", "moov", "mdat", "free", "skip", "wide", "pnot",
                                           "uuid", "meta", "moof", "sidx", "styp", "pdin", "junk"};
    return types.contains(type.toByteArray());
}

// ISO base media: a chain of boxes, each with a size that fits the file and a known type, that holds a
// file type or a movie box. Plain text never does ("free -h" would be a box of about 1.9 GB).
bool isoBaseMedia(QByteArrayView head, qint64 fileSize, const std::function<QByteArray(qint64)>& readAt) {
    qint64 offset = 0;
    for (int box = 0; box < 8 && offset + 8 <= fileSize; ++box) {
        const QByteArray header = offset + 16 <= head.size() ? head.sliced(offset, 16).toByteArray()
                                                             : (readAt ? readAt(offset) : QByteArray());
        if (header.size() < 8)
            return false;
        const QByteArrayView type = QByteArrayView(header).sliced(4, 4);
        if (!isTopLevelBox(type))
            return false;
        qint64 size = qFromBigEndian<quint32>(header.constData());
        if (size == 1) { // the size follows as 64 bits
            if (header.size() < 16)
                return false;
            size = qint64(qFromBigEndian<quint64>(header.constData() + 8));
        } else if (size == 0) { // to the end of the file
            size = fileSize - offset;
        }
        if (size < 8 || size > fileSize - offset)
            return false;
        if (type == "ftyp" || type == "moov")
            return true;
        offset += size;
    }
    return false;
}

// The formats a display shows, found by the reader from the content. Text formats (XBM, XPM, the plain
// PBM family) are left out: ordinary text can look like them.
bool isPictureFormat(const QByteArray& format) {
    static const QSet<QByteArray> formats = {"png", "jpeg", "jpg", "gif", "bmp",  "webp", "tiff", "tif",
                                             "svg", "svgz", "ico", "cur", "heic", "heif", "avif", "jp2"};
    return formats.contains(format.toLower());
}

struct JudgedStamp {
    FileStamp file;
    MediaKind kind;

    bool operator==(const JudgedStamp&) const = default;
};

size_t qHash(const JudgedStamp& stamp, size_t seed = 0) {
    return qHashMulti(seed, quint64(stamp.file.device), quint64(stamp.file.inode), qint64(stamp.file.size),
                      stamp.file.changedNs, int(stamp.kind));
}

// Verdicts on files as they stand: the show check, which runs while the user edits, has judged every file
// by the time it is deployed, so deploying decodes nothing again.
class VerdictCache {
public:
    std::optional<bool> find(const JudgedStamp& stamp) {
        const QMutexLocker lock(&mutex_);
        const auto found = verdicts_.constFind(stamp);
        return found == verdicts_.cend() ? std::nullopt : std::optional<bool>(*found);
    }
    void insert(const JudgedStamp& stamp, bool matches) {
        const QMutexLocker lock(&mutex_);
        if (verdicts_.size() >= largestCount)
            verdicts_.clear(); // a show of more media than this judges them again; nothing grows for ever
        verdicts_.insert(stamp, matches);
    }

private:
    static constexpr qsizetype largestCount = 20000;
    QMutex mutex_;
    QHash<JudgedStamp, bool> verdicts_;
};

VerdictCache& verdicts() {
    static VerdictCache cache;
    return cache;
}

FileStamp stampOf(const struct stat& status) {
    return {status.st_dev, status.st_ino, status.st_size,
            qint64(status.st_ctim.tv_sec) * 1000000000 + status.st_ctim.tv_nsec};
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

bool looksLikeVideoContainer(QByteArrayView head, qint64 fileSize,
                             const std::function<QByteArray(qint64)>& readAt) {
    return isoBaseMedia(head, fileSize, readAt) || at(head, 0, "\x1A\x45\xDF\xA3") || // Matroska, WebM
           (at(head, 0, "RIFF") && (at(head, 8, "AVI ") || at(head, 8, "AVIX"))) ||
           at(head, 0, QByteArrayView("\x00\x00\x01\xBA", 4)) || // MPEG program stream
           at(head, 0, QByteArrayView("\x00\x00\x01\xB3", 4)) || // MPEG video
           at(head, 0, "OggS") || at(head, 0, "FLV\x01") ||
           at(head, 0,
              QByteArrayView("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C", 16)) ||
           transportStream(head, 188, 0) || transportStream(head, 192, 4);
}

std::optional<FileStamp> fileStampOf(const QString& filePath) {
    struct stat status {};
    if (filePath.isEmpty() || ::stat(QFile::encodeName(filePath).constData(), &status) != 0)
        return std::nullopt;
    return stampOf(status);
}

MediaContent inspectOpenFile(int fd, MediaKind kind) {
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return MediaContent::unreadable;
    if (S_ISDIR(status.st_mode))
        return MediaContent::folder;
    if (!S_ISREG(status.st_mode))
        return MediaContent::notRegular;
    const JudgedStamp stamp{stampOf(status), kind};
    if (const std::optional<bool> known = verdicts().find(stamp))
        return *known ? MediaContent::matches : MediaContent::wrongKind;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return MediaContent::unreadable;
    bool matches = false;
    if (kind == MediaKind::picture) {
        matches = decodesAsPicture(file);
    } else {
        const auto readAt = [&file](qint64 offset) {
            return file.seek(offset) ? file.read(16) : QByteArray();
        };
        matches = looksLikeVideoContainer(file.read(headSize), status.st_size, readAt);
    }
    file.close();
    ::lseek(fd, 0, SEEK_SET);
    verdicts().insert(stamp, matches);
    return matches ? MediaContent::matches : MediaContent::wrongKind;
}

MediaContent inspectMediaFile(const QString& filePath, MediaKind kind) {
    struct stat status {};
    const QByteArray encoded = QFile::encodeName(filePath);
    if (filePath.isEmpty() || ::stat(encoded.constData(), &status) != 0)
        return errno == EACCES ? MediaContent::unreadable : MediaContent::missing;
    if (S_ISDIR(status.st_mode))
        return MediaContent::folder;
    if (!S_ISREG(status.st_mode))
        return MediaContent::notRegular;
    // Opened without blocking and looked at again: what was a file a moment ago may be a pipe now.
    const int fd = ::open(encoded.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT ? MediaContent::missing : MediaContent::unreadable;
    const MediaContent content = inspectOpenFile(fd, kind);
    ::close(fd);
    return content;
}

} // namespace vistrelle
