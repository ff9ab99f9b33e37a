#pragma once

#include <functional>
#include <memory>

namespace vistrelle {

// Time for anything that waits: a monotonic clock and cancellable single-shot
// timers. The real one runs on the event loop; tests drive a manual one, so
// throttles, demos and shows play in virtual time.
class Scheduler {
public:
    class Timer {
    public:
        virtual ~Timer() = default; // destroying a timer cancels it
    };

    virtual ~Scheduler() = default;
    // Seconds on a monotonic clock.
    virtual double now() const = 0;
    // Runs `callback` on the main thread after `delaySeconds`, unless the returned timer is destroyed first.
    virtual std::unique_ptr<Timer> singleShot(double delaySeconds, std::function<void()> callback) = 0;

    static std::unique_ptr<Scheduler> eventLoop();
};

} // namespace vistrelle
