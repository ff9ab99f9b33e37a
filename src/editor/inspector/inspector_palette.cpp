#include "editor/inspector/inspector_palette.h"

#include "editing/document_session.h"
#include "editor/inspector/component_inspector.h"
#include "editor/inspector/inspector_section.h"
#include "editor/inspector/screen_inspector.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace vistrelle {

namespace {

// A page that scrolls when the palette is shorter than its content.
QScrollArea* scrolling(QWidget* content, QWidget* parent) {
    auto* area = new QScrollArea(parent);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* margins = new QWidget(area);
    auto* layout = new QVBoxLayout(margins);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->addWidget(content);
    area->setWidget(margins);
    return area;
}

} // namespace

InspectorPalette::InspectorPalette(QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    pages_ = new QStackedWidget(this);
    layout->addWidget(pages_);

    noProject_ =
        makeInspectorMessage(QStringLiteral("doc.text"), tr("No Project Open"),
                             tr("Open a Vistrelle Project to view and edit component properties"), pages_);
    nothingSelected_ = makeInspectorMessage(
        QStringLiteral("slider.horizontal.3"), tr("No Component Selected"),
        tr("Select a screen or click a component on the canvas to edit its properties"), pages_);
    component_ = new ComponentInspector;
    screen_ = new ScreenInspector;
    component_->setObjectName(QStringLiteral("componentInspector"));
    screen_->setObjectName(QStringLiteral("screenInspector"));
    pages_->addWidget(noProject_);
    pages_->addWidget(nothingSelected_);
    pages_->addWidget(scrolling(component_, pages_));
    pages_->addWidget(scrolling(screen_, pages_));

    refresh();
}

DocumentSession* InspectorPalette::session() const {
    return session_;
}

void InspectorPalette::setSession(DocumentSession* session) {
    // None again after a window closed: its pointer is already gone, yet what it showed must go too.
    if (session_ == session && session)
        return;
    if (session_)
        disconnect(session_, nullptr, this, nullptr);
    session_ = session;
    component_->setSession(session);
    screen_->setSession(session);
    if (session)
        connect(session, &DocumentSession::changed, this, [this](const DocumentChange& change) {
            // An edit of a screen not on view (a dialog bound to it, say) changes nothing shown here.
            const DocumentSession& s = *session_;
            if (change.selection || change.document || change.screenList || change.info ||
                (s.selectedScreen() && change.screens.contains(s.selectedScreen()->id)))
                refresh();
        });
    scheduleRefresh();
}

void InspectorPalette::scheduleRefresh() {
    if (refreshScheduled_)
        return;
    refreshScheduled_ = true;
    QTimer::singleShot(0, this, &InspectorPalette::refresh);
}

void InspectorPalette::showEvent(QShowEvent* event) {
    refresh();
    fitWidthToContent(); // now with the style the window is shown in
    QWidget::showEvent(event);
}

void InspectorPalette::refresh() {
    refreshScheduled_ = false;
    showSessionState();
    // Only another page or another type of component can need another width; edits and drags cannot.
    const QString content = contentName();
    const std::optional<ComponentType> type =
        page() == Page::component ? std::optional(shownComponentType_) : std::nullopt;
    if (content != shownContent_ || type != fittedType_) {
        fittedType_ = type;
        fitWidthToContent();
    }
    if (content != shownContent_) {
        shownContent_ = content;
        emit contentChanged(content);
    }
}

void InspectorPalette::fitWidthToContent() {
    auto* area = qobject_cast<QScrollArea*>(pages_->currentWidget());
    if (!area || !area->widget())
        return;
    // The pages never scroll sideways: the palette is as wide as the widest row (longer in some languages).
    const int needed = area->widget()->minimumSizeHint().width() +
                       area->verticalScrollBar()->sizeHint().width() + 2 * area->frameWidth();
    if (needed <= minimumWidth())
        return;
    setMinimumWidth(needed);
    // A wider palette at the right edge grows to the left, not off the display.
    if (isWindow() && screen()) {
        const QRect area = screen()->availableGeometry();
        const int overhang = frameGeometry().right() - area.right();
        if (overhang > 0)
            move(std::max(area.left(), x() - overhang), y());
    }
}

QString InspectorPalette::contentName() const {
    switch (page()) {
    case Page::component:
        return QStringLiteral("component");
    case Page::screen:
        return QStringLiteral("screen");
    case Page::noProject:
    case Page::nothingSelected:
        break;
    }
    return QStringLiteral("empty");
}

double InspectorPalette::requestedHeight(const QString& contentName) {
    return contentName == QLatin1String("empty") ? 520 : 740;
}

void InspectorPalette::showSessionState() {
    if (!session_) {
        pages_->setCurrentWidget(noProject_);
        return;
    }
    const DocumentSession& m = *session_;
    const KioskScreen* screen = m.selectedScreen() ? m.findScreen(m.selectedScreen()->id) : nullptr;
    if (screen && m.selectedComponent()) {
        if (const PlacedComponent* component = m.findComponent(screen->id, m.selectedComponent()->id)) {
            component_->show(*screen, *component);
            shownComponentType_ = component->componentType;
            pages_->setCurrentIndex(2);
            return;
        }
    }
    if (screen) {
        screen_->show(m.project(), *screen);
        pages_->setCurrentIndex(3);
        return;
    }
    pages_->setCurrentWidget(nothingSelected_);
}

InspectorPalette::Page InspectorPalette::page() const {
    switch (pages_->currentIndex()) {
    case 0:
        return Page::noProject;
    case 2:
        return Page::component;
    case 3:
        return Page::screen;
    default:
        return Page::nothingSelected;
    }
}

} // namespace vistrelle
