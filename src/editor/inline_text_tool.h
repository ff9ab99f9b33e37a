#pragma once

#include "model/project_model.h"

#include <QObject>
#include <QPointer>
#include <QRectF>

class QLineEdit;
class QWidget;

namespace vistrelle {

// Editing a title's or label's text in place: a field over the component on the canvas, in its font at
// the canvas's zoom. Every keystroke reports the whole text; Return, Escape or leaving the field ends the
// editing, and so does the canvas when the component goes.
class InlineTextTool : public QObject {
    Q_OBJECT

public:
    explicit InlineTextTool(QWidget* canvas);

    // Opens the field over `component` (a title or a label) at `frame` (widget pixels), with its text
    // selected; false for another type.
    bool begin(const PlacedComponent& component, const QRectF& frame, double zoom);
    // Ends the editing and says so (`finished`); nothing when it is not under way.
    void finish();
    // Ends the editing without a word (the owner ended it).
    void end();
    // Follows the component's frame and the zoom.
    void layout(const PlacedComponent& component, const QRectF& frame, double zoom);

    bool isEditing() const { return field_ != nullptr; }
    // The component as it was when the editing began.
    const PlacedComponent& component() const { return component_; }
    QLineEdit* field() const { return field_; }

signals:
    void textEdited(const vistrelle::PlacedComponent& component, const QString& text);
    void finished(const vistrelle::PlacedComponent& component);

private:
    QWidget* canvas_;
    QPointer<QLineEdit> field_;
    PlacedComponent component_;
};

} // namespace vistrelle
