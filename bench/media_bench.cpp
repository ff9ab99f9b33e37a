// Loading a 6000 × 4000 JPEG through the cache at the 2048 limit, next to a
// full-size decode of the same file, and the proof that the file is a picture.
#include "media/image_cache.h"
#include "media/media_content.h"
#include "media/path_resolver.h"

#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace vistrelle;

namespace {

const QString& largeJpeg() {
    static QTemporaryDir dir;
    static const QString path = [] {
        // A photo-like picture: gradients and noise, so the file is of a realistic size.
        QImage image(6000, 4000, QImage::Format_RGB32);
        QPainter painter(&image);
        QLinearGradient gradient(0, 0, 6000, 4000);
        gradient.setColorAt(0, QColor(20, 60, 140));
        gradient.setColorAt(1, QColor(230, 180, 60));
        painter.fillRect(image.rect(), gradient);
        painter.end();
        auto* random = QRandomGenerator::global();
        for (int y = 0; y < image.height(); y += 3) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] ^= random->bounded(32);
        }
        const QString file = dir.filePath(QStringLiteral("large.jpg"));
        QImageWriter writer(file, "jpg");
        writer.setQuality(90);
        writer.write(image);
        return file;
    }();
    return path;
}

void BM_FullDecode(benchmark::State& state) {
    const QString& file = largeJpeg();
    for (auto _ : state) {
        QImageReader reader(file);
        benchmark::DoNotOptimize(reader.read());
    }
}

void BM_CacheLoadAt2048(benchmark::State& state) {
    const QString& file = largeJpeg();
    for (auto _ : state) {
        ImageCache cache; // empty each time: every request decodes
        const std::optional<QImage> image = cache.imageNow(file);
        if (!image || image->width() != 2048)
            state.SkipWithError("wrong size");
        benchmark::DoNotOptimize(image);
    }
}

// What deployment does with every picture before it copies it: proving by its content that it is one.
void BM_JudgeContentOfAPhoto(benchmark::State& state) {
    const QString& file = largeJpeg();
    for (auto _ : state)
        if (inspectMediaFile(file, MediaKind::picture) != MediaContent::matches)
            state.SkipWithError("not seen as a picture");
}

} // namespace

BENCHMARK(BM_JudgeContentOfAPhoto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CacheLoadAt2048)->Unit(benchmark::kMillisecond);
