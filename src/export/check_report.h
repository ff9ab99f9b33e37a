#pragma once

#include "export/check_finding.h"

#include <QByteArray>

namespace vistrelle {

// The show check's findings as text for people and scripts.

// `error: screen 2 "Lobby": …` (screens from 1), or `error: project: …` for the project as a whole.
QString findingLine(const CheckFinding& finding);

// `1 error, 3 warnings`.
QString countsLine(CheckCounts counts);

// A JSON array with an object per finding: "severity" ("error" or "warning"), "screen" (from 1, null for the
// project), "screenName", "component" ({"type", "id"} or null), "rule", "message" and "deployFails".
QByteArray findingsJson(const QList<CheckFinding>& findings);

} // namespace vistrelle
