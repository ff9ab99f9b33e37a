// The editor's responsiveness, as the time a user waits from an input event to the repainted canvas:
// one pointer event of a drag on a crowded 1920 × 1080 screen, of one component and of five together
// (smart guides on), one step of a dragged inspector slider, one keystroke in a title's text field and
// in a text area of 5,000 words (goals 8, 8, 8 and 16 ms); also a full repaint, a new selection shown in
// the inspector, opening the text area's editor, and opening windows for the sample and for a 500 × 50
// project.
#include "app/document_controller.h"
#include "editing/document_session.h"
#include "editor/editor_window.h"
#include "editor/inspector/inspector_palette.h"
#include "editor/palette_windows.h"
#include "editor/screen_thumbnails.h"
#include "editor/screens_palette.h"
#include "editor/sheets/text_area_editor_sheet.h"
#include "large_project.h"
#include "model/component_factory.h"
#include "model/component_properties.h"
#include "platform/preferences.h"
#include "richtext/font_resolver.h"
#include "richtext/rtf_writer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSlider>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextEdit>
#include <QThread>

#include <benchmark/benchmark.h>

using namespace vistrelle;

namespace {

void settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QTemporaryDir& store() {
    static QTemporaryDir dir;
    Preferences::setStoreFolder(dir.path());
    return dir;
}

std::unique_ptr<EditorWindow> openWindow(const KioskProject& project) {
    VistrelleDocument document;
    document.project = project;
    document.isLoadedFromDisk = true;
    auto window = std::make_unique<EditorWindow>(document);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->resize(1400, 900);
    window->show();
    window->activateDocument();
    settle();
    return window;
}

void sendMouse(QWidget& widget, QEvent::Type type, QPointF point) {
    QMouseEvent event(type, point, widget.mapToGlobal(point), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// From a press at `grab`: past the threshold, then one pointer event (and its repaint) per iteration.
void dragSteps(benchmark::State& state, AdvancedCanvasView& canvas, QPointF grab) {
    sendMouse(canvas, QEvent::MouseMove, grab + QPointF(20, 20));
    settle();
    canvas.repaint();
    int step = 0;
    for (auto _ : state) {
        ++step;
        sendMouse(canvas, QEvent::MouseMove, grab + QPointF(20 + step % 200, 20 + step % 100));
        settle(); // the document update arrives after the event-loop turn
        canvas.repaint();
    }
    sendMouse(canvas, QEvent::MouseButtonRelease, grab);
    settle();
}

KioskProject crowdedScreen() {
    KioskProject project = bench::makeLargeProject(1, 200);
    project.settings.snapToGrid = false;
    return project;
}

void BM_DragStepOnCrowdedScreen(benchmark::State& state) {
    store();
    const std::unique_ptr<EditorWindow> window = openWindow(crowdedScreen());
    AdvancedCanvasView& canvas = window->canvas();
    const PlacedComponent target = window->session().project().screens[0].components[100];
    const QPointF grab = canvas.widgetPointFor({target.position.x + 5, target.position.y + 5});
    sendMouse(canvas, QEvent::MouseButtonPress, grab);
    sendMouse(canvas, QEvent::MouseButtonRelease, grab);
    sendMouse(canvas, QEvent::MouseButtonPress, grab);
    dragSteps(state, canvas, grab);
    state.SetLabel("200 components, 100 %");
}

// Five of the 200 selected and dragged together, smart guides on: the canvas snaps the group's bounds
// against the other 195 at every event.
void BM_GroupDragStepOnCrowdedScreen(benchmark::State& state) {
    store();
    const std::unique_ptr<EditorWindow> window = openWindow(crowdedScreen());
    AdvancedCanvasView& canvas = window->canvas();
    DocumentSession& session = window->session();
    const QList<PlacedComponent>& components = session.project().screens[0].components;
    const PlacedComponent target = components[100];
    const Point start = components[96].position;
    const QPointF grab = canvas.widgetPointFor({target.position.x + 5, target.position.y + 5});
    // The first click selects whichever component is on top there; four more join it.
    sendMouse(canvas, QEvent::MouseButtonPress, grab);
    sendMouse(canvas, QEvent::MouseButtonRelease, grab);
    settle();
    QList<QUuid> ids;
    for (qsizetype i : {96, 97, 98, 99})
        ids.append(components[i].id);
    ids.append(session.selectedComponent()->id);
    session.setComponentSelection(ids);
    settle();
    sendMouse(canvas, QEvent::MouseButtonPress, grab);
    dragSteps(state, canvas, grab);
    // A drag that moved nothing would measure nothing.
    if (session.project().screens[0].components[96].position == start)
        state.SkipWithError("the group did not move");
    state.SetLabel("5 of 200 components, guides on, 100 %");
}

void BM_FullRepaintOfCrowdedScreen(benchmark::State& state) {
    store();
    const std::unique_ptr<EditorWindow> window = openWindow(crowdedScreen());
    AdvancedCanvasView& canvas = window->canvas();
    double zoom = 1.0;
    for (auto _ : state) {
        // A zoom change throws the cached picture away: everything is drawn again.
        zoom = zoom == 1.0 ? 1.0001 : 1.0;
        canvas.setZoom(zoom);
        canvas.repaint();
    }
}

// The inspector on a crowded screen, with a component of `type` in its middle selected.
struct InspectedCrowd {
    std::unique_ptr<EditorWindow> window;
    InspectorPalette* inspector = nullptr;
};

InspectedCrowd inspectCrowd(ComponentType type = ComponentType::webView) {
    InspectedCrowd crowd;
    crowd.window = openWindow(crowdedScreen());
    DocumentSession& session = crowd.window->session();
    const QList<PlacedComponent>& components = session.project().screens[0].components;
    for (qsizetype i = 100; i < components.size(); ++i)
        if (components[i].componentType == type) {
            session.setSelectedComponent(components[i]);
            break;
        }
    PaletteWindows::shared().show(PaletteWindows::inspectorIdentifier);
    crowd.inspector =
        static_cast<InspectorPalette*>(PaletteWindows::shared().window(PaletteWindows::inspectorIdentifier));
    settle();
    crowd.window->canvas().repaint();
    return crowd;
}

template <typename T> T* shownChild(QWidget& parent, const QString& name) {
    for (T* candidate : parent.findChildren<T*>(name))
        if (candidate->isVisibleTo(&parent))
            return candidate;
    return nullptr;
}

// Where the handle of `slider` is at `tick`, in the slider's coordinates.
QPointF sliderPoint(const QSlider& slider, int tick) {
    const int handle = slider.style()->pixelMetric(QStyle::PM_SliderLength, nullptr, &slider);
    return {double(QStyle::sliderPositionFromValue(slider.minimum(), slider.maximum(), tick,
                                                   slider.width() - handle) +
                   handle / 2),
            slider.height() / 2.0};
}

void BM_InspectorOpacityDragStepOnCrowdedScreen(benchmark::State& state) {
    store();
    InspectedCrowd crowd = inspectCrowd();
    QSlider* opacity = shownChild<QSlider>(*crowd.inspector, QStringLiteral("opacity"));
    if (!opacity) {
        state.SkipWithError("no opacity slider");
        return;
    }
    sendMouse(*opacity, QEvent::MouseButtonPress, sliderPoint(*opacity, opacity->value()));
    int step = 0;
    for (auto _ : state) {
        // One pointer event of the drag: the edit, its undo step merged, the canvas repainted.
        sendMouse(*opacity, QEvent::MouseMove, sliderPoint(*opacity, 5 + step++ % 15));
        settle();
        crowd.window->canvas().repaint();
    }
    sendMouse(*opacity, QEvent::MouseButtonRelease, sliderPoint(*opacity, opacity->value()));
    if (crowd.window->undoStack().count() != 1)
        state.SkipWithError("the drag was not one step");
    crowd.window->closeWithoutAsking();
    PaletteWindows::shared().closeAll();
    settle();
    state.SetLabel("200 components, 1920 × 1080");
}

void BM_KeystrokeInATitleOnCrowdedScreen(benchmark::State& state) {
    store();
    InspectedCrowd crowd = inspectCrowd(ComponentType::title);
    QLineEdit* field = shownChild<QLineEdit>(*crowd.inspector, QStringLiteral("text"));
    if (!field) {
        state.SkipWithError("no text field");
        return;
    }
    field->setFocus();
    field->end(false);
    for (auto _ : state) {
        // One typed letter: stored at once, shown on the repainted canvas.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(field, &release);
        settle();
        crowd.window->canvas().repaint();
    }
    if (!crowd.window->session().selectedComponent()->properties.value(PropertyKey::text).endsWith(u'a'))
        state.SkipWithError("the typing was not stored");
    crowd.window->closeWithoutAsking();
    PaletteWindows::shared().closeAll();
    settle();
    state.SetLabel("200 components, 1920 × 1080");
}

void BM_SelectAnotherComponentUntilTheInspectorShowsIt(benchmark::State& state) {
    store();
    InspectedCrowd crowd = inspectCrowd();
    DocumentSession& session = crowd.window->session();
    const QList<PlacedComponent> components = session.project().screens[0].components;
    int next = 0;
    for (auto _ : state) {
        // Every type in turn: a panel is made once, then only shows new values.
        session.setSelectedComponent(components[next++ % components.size()]);
        crowd.inspector->refresh();
        crowd.inspector->repaint();
    }
    crowd.window->closeWithoutAsking();
    PaletteWindows::shared().closeAll();
    settle();
}

// A text area of 5,000 words of formatted text, alone on a 1920 × 1080 screen.
KioskProject largeTextArea() {
    QTextDocument text;
    QTextCursor cursor(&text);
    QTextCharFormat format;
    setDocumentFamily(format, QStringLiteral("Helvetica"));
    format.setProperty(QTextFormat::FontPixelSize, 24);
    for (int word = 0; word < 5000; ++word) {
        format.setFontWeight(word % 50 == 0 ? QFont::Bold : QFont::Normal);
        cursor.insertText(QStringLiteral("word%1 ").arg(word % 97), format);
        if (word % 60 == 59)
            cursor.insertBlock();
    }
    KioskProject project;
    KioskScreen& screen = project.screens.first();
    screen.resolution = ScreenResolution::presets(ScreenMode::horizontal).last();
    PlacedComponent area = makeComponent(ComponentType::textArea, {100, 100});
    area.size = {1600, 900};
    area.properties[PropertyKey::richTextData] = writeBase64Rtf(text);
    area.properties[PropertyKey::text] = text.toPlainText();
    screen.components = {area};
    return project;
}

void BM_TypingInALargeTextArea(benchmark::State& state) {
    store();
    const std::unique_ptr<EditorWindow> window = openWindow(largeTextArea());
    window->session().setSelectedComponent(window->session().project().screens[0].components[0]);
    PaletteWindows::shared().show(PaletteWindows::inspectorIdentifier);
    auto* inspector =
        static_cast<InspectorPalette*>(PaletteWindows::shared().window(PaletteWindows::inspectorIdentifier));
    settle();
    inspector->refresh();
    QTextEdit* field = shownChild<QTextEdit>(*inspector, QStringLiteral("richText"));
    if (!field) {
        state.SkipWithError("no inline text editor");
        return;
    }
    field->setFocus();
    field->moveCursor(QTextCursor::End);
    window->canvas().repaint();
    for (auto _ : state) {
        // One keystroke: stored as rich text at once, shown on the repainted canvas.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(field, &press);
        settle();
        window->canvas().repaint();
    }
    window->closeWithoutAsking();
    PaletteWindows::shared().closeAll();
    settle();
    state.SetLabel("5,000 words");
}

void BM_OpenTextAreaSheetOnALargeText(benchmark::State& state) {
    store();
    const PlacedComponent area = largeTextArea().screens[0].components[0];
    for (auto _ : state) {
        TextAreaEditorSheet sheet(area);
        sheet.show();
        settle();
        sheet.repaint();
    }
    state.SetLabel("5,000 words");
}

void BM_OpenSampleWindow(benchmark::State& state) {
    store();
    for (auto _ : state) {
        Result<VistrelleDocument> document = VistrelleDocument::readFile(
            QStringLiteral(VISTRELLE_SOURCE_DIR "/examples/harbour-library-lobby.vistrelle"));
        auto window = std::make_unique<EditorWindow>(std::move(document).value());
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        window->activateDocument();
        settle();
        window->repaint();
        state.PauseTiming();
        window->closeWithoutAsking();
        window.reset();
        settle();
        state.ResumeTiming();
    }
}

void BM_OpenLargeProjectWindow(benchmark::State& state) {
    store();
    const KioskProject project = bench::makeLargeProject(500, 50);
    for (auto _ : state) {
        // From a read document to a window, with the screens palette open, drawn and ready for input.
        auto window = openWindow(project);
        PaletteWindows::shared().show(PaletteWindows::screensIdentifier);
        settle();
        window->repaint();
        PaletteWindows::shared().window(PaletteWindows::screensIdentifier)->repaint();
        state.PauseTiming();
        window->closeWithoutAsking();
        window.reset();
        PaletteWindows::shared().closeAll();
        settle();
        state.ResumeTiming();
    }
    state.SetLabel("500 screens × 50 components");
}

// What an edit of a crowded screen costs the GUI thread for its picture in the screens palette: comparing
// the screens, then taking the picture drawn on the pool and showing it in the row. The drawing itself runs
// on another thread and is not counted.
void BM_ScreenThumbnailAfterAnEdit(benchmark::State& state) {
    store();
    QList<KioskScreen> screens = crowdedScreen().screens;
    ScreenThumbnails thumbnails;
    PaletteScreenRowView row(screens[0], true, true);
    QObject::connect(&thumbnails, &ScreenThumbnails::thumbnailReady, &row,
                     [&](const QUuid& id) { row.setThumbnail(thumbnails.thumbnail(id)); });
    const auto drainTimed = [&] {
        qint64 spent = 0;
        QElapsedTimer waited;
        waited.start();
        while (thumbnails.isBusy() && waited.elapsed() < 10000) {
            QElapsedTimer turn;
            turn.start();
            QCoreApplication::processEvents();
            spent += turn.nsecsElapsed();
            QThread::msleep(1);
        }
        return spent;
    };
    thumbnails.update(screens);
    drainTimed();
    int step = 0;
    for (auto _ : state) {
        screens[0].components[step++ % 200].position.x += 1;
        QElapsedTimer compare;
        compare.start();
        thumbnails.update(screens);
        const qint64 comparing = compare.nsecsElapsed();
        state.SetIterationTime(double(comparing + drainTimed()) / 1e9);
    }
    if (!row.showsThumbnail())
        state.SkipWithError("no picture was shown");
    state.SetLabel("200 components, GUI thread only");
}

// The user clicks into another project window: the palettes leave the one and dock into the other, which
// is drawn with them.
void BM_SwitchWindowMovesThePalettes(benchmark::State& state) {
    store();
    const std::unique_ptr<EditorWindow> first = openWindow(crowdedScreen());
    const std::unique_ptr<EditorWindow> second = openWindow(crowdedScreen());
    int turn = 0;
    for (auto _ : state) {
        EditorWindow& next = ++turn % 2 ? *first : *second;
        next.activateDocument();
        settle();
        next.repaint();
    }
    if (PaletteWindows::shared().host() != (turn % 2 ? first.get() : second.get()))
        state.SkipWithError("the palettes did not follow");
    PaletteWindows::shared().closeAll();
    settle();
    state.SetLabel("1400 × 900, 200 components");
}

} // namespace

BENCHMARK(BM_DragStepOnCrowdedScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupDragStepOnCrowdedScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRepaintOfCrowdedScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InspectorOpacityDragStepOnCrowdedScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeystrokeInATitleOnCrowdedScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectAnotherComponentUntilTheInspectorShowsIt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypingInALargeTextArea)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenTextAreaSheetOnALargeText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenSampleWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScreenThumbnailAfterAnEdit)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_SwitchWindowMovesThePalettes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenLargeProjectWindow)->Unit(benchmark::kMillisecond)->Iterations(3);
