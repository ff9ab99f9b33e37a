#include "player/show_loader.h"

#include "export/player_xml_reader.h"
#include "media/media_content.h"
#include "model/component_factory.h"
#include "model/component_properties.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <vector>

namespace vistrelle {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("ShowLoader", text);
}

const QString playerDataName = QStringLiteral("VistrelleData.xml");

QString resourcesOf(const QString& bundle) {
    return QDir(bundle).filePath(QStringLiteral("Contents/Resources"));
}

// A bundle of pre-rendered slides carries this marker.
bool isOptimized(const QString& bundle) {
    return QFileInfo(QDir(resourcesOf(bundle)).filePath(QStringLiteral("Optimized"))).isFile();
}

bool isBundle(const QString& path) {
    return QFileInfo(QDir(resourcesOf(path)).filePath(playerDataName)).isFile() || isOptimized(path);
}

QString fingerprintOf(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(16));
}

std::optional<QByteArray> readSmallFile(const QString& path, qint64 limit) {
    // Only a regular file is opened: a pipe named like the player data would block the player.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > limit)
        return std::nullopt;
    return file.readAll();
}

QString contentText(MediaContent content) {
    switch (content) {
    case MediaContent::matches:
        return {};
    case MediaContent::missing:
        return tr("missing");
    case MediaContent::folder:
        return tr("a folder");
    case MediaContent::notRegular:
        return tr("not a regular file");
    case MediaContent::unreadable:
        return tr("cannot be read");
    case MediaContent::wrongKind:
        break;
    }
    return tr("cannot be decoded");
}

// Leaves out what cannot play: a component whose picture or film is not there or does not decode, a
// background picture likewise (the screen's colour shows instead).
class MediaScreening {
public:
    MediaScreening(const QString& contents, QStringList& faults)
        : contents_(contents)
        , faults_(faults) {}

    void screen(KioskProject& project) {
        for (KioskScreen& screen : project.screens) {
            if (screen.background.type == BackgroundType::image && screen.background.imagePath &&
                !screen.background.imagePath->isEmpty() &&
                !plays(*screen.background.imagePath, MediaKind::picture, screen, tr("background")))
                screen.background = {BackgroundType::color, screen.background.color, std::nullopt,
                                     std::nullopt};
            QList<PlacedComponent> kept;
            for (PlacedComponent c : std::as_const(screen.components)) {
                const QString what = storedString(c.componentType);
                const QString picture = c.properties.value(PropertyKey::imagePath);
                const QString film = c.properties.value(PropertyKey::videoPath);
                if (c.componentType == ComponentType::image && !picture.isEmpty() &&
                    !plays(picture, MediaKind::picture, screen, what))
                    continue;
                if (c.componentType == ComponentType::video && !film.isEmpty() &&
                    !plays(film, MediaKind::video, screen, what))
                    continue;
                const QString backdrop = c.properties.value(QStringLiteral("backgroundImagePath"));
                if (!backdrop.isEmpty() && !plays(backdrop, MediaKind::picture, screen, what))
                    c.properties.remove(QStringLiteral("backgroundImagePath"));
                kept.append(c);
            }
            screen.components = kept;
        }
    }

private:
    // A file used twice is judged once: inspectMediaFile keeps its verdicts per file stamp.
    bool plays(const QString& path, MediaKind kind, const KioskScreen& screen, const QString& what) {
        const MediaContent content = inspectMediaFile(path, kind);
        if (content == MediaContent::matches)
            return true;
        faults_.append(
            tr("Left out: %1 (%2), the %3 on the screen “%4”.")
                .arg(QDir(contents_).relativeFilePath(path), contentText(content), what, screen.name));
        return false;
    }

    QString contents_;
    QStringList& faults_;
};

ShowLoad problem(const QString& text) {
    return ShowLoad{std::nullopt, text};
}

