#pragma once

#include "editing/arrangement.h"
#include "editing/selection_ids.h"
#include "editing/undo_manager_wrapper.h"
#include "editing/z_order.h"
#include "model/component_factory.h"
#include "model/vistrelle_document.h"

#include <QObject>
#include <QSet>
#include <QUndoCommand>

#include <memory>
#include <optional>

namespace vistrelle {

// The one editing hub: a working copy of the active window's document, the
// selected screen and component, the active window's undo stack, and the
// change notifications views refresh from. Main thread only.
//
// Every edit registers one named undo step that holds the values before and
// after it, changes the working copy in place (so an edit costs the same in a
// large project as in a small one), keeps the selection valid and schedules
// "documentUpdated", which is posted once per event-loop turn.
class SharedDocumentManager : public QObject {
    Q_OBJECT

public:
    static SharedDocumentManager& shared();
    // Replaces the shared instance with a fresh one (tests start clean).
    static void resetShared();

    // --- observable state
    const std::optional<QUuid>& activeWindowId() const { return activeWindowId_; }
    const std::optional<KioskScreen>& selectedScreen() const { return selectedScreen_; }
    const std::optional<VistrelleDocument>& currentDocument() const { return currentDocument_; }
    const std::optional<PlacedComponent>& selectedComponent() const { return selectedComponent_; }
    bool isDocumentOpen() const { return isDocumentOpen_; }
    bool isLoadingDocument() const { return isLoadingDocument_; }
    UndoManagerWrapper& undoManager() { return undoManager_; }
    bool documentUpdatedPostScheduled() const { return documentUpdatedPostScheduled_; }
    const QSet<QString>& pendingDocumentNotifications() const { return pendingDocumentNotifications_; }

    // Observable assignments; the screen, component and document setters
    // notify only when the value really changes.
    void setActiveWindowId(const std::optional<QUuid>& windowId);
    void setSelectedScreen(const std::optional<KioskScreen>& screen);
    void setSelectedComponent(const std::optional<PlacedComponent>& component);
    void setCurrentDocument(const std::optional<VistrelleDocument>& document);

    // --- documents and windows
    void setActiveDocument(const VistrelleDocument& document, const QUuid& windowId);
    void updateDocument(const VistrelleDocument& document, const QUuid& windowId);
    void closeDocument(const QUuid& windowId);
    bool isActiveWindow(const QUuid& windowId) const;

    // Queues `name` for the post after the current event-loop turn; each
    // distinct name queued during the turn is posted once.
    void scheduleDocumentNotification(const QString& name);

    // Records `step` on the active window's undo stack and performs it (the
    // stack runs its redo). Without an undo stack the step is performed and
    // forgotten, so the edit still happens.
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
    // `mergeKey` merge.
    void updateScreen(const KioskScreen& screen, const QString& actionName, const QString& mergeKey = {});
    // Replaces every screen at once, as one step (copying the first screen's settings to all, a
    // template over a screen); the selection afterwards is `selection` when given.
    void updateAllScreens(const QList<KioskScreen>& screens, const QString& actionName,
                          const std::optional<SelectionIds>& selection = std::nullopt);

    // --- the project's information and settings
    // Written at once, without an undo step (the settings sheet shows the name
    // as it is typed); the sheet records one step for all its changes.
    void setProjectInfo(const ProjectMetadata& metadata, const ProjectSettings& settings);
    // One undo step from `before` to the current information, which is already applied.
    void registerProjectInfoStep(const ProjectMetadata& metadataBefore,
                                 const ProjectSettings& settingsBefore);

    // --- components of the selected screen
    void addComponent(ComponentType type, Point point);
    // With `mergeKey`, steps of one interaction merge (see ComponentEditCommand).
    void updateComponent(const PlacedComponent& component, bool registerUndo, const QString& mergeKey = {});
    // The same for a component of any screen ("Update Component"): an inspector edit that lands
    // after the selection moved on still changes the component it was made for.
    void updateComponentOnScreen(const QUuid& screenId, const PlacedComponent& component,
                                 const QString& mergeKey = {}, std::optional<quint64> interaction = {});
    // The working copy's screen or component by id, or nullptr.
    const KioskScreen* findScreen(const QUuid& screenId) const;
    const PlacedComponent* findComponent(const QUuid& screenId, const QUuid& componentId) const;

