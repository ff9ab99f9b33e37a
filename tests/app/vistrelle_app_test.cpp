#include "app/single_instance.h"
#include "app/vistrelle_app.h"
#include "app/welcome_window.h"
#include "editing/style_preset_manager.h"
#include "editor/editor_window.h"
#include "editor/palette_windows.h"
#include "editor/sheets/kiosk_deploy_view.h"
#include "model/component_factory.h"
#include "model/component_properties.h"
#include "platform/notification_center.h"
#include "platform/preferences.h"
#include "support/log_capture.h"
#include "support/media_samples.h"
#include "support/read_only_folder.h"
#include "support/setup_sheet.h"
#include "support/sparse_file.h"

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>
#include <QtConcurrent>

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

class VistrelleAppTest : public ::testing::Test {
protected:
    void SetUp() override {
        Preferences::setStoreFolder(folder.filePath("config"));
        NotificationCenter::defaultCenter().reset();
    }
    void TearDown() override { settle(); }
    // Lets posted work run; a new document's setup sheet is taken as it stands.
    static void settle() {
        test_support::acceptProjectSetup();
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // A fresh application, as after a restart (the preference store stays).
    std::unique_ptr<VistrelleApp> start(const QStringList& files = {}) {
        auto app = std::make_unique<VistrelleApp>();
        app->documents().setQuietForTests(
            [](EditorWindow&) { return DocumentController::CloseAnswer::discard; });
        app->launch(files);
        settle();
        return app;
    }
    static void click(QWidget* window, const char* buttonName) {
        auto* button = window->findChild<QPushButton*>(QString::fromLatin1(buttonName));
        ASSERT_TRUE(button);
        ASSERT_TRUE(button->isVisible());
        button->click();
        settle();
    }
    QString savedProject(const QString& fileName) {
        const QString path = folder.filePath(fileName);
        EXPECT_FALSE(VistrelleDocument().writeFile(path).has_value());
        return path;
    }

    QTemporaryDir folder;
};

} // namespace

TEST_F(VistrelleAppTest, TheFirstStartWelcomesUntilGetStartedAndNeverAgain) {
    {
        auto app = start();
        ASSERT_TRUE(app->welcomeWindow());
        EXPECT_TRUE(app->welcomeWindow()->isVisible());
        EXPECT_TRUE(app->documents().windows().isEmpty()) << "the welcome comes before the first document";
        click(app->welcomeWindow(), "getStarted");
        EXPECT_FALSE(app->welcomeWindow());
        EXPECT_EQ(app->documents().windows().size(), 1);
        EXPECT_TRUE(Preferences::value(VistrelleApp::hasSeenWelcomeKey).toBool());
        app->documents().closeAll();
        settle();
    }
    auto restarted = start();
    EXPECT_FALSE(restarted->welcomeWindow() && restarted->welcomeWindow()->isVisible());
    EXPECT_EQ(restarted->documents().windows().size(), 1);
    restarted->documents().closeAll();
}

