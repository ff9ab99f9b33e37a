#include "export/schedule_check.h"

#include "export/check_texts.h"
#include "model/screen_sequence.h"

#include <QLocale>

#include <algorithm>

namespace vistrelle {

namespace {

constexpr int minutesPerDay = 24 * 60;

// A stretch of the week, from one edge to the next, as local wall-clock times.
struct Stretch {
    QDate day;
    int from = 0;
    int until = 0;
    QDateTime start() const { return QDateTime(day, QTime(from / 60, from % 60), Qt::LocalTime); }
};

QList<Stretch> weekStretches(const KioskProject& project, const QDate& firstDay) {
    const QList<int> edges = scheduleEdgeMinutes(project);
    QList<Stretch> stretches;
    for (int d = 0; d < 7; ++d)
        for (qsizetype i = 0; i < edges.size(); ++i)
            stretches.append(
                {firstDay.addDays(d), edges[i], i + 1 < edges.size() ? edges[i + 1] : minutesPerDay});
    return stretches;
}

QString when(const QDate& day, int minute) {
    return QLocale().dayName(day.dayOfWeek()) + u' ' + scheduleTimeText(minute);
}

bool playsAt(const KioskScreen& screen, const QDateTime& moment) {
    return !screen.schedule || isScheduledAt(*screen.schedule, moment);
}

// Whether any day the range and weekdays allow lies on or after `today`.
bool hasDayAhead(const ScreenSchedule& schedule, const QDate& today) {
    QDate day = std::max(today, schedule.from.value_or(today));
    for (int i = 0; i < 7; ++i, day = day.addDays(1)) {
        if (schedule.until && day > *schedule.until)
            return false;
        if (schedule.weekdays.isEmpty() || schedule.weekdays.contains(day.dayOfWeek()))
            return true;
    }
    return false;
}

CheckFinding warning(const QString& rule, const KioskProject& project, qsizetype screen,
                     const QString& text) {
    CheckFinding finding;
    finding.rule = rule;
    finding.message = text;
    if (screen >= 0) {
        finding.screenNumber = int(screen + 1);
        finding.screenName = project.screens[screen].name;
        finding.screenId = project.screens[screen].id;
    }
    return finding;
}

} // namespace

QList<CheckFinding> checkSchedules(const KioskProject& project, const QDateTime& now) {
    QList<CheckFinding> findings;
    if (!isTimeAware(project) || project.screens.isEmpty())
        return findings;
    const QDate today = now.toLocalTime().date();
    const QList<Stretch> week = weekStretches(project, today);

    // Gaps: open, and no screen plays. Neighbouring stretches make one gap.
    std::optional<Stretch> gapStart;
    Stretch gapEnd;
    const auto reportGap = [&] {
        if (gapStart)
            findings.append(warning(
                QStringLiteral("schedule-gap"), project, -1,
                CheckText::tr("Nothing plays from %1 to %2: the display shows black. Give a screen no "
                              "schedule, or widen a window to cover that time.")
                    .arg(when(gapStart->day, gapStart->from), gapEnd.until == minutesPerDay
                                                                  ? when(gapEnd.day.addDays(1), 0)
                                                                  : when(gapEnd.day, gapEnd.until))));
        gapStart.reset();
    };
    for (const Stretch& stretch : week) {
        const QDateTime moment = stretch.start();
        const bool gap = moment.isValid() && isOpenAt(project.settings, moment) &&
                         std::none_of(project.screens.cbegin(), project.screens.cend(),
                                      [&](const KioskScreen& s) { return playsAt(s, moment); });
        if (gap) {
            if (!gapStart)
                gapStart = stretch;
            gapEnd = stretch;
        } else if (moment.isValid()) {
            reportGap();
        }
    }
    reportGap();

    for (qsizetype i = 0; i < project.screens.size(); ++i) {
        const std::optional<ScreenSchedule>& schedule = project.screens[i].schedule;
        if (!schedule)
            continue;
        if (schedule->until && *schedule->until < today) {
            findings.append(
                warning(QStringLiteral("schedule-ended"), project, i,
                        CheckText::tr("Its dates ended on %1: it no longer plays. Change its dates "
                                      "or delete the screen.")
                            .arg(QLocale().toString(*schedule->until, QLocale::LongFormat))));
            continue;
        }
        const bool anyStretch = std::any_of(week.cbegin(), week.cend(), [&](const Stretch& stretch) {
            const QDateTime moment = stretch.start();
            return moment.isValid() && isOpenAt(project.settings, moment) && isScheduledAt(*schedule, moment);
        });
        // A range that starts after a week may still meet its windows: only what can be told is told.
        const bool beyondTheWeek = schedule->from && *schedule->from > today.addDays(6);
        if (!anyStretch && !beyondTheWeek)
            findings.append(warning(
                QStringLiteral("schedule-never"), project, i,
                hasDayAhead(*schedule, today)
                    ? CheckText::tr("Its times never meet the opening hours: it never plays. Move its "
                                    "windows into the opening hours.")
                    : CheckText::tr("Its dates and weekdays never meet: it never plays. Choose a weekday "
                                    "within its dates.")));
    }

    // Alerts open at the same time take turns: worth knowing, once for each pair.
    for (qsizetype a = 0; a < project.screens.size(); ++a)
        for (qsizetype b = a + 1; b < project.screens.size(); ++b) {
            const auto& first = project.screens[a].schedule;
            const auto& second = project.screens[b].schedule;
            if (!first || !second || !first->alert || !second->alert)
                continue;
            const auto overlap = std::find_if(week.cbegin(), week.cend(), [&](const Stretch& stretch) {
                const QDateTime moment = stretch.start();
                return moment.isValid() && isScheduledAt(*first, moment) && isScheduledAt(*second, moment);
            });
            if (overlap != week.cend())
                findings.append(
                    warning(QStringLiteral("alert-overlap"), project, b,
                            CheckText::tr("This alert and “%1” are both due on %2: they take "
                                          "turns. Move one of their windows if one should win.")
                                .arg(project.screens[a].name, when(overlap->day, overlap->from))));
        }
    return findings;
}

} // namespace vistrelle
