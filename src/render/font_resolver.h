#pragma once

#include <QFont>
#include <QString>

namespace vistrelle {

// The installed family to draw a font that documents name: the metric twins
// of the classic families ("Helvetica" → Nimbus Sans, "Times" → Nimbus Roman,
// "Courier" → Nimbus Mono PS, "Palatino" → P052, …), an installed family of
// that name, or a scalable sans serif. Never a bitmap font.
QString resolveFontFamily(const QString& requestedFamily);

// A font of the resolved family at `pointSize` drawn as pixels of the screen (one point = one pixel).
QFont documentFont(const QString& requestedFamily, double pointSize, bool bold, bool italic, bool underline);

} // namespace vistrelle
