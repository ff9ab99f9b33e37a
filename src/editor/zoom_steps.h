#pragma once

#include <QString>

namespace vistrelle {

// The canvas zoom runs from 10 % to 300 % in steps of 10 %.
inline constexpr double minimumZoom = 0.1;
inline constexpr double maximumZoom = 3.0;

double zoomedOut(double zoom);
double zoomedIn(double zoom);

// "100%": the whole percentage of `zoom`.
QString zoomPercentText(double zoom);

} // namespace vistrelle
