#include "editor/advanced_canvas_view.h"

#include "editor/canvas_geometry.h"
#include "editor/inline_text_tool.h"
#include "editor/sheets/symbol_icon.h"
#include "media/image_cache.h"
#include "model/component_properties.h"
#include "model/property_schema.h"
#include "model/stacking_order.h"
#include "render/component_renderer.h"
#include "render/image_source.h"
#include "render/screen_strips.h"
#include "richtext/font_resolver.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace vistrelle {
namespace {

const QColor selectionBlue(0, 122, 255);
constexpr double handleSide = 10;    // drawn, in widget pixels, the same at every zoom
constexpr double handleHitSide = 22; // grabbed: comfortably larger than drawn
constexpr QSize emptyCanvasUnits(800, 600);

bool isTextType(ComponentType type) {
    return type == ComponentType::title || type == ComponentType::label;
}

bool isSelected(const QList<QUuid>& ids, const QList<PlacedComponent>& components) {
    for (const PlacedComponent& c : components)
        if (!ids.contains(c.id))
            return false;
    return true;
}

// The frame of `component` in canvas units, turned about its centre like its drawing.
bool componentContains(const PlacedComponent& component, Point point) {
    const double rotation = numberPropertyOf(component, PropertyKey::rotation);
    const QPointF centre(component.position.x + component.size.width / 2,
                         component.position.y + component.size.height / 2);
    QPointF local(point.x, point.y);
    if (rotation != 0)
        local = QTransform()
                    .translate(centre.x(), centre.y())
                    .rotate(-rotation)
                    .translate(-centre.x(), -centre.y())
                    .map(local);
    return QRectF(component.position.x, component.position.y, component.size.width, component.size.height)
        .contains(local);
}

} // namespace

