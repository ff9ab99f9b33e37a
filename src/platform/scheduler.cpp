#include "platform/scheduler.h"

#include <QElapsedTimer>
#include <QTimer>

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
        timer->timer->start(int(delaySeconds * 1000));
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
