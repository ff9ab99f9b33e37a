#include "export/screen_template.h"
#include "model/component_factory.h"

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

KioskScreen templateScreen() {
    KioskScreen screen("Sale: 50% <off>");
    screen.id = QUuid::fromString(QStringLiteral("{11111111-2222-3333-4444-555555555555}"));
    screen.duration = 2;
    screen.resolution = ScreenResolution::presets(ScreenMode::vertical).last();
    screen.background = {BackgroundType::gradient, "#102030", "~/bg.png",
                         GradientStyle{"#FF0000", "#0000FF", GradientDirection::diagonal}};
    screen.transition = {TransitionEffect::wipeUp, 1.25};
    PlacedComponent label = makeComponent(ComponentType::label, {10, 20.5});
    label.properties = {{"text", "A & B"}};
    label.zIndex = 3;
    screen.components = {label};
    return screen;
}

ScreenTemplateError importError(const QByteArray& data) {
    try {
        importScreenXML(data);
    } catch (const ScreenTemplateError& error) {
        return error;
    }
    ADD_FAILURE() << "imported: " << data.toStdString();
    return {};
}

} // namespace

TEST(ScreenTemplateTest, ExportWritesItsOwnLayout) {
    EXPECT_EQ(
        exportScreenXML(templateScreen()).toStdString(),
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<Screen id=\"11111111-2222-3333-4444-555555555555\" name=\"Sale: 50% &lt;off&gt;\" duration=\"3\">\n"
        "    <resolution width=\"1080\" height=\"1920\" mode=\"Vertical\"/>\n"
        "    <background type=\"Gradient\" color=\"#102030\" imagePath=\"~/bg.png\"/>\n"
        "    <transition effect=\"Wipe Up\" duration=\"1.25\"/>\n"
        "    <components>"
        "    <component type=\"Label\" x=\"10.0\" y=\"20.5\" width=\"150.0\" height=\"30.0\" zIndex=\"3\">"
        "    <property name=\"text\" value=\"A &amp; B\"/>"
        "    </component>"
        "    </components>\n</Screen>");
}

TEST(ScreenTemplateTest, ImportReadsBackWhatExportWrote) {
    const KioskScreen original = templateScreen();
    const KioskScreen imported = importScreenXML(exportScreenXML(original).toUtf8());
    EXPECT_EQ(imported.id, original.id);
    EXPECT_EQ(imported.name, original.name);
    EXPECT_EQ(imported.duration, 3);
    EXPECT_EQ(imported.resolution, *ScreenResolution::custom(1080, 1920, ScreenMode::vertical));
    EXPECT_EQ(imported.background,
              (BackgroundStyle{BackgroundType::gradient, "#102030", "~/bg.png", std::nullopt}));
    EXPECT_EQ(imported.transition, original.transition);
    ASSERT_EQ(imported.components.size(), 1);
    EXPECT_EQ(imported.components[0].position, original.components[0].position);
    EXPECT_EQ(imported.components[0].properties, original.components[0].properties);
    EXPECT_NE(imported.components[0].id, original.components[0].id);
    EXPECT_FALSE(imported.schedule);

    KioskScreen scheduled = original;
    scheduled.schedule = ScreenSchedule{QDate(2026, 1, 5), QDate(2026, 2, 1), {6, 7}, {{1080, 1320}}, true};
    EXPECT_EQ(importScreenXML(exportScreenXML(scheduled).toUtf8()).schedule, scheduled.schedule);
}

TEST(ScreenTemplateTest, ImportFallsBackValueByValue) {
    const KioskScreen screen =
        importScreenXML("<Screen id=\"nope\" duration=\"1\"><resolution width=\"abc\" height=\"5\"/>"
                        "<property name=\"orphan\" value=\"x\"/>"
                        "<transition effect=\"Spin\" duration=\"5\"/><background type=\"Pattern\"/>"
                        "<component type=\"Text Area\" x=\"1e3\" zIndex=\"+4\"/><component type=\"text "
                        "area\" zIndex=\"1.5\"/>"
                        "<component type=\"Button\"/><component type=\"MAP\"/><component/>"
                        "<component><property name=\"k\" value=\"1\"/><property name=\"k\" "
                        "value=\"2\"/><property name=\"n\"/>"
                        "</component></Screen>");
    EXPECT_EQ(screen.name, "Screen");
    EXPECT_EQ(screen.duration, 3);
    EXPECT_EQ(screen.resolution, ScreenResolution{});
    EXPECT_EQ(screen.transition, (TransitionStyle{TransitionEffect::none, 2.0}));
    EXPECT_EQ(screen.background, BackgroundStyle{});
    ASSERT_EQ(screen.components.size(), 6);
    EXPECT_EQ(screen.components[0].componentType, ComponentType::textArea);
    EXPECT_EQ(screen.components[0].position.x, 1000);
    EXPECT_EQ(screen.components[0].zIndex, 4);
    EXPECT_EQ(screen.components[1].componentType, ComponentType::label);
    EXPECT_EQ(screen.components[1].zIndex, 0);
    EXPECT_EQ(screen.components[2].componentType, ComponentType::label);
    EXPECT_EQ(screen.components[3].componentType, ComponentType::image);
    EXPECT_EQ(screen.components[4].componentType, ComponentType::label);
    EXPECT_EQ(screen.components[5].properties, (PropertyMap{{"k", "2"}}));
    EXPECT_EQ(importScreenXML("<Screen><transition duration=\"0.1\"/></Screen>").transition.duration, 0.5);
}

TEST(ScreenTemplateTest, OnlyMalformedXmlFails) {
    for (const QByteArray& data :
         {QByteArray(""), QByteArray("not xml"), QByteArray("<Screen><component></Screen>")}) {
        const ScreenTemplateError error = importError(data);
        EXPECT_FALSE(error.description.isEmpty());
    }
    const KioskScreen other = importScreenXML("<Slide name=\"x\"/>");
    EXPECT_EQ(other.name, "Screen");
    EXPECT_TRUE(other.components.isEmpty());
    const QByteArray huge = "<Screen name=\"" + QByteArray(50 * 1024 * 1024, 'a') + "\"/>";
    EXPECT_EQ(importScreenXML(huge).name.size(), 50 * 1024 * 1024);
}

TEST(ScreenTemplateTest, ImportKeepsScreenIdsUnique) {
    KioskProject project;
    project.screens.append(KioskScreen("Second"));
    const QUuid first = project.screens[0].id;
    const QUuid second = project.screens[1].id;

    KioskScreen fromFirst = importScreenXML(exportScreenXML(project.screens[0]).toUtf8());
    EXPECT_EQ(replaceScreenWithTemplate(project, second, fromFirst), second);
    EXPECT_EQ(project.screens[1].name, "Start");
    EXPECT_EQ(project.screens[0].id, first);

    KioskScreen foreign = importScreenXML("<Screen id=\"AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE\" name=\"F\"/>");
    EXPECT_EQ(replaceScreenWithTemplate(project, second, foreign), foreign.id);
    EXPECT_EQ(replaceScreenWithTemplate(project, QUuid::createUuid(), foreign), std::nullopt);
    EXPECT_EQ(templateFileName("Sale: 50% off"), "Sale_ 50_ off.xml");
    EXPECT_EQ(templateFileName("a/b\\c?d*e|f\"g<h>i"), "a_b_c_d_e_f_g_h_i.xml");
}
