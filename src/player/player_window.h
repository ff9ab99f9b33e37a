#pragma once

#include "player/show_loader.h"
#include "preview/kiosk_preview_view.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

namespace vistrelle {

class LiveMediaFactory;
class StandbyCard;

// The player's one window: the show through the preview's playback and layers, filling the window
// letterboxed (or turned for a portrait panel), or the standby card when nothing can play. Full screen,
// Escape does nothing (a passer-by must not close a lobby screen); Ctrl+Alt+Q quits. In a window Escape
// quits too.
class PlayerWindow : public QWidget {
    Q_OBJECT

public:
    struct Options {
        bool windowed = false;
        int rotation = 0;
        // Where videos and web pages come from; none: they show as in the editor.
        std::function<LiveMediaFactory*(const KioskProject&)> liveMedia;
        // The clock each show plays on; none: the event loop's.
        std::function<std::unique_ptr<Scheduler>()> scheduler;
        // The local time schedules go by; none: the system's.
        std::function<QDateTime()> wallClock;
    };

    explicit PlayerWindow(Options options, QWidget* parent = nullptr);
    ~PlayerWindow() override;

    // Plays `show` from its first screen, in place of what played before.
    void play(const LoadedShow& show);
    void showStandby(const QString& problem, const QString& path);

    KioskPreviewView* view() const { return view_; }
    bool showsStandby() const;

signals:
    void quitRequested();
    // A screen of the show is on view on its own (`index` of its project).
    void screenSettled(qint64 index);
    void framePainted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Options options_;
    QPointer<KioskPreviewView> view_;
    StandbyCard* standby_ = nullptr;
};

} // namespace vistrelle
