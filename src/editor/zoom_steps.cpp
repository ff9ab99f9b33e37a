#include "editor/zoom_steps.h"

#include <algorithm>
#include <cmath>

namespace vistrelle {
namespace {

// Repeated tenths drift in binary (0.1 + 0.2 is not 0.3), which would show
// 29 % for 30 %: every step lands on a whole hundredth.
double tidy(double zoom) {
    return std::round(zoom * 100) / 100;
}

} // namespace

double zoomedOut(double zoom) {
    const double next = tidy(zoom - 0.1);
    return next <= minimumZoom ? minimumZoom : next;
}

double zoomedIn(double zoom) {
    const double next = tidy(zoom + 0.1);
    return next > maximumZoom ? maximumZoom : next;
}

double fittingZoom(const QSizeF& content, const QSizeF& room) {
    if (content.isEmpty() || room.isEmpty())
        return minimumZoom;
    const double ratio = std::min(room.width() / content.width(), room.height() / content.height());
    return std::clamp(std::floor(ratio * 100 + 1e-9) / 100, minimumZoom, maximumZoom);
}

QString zoomPercentText(double zoom) {
    // The small allowance keeps 0.29999… from reading as 29 %.
    return QString::number(qint64(std::floor(zoom * 100 + 1e-9))) + u'%';
}

} // namespace vistrelle
