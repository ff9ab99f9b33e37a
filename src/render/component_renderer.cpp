#include "render/component_renderer.h"

#include "model/color_text.h"
#include "model/component_properties.h"
#include "model/property_schema.h"
#include "render/live_components.h"
#include "render/shape_outline.h"
#include "render/symbol_catalog.h"
#include "render/text_layout.h"

#include <QPainterPath>
#include <cmath>

namespace vistrelle {

namespace {

// A frame too large to mean anything is drawn as if it were this large (and clipped by the screen).
constexpr double largestSide = 100000;

} // namespace

namespace component_painters {

void paintText(QPainter& painter, const PlacedComponent& c, const QRectF& frame) {
    const TitleTextLayout& layout = titleTextLayout(c, frame.width());
    painter.save();
    painter.setPen(colorPropertyOf(c, PropertyKey::textColor));
    // The lines are as wide as the frame and aligned in it; the block is centred vertically.
    layout.layout->draw(&painter, titleTextOrigin(layout, frame));
    painter.restore();
}

void paintShape(QPainter& painter, const PlacedComponent& c, const QRectF& frame) {
    const QPainterPath outline = shapeOutline(wordProperty(c, PropertyKey::shapeType), frame,
                                              integerPropertyOf(c, PropertyKey::points),
                                              numberPropertyOf(c, PropertyKey::innerRadius));
    QPen stroke(colorPropertyOf(c, PropertyKey::strokeColor));
    stroke.setWidthF(std::clamp(numberPropertyOf(c, PropertyKey::strokeWidth), 0.0, largestSide));
    stroke.setJoinStyle(Qt::MiterJoin);
    stroke.setMiterLimit(10);
    painter.save();
    painter.fillPath(outline, colorPropertyOf(c, PropertyKey::fillColor));
    if (stroke.widthF() > 0)
        painter.strokePath(outline, stroke);
    painter.restore();
}

void paintIcon(QPainter& painter, const PlacedComponent& c, const QRectF& frame) {
    const double size = std::clamp(numberPropertyOf(c, PropertyKey::iconSize), 0.0, largestSide);
    const QRectF square(frame.center().x() - size / 2, frame.center().y() - size / 2, size, size);
    SymbolCatalog::shared().paint(painter, textPropertyOf(c, PropertyKey::iconName), square,
                                  colorPropertyOf(c, PropertyKey::iconColor),
                                  symbolWeightFromText(wordProperty(c, PropertyKey::iconWeight)));
}

} // namespace component_painters

QRectF paintedBounds(const PlacedComponent& component) {
    const double width = component.size.width;
    const double height = component.size.height;
    if (!(width > 0) || !(height > 0) || !std::isfinite(width) || !std::isfinite(height))
        return {};
    const QRectF frame(0, 0, std::min(width, largestSide), std::min(height, largestSide));
    // Antialiasing and the selection outline reach a little past every edge.
    double margin = 4;
    QRectF bounds = frame;
    switch (component.componentType) {
    case ComponentType::title:
    case ComponentType::label: {
        const TitleTextLayout& layout = titleTextLayout(component, frame.width());
        const QRectF lines = layout.layout->boundingRect();
        bounds |= lines.translated(titleTextOrigin(layout, frame));
        break;
    }
    case ComponentType::icon: {
        const double size = std::clamp(numberPropertyOf(component, PropertyKey::iconSize), 0.0, largestSide);
        bounds |= QRectF(frame.center().x() - size / 2, frame.center().y() - size / 2, size, size);
        break;
    }
    case ComponentType::shape:
        margin += std::clamp(numberPropertyOf(component, PropertyKey::strokeWidth), 0.0, largestSide);
        break;
    case ComponentType::image:
        margin += std::clamp(numberPropertyOf(component, PropertyKey::borderWidth), 0.0, largestSide);
        [[fallthrough]];
    case ComponentType::video:
    case ComponentType::webView:
        // A placeholder's caption may be wider than a narrow frame.
        bounds.adjust(-64, 0, 64, 0);
        break;
    case ComponentType::textArea:
    case ComponentType::clock:
    case ComponentType::countdown:
    case ComponentType::ticker:
        break; // clipped to its frame
    }
    bounds.adjust(-margin, -margin, margin, margin);
    const double rotation = numberPropertyOf(component, PropertyKey::rotation);
    if (rotation != 0) {
        QTransform turn;
        turn.translate(frame.center().x(), frame.center().y());
        turn.rotate(std::fmod(rotation, 360.0));
        turn.translate(-frame.center().x(), -frame.center().y());
        bounds = turn.mapRect(bounds);
    }
    return bounds;
}

void paintComponent(QPainter& painter, const PlacedComponent& component, ImageSource& images,
                    ComponentRenderOptions options) {
    using namespace component_painters;
    const double width = component.size.width;
    const double height = component.size.height;
    if (!(width > 0) || !(height > 0) || !std::isfinite(width) || !std::isfinite(height))
        return;
    const QRectF frame(0, 0, std::min(width, largestSide), std::min(height, largestSide));

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const double rotation = numberPropertyOf(component, PropertyKey::rotation);
    if (rotation != 0) {
        painter.translate(frame.center());
        painter.rotate(std::fmod(rotation, 360.0)); // clockwise on screen, y pointing down
        painter.translate(-frame.center());
    }
    painter.setOpacity(painter.opacity() *
                       std::clamp(numberPropertyOf(component, PropertyKey::opacity), 0.0, 1.0));

    switch (component.componentType) {
    case ComponentType::title:
    case ComponentType::label:
        paintText(painter, component, frame);
        break;
    case ComponentType::textArea:
        paintTextArea(painter, component, frame);
        break;
    case ComponentType::image:
        paintImage(painter, component, frame, images);
        break;
    case ComponentType::webView:
        paintWebView(painter, component, frame, options);
        break;
    case ComponentType::video:
        paintVideo(painter, component, frame, options);
        break;
    case ComponentType::shape:
        paintShape(painter, component, frame);
        break;
    case ComponentType::icon:
        paintIcon(painter, component, frame);
        break;
    case ComponentType::clock:
    case ComponentType::countdown:
        paintLiveText(painter, component, frame, options.moment.isValid() ? options.moment : renderMoment());
        break;
    case ComponentType::ticker:
        paintTicker(painter, component, frame, options.moment.isValid() ? options.moment : renderMoment());
        break;
    }
    painter.restore();

    if (options.isSelected) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(QColor(0x00, 0x7A, 0xFF), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(frame, 4, 4);
        painter.restore();
    }
}

} // namespace vistrelle
