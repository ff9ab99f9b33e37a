#pragma once

#include "export/check_finding.h"
#include "model/project_model.h"

#include <QDateTime>

namespace vistrelle {

// What the show's schedules do in the week from `now`: the times nothing plays (opening hours aside),
// screens whose dates have ended or that can never play, and alerts whose windows overlap.
QList<CheckFinding> checkSchedules(const KioskProject& project, const QDateTime& now);

} // namespace vistrelle
