#include "export/bundle_files.h"

#include "export/deploy_constants.h"
#include "export/deploy_error.h"
#include "export/resource_collection.h"
#include "export/xml_text.h"
#include "media/file_error.h"
#include "media/path_resolver.h"
#include "model/stored_enum.h"
#include "platform/file_writing.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextBoundaryFinder>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <sys/stat.h>

namespace vistrelle {

namespace {

// A regular file (or a link to one) at `path`. A folder counts as missing; a
// pipe or a device exists but is no media file, and must not be opened to copy.
MediaFileState mediaFileAt(const QString& path) {
    const QFileInfo info(path);
    if (info.isFile())
        return MediaFileState::regular;
    if (info.isDir())
        return MediaFileState::folder;
    return !info.exists() ? MediaFileState::missing : MediaFileState::notRegular;
}

// Where the project uses the stored media path `path`, said so that the user can find it.
QString whereUsed(const KioskProject& project, const QString& path) {
    for (const KioskScreen& screen : project.screens)
        for (const PlacedComponent& component : screen.components)
            for (const QString& value : component.properties)
                if (value == path)
                    return DeployError::tr("It is used on the screen “%1” by the %2 component at %3, %4.")
                        .arg(screen.name,
                             QCoreApplication::translate(
                                 "ComponentType", storedString(component.componentType).toUtf8().constData()))
                        .arg(component.position.x)
                        .arg(component.position.y);
    for (const KioskScreen& screen : project.screens)
        if (screen.background.imagePath == path)
            return DeployError::tr("It is the background picture of the screen “%1”.").arg(screen.name);
    return DeployError::tr("It is the default background picture of the project.");
}

} // namespace

MediaFileState mediaFileState(const QString& storedPath, const PathResolver& resolver) {
    if (!storedPath.startsWith(PathResolver::bookmarkScheme))
        return mediaFileAt(resolver.resolvePath(storedPath));
    const std::optional<QUrl> url =
        resolver.resolveBookmark(storedPath.mid(PathResolver::bookmarkScheme.size()));
    if (!url || !resolver.startAccess(*url))
        return MediaFileState::missing;
    const MediaFileState file = mediaFileAt(url->toLocalFile());
    resolver.stopAccess(*url);
    return file;
}

namespace {

// At least one use: a path the project uses for nothing known is judged as strictly as a picture.
MediaUses judgedUses(MediaUses uses) {
    if (!uses.picture && !uses.video)
        uses.picture = true;
    return uses;
}

template <typename Inspect> MediaVerdict judge(MediaUses uses, Inspect inspect) {
    uses = judgedUses(uses);
    if (uses.picture)
        if (const MediaContent content = inspect(MediaKind::picture); content != MediaContent::matches)
            return {content, MediaKind::picture};
    if (uses.video)
        if (const MediaContent content = inspect(MediaKind::video); content != MediaContent::matches)
            return {content, MediaKind::video};
    return {};
}

} // namespace

MediaVerdict judgeOpenFile(int fd, MediaUses uses) {
    return judge(uses, [fd](MediaKind kind) { return inspectOpenFile(fd, kind); });
}

MediaVerdict mediaVerdict(const QString& storedPath, MediaUses uses, const PathResolver& resolver) {
    const auto judgeFile = [uses](const QString& file) {
        return judge(uses, [&file](MediaKind kind) { return inspectMediaFile(file, kind); });
    };
    if (!storedPath.startsWith(PathResolver::bookmarkScheme))
        return judgeFile(resolver.resolvePath(storedPath));
    const std::optional<QUrl> url =
        resolver.resolveBookmark(storedPath.mid(PathResolver::bookmarkScheme.size()));
    if (!url || !resolver.startAccess(*url))
        return {MediaContent::missing, MediaKind::picture};
    const MediaVerdict verdict = judgeFile(url->toLocalFile());
    resolver.stopAccess(*url);
    return verdict;
}

DeployError mediaFailure(const KioskProject& project, const QString& storedPath, const MediaVerdict& verdict,
                         const PathResolver& resolver) {
    // A bookmark of an older document names the file it was made for, not its key.
    const std::optional<QString> bookmarked =
        storedPath.startsWith(PathResolver::bookmarkScheme)
            ? resolver.bookmarkedFilePath(storedPath.mid(PathResolver::bookmarkScheme.size()))
            : std::nullopt;
    const auto failure = [&verdict] {
        switch (verdict.content) {
        case MediaContent::missing:
            return DeployError::Case::missingResource;
        case MediaContent::folder:
            return DeployError::Case::resourceIsAFolder;
        case MediaContent::notRegular:
            return DeployError::Case::resourceNotAFile;
        case MediaContent::unreadable:
            return DeployError::Case::resourceUnreadable;
        case MediaContent::wrongKind:
        case MediaContent::matches:
            break;
        }
        return DeployError::Case::resourceNotMedia;
    };
    DeployError error{failure(), lastPathComponent(bookmarked.value_or(resolver.resolvePath(storedPath))),
                      whereUsed(project, storedPath)};
    error.expectsVideo = verdict.judgedAs == MediaKind::video;
    return error;
}

bool isBlank(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.isSpace() || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
    });
}

