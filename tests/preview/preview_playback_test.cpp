#include "preview/preview_playback.h"
#include "support/manual_scheduler.h"

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

KioskScreen screenWith(qint64 duration, TransitionEffect effect, double transitionSeconds = 1.0) {
    KioskScreen screen(QStringLiteral("Screen"));
    screen.duration = duration;
    screen.transition.effect = effect;
    screen.transition.duration = transitionSeconds;
    return screen;
}

class PlaybackTest : public ::testing::Test {
protected:
    void play(QList<KioskScreen> screens) {
        KioskProject project;
        project.screens = std::move(screens);
        PreviewPlayback::Hooks hooks;
        hooks.changed = [this] { progressSeen.append(playback->transitionProgress()); };
        hooks.printLine = [this](const QString& line) { printed.append(line); };
        hooks.openWebPage = [this] { ++webPagesOpened; };
        playback = std::make_unique<PreviewPlayback>(project, clock, hooks);
        playback->start();
    }
    const KioskScreen& screen(int index) const { return playback->project().screens[index]; }
    // Seconds from the start of the show (the clock starts at 1000).
    void at(double seconds) { clock.advanceTo(1000 + seconds); }

    ManualScheduler clock;
    std::unique_ptr<PreviewPlayback> playback;
    QList<double> progressSeen;
    QStringList printed;
    int webPagesOpened = 0;
};

TEST_F(PlaybackTest, ScreensAreHeldForTheirDurationButAtLeastThreeSeconds) {
    for (qint64 shortDuration : {0, 1, 2}) {
        play({screenWith(shortDuration, TransitionEffect::none), screenWith(10, TransitionEffect::none),
              screenWith(4, TransitionEffect::none)});
        at(2.99);
        EXPECT_EQ(playback->currentScreenIndex(), 0) << shortDuration;
        at(3.0);
        EXPECT_EQ(playback->currentScreenIndex(), 1) << shortDuration;
        at(12.99);
        EXPECT_EQ(playback->currentScreenIndex(), 1);
        at(13.0);
        EXPECT_EQ(playback->currentScreenIndex(), 2);
        at(17.0); // the show loops
        EXPECT_EQ(playback->currentScreenIndex(), 0);
        clock = ManualScheduler();
    }
}

TEST_F(PlaybackTest, TheTransitionIsTheLeavingScreensEvenWhenLoopingBack) {
    play({screenWith(3, TransitionEffect::crossFade, 1.0), screenWith(3, TransitionEffect::moveLeft, 0.5)});
    at(3.0);
    ASSERT_TRUE(playback->isTransitioning());
    EXPECT_EQ(playback->nextScreenIndex(), 1);
    EXPECT_EQ(playback->transitionEffect(), TransitionEffect::crossFade);
    at(3.5);
    EXPECT_EQ(playback->currentScreenIndex(), 0); // still on its way
    EXPECT_NEAR(playback->transitionProgress(), 0.5, 0.05);
    // The animation ticks every 16 ms: it ends at the first tick past its duration.
    at(4.02);
    EXPECT_FALSE(playback->isTransitioning());
    EXPECT_EQ(playback->currentScreenIndex(), 1);
    at(7.03); // the last screen's transition takes the show back to the first
    ASSERT_TRUE(playback->isTransitioning());
    EXPECT_EQ(playback->nextScreenIndex(), 0);
    EXPECT_EQ(playback->transitionEffect(), TransitionEffect::moveLeft);
    at(7.6);
    EXPECT_EQ(playback->currentScreenIndex(), 0);
}

TEST_F(PlaybackTest, ProgressIsEasedAndAZeroLengthTransitionStillAnimatesBriefly) {
    EXPECT_EQ(PreviewPlayback::eased(-0.5), 0);
    EXPECT_DOUBLE_EQ(PreviewPlayback::eased(0.25), 0.125);
    EXPECT_DOUBLE_EQ(PreviewPlayback::eased(0.75), 0.875);
    EXPECT_EQ(PreviewPlayback::eased(1.0), 1);
    EXPECT_EQ(PreviewPlayback::eased(7.0), 1);

    play({screenWith(3, TransitionEffect::fade, 0.0), screenWith(3, TransitionEffect::none)});
    at(3.0);
    EXPECT_TRUE(playback->isTransitioning());
    at(3.009);
    EXPECT_TRUE(playback->isTransitioning());
    at(3.02);
    EXPECT_FALSE(playback->isTransitioning());
    EXPECT_EQ(playback->currentScreenIndex(), 1);
    // A screen without an effect changes at once.
    at(6.02);
    EXPECT_FALSE(playback->isTransitioning());
    EXPECT_EQ(playback->currentScreenIndex(), 0);
}

