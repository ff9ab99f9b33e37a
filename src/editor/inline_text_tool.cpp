#include "editor/inline_text_tool.h"

#include "model/component_properties.h"
#include "model/property_schema.h"
#include "richtext/font_resolver.h"

#include <QAction>
#include <QLineEdit>

#include <cmath>

namespace vistrelle {

InlineTextTool::InlineTextTool(QWidget* canvas)
    : QObject(canvas)
    , canvas_(canvas) {}

bool InlineTextTool::begin(const PlacedComponent& component, const QRectF& frame, double zoom) {
    end();
    if (component.componentType != ComponentType::title && component.componentType != ComponentType::label)
        return false;
    component_ = component;
    auto* field = new QLineEdit(canvas_);
    field_ = field;
    field->setAccessibleName(tr("Text"));
    field->setText(stringProperty(component.properties, PropertyKey::text));
    field->selectAll();
    connect(field, &QLineEdit::textEdited, this,
            [this](const QString& text) { emit textEdited(component_, text); });
    connect(field, &QLineEdit::editingFinished, this, &InlineTextTool::finish);
    // Escape leaves the field too; the text typed so far is already in the document.
    auto* leave = new QAction(field);
    leave->setShortcut(Qt::Key_Escape);
    leave->setShortcutContext(Qt::WidgetShortcut);
    field->addAction(leave);
    connect(leave, &QAction::triggered, this, &InlineTextTool::finish);
    layout(component, frame, zoom);
    field->show();
    field->setFocus(Qt::OtherFocusReason);
    return true;
}

void InlineTextTool::finish() {
    if (!field_)
        return;
    end();
    // Told whichever way the editing ends (Return, a click elsewhere, another screen): the owner closes the
    // edit's undo step.
    emit finished(component_);
}

void InlineTextTool::end() {
    if (QLineEdit* field = field_) {
        field_ = nullptr;
        field->disconnect(this);
        field->hide();
        field->deleteLater();
        canvas_->setFocus(Qt::OtherFocusReason);
    }
}

void InlineTextTool::layout(const PlacedComponent& component, const QRectF& frame, double zoom) {
    if (!field_)
        return;
    QFont font = documentFont(
        textPropertyOf(component, PropertyKey::fontName), numberPropertyOf(component, PropertyKey::fontSize),
        component.boolProperty(PropertyKey::isBold), component.boolProperty(PropertyKey::isItalic), false);
    font.setPixelSize(std::max(8, int(std::lround(font.pixelSize() * zoom))));
    field_->setFont(font);
    const int height = std::max(int(frame.height()), QFontMetrics(font).height() + 8);
    field_->setGeometry(QRect(QPoint(int(frame.left()), int(frame.center().y() - height / 2.0)),
                              QSize(std::max(int(frame.width()), 60), height)));
}

} // namespace vistrelle
