#include "model/json_tape.h"

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

JsonSyntaxError syntaxError(const QByteArray& text) {
    try {
        JsonTape::parse(text);
    } catch (const JsonSyntaxError& error) {
        return error;
    }
    ADD_FAILURE() << "parsed: " << text.toStdString();
    return {};
}

} // namespace

TEST(JsonTapeTest, ReadsNestedValuesAndSkipsContainersWhole) {
    const JsonTape tape =
        JsonTape::parse(R"( {"a": [1, {"x": [true, null]}, "s"], "b": -2.5e3, "c": false} )");
    const JsonValueRef root(tape, 0);
    ASSERT_TRUE(root.isObject());
    EXPECT_EQ(root.size(), 3u);
    const auto a = root.member("a");
    ASSERT_TRUE(a && a->isArray());
    QStringList kinds;
    a->forEachElement([&](std::uint32_t, JsonValueRef v) { kinds << QString::number(int(v.type())); });
    EXPECT_EQ(kinds, (QStringList{"2", "5", "3"}));
    EXPECT_EQ(root.member("b")->toDouble(), -2500.0);
    EXPECT_FALSE(root.member("b")->isInteger());
    EXPECT_TRUE(root.member("c")->isBool());
    EXPECT_FALSE(root.member("c")->toBool());
    EXPECT_FALSE(root.member("d"));
}

TEST(JsonTapeTest, NumbersKeepIntegersExact) {
    const JsonTape tape =
        JsonTape::parse("[9007199254740993, -9223372036854775808, 9223372036854775808, 1e-400, 0.5]");
    std::vector<JsonValueRef> values;
    JsonValueRef(tape, 0).forEachElement([&](std::uint32_t, JsonValueRef v) { values.push_back(v); });
    ASSERT_EQ(values.size(), 5u);
    EXPECT_TRUE(values[0].isInteger());
    EXPECT_EQ(values[0].toInteger(), 9007199254740993);
    EXPECT_EQ(values[1].toInteger(), std::numeric_limits<qint64>::min());
    EXPECT_FALSE(values[2].isInteger()); // beyond 64 bits: a double
    EXPECT_EQ(values[2].toDouble(), 9223372036854775808.0);
    EXPECT_EQ(values[3].toDouble(), 0.0);
    EXPECT_EQ(values[4].toDouble(), 0.5);
}

TEST(JsonTapeTest, UnescapesStringsAndReplacesLoneSurrogates) {
    const JsonTape tape =
        JsonTape::parse(R"(["a\"b\\c\/d\n\t\u00e9\ud83d\ude00", "\ud800x", "plain é", "\u0041BC"])");
    QStringList strings;
    JsonValueRef(tape, 0).forEachElement([&](std::uint32_t, JsonValueRef v) { strings << v.toString(); });
    EXPECT_EQ(strings, (QStringList{QStringLiteral("a\"b\\c/d\n\té😀"), QStringLiteral("\uFFFDx"),
                                    QStringLiteral("plain é"), QStringLiteral("ABC")}));
    EXPECT_TRUE(JsonValueRef(tape, 4).stringEquals("ABC"));
    EXPECT_FALSE(JsonValueRef(tape, 4).rawString());
}

TEST(JsonTapeTest, LaterDuplicateMembersWin) {
    const JsonTape tape = JsonTape::parse(R"({"k": 1, "k": 2})");
    EXPECT_EQ(JsonValueRef(tape, 0).member("k")->toInteger(), 2);
}

TEST(JsonTapeTest, RejectsWhatIsNotStrictJson) {
    for (const char* text : {"",          "   ",           "{",
                             "[1,]",      "{\"a\":1,}",    "[01]",
                             "[1.]",      "[.5]",          "[+1]",
                             "[1e]",      "NaN",           "[Infinity]",
                             "[1e400]",   "{'a':1}",       "{\"a\" 1}",
                             "[\"\\x\"]", "[\"\\u12G4\"]", "[\"tab\there\"]",
                             "[tru]",     "[] []",         "\"unterminated"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(syntaxError(text).message.isEmpty());
    }
}

TEST(JsonTapeTest, ErrorsSayWhere) {
    const JsonSyntaxError error = syntaxError("{\n  \"a\": 1,\n  \"b\": ?\n}");
    EXPECT_EQ(error.line, 3);
    EXPECT_EQ(error.column, 8);
}

TEST(JsonTapeTest, DeepNestingIsAnErrorNotACrash) {
    const QByteArray deep = QByteArray(100000, '[') + QByteArray(100000, ']');
    EXPECT_EQ(syntaxError(deep).message, "the document is nested too deeply");
    EXPECT_NO_THROW(JsonTape::parse(QByteArray(500, '[') + QByteArray(500, ']')));
}

TEST(JsonTapeTest, TextMustBeUtf8AndMayStartWithAByteOrderMark) {
    EXPECT_EQ(JsonValueRef(JsonTape::parse("\xEF\xBB\xBF[\"caf\xC3\xA9 \xF0\x9F\x98\x80\"]"), 1).toString(),
              QStringLiteral("café 😀"));
    for (const char* text : {"[\"caf\xE9\"]", "[\"\xC0\xAF\"]", "[\"\xED\xA0\x80\"]",
                             "[\"\xF4\x90\x80\x80\"]", "[\"\xE2\x82\"]"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(syntaxError(text).message, "text that is not UTF-8");
    }
}
