#include "model/json_tape.h"

#include <charconv>
#include <cstring>
#include <limits>
#include <string>

namespace vistrelle {

class JsonTapeParser {
public:
    JsonTapeParser(const QByteArray& source, std::vector<JsonTape::Entry>& out,
                   std::vector<JsonTape::Number>& numbers, int maxDepth)
        : begin_(source.constData())
        , p_(begin_)
        , end_(begin_ + source.size())
        , out_(out)
        , numbers_(numbers)
        , maxDepth_(maxDepth) {}

    void parseDocument() {
        if (std::size_t(end_ - begin_) >= std::numeric_limits<std::uint32_t>::max())
            fail("the document is too large", begin_);
        // Editors on some systems start UTF-8 files with a byte order mark.
        if (end_ - p_ >= 3 && std::memcmp(p_, "\xEF\xBB\xBF", 3) == 0)
            p_ += 3;
        skipWhitespace();
        if (p_ == end_)
            fail("the document is empty", p_);
        parseValue();
        skipWhitespace();
        if (p_ != end_)
            fail("unexpected text after the end of the document", p_);
    }

private:
    using Type = JsonTape::Type;

    [[noreturn]] void fail(const char* message, const char* at) const {
        qsizetype line = 1;
        const char* lineStart = begin_;
        for (const char* c = begin_; c < at; ++c) {
            if (*c == '\n') {
                ++line;
                lineStart = c + 1;
            }
        }
        throw JsonSyntaxError{QString::fromLatin1(message), line, qsizetype(at - lineStart) + 1};
    }

    void skipWhitespace() {
        while (p_ != end_ && (*p_ == ' ' || *p_ == '\n' || *p_ == '\r' || *p_ == '\t'))
            ++p_;
    }

    std::uint32_t push(Type type) {
        JsonTape::Entry entry;
        entry.type = type;
        entry.offset = std::uint32_t(p_ - begin_);
        out_.push_back(entry);
        return std::uint32_t(out_.size() - 1);
    }

    void finish(std::uint32_t index) { out_[index].end = std::uint32_t(out_.size()); }

    void parseValue() {
        if (p_ == end_)
            fail("unexpected end of the document", p_);
        switch (*p_) {
        case '{':
            parseObject();
            return;
        case '[':
            parseArray();
            return;
        case '"':
            parseString();
            return;
        case 't':
            parseLiteral("true", Type::boolean, true);
            return;
        case 'f':
            parseLiteral("false", Type::boolean, false);
            return;
        case 'n':
            parseLiteral("null", Type::null, false);
            return;
        default:
            if (*p_ == '-' || (*p_ >= '0' && *p_ <= '9')) {
                parseNumber();
                return;
            }
            fail("unexpected character", p_);
        }
    }

    void parseLiteral(const char* word, Type type, bool flag) {
        const std::size_t length = std::strlen(word);
        if (std::size_t(end_ - p_) < length || std::memcmp(p_, word, length) != 0)
            fail("unexpected character", p_);
        const std::uint32_t index = push(type);
        out_[index].flag = flag;
        p_ += length;
        finish(index);
    }

    void enter() {
        if (++depth_ > maxDepth_)
            fail("the document is nested too deeply", p_);
    }

    void parseArray() {
        enter();
        const std::uint32_t index = push(Type::array);
        ++p_;
        skipWhitespace();
        std::uint32_t count = 0;
        if (p_ != end_ && *p_ == ']') {
            ++p_;
        } else {
            while (true) {
                skipWhitespace();
                parseValue();
                ++count;
                skipWhitespace();
                if (p_ == end_)
                    fail("unterminated array", p_);
                if (*p_ == ',') {
                    ++p_;
                    continue;
                }
                if (*p_ == ']') {
                    ++p_;
                    break;
                }
                fail("expected ',' or ']' in an array", p_);
            }
        }
        out_[index].extent = count;
        finish(index);
        --depth_;
    }

