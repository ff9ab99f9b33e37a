#pragma once

#include "platform/scheduler.h"

#include <QObject>

#include <memory>

namespace vistrelle {

// Hides the pointer over the show; a moving mouse brings it back until it has been still for 3 seconds.
class CursorAutoHider : public QObject {
public:
    static constexpr double hideAfterSeconds = 3.0;

    explicit CursorAutoHider(Scheduler& scheduler, QObject* parent = nullptr);
    ~CursorAutoHider() override;

    bool cursorHidden() const { return hidden_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void hide();
    void show();

    Scheduler& scheduler_;
    std::unique_ptr<Scheduler::Timer> timer_;
    bool hidden_ = false;
};

} // namespace vistrelle
