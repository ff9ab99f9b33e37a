#pragma once

#include "editing/selection_ids.h"
#include "model/project_model.h"

#include <QPointer>
#include <QUndoCommand>

namespace vistrelle {

class DocumentSession;

// An undo step that holds the values before and after an edit, so that it can
// be undone and redone any number of times. Pushing it on a QUndoStack
// performs the edit (QUndoStack calls redo); a step recorded for an edit that
// has already happened skips that first redo.
class DocumentEditCommand : public QUndoCommand {
public:
    enum class Applied { notYet, already };

    DocumentEditCommand(DocumentSession& session, const QString& actionName, Applied applied);

    void undo() final { apply(false); }
    void redo() final;

protected:
    virtual void apply(bool forward) = 0;

    // The session whose document the step changes; gone with it, the step changes nothing.
    QPointer<DocumentSession> session_;

private:
    bool skipNextRedo_;
};

// One user interaction: a drag on the canvas, a slider's sweep, a burst of
// typing in one field. Steps of the same interaction that change the same
// screen or component in the same way merge into one undo step.
namespace EditInteraction {
// Starts a new interaction; later steps no longer merge with earlier ones.
void begin();
quint64 current();
} // namespace EditInteraction

// Replaces the whole screens list: adding, duplicating, deleting and reordering screens, and a setting
// copied to every screen. Merges like ComponentEditCommand when given a merge key (a slider dragged with
// "Apply to all screens" on is one step).
class ScreensEditCommand : public DocumentEditCommand {
public:
    ScreensEditCommand(DocumentSession& session, const QString& actionName, QList<KioskScreen> before,
                       SelectionIds selectionBefore, QList<KioskScreen> after, SelectionIds selectionAfter,
                       Applied applied = Applied::notYet, QString mergeKey = {},
                       quint64 interaction = EditInteraction::current());

    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

protected:
    void apply(bool forward) override;

private:
    QList<KioskScreen> before_;
    QList<KioskScreen> after_;
    SelectionIds selectionBefore_;
    SelectionIds selectionAfter_;
    QString mergeKey_;
    quint64 interaction_;
};

// Switching one of a window's "Apply to all screens" choices, with what that writes: the copy to every
// screen when it is switched on, and the project's setting of whether added screens take the first
// screen's background. One step, whose undo also switches the choice back.
class ApplyToAllCommand : public ScreensEditCommand {
public:
    enum class Choice { transition, background };

    ApplyToAllCommand(DocumentSession& session, const QString& actionName, Choice choice, bool on,
                      QList<KioskScreen> before, QList<KioskScreen> after, SelectionIds selection,
                      ProjectSettings settingsBefore, ProjectSettings settingsAfter);

protected:
    void apply(bool forward) override;

private:
    Choice choice_;
    bool on_;
    ProjectSettings settingsBefore_;
    ProjectSettings settingsAfter_;
};

// Replaces one screen, found by id: renaming, the inspector's screen settings, and every edit of a
// screen's components list. Merges like ComponentEditCommand when given a merge key.
class ScreenEditCommand : public DocumentEditCommand {
public:
    ScreenEditCommand(DocumentSession& session, const QString& actionName, KioskScreen before,
                      SelectionIds selectionBefore, KioskScreen after, SelectionIds selectionAfter,
                      Applied applied = Applied::notYet, QString mergeKey = {},
                      quint64 interaction = EditInteraction::current());

    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

protected:
    void apply(bool forward) override;

private:
    KioskScreen before_;
    KioskScreen after_;
    SelectionIds selectionBefore_;
    SelectionIds selectionAfter_;
    QString mergeKey_;
    quint64 interaction_;
};

// Replaces one component of one screen: the cheapest step, for updates and gestures.
// With a merge key ("Move", a property's key) it merges with the step before it
// when both belong to the same interaction, component and key; a merged step
// that returns to where it started is dropped.
class ComponentEditCommand : public DocumentEditCommand {
public:
    // `interaction`: the one the edit was made in (a dialog's whole session, say).
    ComponentEditCommand(DocumentSession& session, const QString& actionName, const QUuid& screenId,
                         PlacedComponent before, PlacedComponent after, Applied applied = Applied::notYet,
                         QString mergeKey = {}, quint64 interaction = EditInteraction::current());

    const QUuid& componentId() const { return before_.id; }
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

protected:
    void apply(bool forward) override;

private:
    QUuid screenId_;
    PlacedComponent before_;
    PlacedComponent after_;
    QString mergeKey_;
    quint64 interaction_;
};

// Replaces the project's information and settings (the settings sheet).
class ProjectInfoEditCommand : public DocumentEditCommand {
public:
    struct Info {
        ProjectMetadata metadata;
        ProjectSettings settings;
        bool operator==(const Info&) const = default;
    };

    ProjectInfoEditCommand(DocumentSession& session, const QString& actionName, Info before, Info after,
                           Applied applied = Applied::notYet);

protected:
    void apply(bool forward) override;

private:
    Info before_;
    Info after_;
};

} // namespace vistrelle
