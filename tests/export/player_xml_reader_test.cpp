#include "export/player_xml_reader.h"

#include "export/kiosk_deploy_manager.h"
#include "export/player_xml.h"
#include "export/slide_export.h"
#include "media/image_cache.h"
#include "media/path_resolver.h"
#include "model/component_factory.h"
#include "model/component_properties.h"
#include "model/stored_enum.h"
#include "model/vistrelle_document.h"
#include "render/image_source.h"
#include "render/live_components.h"
#include "support/media_samples.h"
#include "support/temporary_home.h"

#include <QSignalSpy>

using namespace vistrelle;
using namespace vistrelle::test_support;

namespace {

class PlayerXmlReaderTest : public TemporaryHomeTest {
protected:
    // Deploys `project` and reads its player data back from the bundle alone.
    PlayerData deployAndRead(const KioskProject& project) {
        const QString destination = home.filePath("out");
        QDir(destination).removeRecursively();
        QDir().mkpath(destination);
        KioskDeployManager manager;
        QSignalSpy finished(&manager, &KioskDeployManager::finished);
        manager.deploy(project, destination);
        EXPECT_TRUE(finished.wait(60000));
        EXPECT_EQ(manager.deployStatus().kind, DeployStatus::Kind::success)
            << qPrintable(manager.deployStatus().message);
        const QStringList bundles = QDir(destination).entryList({"*.bundle"}, QDir::Dirs);
        EXPECT_EQ(bundles.size(), 1);
        const QString contents = QDir(destination).filePath(bundles.value(0) + "/Contents");
        QFile xml(contents + "/Resources/VistrelleData.xml");
        EXPECT_TRUE(xml.open(QIODevice::ReadOnly));
        return readPlayerXml(xml.readAll(), contents);
    }

    // Every screen of the read project draws as the original does, pixel for pixel.
    void expectSameSlides(const KioskProject& original, const KioskProject& read) {
        ASSERT_EQ(read.screens.size(), original.screens.size());
        BlockingImageSource images(ImageCache::shared());
        for (qsizetype i = 0; i < original.screens.size(); ++i) {
            const QImage expected = renderSlide(original, original.screens[i], images);
            const QImage actual = renderSlide(read, read.screens[i], images);
            ASSERT_FALSE(expected.isNull());
            EXPECT_EQ(actual.convertToFormat(QImage::Format_ARGB32),
                      expected.convertToFormat(QImage::Format_ARGB32))
                << "screen " << i << " " << qPrintable(original.screens[i].name);
        }
    }

    static PlayerXmlError readError(const QByteArray& xml) {
        try {
            readPlayerXml(xml, "/tmp/Contents");
        } catch (const PlayerXmlError& error) {
            return error;
        }
        ADD_FAILURE() << "read without error: " << xml.left(80).constData();
        return {};
    }
};

} // namespace

