#include "preview/preview_playback.h"

#include "model/screen_sequence.h"

#include <QUuid>

#include <algorithm>
#include <cmath>

namespace vistrelle {

PreviewPlayback::PreviewPlayback(KioskProject project, Scheduler& scheduler, Hooks hooks)
    : project_(std::move(project))
    , scheduler_(scheduler)
    , hooks_(std::move(hooks))
    , timeAware_(isTimeAware(project_)) {
    if (!hooks_.wallClock)
        hooks_.wallClock = [] { return QDateTime::currentDateTime(); };
}

PreviewPlayback::~PreviewPlayback() {
    stop();
}

void PreviewPlayback::notify() const {
    if (hooks_.changed)
        hooks_.changed();
}

const KioskScreen* PreviewPlayback::screenAt(qint64 index) const {
    return index >= 0 && index < project_.screens.size() ? &project_.screens[index] : nullptr;
}

double PreviewPlayback::holdSeconds(const KioskScreen* screen) {
    return screen ? std::max(double(screen->duration), shortestHold) : holdWithoutScreens;
}

double PreviewPlayback::eased(double t) {
    if (t < 0)
        return 0;
    if (t < 0.5)
        return 2 * t * t;
    const double rest = 2 - 2 * std::min(t, 1.0);
    return 1 - rest * rest / 2;
}

TransitionEffect PreviewPlayback::transitionEffect() const {
    const KioskScreen* leaving = currentScreen();
    return leaving ? leaving->transition.effect : TransitionEffect::none;
}

void PreviewPlayback::start() {
    bool moved = false;
    if (timeAware_) {
        const QDateTime now = wallTime();
        if (mustLeaveAt(project_, currentScreenIndex_, now)) {
            currentScreenIndex_ = nextScreenAt(project_, -1, now).value_or(-1);
            moved = true;
        }
        watchScheduleBoundary();
    }
    scheduleAdvanceTimer();
    if (moved)
        notify(); // the view settles on the screen due now, or on nothing
}

void PreviewPlayback::stop() {
    advanceTimer_.reset();
    tickTimer_.reset();
    boundaryTimer_.reset();
    ++transitionGeneration_;
}

qint64 PreviewPlayback::upcomingScreenIndex() const {
    const qint64 count = project_.screens.size();
    if (timeAware_) {
        const QDateTime endOfHold = wallTime().addMSecs(qint64(holdSeconds(currentScreen()) * 1000));
        return nextScreenAt(project_, currentScreenIndex_, endOfHold).value_or(-1);
    }
    return count > 0 ? (currentScreenIndex_ + 1) % count : -1;
}

QDateTime PreviewPlayback::wallTime() const {
    return hooks_.wallClock();
}

void PreviewPlayback::watchScheduleBoundary() {
    // At the next boundary, and at least every minute: a clock that is set (a display that got the time
    // late, a change by hand) moves the boundaries, and a minute's look costs next to nothing.
    const QDateTime now = wallTime();
    const double seconds =
        std::clamp(double(now.msecsTo(nextShowBoundary(project_, now))) / 1000.0, 0.001, longestScheduleWait);
    boundaryTimer_ = scheduler_.singleShot(seconds, [this] { scheduleBoundaryReached(); });
}

void PreviewPlayback::scheduleBoundaryReached() {
    watchScheduleBoundary();
    const QDateTime now = wallTime();
    if (isTransitioning_ || !mustLeaveAt(project_, currentScreenIndex_, now))
        return;
    // A screen a visitor asked for keeps its hold, unless the displays close or an alert comes.
    if (scheduler_.now() < visitorHoldEnds_ && isOpenAt(project_.settings, now)) {
        const std::optional<qint64> due = nextScreenAt(project_, -1, now);
        const bool alertDue =
            due && project_.screens[*due].schedule && project_.screens[*due].schedule->alert;
        if (!alertDue)
            return;
    }
    advanceToNextScreen();
}

void PreviewPlayback::setCurrentScreenIndex(qint64 index) {
    if (index == currentScreenIndex_)
        return;
    currentScreenIndex_ = index;
    scheduleAdvanceTimer(); // a new screen's hold
}

void PreviewPlayback::scheduleAdvanceTimer() {
    advanceTimer_ = scheduler_.singleShot(holdSeconds(currentScreen()), [this] { advanceToNextScreen(); });
}

void PreviewPlayback::advanceToNextScreen() {
    const qint64 count = project_.screens.size();
    const qint64 next = timeAware_ ? nextScreenAt(project_, currentScreenIndex_, wallTime()).value_or(-1)
                        : currentScreenIndex_ + 1 < count ? currentScreenIndex_ + 1
                                                          : 0;
    nextScreenIndex_ = next;
    const KioskScreen* leaving = currentScreen();
    const TransitionStyle transition = leaving ? leaving->transition : TransitionStyle{};
    // Into or out of nothing (closed, or nothing scheduled) is a cut, and so is the one screen due staying
    // on.
    const bool staysOn = timeAware_ && next == currentScreenIndex_;
    if (transition.effect == TransitionEffect::none || next < 0 || !leaving || staysOn) {
        // With schedules the same screen again is held again, to look at the time after each hold.
        jumpToScreen(next, timeAware_ ? Hold::again : Hold::asBefore);
        return;
    }
    const qint64 generation = ++transitionGeneration_;
    isTransitioning_ = true;
    transitionProgress_ = 0;
    const double duration = std::max(transition.duration, shortestTransition);
    const double start = scheduler_.now();
    notify();
    tickTimer_ = scheduler_.singleShot(
        0, [this, generation, start, duration, next] { tick(generation, start, duration, next); });
}

void PreviewPlayback::tick(qint64 generation, double start, double duration, qint64 next) {
    if (generation != transitionGeneration_)
        return; // a jump, another transition or the end of the preview came first
    const double t = (scheduler_.now() - start) / duration;
    transitionProgress_ = eased(t);
    if (t < 1) {
        notify();
        tickTimer_ = scheduler_.singleShot(tickSeconds, [this, generation, start, duration, next] {
            tick(generation, start, duration, next);
        });
        return;
    }
    isTransitioning_ = false;
    transitionProgress_ = 0;
    if (next == currentScreenIndex_ && timeAware_)
        scheduleAdvanceTimer();
    else
        setCurrentScreenIndex(next);
    notify();
    // A boundary passed during the transition (an alert opened): the screen just come gives way at once.
    if (timeAware_ && mustLeaveAt(project_, currentScreenIndex_, wallTime()))
        advanceToNextScreen();
}

void PreviewPlayback::jumpToScreen(qint64 index, Hold hold) {
    ++transitionGeneration_;
    tickTimer_.reset();
    isTransitioning_ = false;
    transitionProgress_ = 0;
    if (index == currentScreenIndex_ && hold == Hold::again)
        scheduleAdvanceTimer();
    else
        setCurrentScreenIndex(index);
    notify();
}

void PreviewPlayback::showAlert(const QString& title, const QString& message) {
    alertTitle_ = title;
    alertMessage_ = message;
    showingAlert_ = true;
    notify();
}

void PreviewPlayback::dismissAlert() {
    if (!showingAlert_)
        return;
    showingAlert_ = false;
    notify();
}

void PreviewPlayback::handleButtonAction(const QString& action, const KioskScreen& screen) {
    const auto print = [this](const QString& line) {
        if (hooks_.printLine)
            hooks_.printLine(line);
    };
    if (action.startsWith(QLatin1StringView("alert:"))) {
        const QStringList parts = action.split(u':');
        if (parts.size() >= 3)
            showAlert(parts[1], parts[2]);
        return;
    }
    if (action.startsWith(QLatin1StringView("system:"))) {
        const QStringList parts = action.split(u':');
        if (parts.size() < 2)
            return;
        const QString& command = parts[1];
        if (command == QLatin1StringView("print")) {
            if (hooks_.print)
                hooks_.print();
        } else if (command == QLatin1StringView("quit")) {
            showAlert(QStringLiteral("Preview Mode"),
                      QStringLiteral("This function only works in deploy mode"));
        } else if (command == QLatin1StringView("volume_up")) {
            print(QStringLiteral("Volume up action triggered"));
        } else if (command == QLatin1StringView("volume_down")) {
            print(QStringLiteral("Volume down action triggered"));
        } else if (command == QLatin1StringView("mute_toggle")) {
            print(QStringLiteral("Mute toggle action triggered"));
        } else if (command == QLatin1StringView("open_url")) {
            if (hooks_.openWebPage)
                hooks_.openWebPage();
        }
        return;
    }
    if (action.startsWith(QLatin1StringView("component:"))) {
        const QStringList parts = action.split(u':');
        if (parts.size() < 3)
            return;
        const QString& target = parts[2];
        const bool onThisScreen = std::any_of(
            screen.components.cbegin(), screen.components.cend(), [&](const PlacedComponent& component) {
                return component.id.toString(QUuid::WithoutBraces).toUpper() == target;
            });
        if (!onThisScreen)
            return;
        static const QList<std::pair<QLatin1StringView, QLatin1StringView>> messages = {
            {QLatin1StringView("play_video"), QLatin1StringView("Play video for component: ")},
            {QLatin1StringView("pause_video"), QLatin1StringView("Pause video for component: ")},
            {QLatin1StringView("stop_video"), QLatin1StringView("Stop video for component: ")},
            {QLatin1StringView("toggle_visibility"), QLatin1StringView("Toggle visibility for component: ")},
            {QLatin1StringView("focus_component"), QLatin1StringView("Focus component: ")},
            {QLatin1StringView("reset_component"), QLatin1StringView("Reset component: ")}};
        for (const auto& [command, message] : messages)
            if (parts[1] == command)
                print(message + target);
        return;
    }
    navigate(action);
}

void PreviewPlayback::navigate(const QString& target) {
    const qint64 before = currentScreenIndex_;
    const qint64 generation = transitionGeneration_;
    navigateTo(target);
    if (transitionGeneration_ != generation || currentScreenIndex_ != before)
        visitorHoldEnds_ = scheduler_.now() + holdSeconds(currentScreen());
}

void PreviewPlayback::navigateTo(const QString& target) {
    const qint64 count = project_.screens.size();
    if (target == QLatin1StringView("next") || target == QLatin1StringView("next_screen")) {
        if (currentScreenIndex_ < count - 1)
            jumpToScreen(currentScreenIndex_ + 1, Hold::again);
        return;
    }
    if (target == QLatin1StringView("previous") || target == QLatin1StringView("previous_screen")) {
        if (currentScreenIndex_ >= 1)
            jumpToScreen(currentScreenIndex_ - 1, Hold::again);
        return;
    }
    if (target.startsWith(QLatin1StringView("screen_"))) {
        QString number = target;
        number.remove(QStringLiteral("screen_"));
        bool ok = false;
        const qint64 index = number.toLongLong(&ok);
        // Digits with an optional sign only: Qt's reading would also take blanks.
        const bool plain = !number.isEmpty() && !number.front().isSpace() && !number.back().isSpace();
        if (ok && plain && index >= 0 && index < count)
            jumpToScreen(index, Hold::again);
        return;
    }
    const QUuid id = QUuid::fromString(target);
    if (id.isNull())
        return;
    for (qint64 i = 0; i < count; ++i)
        if (project_.screens[i].id == id) {
            jumpToScreen(i, Hold::again);
            return;
        }
}

namespace PreviewZoom {

double zoomedIn(double scale) {
    return std::min(scale + 0.1, 3.0);
}

double zoomedOut(double scale) {
    const double smaller = scale - 0.1;
    return smaller <= 0.1 ? 0.1 : smaller;
}

QString label(double scale) {
    // The whole percent; steps of 0.1 add up to a hair below a whole (0.7 - 0.4 = 0.29999…).
    return QString::number(qint64(std::floor(scale * 100 + 1e-6))) + u'%';
}

} // namespace PreviewZoom

} // namespace vistrelle
