#include "app/window_frame_rules.h"

#include <algorithm>

namespace vistrelle {
namespace {

using namespace PaletteSize;

constexpr double minimumDocumentWidth = 800;

// The top left corner of a `size` frame clamped into `area`; the top left wins when the frame is larger.
QPointF clampedOrigin(QPointF origin, const QSizeF& size, const QRectF& area) {
    origin.setX(std::max(area.left(), std::min(origin.x(), area.right() - size.width())));
    origin.setY(std::max(area.top(), std::min(origin.y(), area.bottom() - size.height())));
    return origin;
}

QRectF mainDisplay(const QList<QRectF>& displays) {
    return displays.isEmpty() ? QRectF() : displays.first();
}

// No taller than the display (a stored height of 1e9 must not push the window's bottom out of reach).
double heightWithin(double height, const QRectF& area) {
    return area.isEmpty() ? height : std::min(height, area.height());
}

} // namespace

QRectF displayHolding(const QRectF& frame, const QList<QRectF>& displays) {
    const QPointF centre = frame.center();
    for (const QRectF& display : displays)
        if (display.contains(centre))
            return display;
    return mainDisplay(displays);
}

QRectF correctedIntoDisplay(const QRectF& frame, const QList<QRectF>& displays) {
    if (displays.isEmpty())
        return frame;
    return QRectF(clampedOrigin(frame.topLeft(), frame.size(), displayHolding(frame, displays)),
                  frame.size());
}

QPointF defaultScreensOrigin(const QList<QRectF>& displays) {
    return mainDisplay(displays).topLeft() + QPointF(margin, margin);
}

QPointF defaultComponentLibraryOrigin(const QList<QRectF>& displays) {
    const QRectF area = mainDisplay(displays);
    // Under the screens palette when both fit above each other, else over its lower part.
    const double below = area.top() + margin + screensHeight + margin;
    const double top = below + libraryMinimumHeight <= area.bottom() ? below : area.top() + margin;
    return QPointF(area.left() + margin, top);
}

QPointF defaultInspectorOrigin(double width, const QList<QRectF>& displays) {
    const QRectF area = mainDisplay(displays);
    return QPointF(area.right() - margin - width, area.top() + margin);
}

QRectF restoredOrigin(const QRectF& current, const StoredPaletteFrame& stored, const QPointF& fallbackOrigin,
                      const QList<QRectF>& displays) {
    const QPointF origin = stored.x && stored.y ? QPointF(*stored.x, *stored.y) : fallbackOrigin;
    return correctedIntoDisplay(QRectF(origin, current.size()), displays);
}

QRectF restoredScreensFrame(const QRectF& current, const StoredPaletteFrame& stored,
                            const QList<QRectF>& displays) {
    QRectF frame = restoredOrigin(current, stored, defaultScreensOrigin(displays), displays);
    if (stored.height && *stored.height > 0)
        frame.setHeight(heightWithin(*stored.height, displayHolding(frame, displays)));
    return correctedIntoDisplay(frame, displays);
}

QRectF restoredComponentLibraryFrame(const QRectF& current, const StoredPaletteFrame& stored,
                                     const QList<QRectF>& displays) {
    const bool placed = stored.x && stored.y;
    const QPointF fallback = defaultComponentLibraryOrigin(displays);
    QRectF frame = restoredOrigin(current, stored, fallback, displays);
    const double width = stored.width && *stored.width > libraryWidth ? *stored.width : libraryWidth;
    const QRectF area = displayHolding(frame, displays);
    double height = libraryHeight;
    if (stored.height && *stored.height > 0)
        height = *stored.height;
    else if (!placed && !area.isEmpty())
        height =
            std::min(height, area.bottom() - margin - fallback.y()); // the room under the screens palette
    height = std::max(height, libraryMinimumHeight);
    if (!placed)
        frame.moveTopLeft(fallback);
    // The top edge stays where it was; only the bottom moves.
    frame.setSize(QSizeF(area.isEmpty() ? width : std::min(width, area.width()), heightWithin(height, area)));
    return correctedIntoDisplay(frame, displays);
}

QRectF restoredInspectorFrame(const QRectF& current, const StoredPaletteFrame& stored, double requestedHeight,
                              const QList<QRectF>& displays) {
    QRectF frame =
        restoredOrigin(current, stored, defaultInspectorOrigin(current.width(), displays), displays);
    double height = stored.height && *stored.height > 0 ? *stored.height : requestedHeight;
    height = std::max(height, inspectorMinimumHeight);
    const QRectF area = displayHolding(frame, displays);
    height = heightWithin(height, area);
    frame.setSize(QSizeF(std::max(current.width(), inspectorWidth), height));
    return correctedIntoDisplay(frame, displays);
}

QRectF defaultDocumentFrame(const QList<QRectF>& displays, bool besideFloatingPalettes) {
    const QRectF area = mainDisplay(displays);
    if (area.isEmpty())
        return QRectF(0, 0, 1200, 800);
    if (!besideFloatingPalettes)
        return area;
    const double left = area.left() + margin + screensWidth + margin;
    const double right = area.right() - margin - inspectorDefaultWidth - margin;
    const double top = area.top();
    if (right - left >= minimumDocumentWidth)
        return QRectF(left, top, right - left, area.height());
    if (area.right() - left >= minimumDocumentWidth)
        return QRectF(left, top, area.right() - left, area.height());
    return area;
}

} // namespace vistrelle
