#pragma once

#include "model/project_model.h"

#include <QString>

#include <variant>

namespace vistrelle {

// The choices of the new-project sheet, from which the project is built.
struct ProjectSetupChoices {
    static constexpr int minimumScreens = 1;
    static constexpr int maximumScreens = 50;

    QString name;
    QString description;
    QString deployPassword;
    int numberOfScreens = 1;
    ScreenResolution resolution;
    bool autoSave = true;
    bool showGrid = true;
    bool snapToGrid = true;
    qint64 gridSize = 20;
    BackgroundStyle defaultBackground;
};

// The largest width or height a custom resolution may have.
inline constexpr qint64 kMaximumCustomResolutionSide = 16384;

// The custom resolution typed into the two fields, or the message that says
// what is wrong with them. The texts are decimal integers (surrounding white
// space ignored); at least 1024 × 768, at most 16384 on either side.
std::variant<ScreenResolution, QString> customResolutionFromText(const QString& widthText,
                                                                 const QString& heightText, ScreenMode mode);

// A new project from the setup sheet's choices: the screens "Start",
// "Screen 2", … (1 to 50 of them) at the chosen resolution and background.
KioskProject projectFromSetup(const ProjectSetupChoices& choices);

// The screen after its edit dialog is saved: a blank name becomes
// "Untitled Screen"; the duration is the typed whole number of seconds, or
// the current one when the text is not a number, and never less than 3.
KioskScreen editedScreen(const KioskScreen& screen, const QString& newName, const QString& durationText);

// The project name a name field stands for: trimmed of white space and line
// breaks, "Untitled Project" when nothing remains.
QString trimmedProjectName(const QString& text);

// "Full HD 1080p (1920×1080)": how pickers list a resolution.
QString resolutionLabel(const ScreenResolution& resolution);

} // namespace vistrelle
