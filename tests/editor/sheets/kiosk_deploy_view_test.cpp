#include "editor/sheets/kiosk_deploy_view.h"
#include "editor/sheets/player_launch.h"
#include "editor/sheets/publish_sheet.h"
#include "model/component_factory.h"
#include "platform/preferences.h"
#include "support/media_samples.h"
#include "support/temporary_home.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace vistrelle;
using namespace vistrelle::test_support;

namespace {

class DeployViewTest : public TemporaryHomeTest {
protected:
    KioskProject show() {
        KioskProject project;
        project.metadata.name = "Lobby";
        project.settings.deployPassword = "secret";
        project.screens[0].components = {makeComponent(ComponentType::video, {})};
        return project;
    }
    QPushButton* button(QWidget& view, const QString& text) {
        for (QPushButton* candidate : view.findChildren<QPushButton*>())
            if (candidate->text() == text)
                return candidate;
        return nullptr;
    }
    bool showsText(KioskDeployView& view, const QString& text) {
        for (QLabel* label : view.findChildren<QLabel*>())
            if (label->isVisibleTo(&view) && label->text() == text)
                return true;
        return false;
    }
};

TEST_F(DeployViewTest, TextsProgressAndTheFolderToReveal) {
    EXPECT_EQ(KioskDeployView::progressText(0.45), "Deploying... 45%");
    EXPECT_EQ(KioskDeployView::progressText(1.0), "Deploying... 100%");
    EXPECT_EQ(KioskDeployView::folderToReveal(QUrl::fromLocalFile("/out/Show-2.bundle")), "/out");
    EXPECT_EQ(KioskDeployView::folderToReveal(QUrl::fromLocalFile("/out/slides")), "/out/slides");

    KioskDeployView view(show());
    view.show();
    EXPECT_TRUE(showsText(view, "3. A bundle file 'Lobby.bundle' will be created"));
    EXPECT_FALSE(showsText(view, "Videos or web views are not supported for this mode"));
    view.findChild<QCheckBox*>()->click();
    EXPECT_TRUE(view.exportOptimized());
    EXPECT_TRUE(showsText(view, "Videos or web views are not supported for this mode"));
    for (QToolButton* segment : view.findChildren<QToolButton*>())
        if (segment->text() == "PNG")
            segment->click();
    EXPECT_EQ(view.options().optimizedFormat, "png");
}

TEST_F(DeployViewTest, ADeploymentIsFollowedToItsEndAndFailuresSayHowToFixThem) {
    KioskDeployView view(show());
    view.show();
    QSignalSpy finished(&view.manager(), &KioskDeployManager::finished);
    view.deployTo(home.filePath("out"));
    EXPECT_FALSE(button(view, "Generate Content...")->isEnabled()); // one deployment at a time
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_TRUE(button(view, "Generate Content...")->isEnabled());
    EXPECT_TRUE(showsText(view, "Deployment completed successfully!"));
    EXPECT_TRUE(button(view, "Reveal Folder")->isVisibleTo(&view));
    // "Play" hands the bundle just made to the player that ships beside the editor, which can play it.
    EXPECT_TRUE(button(view, "Play")->isVisibleTo(&view));
    const QString deployed = view.manager().destinationURL().toLocalFile();
    EXPECT_TRUE(deployed.endsWith(".bundle"));
    ASSERT_FALSE(playerProgram().isEmpty());
    EXPECT_EQ(QProcess::execute(playerProgram(), {"--check", deployed}), 0);
    EXPECT_EQ(playInWindowArguments(deployed), (QStringList{"--windowed", deployed}));
    const auto* log = view.findChild<QListWidget*>();
    ASSERT_EQ(log->count(), view.manager().deployLog().size());
    EXPECT_EQ(log->item(log->count() - 1)->text(), "Deployment completed successfully!");

    KioskProject noPassword = show();
    noPassword.settings.deployPassword.clear();
    KioskDeployView asking(noPassword);
    asking.show();
    QSignalSpy password(&asking, &KioskDeployView::passwordRequested);
    QSignalSpy failed(&asking.manager(), &KioskDeployManager::finished);
    asking.deployTo(home.filePath("out"));
    ASSERT_TRUE(failed.wait(20000));
    EXPECT_TRUE(showsText(asking, "Deployment failed: Deploy password is required"));
    EXPECT_FALSE(button(asking, "Play")->isVisibleTo(&asking));
    button(asking, "Set Deploy Password…")->click();
    EXPECT_EQ(password.count(), 1);
    EXPECT_FALSE(asking.isVisible());
}

TEST_F(DeployViewTest, WhileSlidesAreDrawnTheSheetCountsThem) {
    KioskProject project = show();
    project.screens[0].components.clear();
    for (int i = 1; i < 5; ++i)
        project.screens.append(KioskScreen(QStringLiteral("Screen %1").arg(i + 1)));
    KioskDeployView view(project);
    view.show();
    view.findChild<QCheckBox*>()->click(); // pre-rendered slides
    QStringList counts;
    QObject::connect(&view.manager(), &KioskDeployManager::deployProgressChanged, &view, [&] {
        for (QLabel* label : view.findChildren<QLabel*>())
            if (label->isVisibleTo(&view) && label->text().startsWith("Slide ") &&
                !counts.contains(label->text()))
                counts << label->text();
    });
    QSignalSpy finished(&view.manager(), &KioskDeployManager::finished);
    view.deployTo(home.filePath("out"));
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(counts,
              (QStringList{"Slide 1 of 5", "Slide 2 of 5", "Slide 3 of 5", "Slide 4 of 5", "Slide 5 of 5"}));
    EXPECT_TRUE(view.manager().deployLog().contains("Rendered: screen001.jpg"))
        << "the log says what it said";
}

TEST_F(DeployViewTest, ClosingDuringADeploymentAsksThenCancels) {
    // A film large enough (sparse, so it costs no disk) that the copy is still running when the user stops
    // it.
    QFile film(home.filePath("Movies/long.mp4"));
    QDir().mkpath(home.filePath("Movies"));
    ASSERT_TRUE(film.open(QIODevice::WriteOnly));
    film.write(test_support::videoBytes());
    ASSERT_TRUE(film.resize(qint64(4) << 30));
    film.close();
    KioskProject project = show();
    project.screens[0].components[0].properties["videoPath"] = "~/Movies/long.mp4";

    KioskDeployView view(project);
    view.show();
    view.deployTo(home.filePath("out"));
    view.reject();
    auto* question = view.findChild<QMessageBox*>();
    ASSERT_NE(question, nullptr);
    EXPECT_TRUE(view.isVisible());
    ASSERT_TRUE(view.manager().isDeploying());
    QSignalSpy finished(&view.manager(), &KioskDeployManager::finished);
    for (QAbstractButton* choice : question->buttons())
        if (choice->text() == "Stop Deployment")
            choice->click();
    ASSERT_TRUE(finished.wait(20000));
    QApplication::processEvents();
    EXPECT_FALSE(view.isVisible());
    EXPECT_EQ(view.manager().deployStatus().kind, DeployStatus::Kind::cancelled);
    EXPECT_TRUE(QDir(home.filePath("out")).entryList({"*.bundle"}, QDir::AllEntries).isEmpty())
        << "the half-written bundle is gone";
}

} // namespace

