#include "editing/inspector_update_manager.h"

#include <QCoreApplication>

#include <limits>

namespace vistrelle {

InspectorUpdateManager& InspectorUpdateManager::shared() {
    static InspectorUpdateManager instance;
    return instance;
}

InspectorUpdateManager::InspectorUpdateManager(std::unique_ptr<Scheduler> scheduler)
    : scheduler_(std::move(scheduler)) {}

double InspectorUpdateManager::delayAfter(double elapsedSeconds) {
    if (elapsedSeconds < 0.05)
        return 0.2;
    if (elapsedSeconds < 0.1)
        return 0.1;
    return 0.05;
}

void InspectorUpdateManager::scheduleUpdate(const PlacedComponent& component, Apply apply) {
    const double now = scheduler_->now();
    const double elapsed = lastUpdateTime_ ? now - *lastUpdateTime_ : std::numeric_limits<double>::infinity();
    const double delay = delayAfter(elapsed);

    updateTask_.reset(); // cancels a pending delayed apply
    pendingComponent_ = component;

    if (elapsed < delay) {
        // The full delay from now, restarted by every edit of the burst.
        pendingApply_ = std::move(apply);
        updateTask_ = scheduler_->singleShot(delay, [this] { applyPending(); });
        return;
    }
    pendingComponent_.reset();
    pendingApply_ = nullptr;
    lastUpdateTime_ = now;
    apply(component);
}

void InspectorUpdateManager::setScheduler(std::unique_ptr<Scheduler> scheduler) {
    flush();
    scheduler_ = std::move(scheduler);
    lastUpdateTime_.reset();
}

void InspectorUpdateManager::flush() {
    if (updateTask_)
        applyPending();
}

void InspectorUpdateManager::discardPending(const QUuid& componentId) {
    if (!pendingComponent_ || pendingComponent_->id != componentId)
        return;
    updateTask_.reset();
    pendingComponent_.reset();
    pendingApply_ = nullptr;
}

void InspectorUpdateManager::applyPending() {
    updateTask_.reset();
    if (!pendingComponent_)
        return;
    // Cleared before applying: the apply may itself lead to a flush.
    const PlacedComponent component = *std::exchange(pendingComponent_, std::nullopt);
    const Apply apply = std::exchange(pendingApply_, nullptr);
    if (apply)
        apply(component);
    lastUpdateTime_ = scheduler_->now();
}

} // namespace vistrelle
