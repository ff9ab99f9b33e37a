#pragma once

#include <QString>

#include <array>
#include <optional>
#include <utility>

namespace vistrelle {

// Every enumeration of the model is written as text (JSON, XML, pickers).
// An enumeration opts in by specialising StoredEnum with its cases, in
// declaration order, each paired with its stored string.
template <typename E> struct StoredEnum;

template <typename E> constexpr auto allCases() {
    std::array<E, StoredEnum<E>::cases.size()> result{};
    for (std::size_t i = 0; i < result.size(); ++i)
        result[i] = StoredEnum<E>::cases[i].first;
    return result;
}

template <typename E> QString storedString(E value) {
    for (const auto& [c, text] : StoredEnum<E>::cases)
        if (c == value)
            return QString::fromLatin1(text);
    return {};
}

// Exact, case-sensitive match; anything else is no value.
template <typename E> std::optional<E> fromStoredString(QStringView text) {
    for (const auto& [c, stored] : StoredEnum<E>::cases)
        if (text == QLatin1StringView(stored))
            return c;
    return std::nullopt;
}

// The type's own name, used in messages about unreadable values.
template <typename E> constexpr const char* enumTypeName() {
    return StoredEnum<E>::typeName;
}

} // namespace vistrelle
