#pragma once

#include <QSizeF>
#include <QString>

namespace vistrelle {

// The canvas zoom runs from 10 % to 300 % in steps of 10 %.
inline constexpr double minimumZoom = 0.1;
inline constexpr double maximumZoom = 3.0;

double zoomedOut(double zoom);
double zoomedIn(double zoom);

// The largest whole percentage at which `content` fits into `room`, within the zoom range.
double fittingZoom(const QSizeF& content, const QSizeF& room);

// "100%": the whole percentage of `zoom`.
QString zoomPercentText(double zoom);

} // namespace vistrelle