AdvancedCanvasView::AdvancedCanvasView(QWidget* parent)
    : QWidget(parent) {
    setAcceptDrops(true);
    setFocusPolicy(Qt::ClickFocus);
    setAccessibleName(tr("Canvas"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    inlineText_ = new InlineTextTool(this);
    connect(inlineText_, &InlineTextTool::textEdited, this,
            [this](const PlacedComponent& edited, const QString& text) {
                if (callbacks_.textChanged)
                    callbacks_.textChanged(edited, text);
            });
    connect(inlineText_, &InlineTextTool::finished, this, [this](const PlacedComponent& edited) {
        editingId_.reset();
        if (callbacks_.editingFinished)
            callbacks_.editingFinished(edited);
    });
    images_ = std::make_unique<AsyncImageSource>(ImageCache::shared(), this, [this] {
        invalidatePictures();
        update();
    });
    updateWidgetSize();
}

AdvancedCanvasView::~AdvancedCanvasView() = default;

// --- inputs

void AdvancedCanvasView::setScreen(const std::optional<KioskScreen>& screen) {
    if (screen == screen_)
        return;
    const bool otherScreen = !screen || !screen_ || screen->id != screen_->id;
    const bool resized = !screen || !screen_ || screen->resolution.width != screen_->resolution.width ||
                         screen->resolution.height != screen_->resolution.height;
    changedComponentIds_ = otherScreen ? QList<QUuid>() : changedComponents(*screen_, *screen);
    screen_ = screen;
    refreshSortedComponents();
    screenPictureValid_ = false;
    if (otherScreen) {
        abandonGesture();
        finishInlineEditing();
    }
    if (resized)
        updateWidgetSize();
    layoutInlineEditor();
    update();
}

void AdvancedCanvasView::setSelectedComponentId(const std::optional<QUuid>& id) {
    setSelectedComponentIds(id ? QList<QUuid>{*id} : QList<QUuid>{});
}

void AdvancedCanvasView::setSelectedComponentIds(const QList<QUuid>& ids) {
    if (ids == selectedIds_)
        return;
    selectedIds_ = ids;
    selectedId_ = ids.isEmpty() ? std::nullopt : std::optional(ids.last());
    // A move or resize of components no longer selected ends here.
    if (resizeTool_.isPressed() &&
        (!selectedId_ || *selectedId_ != resizeTool_.component().id || ids.size() != 1))
        abandonGesture();
    else if (moveTool_.isPressed() && !isSelected(ids, moveTool_.group()))
        abandonGesture();
    update();
}

void AdvancedCanvasView::setProjectSettings(const ProjectSettings& settings) {
    const bool gridChanged =
        settings.showGrid != settings_.showGrid || settings.gridSize != settings_.gridSize;
    settings_ = settings;
    if (gridChanged) {
        invalidatePictures();
        update();
    }
}

void AdvancedCanvasView::setZoom(double zoom) {
    if (!std::isfinite(zoom) || zoom <= 0 || zoom == zoom_)
        return;
    zoom_ = zoom;
    invalidatePictures();
    updateWidgetSize();
    layoutInlineEditor();
    update();
}

void AdvancedCanvasView::setEditingComponentId(const std::optional<QUuid>& id) {
    if (id == editingId_)
        return;
    if (editingId_)
        inlineText_->end();
    editingId_ = id;
    if (editingId_)
        beginInlineEditing();
}

// --- geometry

Size AdvancedCanvasView::screenSize() const {
    return screen_ ? Size{double(screen_->resolution.width), double(screen_->resolution.height)} : Size{};
}

QSizeF AdvancedCanvasView::canvasUnits() const {
    if (!screen_)
        return QSizeF(emptyCanvasUnits);
    // A damaged document may carry an absurd resolution: keep the widget within what can be shown.
    return QSizeF(std::clamp<double>(double(screen_->resolution.width), 1, 16384),
                  std::clamp<double>(double(screen_->resolution.height), 1, 16384));
}

void AdvancedCanvasView::updateWidgetSize() {
    const QSizeF units = canvasUnits() * zoom_;
    setFixedSize(int(std::ceil(units.width())) + 2 * margin, int(std::ceil(units.height())) + 2 * margin);
}

CanvasFrame AdvancedCanvasView::frame() const {
    return {zoom_, widgetPointFor({0, 0}), canvasUnits(),
            screen_ ? std::optional(screenSize()) : std::nullopt, settings_};
}

QList<PlacedComponent> AdvancedCanvasView::stackedComponents() const {
    QList<PlacedComponent> stacked;
    if (screen_)
        for (const qsizetype index : sortedIndices_)
            stacked.append(screen_->components[index]);
    return stacked;
}

bool AdvancedCanvasView::isGestureUnderWay() const {
    return moveTool_.isPressed() || resizeTool_.isPressed() || rubberBandTool_.isActive();
}

QLineEdit* AdvancedCanvasView::inlineEditor() const {
    return inlineText_->field();
}

QSize AdvancedCanvasView::sizeHint() const {
    return size();
}

QPointF AdvancedCanvasView::widgetPointFor(Point canvasPoint) const {
    return {margin + canvasPoint.x * zoom_, margin + canvasPoint.y * zoom_};
}

Point AdvancedCanvasView::canvasPointAt(QPointF widgetPoint) const {
    return {(widgetPoint.x() - margin) / zoom_, (widgetPoint.y() - margin) / zoom_};
}

QRectF AdvancedCanvasView::widgetRectFor(Point position, Size size) const {
    return QRectF(widgetPointFor(position), QSizeF(size.width * zoom_, size.height * zoom_));
}

QRectF AdvancedCanvasView::resizeHandleHitRect() const {
    const PlacedComponent* selected = selectedId_ ? componentWithId(*selectedId_) : nullptr;
    if (!selected || selectedIds_.size() != 1)
        return {};
    const Size size = resizeTool_.isResizing() ? resizeTool_.outline() : selected->size;
    const QPointF corner = widgetRectFor(selected->position, size).bottomRight();
    return QRectF(corner - QPointF(handleHitSide / 2, handleHitSide / 2),
                  QSizeF(handleHitSide, handleHitSide));
}

void AdvancedCanvasView::refreshSortedComponents() {
    sortedIndices_ = screen_ ? stackingOrder(screen_->components) : QList<qsizetype>();
}

const PlacedComponent* AdvancedCanvasView::liveComponentWithId(const QUuid& id) const {
    return callbacks_.liveComponent ? callbacks_.liveComponent(id) : componentWithId(id);
}

const PlacedComponent* AdvancedCanvasView::componentWithId(const QUuid& id) const {
    if (!screen_)
        return nullptr;
    for (const PlacedComponent& component : screen_->components)
        if (component.id == id)
            return &component;
    return nullptr;
}

const PlacedComponent* AdvancedCanvasView::componentAt(QPointF widgetPoint) const {
    if (!screen_)
        return nullptr;
    const Point point = canvasPointAt(widgetPoint);
    // Topmost first: the last one drawn receives the click.
    for (auto it = sortedIndices_.crbegin(); it != sortedIndices_.crend(); ++it) {
        const PlacedComponent& component = screen_->components[*it];
        if (componentContains(component, point))
            return &component;
    }
    return nullptr;
}

// --- pictures

QList<QUuid> AdvancedCanvasView::changedComponents(const KioskScreen& before, const KioskScreen& after) {
    if (before.background != after.background || before.components.size() != after.components.size())
        return {};
    QList<QUuid> changed;
    for (qsizetype i = 0; i < after.components.size(); ++i) {
        const PlacedComponent& was = before.components[i];
        const PlacedComponent& is = after.components[i];
        if (was == is)
            continue;
        // Another component, or a new place in the stacking order: the layers would not fit.
        if (was.id != is.id || was.zIndex != is.zIndex)
            return {};
        changed.append(is.id);
    }
    return changed;
}

void AdvancedCanvasView::invalidatePictures() {
    screenPictureValid_ = false;
    layersLiveIds_.clear();
    layerSteps_.clear();
    gridLayer_ = QImage();
}

QImage AdvancedCanvasView::renderLayer(const std::function<bool(qsizetype)>& include, bool background,
                                       bool grid) const {
    const qreal scale = zoom_ * devicePixelRatioF();
    const QSizeF units = canvasUnits();
    // With the background the picture is opaque, which is much cheaper to put on screen.
    QImage picture(QSize(int(std::ceil(units.width() * scale)), int(std::ceil(units.height() * scale))),
                   background ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull())
        return picture;
    // Cleared even under a background: the picture is rounded up to whole pixels, and the last column
    // the screen covers only in part would otherwise show whatever the memory held.
    picture.fill(background ? palette().color(QPalette::Window) : QColor(Qt::transparent));
    StripDrawing drawing;
    drawing.screen = &*screen_;
    drawing.units = units;
    drawing.scale = scale;
    drawing.background = background;
    for (qsizetype position = 0; position < sortedIndices_.size(); ++position)
        if (include(position))
            drawing.components.append(&screen_->components[sortedIndices_[position]]);
    if (grid)
        drawing.afterStrip = [this](QPainter& painter, const QRectF& band) {
            paintGrid(painter, band.top(), band.bottom());
        };
    paintInStrips(picture, drawing, *images_);
    picture.setDevicePixelRatio(devicePixelRatioF());
    return picture;
}

void AdvancedCanvasView::ensureScreenPicture() {
    if (screenPictureValid_)
        return;
    screenPicture_ = renderLayer([](qsizetype) { return true; }, true, true);
    screenPictureValid_ = true;
}

bool AdvancedCanvasView::ensureMoveLayers(const QList<QUuid>& liveIds) {
    if (!screen_)
        return false;
    QList<bool> live(sortedIndices_.size(), false);
    QList<qsizetype> livePositions;
    QList<PlacedComponent> still;
    for (qsizetype position = 0; position < sortedIndices_.size(); ++position) {
        const PlacedComponent& c = screen_->components[sortedIndices_[position]];
        live[position] = liveIds.contains(c.id);
        if (live[position])
            livePositions.append(position);
        else
            still.append(c);
    }
    if (livePositions.isEmpty())
        return false;
    // The pictures stay good while nothing but the live components changes (and they keep their places
    // in the stack).
    if (layersLiveIds_ == liveIds && layersLivePositions_ == livePositions &&
        layersBackground_ == screen_->background && layersOtherComponents_ == still && !layerSteps_.isEmpty())
        return true;

    // Runs of still components between live ones. Past a few runs (live components spread through the
    // stack) the pictures would cost more than they save: then, while a drag lasts, all still components
    // go below the live ones, which only matters where they overlap; otherwise the whole screen is drawn.
    constexpr int mostLayers = 4;
    int runs = 0;
    for (qsizetype position = 0; position < live.size(); ++position)
        if (!live[position] && (position == 0 || live[position - 1]))
            ++runs;
    // Out of a drag (an edit of several components, which stays on screen), only the true order will do.
    if (runs > mostLayers && !moveTool_.isMoving())
        return false;
    QList<std::pair<qsizetype, qsizetype>> stillRuns; // [from, to) stacking positions
    QList<qsizetype> liveOrder;
    if (runs > mostLayers) {
        stillRuns.append({0, live.size()});
        for (qsizetype position = 0; position < live.size(); ++position)
            if (live[position])
                liveOrder.append(position);
    }
    layerSteps_.clear();
    // The grid goes into the topmost picture when that lies over every live component.
    const bool gridOnTop = settings_.showGrid && !live.last();
    const auto addLayer = [&](qsizetype from, qsizetype to, bool background) {
        const auto included = [&live, from, to](qsizetype position) {
            return position >= from && position < to && !live[position];
        };
        const bool grid = gridOnTop && to == live.size();
        QImage layer = renderLayer(included, background, grid);
        QPointF offset;
        if (!background && !grid) {
            // Only the part its components may paint: a layer of a few components is a small picture.
            const qreal scale = zoom_ * devicePixelRatioF();
            QRectF painted;
            for (qsizetype position = from; position < to; ++position)
                if (included(position)) {
                    const PlacedComponent& c = screen_->components[sortedIndices_[position]];
                    painted |= paintedBounds(c).translated(c.position.x, c.position.y);
                }
            const QRect pixels = QRectF(painted.topLeft() * scale, painted.size() * scale)
                                     .toAlignedRect()
                                     .intersected(layer.rect());
            if (pixels.isEmpty())
                return;
            layer = layer.copy(pixels);
            layer.setDevicePixelRatio(devicePixelRatioF());
            offset = QPointF(pixels.topLeft()) / devicePixelRatioF();
        }
        layerSteps_.append({layer, -1, offset});
    };
    if (runs > mostLayers) {
        addLayer(0, live.size(), true);
        for (qsizetype position : liveOrder)
            layerSteps_.append({QImage(), position, {}});
    } else {
        qsizetype runStart = 0;
        bool first = true;
        for (qsizetype position = 0; position <= live.size(); ++position) {
            if (position < live.size() && !live[position])
                continue;
            if (position > runStart || first) // the background goes into the first picture, even an empty run
                addLayer(runStart, position, first);
            first = false;
            if (position < live.size())
                layerSteps_.append({QImage(), position, {}});
            runStart = position + 1;
        }
    }
    gridLayer_ = settings_.showGrid && !gridOnTop ? renderLayer([](qsizetype) { return false; }, false, true)
                                                  : QImage();
    layersLiveIds_ = liveIds;
    layersLivePositions_ = livePositions;
    layersBackground_ = screen_->background;
    layersOtherComponents_ = std::move(still);
    return true;
}

void AdvancedCanvasView::paintGrid(QPainter& painter, double fromY, double toY) const {
    if (!settings_.showGrid || !screen_)
        return;
    const double grid = usableGridSize(double(settings_.gridSize));
    // Dots closer than a few pixels would only tint the screen.
    if (grid * zoom_ < 4)
        return;
    const QSizeF units = canvasUnits();
    // The rows of dots that reach into fromY…toY (a dot is 2 units across).
    const double firstRow = std::max(0.0, std::ceil((fromY - 1) / grid)) * grid;
    const double lastY = std::min(units.height(), toY + 1);
    QPolygonF dots;
    for (double y = firstRow; y <= lastY; y += grid)
        for (double x = 0; x <= units.width(); x += grid)
            dots.append(QPointF(x, y));
    QColor blue(0, 122, 255);
    blue.setAlphaF(0.4);
    // Dots of a few pixels are drawn as squares: nobody sees the difference, and round ones cost a
    // curve each (thousands of them on a large screen).
    const double dotPixels = 2 * painter.worldTransform().m11();
    if (dotPixels <= 3.5) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(blue, 2, Qt::SolidLine, Qt::SquareCap));
        painter.drawPoints(dots);
        painter.restore();
        return;
    }
    painter.setPen(QPen(blue, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPoints(dots);
}

// --- painting

void AdvancedCanvasView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (!screen_) {
        paintEmptyState(painter);
        return;
    }
    const QRectF screenRect = widgetRectFor({0, 0}, Size{canvasUnits().width(), canvasUnits().height()});
    // While one component changes at every event (moved, its text typed, a setting swept in the
    // inspector), the rest is drawn from layers.
    QList<QUuid> live;
    if (moveTool_.isMoving())
        for (const PlacedComponent& c : moveTool_.group())
            live.append(c.id);
    else if (editingId_)
        live = {*editingId_};
    else
        live = changedComponentIds_;
    if (!live.isEmpty() && ensureMoveLayers(live)) {
        painter.save();
        painter.setClipRect(screenRect);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                               QPainter::SmoothPixmapTransform);
        for (const LayerStep& step : std::as_const(layerSteps_)) {
            if (step.position < 0) {
                painter.drawImage(screenRect.topLeft() + step.offset, step.layer);
                continue;
            }
            const PlacedComponent& component = screen_->components[sortedIndices_[step.position]];
            painter.save();
            painter.translate(widgetPointFor(component.position));
            painter.scale(zoom_, zoom_);
            paintComponent(painter, component, *images_);
            painter.restore();
        }
        painter.restore();
        if (!gridLayer_.isNull())
            painter.drawImage(screenRect.topLeft(), gridLayer_);
    } else {
        ensureScreenPicture();
        painter.drawImage(screenRect.topLeft(), screenPicture_);
    }
    QColor border(Qt::gray);
    border.setAlphaF(0.3);
    painter.setPen(QPen(border, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(screenRect.adjusted(-0.5, -0.5, 0.5, 0.5));
    paintSelection(painter);
}

QList<QUuid> AdvancedCanvasView::paintedSelection() const {
    return rubberBandTool_.isActive() ? rubberBandTool_.selection() : selectedIds_;
}

void AdvancedCanvasView::paintSelection(QPainter& painter) const {
    const QList<QUuid> ids = paintedSelection();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    for (const QUuid& id : ids) {
        const PlacedComponent* selected = componentWithId(id);
        if (!selected)
            continue;
        const bool alone = ids.size() == 1;
        const Size size = alone && resizeTool_.isResizing() ? resizeTool_.outline() : selected->size;
        const QRectF frame = widgetRectFor(selected->position, size);
        // The one clicked last is drawn stronger: it is the one the inspector shows and sizes match.
        painter.setPen(QPen(selectionBlue, alone || id == selectedId_ ? 2 : 1.5));
        painter.drawRect(frame);
        if (!alone || rubberBandTool_.isActive())
            continue;
        const QRectF handle(frame.bottomRight() - QPointF(handleSide / 2, handleSide / 2),
                            QSizeF(handleSide, handleSide));
        QColor shadow(Qt::black);
        shadow.setAlphaF(0.3);
        painter.setPen(Qt::NoPen);
        painter.setBrush(shadow);
        painter.drawRect(handle.translated(0, 1).adjusted(-1, -1, 1, 1));
        painter.setPen(QPen(selectionBlue, 2));
        painter.setBrush(Qt::white);
        painter.drawRect(handle);
        painter.setBrush(Qt::NoBrush);
    }
    if (const QRectF& band = rubberBandTool_.band(); rubberBandTool_.isActive() && !band.isEmpty()) {
        QColor fill = selectionBlue;
        fill.setAlphaF(0.12);
        painter.setPen(QPen(selectionBlue, 1));
        painter.setBrush(fill);
        painter.drawRect(widgetRectFor({band.left(), band.top()}, {band.width(), band.height()}));
    }
    painter.restore();
    paintGuides(painter);
}

void AdvancedCanvasView::paintGuides(QPainter& painter) const {
    if (!moveTool_.isMoving() && !resizeTool_.isResizing())
        return;
    const auto toWidget = [this](const QLineF& line) {
        return QLineF(widgetPointFor({line.x1(), line.y1()}), widgetPointFor({line.x2(), line.y2()}));
    };
    const QColor guide(0xFF, 0x2D, 0x78);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(guide, 1));
    for (const GuideLine& line : guideSnap().lines)
        painter.drawLine(toWidget(line.line));
    // Equal gaps: a measured line with end marks and the distance.
    for (const QLineF& gap : guideSnap().spacing) {
        const QLineF shown = toWidget(gap);
        painter.drawLine(shown);
        const QPointF across = shown.dy() == 0 ? QPointF(0, 4) : QPointF(4, 0);
        painter.drawLine(shown.p1() - across, shown.p1() + across);
        painter.drawLine(shown.p2() - across, shown.p2() + across);
        const QString distance = QString::number(std::lround(gap.length()));
        const QRectF label(shown.center() - QPointF(20, 16), QSizeF(40, 14));
        painter.drawText(label, Qt::AlignCenter, distance);
    }
    painter.restore();
}

void AdvancedCanvasView::paintEmptyState(QPainter& painter) const {
    const QRectF area =
        widgetRectFor({0, 0}, Size{double(emptyCanvasUnits.width()), double(emptyCanvasUnits.height())});
    const QColor secondary = palette().color(QPalette::PlaceholderText);
    QFont titleFont = font();
    titleFont.setPointSizeF(font().pointSizeF() * 1.6);
    titleFont.setBold(true);
    const QFontMetricsF titleMetrics(titleFont);
    const QFontMetricsF textMetrics(font());
    const double symbolSide = 48;
    const double spacing = 12;
    const double total = symbolSide + spacing + titleMetrics.height() + spacing / 2 + textMetrics.height();
    double y = area.center().y() - total / 2;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(QPointF(area.center().x() - symbolSide / 2, y),
                       symbolPixmap(QStringLiteral("rectangle.on.rectangle"), int(symbolSide), secondary,
                                    devicePixelRatioF()));
    y += symbolSide + spacing;
    painter.setFont(titleFont);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRectF(area.left(), y, area.width(), titleMetrics.height()), Qt::AlignCenter,
                     tr("No Screen Selected"));
    y += titleMetrics.height() + spacing / 2;
    painter.setFont(font());
    painter.setPen(secondary);
    painter.drawText(QRectF(area.left(), y, area.width(), textMetrics.height()), Qt::AlignCenter,
                     tr("Select a screen from the screens window to start adding content"));
    painter.restore();
}

