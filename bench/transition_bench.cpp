// One transition frame at 1920 × 1080 from two already-rendered layers, for each effect.
#include "render/transition_painter.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <benchmark/benchmark.h>

using namespace vistrelle;

namespace {

QImage layerPicture(const QColor& from, const QColor& to) {
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 1920, 1080);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    painter.fillRect(image.rect(), gradient);
    return image;
}

void BM_TransitionFrame(benchmark::State& state) {
    const auto effect = TransitionEffect(state.range(0));
    static const QImage from = layerPicture(QColor(20, 60, 140), QColor(230, 180, 60));
    static const QImage to = layerPicture(QColor(200, 30, 60), QColor(30, 200, 160));
    QImage frame(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&frame);
        paintTransitionFrame(painter, QSizeF(1920, 1080), effect, 0.5, from, to);
    }
    state.SetLabel(storedString(effect).toStdString());
}

} // namespace

BENCHMARK(BM_TransitionFrame)->DenseRange(0, 13)->Unit(benchmark::kMillisecond);
