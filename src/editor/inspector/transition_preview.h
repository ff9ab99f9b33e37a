#pragma once

#include "model/enumerations.h"
#include "platform/scheduler.h"

#include <QImage>
#include <QWidget>

#include <memory>

namespace vistrelle {

// The inspector's looping demonstration of a transition effect: two sample
// pictures take turns, each held for a while and then replaced with the
// effect. Runs only while shown.
class TransitionPreview : public QWidget {
    Q_OBJECT

public:
    enum class Phase { holdFirst, transitionToSecond, holdSecond, transitionToFirst };

    static constexpr double holdSeconds = 3.0;
    static constexpr double tickSeconds = 1.0 / 60.0;

    explicit TransitionPreview(std::unique_ptr<Scheduler> scheduler = Scheduler::eventLoop(),
                               QWidget* parent = nullptr);
    ~TransitionPreview() override;

    // A change restarts the cycle with the first picture (the same value changes nothing,
    // so the inspector may set them at every refresh).
    void setEffect(TransitionEffect effect);
    void setDuration(double seconds);

    TransitionEffect effect() const { return effect_; }
    double duration() const { return duration_; }
    Phase phase() const { return phase_; }
    // The eased progress of the running transition; 0 while holding.
    double progress() const { return progress_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void start();
    void stop();
    void scheduleHold();
    void beginTransition();
    void tick();
    void finishTransition();
    void updateSamples(QSize pixelSize, qreal devicePixelRatio);

    std::unique_ptr<Scheduler> scheduler_;
    std::unique_ptr<Scheduler::Timer> timer_;
    TransitionEffect effect_ = TransitionEffect::none;
    double duration_ = 1.0;
    Phase phase_ = Phase::holdFirst;
    double progress_ = 0;
    double transitionStart_ = 0;
    QImage first_;
    QImage second_;
};

} // namespace vistrelle
