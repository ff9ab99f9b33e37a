#include "editing/document_edit_commands.h"

#include "editing/shared_document_manager.h"

namespace vistrelle {

DocumentEditCommand::DocumentEditCommand(const QString& actionName, Applied applied)
    : QUndoCommand(actionName)
    , windowId_(SharedDocumentManager::shared().activeWindowId())
    , skipNextRedo_(applied == Applied::already) {}

void DocumentEditCommand::redo() {
    if (skipNextRedo_) {
        skipNextRedo_ = false;
        return;
    }
    apply(true);
}

namespace {
quint64 interactionSerial = 1;
constexpr int componentEditId = 0x56434543;
constexpr int screenEditId = 0x56435345;
} // namespace

void EditInteraction::begin() {
    ++interactionSerial;
}

quint64 EditInteraction::current() {
    return interactionSerial;
}

ScreensEditCommand::ScreensEditCommand(const QString& actionName, QList<KioskScreen> before,
                                       SelectionIds selectionBefore, QList<KioskScreen> after,
                                       SelectionIds selectionAfter, Applied applied)
    : DocumentEditCommand(actionName, applied)
    , before_(std::move(before))
    , after_(std::move(after))
    , selectionBefore_(std::move(selectionBefore))
    , selectionAfter_(std::move(selectionAfter)) {}

void ScreensEditCommand::apply(bool forward) {
    SharedDocumentManager::shared().applyScreens(windowId_, forward ? after_ : before_,
                                                 forward ? selectionAfter_ : selectionBefore_);
}

ScreenEditCommand::ScreenEditCommand(const QString& actionName, KioskScreen before,
                                     SelectionIds selectionBefore, KioskScreen after,
                                     SelectionIds selectionAfter, Applied applied, QString mergeKey)
    : DocumentEditCommand(actionName, applied)
    , before_(std::move(before))
    , after_(std::move(after))
    , selectionBefore_(std::move(selectionBefore))
    , selectionAfter_(std::move(selectionAfter))
    , mergeKey_(std::move(mergeKey))
    , interaction_(EditInteraction::current()) {}

int ScreenEditCommand::id() const {
    return mergeKey_.isEmpty() ? -1 : screenEditId;
}

bool ScreenEditCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const ScreenEditCommand*>(other);
    if (!next || next->mergeKey_ != mergeKey_ || next->interaction_ != interaction_ ||
        next->windowId_ != windowId_ || next->before_.id != before_.id)
        return false;
    after_ = next->after_;
    selectionAfter_ = next->selectionAfter_;
    setObsolete(after_ == before_);
    return true;
}

void ScreenEditCommand::apply(bool forward) {
    SharedDocumentManager::shared().applyScreen(windowId_, forward ? after_ : before_,
                                                forward ? selectionAfter_ : selectionBefore_);
}

ComponentEditCommand::ComponentEditCommand(const QString& actionName, const QUuid& screenId,
                                           PlacedComponent before, PlacedComponent after, Applied applied,
                                           QString mergeKey, quint64 interaction)
    : DocumentEditCommand(actionName, applied)
    , screenId_(screenId)
    , before_(std::move(before))
    , after_(std::move(after))
    , mergeKey_(std::move(mergeKey))
    , interaction_(interaction) {}

int ComponentEditCommand::id() const {
    return mergeKey_.isEmpty() ? -1 : componentEditId;
}

bool ComponentEditCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const ComponentEditCommand*>(other);
    if (!next || next->mergeKey_ != mergeKey_ || next->interaction_ != interaction_ ||
        next->windowId_ != windowId_ || next->screenId_ != screenId_ || next->before_.id != before_.id)
        return false;
    after_ = next->after_;
    setObsolete(after_ == before_);
    return true;
}

void ComponentEditCommand::apply(bool forward) {
    SharedDocumentManager::shared().applyComponent(windowId_, screenId_, forward ? after_ : before_);
}

ProjectInfoEditCommand::ProjectInfoEditCommand(const QString& actionName, Info before, Info after,
                                               Applied applied)
    : DocumentEditCommand(actionName, applied)
    , before_(std::move(before))
    , after_(std::move(after)) {}

void ProjectInfoEditCommand::apply(bool forward) {
    const Info& info = forward ? after_ : before_;
    SharedDocumentManager::shared().applyProjectInfo(windowId_, info.metadata, info.settings);
}

} // namespace vistrelle
