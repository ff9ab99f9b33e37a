#include "app/window_position_observer.h"

#include "app/window_manager.h"

#include <QEvent>
#include <QWidget>

namespace vistrelle {

WindowPositionObserver::WindowPositionObserver(QWidget& window, QString identifier)
    : QObject(&window)
    , window_(window)
    , identifier_(std::move(identifier)) {
    settle_.setSingleShot(true);
    settle_.setInterval(settleDelayMs);
    connect(&settle_, &QTimer::timeout, this, &WindowPositionObserver::flush);
    window.installEventFilter(this);
}

void WindowPositionObserver::flush() {
    settle_.stop();
    if (!pending_)
        return;
    pending_ = false;
    WindowManager::shared().save(window_, identifier_, contentName_);
}

void WindowPositionObserver::setContentName(const QString& contentName) {
    flush();
    contentName_ = contentName;
}

bool WindowPositionObserver::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            // Frames set while the window is hidden are our own restores, not the user's choice; a palette
            // docked into a project window has no frame of its own.
            if (window_.isVisible() && window_.isWindow()) {
                pending_ = true;
                settle_.start();
            }
            break;
        case QEvent::Hide:
        case QEvent::Close:
            flush();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vistrelle
