#pragma once

#include "model/project_model.h"
#include "model/property_schema.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace vistrelle {

class DocumentSession;

// Where an edit lands: the component a control showed when the user began the edit, in the session of
// its window, and the interaction the edit belongs to. A dialog opened for a component keeps writing
// there, as one undo step, wherever the selection goes meanwhile; with the component gone it writes
// nothing. An empty target means the component the inspector shows.
struct EditTarget {
    QPointer<DocumentSession> session;
    QUuid screenId;
    QUuid componentId;
    // With several components selected when the dialog opened: all of them (the shown one among them).
    QList<QUuid> groupIds;
    quint64 interaction = 0;

    bool isEmpty() const { return componentId.isNull(); }
};

// The control of one property (or of a few that belong together, like B, I,
// U) in the inspector. It shows a component's value in place, never reports a
// shown value back, and reports every change the user makes as new stored
// values. Continuous changes (a slider's sweep, typing, a colour dialog) begin
// and end their own interaction, so that they merge into one undo step.
class PropertyEditor : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Shows the component's values; emits nothing.
    virtual void showValue(const PlacedComponent& component) = 0;
    // The row label, or empty when the control carries its own.
    virtual QString rowLabel() const { return label_; }
    void setRowLabel(const QString& label) { label_ = label; }
    // The stored keys it shows and edits (with several components selected, a row whose keys differ
    // between them shows as mixed).
    const QStringList& keys() const { return keys_; }
    void setKeys(const QStringList& keys) { keys_ = keys; }

signals:
    // New stored values. `continuous`: one step of a sweep or of typing. `target`: the component a dialog
    // was opened for, else empty (the component shown).
    void edited(const PropertyMap& values, bool continuous, const vistrelle::EditTarget& target = {});

private:
    QString label_;
    QStringList keys_;
};

// What editors need from outside: how a picked file is stored, the text area's editor, and the target a
// dialog binds itself to when it opens (a fresh interaction of its own).
struct PropertyEditorServices {
    std::function<QString(const QString& absolutePath)> storedPathFor;
    std::function<QString(const QString& storedPath)> resolvedPathFor;
    std::function<void(QWidget* parent)> openTextAreaEditor;
    std::function<EditTarget()> bindTarget;
};

// The editor of `entry`; nullptr for keys the inspector does not show. The
// style toggles of a text come as one editor for all three (pass them together).
PropertyEditor* makePropertyEditor(const PropertySpec& entry, const PropertyEditorServices& services,
                                   QWidget* parent);
PropertyEditor* makeStyleToggles(const QList<PropertySpec>& specs, QWidget* parent);

// The text a slider shows for `value` of `entry`: "35%", "90°", "2.5", "24".
QString sliderValueText(const PropertySpec& entry, double value);

} // namespace vistrelle
