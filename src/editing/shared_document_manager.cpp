#include "editing/shared_document_manager.h"

#include "editing/notification_names.h"
#include "platform/notification_center.h"
#include "platform/user_alerts.h"

#include <QMetaObject>

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
    selectedScreen_ = screen;
    emit selectedScreenChanged();
}

void SharedDocumentManager::setSelectedComponent(const std::optional<PlacedComponent>& component) {
    if (selectedComponent_ == component)
        return;
    selectedComponent_ = component;
    emit selectedComponentChanged();
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
    if (!p) {
        setSelectedScreen(std::nullopt);
        setSelectedComponent(std::nullopt);
        return;
    }
    const qsizetype index = selection.screen ? screenIndex(*selection.screen) : -1;
    if (index < 0) {
        // The selected screen is gone: the first screen, and no component.
        setSelectedScreen(p->screens.isEmpty() ? std::nullopt : std::optional(p->screens.first()));
        setSelectedComponent(std::nullopt);
        return;
    }
    const KioskScreen& screen = p->screens[index];
    setSelectedScreen(screen);
    std::optional<PlacedComponent> component;
    if (selection.component)
        for (const PlacedComponent& candidate : screen.components)
            if (candidate.id == *selection.component)
                component = candidate;
    setSelectedComponent(component);
}

void SharedDocumentManager::finishEdit(const SelectionIds& selection) {
    emit currentDocumentChanged();
    resolveSelection(selection);
    scheduleDocumentNotification(NotificationName::documentUpdated);
}

void SharedDocumentManager::applyScreens(const QList<KioskScreen>& screens, const SelectionIds& selection) {
    KioskProject* p = project();
    if (!p)
        return;
    p->screens = screens;
    finishEdit(selection);
}

void SharedDocumentManager::applyScreen(const KioskScreen& screen, const SelectionIds& selection) {
    const qsizetype index = screenIndex(screen.id);
    if (index < 0)
        return;
    project()->screens[index] = screen;
    finishEdit(selection);
}

void SharedDocumentManager::applyComponent(const QUuid& screenId, const PlacedComponent& component) {
    const qsizetype index = screenIndex(screenId);
    if (index < 0)
        return;
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
