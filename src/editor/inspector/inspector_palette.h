#pragma once

#include "model/enumerations.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class QStackedWidget;

namespace vistrelle {

class ComponentInspector;
class DocumentSession;
class ScreenInspector;

// The inspector palette: the selected component's settings, else the selected
// screen's, else a word on what to select; it follows the selection and the
// document of the session it is given (the active window's). Refreshes at most
// once per event-loop turn.
class InspectorPalette : public QWidget {
    Q_OBJECT

public:
    explicit InspectorPalette(QWidget* parent = nullptr);

    // The session to show and edit; none: "No Project Open".
    void setSession(DocumentSession* session);
    DocumentSession* session() const;

    enum class Page { noProject, component, screen, nothingSelected };
    Page page() const;
    ComponentInspector* componentInspector() const { return component_; }
    ScreenInspector* screenInspector() const { return screen_; }

    // Shows the session's state now (normally queued after each change).
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
    void showSessionState();
    void fitWidthToContent();

    QPointer<DocumentSession> session_;
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
