#include "editor/palette_windows.h"

#include "editor/active_session.h"
#include "editor/component_library_palette.h"
#include "editor/inspector/inspector_palette.h"
#include "editor/screens_palette.h"
#include "editor/show_check_palette.h"
#include "editor/show_check_runner.h"
#include "platform/preferences.h"

#include <QApplication>
#include <QDockWidget>
#include <QMainWindow>
#include <QScreen>

namespace vistrelle {

namespace {

// The version of the arrangement saveState writes: a newer layout of docks would not read an older one.
constexpr int layoutVersion = 1;
// Below this much display height the two palettes of a side share it as tabs.
constexpr int heightForStackedPalettes = 1000;
constexpr int leftWidth = 250;
constexpr int rightWidth = 360; // the widest property rows need more than 320

// A palette shows and edits the session of the window the user works in, and follows it.
template <typename Palette> void follow(Palette* palette) {
    palette->setSession(ActiveSession::shared().session());
    QObject::connect(&ActiveSession::shared(), &ActiveSession::sessionChanged, palette, &Palette::setSession);
}

Qt::DockWidgetArea defaultArea(const QString& identifier) {
    return identifier == PaletteWindows::inspectorIdentifier ||
                   identifier == PaletteWindows::showCheckIdentifier
               ? Qt::RightDockWidgetArea
               : Qt::LeftDockWidgetArea;
}

} // namespace

PaletteWindows& PaletteWindows::shared() {
    static PaletteWindows windows;
    return windows;
}

PaletteWindows::PaletteWindows() {
    saveLater_.setSingleShot(true);
    saveLater_.setInterval(300);
    connect(&saveLater_, &QTimer::timeout, this, &PaletteWindows::saveLayout);
}

qsizetype PaletteWindows::place(const QString& identifier) const {
    const auto it = std::find(identifiers_.cbegin(), identifiers_.cend(), identifier);
    return it == identifiers_.cend() ? -1 : it - identifiers_.cbegin();
}

QDockWidget* PaletteWindows::dock(const QString& identifier) const {
    const qsizetype index = place(identifier);
    return index < 0 ? nullptr : docks_[std::size_t(index)].data();
}

QWidget* PaletteWindows::window(const QString& identifier) const {
    QDockWidget* holder = dock(identifier);
    return holder ? holder->widget() : nullptr;
}

bool PaletteWindows::floatingPalettes() const {
    return Preferences::value(floatingKey, false).toBool();
}

QDockWidget* PaletteWindows::createDock(const QString& identifier, QMainWindow* host) {
    QWidget* palette = nullptr;
    QString title;
    if (identifier == screensIdentifier) {
        auto* screens = new ScreensPalette;
        follow(screens);
        palette = screens;
        title = QApplication::translate("PaletteWindows", "Screens");
    } else if (identifier == componentLibraryIdentifier) {
        palette = new ComponentLibraryPalette;
        title = QApplication::translate("PaletteWindows", "Components");
    } else if (identifier == inspectorIdentifier) {
        auto* inspector = new InspectorPalette;
        follow(inspector);
        palette = inspector;
        title = QApplication::translate("PaletteWindows", "Inspector");
    } else if (identifier == showCheckIdentifier) {
        palette = new ShowCheckPalette(ShowCheckRunner::shared());
        title = QApplication::translate("PaletteWindows", "Show Check");
    } else {
        return nullptr;
    }
    palette->setObjectName(identifier);
    palette->setWindowTitle(title);
    auto* holder = new QDockWidget(title, host);
    holder->setObjectName(identifier);
    holder->setWidget(palette);
    holder->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                        QDockWidget::DockWidgetFloatable);
    holder->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    // Docked, the dock's title (or tab) names the palette: its own heading would say it twice.
    const auto showHeadings = [holder] {
        for (QWidget* heading : holder->widget()->findChildren<QWidget*>(QStringLiteral("paletteHeading")))
            heading->setVisible(holder->isFloating());
    };
    connect(holder, &QDockWidget::topLevelChanged, holder, showHeadings);
    showHeadings();
    connect(holder, &QDockWidget::topLevelChanged, this, &PaletteWindows::scheduleSave);
    connect(holder, &QDockWidget::dockLocationChanged, this, &PaletteWindows::scheduleSave);
    connect(holder, &QDockWidget::visibilityChanged, this, &PaletteWindows::scheduleSave);
    if (setUp_)
        setUp_(*holder, *palette, identifier);
    return holder;
}

void PaletteWindows::createAll(QMainWindow* host) {
    for (std::size_t i = 0; i < identifiers_.size(); ++i)
        if (!docks_[i])
            docks_[i] = createDock(identifiers_[i], host);
}

