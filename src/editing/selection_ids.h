#pragma once

#include <QList>
#include <QUuid>

#include <optional>

namespace vistrelle {

// A selection as the ids it refers to; resolved against a project it becomes
// the screen with that id (else the first screen) and the component with that
// id on it (else none), with the others of a selection of several that are still on it.
struct SelectionIds {
    SelectionIds() = default;
    SelectionIds(std::optional<QUuid> screenId, std::optional<QUuid> componentId, QList<QUuid> others = {})
        : screen(std::move(screenId))
        , component(std::move(componentId))
        , alsoSelected(std::move(others)) {}

    std::optional<QUuid> screen;
    std::optional<QUuid> component;
    QList<QUuid> alsoSelected; // selected besides `component`, in the order they were selected

    bool operator==(const SelectionIds&) const = default;
};

} // namespace vistrelle