TEST_F(PlayerXmlReaderTest, EveryComponentBackgroundAndTransitionDrawsAsTheOriginal) {
    freezeRenderMoment(QDateTime(QDate(2026, 12, 24), QTime(18, 30, 15))); // clocks and tickers hold still
    const auto thaw = qScopeGuard([] { freezeRenderMoment({}); });
    KioskProject project;
    project.metadata.name = "Tom & Jerry's <Show>";
    project.metadata.description = "Two\nlines";
    project.settings.deployPassword = "secret";
    project.settings.defaultResolution = {1280, 720, "HD", ScreenMode::horizontal, false};
    const QString picture = makeFile("Pictures/sea.png", pictureBytes("PNG", QColor(20, 120, 200)));
    const QString backdrop = makeFile("Pictures/backdrop.jpg", pictureBytes("JPEG", QColor(200, 80, 30)));
    const QString film = makeFile("Movies/clip.mp4", videoBytes());
    project.screens.clear();
    const auto effects = allCases<TransitionEffect>();
    for (std::size_t i = 0; i < effects.size(); ++i) {
        KioskScreen screen(QStringLiteral("Screen %1").arg(i));
        screen.resolution = project.settings.defaultResolution;
        screen.duration = qint64(i % 3 == 0 ? 1 : 4 + i);
        screen.transition = {effects[i], 0.5 + 0.1 * double(i % 10)};
        switch (i % 4) {
        case 0:
            screen.background = {BackgroundType::color, "#336699", std::nullopt, std::nullopt};
            break;
        case 1:
            screen.background = {BackgroundType::image, "#FFFFFF", backdrop, std::nullopt};
            break;
        default:
            screen.background = {BackgroundType::gradient, "#FFFFFF", std::nullopt,
                                 GradientStyle{"#102030", "#F0E0D0", GradientDirection(i % 3)}};
        }
        qsizetype slot = 0;
        for (ComponentType type : allCases<ComponentType>()) {
            PlacedComponent c =
                makeComponent(type, {40.0 + 150 * double(slot % 8), 60.0 + 200 * double(slot / 8)});
            c.zIndex = qint64((slot * 7 + qsizetype(i)) % 5) - 2;
            ++slot;
            if (type == ComponentType::image)
                c.properties[PropertyKey::imagePath] = picture;
            if (type == ComponentType::video)
                c.properties[PropertyKey::videoPath] = film;
            if (type == ComponentType::label)
                c.properties[PropertyKey::text] = "First line\nsecond\tline & <more>";
            screen.components.append(c);
        }
        project.screens.append(screen);
    }

    const PlayerData read = deployAndRead(project);
    expectSameSlides(project, read.project);
    EXPECT_EQ(read.project.metadata.name, project.metadata.name);
    EXPECT_EQ(read.project.metadata.description, "Two\nlines");
    for (qsizetype i = 0; i < project.screens.size(); ++i) {
        const KioskScreen& s = read.project.screens[i];
        EXPECT_EQ(s.id, project.screens[i].id);
        EXPECT_EQ(s.transition, project.screens[i].transition);
        EXPECT_EQ(s.duration, std::max<qint64>(project.screens[i].duration, 3));
    }
    const PlacedComponent& label = read.project.screens[0].components[2];
    EXPECT_EQ(label.properties.value(PropertyKey::text), "First line\nsecond\tline & <more>")
        << "line breaks and tabs in a value survive the reading";
    EXPECT_TRUE(read.project.screens[0]
                    .components[5]
                    .properties.value(PropertyKey::videoPath)
                    .endsWith("/Contents/Resources/clip.mp4"));
    EXPECT_EQ(read.resources.size(), 3);
}

TEST_F(PlayerXmlReaderTest, TheSampleShowDrawsFromItsBundleAsFromItsDocument) {
    const QString sample = QStringLiteral(VISTRELLE_SOURCE_DIR "/examples/harbour-library-lobby.vistrelle");
    // The sample's media live where the README's first command puts them.
    const QDir media(QStringLiteral(VISTRELLE_SOURCE_DIR "/examples/media"));
    for (const QString& name : media.entryList(QDir::Files)) {
        QFile file(media.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        makeFile("vistrelle-examples/" + name, file.readAll());
    }
    const Result<VistrelleDocument> document = VistrelleDocument::readFile(sample);
    ASSERT_TRUE(document.hasValue());
    const PlayerData read = deployAndRead(document->project);
    expectSameSlides(document->project, read.project);
}

TEST_F(PlayerXmlReaderTest, PropertiesInAnyOrderAndWhitespaceReadTheSame) {
    const QByteArray xml = R"(<?xml version="1.0" encoding="UTF-8"?>
<KioskProject><metadata><name>Lobby</name></metadata>
  <settings><defaultResolution width="800" height="600" mode="Horizontal"/>
  <background type="Color" color="#000000" startColor="" endColor="" direction="" imagePath=""/></settings>
  <screens>
    <screen   duration="7" order="9" name="A"
       id="6F1C2E7A-0000-4000-8000-000000000001">
      <transition duration="1.5" effect="Fade"/>
      <components>
        <component zIndex="3" height="20.5" width="100" y="5" x="10" type="Label">
          <property value="Resources/../../../etc/passwd" name="imagePath"/>
          <property name="text" value="Hi"/>
        </component>
      </components>
    </screen>
  </screens><resources/></KioskProject>)";
    const PlayerData read = readPlayerXml(xml, "/show/Contents");
    ASSERT_EQ(read.project.screens.size(), 1);
    const KioskScreen& screen = read.project.screens.first();
    EXPECT_EQ(screen.name, "A");
    EXPECT_EQ(screen.duration, 7);
    EXPECT_EQ(screen.transition.effect, TransitionEffect::fade);
    ASSERT_EQ(screen.components.size(), 1);
    EXPECT_EQ(screen.components.first().size, (Size{100, 20.5}));
    EXPECT_EQ(screen.components.first().zIndex, 3);
    EXPECT_EQ(screen.components.first().properties.value("text"), "Hi");
    EXPECT_EQ(screen.components.first().properties.value("imagePath"), "") << "no path out of the bundle";
    EXPECT_EQ(read.refusedPaths, QStringList{"Resources/../../../etc/passwd"});
}

