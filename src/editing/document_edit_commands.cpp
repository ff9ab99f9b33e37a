#include "editing/document_edit_commands.h"

#include "editing/document_session.h"

namespace vistrelle {

DocumentEditCommand::DocumentEditCommand(DocumentSession& session, const QString& actionName, Applied applied)
    : QUndoCommand(actionName)
    , session_(&session)
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
constexpr int screensEditId = 0x56435353;
} // namespace

void EditInteraction::begin() {
    ++interactionSerial;
}

quint64 EditInteraction::current() {
    return interactionSerial;
}

ScreensEditCommand::ScreensEditCommand(DocumentSession& session, const QString& actionName,
                                       QList<KioskScreen> before, SelectionIds selectionBefore,
                                       QList<KioskScreen> after, SelectionIds selectionAfter, Applied applied,
                                       QString mergeKey, quint64 interaction)
    : DocumentEditCommand(session, actionName, applied)
    , before_(std::move(before))
    , after_(std::move(after))
    , selectionBefore_(std::move(selectionBefore))
    , selectionAfter_(std::move(selectionAfter))
    , mergeKey_(std::move(mergeKey))
    , interaction_(interaction) {}

int ScreensEditCommand::id() const {
    return mergeKey_.isEmpty() ? -1 : screensEditId;
}

bool ScreensEditCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const ScreensEditCommand*>(other);
    if (!next || next->mergeKey_ != mergeKey_ || next->interaction_ != interaction_ ||
        next->session_ != session_)
        return false;
    after_ = next->after_;
    selectionAfter_ = next->selectionAfter_;
    setObsolete(after_ == before_);
    return true;
}

void ScreensEditCommand::apply(bool forward) {
    if (session_)
        session_->applyScreens(forward ? after_ : before_, forward ? selectionAfter_ : selectionBefore_);
}

ApplyToAllCommand::ApplyToAllCommand(DocumentSession& session, const QString& actionName, Choice choice,
                                     bool on, QList<KioskScreen> before, QList<KioskScreen> after,
                                     SelectionIds selection, ProjectSettings settingsBefore,
                                     ProjectSettings settingsAfter)
    : ScreensEditCommand(session, actionName, std::move(before), selection, std::move(after), selection)
    , choice_(choice)
    , on_(on)
    , settingsBefore_(std::move(settingsBefore))
    , settingsAfter_(std::move(settingsAfter)) {}

void ApplyToAllCommand::apply(bool forward) {
    ScreensEditCommand::apply(forward);
    if (!session_)
        return;
    if (settingsBefore_ != settingsAfter_)
        session_->applyProjectInfo(session_->project().metadata, forward ? settingsAfter_ : settingsBefore_);
    const bool on = forward == on_;
    if (choice_ == Choice::transition)
        session_->setAppliesTransitionToAllScreens(on);
    else
        session_->setAppliesBackgroundToAllScreens(on);
}

ScreenEditCommand::ScreenEditCommand(DocumentSession& session, const QString& actionName, KioskScreen before,
                                     SelectionIds selectionBefore, KioskScreen after,
                                     SelectionIds selectionAfter, Applied applied, QString mergeKey,
                                     quint64 interaction)
    : DocumentEditCommand(session, actionName, applied)
    , before_(std::move(before))
    , after_(std::move(after))
    , selectionBefore_(std::move(selectionBefore))
    , selectionAfter_(std::move(selectionAfter))
    , mergeKey_(std::move(mergeKey))
    , interaction_(interaction) {}

int ScreenEditCommand::id() const {
    return mergeKey_.isEmpty() ? -1 : screenEditId;
}

bool ScreenEditCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const ScreenEditCommand*>(other);
    if (!next || next->mergeKey_ != mergeKey_ || next->interaction_ != interaction_ ||
        next->session_ != session_ || next->before_.id != before_.id)
        return false;
    after_ = next->after_;
    selectionAfter_ = next->selectionAfter_;
    setObsolete(after_ == before_);
    return true;
}

void ScreenEditCommand::apply(bool forward) {
    if (session_)
        session_->applyScreen(forward ? after_ : before_, forward ? selectionAfter_ : selectionBefore_);
}

ComponentEditCommand::ComponentEditCommand(DocumentSession& session, const QString& actionName,
                                           const QUuid& screenId, PlacedComponent before,
                                           PlacedComponent after, Applied applied, QString mergeKey,
                                           quint64 interaction)
    : DocumentEditCommand(session, actionName, applied)
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
        next->session_ != session_ || next->screenId_ != screenId_ || next->before_.id != before_.id)
        return false;
    after_ = next->after_;
    setObsolete(after_ == before_);
    return true;
}

void ComponentEditCommand::apply(bool forward) {
    if (session_)
        session_->applyComponent(screenId_, forward ? after_ : before_);
}

ProjectInfoEditCommand::ProjectInfoEditCommand(DocumentSession& session, const QString& actionName,
                                               Info before, Info after, Applied applied)
    : DocumentEditCommand(session, actionName, applied)
    , before_(std::move(before))
    , after_(std::move(after)) {}

void ProjectInfoEditCommand::apply(bool forward) {
    const Info& info = forward ? after_ : before_;
    if (session_)
        session_->applyProjectInfo(info.metadata, info.settings);
}

} // namespace vistrelle
