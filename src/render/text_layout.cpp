#include "render/text_layout.h"

#include "model/color_text.h"
#include "model/component_properties.h"
#include "model/property_schema.h"
#include "richtext/font_resolver.h"
#include "richtext/rtf_reader.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextOption>

#include <cmath>

namespace vistrelle {

namespace {

Qt::Alignment titleAlignment(const PlacedComponent& c) {
    const QString alignment = wordProperty(c, PropertyKey::textAlignment);
    if (alignment == QLatin1StringView("leading"))
        return Qt::AlignLeft;
    if (alignment == QLatin1StringView("trailing"))
        return Qt::AlignRight;
    return Qt::AlignHCenter;
}

} // namespace

QFont componentFont(const PlacedComponent& c) {
    return documentFont(textPropertyOf(c, PropertyKey::fontName), numberPropertyOf(c, PropertyKey::fontSize),
                        c.boolProperty(PropertyKey::isBold), c.boolProperty(PropertyKey::isItalic),
                        c.boolProperty(PropertyKey::isUnderlined));
}

// Laid out once per text, font, width and alignment (per thread: layouts are
// not shared across threads), not in every frame.
const TitleTextLayout& titleTextLayout(const PlacedComponent& c, double width) {
    QString text = c.stringProperty(PropertyKey::text);
    if (text.trimmed().isEmpty()) // a title or label never draws as nothing
        text = propertySpec(c.componentType, PropertyKey::text)->fallback;
    const QFont font = componentFont(c);
    const Qt::Alignment alignment = titleAlignment(c);

    thread_local QHash<QString, TitleTextLayout> cache;
    const QString key = text + QChar(0) + font.key() + QChar(0) + QString::number(width) + QChar(0) +
                        QString::number(int(alignment));
    if (const auto it = cache.constFind(key); it != cache.cend())
        return *it;
    if (cache.size() > 512)
        cache.clear(); // bounded; a screen holds few distinct texts

    text.replace(u'\n', QChar::LineSeparator);
    auto layout = std::make_shared<QTextLayout>(text, font);
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WordWrap);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    double height = 0;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(std::max(width, 0.0));
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout->endLayout();
    return *cache.insert(key, {layout, height});
}

QPointF titleTextOrigin(const TitleTextLayout& layout, const QRectF& frame) {
    return {frame.left(), frame.top() + (frame.height() - layout.height) / 2};
}

QTextDocument* textAreaDocument(const PlacedComponent& c, double width) {
    const QString richTextData = c.stringProperty(PropertyKey::richTextData);
    if (richTextData.isEmpty())
        return nullptr;
    struct Cached {
        QString text;
        QString rich;
        std::shared_ptr<QTextDocument> document;
    };
    thread_local QHash<QUuid, Cached> cache;
    if (cache.size() > 256 && !cache.contains(c.id))
        cache.clear(); // bounded: text areas are few, a full cache means stale entries
    Cached& entry = cache[c.id];
    const QString text = c.stringProperty(PropertyKey::text);
    if (!entry.document || entry.rich != richTextData || entry.text != text) {
        std::unique_ptr<QTextDocument> document = readBase64Rtf(richTextData);
        entry = {text, richTextData, std::shared_ptr<QTextDocument>(std::move(document))};
    }
    if (entry.document && entry.document->textWidth() != width) {
        entry.document->setDocumentMargin(4);
        entry.document->setTextWidth(width);
    }
    return entry.document.get();
}

QRectF plainTextAreaRect(const QRectF& frame) {
    return frame.adjusted(4, 4, -4, 0);
}

int plainTextAreaFlags(const PlacedComponent& c) {
    const QString alignment = wordProperty(c, PropertyKey::textAlignment);
    const Qt::Alignment horizontal = alignment == QLatin1StringView("center")     ? Qt::AlignHCenter
                                     : alignment == QLatin1StringView("trailing") ? Qt::AlignRight
                                                                                  : Qt::AlignLeft;
    return int(horizontal | Qt::AlignTop | Qt::TextWordWrap);
}

