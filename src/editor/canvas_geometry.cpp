#include "editor/canvas_geometry.h"

#include "model/component_factory.h"
#include "model/stored_enum.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace vistrelle {

double usableGridSize(double gridSize) {
    if (!std::isfinite(gridSize))
        return 20;
    return std::max(gridSize, 1.0);
}

double snappedToGrid(double value, double gridSize) {
    const double grid = usableGridSize(gridSize);
    return std::round(value / grid) * grid; // std::round takes halves away from zero
}

Point snappedToGrid(Point point, double gridSize) {
    return {snappedToGrid(point.x, gridSize), snappedToGrid(point.y, gridSize)};
}

namespace {

Size limitedToScreen(Size size, std::optional<Size> screenSize) {
    if (screenSize) {
        size.width = std::min(size.width, screenSize->width);
        size.height = std::min(size.height, screenSize->height);
    }
    return size;
}

} // namespace

Size resizePreviewSize(Size initial, double translationX, double translationY,
                       std::optional<Size> screenSize) {
    const Size grown{std::max(initial.width + translationX, minimumComponentSide),
                     std::max(initial.height + translationY, minimumComponentSide)};
    return limitedToScreen(grown, screenSize);
}

Size resizeFinalSize(Size preview, bool snap, double gridSize, std::optional<Size> screenSize) {
    Size size = preview;
    if (snap) {
        size.width = std::max(snappedToGrid(size.width, gridSize), minimumComponentSide);
        size.height = std::max(snappedToGrid(size.height, gridSize), minimumComponentSide);
    }
    return limitedToScreen(size, screenSize);
}

namespace {

// Half of each type's default size: the drop point becomes the component's centre.
Point dropOffset(ComponentType type) {
    const Size size = defaultComponentSize(type);
    return {size.width / 2, size.height / 2};
}

} // namespace

Point dropCorner(ComponentType type, Point dropPoint, bool snap, double gridSize) {
    const Point offset = dropOffset(type);
    const Point corner{dropPoint.x - offset.x, dropPoint.y - offset.y};
    return snap ? snappedToGrid(corner, gridSize) : corner;
}

ComponentType componentTypeForDroppedFile(const QString& fileName) {
    static const QStringList pictures = {"jpg", "jpeg", "png", "gif", "bmp", "tiff", "webp", "svg", "heic"};
    static const QStringList movies = {"mp4", "mov", "avi", "mkv", "wmv", "flv", "webm", "m4v", "3gp"};
    const QString extension = QFileInfo(fileName).suffix().toLower();
    if (pictures.contains(extension))
        return ComponentType::image;
    if (movies.contains(extension))
        return ComponentType::video;
    return ComponentType::image;
}

std::optional<ComponentType> componentTypeForDroppedText(const QString& text) {
    return fromStoredString<ComponentType>(text);
}

} // namespace vistrelle
