// The selection of several components of the selected screen, and what acts on all of them at once.
#include "editing/document_edit_commands.h"
#include "editing/document_session.h"

namespace vistrelle {

QList<PlacedComponent> DocumentSession::selectedComponents() const {
    const qsizetype index = selectedScreenIndex();
    if (index < 0)
        return {};
    QList<PlacedComponent> selected;
    for (const PlacedComponent& c : constProject()->screens[index].components)
        if (selectedComponentIds_.contains(c.id))
            selected.append(c);
    return selected;
}

void DocumentSession::setComponentSelection(const QList<QUuid>& ids) {
    const qsizetype index = selectedScreenIndex();
    QList<QUuid> kept;
    std::optional<PlacedComponent> last;
    if (index >= 0) {
        const QList<PlacedComponent>& components = constProject()->screens[index].components;
        for (const QUuid& id : ids) {
            if (kept.contains(id))
                continue;
            for (const PlacedComponent& c : components)
                if (c.id == id) {
                    kept.append(id);
                    last = c;
                }
        }
    }
    replaceSelection(kept, last);
}

void DocumentSession::toggleComponentSelected(const QUuid& id) {
    QList<QUuid> ids = selectedComponentIds_;
    if (!ids.removeAll(id))
        ids.append(id);
    setComponentSelection(ids);
}

void DocumentSession::selectAllComponents() {
    const qsizetype index = selectedScreenIndex();
    if (index < 0)
        return;
    QList<QUuid> ids;
    for (const PlacedComponent& c : constProject()->screens[index].components)
        ids.append(c.id);
    // The one clicked last stays the one the inspector shows.
    if (selectedComponent_ && ids.removeAll(selectedComponent_->id))
        ids.append(selectedComponent_->id);
    setComponentSelection(ids);
}

void DocumentSession::replaceComponents(const QList<PlacedComponent>& changed, const QString& actionName,
                                        const QString& mergeKey, std::optional<quint64> interaction) {
    if (selectedScreen_)
        replaceComponentsOnScreen(selectedScreen_->id, changed, actionName, mergeKey, interaction);
}

void DocumentSession::replaceComponentsOnScreen(const QUuid& screenId, const QList<PlacedComponent>& changed,
                                                const QString& actionName, const QString& mergeKey,
                                                std::optional<quint64> interaction) {
    const qsizetype index = screenIndex(screenId);
    if (index < 0 || changed.isEmpty())
        return;
    const KioskScreen& before = constProject()->screens[index];
    KioskScreen after = before;
    for (PlacedComponent& c : after.components)
        for (const PlacedComponent& replacement : changed)
            if (replacement.id == c.id)
                if (const std::optional<PlacedComponent> kept = keptEdit(c, replacement))
                    c = *kept;
    if (after == before)
        return;
    const SelectionIds selection = selectionIds();
    registerUndo(std::make_unique<ScreenEditCommand>(*this, actionName, before, selection, after, selection,
                                                     DocumentEditCommand::Applied::notYet, mergeKey,
                                                     interaction.value_or(EditInteraction::current())));
}

void DocumentSession::moveSelectedComponents(double dx, double dy, const QString& actionName,
                                             const QString& mergeKey) {
    replaceComponents(moved(selectedComponents(), dx, dy), actionName, mergeKey);
}

void DocumentSession::alignSelectedComponents(AlignEdge edge) {
    const QList<PlacedComponent> selected = selectedComponents();
    const qsizetype index = selectedScreenIndex();
    if (selected.isEmpty() || index < 0)
        return;
    const ScreenResolution& resolution = constProject()->screens[index].resolution;
    const QRectF reference = selected.size() == 1
                                 ? QRectF(0, 0, double(resolution.width), double(resolution.height))
                                 : boundsOf(selected);
    replaceComponents(aligned(selected, edge, reference), tr("Align"));
}

void DocumentSession::distributeSelectedComponents(Axis axis) {
    replaceComponents(distributed(selectedComponents(), axis), tr("Distribute"));
}

void DocumentSession::matchSelectedComponentsSize(Axis axis) {
    if (!selectedComponent_)
        return;
    replaceComponents(matchedSize(selectedComponents(), axis, selectedComponent_->size),
                      axis == Axis::horizontal ? tr("Match Width") : tr("Match Height"));
}

} // namespace vistrelle
