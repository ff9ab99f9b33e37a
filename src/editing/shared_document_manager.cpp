#include "editing/shared_document_manager.h"

#include "editing/inspector_update_manager.h"

#include "editing/document_edit_commands.h"
#include "editing/notification_names.h"
#include "platform/notification_center.h"
#include "platform/user_alerts.h"

#include <QMetaObject>
#include <QScopedValueRollback>

namespace vistrelle {

namespace {
std::unique_ptr<SharedDocumentManager>& sharedInstance() {
    static std::unique_ptr<SharedDocumentManager> instance;
    return instance;
}
} // namespace

SharedDocumentManager& SharedDocumentManager::shared() {
    auto& instance = sharedInstance();
    if (!instance)
        instance.reset(new SharedDocumentManager);
    return *instance;
}

void SharedDocumentManager::resetShared() {
    sharedInstance().reset(new SharedDocumentManager);
}

void SharedDocumentManager::setActiveWindowId(const std::optional<QUuid>& windowId) {
    if (activeWindowId_ == windowId)
        return;
    activeWindowId_ = windowId;
    emit activeWindowIdChanged();
}

void SharedDocumentManager::setSelectedScreen(const std::optional<KioskScreen>& screen) {
    if (selectedScreen_ == screen)
        return;
    const bool otherScreen = !screen || !selectedScreen_ || screen->id != selectedScreen_->id;
    // An inspector edit still waiting lands before the selection moves on.
    if (selectedScreen_ && otherScreen)
        InspectorUpdateManager::shared().flush();
    selectedScreen_ = screen;
    // Components of another screen cannot stay selected with it (the one clicked last is the caller's).
    if (otherScreen && selectedComponentIds_.size() > 1) {
        selectedComponentIds_ = selectedComponent_ ? QList<QUuid>{selectedComponent_->id} : QList<QUuid>{};
        emit componentSelectionChanged();
    }
    emit selectedScreenChanged();
}

void SharedDocumentManager::setSelectedComponent(const std::optional<PlacedComponent>& component) {
    // A component of the selection keeps the others selected (its value is refreshed, or it was clicked
    // last); any other component, or none, is the whole selection.
    QList<QUuid> ids;
    if (component) {
        ids = selectedComponentIds_.contains(component->id) ? selectedComponentIds_ : QList<QUuid>{};
        ids.removeAll(component->id);
        ids.append(component->id);
    }
    replaceSelection(ids, component);
}

void SharedDocumentManager::replaceSelection(const QList<QUuid>& ids,
                                             const std::optional<PlacedComponent>& last) {
    const bool selectionChanged = ids != selectedComponentIds_;
    selectedComponentIds_ = ids;
    if (selectedComponent_ != last) {
        // An inspector edit still waiting lands before the selection moves on.
        if (selectedComponent_ && (!last || last->id != selectedComponent_->id))
            InspectorUpdateManager::shared().flush();
        selectedComponent_ = last;
        emit selectedComponentChanged();
    }
    if (selectionChanged)
        emit componentSelectionChanged();
}

void SharedDocumentManager::setCurrentDocument(const std::optional<VistrelleDocument>& document) {
    if (currentDocument_ == document)
        return;
    currentDocument_ = document;
    emit currentDocumentChanged();
}

void SharedDocumentManager::setDocumentOpen(bool open) {
    if (isDocumentOpen_ == open)
        return;
    isDocumentOpen_ = open;
    emit isDocumentOpenChanged();
}

void SharedDocumentManager::setLoadingDocument(bool loading) {
    if (isLoadingDocument_ == loading)
        return;
    isLoadingDocument_ = loading;
    emit isLoadingDocumentChanged();
}

void SharedDocumentManager::setActiveDocument(const VistrelleDocument& document, const QUuid& windowId) {
    setActiveWindowId(windowId);
    setLoadingDocument(true);
    setCurrentDocument(document);
    setDocumentOpen(true);
    setSelectedScreen(document.project.screens.isEmpty() ? std::nullopt
                                                         : std::optional(document.project.screens.first()));
    // A component of the previous document cannot stay selected.
    setSelectedComponent(std::nullopt);
    scheduleDocumentNotification(NotificationName::documentUpdated);
    setLoadingDocument(false);
}

void SharedDocumentManager::updateDocument(const VistrelleDocument& document, const QUuid& windowId) {
    if (!isActiveWindow(windowId) || currentDocument_ == document)
        return;
    const SelectionIds selection = selectionIds();
    setCurrentDocument(document);
    resolveSelection(selection);
}

void SharedDocumentManager::closeDocument(const QUuid& windowId) {
    if (!isActiveWindow(windowId))
        return;
    setCurrentDocument(std::nullopt);
    setSelectedScreen(std::nullopt);
    setSelectedComponent(std::nullopt);
    setDocumentOpen(false);
    setActiveWindowId(std::nullopt);
    NotificationCenter::defaultCenter().post(NotificationName::documentCleared);
}

bool SharedDocumentManager::isActiveWindow(const QUuid& windowId) const {
    return activeWindowId_ && *activeWindowId_ == windowId;
}

void SharedDocumentManager::scheduleDocumentNotification(const QString& name) {
    pendingDocumentNotifications_.insert(name);
    if (documentUpdatedPostScheduled_)
        return;
    documentUpdatedPostScheduled_ = true;
    // A queued call runs after everything else of the current event-loop turn.
    QMetaObject::invokeMethod(this, &SharedDocumentManager::postDocumentNotifications, Qt::QueuedConnection);
}

void SharedDocumentManager::postDocumentNotifications() {
    const QSet<QString> names = std::exchange(pendingDocumentNotifications_, {});
    documentUpdatedPostScheduled_ = false;
    for (const QString& name : names)
        NotificationCenter::defaultCenter().post(name);
}

void SharedDocumentManager::registerUndo(std::unique_ptr<QUndoCommand> step) {
    if (applyingStep_) {
        // An observer edits while a step is being applied (an undo, say): pushing
        // now would delete the running step and record the two out of order.
        auto later = std::make_shared<std::unique_ptr<QUndoCommand>>(std::move(step));
        QMetaObject::invokeMethod(
            this, [this, later] { registerUndo(std::move(*later)); }, Qt::QueuedConnection);
        return;
    }
    if (QUndoStack* stack = undoManager_.undoManager())
        stack->push(step.release());
    else
        step->redo();
}

SelectionIds SharedDocumentManager::selectionIds() const {
    SelectionIds ids;
    if (selectedScreen_)
        ids.screen = selectedScreen_->id;
    if (selectedComponent_)
        ids.component = selectedComponent_->id;
    for (const QUuid& id : selectedComponentIds_)
        if (!ids.component || id != *ids.component)
            ids.alsoSelected.append(id);
    return ids;
}

KioskProject* SharedDocumentManager::project() {
    return currentDocument_ ? &currentDocument_->project : nullptr;
}

const KioskProject* SharedDocumentManager::project() const {
    return currentDocument_ ? &currentDocument_->project : nullptr;
}

qsizetype SharedDocumentManager::screenIndex(const QUuid& screenId) const {
    const KioskProject* p = project();
    if (!p)
        return -1;
    for (qsizetype i = 0; i < p->screens.size(); ++i)
        if (p->screens[i].id == screenId)
            return i;
    return -1;
}

qsizetype SharedDocumentManager::selectedScreenIndex() const {
    return selectedScreen_ ? screenIndex(selectedScreen_->id) : -1;
}

qsizetype SharedDocumentManager::selectedComponentIndex() const {
    const qsizetype screen = selectedScreenIndex();
    if (screen < 0 || !selectedComponent_)
        return -1;
    const QList<PlacedComponent>& components = project()->screens[screen].components;
    for (qsizetype i = 0; i < components.size(); ++i)
        if (components[i].id == selectedComponent_->id)
            return i;
    return -1;
}

void SharedDocumentManager::resolveSelection(const SelectionIds& selection) {
    const KioskProject* p = project();
    if (!p || !selection.screen) {
        setSelectedScreen(std::nullopt);
        setSelectedComponent(std::nullopt);
        return;
    }
    const qsizetype index = screenIndex(*selection.screen);
    if (index < 0) {
        // The selected screen is gone: the first screen, and no component.
        setSelectedScreen(p->screens.isEmpty() ? std::nullopt : std::optional(p->screens.first()));
        setSelectedComponent(std::nullopt);
        return;
    }
    // A copy: an observer of the selection may change the project's screens.
    const KioskScreen screen = p->screens[index];
    setSelectedScreen(screen);
    std::optional<PlacedComponent> component;
    if (selection.component)
        for (const PlacedComponent& candidate : screen.components)
            if (candidate.id == *selection.component)
                component = candidate;
    setSelectedComponent(component);
    if (component && !selection.alsoSelected.isEmpty())
        setComponentSelection(selection.alsoSelected + QList<QUuid>{component->id});
}

void SharedDocumentManager::finishEdit(SelectionIds selection) {
    // Observers see the new selection together with the new document.
    resolveSelection(selection);
    emit currentDocumentChanged();
    scheduleDocumentNotification(NotificationName::documentUpdated);
}

bool SharedDocumentManager::canApplyStepOf(const std::optional<QUuid>& windowId) const {
    // A step belongs to its window's document; another window's document is never changed by it.
    return project() && (!windowId || !activeWindowId_ || *windowId == *activeWindowId_);
}

void SharedDocumentManager::applyScreens(const std::optional<QUuid>& windowId,
                                         const QList<KioskScreen>& screens, SelectionIds selection) {
    if (!canApplyStepOf(windowId))
        return;
    const QScopedValueRollback applying(applyingStep_, true);
    KioskProject* p = project();
    p->screens = screens;
    // Copy the list now, while a screen operation costs that anyway, rather
    // than in the next component edit (the undo step shares it).
    p->screens.detach();
    finishEdit(selection);
}

void SharedDocumentManager::applyScreen(const std::optional<QUuid>& windowId, const KioskScreen& screen,
                                        SelectionIds selection) {
    if (!canApplyStepOf(windowId))
        return;
    const qsizetype index = screenIndex(screen.id);
    if (index < 0)
        return;
    const QScopedValueRollback applying(applyingStep_, true);
    project()->screens[index] = screen;
    finishEdit(selection);
}

void SharedDocumentManager::applyProjectInfo(const std::optional<QUuid>& windowId,
                                             const ProjectMetadata& metadata,
                                             const ProjectSettings& settings) {
    if (!canApplyStepOf(windowId))
        return;
    const QScopedValueRollback applying(applyingStep_, true);
    project()->metadata = metadata;
    project()->settings = settings;
    finishEdit(selectionIds());
}

void SharedDocumentManager::setProjectInfo(const ProjectMetadata& metadata, const ProjectSettings& settings) {
    if (!project() || (project()->metadata == metadata && project()->settings == settings))
        return;
    applyProjectInfo(activeWindowId_, metadata, settings);
}

void SharedDocumentManager::registerProjectInfoStep(const ProjectMetadata& metadataBefore,
                                                    const ProjectSettings& settingsBefore) {
    const KioskProject* p = constProject();
    if (!p || (p->metadata == metadataBefore && p->settings == settingsBefore))
        return;
    registerUndo(std::make_unique<ProjectInfoEditCommand>(
        tr("Project Settings"), ProjectInfoEditCommand::Info{metadataBefore, settingsBefore},
        ProjectInfoEditCommand::Info{p->metadata, p->settings}, DocumentEditCommand::Applied::already));
}

void SharedDocumentManager::applyComponent(const std::optional<QUuid>& windowId, const QUuid& screenId,
                                           const PlacedComponent& component) {
    if (!canApplyStepOf(windowId))
        return;
    const qsizetype index = screenIndex(screenId);
    if (index < 0)
        return;
    const QScopedValueRollback applying(applyingStep_, true);
    QList<PlacedComponent>& components = project()->screens[index].components;
    for (PlacedComponent& candidate : components) {
        if (candidate.id == component.id) {
            candidate = component;
            finishEdit(selectionIds());
            return;
        }
    }
}

void SharedDocumentManager::alertActionNotAllowed(const QString& message) {
    UserAlerts::showLater({tr("Action not allowed"), message});
}

} // namespace vistrelle