TEST_F(PlaybackTest, ASingleScreenTransitionsOntoItselfOnceAndThenWaitsForever) {
    play({screenWith(3, TransitionEffect::fade, 1.0)});
    at(3.0);
    EXPECT_TRUE(playback->isTransitioning());
    EXPECT_EQ(playback->nextScreenIndex(), 0);
    at(4.02);
    EXPECT_FALSE(playback->isTransitioning());
    EXPECT_EQ(clock.pendingCount(), 0); // the index did not change, so nothing is scheduled
    at(60.0);
    EXPECT_FALSE(playback->isTransitioning());
}

TEST_F(PlaybackTest, WithoutScreensTheTimerFiresOnceAfterFiveSeconds) {
    play({});
    EXPECT_EQ(playback->currentScreen(), nullptr);
    EXPECT_EQ(clock.pendingCount(), 1);
    at(4.99);
    EXPECT_EQ(clock.pendingCount(), 1);
    at(5.0);
    EXPECT_EQ(clock.pendingCount(), 0);
    EXPECT_EQ(playback->currentScreenIndex(), 0);
    EXPECT_FALSE(playback->isTransitioning());
}

TEST_F(PlaybackTest, AJumpDuringATransitionEndsItsAnimationForGood) {
    play({screenWith(3, TransitionEffect::moveUp, 1.0), screenWith(3, TransitionEffect::none),
          screenWith(3, TransitionEffect::none)});
    at(3.3);
    ASSERT_TRUE(playback->isTransitioning());
    const qint64 generation = playback->transitionGeneration();
    playback->handleButtonAction(QStringLiteral("next"), screen(0));
    EXPECT_FALSE(playback->isTransitioning());
    EXPECT_EQ(playback->currentScreenIndex(), 1);
    EXPECT_GT(playback->transitionGeneration(), generation);
    // The old animation's ticks change nothing any more; the new screen has its own full hold.
    progressSeen.clear();
    at(6.29);
    EXPECT_TRUE(progressSeen.isEmpty());
    EXPECT_EQ(playback->currentScreenIndex(), 1);
    at(6.3);
    EXPECT_EQ(playback->currentScreenIndex(), 2);
}

TEST_F(PlaybackTest, AJumpToTheScreenBeingLeftLeavesExactlyOneAdvanceTimer) {
    play({screenWith(3, TransitionEffect::fade, 1.0), screenWith(3, TransitionEffect::none)});
    at(3.3);
    ASSERT_TRUE(playback->isTransitioning());
    // A button on the screen being left that leads to that very screen, clicked during the transition.
    playback->handleButtonAction(QStringLiteral("screen_0"), screen(0));
    EXPECT_FALSE(playback->isTransitioning());
    EXPECT_EQ(playback->currentScreenIndex(), 0);
    EXPECT_EQ(clock.pendingCount(), 1) << "the show would stay on this screen for good";
    at(6.3);
    EXPECT_TRUE(playback->isTransitioning()) << "its hold starts again at the jump";
    at(7.4);
    EXPECT_EQ(playback->currentScreenIndex(), 1);
    // The same by its id, while it is on view: a fresh hold, still one timer.
    playback->handleButtonAction(screen(1).id.toString(), screen(1));
    EXPECT_EQ(clock.pendingCount(), 1);
}

TEST_F(PlaybackTest, NavigationActionsJumpWithinTheShowWithoutWrapping) {
    play({screenWith(30, TransitionEffect::none), screenWith(30, TransitionEffect::none),
          screenWith(30, TransitionEffect::none)});
    const auto act = [&](const QString& action) { playback->handleButtonAction(action, screen(0)); };
    act(QStringLiteral("previous"));
    EXPECT_EQ(playback->currentScreenIndex(), 0);
    act(QStringLiteral("screen_2"));
    EXPECT_EQ(playback->currentScreenIndex(), 2);
    act(QStringLiteral("next_screen"));
    EXPECT_EQ(playback->currentScreenIndex(), 2); // the last screen has no next
    act(QStringLiteral("previous_screen"));
    EXPECT_EQ(playback->currentScreenIndex(), 1);
    act(QStringLiteral("screen_0"));
    EXPECT_EQ(playback->currentScreenIndex(), 0);
    act(QStringLiteral("screen_+1"));
    EXPECT_EQ(playback->currentScreenIndex(), 1);
    for (const char* ignored : {"screen_-1", "screen_99", "screen_", "screen_x", "screen_ 2", "screen_1.0",
                                "nowhere", "", "NEXT", "{00000000-0000-0000-0000-000000000000}"}) {
        act(QString::fromLatin1(ignored));
        EXPECT_EQ(playback->currentScreenIndex(), 1) << ignored;
    }
    act(screen(2).id.toString(QUuid::WithoutBraces).toUpper());
    EXPECT_EQ(playback->currentScreenIndex(), 2);
    act(screen(0).id.toString());
    EXPECT_EQ(playback->currentScreenIndex(), 0);
    // Automatic advance still loops at the end.
    act(QStringLiteral("screen_2"));
    at(30.0);
    EXPECT_EQ(playback->currentScreenIndex(), 0);
}

