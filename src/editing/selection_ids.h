#pragma once

#include <QUuid>

#include <optional>

namespace vistrelle {

// A selection as the ids it refers to; resolved against a project it becomes
// the screen with that id (else the first screen) and the component with that
// id on it (else none).
struct SelectionIds {
    std::optional<QUuid> screen;
    std::optional<QUuid> component;

    bool operator==(const SelectionIds&) const = default;
};

} // namespace vistrelle