// The player data of a bundle; nothing (and the reason in `why`) when it cannot be read.
std::optional<PlayerData> readBundleData(const QString& bundle, QString* why, QByteArray* bytes = nullptr) {
    const QString file = QDir(resourcesOf(bundle)).filePath(playerDataName);
    const std::optional<QByteArray> data = readSmallFile(file, largestPlayerXml);
    if (!data) {
        *why = QFileInfo::exists(file) ? tr("The player data cannot be read: %1").arg(file)
                                       : tr("The bundle has no player data: %1").arg(file);
        return std::nullopt;
    }
    if (bytes)
        *bytes = *data;
    try {
        return readPlayerXml(*data, QDir(bundle).filePath(QStringLiteral("Contents")));
    } catch (const PlayerXmlError& error) {
        *why = tr("The player data is damaged (%1): %2").arg(error.message(), file);
        return std::nullopt;
    }
}

// The project's size, else the first slide's: what slides are letterboxed to.
ScreenResolution slideResolution(const std::optional<PlayerData>& data, const QString& firstSlide) {
    ScreenResolution resolution;
    if (data && data->project.settings.defaultResolution.width > 0 &&
        data->project.settings.defaultResolution.height > 0)
        return data->project.settings.defaultResolution;
    const QSize size = QImageReader(firstSlide).size();
    resolution.width = size.width() > 0 ? size.width() : 1920;
    resolution.height = size.height() > 0 ? size.height() : 1080;
    resolution.name = QStringLiteral("Slides");
    resolution.isCustom = true;
    return resolution;
}

// One screen showing a slide whole, on black.
KioskScreen slideScreen(const QString& path, const ScreenResolution& resolution, qint64 seconds) {
    KioskScreen screen(QFileInfo(path).completeBaseName());
    screen.resolution = resolution;
    screen.duration = std::max<qint64>(seconds, 3);
    screen.background = {BackgroundType::color, QStringLiteral("#000000"), std::nullopt, std::nullopt};
    PlacedComponent slide = makeComponent(ComponentType::image, {0, 0}, path);
    slide.size = {double(resolution.width), double(resolution.height)};
    slide.properties[PropertyKey::fittingMode] = QStringLiteral("fit");
    screen.components = {slide};
    return screen;
}

const QRegularExpression bundleSlideName(QStringLiteral("^screen(\\d{3,})\\.(jpg|png)$"));
const QRegularExpression folderSlideName(QStringLiteral("^screen(\\d{3,})_(-?\\d+)\\.(jpg|png)$"));

// The longest a screen is held: a day. Longer would overflow the timers and never reach a boundary.
constexpr qint64 longestHold = 24 * 60 * 60;

qint64 heldSeconds(double seconds) {
    return std::isfinite(seconds) ? qint64(std::clamp(seconds, 0.0, double(longestHold))) : 0;
}

// The slides of a folder that can be shown, by number (`pattern`'s first group); the others are named in
// `faults`. A pipe is listed (and left out) but never opened.
std::map<qint64, QFileInfo> playableSlides(const QString& folder, const QRegularExpression& pattern,
                                           QStringList& faults) {
    std::map<qint64, QFileInfo> slides;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::System, QDir::Name);
    for (const QFileInfo& file : files) {
        const QRegularExpressionMatch match = pattern.match(file.fileName());
        if (!match.hasMatch())
            continue;
        const MediaContent content = inspectMediaFile(file.filePath(), MediaKind::picture);
        if (content != MediaContent::matches) {
            faults.append(tr("Left out: %1 (%2).").arg(file.fileName(), contentText(content)));
            continue;
        }
        slides.emplace(match.captured(1).toLongLong(), file);
    }
    return slides;
}

// Names, sizes and times of a folder's files: with the player data, what tells one deploy (or one state of a
// deploy being written) from another.
QByteArray listingOf(const QString& folder) {
    QByteArray listing;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files | QDir::System, QDir::Name))
        listing += file.fileName().toUtf8() + ' ' + QByteArray::number(file.size()) + ' ' +
                   QByteArray::number(file.lastModified().toMSecsSinceEpoch()) + '\n';
    return listing;
}

