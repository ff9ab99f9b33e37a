#include "render/symbol_catalog.h"

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

int paintedPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 128;
    return count;
}

} // namespace

TEST(SymbolCatalogTest, OffersTheNamesDocumentsUse) {
    const SymbolCatalog& catalog = SymbolCatalog::shared();
    for (const char* name :
         {"face.smiling", "photo", "globe", "film", "star.fill", "textformat",
          "exclamationmark.triangle.fill", "play.circle.fill", "speaker.wave.3.fill", "bubble.left.fill",
          "hand.thumbsup.fill", "person.crop.circle.fill", "trophy.circle.fill"})
        EXPECT_TRUE(catalog.contains(name)) << name;
    EXPECT_GE(catalog.names().size(), 150);
}

TEST(SymbolCatalogTest, DrawsInColourWeightAndFilledForms) {
    const SymbolCatalog& catalog = SymbolCatalog::shared();
    const QImage star = catalog.image("star", 64, Qt::red, SymbolWeight::regular);
    const QImage filled = catalog.image("star.fill", 64, Qt::red, SymbolWeight::regular);
    ASSERT_EQ(star.size(), QSize(64, 64));
    EXPECT_EQ(QColor(filled.pixel(32, 32)).red(), 255); // the inside of a filled star
    EXPECT_EQ(qAlpha(star.pixel(32, 32)), 0);           // an outline star is hollow
    EXPECT_GT(paintedPixels(catalog.image("star", 64, Qt::red, SymbolWeight::black)),
              paintedPixels(catalog.image("star", 64, Qt::red, SymbolWeight::ultraLight)));
    // An unknown name draws the smiling face.
    EXPECT_EQ(catalog.image("no.such.symbol", 32, Qt::blue, SymbolWeight::regular),
              catalog.image("face.smiling", 32, Qt::blue, SymbolWeight::regular));
    EXPECT_EQ(symbolWeightFromText("semibold"), SymbolWeight::semibold);
    EXPECT_EQ(symbolWeightFromText("Bold"), SymbolWeight::regular);
}
