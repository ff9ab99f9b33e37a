#pragma once

#include "model/screen_schedule.h"

#include <QXmlStreamAttributes>

#include <optional>

namespace vistrelle {

// A screen's schedule as an XML element, shared by the player data and screen templates:
// <schedule from="2026-12-01" until="" weekdays="1,2,3,4,5" windows="06:00-10:00 22:00-02:00" alert="false"/>
QString scheduleXmlElement(const ScreenSchedule& schedule);
// Opening hours: <openingHours weekdays="…" windows="…"/>.
QString openingHoursXmlElement(const ScreenSchedule& hours);

// Either element's attributes read back; none when a date, a weekday or a time cannot be read.
std::optional<ScreenSchedule> scheduleFromXmlAttributes(const QXmlStreamAttributes& attributes);

} // namespace vistrelle