ShowLoad loadOptimizedBundle(const QString& bundle) {
    LoadedShow show;
    show.project.screens.clear(); // only the slides
    show.kind = ShowKind::optimizedBundle;
    show.path = bundle;
    show.name = QFileInfo(bundle).fileName();
    QString why;
    QByteArray bytes;
    const std::optional<PlayerData> data = readBundleData(bundle, &why, &bytes);
    if (!data)
        show.faults.append(why + u' ' + tr("The slides play without their transitions."));
    const QString resources = resourcesOf(bundle);
    QList<qint64> durations;
    const std::optional<QByteArray> json = readSmallFile(QDir(resources).filePath("durations.json"), 1 << 20);
    const QJsonDocument parsed = json ? QJsonDocument::fromJson(*json) : QJsonDocument();
    if (parsed.isArray()) {
        for (const QJsonValue& value : parsed.array())
            durations.append(value.isDouble() ? heldSeconds(value.toDouble()) : 0);
    } else {
        show.faults.append(json ? tr("durations.json is damaged; the player data's durations are used.")
                                : tr("durations.json is missing; the player data's durations are used."));
    }
    const auto slides = playableSlides(resources, bundleSlideName, show.faults);
    if (slides.empty())
        return problem(tr("No slide of the bundle can be shown: %1").arg(resources));
    const ScreenResolution resolution = slideResolution(data, slides.begin()->second.filePath());
    for (const auto& [number, file] : slides) {
        const qsizetype index = qsizetype(number - 1);
        const KioskScreen* described = data && index >= 0 && index < data->project.screens.size()
                                           ? &data->project.screens[index]
                                           : nullptr;
        // A duration below 3 s (zero, negative, not a number) is held for 3, as everywhere.
        const qint64 seconds = index >= 0 && index < durations.size()
                                   ? durations[index]
                                   : (described ? described->duration : 10);
        KioskScreen screen = slideScreen(file.filePath(), resolution, seconds);
        if (described) {
            screen.id = described->id;
            screen.name = described->name;
            screen.transition = described->transition;
        }
        show.project.screens.append(screen);
    }
    show.project.settings.defaultResolution = resolution;
    show.project.metadata.name = data ? data->project.metadata.name : QFileInfo(bundle).completeBaseName();
    show.fingerprint = fingerprintOf(bytes + listingOf(resources));
    return ShowLoad{show, {}};
}

ShowLoad loadBundle(const QString& bundle) {
    if (isOptimized(bundle))
        return loadOptimizedBundle(bundle);
    QString why;
    QByteArray bytes;
    std::optional<PlayerData> data = readBundleData(bundle, &why, &bytes);
    if (!data)
        return problem(why);
    LoadedShow show;
    show.kind = ShowKind::bundle;
    show.path = bundle;
    show.name = QFileInfo(bundle).fileName();
    // The media's listing too: a bundle read while its files were still being copied is read again.
    show.fingerprint = fingerprintOf(bytes + listingOf(resourcesOf(bundle)));
    show.project = data->project;
    for (const QString& refused : std::as_const(data->refusedPaths))
        show.faults.append(tr("Left out: %1 (outside the bundle).").arg(refused));
    MediaScreening(QDir(bundle).filePath(QStringLiteral("Contents")), show.faults).screen(show.project);
    if (show.project.screens.isEmpty())
        return problem(tr("The show has no screens: %1").arg(bundle));
    return ShowLoad{show, {}};
}

ShowLoad loadSlideFolder(const QString& folder) {
    LoadedShow show;
    show.project.screens.clear();
    show.kind = ShowKind::slideFolder;
    show.path = folder;
    show.name = QFileInfo(folder).fileName();
    const auto slides = playableSlides(folder, folderSlideName, show.faults);
    if (slides.empty())
        return problem(tr("No slide of the folder can be shown: %1").arg(folder));
    const ScreenResolution resolution = slideResolution(std::nullopt, slides.begin()->second.filePath());
    for (const auto& [number, file] : slides)
        show.project.screens.append(
            slideScreen(file.filePath(), resolution,
                        heldSeconds(folderSlideName.match(file.fileName()).captured(2).toDouble())));
    show.project.settings.defaultResolution = resolution;
    show.project.metadata.name = show.name;
    show.fingerprint = fingerprintOf(listingOf(folder));
    return ShowLoad{show, {}};
}

