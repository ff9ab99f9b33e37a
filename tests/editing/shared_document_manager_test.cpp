#include "editing_fixture.h"

#include <QSignalSpy>

using namespace vistrelle;
using namespace vistrelle::test_support;

namespace {
class SharedDocumentManagerTest : public EditingTest {};
} // namespace

TEST_F(SharedDocumentManagerTest, OpeningSelectsTheFirstScreenAndPostsAfterTheTurn) {
    KioskProject empty;
    empty.screens.clear();
    VistrelleDocument document;
    document.project = empty;
    manager().setActiveDocument(document, windowId);
    EXPECT_TRUE(manager().isDocumentOpen());
    EXPECT_FALSE(manager().isLoadingDocument());
    EXPECT_FALSE(manager().selectedScreen());
    EXPECT_TRUE(posts.isEmpty());
    processEvents();
    EXPECT_EQ(posts, QStringList{"documentUpdated"});

    open(projectWithScreens(2));
    EXPECT_EQ(manager().selectedScreen()->name, "Start");
    EXPECT_TRUE(manager().isActiveWindow(windowId));
    EXPECT_FALSE(manager().isActiveWindow(QUuid::createUuid()));
}

TEST_F(SharedDocumentManagerTest, AThousandEditsInOneTurnPostOnce) {
    open();
    manager().addComponent(ComponentType::label, {});
    PlacedComponent component = *manager().selectedComponent();
    for (int i = 0; i < 1000; ++i) {
        component.position.x = i;
        manager().updateComponent(component, false);
    }
    EXPECT_TRUE(manager().documentUpdatedPostScheduled());
    EXPECT_TRUE(posts.isEmpty());
    processEvents();
    EXPECT_EQ(posts, QStringList{"documentUpdated"});
    EXPECT_FALSE(manager().documentUpdatedPostScheduled());
    EXPECT_TRUE(manager().pendingDocumentNotifications().isEmpty());

    // Each distinct name once, in one post.
    manager().scheduleDocumentNotification("documentUpdated");
    manager().scheduleDocumentNotification("componentAdded");
    manager().scheduleDocumentNotification("documentUpdated");
    processEvents();
    posts.sort();
    EXPECT_EQ(posts, (QStringList{"componentAdded", "documentUpdated", "documentUpdated"}));
}

TEST_F(SharedDocumentManagerTest, UpdateDocumentResolvesTheSelectionById) {
    open(projectWithScreens(2));
    manager().setSelectedScreen(project().screens[1]);
    manager().addComponent(ComponentType::icon, {});
    const QUuid componentId = manager().selectedComponent()->id;

    VistrelleDocument changed = *manager().currentDocument();
    changed.project.screens[1].name = "Renamed";
    changed.project.screens[1].components[0].position = {9, 9};
    manager().updateDocument(changed, QUuid::createUuid()); // another window: ignored
    EXPECT_EQ(project().screens[1].name, "Screen 2");

    manager().updateDocument(changed, windowId);
    EXPECT_EQ(manager().selectedScreen()->name, "Renamed");
    EXPECT_EQ(manager().selectedComponent()->id, componentId);
    EXPECT_EQ(manager().selectedComponent()->position, (Point{9, 9}));

    changed.project.screens.removeAt(1);
    manager().updateDocument(changed, windowId);
    EXPECT_EQ(manager().selectedScreen()->id, project().screens[0].id);
    EXPECT_FALSE(manager().selectedComponent());
}

TEST_F(SharedDocumentManagerTest, SettersNotifyOnlyOnRealChanges) {
    open();
    QSignalSpy screenSpy(&manager(), &SharedDocumentManager::selectedScreenChanged);
    QSignalSpy documentSpy(&manager(), &SharedDocumentManager::currentDocumentChanged);
    manager().setSelectedScreen(project().screens[0]);
    manager().setCurrentDocument(*manager().currentDocument());
    EXPECT_EQ(screenSpy.count(), 0);
    EXPECT_EQ(documentSpy.count(), 0);
    KioskScreen renamed = project().screens[0];
    renamed.name = "Other";
    manager().setSelectedScreen(renamed);
    EXPECT_EQ(screenSpy.count(), 1);
    VistrelleDocument changed = *manager().currentDocument();
    changed.project.screens[0].name = "Changed";
    manager().setCurrentDocument(changed);
    EXPECT_EQ(documentSpy.count(), 1);
}

TEST_F(SharedDocumentManagerTest, OnlyTheActiveWindowCloses) {
    open();
    manager().closeDocument(QUuid::createUuid());
    EXPECT_TRUE(manager().isDocumentOpen());
    EXPECT_TRUE(posts.isEmpty());
    manager().closeDocument(windowId);
    EXPECT_FALSE(manager().isDocumentOpen());
    EXPECT_FALSE(manager().currentDocument());
    EXPECT_FALSE(manager().selectedScreen());
    EXPECT_FALSE(manager().activeWindowId());
    EXPECT_EQ(posts, QStringList{"documentCleared"}); // at once, not coalesced
}

