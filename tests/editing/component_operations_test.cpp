#include "editing/document_edit_commands.h"
#include "editing_fixture.h"
#include "model/project_json_decoder.h"
#include "model/project_json_encoder.h"
#include "support/log_capture.h"

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
    void select(qsizetype index) { session().setSelectedComponent(components()[index]); }
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
    DocumentSession::setStoredPathMaker([](const QUrl& url) { return "stored:" + url.path(); });

    session().addComponent(ComponentType::image, {10, 20}, QUrl::fromLocalFile("/pictures/cat.png"));
    session().addComponent(ComponentType::image, {30, 40});
    ASSERT_EQ(components().size(), 2);
    EXPECT_EQ(components()[0].properties.value("imagePath"), "stored:/pictures/cat.png");
    EXPECT_EQ(components()[1].properties.value("imagePath"), "");
    EXPECT_EQ(components()[1].position, (Point{30, 40}));
    EXPECT_EQ(session().selectedComponent(), components()[1]);
    EXPECT_EQ(session().selectedScreen(), project().screens[0]);
    EXPECT_EQ(undoNames(), (QStringList{"Add Component", "Add Component"}));
    DocumentSession::setStoredPathMaker({});
}

TEST_F(ComponentOperationsTest, AddWithoutASelectedScreenIsLoggedAndChangesNothing) {
    openWithComponents({});
    session().setSelectedScreen(std::nullopt);
    LogCapture log;
    session().addComponent(ComponentType::title, {});
    EXPECT_EQ(log.errorMessages(), QStringList{"Could not find screen index for selected screen"});
    EXPECT_TRUE(components().isEmpty());
    EXPECT_EQ(undoStack().count(), 0);
}

TEST_F(ComponentOperationsTest, DuplicateShiftsByFiftyAndReportsTheCopy) {
    openWithComponents({3});
    select(0);
    session().duplicateSelectedComponent();
    ASSERT_EQ(components().size(), 2);
    const PlacedComponent& copy = components()[1];
    EXPECT_EQ(copy.position, (Point{150, 90}));
    EXPECT_NE(copy.id, components()[0].id);
    EXPECT_EQ(copy.zIndex, 3);
    EXPECT_EQ(session().selectedComponent(), copy);
    EXPECT_TRUE(changes.isEmpty()); // reported once, after the turn
    processEvents();
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes[0].screens, QSet<QUuid>{project().screens[0].id});
    EXPECT_TRUE(changes[0].components.contains(copy.id));
    EXPECT_TRUE(changes[0].selection);
}

TEST_F(ComponentOperationsTest, CopyAndPasteCentresAFreshComponent) {
    openWithComponents({});
    session().addComponent(ComponentType::title, {5, 5}); // 200 × 60
    const PlacedComponent original = components()[0];
    session().copySelectedComponent();
    const std::optional<QByteArray> copied =
        Pasteboard::general().data("com.quendrix.vistrelle.component-json");
    ASSERT_TRUE(copied);
    const QUuid copiedId = decodeComponentJson(*copied).id;

    session().pasteComponent();
    ASSERT_EQ(components().size(), 2);
    const PlacedComponent& pasted = components()[1];
    EXPECT_EQ(pasted.position, (Point{860, 510}));
    EXPECT_NE(pasted.id, original.id);
    EXPECT_NE(pasted.id, copiedId);
    EXPECT_NE(copiedId, original.id);
    EXPECT_EQ(pasted.properties, original.properties);
    EXPECT_EQ(session().selectedComponent(), pasted);
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
        session().pasteComponent();
    }
    Pasteboard::general().setData("text/plain", valid);
    session().pasteComponent();
    EXPECT_TRUE(components().isEmpty());
    EXPECT_EQ(undoStack().count(), 0);
    processEvents();
    EXPECT_TRUE(changes.isEmpty());
}

TEST_F(ComponentOperationsTest, DeleteClearsTheSelectionAndReportsOnce) {
    openWithComponents({0, 0});
    select(1);
    session().deleteSelectedComponent();
    EXPECT_EQ(components().size(), 1);
    EXPECT_FALSE(session().selectedComponent());
    processEvents();
    ASSERT_EQ(changes.size(), 1);
    EXPECT_TRUE(changes[0].edited());
    session().deleteSelectedComponent(); // nothing selected: nothing happens
    EXPECT_EQ(undoNames(), QStringList{"Delete Component"});
}

