#include "editor/inspector/background_selector.h"

#include "editor/sheets/color_button.h"
#include "support/qt_printers.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>

#include <gtest/gtest.h>

#include <vector>

using namespace vistrelle;

namespace {

class BackgroundSelectorTest : public ::testing::Test {
protected:
    BackgroundSelectorTest()
        : selector([](const QString& file) { return "~/Backgrounds/" + QFileInfo(file).fileName(); }) {
        QObject::connect(&selector, &BackgroundSelector::backgroundEdited, &selector,
                         [this](const BackgroundStyle& style) { reports.push_back(style); });
        selector.show();
    }

    template <typename T> T* child(const char* name) {
        T* found = selector.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void click(const char* name) {
        if (auto* button = child<QAbstractButton>(name))
            button->click();
    }

    BackgroundSelector selector;
    std::vector<BackgroundStyle> reports;
};

GradientStyle gradient(const char* start, const char* end, GradientDirection direction) {
    return {QString::fromLatin1(start), QString::fromLatin1(end), direction};
}

} // namespace

TEST_F(BackgroundSelectorTest, ColorWritesTheChosenColourInUpperCase) {
    BackgroundStyle bound;
    bound.color = "#112233";
    bound.imagePath = "~/old.png";
    selector.setBackground(bound);
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(child<ColorButton>("backgroundColor")->color(), "#112233");

    child<ColorButton>("backgroundColor")->setColor("#a1b2c3");

    ASSERT_EQ(reports.size(), 1u);
    BackgroundStyle expected = bound;
    expected.color = "#A1B2C3";
    EXPECT_TRUE(reports.back() == expected) << reports.back().color.toStdString();
}

TEST_F(BackgroundSelectorTest, GradientStartsFromBlueToPurpleAndTakesPresetsAndCustomValues) {
    selector.setBackground(BackgroundStyle{});
    click("typeGradient");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports.back().type, BackgroundType::gradient);
    EXPECT_EQ(reports.back().color, "#FFFFFF");
    EXPECT_EQ(reports.back().gradient, gradient("#007AFF", "#AF52DE", GradientDirection::vertical));

    click("gradientOcean");
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports.back().gradient, gradient("#007AFF", "#32ADE6", GradientDirection::vertical));
    EXPECT_TRUE(child<QAbstractButton>("gradientOcean")->isChecked());
    click("gradientMidnight");
    EXPECT_EQ(reports.back().gradient, gradient("#000000", "#007AFF", GradientDirection::vertical));
    EXPECT_FALSE(child<QAbstractButton>("gradientOcean")->isChecked());

    child<ColorButton>("gradientEnd")->setColor("#abcdef");
    EXPECT_EQ(reports.back().gradient, gradient("#000000", "#ABCDEF", GradientDirection::vertical));
    EXPECT_FALSE(child<QAbstractButton>("gradientMidnight")->isChecked());

    auto* direction = child<QComboBox>("gradientDirection");
    direction->setCurrentIndex(direction->findText("Diagonal"));
    emit direction->activated(direction->currentIndex());
    ASSERT_EQ(reports.size(), 5u);
    EXPECT_EQ(reports.back().gradient, gradient("#000000", "#ABCDEF", GradientDirection::diagonal));
    EXPECT_EQ(reports.back().type, BackgroundType::gradient);
}

TEST_F(BackgroundSelectorTest, ShowsAStyleSilentlyAndASwitchWritesThatTypesValues) {
    BackgroundStyle bound;
    bound.type = BackgroundType::gradient;
    bound.color = "#abcdef";
    bound.gradient = gradient("#ff3b30", "#FF9500", GradientDirection::horizontal);
    bound.imagePath = "~/a.png";
    selector.setBackground(bound);
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(child<ColorButton>("gradientStart")->color(), "#FF3B30");
    EXPECT_EQ(child<QComboBox>("gradientDirection")->currentText(), "Horizontal");
    EXPECT_TRUE(child<QAbstractButton>("gradientFire")->isChecked());
    EXPECT_TRUE(child<QAbstractButton>("typeGradient")->isChecked());

    click("typeGradient"); // already shown: no change
    EXPECT_TRUE(reports.empty());

    click("typeColor");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports.back().type, BackgroundType::color);
    EXPECT_EQ(reports.back().color, "#ABCDEF");
    EXPECT_EQ(reports.back().gradient, bound.gradient);

    click("typeImage");
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports.back().type, BackgroundType::image);
    EXPECT_EQ(reports.back().imagePath, std::optional<QString>("~/a.png"));
}

TEST_F(BackgroundSelectorTest, ImageStoresThePickedFileAndRemoveClearsIt) {
    BackgroundStyle bound;
    bound.type = BackgroundType::image;
    selector.setBackground(bound);
    EXPECT_TRUE(child<QAbstractButton>("chooseImage")->isVisible());
    EXPECT_FALSE(child<QAbstractButton>("removeImage")->isVisible());

    click("chooseImage");
    auto* dialog = child<QFileDialog>("backgroundImageDialog");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Select background image");
    EXPECT_TRUE(dialog->isVisible());
    emit dialog->fileSelected("/srv/pictures/beach.png");
    dialog->reject();

    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports.back().type, BackgroundType::image);
    EXPECT_EQ(reports.back().imagePath, std::optional<QString>("~/Backgrounds/beach.png"));
    EXPECT_EQ(child<QLabel>("imageName")->text(), "beach.png");
    EXPECT_TRUE(child<QAbstractButton>("changeImage")->isVisible());

    click("removeImage");
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports.back().imagePath, std::nullopt);
    EXPECT_TRUE(child<QAbstractButton>("chooseImage")->isVisible());
}

TEST_F(BackgroundSelectorTest, TakesTheHeightOfTheKindShownNotOfTheTallest) {
    BackgroundStyle style;
    style.type = BackgroundType::gradient;
    selector.setBackground(style);
    const int gradientHeight = selector.sizeHint().height();
    style.type = BackgroundType::color;
    selector.setBackground(style);
    EXPECT_LT(selector.sizeHint().height(), gradientHeight / 2) << "no empty space under the colour row";
}
