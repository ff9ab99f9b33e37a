#include "editor/inline_text_tool.h"
#include "editor/move_tool.h"
#include "editor/resize_tool.h"
#include "editor/rubber_band_tool.h"

#include "model/component_factory.h"
#include "model/component_properties.h"
#include "support/qt_printers.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

// A pointer event at `point` (widget pixels) with the left button held.
QMouseEvent mouse(QEvent::Type type, QPointF point, Qt::KeyboardModifiers modifiers = {}) {
    return QMouseEvent(type, point, point, Qt::LeftButton,
                       type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, modifiers);
}
QMouseEvent press(QPointF point, Qt::KeyboardModifiers modifiers = {}) {
    return mouse(QEvent::MouseButtonPress, point, modifiers);
}
QMouseEvent moveTo(QPointF point, Qt::KeyboardModifiers modifiers = {}) {
    return mouse(QEvent::MouseMove, point, modifiers);
}

// A 1000 × 600 screen drawn at `zoom` from widget point (24, 24), guides and grid off unless asked.
CanvasFrame frameAt(double zoom, bool guides = false, bool grid = false) {
    CanvasFrame frame;
    frame.zoom = zoom;
    frame.origin = QPointF(24, 24);
    frame.units = QSizeF(1000, 600);
    frame.screenSize = Size{1000, 600};
    frame.settings.showGuides = guides;
    frame.settings.snapToGrid = grid;
    frame.settings.gridSize = 20;
    return frame;
}

PlacedComponent shapeAt(Point position, Size size = {100, 50}) {
    PlacedComponent shape = makeComponent(ComponentType::shape, position);
    shape.size = size;
    return shape;
}

} // namespace

TEST(MoveToolTest, FollowsThePointerAtEveryZoomOnlyPastTheThreshold) {
    const PlacedComponent grabbed = shapeAt({103, 107});
    for (const double zoom : {0.5, 1.0, 2.0}) {
        MoveTool tool;
        tool.press(press({200, 200}), frameAt(zoom), grabbed, {grabbed}, {grabbed});
        EXPECT_FALSE(tool.move(moveTo({206, 206}))) << "a tremor is no drag";
        EXPECT_FALSE(tool.isMoving());
        const std::optional<QPointF> offset = tool.move(moveTo({240, 220}));
        ASSERT_TRUE(offset);
        EXPECT_EQ(*offset, QPointF(40 / zoom, 20 / zoom)) << "zoom " << zoom;
        EXPECT_TRUE(tool.release());
        EXPECT_FALSE(tool.isPressed());
    }
    MoveTool click;
    click.press(press({200, 200}), frameAt(1), grabbed, {grabbed}, {grabbed});
    EXPECT_FALSE(click.release()) << "a click moves nothing";
}

TEST(MoveToolTest, SnapsToGuidesThenTheGridAndAltMovesFreely) {
    const PlacedComponent grabbed = shapeAt({103, 307});
    const PlacedComponent still = shapeAt({400, 100});
    MoveTool tool;
    tool.press(press({0, 0}), frameAt(1, false, true), grabbed, {grabbed}, {grabbed, still});
    EXPECT_EQ(*tool.move(moveTo({30, 0})), QPointF(37, -7))
        << "the grabbed corner lands on the grid (140, 300)";
    EXPECT_EQ(*tool.move(moveTo({30, 0}, Qt::AltModifier)), QPointF(30, 0));
    tool.cancel();

    // Its left edge 4 units from the still one's: the guide takes x, the grid y.
    tool.press(press({0, 0}), frameAt(1, true, true), grabbed, {grabbed}, {grabbed, still});
    const QPointF offset = *tool.move(moveTo({293, 0}));
    EXPECT_EQ(offset.x(), 297);
    EXPECT_EQ(grabbed.position.y + offset.y(), 300);
    EXPECT_TRUE(tool.snap().snappedX);
    EXPECT_FALSE(tool.snap().lines.isEmpty());
    tool.release();
    EXPECT_TRUE(tool.snap().lines.isEmpty()) << "nothing shows after the drag";
}

