#pragma once

#include "model/project_model.h"

#include "platform/scheduler.h"
#include <QDateTime>

#include <functional>
#include <memory>

namespace vistrelle {

// What the preview shows from moment to moment, apart from any widget: the
// screen shown, the transition under way and its eased progress, the
// in-player alert, and what clicks on image buttons do. It runs on an
// injectable scheduler, so tests play a show in virtual time.
//
// Screens play in list order, each for its duration but at least 3 seconds,
// and loop; each change uses the transition of the screen being left. In a
// show with schedules the next screen is the next one scheduled at the time
// (alerts first), the screen on view gives way at once when its time is up,
// and nothing is shown (index -1) while nothing may play. A jump
// (a button's navigation) changes at once and ends a running transition: every
// jump, new transition and stop bumps the generation that animation ticks check.
class PreviewPlayback {
public:
    struct Hooks {
        std::function<void()> changed;                 // anything shown changed
        std::function<void(const QString&)> printLine; // standard output
        std::function<void()> print;                   // "system:print"
        std::function<void()> openWebPage;             // "system:open_url"
        // The display's local time, which schedules and opening hours go by; default: the system's.
        std::function<QDateTime()> wallClock;
    };

    static constexpr double shortestHold = 3.0;
    static constexpr double holdWithoutScreens = 5.0;
    static constexpr double tickSeconds = 0.016;
    static constexpr double shortestTransition = 0.01;
    static constexpr double longestScheduleWait = 60;

    PreviewPlayback(KioskProject project, Scheduler& scheduler, Hooks hooks);
    ~PreviewPlayback();
    PreviewPlayback(const PreviewPlayback&) = delete;
    PreviewPlayback& operator=(const PreviewPlayback&) = delete;

    // The view is shown: the first screen's hold starts. The view goes: timers stop, a transition ends.
    void start();
    void stop();

    const KioskProject& project() const { return project_; }
    qint64 currentScreenIndex() const { return currentScreenIndex_; }
    qint64 nextScreenIndex() const { return nextScreenIndex_; }
    const KioskScreen* currentScreen() const { return screenAt(currentScreenIndex_); }
    // The screen expected after the one on view (-1 for none), to be made ready while it is held.
    qint64 upcomingScreenIndex() const;
    const KioskScreen* nextScreen() const { return screenAt(nextScreenIndex_); }
    bool isTransitioning() const { return isTransitioning_; }
    double transitionProgress() const { return transitionProgress_; }
    qint64 transitionGeneration() const { return transitionGeneration_; }
    // The effect of the transition shown: the screen being left's.
    TransitionEffect transitionEffect() const;

    bool showingAlert() const { return showingAlert_; }
    const QString& alertTitle() const { return alertTitle_; }
    const QString& alertMessage() const { return alertMessage_; }
    void dismissAlert();

    void advanceToNextScreen();
    // Ends any transition and shows `index`. A jump the viewer asked for (`Hold::again`) always leaves one
    // advance timer, also when it lands on the screen on view (whose own hold had already run out while it
    // was being left); the automatic advance onto the same screen (a show of one) leaves none.
    enum class Hold { asBefore, again };
    void jumpToScreen(qint64 index, Hold hold = Hold::asBefore);
    // A click on an image button of `screen` that sends `action`.
    void handleButtonAction(const QString& action, const KioskScreen& screen);

    // Quadratic ease-in-out of `t` (0 before 0, exactly 1 from 1 on).
    static double eased(double t);
    // How long a screen is held: its duration, at least 3 seconds; 5 without a screen.
    static double holdSeconds(const KioskScreen* screen);

private:
    const KioskScreen* screenAt(qint64 index) const;
    void setCurrentScreenIndex(qint64 index);
    void scheduleAdvanceTimer();
    QDateTime wallTime() const;
    void watchScheduleBoundary();
    void scheduleBoundaryReached();
    void tick(qint64 generation, double start, double duration, qint64 next);
    void showAlert(const QString& title, const QString& message);
    void navigate(const QString& target);
    void navigateTo(const QString& target);
    void notify() const;

    KioskProject project_;
    Scheduler& scheduler_;
    Hooks hooks_;
    qint64 currentScreenIndex_ = 0;
    qint64 nextScreenIndex_ = 0;
    bool isTransitioning_ = false;
    double transitionProgress_ = 0;
    qint64 transitionGeneration_ = 0;
    bool showingAlert_ = false;
    QString alertTitle_;
    QString alertMessage_;
    std::unique_ptr<Scheduler::Timer> advanceTimer_;
    std::unique_ptr<Scheduler::Timer> tickTimer_;
    std::unique_ptr<Scheduler::Timer> boundaryTimer_;
    bool timeAware_ = false;
    double visitorHoldEnds_ = -1; // on the scheduler's clock
};

// The preview's zoom: 10 % steps up to 300 %, never below 10 %; its label ("100%").
namespace PreviewZoom {
double zoomedIn(double scale);
double zoomedOut(double scale);
QString label(double scale);
} // namespace PreviewZoom

} // namespace vistrelle