namespace {

QColor textColorOf(const PlacedComponent& c) {
    return colorPropertyOf(c, PropertyKey::textColor);
}

TextPlacement placeTitle(const PlacedComponent& c, const QRectF& frame) {
    const TitleTextLayout& layout = titleTextLayout(c, frame.width());
    const QPointF origin = titleTextOrigin(layout, frame);
    const QFont& font = layout.layout->font();
    TextPlacement placement;
    double widest = 0;
    for (int i = 0; i < layout.layout->lineCount(); ++i) {
        const QTextLine line = layout.layout->lineAt(i);
        widest = std::max(widest, line.naturalTextWidth());
        placement.runs.append({line.naturalTextRect().translated(origin), textColorOf(c),
                               double(font.pixelSize()), font.bold()});
    }
    placement.needed = {widest, layout.height};
    placement.available = frame.size();
    placement.words = c.stringProperty(PropertyKey::text);
    return placement;
}

double pixelSizeOf(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF();
}

// Each fragment of each line, as the document draws it in the frame (which clips it).
TextPlacement placeRichText(QTextDocument& document, const QRectF& frame) {
    TextPlacement placement;
    double widest = 0;
    QAbstractTextDocumentLayout* documentLayout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* lines = block.layout();
        const QPointF blockOrigin = documentLayout->blockBoundingRect(block).topLeft() + lines->position();
        for (int i = 0; i < lines->lineCount(); ++i)
            widest = std::max(widest,
                              blockOrigin.x() + lines->lineAt(i).x() + lines->lineAt(i).naturalTextWidth());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            const QBrush foreground = format.foreground();
            const QColor color = foreground.style() == Qt::NoBrush ? QColor(Qt::black) : foreground.color();
            const int start = fragment.position() - block.position();
            const int end = start + fragment.length();
            for (int i = 0; i < lines->lineCount(); ++i) {
                const QTextLine line = lines->lineAt(i);
                const int from = std::max(start, line.textStart());
                const int to = std::min(end, line.textStart() + line.textLength());
                if (from >= to)
                    continue;
                const double left = line.cursorToX(from);
                const double right = line.cursorToX(to);
                const QRectF rect =
                    QRectF(std::min(left, right), line.y(), std::abs(right - left), line.height())
                        .translated(blockOrigin)
                        .translated(frame.topLeft())
                        .intersected(frame);
                if (!rect.isEmpty())
                    placement.runs.append({rect, color, pixelSizeOf(format.font()), format.font().bold()});
            }
        }
    }
    const double margin = document.documentMargin();
    placement.needed = {widest - margin, document.size().height() - 2 * margin};
    placement.available = {frame.width() - 2 * margin, frame.height() - 2 * margin};
    placement.words = document.toPlainText();
    return placement;
}

TextPlacement placePlainText(const PlacedComponent& c, const QRectF& frame) {
    const QFont font = componentFont(c);
    const QRectF room = plainTextAreaRect(frame);
    const QString text = c.stringProperty(PropertyKey::text);
    const QRectF used = QFontMetricsF(font).boundingRect(room, plainTextAreaFlags(c), text);
    TextPlacement placement;
    if (!text.trimmed().isEmpty())
        placement.runs.append(
            {used.intersected(frame), textColorOf(c), double(font.pixelSize()), font.bold()});
    placement.needed = used.size();
    placement.available = room.size();
    placement.words = text;
    return placement;
}

} // namespace

std::optional<TextPlacement> placeText(const PlacedComponent& c) {
    const double width = c.size.width;
    const double height = c.size.height;
    if (!(width > 0) || !(height > 0) || !std::isfinite(width) || !std::isfinite(height))
        return std::nullopt;
    const QRectF frame(0, 0, width, height);
    switch (c.componentType) {
    case ComponentType::title:
    case ComponentType::label:
        return placeTitle(c, frame);
    case ComponentType::textArea:
        if (QTextDocument* document = textAreaDocument(c, frame.width()))
            return placeRichText(*document, frame);
        return placePlainText(c, frame);
    default:
        return std::nullopt;
    }
}

} // namespace vistrelle
