#pragma once

#include "editing/arrangement.h"
#include "editing/document_change.h"
#include "editing/selection_ids.h"
#include "editing/z_order.h"
#include "model/component_factory.h"
#include "model/vistrelle_document.h"

#include <QObject>
#include <QUndoCommand>
#include <QUndoStack>

#include <memory>
#include <optional>

namespace vistrelle {

// One open document and everything that edits it: the document, its undo stack, the selected screen and
// components, and the edit operations. Each project window has one; nothing asks which window is active.
// Main thread only.
//
// Every edit registers one named undo step that holds the values before and after it (the stack performs
// it), changes the document in place (so an edit costs the same in a large project as in a small one),
// keeps the selection valid and adds to the change that `changed` reports once per event-loop turn.
class DocumentSession : public QObject {
    Q_OBJECT

public:
    explicit DocumentSession(VistrelleDocument document = {}, QObject* parent = nullptr);
    ~DocumentSession() override;

    // --- the document
    const VistrelleDocument& document() const { return document_; }
    const KioskProject& project() const { return document_.project; }
    // Replaces the whole document (revert, recovery, a new project's setup) and forgets the undo history.
    void replaceDocument(const VistrelleDocument& document);
    QUndoStack& undoStack() { return undoStack_; }
    const QUndoStack& undoStack() const { return undoStack_; }

    // How a file dropped on the canvas becomes a stored path (the media layer's forms); one rule for the
    // whole application.
    static void setStoredPathMaker(StoredPathMaker maker);

    // --- the selection
    const std::optional<KioskScreen>& selectedScreen() const { return selectedScreen_; }
    const std::optional<PlacedComponent>& selectedComponent() const { return selectedComponent_; }
    void setSelectedScreen(const std::optional<KioskScreen>& screen);
    void setSelectedComponent(const std::optional<PlacedComponent>& component);
    // The selection of several components of the selected screen. `selectedComponent` stays the one clicked
    // last (the last of the list), so everything made for one component keeps working.
    const QList<QUuid>& selectedComponentIds() const { return selectedComponentIds_; }
    // The selected components in the screen's list order.
    QList<PlacedComponent> selectedComponents() const;
    // Selects the components of the selected screen with these ids (others are ignored); the last one
    // becomes `selectedComponent`.
    void setComponentSelection(const QList<QUuid>& ids);
    // Shift- or Ctrl-click: adds the component, or takes it out when it is selected.
    void toggleComponentSelected(const QUuid& id);
    void selectAllComponents();
    SelectionIds selectionIds() const;

    // --- "Apply to all screens": the window's choice, not the project's; it starts off in every window.
    bool appliesTransitionToAllScreens() const { return transitionToAll_; }
    bool appliesBackgroundToAllScreens() const { return backgroundToAll_; }
    void setAppliesTransitionToAllScreens(bool on);
    void setAppliesBackgroundToAllScreens(bool on);

    // Records `step` on the undo stack, which performs it. Views hear of the edit after the turn, so none
    // can edit while a step is being applied.
    void registerUndo(std::unique_ptr<QUndoCommand> step);

    // --- screens
    void addScreen();
    void duplicateScreen(const QUuid& screenId);
    void deleteScreen(const QUuid& screenId);
    void renameScreen(const QUuid& screenId, const QString& name);
    void moveScreen(qint64 source, qint64 destination);
    // The screen edit dialog: a new name and duration in one step.
    void updateScreenDetails(const QUuid& screenId, const QString& name, qint64 duration);
    // Replaces the screen with the same id (the inspector: name, duration, transition, background,
    // an imported template) as one step named `actionName`; steps of one interaction with the same
    // `mergeKey` merge (of `interaction`, else of the current one: a dialog's session is one).
    void updateScreen(const KioskScreen& screen, const QString& actionName, const QString& mergeKey = {},
                      std::optional<quint64> interaction = {});
    // Replaces every screen at once, as one step (copying the first screen's settings to all, a
    // template over a screen); the selection afterwards is `selection` when given. Steps of one
    // interaction with the same `mergeKey` merge.
    void updateAllScreens(const QList<KioskScreen>& screens, const QString& actionName,
                          const std::optional<SelectionIds>& selection = std::nullopt,
                          const QString& mergeKey = {}, std::optional<quint64> interaction = {});

    // --- the project's information and settings
    // Written at once, without an undo step (the settings sheet shows the name
    // as it is typed); the sheet records one step for all its changes.
    void setProjectInfo(const ProjectMetadata& metadata, const ProjectSettings& settings);
    // One undo step from `before` to the current information, which is already applied.
    void registerProjectInfoStep(const ProjectMetadata& metadataBefore,
                                 const ProjectSettings& settingsBefore);