TEST_F(ComponentOperationsTest, UpdateWithOrWithoutAnUndoStep) {
    openWithComponents({0});
    select(0);
    PlacedComponent moved = components()[0];
    moved.position = {1, 2};
    session().updateComponent(moved, false);
    EXPECT_EQ(components()[0].position, (Point{1, 2}));
    EXPECT_EQ(session().selectedComponent()->position, (Point{1, 2}));
    EXPECT_EQ(undoStack().count(), 0);

    moved.properties["text"] = "Changed";
    session().updateComponent(moved, true);
    EXPECT_EQ(undoNames(), QStringList{"Update Component"});
    undoStack().undo();
    EXPECT_EQ(components()[0].properties.value("text"), "Sample Label");
    undoStack().redo();
    EXPECT_EQ(components()[0], moved);

    PlacedComponent stranger = moved;
    stranger.id = QUuid::createUuid();
    session().updateComponent(stranger, true);
    EXPECT_EQ(undoStack().count(), 1);
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
    session().updateComponentOnScreen(project().screens[0].id, edited);
    EXPECT_EQ(components()[0].properties.value("text"), "Open late");
    EXPECT_FALSE(components()[0].properties.contains("imagePath"));
    EXPECT_EQ(components()[0].properties.value("legacyKey"), "kept");

    // The same through the selection's path (several components edited together).
    select(0);
    edited = components()[0];
    edited.properties["videoPath"] = "~/Movies/clip.mp4";
    session().replaceComponents({edited}, "Update Components");
    EXPECT_FALSE(components()[0].properties.contains("videoPath"));

    PlacedComponent image = components()[0];
    image.componentType = ComponentType::image;
    const qsizetype steps = undoStack().count();
    session().updateComponentOnScreen(project().screens[0].id, image);
    EXPECT_EQ(components()[0].componentType, ComponentType::label);
    EXPECT_EQ(undoStack().count(), steps);
}

TEST_F(ComponentOperationsTest, StackingFollowsZIndexWithListOrderForTies) {
    openWithComponents({0, 0, 0});
    select(0);
    EXPECT_FALSE(session().canChangeZOrder(ZOrderOperation::sendToBack));
    session().changeZOrder(ZOrderOperation::bringForward);
    EXPECT_EQ(zIndices(), (QList<qint64>{1, 0, 0}));
    select(2);
    session().changeZOrder(ZOrderOperation::sendToBack);
    EXPECT_EQ(zIndices(), (QList<qint64>{1, 0, -1}));
    select(0);
    EXPECT_FALSE(session().canChangeZOrder(ZOrderOperation::bringToFront));
    EXPECT_TRUE(session().canChangeZOrder(ZOrderOperation::sendBackward));
    EXPECT_EQ(undoNames(), (QStringList{"Bring Forward", "Send to Back"}));

    openWithComponents({2, 5});
    select(0);
    session().changeZOrder(ZOrderOperation::bringForward);
    EXPECT_EQ(zIndices(), (QList<qint64>{5, 2}));
    session().changeZOrder(ZOrderOperation::bringToFront); // already on top: nothing
    select(1);
    session().changeZOrder(ZOrderOperation::bringToFront);
    EXPECT_EQ(zIndices(), (QList<qint64>{5, 6}));
    EXPECT_EQ(session().selectedComponent()->zIndex, 6);
}

TEST_F(ComponentOperationsTest, ComponentIdsSharedByADuplicatedScreenStayApart) {
    openWithComponents({0, 1});
    const QList<PlacedComponent> original = components();
    session().duplicateScreen(project().screens[0].id);
    const QUuid copyScreen = project().screens[1].id;
    ASSERT_EQ(session().selectedScreen()->id, copyScreen);
    ASSERT_EQ(project().screens[1].components[0].id, project().screens[0].components[0].id);

    session().setSelectedComponent(project().screens[1].components[0]);
    PlacedComponent edited = *session().selectedComponent();
    edited.position = {7, 7};
    session().updateComponent(edited, true);
    session().changeZOrder(ZOrderOperation::bringToFront);
    session().deleteSelectedComponent();

    EXPECT_EQ(project().screens[0].components, original);
    EXPECT_EQ(project().screens[1].components.size(), 1);
    undoStack().undo();
    undoStack().undo();
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
        session().updateComponent(edited, true, "opacity");
    };
    EditInteraction::begin(); // a slider sweep
    for (const char* value : {"0.90", "0.60", "0.35"})
        setOpacity(value);
    ASSERT_EQ(undoStack().count(), 1);
    EXPECT_EQ(components()[0].properties.value("opacity"), "0.35");

    // Another key, or a new interaction of the same key, is a step of its own.
    PlacedComponent renamed = components()[0];
    renamed.properties["text"] = "Hello";
    session().updateComponent(renamed, true, "text");
    EditInteraction::begin();
    setOpacity("0.50");
    EXPECT_EQ(undoStack().count(), 3);

    undoStack().undo();
    undoStack().undo();
    undoStack().undo();
    EXPECT_EQ(components()[0], start);
    undoStack().redo();
    EXPECT_EQ(components()[0].properties.value("opacity"), "0.35");

    // A sweep that ends where it began leaves no step behind.
    undoStack().undo();
    ASSERT_FALSE(start.properties.contains("opacity"));
    EditInteraction::begin();
    setOpacity("0.20");
    PlacedComponent back = components()[0];
    back.properties.remove("opacity");
    session().updateComponent(back, true, "opacity");
    EXPECT_EQ(undoStack().count(), 0);
    EXPECT_EQ(components()[0], start);
}
