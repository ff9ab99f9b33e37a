// Images, videos, web views and text areas: what the canvas and the slides show
// of them (live playback and live pages are the preview's).
#include "media/path_resolver.h"
#include "model/color_text.h"
#include "model/component_properties.h"
#include "model/property_schema.h"
#include "render/background_renderer.h"
#include "render/component_renderer.h"
#include "render/image_fitting.h"
#include "render/image_source.h"
#include "render/symbol_catalog.h"
#include "render/text_layout.h"
#include "richtext/font_resolver.h"

#include <QTextDocument>

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainterPath>

#include <cmath>

namespace vistrelle {

QRectF videoPlayButtonRect(const QRectF& frame) {
    const double button = std::min({80.0, frame.width() * 0.8, frame.height() * 0.8});
    return QRectF(frame.center().x() - button / 2, frame.center().y() - button / 2, button, button);
}

} // namespace vistrelle

namespace vistrelle::component_painters {

namespace {

const QColor secondaryText(0x8E, 0x8E, 0x93);

// The texts of this file belong to the ComponentRenderer catalogue context.
struct RendererTexts {
    Q_DECLARE_TR_FUNCTIONS(ComponentRenderer)
};

QPainterPath roundedFrame(const QRectF& frame, double radius) {
    QPainterPath path;
    const double r =
        std::clamp(std::isfinite(radius) ? radius : 0.0, 0.0, std::min(frame.width(), frame.height()) / 2);
    path.addRoundedRect(frame, r, r);
    return path;
}

// A symbol over one or two lines of text, centred in `frame`, scaled down to fit small frames.
void paintCard(QPainter& painter, const QRectF& frame, const QString& symbol, const QColor& symbolColor,
               double symbolSize, const QString& title, const QColor& titleColor, const QString& detail) {
    const double fit = std::min(1.0, std::min(frame.width(), frame.height()) / (symbolSize * 2.6));
    const double s = symbolSize * fit;
    const QFont titleFont =
        documentFont(QStringLiteral("Helvetica"), std::max(13.0 * fit, 6.0), true, false, false);
    const QFont detailFont =
        documentFont(QStringLiteral("Helvetica"), std::max(11.0 * fit, 5.0), false, false, false);
    const double titleHeight = QFontMetricsF(titleFont).height();
    const double detailHeight = detail.isEmpty() ? 0 : QFontMetricsF(detailFont).height();
    const double gap = 6 * fit;
    double y = frame.center().y() - (s + gap + titleHeight + detailHeight) / 2;

    SymbolCatalog::shared().paint(painter, symbol, QRectF(frame.center().x() - s / 2, y, s, s), symbolColor);
    y += s + gap;
    painter.save();
    painter.setFont(titleFont);
    painter.setPen(titleColor);
    painter.drawText(QRectF(frame.left() + 4, y, frame.width() - 8, titleHeight), Qt::AlignCenter, title);
    if (!detail.isEmpty()) {
        painter.setFont(detailFont);
        painter.setPen(secondaryText);
        const QString elided =
            QFontMetricsF(detailFont).elidedText(detail, Qt::ElideMiddle, frame.width() - 8);
        painter.drawText(QRectF(frame.left() + 4, y + titleHeight, frame.width() - 8, detailHeight),
                         Qt::AlignCenter, elided);
    }
    painter.restore();
}

} // namespace

void paintImage(QPainter& painter, const PlacedComponent& c, const QRectF& frame, ImageSource& images) {
    const QString path = c.stringProperty(PropertyKey::imagePath);
    const QPainterPath clip = roundedFrame(frame, numberPropertyOf(c, PropertyKey::cornerRadius));
    painter.save();
    painter.setClipPath(clip, Qt::IntersectClip);

    const ImageSource::Lookup picture = path.isEmpty() ? ImageSource::Lookup{} : images.lookup(path);
    if (!path.isEmpty() && picture.state == ImageSource::State::loaded) {
        paintFittedImage(painter, picture.image, wordProperty(c, PropertyKey::fittingMode), frame);
    } else {
        QColor grey(Qt::gray);
        grey.setAlphaF(0.1f);
        painter.fillPath(roundedFrame(frame, 8), grey);
        if (path.isEmpty())
            paintCard(painter, frame, QStringLiteral("photo"), secondaryText, 28, RendererTexts::tr("Image"),
                      secondaryText, RendererTexts::tr("No image selected"));
        else if (picture.state == ImageSource::State::loading)
            paintCard(painter, frame, QStringLiteral("hourglass"), secondaryText, 20,
                      RendererTexts::tr("Loading…"), secondaryText, {});
        else
            paintCard(painter, frame, QStringLiteral("exclamationmark.triangle.fill"),
                      QColor(0xFF, 0x95, 0x00), 28, RendererTexts::tr("Image not found"),
                      QColor(0xFF, 0x95, 0x00), QFileInfo(path).fileName());
    }
    painter.restore();

    const double border = numberPropertyOf(c, PropertyKey::borderWidth);
    if (border > 0) {
        QPen pen(colorPropertyOf(c, PropertyKey::borderColor), std::min(border, 100000.0));
        pen.setJoinStyle(Qt::MiterJoin);
        pen.setMiterLimit(10);
        painter.strokePath(clip, pen);
    }
}

namespace {

// A click target over a player that does not start by itself.
void paintPlayButton(QPainter& painter, const QRectF& frame) {
    const QRectF circle = videoPlayButtonRect(frame);
    const double button = circle.width();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 128));
    painter.drawEllipse(circle);
    SymbolCatalog::shared().paint(painter, QStringLiteral("play.circle.fill"),
                                  circle.adjusted(button / 8, button / 8, -button / 8, -button / 8),
                                  Qt::white);
}

