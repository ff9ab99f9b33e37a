#pragma once

#include "export/check_finding.h"

#include <QByteArray>

namespace vistrelle {

// The show check's findings as text for people and scripts.

// `error: screen 2 "Lobby": …` (screens from 1), or `error: project "Lobby Show": …` for the project as a
// whole. One finding is always one line: in the names `"` and `\` are escaped, and in names and message
// line breaks and every other control character (`\n`, `\u001b`), so no name can forge a line or talk to
// the terminal.
QString findingLine(const CheckFinding& finding, const QString& projectName);

// `text` with every control character escaped (`\n`, `\t`, `\u001b`), and `"` and `\` too when `quoted`.
QString escapedForLine(const QString& text, bool quoted);

// `1 error, 3 warnings`.
QString countsLine(CheckCounts counts);

// A JSON array with an object per finding: "severity" ("error" or "warning"), "screen" (from 1, null for the
// project), "screenName", "component" ({"type", "id"} or null), "rule", "message" and "deployFails".
QByteArray findingsJson(const QList<CheckFinding>& findings);

} // namespace vistrelle