    // --- the selection of several components of the selected screen. `selectedComponent` stays the one
    // clicked last (the last of the list), so everything made for one component keeps working.
    const QList<QUuid>& selectedComponentIds() const { return selectedComponentIds_; }
    // The selected components in the screen's list order.
    QList<PlacedComponent> selectedComponents() const;
    // Selects the components of the selected screen with these ids (others are ignored); the last one
    // becomes `selectedComponent`.
    void setComponentSelection(const QList<QUuid>& ids);
    // Shift- or Ctrl-click: adds the component, or takes it out when it is selected.
    void toggleComponentSelected(const QUuid& id);
    void selectAllComponents();

    // Each acts on the whole selection as one undo step.
    void deleteSelectedComponent();
    void duplicateSelectedComponent();
    // One component goes to the clipboard as before (other copies of the application read it); several as
    // a JSON array under a second private type.
    void copySelectedComponent();
    void cutSelectedComponents();
    // Several components keep their places to each other and are centred on the screen as a group.
    void pasteComponent();
    // Replaces components of the selected screen (by id) as one step; steps of one interaction with the
    // same `mergeKey` merge (a drag of several components).
    void replaceComponents(const QList<PlacedComponent>& changed, const QString& actionName,
                           const QString& mergeKey = {});
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

    // How a file dropped on the canvas becomes a stored path (the media layer's bookmarks).
    void setStoredPathMaker(StoredPathMaker maker) { storedPathMaker_ = std::move(maker); }

    // --- what undo steps apply, by id, to the document of the window that made
    // them (nothing happens without a document or while another window is active)
    void applyScreens(const std::optional<QUuid>& windowId, const QList<KioskScreen>& screens,
                      SelectionIds selection);
    void applyScreen(const std::optional<QUuid>& windowId, const KioskScreen& screen, SelectionIds selection);
    void applyComponent(const std::optional<QUuid>& windowId, const QUuid& screenId,
                        const PlacedComponent& component);

    void applyProjectInfo(const std::optional<QUuid>& windowId, const ProjectMetadata& metadata,
                          const ProjectSettings& settings);

    SelectionIds selectionIds() const;

signals:
    void activeWindowIdChanged();
    void selectedScreenChanged();
    void currentDocumentChanged();
    void selectedComponentChanged();
    void componentSelectionChanged();
    void isDocumentOpenChanged();
    void isLoadingDocumentChanged();

private:
    SharedDocumentManager() = default;

    KioskProject* project();
    const KioskProject* project() const;
    // Reading through this never detaches shared lists (non-const access would).
    const KioskProject* constProject() const { return project(); }
    qsizetype screenIndex(const QUuid& screenId) const;
    qsizetype selectedScreenIndex() const;
    // The selected screen's component with the selected component's id, or -1.
    qsizetype selectedComponentIndex() const;

    void setDocumentOpen(bool open);
    void setLoadingDocument(bool loading);
    // After the working copy changed in place: tell observers, resolve the
    // selection against the new project and schedule "documentUpdated".
    void finishEdit(SelectionIds selection);
    bool canApplyStepOf(const std::optional<QUuid>& windowId) const;
    void resolveSelection(const SelectionIds& selection);
    // The selection becomes `ids`, and `last` the selected component; observers hear what changed.
    void replaceSelection(const QList<QUuid>& ids, const std::optional<PlacedComponent>& last);
    void postDocumentNotifications();
    // `edited` as an edit of `before` stores it (see editWithinType), logging what it leaves out.
    static std::optional<PlacedComponent> keptEdit(const PlacedComponent& before,
                                                   const PlacedComponent& edited);
    void alertActionNotAllowed(const QString& message);

    std::optional<QUuid> activeWindowId_;
    std::optional<KioskScreen> selectedScreen_;
    std::optional<VistrelleDocument> currentDocument_;
    std::optional<PlacedComponent> selectedComponent_;
    QList<QUuid> selectedComponentIds_;
    bool isDocumentOpen_ = false;
    bool isLoadingDocument_ = false;
    UndoManagerWrapper undoManager_;
    bool documentUpdatedPostScheduled_ = false;
    QSet<QString> pendingDocumentNotifications_;
    StoredPathMaker storedPathMaker_;
    bool applyingStep_ = false;
};

} // namespace vistrelle
