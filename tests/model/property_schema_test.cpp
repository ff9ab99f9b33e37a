#include "model/component_factory.h"
#include "model/component_properties.h"
#include "model/project_json_decoder.h"
#include "model/project_json_encoder.h"
#include "model/property_schema.h"
#include "model/stored_enum.h"

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

PlacedComponent componentWith(ComponentType type, const PropertyMap& properties) {
    PlacedComponent component;
    component.componentType = type;
    component.properties = properties;
    return component;
}

} // namespace

TEST(PropertySchemaTest, EveryControlCanShowTheValuesItStoresAndItsDefault) {
    for (const ComponentType type : allCases<ComponentType>()) {
        QSet<QString> keys;
        for (const PropertySpec& entry : propertySchema(type)) {
            SCOPED_TRACE(qPrintable(storedString(type) + u' ' + entry.key));
            EXPECT_FALSE(keys.contains(entry.key)) << "a key listed twice";
            keys.insert(entry.key);
            if (entry.control != PropertyControl::none) {
                EXPECT_NE(entry.label, nullptr);
            }
            if (!entry.choices.isEmpty() && entry.kind == PropertyKind::word) {
                const auto offered = [&](const QString& value) {
                    return std::any_of(entry.choices.cbegin(), entry.choices.cend(),
                                       [&](const PropertyChoice& c) { return c.stored == value; });
                };
                EXPECT_TRUE(offered(entry.fallback));
                if (entry.createdWith) {
                    EXPECT_TRUE(offered(*entry.createdWith));
                }
            }
            if (entry.control == PropertyControl::slider) {
                EXPECT_LT(entry.minimum, entry.maximum);
                const double fallback = entry.fallback.toDouble();
                EXPECT_GE(fallback, entry.minimum);
                EXPECT_LE(fallback, entry.maximum);
            }
        }
    }
}

TEST(PropertySchemaTest, NewComponentsReadBackTheirCreationValuesAfterSaving) {
    for (const ComponentType type : allCases<ComponentType>()) {
        SCOPED_TRACE(qPrintable(storedString(type)));
        const PlacedComponent made = makeComponent(type, {10, 20});
        const PlacedComponent reread = decodeComponentJson(encodeComponentJson(made));
        EXPECT_EQ(reread.properties, made.properties);
        for (const PropertySpec& entry : propertySchema(type)) {
            if (!entry.createdWith)
                continue;
            if (entry.kind == PropertyKind::number) {
                EXPECT_EQ(numberPropertyOf(reread, entry.key), entry.createdWith->toDouble())
                    << qPrintable(entry.key);
            }
            if (entry.kind == PropertyKind::word) {
                EXPECT_EQ(wordProperty(reread, entry.key), *entry.createdWith) << qPrintable(entry.key);
            }
        }
    }
}

TEST(PropertySchemaTest, ReadersFallBackToTheDefaultOfTheComponentsType) {
    namespace K = PropertyKey;
    const PlacedComponent title = componentWith(ComponentType::title, {{K::textAlignment, "justified"}});
    EXPECT_EQ(wordProperty(title, K::textAlignment), "center");
    EXPECT_EQ(numberPropertyOf(title, K::fontSize), 24);
    EXPECT_EQ(numberPropertyOf(componentWith(ComponentType::label, {}), K::fontSize), 14);
    EXPECT_EQ(wordProperty(componentWith(ComponentType::textArea, {}), K::textAlignment), "leading");
    EXPECT_EQ(colorPropertyOf(componentWith(ComponentType::textArea, {}), K::backgroundColor),
              QColor(Qt::white));

    EXPECT_EQ(numberPropertyOf(componentWith(ComponentType::icon, {{K::iconSize, "abc"}}), K::iconSize), 24);
    EXPECT_EQ(numberPropertyOf(componentWith(ComponentType::shape, {}), K::innerRadius), 0.4);
    EXPECT_EQ(integerPropertyOf(componentWith(ComponentType::shape, {{K::points, "+6"}}), K::points), 6);
    EXPECT_EQ(numberPropertyOf(componentWith(ComponentType::video, {}), K::opacity), 1.0);
    // The same key, another default by type.
    EXPECT_EQ(numberPropertyOf(componentWith(ComponentType::image, {}), K::cornerRadius), 0);
    EXPECT_EQ(numberPropertyOf(componentWith(ComponentType::video, {}), K::cornerRadius), 8);
    EXPECT_EQ(wordProperty(componentWith(ComponentType::image, {{K::fittingMode, "zoom"}}), K::fittingMode),
              "fit");
    EXPECT_EQ(wordProperty(componentWith(ComponentType::video, {}), K::fittingMode), "fill");
    EXPECT_EQ(colorPropertyOf(componentWith(ComponentType::shape, {{K::strokeColor, "red"}}), K::strokeColor),
              QColor(0xFF, 0xA5, 0x00))
        << "an unreadable colour reads as the type's default";
}

TEST(PropertySchemaTest, NumbersAreStoredWithTheirKeysDecimals) {
    const PropertySpec* opacity = propertySpec(ComponentType::title, PropertyKey::opacity);
    const PropertySpec* stroke = propertySpec(ComponentType::shape, PropertyKey::strokeWidth);
    const PropertySpec* rotation = propertySpec(ComponentType::shape, PropertyKey::rotation);
    ASSERT_TRUE(opacity && stroke && rotation);
    EXPECT_EQ(storedNumberText(*opacity, 0.35), "0.35");
    EXPECT_EQ(storedNumberText(*opacity, 1), "1.00");
    EXPECT_EQ(storedNumberText(*stroke, 3), "3.0");
    EXPECT_EQ(storedNumberText(*rotation, 89.6), "90");
    EXPECT_EQ(storedNumberText(*rotation, -0.4), "0");
}
