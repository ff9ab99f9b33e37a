#include "preview/live_component_ticks.h"

#include "render/live_components.h"

namespace vistrelle {

LiveComponentTicks::LiveComponentTicks(const KioskProject& project, Scheduler& scheduler, Changed changed)
    : project_(project)
    , scheduler_(scheduler)
    , changed_(std::move(changed)) {}

void LiveComponentTicks::follow(qint64 screen) {
    if (screen == screen_)
        return;
    screen_ = screen;
    tickers_.clear();
    clocks_.clear();
    tickerTimer_.reset();
    clockTimer_.reset();
    if (screen < 0 || screen >= project_.screens.size())
        return;
    for (const PlacedComponent& c : project_.screens[screen].components) {
        if (c.componentType == ComponentType::ticker)
            tickers_.append(c.id);
        else if (isLiveComponent(c.componentType))
            clocks_.append(c.id);
    }
    if (!tickers_.isEmpty())
        tickTickers();
    if (!clocks_.isEmpty())
        tickClocks();
}

void LiveComponentTicks::tickTickers() {
    for (const QUuid& id : std::as_const(tickers_))
        changed_(screen_, id);
    tickerTimer_ = scheduler_.singleShot(frameSeconds, [this] { tickTickers(); });
}

void LiveComponentTicks::tickClocks() {
    for (const QUuid& id : std::as_const(clocks_))
        changed_(screen_, id);
    // Just after the next whole second, so the figures change with the second itself.
    const qint64 intoSecond = renderMoment().toMSecsSinceEpoch() % 1000;
    clockTimer_ = scheduler_.singleShot(double(1000 - intoSecond) / 1000 + 0.005, [this] { tickClocks(); });
}

} // namespace vistrelle
