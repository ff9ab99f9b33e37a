#include "app/window_manager.h"
#include "app/window_position_observer.h"
#include "platform/preferences.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <limits>

using namespace vistrelle;

namespace {

class WindowManagerTest : public ::testing::Test {
protected:
    void SetUp() override { Preferences::setStoreFolder(store.path()); }

    static QRect display() { return QGuiApplication::primaryScreen()->availableGeometry(); }
    static double stored(const QString& key) { return Preferences::value(key).toDouble(); }

    QTemporaryDir store;
};

} // namespace

TEST_F(WindowManagerTest, APaletteMovedByTheUserComesBackThereAfterARestart) {
    {
        QWidget screens;
        screens.resize(336, 500);
        WindowManager::shared().restoreScreensWindow(screens);
        auto* observer = new WindowPositionObserver(screens, QStringLiteral("screens"));
        screens.show();
        screens.move(display().topLeft() + QPoint(120, 30));
        screens.resize(336, 400);
        observer->flush(); // the observer waits for the window to settle; closing would flush too
    }
    EXPECT_EQ(stored("screensWindowX"), display().left() + 120);
    EXPECT_EQ(stored("screensWindowY"), display().top() + 30);
    EXPECT_EQ(stored("screensWindowHeight"), 400);

    QWidget again;
    again.resize(336, 500);
    WindowManager::shared().restoreScreensWindow(again);
    EXPECT_EQ(again.pos(), display().topLeft() + QPoint(120, 30));
    EXPECT_EQ(again.height(), 400);
}

TEST_F(WindowManagerTest, TheInspectorKeepsAHeightForEachContent) {
    QWidget inspector;
    inspector.resize(320, 740);
    WindowManager& frames = WindowManager::shared();
    frames.restoreInspectorWindow(inspector, QStringLiteral("empty"), 520);
    EXPECT_EQ(inspector.height(), std::min(520, display().height()));

    auto* observer = new WindowPositionObserver(inspector, QStringLiteral("inspector"));
    observer->setContentName(QStringLiteral("empty"));
    inspector.show();
    inspector.resize(320, 450);
    // The content changes before the resize was stored: the height belongs to the content it was made for.
    observer->setContentName(QStringLiteral("screen"));
    frames.restoreInspectorWindow(inspector, QStringLiteral("screen"), 560);
    EXPECT_EQ(stored("inspectorWindowHeight.empty"), 450);
    EXPECT_EQ(inspector.height(), std::min(560, display().height()));
    inspector.resize(320, 500);
    observer->flush();
    EXPECT_EQ(stored("inspectorWindowHeight.screen"), 500);
    EXPECT_EQ(stored("inspectorWindowHeight.empty"), 450);

    frames.restoreInspectorWindow(inspector, QStringLiteral("empty"), 520);
    EXPECT_EQ(inspector.height(), 450);
}

TEST_F(WindowManagerTest, AbsurdStoredFramesOpenOnScreen) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const QVariant& value :
         {QVariant(nan), QVariant(1e9), QVariant(-1e9), QVariant(QStringLiteral("wide"))}) {
        for (const char* key :
             {"screensWindowX", "screensWindowY", "screensWindowHeight", "componentLibraryWindowX",
              "componentLibraryWindowY", "componentLibraryWindowWidth.singleColumn",
              "componentLibraryWindowHeight.singleColumn", "inspectorWindowX", "inspectorWindowY",
              "inspectorWindowHeight.empty"})
            Preferences::setValue(QString::fromLatin1(key), value);
        QWidget screens, library, inspector;
        WindowManager::shared().restoreScreensWindow(screens);
        WindowManager::shared().restoreComponentLibraryWindow(library);
        WindowManager::shared().restoreInspectorWindow(inspector, QStringLiteral("empty"), 520);
        for (const QWidget* window : {&screens, &library, &inspector})
            EXPECT_TRUE(display().contains(window->geometry())) << value.toString().toStdString();
    }
}
