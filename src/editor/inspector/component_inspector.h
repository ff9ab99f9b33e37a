#pragma once

#include "editor/inspector/property_editors.h"
#include "model/project_model.h"

#include <QHash>
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
// Every change goes through the inspector throttle into one undo step per
// interaction, changes only the keys it edits (a nudge made meanwhile stays),
// and is announced with "componentUpdated".
//
// With several components selected, "Position & Size" shows and edits the
// selection's bounds (moving or scaling them all); when they are all of one
// type, its properties show the one clicked last, rows where they differ are
// marked as mixed, and a change sets the value on every one, as one step.
class ComponentInspector : public QWidget {
    Q_OBJECT

public:
    explicit ComponentInspector(QWidget* parent = nullptr);

    // Shows `component` of `screen` as the document holds it now.
    void show(const KioskScreen& screen, const PlacedComponent& component);
    const QUuid& componentId() const { return componentId_; }
    // Several components are shown (their bounds, their shared properties).
    bool showsGroup() const { return group_.size() > 1; }

    // Writes `values` into the shown component through the throttle (also what the controls call).
    void editProperties(const PropertyMap& values, bool continuous);

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

    QUuid screenId_;
    QUuid componentId_;
    std::optional<PlacedComponent> shown_;
    Size screenSize_{0, 0};
    QString pendingKeys_;          // the keys of the edit the throttle may still hold
    QList<PlacedComponent> group_; // the selected components when there are several
    QHash<PropertyEditor*, QLabel*> rowLabels_;
    QList<QPushButton*> presetButtons_;
};

} // namespace vistrelle
