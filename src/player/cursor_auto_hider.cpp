#include "player/cursor_auto_hider.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>

namespace vistrelle {

CursorAutoHider::CursorAutoHider(Scheduler& scheduler, QObject* parent)
    : QObject(parent)
    , scheduler_(scheduler) {
    qApp->installEventFilter(this);
    hide();
}

CursorAutoHider::~CursorAutoHider() {
    if (hidden_)
        QGuiApplication::restoreOverrideCursor();
}

void CursorAutoHider::hide() {
    timer_.reset();
    if (hidden_)
        return;
    QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
    hidden_ = true;
}

void CursorAutoHider::show() {
    if (hidden_) {
        QGuiApplication::restoreOverrideCursor();
        hidden_ = false;
    }
    timer_ = scheduler_.singleShot(hideAfterSeconds, [this] { hide(); });
}

bool CursorAutoHider::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::HoverMove)
        show();
    return QObject::eventFilter(watched, event);
}

} // namespace vistrelle
