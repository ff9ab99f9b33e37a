#pragma once

#include "model/project_model.h"

#include <QString>

namespace vistrelle {

// Seconds the show lasts: every screen counts at least 3 seconds.
qint64 totalDurationSeconds(const KioskProject& project);

// "45s", "2m 5s", "1h 2m 5s".
QString durationText(qint64 seconds);

} // namespace vistrelle
