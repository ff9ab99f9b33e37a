#include "editor/inspector/style_preset_sheets.h"

#include "platform/preferences.h"
#include "support/qt_printers.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

using namespace vistrelle;

namespace {

template <typename T> T* child(const QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// The rows the sheet shows, in order (replaced rows wait hidden for their deletion).
QList<QWidget*> shownRows(const StylePresetsSheet& sheet) {
    QList<QWidget*> rows;
    for (QWidget* row : sheet.findChildren<QWidget*>(QStringLiteral("presetRow")))
        if (row->isVisibleTo(&sheet))
            rows.append(row);
    return rows;
}

QStringList shownNames(const StylePresetsSheet& sheet) {
    QStringList names;
    for (QWidget* row : shownRows(sheet))
        names.append(child<QLabel>(*row, "presetRowName")->text());
    return names;
}

// Clicks `button` ("apply" or "delete") of the shown row of this preset.
void clickRowButton(const StylePresetsSheet& sheet, const QString& presetName, const char* button) {
    for (QWidget* row : shownRows(sheet))
        if (child<QLabel>(*row, "presetRowName")->text() == presetName) {
            QPushButton* found = child<QPushButton>(*row, button);
            ASSERT_NE(found, nullptr);
            found->click();
            return;
        }
    ADD_FAILURE() << "no row " << presetName.toStdString();
}

bool showsEmptyState(const StylePresetsSheet& sheet) {
    for (QWidget* empty : sheet.findChildren<QWidget*>(QStringLiteral("emptyState")))
        if (empty->isVisibleTo(&sheet))
            return true;
    return false;
}

class StylePresetsSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(store.isValid());
        Preferences::setStoreFolder(store.path());
        manager.emplace();
        manager->add(heading);
        manager->add(caption);
        manager->add(banner);
    }

    static ComponentStylePreset preset(const QString& name, ComponentType type) {
        return ComponentStylePreset{QUuid::createUuid(),
                                    name,
                                    type,
                                    {{"fontSize", "40"}},
                                    QDateTime(QDate(2024, 5, 17), QTime(9, 30))};
    }

    QTemporaryDir store;
    std::optional<StylePresetManager> manager;
    const ComponentStylePreset heading = preset("Heading", ComponentType::title);
    const ComponentStylePreset caption = preset("Caption", ComponentType::label);
    const ComponentStylePreset banner = preset("Banner", ComponentType::title);
};

TEST(SaveStylePresetSheet, SavesAnyNameThatIsNotEmptyAsTyped) {
    SaveStylePresetSheet sheet;
    sheet.open();
    EXPECT_EQ(sheet.windowTitle(), "Save Style Preset");
    auto* name = child<QLineEdit>(sheet, "presetName");
    auto* save = child<QPushButton>(sheet, "save");
    EXPECT_EQ(name->placeholderText(), "Enter a name for this style preset");
    EXPECT_EQ(save->text(), "Save");
    EXPECT_FALSE(save->isEnabled());

    QTest::keyClicks(name, "  ");
    EXPECT_TRUE(save->isEnabled());
    name->clear();
    EXPECT_FALSE(save->isEnabled());

    QTest::keyClicks(name, " Big title ");
    save->click();
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(sheet.presetName(), " Big title ");
}

TEST_F(StylePresetsSheetTest, ListsThePresetsOfItsTypeOrTheEmptyState) {
    StylePresetsSheet titles(*manager, ComponentType::title);
    titles.show();
    EXPECT_EQ(shownNames(titles), (QStringList{"Heading", "Banner"}));
    EXPECT_FALSE(showsEmptyState(titles));
    const QString created = child<QLabel>(*shownRows(titles).first(), "presetCreated")->text();
    EXPECT_TRUE(created.startsWith("Created ")) << created.toStdString();
    EXPECT_TRUE(created.contains("17")) << created.toStdString();

    StylePresetsSheet images(*manager, ComponentType::image);
    images.show();
    EXPECT_TRUE(shownRows(images).isEmpty());
    EXPECT_TRUE(showsEmptyState(images));
    EXPECT_EQ(child<QLabel>(images, "emptyTitle")->text(), "No Style Presets");
}

TEST_F(StylePresetsSheetTest, DeleteRemovesTheRowAtOnce) {
    StylePresetsSheet sheet(*manager, ComponentType::title);
    sheet.show();

    clickRowButton(sheet, "Heading", "delete");
    EXPECT_EQ(manager->presets(), (QList<ComponentStylePreset>{caption, banner}));
    EXPECT_EQ(shownNames(sheet), QStringList{"Banner"});
    EXPECT_TRUE(sheet.isVisible());

    clickRowButton(sheet, "Banner", "delete");
    EXPECT_TRUE(shownRows(sheet).isEmpty());
    EXPECT_TRUE(showsEmptyState(sheet));

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(sheet.findChildren<QWidget*>(QStringLiteral("presetRow")).isEmpty());
    child<QPushButton>(sheet, "done")->click();
    EXPECT_FALSE(sheet.isVisible());
}

TEST_F(StylePresetsSheetTest, ApplyReportsThePresetAndCloses) {
    StylePresetsSheet sheet(*manager, ComponentType::title);
    std::optional<ComponentStylePreset> applied;
    QObject::connect(&sheet, &StylePresetsSheet::applyRequested, &sheet,
                     [&applied](const ComponentStylePreset& preset) { applied = preset; });
    sheet.open();

    clickRowButton(sheet, "Banner", "apply");
    ASSERT_TRUE(applied.has_value());
    EXPECT_EQ(*applied, banner);
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(manager->presets().size(), 3);
}

} // namespace
