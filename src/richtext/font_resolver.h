#pragma once

#include <QFont>
#include <QString>
#include <QTextCharFormat>

namespace vistrelle {

// The installed family to draw a font that documents name: the metric twins
// of the classic families ("Helvetica" → Nimbus Sans, "Times" → Nimbus Roman,
// "Courier" → Nimbus Mono PS, "Palatino" → P052, …), an installed family of
// that name, or a scalable sans serif. Never a bitmap font.
QString resolveFontFamily(const QString& requestedFamily);

// A font of the resolved family at `pointSize` drawn as pixels of the screen (one point = one pixel).
QFont documentFont(const QString& requestedFamily, double pointSize, bool bold, bool italic, bool underline);

// Rich text keeps the family its document names ("Helvetica") beside the one that draws it (its
// installed twin), so that what is written back is what was read, and what is drawn is what titles draw.
void setDocumentFamily(QTextCharFormat& format, const QString& family);
QString documentFamilyOf(const QTextCharFormat& format);

} // namespace vistrelle