TEST_F(DeployViewTest, PublishToChannelRemembersItsPlacesPerProjectAndNeverTheKey) {
    Preferences::setStoreFolder(home.filePath("prefs"));
    KioskProject project = show();
    KioskDeployView deploy(project);
    deploy.setProjectKey(home.filePath("lobby.vistrelle"));
    deploy.show();
    deploy.findChild<QPushButton*>("publishToChannel")->click();
    auto* sheet = deploy.findChild<PublishSheet*>();
    ASSERT_TRUE(sheet);
    sheet->makeKey(home.filePath("channel.key"));
    EXPECT_EQ(sheet->findChild<QLineEdit*>("publicKey")->text().size(), 44) << "the key the displays trust";
    auto* destination = sheet->findChild<QLineEdit*>("publishDestination");
    destination->setFocus();
    QTest::keyClicks(destination, home.filePath("web"));
    auto* channel = sheet->findChild<QLineEdit*>("publishChannel");
    channel->selectAll();
    QTest::keyClicks(channel, "branch-2");
    QSignalSpy finished(sheet, &PublishSheet::finished);
    button(*sheet, "Publish")->click();
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_TRUE(sheet->outcome().startsWith("Published.")) << sheet->outcome().toStdString();
    EXPECT_TRUE(QFile::exists(home.filePath("web/channels/branch-2/manifest.json.sig")));
    sheet->close();
    QApplication::processEvents();

    // The next time, for this project: the same places, and nowhere the key itself.
    deploy.findChild<QPushButton*>("publishToChannel")->click();
    auto* again = deploy.findChild<PublishSheet*>();
    ASSERT_TRUE(again);
    EXPECT_EQ(again->findChild<QLineEdit*>("publishDestination")->text(), home.filePath("web"));
    EXPECT_EQ(again->findChild<QLineEdit*>("publishChannel")->text(), "branch-2");
    EXPECT_EQ(again->findChild<QLineEdit*>("publishKeyFile")->text(), home.filePath("channel.key"));
    QFile key(home.filePath("channel.key"));
    ASSERT_TRUE(key.open(QIODevice::ReadOnly));
    const QByteArray secret = key.readAll().split('\n').value(1);
    for (const QString& file : QDir(home.filePath("prefs")).entryList(QDir::Files)) {
        QFile stored(QDir(home.filePath("prefs")).filePath(file));
        ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
        EXPECT_FALSE(stored.readAll().contains(secret));
    }
}
