#include "preview/preview_playback.h"
#include "support/berlin_time.h"
#include "support/manual_scheduler.h"

#include <QMap>

using namespace vistrelle;

namespace {

// A week of a scheduled show in virtual time, the wall clock running with the scheduler's.
class ScheduledPlaybackTest : public test_support::BerlinTimeTest {
protected:
    struct Stretch {
        QString screen;
        QDateTime from;
        QDateTime until;
    };

    static KioskScreen screen(const QString& name, std::optional<ScreenSchedule> schedule = std::nullopt) {
        KioskScreen s(name);
        s.duration = 10;
        s.transition.effect = TransitionEffect::none;
        s.schedule = std::move(schedule);
        return s;
    }

    // Local time from `start` on, running with the virtual clock.
    std::function<QDateTime()> wallClockFrom(const QDateTime& start) {
        return [this, start, origin = clock.now()] {
            return start.addMSecs(qint64((clock.now() - origin) * 1000));
        };
    }
    // `project` playing from `start`.
    std::unique_ptr<PreviewPlayback> startedAt(const KioskProject& project, const QDateTime& start) {
        PreviewPlayback::Hooks hooks;
        hooks.wallClock = wallClockFrom(start);
        auto playback = std::make_unique<PreviewPlayback>(project, clock, hooks);
        playback->start();
        return playback;
    }

    // Plays `project` from `start` for `days`, noting what was on view when.
    QList<Stretch> play(const KioskProject& project, const QDateTime& start, int days) {
        const double origin = clock.now();
        PreviewPlayback::Hooks hooks;
        hooks.wallClock = wallClockFrom(start);
        QList<Stretch> stretches;
        qint64 shown = -2;
        PreviewPlayback* playback = nullptr;
        hooks.changed = [&] {
            if (playback->currentScreenIndex() == shown)
                return;
            shown = playback->currentScreenIndex();
            const QDateTime now = hooks.wallClock();
            if (!stretches.isEmpty())
                stretches.last().until = now;
            stretches.append({shown < 0 ? QString() : project.screens[shown].name, now, {}});
        };
        PreviewPlayback running(project, clock, hooks);
        playback = &running;
        running.start();
        hooks.changed();
        clock.advanceTo(origin + days * 86400.0);
        stretches.last().until = hooks.wallClock();
        return stretches;
    }

    // Minutes each screen was on view, by the local day it started on.
    static QMap<QDate, double> minutesOn(const QList<Stretch>& stretches, const QString& screen) {
        QMap<QDate, double> minutes;
        for (const Stretch& s : stretches)
            if (s.screen == screen)
                minutes[s.from.date()] += double(s.from.secsTo(s.until)) / 60;
        return minutes;
    }

    ManualScheduler clock;
};

} // namespace

TEST_F(ScheduledPlaybackTest, AWeekWithTheChangeToSummerTimePlaysEachScreenOnlyInItsWindows) {
    KioskProject project;
    project.screens = {screen("Welcome"),
                       screen("Breakfast", ScreenSchedule{{}, {}, {}, {{6 * 60, 10 * 60}}}),
                       screen("Evening", ScreenSchedule{{}, {}, {}, {{18 * 60, 22 * 60}}}),
                       screen("Night", ScreenSchedule{{}, {}, {}, {{90, 150}}, true}),
                       screen("Event", ScreenSchedule{{}, QDate(2026, 3, 25), {}, {}})};
    const QList<Stretch> week = play(project, at(2026, 3, 23, 0, 0), 7); // Monday to Sunday

    for (const Stretch& s : week) {
        const QDateTime last = s.until.addSecs(-1);
        if (s.screen == "Breakfast" || s.screen == "Evening" || s.screen == "Night" || s.screen == "Event") {
            const ScreenSchedule& schedule =
                *std::find_if(project.screens.cbegin(), project.screens.cend(), [&](const KioskScreen& k) {
                     return k.name == s.screen;
                 })->schedule;
            EXPECT_TRUE(isScheduledAt(schedule, s.from) && isScheduledAt(schedule, last))
                << s.screen.toStdString() << " at " << s.from.toString().toStdString();
        }
        EXPECT_FALSE(s.screen.isEmpty()) << "nothing on view at " << s.from.toString().toStdString();
    }
    // The alert holds the display for its whole window: an hour a night, half of it lost when the clocks
    // jump from 02:00 to 03:00 on Sunday.
    const QMap<QDate, double> night = minutesOn(week, "Night");
    for (int day = 23; day <= 28; ++day)
        EXPECT_DOUBLE_EQ(night.value(QDate(2026, 3, day)), 60) << day;
    EXPECT_DOUBLE_EQ(night.value(QDate(2026, 3, 29)), 30);
    // Breakfast takes turns with the welcome screen every morning, and with the event until Wednesday.
    const QMap<QDate, double> breakfast = minutesOn(week, "Breakfast");
    for (int day = 23; day <= 29; ++day)
        EXPECT_NEAR(breakfast.value(QDate(2026, 3, day)), day <= 25 ? 80 : 120, 1) << day;
    EXPECT_EQ(minutesOn(week, "Event").lastKey(), QDate(2026, 3, 25));
}

