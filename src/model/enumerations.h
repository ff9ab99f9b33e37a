#pragma once

#include "model/stored_enum.h"

namespace vistrelle {

enum class ComponentType {
    image,
    title,
    label,
    textArea,
    webView,
    video,
    shape,
    icon,
    clock,
    countdown,
    ticker
};

enum class TransitionEffect {
    none,
    moveRight,
    moveLeft,
    moveUp,
    moveDown,
    fade,
    zoomIn,
    zoomOut,
    crossFade,
    wipeRight,
    wipeUp,
    pixelDissolve,
    starReveal,
    pageTurn,
};

enum class ScreenMode { horizontal, vertical };
enum class BackgroundType { color, image, gradient };
enum class GradientDirection { horizontal, vertical, diagonal };
enum class ConstraintType { none, fixed, relative };
enum class TransitionTrigger { buttonClick, timer, autoAdvance };
enum class KioskResourceType { image, video, audio, document };

template <> struct StoredEnum<ComponentType> {
    static constexpr const char* typeName = "ComponentType";
    static constexpr std::array<std::pair<ComponentType, const char*>, 11> cases{{
        {ComponentType::image, "Image"},
        {ComponentType::title, "Title"},
        {ComponentType::label, "Label"},
        {ComponentType::textArea, "Text Area"},
        {ComponentType::webView, "Web View"},
        {ComponentType::video, "Video"},
        {ComponentType::shape, "Shape"},
        {ComponentType::icon, "Icon"},
        {ComponentType::clock, "Clock"},
        {ComponentType::countdown, "Countdown"},
        {ComponentType::ticker, "Ticker"},
    }};
};

template <> struct StoredEnum<TransitionEffect> {
    static constexpr const char* typeName = "TransitionEffect";
    static constexpr std::array<std::pair<TransitionEffect, const char*>, 14> cases{{
        {TransitionEffect::none, "None"},
        {TransitionEffect::moveRight, "Move Right"},
        {TransitionEffect::moveLeft, "Move Left"},
        {TransitionEffect::moveUp, "Move Up"},
        {TransitionEffect::moveDown, "Move Down"},
        {TransitionEffect::fade, "Fade"},
        {TransitionEffect::zoomIn, "Zoom In"},
        {TransitionEffect::zoomOut, "Zoom Out"},
        {TransitionEffect::crossFade, "Cross Fade"},
        {TransitionEffect::wipeRight, "Wipe Right"},
        {TransitionEffect::wipeUp, "Wipe Up"},
        {TransitionEffect::pixelDissolve, "Pixel Dissolve"},
        {TransitionEffect::starReveal, "Star Reveal"},
        {TransitionEffect::pageTurn, "Page Turn"},
    }};
};

template <> struct StoredEnum<ScreenMode> {
    static constexpr const char* typeName = "ScreenMode";
    static constexpr std::array<std::pair<ScreenMode, const char*>, 2> cases{{
        {ScreenMode::horizontal, "Horizontal"},
        {ScreenMode::vertical, "Vertical"},
    }};
};

template <> struct StoredEnum<BackgroundType> {
    static constexpr const char* typeName = "BackgroundType";
    static constexpr std::array<std::pair<BackgroundType, const char*>, 3> cases{{
        {BackgroundType::color, "Color"},
        {BackgroundType::image, "Image"},
        {BackgroundType::gradient, "Gradient"},
    }};
};

template <> struct StoredEnum<GradientDirection> {
    static constexpr const char* typeName = "GradientDirection";
    static constexpr std::array<std::pair<GradientDirection, const char*>, 3> cases{{
        {GradientDirection::horizontal, "Horizontal"},
        {GradientDirection::vertical, "Vertical"},
        {GradientDirection::diagonal, "Diagonal"},
    }};
};

template <> struct StoredEnum<ConstraintType> {
    static constexpr const char* typeName = "ConstraintType";
    static constexpr std::array<std::pair<ConstraintType, const char*>, 3> cases{{
        {ConstraintType::none, "None"},
        {ConstraintType::fixed, "Fixed"},
        {ConstraintType::relative, "Relative"},
    }};
};

// `auto` is a keyword in C++, so the "Auto" trigger's case is autoAdvance.
template <> struct StoredEnum<TransitionTrigger> {
    static constexpr const char* typeName = "TransitionTrigger";
    static constexpr std::array<std::pair<TransitionTrigger, const char*>, 3> cases{{
        {TransitionTrigger::buttonClick, "Button Click"},
        {TransitionTrigger::timer, "Timer"},
        {TransitionTrigger::autoAdvance, "Auto"},
    }};
};

// Stored in lower case, unlike every other enumeration.
template <> struct StoredEnum<KioskResourceType> {
    static constexpr const char* typeName = "KioskResourceType";
    static constexpr std::array<std::pair<KioskResourceType, const char*>, 4> cases{{
        {KioskResourceType::image, "image"},
        {KioskResourceType::video, "video"},
        {KioskResourceType::audio, "audio"},
        {KioskResourceType::document, "document"},
    }};
};

// The legacy reading of a component type: "button" (any case) is a label,
// "map" (any case) an image, and an unknown word a label. Never fails.
ComponentType componentTypeFromLegacyString(const QString& text);

} // namespace vistrelle
