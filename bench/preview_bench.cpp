// The preview: from asking for it to its first frame, and a video frame reaching a screen's layer.
#include "model/vistrelle_document.h"
#include "preview/kiosk_preview_view.h"
#include "preview/screen_layers.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

using namespace vistrelle;

namespace {

KioskProject sampleProject() {
    static const KioskProject project =
        VistrelleDocument::readFile(
            QStringLiteral(VISTRELLE_SOURCE_DIR "/examples/harbour-library-lobby.vistrelle"))
            .value()
            .project;
    return project;
}

// Without videos and web pages: those start after the first frame, in the plugin.
void BM_PreviewFirstFrame(benchmark::State& state) {
    QImage frame(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        KioskPreviewView view(sampleProject(), {});
        view.resize(1920, 1080);
        view.show();
        view.render(&frame);
        state.PauseTiming();
        view.hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetLabel("sample, 1920 x 1080");
}

void BM_VideoFrameIntoTheLayer(benchmark::State& state) {
    KioskProject project = sampleProject();
    KioskScreen& screen = project.screens[2];
    PlacedComponent* video = nullptr;
    for (PlacedComponent& component : screen.components)
        if (component.componentType == ComponentType::video)
            video = &component;
    video->size = {800, 450};
    ScreenLayers layers(project);
    QImage picture(640, 360, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    LivePictures live{{video->id, LivePicture{picture}}};
    layers.layer(2, live);
    const QRectF region(video->position.x, video->position.y, 800, 450);
    for (auto _ : state)
        layers.redraw(2, region, live);
    state.SetLabel("640 x 360 frame in 800 x 450");
}

} // namespace

BENCHMARK(BM_PreviewFirstFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VideoFrameIntoTheLayer)->Unit(benchmark::kMillisecond);