void AdvancedCanvasView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange)
        invalidatePictures();
    QWidget::changeEvent(event);
}

// --- pointer

void AdvancedCanvasView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const QPointF point = event->position();
    abandonGesture(); // a gesture whose release never came (a dialog took the pointer) ends here
    const bool adding = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);

    // A gesture starts from the document's components as they are now: a change made earlier in this
    // turn may not have reached the canvas's copy yet.
    const PlacedComponent* selected = selectedId_ ? liveComponentWithId(*selectedId_) : nullptr;
    if (selected && !adding && resizeHandleHitRect().contains(point)) {
        resizeTool_.press(*event, frame(), *selected, screen_->components);
        return;
    }
    if (const PlacedComponent* hit = componentAt(point)) {
        const PlacedComponent* live = liveComponentWithId(hit->id);
        const PlacedComponent component = live ? *live : *hit;
        if (editingId_ && *editingId_ != component.id)
            finishInlineEditing();
        if (adding) {
            // Shift- or Ctrl-click adds the component to the selection, or takes it out.
            QList<QUuid> ids = selectedIds_;
            if (!ids.removeAll(component.id))
                ids.append(component.id);
            selectedIds_ = ids;
            selectedId_ = ids.isEmpty() ? std::nullopt : std::optional(ids.last());
            if (callbacks_.selectionChanged)
                callbacks_.selectionChanged(ids);
            update();
            return;
        }
        // Only a component that was already selected can be dragged: the first click selects. A click on
        // one of several selected keeps them all, to drag them together.
        const bool wasSelected = selectedIds_.contains(component.id);
        if (wasSelected && selectedIds_.size() > 1) {
            QList<QUuid> ids = selectedIds_;
            ids.removeAll(component.id);
            ids.append(component.id);
            selectedIds_ = ids;
            selectedId_ = component.id;
            if (callbacks_.selectionChanged)
                callbacks_.selectionChanged(ids);
        } else {
            if (callbacks_.componentSelected)
                callbacks_.componentSelected(component);
            selectedIds_ = {component.id};
            selectedId_ = component.id;
        }
        if (wasSelected) {
            QList<PlacedComponent> group;
            for (const QUuid& id : selectedIds_)
                if (const PlacedComponent* c = liveComponentWithId(id))
                    group.append(*c);
            moveTool_.press(*event, frame(), component, group, screen_->components);
        }
        update();
        return;
    }
    finishInlineEditing();
    // From empty canvas: a rubber band (a click alone clears the selection when it is released).
    rubberBandTool_.press(*event, frame(), selectedIds_);
}