TEST_F(PlaybackTest, AlertSystemAndComponentActions) {
    KioskScreen first = screenWith(30, TransitionEffect::none);
    PlacedComponent video;
    video.componentType = ComponentType::video;
    first.components.append(video);
    KioskScreen second = screenWith(30, TransitionEffect::none);
    PlacedComponent elsewhere;
    second.components.append(elsewhere);
    play({first, second});
    const auto act = [&](const QString& action) { playback->handleButtonAction(action, screen(0)); };
    const QString here = video.id.toString(QUuid::WithoutBraces).toUpper();

    act(QStringLiteral("alert:Hello"));
    EXPECT_FALSE(playback->showingAlert());
    act(QStringLiteral("alert:Hello:World:and more"));
    ASSERT_TRUE(playback->showingAlert());
    EXPECT_EQ(playback->alertTitle(), QStringLiteral("Hello"));
    EXPECT_EQ(playback->alertMessage(), QStringLiteral("World"));
    playback->dismissAlert();
    EXPECT_FALSE(playback->showingAlert());

    act(QStringLiteral("system:quit"));
    EXPECT_TRUE(playback->showingAlert());
    EXPECT_EQ(playback->alertTitle(), QStringLiteral("Preview Mode"));
    EXPECT_EQ(playback->alertMessage(), QStringLiteral("This function only works in deploy mode"));
    playback->dismissAlert();

    for (const char* command : {"system:volume_up", "system:volume_down", "system:mute_toggle",
                                "system:reboot", "system:", "system"})
        act(QString::fromLatin1(command));
    act(QStringLiteral("system:open_url"));
    EXPECT_EQ(webPagesOpened, 1);

    for (const char* command : {"play_video", "pause_video", "stop_video", "toggle_visibility",
                                "focus_component", "reset_component", "explode"})
        act(QStringLiteral("component:") + QString::fromLatin1(command) + u':' + here);
    act(QStringLiteral("component:play_video:") + elsewhere.id.toString(QUuid::WithoutBraces).toUpper());
    act(QStringLiteral("component:play_video"));
    act(QStringLiteral("component:play_video:") + here.toLower()); // identifiers are upper case

    EXPECT_EQ(printed, QStringList({QStringLiteral("Volume up action triggered"),
                                    QStringLiteral("Volume down action triggered"),
                                    QStringLiteral("Mute toggle action triggered"),
                                    QStringLiteral("Play video for component: ") + here,
                                    QStringLiteral("Pause video for component: ") + here,
                                    QStringLiteral("Stop video for component: ") + here,
                                    QStringLiteral("Toggle visibility for component: ") + here,
                                    QStringLiteral("Focus component: ") + here,
                                    QStringLiteral("Reset component: ") + here}));
    EXPECT_EQ(playback->currentScreenIndex(), 0);
    EXPECT_FALSE(playback->showingAlert());
}

TEST(PreviewZoomTest, StepsOfTenPercentBetweenTenAndThreeHundred) {
    EXPECT_EQ(PreviewZoom::label(1.0), QStringLiteral("100%"));
    EXPECT_DOUBLE_EQ(PreviewZoom::zoomedIn(2.95), 3.0);
    EXPECT_DOUBLE_EQ(PreviewZoom::zoomedIn(3.0), 3.0);
    EXPECT_DOUBLE_EQ(PreviewZoom::zoomedOut(0.15), 0.1);
    EXPECT_DOUBLE_EQ(PreviewZoom::zoomedOut(0.1), 0.1);
    double scale = 1.0;
    for (int i = 0; i < 7; ++i)
        scale = PreviewZoom::zoomedOut(scale);
    EXPECT_EQ(PreviewZoom::label(scale), QStringLiteral("30%"));
    for (int i = 0; i < 30; ++i)
        scale = PreviewZoom::zoomedIn(scale);
    EXPECT_EQ(PreviewZoom::label(scale), QStringLiteral("300%"));
}

} // namespace
