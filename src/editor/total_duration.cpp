#include "editor/total_duration.h"

#include <algorithm>
#include <limits>

namespace vistrelle {

qint64 totalDurationSeconds(const KioskProject& project) {
    qint64 total = 0;
    for (const KioskScreen& screen : project.screens) {
        const qint64 seconds = std::max<qint64>(screen.duration, 3);
        if (total > std::numeric_limits<qint64>::max() - seconds)
            return std::numeric_limits<qint64>::max(); // absurd durations must not wrap to negative
        total += seconds;
    }
    return total;
}

QString durationText(qint64 seconds) {
    const qint64 t = std::max<qint64>(seconds, 0);
    if (t < 60)
        return QStringLiteral("%1s").arg(t);
    if (t < 3600)
        return QStringLiteral("%1m %2s").arg(t / 60).arg(t % 60);
    return QStringLiteral("%1h %2m %3s").arg(t / 3600).arg((t / 60) % 60).arg(t % 60);
}

} // namespace vistrelle