void AdvancedCanvasView::endGesture() {
    if (callbacks_.gestureEnded)
        callbacks_.gestureEnded();
}

void AdvancedCanvasView::reportMove(QPointF offset) {
    const QList<PlacedComponent>& group = moveTool_.group();
    if (group.size() <= 1) {
        const PlacedComponent& grabbed = moveTool_.grabbed();
        if (callbacks_.componentMoved)
            callbacks_.componentMoved(grabbed,
                                      {grabbed.position.x + offset.x(), grabbed.position.y + offset.y()});
    } else if (callbacks_.componentsMoved) {
        callbacks_.componentsMoved(group, offset.x(), offset.y());
    }
}

void AdvancedCanvasView::mouseMoveEvent(QMouseEvent* event) {
    if (moveTool_.isPressed()) {
        if (const std::optional<QPointF> offset = moveTool_.move(*event)) {
            reportMove(*offset);
            update();
        }
    } else if (resizeTool_.isPressed()) {
        if (resizeTool_.move(*event))
            update();
    } else if (rubberBandTool_.isActive()) {
        if (rubberBandTool_.move(*event, stackedComponents()))
            update();
    }
}

void AdvancedCanvasView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (moveTool_.isPressed()) {
        if (moveTool_.release())
            endGesture();
    } else if (resizeTool_.isPressed()) {
        const PlacedComponent resized = resizeTool_.component();
        if (const std::optional<Size> size = resizeTool_.release()) {
            if (callbacks_.componentResized)
                callbacks_.componentResized(resized, *size);
            endGesture();
        }
    } else if (rubberBandTool_.isActive()) {
        const QList<QUuid> chosen = rubberBandTool_.release();
        if (chosen != selectedIds_) {
            selectedIds_ = chosen;
            selectedId_ = chosen.isEmpty() ? std::nullopt : std::optional(chosen.last());
            if (callbacks_.selectionChanged)
                callbacks_.selectionChanged(chosen); // none: a click on empty canvas clears it
        }
    }
    update();
}

