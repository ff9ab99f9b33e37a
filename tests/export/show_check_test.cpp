#include "check_fixture.h"
#include "model/uuid_text.h"

#include <QDir>

namespace vistrelle::test_support {
namespace {

using Severity = CheckFinding::Severity;

TEST_F(ShowCheckTest, ADeployableProjectOfReadableScreensIsClean) {
    addText(ComponentType::title, QStringLiteral("Welcome"), 72, QStringLiteral("#000000"));
    EXPECT_TRUE(check().isEmpty());
}

TEST_F(ShowCheckTest, WhatDeploymentRefusesIsAnErrorOfTheProject) {
    project.metadata.name.clear();
    project.settings.deployPassword.clear();
    project.screens.clear();
    const QList<CheckFinding> findings = check();
    ASSERT_EQ(findings.size(), 3);
    for (const CheckFinding& f : findings) {
        EXPECT_EQ(f.severity, Severity::error);
        EXPECT_TRUE(f.deployFails);
        EXPECT_EQ(f.screenNumber, 0);
    }
    EXPECT_TRUE(findings[1].message.startsWith("Deploy password is required"))
        << findings[1].message.toStdString();
}

TEST_F(ShowCheckTest, BlankNamesImpossibleResolutionsAndCutBundleNamesAreFound) {
    project.metadata.name = QStringLiteral("  \t ");
    project.settings.deployPassword = QStringLiteral("   ");
    project.settings.defaultResolution.width = -5;
    screen().resolution.height = 100000;
    EXPECT_EQ(rules(), (QStringList{"project-name", "deploy-password", "slide-size", "screen-resolution"}));
    for (const CheckFinding& f : check()) {
        EXPECT_EQ(f.severity, Severity::error);
        EXPECT_TRUE(f.deployFails)
            << f.rule.toStdString(); // in the plain mode too: the player could not show it
    }
    EXPECT_TRUE(finding("slide-size")->message.startsWith("The project’s resolution -5 × "));
    EXPECT_EQ(finding("screen-resolution")->screenNumber, 1);

    project.settings.deployPassword = QStringLiteral("pw");
    project.settings.defaultResolution.width = 1920;
    screen().resolution.height = 1080;
    project.metadata.name = QStringLiteral("Lobby") + QChar(0) + QStringLiteral("Show");
    EXPECT_EQ(rules(), QStringList{"bundle-name"});
    EXPECT_EQ(finding("bundle-name")->severity, Severity::warning);
    EXPECT_TRUE(finding("bundle-name")->message.contains("“LobbyShow.bundle”"));
    project.metadata.name = QString(300, u'é');
    EXPECT_EQ(rules(), QStringList{"bundle-name"});
    project.metadata.name = QStringLiteral("Lobby: Show"); // the documented rules are no surprise
    EXPECT_TRUE(check().isEmpty());
}

TEST_F(ShowCheckTest, MediaThatIsMissingAFolderOrNoPictureIsAnError) {
    PlacedComponent& missing = add(ComponentType::image, {0, 0}, {100, 100});
    missing.properties[PropertyKey::imagePath] = home.filePath("gone.png");
    const QUuid missingId = missing.id;
    QDir(home.path()).mkdir("album.png");
    add(ComponentType::image, {0, 0}, {100, 100}).properties[PropertyKey::imagePath] =
        home.filePath("album.png");
    add(ComponentType::image, {0, 0}, {100, 100}).properties[PropertyKey::imagePath] =
        makeFile("broken.png", "not a picture at all");
    add(ComponentType::video, {0, 0}, {100, 100}).properties[PropertyKey::videoPath] =
        home.filePath("loop.mp4");
    add(ComponentType::video, {0, 0}, {100, 100}).properties[PropertyKey::videoPath] =
        makeFile("notes.mp4", "not a film either");
    screen().background = BackgroundStyle{BackgroundType::image, {}, home.filePath("wall.jpg"), {}};

    const QList<CheckFinding> findings = check();
    ASSERT_EQ(findings.size(), 6);
    // The screen's own finding (its background) comes first, then the components in order.
    EXPECT_FALSE(findings[0].componentId);
    EXPECT_TRUE(findings[0].message.contains("background picture “wall.jpg” is missing"));
    EXPECT_EQ(findings[1].componentId, missingId);
    EXPECT_TRUE(findings[1].message.contains("“gone.png” is missing"));
    EXPECT_TRUE(findings[2].message.contains("is a folder"));
    EXPECT_EQ(findings[3].rule, "undecodable-media");
    EXPECT_TRUE(findings[4].message.contains("video “loop.mp4” is missing"));
    EXPECT_EQ(findings[5].rule, "undecodable-media");
    EXPECT_TRUE(findings[5].message.contains("“notes.mp4” is not a video file"));
    for (const CheckFinding& f : findings) {
        EXPECT_EQ(f.severity, Severity::error);
        EXPECT_TRUE(f.deployFails) << f.message.toStdString(); // as deployment refuses each of them
        EXPECT_EQ(f.screenNumber, 1);
        EXPECT_EQ(f.screenName, "Entrance");
    }
}

TEST_F(ShowCheckTest, APictureIsBlurryPastOneAndAHalfTimesAndWastefulBeyondAQuarter) {
    PlacedComponent& small = add(ComponentType::image, {0, 0}, {150, 150});
    small.properties[PropertyKey::imagePath] = picture("small.png", {100, 100});
    small.properties[PropertyKey::fittingMode] = QStringLiteral("stretch");
    PlacedComponent& large = add(ComponentType::image, {400, 0}, {100, 100});
    large.properties[PropertyKey::imagePath] = picture("large.png", {400, 400});
    large.properties[PropertyKey::fittingMode] = QStringLiteral("fit");
    EXPECT_TRUE(check().isEmpty());

    screen().components[0].size = {151, 151};
    screen().components[1].size = {99, 99};
    EXPECT_EQ(rules(), (QStringList{"blurry-picture", "oversized-picture"}));
    EXPECT_TRUE(
        finding("blurry-picture")->message.contains("has 100 × 100 pixels but is shown at 151 × 151"));
}

TEST_F(ShowCheckTest, AComponentOnTheEdgeIsOnTheScreenAndOnePixelMoreIsCutOff) {
    add(ComponentType::shape, {1820, 980}, {100, 100});
    EXPECT_TRUE(check().isEmpty());

    screen().components[0].position = {1821, 980};
    EXPECT_EQ(
        finding("partly-off-screen")->message,
        "The Shape at 1821, 980 reaches 1 px past the right edge of the screen and is cut off there: move it "
        "inside or make it smaller.");
    screen().components[0].position = {-300, 2000};
    EXPECT_EQ(rules(), QStringList{"off-screen"});

    // Turned, a square inside its frame's reach sticks out by its corners.
    screen().components[0].position = {1820, 980};
    screen().components[0].properties[PropertyKey::rotation] = QStringLiteral("45");
    EXPECT_EQ(rules(), QStringList{"partly-off-screen"});
}

TEST_F(ShowCheckTest, AScreenNeedsThreeWordsASecondAndTwoSecondsMore) {
    addText(ComponentType::title, QStringLiteral("Open daily"), 72, QStringLiteral("#000000"));
    addText(ComponentType::label, QStringLiteral("Books, films and music for everyone – free"), 40,
            QStringLiteral("#000000"), {100, 400});
    screen().duration = 5; // 9 words: 3 s to read, 2 to notice
    EXPECT_TRUE(check().isEmpty());
    screen().duration = 4;
    EXPECT_TRUE(finding("reading-time")->message.startsWith("The screen shows 9 words for 4 seconds"));
}

TEST_F(ShowCheckTest, PagesFromTheNetworkAndLiveMediaInHighPerformanceModeAreWarned) {
    PlacedComponent& web = add(ComponentType::webView, {0, 0}, {400, 300});
    web.properties[PropertyKey::url] = QStringLiteral("https://example.org/news");
    add(ComponentType::video, {500, 0}, {400, 300});
    EXPECT_EQ(rules(), QStringList{"web-needs-network"});
    EXPECT_EQ(rules({true}),
              (QStringList{"web-needs-network", "high-performance-media", "high-performance-media"}));

    screen().components[0].properties[PropertyKey::url] = QStringLiteral("www.example.org/news");
    EXPECT_EQ(rules(), QStringList{"web-needs-network"}) << "an older document's address without a scheme";
    // What a web view can never show: a local file, a path, another scheme.
    for (const char* address :
         {"file:///srv/signage/menu.html", "/var/www/board.html", "ftp://example.org/a"}) {
        screen().components[0].properties[PropertyKey::url] = QString::fromLatin1(address);
        EXPECT_EQ(rules(), QStringList{"web-address"}) << address;
    }
    EXPECT_TRUE(finding("web-address")->message.contains("“ftp://example.org/a”, which is no web page"));
    screen().components[0].properties.remove(PropertyKey::url);
    EXPECT_TRUE(check().isEmpty());
}

TEST_F(ShowCheckTest, ButtonsToScreensThatAreGoneAndFilmsNobodyCanStartAreWarned) {
    project.screens.append(KioskScreen(QStringLiteral("Menu")));
    PlacedComponent& button = add(ComponentType::image, {0, 0}, {200, 200});
    button.properties[PropertyKey::actionCategory] = QStringLiteral("navigation");
    const auto warnedFor = [&](const QString& target) {
        screen().components[0].properties[PropertyKey::targetScreenId] = target;
        return rules().contains("missing-target-screen");
    };
    EXPECT_FALSE(warnedFor(uuidText(project.screens[1].id)));
    EXPECT_TRUE(warnedFor(uuidText(QUuid::createUuid()))) << "a screen deleted since";
    EXPECT_FALSE(warnedFor(QStringLiteral("next")));
    EXPECT_FALSE(warnedFor(QStringLiteral("screen_1")));
    EXPECT_TRUE(warnedFor(QStringLiteral("screen_2")));
    EXPECT_TRUE(warnedFor(QStringLiteral("lobby")));
    EXPECT_FALSE(warnedFor(QString())) << "no action at all";
    screen().components.clear();

    PlacedComponent& film = add(ComponentType::video, {0, 0}, {400, 300});
    film.properties[PropertyKey::videoPath] = home.filePath("clip.mp4");
    film.properties[PropertyKey::showsControls] = QStringLiteral("false");
    const std::optional<CheckFinding> never = finding("video-never-starts");
    ASSERT_TRUE(never);
    EXPECT_EQ(never->fix, (CheckFinding::Fix{"Turn Autoplay On", PropertyKey::isAutoplay, "true"}));
    screen().components[0].properties[PropertyKey::isAutoplay] = QStringLiteral("true");
    EXPECT_FALSE(finding("video-never-starts"));
    screen().components[0].properties.remove(PropertyKey::isAutoplay);
    screen().components[0].properties.remove(PropertyKey::showsControls); // a play button by default
    EXPECT_FALSE(finding("video-never-starts"));
}

TEST_F(ShowCheckTest, FindingsNameTheirScreenCountedFromOne) {
    project.screens.append(KioskScreen(QStringLiteral("Café")));
    project.screens[1].resolution = {1920, 1080};
    project.screens[1].components.append(makeComponent(ComponentType::shape, {5000, 5000}));
    const QList<CheckFinding> findings = check();
    ASSERT_EQ(findings.size(), 1);
    EXPECT_EQ(findings[0].screenNumber, 2);
    EXPECT_EQ(findings[0].screenName, "Café");
    EXPECT_EQ(findings[0].screenId, project.screens[1].id);
    EXPECT_EQ(findings[0].componentType, ComponentType::shape);
}

} // namespace
} // namespace vistrelle::test_support
