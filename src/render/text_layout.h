#pragma once

#include "model/project_model.h"

#include <QColor>
#include <QFont>
#include <QTextLayout>

#include <memory>
#include <optional>

class QTextDocument;

namespace vistrelle {

// How the renderer lays out the words of titles, labels and text areas; the
// show check measures them with the same layouts, so what it calls cut off is
// what the slide shows cut off.

struct TitleTextLayout {
    std::shared_ptr<QTextLayout> layout; // lines as wide as the frame, from y = 0
    double height = 0;                   // of all lines
};

// A title's or label's text (its fallback when blank) in its font, wrapped at
// `width` and aligned by "textAlignment"; cached per thread.
const TitleTextLayout& titleTextLayout(const PlacedComponent& component, double width);

// Where the lines of `layout` start in `frame`: the block is centred vertically.
QPointF titleTextOrigin(const TitleTextLayout& layout, const QRectF& frame);

// The font of a title, label or plain text area.
QFont componentFont(const PlacedComponent& component);

// A text area's rich text laid out at `width`, or null when it has none or it
// does not decode; cached per thread and component (do not share across threads).
QTextDocument* textAreaDocument(const PlacedComponent& component, double width);

// Where a text area without rich text puts its plain text, and how it wraps it.
QRectF plainTextAreaRect(const QRectF& frame);
int plainTextAreaFlags(const PlacedComponent& component);

// A stretch of text as it is drawn: where (in the component's unturned frame), in which colour and size.
struct TextRun {
    QRectF rect;
    QColor color;
    double pixelSize = 0;
    bool bold = false;
};

// What a title, label or text area draws of its words: the runs (clipped to
// the frame where the component clips), the room the words need against the
// room they have (both in the frame's units; a text area's room is inside its
// margins), and the words themselves.
struct TextPlacement {
    QList<TextRun> runs;
    QSizeF needed;
    QSizeF available;
    QString words;
};

// Nothing for other types and for frames that draw nothing.
std::optional<TextPlacement> placeText(const PlacedComponent& component);

} // namespace vistrelle
