#include "media/path_resolver.h"

#include "platform/app_logger.h"
#include "platform/preferences.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vistrelle {

namespace {

QString homeFolder() {
    return QDir::homePath();
}

// What a bookmark records: where the file was and which file it was. File
// systems reuse inode numbers at once, so the inode's change time tells a
// replaced file apart too (a refresh after a mere permission change is harmless).
struct FileIdentity {
    qint64 device = -1;
    qint64 inode = -1;
    qint64 changeTimeNs = -1;

    bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> identityOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileIdentity{qint64(info.st_dev), qint64(info.st_ino),
                        qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec};
}

std::optional<QByteArray> bookmarkData(const QString& absolutePath) {
    const std::optional<FileIdentity> identity = identityOf(absolutePath);
    if (!identity)
        return std::nullopt;
    const QJsonObject data{{QStringLiteral("path"), absolutePath},
                           {QStringLiteral("device"), QString::number(identity->device)},
                           {QStringLiteral("inode"), QString::number(identity->inode)},
                           {QStringLiteral("changed"), QString::number(identity->changeTimeNs)}};
    return QJsonDocument(data).toJson(QJsonDocument::Compact);
}

[[noreturn]] void throwErrno(int error, const QString& path) {
    if (error == ENOENT)
        throw FileError::noSuchFileAt(lastPathComponent(path));
    if (error == EACCES || error == EPERM)
        throw FileError::noPermissionFor(lastPathComponent(path));
    throw FileError{FileError::other,
                    FileError::tr("The file “%1” couldn’t be copied: %2")
                        .arg(lastPathComponent(path), QString::fromLocal8Bit(std::strerror(error)))};
}

// Copies everything from `in` to `out` up to the end of the file (which may
// have grown meanwhile), in the kernel where it can.
bool copyContents(int in, int out, const CancelCheck& cancelled) {
    // In chunks of 64 MB, so that a cancelled copy of a large film stops within a moment.
    constexpr std::size_t chunk = std::size_t(1) << 26;
    while (true) {
        if (cancelled && cancelled()) {
            errno = ECANCELED;
            return false;
        }
        const ssize_t copied = ::copy_file_range(in, nullptr, out, nullptr, chunk, 0);
        if (copied > 0)
            continue;
        if (copied == 0)
            return true;
        if (errno == EINTR)
            continue;
        if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP)
            return false;
        // Not across these file systems: a plain loop with a large buffer.
        std::vector<char> buffer(1 << 20);
        while (true) {
            if (cancelled && cancelled()) {
                errno = ECANCELED;
                return false;
            }
            const ssize_t n = ::read(in, buffer.data(), buffer.size());
            if (n == 0)
                return true;
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            for (ssize_t written = 0; written < n;) {
                const ssize_t w = ::write(out, buffer.data() + written, std::size_t(n - written));
                if (w < 0) {
                    if (errno == EINTR)
                        continue;
                    return false;
                }
                written += w;
            }
        }
    }
}

// Moves `from` to `to` unless something is at `to` (then fails with EEXIST).
int renameWithoutReplacing(const char* from, const char* to) {
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
    // A file system without that flag: a hard link refuses an existing name too.
    if (::link(from, to) != 0)
        return -1;
    ::unlink(from);
    return 0;
}

} // namespace

QString lastPathComponent(const QString& path) {
    const QString clean = QDir::cleanPath(path);
    if (clean == QLatin1StringView("/"))
        return clean;
    return clean.mid(clean.lastIndexOf(u'/') + 1);
}

