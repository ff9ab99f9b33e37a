// Adding, duplicating, deleting, renaming and reordering screens. The first
// screen is the start screen: it cannot be deleted, moved or displaced.
#include "editing/document_edit_commands.h"
#include "editing/document_session.h"
#include "editing/screen_naming.h"
#include "platform/app_logger.h"

namespace vistrelle {

void DocumentSession::addScreen() {
    const KioskProject* p = constProject();
    KioskScreen screen(addedScreenName(p->screens.size()));
    screen.resolution = p->settings.defaultResolution;
    screen.background = p->settings.inheritFirstScreenBackground && !p->screens.isEmpty()
                            ? p->screens.first().background
                            : p->settings.defaultBackground;

    QList<KioskScreen> after = p->screens;
    after.append(screen);
    registerUndo(std::make_unique<ScreensEditCommand>(*this, tr("Add Screen"), p->screens, selectionIds(),
                                                      after, SelectionIds{screen.id, std::nullopt}));
}

void DocumentSession::duplicateScreen(const QUuid& screenId) {
    const qsizetype index = screenIndex(screenId);
    if (index < 0)
        return;
    const KioskProject* p = constProject();
    // A whole copy: components keep their ids, which stay unique per screen.
    KioskScreen copy = p->screens[index];
    copy.id = QUuid::createUuid();
    copy.name = duplicateScreenName(copy.name, p->screens);

    QList<KioskScreen> after = p->screens;
    after.insert(index + 1, copy);
    registerUndo(std::make_unique<ScreensEditCommand>(*this, tr("Duplicate Screen"), p->screens,
                                                      selectionIds(), after,
                                                      SelectionIds{copy.id, std::nullopt}));
}

void DocumentSession::deleteScreen(const QUuid& screenId) {
    const qsizetype index = screenIndex(screenId);
    if (index < 0)
        return;
    if (index == 0) {
        alertActionNotAllowed(
            tr("The first screen is the start screen and cannot be deleted. Reorder another "
               "screen into position 1 first or rename this screen instead."));
        return;
    }
    const KioskProject* p = constProject();
    QList<KioskScreen> after = p->screens;
    after.removeAt(index);
    // Keeping a selection elsewhere; losing it (or having none) selects the start screen.
    const bool keepSelection = selectedScreen_ && selectedScreen_->id != screenId;
    const SelectionIds selectionAfter =
        keepSelection
            ? selectionIds()
            : SelectionIds{after.isEmpty() ? std::nullopt : std::optional(after.first().id), std::nullopt};
    registerUndo(std::make_unique<ScreensEditCommand>(*this, tr("Delete Screen"), p->screens, selectionIds(),
                                                      after, selectionAfter));
}

void DocumentSession::renameScreen(const QUuid& screenId, const QString& name) {
    const qsizetype index = screenIndex(screenId);
    if (index < 0)
        return;
    const KioskScreen& before = constProject()->screens[index];
    KioskScreen after = before;
    after.name = name;
    registerUndo(std::make_unique<ScreenEditCommand>(*this, tr("Rename Screen"), before, selectionIds(),
                                                     after, selectionIds()));
}

void DocumentSession::updateScreenDetails(const QUuid& screenId, const QString& name, qint64 duration) {
    const qsizetype index = screenIndex(screenId);
    if (index < 0)
        return;
    const KioskScreen& before = constProject()->screens[index];
    if (before.name == name && before.duration == duration)
        return;
    KioskScreen after = before;
    after.name = name;
    after.duration = duration;
    registerUndo(std::make_unique<ScreenEditCommand>(*this, tr("Edit Screen"), before, selectionIds(), after,
                                                     selectionIds()));
}

void DocumentSession::updateScreen(const KioskScreen& screen, const QString& actionName,
                                   const QString& mergeKey, std::optional<quint64> interaction) {
    const KioskScreen* before = findScreen(screen.id);
    if (!before || *before == screen)
        return;
    registerUndo(std::make_unique<ScreenEditCommand>(
        *this, actionName, *before, selectionIds(), screen, selectionIds(),
        DocumentEditCommand::Applied::notYet, mergeKey, interaction.value_or(EditInteraction::current())));
}

void DocumentSession::updateAllScreens(const QList<KioskScreen>& screens, const QString& actionName,
                                       const std::optional<SelectionIds>& selection, const QString& mergeKey,
                                       std::optional<quint64> interaction) {
    const KioskProject* p = constProject();
    if (p->screens == screens)
        return;
    registerUndo(std::make_unique<ScreensEditCommand>(
        *this, actionName, p->screens, selectionIds(), screens, selection.value_or(selectionIds()),
        DocumentEditCommand::Applied::notYet, mergeKey, interaction.value_or(EditInteraction::current())));
}

void DocumentSession::moveScreen(qint64 source, qint64 destination) {
    const KioskProject* p = constProject();
    const qint64 count = p->screens.size();
    if (source < 0 || source >= count || destination < 0 || destination >= count) {
        AppLogger::logError(QStringLiteral("Invalid screen indices: source=%1, destination=%2 for %3 screens")
                                .arg(source)
                                .arg(destination)
                                .arg(count));
        return;
    }
    if (source == 0) {
        alertActionNotAllowed(
            tr("The first screen is the start screen and must stay at position 1. To reorder, "
               "move another screen instead."));
        return;
    }
    if (destination == 0) {
        alertActionNotAllowed(tr(
            "Position 1 is reserved for the start screen. Drop the screen at position 2 or later instead."));
        return;
    }
    QList<KioskScreen> after = p->screens;
    after.move(source, destination);
    registerUndo(std::make_unique<ScreensEditCommand>(*this, tr("Reorder Screens"), p->screens,
                                                      selectionIds(), after, selectionIds()));
}

} // namespace vistrelle
