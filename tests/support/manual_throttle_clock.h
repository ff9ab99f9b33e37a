#pragma once

#include "editing/inspector_update_manager.h"
#include "support/manual_scheduler.h"

namespace vistrelle::test_support {

// The shared inspector throttle on a clock that moves only when the test says so, for as long as this
// lives: an edit right after another one always waits.
class ManualThrottleClock {
public:
    ManualThrottleClock() {
        auto scheduler = std::make_unique<ManualScheduler>();
        clock_ = scheduler.get();
        InspectorUpdateManager::shared().setScheduler(std::move(scheduler));
    }
    ~ManualThrottleClock() { InspectorUpdateManager::shared().setScheduler(Scheduler::eventLoop()); }
    ManualThrottleClock(const ManualThrottleClock&) = delete;
    ManualThrottleClock& operator=(const ManualThrottleClock&) = delete;

    void advanceBy(double seconds) { clock_->advanceBy(seconds); }

private:
    ManualScheduler* clock_ = nullptr;
};

} // namespace vistrelle::test_support