void copyFileAtomically(const QString& source, const QString& destination, const CancelCheck& cancelled,
                        const SourceCheck& accept) {
    const QByteArray sourceName = QFile::encodeName(source);
    // Non-blocking: opening a pipe that appeared at the path must not wait for a writer forever.
    const int in = ::open(sourceName.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (in < 0)
        throwErrno(errno, source);
    struct stat info {};
    if (::fstat(in, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(in);
        throw FileError{
            FileError::other,
            FileError::tr("“%1” is not a file that can be copied.").arg(lastPathComponent(source))};
    }
    if (accept) {
        try {
            accept(in);
        } catch (...) {
            ::close(in);
            throw;
        }
    }
    ::fcntl(in, F_SETFL, ::fcntl(in, F_GETFL) & ~O_NONBLOCK);
    if (QFileInfo::exists(destination)) {
        ::close(in);
        throw FileError{
            FileError::other,
            FileError::tr("“%1” couldn’t be copied because an item with the same name already exists.")
                .arg(lastPathComponent(destination))};
    }
    // A name nothing else in the folder has, so no other file is ever touched.
    const QByteArray partialName = QFile::encodeName(destination + QStringLiteral(".partial-") +
                                                     QUuid::createUuid().toString(QUuid::Id128).left(12));
    const int out = ::open(partialName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (out < 0) {
        const int error = errno;
        ::close(in);
        throwErrno(error, destination);
    }
    int error = copyContents(in, out, cancelled) ? 0 : errno;
    ::close(in);
    if (::close(out) != 0 && error == 0)
        error = errno;
    if (error == 0 &&
        renameWithoutReplacing(partialName.constData(), QFile::encodeName(destination).constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(partialName.constData());
        if (error == ECANCELED)
            throw OperationCancelled{};
        throwErrno(error, destination);
    }
}

PathResolver& PathResolver::shared() {
    static PathResolver resolver;
    return resolver;
}

QString PathResolver::resolvePath(const QString& path) const {
    if (path.isEmpty())
        return {};
    if (path.startsWith(QLatin1StringView("file://"))) {
        const QUrl url(path, QUrl::StrictMode);
        if (url.isValid() && url.isLocalFile())
            return url.path(QUrl::FullyDecoded);
    }
    if (path.startsWith(u'/'))
        return QDir::cleanPath(path);
    if (path.startsWith(QLatin1StringView("./")))
        return homeFolder() + u'/' + path.mid(2);
    if (path.startsWith(QLatin1StringView("~/")))
        return homeFolder() + path.mid(1);
    if (path.startsWith(bookmarkScheme)) {
        if (const std::optional<QUrl> url = resolveBookmark(path.mid(bookmarkScheme.size())))
            return QDir::cleanPath(url->toLocalFile());
    }
    return homeFolder() + u'/' + path;
}

QString PathResolver::storedPathFor(const QString& absoluteFilePath) const {
    const QString path = QDir::cleanPath(absoluteFilePath);
    const QString home = QDir::cleanPath(homeFolder());
    if (home != QLatin1StringView("/") && path.startsWith(home + u'/'))
        return QStringLiteral("~") + path.mid(home.size());
    return path;
}

std::optional<QString> PathResolver::bookmarkedFilePath(const QString& key) const {
    const std::optional<QByteArray> data = Preferences::data(key);
    if (!data)
        return std::nullopt;
    const QString path = QJsonDocument::fromJson(*data).object().value(QStringLiteral("path")).toString();
    if (!path.startsWith(u'/'))
        return std::nullopt;
    return path;
}

QString PathResolver::createBookmark(const QUrl& fileUrl) const {
    const QString path = QDir::cleanPath(fileUrl.toLocalFile());
    const std::optional<QByteArray> data = fileUrl.isLocalFile() ? bookmarkData(path) : std::nullopt;
    if (!data) {
        AppLogger::logError(QStringLiteral("Failed to create bookmark for: ") + path);
        return path;
    }
    const QString key =
        QStringLiteral("bookmark_%1_%2")
            .arg(lastPathComponent(path), QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper());
    Preferences::setValue(key, *data);
    return bookmarkScheme + key;
}

std::optional<QUrl> PathResolver::resolveBookmark(const QString& key) const {
    const std::optional<QByteArray> data = Preferences::data(key);
    if (!data)
        return std::nullopt;
    const QJsonObject recorded = QJsonDocument::fromJson(*data).object();
    const QString path = recorded.value(QStringLiteral("path")).toString();
    if (path.isEmpty() || !path.startsWith(u'/')) {
        AppLogger::logError(
            QStringLiteral("Failed to resolve bookmark: The bookmark data isn’t in the correct format."));
        return std::nullopt;
    }
    const std::optional<FileIdentity> current = identityOf(path);
    if (!current) {
        AppLogger::logError(QStringLiteral("Failed to resolve bookmark: The file “%1” couldn’t be found.")
                                .arg(lastPathComponent(path)));
        return std::nullopt;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    const auto number = [&](const char* key) {
        return recorded.value(QLatin1StringView(key)).toString().toLongLong();
    };
    const FileIdentity stored{number("device"), number("inode"), number("changed")};
    // Another file now stands at the path: refresh the bookmark while it can be read.
    if (stored != *current && startAccess(url)) {
        if (const std::optional<QByteArray> fresh = bookmarkData(path))
            Preferences::setValue(key, *fresh);
        stopAccess(url);
    }
    return url;
}

bool PathResolver::startAccess(const QUrl& url) const {
    return QFileInfo(url.toLocalFile()).isReadable();
}

void PathResolver::stopAccess(const QUrl&) const {}

std::optional<QUrl> PathResolver::accessibleURL(const QString& path) const {
    if (path.isEmpty())
        return std::nullopt;
    if (path.startsWith(bookmarkScheme)) {
        const std::optional<QUrl> url = resolveBookmark(path.mid(bookmarkScheme.size()));
        if (!url || !startAccess(*url))
            return std::nullopt;
        return url;
    }
    return QUrl::fromLocalFile(resolvePath(path));
}

std::optional<QString> PathResolver::availableFile(const QString& path) const {
    const std::optional<QUrl> url = accessibleURL(path);
    if (!url)
        return std::nullopt;
    const QFileInfo file(url->toLocalFile());
    const bool readable = file.isFile() && file.isReadable();
    if (path.startsWith(bookmarkScheme))
        stopAccess(*url);
    return readable ? std::optional(file.absoluteFilePath()) : std::nullopt;
}

void PathResolver::copyResource(const QString& path, const QString& destination, const CancelCheck& cancelled,
                                const SourceCheck& accept) const {
    if (!path.startsWith(bookmarkScheme)) {
        copyFileAtomically(resolvePath(path), destination, cancelled, accept);
        return;
    }
    const QString key = path.mid(bookmarkScheme.size());
    const std::optional<QUrl> url = resolveBookmark(key);
    if (!url) // name the file the bookmark was for, not the key
        throw FileError::noSuchFileAt(lastPathComponent(bookmarkedFilePath(key).value_or(key)));
    if (!startAccess(*url))
        throw FileError::noPermissionFor(url->fileName());
    try {
        copyFileAtomically(url->toLocalFile(), destination, cancelled, accept);
    } catch (...) {
        stopAccess(*url);
        throw;
    }
    stopAccess(*url);
}

std::optional<QImage> PathResolver::loadImage(const QString& path, int maxWidth, int maxHeight) const {
    if (!path.startsWith(bookmarkScheme))
        return loadImageFile(resolvePath(path), maxWidth, maxHeight);
    const std::optional<QUrl> url = resolveBookmark(path.mid(bookmarkScheme.size()));
    if (!url || !startAccess(*url))
        return std::nullopt;
    std::optional<QImage> image = loadImageFile(url->toLocalFile(), maxWidth, maxHeight);
    stopAccess(*url);
    return image;
}

QSizeF PathResolver::downscaledSize(QSizeF size, double maxWidth, double maxHeight) {
    const double w = size.width();
    const double h = size.height();
    if (!(w > 0) || !(h > 0))
        return size;
    const double aspect = w / h;
    QSizeF target = aspect > 1 ? QSizeF(maxWidth, maxWidth / aspect) : QSizeF(aspect * maxHeight, maxHeight);
    return {std::min(w, target.width()), std::min(h, target.height())};
}

std::optional<QImage> PathResolver::loadImageFile(const QString& filePath, int maxWidth,
                                                  int maxHeight) const {
    if (filePath.isEmpty() || !QFileInfo(filePath).isFile())
        return std::nullopt;
    QImageReader reader(filePath);
    reader.setAutoTransform(true);
    QSize stored = reader.size(); // before any orientation transform
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    const QSize shown = turned ? stored.transposed() : stored;

    if (shown.width() > maxWidth || shown.height() > maxHeight) {
        // Decoding straight to the smaller size is much cheaper (JPEG scales while decoding).
        const QSizeF target = downscaledSize(shown, maxWidth, maxHeight);
        const QSize pixels(std::max(1, qRound(target.width())), std::max(1, qRound(target.height())));
        reader.setScaledSize(turned ? pixels.transposed() : pixels);
    }
    QImage image = reader.read();
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return std::nullopt;
    // A reader that cannot tell its size up front decodes it whole: scale now.
    if (image.width() > maxWidth || image.height() > maxHeight)
        image = downscaleImage(image, maxWidth, maxHeight);
    return image;
}

QImage PathResolver::downscaleImage(const QImage& image, int maxWidth, int maxHeight) {
    if (image.width() <= 0 || image.height() <= 0)
        return image;
    const QSizeF target = downscaledSize(image.size(), maxWidth, maxHeight);
    const QSize pixels(std::max(1, qRound(target.width())), std::max(1, qRound(target.height())));
    if (pixels == image.size())
        return image;
    return image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace vistrelle
