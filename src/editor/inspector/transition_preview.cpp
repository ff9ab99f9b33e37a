#include "editor/inspector/transition_preview.h"

#include "model/project_model.h"
#include "render/transition_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace vistrelle {

namespace {

constexpr int kHeight = 140;
constexpr qreal kCornerRadius = 8;

// Slow in, slow out.
double easeInOut(double t) {
    if (t < 0.5)
        return 2 * t * t;
    const double rest = 2 - 2 * std::min(t, 1.0);
    return 1 - rest * rest / 2;
}

// One of the two sample screens: a gradient card with a large digit.
QImage drawSample(QSize pixels, qreal devicePixelRatio, const QColor& start, const QColor& end,
                  const QString& digit) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    const QRectF area(QPointF(0, 0), QSizeF(pixels) / devicePixelRatio);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient gradient(area.topLeft(), area.bottomRight());
    gradient.setColorAt(0, start);
    gradient.setColorAt(1, end);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawRoundedRect(area, kCornerRadius, kCornerRadius);

    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(1, qRound(area.height() * 0.55)));
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 255, 235));
    painter.drawText(area, Qt::AlignCenter, digit);
    return image;
}

} // namespace

TransitionPreview::TransitionPreview(std::unique_ptr<Scheduler> scheduler, QWidget* parent)
    : QWidget(parent)
    , scheduler_(std::move(scheduler)) {
    setFixedHeight(kHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

TransitionPreview::~TransitionPreview() = default;

QSize TransitionPreview::sizeHint() const {
    return {240, kHeight};
}

void TransitionPreview::setEffect(TransitionEffect effect) {
    if (effect == effect_)
        return;
    effect_ = effect;
    start();
}

void TransitionPreview::setDuration(double seconds) {
    if (seconds == duration_)
        return;
    duration_ = seconds;
    start();
}

void TransitionPreview::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    start();
}

void TransitionPreview::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    stop();
}

void TransitionPreview::stop() {
    timer_.reset();
}

void TransitionPreview::start() {
    stop();
    phase_ = Phase::holdFirst;
    progress_ = 0;
    update();
    // A hidden preview keeps no timers; showing it starts again.
    if (isVisible())
        scheduleHold();
}

void TransitionPreview::scheduleHold() {
    timer_ = scheduler_->singleShot(holdSeconds, [this] { beginTransition(); });
}

void TransitionPreview::beginTransition() {
    phase_ = phase_ == Phase::holdSecond ? Phase::transitionToFirst : Phase::transitionToSecond;
    if (effect_ == TransitionEffect::none) {
        finishTransition();
        return;
    }
    progress_ = 0;
    transitionStart_ = scheduler_->now();
    update();
    timer_ = scheduler_->singleShot(tickSeconds, [this] { tick(); });
}

void TransitionPreview::tick() {
    const double length =
        std::clamp(duration_, TransitionStyle::minimumDuration, TransitionStyle::maximumDuration);
    const double t = (scheduler_->now() - transitionStart_) / length;
    if (t >= 1) {
        finishTransition();
        return;
    }
    progress_ = easeInOut(t);
    update();
    timer_ = scheduler_->singleShot(tickSeconds, [this] { tick(); });
}

void TransitionPreview::finishTransition() {
    progress_ = 0;
    phase_ = phase_ == Phase::transitionToFirst ? Phase::holdFirst : Phase::holdSecond;
    update();
    scheduleHold();
}

void TransitionPreview::updateSamples(QSize pixelSize, qreal devicePixelRatio) {
    if (first_.size() == pixelSize && first_.devicePixelRatio() == devicePixelRatio)
        return;
    first_ = drawSample(pixelSize, devicePixelRatio, QColor(0xFF, 0x95, 0x00), QColor(0xFF, 0x2D, 0x55),
                        QStringLiteral("1"));
    second_ = drawSample(pixelSize, devicePixelRatio, QColor(0x32, 0xAD, 0xE6), QColor(0x58, 0x56, 0xD6),
                         QStringLiteral("2"));
}

void TransitionPreview::paintEvent(QPaintEvent*) {
    if (width() <= 0 || height() <= 0)
        return;
    const qreal ratio = devicePixelRatioF();
    updateSamples(QSize(qRound(width() * ratio), qRound(height() * ratio)), ratio);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(rect());
    QPainterPath rounded;
    rounded.addRoundedRect(area, kCornerRadius, kCornerRadius);

    painter.save();
    painter.setClipPath(rounded);
    painter.fillRect(area, Qt::black);
    switch (phase_) {
    case Phase::holdFirst:
        painter.drawImage(area, first_);
        break;
    case Phase::holdSecond:
        painter.drawImage(area, second_);
        break;
    case Phase::transitionToSecond:
        paintTransitionFrame(painter, area.size(), effect_, progress_, first_, second_);
        break;
    case Phase::transitionToFirst:
        paintTransitionFrame(painter, area.size(), effect_, progress_, second_, first_);
        break;
    }
    painter.restore();

    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius, kCornerRadius);
}

} // namespace vistrelle
