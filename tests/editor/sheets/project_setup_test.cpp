#include "editor/sheets/project_setup.h"

#include "support/log_capture.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace vistrelle;

namespace {

QString errorFor(const QString& width, const QString& height) {
    const auto result = customResolutionFromText(width, height, ScreenMode::horizontal);
    return std::holds_alternative<QString>(result) ? std::get<QString>(result) : QStringLiteral("<accepted>");
}

ProjectSetupChoices choicesWithScreens(int count) {
    ProjectSetupChoices choices;
    choices.numberOfScreens = count;
    return choices;
}

} // namespace

TEST(CustomResolutionFromText, RefusesWhatIsNotADecimalInteger) {
    const QString invalid = QStringLiteral("Please enter valid numbers");
    EXPECT_EQ(errorFor("1024", "x"), invalid);
    for (const char* text : {"", "  ", "+", "1.5e3", "1280.0", "1 280", "0x500", "١٢٨٠"})
        EXPECT_EQ(errorFor(text, "1024"), invalid) << text;
}

TEST(CustomResolutionFromText, KeepsBetweenTheMinimumAndTheMaximumWithoutOverflow) {
    const QString tooSmall = QStringLiteral("Resolution must be at least 1024\u00D7768");
    const QString tooLarge = QStringLiteral("Resolution must be at most 16384\u00D716384");
    EXPECT_EQ(errorFor("1024", "767"), tooSmall);
    EXPECT_EQ(errorFor("1023", "768"), tooSmall);
    EXPECT_EQ(errorFor("-2048", "768"), tooSmall);
    EXPECT_EQ(errorFor("-99999999999999999999999", "768"), tooSmall);
    EXPECT_EQ(errorFor("16385", "768"), tooLarge);
    EXPECT_EQ(errorFor("1024", "9223372036854775808"), tooLarge);
    EXPECT_EQ(errorFor("99999999999999999999999", "99999999999999999999999"), tooLarge);
    EXPECT_EQ(errorFor("16384", "16384"), "<accepted>");
}

TEST(CustomResolutionFromText, BuildsTheNamedCustomResolutionInTheGivenOrientation) {
    const auto result = customResolutionFromText("1280", "1024", ScreenMode::vertical);
    ASSERT_TRUE(std::holds_alternative<ScreenResolution>(result));
    const ScreenResolution resolution = std::get<ScreenResolution>(result);
    EXPECT_EQ(resolution,
              (ScreenResolution{1280, 1024, "Custom 1280\u00D71024", ScreenMode::vertical, true}));

    // Spaces pasted around the numbers and an explicit sign are fine.
    const auto padded = customResolutionFromText(" 1920\n", "+1080", ScreenMode::horizontal);
    ASSERT_TRUE(std::holds_alternative<ScreenResolution>(padded));
    EXPECT_EQ(std::get<ScreenResolution>(padded).name, "Custom 1920\u00D71080");
}

TEST(ProjectFromSetup, BuildsNumberedScreensFromTheChoices) {
    ProjectSetupChoices choices = choicesWithScreens(3);
    choices.description = "Lobby signage";
    choices.deployPassword = "4711";
    choices.resolution = ScreenResolution::presets(ScreenMode::vertical).at(1);
    choices.autoSave = false;
    choices.snapToGrid = false;
    choices.gridSize = 40;
    choices.defaultBackground.color = "#102030";

    test_support::LogCapture log;
    const QDateTime before = currentDocumentTime();
    const KioskProject project = projectFromSetup(choices);

    EXPECT_EQ(project.metadata.name, "Untitled Project");
    EXPECT_EQ(project.metadata.description, "Lobby signage");
    EXPECT_GE(project.metadata.created, before);
    EXPECT_EQ(project.metadata.modified, project.metadata.created);
    EXPECT_EQ(project.metadata.appVersion, "3.5.0");
    EXPECT_EQ(project.metadata.documentVersion, "3.5.0");

    ProjectSettings expected;
    expected.defaultResolution = choices.resolution;
    expected.defaultBackground = choices.defaultBackground;
    expected.autoSave = false;
    expected.snapToGrid = false;
    expected.gridSize = 40;
    expected.deployPassword = "4711";
    EXPECT_EQ(project.settings, expected);

    ASSERT_EQ(project.screens.size(), 3);
    QSet<QUuid> ids;
    const QStringList names{"Start", "Screen 2", "Screen 3"};
    for (qsizetype i = 0; i < 3; ++i) {
        const KioskScreen& screen = project.screens[i];
        EXPECT_EQ(screen.name, names[i]);
        EXPECT_EQ(screen.resolution, choices.resolution);
        EXPECT_EQ(screen.background, choices.defaultBackground);
        EXPECT_EQ(screen.duration, 5);
        EXPECT_EQ(screen.transition, TransitionStyle{});
        EXPECT_TRUE(screen.components.isEmpty());
        ids.insert(screen.id);
    }
    EXPECT_EQ(ids.size(), 3);

    ASSERT_EQ(log.lines().size(), 1);
    EXPECT_EQ(log.lines()[0].category, "com.quendrix.vistrelle.general");
    EXPECT_EQ(log.lines()[0].message, "Created new project: Untitled Project with 3 screens");
}

TEST(ProjectFromSetup, KeepsBetweenOneAndFiftyScreensAndTrimsTheName) {
    EXPECT_EQ(projectFromSetup(choicesWithScreens(0)).screens.size(), 1);
    EXPECT_EQ(projectFromSetup(choicesWithScreens(-7)).screens.size(), 1);
    EXPECT_EQ(projectFromSetup(choicesWithScreens(50)).screens.size(), 50);
    const KioskProject largest = projectFromSetup(choicesWithScreens(51));
    EXPECT_EQ(largest.screens.size(), 50);
    EXPECT_EQ(largest.screens.last().name, "Screen 50");

    ProjectSetupChoices named;
    named.name = "  Foyer\n";
    EXPECT_EQ(projectFromSetup(named).metadata.name, "Foyer");
    EXPECT_EQ(trimmedProjectName(" \t\r\n"), "Untitled Project");
}

TEST(EditedScreen, NamesBlankScreensAndKeepsAtLeastThreeSeconds) {
    KioskScreen screen("Menu");
    screen.duration = 10;

    const KioskScreen renamed = editedScreen(screen, "Specials", "12");
    EXPECT_EQ(renamed.name, "Specials");
    EXPECT_EQ(renamed.duration, 12);
    EXPECT_EQ(renamed.id, screen.id);

    EXPECT_EQ(editedScreen(screen, "", "10").name, "Untitled Screen");
    EXPECT_EQ(editedScreen(screen, "   ", "10").name, "Untitled Screen");
    EXPECT_EQ(editedScreen(screen, "Menu", "1").duration, 3);
    EXPECT_EQ(editedScreen(screen, "Menu", "-20").duration, 3);
    EXPECT_EQ(editedScreen(screen, "Menu", "+7").duration, 7);
    EXPECT_EQ(editedScreen(screen, "Menu", "abc").duration, 10);
    EXPECT_EQ(editedScreen(screen, "Menu", "7.5").duration, 10);
    EXPECT_EQ(editedScreen(screen, "Menu", "99999999999999999999").duration, 10);

    screen.duration = 2; // an older file may hold less than the minimum
    EXPECT_EQ(editedScreen(screen, "Menu", "").duration, 3);
}
