#include "platform/scheduler.h"

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>

namespace vistrelle {

namespace {

class EventLoopScheduler : public Scheduler {
public:
    EventLoopScheduler() { clock_.start(); }

    double now() const override { return double(clock_.nsecsElapsed()) / 1e9; }

    std::unique_ptr<Timer> singleShot(double delaySeconds, std::function<void()> callback) override {
        auto timer = std::make_unique<QtTimer>();
        timer->timer->setSingleShot(true);
        timer->timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer->timer, &QTimer::timeout, std::move(callback));
        // A delay beyond what a timer holds (about 24 days) would wrap to a negative one and never fire.
        const double milliseconds = std::isfinite(delaySeconds) ? delaySeconds * 1000 : 0;
        timer->timer->start(int(std::clamp(milliseconds, 0.0, double(std::numeric_limits<int>::max()))));
        return timer;
    }

private:
    // The callback may cancel its own timer, so the QTimer goes with deleteLater.
    struct QtTimer : Timer {
        QTimer* timer = new QTimer;
        ~QtTimer() override {
            timer->stop();
            timer->deleteLater();
        }
    };

    QElapsedTimer clock_;
};

} // namespace

std::unique_ptr<Scheduler> Scheduler::eventLoop() {
    return std::make_unique<EventLoopScheduler>();
}

} // namespace vistrelle
