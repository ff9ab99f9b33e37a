#pragma once

// The preview's live media (videos that play, web pages that load) come from a
// plugin that holds the media framework and the web engine, loaded only when a
// preview needs one: the editor starts without them. This header is all the
// plugin and the preview share, so it holds no code of ours that would need linking.

#include <QImage>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QtPlugin>

#include <functional>
#include <memory>

class QWidget;

namespace vistrelle {

using LiveLog = std::function<void(const QString& line)>;

// One video, loaded at once and started by play(). Its frames are converted
// to pictures off the main thread.
class LiveVideo {
public:
    struct Options {
        QUrl file;
        bool loop = false;
        bool muted = true;
        std::function<void()> frameArrived; // on the main thread, at most one pending at a time
        LiveLog log;                        // failures
        LiveLog trace;                      // every change of the player's state
    };

    virtual ~LiveVideo() = default; // stops playback
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual bool isPlaying() const = 0;
    // The newest frame; null before the first.
    virtual QImage currentFrame() const = 0;
};

// One web page over a component's rectangle.
class LiveWebView {
public:
    struct Options {
        bool allowsBackForwardNavigation = false;
        bool allowsMagnification = true;
        bool allowsLinkPreview = false;
        // No one answers a dialog on a display computer: alerts and confirmations are logged, not shown
        // (a confirmation is declined), so boxes cannot pile up over the show.
        bool unattended = false;
        LiveLog log;
        // The page could not be loaded (no connection, no such host, a refused certificate, …); the
        // reason as the engine says it. On the main thread.
        std::function<void(const QString& reason)> loadFailed;
    };

    virtual ~LiveWebView() = default;
    virtual QWidget* widget() = 0;
    // Loads the address, or else the HTML, unless that is what the page already shows.
    virtual void show(const QUrl& url, const QString& html) = 0;
    // The page as it looks now (for transitions, where widgets cannot go).
    virtual QImage snapshot() = 0;
    // The preview's zoom, so the page grows and shrinks with the screen around it.
    virtual void setZoom(double factor) = 0;
};

// The web views of one preview share one off-the-record profile: nothing they
// see is stored, and nothing of one preview reaches the next.
class LiveWebSession {
public:
    virtual ~LiveWebSession() = default;
    virtual std::unique_ptr<LiveWebView> createWebView(const LiveWebView::Options& options,
                                                       QWidget* parent) = 0;
};

class LiveMediaFactory {
public:
    virtual ~LiveMediaFactory() = default;
    virtual std::unique_ptr<LiveVideo> createVideo(LiveVideo::Options options) = 0;
    virtual std::unique_ptr<LiveWebSession> createWebSession() = 0;
};

} // namespace vistrelle

#define VistrelleLiveMediaFactory_iid "com.quendrix.vistrelle.LiveMediaFactory/1"
Q_DECLARE_INTERFACE(vistrelle::LiveMediaFactory, VistrelleLiveMediaFactory_iid)
