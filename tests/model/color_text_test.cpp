#include "model/color_text.h"

#include <gtest/gtest.h>

using namespace vistrelle;

TEST(ColorTextTest, ReadsSixThreeAndEightDigitForms) {
    const QColor orange = QColor::fromRgb(0xFF, 0x88, 0x00);
    for (const char* text : {"#FF8800", "FF8800", "  #ff8800  ", "#F80", "(#FF8800)"}) {
        SCOPED_TRACE(text);
        const auto color = parseColor(QString::fromLatin1(text));
        ASSERT_TRUE(color);
        EXPECT_EQ(color->rgba(), orange.rgba());
    }
    const auto halfRed = parseColor(u"#80FF0000");
    ASSERT_TRUE(halfRed);
    EXPECT_EQ(halfRed->alpha(), 0x80);
    EXPECT_EQ(halfRed->red(), 0xFF);
    EXPECT_EQ(formatColor(*halfRed), "#FF0000");
}

TEST(ColorTextTest, RejectsOtherLengthsWordsAndNonHexDigits) {
    for (const char* text : {"#12345", "red", "black", "", "#", "#GG0000", "#FF 8800", "#1234567"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(parseColor(QString::fromLatin1(text)));
    }
}

TEST(ColorTextTest, FormatsUpperCaseSixDigits) {
    EXPECT_EQ(formatColor(Qt::white), "#FFFFFF");
    EXPECT_EQ(formatColor(QColor::fromRgb(0x0a, 0xbc, 0x0d)), "#0ABC0D");
    EXPECT_EQ(formatColor(QColor::fromRgbF(0.5f, 0.0f, 1.0f)), "#8000FF");
    EXPECT_EQ(formatColor(QColor::fromHsv(0, 255, 255)), "#FF0000");
    EXPECT_EQ(formatColor(QColor()), std::nullopt);
    // Outside the sRGB gamut there is no six-digit form.
    EXPECT_EQ(formatColor(QColor::fromRgbF(1.5f, 0.0f, 0.0f)), std::nullopt);
}