TEST_F(VistrelleAppTest, ClosingTheLastDocumentLeavesTheStartWindowWithRecentProjects) {
    Preferences::setValue(VistrelleApp::hasSeenWelcomeKey, true);
    const QString path = savedProject("lobby.vistrelle");
    auto app = start({path});
    ASSERT_EQ(app->documents().windows().size(), 1);
    PaletteWindows::shared().show(PaletteWindows::screensIdentifier);
    QSignalSpy quit(app.get(), &VistrelleApp::quitRequested);

    app->documents().windows().first()->close();
    settle();
    EXPECT_FALSE(PaletteWindows::shared().window(PaletteWindows::screensIdentifier))
        << "palettes go with the last document";
    WelcomeWindow* startWindow = app->welcomeWindow();
    ASSERT_TRUE(startWindow);
    EXPECT_TRUE(startWindow->isVisible());
    EXPECT_FALSE(startWindow->findChild<QPushButton*>("getStarted")->isVisible());
    EXPECT_EQ(quit.count(), 0);

    // One click on a recent project opens it and puts the start window away.
    ASSERT_EQ(startWindow->recentList()->count(), 1);
    QListWidget* recent = startWindow->recentList();
    QTest::mouseClick(recent->viewport(), Qt::LeftButton, {},
                      recent->visualItemRect(recent->item(0)).center());
    settle();
    ASSERT_EQ(app->documents().windows().size(), 1);
    EXPECT_EQ(app->documents().windows().first()->filePath(), QFileInfo(path).absoluteFilePath());
    EXPECT_FALSE(app->welcomeWindow());

    // Ctrl+Q from the start window ends the application.
    app->documents().windows().first()->close();
    settle();
    ASSERT_TRUE(app->welcomeWindow());
    app->welcomeWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app->welcomeWindow()));
    QTest::keyClick(app->welcomeWindow(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(quit.count(), 1);
}

TEST_F(VistrelleAppTest, QuittingFromADocumentDoesNotBringUpTheStartWindow) {
    Preferences::setValue(VistrelleApp::hasSeenWelcomeKey, true);
    auto app = start();
    QSignalSpy quit(app.get(), &VistrelleApp::quitRequested);
    app->documents().quit();
    settle();
    EXPECT_EQ(quit.count(), 1);
    EXPECT_FALSE(app->welcomeWindow());
}

TEST_F(VistrelleAppTest, AHugeFileHandedOverByAnotherLaunchIsRefusedAndTheEditorStaysUp) {
    Preferences::setValue(VistrelleApp::hasSeenWelcomeKey, true);
    const QString path = savedProject("lobby.vistrelle");
    auto app = start({path});
    ASSERT_EQ(app->documents().windows().size(), 1);
    SingleInstance running(QStringLiteral("vistrelle-test-") + QUuid::createUuid().toString(QUuid::Id128));
    ASSERT_TRUE(running.listen());
    QObject::connect(&running, &SingleInstance::filesReceived, app.get(),
                     &VistrelleApp::openFromAnotherLaunch);

    // 64 GiB that begin like a project, as `truncate` makes them.
    const QString huge = folder.filePath("huge.vistrelle");
    ASSERT_TRUE(test_support::writeSparseFile(huge, "{", qint64(64) << 30));

    test_support::LogCapture log;
    QSignalSpy received(&running, &SingleInstance::filesReceived);
    QFuture<SingleInstance::HandOver> handedOver = QtConcurrent::run(
        [&] { return SingleInstance(running.serverName()).forwardToRunningInstance({huge}); });
    ASSERT_TRUE(received.wait(10000));
    handedOver.waitForFinished();
    EXPECT_EQ(handedOver.result(), SingleInstance::HandOver::taken);
    settle();
    ASSERT_EQ(log.errorMessages().size(), 2) << log.errorMessages().join('\n').toStdString();
    EXPECT_TRUE(log.errorMessages().last().startsWith("The document “huge.vistrelle” could not be opened."))
        << log.errorMessages().last().toStdString();
    ASSERT_EQ(app->documents().windows().size(), 1);
    EXPECT_EQ(app->documents().windows().first()->filePath(), QFileInfo(path).absoluteFilePath());
}

TEST_F(VistrelleAppTest, ASettingThatCannotBeSavedIsToldInTheWindowAndKeptForThisRun) {
    Preferences::setValue(VistrelleApp::hasSeenWelcomeKey, true);
    const QString path = savedProject("lobby.vistrelle");
    auto app = start();
    ASSERT_EQ(app->documents().windows().size(), 1);
    EditorWindow* window = app->documents().windows().first();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    settle();
    EXPECT_EQ(window->settingsProblem(), "");

    const test_support::ReadOnlyFolder readOnly(folder.filePath("config/Quendrix"));
    const ComponentStylePreset preset = presetFrom(
        makeComponent(ComponentType::title, {}), QStringLiteral("Headline"), QDateTime::currentDateTimeUtc());
    StylePresetManager::shared().add(preset);
    settle();
    EXPECT_EQ(window->settingsProblem(), "Could not save the style preset: Permission denied");
    EXPECT_EQ(StylePresetManager::shared().presets().size(), 1) << "the preset stays for this run";

    // Opening a project notes it among the recent ones, which cannot be saved either.
    app->documents().openFile(path);
    settle();
    EXPECT_EQ(window->settingsProblem(), "Could not save the list of recent projects: Permission denied");
    EXPECT_EQ(app->documents().recentFiles(), QStringList{QFileInfo(path).absoluteFilePath()});
}

namespace {

// A project whose deployment runs long enough to be stopped: a film of 4 GB (sparse, no disk).
QString projectWithALongFilm(QTemporaryDir& folder) {
    const QString film = folder.filePath("long.mp4");
    EXPECT_TRUE(test_support::writeSparseFile(film, test_support::videoBytes(), qint64(4) << 30));
    VistrelleDocument document;
    document.project.metadata.name = QStringLiteral("Lobby");
    document.project.settings.deployPassword = QStringLiteral("pw");
    PlacedComponent video = makeComponent(ComponentType::video, {0, 0});
    video.properties[PropertyKey::videoPath] = film;
    document.project.screens.first().components = {video};
    const QString path = folder.filePath("lobby.vistrelle");
    EXPECT_FALSE(document.writeFile(path).has_value());
    return path;
}

QMessageBox* stopQuestion(QWidget& sheet) {
    for (QMessageBox* box : sheet.findChildren<QMessageBox*>())
        if (box->isVisible())
            return box;
    return nullptr;
}

void answer(QMessageBox& question, const QString& choice) {
    for (QAbstractButton* button : question.buttons())
        if (button->text() == choice)
            button->click();
}

} // namespace

TEST_F(VistrelleAppTest, QuittingDuringADeploymentStopsItAndThenQuits) {
    Preferences::setValue(VistrelleApp::hasSeenWelcomeKey, true);
    auto app = start({projectWithALongFilm(folder)});
    ASSERT_EQ(app->documents().windows().size(), 1);
    EditorWindow* window = app->documents().windows().first();
    QSignalSpy quit(app.get(), &VistrelleApp::quitRequested);

    for (const bool fromTheSheet : {false, true}) {
        window->exportBundle();
        settle();
        auto* sheet = window->findChild<KioskDeployView*>();
        ASSERT_TRUE(sheet);
        sheet->deployTo(folder.filePath(fromTheSheet ? "out-2" : "out-1"));
        ASSERT_TRUE(sheet->manager().isDeploying());
        QWidget* keys = fromTheSheet ? static_cast<QWidget*>(sheet) : window;
        keys->activateWindow();
        QTest::keyClick(keys, Qt::Key_Q, Qt::ControlModifier);
        settle();
        QMessageBox* question = stopQuestion(*sheet);
        ASSERT_TRUE(question) << "Ctrl+Q asks to stop the deployment first";
        if (!fromTheSheet) {
            // "Keep Deploying": nothing quits, now or when the deployment ends.
            answer(*question, "Keep Deploying");
            settle();
            EXPECT_EQ(quit.count(), 0);
            QSignalSpy finished(&sheet->manager(), &KioskDeployManager::finished);
            sheet->manager().cancel();
            ASSERT_TRUE(finished.wait(20000));
            settle();
            EXPECT_EQ(quit.count(), 0);
            EXPECT_EQ(app->documents().windows().size(), 1);
            sheet->close();
            settle();
            continue;
        }
        QSignalSpy finished(&sheet->manager(), &KioskDeployManager::finished);
        answer(*question, "Stop Deployment");
        ASSERT_TRUE(finished.wait(20000));
        for (int i = 0; i < 5; ++i)
            settle();
        EXPECT_EQ(quit.count(), 1) << "after the stop, the quit carries on";
        EXPECT_FALSE(app->welcomeWindow()) << "the start window does not stand in for a quit";
    }
}
