#include "editor/smart_guides.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

// Two components on a 1000 × 600 screen: A at 100…200 (x) and B at 600…700.
SmartGuides twoBoxes() {
    return SmartGuides({QRectF(100, 100, 100, 50), QRectF(600, 100, 100, 50)}, QSizeF(1000, 600));
}

TEST(SmartGuidesTest, AnEdgeSnapsWithinTheThresholdAndNotBeyond) {
    const SmartGuides guides = twoBoxes();
    // The moving frame's left edge 5 units right of A's left edge, its top far from every line.
    GuideSnap snap = guides.snapMove(QRectF(105, 250, 30, 40), 5);
    EXPECT_EQ(snap.offset, QPointF(-5, 0));
    EXPECT_TRUE(snap.snappedX);
    EXPECT_FALSE(snap.snappedY);
    ASSERT_EQ(snap.lines.size(), 1);
    EXPECT_EQ(snap.lines[0].line, QLineF(100, 100, 100, 290)); // from A's top down to the frame's bottom

    snap = guides.snapMove(QRectF(105.5, 250, 30, 40), 5);
    EXPECT_FALSE(snap.snappedX);
    EXPECT_TRUE(snap.lines.isEmpty());
}

TEST(SmartGuidesTest, CentresAndTheScreenCountAndTheNearestLineWins) {
    const SmartGuides guides = twoBoxes();
    // Centre 2 units from the screen's centre line (500), left edge 3 from nothing: the centre snaps.
    const GuideSnap snap = guides.snapMove(QRectF(482, 297, 40, 10), 4);
    EXPECT_EQ(snap.offset, QPointF(-2, -2)); // and its middle (302) onto the screen's middle (300)
    EXPECT_EQ(snap.lines.size(), 2);
}

TEST(SmartGuidesTest, BetweenTwoNeighboursTheGapsBecomeEqualAndAreMarked) {
    const SmartGuides guides = twoBoxes();
    // Between A (ends at 200) and B (starts at 600): a 100 wide frame is centred at 350…450.
    const GuideSnap snap = guides.snapMove(QRectF(353, 110, 100, 20), 4);
    EXPECT_EQ(snap.offset.x(), -3);
    ASSERT_EQ(snap.spacing.size(), 2);
    EXPECT_EQ(snap.spacing[0].length(), 150);
    EXPECT_EQ(snap.spacing[1].length(), 150);
}

TEST(SmartGuidesTest, AResizeSnapsOnlyItsMovingEdges) {
    const SmartGuides guides = twoBoxes();
    const GuideSnap snap = guides.snapResize(QRectF(300, 300, 297, 40), 5);
    EXPECT_EQ(snap.offset, QPointF(3, 0)); // the right edge onto B's left edge
    EXPECT_TRUE(
        guides.snapResize(QRectF(103, 300, 50, 40), 2).lines.isEmpty()); // its left edge is not moving
}

} // namespace
