#include "model/json_writer.h"

#include <charconv>
#include <cmath>

namespace vistrelle {

JsonWriter::JsonWriter() {
    out_.reserve(4096);
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (containerHasMembers_.empty())
        return;
    if (containerHasMembers_.back())
        out_.append(",\n", 2);
    containerHasMembers_.back() = true;
    writeIndent(int(containerHasMembers_.size()));
}

void JsonWriter::writeIndent(int depth) {
    out_.append(qsizetype(depth) * 4, ' ');
}

void JsonWriter::beginContainer(char open) {
    beforeValue();
    out_.append(open);
    out_.append('\n');
    containerHasMembers_.push_back(false);
}

void JsonWriter::endContainer(char close) {
    if (containerHasMembers_.back())
        out_.append('\n');
    containerHasMembers_.pop_back();
    writeIndent(int(containerHasMembers_.size()));
    out_.append(close);
}

void JsonWriter::beginObject() {
    beginContainer('{');
}
void JsonWriter::endObject() {
    endContainer('}');
}
void JsonWriter::beginArray() {
    beginContainer('[');
}
void JsonWriter::endArray() {
    endContainer(']');
}

void JsonWriter::key(QLatin1StringView name) {
    beforeValue();
    out_.append('"');
    out_.append(name.data(), name.size());
    out_.append("\": ", 3);
    afterKey_ = true;
}

void JsonWriter::key(QStringView name) {
    beforeValue();
    writeEscaped(name);
    out_.append(": ", 2);
    afterKey_ = true;
}

void JsonWriter::value(QStringView text) {
    beforeValue();
    writeEscaped(text);
}

void JsonWriter::value(QLatin1StringView text) {
    beforeValue();
    out_.append('"');
    out_.append(text.data(), text.size());
    out_.append('"');
}

void JsonWriter::value(bool flag) {
    beforeValue();
    if (flag)
        out_.append("true", 4);
    else
        out_.append("false", 5);
}

void JsonWriter::value(qint64 number) {
    beforeValue();
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    out_.append(buffer, result.ptr - buffer);
}

void JsonWriter::value(double number) {
    constexpr double twoTo63 = 9223372036854775808.0;
    if (number >= -twoTo63 && number < twoTo63 && std::trunc(number) == number) {
        value(qint64(number));
        return;
    }
    beforeValue();
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::general);
    out_.append(buffer, result.ptr - buffer);
}

void JsonWriter::writeEscaped(QStringView text) {
    // Worst case six bytes per UTF-16 unit (\u00XX), plus the quotes.
    const qsizetype start = out_.size();
    out_.resize(start + text.size() * 6 + 2);
    char* p = out_.data() + start;
    *p++ = '"';
    static constexpr char hex[] = "0123456789abcdef";
    const char16_t* s = text.utf16();
    const char16_t* const end = s + text.size();
    while (s != end) {
        const char16_t u = *s++;
        if (u < 0x80) {
            if (u >= 0x20 && u != u'"' && u != u'\\') {
                *p++ = char(u);
                continue;
            }
            *p++ = '\\';
            switch (u) {
            case u'"':
                *p++ = '"';
                break;
            case u'\\':
                *p++ = '\\';
                break;
            case u'\b':
                *p++ = 'b';
                break;
            case u'\f':
                *p++ = 'f';
                break;
            case u'\n':
                *p++ = 'n';
                break;
            case u'\r':
                *p++ = 'r';
                break;
            case u'\t':
                *p++ = 't';
                break;
            default:
                *p++ = 'u';
                *p++ = '0';
                *p++ = '0';
                *p++ = hex[u >> 4];
                *p++ = hex[u & 0xF];
            }
        } else if (u < 0x800) {
            *p++ = char(0xC0 | (u >> 6));
            *p++ = char(0x80 | (u & 0x3F));
        } else if (QChar::isHighSurrogate(u) && s != end && QChar::isLowSurrogate(*s)) {
            const char32_t c = QChar::surrogateToUcs4(u, *s++);
            *p++ = char(0xF0 | (c >> 18));
            *p++ = char(0x80 | ((c >> 12) & 0x3F));
            *p++ = char(0x80 | ((c >> 6) & 0x3F));
            *p++ = char(0x80 | (c & 0x3F));
        } else {
            // A lone surrogate has no UTF-8 form: write U+FFFD instead.
            const char16_t c = QChar::isSurrogate(u) ? char16_t(0xFFFD) : u;
            *p++ = char(0xE0 | (c >> 12));
            *p++ = char(0x80 | ((c >> 6) & 0x3F));
            *p++ = char(0x80 | (c & 0x3F));
        }
    }
    *p++ = '"';
    out_.truncate(p - out_.data());
}

QByteArray JsonWriter::finish() {
    out_.append('\n');
    return std::move(out_);
}

} // namespace vistrelle
