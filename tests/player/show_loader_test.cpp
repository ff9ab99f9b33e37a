#include "player/show_loader.h"

#include "model/component_factory.h"
#include "model/component_properties.h"
#include "player/player_fixture.h"
#include "player/show_summary.h"
#include "support/media_samples.h"

#include <QImage>

#include <sys/stat.h>

using namespace vistrelle;
using namespace vistrelle::test_support;

namespace {

class ShowLoaderTest : public PlayerTest {
protected:
    // Two screens: a picture and a film on the first, a label on the second.
    KioskProject showWithMedia() {
        KioskProject project;
        project.metadata.name = "Lobby";
        project.settings.deployPassword = "secret";
        PlacedComponent image = makeComponent(ComponentType::image, {0, 0});
        image.properties[PropertyKey::imagePath] = makeFile("Pictures/a.png", pictureBytes("PNG"));
        PlacedComponent video = makeComponent(ComponentType::video, {300, 0});
        video.properties[PropertyKey::videoPath] = makeFile("Movies/b.mp4", videoBytes());
        project.screens[0].components = {image, video};
        project.screens[0].transition.effect = TransitionEffect::fade;
        project.screens.append(KioskScreen("Second"));
        project.screens[1].components = {makeComponent(ComponentType::label, {10, 10})};
        return project;
    }
    static QString resources(const QString& bundle) { return bundle + "/Contents/Resources"; }
    static void replaceFile(const QString& path, const QByteArray& bytes) {
        QFile::remove(path);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

} // namespace

TEST_F(ShowLoaderTest, ABundlePlaysWhatItCanAndSaysOnceWhatItLeftOut) {
    const QString bundle = deploy(showWithMedia());
    ShowLoad load = loadShow(bundle);
    ASSERT_TRUE(load.show);
    EXPECT_EQ(load.show->kind, ShowKind::bundle);
    EXPECT_EQ(load.show->project.screens.size(), 2);
    EXPECT_EQ(load.show->project.screens[0].components.size(), 2);
    EXPECT_TRUE(load.show->faults.isEmpty());
    const QString fingerprint = load.show->fingerprint;

    // Random bytes named like the film, a folder and a bomb in the picture's place: each left out alone.
    replaceFile(resources(bundle) + "/b.mp4", "not a film at all");
    QFile::remove(resources(bundle) + "/a.png");
    replaceFile(resources(bundle) + "/a.png", pngBombBytes(12000));
    load = loadShow(bundle);
    ASSERT_TRUE(load.show);
    EXPECT_TRUE(load.show->project.screens[0].components.isEmpty());
    EXPECT_EQ(load.show->project.screens[1].components.size(), 1) << "the rest of the show plays";
    ASSERT_EQ(load.show->faults.size(), 2);
    EXPECT_TRUE(load.show->faults[0].startsWith("Left out: Resources/a.png (cannot be decoded)"))
        << load.show->faults[0].toStdString();
    EXPECT_NE(load.show->fingerprint, fingerprint) << "the same player data, other media: read again";

    QFile::remove(resources(bundle) + "/a.png");
    ASSERT_TRUE(QDir().mkpath(resources(bundle) + "/a.png"));
    QFile::remove(resources(bundle) + "/b.mp4");
    ASSERT_EQ(::mkfifo(qPrintable(resources(bundle) + "/b.mp4"), 0600), 0);
    load = loadShow(bundle);
    ASSERT_TRUE(load.show) << "a pipe is never opened, so nothing blocks";
    EXPECT_TRUE(load.show->faults.join('\n').contains("(a folder)"));
    EXPECT_TRUE(load.show->faults.join('\n').contains("(not a regular file)"));

    // A link in the bundle to a picture outside it is as good as a path out of it.
    const QString outside = makeFile("elsewhere.png", pictureBytes("PNG"));
    QDir(resources(bundle) + "/a.png").removeRecursively();
    ASSERT_TRUE(QFile::link(outside, resources(bundle) + "/a.png"));
    load = loadShow(bundle);
    EXPECT_TRUE(load.show->faults.join('\n').contains("Left out: Resources/a.png (outside the bundle)"))
        << load.show->faults.join('\n').toStdString();

    const QStringList summary = showSummary(load);
    EXPECT_EQ(summary[2], "Screen 1 “Start”: 5 s, Fade 1 s");
    EXPECT_EQ(summary.last(), "Plays 2 screens, 10 s a loop.");
}

TEST_F(ShowLoaderTest, BrokenPlayerDataOrNoShowIsAProblemInOneLine) {
    const QString bundle = deploy(showWithMedia());
    const QString data = resources(bundle) + "/VistrelleData.xml";
    QFile file(data);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    file.close();

    replaceFile(data, whole.left(whole.size() / 2));
    ShowLoad load = loadShow(bundle);
    EXPECT_FALSE(load.show);
    EXPECT_TRUE(load.problem.startsWith("The player data is damaged (line ")) << load.problem.toStdString();
    replaceFile(data, R"(<!DOCTYPE a [<!ENTITY a "aaaaaaaaaa">]><KioskProject>&a;</KioskProject>)");
    EXPECT_TRUE(loadShow(bundle).problem.contains("document type"));
    replaceFile(data, QByteArray(4096, '\x7f'));
    EXPECT_FALSE(loadShow(bundle).show);

    EXPECT_EQ(loadShow(home.filePath("empty")).problem, "Nothing is there: " + home.filePath("empty"));
    QDir().mkpath(home.filePath("empty"));
    EXPECT_TRUE(loadShow(home.filePath("empty")).problem.startsWith("No show in the folder"));
    EXPECT_EQ(showSummary(loadShow(home.filePath("empty"))).size(), 1);
}

TEST_F(ShowLoaderTest, PngSlidesPlayWithoutAFault) {
    KioskProject project = showWithMedia();
    project.screens[0].components.removeLast(); // slides show no film
    DeployOptions options;
    options.exportOptimized = true;
    options.optimizedFormat = "png";
    const ShowLoad load = loadShow(deploy(project, options));
    ASSERT_TRUE(load.show);
    EXPECT_EQ(load.show->kind, ShowKind::optimizedBundle);
    EXPECT_EQ(load.show->project.screens.size(), project.screens.size());
    EXPECT_TRUE(load.show->faults.isEmpty()) << load.show->faults.join('\n').toStdString();
}

TEST_F(ShowLoaderTest, APreRenderedBundleKeepsItsOrderDurationsAndTransitions) {
    KioskProject project = showWithMedia();
    project.screens[0].components.removeLast(); // slides show no film
    project.screens[1].duration = 9;
    project.screens.append(KioskScreen("Third"));
    DeployOptions options;
    options.exportOptimized = true;
    const QString bundle = deploy(project, options);
    ShowLoad load = loadShow(bundle);
    ASSERT_TRUE(load.show);
    EXPECT_EQ(load.show->kind, ShowKind::optimizedBundle);
    ASSERT_EQ(load.show->project.screens.size(), 3);
    EXPECT_EQ(load.show->project.screens[0].transition.effect, TransitionEffect::fade);
    EXPECT_EQ(load.show->project.screens[1].duration, 9);
    EXPECT_EQ(load.show->project.screens[1].name, "Second");

    // A missing slide is skipped; negative durations hold for 3 s; garbage falls back to the player data.
    QFile::remove(resources(bundle) + "/screen002.jpg");
    replaceFile(resources(bundle) + "/durations.json", "[-4,9,12]");
    load = loadShow(bundle);
    ASSERT_EQ(load.show->project.screens.size(), 2);
    EXPECT_EQ(load.show->project.screens[0].duration, 3);
    EXPECT_EQ(load.show->project.screens[1].name, "Third");
    EXPECT_EQ(load.show->project.screens[1].duration, 12);
    replaceFile(resources(bundle) + "/durations.json", "{garbage");
    load = loadShow(bundle);
    EXPECT_EQ(load.show->project.screens[0].duration, 5);
    EXPECT_TRUE(load.show->faults.join('\n').contains("durations.json is damaged"));
    QFile::remove(resources(bundle) + "/durations.json");
    EXPECT_TRUE(loadShow(bundle).show->faults.join('\n').contains("durations.json is missing"));
}

TEST_F(ShowLoaderTest, ASlideFolderPlaysInNumberOrderFittedToTheFirstSlide) {
    const QString folder = home.filePath("slides");
    QDir().mkpath(folder);
    QImage wide(400, 200, QImage::Format_RGB32);
    wide.fill(Qt::red);
    ASSERT_TRUE(wide.save(folder + "/screen002_7.png"));
    QImage tall(100, 300, QImage::Format_RGB32); // another size than the rest: shown whole, letterboxed
    tall.fill(Qt::blue);
    ASSERT_TRUE(tall.save(folder + "/screen010_1.jpg"));
    ASSERT_TRUE(wide.save(folder + "/screen001_4.png"));
    makeFile("slides/screen003_5.png", "random bytes");
    ASSERT_EQ(::mkfifo(qPrintable(folder + "/screen000_5.png"), 0600), 0); // first by number: never opened
    makeFile("slides/screenshot_1.png", pictureBytes("PNG"));              // not a slide's name
    const ShowLoad load = loadShow(folder);
    ASSERT_TRUE(load.show);
    EXPECT_EQ(load.show->kind, ShowKind::slideFolder);
    ASSERT_EQ(load.show->project.screens.size(), 3);
    EXPECT_EQ(load.show->project.screens[0].duration, 4);
    EXPECT_EQ(load.show->project.screens[1].duration, 7);
    EXPECT_EQ(load.show->project.screens[2].duration, 3);
    EXPECT_EQ(load.show->project.settings.defaultResolution.width, 400);
    EXPECT_EQ(load.show->project.screens[2].components.first().properties.value(PropertyKey::fittingMode),
              "fit");
    EXPECT_EQ(load.show->faults, (QStringList{"Left out: screen000_5.png (not a regular file).",
                                              "Left out: screen003_5.png (cannot be decoded)."}));

    // Files named nearly like slides are no slide folder.
    const QString near = home.filePath("near");
    QDir().mkpath(near);
    makeFile("near/screenshot_1.png", pictureBytes("PNG"));
    makeFile("near/SCREEN001_10.JPG", pictureBytes("JPEG"));
    makeFile("near/screen01_5.jpg", pictureBytes("JPEG"));
    EXPECT_TRUE(loadShow(near).problem.startsWith("No show in the folder"));
}

TEST_F(ShowLoaderTest, ADeployFolderPlaysItsNewestCompleteBundle) {
    KioskProject first = showWithMedia();
    const QString older = deploy(first);
    ASSERT_TRUE(isBundleFolder(destination));
    EXPECT_EQ(loadShow(destination).show->path, older);

    first.screens[1].name = "Changed";
    const QString newer = deploy(first);
    // Deploys seconds apart: give the newer one a later time, as a real second deploy has.
    const QDateTime later = QDateTime::currentDateTime().addSecs(5);
    QFile data(resources(newer) + "/VistrelleData.xml");
    ASSERT_TRUE(data.open(QIODevice::ReadWrite));
    data.setFileTime(later, QFileDevice::FileModificationTime);
    data.close();
    // Still being written: its README is not there yet.
    EXPECT_EQ(newestCompleteBundle(destination), older);
    QFile readme(destination + "/README.txt");
    ASSERT_TRUE(readme.open(QIODevice::ReadWrite));
    readme.setFileTime(later, QFileDevice::FileModificationTime);
    readme.close();
    EXPECT_EQ(newestCompleteBundle(destination), newer);
    // A resource it lists is missing: not complete.
    QFile::remove(resources(newer) + "/a.png");
    EXPECT_EQ(newestCompleteBundle(destination), older);
}
