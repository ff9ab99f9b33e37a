#pragma once

#include <QString>

#include <variant>
#include <vector>

namespace vistrelle {

// Where in a document the encoder or decoder is, kept cheaply as a stack of
// keys and indices and turned into text ("screens[2].background.type") only
// when a message needs it.
class CodingPath {
public:
    class Scope {
    public:
        Scope(CodingPath& path, QLatin1StringView key)
            : path_(path) {
            path_.steps_.emplace_back(key);
        }
        Scope(CodingPath& path, qsizetype index)
            : path_(path) {
            path_.steps_.emplace_back(index);
        }
        ~Scope() { path_.steps_.pop_back(); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        CodingPath& path_;
    };

    QString text() const;
    // " (at screens[2].name)", or nothing at the top level.
    QString locationSuffix() const;

private:
    std::vector<std::variant<QLatin1StringView, qsizetype>> steps_;
};

} // namespace vistrelle