void AdvancedCanvasView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const PlacedComponent* hit = componentAt(event->position());
    if (!hit)
        return;
    const PlacedComponent component = *hit;
    if (isTextType(component.componentType)) {
        setEditingComponentId(component.id);
    } else if (component.componentType == ComponentType::textArea) {
        if (callbacks_.textAreaDoubleClicked)
            callbacks_.textAreaDoubleClicked(component);
    }
}

// --- in-place text editing

void AdvancedCanvasView::beginInlineEditing() {
    const PlacedComponent* component = editingId_ ? componentWithId(*editingId_) : nullptr;
    if (!component ||
        !inlineText_->begin(*component, widgetRectFor(component->position, component->size), zoom_))
        editingId_.reset();
}

void AdvancedCanvasView::finishInlineEditing() {
    inlineText_->finish();
}

void AdvancedCanvasView::abandonGesture() {
    const bool closesAStep = moveTool_.isMoving() || resizeTool_.isResizing();
    moveTool_.cancel();
    resizeTool_.cancel();
    rubberBandTool_.cancel();
    // A gesture cut short (its screen or selection went away) still ends, so its undo step closes.
    if (closesAStep)
        endGesture();
}

void AdvancedCanvasView::layoutInlineEditor() {
    if (const PlacedComponent* component = editingId_ ? componentWithId(*editingId_) : nullptr)
        inlineText_->layout(*component, widgetRectFor(component->position, component->size), zoom_);
}

