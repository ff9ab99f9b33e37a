#pragma once

#include "editor/canvas_frame.h"
#include "editor/move_tool.h"
#include "editor/resize_tool.h"
#include "editor/rubber_band_tool.h"
#include "editor/smart_guides.h"
#include "model/project_model.h"
#include "render/image_source.h"

#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

namespace vistrelle {

class InlineTextTool;

// The editing surface: the selected screen at the editor's zoom, its
// components in stacking order, the dotted grid and the selection (one
// component with its resize handle, or several). Pointer input becomes
// callbacks (select, move, resize, drop, in-place text editing); the canvas
// never changes the document itself. Moves and resizes snap to smart guides
// (the edges and centres of the other components and of the screen) and to
// the grid; Alt suspends all snapping. The gestures themselves are tools of
// their own (MoveTool, ResizeTool, RubberBandTool, InlineTextTool): the
// canvas hands them its pointer events and draws what they show.
class AdvancedCanvasView : public QWidget {
    Q_OBJECT

public:
    struct Callbacks {
        std::function<void(const PlacedComponent&)> componentSelected;
        // Shift- or Ctrl-click, the rubber band, Escape: the whole new selection (the last is the one
        // clicked last).
        std::function<void(const QList<QUuid>&)> selectionChanged;
        // Several components dragged or nudged: as they were when the gesture began, and how far.
        std::function<void(const QList<PlacedComponent>&, double dx, double dy)> componentsMoved;
        std::function<void(const PlacedComponent&, Point)> componentMoved;
        std::function<void(const PlacedComponent&, Size)> componentResized;
        // A card or a file dropped: the component to make, and the file it shows (a picture, a film).
        std::function<void(ComponentType, Point, const std::optional<QUrl>& file)> componentDropped;
        // A move, a resize or a nudge is over (also one cut short): its undo step closes.
        std::function<void()> gestureEnded;
        // A right click (on a component, which is selected first, or on the screen): the owner's menu.
        std::function<void(QPoint globalPosition)> contextMenuRequested;
        std::function<void(const PlacedComponent&, const QString&)> textChanged;
        std::function<void(const PlacedComponent&)> editingFinished;
        std::function<void(const PlacedComponent&)> textAreaDoubleClicked;
        // The component as the document holds it now: the canvas hears of edits after the event-loop turn,
        // and two nudges in one turn must not start from the same place.
        std::function<const PlacedComponent*(const QUuid&)> liveComponent;
    };

    // Room around the screen, in widget pixels, so its border and the resize
    // handle at its edge stay visible.
    static constexpr int margin = 24;
    // Pointer travel, in window pixels, before a press becomes a move.
    static constexpr double moveThreshold = MoveTool::threshold;
    // Pointer travel, in canvas units, before the handle starts a resize.
    static constexpr double resizeThreshold = ResizeTool::threshold;
    // How close, in window pixels, an edge or centre must come to a guide to snap to it.
    static constexpr double guideSnapPixels = MoveTool::guideSnapPixels;

    explicit AdvancedCanvasView(QWidget* parent = nullptr);
    ~AdvancedCanvasView() override;

    void setCallbacks(Callbacks callbacks) { callbacks_ = std::move(callbacks); }
    void setScreen(const std::optional<KioskScreen>& screen);
    void setSelectedComponentId(const std::optional<QUuid>& id);
    // Several components; the last is the one clicked last (it alone shows the resize handle when alone).
    void setSelectedComponentIds(const QList<QUuid>& ids);
    void setProjectSettings(const ProjectSettings& settings);
    // The screen's size in canvas units (its pixels, within what can be shown).
    QSizeF canvasUnits() const;
    void setZoom(double zoom);
    // The title or label edited in place (none ends the editing field).
    void setEditingComponentId(const std::optional<QUuid>& id);

    const std::optional<KioskScreen>& screen() const { return screen_; }
    const std::optional<QUuid>& selectedComponentId() const { return selectedId_; }
    const QList<QUuid>& selectedComponentIds() const { return selectedIds_; }
    // What the last move or resize snapped to (guide lines and equal gaps), shown while it lasts.
    const GuideSnap& guideSnap() const {
        return resizeTool_.isResizing() ? resizeTool_.snap() : moveTool_.snap();
    }
    const std::optional<QUuid>& editingComponentId() const { return editingId_; }
    double zoom() const { return zoom_; }
    bool isDragging() const { return moveTool_.isMoving(); }
    bool isResizing() const { return resizeTool_.isResizing(); }
    // The component list in drawing order (ascending zIndex, ties in list order).
    const QList<qsizetype>& sortedComponentIndices() const { return sortedIndices_; }
    // The field of the in-place editor while one is open.
    QLineEdit* inlineEditor() const;

