#include "editor/editor_window.h"

#include "editing/document_edit_commands.h"
#include "editing/z_order.h"
#include "editor/active_session.h"
#include "editor/arrange_actions.h"
#include "editor/canvas_geometry.h"
#include "editor/delete_key_filter.h"
#include "editor/notice_bar.h"
#include "editor/palette_windows.h"
#include "editor/schedule_week_view.h"
#include "editor/screens_palette.h"
#include "editor/sheets/kiosk_deploy_view.h"
#include "editor/sheets/preferences_sheet.h"
#include "editor/sheets/project_settings_sheet.h"
#include "editor/sheets/project_setup_sheet.h"
#include "editor/sheets/symbol_icon.h"
#include "editor/sheets/text_area_editor_sheet.h"
#include "editor/show_check_palette.h"
#include "editor/show_check_runner.h"
#include "editor/total_duration.h"
#include "editor/zoom_steps.h"
#include "export/kiosk_deploy_manager.h"
#include "export/new_component.h"
#include "model/component_properties.h"
#include "platform/app_logger.h"
#include "platform/notification_center.h"
#include "platform/preferences.h"
#include "preview/kiosk_preview_manager.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace vistrelle {
namespace {

QAction* symbolAction(const QString& objectName, const QString& symbol, const QString& tooltip,
                      QObject* parent) {
    auto* action = new QAction(symbolIcon(symbol), tooltip, parent);
    action->setObjectName(objectName);
    action->setToolTip(tooltip);
    return action;
}

QWidget* spacer(QWidget* parent, int width = -1) {
    auto* space = new QWidget(parent);
    if (width < 0)
        space->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    else
        space->setFixedWidth(width);
    return space;
}

} // namespace

EditorWindow::EditorWindow(VistrelleDocument document, QWidget* parent)
    : QMainWindow(parent)
    , session_(std::move(document)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumSize(800, 600);
    resize(1200, 860);
    previewManager_ = new KioskPreviewManager(this);

    canvas_ = new AdvancedCanvasView;
    auto* central = new QWidget(this);
    scrollArea_ = new QScrollArea(central);
    scrollArea_->setWidget(canvas_);
    scrollArea_->setAlignment(Qt::AlignCenter);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setAccessibleName(tr("Canvas"));
    scrollArea_->setBackgroundRole(QPalette::Window);
    saveNotice_ = new NoticeBar(tr("Save As…"), central);
    connect(saveNotice_, &NoticeBar::actionTriggered, this, &EditorWindow::saveAsRequested);
    auto* centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->setSpacing(0);
    centralLayout->addWidget(saveNotice_);
    settingsNotice_ = new NoticeBar(QString(), central);
    centralLayout->addWidget(settingsNotice_);
    centralLayout->addWidget(scrollArea_, 1);
    setCentralWidget(central);
    scrollArea_->viewport()->installEventFilter(this);
    // The palettes dock at the sides; the canvas keeps room for a screen however wide they are made.
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks |
                   QMainWindow::AllowNestedDocks);
    setTabPosition(Qt::AllDockWidgetAreas, QTabWidget::North);
    central->setMinimumSize(360, 240);

    buildToolbar();
    wireCanvas();
    observeNotifications();
    deleteKeys_ = new DeleteKeyFilter(
        [this] {
            // Every window's filter sees the key: only the window being worked in acts on it.
            if (ActiveSession::shared().session() != &session_ || !session_.selectedComponent())
                return false;
            deleteSelectedComponent();
            return true;
        },
        this);

    connect(&session_.undoStack(), &QUndoStack::cleanChanged, this, &EditorWindow::updateModifiedMarker);
    // The one channel views refresh from: what changed in this window's document, once per turn.
    connect(&session_, &DocumentSession::changed, this, &EditorWindow::sessionChanged);
    connect(&session_, &DocumentSession::projectSettingsRequested, this,
            [this](bool atPassword) { showProjectSettings(atPassword); });
    refresh();
}

EditorWindow::~EditorWindow() {
    // The palettes are docked here: they outlive the window.
    PaletteWindows::shared().detachFrom(*this);
    NotificationCenter::defaultCenter().removeObservers(this);
}

