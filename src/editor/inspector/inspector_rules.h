#pragma once

#include <QString>

#include <optional>

namespace vistrelle {

// The rules behind the inspector's fields, apart from the widgets.
namespace InspectorRules {

// Without a selected screen a frame is bounded by this many units each way.
constexpr qint64 boundWithoutScreen = 8192;
constexpr qint64 smallestSide = 10;
constexpr qint64 shortestDuration = 3;

// An optional sign and decimal digits only; nothing for anything else.
std::optional<qint64> parseInteger(const QString& text);

// A width or height: at least 10, at most `bound` (the screen's side).
qint64 clampedSide(qint64 value, qint64 bound);
// An x or y: at least 0, at most the screen's side less the component's (whole) side.
qint64 clampedOrigin(qint64 value, qint64 screenSide, qint64 componentSide);

// The display duration typed in `text`, or `current` when it does not read; never below 3.
qint64 committedDuration(const QString& text, qint64 current);
// A screen's name as typed; an empty one is "Untitled Screen".
QString committedScreenName(const QString& text);

// Whether a web view may show `text`: empty (the HTML content shows then), an
// http or https address, or an address without a scheme that has a dot or
// starts with "/".
bool isValidWebAddress(const QString& text);

} // namespace InspectorRules
} // namespace vistrelle
