#include "editing/document_edit_commands.h"
#include "editing/inspector_update_manager.h"
#include "editing_fixture.h"
#include "model/file_drop_manager.h"
#include "model/project_json_decoder.h"
#include "model/project_json_encoder.h"
#include "support/log_capture.h"
#include "support/manual_throttle_clock.h"

using namespace vistrelle;
using namespace vistrelle::test_support;

namespace {

class ComponentOperationsTest : public EditingTest {
protected:
    // Opens a 1920 × 1080 start screen holding components with the given zIndex values.
    void openWithComponents(std::initializer_list<qint64> zIndices) {
        KioskProject start;
        start.screens[0].resolution = ScreenResolution::presets(ScreenMode::horizontal).last();
        for (qint64 z : zIndices) {
            PlacedComponent c = makeComponent(ComponentType::label, {100, 40});
            c.zIndex = z;
            start.screens[0].components.append(c);
        }
        open(start);
    }

    const QList<PlacedComponent>& components() const { return project().screens[0].components; }
    void select(qsizetype index) { manager().setSelectedComponent(components()[index]); }
    QList<qint64> zIndices() const {
        QList<qint64> values;
        for (const PlacedComponent& c : components())
            values << c.zIndex;
        return values;
    }
};

} // namespace

TEST_F(ComponentOperationsTest, AddAppendsSelectsAndTakesTheDroppedFile) {
    openWithComponents({});
    FileDropManager::shared().setPendingFile(ComponentType::image, QUrl::fromLocalFile("/pictures/cat.png"));
    manager().setStoredPathMaker([](const QUrl& url) { return "stored:" + url.path(); });

    manager().addComponent(ComponentType::image, {10, 20});
    manager().addComponent(ComponentType::image, {30, 40});
    ASSERT_EQ(components().size(), 2);
    EXPECT_EQ(components()[0].properties.value("imagePath"), "stored:/pictures/cat.png");
    EXPECT_EQ(components()[1].properties.value("imagePath"), "");
    EXPECT_EQ(components()[1].position, (Point{30, 40}));
    EXPECT_EQ(manager().selectedComponent(), components()[1]);
    EXPECT_EQ(manager().selectedScreen(), project().screens[0]);
    EXPECT_EQ(undoNames(), (QStringList{"Add Component", "Add Component"}));
}

TEST_F(ComponentOperationsTest, AddWithoutASelectedScreenIsLoggedAndChangesNothing) {
    openWithComponents({});
    manager().setSelectedScreen(std::nullopt);
    LogCapture log;
    manager().addComponent(ComponentType::title, {});
    EXPECT_EQ(log.errorMessages(), QStringList{"Could not find screen index for selected screen"});
    EXPECT_TRUE(components().isEmpty());
    EXPECT_EQ(undoStack.count(), 0);
}

TEST_F(ComponentOperationsTest, DuplicateShiftsByFiftyAndPostsTheCopy) {
    openWithComponents({3});
    select(0);
    manager().duplicateSelectedComponent();
    ASSERT_EQ(components().size(), 2);
    const PlacedComponent& copy = components()[1];
    EXPECT_EQ(copy.position, (Point{150, 90}));
    EXPECT_NE(copy.id, components()[0].id);
    EXPECT_EQ(copy.zIndex, 3);
    EXPECT_EQ(manager().selectedComponent(), copy);
    EXPECT_EQ(posts, QStringList{"componentAdded"});
    EXPECT_EQ(lastUserInfo.value("component").value<PlacedComponent>(), copy);
    processEvents();
    EXPECT_EQ(posts, (QStringList{"componentAdded", "documentUpdated"}));
}

TEST_F(ComponentOperationsTest, CopyAndPasteCentresAFreshComponent) {
    openWithComponents({});
    manager().addComponent(ComponentType::title, {5, 5}); // 200 × 60
    const PlacedComponent original = components()[0];
    manager().copySelectedComponent();
    const std::optional<QByteArray> copied =
        Pasteboard::general().data("com.quendrix.vistrelle.component-json");
    ASSERT_TRUE(copied);
    const QUuid copiedId = decodeComponentJson(*copied).id;

    manager().pasteComponent();
    ASSERT_EQ(components().size(), 2);
    const PlacedComponent& pasted = components()[1];
    EXPECT_EQ(pasted.position, (Point{860, 510}));
    EXPECT_NE(pasted.id, original.id);
    EXPECT_NE(pasted.id, copiedId);
    EXPECT_NE(copiedId, original.id);
    EXPECT_EQ(pasted.properties, original.properties);
    EXPECT_EQ(manager().selectedComponent(), pasted);
    EXPECT_EQ(undoNames(), (QStringList{"Add Component", "Paste Component"}));
}

