#pragma once

#include "model/project_model.h"

#include <QPainter>

namespace vistrelle {

class ImageSource;

// Draws `style` filling exactly (0, 0, size): a colour (unreadable: white), a
// gradient (unreadable start white, end black; no gradient record: white to
// grey from top to bottom), or a picture covering the area, centred (grey
// while loading or when it cannot be loaded; a "Background Image" placeholder
// without a path).
void paintBackground(QPainter& painter, const BackgroundStyle& style, QSizeF size, ImageSource& images);

// Whether `style` covers its whole area with opaque paint whatever the images
// do (a colour or gradient without transparency), so nothing under it shows.
bool backgroundIsOpaque(const BackgroundStyle& style);

// The grey of image placeholders: grey at 30 % opacity.
QColor placeholderGrey();

} // namespace vistrelle
