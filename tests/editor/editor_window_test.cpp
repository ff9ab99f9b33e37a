#include "editor_test_fixture.h"

#include "editing/document_edit_commands.h"
#include "editor/active_session.h"
#include "editor/help_links.h"
#include "editor/palette_windows.h"
#include "editor/vistrelle_commands.h"
#include "media/image_cache.h"
#include "model/component_properties.h"
#include "render/image_source.h"
#include "render/screen_painter.h"
#include "support/setup_sheet.h"

#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalSpy>
#include <QTimer>
#include <QWheelEvent>

using namespace vistrelle;
using vistrelle::test_support::EditorWindowTest;

TEST_F(EditorWindowTest, TheFirstClickSelectsAndOnlyTheNextDragMoves) {
    open(smallProject());
    const Point start = component(0).position;
    drag({120, 110}, {220, 160});
    EXPECT_EQ(component(0).position, start) << "an unselected component must not move";
    ASSERT_TRUE(session().selectedComponent());
    EXPECT_EQ(session().selectedComponent()->id, component(0).id);

    drag({120, 110}, {220, 160});
    EXPECT_EQ(component(0).position, (Point{200, 150}));
    EXPECT_EQ(session().selectedComponent()->position, (Point{200, 150}));
}

TEST_F(EditorWindowTest, ADragInTwentyStepsIsOneUndoStepAtEveryZoom) {
    open(smallProject());
    window->zoomIn(); // 110 %: the component must still follow the pointer
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, at({120, 110}));
    settle();
    const int before = window->undoStack().count();
    drag({120, 110}, {320, 210});
    EXPECT_EQ(component(0).position, (Point{300, 200}));
    ASSERT_EQ(window->undoStack().count(), before + 1);
    EXPECT_EQ(window->undoStack().undoText(), "Move Component");

    window->undoStack().undo();
    settle();
    EXPECT_EQ(component(0).position, (Point{100, 100}));
    window->undoStack().redo();
    settle();
    EXPECT_EQ(component(0).position, (Point{300, 200})) << "redo goes to where the drag ended";
}

TEST_F(EditorWindowTest, ADragStartedInTheSameTurnAsAnEditStartsFromTheEditedFrame) {
    open(smallProject());
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, at({120, 110}));
    settle();
    // Typed into the inspector's X field: the canvas has not redrawn when the press comes.
    PlacedComponent moved = component(0);
    moved.position.x = 130;
    session().updateComponent(moved, true);
    drag({120, 110}, {220, 160});
    EXPECT_EQ(component(0).position, (Point{230, 150})) << "the edit made just before must not be undone";
}

TEST_F(EditorWindowTest, MovesSnapTheCornerToTheGridWithHalvesAwayFromZero) {
    open(smallProject(true));
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, at({120, 110}));
    settle();
    drag({120, 110}, {151, 159}); // corner to (131, 149)
    EXPECT_EQ(component(0).position, (Point{140, 140}));
    drag({150, 150}, {140, 160}); // corner to (130, 150)
    EXPECT_EQ(component(0).position, (Point{140, 160}));
}

TEST_F(EditorWindowTest, ResizeFollowsTheHandleWithinLimitsAndRecordsOneStep) {
    open(smallProject(true));
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, at({450, 350}));
    settle();
    const QPoint handle = canvas().resizeHandleHitRect().center().toPoint();
    const int before = window->undoStack().count();
    QTest::mousePress(&canvas(), Qt::LeftButton, {}, handle);
    for (int step = 1; step <= 10; ++step) {
        QTest::mouseMove(&canvas(), handle + QPoint(step * 47 / 10, step * 3));
        settle();
    }
    EXPECT_EQ(component(1).size, (Size{100, 100})) << "only the outline follows until the end";
    QTest::mouseRelease(&canvas(), Qt::LeftButton, {}, handle + QPoint(47, 30));
    settle();
    EXPECT_EQ(component(1).size, (Size{140, 140})); // 147 × 130 snapped
    EXPECT_EQ(window->undoStack().count(), before + 1);
    EXPECT_EQ(window->undoStack().undoText(), "Resize Component");

    // Never below 10 × 10 nor beyond the screen.
    const QPoint corner = canvas().resizeHandleHitRect().center().toPoint();
    QTest::mousePress(&canvas(), Qt::LeftButton, {}, corner);
    QTest::mouseMove(&canvas(), corner + QPoint(-300, -300));
    QTest::mouseRelease(&canvas(), Qt::LeftButton, {}, corner + QPoint(-300, -300));
    settle();
    EXPECT_EQ(component(1).size, (Size{20, 20})) << "10 × 10, snapped up to the grid";
    const QPoint small = canvas().resizeHandleHitRect().center().toPoint();
    QTest::mousePress(&canvas(), Qt::LeftButton, {}, small);
    QTest::mouseMove(&canvas(), small + QPoint(2000, 2000));
    QTest::mouseRelease(&canvas(), Qt::LeftButton, {}, small + QPoint(2000, 2000));
    settle();
    EXPECT_EQ(component(1).size, (Size{1020, 760})) << "the screen's size, snapped down";
}

