#pragma once

#include "model/project_model.h"

#include <QColor>
#include <QString>

namespace vistrelle {

// The vocabulary of a component's property dictionary. Keys nobody here knows
// are carried along unchanged.
namespace PropertyKey {
// Text components (title, label, text area)
inline const QString text = QStringLiteral("text");
inline const QString fontSize = QStringLiteral("fontSize");
inline const QString fontName = QStringLiteral("fontName");
inline const QString textColor = QStringLiteral("textColor");
inline const QString isBold = QStringLiteral("isBold");
inline const QString isItalic = QStringLiteral("isItalic");
inline const QString isUnderlined = QStringLiteral("isUnderlined");
inline const QString textAlignment = QStringLiteral("textAlignment");
inline const QString richTextData = QStringLiteral("richTextData");
// Text area background: "solid" (backgroundColor) or "transparent"; older documents say "transparent" =
// "true"
inline const QString backgroundStyle = QStringLiteral("backgroundStyle");
inline const QString legacyTransparent = QStringLiteral("transparent");
// Image
inline const QString imagePath = QStringLiteral("imagePath");
inline const QString cornerRadius = QStringLiteral("cornerRadius");
inline const QString borderColor = QStringLiteral("borderColor");
inline const QString borderWidth = QStringLiteral("borderWidth");
inline const QString fittingMode = QStringLiteral("fittingMode");
inline const QString actionCategory = QStringLiteral("actionCategory");
inline const QString targetScreenId = QStringLiteral("targetScreenId");
inline const QString alertTitle = QStringLiteral("alertTitle");
inline const QString alertMessage = QStringLiteral("alertMessage");
inline const QString systemAction = QStringLiteral("systemAction");
inline const QString componentAction = QStringLiteral("componentAction");
inline const QString targetComponentId = QStringLiteral("targetComponentId");
// Video
inline const QString videoPath = QStringLiteral("videoPath");
inline const QString showsControls = QStringLiteral("showsControls");
inline const QString isAutoplay = QStringLiteral("isAutoplay");
inline const QString isLooping = QStringLiteral("isLooping");
inline const QString isMuted = QStringLiteral("isMuted");
inline const QString backgroundColor = QStringLiteral("backgroundColor");
// Web view
inline const QString url = QStringLiteral("url");
inline const QString htmlContent = QStringLiteral("htmlContent");
inline const QString allowsBackForwardNavigation = QStringLiteral("allowsBackForwardNavigation");
inline const QString allowsMagnification = QStringLiteral("allowsMagnification");
inline const QString allowsLinkPreview = QStringLiteral("allowsLinkPreview");
// Shape
inline const QString shapeType = QStringLiteral("shapeType");
inline const QString fillColor = QStringLiteral("fillColor");
inline const QString strokeColor = QStringLiteral("strokeColor");
inline const QString strokeWidth = QStringLiteral("strokeWidth");
inline const QString points = QStringLiteral("points");
inline const QString innerRadius = QStringLiteral("innerRadius");
// Icon
inline const QString iconName = QStringLiteral("iconName");
inline const QString iconColor = QStringLiteral("iconColor");
inline const QString iconSize = QStringLiteral("iconSize");
inline const QString iconWeight = QStringLiteral("iconWeight");
// Clock, countdown, ticker: drawn from the time they are shown at
inline const QString clockFormat = QStringLiteral("clockFormat");
inline const QString timeZone = QStringLiteral("timeZone");
inline const QString targetDate = QStringLiteral("targetDate");
inline const QString finishedText = QStringLiteral("finishedText");
inline const QString feedUrl = QStringLiteral("feedUrl");
inline const QString tickerSpeed = QStringLiteral("tickerSpeed");
inline const QString tickerDirection = QStringLiteral("tickerDirection");
// A feed's text as fetched at deploy time (or since, by the player), and when
inline const QString feedSnapshot = QStringLiteral("feedSnapshot");
inline const QString feedSnapshotDate = QStringLiteral("feedSnapshotDate");
// Any component
inline const QString opacity = QStringLiteral("opacity");
inline const QString rotation = QStringLiteral("rotation");
} // namespace PropertyKey

// Value encodings. Booleans are written "true"/"false"; numbers as decimal text.
QString boolPropertyText(bool value);

// The value, or `fallback` when the key is missing.
QString stringProperty(const PropertyMap& properties, const QString& key, const QString& fallback = {});

// True exactly for "true"; except showsControls and allowsMagnification, which
// are true unless exactly "false" (a missing key is true).
bool boolProperty(const PropertyMap& properties, const QString& key);

// A finite decimal number; `fallback` when missing or unreadable.
double numberProperty(const PropertyMap& properties, const QString& key, double fallback);

// A signed decimal integer ("+6" and "-2" allowed); `fallback` when missing, empty or unreadable.
qint64 integerProperty(const PropertyMap& properties, const QString& key, qint64 fallback);

// A colour in colour text; `fallback` when missing or unreadable.
QColor colorProperty(const PropertyMap& properties, const QString& key, const QColor& fallback);

} // namespace vistrelle
