#include "editing/document_edit_commands.h"
#include "editing_fixture.h"
#include "model/component_factory.h"
#include "model/project_json_decoder.h"
#include "model/project_json_encoder.h"

#include <QRegularExpression>

using namespace vistrelle;
using namespace vistrelle::test_support;

namespace {

// A 1920 × 1080 screen holding shapes at known frames: (x, y, width, height) each.
class SelectionOperationsTest : public EditingTest {
protected:
    void openWithFrames(std::initializer_list<QRectF> frames) {
        KioskProject start;
        start.screens[0].resolution = ScreenResolution::presets(ScreenMode::horizontal).last();
        for (const QRectF& f : frames) {
            PlacedComponent c = makeComponent(ComponentType::shape, {f.x(), f.y()});
            c.size = {f.width(), f.height()};
            start.screens[0].components.append(c);
        }
        open(start);
    }
    const QList<PlacedComponent>& components() const { return project().screens[0].components; }
    QUuid id(qsizetype index) const { return components()[index].id; }
    void selectAll() {
        QList<QUuid> ids;
        for (const PlacedComponent& c : components())
            ids << c.id;
        session().setComponentSelection(ids);
    }
    QList<QRectF> frames() const {
        QList<QRectF> all;
        for (const PlacedComponent& c : components())
            all << QRectF(c.position.x, c.position.y, c.size.width, c.size.height);
        return all;
    }
};

TEST_F(SelectionOperationsTest, TheComponentClickedLastStaysTheSelectedComponent) {
    openWithFrames({{0, 0, 10, 10}, {20, 0, 10, 10}, {40, 0, 10, 10}});
    session().setSelectedComponent(components()[0]);
    session().toggleComponentSelected(id(2));
    EXPECT_EQ(session().selectedComponentIds(), (QList<QUuid>{id(0), id(2)}));
    EXPECT_EQ(session().selectedComponent()->id, id(2));
    session().toggleComponentSelected(id(2)); // out again: the one before is the last clicked
    EXPECT_EQ(session().selectedComponent()->id, id(0));
    session().selectAllComponents();
    EXPECT_EQ(session().selectedComponentIds().size(), 3);
    EXPECT_EQ(session().selectedComponent()->id, id(0));
    // A plain selection of one component is the whole selection again.
    session().setSelectedComponent(std::nullopt);
    session().setSelectedComponent(components()[1]);
    EXPECT_EQ(session().selectedComponentIds(), QList<QUuid>{id(1)});
}

TEST_F(SelectionOperationsTest, AlignsToTheSelectionsBoundsOrOneComponentToTheScreen) {
    openWithFrames({{100, 50, 100, 40}, {300, 200, 50, 60}, {150, 400, 200, 20}});
    selectAll();
    session().alignSelectedComponents(AlignEdge::left);
    EXPECT_EQ(frames(), (QList<QRectF>{{100, 50, 100, 40}, {100, 200, 50, 60}, {100, 400, 200, 20}}));
    session().alignSelectedComponents(AlignEdge::right); // bounds now 100…300
    EXPECT_EQ(frames(), (QList<QRectF>{{200, 50, 100, 40}, {250, 200, 50, 60}, {100, 400, 200, 20}}));
    session().alignSelectedComponents(AlignEdge::horizontalCenter);
    EXPECT_EQ(frames(), (QList<QRectF>{{150, 50, 100, 40}, {175, 200, 50, 60}, {100, 400, 200, 20}}));
    session().alignSelectedComponents(AlignEdge::top);
    EXPECT_EQ(frames()[2], QRectF(100, 50, 200, 20));
    session().alignSelectedComponents(AlignEdge::bottom); // bounds now 50…110
    EXPECT_EQ(frames()[0].top(), 70);
    EXPECT_EQ(frames()[1].top(), 50);
    session().alignSelectedComponents(AlignEdge::verticalCenter);
    EXPECT_EQ(frames()[2].top(), 70);
    EXPECT_EQ(undoStack().count(), 6); // one step each

    session().setComponentSelection({id(1)});
    session().alignSelectedComponents(AlignEdge::verticalCenter);
    EXPECT_EQ(frames()[1], QRectF(175, 510, 50, 60)); // the middle of 1080
}

TEST_F(SelectionOperationsTest, DistributesWithEqualGapsAndMatchesTheLastClickedSize) {
    openWithFrames({{0, 0, 100, 10}, {500, 100, 50, 10}, {140, 300, 20, 10}, {900, 200, 100, 10}});
    selectAll();
    session().distributeSelectedComponents(Axis::horizontal);
    // 1000 wide, 270 of it filled: three gaps of 730 / 3.
    const double gap = 730.0 / 3;
    EXPECT_DOUBLE_EQ(frames()[2].left(), 100 + gap);
    EXPECT_DOUBLE_EQ(frames()[1].left(), 100 + gap + 20 + gap);
    EXPECT_EQ(frames()[0].left(), 0);
    EXPECT_EQ(frames()[3].left(), 900);

    session().distributeSelectedComponents(Axis::vertical); // tops 0, 100, 200, 300 for heights of 10
    EXPECT_EQ(frames()[1].top(), 100);
    EXPECT_EQ(frames()[3].top(), 200);

    session().setComponentSelection({id(0), id(1)}); // the last clicked: 50 × 10
    session().matchSelectedComponentsSize(Axis::horizontal);
    EXPECT_EQ(frames()[0].width(), 50);
    EXPECT_EQ(undoNames().last(), "Match Width");
}

TEST_F(SelectionOperationsTest, AGroupMoveOfOneGestureIsOneStepThatUndoesToTheOldPlaces) {
    openWithFrames({{0, 0, 10, 10}, {20, 0, 10, 10}, {40, 0, 10, 10}});
    const QList<QRectF> before = frames();
    session().setComponentSelection({id(0), id(2)});
    const QList<PlacedComponent> grabbed = session().selectedComponents();
    EditInteraction::begin();
    for (double dx : {5.0, 10.0, 15.0})
        session().replaceComponents(moved(grabbed, dx, 7), "Move Components", "Move Components");
    EXPECT_EQ(frames()[0], QRectF(15, 7, 10, 10));
    EXPECT_EQ(frames()[1], before[1]);
    EXPECT_EQ(frames()[2], QRectF(55, 7, 10, 10));
    ASSERT_EQ(undoStack().count(), 1);
    undoStack().undo();
    EXPECT_EQ(frames(), before);
    EXPECT_EQ(session().selectedComponentIds(), (QList<QUuid>{id(0), id(2)})); // the selection comes back too
}

TEST_F(SelectionOperationsTest, DeleteAndDuplicateActOnTheWholeSelectionInOneStep) {
    openWithFrames({{0, 0, 10, 10}, {20, 0, 10, 10}, {40, 0, 10, 10}});
    session().setComponentSelection({id(2), id(0)});
    session().duplicateSelectedComponent();
    ASSERT_EQ(components().size(), 5);
    EXPECT_EQ(frames()[3], QRectF(50, 50, 10, 10));
    EXPECT_EQ(frames()[4], QRectF(90, 50, 10, 10));
    // The copies are selected, the copy of the one clicked last as the selected component.
    EXPECT_EQ(session().selectedComponentIds().size(), 2);
    EXPECT_EQ(session().selectedComponent()->id, id(3));

    session().deleteSelectedComponent();
    EXPECT_EQ(components().size(), 3);
    EXPECT_EQ(undoNames(), (QStringList{"Duplicate Components", "Delete Components"}));
    undoStack().undo();
    EXPECT_EQ(components().size(), 5);
}

TEST_F(SelectionOperationsTest, SeveralGoToTheFrontOrBackKeepingTheirOrder) {
    openWithFrames({{0, 0, 10, 10}, {20, 0, 10, 10}, {40, 0, 10, 10}, {60, 0, 10, 10}});
    session().setComponentSelection({id(0), id(2)});
    session().changeZOrder(ZOrderOperation::bringToFront);
    const auto order = [this] {
        QList<qsizetype> stack = stackingOrder(components());
        QList<QUuid> ids;
        for (qsizetype i : stack)
            ids << components()[i].id;
        return ids;
    };
    EXPECT_EQ(order(), (QList<QUuid>{id(1), id(3), id(0), id(2)}));
    EXPECT_FALSE(session().canChangeZOrder(ZOrderOperation::bringToFront));
    EXPECT_FALSE(session().canChangeZOrder(ZOrderOperation::bringForward));
    session().changeZOrder(ZOrderOperation::sendToBack);
    EXPECT_EQ(order(), (QList<QUuid>{id(0), id(2), id(1), id(3)}));
}

TEST_F(SelectionOperationsTest, SeveralComponentsPasteIntoAnotherDocumentKeepingTheirLayout) {
    openWithFrames({{0, 0, 100, 50}, {300, 100, 100, 50}, {900, 900, 10, 10}});
    session().setComponentSelection({id(0), id(1)});
    session().copySelectedComponent();
    // One component keeps the clipboard format other copies of the application read.
    EXPECT_FALSE(Pasteboard::general().data("com.quendrix.vistrelle.component-json"));

    openWithFrames({});
    session().pasteComponent();
    ASSERT_EQ(components().size(), 2);
    // The group (400 × 150) is centred on the screen, and its parts keep their distance.
    EXPECT_EQ(frames()[0], QRectF(760, 465, 100, 50));
    EXPECT_EQ(frames()[1], QRectF(1060, 565, 100, 50));
    EXPECT_EQ(session().selectedComponentIds().size(), 2);
    EXPECT_EQ(undoNames(), QStringList{"Paste Components"});

    session().setComponentSelection({id(1)});
    session().cutSelectedComponents();
    EXPECT_EQ(components().size(), 1);
    const std::optional<QByteArray> one = Pasteboard::general().data("com.quendrix.vistrelle.component-json");
    ASSERT_TRUE(one);
    EXPECT_EQ(decodeComponentJson(*one).size, (Size{100, 50}));
}

} // namespace

namespace {

// The document's text with every number replaced by 0: what is written, without the values.
QByteArray shapeOf(const KioskProject& project) {
    static const QRegularExpression number(QStringLiteral("-?\\d+(\\.\\d+)?([eE][-+]?\\d+)?"));
    return QString::fromUtf8(encodeProjectJson(project)).replace(number, QStringLiteral("0")).toUtf8();
}

TEST_F(SelectionOperationsTest, WorkOnSeveralComponentsWritesTheDocumentFormatAsBefore) {
    openWithFrames({{0, 0, 100, 10}, {500, 100, 50, 10}, {140, 300, 20, 10}});
    const QByteArray before = encodeProjectJson(project());
    const QByteArray shapeBefore = shapeOf(project());
    selectAll();
    session().alignSelectedComponents(AlignEdge::top);
    session().distributeSelectedComponents(Axis::horizontal);
    EXPECT_NE(encodeProjectJson(project()), before);
    EXPECT_EQ(shapeOf(project()), shapeBefore); // other values, no field added or dropped
    ASSERT_EQ(undoStack().count(), 2);
    undoStack().undo();
    undoStack().undo();
    EXPECT_EQ(encodeProjectJson(project()), before); // undone, byte for byte
}

} // namespace
