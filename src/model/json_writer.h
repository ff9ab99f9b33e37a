#pragma once

#include <QByteArray>
#include <QStringView>

#include <vector>

namespace vistrelle {

// Streams indented JSON in the same layout as QJsonDocument::Indented (four
// spaces, `"key": value`, slashes unescaped), without building a tree first.
// The caller writes object keys in sorted order.
class JsonWriter {
public:
    JsonWriter();

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();

    void key(QLatin1StringView name);
    void key(QStringView name);

    void value(QStringView text);
    void value(QLatin1StringView text);
    void value(bool flag);
    void value(qint64 number);
    // Integral values within the 64-bit range are written as integers; the
    // caller must not pass NaN or infinities (JSON has no form for them).
    void value(double number);

    // The finished text (with the trailing newline of a complete document).
    QByteArray finish();

private:
    void beginContainer(char open);
    void endContainer(char close);
    void beforeValue();
    void writeIndent(int depth);
    void writeEscaped(QStringView text);

    QByteArray out_;
    std::vector<bool> containerHasMembers_;
    bool afterKey_ = false;
};

} // namespace vistrelle
