#include "editor/inspector/inspector_rules.h"

#include <gtest/gtest.h>

using namespace vistrelle;
using namespace vistrelle::InspectorRules;

TEST(InspectorRulesTest, FramesStayOnTheScreen) {
    // A 300 wide component on a 1920 wide screen.
    EXPECT_EQ(clampedOrigin(5000, 1920, 300), 1620);
    EXPECT_EQ(clampedOrigin(-5, 1920, 300), 0);
    EXPECT_EQ(clampedOrigin(400, 200, 300), 0) << "wider than the screen: at its left edge";
    EXPECT_EQ(clampedSide(0, 1920), 10);
    EXPECT_EQ(clampedSide(99999, 1920), 1920);
    EXPECT_EQ(clampedSide(99999, boundWithoutScreen), 8192);
}

TEST(InspectorRulesTest, OnlySignedDigitsAreIntegers) {
    EXPECT_EQ(parseInteger("+42"), 42);
    EXPECT_EQ(parseInteger("-7"), -7);
    for (const char* text : {"", "+", "abc", "1e3", "4.5", " 5", "5 ", "99999999999999999999"})
        EXPECT_FALSE(parseInteger(text)) << text;
}

TEST(InspectorRulesTest, DurationsAndNames) {
    EXPECT_EQ(committedDuration("1", 8), 3);
    EXPECT_EQ(committedDuration("", 8), 8);
    EXPECT_EQ(committedDuration("abc", 2), 3) << "a stored duration below 3 is raised too";
    EXPECT_EQ(committedDuration("12", 8), 12);
    EXPECT_EQ(committedScreenName(""), "Untitled Screen");
    EXPECT_EQ(committedScreenName("  "), "  ");
}

TEST(InspectorRulesTest, WebAddressesThePlayerCanShow) {
    for (const char* valid : {"", "https://example.com/menu", "http://intranet.local", "example.com",
                              "/var/www/index.html", "www.example.com/a?b=c"})
        EXPECT_TRUE(isValidWebAddress(valid)) << valid;
    for (const char* invalid : {"ftp://example.com/file", "word", "mailto:desk@example.com",
                                "javascript:alert(1)", "file:///etc/passwd", "https://"})
        EXPECT_FALSE(isValidWebAddress(invalid)) << invalid;
}
