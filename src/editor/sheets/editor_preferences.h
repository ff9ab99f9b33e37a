#pragma once

#include "model/project_model.h"

#include <QString>
#include <QStringList>

namespace vistrelle {

// The editor's per-user settings, kept in the preference store.
struct EditorPreferences {
    static inline const QString defaultProjectNameKey = QStringLiteral("defaultProjectName");
    static inline const QString defaultResolutionKey = QStringLiteral("defaultResolution");
    static inline const QString autoSaveIntervalKey = QStringLiteral("autoSaveInterval");
    static inline const QString showWelcomeScreenKey = QStringLiteral("showWelcomeScreen");
    static inline const QString themeKey = QStringLiteral("theme");
    static inline const QString componentLibraryLocationKey = QStringLiteral("componentLibraryLocation");

    // The stored values of the choices, in the order the sheet offers them.
    static QStringList resolutionChoices() { return {"xga", "hd720", "hd1080"}; }
    static QStringList themeChoices() { return {"system", "light", "dark"}; }
    static QStringList componentLibraryLocationChoices() { return {"sidebar", "window"}; }

    QString defaultProjectName = untitledProjectName();
    QString defaultResolution = QStringLiteral("hd1080");
    double autoSaveInterval = 300; // seconds
    bool showWelcomeScreen = true;
    QString theme = QStringLiteral("system");
    QString componentLibraryLocation = QStringLiteral("sidebar");

    bool operator==(const EditorPreferences&) const = default;

    // The stored preferences; a missing or unreadable value is its default.
    static EditorPreferences load();
    void save() const;

    // The horizontal preset a "defaultResolution" value names; Full HD for an unknown value.
    static ScreenResolution resolutionPreset(const QString& choice);

    static QString untitledProjectName();
};

} // namespace vistrelle