    void parseObject() {
        enter();
        const std::uint32_t index = push(Type::object);
        ++p_;
        skipWhitespace();
        std::uint32_t count = 0;
        if (p_ != end_ && *p_ == '}') {
            ++p_;
        } else {
            while (true) {
                skipWhitespace();
                if (p_ == end_)
                    fail("unterminated object", p_);
                if (*p_ != '"')
                    fail("expected a member name in quotes", p_);
                parseString();
                skipWhitespace();
                if (p_ == end_ || *p_ != ':')
                    fail("expected ':' after a member name", p_);
                ++p_;
                skipWhitespace();
                parseValue();
                ++count;
                skipWhitespace();
                if (p_ == end_)
                    fail("unterminated object", p_);
                if (*p_ == ',') {
                    ++p_;
                    continue;
                }
                if (*p_ == '}') {
                    ++p_;
                    break;
                }
                fail("expected ',' or '}' in an object", p_);
            }
        }
        out_[index].extent = count;
        finish(index);
        --depth_;
    }

    static bool isHex(char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    }

    void parseString() {
        const char* opening = p_;
        ++p_;
        const std::uint32_t index = push(Type::string);
        out_[index].offset = std::uint32_t(p_ - begin_);
        bool escaped = false;
        while (true) {
            if (p_ == end_)
                fail("unterminated string", opening);
            const unsigned char c = static_cast<unsigned char>(*p_);
            if (c == '"')
                break;
            if (c < 0x20)
                fail("control character in a string", p_);
            if (c >= 0x80) {
                // Text that is not UTF-8 would turn into replacement characters
                // and be lost on the next save, so it is refused.
                p_ = skipUtf8Sequence(p_);
                continue;
            }
            if (c == '\\') {
                escaped = true;
                if (end_ - p_ < 2)
                    fail("unterminated string", opening);
                const char kind = p_[1];
                if (kind == 'u') {
                    if (end_ - p_ < 6 || !isHex(p_[2]) || !isHex(p_[3]) || !isHex(p_[4]) || !isHex(p_[5]))
                        fail("invalid \\u escape in a string", p_);
                    p_ += 6;
                    continue;
                }
                if (!std::strchr("\"\\/bfnrt", kind) || kind == '\0')
                    fail("invalid escape in a string", p_);
                p_ += 2;
                continue;
            }
            ++p_;
        }
        out_[index].extent = std::uint32_t(p_ - begin_) - out_[index].offset;
        out_[index].flag = escaped;
        ++p_;
        finish(index);
    }

    // The end of the multi-byte UTF-8 character at `p`, or a failure.
    const char* skipUtf8Sequence(const char* p) const {
        const auto byte = [&](std::ptrdiff_t i) { return static_cast<unsigned char>(p[i]); };
        const unsigned char lead = byte(0);
        int length = 0;
        char32_t c = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            c = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            c = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            c = lead & 0x07;
        } else {
            fail("text that is not UTF-8", p);
        }
        if (end_ - p < length)
            fail("text that is not UTF-8", p);
        for (int i = 1; i < length; ++i) {
            if ((byte(i) & 0xC0) != 0x80)
                fail("text that is not UTF-8", p);
            c = c << 6 | (byte(i) & 0x3F);
        }
        const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
        if (overlong || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
            fail("text that is not UTF-8", p);
        return p + length;
    }

    void parseNumber() {
        const char* start = p_;
        bool integral = true;
        bool negativeExponent = false;
        if (*p_ == '-')
            ++p_;
        if (p_ == end_ || !(*p_ >= '0' && *p_ <= '9'))
            fail("invalid number", start);
        if (*p_ == '0')
            ++p_;
        else
            while (p_ != end_ && *p_ >= '0' && *p_ <= '9')
                ++p_;
        if (p_ != end_ && *p_ == '.') {
            integral = false;
            ++p_;
            if (p_ == end_ || !(*p_ >= '0' && *p_ <= '9'))
                fail("invalid number", start);
            while (p_ != end_ && *p_ >= '0' && *p_ <= '9')
                ++p_;
        }
        if (p_ != end_ && (*p_ == 'e' || *p_ == 'E')) {
            integral = false;
            ++p_;
            if (p_ != end_ && (*p_ == '+' || *p_ == '-'))
                negativeExponent = *p_++ == '-';
            if (p_ == end_ || !(*p_ >= '0' && *p_ <= '9'))
                fail("invalid number", start);
            while (p_ != end_ && *p_ >= '0' && *p_ <= '9')
                ++p_;
        }

        const char* const stop = p_;
        p_ = start;
        const std::uint32_t index = push(Type::number);
        p_ = stop;
        JsonTape::Entry& entry = out_[index];
        entry.extent = std::uint32_t(numbers_.size());
        if (integral) {
            qint64 integer = 0;
            const auto result = std::from_chars(start, stop, integer);
            if (result.ec == std::errc() && result.ptr == stop) {
                entry.flag = true;
                numbers_.push_back({.integer = integer});
                finish(index);
                return;
            }
        }
        double number = 0;
        const auto result = std::from_chars(start, stop, number);
        if (result.ec == std::errc::result_out_of_range) {
            if (!negativeExponent)
                fail("number out of range", start);
            number = 0; // too small to tell from zero
        } else if (result.ec != std::errc() || result.ptr != stop) {
            fail("invalid number", start);
        }
        numbers_.push_back({.real = number});
        finish(index);
    }

