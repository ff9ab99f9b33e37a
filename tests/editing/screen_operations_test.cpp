#include "editing_fixture.h"
#include "support/log_capture.h"

using namespace vistrelle;
using namespace vistrelle::test_support;

namespace {

QStringList screenNames(const KioskProject& project) {
    QStringList names;
    for (const KioskScreen& screen : project.screens)
        names << screen.name;
    return names;
}

class ScreenOperationsTest : public EditingTest {};

} // namespace

TEST_F(ScreenOperationsTest, AddNamesByCountAndTakesSettingsOrTheFirstBackground) {
    KioskProject start = projectWithScreens(1);
    start.screens[0].background = {BackgroundType::gradient, "#000000", std::nullopt,
                                   GradientStyle{"#FF0000", "#00FF00", GradientDirection::diagonal}};
    start.settings.defaultResolution = ScreenResolution::presets(ScreenMode::vertical).last();
    open(start);

    session().addScreen();
    const KioskScreen& added = project().screens.last();
    EXPECT_EQ(added.name, "Screen 3");
    EXPECT_EQ(added.background, start.screens[0].background);
    EXPECT_EQ(added.resolution.name, "Full HD 1080p Portrait");
    EXPECT_EQ(added.duration, 5);
    EXPECT_EQ(session().selectedScreen()->id, added.id);
    EXPECT_EQ(undoNames(), QStringList{"Add Screen"});

    start.settings.inheritFirstScreenBackground = false;
    start.settings.defaultBackground = {BackgroundType::color, "#123456", std::nullopt, std::nullopt};
    open(start);
    session().addScreen();
    EXPECT_EQ(project().screens.last().background.color, "#123456");
}

TEST_F(ScreenOperationsTest, DuplicateNamesTheCopyAfterItsSourceAndUndoReselects) {
    KioskProject start = projectWithScreens(0);
    for (const char* name : {"Intro", "Intro Copy", "Intro Copy 2"})
        start.screens.append(KioskScreen(QString::fromLatin1(name)));
    start.screens[1].components.append(PlacedComponent{});
    open(start);
    const KioskScreen intro = project().screens[1];

    session().duplicateScreen(intro.id);
    EXPECT_EQ(screenNames(project()),
              (QStringList{"Start", "Intro", "Intro Copy 3", "Intro Copy", "Intro Copy 2"}));
    const KioskScreen& copy = project().screens[2];
    EXPECT_NE(copy.id, intro.id);
    EXPECT_EQ(copy.components, intro.components); // components keep their ids
    EXPECT_EQ(session().selectedScreen()->id, copy.id);

    session().duplicateScreen(project().screens[3].id);
    EXPECT_EQ(project().screens[4].name, "Intro Copy Copy");

    undoStack().undo();
    undoStack().undo();
    EXPECT_EQ(project(), start);
    EXPECT_EQ(session().selectedScreen()->id, start.screens[0].id);
}

TEST_F(ScreenOperationsTest, StartScreenCannotBeDeletedOrMovedAndTheAlertComesLater) {
    open(projectWithScreens(3));
    const KioskProject before = project();

    session().deleteScreen(before.screens[0].id);
    session().moveScreen(0, 2);
    session().moveScreen(3, 0);
    EXPECT_TRUE(alertRecorder.alerts.isEmpty()); // never from inside the operation
    processEvents();

    ASSERT_EQ(alertRecorder.alerts.size(), 3);
    for (const UserAlert& alert : alertRecorder.alerts)
        EXPECT_EQ(alert.title, "Action not allowed");
    EXPECT_TRUE(alertRecorder.alerts[0].message.startsWith(
        "The first screen is the start screen and cannot be deleted."));
    EXPECT_TRUE(
        alertRecorder.alerts[1].message.startsWith("The first screen is the start screen and must stay at"));
    EXPECT_TRUE(alertRecorder.alerts[2].message.startsWith("Position 1 is reserved for the start screen."));
    EXPECT_EQ(project(), before);
    EXPECT_EQ(undoStack().count(), 0);
}

