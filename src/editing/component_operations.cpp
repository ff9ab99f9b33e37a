// Adding, updating, deleting, duplicating, copying, pasting and restacking the
// components of the selected screen.
#include "editing/document_edit_commands.h"
#include "editing/document_session.h"
#include "model/project_json_decoder.h"
#include "model/project_json_encoder.h"
#include "model/property_schema.h"
#include "platform/app_logger.h"
#include "platform/pasteboard.h"

namespace vistrelle {

namespace {

const QString componentPasteboardType = QStringLiteral("com.quendrix.vistrelle.component-json");
// Several components: a JSON array of the same objects, under a type of its own so that a copy of the
// application that knows only one component finds nothing it would misread.
const QString componentsPasteboardType = QStringLiteral("com.quendrix.vistrelle.components-json");

// What the clipboard holds: several components, one, or none.
QList<PlacedComponent> componentsOnPasteboard() {
    try {
        if (const std::optional<QByteArray> array = Pasteboard::general().data(componentsPasteboardType))
            return decodeComponentsJson(*array);
        if (const std::optional<QByteArray> one = Pasteboard::general().data(componentPasteboardType))
            return {decodeComponentJson(*one)};
    } catch (const JsonDecodingError&) {
        // not components: nothing to paste
    }
    return {};
}

} // namespace

QString DocumentSession::storedMediaPath(const QUrl& droppedFile) {
    return pathMaker()                 ? pathMaker()(droppedFile)
           : droppedFile.isLocalFile() ? droppedFile.toLocalFile()
                                       : droppedFile.toString();
}

void DocumentSession::addComponent(ComponentType type, Point point, const std::optional<QUrl>& droppedFile) {
    addMadeComponent(makeComponent(
        type, point, droppedFile ? std::optional<QString>(storedMediaPath(*droppedFile)) : std::nullopt));
}

void DocumentSession::addMadeComponent(const PlacedComponent& component) {
    const qsizetype index = selectedScreenIndex();
    if (index < 0) {
        AppLogger::logError(QStringLiteral("Could not find screen index for selected screen"));
        return;
    }
    const KioskScreen& before = constProject()->screens[index];
    KioskScreen after = before;
    after.components.append(component);
    registerUndo(std::make_unique<ScreenEditCommand>(*this, tr("Add Component"), before, selectionIds(),
                                                     after, SelectionIds{after.id, component.id}));
}

std::optional<PlacedComponent> DocumentSession::keptEdit(const PlacedComponent& before,
                                                         const PlacedComponent& edited) {
    std::optional<PlacedComponent> kept = editWithinType(before, edited);
    if (!kept)
        AppLogger::logError(QStringLiteral("An edit that would change a component's type was refused"));
    else if (kept->properties.size() != edited.properties.size())
        AppLogger::logError(
            QStringLiteral("An edit brought keys of another component type; they were left out"));
    return kept;
}

void DocumentSession::updateComponent(const PlacedComponent& component, bool registerUndoStep,
                                      const QString& mergeKey) {
    const qsizetype index = selectedScreenIndex();
    if (index < 0)
        return;
    const KioskScreen& screen = constProject()->screens[index];
    const auto it = std::find_if(screen.components.cbegin(), screen.components.cend(),
                                 [&](const PlacedComponent& c) { return c.id == component.id; });
    if (it == screen.components.cend())
        return;
    const std::optional<PlacedComponent> kept = keptEdit(*it, component);
    if (!kept)
        return;
    if (registerUndoStep)
        registerUndo(std::make_unique<ComponentEditCommand>(*this, tr("Update Component"), screen.id, *it,
                                                            *kept, DocumentEditCommand::Applied::notYet,
                                                            mergeKey));
    else
        applyComponent(screen.id, *kept);
}

void DocumentSession::updateComponentOnScreen(const QUuid& screenId, const PlacedComponent& component,
                                              const QString& mergeKey, std::optional<quint64> interaction,
                                              const QString& actionName) {
    const PlacedComponent* current = findComponent(screenId, component.id);
    if (!current)
        return;
    const std::optional<PlacedComponent> kept = keptEdit(*current, component);
    if (!kept || *current == *kept)
        return;
    registerUndo(std::make_unique<ComponentEditCommand>(
        *this, actionName.isEmpty() ? tr("Update Component") : actionName, screenId, *current, *kept,
        DocumentEditCommand::Applied::notYet, mergeKey, interaction.value_or(EditInteraction::current())));
}

const KioskScreen* DocumentSession::findScreen(const QUuid& screenId) const {
    const qsizetype index = screenIndex(screenId);
    return index < 0 ? nullptr : &constProject()->screens[index];
}

const PlacedComponent* DocumentSession::findComponent(const QUuid& screenId, const QUuid& componentId) const {
    const KioskScreen* screen = findScreen(screenId);
    if (!screen)
        return nullptr;
    for (const PlacedComponent& component : screen->components)
        if (component.id == componentId)
            return &component;
    return nullptr;
}

void DocumentSession::deleteSelectedComponent() {
    const qsizetype index = selectedScreenIndex();
    if (index < 0 || selectedComponentIds_.isEmpty())
        return;
    const KioskScreen& before = constProject()->screens[index];
    KioskScreen after = before;
    for (const QUuid& id : selectedComponentIds_)
        after.components.removeIf([&id](const PlacedComponent& c) { return c.id == id; });
    if (after.components.size() == before.components.size())
        return;
    const bool several = before.components.size() - after.components.size() > 1;
    registerUndo(std::make_unique<ScreenEditCommand>(
        *this, several ? tr("Delete Components") : tr("Delete Component"), before, selectionIds(), after,
        SelectionIds{after.id, std::nullopt, {}}));
}

void DocumentSession::duplicateSelectedComponent() {
    const QList<PlacedComponent> originals = selectedComponents();
    if (originals.isEmpty())
        return;
    const KioskScreen& before = constProject()->screens[selectedScreenIndex()];
    KioskScreen after = before;
    SelectionIds selection{after.id, std::nullopt, {}};
    for (const PlacedComponent& original : originals) {
        PlacedComponent copy = original;
        copy.id = QUuid::createUuid();
        copy.position = {copy.position.x + 50, copy.position.y + 50};
        after.components.append(copy);
        // The copies become the selection, the copy of the one clicked last in its place.
        if (selectedComponent_ && original.id == selectedComponent_->id)
            selection.component = copy.id;
        else
            selection.alsoSelected.append(copy.id);
    }
    if (!selection.component)
        selection.component = selection.alsoSelected.takeLast();
    registerUndo(std::make_unique<ScreenEditCommand>(
        *this, originals.size() > 1 ? tr("Duplicate Components") : tr("Duplicate Component"), before,
        selectionIds(), after, selection));
}

void DocumentSession::copySelectedComponent() {
    const QList<PlacedComponent> originals = selectedComponents();
    if (originals.isEmpty())
        return;
    try {
        if (originals.size() == 1) {
            PlacedComponent copy = originals.front();
            copy.id = QUuid::createUuid();
            Pasteboard::general().setData(componentPasteboardType, encodeComponentJson(copy));
            return;
        }
        QList<PlacedComponent> copies = originals;
        for (PlacedComponent& copy : copies)
            copy.id = QUuid::createUuid();
        Pasteboard::general().setData(componentsPasteboardType, encodeComponentsJson(copies));
    } catch (const JsonEncodingError& error) {
        AppLogger::logFailure(QStringLiteral("Failed to copy components: "), error.description);
    }
}

void DocumentSession::cutSelectedComponents() {
    if (selectedComponentIds_.isEmpty())
        return;
    copySelectedComponent();
    deleteSelectedComponent();
}

void DocumentSession::pasteComponent() {
    const qsizetype index = selectedScreenIndex();
    if (index < 0)
        return;
    const QList<PlacedComponent> pasted = componentsOnPasteboard();
    if (pasted.isEmpty())
        return;
    const KioskScreen& before = constProject()->screens[index];
    // Centred on the screen as a group, keeping their places to each other.
    const QRectF bounds = boundsOf(pasted);
    const double dx = (double(before.resolution.width) - bounds.width()) * 0.5 - bounds.left();
    const double dy = (double(before.resolution.height) - bounds.height()) * 0.5 - bounds.top();
    KioskScreen after = before;
    SelectionIds selection{after.id, std::nullopt, {}};
    for (PlacedComponent component : moved(pasted, dx, dy)) {
        component.id = QUuid::createUuid();
        after.components.append(component);
        selection.alsoSelected.append(component.id);
    }
    selection.component = selection.alsoSelected.takeLast();
    registerUndo(std::make_unique<ScreenEditCommand>(
        *this, pasted.size() > 1 ? tr("Paste Components") : tr("Paste Component"), before, selectionIds(),
        after, selection));
}

bool DocumentSession::canChangeZOrder(ZOrderOperation operation) const {
    const qsizetype index = selectedScreenIndex();
    if (index < 0 || !selectedComponent_)
        return false;
    const QList<PlacedComponent>& components = constProject()->screens[index].components;
    if (selectedComponentIds_.size() > 1) {
        QList<PlacedComponent> trial = components;
        return changeGroupZOrder(trial, selectedComponentIds_, operation);
    }
    return vistrelle::canChangeZOrder(components, selectedComponent_->id, operation);
}

void DocumentSession::changeZOrder(ZOrderOperation operation) {
    if (selectedComponentIndex() < 0)
        return;
    const KioskScreen& before = constProject()->screens[selectedScreenIndex()];
    KioskScreen after = before;
    const bool changed = selectedComponentIds_.size() > 1
                             ? changeGroupZOrder(after.components, selectedComponentIds_, operation)
                             : vistrelle::changeZOrder(after.components, selectedComponent_->id, operation);
    if (!changed)
        return;
    registerUndo(std::make_unique<ScreenEditCommand>(*this, zOrderActionName(operation), before,
                                                     selectionIds(), after, selectionIds()));
}

} // namespace vistrelle
