#pragma once

#include "media/file_error.h"

#include <QImage>
#include <QString>
#include <QUrl>

#include <optional>

namespace vistrelle {

// Turns stored media paths into files. The stored forms: "file://" URLs,
// absolute paths, "./" and "~/" (both relative to the home folder),
// "bookmark://" + a preference key, and anything else (relative to the home
// folder). Bookmarks keep files the user picked reachable across launches;
// here their data records the file's absolute path and identity, so a file
// replaced at that path is noticed (stale) and the bookmark refreshed.
// Safe to call from any thread.
class PathResolver {
public:
    static PathResolver& shared();

    static inline const QString bookmarkScheme = QStringLiteral("bookmark://");

    // The absolute file path of a stored path; never fails, never checks existence.
    QString resolvePath(const QString& path) const;

    // The stored path for a file the user picks or drops: "~/…" under the home folder, else the
    // absolute path. Unlike a bookmark key it travels with the project to other accounts and machines.
    QString storedPathFor(const QString& absoluteFilePath) const;

    // A stored path for a file the user just picked: "bookmark://bookmark_<name>_<UUID>",
    // or the plain absolute path when no bookmark can be made. (Older documents hold such keys.)
    QString createBookmark(const QUrl& fileUrl) const;
    // The file a bookmark was made for, whether or not it still exists; none without readable data.
    std::optional<QString> bookmarkedFilePath(const QString& key) const;
    std::optional<QUrl> resolveBookmark(const QString& key) const;

    // A URL the caller may read: for a bookmark path, with access started (call
    // stopAccess when done); nothing when the bookmark does not resolve or access is refused.
    std::optional<QUrl> accessibleURL(const QString& path) const;
    bool startAccess(const QUrl& url) const;
    // The readable file a stored media path names, or nothing (no such file, a folder, a bookmark that
    // does not resolve). Cheap enough to ask while drawing.
    std::optional<QString> availableFile(const QString& path) const;
    void stopAccess(const QUrl& url) const;

    // Copies the file behind a stored path to `destination`, which must not
    // exist. Throws FileError. The copy appears at `destination` only when complete.
    // `cancelled` is asked between chunks of a large file; true throws OperationCancelled.
    // `accept` is shown the source, open, before anything is copied, and throws to refuse it.
    void copyResource(const QString& path, const QString& destination, const CancelCheck& cancelled = {},
                      const SourceCheck& accept = {}) const;

    // The image behind a stored path, scaled down to fit the limits; nothing on any failure.
    std::optional<QImage> loadImage(const QString& path, int maxWidth, int maxHeight) const;
    std::optional<QImage> loadImageFile(const QString& filePath, int maxWidth, int maxHeight) const;
    // The size an image of `size` gets within the limits (aspect kept, never enlarged).
    static QSizeF downscaledSize(QSizeF size, double maxWidth, double maxHeight);
    static QImage downscaleImage(const QImage& image, int maxWidth, int maxHeight);
};

// The last component of a path, trailing slashes ignored ("/a/b/" → "b"; "/" → "/").
QString lastPathComponent(const QString& path);

// Copies a regular file with the kernel's fast paths; the copy is written
// under a temporary name and renamed into place. Throws FileError. `accept`
// judges the source through the descriptor the copy is then made from (at its
// start, and left there), so what is copied is what was judged; it throws to refuse.
void copyFileAtomically(const QString& source, const QString& destination, const CancelCheck& cancelled = {},
                        const SourceCheck& accept = {});

} // namespace vistrelle