// --- keyboard and context menu

void AdvancedCanvasView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !selectedIds_.isEmpty() && !isGestureUnderWay()) {
        selectedIds_.clear();
        selectedId_.reset();
        if (callbacks_.selectionChanged)
            callbacks_.selectionChanged({});
        update();
        return;
    }
    QPointF direction;
    switch (event->key()) {
    case Qt::Key_Left:
        direction = {-1, 0};
        break;
    case Qt::Key_Right:
        direction = {1, 0};
        break;
    case Qt::Key_Up:
        direction = {0, -1};
        break;
    case Qt::Key_Down:
        direction = {0, 1};
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    const PlacedComponent* selected = selectedId_ ? liveComponentWithId(*selectedId_) : nullptr;
    if (!selected || isGestureUnderWay() || !callbacks_.componentMoved) {
        QWidget::keyPressEvent(event); // the scroll area scrolls
        return;
    }
    // Arrows nudge the selection: a unit, ten with Shift, a grid cell when snapping.
    const double grid = usableGridSize(double(settings_.gridSize));
    const double step = settings_.snapToGrid ? grid : (event->modifiers() & Qt::ShiftModifier ? 10 : 1);
    Point position{selected->position.x + direction.x() * step, selected->position.y + direction.y() * step};
    if (settings_.snapToGrid)
        position = snappedToGrid(position, grid);
    if (selectedIds_.size() > 1 && callbacks_.componentsMoved) {
        // The whole selection moves as the one clicked last does.
        QList<PlacedComponent> group;
        for (const QUuid& id : selectedIds_)
            if (const PlacedComponent* c = liveComponentWithId(id))
                group.append(*c);
        callbacks_.componentsMoved(group, position.x - selected->position.x,
                                   position.y - selected->position.y);
    } else {
        const PlacedComponent nudged = *selected;
        callbacks_.componentMoved(nudged, position);
    }
    // Each nudge is a move of its own, with its own undo step.
    endGesture();
    update();
}

