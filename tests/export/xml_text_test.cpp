#include "export/xml_text.h"

#include <gtest/gtest.h>

using namespace vistrelle;

TEST(XmlTextTest, EscapesTheFiveCharactersOnce) {
    EXPECT_EQ(xmlEscape("Tom & Jerry's <Show>"), "Tom &amp; Jerry&apos;s &lt;Show&gt;");
    EXPECT_EQ(xmlEscape("a=\"&amp;\""), "a=&quot;&amp;amp;&quot;");
    EXPECT_EQ(xmlEscape(QStringLiteral("Zoë 😀 \u2318")), QStringLiteral("Zoë 😀 \u2318"));
}

TEST(XmlTextTest, LeavesOutWhatXmlCannotHold) {
    const QString text = QStringLiteral("a\u0001b\u000Bc\td\ne\rf\uFFFEg") + QChar(0xD800) + "h";
    EXPECT_EQ(xmlEscape(text), "abc\td\ne\rfgh");
}

TEST(XmlTextTest, DoublesInTheirShortestFormWithAPointZeroWhenIntegral) {
    const std::pair<double, const char*> cases[] = {
        {100, "100.0"},
        {0.5, "0.5"},
        {12.25, "12.25"},
        {80.5, "80.5"},
        {-3, "-3.0"},
        {0.1, "0.1"},
        {1e-05, "1e-05"},
        {0.0001, "0.0001"},
        {2.5e-07, "2.5e-07"},
        {1e16, "1e+16"},
        {0, "0.0"},
        {1.0 / 3, "0.3333333333333333"},
        {1234567890123456.0, "1234567890123456.0"},
        {1.5e300, "1.5e+300"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(xmlDouble(value), QString::fromLatin1(text)) << text;
}
