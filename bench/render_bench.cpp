// Slide export of a 20-screen 1920 × 1080 project next to encoding the same 20
// already-rendered slides one after another; and drawing one screen of 100
// mixed components.
#include "export/png_encoding.h"
#include "export/slide_export.h"
#include "media/image_cache.h"
#include "media/path_resolver.h"
#include "model/component_factory.h"
#include "photo_show.h"
#include "render/image_source.h"
#include "render/screen_painter.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QtConcurrent/QtConcurrentRun>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

using namespace vistrelle;

namespace {

QTemporaryDir& workFolder() {
    static QTemporaryDir dir;
    return dir;
}

QString photo(int i) {
    const QString path = workFolder().filePath(QStringLiteral("photo-%1.jpg").arg(i));
    if (!QFileInfo::exists(path)) {
        QImage image(1600, 1000, QImage::Format_RGB32);
        QPainter painter(&image);
        QLinearGradient gradient(0, 0, 1600, 1000);
        gradient.setColorAt(0, QColor::fromHsv((i * 40) % 360, 200, 200));
        gradient.setColorAt(1, QColor::fromHsv((i * 40 + 120) % 360, 160, 120));
        painter.fillRect(image.rect(), gradient);
        painter.end();
        QImageWriter(path, "jpg").write(image);
    }
    return path;
}

KioskScreen mixedScreen(int index, int components) {
    KioskScreen screen(QStringLiteral("Screen %1").arg(index));
    screen.background = {BackgroundType::gradient, "#FFFFFF", std::nullopt,
                         GradientStyle{"#0B3D91", "#00A3E0", GradientDirection::diagonal}};
    const ComponentType types[] = {ComponentType::title, ComponentType::label, ComponentType::shape,
                                   ComponentType::icon,  ComponentType::image, ComponentType::textArea};
    for (int i = 0; i < components; ++i) {
        const ComponentType type = types[i % 6];
        PlacedComponent c = makeComponent(type, {double(60 + (i * 173) % 1500), double(40 + (i * 97) % 800)});
        if (type == ComponentType::image) {
            c.size = {480, 300};
            c.properties["imagePath"] = photo(i % 2);
            c.properties["fittingMode"] = "fill";
            c.properties["cornerRadius"] = "16";
        } else if (type == ComponentType::title) {
            c.size = {900, 100};
            c.properties["text"] = QStringLiteral("Welcome, screen %1").arg(index);
            c.properties["fontSize"] = "64";
        } else if (type == ComponentType::icon) {
            c.properties["iconName"] = "star.fill";
            c.properties["iconSize"] = "48";
        }
        screen.components.append(c);
    }
    return screen;
}

KioskProject screensOfTwelveComponents(int count) {
    KioskProject project;
    project.settings.defaultResolution = ScreenResolution::presets(ScreenMode::horizontal).last();
    project.screens.clear();
    for (int i = 0; i < count; ++i)
        project.screens.append(mixedScreen(i, 12));
    return project;
}

KioskProject twentyScreens() {
    return screensOfTwelveComponents(20);
}

long peakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// The process's peak memory after exporting N slides at 1080p: run each size in a process of its own
// (--benchmark_filter=BM_SlideExportPeakMemory/200), since the peak never comes down.
void BM_SlideExportPeakMemory(benchmark::State& state) {
    const KioskProject project = screensOfTwelveComponents(int(state.range(0)));
    BlockingImageSource images(ImageCache::shared());
    const long before = peakResidentMegabytes();
    for (auto _ : state) {
        const QString out = workFolder().filePath(QStringLiteral("export-%1").arg(state.range(0)));
        QDir().mkpath(out);
        exportOptimizedSlides(project, out, {false}, images, PathResolver::shared(),
                              [](double, const QString&) {});
        state.PauseTiming();
        QDir(out).removeRecursively();
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = double(peakResidentMegabytes());
    state.counters["peak_growth_MB"] = double(peakResidentMegabytes() - before);
}

// Slides of the mixed show or (range(1) = 1) the photo show, as JPEG or (range(0) = 1) PNG.
void BM_SlideExport(benchmark::State& state) {
    const bool png = state.range(0) == 1;
    const bool photos = state.range(1) == 1;
    const KioskProject project = photos ? bench::photoShow(workFolder().path()) : twentyScreens();
    BlockingImageSource images(ImageCache::shared());
    for (auto _ : state) {
        const QString out = workFolder().filePath(QStringLiteral("export"));
        QDir().mkpath(out);
        exportOptimizedSlides(project, out, {png}, images, PathResolver::shared(),
                              [](double, const QString&) {});
        state.PauseTiming();
        QDir(out).removeRecursively();
        state.ResumeTiming();
    }
    state.SetLabel(std::string(photos ? "photo show, " : "mixed show, ") + (png ? "png" : "jpg"));
}

// The 20 slides (of the mixed show, or of the photo show), drawn once, for the benchmarks that only encode.
QList<QImage> twentyRenderedSlides(bool photos = false) {
    const KioskProject project = photos ? bench::photoShow(workFolder().path()) : twentyScreens();
    BlockingImageSource images(ImageCache::shared());
    QList<QImage> slides;
    for (const KioskScreen& screen : project.screens)
        slides.append(renderSlide(project, screen, images));
    return slides;
}

void BM_EncodeOnly(benchmark::State& state) {
    const bool png = state.range(0) == 1;
    const bool photos = state.range(1) == 1;
    const QList<QImage> slides = twentyRenderedSlides(photos);
    for (auto _ : state) {
        const QString out = workFolder().filePath(QStringLiteral("encode"));
        QDir().mkpath(out);
        for (int i = 0; i < slides.size(); ++i)
            saveSlideImage(slides[i], QDir(out).filePath(optimizedSlideName(i, {png})), png);
        state.PauseTiming();
        QDir(out).removeRecursively();
        state.ResumeTiming();
    }
    state.SetLabel(std::string(photos ? "photo show, " : "mixed show, ") + (png ? "png" : "jpg"));
}

// PNG size against time: the 20 slides deflated at `range(0)` (0: automatic, -1: the image library's own
// writer), to
// memory on one core; the label holds the bytes of all 20.
void BM_PngLevel(benchmark::State& state) {
    const QList<QImage> slides = twentyRenderedSlides(state.range(1) == 1);
    const int level = int(state.range(0));
    qint64 bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (const QImage& slide : slides) {
            QByteArray png;
            if (level == -1) {
                QBuffer buffer(&png);
                buffer.open(QIODevice::WriteOnly);
                QImageWriter(&buffer, "png").write(slide);
            } else {
                png = encodePng(slide, level);
            }
            bytes += png.size();
        }
    }
    state.SetLabel(std::string(state.range(1) == 1 ? "photo show, " : "mixed show, ") +
                   (level == -1  ? std::string("image library")
                    : level == 0 ? std::string("libdeflate, automatic level")
                                 : "libdeflate level " + std::to_string(level)) +
                   ", " + std::to_string(bytes / 1024) + " KiB");
}

// Drawing the 20 slides one after another, without encoding: what the export
// adds to the encoding.
void BM_RenderOnly(benchmark::State& state) {
    const KioskProject project = twentyScreens();
    BlockingImageSource images(ImageCache::shared());
    QImage canvas;
    for (auto _ : state)
        for (const KioskScreen& screen : project.screens)
            renderScreenInto(canvas, screen, QSize(1920, 1080), images, ComponentOrder::listOrder);
}

// Encoding the 20 slides to memory on every core, without drawing or writing:
// the floor under the export's time.
void BM_EncodeOnBothCores(benchmark::State& state) {
    const QList<QImage> slides = twentyRenderedSlides();
    for (auto _ : state) {
        QList<QFuture<QByteArray>> parts;
        for (const QImage& slide : slides)
            parts.append(QtConcurrent::run([slide] { return encodeSlideImage(slide, false); }));
        for (auto& part : parts)
            benchmark::DoNotOptimize(part.result());
    }
    state.SetLabel("jpg");
}
void BM_DrawScreenOf100Components(benchmark::State& state) {
    const KioskScreen screen = mixedScreen(1, 100);
    BlockingImageSource images(ImageCache::shared());
    QImage frame(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    { // warm the caches: pictures, symbols, fonts
        QPainter painter(&frame);
        paintScreen(painter, screen, QSizeF(1920, 1080), images, ComponentOrder::byZIndex);
    }
    for (auto _ : state) {
        QPainter painter(&frame);
        paintScreen(painter, screen, QSizeF(1920, 1080), images, ComponentOrder::byZIndex);
    }
}

} // namespace

BENCHMARK(BM_SlideExportPeakMemory)->Arg(20)->Arg(200)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_EncodeOnly)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SlideExport)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PngLevel)
    ->ArgsProduct({{-1, 0, 1, 3, 5, 6, 7, 9}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_RenderOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeOnBothCores)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawScreenOf100Components)->Unit(benchmark::kMillisecond);