// The player's video gravity: letterboxed, stretched, or covering the frame.
QString videoFitting(const PlacedComponent& c) {
    const QString mode = wordProperty(c, PropertyKey::fittingMode);
    return mode == QLatin1StringView("fit") || mode == QLatin1StringView("stretch") ? mode
                                                                                    : QStringLiteral("fill");
}

const LivePicture* livePictureOf(const PlacedComponent& c, const ComponentRenderOptions& options) {
    if (!options.isPreviewMode || !options.live)
        return nullptr;
    const auto it = options.live->constFind(c.id);
    return it == options.live->cend() ? nullptr : &*it;
}

} // namespace

void paintVideo(QPainter& painter, const PlacedComponent& c, const QRectF& frame,
                const ComponentRenderOptions& options) {
    const QPainterPath clip = roundedFrame(frame, numberPropertyOf(c, PropertyKey::cornerRadius));
    painter.save();
    painter.setClipPath(clip, Qt::IntersectClip);
    const QString path = c.stringProperty(PropertyKey::videoPath);
    const LivePicture* live = livePictureOf(c, options);
    if (path.isEmpty()) {
        QColor grey(Qt::gray);
        grey.setAlphaF(0.1f);
        painter.fillRect(frame, grey);
        paintCard(painter, frame, QStringLiteral("film"), secondaryText, 30, RendererTexts::tr("Video"),
                  Qt::black, RendererTexts::tr("Add a video file"));
    } else if (live ? live->failed : !PathResolver::shared().availableFile(path)) {
        // What the player shows for a file it cannot open: a red area, here with the reason on it.
        QColor grey(Qt::gray);
        grey.setAlphaF(0.1f);
        painter.fillRect(frame, live ? QColor(Qt::red) : grey);
        const QColor caption = live ? QColor(Qt::white) : QColor(0xFF, 0x95, 0x00);
        paintCard(painter, frame, QStringLiteral("exclamationmark.triangle.fill"), caption, 28,
                  RendererTexts::tr("Video not found"), caption, QFileInfo(path).fileName());
    } else {
        painter.fillRect(frame, colorPropertyOf(c, PropertyKey::backgroundColor));
        if (live && !live->image.isNull())
            paintFittedImage(painter, live->image, videoFitting(c), frame);
        // The editor never plays: its player waits for a click, like one without autoplay.
        if (!live || live->showsPlayButton)
            paintPlayButton(painter, frame);
    }
    painter.restore();
    QColor outline(Qt::gray);
    outline.setAlphaF(0.3f);
    painter.strokePath(clip, QPen(outline, 1));
}

void paintWebView(QPainter& painter, const PlacedComponent& c, const QRectF& frame,
                  const ComponentRenderOptions& options) {
    const QString url = c.stringProperty(PropertyKey::url);
    const QString html = c.stringProperty(PropertyKey::htmlContent);
    if (options.isPreviewMode && (!url.isEmpty() || !html.isEmpty())) {
        // The page as last seen; a page not shown yet is as blank as a page loading.
        const LivePicture* live = livePictureOf(c, options);
        if (live && !live->image.isNull())
            painter.drawImage(frame, live->image);
        else
            painter.fillRect(frame, Qt::white);
        return;
    }
    // A light plate under the tint keeps the caption readable on a dark screen.
    const QPainterPath plate = roundedFrame(frame, 8);
    painter.fillPath(plate, QColor(255, 255, 255, 217));
    QColor tint(0x00, 0x7A, 0xFF);
    tint.setAlphaF(0.1f);
    painter.fillPath(plate, tint);
    const QString detail = !url.isEmpty()    ? url
                           : !html.isEmpty() ? RendererTexts::tr("HTML content")
                                             : QString();
    paintCard(painter, frame, QStringLiteral("globe"), QColor(0x00, 0x7A, 0xFF), 28,
              RendererTexts::tr("Web View"), Qt::black, detail);
}

void paintTextArea(QPainter& painter, const PlacedComponent& c, const QRectF& frame) {
    if (!hasTransparentBackground(c))
        painter.fillRect(frame, colorPropertyOf(c, PropertyKey::backgroundColor));
    painter.save();
    painter.setClipRect(frame, Qt::IntersectClip);

    // The rich text when it decodes; otherwise the plain text, wrapped at the width from the top.
    if (QTextDocument* document = textAreaDocument(c, frame.width())) {
        painter.translate(frame.topLeft());
        document->drawContents(&painter, QRectF(QPointF(0, 0), frame.size()));
        painter.restore();
        return;
    }
    painter.setFont(componentFont(c));
    painter.setPen(colorPropertyOf(c, PropertyKey::textColor));
    painter.drawText(plainTextAreaRect(frame), plainTextAreaFlags(c), c.stringProperty(PropertyKey::text));
    painter.restore();
}

} // namespace vistrelle::component_painters
