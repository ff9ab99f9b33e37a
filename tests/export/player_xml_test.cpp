#include "export/player_xml.h"
#include "media/path_resolver.h"
#include "model/component_factory.h"
#include "model/uuid_text.h"

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

const QUuid firstId = QUuid::fromString(QStringLiteral("{11111111-2222-3333-4444-555555555555}"));
const QUuid secondId = QUuid::fromString(QStringLiteral("{AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE}"));

KioskProject sampleProject() {
    KioskProject project;
    project.metadata.name = "Tom & Jerry's <Show>";
    project.metadata.version = "2.0";
    project.metadata.description = "Line 1\nLine 2";
    project.settings.deployPassword = "pw\"1";
    project.settings.defaultBackground = {BackgroundType::image, "#FFFFFF", "/home/show/wall.jpg",
                                          std::nullopt};

    KioskScreen& first = project.screens[0];
    first.id = firstId;
    first.name = "Start";
    first.duration = 1;
    first.order = 7;
    first.transition = {TransitionEffect::crossFade, 0.5};
    PlacedComponent image = makeComponent(ComponentType::image, {100, 50});
    image.size = {200, 80.5};
    image.zIndex = -1;
    image.properties = {{"imagePath", "~/wall.jpg"}, {"cornerRadius", "8"}};
    PlacedComponent title = makeComponent(ComponentType::title, {0, 0});
    title.properties = {{"imagePath", "/not/gathered.png"}, {"text", "Hi"}};
    PlacedComponent video = makeComponent(ComponentType::video, {1e-05, 0});
    video.properties = {{"videoPath", "/clips/clip.MOV"}};
    first.components = {image, title, video};

    KioskScreen second("Second");
    second.id = secondId;
    second.duration = 10;
    second.resolution = ScreenResolution::presets(ScreenMode::vertical).first();
    second.background = {BackgroundType::gradient, "#000000", std::nullopt, std::nullopt};
    project.screens.append(second);
    return project;
}

} // namespace

TEST(PlayerXmlTest, WritesEveryPieceByteForByte) {
    const QByteArray previousHome = qgetenv("HOME");
    qputenv("HOME", "/home/show");
    const PathResolver& resolver = PathResolver::shared();
    const KioskProject project = sampleProject();
    const QString xml = generateProjectXML(project, buildResourceNameMap(project, resolver), resolver);
    const QString expected = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<KioskProject>\n    <metadata>\n"
        "        <name>Tom &amp; Jerry&apos;s &lt;Show&gt;</name>\n"
        "        <version>2.0</version>\n"
        "        <description>Line 1\nLine 2</description>\n"
        "        <deployPassword>pw&quot;1</deployPassword>\n"
        "    </metadata>\n    <settings>\n"
        "        <defaultResolution width=\"1024\" height=\"768\" mode=\"Horizontal\"/>\n"
        "        <background type=\"Image\"                    color=\"#FFFFFF\"                    "
        "startColor=\"\""
        "                    endColor=\"\"                    direction=\"\"                    "
        "imagePath=\"Resources/wall.jpg\"/>\n"
        "    </settings>\n    <screens>"
        "    <screen id=\"11111111-2222-3333-4444-555555555555\" name=\"Start\" order=\"0\" duration=\"3\">\n"
        "        <resolution width=\"1024\" height=\"768\" mode=\"Horizontal\"/>\n"
        "        <background type=\"Color\" color=\"#FFFFFF\"/>\n"
        "        <transition effect=\"Cross Fade\" duration=\"0.5\"/>\n"
        "        <components>"
        "        <component type=\"Image\" \n                   x=\"100.0\" \n                   y=\"50.0\" "
        "\n"
        "                   width=\"200.0\" \n                   height=\"80.5\"\n                   "
        "zIndex=\"-1\">"
        "        <property name=\"cornerRadius\" value=\"8\"/>"
        "        <property name=\"imagePath\" value=\"Resources/wall.jpg\"/>"
        "        </component>"
        "        <component type=\"Title\" \n                   x=\"0.0\" \n                   y=\"0.0\" \n"
        "                   width=\"200.0\" \n                   height=\"60.0\"\n                   "
        "zIndex=\"0\">"
        "        <property name=\"imagePath\" value=\"\"/>"
        "        <property name=\"text\" value=\"Hi\"/>"
        "        </component>"
        "        <component type=\"Video\" \n                   x=\"1e-05\" \n                   y=\"0.0\" \n"
        "                   width=\"320.0\" \n                   height=\"180.0\"\n                   "
        "zIndex=\"0\">"
        "        <property name=\"videoPath\" value=\"Resources/clip.MOV\"/>"
        "        </component>"
        "        </components>\n    </screen>"
        "    <screen id=\"AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE\" name=\"Second\" order=\"1\" "
        "duration=\"10\">\n"
        "        <resolution width=\"768\" height=\"1024\" mode=\"Vertical\"/>\n"
        "        <background type=\"Gradient\" startColor=\"#FFFFFF\" endColor=\"#000000\" "
        "direction=\"Vertical\"/>\n"
        "        <transition effect=\"None\" duration=\"1.0\"/>\n"
        "        <components>        </components>\n    </screen>"
        "    </screens>\n    <resources>"
        "    <resource name=\"clip.MOV\" type=\"video\" path=\"Resources/clip.MOV\"/>"
        "    <resource name=\"wall.jpg\" type=\"image\" path=\"Resources/wall.jpg\"/>"
        "    </resources>\n</KioskProject>");
    EXPECT_EQ(xml.toStdString(), expected.toStdString());
    qputenv("HOME", previousHome);
}

TEST(PlayerXmlTest, AProjectWithoutMediaHasAnEmptyResourcesLine) {
    KioskProject project;
    const QString xml = generateProjectXML(project, {}, PathResolver::shared());
    EXPECT_TRUE(xml.endsWith("    </screens>\n    <resources>    </resources>\n</KioskProject>"));
}