TEST_F(EditorWindowTest, BackspaceDeletesTheSelectionOnlyWhenNoTextIsBeingEdited) {
    open(smallProject());
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, at({450, 350}));
    settle();

    QLineEdit field(window);
    field.setText("abc");
    field.show();
    field.setFocus();
    QTest::keyClick(&field, Qt::Key_Backspace);
    settle();
    EXPECT_EQ(field.text(), "ab");
    EXPECT_EQ(screen().components.size(), 2);

    {
        // A dialog in front keeps its keys.
        QDialog question(window);
        question.open();
        settle();
        QTest::keyClick(&question, Qt::Key_Backspace);
        settle();
        EXPECT_EQ(screen().components.size(), 2);
    }

    canvas().setFocus();
    QTest::keyClick(&canvas(), Qt::Key_Backspace);
    settle();
    EXPECT_EQ(screen().components.size(), 1);
    EXPECT_FALSE(session().selectedComponent());
    EXPECT_FALSE(canvas().selectedComponentId());
    EXPECT_EQ(window->undoStack().undoText(), "Delete Component");

    // Nothing selected: the key passes and nothing is deleted.
    QTest::keyClick(&canvas(), Qt::Key_Backspace);
    settle();
    EXPECT_EQ(screen().components.size(), 1);
}

TEST_F(EditorWindowTest, AClickOnEmptyCanvasClearsTheSelectionAndTellsTheInspector) {
    open(smallProject());
    QSignalSpy changes(&session(), &DocumentSession::changed);
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, at({900, 700}));
    settle();
    EXPECT_TRUE(changes.isEmpty()) << "nothing was selected";

    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, at({120, 110}));
    settle();
    changes.clear();
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, at({900, 700}));
    settle();
    EXPECT_FALSE(session().selectedComponent());
    ASSERT_EQ(changes.size(), 1);
    const auto change = changes.first().first().value<DocumentChange>();
    EXPECT_TRUE(change.selection);
    EXPECT_FALSE(change.edited());
}

TEST_F(EditorWindowTest, ZoomAndDurationReadOuts) {
    KioskProject project = smallProject();
    project.screens.first().duration = 2;
    for (qint64 seconds : {10, 60}) {
        KioskScreen screen("More");
        screen.duration = seconds;
        project.screens.append(screen);
    }
    open(project);
    EXPECT_EQ(window->durationReadout(), "1m 13s");
    EXPECT_EQ(window->zoomReadout(), "100%");
    const QSize full = canvas().size();
    for (int i = 0; i < 12; ++i)
        window->zoomOut();
    EXPECT_EQ(window->zoomReadout(), "10%");
    EXPECT_LT(canvas().width(), full.width() / 5);
    window->zoomIn();
    EXPECT_EQ(window->zoomReadout(), "20%");

    // Ctrl and the wheel zoom a step per notch.
    QWidget* viewport = canvas().parentWidget();
    QWheelEvent notch(QPointF(50, 50), viewport->mapToGlobal(QPointF(50, 50)), {}, QPoint(0, 240),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &notch);
    EXPECT_EQ(window->zoomReadout(), "40%");
    window->zoomToActualSize();
    EXPECT_EQ(window->zoomReadout(), "100%");
}

