#include "editor_test_fixture.h"

#include "editor/schedule_week_view.h"
#include "editor/vistrelle_commands.h"
#include "model/vistrelle_document.h"
#include "preview/kiosk_preview_manager.h"

#include <QDateTimeEdit>
#include <QPushButton>
#include <QTest>

using namespace vistrelle;
using namespace vistrelle::test_support;

namespace {

class ScheduleViewTest : public EditorWindowTest {
protected:
    void SetUp() override {
        EditorWindowTest::SetUp();
        const Result<VistrelleDocument> sample = VistrelleDocument::readFile(
            QStringLiteral(VISTRELLE_SOURCE_DIR "/examples/harbour-library-lobby.vistrelle"));
        ASSERT_TRUE(sample.hasValue());
        addVistrelleCommands(open(sample->project));
        // The sample's film and page show as in the editor: no player, no browser.
        window->previewManager().setLiveMediaSource([](const KioskProject&) { return nullptr; });
    }
    static QStringList names(const ScheduleHour& hour, const KioskProject& project) {
        QStringList found;
        for (const qsizetype index : hour.screens)
            found << project.screens[index].name;
        return found;
    }
};

} // namespace

TEST_F(ScheduleViewTest, TheWeekShowsTheSamplesMealsAndThePreviewFromMondaySevenPlaysBreakfast) {
    QAction* item = window->action(QStringLiteral("showSchedule"));
    ASSERT_TRUE(item);
    item->trigger();
    ScheduleWeekView* view = window->scheduleView();
    ASSERT_TRUE(view && view->isVisible());
    view->showWeekOf(QDate(2026, 12, 9));
    EXPECT_EQ(view->monday(), QDate(2026, 12, 7));
    const KioskProject& project = window->session().project();
    EXPECT_EQ(names(view->plan()[7], project), QStringList({"Welcome", "Events", "Programme", "Breakfast"}));
    EXPECT_EQ(names(view->plan()[6 * 24 + 19], project),
              QStringList({"Welcome", "Events", "Programme", "Evening"}));
    EXPECT_EQ(names(view->plan()[3], project), QStringList({"Welcome", "Events", "Programme"}));

    // Monday 07:00 is chosen with a click on its hour, and the preview plays the show as it plays then.
    const double hourHeight = (view->grid()->height() - 24) / 24.0;
    QTest::mouseClick(view->grid(), Qt::LeftButton, {}, QPoint(60, 24 + int(7.5 * hourHeight)));
    EXPECT_EQ(view->moment()->dateTime(), QDateTime(QDate(2026, 12, 7), QTime(7, 0)));
    view->findChild<QPushButton*>("previewAtMoment")->click();
    KioskPreviewWindowController* preview = window->previewManager().windowController();
    ASSERT_TRUE(preview);
    PreviewPlayback& playback = preview->window()->view()->playback();
    QStringList played;
    for (int i = 0; i < 5; ++i) {
        played << playback.currentScreen()->name;
        playback.advanceToNextScreen();
        playback.jumpToScreen(playback.nextScreenIndex());
    }
    EXPECT_EQ(played, QStringList({"Welcome", "Events", "Programme", "Breakfast", "Welcome"}));
    preview->close();
}
