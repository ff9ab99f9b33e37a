#pragma once

#include "model/project_model.h"
#include "platform/scheduler.h"

#include <functional>
#include <memory>
#include <optional>

namespace vistrelle {

// Sits between inspector controls and component updates: an edit after a
// pause is applied at once; edits in quick succession are delayed and merged,
// so that only the latest value of a burst is applied.
class InspectorUpdateManager {
public:
    using Apply = std::function<void(const PlacedComponent&)>;

    static InspectorUpdateManager& shared();

    explicit InspectorUpdateManager(std::unique_ptr<Scheduler> scheduler = Scheduler::eventLoop());

    void scheduleUpdate(const PlacedComponent& component, Apply apply);

    // Another clock (tests move a manual one); a pending edit is applied first.
    void setScheduler(std::unique_ptr<Scheduler> scheduler);

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

    std::unique_ptr<Scheduler> scheduler_;
    std::optional<double> lastUpdateTime_; // none: the distant past
    std::unique_ptr<Scheduler::Timer> updateTask_;
    std::optional<PlacedComponent> pendingComponent_;
    Apply pendingApply_;
};

} // namespace vistrelle
