#include "editor/inspector/transition_preview.h"
#include "support/manual_scheduler.h"

#include <QColor>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <map>

using namespace vistrelle;

namespace {

using Phase = TransitionPreview::Phase;

// The first sample picture is warm (red over blue), the second cool.
enum class Tone { warm, cool };

Tone toneAt(TransitionPreview& preview, int x, int y) {
    const QColor color = preview.grab().toImage().pixelColor(x, y);
    return color.red() > color.blue() ? Tone::warm : Tone::cool;
}

class TransitionPreviewTest : public ::testing::Test {
protected:
    TransitionPreviewTest() {
        auto scheduler = std::make_unique<ManualScheduler>();
        clock = scheduler.get();
        preview = std::make_unique<TransitionPreview>(std::move(scheduler));
        preview->resize(240, 140);
    }

    // Seconds after the start of the test's clock.
    void at(double seconds) { clock->advanceTo(1000.0 + seconds); }

    ManualScheduler* clock;
    std::unique_ptr<TransitionPreview> preview;
};

} // namespace

TEST_F(TransitionPreviewTest, HoldsThreeSecondsThenAnimatesOverTheShortestDuration) {
    preview->setEffect(TransitionEffect::fade);
    preview->setDuration(0.1); // animates over 0.5 s
    preview->show();
    EXPECT_EQ(preview->phase(), Phase::holdFirst);
    EXPECT_EQ(toneAt(*preview, 20, 70), Tone::warm);

    at(2.99);
    EXPECT_EQ(preview->phase(), Phase::holdFirst);
    at(3.0);
    EXPECT_EQ(preview->phase(), Phase::transitionToSecond);
    EXPECT_EQ(preview->progress(), 0.0);
    at(3.48);
    EXPECT_EQ(preview->phase(), Phase::transitionToSecond);
    EXPECT_GT(preview->progress(), 0.9);
    at(3.52);
    EXPECT_EQ(preview->phase(), Phase::holdSecond);
    EXPECT_EQ(preview->progress(), 0.0);
    EXPECT_EQ(toneAt(*preview, 20, 70), Tone::cool);

    // The next hold counts from the end of the transition (3.5 s, give or take a tick).
    at(6.45);
    EXPECT_EQ(preview->phase(), Phase::holdSecond);
    at(6.54);
    EXPECT_EQ(preview->phase(), Phase::transitionToFirst);
    at(7.1);
    EXPECT_EQ(preview->phase(), Phase::holdFirst);
}

TEST_F(TransitionPreviewTest, EasesInAndOutOverTheLongestDuration) {
    preview->setEffect(TransitionEffect::moveLeft);
    preview->setDuration(5); // animates over 2 s
    preview->show();

    at(3.0 + 0.5 + 0.001); // a quarter of the way
    EXPECT_EQ(preview->phase(), Phase::transitionToSecond);
    EXPECT_NEAR(preview->progress(), 0.125, 1e-6);
    // The second picture has come in an eighth of the width from the right.
    EXPECT_EQ(toneAt(*preview, 20, 70), Tone::warm);
    EXPECT_EQ(toneAt(*preview, 228, 70), Tone::cool);
    at(3.0 + 1.5 + 0.001); // three quarters
    EXPECT_NEAR(preview->progress(), 0.875, 1e-6);
    at(3.0 + 1.98);
    EXPECT_EQ(preview->phase(), Phase::transitionToSecond);
    at(3.0 + 2.02);
    EXPECT_EQ(preview->phase(), Phase::holdSecond);
}

TEST_F(TransitionPreviewTest, WithoutAnEffectThePicturesSwitchEveryThreeSeconds) {
    preview->setEffect(TransitionEffect::none);
    preview->show();

    const std::map<double, Phase> expected{{2.99, Phase::holdFirst},
                                           {3.0, Phase::holdSecond},
                                           {5.99, Phase::holdSecond},
                                           {6.0, Phase::holdFirst},
                                           {9.0, Phase::holdSecond}};
    for (const auto& [time, phase] : expected) {
        at(time);
        EXPECT_EQ(preview->phase(), phase) << time;
        EXPECT_EQ(preview->progress(), 0.0) << time;
    }
}

TEST_F(TransitionPreviewTest, ChangingTheEffectRestartsWithTheFirstPicture) {
    preview->setEffect(TransitionEffect::fade);
    preview->show();
    at(3.5);
    ASSERT_EQ(preview->phase(), Phase::transitionToSecond);

    preview->setEffect(TransitionEffect::zoomIn);
    EXPECT_EQ(preview->phase(), Phase::holdFirst);
    EXPECT_EQ(preview->progress(), 0.0);
    at(6.49); // the old cycle's ticks and hold are gone
    EXPECT_EQ(preview->phase(), Phase::holdFirst);
    at(6.51);
    EXPECT_EQ(preview->phase(), Phase::transitionToSecond);
}

TEST_F(TransitionPreviewTest, RunsOnlyWhileShown) {
    preview->setEffect(TransitionEffect::fade);
    preview->show();
    preview->hide();
    at(30);
    EXPECT_EQ(preview->phase(), Phase::holdFirst);

    preview->show(); // starts over
    at(32.9);
    EXPECT_EQ(preview->phase(), Phase::holdFirst);
    at(33.1);
    EXPECT_EQ(preview->phase(), Phase::transitionToSecond);
}
