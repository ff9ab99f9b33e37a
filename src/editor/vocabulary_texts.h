#pragma once

#include <QtGlobal>

namespace vistrelle {

// The names of component types and transition effects are shown through the catalogue contexts
// "ComponentType" and "TransitionEffect", looked up by their stored names at run time. These lists put
// them in front of the translation tools; a test keeps them in step with the stored names.
inline constexpr const char* componentTypeTexts[] = {
    QT_TRANSLATE_NOOP("ComponentType", "Image"),    QT_TRANSLATE_NOOP("ComponentType", "Title"),
    QT_TRANSLATE_NOOP("ComponentType", "Label"),    QT_TRANSLATE_NOOP("ComponentType", "Text Area"),
    QT_TRANSLATE_NOOP("ComponentType", "Web View"), QT_TRANSLATE_NOOP("ComponentType", "Video"),
    QT_TRANSLATE_NOOP("ComponentType", "Shape"),    QT_TRANSLATE_NOOP("ComponentType", "Icon"),
    QT_TRANSLATE_NOOP("ComponentType", "Clock"),    QT_TRANSLATE_NOOP("ComponentType", "Countdown"),
    QT_TRANSLATE_NOOP("ComponentType", "Ticker"),
};

inline constexpr const char* transitionEffectTexts[] = {
    QT_TRANSLATE_NOOP("TransitionEffect", "None"),
    QT_TRANSLATE_NOOP("TransitionEffect", "Move Right"),
    QT_TRANSLATE_NOOP("TransitionEffect", "Move Left"),
    QT_TRANSLATE_NOOP("TransitionEffect", "Move Up"),
    QT_TRANSLATE_NOOP("TransitionEffect", "Move Down"),
    QT_TRANSLATE_NOOP("TransitionEffect", "Fade"),
    QT_TRANSLATE_NOOP("TransitionEffect", "Zoom In"),
    QT_TRANSLATE_NOOP("TransitionEffect", "Zoom Out"),
    QT_TRANSLATE_NOOP("TransitionEffect", "Cross Fade"),
    QT_TRANSLATE_NOOP("TransitionEffect", "Wipe Right"),
    QT_TRANSLATE_NOOP("TransitionEffect", "Wipe Up"),
    QT_TRANSLATE_NOOP("TransitionEffect", "Pixel Dissolve"),
    QT_TRANSLATE_NOOP("TransitionEffect", "Star Reveal"),
    QT_TRANSLATE_NOOP("TransitionEffect", "Page Turn"),
};

} // namespace vistrelle
