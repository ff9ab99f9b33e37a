#pragma once

#include "model/vistrelle_error.h"

#include <utility>
#include <variant>

namespace vistrelle {

// A value or the error that prevented it.
template <typename T> class Result {
public:
    Result(T value)
        : state_(std::in_place_index<0>, std::move(value)) {}
    Result(VistrelleError error)
        : state_(std::in_place_index<1>, std::move(error)) {}

    bool hasValue() const { return state_.index() == 0; }
    explicit operator bool() const { return hasValue(); }

    T& value() & { return std::get<0>(state_); }
    const T& value() const& { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const VistrelleError& error() const { return std::get<1>(state_); }

private:
    std::variant<T, VistrelleError> state_;
};

} // namespace vistrelle
