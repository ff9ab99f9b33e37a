#pragma once

#include "editor/inspector/property_editors.h"
#include "model/project_model.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace vistrelle {

class InspectorContextHeader;

// The inspector of one component: its type, position and size, the controls
// of its type's properties, z-index and opacity, and the style presets. The
// controls of each type are made once and then only show new values, so a
// field being typed in keeps its caret while other edits arrive.
//
// Every change is applied at once, as a step that merges with the others of
// its interaction (a sweep, a burst of typing, a dialog's session), and
// changes only the keys it edits (a nudge made meanwhile stays). A dialog
// writes to the component it was opened for.
//
// With several components selected, "Position & Size" shows and edits the
// selection's bounds (moving or scaling them all); when they are all of one
// type, its properties show the one clicked last, rows where they differ are
// marked as mixed, and a change sets the value on every one, as one step.
class ComponentInspector : public QWidget {
    Q_OBJECT

public:
    explicit ComponentInspector(QWidget* parent = nullptr);

    // The session of the window whose component is shown (none: nothing is edited).
    void setSession(DocumentSession* session);

    // Shows `component` of `screen` as the document holds it now.
    void show(const KioskScreen& screen, const PlacedComponent& component);
    const QUuid& componentId() const { return componentId_; }
    // Several components are shown (their bounds, their shared properties).
    bool showsGroup() const { return group_.size() > 1; }

    // Writes `values` into the shown component, or the one a dialog was opened for (`target`); also what
    // the controls call.
    void editProperties(const PropertyMap& values, bool continuous, const EditTarget& target = {});

private:
    struct TypePanel {
        QWidget* widget = nullptr;
        QList<PropertyEditor*> editors;
        QLineEdit* zIndex = nullptr;
    };

    QWidget* makePositionSection();
    TypePanel& panelFor(ComponentType type);
    QLineEdit* makeIntegerField(const QString& objectName);
    void commitFrameField(QLineEdit* field);
    void commitGroupFrameField(QLineEdit* field);
    void showGroupState(const KioskScreen& screen, const PlacedComponent& component, TypePanel& panel);
    void commitZIndex(QLineEdit* field);
    void writeComponent(const PlacedComponent& component);
    void writeValues(const EditTarget& target, const PropertyMap& values);
    // The shown component as a dialog's target, in a fresh interaction.
    EditTarget boundTarget() const;
    // The shown component (or group) in the current interaction.
    EditTarget shownTarget() const;
    const PlacedComponent* liveComponent() const;
    void openTextAreaEditor(QWidget* parent);
    void saveCurrentStyle();
    void showStylePresets();

    InspectorContextHeader* header_ = nullptr;
    QLineEdit* x_ = nullptr;
    QLineEdit* y_ = nullptr;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
    QStackedWidget* panels_ = nullptr;
    QHash<int, TypePanel> panelsByType_;
    PropertyEditorServices services_;

    QPointer<DocumentSession> session_;
    QUuid screenId_;
    QUuid componentId_;
    std::optional<PlacedComponent> shown_;
    Size screenSize_{0, 0};
    QList<PlacedComponent> group_; // the selected components when there are several
    QHash<PropertyEditor*, QLabel*> rowLabels_;
    QList<QPushButton*> presetButtons_;
};

} // namespace vistrelle
