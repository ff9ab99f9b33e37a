#include "editor_test_fixture.h"

#include "editor/vistrelle_commands.h"
#include "model/component_properties.h"
#include "support/qt_printers.h"

namespace vistrelle::test_support {
namespace {

// The small project at 100 %: a 150 × 30 label at (100, 100) and a 100 × 100 shape at (400, 300), without
// grid snapping, so only the smart guides snap.
class MultiSelectionCanvasTest : public EditorWindowTest {
protected:
    void SetUp() override {
        EditorWindowTest::SetUp();
        open(smallProject());
        window->zoomToActualSize();
        settle();
    }

    void click(Point point, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(&canvas(), Qt::LeftButton, modifiers, at(point));
        settle();
    }

    // A drag whose every event carries `modifiers` (Alt suspends snapping while it is held).
    void dragWith(Point from, Point to, Qt::KeyboardModifiers modifiers) {
        QTest::mousePress(&canvas(), Qt::LeftButton, modifiers, at(from));
        for (int step = 1; step <= 10; ++step) {
            const QPointF p =
                at({from.x + (to.x - from.x) * step / 10, from.y + (to.y - from.y) * step / 10});
            QMouseEvent move(QEvent::MouseMove, p, canvas().mapToGlobal(p), Qt::NoButton, Qt::LeftButton,
                             modifiers);
            QApplication::sendEvent(&canvas(), &move);
            settle();
        }
        QTest::mouseRelease(&canvas(), Qt::LeftButton, modifiers, at(to));
        settle();
    }

    QList<QUuid> selection() { return session().selectedComponentIds(); }
};

TEST_F(MultiSelectionCanvasTest, ModifierClicksAndTheRubberBandChooseTheSelection) {
    click({120, 110});
    click({450, 350}, Qt::ShiftModifier);
    EXPECT_EQ(selection(), (QList<QUuid>{component(0).id, component(1).id}));
    click({120, 110}, Qt::ControlModifier); // out again
    EXPECT_EQ(selection(), QList<QUuid>{component(1).id});

    // A band from empty canvas selects what it touches, even in part.
    drag({20, 20}, {130, 120}, 5);
    EXPECT_EQ(selection(), QList<QUuid>{component(0).id});
    drag({300, 250}, {420, 320}, 5);
    EXPECT_EQ(selection(), QList<QUuid>{component(1).id});

    QTest::keyClick(&canvas(), Qt::Key_Escape);
    settle();
    EXPECT_TRUE(selection().isEmpty());
    EXPECT_FALSE(session().selectedComponent());
}

TEST_F(MultiSelectionCanvasTest, DraggingOneOfTheSelectionMovesAllAsOneUndoStep) {
    click({120, 110});
    click({450, 350}, Qt::ShiftModifier);
    const int before = window->undoStack().count();
    drag({450, 350}, {480, 390});
    EXPECT_EQ(component(0).position, (Point{130, 140}));
    EXPECT_EQ(component(1).position, (Point{430, 340}));
    ASSERT_EQ(window->undoStack().count(), before + 1);
    EXPECT_EQ(window->undoStack().undoText(), "Move Components");
    window->undoStack().undo();
    settle();
    EXPECT_EQ(component(0).position, (Point{100, 100}));
    EXPECT_EQ(component(1).position, (Point{400, 300}));

    // Arrows move the whole selection too.
    QTest::keyClick(&canvas(), Qt::Key_Right, Qt::ShiftModifier);
    settle();
    EXPECT_EQ(component(0).position, (Point{110, 100}));
    EXPECT_EQ(component(1).position, (Point{410, 300}));
}

TEST_F(MultiSelectionCanvasTest, AnEdgeSnapsToAGuideAtTheThresholdNotBeyondAndNotWithAlt) {
    click({450, 350});
    // The shape's left edge to 106: 6 window pixels from the label's left edge at 100 %, it snaps.
    dragWith({450, 350}, {156, 500}, {});
    EXPECT_EQ(component(1).position, (Point{100, 450}));
    // (Each time from further away: a drag starts only after 10 pixels.)
    dragWith({150, 500}, {300, 500}, {});
    dragWith({300, 500}, {157, 500}, {}); // 107: beyond the threshold
    EXPECT_EQ(component(1).position, (Point{107, 450}));
    dragWith({157, 500}, {300, 500}, Qt::AltModifier);
    dragWith({300, 500}, {154, 500}, Qt::AltModifier); // 104 with Alt: no snapping
    EXPECT_EQ(component(1).position, (Point{104, 450}));
    EXPECT_TRUE(canvas().guideSnap().lines.isEmpty()); // nothing shown once the drag is over
}

} // namespace
} // namespace vistrelle::test_support

namespace vistrelle::test_support {
namespace {

TEST_F(MultiSelectionCanvasTest, TheUsualClipboardKeysActOnComponentsAndLeaveTextFieldsTheirs) {
    addVistrelleCommands(*window);
    click({120, 110});
    canvas().setFocus();
    window->action("selectAll")->trigger();
    EXPECT_EQ(selection().size(), 2);
    window->action("copy")->trigger();
    window->action("paste")->trigger();
    settle();
    EXPECT_EQ(screen().components.size(), 4);
    window->action("cut")->trigger();
    settle();
    EXPECT_EQ(screen().components.size(), 2);

    // Typing a title in place: the field selects its own text, the selection of components stays.
    click({120, 110});
    QTest::mouseDClick(&canvas(), Qt::LeftButton, {}, at({120, 110}));
    settle();
    ASSERT_TRUE(canvas().inlineEditor());
    canvas().inlineEditor()->setFocus();
    canvas().inlineEditor()->deselect();
    window->action("selectAll")->trigger();
    EXPECT_TRUE(canvas().inlineEditor()->hasSelectedText());
    EXPECT_EQ(selection().size(), 1);
}

} // namespace
} // namespace vistrelle::test_support

namespace vistrelle::test_support {
namespace {

TEST_F(MultiSelectionCanvasTest, AfterAnEditOfComponentsSpreadThroughTheStackTheCanvasShowsTheTrueOrder) {
    // Ten overlapping squares of two colours stacked in list order; every other one is aligned.
    KioskProject project;
    project.settings.showGrid = false;
    KioskScreen& screen = project.screens.first();
    screen.resolution = {640, 480, QStringLiteral("Test"), ScreenMode::horizontal, true};
    for (int i = 0; i < 10; ++i) {
        PlacedComponent square = makeComponent(ComponentType::shape, {40.0 + 30 * i, 40.0 + 20 * i});
        square.size = {200, 200};
        square.zIndex = i;
        square.properties[PropertyKey::shapeType] = QStringLiteral("rectangle");
        square.properties[PropertyKey::fillColor] =
            i % 2 ? QStringLiteral("#D04020") : QStringLiteral("#2040D0");
        screen.components.append(square);
    }
    window->closeWithoutAsking();
    delete window.data();
    open(project);
    window->zoomToActualSize();
    QList<QUuid> even;
    for (int i = 0; i < 10; i += 2)
        even.append(component(i).id);
    session().setComponentSelection(even);
    session().alignSelectedComponents(AlignEdge::left);
    session().setComponentSelection({});
    settle();

    EXPECT_EQ(pixelsDifferingFromRenderer(this->screen()), 0);
}

} // namespace
} // namespace vistrelle::test_support
