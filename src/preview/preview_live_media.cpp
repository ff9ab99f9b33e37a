#include "preview/preview_live_media.h"

#include "media/path_resolver.h"
#include "model/component_properties.h"
#include "model/web_address.h"
#include "preview/preview_page_error.h"

#include <QWidget>

#include <cmath>

namespace vistrelle {

PreviewLiveMedia::PreviewLiveMedia(const KioskProject& project, LiveMediaFactory* factory, QWidget* pageHost,
                                   Callbacks callbacks)
    : project_(project)
    , factory_(factory)
    , pageHost_(pageHost)
    , callbacks_(std::move(callbacks)) {}

PreviewLiveMedia::~PreviewLiveMedia() {
    clear();
}

void PreviewLiveMedia::log(const QString& line) const {
    if (callbacks_.log)
        callbacks_.log(line);
}

const PlacedComponent* PreviewLiveMedia::component(qint64 screen, const QUuid& id) const {
    if (screen < 0 || screen >= project_.screens.size())
        return nullptr;
    for (const PlacedComponent& candidate : project_.screens[screen].components)
        if (candidate.id == id)
            return &candidate;
    return nullptr;
}

void PreviewLiveMedia::setVideoScreens(const QList<qint64>& loaded, const QList<qint64>& playing) {
    for (auto it = videos_.begin(); it != videos_.end();) {
        const bool stopsPlaying = it->second.playing && !playing.contains(it->first);
        if (loaded.contains(it->first) && !stopsPlaying) {
            ++it;
            continue;
        }
        for (auto& [id, video] : it->second.videos)
            if (video.player)
                video.player->pause();
        retired_.push_back(std::move(it->second));
        it = videos_.erase(it);
    }
    for (qint64 screen : loaded)
        if (!videos_.contains(screen))
            loadVideosOf(screen);
    for (qint64 screen : playing) {
        const auto it = videos_.find(screen);
        if (it == videos_.end() || it->second.playing)
            continue;
        it->second.playing = true;
        for (auto& [id, video] : it->second.videos)
            if (video.player && (video.autoplay || video.started))
                video.player->play();
    }
}

void PreviewLiveMedia::loadVideosOf(qint64 screen) {
    std::map<QUuid, Video>& videos = videos_[screen].videos;
    if (screen < 0 || screen >= project_.screens.size())
        return;
    for (const PlacedComponent& c : project_.screens[screen].components) {
        const QString path = c.stringProperty(PropertyKey::videoPath);
        if (c.componentType != ComponentType::video || path.isEmpty())
            continue;
        Video& video = videos[c.id];
        video.autoplay = c.boolProperty(PropertyKey::isAutoplay);
        const std::optional<QString> file = PathResolver::shared().availableFile(path);
        if (!file) {
            log(QStringLiteral("Failed to resolve video URL for: ") + path);
            video.failed = true;
            continue;
        }
        if (!factory_)
            continue;
        LiveVideo::Options options;
        options.file = QUrl::fromLocalFile(*file);
        options.loop = c.boolProperty(PropertyKey::isLooping);
        options.muted = c.boolProperty(PropertyKey::isMuted);
        options.frameArrived = [this, screen, id = c.id] {
            if (callbacks_.videoFrameArrived)
                callbacks_.videoFrameArrived();
            if (callbacks_.pictureChanged)
                callbacks_.pictureChanged(screen, id);
        };
        options.log = callbacks_.log;
        options.trace = callbacks_.trace;
        video.player = factory_->createVideo(std::move(options));
    }
}

bool PreviewLiveMedia::waitsForClick(qint64 screen, const QUuid& id) const {
    const PlacedComponent* c = component(screen, id);
    if (!c || c->componentType != ComponentType::video ||
        c->stringProperty(PropertyKey::videoPath).isEmpty() || c->boolProperty(PropertyKey::isAutoplay))
        return false;
    const auto videos = videos_.find(screen);
    if (videos == videos_.end())
        return true;
    const auto video = videos->second.videos.find(id);
    return video == videos->second.videos.end() || (!video->second.failed && !video->second.started);
}

bool PreviewLiveMedia::startVideo(qint64 screen, const QUuid& id) {
    if (!waitsForClick(screen, id))
        return false;
    const auto videos = videos_.find(screen);
    if (videos == videos_.end())
        return false;
    const auto video = videos->second.videos.find(id);
    if (video == videos->second.videos.end() || !video->second.player)
        return false;
    video->second.started = true;
    if (videos->second.playing)
        video->second.player->play();
    if (callbacks_.pictureChanged)
        callbacks_.pictureChanged(screen, id); // the play button goes at once
    return true;
}

QWidget* PreviewLiveMedia::pageWidget(const Page& page) const {
    if (page.error)
        return page.error;
    return page.view ? page.view->widget() : nullptr;
}

void PreviewLiveMedia::keepLookOfPages() {
    for (const auto& [id, page] : pages_) {
        const QImage look = page.error  ? page.error->grab().toImage()
                            : page.view ? page.view->snapshot()
                                        : QImage();
        if (!look.isNull())
            pageLooks_[id] = look;
    }
}

void PreviewLiveMedia::showPageError(const QUuid& id, const QString& reason) {
    const auto found = pages_.find(id);
    if (found == pages_.end() || found->second.error || !pageHost_)
        return; // the first reason is the one to tell (a stop after a time-out fails again)
    Page& page = found->second;
    QWidget* view = page.view ? page.view->widget() : nullptr;
    page.error = new PreviewPageError(page.address, reason, pageHost_);
    if (view) {
        page.error->setGeometry(view->geometry());
        page.error->setVisible(view->isVisible());
        view->hide();
    }
    log(QStringLiteral("WebView page cannot be shown: ") + page.address + QStringLiteral(": ") + reason);
}

void PreviewLiveMedia::showPagesOf(std::optional<qint64> screen, double scale, const QTransform& placement) {
    if (!screen) {
        keepLookOfPages();
        for (const auto& [id, page] : pages_) {
            if (QWidget* widget = pageWidget(page))
                widget->hide();
            if (pagesScreen_ && callbacks_.pictureChanged)
                callbacks_.pictureChanged(*pagesScreen_, id); // the layer takes the kept look
        }
        return;
    }
    if (pagesScreen_ != screen) {
        for (auto& [id, page] : pages_)
            delete page.error.data();
        pages_.clear();
        // The web session's memory (caches of an off-the-record profile) only grows with every page it
        // made: a show that loops for months starts a fresh one now and then, between two screens.
        if (pagesMade_ >= pagesPerWebSession) {
            webSession_.reset();
            pagesMade_ = 0;
        }
        pagesScreen_ = screen;
        if (*screen >= 0 && *screen < project_.screens.size() && factory_ && pageHost_) {
            for (const PlacedComponent& c : project_.screens[*screen].components) {
                if (c.componentType != ComponentType::webView)
                    continue;
                // An older document may hold "www.example.org": the engine is given what it can load.
                const QString address = storedWebAddress(c.stringProperty(PropertyKey::url));
                const QString html = c.stringProperty(PropertyKey::htmlContent);
                if (address.isEmpty() && html.isEmpty())
                    continue;
                Page page{
                    nullptr, QRectF(c.position.x, c.position.y, c.size.width, c.size.height), address, {}};
                const bool showable = address.isEmpty() || isWebPageAddress(address);
                if (showable) {
                    if (!webSession_)
                        webSession_ = factory_->createWebSession();
                    if (webSession_) {
                        LiveWebView::Options options;
                        options.allowsBackForwardNavigation =
                            c.boolProperty(PropertyKey::allowsBackForwardNavigation);
                        options.allowsMagnification =
                            c.stringProperty(PropertyKey::allowsMagnification) != u"false";
                        options.allowsLinkPreview = c.boolProperty(PropertyKey::allowsLinkPreview);
                        options.unattended = unattended_;
                        options.log = callbacks_.log;
                        // A page may outlive this by a moment (a dialog of its own still open).
                        options.loadFailed = [this, alive = std::weak_ptr<int>(lifetime_),
                                              id = c.id](const QString& reason) {
                            if (alive.lock())
                                showPageError(id, reason);
                        };
                        page.view = webSession_->createWebView(options, pageHost_);
                        ++pagesMade_;
                        page.view->show(QUrl(address), address.isEmpty() ? html : QString());
                    }
                }
                const QUuid id = c.id;
                pages_.emplace(id, std::move(page));
                if (!showable)
                    showPageError(id, PreviewPageError::tr("The address is not a web page: a web view shows "
                                                           "addresses that begin with http:// or https://."));
            }
        }
    }
    for (auto& [id, page] : pages_) {
        QWidget* widget = pageWidget(page);
        if (!widget)
            continue;
        // Upright, over where the (perhaps turned) screen has the page.
        const QRectF placed = placement.isIdentity()
                                  ? QRectF(page.units.topLeft() * scale, page.units.size() * scale)
                                  : placement.mapRect(page.units);
        widget->setGeometry(placed.toAlignedRect());
        if (page.view && !page.error)
            page.view->setZoom(scale);
        widget->show();
    }
}

LivePictures PreviewLiveMedia::pictures(qint64 screen) const {
    LivePictures pictures;
    if (screen < 0 || screen >= project_.screens.size())
        return pictures;
    const auto videos = videos_.find(screen);
    for (const PlacedComponent& c : project_.screens[screen].components) {
        if (c.componentType == ComponentType::webView) {
            if (const auto look = pageLooks_.constFind(c.id); look != pageLooks_.cend())
                pictures.insert(c.id, LivePicture{*look});
            continue;
        }
        if (c.componentType != ComponentType::video)
            continue;
        LivePicture picture;
        picture.showsPlayButton = waitsForClick(screen, c.id);
        if (videos != videos_.end())
            if (const auto video = videos->second.videos.find(c.id); video != videos->second.videos.end()) {
                picture.failed = video->second.failed;
                if (video->second.player)
                    picture.image = video->second.player->currentFrame();
            }
        pictures.insert(c.id, picture);
    }
    return pictures;
}

void PreviewLiveMedia::releaseRetiredVideos() {
    retired_.clear();
}

bool PreviewLiveMedia::playsVideo(qint64 screen) const {
    const auto it = videos_.find(screen);
    if (it == videos_.end() || !it->second.playing)
        return false;
    return std::any_of(it->second.videos.cbegin(), it->second.videos.cend(), [](const auto& entry) {
        return entry.second.player && entry.second.player->isPlaying();
    });
}

void PreviewLiveMedia::clear() {
    videos_.clear();
    retired_.clear();
    for (auto& [id, page] : pages_)
        delete page.error.data();
    pages_.clear();
    pagesScreen_.reset();
    webSession_.reset();
}

} // namespace vistrelle
