#pragma once

#include "editing/shared_document_manager.h"
#include "editor/editor_window.h"
#include "model/component_factory.h"
#include "platform/notification_center.h"
#include "platform/preferences.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace vistrelle::test_support {

// An editor window on a small project, shown offscreen, with a clean manager.
class EditorWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Preferences::setStoreFolder(store.path());
        SharedDocumentManager::resetShared();
        NotificationCenter::defaultCenter().reset();
    }
    void TearDown() override {
        if (window) {
            window->closeWithoutAsking();
            QApplication::processEvents();
        }
        delete window.data();
    }

    // One 1024 × 768 screen with a label at (100, 100) and a shape at (400, 300) on top of it.
    static KioskProject smallProject(bool snap = false) {
        KioskProject project;
        project.settings.snapToGrid = snap;
        project.settings.gridSize = 20;
        KioskScreen& screen = project.screens.first();
        screen.components.append(makeComponent(ComponentType::label, {100, 100}));
        screen.components.append(makeComponent(ComponentType::shape, {400, 300}));
        screen.components.last().zIndex = 1;
        return project;
    }

    EditorWindow& open(const KioskProject& project, bool loadedFromDisk = true) {
        VistrelleDocument document;
        document.project = project;
        document.isLoadedFromDisk = loadedFromDisk;
        window = new EditorWindow(document);
        window->show();
        QApplication::processEvents();
        window->activateDocument();
        settle();
        return *window;
    }

    static void settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    SharedDocumentManager& manager() { return SharedDocumentManager::shared(); }
    AdvancedCanvasView& canvas() { return window->canvas(); }
    const KioskScreen& screen() { return manager().currentDocument()->project.screens.first(); }
    const PlacedComponent& component(qsizetype index) { return screen().components[index]; }

    QPoint at(Point canvasPoint) { return canvas().widgetPointFor(canvasPoint).toPoint(); }

    // Presses at `from`, moves in `steps` equal steps to `to` and releases (canvas units).
    void drag(Point from, Point to, int steps = 20) {
        QTest::mousePress(&canvas(), Qt::LeftButton, {}, at(from));
        for (int step = 1; step <= steps; ++step) {
            const Point p{from.x + (to.x - from.x) * step / steps, from.y + (to.y - from.y) * step / steps};
            QTest::mouseMove(&canvas(), at(p));
            settle();
        }
        QTest::mouseRelease(&canvas(), Qt::LeftButton, {}, at(to));
        settle();
    }

    QTemporaryDir store;
    QPointer<EditorWindow> window;
};

} // namespace vistrelle::test_support
