// The show check's rules about where things are, what they show and how long.
#include "export/screen_rules.h"
#include "export/check_texts.h"
#include "export/media_probe.h"
#include "media/image_cache.h"
#include "media/path_resolver.h"
#include "model/component_properties.h"
#include "model/property_schema.h"
#include "model/web_address.h"
#include "render/image_fitting.h"

#include <QTransform>
#include <QUrl>

#include <cmath>

namespace vistrelle {

namespace {

QRectF screenRect(const KioskScreen& screen) {
    return {0, 0, double(screen.resolution.width), double(screen.resolution.height)};
}

// The component's frame on the screen, turned as it is drawn.
QRectF placedBounds(const PlacedComponent& c) {
    const QRectF frame(c.position.x, c.position.y, c.size.width, c.size.height);
    const double rotation = numberPropertyOf(c, PropertyKey::rotation);
    if (rotation == 0 || !std::isfinite(rotation))
        return frame;
    QTransform turn;
    turn.translate(frame.center().x(), frame.center().y());
    turn.rotate(std::fmod(rotation, 360.0));
    turn.translate(-frame.center().x(), -frame.center().y());
    return turn.mapRect(frame);
}

QString pixels(double value) {
    return QString::number(std::lround(value));
}

QString sizeText(QSizeF size) {
    return CheckText::tr("%1 × %2").arg(pixels(size.width()), pixels(size.height()));
}

// A media file that deployment or the display would not find, or that is no picture (or no video) by its
// content: deployment refuses all of these, so no private file can travel in a bundle.
void reportUnusable(const MediaInfo& info, const QString& storedPath, const QString& subject, bool video,
                    const PlacedComponent* component, ScreenFindings& found) {
    const QString name = mediaName(storedPath);
    switch (info.state) {
    case MediaFileState::regular:
        if (info.decodes)
            return;
        if (video)
            found.error(
                QStringLiteral("undecodable-media"),
                CheckText::tr("%1 “%2” is not a video file a player can open: choose an MP4, MOV, MKV, "
                              "WebM or AVI film.")
                    .arg(subject, name),
                true, component);
        else
            found.error(
                QStringLiteral("undecodable-media"),
                CheckText::tr("%1 “%2” does not decode as a picture: save it again as PNG or JPEG, or "
                              "choose another.")
                    .arg(subject, name),
                true, component);
        return;
    case MediaFileState::missing:
        found.error(
            QStringLiteral("missing-media"),
            CheckText::tr("%1 “%2” is missing: put the file back or choose another.").arg(subject, name),
            true, component);
        return;
    case MediaFileState::folder:
        found.error(
            QStringLiteral("missing-media"),
            CheckText::tr("%1 “%2” is a folder, not a file: choose the file itself.").arg(subject, name),
            true, component);
        return;
    case MediaFileState::notRegular:
        found.error(QStringLiteral("missing-media"),
                    CheckText::tr("%1 “%2” is no regular file (a pipe or a device): choose a file.")
                        .arg(subject, name),
                    true, component);
        return;
    }
}

// A picture of `pixelSize` drawn by `fittingMode` into `frame`: soft when enlarged, heavy when much reduced.
void checkPictureScale(QSizeF pixelSize, const QString& fittingMode, const QRectF& frame,
                       const QString& subject, const QString& storedPath, const PlacedComponent* component,
                       ScreenFindings& found) {
    if (pixelSize.isEmpty() || frame.isEmpty())
        return;
    // Drawn pictures are never larger than the image cache's limit: that size is what natural-size modes
    // show.
    const QSizeF drawn =
        PathResolver::downscaledSize(pixelSize, ImageCache::loadLimit, ImageCache::loadLimit);
    const QList<QRectF> rects = fittedImageRects(drawn, fittingMode, frame);
    if (rects.isEmpty())
        return;
    const QSizeF shown = rects.front().size();
    const double scale = std::max(shown.width() / pixelSize.width(), shown.height() / pixelSize.height());
    const QString name = mediaName(storedPath);
    if (scale > check_limits::blurryEnlargement)
        found.warning(
            QStringLiteral("blurry-picture"),
            CheckText::tr("%1 “%2” has %3 pixels but is shown at %4, enlarged %5× (more than %6× looks "
                          "blurry): use a larger picture or show it smaller.")
                .arg(subject, name, sizeText(pixelSize), sizeText(shown), QString::number(scale, 'f', 1),
                     QString::number(check_limits::blurryEnlargement)),
            component);
    else if (scale * check_limits::wastefulReduction < 1)
        found.warning(
            QStringLiteral("oversized-picture"),
            CheckText::tr("%1 “%2” has %3 pixels but is shown at %4, more than %5× larger than it is "
                          "shown: a smaller copy makes the bundle lighter and loads faster.")
                .arg(subject, name, sizeText(pixelSize), sizeText(shown),
                     QString::number(check_limits::wastefulReduction)),
            component);
}

// Pre-rendered slides show a video or web view as its placeholder.
void warnNotPlayingAsSlide(const PlacedComponent& c, ScreenFindings& found) {
    found.warning(
        QStringLiteral("high-performance-media"),
        CheckText::tr("Videos or web views are not supported for this mode: in high-performance mode %1 "
                      "shows as a still placeholder. Deploy without the mode, or replace it with a "
                      "picture.")
            .arg(describeComponent(c)),
        &c);
}

bool needsNetwork(const QString& address) {
    const QString scheme = QUrl(address.trimmed()).scheme().toLower();
    return scheme == QLatin1StringView("http") || scheme == QLatin1StringView("https");
}

} // namespace

QString sentenceStart(const QString& text) {
    return text.isEmpty() ? text : text.front().toUpper() + text.mid(1);
}

int countWords(const QString& text) {
    int words = 0;
    bool inWord = false;
    bool counted = false;
    for (const QChar c : text) {
        if (c.isSpace()) {
            inWord = false;
            continue;
        }
        if (!inWord) {
            inWord = true;
            counted = false;
        }
        if (!counted && c.isLetterOrNumber()) {
            ++words;
            counted = true;
        }
    }
    return words;
}

void checkBackgroundPicture(const KioskScreen& screen, MediaProbe& media, ScreenFindings& found) {
    const BackgroundStyle& background = screen.background;
    if (background.type != BackgroundType::image || !background.imagePath || background.imagePath->isEmpty())
        return;
    const MediaInfo picture = media.picture(*background.imagePath);
    const QString subject = CheckText::tr("The background picture");
    reportUnusable(picture, *background.imagePath, subject, false, nullptr, found);
    if (picture.decodes)
        checkPictureScale(picture.pixelSize, QStringLiteral("fill"), screenRect(screen), subject,
                          *background.imagePath, nullptr, found);
}

void checkComponentMedia(const KioskScreen& screen, const PlacedComponent& c, MediaProbe& media,
                         const CheckOptions& options, ScreenFindings& found) {
    (void)screen;
    if (const QString background = c.stringProperty(QStringLiteral("backgroundImagePath"));
        !background.isEmpty())
        reportUnusable(media.picture(background), background, CheckText::tr("The background picture"), false,
                       &c, found);
    switch (c.componentType) {
    case ComponentType::image: {
        const QString path = c.stringProperty(PropertyKey::imagePath);
        if (path.isEmpty())
            return;
        const MediaInfo picture = media.picture(path);
        reportUnusable(picture, path, CheckText::tr("The picture"), false, &c, found);
        if (picture.decodes)
            checkPictureScale(picture.pixelSize, wordProperty(c, PropertyKey::fittingMode),
                              QRectF(0, 0, c.size.width, c.size.height), CheckText::tr("The picture"), path,
                              &c, found);
        return;
    }
    case ComponentType::video: {
        const QString path = c.stringProperty(PropertyKey::videoPath);
        if (!path.isEmpty())
            reportUnusable(media.video(path), path, CheckText::tr("The video"), true, &c, found);
        if (options.highPerformance)
            warnNotPlayingAsSlide(c, found);
        return;
    }
    case ComponentType::webView: {
        const QString address = c.stringProperty(PropertyKey::url);
        if (!address.isEmpty() && !isWebPageAddress(storedWebAddress(address)))
            found.warning(QStringLiteral("web-address"),
                          CheckText::tr("%1 has the address “%2”, which is no web page: the display shows an "
                                        "error in its place. Type an address that begins with https:// or "
                                        "http://, or clear it to show the HTML content.")
                              .arg(sentenceStart(describeComponent(c)), address),
                          &c);
        else if (needsNetwork(storedWebAddress(address)))
            found.warning(
                QStringLiteral("web-needs-network"),
                CheckText::tr("%1 loads its page from the network: the display computer must be online, "
                              "or the screen shows an error page. Use a local page where the network "
                              "may fail.")
                    .arg(sentenceStart(describeComponent(c))),
                &c);
        if (options.highPerformance)
            warnNotPlayingAsSlide(c, found);
        return;
    }
    default:
        return;
    }
}

void checkPlacement(const KioskScreen& screen, const PlacedComponent& c, ScreenFindings& found) {
    const QRectF bounds = placedBounds(c);
    const QRectF area = screenRect(screen);
    if (!bounds.isValid() || area.isEmpty())
        return;
    // Half a pixel of slack: a frame on the edge is on the screen.
    constexpr double slack = 0.5;
    const double left = area.left() - bounds.left();
    const double top = area.top() - bounds.top();
    const double right = bounds.right() - area.right();
    const double bottom = bounds.bottom() - area.bottom();
    if (std::max({left, top, right, bottom}) <= slack)
        return;
    const QString subject = sentenceStart(describeComponent(c));
    if (!bounds.intersects(area)) {
        found.warning(
            QStringLiteral("off-screen"),
            CheckText::tr("%1 is entirely outside the screen (%2 × %3), so it never shows: move it onto "
                          "the screen or delete it.")
                .arg(subject, pixels(area.width()), pixels(area.height())),
            &c);
        return;
    }
    QStringList edges;
    if (left > slack)
        edges << CheckText::tr("%1 px past the left edge").arg(pixels(left));
    if (top > slack)
        edges << CheckText::tr("%1 px past the top edge").arg(pixels(top));
    if (right > slack)
        edges << CheckText::tr("%1 px past the right edge").arg(pixels(right));
    if (bottom > slack)
        edges << CheckText::tr("%1 px past the bottom edge").arg(pixels(bottom));
    found.warning(QStringLiteral("partly-off-screen"),
                  CheckText::tr("%1 reaches %2 of the screen and is cut off there: move it inside or make it "
                                "smaller.")
                      .arg(subject, edges.join(CheckText::tr(" and "))),
                  &c);
}

void checkReadingTime(const KioskScreen& screen, const TextPlacements& texts, ScreenFindings& found) {
    int words = 0;
    for (const TextPlacement& text : texts)
        words += countWords(text.words);
    if (words == 0)
        return;
    const double needed = words / check_limits::wordsPerSecond + check_limits::secondsToNotice;
    if (double(screen.duration) >= needed)
        return;
    found.warning(
        QStringLiteral("reading-time"),
        CheckText::tr("The screen shows %1 for %2 seconds; reading takes about %3 seconds (%4 words a "
                      "second and %5 seconds to notice the screen): show it longer or say less.")
            .arg(words == 1 ? CheckText::tr("1 word") : CheckText::tr("%1 words").arg(words))
            .arg(screen.duration)
            .arg(std::ceil(needed))
            .arg(check_limits::wordsPerSecond)
            .arg(check_limits::secondsToNotice));
}

} // namespace vistrelle