TEST_F(EditorWindowTest, DroppedTypeNamesAndFilesBecomeComponentsAtTheDropPoint) {
    open(smallProject());
    auto dropOn = [&](QMimeData* data, Point point) {
        // A drop goes to the widget that accepted the drag's entry.
        QDragEnterEvent enter(canvas().widgetPointFor(point).toPoint(), Qt::CopyAction, data, Qt::LeftButton,
                              {});
        QApplication::sendEvent(&canvas(), &enter);
        QDropEvent event(canvas().widgetPointFor(point), Qt::CopyAction, data, Qt::LeftButton, {});
        QApplication::sendEvent(&canvas(), &event);
        settle();
    };
    QMimeData video;
    video.setText("Video");
    dropOn(&video, {400, 300});
    ASSERT_EQ(screen().components.size(), 3);
    EXPECT_EQ(screen().components.last().componentType, ComponentType::video);
    const PlacedComponent& dropped = screen().components.last();
    EXPECT_NEAR(dropped.position.x + dropped.size.width / 2, 400, 1) << "centred on the drop point";
    EXPECT_NEAR(dropped.position.y + dropped.size.height / 2, 300, 1);
    EXPECT_GT(dropped.size.width, defaultComponentSize(ComponentType::video).width) << "made for the screen";
    EXPECT_EQ(window->undoStack().undoText(), "Add Component");

    QMimeData junk;
    junk.setText("Hello");
    dropOn(&junk, {400, 300});
    EXPECT_EQ(screen().components.size(), 3);

    QMimeData movie;
    movie.setUrls({QUrl::fromLocalFile(store.filePath("clip.MOV"))});
    dropOn(&movie, {500, 400});
    ASSERT_EQ(screen().components.size(), 4);
    EXPECT_EQ(screen().components.last().componentType, ComponentType::video);
    EXPECT_FALSE(screen().components.last().stringProperty(PropertyKey::videoPath).isEmpty());
}

TEST_F(EditorWindowTest, DoubleClickEditsATitleInPlaceAsOneStep) {
    open(smallProject());
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, at({120, 110}));
    QTest::mouseDClick(&canvas(), Qt::LeftButton, {}, at({120, 110}));
    settle();
    QLineEdit* field = canvas().inlineEditor();
    ASSERT_TRUE(field);
    const int before = window->undoStack().count();
    field->selectAll();
    QTest::keyClicks(field, "Hi there");
    settle();
    EXPECT_EQ(component(0).stringProperty(PropertyKey::text), "Hi there");
    QTest::keyClick(field, Qt::Key_Backspace);
    settle();
    EXPECT_EQ(component(0).stringProperty(PropertyKey::text), "Hi ther") << "Backspace edits the text";
    EXPECT_EQ(screen().components.size(), 2);
    QTest::keyClick(field, Qt::Key_Return);
    settle();
    EXPECT_FALSE(canvas().editingComponentId());
    EXPECT_EQ(window->undoStack().count(), before + 1);

    QTest::mouseDClick(&canvas(), Qt::LeftButton, {}, at({120, 110}));
    settle();
    ASSERT_TRUE(canvas().inlineEditor());
    QTest::keyClick(canvas().inlineEditor(), Qt::Key_Escape);
    settle();
    EXPECT_FALSE(canvas().editingComponentId()) << "Escape leaves the field";
}

TEST_F(EditorWindowTest, ANewDocumentShowsTheProjectSetupOnce) {
    open(KioskProject(), false);
    const int setups = test_support::acceptProjectSetup([](QDialog& sheet) {
        if (auto* name = sheet.findChild<QLineEdit*>("projectName"))
            name->setText("Lobby");
    });
    settle();
    EXPECT_EQ(setups, 1);
    EXPECT_EQ(session().project().metadata.name, "Lobby");
    EXPECT_TRUE(window->isModified());

    window->closeWithoutAsking();
    settle();
    open(smallProject(), true);
    EXPECT_EQ(test_support::acceptProjectSetup(), 0) << "a document from disk never shows it";
}

TEST_F(EditorWindowTest, DeleteInOneWindowLeavesAnotherWindowsSelectionAlone) {
    EditorWindow& first = open(smallProject());
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, at({450, 350}));
    settle();
    ASSERT_TRUE(session().selectedComponent());

    VistrelleDocument other;
    other.isLoadedFromDisk = true;
    other.project = smallProject();
    auto* second = new EditorWindow(other);
    second->show();
    second->activateDocument();
    settle();
    second->session().setSelectedComponent(second->session().project().screens.first().components.first());
    settle();

    first.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&first));
    first.activateDocument();
    canvas().setFocus();
    QTest::keyClick(&canvas(), Qt::Key_Delete);
    settle();
    EXPECT_EQ(screen().components.size(), 1);
    EXPECT_EQ(second->session().project().screens.first().components.size(), 2)
        << "the key belongs to the window it was typed in";
    second->closeWithoutAsking();
    settle();
}

