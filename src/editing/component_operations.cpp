// Adding, updating, deleting, duplicating, copying, pasting and restacking the
// components of the selected screen.
#include "editing/document_edit_commands.h"
#include "editing/inspector_update_manager.h"
#include "editing/notification_names.h"
#include "editing/shared_document_manager.h"
#include "model/project_json_decoder.h"
#include "model/project_json_encoder.h"
#include "platform/app_logger.h"
#include "platform/notification_center.h"
#include "platform/pasteboard.h"

namespace vistrelle {

namespace {

const QString componentPasteboardType = QStringLiteral("com.quendrix.vistrelle.component-json");

void postWithComponent(const QString& name, const PlacedComponent& component) {
    NotificationCenter::defaultCenter().post(
        name, {{NotificationName::componentKey, QVariant::fromValue(component)}});
}

} // namespace

void SharedDocumentManager::addComponent(ComponentType type, Point point) {
    if (!project())
        return;
    // Made first: it takes the file dropped for this type, whether or not the add goes ahead.
    const PlacedComponent component = makeComponent(type, point, storedPathMaker_);
    const qsizetype index = selectedScreenIndex();
    if (index < 0) {
        AppLogger::logError(QStringLiteral("Could not find screen index for selected screen"));
        return;
    }
    const KioskScreen& before = constProject()->screens[index];
    KioskScreen after = before;
    after.components.append(component);
    registerUndo(std::make_unique<ScreenEditCommand>(tr("Add Component"), before, selectionIds(), after,
                                                     SelectionIds{after.id, component.id}));
}

void SharedDocumentManager::updateComponent(const PlacedComponent& component, bool registerUndoStep,
                                            const QString& mergeKey) {
    const qsizetype index = selectedScreenIndex();
    if (index < 0)
        return;
    const KioskScreen& screen = constProject()->screens[index];
    const auto it = std::find_if(screen.components.cbegin(), screen.components.cend(),
                                 [&](const PlacedComponent& c) { return c.id == component.id; });
    if (it == screen.components.cend())
        return;
    if (registerUndoStep)
        registerUndo(std::make_unique<ComponentEditCommand>(tr("Update Component"), screen.id, *it, component,
                                                            DocumentEditCommand::Applied::notYet, mergeKey));
    else
        applyComponent(activeWindowId_, screen.id, component);
}

void SharedDocumentManager::updateComponentOnScreen(const QUuid& screenId, const PlacedComponent& component,
                                                    const QString& mergeKey, std::optional<quint64> interaction) {
    const PlacedComponent* current = findComponent(screenId, component.id);
    if (!current || *current == component)
        return;
    registerUndo(std::make_unique<ComponentEditCommand>(tr("Update Component"), screenId, *current, component,
                                                        DocumentEditCommand::Applied::notYet, mergeKey,
                                                        interaction.value_or(EditInteraction::current())));
}

const KioskScreen* SharedDocumentManager::findScreen(const QUuid& screenId) const {
    const qsizetype index = screenIndex(screenId);
    return index < 0 ? nullptr : &constProject()->screens[index];
}

const PlacedComponent* SharedDocumentManager::findComponent(const QUuid& screenId,
                                                            const QUuid& componentId) const {
    const KioskScreen* screen = findScreen(screenId);
    if (!screen)
        return nullptr;
    for (const PlacedComponent& component : screen->components)
        if (component.id == componentId)
            return &component;
    return nullptr;
}

void SharedDocumentManager::deleteSelectedComponent() {
    const qsizetype component = selectedComponentIndex();
    if (component < 0)
        return;
    const KioskScreen& before = constProject()->screens[selectedScreenIndex()];
    // An inspector edit of it that is still waiting must not bring it back.
    InspectorUpdateManager::shared().discardPending(before.components[component].id);
    KioskScreen after = before;
    after.components.removeAt(component);
    registerUndo(std::make_unique<ScreenEditCommand>(tr("Delete Component"), before, selectionIds(), after,
                                                     SelectionIds{after.id, std::nullopt}));
    NotificationCenter::defaultCenter().post(NotificationName::componentDeleted);
}

void SharedDocumentManager::duplicateSelectedComponent() {
    const qsizetype component = selectedComponentIndex();
    if (component < 0)
        return;
    const KioskScreen& before = constProject()->screens[selectedScreenIndex()];
    PlacedComponent copy = before.components[component];
    copy.id = QUuid::createUuid();
    copy.position = {copy.position.x + 50, copy.position.y + 50};
    KioskScreen after = before;
    after.components.append(copy);
    registerUndo(std::make_unique<ScreenEditCommand>(tr("Duplicate Component"), before, selectionIds(), after,
                                                     SelectionIds{after.id, copy.id}));
    postWithComponent(NotificationName::componentAdded, copy);
}

void SharedDocumentManager::copySelectedComponent() {
    const qsizetype component = selectedComponentIndex();
    if (component < 0)
        return;
    PlacedComponent copy = constProject()->screens[selectedScreenIndex()].components[component];
    copy.id = QUuid::createUuid();
    try {
        Pasteboard::general().setData(componentPasteboardType, encodeComponentJson(copy));
    } catch (const JsonEncodingError& error) {
        AppLogger::logFailure(QStringLiteral("Failed to copy component: "), error.description);
    }
}

void SharedDocumentManager::pasteComponent() {
    const qsizetype index = selectedScreenIndex();
    if (index < 0)
        return;
    const std::optional<QByteArray> data = Pasteboard::general().data(componentPasteboardType);
    if (!data)
        return;
    PlacedComponent component;
    try {
        component = decodeComponentJson(*data);
    } catch (const JsonDecodingError&) {
        return; // not a component: nothing to paste
    }
    const KioskScreen& before = constProject()->screens[index];
    component.id = QUuid::createUuid();
    component.position = {(double(before.resolution.width) - component.size.width) * 0.5,
                          (double(before.resolution.height) - component.size.height) * 0.5};
    KioskScreen after = before;
    after.components.append(component);
    registerUndo(std::make_unique<ScreenEditCommand>(tr("Paste Component"), before, selectionIds(), after,
                                                     SelectionIds{after.id, component.id}));
    postWithComponent(NotificationName::componentAdded, component);
}

bool SharedDocumentManager::canChangeZOrder(ZOrderOperation operation) const {
    const qsizetype index = selectedScreenIndex();
    if (index < 0 || !selectedComponent_)
        return false;
    return vistrelle::canChangeZOrder(constProject()->screens[index].components, selectedComponent_->id,
                                      operation);
}

void SharedDocumentManager::changeZOrder(ZOrderOperation operation) {
    if (selectedComponentIndex() < 0)
        return;
    const KioskScreen& before = constProject()->screens[selectedScreenIndex()];
    KioskScreen after = before;
    if (!vistrelle::changeZOrder(after.components, selectedComponent_->id, operation))
        return;
    registerUndo(std::make_unique<ScreenEditCommand>(zOrderActionName(operation), before, selectionIds(),
                                                     after, selectionIds()));
}

} // namespace vistrelle
