#include "app/window_frame_rules.h"

#include <gtest/gtest.h>

#include <limits>

using namespace vistrelle;

namespace {

// A 1920 × 1080 main display with a 40-point panel at the top, and a laptop display to its right.
const QRectF wide(0, 40, 1920, 1040);
const QRectF laptop(1920, 0, 1366, 768);
const QList<QRectF> twoDisplays{wide, laptop};

StoredPaletteFrame at(double x, double y) {
    return {x, y, std::nullopt, std::nullopt};
}

bool inside(const QRectF& frame, const QRectF& area) {
    return area.contains(frame.topLeft()) && frame.right() <= area.right() + 1e-9 &&
           frame.bottom() <= area.bottom() + 1e-9;
}

} // namespace

TEST(WindowFrameRulesTest, StoredOriginsComeBackOnTheDisplayThatHoldsThem) {
    const QRectF screens(0, 0, 336, 500);
    // Far right of the main display: back to its right edge.
    EXPECT_EQ(restoredScreensFrame(screens, at(5000, 100), {wide}).topLeft(), QPointF(1920 - 336, 100));
    // On the laptop: kept there, only pulled inside its bottom edge.
    EXPECT_EQ(restoredScreensFrame(screens, at(2500, 300), twoDisplays).topLeft(), QPointF(2500, 768 - 500));
    // The laptop is gone: onto the main display.
    EXPECT_EQ(restoredScreensFrame(screens, at(2500, 300), {wide}).topLeft(), QPointF(1920 - 336, 300));
    // Above and left of everything: into the main display's visible frame, below its panel.
    EXPECT_EQ(restoredScreensFrame(screens, at(-400, -900), twoDisplays).topLeft(), QPointF(0, 40));
}

TEST(WindowFrameRulesTest, WithoutAStoredOriginPalettesTakeTheirPlacesBesideTheDocuments) {
    const QRectF screens = restoredScreensFrame(QRectF(0, 0, 336, 500), {}, twoDisplays);
    const QRectF library = restoredComponentLibraryFrame(QRectF(0, 0, 203, 570), {}, twoDisplays);
    const QRectF inspector = restoredInspectorFrame(QRectF(0, 0, 360, 740), {}, 520, twoDisplays);
    EXPECT_EQ(screens, QRectF(8, 48, 336, 500));
    EXPECT_EQ(library.topLeft(), QPointF(8, 48 + 500 + 8)) << "under the screens palette, not over it";
    EXPECT_FALSE(library.intersects(screens));
    EXPECT_EQ(inspector.topRight(), QPointF(1920 - 8, 48));
    for (const QRectF& frame : {screens, library, inspector})
        EXPECT_TRUE(inside(frame, wide));
    // The document window fills the room between the columns.
    const QRectF document = defaultDocumentFrame(twoDisplays, true);
    EXPECT_EQ(defaultDocumentFrame(twoDisplays, false), wide) << "docked palettes: the whole display";
    EXPECT_FALSE(document.intersects(screens) || document.intersects(inspector));
    EXPECT_TRUE(inside(document, wide));
    EXPECT_GE(document.width(), 800);

    // A 1366 × 768 laptop alone: every palette still fits, and the document keeps a usable width.
    const QList<QRectF> small{QRectF(0, 0, 1366, 740)};
    const QRectF smallLibrary = restoredComponentLibraryFrame(QRectF(0, 0, 203, 570), {}, small);
    EXPECT_TRUE(inside(smallLibrary, small.first()));
    EXPECT_FALSE(smallLibrary.intersects(restoredScreensFrame(QRectF(0, 0, 336, 500), {}, small)));
    EXPECT_TRUE(inside(restoredInspectorFrame(QRectF(0, 0, 320, 740), {}, 740, small), small.first()));
    const QRectF smallDocument = defaultDocumentFrame(small, true);
    EXPECT_TRUE(inside(smallDocument, small.first()));
    EXPECT_GE(smallDocument.width(), 800);
    EXPECT_GE(smallDocument.left(), 336) << "beside the screens palette";
}

