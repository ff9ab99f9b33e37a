#include "editing/document_edit_commands.h"
#include "editing_fixture.h"

using namespace vistrelle;
using namespace vistrelle::test_support;

namespace {
class DocumentSessionTest : public EditingTest {};

VistrelleDocument documentOf(const KioskProject& project) {
    VistrelleDocument document;
    document.project = project;
    return document;
}
} // namespace

TEST_F(DocumentSessionTest, OpeningSelectsTheFirstScreen) {
    KioskProject empty;
    empty.screens.clear();
    open(empty);
    EXPECT_FALSE(session().selectedScreen());

    open(projectWithScreens(2));
    EXPECT_EQ(session().selectedScreen()->name, "Start");
}

TEST_F(DocumentSessionTest, AThousandEditsInOneTurnAreReportedOnceWithEverythingTheyTouched) {
    open(projectWithScreens(1));
    session().addComponent(ComponentType::label, {});
    PlacedComponent component = *session().selectedComponent();
    for (int i = 0; i < 1000; ++i) {
        component.position.x = i;
        session().updateComponent(component, false);
    }
    session().renameScreen(project().screens[1].id, "Lobby");
    EXPECT_TRUE(changes.isEmpty());
    processEvents();
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes[0].screens, (QSet<QUuid>{project().screens[0].id, project().screens[1].id}));
    EXPECT_EQ(changes[0].components, QSet<QUuid>{component.id});
    EXPECT_TRUE(changes[0].selection);
    EXPECT_FALSE(changes[0].screenList);

    // Asked for now, the change is reported once, not again after the turn.
    session().renameScreen(project().screens[1].id, "Hall");
    session().reportChangeNow();
    processEvents();
    EXPECT_EQ(changes.size(), 2);
}

TEST_F(DocumentSessionTest, ReplacingTheDocumentResolvesTheSelectionByIdAndForgetsTheHistory) {
    open(projectWithScreens(2));
    session().setSelectedScreen(project().screens[1]);
    session().addComponent(ComponentType::icon, {});
    const QUuid componentId = session().selectedComponent()->id;

    VistrelleDocument changed = session().document();
    changed.project.screens[1].name = "Renamed";
    changed.project.screens[1].components[0].position = {9, 9};
    session().replaceDocument(changed);
    EXPECT_EQ(session().selectedScreen()->name, "Renamed");
    EXPECT_EQ(session().selectedComponent()->id, componentId);
    EXPECT_EQ(session().selectedComponent()->position, (Point{9, 9}));
    EXPECT_EQ(undoStack().count(), 0);

    changed.project.screens.removeAt(1);
    session().replaceDocument(changed);
    EXPECT_EQ(session().selectedScreen()->id, project().screens[0].id);
    EXPECT_FALSE(session().selectedComponent());
    processEvents();
    ASSERT_EQ(changes.size(), 1);
    EXPECT_TRUE(changes[0].document);
}

TEST_F(DocumentSessionTest, SelectingWhatIsSelectedReportsNothing) {
    open();
    session().setSelectedScreen(project().screens[0]);
    session().setSelectedComponent(std::nullopt);
    processEvents();
    EXPECT_TRUE(changes.isEmpty());

    session().addScreen();
    processEvents();
    changes.clear();
    session().setSelectedScreen(project().screens[0]);
    processEvents();
    ASSERT_EQ(changes.size(), 1);
    EXPECT_TRUE(changes[0].selection);
    EXPECT_FALSE(changes[0].edited());
}

TEST_F(DocumentSessionTest, WithoutScreensEveryOperationDoesNothing) {
    KioskProject empty;
    empty.screens.clear();
    open(empty);
    session().duplicateScreen(QUuid::createUuid());
    session().deleteScreen(QUuid::createUuid());
    session().renameScreen(QUuid::createUuid(), "x");
    session().moveScreen(1, 2);
    session().updateComponent(PlacedComponent{}, true);
    session().updateComponentOnScreen(QUuid::createUuid(), PlacedComponent{});
    session().deleteSelectedComponent();
    session().duplicateSelectedComponent();
    session().copySelectedComponent();
    session().pasteComponent();
    session().changeZOrder(ZOrderOperation::bringToFront);
    processEvents();
    EXPECT_TRUE(project().screens.isEmpty());
    EXPECT_EQ(undoStack().count(), 0);
    EXPECT_TRUE(changes.isEmpty());
    EXPECT_TRUE(alertRecorder.alerts.isEmpty());
}

// Every operation, undone back to the start and redone to the end.
TEST_F(DocumentSessionTest, EveryStepUndoesToTheOriginalAndRedoesToTheEnd) {
    const KioskProject original = projectWithScreens(2);
    open(original);

    session().addScreen();
    session().duplicateScreen(project().screens[1].id);
    session().moveScreen(3, 1);
    session().renameScreen(project().screens[2].id, "Renamed");
    session().addComponent(ComponentType::title, {10, 10});
    session().addComponent(ComponentType::shape, {20, 20});
    session().duplicateSelectedComponent();
    session().changeZOrder(ZOrderOperation::sendToBack);
    session().copySelectedComponent();
    session().pasteComponent();
    PlacedComponent edited = *session().selectedComponent();
    edited.properties["fillColor"] = "#00FF00";
    session().updateComponent(edited, true);
    session().changeZOrder(ZOrderOperation::sendBackward);
    session().deleteSelectedComponent();
    session().deleteScreen(project().screens[3].id);
    processEvents();

    EXPECT_EQ(undoNames(), (QStringList{"Add Screen", "Duplicate Screen", "Reorder Screens", "Rename Screen",
                                        "Add Component", "Add Component", "Duplicate Component",
                                        "Send to Back", "Paste Component", "Update Component",
                                        "Send Backward", "Delete Component", "Delete Screen"}));
    const KioskProject final = project();
    const SelectionIds finalSelection = session().selectionIds();

    while (undoStack().canUndo())
        undoStack().undo();
    EXPECT_EQ(project(), original);
    EXPECT_EQ(session().selectedScreen()->id, original.screens[0].id);
    changes.clear();
    processEvents();
    EXPECT_EQ(changes.size(), 1);

    while (undoStack().canRedo())
        undoStack().redo();
    EXPECT_EQ(project(), final);
    EXPECT_EQ(session().selectionIds(), finalSelection);
}

TEST_F(DocumentSessionTest, EachSessionKeepsItsOwnDocumentAndHistory) {
    open(projectWithScreens(1));
    DocumentSession other(documentOf(projectWithScreens(3)));
    session().addScreen();
    other.renameScreen(other.project().screens[0].id, "Other");

    undoStack().undo();
    EXPECT_EQ(project().screens.size(), 2);
    EXPECT_EQ(other.project().screens.size(), 4);
    EXPECT_EQ(other.project().screens[0].name, "Other");
    other.undoStack().undo();
    EXPECT_EQ(other.project().screens[0].name, "Start");

    // A step outliving its session changes nothing.
    auto gone = std::make_unique<DocumentSession>();
    gone->addScreen();
    QUndoStack kept;
    kept.push(new ScreensEditCommand(*gone, "Copy", gone->project().screens, {}, {}, {}));
    gone.reset();
    kept.undo();
    kept.redo();
    EXPECT_EQ(kept.count(), 1);
}
