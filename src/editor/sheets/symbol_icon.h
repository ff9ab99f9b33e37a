#pragma once

#include "model/enumerations.h"

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace vistrelle {

// A symbol of the catalogue as an icon for buttons and menus, drawn in the
// palette's text colour (and its disabled colour), sharp at every device pixel ratio.
QIcon symbolIcon(const QString& symbolName);

// The symbol that stands for a kind of component, in the library and in the inspector.
QString componentSymbolName(ComponentType type);

// The symbol as a picture of `size` × `size` logical pixels in `color`.
QPixmap symbolPixmap(const QString& symbolName, int size, const QColor& color, qreal devicePixelRatio = 1);

} // namespace vistrelle