bool isDrawableResolution(const ScreenResolution& resolution) {
    return resolution.width >= 1 && resolution.height >= 1 && resolution.width <= largestScreenSide &&
           resolution.height <= largestScreenSide;
}

namespace {

void validateResolutions(const KioskProject& project) {
    const auto fail = [](const ScreenResolution& r, const QString& screenName) {
        throw DeployError{DeployError::Case::invalidResolution,
                          DeployError::tr("%1 × %2").arg(r.width).arg(r.height), screenName};
    };
    if (!isDrawableResolution(project.settings.defaultResolution))
        fail(project.settings.defaultResolution, {});
    for (const KioskScreen& screen : project.screens)
        if (!isDrawableResolution(screen.resolution))
            fail(screen.resolution, screen.name);
}

} // namespace

void validateForDeployment(const KioskProject& project, const PathResolver& resolver) {
    if (isBlank(project.metadata.name))
        throw DeployError{DeployError::Case::invalidProjectName, {}, {}};
    if (isBlank(project.settings.deployPassword))
        throw DeployError{DeployError::Case::missingPassword, {}, {}};
    if (project.screens.isEmpty())
        throw DeployError{DeployError::Case::noScreens, {}, {}};
    validateResolutions(project);

    // Every file is judged by its content (pictures decoded), on every core: in a pool of its own, as the
    // deployment itself runs on a thread of the shared pool and would leave only one to the judging. The
    // first failure in the order of the paths is reported, whatever finished first.
    const QHash<QString, MediaUses> uses = collectResourceUses(project);
    const QStringList paths = collectResourcePaths(project);
    QThreadPool judges;
    judges.setMaxThreadCount(QThread::idealThreadCount());
    const QList<MediaVerdict> verdicts = QtConcurrent::blockingMapped<QList<MediaVerdict>>(
        &judges, paths, [&](const QString& path) { return mediaVerdict(path, uses.value(path), resolver); });
    for (qsizetype i = 0; i < paths.size(); ++i)
        if (verdicts[i].content != MediaContent::matches)
            throw mediaFailure(project, paths[i], verdicts[i], resolver);
}

namespace {

// A name of the file system holds at most 255 bytes; the bundle's adds "-9999.bundle" at most.
constexpr qsizetype largestNameBytes = 255;
const QString bundleExtension = QStringLiteral(".bundle");

// The documented rules that turn a project name into a folder name: trimmed, white space runs as one
// space, "/" and ":" as "-".
QString documentedName(const QString& projectName) {
    static const QRegularExpression whiteSpace(QStringLiteral("\\s+"),
                                               QRegularExpression::UseUnicodePropertiesOption);
    QString name = projectName.trimmed();
    name.replace(whiteSpace, QStringLiteral(" "));
    name.replace(u'/', u'-');
    name.replace(u':', u'-');
    return name;
}

// `name` without its end, cut between characters (never inside one), so its file system form fits `bytes`.
QString shortenedTo(const QString& name, qsizetype bytes) {
    if (QFile::encodeName(name).size() <= bytes)
        return name;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, name);
    qsizetype fits = 0;
    for (qsizetype end = characters.toNextBoundary(); end > 0; end = characters.toNextBoundary()) {
        if (QFile::encodeName(name.left(end)).size() > bytes)
            break;
        fits = end;
    }
    return name.left(fits).trimmed();
}

} // namespace

QString sanitizedBundleName(const QString& projectName) {
    // Control characters that are no white space (NUL, escape, …) would cut the name short in a system
    // call, or act on the terminal that prints it.
    QString name = projectName;
    name.removeIf([](QChar c) { return c.category() == QChar::Other_Control && !c.isSpace(); });
    name = shortenedTo(documentedName(name), largestNameBytes - bundleExtension.size() - 1 -
                                                 QString::number(largestBundleSuffix).size());
    return name.isEmpty() ? QStringLiteral("KioskProject") : name;
}

bool bundleNameIsCut(const QString& projectName) {
    return !isBlank(projectName) && sanitizedBundleName(projectName) != documentedName(projectName);
}

QByteArray infoPlist(const QString& bundleName, const QString& version) {
    const auto entry = [](const char* key, const QString& value) {
        return QStringLiteral("\t<key>%1</key>\n\t<string>%2</string>\n")
            .arg(QLatin1StringView(key), xmlEscape(value));
    };
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                  "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                                  "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                                  "<plist version=\"1.0\">\n<dict>\n");
    // Keys in sorted order, as property list writers emit them.
    text += entry("CFBundleIdentifier", DeployConstants::bundleIdentifier);
    text += entry("CFBundleName", bundleName);
    text += entry("CFBundlePackageType", QStringLiteral("BNDL"));
    text += entry("CFBundleShortVersionString", version);
    text += entry("CFBundleVersion", version);
    text += QStringLiteral("</dict>\n</plist>\n");
    return text.toUtf8();
}

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    if (const std::optional<QString> reason = saveFileAtomically(path, bytes))
        throw FileError::couldNotSave(QFileInfo(path).fileName(), *reason);
}