// Whether the folder holds a file named as a slide (screen001_10.jpg), by the very rule that reads them.
bool hasSlides(const QString& folder) {
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::System);
    return std::any_of(names.cbegin(), names.cend(),
                       [](const QString& name) { return folderSlideName.match(name).hasMatch(); });
}

} // namespace

QString describeKind(ShowKind kind) {
    switch (kind) {
    case ShowKind::bundle:
        return tr("bundle");
    case ShowKind::optimizedBundle:
        return tr("pre-rendered bundle");
    case ShowKind::slideFolder:
        return tr("slide folder");
    }
    return {};
}

bool isBundleFolder(const QString& path) {
    return !isBundle(path) && !QDir(path).entryList({QStringLiteral("*.bundle")}, QDir::Dirs).isEmpty();
}

namespace {

// The bundles of a deploy folder worth playing, newest first by their player data's time: the newest
// complete one, and the newest whose player data at least reads. One look at each bundle serves both.
struct BundleChoice {
    std::optional<QString> complete;
    std::optional<QString> readable;
};

BundleChoice chooseBundles(const QString& folder) {
    const QDir dir(folder);
    const QFileInfo readme(dir.filePath(QStringLiteral("README.txt")));
    std::vector<std::pair<QDateTime, QString>> candidates;
    for (const QFileInfo& bundle :
         dir.entryInfoList({QStringLiteral("*.bundle")}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QFileInfo data(QDir(resourcesOf(bundle.filePath())).filePath(playerDataName));
        if (data.isFile())
            candidates.emplace_back(data.lastModified(), bundle.filePath());
    }
    std::sort(candidates.begin(), candidates.end(), std::greater<>());
    BundleChoice choice;
    for (const auto& [time, bundle] : candidates) {
        QString why;
        const std::optional<PlayerData> read = readBundleData(bundle, &why);
        if (!read)
            continue;
        if (!choice.readable)
            choice.readable = bundle;
        // A deploy writes the README last: a bundle newer than it is still being written.
        const bool written = readme.isFile() && readme.lastModified() >= time;
        const bool whole =
            isOptimized(bundle) ||
            std::all_of(read->resources.cbegin(), read->resources.cend(), [](const PlayerResource& r) {
                return !r.path.isEmpty() &&
                       inspectMediaFile(r.path, r.type == QLatin1StringView("video")
                                                    ? MediaKind::video
                                                    : MediaKind::picture) == MediaContent::matches;
            });
        if (written && whole) {
            choice.complete = bundle;
            break;
        }
    }
    return choice;
}

} // namespace

std::optional<QString> newestCompleteBundle(const QString& folder) {
    return chooseBundles(folder).complete;
}

QByteArray showStamp(const QString& path) {
    if (QFileInfo(resourcesOf(path)).isDir())
        return listingOf(resourcesOf(path));
    QByteArray stamp = listingOf(path);
    for (const QFileInfo& bundle : QDir(path).entryInfoList({QStringLiteral("*.bundle")}, QDir::Dirs))
        stamp += bundle.fileName().toUtf8() + '\n' + listingOf(resourcesOf(bundle.filePath()));
    return stamp;
}

ShowLoad loadShow(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return problem(tr("Nothing is there: %1").arg(path));
    if (!info.isDir())
        return problem(tr("Not a folder: %1").arg(path));
    if (!info.isReadable() || !info.isExecutable())
        return problem(tr("The folder cannot be read: %1").arg(path));
    const QString folder = info.absoluteFilePath();
    if (isBundle(folder))
        return loadBundle(folder);
    if (isBundleFolder(folder)) {
        // Without a complete bundle, the newest that reads plays what it can rather than nothing.
        const BundleChoice choice = chooseBundles(folder);
        const std::optional<QString> playable = choice.complete ? choice.complete : choice.readable;
        if (!playable)
            return problem(tr("No bundle in the folder can be read: %1").arg(folder));
        return loadBundle(*playable);
    }
    if (hasSlides(folder))
        return loadSlideFolder(folder);
    return problem(tr("No show in the folder (no bundle and no slides): %1").arg(folder));
}

} // namespace vistrelle
