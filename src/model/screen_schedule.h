#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>

#include <QString>

#include <optional>

namespace vistrelle {

// A daily stretch of time, in minutes from midnight. One that ends at or before its start crosses midnight
// (22:00–02:00) and belongs to the day it starts on.
struct TimeWindow {
    int startMinute = 0;
    int endMinute = 24 * 60;

    bool crossesMidnight() const { return endMinute <= startMinute; }
    bool operator==(const TimeWindow&) const = default;
};

// When a screen may play, in the display's local time: an optional range of days (both ends included),
// weekdays, and daily windows. No weekdays means every day, no windows the whole day.
struct ScreenSchedule {
    std::optional<QDate> from;
    std::optional<QDate> until;
    QList<int> weekdays; // 1 Monday … 7 Sunday
    QList<TimeWindow> windows;
    // An alert plays whenever it is scheduled, ahead of the normal sequence.
    bool alert = false;

    bool operator==(const ScreenSchedule&) const = default;
};

// "06:00", and back (none for anything but HH:MM from 00:00 to 24:00).
QString scheduleTimeText(int minute);
std::optional<int> scheduleTimeFromText(const QString& text);

// Weekdays as "1,2,3" and windows as "06:00-10:00 22:00-02:00", and back (none for anything else): the
// player data's attributes.
QString scheduleWeekdaysText(const QList<int>& weekdays);
std::optional<QList<int>> scheduleWeekdaysFromText(const QString& text);
QString scheduleWindowsText(const QList<TimeWindow>& windows);
std::optional<QList<TimeWindow>> scheduleWindowsFromText(const QString& text);

// Daily windows for people: "06:00–10:00, 22:00–02:00" (empty for none).
QString scheduleTimesText(const QList<TimeWindow>& windows);

// When a schedule plays, in a line for people: "Alert · Mon, Tue · 06:00–10:00 · until 24/12/2026".
QString describeSchedule(const ScreenSchedule& schedule);

// Whether a screen with `schedule` plays at `moment` (taken in local time, so a window keeps its wall-clock
// times across a change to or from daylight-saving time).
bool isScheduledAt(const ScreenSchedule& schedule, const QDateTime& moment);

// The first moment after `moment`, to the minute, at which the answer of isScheduledAt may change (a window's
// edge, a midnight, the range's ends); at most a day and a minute ahead, so a caller looks again at least
// daily.
QDateTime nextScheduleBoundary(const ScreenSchedule& schedule, const QDateTime& moment);

} // namespace vistrelle
