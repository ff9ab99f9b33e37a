#pragma once

#include "platform/scheduler.h"
#include "preview/preview_frame_log.h"
#include "preview/preview_playback.h"

#include <QElapsedTimer>
#include <QImage>
#include <QSet>
#include <QTransform>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

namespace vistrelle {

class LiveMediaFactory;
class PreviewAlertCard;
class PreviewControls;
class LiveComponentTicks;
class PreviewLiveMedia;
class ScreenLayers;

// The preview's whole content: the show on black, screen after screen with
// their transitions, at 100 % (one screen unit to one point) until zoomed,
// the zoom and close bar, the in-player alert, and what clicks on image
// buttons and play buttons do. Escape, and only Escape, asks to close.
class KioskPreviewView : public QWidget {
    Q_OBJECT

public:
    struct Services {
        std::unique_ptr<Scheduler> scheduler = Scheduler::eventLoop();
        // Videos and web pages; none: they show as in the editor.
        LiveMediaFactory* liveMedia = nullptr;
        std::function<void(const QString&)> printLine; // default: standard output
        std::function<void()> openWebPage;             // default: the maker's site in the browser
        QElapsedTimer sinceRequested;                  // started when the preview was asked for
        // A display computer's player: the show fills the view, letterboxed to the project's aspect and
        // turned by `rotation` degrees (0, 90, 180, 270) for a portrait panel; no zoom bar, no border, and
        // Escape is left to the window.
        bool fillsView = false;
        int rotation = 0;
        // The local time schedules go by; none: the system's.
        std::function<QDateTime()> wallClock;
    };

    KioskPreviewView(KioskProject project, Services services, QWidget* parent = nullptr);
    ~KioskPreviewView() override;

    PreviewPlayback& playback() { return *playback_; }
    double previewScale() const { return scale_; }
    void zoomIn();
    void zoomOut();
    // 100 %, and back to the whole screen in the window (where the preview starts).
    void showActualSize();
    void fitToWindow();
    bool isFitting() const { return fitting_; }
    QString zoomLabel() const;
    // Screen layers held or being drawn.
    int layerCount() const;
    // A click at `point` of the view, as a visitor's.
    void clickAt(QPointF point);
    // The time the first frame took to draw, from `sinceRequested` (ms); none before it.
    std::optional<double> firstFrameMs() const { return frameLog_.firstFrameMs(); }

signals:
    void closeRequested();
    // A screen is on view on its own (the show started, or a transition ended): `index` of the project.
    void screenSettled(qint64 index);
    // A frame was drawn (the player feeds its watchdog from here).
    void framePainted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class PreviewScreenArea;

    void playbackChanged();
    void beginTransition();
    // A screen on view on its own; `announce`: tell screenSettled (not when only the size changed).
    enum class Announce { yes, no };
    void settleOn(qint64 screen, Announce announce = Announce::yes);
    void placeScreenArea();
    void releaseRetiredVideosWhenStill(qint64 screen);
    // Screen units to the area's pixels: the scale, and the turn of a portrait panel.
    QTransform screenToArea() const;
    // The scale at which the project's screens fill the view.
    double fillingScale() const;
    void applyScale();
    void pictureChanged(qint64 screen, const QUuid& component);
    void redrawChangedPictures();
    const QImage& incomingLayer(const QImage& outgoing);
    void paintScreenArea(QPainter& painter);
    void pressOnScreen(QPointF point);
    bool isButtonAt(QPointF point) const;
    void printCurrentScreen();
    void syncAlert();

    KioskProject project_;
    Services services_;
    std::unique_ptr<PreviewPlayback> playback_;
    std::unique_ptr<ScreenLayers> layers_;
    QWidget* area_ = nullptr;
    PreviewControls* controls_ = nullptr;
    PreviewAlertCard* alert_ = nullptr;
    std::unique_ptr<PreviewLiveMedia> media_;
    std::unique_ptr<LiveComponentTicks> liveTicks_;
    bool movedRenderMoment_ = false;
    qint64 renderMomentOffset_ = 0;

    double scale_ = 1.0;
    bool fitting_ = true; // the scale follows the window (always, when the view fills a display)
    bool started_ = false;
    std::optional<qint64> shownScreen_;
    bool showingTransition_ = false;
    TransitionEffect runningEffect_ = TransitionEffect::none;
    QSet<std::pair<qint64, QUuid>> changedPictures_;
    QImage fittedIncoming_;
    qint64 fittedFrom_ = 0; // the cache key of the incoming layer it was fitted from

    PreviewFrameLog frameLog_;
    std::unique_ptr<Scheduler::Timer> releaseTimer_;
};

} // namespace vistrelle
