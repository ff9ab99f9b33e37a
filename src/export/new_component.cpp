#include "export/new_component.h"

#include "export/bundle_files.h"
#include "export/media_probe.h"
#include "export/show_check.h"
#include "model/component_factory.h"
#include "model/component_properties.h"
#include "model/property_schema.h"
#include "render/text_layout.h"

#include <algorithm>
#include <cmath>

namespace vistrelle {

namespace {

// The created sizes were made for a screen about this high; larger screens get them in proportion.
constexpr double designedForHeight = 540;
// The shape stroke's control ends here.
constexpr double thickestStroke = 10;
// Words need room on a sign: titles and labels start this share of the screen's width wide.
constexpr double titleShareOfWidth = 0.6;
constexpr double labelShareOfWidth = 0.4;
// A dropped picture's frame takes its shape, at most this share of the screen a side, never enlarged.
constexpr double pictureShareOfScreen = 0.5;

QString whole(double value) {
    return QString::number(std::lround(value));
}

void scaleNumber(PlacedComponent& c, const QString& key, double factor, double atMost = 1e9) {
    if (const auto it = c.properties.find(key); it != c.properties.end())
        *it = whole(std::min(atMost, std::round(it->toDouble() * factor)));
}

// Text drawn straight over the screen (a ticker brings its own background).
bool showsText(ComponentType type) {
    return type == ComponentType::title || type == ComponentType::label || type == ComponentType::textArea ||
           type == ComponentType::clock || type == ComponentType::countdown;
}

// Grows the frame until the component's words fit in it, as the show check measures them.
void makeRoomForText(PlacedComponent& c, QSizeF screen) {
    const std::optional<TextPlacement> text = placeText(c);
    if (!text)
        return;
    const double extraWidth = std::max(0.0, text->needed.width() - text->available.width());
    const double extraHeight = std::max(0.0, text->needed.height() - text->available.height());
    c.size.width = std::min(screen.width(), std::ceil(c.size.width + extraWidth));
    c.size.height = std::min(screen.height(), std::ceil(c.size.height + extraHeight));
}

} // namespace

PlacedComponent componentMadeForScreen(ComponentType type, Point corner, const KioskScreen& screen,
                                       MediaProbe& media, const std::optional<QString>& mediaPath) {
    PlacedComponent c = makeComponent(type, corner, mediaPath);
    if (!isDrawableResolution(screen.resolution))
        return c;
    const QSizeF area(double(screen.resolution.width), double(screen.resolution.height));
    const QPointF centre(corner.x + c.size.width / 2, corner.y + c.size.height / 2);

    const double factor = std::max(1.0, area.height() / designedForHeight);
    double width = std::round(c.size.width * factor);
    double height = std::round(c.size.height * factor);
    if (type == ComponentType::title)
        width = std::max(width, std::round(area.width() * titleShareOfWidth));
    else if (type == ComponentType::label)
        width = std::max(width, std::round(area.width() * labelShareOfWidth));
    if (type == ComponentType::image && mediaPath)
        if (const QSize pixels = media.picture(*mediaPath).pixelSize; !pixels.isEmpty()) {
            const double fit = std::min({1.0, area.width() * pictureShareOfScreen / pixels.width(),
                                         area.height() * pictureShareOfScreen / pixels.height()});
            width = std::max(1.0, std::round(pixels.width() * fit));
            height = std::max(1.0, std::round(pixels.height() * fit));
        }
    // A frame larger than the screen shrinks to fit it, keeping its shape.
    const double fit = std::min({1.0, area.width() / width, area.height() / height});
    c.size = {std::max(1.0, std::floor(width * fit)), std::max(1.0, std::floor(height * fit))};
    const double grown = factor * fit;
    if (showsText(type) || type == ComponentType::ticker) {
        const double smallest = std::ceil(area.height() * check_limits::smallestTextShareOfHeight);
        const double size = numberPropertyOf(c, PropertyKey::fontSize);
        c.properties[PropertyKey::fontSize] = whole(std::max(smallest, std::round(size * grown)));
        makeRoomForText(c, area);
    }
    scaleNumber(c, PropertyKey::iconSize, grown);
    scaleNumber(c, PropertyKey::cornerRadius, grown);
    scaleNumber(c, PropertyKey::strokeWidth, grown, thickestStroke);
    if (type == ComponentType::video) {
        // Nobody stands at a display to start a film: it plays by itself, again and again, without a
        // control bar over it.
        c.properties[PropertyKey::isAutoplay] = QStringLiteral("true");
        c.properties[PropertyKey::isLooping] = QStringLiteral("true");
        c.properties[PropertyKey::showsControls] = QStringLiteral("false");
    }

    c.position.x = std::clamp(std::round(centre.x() - c.size.width / 2), 0.0, area.width() - c.size.width);
    c.position.y = std::clamp(std::round(centre.y() - c.size.height / 2), 0.0, area.height() - c.size.height);

    if (showsText(type))
        c.properties[PropertyKey::textColor] =
            legibleColorOver(screen, c, media).name(QColor::HexRgb).toUpper();
    else if (type == ComponentType::icon)
        c.properties[PropertyKey::iconColor] =
            legibleColorOver(screen, c, media).name(QColor::HexRgb).toUpper();
    return c;
}

} // namespace vistrelle
