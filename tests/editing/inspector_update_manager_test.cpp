#include "editing/inspector_update_manager.h"
#include "support/manual_scheduler.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <QTest>

#include <gtest/gtest.h>

#include <map>

using namespace vistrelle;

namespace {

struct Applied {
    double time;
    double value;
};

class InspectorThrottleTest : public ::testing::Test {
protected:
    InspectorThrottleTest() {
        auto scheduler = std::make_unique<ManualScheduler>();
        clock = scheduler.get();
        throttle = std::make_unique<InspectorUpdateManager>(std::move(scheduler));
    }

    // Hands in an edit whose x position is `value` at `time` (seconds after 1000).
    void editAt(double time, double value) {
        clock->advanceTo(1000.0 + time);
        PlacedComponent component;
        component.position.x = value;
        throttle->scheduleUpdate(component, [this](const PlacedComponent& c) {
            applied.push_back({clock->now() - 1000.0, c.position.x});
        });
    }

    ManualScheduler* clock;
    std::unique_ptr<InspectorUpdateManager> throttle;
    std::vector<Applied> applied;
};

} // namespace

TEST_F(InspectorThrottleTest, FirstEditAppliesAtOnceAndASecondQuickOneWaitsTheFullDelay) {
    editAt(0, 1);
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_DOUBLE_EQ(applied[0].time, 0);
    editAt(0.02, 2);
    EXPECT_EQ(applied.size(), 1u);
    EXPECT_TRUE(throttle->hasPendingUpdate());
    clock->advanceTo(1000.3);
    ASSERT_EQ(applied.size(), 2u);
    EXPECT_NEAR(applied[1].time, 0.22, 1e-9);
    EXPECT_EQ(applied[1].value, 2);
    EXPECT_FALSE(throttle->pendingComponent());
}

TEST_F(InspectorThrottleTest, ABurstAppliesOnlyItsLatestValue) {
    for (int i = 0; i < 10; ++i)
        editAt(i * 0.01, i);
    clock->advanceTo(1001.0);
    ASSERT_EQ(applied.size(), 2u);
    EXPECT_EQ(applied[0].value, 0);
    EXPECT_EQ(applied[1].value, 9);
    EXPECT_NEAR(applied[1].time, 0.19, 1e-9);
}

TEST_F(InspectorThrottleTest, DelayDependsOnTheTimeSinceTheLastApply) {
    editAt(0, 1);
    editAt(0.07, 2);
    clock->advanceTo(1001.0);
    ASSERT_EQ(applied.size(), 2u);
    EXPECT_NEAR(applied[1].time, 0.17, 1e-9);
    EXPECT_DOUBLE_EQ(InspectorUpdateManager::delayAfter(0.049), 0.2);
    EXPECT_DOUBLE_EQ(InspectorUpdateManager::delayAfter(0.05), 0.1);
    EXPECT_DOUBLE_EQ(InspectorUpdateManager::delayAfter(0.1), 0.05);
}

TEST_F(InspectorThrottleTest, ALateEditAppliesAtOnceAndCancelsThePendingOlderValue) {
    editAt(0, 1);
    editAt(0.01, 2); // pending until 0.21
    editAt(0.15, 3); // 0.15 after the last apply: at once
    clock->advanceTo(1001.0);
    ASSERT_EQ(applied.size(), 2u);
    EXPECT_EQ(applied[1].value, 3);
    EXPECT_NEAR(applied[1].time, 0.15, 1e-9);
}

TEST(InspectorThrottleRealTimeTest, DelayedValueArrivesThroughTheEventLoop) {
    InspectorUpdateManager throttle;
    std::vector<double> values;
    const auto record = [&](const PlacedComponent& c) { values.push_back(c.position.x); };
    PlacedComponent component;
    throttle.scheduleUpdate(component, record);
    component.position.x = 5;
    throttle.scheduleUpdate(component, record);
    ASSERT_EQ(values.size(), 1u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return values.size() >= 2; }, 5000));
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[1], 5);
}