void AdvancedCanvasView::contextMenuEvent(QContextMenuEvent* event) {
    if (!screen_)
        return;
    // A right click on a component outside the selection selects it alone; inside, the selection stays.
    if (const PlacedComponent* hit = componentAt(event->pos()); hit && !selectedIds_.contains(hit->id)) {
        const PlacedComponent component = *hit;
        if (callbacks_.componentSelected)
            callbacks_.componentSelected(component);
        selectedIds_ = {component.id};
        selectedId_ = component.id;
        update();
    }
    if (callbacks_.contextMenuRequested)
        callbacks_.contextMenuRequested(event->globalPos());
}

// --- drops

void AdvancedCanvasView::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData* data = event->mimeData();
    if (data->hasUrls() || data->hasText() || data->hasImage())
        event->acceptProposedAction();
}

void AdvancedCanvasView::dragMoveEvent(QDragMoveEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void AdvancedCanvasView::dropEvent(QDropEvent* event) {
    // Always a copy: a file manager asked to move must never delete the user's original.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (!screen_)
        return;
    const QMimeData* data = event->mimeData();
    const Point point = canvasPointAt(event->position());
    std::optional<ComponentType> type;
    std::optional<QUrl> file;
    if (data->hasUrls()) {
        const QList<QUrl> urls = data->urls();
        if (urls.isEmpty() || !urls.first().isValid())
            return;
        type = componentTypeForDroppedFile(urls.first().path());
        file = urls.first(); // handed to the component it makes
    } else if (data->hasText()) {
        type = componentTypeForDroppedText(data->text());
    }
    if (type && callbacks_.componentDropped)
        callbacks_.componentDropped(
            *type, dropCorner(*type, point, settings_.snapToGrid, double(settings_.gridSize)), file);
}

} // namespace vistrelle
