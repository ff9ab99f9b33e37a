#include "model/screen_schedule.h"
#include "model/vistrelle_document.h"
#include "support/berlin_time.h"

#include <QTimeZone>

#include <gtest/gtest.h>

#include <ctime>

using namespace vistrelle;

namespace {

class ScreenScheduleTest : public test_support::BerlinTimeTest {};

} // namespace

TEST_F(ScreenScheduleTest, DaysWeekdaysAndWindowsIncludingOneAcrossMidnight) {
    ScreenSchedule breakfast;
    breakfast.windows = {{6 * 60, 10 * 60}};
    breakfast.weekdays = {1, 2, 3, 4, 5};
    EXPECT_TRUE(isScheduledAt(breakfast, at(2026, 12, 7, 7, 0)));   // Monday 07:00
    EXPECT_FALSE(isScheduledAt(breakfast, at(2026, 12, 7, 10, 0))); // the end is not in it
    EXPECT_FALSE(isScheduledAt(breakfast, at(2026, 12, 6, 7, 0)));  // Sunday
    EXPECT_TRUE(isScheduledAt(ScreenSchedule{}, at(2026, 12, 6, 3, 0))) << "no schedule: always";

    ScreenSchedule night; // Friday 22:00 to Saturday 02:00
    night.weekdays = {5};
    night.windows = {{22 * 60, 2 * 60}};
    EXPECT_TRUE(isScheduledAt(night, at(2026, 12, 11, 23, 30)));
    EXPECT_TRUE(isScheduledAt(night, at(2026, 12, 12, 1, 59)));
    EXPECT_FALSE(isScheduledAt(night, at(2026, 12, 12, 23, 0))) << "Saturday's own evening is not Friday's";
    EXPECT_FALSE(isScheduledAt(night, at(2026, 12, 11, 1, 0))) << "Friday's early hours belong to Thursday";

    ScreenSchedule event;
    event.from = QDate(2026, 12, 1);
    event.until = QDate(2026, 12, 4);
    EXPECT_TRUE(isScheduledAt(event, at(2026, 12, 4, 23, 59)));
    EXPECT_FALSE(isScheduledAt(event, at(2026, 12, 5, 0, 0)));

    EXPECT_EQ(nextScheduleBoundary(breakfast, at(2026, 12, 7, 7, 0)), at(2026, 12, 7, 10, 0));
    EXPECT_EQ(nextScheduleBoundary(breakfast, at(2026, 12, 7, 11, 0)), at(2026, 12, 8, 0, 0));
    EXPECT_EQ(nextScheduleBoundary(night, at(2026, 12, 11, 21, 0)), at(2026, 12, 11, 22, 0));
}

TEST_F(ScreenScheduleTest, AWindowOfHalfPastOneToHalfPastTwoKeepsItsWallClockOnBothChangeDays) {
    ScreenSchedule window;
    window.windows = {{90, 150}};
    // Spring: 02:00 becomes 03:00. The window opens at 01:30 and is over when the clocks jump.
    const QDateTime spring = at(2026, 3, 29, 1, 45);
    EXPECT_TRUE(isScheduledAt(window, spring));
    const QDateTime springEnd = nextScheduleBoundary(window, spring);
    EXPECT_EQ(springEnd.toUTC(), QDateTime(QDate(2026, 3, 29), QTime(1, 0), Qt::UTC)) << "03:00 summer time";
    EXPECT_FALSE(isScheduledAt(window, springEnd));

    // Autumn: 03:00 becomes 02:00 again. 02:00–02:30 comes twice, and both times the window is open.
    const QDateTime firstPass = QDateTime(QDate(2026, 10, 25), QTime(0, 15), Qt::UTC); // 02:15 summer time
    EXPECT_TRUE(isScheduledAt(window, firstPass));
    const QDateTime afterFirst = QDateTime(QDate(2026, 10, 25), QTime(0, 45), Qt::UTC); // 02:45 summer time
    EXPECT_FALSE(isScheduledAt(window, afterFirst));
    const QDateTime change = nextScheduleBoundary(window, afterFirst);
    EXPECT_EQ(change.toUTC(), QDateTime(QDate(2026, 10, 25), QTime(1, 0), Qt::UTC)) << "the clocks go back";
    EXPECT_TRUE(isScheduledAt(window, change)) << "02:00 winter time, in the window again";
    EXPECT_EQ(nextScheduleBoundary(window, change).toUTC(),
              QDateTime(QDate(2026, 10, 25), QTime(1, 30), Qt::UTC));
}

TEST(ScreenScheduleDocumentTest, AScheduleReadsBackAsWrittenAndAScreenWithoutOneWritesNothingForIt) {
    VistrelleDocument document;
    document.project.screens.append(KioskScreen(QStringLiteral("Breakfast")));
    const QByteArray plain = document.fileContents().value();
    EXPECT_FALSE(plain.contains("schedule")) << "a show without schedules writes as before";

    ScreenSchedule schedule;
    schedule.from = QDate(2026, 12, 1);
    schedule.weekdays = {1, 2, 3, 4, 5};
    schedule.windows = {{6 * 60, 10 * 60}, {22 * 60, 2 * 60}};
    document.project.screens[1].schedule = schedule;
    const QByteArray written = document.fileContents().value();
    EXPECT_TRUE(written.contains("\"start\": \"22:00\"")) << written.toStdString();
    const Result<VistrelleDocument> read = VistrelleDocument::read(written);
    ASSERT_TRUE(read);
    EXPECT_EQ(read.value().project.screens[1].schedule, schedule);
    EXPECT_FALSE(read.value().project.screens[0].schedule);

    QByteArray broken = written;
    broken.replace("\"22:00\"", "\"25:00\"");
    EXPECT_FALSE(VistrelleDocument::read(broken)) << "a time that is none is an error, not a silent window";
    EXPECT_EQ(scheduleTimeFromText("24:00"), 24 * 60);
    EXPECT_FALSE(scheduleTimeFromText("7:00"));
}