    // Conversions between widget pixels and canvas (screen) units.
    QPointF widgetPointFor(Point canvasPoint) const;
    Point canvasPointAt(QPointF widgetPoint) const;
    // Where the selected component's resize handle can be grabbed, in widget pixels.
    QRectF resizeHandleHitRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Size screenSize() const;
    // The canvas as a gesture beginning now sees it.
    CanvasFrame frame() const;
    // The screen's components in stacking order.
    QList<PlacedComponent> stackedComponents() const;
    // A press or a gesture of a tool is under way.
    bool isGestureUnderWay() const;
    void updateWidgetSize();
    void refreshSortedComponents();
    // The ids of the components that differ between the two versions of a screen, when nothing else does
    // (the same components in the same stacking order); none otherwise.
    static QList<QUuid> changedComponents(const KioskScreen& before, const KioskScreen& after);
    const PlacedComponent* componentWithId(const QUuid& id) const;
    // The document's component when the owner can tell, else the canvas's own copy.
    const PlacedComponent* liveComponentWithId(const QUuid& id) const;
    const PlacedComponent* componentAt(QPointF widgetPoint) const;
    QRectF widgetRectFor(Point position, Size size) const;

    // Cached pictures of the screen at the current zoom: the whole screen, or
    // while a component moves, what lies below and above it.
    void invalidatePictures();
    QImage renderLayer(const std::function<bool(qsizetype sortedPosition)>& include, bool background,
                       bool grid) const;
    void ensureScreenPicture();
    // Layers of the still components between the live ones (`liveIds`), so that a frame draws the layers
    // and only the live components; false when none of them is on the screen.
    bool ensureMoveLayers(const QList<QUuid>& liveIds);
    // Tells the owner where the moved components are now.
    void reportMove(QPointF offset);
    void paintGuides(QPainter& painter) const;
    QList<QUuid> paintedSelection() const;
    // The grid's dots from fromY to toY (canvas units).
    void paintGrid(QPainter& painter, double fromY, double toY) const;
    void paintEmptyState(QPainter& painter) const;
    void paintSelection(QPainter& painter) const;

    void beginInlineEditing();
    // Ends the in-place editing and tells the owner.
    void finishInlineEditing();
    void abandonGesture();
    void layoutInlineEditor();

    void endGesture();

    Callbacks callbacks_;
    std::optional<KioskScreen> screen_;
    std::optional<QUuid> selectedId_;
    QList<QUuid> selectedIds_; // the whole selection; selectedId_ is its last
    std::optional<QUuid> editingId_;
    // The components the last change of the screen changed (drawn live over cached layers).
    QList<QUuid> changedComponentIds_;
    ProjectSettings settings_;
    double zoom_ = 1.0;
    QList<qsizetype> sortedIndices_;

    MoveTool moveTool_;
    ResizeTool resizeTool_;
    RubberBandTool rubberBandTool_;
    InlineTextTool* inlineText_ = nullptr;

    std::unique_ptr<AsyncImageSource> images_;
    QImage screenPicture_;
    bool screenPictureValid_ = false;
    // A frame while components are live: in stacking order, cached pictures of the still components between
    // them (the first with the background; the others only as large as what they paint) and the live
    // components drawn over them, then the grid. Keyed by
    // the live components and the rest of the screen the pictures show.
    struct LayerStep {
        QImage layer;            // a picture of still components, or
        qsizetype position = -1; // the stacking position of a live component
        QPointF offset;          // where the picture goes, from the screen's corner (widget pixels)
    };
    QList<LayerStep> layerSteps_;
    QImage gridLayer_; // when a live component is the topmost, the grid over it
    QList<QUuid> layersLiveIds_;
    QList<qsizetype> layersLivePositions_;
    QList<PlacedComponent> layersOtherComponents_;
    BackgroundStyle layersBackground_;
};

} // namespace vistrelle
