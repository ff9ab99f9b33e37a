#include "export/schedule_xml.h"

namespace vistrelle {

namespace {

QString dayText(const std::optional<QDate>& day) {
    return day ? day->toString(Qt::ISODate) : QString();
}

QString daysAndTimes(const ScreenSchedule& schedule) {
    return QStringLiteral("weekdays=\"") + scheduleWeekdaysText(schedule.weekdays) +
           QStringLiteral("\" windows=\"") + scheduleWindowsText(schedule.windows) + u'"';
}

} // namespace

QString scheduleXmlElement(const ScreenSchedule& schedule) {
    return QStringLiteral("<schedule from=\"") + dayText(schedule.from) + QStringLiteral("\" until=\"") +
           dayText(schedule.until) + QStringLiteral("\" ") + daysAndTimes(schedule) +
           QStringLiteral(" alert=\"") + (schedule.alert ? QStringLiteral("true") : QStringLiteral("false")) +
           QStringLiteral("\"/>");
}

QString openingHoursXmlElement(const ScreenSchedule& hours) {
    return QStringLiteral("<openingHours ") + daysAndTimes(hours) + QStringLiteral("/>");
}

std::optional<ScreenSchedule> scheduleFromXmlAttributes(const QXmlStreamAttributes& attributes) {
    ScreenSchedule schedule;
    bool readable = true;
    const auto day = [&](QLatin1StringView name) -> std::optional<QDate> {
        const QString text = attributes.value(name).toString();
        if (text.isEmpty())
            return std::nullopt;
        const QDate date = QDate::fromString(text, Qt::ISODate);
        readable = readable && date.isValid();
        return date;
    };
    schedule.from = day(QLatin1StringView("from"));
    schedule.until = day(QLatin1StringView("until"));
    const auto weekdays =
        scheduleWeekdaysFromText(attributes.value(QLatin1StringView("weekdays")).toString());
    const auto windows = scheduleWindowsFromText(attributes.value(QLatin1StringView("windows")).toString());
    if (!readable || !weekdays || !windows)
        return std::nullopt;
    schedule.weekdays = *weekdays;
    schedule.windows = *windows;
    schedule.alert = attributes.value(QLatin1StringView("alert")) == QLatin1StringView("true");
    return schedule;
}

} // namespace vistrelle
