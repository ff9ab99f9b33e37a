#include "editing/style_preset_manager.h"

#include "model/uuid_text.h"
#include "platform/preferences.h"
#include "support/qt_printers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

class StylePresetManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(store.isValid());
        Preferences::setStoreFolder(store.path());
    }

    static ComponentStylePreset preset(const QString& name, ComponentType type, PropertyMap properties,
                                       QDateTime created = QDateTime(QDate(2024, 3, 1),
                                                                     QTime(12, 34, 56, 789))) {
        return ComponentStylePreset{QUuid::createUuid(), name, type, std::move(properties), created};
    }

    static QJsonArray storedArray() {
        const std::optional<QByteArray> data = Preferences::data(StylePresetManager::storeKey);
        EXPECT_TRUE(data.has_value());
        return QJsonDocument::fromJson(data.value_or(QByteArray())).array();
    }

    static QStringList names(const QList<ComponentStylePreset>& presets) {
        QStringList result;
        for (const ComponentStylePreset& preset : presets)
            result.append(preset.name);
        return result;
    }

    QTemporaryDir store;
};

const PropertyMap titleStyle{{"fontSize", "48"}, {"textColor", "#FF0000"}, {"isBold", "true"}};

TEST_F(StylePresetManagerTest, ListsPresetsByTypeAndRemovesOnlyTheGivenId) {
    StylePresetManager manager;
    EXPECT_TRUE(manager.presets().isEmpty());
    QSignalSpy changes(&manager, &StylePresetManager::presetsChanged);

    const ComponentStylePreset heading = preset("Heading", ComponentType::title, titleStyle);
    const ComponentStylePreset first = preset("Bold", ComponentType::label, {{"isBold", "true"}});
    const ComponentStylePreset second = preset("Bold", ComponentType::label, {{"isBold", "true"}});
    manager.add(first);
    manager.add(heading);
    manager.add(second);
    EXPECT_EQ(changes.count(), 3);

    EXPECT_EQ(manager.presets(ComponentType::title), QList<ComponentStylePreset>{heading});
    EXPECT_EQ(manager.presets(ComponentType::label), (QList<ComponentStylePreset>{first, second}));
    EXPECT_TRUE(manager.presets(ComponentType::textArea).isEmpty());

    manager.remove(first.id);
    EXPECT_EQ(changes.count(), 4);
    EXPECT_EQ(manager.presets(), (QList<ComponentStylePreset>{heading, second}));
    EXPECT_EQ(StylePresetManager().presets(), (QList<ComponentStylePreset>{heading, second}));
}

TEST_F(StylePresetManagerTest, ANewManagerReadsBackEveryFieldInOrder) {
    const QDateTime now = QDateTime::currentDateTime();
    QList<ComponentStylePreset> saved;
    {
        StylePresetManager manager;
        for (ComponentType type : {ComponentType::shape, ComponentType::title, ComponentType::webView}) {
            saved.append(preset(storedString(type) + " \u00E9 \"style\"", type, titleStyle,
                                now.addSecs(saved.size())));
            manager.add(saved.last());
        }
        saved.append(preset("", ComponentType::icon, {}, now));
        manager.add(saved.last());
    }

    const QList<ComponentStylePreset> loaded = StylePresetManager().presets();
    ASSERT_EQ(loaded.size(), saved.size());
    for (qsizetype i = 0; i < saved.size(); ++i) {
        EXPECT_EQ(loaded[i].id, saved[i].id);
        EXPECT_EQ(loaded[i].name, saved[i].name);
        EXPECT_EQ(loaded[i].componentType, saved[i].componentType);
        EXPECT_EQ(loaded[i].properties, saved[i].properties);
        EXPECT_LE(std::abs(loaded[i].createdDate.msecsTo(saved[i].createdDate)), 1) << i;
    }
}

TEST_F(StylePresetManagerTest, StoresAJsonArrayWithDatesInSecondsSince2001) {
    const QDateTime secondDay(QDate(2001, 1, 2), QTime(0, 0), QTimeZone::utc());
    const ComponentStylePreset early = preset("Early", ComponentType::title, titleStyle, secondDay);
    const ComponentStylePreset late =
        preset("Late", ComponentType::video, {},
               QDateTime(QDate(2024, 1, 1), QTime(0, 0, 0, 500), QTimeZone::utc()));
    StylePresetManager manager;
    manager.add(early);
    manager.add(late);

    const QJsonArray array = storedArray();
    ASSERT_EQ(array.size(), 2);
    const QJsonObject object = array[0].toObject();
    EXPECT_EQ(object.keys(), (QStringList{"componentType", "createdDate", "id", "name", "properties"}));
    EXPECT_EQ(object["id"].toString(), uuidText(early.id));
    EXPECT_EQ(object["id"].toString(), object["id"].toString().toUpper());
    EXPECT_EQ(object["name"].toString(), "Early");
    EXPECT_EQ(object["componentType"].toString(), "Title");
    EXPECT_EQ(object["properties"].toObject(),
              (QJsonObject{{"fontSize", "48"}, {"textColor", "#FF0000"}, {"isBold", "true"}}));
    ASSERT_TRUE(object["createdDate"].isDouble());
    EXPECT_DOUBLE_EQ(object["createdDate"].toDouble(), 86400.0);

    EXPECT_EQ(array[1].toObject()["componentType"].toString(), "Video");
    EXPECT_NEAR(array[1].toObject()["createdDate"].toDouble(), 725760000.5, 1e-6);
}

