#pragma once

#include "editor/editor_window.h"
#include "media/image_cache.h"
#include "model/component_factory.h"
#include "platform/preferences.h"
#include "render/image_source.h"
#include "render/screen_painter.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace vistrelle::test_support {

// An editor window on a small project, shown offscreen.
class EditorWindowTest : public ::testing::Test {
protected:
    void SetUp() override { Preferences::setStoreFolder(store.path()); }
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

    DocumentSession& session() { return window->session(); }
    AdvancedCanvasView& canvas() { return window->canvas(); }
    const KioskScreen& screen() { return session().project().screens.first(); }
    const PlacedComponent& component(qsizetype index) { return screen().components[index]; }

    QPoint at(Point canvasPoint) { return canvas().widgetPointFor(canvasPoint).toPoint(); }

    // How many pixels of the canvas (at 100 %) differ by more than 2 in a channel from the screen as the
    // slide renderer draws it.
    int pixelsDifferingFromRenderer(const KioskScreen& shown) {
        const QSize size(int(shown.resolution.width), int(shown.resolution.height));
        const QImage drawn = canvas()
                                 .grab(QRect(canvas().widgetPointFor({0, 0}).toPoint(), size))
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        BlockingImageSource images(ImageCache::shared());
        const QImage expected = renderScreenImage(shown, size, images, ComponentOrder::byZIndex);
        if (drawn.size() != expected.size())
            return size.width() * size.height();
        int differing = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const QRgb a = drawn.pixel(x, y);
                const QRgb b = expected.pixel(x, y);
                if (std::abs(qRed(a) - qRed(b)) > 2 || std::abs(qGreen(a) - qGreen(b)) > 2 ||
                    std::abs(qBlue(a) - qBlue(b)) > 2)
                    ++differing;
            }
        return differing;
    }

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
