#pragma once

#include "platform/scheduler.h"

#include <memory>
#include <vector>

namespace vistrelle {

// Time that moves only when the test says so. Its clock and timers are shared,
// so a test keeps a working pointer after handing the scheduler away.
class ManualScheduler : public Scheduler {
public:
    struct Pending {
        double due;
        std::function<void()> callback;
        bool cancelled = false;
    };

    class ManualTimer : public Timer {
    public:
        explicit ManualTimer(std::shared_ptr<Pending> pending)
            : pending_(std::move(pending)) {}
        ~ManualTimer() override { pending_->cancelled = true; }

    private:
        std::shared_ptr<Pending> pending_;
    };

    double now() const override { return *time_; }

    std::unique_ptr<Timer> singleShot(double delay, std::function<void()> callback) override {
        auto pending = std::make_shared<Pending>(Pending{*time_ + delay, std::move(callback)});
        timers_->push_back(pending);
        return std::make_unique<ManualTimer>(pending);
    }

    // Moves the clock to `time`, firing due timers in order (those they start too).
    void advanceTo(double time) {
        // Fired and cancelled timers go, so a long run in virtual time stays fast.
        std::erase_if(*timers_, [](const std::shared_ptr<Pending>& t) { return t->cancelled; });
        while (true) {
            std::shared_ptr<Pending> next;
            for (const auto& t : *timers_)
                if (!t->cancelled && t->due <= time && (!next || t->due < next->due))
                    next = t;
            if (!next)
                break;
            *time_ = next->due;
            next->cancelled = true;
            auto callback = next->callback; // the callback may destroy its timer
            callback();
        }
        *time_ = time;
    }

    void advanceBy(double seconds) { advanceTo(*time_ + seconds); }

    // Timers still waiting.
    int pendingCount() const {
        int count = 0;
        for (const auto& t : *timers_)
            count += t->cancelled ? 0 : 1;
        return count;
    }

    std::shared_ptr<double> time_ = std::make_shared<double>(1000.0);
    std::shared_ptr<std::vector<std::shared_ptr<Pending>>> timers_ =
        std::make_shared<std::vector<std::shared_ptr<Pending>>>();
};

} // namespace vistrelle
