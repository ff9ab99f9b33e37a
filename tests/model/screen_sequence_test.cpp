#include "model/screen_sequence.h"
#include "support/berlin_time.h"

using namespace vistrelle;

namespace {

class ScreenSequenceTest : public test_support::BerlinTimeTest {
protected:
    // Screens "A", "B" always, "Alert 1" 12:00–13:00 and "Alert 2" 12:30–14:00, both alerts.
    static KioskProject showWithAlerts() {
        KioskProject project;
        project.screens[0].name = "A";
        project.screens.append(KioskScreen("Alert 1"));
        project.screens.append(KioskScreen("B"));
        project.screens.append(KioskScreen("Alert 2"));
        project.screens[1].schedule = ScreenSchedule{{}, {}, {}, {{12 * 60, 13 * 60}}, true};
        project.screens[3].schedule = ScreenSchedule{{}, {}, {}, {{12 * 60 + 30, 14 * 60}}, true};
        return project;
    }
    static QStringList played(const KioskProject& project, const QDateTime& moment, int count) {
        QStringList names;
        qint64 current = -1;
        for (int i = 0; i < count; ++i) {
            current = nextScreenAt(project, current, moment).value_or(-1);
            names << (current < 0 ? QStringLiteral("-") : project.screens[current].name);
        }
        return names;
    }
};

} // namespace

TEST_F(ScreenSequenceTest, AlertsGoAheadOfTheSequenceAndTakeTurnsWhenTheyOverlap) {
    const KioskProject project = showWithAlerts();
    EXPECT_EQ(played(project, at(2026, 12, 7, 11, 59), 4), QStringList({"A", "B", "A", "B"}));
    EXPECT_EQ(played(project, at(2026, 12, 7, 12, 0), 3), QStringList({"Alert 1", "Alert 1", "Alert 1"}));
    EXPECT_EQ(played(project, at(2026, 12, 7, 12, 45), 4),
              QStringList({"Alert 1", "Alert 2", "Alert 1", "Alert 2"}));
    EXPECT_EQ(played(project, at(2026, 12, 7, 13, 0), 2), QStringList({"Alert 2", "Alert 2"}));

    // The screen on view gives way when an alert opens, and an alert when its window closes.
    EXPECT_FALSE(mustLeaveAt(project, 2, at(2026, 12, 7, 11, 59)));
    EXPECT_TRUE(mustLeaveAt(project, 2, at(2026, 12, 7, 12, 0)));
    EXPECT_FALSE(mustLeaveAt(project, 1, at(2026, 12, 7, 12, 59)));
    EXPECT_TRUE(mustLeaveAt(project, 1, at(2026, 12, 7, 13, 0)));
    EXPECT_EQ(nextShowBoundary(project, at(2026, 12, 7, 12, 10)), at(2026, 12, 7, 12, 30));
}

TEST_F(ScreenSequenceTest, NothingPlaysOutsideOpeningHoursOrWhenNoScreenIsScheduled) {
    KioskProject project = showWithAlerts();
    project.settings.openingHours = ScreenSchedule{{}, {}, {1, 2, 3, 4, 5}, {{8 * 60, 20 * 60}}};
    EXPECT_EQ(played(project, at(2026, 12, 7, 7, 59), 1), QStringList({"-"}));
    EXPECT_EQ(played(project, at(2026, 12, 7, 8, 0), 1), QStringList({"A"}));
    EXPECT_EQ(played(project, at(2026, 12, 6, 9, 0), 1), QStringList({"-"})); // a Sunday
    EXPECT_TRUE(mustLeaveAt(project, 0, at(2026, 12, 7, 20, 0)));
    EXPECT_TRUE(mustLeaveAt(project, -1, at(2026, 12, 8, 8, 0))); // opening time wakes the display

    project.settings.openingHours.reset();
    project.screens[0].schedule = ScreenSchedule{{}, QDate(2026, 12, 1), {}, {}};
    project.screens[2].schedule = ScreenSchedule{{}, QDate(2026, 12, 1), {}, {}};
    EXPECT_EQ(played(project, at(2026, 12, 7, 9, 0), 1), QStringList({"-"}));
    EXPECT_FALSE(mustLeaveAt(project, -1, at(2026, 12, 7, 9, 0)));
    EXPECT_TRUE(isTimeAware(project));
    EXPECT_FALSE(isTimeAware(KioskProject()));
}
