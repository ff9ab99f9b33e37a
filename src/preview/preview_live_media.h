#pragma once

#include "model/project_model.h"
#include "preview/live_media.h"
#include "render/live_picture.h"

#include <QHash>
#include <QPointer>
#include <QSet>
#include <QTransform>

#include <functional>
#include <map>
#include <memory>

class QWidget;

namespace vistrelle {

class PreviewPageError;

// The live parts of the screens on view: players for the videos of the
// screens being shown (torn down as their screen leaves), and web pages over
// the components of the current screen, whose last look is kept for the
// transitions (widgets cannot be moved by them). A page that cannot be shown
// (an address that is no web page, a load that failed) shows an error card in
// its frame with the address and the reason. Without a media factory nothing
// plays and the screens show what the editor shows.
class PreviewLiveMedia {
public:
    struct Callbacks {
        std::function<void(qint64 screen, const QUuid& component)> pictureChanged;
        std::function<void()> videoFrameArrived; // a decoded frame of any video
        LiveLog log;                             // failures
        LiveLog trace;                           // what players do
    };

    PreviewLiveMedia(const KioskProject& project, LiveMediaFactory* factory, QWidget* pageHost,
                     Callbacks callbacks);
    ~PreviewLiveMedia();
    PreviewLiveMedia(const PreviewLiveMedia&) = delete;
    PreviewLiveMedia& operator=(const PreviewLiveMedia&) = delete;

    // Players exist for the videos of the `loaded` screens (a screen about to come loads while the
    // one before it is held, so no frame of its transition waits for that) and play on the
    // `playing` ones. A screen that stops playing loses its players: shown again, it starts afresh.
    void setVideoScreens(const QList<qint64>& loaded, const QList<qint64>& playing);
    // Shows the pages of `screen` over its components at `scale` points per unit; the pages of
    // other screens go. None: every page is hidden (a transition runs), after its look is kept.
    // `placement` (screen units to the host's pixels), when given, places them instead of `scale` alone.
    void showPagesOf(std::optional<qint64> screen, double scale, const QTransform& placement = {});
    // Starts a video that waits for a click; false if there is none such.
    bool startVideo(qint64 screen, const QUuid& component);
    bool waitsForClick(qint64 screen, const QUuid& component) const;

    // What the renderer lays into `screen`.
    LivePictures pictures(qint64 screen) const;

    // Everything stops and goes.
    void clear();
    // Pages made from now on show no dialogs (a display computer).
    void setUnattended(bool unattended) { unattended_ = unattended; }

    // The players of screens no longer loaded, paused: stopping one holds the main thread for a moment
    // (the decoder's threads are joined), which a transition or a playing film would show. They go when
    // released, at a still moment.
    qsizetype retiredScreens() const { return qsizetype(retired_.size()); }
    void releaseRetiredVideos();
    // Whether films play on `screen`.
    bool playsVideo(qint64 screen) const;

private:
    struct Video {
        std::unique_ptr<LiveVideo> player;
        bool failed = false;
        bool autoplay = false;
        bool started = false; // by a click on its play button
    };
    struct ScreenVideos {
        std::map<QUuid, Video> videos;
        bool playing = false;
    };
    struct Page {
        std::unique_ptr<LiveWebView> view; // none when the address cannot be a web page
        QRectF units;
        QString address;
        QPointer<PreviewPageError> error; // in the page's place once it cannot be shown
    };

    const PlacedComponent* component(qint64 screen, const QUuid& id) const;
    void loadVideosOf(qint64 screen);
    void keepLookOfPages();
    void showPageError(const QUuid& id, const QString& reason);
    // The page's own widget, or its error card.
    QWidget* pageWidget(const Page& page) const;
    void log(const QString& line) const;

    KioskProject project_;
    LiveMediaFactory* factory_;
    QPointer<QWidget> pageHost_;
    Callbacks callbacks_;
    std::map<qint64, ScreenVideos> videos_; // by screen
    std::vector<ScreenVideos> retired_;
    std::optional<qint64> pagesScreen_;
    std::map<QUuid, Page> pages_;
    QHash<QUuid, QImage> pageLooks_; // the last look of every page shown
    std::unique_ptr<LiveWebSession> webSession_;
    static constexpr int pagesPerWebSession = 10;
    int pagesMade_ = 0; // by the web session of now
    bool unattended_ = false;
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0); // what callbacks of the pages ask first
};

} // namespace vistrelle