TEST_F(PlayerXmlReaderTest, HostileOrBrokenFilesAreRefusedWithTheirPlace) {
    const PlayerXmlError laughs = readError(R"(<?xml version="1.0"?>
<!DOCTYPE lolz [<!ENTITY lol "lol"><!ENTITY lol2 "&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;">]>
<KioskProject><metadata><name>&lol2;</name></metadata></KioskProject>)");
    EXPECT_TRUE(laughs.description.contains("document type")) << laughs.message().toStdString();
    EXPECT_EQ(laughs.line, 2);

    const PlayerXmlError external = readError(R"(<?xml version="1.0"?>
<KioskProject><metadata><name>&xxe;</name></metadata></KioskProject>)");
    EXPECT_EQ(external.line, 2);

    const PlayerXmlError truncated = readError("<?xml version=\"1.0\"?>\n<KioskProject>\n  <screens>");
    EXPECT_EQ(truncated.line, 3);
    EXPECT_TRUE(truncated.message().startsWith("line 3, column ")) << truncated.message().toStdString();

    // A value over three lines comes before the fault: its place is told in the file's own lines.
    const PlayerXmlError afterLongValue = readError(
        "<KioskProject>\n<metadata><name a=\"one\ntwo\nthree\"/>\n  <bad attr=></metadata></KioskProject>");
    EXPECT_EQ(afterLongValue.line, 5) << afterLongValue.message().toStdString();
    const PlayerXmlError besideValue = readError("<KioskProject>\n<name a=\"one\ntwo\" <</KioskProject>");
    EXPECT_EQ(besideValue.line, 3) << besideValue.message().toStdString();
    EXPECT_LT(besideValue.column, 10) << besideValue.message().toStdString();

    EXPECT_FALSE(readError("\x89PNG garbage \x01\x02").description.isEmpty());
    EXPECT_FALSE(readError("").description.isEmpty());
    EXPECT_TRUE(readError("<Screen/>").description.contains("not player data"));
    EXPECT_TRUE(readError(R"(<KioskProject><screens><screen id="x"><components>
<component type="Hologram" x="0" y="0" width="1" height="1" zIndex="0"></component>)")
                    .description.contains("Hologram"));
}

TEST_F(PlayerXmlReaderTest, SchedulesAndOpeningHoursReachTheDisplayAndAnUnreadableOneStopsTheReading) {
    KioskProject project;
    project.screens.append(KioskScreen("Breakfast"));
    project.screens.append(KioskScreen("Fire drill"));
    const ScreenSchedule breakfast{
        QDate(2026, 12, 1), std::nullopt, {1, 2, 3, 4, 5}, {{360, 600}, {1320, 120}}};
    const ScreenSchedule drill{std::nullopt, QDate(2026, 12, 24), {}, {}, true};
    project.screens[1].schedule = breakfast;
    project.screens[2].schedule = drill;
    project.settings.openingHours = ScreenSchedule{{}, {}, {6, 7}, {{480, 1200}}};
    project.settings.deployPassword = "secret";

    const QString xml = generateProjectXML(project, {}, PathResolver());
    EXPECT_TRUE(xml.contains(R"(<schedule from="2026-12-01" until="" weekdays="1,2,3,4,5" )"
                             R"(windows="06:00-10:00 22:00-02:00" alert="false"/>)"));
    EXPECT_EQ(xml.count("<schedule "), 2) << "only the screens with a schedule have one";
    const PlayerData read = deployAndRead(project);
    EXPECT_FALSE(read.project.screens[0].schedule);
    EXPECT_EQ(read.project.screens[1].schedule, breakfast);
    EXPECT_EQ(read.project.screens[2].schedule, drill);
    EXPECT_EQ(read.project.settings.openingHours, project.settings.openingHours);

    for (const char* bad : {R"(windows="6-10")", R"(weekdays="8")", R"(from="Monday")"})
        EXPECT_TRUE(readError(QStringLiteral(R"(<KioskProject><screens><screen id="x"><schedule %1/>)")
                                  .arg(QLatin1StringView(bad))
                                  .toUtf8())
                        .description.contains("schedule"))
            << bad;
}
