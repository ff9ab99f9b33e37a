#include "editor/delete_key_filter.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace vistrelle {

bool isEditingText(const QWidget* focus) {
    for (const QWidget* widget = focus; widget; widget = widget->parentWidget()) {
        if (const auto* line = qobject_cast<const QLineEdit*>(widget))
            return !line->isReadOnly();
        if (const auto* text = qobject_cast<const QTextEdit*>(widget))
            return !text->isReadOnly();
        if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget))
            return !plain->isReadOnly();
        if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(widget))
            return !spin->isReadOnly();
        if (const auto* combo = qobject_cast<const QComboBox*>(widget))
            return combo->isEditable();
        if (widget->isWindow())
            break;
    }
    return false;
}

DeleteKeyFilter::DeleteKeyFilter(std::function<bool()> handler, QObject* parent)
    : QObject(parent)
    , handler_(std::move(handler)) {}

DeleteKeyFilter::~DeleteKeyFilter() {
    remove();
}

void DeleteKeyFilter::install() {
    // A window shown again replaces its earlier filter rather than adding a second.
    remove();
    qApp->installEventFilter(this);
    installed_ = true;
}

void DeleteKeyFilter::remove() {
    if (installed_ && qApp)
        qApp->removeEventFilter(this);
    installed_ = false;
}

bool DeleteKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Backspace && key->key() != Qt::Key_Delete)
        return false;
    if (key->modifiers() & ~(Qt::KeypadModifier))
        return false;
    // The press reaches the application filter once per widget it is offered to: only the focus widget
    // counts.
    if (watched != QApplication::focusWidget() && QApplication::focusWidget())
        return false;
    if (isEditingText(QApplication::focusWidget()))
        return false;
    // A dialog in front (a sheet, a question) keeps its keys: nothing behind it is deleted.
    if (QApplication::activeModalWidget())
        return false;
    return handler_ && handler_();
}

} // namespace vistrelle
