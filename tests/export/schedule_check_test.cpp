#include "export/check_fixture.h"
#include "model/vistrelle_document.h"

using namespace vistrelle;
using namespace vistrelle::test_support;

namespace {

class ScheduleCheckTest : public ShowCheckTest {
protected:
    void SetUp() override {
        ShowCheckTest::SetUp();
        previous_ = qgetenv("TZ");
        qputenv("TZ", "Europe/Berlin");
        tzset();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));   // weekday names
        options.now = QDateTime(QDate(2026, 12, 7), QTime(9, 0), Qt::LocalTime); // a Monday
    }
    void TearDown() override {
        qputenv("TZ", previous_);
        tzset();
        ShowCheckTest::TearDown();
    }
    KioskScreen& addScreen(const QString& name, const ScreenSchedule& schedule) {
        project.screens.append(screen());
        project.screens.last().id = QUuid::createUuid();
        project.screens.last().name = name;
        project.screens.last().schedule = schedule;
        return project.screens.last();
    }
    QStringList messages(const QString& rule) {
        QStringList found;
        for (const CheckFinding& finding : check(options))
            if (finding.rule == rule)
                found << finding.screenName + ": " + finding.message;
        return found;
    }

    CheckOptions options;

private:
    QByteArray previous_;
};

} // namespace

TEST_F(ScheduleCheckTest, AWeekWithoutSundayHasAGapThatOpeningHoursCanClose) {
    screen().schedule = ScreenSchedule{{}, {}, {1, 2, 3, 4, 5, 6}, {}};
    addScreen("Breakfast", ScreenSchedule{{}, {}, {}, {{6 * 60, 10 * 60}}});
    const QStringList gaps = messages("schedule-gap");
    ASSERT_EQ(gaps.size(), 2) << gaps.join('\n').toStdString();
    EXPECT_TRUE(gaps[0].contains("from Sunday 00:00 to Sunday 06:00")) << gaps[0].toStdString();
    EXPECT_TRUE(gaps[1].contains("from Sunday 10:00 to Monday 00:00")) << gaps[1].toStdString();

    project.settings.openingHours = ScreenSchedule{{}, {}, {1, 2, 3, 4, 5, 6}, {}};
    EXPECT_TRUE(messages("schedule-gap").isEmpty()) << "closed on Sunday is no gap";
    screen().schedule.reset();
    EXPECT_TRUE(messages("schedule-gap").isEmpty());
}

TEST_F(ScheduleCheckTest, EndedNeverMeetingAndOverlappingSchedulesAreWarned) {
    addScreen("Last month", ScreenSchedule{{}, QDate(2026, 11, 30), {}, {}});
    addScreen("Weekend in a week", ScreenSchedule{QDate(2026, 12, 8), QDate(2026, 12, 11), {6, 7}, {}});
    addScreen("Midnight", ScreenSchedule{{}, {}, {}, {{23 * 60, 60}}});
    addScreen("Drill", ScreenSchedule{{}, {}, {3}, {{12 * 60, 13 * 60}}, true});
    addScreen("Storm", ScreenSchedule{{}, {}, {}, {{12 * 60 + 30, 14 * 60}}, true});
    project.settings.openingHours = ScreenSchedule{{}, {}, {}, {{8 * 60, 20 * 60}}};

    EXPECT_EQ(messages("schedule-ended").size(), 1);
    EXPECT_TRUE(messages("schedule-ended").value(0).startsWith("Last month: "));
    const QStringList never = messages("schedule-never");
    ASSERT_EQ(never.size(), 2) << never.join('\n').toStdString();
    EXPECT_TRUE(never[0].startsWith("Weekend in a week: Its dates and weekdays never meet"));
    EXPECT_TRUE(never[1].startsWith("Midnight: Its times never meet the opening hours"));
    const QStringList overlaps = messages("alert-overlap");
    ASSERT_EQ(overlaps.size(), 1);
    EXPECT_TRUE(overlaps[0].startsWith("Storm: ")) << overlaps[0].toStdString();
    EXPECT_TRUE(overlaps[0].contains("“Drill” are both due on Wednesday 12:30")) << overlaps[0].toStdString();
}

TEST_F(ScheduleCheckTest, APassedCountdownAnOldFeedAndLiveComponentsAsSlidesAreWarned) {
    PlacedComponent& countdown = add(ComponentType::countdown, {100, 100}, {800, 100});
    countdown.properties[PropertyKey::targetDate] = "2026-12-01T09:00";
    countdown.properties[PropertyKey::text] = "Opening in";
    PlacedComponent& ticker = add(ComponentType::ticker, {0, 980}, {1920, 100});
    ticker.properties[PropertyKey::feedUrl] = "https://news.example/feed.xml";
    EXPECT_EQ(messages("countdown-passed").size(), 1);
    EXPECT_TRUE(messages("ticker-feed-old").isEmpty());
    EXPECT_TRUE(messages("live-as-slide").isEmpty());

    screen().schedule = ScreenSchedule{QDate(2026, 12, 10), {}, {}, {}};
    EXPECT_EQ(messages("ticker-feed-old").size(), 1) << "first due three days after the deploy";
    screen().components[1].properties[PropertyKey::feedUrl] = "news.example/feed";
    EXPECT_EQ(messages("ticker-feed-address").size(), 1);
    screen().components[0].properties[PropertyKey::targetDate] = "2027-01-01T09:00";
    EXPECT_TRUE(messages("countdown-passed").isEmpty());
    options.highPerformance = true;
    EXPECT_EQ(messages("live-as-slide").size(), 2);
}

TEST_F(ScheduleCheckTest, TheSampleWithItsEverydayScreensKeptToWeekdaysAndSaturdayHasSundayGaps) {
    const Result<VistrelleDocument> sample = VistrelleDocument::readFile(
        QStringLiteral(VISTRELLE_SOURCE_DIR "/examples/harbour-library-lobby.vistrelle"));
    ASSERT_TRUE(sample.hasValue());
    project = sample->project;
    EXPECT_TRUE(messages("schedule-gap").isEmpty());
    for (KioskScreen& screen : project.screens)
        if (!screen.schedule)
            screen.schedule = ScreenSchedule{{}, {}, {1, 2, 3, 4, 5, 6}, {}};
    // Only breakfast and the evening play on Sunday.
    EXPECT_EQ(
        messages("schedule-gap"),
        QStringList({": Nothing plays from Sunday 00:00 to Sunday 06:00: the display shows black. Give a "
                     "screen no schedule, or widen a window to cover that time.",
                     ": Nothing plays from Sunday 10:00 to Sunday 18:00: the display shows black. Give a "
                     "screen no schedule, or widen a window to cover that time.",
                     ": Nothing plays from Sunday 22:00 to Monday 00:00: the display shows black. Give a "
                     "screen no schedule, or widen a window to cover that time."}));
}
