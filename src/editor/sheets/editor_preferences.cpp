#include "editor/sheets/editor_preferences.h"

#include "platform/preferences.h"

#include <QCoreApplication>

#include <cmath>

namespace vistrelle {

namespace {

QString storedChoice(const QString& key, const QStringList& choices, const QString& fallback) {
    const QString stored = Preferences::value(key).toString();
    return choices.contains(stored) ? stored : fallback;
}

} // namespace

QString EditorPreferences::untitledProjectName() {
    return QCoreApplication::translate("EditorPreferences", "Untitled Vistrelle Project");
}

EditorPreferences EditorPreferences::load() {
    EditorPreferences result;
    const QVariant name = Preferences::value(defaultProjectNameKey);
    if (name.isValid())
        result.defaultProjectName = name.toString();
    result.defaultResolution =
        storedChoice(defaultResolutionKey, resolutionChoices(), result.defaultResolution);
    bool isNumber = false;
    const double interval = Preferences::value(autoSaveIntervalKey).toDouble(&isNumber);
    if (isNumber && std::isfinite(interval) && interval > 0)
        result.autoSaveInterval = interval;
    const QVariant welcome = Preferences::value(showWelcomeScreenKey);
    if (welcome.isValid())
        result.showWelcomeScreen = welcome.toBool();
    result.theme = storedChoice(themeKey, themeChoices(), result.theme);
    result.componentLibraryLocation = storedChoice(
        componentLibraryLocationKey, componentLibraryLocationChoices(), result.componentLibraryLocation);
    return result;
}

void EditorPreferences::save() const {
    const std::optional<QString> failure =
        Preferences::setValues({{defaultProjectNameKey, defaultProjectName},
                                {defaultResolutionKey, defaultResolution},
                                {autoSaveIntervalKey, autoSaveInterval},
                                {showWelcomeScreenKey, showWelcomeScreen},
                                {themeKey, theme},
                                {componentLibraryLocationKey, componentLibraryLocation}});
    if (failure)
        Preferences::reportWriteFailure(
            QCoreApplication::translate("EditorPreferences", "Could not save the preferences: %1"), *failure);
}

ScreenResolution EditorPreferences::resolutionPreset(const QString& choice) {
    const QList<ScreenResolution> presets = ScreenResolution::presets(ScreenMode::horizontal);
    const qsizetype index = resolutionChoices().indexOf(choice);
    return presets.at(index < 0 ? presets.size() - 1 : index);
}

} // namespace vistrelle
