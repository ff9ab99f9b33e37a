#include "editing/z_order.h"

#include <gtest/gtest.h>

#include <limits>

using namespace vistrelle;

namespace {

constexpr qint64 highest = std::numeric_limits<qint64>::max();
constexpr qint64 lowest = std::numeric_limits<qint64>::min();

QList<PlacedComponent> withZIndices(std::initializer_list<qint64> zIndices) {
    QList<PlacedComponent> components;
    for (qint64 z : zIndices) {
        PlacedComponent c;
        c.zIndex = z;
        components.append(c);
    }
    return components;
}

QList<qint64> zIndices(const QList<PlacedComponent>& components) {
    QList<qint64> values;
    for (const PlacedComponent& c : components)
        values << c.zIndex;
    return values;
}

// Applies `operation` to the component at `index` and gives the list indices from bottom to top.
QList<qsizetype> stackAfter(QList<PlacedComponent>& components, qsizetype index, ZOrderOperation operation) {
    EXPECT_TRUE(changeZOrder(components, components[index].id, operation));
    return stackingOrder(components);
}

} // namespace

TEST(ZOrderTest, StepsPastTheEndsOfTheRangeStackAsAskedWithoutWrapping) {
    // Bottom to top: 0, 2, 1; the top one already holds the largest value.
    QList<PlacedComponent> front = withZIndices({0, highest, 5});
    EXPECT_EQ(stackAfter(front, 0, ZOrderOperation::bringToFront), (QList<qsizetype>{2, 1, 0}));
    EXPECT_EQ(zIndices(front), (QList<qint64>{3, 2, 1})); // renumbered in order, then stepped

    // Bottom to top: 0, 2, 1; the bottom one already holds the smallest value.
    QList<PlacedComponent> back = withZIndices({lowest, 0, -5});
    EXPECT_EQ(stackAfter(back, 1, ZOrderOperation::sendToBack), (QList<qsizetype>{1, 0, 2}));

    // A tie at the largest value: bottom to top 2, 0, 1.
    QList<PlacedComponent> forward = withZIndices({highest, highest, 0});
    EXPECT_EQ(stackAfter(forward, 0, ZOrderOperation::bringForward), (QList<qsizetype>{2, 1, 0}));

    // A tie at the smallest value: bottom to top 1, 2, 0.
    QList<PlacedComponent> backward = withZIndices({0, lowest, lowest});
    EXPECT_EQ(stackAfter(backward, 2, ZOrderOperation::sendBackward), (QList<qsizetype>{2, 1, 0}));
}

TEST(ZOrderTest, AStepThatReachesAnEndOfTheRangeLeavesTheOthersAlone) {
    QList<PlacedComponent> front = withZIndices({highest - 1, 0});
    EXPECT_TRUE(changeZOrder(front, front[1].id, ZOrderOperation::bringToFront));
    EXPECT_EQ(zIndices(front), (QList<qint64>{highest - 1, highest}));

    QList<PlacedComponent> back = withZIndices({lowest + 1, 0});
    EXPECT_TRUE(changeZOrder(back, back[1].id, ZOrderOperation::sendToBack));
    EXPECT_EQ(zIndices(back), (QList<qint64>{lowest + 1, lowest}));
}