TEST(ResizeToolTest, AnOutlineWithinLimitsFollowsTheHandleAndTheSizeIsWrittenOnRelease) {
    const PlacedComponent component = shapeAt({100, 100}, {200, 100});
    ResizeTool tool;
    tool.press(press({300, 300}), frameAt(2), component, {component});
    EXPECT_FALSE(tool.move(moveTo({315, 300}))) << "7.5 units at 200 %: not yet";
    EXPECT_TRUE(tool.move(moveTo({400, 340})));
    EXPECT_EQ(tool.outline(), (Size{250, 120}));
    tool.move(moveTo({-500, -500}));
    EXPECT_EQ(tool.outline(), (Size{10, 10}));
    tool.move(moveTo({5000, 5000}));
    EXPECT_EQ(tool.outline(), (Size{1000, 600}));
    EXPECT_EQ(tool.release(), (Size{1000, 600}));

    tool.press(press({300, 300}), frameAt(1, false, true), component, {component});
    tool.move(moveTo({333, 309}));
    EXPECT_EQ(tool.release(), (Size{240, 100})) << "snapped to the grid when let go";
    tool.press(press({300, 300}), frameAt(1, false, true), component, {component});
    tool.move(moveTo({333, 309}, Qt::AltModifier));
    EXPECT_EQ(tool.release(), (Size{233, 109}));
    tool.press(press({300, 300}), frameAt(1), component, {component});
    EXPECT_EQ(tool.release(), std::nullopt) << "a click on the handle resizes nothing";
}

TEST(RubberBandToolTest, SelectsWhatItTouchesInStackingOrderAndShiftKeepsTheSelection) {
    const PlacedComponent low = shapeAt({100, 100});
    const PlacedComponent high = shapeAt({150, 120});
    const PlacedComponent far = shapeAt({800, 500});
    const QList<PlacedComponent> stacked{low, high, far};
    RubberBandTool tool;
    tool.press(press({10, 10}), frameAt(1), {far.id});
    EXPECT_FALSE(tool.move(moveTo({11, 11}), stacked));
    EXPECT_TRUE(tool.release().isEmpty()) << "a click clears the selection";

    tool.press(press({10, 10}), frameAt(1), {far.id});
    EXPECT_TRUE(tool.move(moveTo({194, 154}), stacked)); // canvas (-14, -14)…(170, 130)
    EXPECT_EQ(tool.band(), QRectF(-14, -14, 184, 144));
    EXPECT_EQ(tool.selection(), (QList<QUuid>{low.id, high.id}));
    tool.move(moveTo({130, 130}), stacked); // back over the lower one only
    EXPECT_EQ(tool.selection(), QList<QUuid>{low.id});
    EXPECT_EQ(tool.release(), QList<QUuid>{low.id});
    EXPECT_FALSE(tool.isActive());

    tool.press(press({10, 10}, Qt::ShiftModifier), frameAt(1), {far.id});
    tool.move(moveTo({194, 154}), stacked);
    EXPECT_EQ(tool.release(), (QList<QUuid>{far.id, low.id, high.id}));
    tool.press(press({10, 10}, Qt::ShiftModifier), frameAt(1), {far.id});
    EXPECT_EQ(tool.release(), QList<QUuid>{far.id}) << "a Shift-click keeps it";
}

TEST(InlineTextToolTest, TypingReportsTheWholeTextAndReturnOrEscapeEndsItOnce) {
    QWidget canvas;
    canvas.resize(800, 600);
    canvas.show();
    InlineTextTool tool(&canvas);
    EXPECT_FALSE(tool.begin(makeComponent(ComponentType::image, {0, 0}), QRectF(0, 0, 100, 40), 1));
    EXPECT_FALSE(tool.isEditing());

    PlacedComponent title = makeComponent(ComponentType::title, {0, 0});
    title.properties[PropertyKey::text] = "Lobby";
    QSignalSpy edited(&tool, &InlineTextTool::textEdited);
    QSignalSpy finished(&tool, &InlineTextTool::finished);
    for (const Qt::Key ending : {Qt::Key_Return, Qt::Key_Escape}) {
        edited.clear();
        finished.clear();
        ASSERT_TRUE(tool.begin(title, QRectF(10, 10, 300, 60), 1.5));
        QLineEdit* field = tool.field();
        EXPECT_EQ(field->selectedText(), "Lobby") << "typing replaces the text";
        EXPECT_GE(field->width(), 300);
        QTest::keyClicks(field, "Hall", {}, 20);
        ASSERT_EQ(edited.size(), 4);
        EXPECT_EQ(edited.last().at(1).toString(), "Hall");
        EXPECT_EQ(edited.last().at(0).value<PlacedComponent>().id, title.id);
        QTest::keyClick(field, ending);
        EXPECT_EQ(finished.size(), 1);
        EXPECT_FALSE(tool.isEditing());
        tool.finish();
        EXPECT_EQ(finished.size(), 1) << "ended once";
    }
}
