#pragma once

#include "model/project_model.h"

#include <functional>
#include <memory>
#include <optional>

namespace vistrelle {

// Time for the inspector throttle: a clock and cancellable single-shot timers.
// The real one uses the event loop; tests drive a manual one.
class EditScheduler {
public:
    class Timer {
    public:
        virtual ~Timer() = default; // destroying a timer cancels it
    };

    virtual ~EditScheduler() = default;
    // Seconds on a monotonic clock.
    virtual double now() const = 0;
    // Runs `callback` on the main thread after `delaySeconds`, unless the returned timer is destroyed first.
    virtual std::unique_ptr<Timer> singleShot(double delaySeconds, std::function<void()> callback) = 0;

    static std::unique_ptr<EditScheduler> eventLoop();
};

// Sits between inspector controls and component updates: an edit after a
// pause is applied at once; edits in quick succession are delayed and merged,
// so that only the latest value of a burst is applied.
class InspectorUpdateManager {
public:
    using Apply = std::function<void(const PlacedComponent&)>;

    static InspectorUpdateManager& shared();

    explicit InspectorUpdateManager(std::unique_ptr<EditScheduler> scheduler = EditScheduler::eventLoop());

    void scheduleUpdate(const PlacedComponent& component, Apply apply);

    // Applies a pending edit now: before an undo or redo, a save, another
    // selection or another window, so that a stale value never lands later.
    void flush();
    // Forgets a pending edit of the component (it was deleted).
    void discardPending(const QUuid& componentId);

    const std::optional<PlacedComponent>& pendingComponent() const { return pendingComponent_; }
    bool hasPendingUpdate() const { return updateTask_ != nullptr; }

    // The delay for an edit `elapsed` seconds after the last apply.
    static double delayAfter(double elapsedSeconds);

private:
    void applyPending();

    std::unique_ptr<EditScheduler> scheduler_;
    std::optional<double> lastUpdateTime_; // none: the distant past
    std::unique_ptr<EditScheduler::Timer> updateTask_;
    std::optional<PlacedComponent> pendingComponent_;
    Apply pendingApply_;
};

} // namespace vistrelle