TEST_F(ComponentOperationsTest, PasteIgnoresEverythingButAValidComponent) {
    openWithComponents({});
    const QString type = QStringLiteral("com.quendrix.vistrelle.component-json");
    const QByteArray valid = encodeComponentJson(makeComponent(ComponentType::shape, {}));
    const QByteArray unknownEnum = QByteArray(valid).replace("\"Fixed\"", "\"Stretchy\"");
    for (const QByteArray& data :
         {QByteArray("{"), valid.left(valid.size() / 2), unknownEnum, QByteArray("[]")}) {
        Pasteboard::general().setData(type, data);
        manager().pasteComponent();
    }
    Pasteboard::general().setData("text/plain", valid);
    manager().pasteComponent();
    EXPECT_TRUE(components().isEmpty());
    EXPECT_EQ(undoStack.count(), 0);
    EXPECT_TRUE(posts.isEmpty());
}

TEST_F(ComponentOperationsTest, DeleteClearsTheSelectionAndPostsOnce) {
    openWithComponents({0, 0});
    select(1);
    manager().deleteSelectedComponent();
    EXPECT_EQ(components().size(), 1);
    EXPECT_FALSE(manager().selectedComponent());
    EXPECT_EQ(posts, QStringList{"componentDeleted"});
    manager().deleteSelectedComponent(); // nothing selected: nothing happens
    EXPECT_EQ(undoNames(), QStringList{"Delete Component"});
}

TEST_F(ComponentOperationsTest, UpdateWithOrWithoutAnUndoStep) {
    openWithComponents({0});
    select(0);
    PlacedComponent moved = components()[0];
    moved.position = {1, 2};
    manager().updateComponent(moved, false);
    EXPECT_EQ(components()[0].position, (Point{1, 2}));
    EXPECT_EQ(manager().selectedComponent()->position, (Point{1, 2}));
    EXPECT_EQ(undoStack.count(), 0);

    moved.properties["text"] = "Changed";
    manager().updateComponent(moved, true);
    EXPECT_EQ(undoNames(), QStringList{"Update Component"});
    undoStack.undo();
    EXPECT_EQ(components()[0].properties.value("text"), "Sample Label");
    undoStack.redo();
    EXPECT_EQ(components()[0], moved);

    PlacedComponent stranger = moved;
    stranger.id = QUuid::createUuid();
    manager().updateComponent(stranger, true);
    EXPECT_EQ(undoStack.count(), 1);
}

TEST_F(ComponentOperationsTest, AnEditNeverAddsAKeyOfAnotherTypeNorChangesTheType) {
    KioskProject start;
    PlacedComponent label = makeComponent(ComponentType::label, {100, 40});
    label.properties["legacyKey"] = "kept"; // a key the document already holds is carried along
    start.screens[0].components = {label};
    open(start);

    PlacedComponent edited = components()[0];
    edited.properties["text"] = "Open late";
    edited.properties["imagePath"] = "~/Pictures/photo.jpg"; // a picture meant for an image
    manager().updateComponentOnScreen(project().screens[0].id, edited);
    EXPECT_EQ(components()[0].properties.value("text"), "Open late");
    EXPECT_FALSE(components()[0].properties.contains("imagePath"));
    EXPECT_EQ(components()[0].properties.value("legacyKey"), "kept");

    // The same through the selection's path (several components edited together).
    select(0);
    edited = components()[0];
    edited.properties["videoPath"] = "~/Movies/clip.mp4";
    manager().replaceComponents({edited}, "Update Components");
    EXPECT_FALSE(components()[0].properties.contains("videoPath"));

    PlacedComponent image = components()[0];
    image.componentType = ComponentType::image;
    const qsizetype steps = undoStack.count();
    manager().updateComponentOnScreen(project().screens[0].id, image);
    EXPECT_EQ(components()[0].componentType, ComponentType::label);
    EXPECT_EQ(undoStack.count(), steps);
}

TEST_F(ComponentOperationsTest, StackingFollowsZIndexWithListOrderForTies) {
    openWithComponents({0, 0, 0});
    select(0);
    EXPECT_FALSE(manager().canChangeZOrder(ZOrderOperation::sendToBack));
    manager().changeZOrder(ZOrderOperation::bringForward);
    EXPECT_EQ(zIndices(), (QList<qint64>{1, 0, 0}));
    select(2);
    manager().changeZOrder(ZOrderOperation::sendToBack);
    EXPECT_EQ(zIndices(), (QList<qint64>{1, 0, -1}));
    select(0);
    EXPECT_FALSE(manager().canChangeZOrder(ZOrderOperation::bringToFront));
    EXPECT_TRUE(manager().canChangeZOrder(ZOrderOperation::sendBackward));
    EXPECT_EQ(undoNames(), (QStringList{"Bring Forward", "Send to Back"}));

    openWithComponents({2, 5});
    select(0);
    manager().changeZOrder(ZOrderOperation::bringForward);
    EXPECT_EQ(zIndices(), (QList<qint64>{5, 2}));
    manager().changeZOrder(ZOrderOperation::bringToFront); // already on top: nothing
    select(1);
    manager().changeZOrder(ZOrderOperation::bringToFront);
    EXPECT_EQ(zIndices(), (QList<qint64>{5, 6}));
    EXPECT_EQ(manager().selectedComponent()->zIndex, 6);
}

