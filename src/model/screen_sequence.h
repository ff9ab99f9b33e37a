#pragma once

#include "model/project_model.h"

#include <QDateTime>

#include <optional>

namespace vistrelle {

// Which screen plays when, for the preview and the player alike, in the display's local time.

// Whether anything in the project depends on the time of day: a screen's schedule or opening hours.
bool isTimeAware(const KioskProject& project);

// Whether the displays are on at `moment` (always without opening hours).
bool isOpenAt(const ProjectSettings& settings, const QDateTime& moment);

// The screen that plays after `current` (an index, or -1 for none) at `moment`: an alert that is scheduled
// then comes first, and alerts open together take turns in list order; otherwise the next screen in list
// order that is scheduled then, alerts left out, wrapping round to `current` itself. None when nothing may
// play, outside opening hours included.
std::optional<qint64> nextScreenAt(const KioskProject& project, qint64 current, const QDateTime& moment);

// Whether the screen on view (-1 for none) has to give way at `moment`: its window closed, an alert opened
// over a normal screen, the displays' closing time came, or something may play where nothing did.
bool mustLeaveAt(const KioskProject& project, qint64 current, const QDateTime& moment);

// The minutes of the day at which any of the project's answers may change: midnight and the edges of every
// window of its opening hours and screens, each once, in order.
QList<int> scheduleEdgeMinutes(const KioskProject& project);

// The first moment after `moment` at which any of the project's answers may change; at most a day ahead.
QDateTime nextShowBoundary(const KioskProject& project, const QDateTime& moment);

} // namespace vistrelle