void EditorWindow::sessionChanged(const DocumentChange& change) {
    if (change.edited())
        emit documentChanged();
    refresh();
}

// --- toolbar

void EditorWindow::buildToolbar() {
    QToolBar* bar = addToolBar(tr("Editor"));
    bar->setObjectName(QStringLiteral("editorToolbar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(20, 20));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);

    auto* duration = new QWidget(bar);
    duration->setToolTip(tr("Total duration of all screens"));
    auto* durationLayout = new QHBoxLayout(duration);
    durationLayout->setContentsMargins(8, 0, 8, 0);
    durationLayout->setSpacing(6);
    auto* durationTitle = new QLabel(tr("Duration"), duration);
    QFont headline = durationTitle->font();
    headline.setBold(true);
    durationTitle->setFont(headline);
    durationValue_ = new QLabel(duration);
    durationValue_->setObjectName(QStringLiteral("durationValue"));
    durationValue_->setMinimumWidth(
        QFontMetrics(durationValue_->font()).horizontalAdvance(QStringLiteral("00h 00m 00s")));
    durationLayout->addWidget(durationTitle);
    durationLayout->addWidget(durationValue_);
    bar->addWidget(duration);
    bar->addWidget(spacer(bar));

    QAction* screens = symbolAction(QStringLiteral("openScreens"), QStringLiteral("rectangle.on.rectangle"),
                                    tr("Open screens window"), this);
    connect(screens, &QAction::triggered, this,
            [] { PaletteWindows::shared().show(PaletteWindows::screensIdentifier); });
    QAction* library = symbolAction(QStringLiteral("openComponentLibrary"), QStringLiteral("square.grid.2x2"),
                                    tr("Open component library window"), this);
    connect(library, &QAction::triggered, this,
            [] { PaletteWindows::shared().show(PaletteWindows::componentLibraryIdentifier); });
    QAction* inspector = symbolAction(QStringLiteral("openInspector"), QStringLiteral("slider.horizontal.3"),
                                      tr("Open inspector window"), this);
    connect(inspector, &QAction::triggered, this,
            [] { PaletteWindows::shared().show(PaletteWindows::inspectorIdentifier); });
    QAction* showCheck = symbolAction(QStringLiteral("openShowCheck"), QStringLiteral("checkmark.circle"),
                                      tr("Open show check window"), this);
    connect(showCheck, &QAction::triggered, this,
            [] { PaletteWindows::shared().show(PaletteWindows::showCheckIdentifier); });
    QAction* remove = symbolAction(QStringLiteral("deleteComponent"), QStringLiteral("trash"),
                                   tr("Delete selected component"), this);
    connect(remove, &QAction::triggered, this, &EditorWindow::deleteSelectedComponent);
    bar->addAction(screens);
    bar->addAction(library);
    bar->addAction(inspector);
    bar->addAction(showCheck);
    bar->addWidget(spacer(bar, 12));
    bar->addAction(remove);
    bar->addWidget(spacer(bar, 12));
    // Align and distribute, the most used of the Arrange menu.
    arrangeActions_ = makeArrangeActions(session_, this);
    for (qsizetype i = 0; i < 8; ++i)
        bar->addAction(arrangeActions_[i]);
    bar->addWidget(spacer(bar, 12));

    QAction* zoomOut = symbolAction(QStringLiteral("zoomOut"), QStringLiteral("minus.magnifyingglass"),
                                    tr("Zoom Out"), this);
    connect(zoomOut, &QAction::triggered, this, &EditorWindow::zoomOut);
    QAction* zoomIn =
        symbolAction(QStringLiteral("zoomIn"), QStringLiteral("plus.magnifyingglass"), tr("Zoom In"), this);
    connect(zoomIn, &QAction::triggered, this, &EditorWindow::zoomIn);
    bar->addAction(zoomOut);
    zoomValue_ = new QLabel(bar);
    zoomValue_->setObjectName(QStringLiteral("zoomValue"));
    QFont zoomFont = zoomValue_->font();
    zoomFont.setPointSize(12);
    zoomValue_->setFont(zoomFont);
    zoomValue_->setAlignment(Qt::AlignCenter);
    zoomValue_->setFixedWidth(
        std::max(44, QFontMetrics(zoomFont).horizontalAdvance(QStringLiteral("300%")) + 6));
    bar->addWidget(zoomValue_);
    bar->addAction(zoomIn);
    for (QAction* zoom : {zoomOut, zoomIn})
        if (QWidget* button = bar->widgetForAction(zoom))
            button->setFixedSize(30, 30);
    bar->addWidget(spacer(bar));

    QAction* preview = symbolAction(QStringLiteral("preview"), QStringLiteral("play.fill"),
                                    tr("Preview the content in full screen mode"), this);
    preview->setToolTip(tr("Preview the content in full screen mode (F5)"));
    connect(preview, &QAction::triggered, this, &EditorWindow::showPreview);
    QAction* exportBundle = symbolAction(QStringLiteral("export"), QStringLiteral("hammer"),
                                         tr("Export a bundle file for Vistrelle Player app"), this);
    connect(exportBundle, &QAction::triggered, this, &EditorWindow::exportBundle);
    QAction* settings = symbolAction(QStringLiteral("projectSettings"), QStringLiteral("gearshape"),
                                     tr("Project settings"), this);
    connect(settings, &QAction::triggered, this, &EditorWindow::showProjectSettings);
    bar->addAction(preview);
    bar->addAction(exportBundle);
    bar->addAction(settings);
    bar->addWidget(spacer(bar, 6));
    zoomValue_->setText(zoomPercentText(canvasZoom_));
}

QAction* EditorWindow::action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

QString EditorWindow::durationReadout() const {
    return durationValue_->text();
}

QString EditorWindow::zoomReadout() const {
    return zoomValue_->text();
}

// --- document

const KioskProject& EditorWindow::project() const {
    return session_.project();
}

VistrelleDocument EditorWindow::currentDocument() const {
    return session_.document();
}

void EditorWindow::replaceDocument(const VistrelleDocument& document) {
    session_.replaceDocument(document);
    refresh();
}

void EditorWindow::activateDocument() {
    ActiveSession::shared().setSession(&session_);
    PaletteWindows::shared().attachTo(*this);
}

void EditorWindow::setFilePath(const QString& path) {
    filePath_ = path;
    updateTitle();
}

QString EditorWindow::displayName() const {
    if (!filePath_.isEmpty())
        return QFileInfo(filePath_).completeBaseName();
    const QString name = project().metadata.name.trimmed();
    return name.isEmpty() ? tr("Untitled") : name;
}

bool EditorWindow::isModified() const {
    return changedOutsideUndo_ || !session_.undoStack().isClean();
}

void EditorWindow::setModified(bool modified) {
    changedOutsideUndo_ = modified;
    if (!modified)
        session_.undoStack().setClean();
    updateModifiedMarker();
}

void EditorWindow::updateModifiedMarker() {
    const bool modified = isModified();
    if (modified == shownModified_)
        return;
    shownModified_ = modified;
    setWindowModified(modified);
    emit modifiedChanged(modified);
}

void EditorWindow::showSaveProblem(const QString& message) {
    saveNotice_->showMessage(message);
}

void EditorWindow::clearSaveProblem() {
    saveNotice_->hide();
}

QString EditorWindow::saveProblem() const {
    return saveNotice_->message();
}

QString EditorWindow::settingsProblem() const {
    return settingsNotice_->isVisibleTo(this) ? settingsNotice_->message() : QString();
}

void EditorWindow::updateTitle() {
    setWindowTitle(displayName() + QStringLiteral("[*]"));
    setWindowModified(shownModified_);
}

void EditorWindow::refresh() {
    const KioskProject& p = project();
    std::optional<KioskScreen> screen;
    if (session_.selectedScreen())
        if (const KioskScreen* selected = session_.findScreen(session_.selectedScreen()->id))
            screen = *selected;
    const QSizeF unitsBefore = canvas_->canvasUnits();
    canvas_->setProjectSettings(p.settings);
    canvas_->setScreen(screen);
    if (canvas_->canvasUnits() != unitsBefore)
        fitAgain(); // another resolution: a fitted screen stays fitted
    canvas_->setSelectedComponentIds(session_.selectedComponentIds());
    durationValue_->setText(durationText(totalDurationSeconds(p)));
    if (scheduleView_ && scheduleView_->isVisible())
        scheduleView_->setProject(p);
    updateTitle();
}

void EditorWindow::observeNotifications() {
    // Told in the window the user works in (the others would show it where nobody looks), or in every
    // window while none is active (at launch, over the welcome window).
    NotificationCenter::defaultCenter().observe(
        Preferences::writeFailedNotification, this, [this](const QVariantMap& info) {
            DocumentSession* active = ActiveSession::shared().session();
            if (!active || active == &session_)
                settingsNotice_->showMessage(info.value(Preferences::messageKey).toString());
        });
}

// --- canvas

void EditorWindow::wireCanvas() {
    AdvancedCanvasView::Callbacks callbacks;
    callbacks.componentSelected = [this](const PlacedComponent& component) {
        activateDocument();
        session_.setSelectedComponent(component);
    };
    callbacks.componentMoved = [this](const PlacedComponent& component, Point point) {
        componentMoved(component, point);
    };
    callbacks.selectionChanged = [this](const QList<QUuid>& ids) {
        activateDocument();
        if (ids.isEmpty())
            session_.setSelectedComponent(std::nullopt);
        else
            session_.setComponentSelection(ids);
    };
    callbacks.componentsMoved = [this](const QList<PlacedComponent>& components, double dx, double dy) {
        // Every change of the gesture merges into its first step: the whole drag undoes at once.
        session_.replaceComponents(moved(components, dx, dy), tr("Move Components"),
                                   QStringLiteral("Move Components"), gestureInteraction());
    };
    callbacks.componentResized = [this](const PlacedComponent& component, Size size) {
        componentResized(component, size);
    };
    callbacks.componentDropped = [this](ComponentType type, Point point, const std::optional<QUrl>& file) {
        activateDocument();
        const auto& screens = project().screens;
        const auto screen = std::find_if(screens.cbegin(), screens.cend(), [&](const KioskScreen& s) {
            return session_.selectedScreen() && s.id == session_.selectedScreen()->id;
        });
        if (screen == screens.cend()) {
            session_.addComponent(type, point, file); // it reports the missing screen
            return;
        }
        PlacedComponent made = componentMadeForScreen(
            type, point, *screen, ShowCheckRunner::shared().media(),
            file ? std::optional<QString>(DocumentSession::storedMediaPath(*file)) : std::nullopt);
        const ProjectSettings& settings = project().settings;
        if (settings.snapToGrid) {
            // On the grid, as far as the screen's edges allow.
            const double grid = double(settings.gridSize);
            const double right = double(screen->resolution.width) - made.size.width;
            const double bottom = double(screen->resolution.height) - made.size.height;
            made.position = snappedToGrid(made.position, grid);
            made.position.x = std::clamp(made.position.x, 0.0, std::max(0.0, right));
            made.position.y = std::clamp(made.position.y, 0.0, std::max(0.0, bottom));
        }
        session_.addMadeComponent(made);
    };
    callbacks.gestureEnded = [this] {
        // The component a resize ended on stays the selected one, as it is now.
        if (canvas_->selectedComponentId())
            if (const PlacedComponent* selected = componentOfSelectedScreen(*canvas_->selectedComponentId()))
                session_.setSelectedComponent(*selected);
        endGesture();
    };
    callbacks.textChanged = [this](const PlacedComponent& component, const QString& text) {
        // One undo step for the whole in-place edit, like a gesture.
        applyGestureChange(component, tr("Edit Text"),
                           QStringLiteral("Invalid screen/component index for text"),
                           [&text](PlacedComponent& edited) { edited.properties[PropertyKey::text] = text; });
    };
    callbacks.editingFinished = [this](const PlacedComponent&) {
        canvas_->setEditingComponentId(std::nullopt);
        endGesture();
    };
    callbacks.contextMenuRequested = [this](QPoint globalPosition) { showCanvasMenu(globalPosition); };
    callbacks.liveComponent = [this](const QUuid& id) { return componentOfSelectedScreen(id); };
    callbacks.textAreaDoubleClicked = [this](const PlacedComponent& component) {
        activateDocument();
        if (session_.selectedScreen())
            editTextArea(this, session_, session_.selectedScreen()->id, component);
    };
    canvas_->setCallbacks(std::move(callbacks));
}

quint64 EditorWindow::gestureInteraction() {
    if (!gestureInteraction_) {
        EditInteraction::begin();
        gestureInteraction_ = EditInteraction::current();
    }
    return *gestureInteraction_;
}

void EditorWindow::endGesture() {
    gestureInteraction_.reset();
    EditInteraction::begin(); // what follows is a step of its own
}

const PlacedComponent* EditorWindow::componentOfSelectedScreen(const QUuid& componentId) const {
    return session_.selectedScreen() ? session_.findComponent(session_.selectedScreen()->id, componentId)
                                     : nullptr;
}

void EditorWindow::applyGestureChange(const PlacedComponent& component, const QString& actionName,
                                      const QString& missingLog,
                                      const std::function<void(PlacedComponent&)>& change) {
    const PlacedComponent* current = componentOfSelectedScreen(component.id);
    if (!current) {
        AppLogger::logError(missingLog);
        return;
    }
    PlacedComponent changed = *current;
    change(changed);
    // Every change of the gesture is a step that merges into the gesture's first one, so the whole
    // gesture undoes at once and redo restores where it ended.
    session_.updateComponentOnScreen(session_.selectedScreen()->id, changed, actionName, gestureInteraction(),
                                     actionName);
    session_.setSelectedComponent(changed);
}

void EditorWindow::componentMoved(const PlacedComponent& component, Point point) {
    applyGestureChange(component, tr("Move Component"),
                       QStringLiteral("Invalid screen/component index for move"),
                       [point](PlacedComponent& moved) { moved.position = point; });
}

void EditorWindow::componentResized(const PlacedComponent& component, Size size) {
    applyGestureChange(component, tr("Resize Component"),
                       QStringLiteral("Invalid screen/component index for resize"),
                       [size](PlacedComponent& resized) { resized.size = size; });
}

void EditorWindow::showCanvasMenu(QPoint globalPosition) {
    activateDocument();
    QMenu menu(this);
    const bool selected = session_.selectedComponent().has_value();
    if (selected) {
        menu.addAction(tr("Copy Component"), this, [this] { session_.copySelectedComponent(); });
        menu.addAction(tr("Duplicate Component"), this, [this] { session_.duplicateSelectedComponent(); });
        menu.addAction(symbolIcon(QStringLiteral("trash")), tr("Delete Component"), this,
                       &EditorWindow::deleteSelectedComponent);
        menu.addSeparator();
        for (const ZOrderOperation operation : {ZOrderOperation::bringToFront, ZOrderOperation::bringForward,
                                                ZOrderOperation::sendBackward, ZOrderOperation::sendToBack}) {
            QAction* arrange = menu.addAction(zOrderActionName(operation), this,
                                              [this, operation] { session_.changeZOrder(operation); });
            arrange->setEnabled(session_.canChangeZOrder(operation));
        }
        menu.addSeparator();
    }
    menu.addAction(tr("Paste Component"), this, [this] { session_.pasteComponent(); });
    menu.exec(globalPosition);
}

void EditorWindow::deleteSelectedComponent() {
    session_.deleteSelectedComponent();
    session_.setSelectedComponent(std::nullopt);
}

// --- zoom

void EditorWindow::setCanvasZoom(double zoom) {
    canvasZoom_ = zoom;
    canvas_->setZoom(canvasZoom_);
    zoomValue_->setText(zoomPercentText(canvasZoom_));
}

void EditorWindow::zoomIn() {
    fit_ = Fit::none;
    setCanvasZoom(zoomedIn(canvasZoom_));
}

void EditorWindow::zoomOut() {
    fit_ = Fit::none;
    setCanvasZoom(zoomedOut(canvasZoom_));
}

void EditorWindow::zoomToActualSize() {
    fit_ = Fit::none;
    setCanvasZoom(1.0);
}

void EditorWindow::zoomToFit() {
    fit_ = Fit::whole;
    fitAgain();
}

void EditorWindow::zoomToFitUpToActualSize() {
    fit_ = Fit::upToActualSize;
    fitAgain();
}

void EditorWindow::fitAgain() {
    if (fit_ == Fit::none)
        return;
    const QSizeF room = QSizeF(scrollArea_->viewport()->size()) -
                        QSizeF(2 * AdvancedCanvasView::margin, 2 * AdvancedCanvasView::margin);
    const double fitting = fittingZoom(canvas_->canvasUnits(), room);
    setCanvasZoom(fit_ == Fit::upToActualSize ? std::min(fitting, 1.0) : fitting);
}

bool EditorWindow::eventFilter(QObject* watched, QEvent* event) {
    // Until the user zooms, a fitted screen stays fitted: palettes docked, floated or resized, the window
    // placed by the window manager, another resolution chosen.
    if (watched == scrollArea_->viewport() && event->type() == QEvent::Resize && fit_ != Fit::none)
        QTimer::singleShot(0, this, &EditorWindow::fitAgain);
    // Ctrl and the wheel zoom in steps, as in other editors; the wheel alone scrolls.
    if (watched == scrollArea_->viewport() && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            wheelZoomRemainder_ += wheel->angleDelta().y();
            while (wheelZoomRemainder_ >= 120) {
                zoomIn();
                wheelZoomRemainder_ -= 120;
            }
            while (wheelZoomRemainder_ <= -120) {
                zoomOut();
                wheelZoomRemainder_ += 120;
            }
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- sheets

void EditorWindow::showProjectSetup() {
    hasShownProjectSetup_ = true;
    // A sheet on this window: the rest of the application stays usable while it is open.
    auto* sheet = new ProjectSetupSheet(this);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    connect(sheet, &QDialog::finished, this, [this, sheet](int result) {
        if (result != QDialog::Accepted) {
            // "Cancel Setup": the new document goes without being saved.
            QTimer::singleShot(0, this, &EditorWindow::closeWithoutAsking);
            return;
        }
        useSetUpProject(sheet->createdProject());
    });
    sheet->open();
}

void EditorWindow::useSetUpProject(const KioskProject& project) {
    VistrelleDocument document = currentDocument();
    document.project = project;
    session_.replaceDocument(document);
    if (!document.project.screens.isEmpty())
        session_.setSelectedScreen(document.project.screens.first());
    setModified(true);
    emit documentChanged();
    refresh();
}

void EditorWindow::showProjectSettings(bool atPassword) {
    activateDocument();
    const KioskProject before = project();
    auto* sheet = new ProjectSettingsSheet(before, this);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    if (atPassword)
        sheet->focusPasswordField();
    // The sheet is modal to this window only: every change goes to this window's document, even when
    // another window was active meanwhile.
    connect(sheet, &ProjectSettingsSheet::projectNameEdited, this, [this](const QString& name) {
        ProjectMetadata metadata = project().metadata;
        metadata.name = name;
        session_.setProjectInfo(metadata, project().settings);
    });
    connect(sheet, &QDialog::finished, this, [this, sheet, before](int result) {
        if (result == QDialog::Accepted) {
            ProjectMetadata metadata = sheet->metadata();
            metadata.name = project().metadata.name; // applied live while typing
            session_.setProjectInfo(metadata, sheet->settings());
        }
        // Everything the sheet changed, the name included, is one undo step.
        session_.registerProjectInfoStep(before.metadata, before.settings);
    });
    sheet->open();
}

void EditorWindow::showPreferences() {
    auto* sheet = new PreferencesSheet(this);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->open();
}

void EditorWindow::showPreview() {
    previewManager_->showPreview(project());
}

ScheduleWeekView* EditorWindow::scheduleView() const {
    return scheduleView_;
}

void EditorWindow::showSchedule() {
    if (!scheduleView_) {
        scheduleView_ = new ScheduleWeekView(this);
        scheduleView_->setAttribute(Qt::WA_DeleteOnClose);
        // Wide enough for two names an hour, within the display.
        const QSize available = screen() ? screen()->availableGeometry().size() : QSize(1280, 800);
        scheduleView_->resize(QSize(1120, 700).boundedTo(available - QSize(40, 60)));
        connect(scheduleView_, &ScheduleWeekView::previewRequested, this,
                [this](const QDateTime& moment) { previewManager_->showPreview(project(), moment); });
    }
    scheduleView_->setWindowTitle(tr("Schedule — %1").arg(project().metadata.name));
    scheduleView_->setProject(project());
    scheduleView_->show();
    scheduleView_->raise();
    scheduleView_->activateWindow();
}

void EditorWindow::exportBundle() {
    if (deploySheet_) {
        deploySheet_->raise();
        return;
    }
    auto* sheet = new KioskDeployView(currentDocument().project, this);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->setProjectKey(filePath_.isEmpty() ? displayName() : filePath_);
    deploySheet_ = sheet;
    connect(sheet, &KioskDeployView::passwordRequested, this, [this] { showProjectSettings(true); });
    connect(sheet, &KioskDeployView::quitRequested, this, &EditorWindow::quitRequested);
    // The show check's counts above "Generate Content...", for the mode chosen in the sheet.
    ShowCheckRunner& check = ShowCheckRunner::shared();
    check.setHighPerformance(sheet->exportOptimized());
    const auto summarize = [sheet, &check] {
        const CheckCounts counts = check.counts();
        sheet->setCheckSummary(check.isCurrent() ? showCheckCountsText(counts) : tr("checking…"),
                               counts.errors, counts.warnings);
    };
    summarize();
    connect(&check, &ShowCheckRunner::findingsChanged, sheet, summarize);
    connect(&check, &ShowCheckRunner::checkingChanged, sheet, summarize);
    connect(sheet, &KioskDeployView::highPerformanceToggled, &check, &ShowCheckRunner::setHighPerformance);
    connect(sheet, &KioskDeployView::showCheckRequested, this,
            [] { PaletteWindows::shared().show(PaletteWindows::showCheckIdentifier); });
    sheet->open();
}

// --- window life

void EditorWindow::firstShow() {
    const VistrelleDocument document = currentDocument();
    if (document.versionCompatibility.kind == VersionCompatibility::Kind::newerAppVersion) {
        QMessageBox box(
            QMessageBox::Warning, tr("Version Compatibility"),
            tr("This project was created with a newer version of Vistrelle. Some features may not "
               "work correctly."),
            QMessageBox::NoButton, this);
        QPushButton* proceed = box.addButton(tr("Continue"), QMessageBox::AcceptRole);
        box.addButton(tr("Cancel"), QMessageBox::RejectRole);
        box.setDefaultButton(proceed);
        box.exec(); // either way the document stays open
    }
    if (!document.isLoadedFromDisk && !hasShownProjectSetup_)
        showProjectSetup();
}

void EditorWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activateDocument();
    QMainWindow::changeEvent(event);
}

void EditorWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    deleteKeys_->install();
    if (!hasShownOnce_) {
        hasShownOnce_ = true;
        activateDocument();
        QTimer::singleShot(0, this, &EditorWindow::firstShow);
    }
}

void EditorWindow::hideEvent(QHideEvent* event) {
    deleteKeys_->remove();
    QMainWindow::hideEvent(event);
}

void EditorWindow::closeWithoutAsking() {
    closingWithoutAsking_ = true;
    close();
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    // A deployment running in the sheet is stopped first, if the user agrees, and the window closes after.
    if (deploySheet_ && deploySheet_->manager().isDeploying()) {
        event->ignore();
        if (!closingWithoutAsking_) {
            if (askingBeforeClosing_)
                return; // the question is on the sheet already
            askingBeforeClosing_ = true;
            deploySheet_->askToStop(
                [this] {
                    askingBeforeClosing_ = false;
                    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
                },
                [this] {
                    askingBeforeClosing_ = false;
                    emit closeDeclined();
                });
            return;
        }
        deploySheet_->manager().cancel();
        return;
    }
    if (!closingWithoutAsking_ && closeGuard_ && !closeGuard_(*this)) {
        event->ignore();
        return;
    }
    deleteKeys_->remove();
    // The palettes let go of this window's document now, not only once the window is deleted.
    if (ActiveSession::shared().session() == &session_)
        ActiveSession::shared().setSession(nullptr);
    PaletteWindows::shared().detachFrom(*this);
    event->accept();
}

} // namespace vistrelle
