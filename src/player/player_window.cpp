#include "player/player_window.h"

#include "player/standby_card.h"
#include "preview/kiosk_preview_view.h"

#include <QApplication>
#include <QKeyEvent>

namespace vistrelle {

PlayerWindow::PlayerWindow(Options options, QWidget* parent)
    : QWidget(parent)
    , options_(std::move(options)) {
    setWindowTitle(tr("Vistrelle Player"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    if (!options_.windowed)
        setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    standby_ = new StandbyCard(this);
    standby_->hide();
    // The keys are watched for the whole application: a web page on view takes the focus.
    qApp->installEventFilter(this);
}

PlayerWindow::~PlayerWindow() {
    qApp->removeEventFilter(this);
}

void PlayerWindow::play(const LoadedShow& show) {
    KioskPreviewView::Services services;
    services.fillsView = true;
    services.rotation = options_.rotation;
    services.liveMedia = options_.liveMedia ? options_.liveMedia(show.project) : nullptr;
    if (options_.scheduler)
        services.scheduler = options_.scheduler();
    services.wallClock = options_.wallClock;
    services.printLine = [](const QString&) {}; // a display has no one reading standard output
    services.openWebPage = [] {};
    auto* next = new KioskPreviewView(show.project, std::move(services), this);
    next->setGeometry(rect());
    connect(next, &KioskPreviewView::screenSettled, this, &PlayerWindow::screenSettled);
    connect(next, &KioskPreviewView::framePainted, this, &PlayerWindow::framePainted);
    // The new show goes up over the old one, which goes only then: no frame without a show.
    next->show();
    next->raise();
    if (view_)
        view_->deleteLater();
    view_ = next;
    standby_->hide();
}

void PlayerWindow::showStandby(const QString& problem, const QString& path) {
    standby_->setProblem(problem, path);
    standby_->setGeometry(rect());
    standby_->show();
    standby_->raise();
    if (view_)
        view_->deleteLater();
    view_ = nullptr;
}

bool PlayerWindow::showsStandby() const {
    return standby_->isVisible();
}

void PlayerWindow::resizeEvent(QResizeEvent*) {
    standby_->setGeometry(rect());
    if (view_)
        view_->setGeometry(rect());
}

bool PlayerWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers chord = Qt::ControlModifier | Qt::AltModifier;
        if (key->key() == Qt::Key_Q && (key->modifiers() & chord) == chord) {
            emit quitRequested();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            // Full screen, Escape is swallowed: the show's own windows must not see it either.
            if (options_.windowed)
                emit quitRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vistrelle
