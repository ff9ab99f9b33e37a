#pragma once

#include "model/project_model.h"
#include "platform/scheduler.h"

#include <functional>
#include <memory>

namespace vistrelle {

// Keeps the clocks, countdowns and tickers of the screen on view moving: each ticker is drawn again every
// frame, each clock and countdown on every new second. Nothing runs for a screen without them.
class LiveComponentTicks {
public:
    using Changed = std::function<void(qint64 screen, const QUuid& component)>;
    static constexpr double frameSeconds = 1.0 / 60;

    LiveComponentTicks(const KioskProject& project, Scheduler& scheduler, Changed changed);

    // Follows the live components of `screen` (-1: none).
    void follow(qint64 screen);

private:
    void tickTickers();
    void tickClocks();

    const KioskProject& project_;
    Scheduler& scheduler_;
    Changed changed_;
    qint64 screen_ = -1;
    QList<QUuid> tickers_;
    QList<QUuid> clocks_;
    std::unique_ptr<Scheduler::Timer> tickerTimer_;
    std::unique_ptr<Scheduler::Timer> clockTimer_;
};

} // namespace vistrelle
