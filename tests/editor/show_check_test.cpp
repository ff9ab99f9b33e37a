#include "editor_test_fixture.h"

#include "editor/sheets/project_settings_sheet.h"
#include "editor/show_check_palette.h"
#include "editor/show_check_runner.h"

#include "model/component_properties.h"
#include "support/manual_scheduler.h"
#include "support/qt_printers.h"

#include <QListWidget>

namespace vistrelle::test_support {
namespace {

// The show check of an open editor window, on a clock the test moves.
class ShowCheckRunnerTest : public EditorWindowTest {
protected:
    void SetUp() override {
        EditorWindowTest::SetUp();
        KioskProject project = smallProject();
        project.metadata.name = QStringLiteral("Lobby");
        project.settings.deployPassword = QStringLiteral("secret");
        project.screens[0].components[0].properties[PropertyKey::fontSize] = QStringLiteral("20"); // readable
        project.screens.append(KioskScreen(QStringLiteral("Second")));
        project.screens[1].components.append(
            makeComponent(ComponentType::shape, {5000, 5000})); // never shows
        project.screens.append(KioskScreen(QStringLiteral("Third")));
        open(project);
        runner = std::make_unique<ShowCheckRunner>(std::make_unique<ManualScheduler>(clock));
        runner->setSession(&session());
    }
    void TearDown() override {
        runner.reset();
        EditorWindowTest::TearDown();
    }

    // Lets the editing pause long enough and waits for the check on the pool.
    void checkAfterPause() {
        settle(); // the edit is reported after this turn
        clock.advanceBy(ShowCheckRunner::settleSeconds);
        ASSERT_TRUE(QTest::qWaitFor([&] { return runner->isCurrent(); }, 10000));
    }

    const CheckFinding& onlyFinding() {
        EXPECT_EQ(runner->findings().size(), 1);
        return runner->findings().front();
    }

    ManualScheduler clock;
    std::unique_ptr<ShowCheckRunner> runner;
};

TEST_F(ShowCheckRunnerTest, ChecksOnceTheEditingPausesAndAgainAfterEachEdit) {
    clock.advanceBy(ShowCheckRunner::settleSeconds - 0.01);
    EXPECT_FALSE(runner->isChecking());
    EXPECT_TRUE(runner->findings().isEmpty());
    checkAfterPause();
    EXPECT_EQ(onlyFinding().rule, "off-screen");
    EXPECT_EQ(onlyFinding().screenNumber, 2);

    // Moving the screens renumbers its finding; bringing the shape back clears it.
    session().moveScreen(2, 1);
    checkAfterPause();
    EXPECT_EQ(onlyFinding().screenNumber, 3);
    const KioskScreen moved = session().project().screens[2];
    PlacedComponent shape = moved.components[0];
    shape.position = {10, 10};
    session().updateComponentOnScreen(moved.id, shape);
    checkAfterPause();
    EXPECT_TRUE(runner->findings().isEmpty());
}

TEST_F(ShowCheckRunnerTest, HighPerformanceModeChecksAgainForWhatCannotPlay) {
    checkAfterPause();
    session().addComponent(ComponentType::video, {100, 400});
    checkAfterPause();
    EXPECT_EQ(runner->counts().warnings, 1);
    runner->setHighPerformance(true);
    checkAfterPause();
    EXPECT_EQ(runner->counts().warnings, 2);
}

TEST_F(ShowCheckRunnerTest, ClickingAFindingSelectsItsScreenAndComponent) {
    checkAfterPause();
    ShowCheckPalette palette(*runner);
    palette.resize(380, 460);
    palette.show();
    QListWidget* list = palette.list();
    ASSERT_EQ(list->count(), 1);
    const QRect row = list->visualItemRect(list->item(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    const KioskScreen& second = session().project().screens[1];
    ASSERT_TRUE(session().selectedScreen());
    EXPECT_EQ(session().selectedScreen()->id, second.id);
    ASSERT_TRUE(session().selectedComponent());
    EXPECT_EQ(session().selectedComponent()->id, second.components[0].id);
}

TEST_F(ShowCheckRunnerTest, AFilmNobodyCanStartIsFoundAndOneClickOnItsFixTurnsAutoplayOn) {
    PlacedComponent film = makeComponent(ComponentType::video, {10, 10}, store.filePath("clip.mp4"));
    film.properties[PropertyKey::showsControls] = QStringLiteral("false");
    session().addMadeComponent(film);
    checkAfterPause();
    const auto never = std::find_if(runner->findings().begin(), runner->findings().end(),
                                    [](const CheckFinding& f) { return f.rule == "video-never-starts"; });
    ASSERT_NE(never, runner->findings().end());
    ASSERT_TRUE(never->fix);
    EXPECT_EQ(never->fix->label, "Turn Autoplay On");

    ShowCheckPalette palette(*runner);
    palette.resize(380, 460);
    palette.show();
    QListWidget* list = palette.list();
    const int row = int(never - runner->findings().begin());
    const QRect rect = list->visualItemRect(list->item(row));
    const int lineHeight = list->fontMetrics().height();
    const int before = window->undoStack().count();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(rect.left() + 36, rect.bottom() - 6 - lineHeight / 2));
    EXPECT_EQ(session()
                  .findComponent(session().project().screens[0].id, film.id)
                  ->stringProperty(PropertyKey::isAutoplay),
              "true");
    EXPECT_EQ(window->undoStack().count(), before + 1);
    EXPECT_EQ(window->undoStack().undoText(), "Turn Autoplay On");
    checkAfterPause();
    EXPECT_TRUE(std::none_of(runner->findings().begin(), runner->findings().end(),
                             [](const CheckFinding& f) { return f.rule == "video-never-starts"; }));
}

TEST_F(ShowCheckRunnerTest, AFindingAboutTheProjectOpensItsSettings) {
    KioskProject project = session().project();
    ProjectSettings settings = project.settings;
    settings.deployPassword.clear();
    session().setProjectInfo(project.metadata, settings);
    checkAfterPause();
    const auto password = std::find_if(runner->findings().begin(), runner->findings().end(),
                                       [](const CheckFinding& f) { return f.rule == "deploy-password"; });
    ASSERT_NE(password, runner->findings().end());
    EXPECT_EQ(password->screenNumber, 0);
    ShowCheckPalette palette(*runner);
    palette.goTo(*password);
    settle();
    const auto* sheet = window->findChild<ProjectSettingsSheet*>();
    ASSERT_TRUE(sheet);
    EXPECT_TRUE(sheet->isVisible());
}

} // namespace
} // namespace vistrelle::test_support