TEST_F(ScheduledPlaybackTest, TheNightTheClocksGoBackAWindowInTheRepeatedHourIsOpenOnBothPasses) {
    KioskProject project;
    project.screens = {screen("Welcome"), screen("Night", ScreenSchedule{{}, {}, {}, {{90, 150}}, true})};
    const QMap<QDate, double> night = minutesOn(play(project, at(2026, 10, 24, 12, 0), 2), "Night");
    // 01:30–02:30 summer time, then 02:00–02:30 again in winter time.
    EXPECT_DOUBLE_EQ(night.value(QDate(2026, 10, 25)), 90);
    EXPECT_DOUBLE_EQ(night.value(QDate(2026, 10, 26)), 60);
}

TEST_F(ScheduledPlaybackTest, OutsideOpeningHoursNothingIsOnViewAndTheShowWakesOnTime) {
    KioskProject project;
    project.screens = {screen("Welcome")};
    project.settings.openingHours = ScreenSchedule{{}, {}, {}, {{8 * 60, 20 * 60}}};
    const QList<Stretch> day = play(project, at(2026, 12, 7, 6, 0), 1);
    ASSERT_GE(day.size(), 3);
    EXPECT_EQ(day[0].screen, QString());
    EXPECT_EQ(day[1].screen, "Welcome");
    EXPECT_EQ(day[1].from, at(2026, 12, 7, 8, 0));
    EXPECT_EQ(day[2].screen, QString());
    EXPECT_EQ(day[2].from, at(2026, 12, 7, 20, 0));
}

TEST_F(ScheduledPlaybackTest, TheOneScreenDueIsHeldAgainWithoutATransitionIntoItself) {
    KioskProject project;
    project.screens = {screen("Day", ScreenSchedule{{}, {}, {}, {{8 * 60, 18 * 60}}}),
                       screen("Evening", ScreenSchedule{{}, {}, {}, {{18 * 60, 22 * 60}}})};
    for (KioskScreen& s : project.screens)
        s.transition = {TransitionEffect::crossFade, 1.0};
    const std::unique_ptr<PreviewPlayback> started = startedAt(project, at(2026, 12, 7, 19, 0));
    PreviewPlayback& playback = *started;
    EXPECT_EQ(playback.currentScreenIndex(), 1) << "the show begins on the screen due";
    for (int hold = 0; hold < 5; ++hold) {
        clock.advanceBy(10.5);
        EXPECT_FALSE(playback.isTransitioning());
        EXPECT_EQ(playback.currentScreenIndex(), 1);
    }
}

TEST_F(ScheduledPlaybackTest, AScreenAVisitorAskedForKeepsItsHoldUnlessAnAlertComes) {
    KioskProject project;
    project.screens = {screen("Welcome"),
                       screen("Breakfast", ScreenSchedule{{}, {}, {}, {{6 * 60, 10 * 60}}}),
                       screen("Drill", ScreenSchedule{{}, {}, {}, {{19 * 60 + 5, 19 * 60 + 10}}, true})};
    project.screens[1].duration = 120;
    const std::unique_ptr<PreviewPlayback> started = startedAt(project, at(2026, 12, 7, 19, 0));
    PreviewPlayback& playback = *started;
    playback.handleButtonAction("screen_1", project.screens[0]);
    ASSERT_EQ(playback.currentScreenIndex(), 1);
    clock.advanceBy(90); // past a minute's look: breakfast is not due, but the visitor chose it
    EXPECT_EQ(playback.currentScreenIndex(), 1);
    clock.advanceBy(31);
    EXPECT_EQ(playback.currentScreenIndex(), 0) << "its hold over, the schedule has its say";
    playback.handleButtonAction("screen_1", project.screens[0]);
    clock.advanceBy(180); // 19:05:01: the drill is due
    EXPECT_EQ(playback.currentScreenIndex(), 2);
}