TEST_F(StylePresetManagerTest, UnreadableStoredDataLoadsAsNoPresetsUntilTheNextAddReplacesIt) {
    const QString id = uuidText(QUuid::createUuid());
    const QString good = QStringLiteral(R"({"id":"%1","name":"Good","componentType":"Label",)"
                                        R"("properties":{"isBold":"true"},"createdDate":0})")
                             .arg(id);
    // Each is stored next to a good entry; any one of them makes the whole list unreadable.
    const QStringList badEntries{
        R"({"id":"not an id","name":"Bad","componentType":"Label","properties":{},"createdDate":0})",
        R"({"id":"{)" + id + R"(}","name":"Bad","componentType":"Label","properties":{},"createdDate":0})",
        R"({"id":")" + id + R"(","componentType":"Label","properties":{},"createdDate":0})",
        R"({"id":")" + id + R"(","name":"Bad","componentType":"Button","properties":{},"createdDate":0})",
        R"({"id":")" + id + R"(","name":"Bad","componentType":"Label","properties":{"x":1},"createdDate":0})",
        R"({"id":")" + id +
            R"(","name":"Bad","componentType":"Label","properties":{},"createdDate":"today"})",
        R"("Bad")",
    };
    {
        Preferences::setValue(StylePresetManager::storeKey, QByteArray("[" + good.toUtf8() + "]"));
        const QList<ComponentStylePreset> loaded = StylePresetManager().presets();
        ASSERT_EQ(loaded.size(), 1);
        EXPECT_EQ(loaded[0].createdDate, QDateTime(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc()));
    }
    for (const QString& bad : badEntries) {
        Preferences::setValue(StylePresetManager::storeKey, QString("[" + good + "," + bad + "]").toUtf8());
        EXPECT_TRUE(StylePresetManager().presets().isEmpty()) << bad.toStdString();
    }
    for (const QByteArray& data : {QByteArray("not json"), QByteArray(R"({"presets":[]})")}) {
        Preferences::setValue(StylePresetManager::storeKey, data);
        EXPECT_TRUE(StylePresetManager().presets().isEmpty()) << data.toStdString();
    }

    StylePresetManager manager;
    const ComponentStylePreset added = preset("Added", ComponentType::image, {{"cornerRadius", "8"}});
    manager.add(added);
    ASSERT_EQ(storedArray().size(), 1);
    EXPECT_EQ(names(StylePresetManager().presets()), QStringList{"Added"});
}

TEST(StylePresets, PresetFromKeepsTheNameAsTypedAndAllProperties) {
    PlacedComponent title;
    title.componentType = ComponentType::title;
    title.properties = titleStyle;
    const QDateTime now = QDateTime::currentDateTime();

    const ComponentStylePreset made = presetFrom(title, "  Big ", now);
    EXPECT_EQ(made.name, "  Big ");
    EXPECT_EQ(made.componentType, ComponentType::title);
    EXPECT_EQ(made.properties, titleStyle);
    EXPECT_EQ(made.createdDate, now);
    EXPECT_FALSE(made.id.isNull());
    EXPECT_NE(made.id, title.id);
    EXPECT_NE(presetFrom(title, "  Big ", now).id, made.id);
}

TEST(StylePresets, ApplyingOverwritesTheNamedPropertiesOnly) {
    PlacedComponent label;
    label.componentType = ComponentType::label;
    label.position = {12.5, 40};
    label.size = {300, 60};
    label.zIndex = 7;
    label.properties = {{"text", "Welcome"}, {"fontSize", "18"}, {"textColor", "#000000"}};
    const ComponentStylePreset style{QUuid::createUuid(),
                                     "Alert",
                                     ComponentType::title,
                                     {{"fontSize", "32"}, {"textColor", "#FF0000"}, {"isBold", "true"}},
                                     QDateTime::currentDateTime()};

    const PlacedComponent applied = withPresetApplied(label, style);
    EXPECT_EQ(
        applied.properties,
        (PropertyMap{{"text", "Welcome"}, {"fontSize", "32"}, {"textColor", "#FF0000"}, {"isBold", "true"}}));
    PlacedComponent expected = label;
    expected.properties = applied.properties;
    EXPECT_EQ(applied, expected);
}

} // namespace
