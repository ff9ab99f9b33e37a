#include "export/kiosk_deploy_manager.h"
#include "export/slide_export.h"
#include "media/file_error.h"
#include "media/image_cache.h"
#include "media/path_resolver.h"
#include "render/image_source.h"
#include "support/temporary_home.h"

#include <QImage>
#include <QSignalSpy>

using namespace vistrelle;
using namespace vistrelle::test_support;

namespace {

class SlideExportTest : public TemporaryHomeTest {
protected:
    KioskProject threeScreens() {
        KioskProject project;
        project.metadata.name = "Show";
        project.settings.deployPassword = "pw";
        project.settings.defaultResolution =
            ScreenResolution::presets(ScreenMode::horizontal)[1]; // 1280 × 720
        project.screens[0].duration = 5;
        project.screens[0].background.color = "#FF0000";
        project.screens.append(KioskScreen("Two"));
        project.screens[1].duration = 1;
        project.screens.append(KioskScreen("Three"));
        project.screens[2].duration = 10;
        return project;
    }

    QList<QPair<double, QString>> deploy(const KioskProject& project, const QString& destination, bool flat,
                                         const QString& format = "jpg") {
        KioskDeployManager manager;
        QList<QPair<double, QString>> steps;
        QObject::connect(&manager, &KioskDeployManager::stepReached,
                         [&](double progress, const QString& message) {
                             steps.append({progress, message});
                         });
        QSignalSpy finished(&manager, &KioskDeployManager::finished);
        manager.deploy(project, destination, {true, format, flat});
        EXPECT_TRUE(finished.wait(30000));
        EXPECT_EQ(manager.deployStatus().kind, DeployStatus::Kind::success)
            << manager.deployStatus().message.toStdString();
        return steps;
    }
};

} // namespace

TEST_F(SlideExportTest, NamesFormatsAndDurations) {
    EXPECT_EQ(optimizedSlideName(0, SlideFormat::from("jpg")), "screen001.jpg");
    EXPECT_EQ(optimizedSlideName(999, SlideFormat::from("PNG")), "screen1000.png");
    EXPECT_EQ(flatSlideName(1, 1, SlideFormat::from("")), "screen002_3.jpg");
    EXPECT_EQ(SlideFormat::from("webp").extension(), "jpg");
    EXPECT_EQ(durationsJson(threeScreens()), "[5,3,10]");
}

TEST_F(SlideExportTest, AnOptimizedBundleHoldsSlidesDurationsAndTheXml) {
    const QString out = home.filePath("out");
    const auto steps = deploy(threeScreens(), out, false);
    const QDir resources(out + "/Show.bundle/Contents/Resources");
    QStringList files = resources.entryList(QDir::Files);
    files.sort();
    EXPECT_EQ(files, (QStringList{"Optimized", "VistrelleData.xml", "durations.json", "screen001.jpg",
                                  "screen002.jpg", "screen003.jpg"}));
    EXPECT_EQ(contentsOf(resources.filePath("Optimized")), "true");
    EXPECT_EQ(contentsOf(resources.filePath("durations.json")), "[5,3,10]");
    const QImage first(resources.filePath("screen001.jpg"));
    EXPECT_EQ(first.size(), QSize(1280, 720));
    EXPECT_GT(first.pixelColor(640, 360).red(), 240);

    QStringList messages;
    for (const auto& [progress, message] : steps)
        messages << QString::number(progress, 'g', 3) + " " + message;
    EXPECT_EQ(messages.mid(4),
              (QStringList{"0.5 Rendering optimized slides...", "0.65 Rendered: screen001.jpg",
                           "0.75 Rendered: screen002.jpg", "0.85 Rendered: screen003.jpg",
                           "0.85 XML data exported for optimized mode", "0.9 Finalizing deployment...",
                           "1 Deployment completed successfully!"}));
    EXPECT_TRUE(QFileInfo::exists(out + "/README.txt"));
}

TEST_F(SlideExportTest, AFlatExportWritesOnlyNamedSlides) {
    const QString out = home.filePath("flat");
    const auto steps = deploy(threeScreens(), out, true, "Png");
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{"screen001_5.png", "screen002_3.png", "screen003_10.png"}));
    ASSERT_EQ(steps.size(), 6);
    EXPECT_EQ(steps[1].second, "Exporting optimized slides for Windows/Linux...");
    EXPECT_NEAR(steps[2].first, 0.6167, 1e-4);
    EXPECT_EQ(steps[4].second, "Exported: screen003_10.png");
    EXPECT_EQ(steps[5].second, "Export completed successfully!");
}

TEST_F(SlideExportTest, ScreensTooLargeToDrawFailEveryDeploymentBeforeAnythingIsWritten) {
    KioskProject project = threeScreens();
    project.settings.defaultResolution.width = 17000;
    project.settings.defaultResolution.height = 1000;
    const QList<DeployOptions> modes{{false, "jpg", false}, {true, "jpg", false}, {true, "png", true}};
    for (const DeployOptions& mode : modes) {
        const QString out =
            home.filePath(QStringLiteral("out-%1-%2").arg(mode.exportOptimized).arg(mode.exportFlat));
        QDir().mkpath(out);
        KioskDeployManager manager;
        QSignalSpy finished(&manager, &KioskDeployManager::finished);
        manager.deploy(project, out, mode);
        ASSERT_TRUE(finished.wait(30000));
        EXPECT_EQ(manager.deployStatus().kind, DeployStatus::Kind::failed);
        EXPECT_EQ(
            manager.deployStatus().message,
            "The project’s resolution 17000 × 1000 can’t be shown: screens are at least 1 × 1 and at most "
            "16384 × 16384 pixels.");
        EXPECT_TRUE(QDir(out).isEmpty()) << out.toStdString();
    }
    // Drawing checks the size again, naming the screen, for callers that draw without deploying.
    EXPECT_THROW(checkSlidesCanBeDrawn(project), FileError);
}

TEST_F(SlideExportTest, ADurationsFileThatCannotBeWrittenFailsTheExport) {
    const QString out = home.filePath("full");
    QDir().mkpath(out);
    // A disk that is full by the time the durations are written.
    ASSERT_TRUE(QFile::link("/dev/full", out + "/durations.json"));
    EXPECT_THROW(
        try {
            BlockingImageSource images(ImageCache::shared());
            exportOptimizedSlides(threeScreens(), out, SlideFormat::from("jpg"), images,
                                  PathResolver::shared(), [](double, const QString&) {});
        } catch (const FileError& error) {
            EXPECT_TRUE(error.description.contains("No space left on device"))
                << error.description.toStdString();
            throw;
        },
        FileError);
}
