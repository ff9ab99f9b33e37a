#include "model/screen_schedule.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTimeZone>

#include <algorithm>

namespace vistrelle {

namespace {

constexpr int minutesPerDay = 24 * 60;

// Whether `day` is one the schedule's range and weekdays allow.
bool isScheduledDay(const ScreenSchedule& schedule, const QDate& day) {
    if (schedule.from && day < *schedule.from)
        return false;
    if (schedule.until && day > *schedule.until)
        return false;
    return schedule.weekdays.isEmpty() || schedule.weekdays.contains(day.dayOfWeek());
}

} // namespace

QString scheduleTimeText(int minute) {
    return QStringLiteral("%1:%2").arg(minute / 60, 2, 10, QChar(u'0')).arg(minute % 60, 2, 10, QChar(u'0'));
}

std::optional<int> scheduleTimeFromText(const QString& text) {
    if (text.size() != 5 || text[2] != u':')
        return std::nullopt;
    bool hoursOk = false;
    bool minutesOk = false;
    const int hours = text.left(2).toInt(&hoursOk);
    const int minutes = text.mid(3).toInt(&minutesOk);
    if (!hoursOk || !minutesOk || hours < 0 || minutes < 0 || minutes > 59 || hours > 24 ||
        (hours == 24 && minutes > 0))
        return std::nullopt;
    return hours * 60 + minutes;
}

QString scheduleWeekdaysText(const QList<int>& weekdays) {
    QStringList parts;
    for (const int day : weekdays)
        parts << QString::number(day);
    return parts.join(u',');
}

std::optional<QList<int>> scheduleWeekdaysFromText(const QString& text) {
    QList<int> weekdays;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int day = part.trimmed().toInt(&ok);
        if (!ok || day < 1 || day > 7)
            return std::nullopt;
        weekdays << day;
    }
    return weekdays;
}

QString scheduleWindowsText(const QList<TimeWindow>& windows) {
    QStringList parts;
    for (const TimeWindow& window : windows)
        parts << scheduleTimeText(window.startMinute) + u'-' + scheduleTimeText(window.endMinute);
    return parts.join(u' ');
}

std::optional<QList<TimeWindow>> scheduleWindowsFromText(const QString& text) {
    QList<TimeWindow> windows;
    for (const QString& part : text.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList ends = part.split(u'-');
        if (ends.size() != 2)
            return std::nullopt;
        const std::optional<int> start = scheduleTimeFromText(ends[0]);
        const std::optional<int> end = scheduleTimeFromText(ends[1]);
        if (!start || !end)
            return std::nullopt;
        windows << TimeWindow{*start, *end};
    }
    return windows;
}

QString scheduleTimesText(const QList<TimeWindow>& windows) {
    QStringList parts;
    for (const TimeWindow& window : windows)
        parts << scheduleTimeText(window.startMinute) + QStringLiteral("–") +
                     scheduleTimeText(window.endMinute);
    return parts.join(QStringLiteral(", "));
}

QString describeSchedule(const ScreenSchedule& schedule) {
    const auto tr = [](const char* text) { return QCoreApplication::translate("ScreenSchedule", text); };
    QStringList parts;
    if (schedule.alert)
        parts << tr("Alert");
    QStringList days;
    for (const int day : schedule.weekdays)
        days << QLocale().dayName(day, QLocale::ShortFormat);
    parts << (days.isEmpty() ? tr("every day") : days.join(QStringLiteral(", ")));
    parts << (schedule.windows.isEmpty() ? tr("all day") : scheduleTimesText(schedule.windows));
    if (schedule.from)
        parts << tr("from %1").arg(QLocale().toString(*schedule.from, QLocale::ShortFormat));
    if (schedule.until)
        parts << tr("until %1").arg(QLocale().toString(*schedule.until, QLocale::ShortFormat));
    return parts.join(QStringLiteral(" · "));
}

bool isScheduledAt(const ScreenSchedule& schedule, const QDateTime& moment) {
    const QDateTime local = moment.toLocalTime();
    const QDate today = local.date();
    const int minute = local.time().hour() * 60 + local.time().minute();
    if (schedule.windows.isEmpty())
        return isScheduledDay(schedule, today);
    return std::any_of(schedule.windows.cbegin(), schedule.windows.cend(), [&](const TimeWindow& window) {
        if (!window.crossesMidnight())
            return isScheduledDay(schedule, today) && minute >= window.startMinute &&
                   minute < window.endMinute;
        // Late on its own day, or early on the next.
        return (isScheduledDay(schedule, today) && minute >= window.startMinute) ||
               (isScheduledDay(schedule, today.addDays(-1)) && minute < window.endMinute);
    });
}

QDateTime nextScheduleBoundary(const ScreenSchedule& schedule, const QDateTime& moment) {
    const QDateTime local = moment.toLocalTime();
    const int now = local.time().hour() * 60 + local.time().minute();
    // The edges of a day, in minutes: midnight and every window's start and end.
    QList<int> edges{minutesPerDay};
    for (const TimeWindow& window : schedule.windows)
        edges << window.startMinute << window.endMinute;
    int next = minutesPerDay;
    for (const int edge : std::as_const(edges))
        if (edge > now && edge < next)
            next = edge;
    QDate day = local.date();
    if (next >= minutesPerDay) {
        day = day.addDays(1);
        next = 0;
    }
    QDateTime boundary(day, QTime(next / 60, next % 60), Qt::LocalTime);
    // A wall-clock time that a change to daylight-saving time skips: the first minute after the gap.
    for (int step = 1; (!boundary.isValid() || boundary <= moment) && step <= 180; ++step) {
        const int minute = next + step;
        boundary = minute < minutesPerDay ? QDateTime(day, QTime(minute / 60, minute % 60), Qt::LocalTime)
                                          : QDateTime(day.addDays(1), QTime(0, 0), Qt::LocalTime);
    }
    if (!boundary.isValid() || boundary <= moment)
        boundary = moment.addSecs(60);
    // When the clocks go back, wall-clock times come again: the change itself is a boundary too.
    const QTimeZone zone = QTimeZone::systemTimeZone();
    if (zone.hasTransitions()) {
        const QTimeZone::OffsetData change = zone.nextTransition(moment);
        if (change.atUtc.isValid() && change.atUtc > moment && change.atUtc < boundary)
            boundary = change.atUtc.toLocalTime();
    }
    return boundary;
}

} // namespace vistrelle