    const char* begin_;
    const char* p_;
    const char* end_;
    std::vector<JsonTape::Entry>& out_;
    std::vector<JsonTape::Number>& numbers_;
    int maxDepth_;
    int depth_ = 0;
};

JsonTape JsonTape::parse(QByteArray source, int maxDepth) {
    JsonTape tape;
    tape.source_ = std::move(source);
    // Indented documents hold roughly one value per two dozen bytes.
    tape.entries_.reserve(std::size_t(tape.source_.size() / 24 + 16));
    JsonTapeParser(tape.source_, tape.entries_, tape.numbers_, maxDepth).parseDocument();
    return tape;
}

namespace {

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

char32_t hexValue(const char* p) {
    char32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        const char c = p[i];
        value = value << 4 | char32_t(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
    }
    return value;
}

} // namespace

QString JsonTape::string(std::uint32_t index) const {
    const Entry& e = entries_[index];
    const char* p = source_.constData() + e.offset;
    if (!e.flag)
        return QString::fromUtf8(p, e.extent);

    // The parser checked every escape, so this only translates.
    std::string text;
    text.reserve(e.extent);
    const char* const end = p + e.extent;
    while (p < end) {
        if (*p != '\\') {
            text += *p++;
            continue;
        }
        const char kind = p[1];
        p += 2;
        switch (kind) {
        case 'b':
            text += '\b';
            break;
        case 'f':
            text += '\f';
            break;
        case 'n':
            text += '\n';
            break;
        case 'r':
            text += '\r';
            break;
        case 't':
            text += '\t';
            break;
        case 'u': {
            char32_t c = hexValue(p);
            p += 4;
            if (c >= 0xD800 && c <= 0xDBFF && end - p >= 6 && p[0] == '\\' && p[1] == 'u') {
                const char32_t low = hexValue(p + 2);
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                    p += 6;
                }
            }
            // A surrogate left without its partner has no character.
            appendUtf8(text, c >= 0xD800 && c <= 0xDFFF ? char32_t(0xFFFD) : c);
            break;
        }
        default:
            text += kind;
            break; // '"', '\\' and '/'
        }
    }
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

bool JsonTape::stringEquals(std::uint32_t index, std::string_view ascii) const {
    const Entry& e = entries_[index];
    if (e.flag)
        return string(index) == QLatin1StringView(ascii.data(), qsizetype(ascii.size()));
    return e.extent == ascii.size() &&
           std::memcmp(source_.constData() + e.offset, ascii.data(), ascii.size()) == 0;
}

std::optional<std::string_view> JsonTape::rawString(std::uint32_t index) const {
    const Entry& e = entries_[index];
    if (e.flag)
        return std::nullopt;
    return std::string_view(source_.constData() + e.offset, e.extent);
}

double JsonValueRef::toDouble() const {
    const JsonTape::Number n = tape_->number(index_);
    return entry().flag ? double(n.integer) : n.real;
}

qint64 JsonValueRef::toInteger() const {
    return tape_->number(index_).integer;
}

std::optional<JsonValueRef> JsonValueRef::member(std::string_view key) const {
    std::optional<JsonValueRef> found;
    forEachMember([&](JsonValueRef name, JsonValueRef value) {
        if (name.stringEquals(key))
            found = value;
    });
    return found;
}

} // namespace vistrelle
