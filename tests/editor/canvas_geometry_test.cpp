#include "editor/canvas_geometry.h"
#include "editor/total_duration.h"
#include "editor/zoom_steps.h"

#include <gtest/gtest.h>

#include <limits>

using namespace vistrelle;

TEST(CanvasGeometry, SnapsCornersWithHalvesAwayFromZero) {
    EXPECT_EQ(snappedToGrid(Point{31, 49}, 20), (Point{40, 40}));
    EXPECT_EQ(snappedToGrid(Point{30, 50}, 20), (Point{40, 60}));
    EXPECT_EQ(snappedToGrid(Point{-30, -9}, 20), (Point{-40, -0.0}));
    // A grid of 0 or a non-number must neither divide by zero nor stop snapping.
    EXPECT_EQ(snappedToGrid(12.4, 0), 12);
    EXPECT_EQ(snappedToGrid(12.4, std::numeric_limits<double>::quiet_NaN()), 20);
}

TEST(CanvasGeometry, ResizeKeepsBetweenTenUnitsAndTheScreen) {
    const Size screen{1024, 768};
    EXPECT_EQ(resizePreviewSize({100, 50}, -200, -200, screen), (Size{10, 10}));
    EXPECT_EQ(resizePreviewSize({100, 50}, 5000, 5000, screen), (Size{1024, 768}));
    EXPECT_EQ(resizePreviewSize({100, 50}, 5000, 5, std::nullopt), (Size{5100, 55}));

    EXPECT_EQ(resizeFinalSize({14, 10}, true, 20, screen), (Size{20, 20}));
    EXPECT_EQ(resizeFinalSize({12, 12}, true, 25, screen), (Size{10, 10}));
    EXPECT_EQ(resizeFinalSize({1031, 31}, true, 20, screen), (Size{1024, 40}));
    EXPECT_EQ(resizeFinalSize({14, 33}, false, 20, screen), (Size{14, 33}));
}

TEST(CanvasGeometry, DropsCentreTheDefaultSizeOnThePoint) {
    EXPECT_EQ(dropCorner(ComponentType::video, {400, 300}, false, 20), (Point{240, 210}));
    EXPECT_EQ(dropCorner(ComponentType::textArea, {400, 300}, false, 20), (Point{275, 240}));
    EXPECT_EQ(dropCorner(ComponentType::label, {400, 300}, true, 20), (Point{320, 280}));

    EXPECT_EQ(componentTypeForDroppedFile("/tmp/Clip.MOV"), ComponentType::video);
    EXPECT_EQ(componentTypeForDroppedFile("/tmp/photo.webp"), ComponentType::image);
    EXPECT_EQ(componentTypeForDroppedFile("/tmp/notes.txt"), ComponentType::image);
    EXPECT_EQ(componentTypeForDroppedFile("/tmp/no-extension"), ComponentType::image);

    EXPECT_EQ(componentTypeForDroppedText("Text Area"), ComponentType::textArea);
    EXPECT_EQ(componentTypeForDroppedText("text area"), std::nullopt);
    EXPECT_EQ(componentTypeForDroppedText("Hello"), std::nullopt);
}

TEST(ZoomSteps, StayWithinTenAndThreeHundredPercentOnWholeSteps) {
    EXPECT_DOUBLE_EQ(zoomedOut(0.2), 0.1);
    EXPECT_DOUBLE_EQ(zoomedOut(0.1), 0.1);
    EXPECT_DOUBLE_EQ(zoomedIn(2.95), 3.0);
    EXPECT_DOUBLE_EQ(zoomedIn(3.0), 3.0);

    // Walking down and up again never shows a percentage off by one.
    double zoom = 1.0;
    for (int step = 0; step < 12; ++step)
        zoom = zoomedOut(zoom);
    EXPECT_EQ(zoomPercentText(zoom), "10%");
    for (int percent = 20; percent <= 300; percent += 10) {
        zoom = zoomedIn(zoom);
        EXPECT_EQ(zoomPercentText(zoom), QString::number(percent) + "%");
    }
}

TEST(TotalDuration, CountsEveryScreenAtLeastThreeSecondsAndReadsAsTime) {
    KioskProject project;
    project.screens.clear();
    for (qint64 seconds : {2, 10, 60}) {
        KioskScreen screen("S");
        screen.duration = seconds;
        project.screens.append(screen);
    }
    EXPECT_EQ(durationText(totalDurationSeconds(project)), "1m 13s");
    EXPECT_EQ(durationText(45), "45s");
    EXPECT_EQ(durationText(125), "2m 5s");
    EXPECT_EQ(durationText(3725), "1h 2m 5s");

    project.screens[0].duration = std::numeric_limits<qint64>::max();
    EXPECT_EQ(totalDurationSeconds(project), std::numeric_limits<qint64>::max());
}
