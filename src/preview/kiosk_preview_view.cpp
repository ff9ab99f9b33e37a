#include "preview/kiosk_preview_view.h"

#include "model/component_properties.h"
#include "model/enumerations.h"
#include "platform/app_logger.h"
#include "preview/live_component_ticks.h"
#include "preview/preview_alert_card.h"
#include "preview/preview_controls.h"
#include "preview/preview_hit_test.h"
#include "preview/preview_live_media.h"
#include "preview/screen_layers.h"
#include "render/component_renderer.h"
#include "render/image_action.h"
#include "render/live_components.h"
#include "render/transition_painter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QHideEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <cmath>
#include <cstdio>

namespace vistrelle {

// The screen's own rectangle in the view: it draws the screen and holds the
// web pages, which it clips like the screen. It may be larger than the view.
class PreviewScreenArea : public QWidget {
public:
    explicit PreviewScreenArea(KioskPreviewView* view)
        : QWidget(view)
        , view_(view) {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        view_->paintScreenArea(painter);
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton)
            view_->pressOnScreen(event->position());
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        setCursor(view_->isButtonAt(event->position()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }

private:
    KioskPreviewView* view_;
};

namespace {

void printToStandardOutput(const QString& line) {
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

// Turns a frame of `frame` pixels by `degrees` into the area that shows it (whose sides swap at 90 and 270).
QTransform turned(int degrees, QSizeF frame) {
    QTransform t;
    switch (degrees) {
    case 90:
        t.translate(frame.height(), 0);
        t.rotate(90);
        break;
    case 180:
        t.translate(frame.width(), frame.height());
        t.rotate(180);
        break;
    case 270:
        t.translate(0, frame.width());
        t.rotate(270);
        break;
    default:
        break;
    }
    return t;
}

QSizeF turnedSize(int degrees, QSizeF size) {
    return degrees == 90 || degrees == 270 ? size.transposed() : size;
}

// The frame's grey border, 2 points wide, just inside its edge.
void paintScreenBorder(QPainter& painter, QSizeF frame) {
    painter.setPen(QPen(QColor(0x8E, 0x8E, 0x93), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(QPointF(1, 1), frame - QSizeF(2, 2)));
}

} // namespace

KioskPreviewView::KioskPreviewView(KioskProject project, Services services, QWidget* parent)
    : QWidget(parent)
    , project_(std::move(project))
    , services_(std::move(services)) {
    if (!services_.sinceRequested.isValid())
        services_.sinceRequested.start();
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    if (!services_.printLine)
        services_.printLine = printToStandardOutput;
    if (!services_.openWebPage)
        services_.openWebPage = [] {
            QDesktopServices::openUrl(QUrl(QStringLiteral("https://www.quendrix.com")));
        };

    PreviewPlayback::Hooks hooks;
    hooks.changed = [this] { playbackChanged(); };
    hooks.printLine = [this](const QString& line) { services_.printLine(line); };
    hooks.print = [this] { printCurrentScreen(); };
    hooks.openWebPage = [this] { services_.openWebPage(); };
    hooks.wallClock = services_.wallClock;
    playback_ = std::make_unique<PreviewPlayback>(project_, *services_.scheduler, std::move(hooks));
    layers_ = std::make_unique<ScreenLayers>(project_);

    area_ = new PreviewScreenArea(this);
    PreviewLiveMedia::Callbacks callbacks;
    callbacks.pictureChanged = [this](qint64 screen, const QUuid& component) {
        pictureChanged(screen, component);
    };
    callbacks.videoFrameArrived = [this] {
        frameLog_.firstVideoFrame(double(services_.sinceRequested.nsecsElapsed()) / 1e6);
    };
    callbacks.log = [](const QString& line) { AppLogger::logError(line); };
    callbacks.trace = [](const QString& line) { qCDebug(AppLogger::debug).noquote() << line; };
    media_ = std::make_unique<PreviewLiveMedia>(project_, services_.liveMedia, area_, std::move(callbacks));
    media_->setUnattended(services_.fillsView);
    liveTicks_ = std::make_unique<LiveComponentTicks>(
        project_, *services_.scheduler,
        [this](qint64 screen, const QUuid& id) { pictureChanged(screen, id); });
    // Clocks and tickers show the time the show plays at (a preview of another moment).
    if (services_.wallClock) {
        renderMomentOffset_ = QDateTime::currentDateTime().msecsTo(services_.wallClock());
        setRenderMomentOffset(renderMomentOffset_);
        movedRenderMoment_ = true;
    }

    controls_ = new PreviewControls(this);
    connect(controls_, &PreviewControls::zoomInClicked, this, &KioskPreviewView::zoomIn);
    connect(controls_, &PreviewControls::zoomOutClicked, this, &KioskPreviewView::zoomOut);
    connect(controls_, &PreviewControls::actualSizeClicked, this, &KioskPreviewView::showActualSize);
    connect(controls_, &PreviewControls::fitClicked, this, &KioskPreviewView::fitToWindow);
    connect(controls_, &PreviewControls::closeClicked, this, &KioskPreviewView::closeRequested);
    controls_->setZoomLabel(zoomLabel());
    controls_->setVisible(!services_.fillsView);
    if (services_.rotation != 90 && services_.rotation != 180 && services_.rotation != 270)
        services_.rotation = 0;

    alert_ = new PreviewAlertCard(this);
    connect(alert_, &PreviewAlertCard::dismissed, this, [this] { playback_->dismissAlert(); });

    layers_->setScale(scale_, devicePixelRatioF());
    settleOn(playback_->currentScreenIndex());
}

KioskPreviewView::~KioskPreviewView() {
    qApp->removeEventFilter(this);
    playback_->stop();
    liveTicks_->follow(-1);
    media_->clear();
    if (movedRenderMoment_)
        releaseRenderMomentOffset(renderMomentOffset_); // unless a newer preview moved it since
}

int KioskPreviewView::layerCount() const {
    return layers_->count();
}

QString KioskPreviewView::zoomLabel() const {
    return PreviewZoom::label(scale_);
}

void KioskPreviewView::zoomIn() {
    fitting_ = false;
    scale_ = PreviewZoom::zoomedIn(scale_);
    applyScale();
}

void KioskPreviewView::zoomOut() {
    fitting_ = false;
    scale_ = PreviewZoom::zoomedOut(scale_);
    applyScale();
}

void KioskPreviewView::showActualSize() {
    fitting_ = false;
    scale_ = 1.0;
    applyScale();
}

void KioskPreviewView::fitToWindow() {
    fitting_ = true;
    scale_ = fillingScale();
    applyScale();
}

void KioskPreviewView::applyScale() {
    controls_->setZoomLabel(zoomLabel());
    controls_->setFitting(fitting_);
    layers_->setScale(scale_, devicePixelRatioF());
    fittedIncoming_ = QImage();
    if (showingTransition_)
        placeScreenArea();
    else
        settleOn(playback_->currentScreenIndex(), Announce::no);
    area_->update();
}

// --- following the playback

void KioskPreviewView::playbackChanged() {
    const qint64 current = playback_->currentScreenIndex();
    const bool transitioning =
        playback_->isTransitioning() && playback_->currentScreen() && playback_->nextScreen();
    if (transitioning && !showingTransition_) {
        beginTransition();
    } else if (!transitioning && (showingTransition_ || shownScreen_ != current)) {
        if (showingTransition_)
            frameLog_.transitionEnded(storedString(runningEffect_));
        settleOn(current);
    }
    showingTransition_ = transitioning;
    syncAlert();
    area_->update();
}

void KioskPreviewView::beginTransition() {
    const qint64 current = playback_->currentScreenIndex();
    const qint64 next = playback_->nextScreenIndex();
    runningEffect_ = playback_->transitionEffect();
    media_->showPagesOf(std::nullopt, scale_); // the pages' looks go into the outgoing layer
    media_->setVideoScreens({current, next}, {current, next});
    layers_->keepOnly({current, next});
    fittedIncoming_ = QImage();
}

void KioskPreviewView::settleOn(qint64 screen, Announce announce) {
    shownScreen_ = screen;
    const qint64 count = project_.screens.size();
    const bool exists = screen >= 0 && screen < count;
    if (started_)
        liveTicks_->follow(exists ? screen : -1);
    placeScreenArea();
    media_->showPagesOf(exists ? std::optional(screen) : std::nullopt, scale_, screenToArea());
    if (!exists) {
        media_->setVideoScreens({}, {});
        layers_->keepOnly({});
        if (started_ && announce == Announce::yes)
            emit screenSettled(screen); // nothing on view (closed): also a boundary for the player
        return;
    }
    // The screen after this one is drawn and its videos loaded while this one is held, ready for
    // its transition.
    const qint64 expected = playback_->upcomingScreenIndex();
    const qint64 upcoming = expected >= 0 ? expected : screen;
    media_->setVideoScreens({screen, upcoming}, {screen});
    layers_->keepOnly({screen, upcoming});
    layers_->prepare(upcoming, media_->pictures(upcoming));
    releaseRetiredVideosWhenStill(screen);
    if (started_ && announce == Announce::yes)
        emit screenSettled(screen);
}

void KioskPreviewView::releaseRetiredVideosWhenStill(qint64 screen) {
    // The films of the screen left stop once this screen is up and still: stopping one holds the main
    // thread for a moment. Under a playing film they wait for a still screen, unless they pile up.
    if (media_->retiredScreens() == 0)
        return;
    if (media_->playsVideo(screen) && media_->retiredScreens() < 4)
        return;
    releaseTimer_ = services_.scheduler->singleShot(0.3, [this] { media_->releaseRetiredVideos(); });
}

double KioskPreviewView::fillingScale() const {
    const ScreenResolution& project = project_.settings.defaultResolution;
    const KioskScreen* screen = playback_->currentScreen();
    QSizeF units(double(project.width), double(project.height));
    if ((units.width() <= 0 || units.height() <= 0) && screen)
        units = QSizeF(double(screen->resolution.width), double(screen->resolution.height));
    units = turnedSize(services_.rotation, units);
    if (units.width() <= 0 || units.height() <= 0 || width() <= 0 || height() <= 0)
        return scale_;
    return std::min(double(width()) / units.width(), double(height()) / units.height());
}

QTransform KioskPreviewView::screenToArea() const {
    const KioskScreen* screen = playback_->currentScreen();
    const QSizeF frame =
        screen ? QSizeF(double(screen->resolution.width) * scale_, double(screen->resolution.height) * scale_)
               : QSizeF();
    QTransform t = turned(services_.rotation, frame);
    t.scale(scale_, scale_);
    return t;
}

void KioskPreviewView::placeScreenArea() {
    const KioskScreen* screen = playback_->currentScreen();
    if (!screen) {
        area_->hide();
        return;
    }
    if (services_.fillsView || fitting_) {
        const double fit = fillingScale();
        if (std::abs(fit - scale_) > 1e-9) {
            scale_ = fit;
            layers_->setScale(scale_, devicePixelRatioF());
            fittedIncoming_ = QImage();
            controls_->setZoomLabel(zoomLabel());
        }
    }
    const QSizeF frame = turnedSize(services_.rotation, QSizeF(double(screen->resolution.width) * scale_,
                                                               double(screen->resolution.height) * scale_));
    const QPointF corner((width() - frame.width()) / 2, (height() - frame.height()) / 2);
    area_->setGeometry(QRectF(corner, frame).toAlignedRect());
    area_->show();
    area_->lower();
}

void KioskPreviewView::resizeEvent(QResizeEvent*) {
    const double before = scale_;
    placeScreenArea();
    if (scale_ != before && !showingTransition_)
        settleOn(playback_->currentScreenIndex(),
                 Announce::no); // the pages and the next layer at the new scale
    controls_->adjustSize();
    controls_->move(width() - 16 - controls_->width(), 16);
    controls_->raise();
    if (alert_->isVisible())
        alert_->setGeometry(rect());
}

void KioskPreviewView::showEvent(QShowEvent*) {
    if (started_)
        return;
    started_ = true;
    // Escape is watched for the whole application: it closes even from inside a web page.
    qApp->installEventFilter(this);
    const qint64 first = playback_->currentScreenIndex();
    playback_->start(); // a show with schedules may begin on another screen: then it has settled there
    liveTicks_->follow(playback_->currentScreenIndex());
    setFocus();
    if (playback_->currentScreen() && playback_->currentScreenIndex() == first)
        emit screenSettled(playback_->currentScreenIndex());
}

void KioskPreviewView::hideEvent(QHideEvent* event) {
    if (event->spontaneous())
        return; // minimised by the window manager: the show goes on
    // Closed: nothing plays or waits any more.
    qApp->removeEventFilter(this);
    playback_->stop();
    liveTicks_->follow(-1);
    media_->clear();
}

bool KioskPreviewView::eventFilter(QObject* watched, QEvent* event) {
    if (!services_.fillsView && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == window()) {
            if (key->key() == Qt::Key_Escape) {
                emit closeRequested();
                return true;
            }
            if (key->modifiers() == Qt::ControlModifier &&
                (key->key() == Qt::Key_0 || key->key() == Qt::Key_9)) {
                key->key() == Qt::Key_0 ? showActualSize() : fitToWindow();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void KioskPreviewView::syncAlert() {
    if (playback_->showingAlert() && !alert_->isVisible())
        alert_->present(playback_->alertTitle(), playback_->alertMessage());
    else if (!playback_->showingAlert() && alert_->isVisible()) {
        alert_->hide();
        setFocus();
    }
}

// --- drawing

void KioskPreviewView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (playback_->currentScreen())
        return;
    QFont font = this->font();
    font.setPixelSize(28);
    painter.setFont(font);
    painter.setPen(Qt::white);
    // Between scheduled times a display stays black; the preview says why it is.
    const QString text = project_.screens.isEmpty() ? tr("No screens available")
                         : services_.fillsView      ? QString()
                                                    : tr("Nothing plays at this time");
    painter.drawText(rect(), Qt::AlignCenter, text);
    frameLog_.firstFrame(double(services_.sinceRequested.nsecsElapsed()) / 1e6);
}

void KioskPreviewView::pictureChanged(qint64 screen, const QUuid& component) {
    changedPictures_.insert({screen, component});
    if (showingTransition_) {
        area_->update(); // every frame is drawn whole anyway
        return;
    }
    // Only what changed on the screen shown is drawn again; a screen not shown takes its change later.
    if (screen != playback_->currentScreenIndex())
        return;
    for (const PlacedComponent& c : project_.screens[screen].components)
        if (c.id == component) {
            const QRectF bounds = paintedBounds(c).translated(c.position.x, c.position.y);
            area_->update(screenToArea().mapRect(bounds).toAlignedRect().adjusted(-1, -1, 1, 1));
        }
}

void KioskPreviewView::redrawChangedPictures() {
    if (changedPictures_.isEmpty())
        return;
    QHash<qint64, LivePictures> pictures;
    for (const auto& [screen, id] : std::as_const(changedPictures_)) {
        if (!layers_->isHeld(screen) || screen < 0 || screen >= project_.screens.size())
            continue;
        for (const PlacedComponent& c : project_.screens[screen].components) {
            if (c.id != id)
                continue;
            if (!pictures.contains(screen))
                pictures.insert(screen, media_->pictures(screen));
            layers_->redraw(screen, paintedBounds(c).translated(c.position.x, c.position.y),
                            pictures[screen]);
        }
    }
    changedPictures_.clear();
}

const QImage& KioskPreviewView::incomingLayer(const QImage& outgoing) {
    const qint64 next = playback_->nextScreenIndex();
    const QImage& incoming = layers_->layer(next, media_->pictures(next));
    const KioskScreen* from = playback_->currentScreen();
    const KioskScreen* to = playback_->nextScreen();
    if (from->resolution.width == to->resolution.width && from->resolution.height == to->resolution.height)
        return incoming;
    if (!fittedIncoming_.isNull() && fittedFrom_ == incoming.cacheKey() &&
        fittedIncoming_.size() == outgoing.size())
        return fittedIncoming_;
    // Another resolution: scaled uniformly about the centre to fit the outgoing frame, the rest see-through.
    fittedIncoming_ = QImage(outgoing.size(), QImage::Format_ARGB32_Premultiplied);
    fittedFrom_ = incoming.cacheKey();
    if (fittedIncoming_.isNull() || incoming.isNull())
        return fittedIncoming_;
    fittedIncoming_.fill(Qt::transparent);
    const QSizeF frame(double(from->resolution.width), double(from->resolution.height));
    const QSizeF content(double(to->resolution.width), double(to->resolution.height));
    const double fit = std::min(frame.width() / std::max(content.width(), 1.0),
                                frame.height() / std::max(content.height(), 1.0));
    const double pixelsPerUnit = double(outgoing.width()) / frame.width();
    const QSizeF placed = content * fit * pixelsPerUnit;
    const QPointF corner((outgoing.width() - placed.width()) / 2, (outgoing.height() - placed.height()) / 2);
    QPainter painter(&fittedIncoming_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(corner, placed), incoming);
    return fittedIncoming_;
}

void KioskPreviewView::paintScreenArea(QPainter& painter) {
    QElapsedTimer clock;
    clock.start();
    const KioskScreen* current = playback_->currentScreen();
    if (!current)
        return;
    redrawChangedPictures();
    const qint64 index = playback_->currentScreenIndex();
    const QSizeF frame(double(current->resolution.width) * scale_,
                       double(current->resolution.height) * scale_);
    const QImage& outgoing = layers_->layer(index, media_->pictures(index));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setTransform(turned(services_.rotation, frame));
    if (showingTransition_) {
        const QImage& incoming = incomingLayer(outgoing);
        paintTransitionFrame(painter, frame, playback_->transitionEffect(), playback_->transitionProgress(),
                             outgoing, incoming);
    } else {
        painter.fillRect(QRectF(QPointF(0, 0), frame), Qt::black);
        painter.drawImage(QRectF(QPointF(0, 0), frame), outgoing);
    }
    if (!services_.fillsView)
        paintScreenBorder(painter, frame);
    // The area is whole pixels; the sliver beyond a fractional frame is black, not what was there before.
    const QRectF area(QPointF(0, 0), turnedSize(services_.rotation, QSizeF(area_->size())));
    painter.fillRect(QRectF(frame.width(), 0, area.width() - frame.width(), area.height()), Qt::black);
    painter.fillRect(QRectF(0, frame.height(), frame.width(), area.height() - frame.height()), Qt::black);
    const double milliseconds = double(clock.nsecsElapsed()) / 1e6;
    if (showingTransition_)
        frameLog_.transitionFrame(playback_->transitionProgress(), milliseconds);
    frameLog_.firstFrame(double(services_.sinceRequested.nsecsElapsed()) / 1e6);
    emit framePainted();
}

// --- clicks

void KioskPreviewView::clickAt(QPointF point) {
    if (area_->isVisible() && area_->geometry().contains(point.toPoint()))
        pressOnScreen(point - QPointF(area_->pos()));
}

void KioskPreviewView::pressOnScreen(QPointF point) {
    const KioskScreen* screen = playback_->currentScreen();
    if (!screen)
        return;
    const QPointF units = screenToArea().inverted().map(point);
    const PlacedComponent* hit = componentAt(*screen, units);
    if (!hit)
        return;
    if (hit->componentType == ComponentType::image) {
        if (const std::optional<QString> action = imageButtonAction(hit->properties))
            playback_->handleButtonAction(*action, *screen);
        return;
    }
    if (hit->componentType == ComponentType::video && onPlayButton(*hit, units))
        media_->startVideo(playback_->currentScreenIndex(), hit->id);
}

bool KioskPreviewView::isButtonAt(QPointF point) const {
    const KioskScreen* screen = playback_->currentScreen();
    if (!screen)
        return false;
    const QPointF units = screenToArea().inverted().map(point);
    const PlacedComponent* hit = componentAt(*screen, units);
    if (!hit)
        return false;
    if (hit->componentType == ComponentType::image)
        return imageButtonAction(hit->properties).has_value();
    return hit->componentType == ComponentType::video &&
           media_->waitsForClick(playback_->currentScreenIndex(), hit->id) && onPlayButton(*hit, units);
}

// --- "system:print": the screen on view, on paper

void KioskPreviewView::printCurrentScreen() {
    const qint64 index = playback_->currentScreenIndex();
    if (!playback_->currentScreen())
        return;
    const QImage picture = layers_->layer(index, media_->pictures(index));
    if (picture.isNull())
        return;
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setPageOrientation(picture.width() >= picture.height() ? QPageLayout::Landscape
                                                                    : QPageLayout::Portrait);
    auto* dialog = new QPrintDialog(printer.get(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, qOverload<>(&QDialog::accepted), this, [printer, picture] {
        QPainter painter(printer.get());
        const QRectF page = painter.viewport();
        const QSizeF fitted = QSizeF(picture.size()).scaled(page.size(), Qt::KeepAspectRatio);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(page.center() - QPointF(fitted.width(), fitted.height()) / 2, fitted),
                          picture);
    });
    dialog->open();
}

} // namespace vistrelle
