#pragma once

#include "model/enumerations.h"

#include <QWidget>

#include <optional>

class QStackedWidget;

namespace vistrelle {

class ComponentInspector;
class ScreenInspector;

// The inspector palette: the selected component's settings, else the selected
// screen's, else a word on what to select; it follows the shared document
// manager's selection and document. Refreshes at most once per event-loop turn.
class InspectorPalette : public QWidget {
    Q_OBJECT

public:
    explicit InspectorPalette(QWidget* parent = nullptr);

    enum class Page { noProject, component, screen, nothingSelected };
    Page page() const;
    ComponentInspector* componentInspector() const { return component_; }
    ScreenInspector* screenInspector() const { return screen_; }

    // Shows the manager's state now (normally queued after each change).
    void refresh();

    // What the palette shows, for the window height kept per content: "empty", "screen" or "component".
    QString contentName() const;
    // The height a content asks for when the user has not chosen one.
    static double requestedHeight(const QString& contentName);

signals:
    void contentChanged(const QString& contentName);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void scheduleRefresh();
    void showManagerState();
    void fitWidthToContent();

    QStackedWidget* pages_ = nullptr;
    QWidget* noProject_ = nullptr;
    QWidget* nothingSelected_ = nullptr;
    ComponentInspector* component_ = nullptr;
    ScreenInspector* screen_ = nullptr;
    bool refreshScheduled_ = false;
    QString shownContent_;
    ComponentType shownComponentType_ = ComponentType::label;
    std::optional<ComponentType> fittedType_;
};

} // namespace vistrelle
