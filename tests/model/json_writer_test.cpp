#include "model/json_writer.h"
#include "model/project_json_encoder.h"
#include "support/sample_project.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

using namespace vistrelle;

// Qt re-serialises parsed JSON with sorted keys in the same layout, so any
// unsorted key, layout slip or escaping difference shows up as a mismatch.
TEST(JsonWriterTest, ProjectEncodingIsSortedIndentedJson) {
    const QByteArray encoded = encodeProjectJson(test_support::projectWithEveryField());
    QJsonParseError error{};
    const QJsonDocument parsed = QJsonDocument::fromJson(encoded, &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_EQ(encoded.toStdString(), parsed.toJson(QJsonDocument::Indented).toStdString());
}

TEST(JsonWriterTest, SlashesStayAndNumbersTakeTheirShortestForm) {
    JsonWriter w;
    w.beginObject();
    w.key(QLatin1StringView("path"));
    w.value(QStringView(u"/Users/a/b.png"));
    w.key(QLatin1StringView("values"));
    w.beginArray();
    for (double d : {100.0, -0.0, 0.1, 1e-05, 1e20, 2.5, 1.0 / 3.0})
        w.value(d);
    w.value(qint64(9007199254740993));
    w.endArray();
    w.key(QLatin1StringView("empty"));
    w.beginObject();
    w.endObject();
    w.endObject();
    EXPECT_EQ(w.finish().toStdString(), "{\n"
                                        "    \"path\": \"/Users/a/b.png\",\n"
                                        "    \"values\": [\n"
                                        "        100,\n"
                                        "        0,\n"
                                        "        0.1,\n"
                                        "        1e-05,\n"
                                        "        1e+20,\n"
                                        "        2.5,\n"
                                        "        0.3333333333333333,\n"
                                        "        9007199254740993\n"
                                        "    ],\n"
                                        "    \"empty\": {\n"
                                        "    }\n"
                                        "}\n");
}

TEST(JsonWriterTest, EscapesControlCharactersAndKeepsUnicode) {
    JsonWriter w;
    w.beginArray();
    w.value(QStringView(u"q\"b\\n\n\u0001é😀"));
    const QChar lone[] = {QChar(0xD800)};
    w.value(QStringView(lone, 1));
    w.endArray();
    EXPECT_EQ(w.finish(), QByteArray("[\n    \"q\\\"b\\\\n\\n\\u0001") + QString::fromUtf8("é😀").toUtf8() +
                              "\",\n    \"\xEF\xBF\xBD\"\n]\n");
}
