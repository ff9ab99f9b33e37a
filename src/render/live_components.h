#pragma once

#include "model/project_model.h"

#include <QDateTime>
#include <QPainter>

namespace vistrelle {

// Clocks, countdowns and tickers are drawn from a moment: the one the caller names, else renderMoment().

// What a clock or a countdown shows at `moment` ("14:05"; "Opening in 2 days 03:04:05", or its text for
// afterwards once the moment has passed).
QString liveComponentText(const PlacedComponent& component, const QDateTime& moment);
// The countdown's moment; invalid when its text names none.
QDateTime countdownTarget(const PlacedComponent& component);
// A ticker's line: its feed's text as the display last fetched it, else as the bundle brought it, else the
// typed text; on one line.
QString tickerText(const PlacedComponent& component);
// What the display fetched of the feed at `address` just now, for every ticker that shows it.
void setFetchedFeedText(const QString& address, const QString& text);
void forgetFetchedFeedTexts();
// Where a ticker's line starts at `moment`, left of the frame's left edge (0 or less), and how far apart its
// repeats are: it moves `tickerSpeed` screen units a second, continuously, whoever draws it.
std::pair<double, double> tickerPlacement(const PlacedComponent& component, double lineWidth, double gap,
                                          const QDateTime& moment);

// Whether `type` changes with the time.
bool isLiveComponent(ComponentType type);

// The moment live components are drawn at when no one says: now, moved by a preview played at another
// moment (`setRenderMomentOffset`, milliseconds; 0 puts it back).
QDateTime renderMoment();
void setRenderMomentOffset(qint64 milliseconds);
// Puts it back to now, if it is still `milliseconds` (a preview closing after a newer one moved it leaves
// it).
void releaseRenderMomentOffset(qint64 milliseconds);
// Holds renderMoment() at `moment` (tests, and anything drawn twice to compare); invalid lets it run again.
void freezeRenderMoment(const QDateTime& moment);

namespace component_painters {
void paintLiveText(QPainter& painter, const PlacedComponent& component, const QRectF& frame,
                   const QDateTime& moment);
void paintTicker(QPainter& painter, const PlacedComponent& component, const QRectF& frame,
                 const QDateTime& moment);
} // namespace component_painters

} // namespace vistrelle