TEST_F(SharedDocumentManagerTest, WithoutADocumentEveryOperationDoesNothing) {
    manager().addScreen();
    manager().duplicateScreen(QUuid::createUuid());
    manager().deleteScreen(QUuid::createUuid());
    manager().renameScreen(QUuid::createUuid(), "x");
    manager().moveScreen(1, 2);
    manager().addComponent(ComponentType::image, {});
    manager().updateComponent(PlacedComponent{}, true);
    manager().deleteSelectedComponent();
    manager().duplicateSelectedComponent();
    manager().copySelectedComponent();
    manager().pasteComponent();
    manager().changeZOrder(ZOrderOperation::bringToFront);
    processEvents();
    EXPECT_FALSE(manager().currentDocument());
    EXPECT_EQ(undoStack.count(), 0);
    EXPECT_TRUE(posts.isEmpty());
    EXPECT_TRUE(alertRecorder.alerts.isEmpty());
}

TEST_F(SharedDocumentManagerTest, WithoutAnUndoStackEditsStillHappen) {
    open();
    manager().undoManager().setUndoManager(nullptr);
    manager().addScreen();
    manager().addComponent(ComponentType::shape, {});
    EXPECT_EQ(project().screens.size(), 2);
    EXPECT_EQ(project().screens[1].components.size(), 1);
    EXPECT_EQ(undoStack.count(), 0);
}

// Every operation, undone back to the start and redone to the end.
TEST_F(SharedDocumentManagerTest, EveryStepUndoesToTheOriginalAndRedoesToTheEnd) {
    const KioskProject original = projectWithScreens(2);
    open(original);

    manager().addScreen();
    manager().duplicateScreen(project().screens[1].id);
    manager().moveScreen(3, 1);
    manager().renameScreen(project().screens[2].id, "Renamed");
    manager().addComponent(ComponentType::title, {10, 10});
    manager().addComponent(ComponentType::shape, {20, 20});
    manager().duplicateSelectedComponent();
    manager().changeZOrder(ZOrderOperation::sendToBack);
    manager().copySelectedComponent();
    manager().pasteComponent();
    PlacedComponent edited = *manager().selectedComponent();
    edited.properties["fillColor"] = "#00FF00";
    manager().updateComponent(edited, true);
    manager().changeZOrder(ZOrderOperation::sendBackward);
    manager().deleteSelectedComponent();
    manager().deleteScreen(project().screens[3].id);
    processEvents();

    EXPECT_EQ(undoNames(), (QStringList{"Add Screen", "Duplicate Screen", "Reorder Screens", "Rename Screen",
                                        "Add Component", "Add Component", "Duplicate Component",
                                        "Send to Back", "Paste Component", "Update Component",
                                        "Send Backward", "Delete Component", "Delete Screen"}));
    const KioskProject final = project();
    const SelectionIds finalSelection = manager().selectionIds();

    while (undoStack.canUndo())
        undoStack.undo();
    EXPECT_EQ(project(), original);
    EXPECT_EQ(manager().selectedScreen()->id, original.screens[0].id);
    posts.clear();
    processEvents();
    EXPECT_EQ(posts, QStringList{"documentUpdated"});

    while (undoStack.canRedo())
        undoStack.redo();
    EXPECT_EQ(project(), final);
    EXPECT_EQ(manager().selectionIds(), finalSelection);
}

TEST_F(SharedDocumentManagerTest, AnEditMadeByAnObserverDuringUndoIsRecordedAfterIt) {
    open(projectWithScreens(1));
    manager().addScreen();
    manager().addScreen();
    bool editFromObserver = true;
    QObject::connect(&manager(), &SharedDocumentManager::selectedScreenChanged, &observerContext, [&] {
        if (std::exchange(editFromObserver, false))
            manager().renameScreen(project().screens[1].id, "From observer");
    });
    undoStack.undo();
    EXPECT_EQ(undoStack.count(), 2); // the running step was not deleted
    processEvents();
    EXPECT_EQ(undoNames(), (QStringList{"Add Screen", "Rename Screen"}));
    EXPECT_EQ(project().screens[1].name, "From observer");
    EXPECT_EQ(project().screens.size(), 3);
}

TEST_F(SharedDocumentManagerTest, StepsOfAnotherWindowLeaveTheActiveDocumentAlone) {
    open(projectWithScreens(1));
    manager().addScreen();
    const KioskProject other = projectWithScreens(4);
    VistrelleDocument document;
    document.project = other;
    manager().setActiveDocument(document, QUuid::createUuid());
    undoStack.undo();
    EXPECT_EQ(project(), other);
}