TEST_F(EditorWindowTest, EachWindowKeepsItsOwnEditsWhenAnotherBecomesActive) {
    EditorWindow& first = open(smallProject());
    session().renameScreen(screen().id, "First's screen");
    settle();

    VistrelleDocument other;
    other.isLoadedFromDisk = true;
    auto* second = new EditorWindow(other);
    second->show();
    second->activateDocument();
    settle();
    second->session().renameScreen(second->session().project().screens.first().id, "Second's screen");
    settle();
    EXPECT_EQ(first.currentDocument().project.screens.first().name, "First's screen");

    first.activateDocument();
    settle();
    EXPECT_EQ(screen().name, "First's screen");
    EXPECT_EQ(second->currentDocument().project.screens.first().name, "Second's screen");
    // Undo belongs to the window: the first window's stack undoes the first window's edit.
    first.undoStack().undo();
    settle();
    EXPECT_EQ(screen().name, "Start");
    EXPECT_EQ(second->currentDocument().project.screens.first().name, "Second's screen");

    second->closeWithoutAsking();
    settle();
    EXPECT_EQ(ActiveSession::shared().session(), &first.session())
        << "closing an inactive window leaves the active one";
}

TEST_F(EditorWindowTest, AGestureCutShortByAnotherScreenStillEndsItsStep) {
    KioskProject project = smallProject();
    project.screens.append(KioskScreen("Second"));
    open(project);
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, at({120, 110}));
    QTest::mousePress(&canvas(), Qt::LeftButton, {}, at({120, 110}));
    QTest::mouseMove(&canvas(), at({160, 150}));
    settle();
    session().setSelectedScreen(session().project().screens[1]);
    settle();
    QTest::mouseRelease(&canvas(), Qt::LeftButton, {}, at({160, 150}));
    session().setSelectedScreen(session().project().screens[0]);
    settle();
    EXPECT_EQ(component(0).position, (Point{140, 140}));

    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, at({150, 150}));
    drag({150, 150}, {250, 250});
    EXPECT_EQ(component(0).position, (Point{240, 240}));
    window->undoStack().undo();
    settle();
    EXPECT_EQ(component(0).position, (Point{140, 140})) << "the second drag has a step of its own";
}

TEST_F(EditorWindowTest, ArrowKeysNudgeTheSelectionOneStepEach) {
    open(smallProject());
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, at({120, 110}));
    settle();
    const int before = window->undoStack().count();
    QTest::keyClick(&canvas(), Qt::Key_Right);
    QTest::keyClick(&canvas(), Qt::Key_Down, Qt::ShiftModifier);
    settle();
    EXPECT_EQ(component(0).position, (Point{101, 110}));
    EXPECT_EQ(window->undoStack().count(), before + 2) << "every nudge can be undone on its own";
    window->undoStack().undo();
    settle();
    EXPECT_EQ(component(0).position, (Point{101, 100}));
}

TEST_F(EditorWindowTest, UndoingBackToTheSavedStateClearsTheModifiedMarker) {
    EditorWindow& w = open(smallProject());
    addVistrelleCommands(w);
    QAction* undo = w.action("undo");
    ASSERT_TRUE(undo);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "Undo");

    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, at({120, 110}));
    settle();
    drag({120, 110}, {220, 160});
    EXPECT_TRUE(w.isModified());
    EXPECT_TRUE(w.isWindowModified());
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "Undo Move Component");

    undo->trigger();
    settle();
    EXPECT_FALSE(w.isModified()) << "back where it was saved";
    EXPECT_FALSE(w.isWindowModified());
    w.action("redo")->trigger();
    settle();
    EXPECT_TRUE(w.isModified());

    w.setModified(false); // saved here
    undo->trigger();
    settle();
    EXPECT_TRUE(w.isModified()) << "the saved state has the move";
}

TEST_F(EditorWindowTest, TheCanvasDrawsInStripsWhatTheSlideRendererDraws) {
    // Parts that stand out of their frames, turned ones, strokes and an overflowing title, over a gradient.
    KioskProject project;
    project.settings.showGrid = false;
    KioskScreen& screen = project.screens.first();
    screen.resolution = {640, 480, QStringLiteral("Test"), ScreenMode::horizontal, true};
    screen.background = {BackgroundType::gradient, "#FFFFFF", std::nullopt,
                         GradientStyle{"#203040", "#E0C080", GradientDirection::diagonal}};
    PlacedComponent title = makeComponent(ComponentType::title, {60, 50});
    title.properties[PropertyKey::text] =
        "A title much longer than its small frame, spilling over three strips";
    title.properties[PropertyKey::rotation] = "-30";
    PlacedComponent icon = makeComponent(ComponentType::icon, {300, 120});
    icon.properties[PropertyKey::iconSize] = "180";
    PlacedComponent star = makeComponent(ComponentType::shape, {420, 300});
    star.properties[PropertyKey::strokeWidth] = "9";
    star.size = {170, 150};
    PlacedComponent web = makeComponent(ComponentType::webView, {20, 260});
    web.size = {40, 180};
    PlacedComponent narrow = makeComponent(ComponentType::label, {480, 150});
    narrow.size = {90, 20};
    narrow.properties[PropertyKey::text] = "Many short words wrap into lines far above and below a low frame";
    screen.components = {title, icon, star, web, makeComponent(ComponentType::textArea, {200, 330}), narrow};
    screen.components[1].zIndex = 2;
    open(project);
    session().setSelectedComponent(std::nullopt);
    settle();

    EXPECT_EQ(pixelsDifferingFromRenderer(screen), 0);
}

