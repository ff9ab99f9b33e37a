#include "model/component_properties.h"

#include "model/color_text.h"

#include <cmath>

namespace vistrelle {

namespace {
// Qt's number parsing skips white space; a stored number never has any.
bool hasSurroundingSpace(const QString& text) {
    return !text.isEmpty() && (text.front().isSpace() || text.back().isSpace());
}
} // namespace

QString boolPropertyText(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString stringProperty(const PropertyMap& properties, const QString& key, const QString& fallback) {
    const auto it = properties.constFind(key);
    return it == properties.cend() ? fallback : it.value();
}

bool boolProperty(const PropertyMap& properties, const QString& key) {
    const auto it = properties.constFind(key);
    if (key == PropertyKey::showsControls || key == PropertyKey::allowsMagnification)
        return it == properties.cend() || it.value() != QLatin1StringView("false");
    return it != properties.cend() && it.value() == QLatin1StringView("true");
}

double numberProperty(const PropertyMap& properties, const QString& key, double fallback) {
    const auto it = properties.constFind(key);
    if (it == properties.cend())
        return fallback;
    bool ok = false;
    const QString& text = it.value();
    const double value = hasSurroundingSpace(text) ? 0 : text.toDouble(&ok);
    // "nan" and "inf" read as numbers but are no sensible size, angle or opacity.
    return ok && std::isfinite(value) ? value : fallback;
}

qint64 integerProperty(const PropertyMap& properties, const QString& key, qint64 fallback) {
    const auto it = properties.constFind(key);
    if (it == properties.cend())
        return fallback;
    bool ok = false;
    const QString& text = it.value();
    const qint64 value = hasSurroundingSpace(text) ? 0 : text.toLongLong(&ok);
    return ok ? value : fallback;
}

QColor colorProperty(const PropertyMap& properties, const QString& key, const QColor& fallback) {
    const auto it = properties.constFind(key);
    if (it == properties.cend())
        return fallback;
    return parseColor(it.value()).value_or(fallback);
}

} // namespace vistrelle
