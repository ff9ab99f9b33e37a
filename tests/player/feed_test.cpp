#include "export/feed_text.h"
#include "model/component_factory.h"
#include "model/component_properties.h"
#include "player/feed_refresher.h"
#include "player/player_fixture.h"
#include "render/live_components.h"
#include "support/local_nginx.h"
#include "support/manual_scheduler.h"

#include <QNetworkAccessManager>
#include <QTcpServer>
#include <QTest>

using namespace vistrelle;
using namespace vistrelle::test_support;

namespace {

const QByteArray rss = R"(<?xml version="1.0"?>
<rss version="2.0"><channel><title>Library news</title>
<item><title>Film night &lt;b&gt;Friday&lt;/b&gt; &amp; popcorn</title><link>https://example.org/a</link></item>
<item><title><![CDATA[Repair <i>café</i> moves]]></title><description><img src="https://tracker.example/x.png"/></description></item>
</channel></rss>)";

class FeedTest : public PlayerTest {
protected:
    void TearDown() override {
        forgetFetchedFeedTexts();
        PlayerTest::TearDown();
    }
    // A closed port on this machine: a feed there is unreachable.
    static QString closedAddress() {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost);
        return QStringLiteral("http://127.0.0.1:%1/feed.xml").arg(server.serverPort());
    }
    static KioskProject showWithTicker(const QString& feed) {
        KioskProject project;
        project.metadata.name = "News";
        project.settings.deployPassword = "secret";
        PlacedComponent ticker = makeComponent(ComponentType::ticker, {0, 980});
        ticker.properties[PropertyKey::feedUrl] = feed;
        project.screens[0].components = {ticker};
        return project;
    }
};

} // namespace

TEST_F(FeedTest, OnlyTheHeadlinesOfAFeedAreReadAsPlainText) {
    EXPECT_EQ(feedPlainText(rss).value_or("none"), "Film night Friday & popcorn  •  Repair café moves");
    EXPECT_EQ(feedPlainText(R"(<feed xmlns="http://www.w3.org/2005/Atom"><title>Site</title>
<entry><title type="html">One &amp;amp; two</title></entry><entry><title>Three</title></entry></feed>)")
                  .value_or("none"),
              "One & two  •  Three");
    EXPECT_EQ(feedPlainText(R"(<?xml version="1.0"?>
<!DOCTYPE rss PUBLIC "-//Netscape Communications//DTD RSS 0.91//EN" "http://my.netscape.com/publish/formats/rss-0.91.dtd">
<rss version="0.91"><channel><item><title>Price &lt; 5 &gt; 3</title><media:title xmlns:media="http://search.yahoo.com/mrss/">Twice</media:title></item></channel></rss>)")
                  .value_or("none"),
              "Price < 5 > 3")
        << "a document type is read past, another vocabulary's title left out";
    QString why;
    EXPECT_FALSE(feedPlainText(R"(<?xml version="1.0"?><!DOCTYPE rss [
<!ENTITY a "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa">
<!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;"><!ENTITY c "&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;">
<!ENTITY d "&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;"><!ENTITY e "&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;">]>
<rss><channel><item><title>&e;</title></item></channel></rss>)",
                               &why))
        << "entities that would expand to a megabyte are refused";
    EXPECT_FALSE(feedPlainText("<html><body>Not a feed</body></html>", &why));
    EXPECT_FALSE(feedPlainText("garbage", &why));
}

TEST_F(FeedTest, ADeployTakesTheFeedAlongAndGoesOnWithoutOneItCannotReach) {
    makeFile("web/news.xml", rss);
    test::LocalNginx nginx(home.filePath("web"));
    ASSERT_TRUE(nginx.error().isEmpty()) << nginx.error().toStdString();
    KioskProject project = showWithTicker(nginx.url("/news.xml").toString());
    PlacedComponent unreachable = project.screens[0].components[0];
    unreachable.id = QUuid::createUuid();
    unreachable.properties[PropertyKey::feedUrl] = closedAddress();
    project.screens[0].components.append(unreachable);

    KioskDeployManager manager;
    QSignalSpy finished(&manager, &KioskDeployManager::finished);
    manager.deploy(project, destination);
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_EQ(manager.deployStatus().kind, DeployStatus::Kind::success)
        << manager.deployStatus().message.toStdString();
    const QString log = manager.deployLog().join('\n');
    EXPECT_TRUE(log.contains("Fetching feeds...")) << log.toStdString();
    EXPECT_TRUE(log.contains("Feed unreachable: " + unreachable.properties[PropertyKey::feedUrl]));
    QFile xml(destination + "/News.bundle/Contents/Resources/VistrelleData.xml");
    ASSERT_TRUE(xml.open(QIODevice::ReadOnly));
    const QString data = QString::fromUtf8(xml.readAll());
    EXPECT_EQ(
        data.count("name=\"feedSnapshot\" value=\"Film night Friday &amp; popcorn  •  Repair café moves\""),
        1);
    EXPECT_EQ(data.count("name=\"feedSnapshotDate\""), 1);
}

TEST_F(FeedTest, TheDisplayFetchesTheFeedAgainAndKeepsWhatItHasWhenNothingChangedOrItIsOffline) {
    makeFile("web/news.xml", rss);
    test::LocalNginx nginx(home.filePath("web"));
    ASSERT_TRUE(nginx.error().isEmpty());
    const KioskProject project = showWithTicker(nginx.url("/news.xml").toString());
    const PlacedComponent& ticker = project.screens[0].components[0];
    ManualScheduler clock;
    QNetworkAccessManager network;
    FeedRefresher feeds(clock, network);
    feeds.follow(project);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tickerText(ticker).startsWith("Film night"); }, 10000));

    // Another length, so the server's ETag (size and second of change) differs within the second.
    makeFile("web/news.xml", QByteArray(rss).replace("Film night", "Quiz night at eight"));
    clock.advanceBy(FeedRefresher::refreshSeconds);
    EXPECT_TRUE(QTest::qWaitFor([&] { return tickerText(ticker).startsWith("Quiz night"); }, 10000));

    QFile::remove(home.filePath("web/news.xml")); // the server answers 404 now: the last text stays
    clock.advanceBy(FeedRefresher::refreshSeconds);
    QTest::qWait(300);
    EXPECT_TRUE(tickerText(ticker).startsWith("Quiz night"));
}
