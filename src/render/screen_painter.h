#pragma once

#include "model/project_model.h"

#include <QImage>
#include <QPainter>

#include <functional>

namespace vistrelle {

class ImageSource;

// In which order a screen's components are stacked: by ascending zIndex (ties
// in list order) on the canvas and in the preview; in list order on slides.
enum class ComponentOrder { byZIndex, listOrder };

// Called just before a component is drawn, when what lies under it is drawn (the show check reads it there).
using BeforeComponent = std::function<void(const PlacedComponent&)>;

// Draws one screen into (0, 0, size) of `painter`, in screen units: the
// background filling it, then each component at its position.
void paintScreen(QPainter& painter, const KioskScreen& screen, QSizeF size, ImageSource& images,
                 ComponentOrder order, const std::optional<QUuid>& selectedComponent = std::nullopt,
                 const BeforeComponent& beforeComponent = {});

// A screen as a picture of `size` pixels (one pixel per screen unit), or a null
// image when the size cannot be drawn.
QImage renderScreenImage(const KioskScreen& screen, QSize size, ImageSource& images, ComponentOrder order);

// The same into `canvas`, whose pixels are reused when it already is an opaque
// picture of `size` (a new one costs page faults that show in long exports).
// False, and `canvas` untouched, when the size cannot be drawn.
bool renderScreenInto(QImage& canvas, const KioskScreen& screen, QSize size, ImageSource& images,
                      ComponentOrder order);

// One frame of the change from `from` to `to` at `progress` (already eased),
// with the effect of the screen being left, drawn into (0, 0, size).
void paintScreenTransition(QPainter& painter, const KioskScreen& from, const KioskScreen& to, double progress,
                           QSize size, ImageSource& images);

} // namespace vistrelle