TEST_F(EditorWindowTest, UndoAndEditCommandsFromAWindowsMenuActOnThatWindow) {
    EditorWindow& first = open(smallProject());
    addVistrelleCommands(first);
    first.session().renameScreen(screen().id, "First's screen");

    VistrelleDocument other;
    other.isLoadedFromDisk = true;
    other.project = smallProject();
    auto* second = new EditorWindow(other);
    addVistrelleCommands(*second);
    second->show();
    second->activateDocument();
    second->session().renameScreen(second->session().project().screens.first().id, "Second's screen");
    second->session().setSelectedComponent(second->session().project().screens.first().components.first());
    settle();

    // The first window's menu, used while the second is the active one.
    first.action("undo")->trigger();
    settle();
    EXPECT_EQ(screen().name, "Start");
    EXPECT_EQ(second->session().project().screens.first().name, "Second's screen");
    first.action("redo")->trigger();
    first.session().setSelectedComponent(component(0));
    first.action("duplicate")->trigger();
    settle();
    EXPECT_EQ(screen().components.size(), 3);
    EXPECT_EQ(second->session().project().screens.first().components.size(), 2);
    EXPECT_EQ(second->undoStack().count(), 1);
    second->closeWithoutAsking();
    settle();
}

TEST_F(EditorWindowTest, AGestureStaysOneStepWhateverElseBeginsAnInteractionMeanwhile) {
    open(smallProject());
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, at({120, 110}));
    settle();
    const int before = window->undoStack().count();
    QTest::mousePress(&canvas(), Qt::LeftButton, {}, at({120, 110}));
    QTest::mouseMove(&canvas(), at({160, 150}));
    settle();
    EditInteraction::begin(); // another view starts something of its own mid-drag
    QTest::mouseMove(&canvas(), at({200, 190}));
    QTest::mouseRelease(&canvas(), Qt::LeftButton, {}, at({200, 190}));
    settle();
    EXPECT_EQ(component(0).position, (Point{180, 180}));
    EXPECT_EQ(window->undoStack().count(), before + 1);
}

TEST_F(EditorWindowTest, TheHelpMenuLeadsToSettingUpADisplayComputerNotToADiskImage) {
    EditorWindow& w = open(smallProject());
    addVistrelleCommands(w);
    QStringList help;
    for (QAction* menu : w.menuBar()->actions())
        if (menu->menu() && menu->text() == "&Help")
            for (QAction* item : menu->menu()->actions())
                help << item->text();
    EXPECT_TRUE(help.contains("Set Up a Display Computer…")) << help.join(" | ").toStdString();
    EXPECT_FALSE(help.join('\n').contains("Download Vistrelle Player"));

    // The README's section, by the anchor its heading gets.
    const QUrl guide = displaySetupGuideUrl();
    ASSERT_TRUE(guide.isLocalFile());
    EXPECT_EQ(guide.fragment(), "set-up-a-display-computer");
    QFile readme(guide.toLocalFile());
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    EXPECT_TRUE(readme.readAll().contains("\n## Set up a display computer\n"));
}

namespace vistrelle::test_support {

TEST_F(EditorWindowTest, AFittedScreenStaysFittedAsTheWindowChangesUntilTheUserZooms) {
    open(smallProject());
    window->resize(1200, 860);
    settle();
    window->zoomToFit();
    const double fitted = window->canvasZoom();
    window->resize(900, 700); // palettes docked or floated, a window manager placing the window
    QTest::qWait(20);
    settle();
    EXPECT_LT(window->canvasZoom(), fitted);
    KioskProject wider = session().project();
    wider.screens[0].resolution = {3840, 2160};
    window->useSetUpProject(wider);
    settle();
    EXPECT_LT(window->canvasZoom(), fitted * 0.5) << "another resolution is fitted too";

    window->zoomIn();
    const double chosen = window->canvasZoom();
    window->resize(1200, 860);
    QTest::qWait(20);
    settle();
    EXPECT_EQ(window->canvasZoom(), chosen) << "a zoom the user chose stays";
}

} // namespace vistrelle::test_support
