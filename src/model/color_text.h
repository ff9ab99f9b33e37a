#pragma once

#include <QColor>
#include <QString>

#include <optional>

namespace vistrelle {

// Reads "#RGB", "#RRGGBB" or "#AARRGGBB" (the "#" and anything else that is
// not a letter or digit around the digits is ignored). No value otherwise.
std::optional<QColor> parseColor(QStringView text);

// "#RRGGBB" in upper case, alpha dropped; no value when the colour has no
// sRGB form (an invalid colour, or extended components outside 0…1).
std::optional<QString> formatColor(const QColor& color);

} // namespace vistrelle