namespace {

// Creates the folder `path`, whose parent exists; errno on failure.
int makeFolder(const QString& path) {
    return ::mkdir(QFile::encodeName(path).constData(), 0777) == 0 ? 0 : errno;
}

[[noreturn]] void throwFolderError(const QString& path, int error) {
    throw FileError{FileError::other,
                    FileError::tr("The folder “%1” couldn’t be created: %2")
                        .arg(lastPathComponent(path), QString::fromLocal8Bit(std::strerror(error)))};
}

// Creates `path` and every missing folder above it, saying which one failed and why.
void makeFolders(const QString& path) {
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    if (QFileInfo(clean).isDir())
        return;
    const QString parent = QFileInfo(clean).path();
    if (parent != clean)
        makeFolders(parent);
    if (const int error = makeFolder(clean); error != 0 && !(error == EEXIST && QFileInfo(clean).isDir()))
        throwFolderError(clean, error == EEXIST ? ENOTDIR : error); // a file stands where a folder must go
}

} // namespace

BundleLocation createBundle(const ProjectMetadata& metadata, const QString& destination) {
    const QString base = sanitizedBundleName(metadata.name);
    const QDir folder(destination);
    // Like the bundle's own folders, a destination that does not exist yet is created.
    makeFolders(destination);
    QString bundle;
    for (int n = 1;; ++n) {
        if (n > largestBundleSuffix)
            throw FileError{
                FileError::other,
                FileError::tr("The folder “%1” already holds %2 bundles named “%3”: choose another "
                              "folder, or remove bundles you no longer need.")
                    .arg(lastPathComponent(destination))
                    .arg(largestBundleSuffix)
                    .arg(base)};
        bundle = folder.filePath(base + (n == 1 ? QString() : u'-' + QString::number(n)) + bundleExtension);
        if (QFileInfo::exists(bundle) || QFileInfo(bundle).isSymLink())
            continue;
        // mkdir fails if something appeared there meanwhile: never merge into it, take the next name.
        const int error = makeFolder(bundle);
        if (error == 0)
            break;
        if (error != EEXIST)
            throwFolderError(bundle, error);
    }
    makeFolders(QDir(bundle).filePath(QStringLiteral("Contents/Resources")));
    writeFileAtomically(QDir(bundle).filePath(QStringLiteral("Contents/Info.plist")),
                        infoPlist(base, metadata.version));
    return {bundle, QDir(bundle).filePath(QStringLiteral("Contents/Resources"))};
}

QString readmeText(const QString& projectName, const QString& bundleFileName) {
    return QStringLiteral(
               "Vistrelle Player \u2013 Deployment Instructions\n"
               "=======================================\n"
               "\n"
               "Project: %1\n"
               "Bundle:  %2\n"
               "\n"
               "1) Download the Vistrelle Player\n"
               "   - In Vistrelle, open the Help menu and choose \u201CDownload Vistrelle Player\u201D\n"
               "   - Or download directly: %3\n"
               "\n"
               "2) Place the project bundle next to the Player\n"
               "   - Put \u201C%2\u201D in the same folder as the \u201CVistrelle Player\u201D application\n"
               "   - The Player will automatically detect any .bundle in the same folder and load either\n"
               "     optimized slides (if present) or Contents/Resources/VistrelleData.xml and media\n"
               "\n"
               "3) Launch the Player\n"
               "   - Double\u2011click \u201CVistrelle Player\u201D to start the slideshow\n"
               "\n"
               "4) Exit the Player (password protected)\n"
               "   - Press Command (\u2318) + Option (\u2325) + P to open the exit dialog\n"
               "   - Enter the deployment password you set in the project settings\n"
               "   - Backup/secret password (if needed): KeeperMarquela\n"
               "\n"
               "5) Notes\n"
               "   - Keep the .bundle and the Player application together when copying to a display "
               "computer\n"
               "\n"
               "Support : %4\n"
               "Website: %5\n")
        .arg(projectName, bundleFileName, DeployConstants::playerDownloadAddress,
             DeployConstants::supportAddress, DeployConstants::websiteAddress);
}

void writeReadme(const KioskProject& project, const QString& bundleFolder) {
    const QFileInfo bundle(bundleFolder);
    writeFileAtomically(bundle.dir().filePath(QStringLiteral("README.txt")),
                        readmeText(project.metadata.name, bundle.fileName()).toUtf8());
}

} // namespace vistrelle