TEST(WindowFrameRulesTest, SizesFallBackToTheirDefaultsAndMinimums) {
    // The screens palette takes any stored height above 0.
    EXPECT_EQ(
        restoredScreensFrame(QRectF(0, 0, 336, 500), {10.0, 100.0, std::nullopt, 300.0}, {wide}).height(),
        300);
    EXPECT_EQ(restoredScreensFrame(QRectF(0, 0, 336, 500), {10.0, 100.0, std::nullopt, 0.0}, {wide}).height(),
              500);

    // The component library: width at least 202.4, height at least 150, 570 when unknown; top edge kept.
    const QRectF library(40, 200, 202.4, 570);
    const QRectF narrow = restoredComponentLibraryFrame(library, {40.0, 200.0, 150.0, 100.0}, {wide});
    EXPECT_DOUBLE_EQ(narrow.width(), 202.4);
    EXPECT_EQ(narrow.height(), 150);
    EXPECT_EQ(narrow.top(), 200);
    const QRectF unknown = restoredComponentLibraryFrame(library, {40.0, 200.0, 300.0, std::nullopt}, {wide});
    EXPECT_EQ(unknown.size(), QSizeF(300, 570));
    EXPECT_EQ(unknown.top(), 200);

    // The inspector: the kept height of this content, else what the content asks for; 420 to the display.
    const QRectF inspector(1500, 60, 320, 600);
    EXPECT_EQ(restoredInspectorFrame(inspector, {1500.0, 60.0, std::nullopt, 600.0}, 520, {wide}).height(),
              600);
    EXPECT_EQ(
        restoredInspectorFrame(inspector, {1500.0, 60.0, std::nullopt, std::nullopt}, 520, {wide}).height(),
        520);
    EXPECT_EQ(restoredInspectorFrame(inspector, {1500.0, 60.0, std::nullopt, 200.0}, 520, {wide}).height(),
              420);
    const QRectF tall = restoredInspectorFrame(inspector, {1500.0, 60.0, std::nullopt, 5000.0}, 520, {wide});
    EXPECT_EQ(tall.height(), 1040);
    EXPECT_TRUE(inside(tall, wide)) << "moved back up into the visible frame";
    EXPECT_EQ(restoredInspectorFrame(QRectF(0, 0, 250, 600), {}, 520, {wide}).width(), 320);
}

TEST(WindowFrameRulesTest, AbsurdStoredFramesStillOpenOnScreen) {
    const double huge = 1e9;
    const std::optional<double> missing; // a NaN in the store reads as missing
    const std::vector<StoredPaletteFrame> absurd{{-huge, -huge, -huge, -huge},
                                                 {huge, huge, huge, huge},
                                                 {huge, missing, missing, huge},
                                                 {-5.0, 3e6, 0.0, -1.0}};
    for (const QList<QRectF>& displays :
         {QList<QRectF>{wide}, twoDisplays, QList<QRectF>{QRectF(0, 0, 1366, 768)}}) {
        for (const StoredPaletteFrame& stored : absurd) {
            const QRectF screens = restoredScreensFrame(QRectF(0, 0, 336, 500), stored, displays);
            const QRectF library = restoredComponentLibraryFrame(QRectF(0, 0, 203, 570), stored, displays);
            const QRectF inspector = restoredInspectorFrame(QRectF(0, 0, 320, 740), stored, 740, displays);
            for (const QRectF& frame : {screens, library, inspector}) {
                bool onADisplay = false;
                for (const QRectF& display : displays)
                    onADisplay = onADisplay || inside(frame, display);
                EXPECT_TRUE(onADisplay)
                    << frame.x() << "," << frame.y() << " " << frame.width() << "×" << frame.height();
            }
        }
    }
}