    // --- components of the selected screen
    // A new component at `point`; an image or a video takes the file dropped with it (as a stored path).
    void addComponent(ComponentType type, Point point, const std::optional<QUrl>& droppedFile = std::nullopt);
    // `component`, made by the caller, added to the selected screen as one step and selected.
    void addMadeComponent(const PlacedComponent& component);
    // A dropped file as the project stores its path.
    static QString storedMediaPath(const QUrl& droppedFile);
    // With `mergeKey`, steps of one interaction merge (see ComponentEditCommand).
    void updateComponent(const PlacedComponent& component, bool registerUndo, const QString& mergeKey = {});
    // The same for a component of any screen: an edit bound to a component (a dialog opened for it)
    // changes that component, wherever the selection went meanwhile. The step is named `actionName`, or
    // "Update Component".
    void updateComponentOnScreen(const QUuid& screenId, const PlacedComponent& component,
                                 const QString& mergeKey = {}, std::optional<quint64> interaction = {},
                                 const QString& actionName = {});
    // The document's screen or component by id, or nullptr.
    const KioskScreen* findScreen(const QUuid& screenId) const;
    const PlacedComponent* findComponent(const QUuid& screenId, const QUuid& componentId) const;

    // Each acts on the whole selection as one undo step.
    void deleteSelectedComponent();
    void duplicateSelectedComponent();
    // One component goes to the clipboard as before (other copies of the application read it); several as
    // a JSON array under a second private type.
    void copySelectedComponent();
    void cutSelectedComponents();
    // Several components keep their places to each other and are centred on the screen as a group.
    void pasteComponent();
    // Replaces components of the selected screen (by id) as one step; steps of one interaction
    // (`interaction`, else the current one) with the same `mergeKey` merge (a drag of several components).
    void replaceComponents(const QList<PlacedComponent>& changed, const QString& actionName,
                           const QString& mergeKey = {}, std::optional<quint64> interaction = {});
    // The same on any screen: a dialog opened for a group writes to that group wherever the selection went.
    void replaceComponentsOnScreen(const QUuid& screenId, const QList<PlacedComponent>& changed,
                                   const QString& actionName, const QString& mergeKey = {},
                                   std::optional<quint64> interaction = {});
    void moveSelectedComponents(double dx, double dy, const QString& actionName,
                                const QString& mergeKey = {});
    // To the selection's bounds, or to the screen when one component is selected.
    void alignSelectedComponents(AlignEdge edge);
    void distributeSelectedComponents(Axis axis);
    // To the size of `selectedComponent` (the one clicked last).
    void matchSelectedComponentsSize(Axis axis);
    // Several components go to the front or back together, keeping their order; stepping forward or back
    // is for one component.
    bool canChangeZOrder(ZOrderOperation operation) const;
    void changeZOrder(ZOrderOperation operation);

    // --- what undo steps apply, by id (a screen or component that is gone is left alone)
    void applyScreens(const QList<KioskScreen>& screens, SelectionIds selection);
    void applyScreen(const KioskScreen& screen, SelectionIds selection);
    void applyComponent(const QUuid& screenId, const PlacedComponent& component);
    void applyProjectInfo(const ProjectMetadata& metadata, const ProjectSettings& settings);

    // The change gathered since the last report, reported now instead of at the end of the turn (a test,
    // or a view that must be current before it goes on).
    void reportChangeNow();

    // Asks the session's window to open the project settings (a show check finding about the project).
    void requestProjectSettings(bool atPassword) { emit projectSettingsRequested(atPassword); }

signals:
    // What changed, once per event-loop turn however many edits it held.
    void changed(const vistrelle::DocumentChange& change);
    void projectSettingsRequested(bool atPassword);

private:
    KioskProject* mutableProject() { return &document_.project; }
    const KioskProject* constProject() const { return &document_.project; }
    qsizetype screenIndex(const QUuid& screenId) const;
    qsizetype selectedScreenIndex() const;
    // The selected screen's component with the selected component's id, or -1.
    qsizetype selectedComponentIndex() const;

    // Adds to the change reported at the end of the turn.
    void noteChange(const DocumentChange& change);
    // After the document changed in place: resolve the selection against it and note the change.
    void finishEdit(SelectionIds selection, DocumentChange change);
    void resolveSelection(const SelectionIds& selection);
    // The selection becomes `ids`, and `last` the selected component.
    void replaceSelection(const QList<QUuid>& ids, const std::optional<PlacedComponent>& last);
    void alertActionNotAllowed(const QString& message);
    static StoredPathMaker& pathMaker();
    // `edited` as an edit of `before` stores it (see editWithinType), logging what it leaves out.
    static std::optional<PlacedComponent> keptEdit(const PlacedComponent& before,
                                                   const PlacedComponent& edited);

    VistrelleDocument document_;
    QUndoStack undoStack_;
    std::optional<KioskScreen> selectedScreen_;
    std::optional<PlacedComponent> selectedComponent_;
    QList<QUuid> selectedComponentIds_;
    bool transitionToAll_ = false;
    bool backgroundToAll_ = false;
    DocumentChange pending_;
    bool reportScheduled_ = false;
};

} // namespace vistrelle
