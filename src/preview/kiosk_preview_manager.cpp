#include "preview/kiosk_preview_manager.h"

#include "preview/live_media_loader.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace vistrelle {

KioskPreviewWindow::KioskPreviewWindow(KioskProject project, KioskPreviewView::Services services)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setWindowTitle(tr("Vistrelle Preview"));
    setObjectName(QStringLiteral("KioskPreviewWindow"));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    view_ = new KioskPreviewView(std::move(project), std::move(services), this);
    layout->addWidget(view_);
    connect(view_, &KioskPreviewView::closeRequested, this, &QWidget::close);
}

void KioskPreviewWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

KioskPreviewWindowController::KioskPreviewWindowController(const KioskProject& project,
                                                           KioskPreviewView::Services services)
    : window_(new KioskPreviewWindow(project, std::move(services))) {
    connect(window_, &KioskPreviewWindow::closed, this, &KioskPreviewWindowController::closed);
}

KioskPreviewWindowController::~KioskPreviewWindowController() {
    delete window_.data();
}

void KioskPreviewWindowController::present(QScreen* screen) {
    if (!window_)
        return;
    if (screen) {
        window_->setScreen(screen);
        window_->setGeometry(screen->geometry());
    }
    window_->showFullScreen();
    window_->raise();
    window_->activateWindow();
    window_->view()->setFocus();
}

void KioskPreviewWindowController::close() {
    if (window_ && window_->isVisible())
        window_->close();
}

KioskPreviewManager::KioskPreviewManager(QWidget* editorWindow)
    : QObject(editorWindow)
    , editorWindow_(editorWindow)
    , liveMediaSource_([](const KioskProject& project) {
        return needsLiveMedia(project) ? liveMediaFactory() : nullptr;
    }) {}

KioskPreviewManager::~KioskPreviewManager() {
    delete controller_.data();
}

void KioskPreviewManager::setLiveMediaSource(std::function<LiveMediaFactory*(const KioskProject&)> source) {
    liveMediaSource_ = std::move(source);
}

void KioskPreviewManager::showPreview(const KioskProject& project, const std::optional<QDateTime>& moment) {
    KioskPreviewView::Services services;
    services.sinceRequested.start();
    if (moment)
        services.wallClock = [start = *moment, since = services.sinceRequested] {
            return start.addMSecs(since.elapsed());
        };
    if (controller_) {
        // The old preview makes way. The editor is not brought forward: it would take the keyboard
        // (and Escape) from the new preview.
        KioskPreviewWindowController* old = controller_;
        controller_ = nullptr;
        disconnect(old, nullptr, this, nullptr);
        old->close();
        old->deleteLater();
    }
    services.liveMedia = liveMediaSource_ ? liveMediaSource_(project) : nullptr;
    auto* controller = new KioskPreviewWindowController(project, std::move(services));
    controller_ = controller;
    connect(controller, &KioskPreviewWindowController::closed, this,
            [this, controller] { previewClosed(controller); });
    controller->present(editorWindow_ ? editorWindow_->screen() : QGuiApplication::primaryScreen());
    emit windowControllerChanged();
}

void KioskPreviewManager::previewClosed(KioskPreviewWindowController* controller) {
    returnToEditor(editorWindow_);
    if (controller != controller_)
        return;
    controller_ = nullptr;
    controller->deleteLater(); // not from inside its own window's close
    emit windowControllerChanged();
}

namespace {

bool showsAProject(const QWidget* window) {
    return window->inherits("vistrelle::EditorWindow") ||
           window->windowFilePath().endsWith(QLatin1StringView(".vistrelle"), Qt::CaseInsensitive);
}

QWidget* editorToReturnTo(const QPointer<QWidget>& preferred) {
    if (preferred && preferred->isVisible())
        return preferred;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && showsAProject(window))
            return window;
    return nullptr;
}

} // namespace

void returnToEditor(QPointer<QWidget> preferred) {
    QTimer::singleShot(100, qApp, [preferred] {
        QWidget* editor = editorToReturnTo(preferred);
        if (!editor)
            return;
        if (editor->isMinimized())
            editor->showNormal();
        editor->raise();
        editor->activateWindow();
        // Some window managers hand over the keyboard only a moment later.
        QPointer<QWidget> again(editor);
        QTimer::singleShot(200, qApp, [again] {
            if (again && again->isVisible() && !again->isActiveWindow()) {
                again->raise();
                again->activateWindow();
            }
        });
    });
}

} // namespace vistrelle
