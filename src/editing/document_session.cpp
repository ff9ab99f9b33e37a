#include "editing/document_session.h"

#include "editing/document_edit_commands.h"
#include "platform/app_logger.h"
#include "platform/user_alerts.h"

#include <QMetaObject>

namespace vistrelle {

StoredPathMaker& DocumentSession::pathMaker() {
    static StoredPathMaker maker;
    return maker;
}

DocumentSession::DocumentSession(VistrelleDocument document, QObject* parent)
    : QObject(parent)
    , document_(std::move(document)) {
    if (!document_.project.screens.isEmpty())
        selectedScreen_ = document_.project.screens.first();
}

DocumentSession::~DocumentSession() {
    // Steps hold a guarded pointer to the session: the stack goes first, with nothing left to apply to.
    undoStack_.clear();
}

void DocumentSession::setStoredPathMaker(StoredPathMaker maker) {
    pathMaker() = std::move(maker);
}

void DocumentSession::replaceDocument(const VistrelleDocument& document) {
    const SelectionIds selection = selectionIds();
    undoStack_.clear();
    document_ = document;
    DocumentChange change;
    change.document = true;
    finishEdit(selection, change);
}

void DocumentSession::setAppliesTransitionToAllScreens(bool on) {
    if (transitionToAll_ == on)
        return;
    transitionToAll_ = on;
    DocumentChange change;
    change.selection = true; // what the inspector shows
    noteChange(change);
}

void DocumentSession::setAppliesBackgroundToAllScreens(bool on) {
    if (backgroundToAll_ == on)
        return;
    backgroundToAll_ = on;
    DocumentChange change;
    change.selection = true;
    noteChange(change);
}

void DocumentSession::setSelectedScreen(const std::optional<KioskScreen>& screen) {
    if (selectedScreen_ == screen)
        return;
    const bool otherScreen = screen.has_value() != selectedScreen_.has_value() ||
                             (screen && selectedScreen_ && screen->id != selectedScreen_->id);
    selectedScreen_ = screen; // the same screen edited: its value is kept current, no new selection
    if (!otherScreen)
        return;
    // Components of another screen cannot stay selected with it (the one clicked last is the caller's).
    if (selectedComponentIds_.size() > 1)
        selectedComponentIds_ = selectedComponent_ ? QList<QUuid>{selectedComponent_->id} : QList<QUuid>{};
    DocumentChange change;
    change.selection = true;
    noteChange(change);
}

void DocumentSession::setSelectedComponent(const std::optional<PlacedComponent>& component) {
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

void DocumentSession::replaceSelection(const QList<QUuid>& ids, const std::optional<PlacedComponent>& last) {
    const bool otherSelection = ids != selectedComponentIds_ ||
                                last.has_value() != selectedComponent_.has_value() ||
                                (last && selectedComponent_ && last->id != selectedComponent_->id);
    selectedComponentIds_ = ids;
    selectedComponent_ = last; // the same component edited: its value is kept current, no new selection
    if (!otherSelection)
        return;
    DocumentChange change;
    change.selection = true;
    noteChange(change);
}

void DocumentSession::noteChange(const DocumentChange& change) {
    pending_ += change;
    if (reportScheduled_)
        return;
    reportScheduled_ = true;
    // A queued call runs after everything else of the current event-loop turn.
    QMetaObject::invokeMethod(this, &DocumentSession::reportChangeNow, Qt::QueuedConnection);
}

void DocumentSession::reportChangeNow() {
    reportScheduled_ = false;
    const DocumentChange change = std::exchange(pending_, {});
    if (!change.isEmpty())
        emit changed(change);
}

void DocumentSession::registerUndo(std::unique_ptr<QUndoCommand> step) {
    undoStack_.push(step.release());
}

SelectionIds DocumentSession::selectionIds() const {
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

qsizetype DocumentSession::screenIndex(const QUuid& screenId) const {
    const QList<KioskScreen>& screens = constProject()->screens;
    for (qsizetype i = 0; i < screens.size(); ++i)
        if (screens[i].id == screenId)
            return i;
    return -1;
}

qsizetype DocumentSession::selectedScreenIndex() const {
    return selectedScreen_ ? screenIndex(selectedScreen_->id) : -1;
}

qsizetype DocumentSession::selectedComponentIndex() const {
    const qsizetype screen = selectedScreenIndex();
    if (screen < 0 || !selectedComponent_)
        return -1;
    const QList<PlacedComponent>& components = constProject()->screens[screen].components;
    for (qsizetype i = 0; i < components.size(); ++i)
        if (components[i].id == selectedComponent_->id)
            return i;
    return -1;
}

void DocumentSession::resolveSelection(const SelectionIds& selection) {
    const KioskProject* p = constProject();
    const qsizetype index = selection.screen ? screenIndex(*selection.screen) : -1;
    if (index < 0) {
        // The selected screen is gone (or there was none): the first screen, and no component.
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
    if (component && !selection.alsoSelected.isEmpty())
        setComponentSelection(selection.alsoSelected + QList<QUuid>{component->id});
}

void DocumentSession::finishEdit(SelectionIds selection, DocumentChange change) {
    resolveSelection(selection);
    noteChange(change);
}

void DocumentSession::applyScreens(const QList<KioskScreen>& screens, SelectionIds selection) {
    KioskProject* p = mutableProject();
    p->screens = screens;
    // Copy the list now, while a screen operation costs that anyway, rather
    // than in the next component edit (the undo step shares it).
    p->screens.detach();
    DocumentChange change;
    change.screenList = true;
    finishEdit(selection, change);
}

void DocumentSession::applyScreen(const KioskScreen& screen, SelectionIds selection) {
    const qsizetype index = screenIndex(screen.id);
    if (index < 0)
        return;
    mutableProject()->screens[index] = screen;
    DocumentChange change;
    change.screens.insert(screen.id);
    for (const PlacedComponent& component : screen.components)
        change.components.insert(component.id);
    finishEdit(selection, change);
}

void DocumentSession::applyProjectInfo(const ProjectMetadata& metadata, const ProjectSettings& settings) {
    mutableProject()->metadata = metadata;
    mutableProject()->settings = settings;
    DocumentChange change;
    change.info = true;
    finishEdit(selectionIds(), change);
}

void DocumentSession::setProjectInfo(const ProjectMetadata& metadata, const ProjectSettings& settings) {
    if (constProject()->metadata == metadata && constProject()->settings == settings)
        return;
    applyProjectInfo(metadata, settings);
}

void DocumentSession::registerProjectInfoStep(const ProjectMetadata& metadataBefore,
                                              const ProjectSettings& settingsBefore) {
    const KioskProject* p = constProject();
    if (p->metadata == metadataBefore && p->settings == settingsBefore)
        return;
    registerUndo(std::make_unique<ProjectInfoEditCommand>(
        *this, tr("Project Settings"), ProjectInfoEditCommand::Info{metadataBefore, settingsBefore},
        ProjectInfoEditCommand::Info{p->metadata, p->settings}, DocumentEditCommand::Applied::already));
}

void DocumentSession::applyComponent(const QUuid& screenId, const PlacedComponent& component) {
    const qsizetype index = screenIndex(screenId);
    if (index < 0)
        return;
    QList<PlacedComponent>& components = mutableProject()->screens[index].components;
    for (PlacedComponent& candidate : components) {
        if (candidate.id == component.id) {
            candidate = component;
            DocumentChange change;
            change.screens.insert(screenId);
            change.components.insert(component.id);
            finishEdit(selectionIds(), change);
            return;
        }
    }
}

void DocumentSession::alertActionNotAllowed(const QString& message) {
    UserAlerts::showLater({tr("Action not allowed"), message});
}

} // namespace vistrelle
