#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vistrelle {

// Text that is not JSON, with where the parser gave up.
struct JsonSyntaxError {
    QString message;
    qsizetype line = 1;
    qsizetype column = 1;
};

// A parsed JSON text as one flat array of entries in document order (a
// "tape"): every container records where it ends, so a reader can skip it
// whole, and strings stay as views into the source until someone asks for
// them. Much cheaper than a tree of QJsonValues when the reader turns the
// document into its own types anyway.
class JsonTape {
public:
    enum class Type : std::uint8_t { null, boolean, number, string, array, object };

    // Sixteen bytes, so that the tape of a large document stays small.
    struct Entry {
        std::uint32_t end = 0;    // index of the entry after this value (and its contents)
        std::uint32_t offset = 0; // where the value starts in the source (strings: after the quote)
        std::uint32_t extent = 0; // strings: byte length; containers: element or member count; numbers: slot
        Type type = Type::null;
        bool flag = false; // booleans: the value; strings: contains escapes; numbers: is an integer
    };

    union Number {
        double real;
        qint64 integer;
    };

    // Strict JSON (RFC 8259): one value, nested at most `maxDepth` deep. Throws JsonSyntaxError.
    static JsonTape parse(QByteArray source, int maxDepth = 512);

    const Entry& entry(std::uint32_t index) const { return entries_[index]; }
    Number number(std::uint32_t index) const { return numbers_[entries_[index].extent]; }
    // The string at `index`, unescaped.
    QString string(std::uint32_t index) const;
    // Compares the string at `index` with plain ASCII text, without building a QString.
    bool stringEquals(std::uint32_t index, std::string_view ascii) const;
    // The source bytes of a string without escapes; nothing for one with escapes.
    std::optional<std::string_view> rawString(std::uint32_t index) const;

private:
    QByteArray source_;
    std::vector<Entry> entries_;
    std::vector<Number> numbers_;

    friend class JsonTapeParser;
};

// A value inside a tape: cheap to copy, valid while the tape lives.
class JsonValueRef {
public:
    JsonValueRef(const JsonTape& tape, std::uint32_t index)
        : tape_(&tape)
        , index_(index) {}

    JsonTape::Type type() const { return entry().type; }
    bool isNull() const { return type() == JsonTape::Type::null; }
    bool isBool() const { return type() == JsonTape::Type::boolean; }
    bool isNumber() const { return type() == JsonTape::Type::number; }
    bool isString() const { return type() == JsonTape::Type::string; }
    bool isArray() const { return type() == JsonTape::Type::array; }
    bool isObject() const { return type() == JsonTape::Type::object; }

    bool toBool() const { return entry().flag; }
    double toDouble() const;
    // Exact for integers written without fraction or exponent, which a double may not hold.
    bool isInteger() const { return isNumber() && entry().flag; }
    qint64 toInteger() const;
    QString toString() const { return tape_->string(index_); }
    bool stringEquals(std::string_view ascii) const { return tape_->stringEquals(index_, ascii); }
    std::optional<std::string_view> rawString() const { return tape_->rawString(index_); }

    // Containers: the number of elements (arrays) or members (objects).
    std::uint32_t size() const { return entry().extent; }

    // Array elements in order.
    template <typename F> void forEachElement(F visit) const {
        std::uint32_t i = index_ + 1;
        for (std::uint32_t n = 0; n < entry().extent; ++n) {
            visit(n, JsonValueRef(*tape_, i));
            i = tape_->entry(i).end;
        }
    }
    // Object members in document order: visit(keyRef, valueRef).
    template <typename F> void forEachMember(F visit) const {
        std::uint32_t i = index_ + 1;
        for (std::uint32_t n = 0; n < entry().extent; ++n) {
            const std::uint32_t valueIndex = i + 1;
            visit(JsonValueRef(*tape_, i), JsonValueRef(*tape_, valueIndex));
            i = tape_->entry(valueIndex).end;
        }
    }
    // The value of the last member named `key` (later duplicates win), or nothing.
    std::optional<JsonValueRef> member(std::string_view key) const;

private:
    const JsonTape::Entry& entry() const { return tape_->entry(index_); }

    const JsonTape* tape_;
    std::uint32_t index_;
};

} // namespace vistrelle
