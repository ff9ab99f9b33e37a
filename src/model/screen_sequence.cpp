#include "model/screen_sequence.h"

#include <algorithm>

namespace vistrelle {

namespace {

bool isAlert(const KioskScreen& screen) {
    return screen.schedule && screen.schedule->alert;
}

bool playsAt(const KioskScreen& screen, const QDateTime& moment) {
    return !screen.schedule || isScheduledAt(*screen.schedule, moment);
}

// The first index after `current`, wrapping round to `current` itself, that `accepts`.
template <typename Accept> std::optional<qint64> firstAfter(qint64 count, qint64 current, Accept accepts) {
    for (qint64 step = 1; step <= count; ++step) {
        const qint64 index = ((current < 0 ? -1 : current) + step) % count;
        if (accepts(index))
            return index;
    }
    return std::nullopt;
}

// Every daily window of the project: its opening hours' and its screens'.
QList<TimeWindow> allWindows(const KioskProject& project) {
    QList<TimeWindow> windows;
    if (project.settings.openingHours)
        windows += project.settings.openingHours->windows;
    for (const KioskScreen& screen : project.screens)
        if (screen.schedule)
            windows += screen.schedule->windows;
    return windows;
}

} // namespace

QList<int> scheduleEdgeMinutes(const KioskProject& project) {
    constexpr int minutesPerDay = 24 * 60;
    QList<int> edges{0};
    for (const TimeWindow& window : allWindows(project))
        edges << window.startMinute % minutesPerDay << window.endMinute % minutesPerDay;
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    return edges;
}

bool isTimeAware(const KioskProject& project) {
    return project.settings.openingHours ||
           std::any_of(project.screens.cbegin(), project.screens.cend(),
                       [](const KioskScreen& screen) { return screen.schedule.has_value(); });
}

bool isOpenAt(const ProjectSettings& settings, const QDateTime& moment) {
    return !settings.openingHours || isScheduledAt(*settings.openingHours, moment);
}

std::optional<qint64> nextScreenAt(const KioskProject& project, qint64 current, const QDateTime& moment) {
    const QList<KioskScreen>& screens = project.screens;
    const qint64 count = screens.size();
    if (count == 0 || !isOpenAt(project.settings, moment))
        return std::nullopt;
    if (const auto alert = firstAfter(
            count, current, [&](qint64 i) { return isAlert(screens[i]) && playsAt(screens[i], moment); }))
        return alert;
    return firstAfter(count, current,
                      [&](qint64 i) { return !isAlert(screens[i]) && playsAt(screens[i], moment); });
}

bool mustLeaveAt(const KioskProject& project, qint64 current, const QDateTime& moment) {
    const QList<KioskScreen>& screens = project.screens;
    if (current < 0 || current >= screens.size())
        return nextScreenAt(project, current, moment).has_value();
    if (!isOpenAt(project.settings, moment) || !playsAt(screens[current], moment))
        return true;
    if (isAlert(screens[current]))
        return false;
    return std::any_of(screens.cbegin(), screens.cend(),
                       [&](const KioskScreen& screen) { return isAlert(screen) && playsAt(screen, moment); });
}

QDateTime nextShowBoundary(const KioskProject& project, const QDateTime& moment) {
    // Answers change only at a window's edge, a midnight or a change of the clocks, so one schedule holding
    // every window has all the boundaries of the show.
    ScreenSchedule edges;
    edges.windows = allWindows(project);
    return nextScheduleBoundary(edges, moment);
}

} // namespace vistrelle