TEST_F(ComponentOperationsTest, ComponentIdsSharedByADuplicatedScreenStayApart) {
    openWithComponents({0, 1});
    const QList<PlacedComponent> original = components();
    manager().duplicateScreen(project().screens[0].id);
    const QUuid copyScreen = project().screens[1].id;
    ASSERT_EQ(manager().selectedScreen()->id, copyScreen);
    ASSERT_EQ(project().screens[1].components[0].id, project().screens[0].components[0].id);

    manager().setSelectedComponent(project().screens[1].components[0]);
    PlacedComponent edited = *manager().selectedComponent();
    edited.position = {7, 7};
    manager().updateComponent(edited, true);
    manager().changeZOrder(ZOrderOperation::bringToFront);
    manager().deleteSelectedComponent();

    EXPECT_EQ(project().screens[0].components, original);
    EXPECT_EQ(project().screens[1].components.size(), 1);
    undoStack.undo();
    undoStack.undo();
    EXPECT_EQ(project().screens[1].components[0].position, (Point{7, 7}));
    EXPECT_EQ(project().screens[0].components, original);
}

TEST_F(ComponentOperationsTest, EditsOfOneInteractionMergeIntoOneStep) {
    openWithComponents({0, 0});
    select(0);
    const PlacedComponent start = components()[0];
    const auto setOpacity = [&](const char* value) {
        PlacedComponent edited = components()[0];
        edited.properties["opacity"] = value;
        manager().updateComponent(edited, true, "opacity");
    };
    EditInteraction::begin(); // a slider sweep
    for (const char* value : {"0.90", "0.60", "0.35"})
        setOpacity(value);
    ASSERT_EQ(undoStack.count(), 1);
    EXPECT_EQ(components()[0].properties.value("opacity"), "0.35");

    // Another key, or a new interaction of the same key, is a step of its own.
    PlacedComponent renamed = components()[0];
    renamed.properties["text"] = "Hello";
    manager().updateComponent(renamed, true, "text");
    EditInteraction::begin();
    setOpacity("0.50");
    EXPECT_EQ(undoStack.count(), 3);

    undoStack.undo();
    undoStack.undo();
    undoStack.undo();
    EXPECT_EQ(components()[0], start);
    undoStack.redo();
    EXPECT_EQ(components()[0].properties.value("opacity"), "0.35");

    // A sweep that ends where it began leaves no step behind.
    undoStack.undo();
    ASSERT_FALSE(start.properties.contains("opacity"));
    EditInteraction::begin();
    setOpacity("0.20");
    PlacedComponent back = components()[0];
    back.properties.remove("opacity");
    manager().updateComponent(back, true, "opacity");
    EXPECT_EQ(undoStack.count(), 0);
    EXPECT_EQ(components()[0], start);
}

TEST_F(ComponentOperationsTest, APendingInspectorEditOfADeletedComponentNeverComesBack) {
    test_support::ManualThrottleClock clock; // an edit right after another always waits
    openWithComponents({0});
    select(0);
    InspectorUpdateManager& throttle = InspectorUpdateManager::shared();
    PlacedComponent edited = components()[0];
    const auto apply = [](const PlacedComponent& c) {
        SharedDocumentManager::shared().updateComponent(c, true);
    };
    edited.properties["text"] = "First";
    throttle.scheduleUpdate(edited, apply); // applied at once
    edited.properties["text"] = "Second";
    throttle.scheduleUpdate(edited, apply); // waits
    ASSERT_TRUE(throttle.hasPendingUpdate());
    manager().deleteSelectedComponent();
    EXPECT_FALSE(throttle.hasPendingUpdate());
    throttle.flush();
    EXPECT_TRUE(components().isEmpty());

    // Flushing applies what waits, before anything else happens.
    undoStack.undo(); // the component is back
    select(0);
    edited = components()[0];
    edited.properties["text"] = "Third";
    throttle.scheduleUpdate(edited, apply);
    ASSERT_TRUE(throttle.hasPendingUpdate());
    throttle.flush();
    EXPECT_FALSE(throttle.hasPendingUpdate());
    EXPECT_EQ(components()[0].properties.value("text"), "Third");
}