void PaletteWindows::arrangeByDefault(QMainWindow& host) {
    QDockWidget* screens = dock(screensIdentifier);
    QDockWidget* library = dock(componentLibraryIdentifier);
    QDockWidget* inspector = dock(inspectorIdentifier);
    QDockWidget* showCheck = dock(showCheckIdentifier);
    host.addDockWidget(Qt::LeftDockWidgetArea, screens);
    host.addDockWidget(Qt::RightDockWidgetArea, inspector);
    const QScreen* display = host.screen() ? host.screen() : QGuiApplication::primaryScreen();
    const int height = display ? display->availableGeometry().height() : 768;
    if (height >= heightForStackedPalettes)
        host.splitDockWidget(screens, library, Qt::Vertical);
    else
        host.tabifyDockWidget(screens, library);
    host.tabifyDockWidget(inspector, showCheck);
    for (QDockWidget* holder : {screens, library, inspector, showCheck})
        holder->show();
    screens->raise();
    inspector->raise();
    host.resizeDocks({screens, inspector}, {leftWidth, rightWidth}, Qt::Horizontal);
}

void PaletteWindows::attachTo(QMainWindow& host) {
    if (host_ == &host)
        return;
    const bool fresh = std::none_of(docks_.cbegin(), docks_.cend(), [](const auto& d) { return bool(d); });
    const QByteArray state =
        host_ ? host_->saveState(layoutVersion) : Preferences::value(layoutKey).toByteArray();
    moving_ = true;
    // Drawn once, in the new arrangement, rather than dock by dock.
    host.setUpdatesEnabled(false);
    createAll(&host);
    for (std::size_t i = 0; i < docks_.size(); ++i)
        if (docks_[i]->parentWidget() != &host)
            host.addDockWidget(defaultArea(identifiers_[i]), docks_[i]);
    host_ = &host;
    if (state.isEmpty() || !host.restoreState(state, layoutVersion)) {
        arrangeByDefault(host);
        if (fresh && floatingPalettes())
            floatAll(true);
    }
    host.setUpdatesEnabled(true);
    moving_ = false;
}

void PaletteWindows::detachFrom(QMainWindow& host) {
    if (host_ != &host)
        return;
    saveLayout();
    moving_ = true;
    for (const QPointer<QDockWidget>& holder : docks_)
        if (holder) {
            host.removeDockWidget(holder);
            holder->setParent(nullptr);
        }
    moving_ = false;
    host_ = nullptr;
}

void PaletteWindows::show(const QString& identifier) {
    const qsizetype index = place(identifier);
    if (index < 0)
        return;
    if (!docks_[std::size_t(index)]) {
        createAll(host_);
        if (host_) {
            for (std::size_t i = 0; i < docks_.size(); ++i)
                if (docks_[i]->parentWidget() != host_)
                    host_->addDockWidget(defaultArea(identifiers_[i]), docks_[i]);
        } else {
            for (const QPointer<QDockWidget>& holder : docks_)
                holder->setFloating(true);
        }
    }
    QDockWidget* holder = docks_[std::size_t(index)];
    holder->show();
    holder->raise(); // its tab comes forward
    if (holder->isFloating())
        holder->activateWindow();
    holder->widget()->setFocus(Qt::ShortcutFocusReason);
}

void PaletteWindows::closeAll() {
    saveLayout();
    saveLater_.stop();
    for (QPointer<QDockWidget>& holder : docks_)
        if (holder) {
            holder->hide();
            holder->deleteLater();
            holder = nullptr;
        }
    host_ = nullptr;
}

void PaletteWindows::setFloatingPalettes(bool floating) {
    if (floating == floatingPalettes())
        return;
    if (const std::optional<QString> failure = Preferences::setValue(floatingKey, floating))
        Preferences::reportWriteFailure(tr("Could not save the palettes’ arrangement: %1"), *failure);
    floatAll(floating);
    emit floatingPalettesChanged(floating);
}

void PaletteWindows::floatAll(bool floating) {
    for (std::size_t i = 0; i < docks_.size(); ++i) {
        QDockWidget* holder = docks_[i];
        if (!holder || holder->isFloating() == floating)
            continue;
        holder->setFloating(floating);
        if (floating && floatingPlacement_)
            floatingPlacement_(*holder, identifiers_[i]);
    }
    scheduleSave();
}

void PaletteWindows::scheduleSave() {
    if (!moving_)
        saveLater_.start();
}

void PaletteWindows::saveLayout() {
    if (!host_ || moving_)
        return;
    saveLater_.stop();
    if (const std::optional<QString> failure =
            Preferences::setValue(layoutKey, host_->saveState(layoutVersion)))
        Preferences::reportWriteFailure(tr("Could not save the palettes’ arrangement: %1"), *failure);
}

} // namespace vistrelle