TEST_F(ScreenOperationsTest, MoveReordersAndInvalidIndicesAreLogged) {
    open(projectWithScreens(3));
    session().moveScreen(2, 1);
    EXPECT_EQ(screenNames(project()), (QStringList{"Start", "Screen 3", "Screen 2", "Screen 4"}));
    session().moveScreen(1, 3);
    EXPECT_EQ(screenNames(project()), (QStringList{"Start", "Screen 2", "Screen 4", "Screen 3"}));

    LogCapture log;
    session().moveScreen(1, 4);
    session().moveScreen(-1, 2);
    EXPECT_EQ(log.errorMessages(),
              (QStringList{"Invalid screen indices: source=1, destination=4 for 4 screens",
                           "Invalid screen indices: source=-1, destination=2 for 4 screens"}));
    EXPECT_EQ(undoNames(), (QStringList{"Reorder Screens", "Reorder Screens"}));
}

TEST_F(ScreenOperationsTest, DeletingTheSelectedScreenSelectsTheStartScreen) {
    open(projectWithScreens(2));
    const QUuid start = project().screens[0].id;
    const QUuid second = project().screens[1].id;
    const QUuid third = project().screens[2].id;

    session().setSelectedScreen(project().screens[1]);
    session().deleteScreen(third); // another screen: the selection stays
    EXPECT_EQ(session().selectedScreen()->id, second);
    session().deleteScreen(second);
    EXPECT_EQ(session().selectedScreen()->id, start);
    EXPECT_EQ(project().screens.size(), 1);

    undoStack().undo();
    EXPECT_EQ(session().selectedScreen()->id, second);
}

TEST_F(ScreenOperationsTest, RenameKeepsTheTextAndFollowsTheSelection) {
    open(projectWithScreens(1));
    const QUuid second = project().screens[1].id;
    session().setSelectedScreen(project().screens[1]);
    session().renameScreen(second, QStringLiteral("  Lobby  "));
    EXPECT_EQ(project().screens[1].name, "  Lobby  ");
    EXPECT_EQ(session().selectedScreen()->name, "  Lobby  ");
    session().renameScreen(QUuid::createUuid(), QStringLiteral("ignored"));
    EXPECT_EQ(undoNames(), QStringList{"Rename Screen"});
}

TEST_F(ScreenOperationsTest, EditingAScreensDetailsIsOneStepAndNoChangeRecordsNothing) {
    open();
    const QUuid start = project().screens.first().id;
    session().updateScreenDetails(start, "Lobby", 12);
    EXPECT_EQ(project().screens.first().name, "Lobby");
    EXPECT_EQ(project().screens.first().duration, 12);
    session().updateScreenDetails(start, "Lobby", 12);
    session().updateScreenDetails(QUuid::createUuid(), "Ghost", 4);
    EXPECT_EQ(undoNames(), QStringList{"Edit Screen"});
    undoStack().undo();
    EXPECT_EQ(project().screens.first().name, "Start");
    EXPECT_EQ(project().screens.first().duration, 5);
}

TEST_F(ScreenOperationsTest, ProjectInformationTypedLiveBecomesOneStepThatUndoesEverything) {
    open();
    const ProjectMetadata metadataBefore = project().metadata;
    const ProjectSettings settingsBefore = project().settings;
    for (const char* name : {"L", "Lo", "Lobby"}) {
        ProjectMetadata metadata = project().metadata;
        metadata.name = name;
        session().setProjectInfo(metadata, project().settings);
    }
    ProjectSettings settings = project().settings;
    settings.gridSize = 40;
    session().setProjectInfo(project().metadata, settings);
    session().registerProjectInfoStep(metadataBefore, settingsBefore);
    EXPECT_EQ(undoNames(), QStringList{"Project Settings"});

    undoStack().undo();
    EXPECT_EQ(project().metadata, metadataBefore);
    EXPECT_EQ(project().settings.gridSize, settingsBefore.gridSize);
    undoStack().redo();
    EXPECT_EQ(project().metadata.name, "Lobby");
    EXPECT_EQ(project().settings.gridSize, 40);

    // Nothing changed: no step.
    session().registerProjectInfoStep(project().metadata, project().settings);
    EXPECT_EQ(undoStack().count(), 1);
}
