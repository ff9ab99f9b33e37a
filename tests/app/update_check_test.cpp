#include "app/update_check.h"
#include "app/update_checker.h"

#include "support/local_http_server.h"
#include "support/qt_printers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

namespace vistrelle {
// Readable failures for announced updates.
void PrintTo(const UpdateInfo& update, std::ostream* os) {
    *os << "{" << update.version.toStdString() << ", type " << int(update.type) << ", "
        << update.downloadURL.toStdString() << ", notes " << update.releaseNotes.value_or("-").toStdString()
        << "}";
}
} // namespace vistrelle

using namespace vistrelle;
using vistrelle::test::LocalHttpServer;

namespace {

const QString kSite = QStringLiteral("https://www.quendrix.com");
const QString kDownload = QStringLiteral("https://example.org/dl");

UpdateInfo siteUpdate(const QString& version) {
    return UpdateInfo{version, UpdateType::minor, kSite, std::nullopt};
}

TEST(UpdateResponse, ParsesAndDecides) {
    const std::pair<QByteArray, std::optional<UpdateInfo>> cases[] = {
        // One version alone, or four bar-separated fields (more are ignored; two or three are not enough).
        {"3.6.0", siteUpdate("3.6.0")},
        {"\r\n  3.6.0 \n", siteUpdate("3.6.0")},
        {"3.6.0|Major|Bug fixes|https://example.org/dl",
         UpdateInfo{"3.6.0", UpdateType::major, kDownload, "Bug fixes"}},
        {" 3.6.0 | Hotfix |  | https://example.org/dl \n",
         UpdateInfo{"3.6.0", UpdateType::minor, kDownload, {}}},
        {"3.6.0|Patch|Fixes|https://example.org/dl|more",
         UpdateInfo{"3.6.0", UpdateType::patch, kDownload, "Fixes"}},
        {"3.6.0|major|Fixes|https://example.org/dl",
         UpdateInfo{"3.6.0", UpdateType::minor, kDownload, "Fixes"}},
        {"3.6.0|Major", std::nullopt},
        {"3.6.0|Major|Bug fixes", std::nullopt},
        // Newer means greater as text, not number by number.
        {"3.5.9", std::nullopt},
        {"3.5.9|Major|Same|https://example.org/dl", std::nullopt},
        {"3.10.0", std::nullopt},
        {"3.5.9.1", siteUpdate("3.5.9.1")},
        {"4.0", siteUpdate("4.0")},
        {"360", std::nullopt},
        {"", std::nullopt},
        {" \t\r\n ", std::nullopt},
        {"|||", std::nullopt},
        // The colon form: only the version counts, measured against "3." and U+2248.
        {"4.0:anything", siteUpdate("4.0")},
        {" 4.0 :Major:notes:https://example.org/dl", siteUpdate("4.0")},
        {"3.9:", std::nullopt},
        {"3.6.0:", std::nullopt},
        {"3.\xE2\x89\x88:", std::nullopt},
        {"3.\xE2\x89\x89:", siteUpdate("3.\u2249")},
        {"4:0", std::nullopt},
        {":::", std::nullopt},
    };
    for (const auto& [body, expected] : cases)
        EXPECT_EQ(updateFromResponse(body, [](const QString&) {}), expected) << body.toStdString();
}

TEST(UpdateResponse, PrintsTheRawAndTheParsedForm) {
    const std::pair<QByteArray, QStringList> cases[] = {
        {"3.6.0|Major|Bug fixes|https://example.org/dl\n",
         {"Raw response: '3.6.0|Major|Bug fixes|https://example.org/dl\n'",
          "Parsed components: version='3.6.0', type='Major', notes='Bug fixes', "
          "url='https://example.org/dl'"}},
        {"4.0:anything",
         {"Raw response: '4.0:anything'",
          "Parsed components: version='4.0', type='Minor', notes='', url='https://www.quendrix.com'"}},
        {"3.6.0|Major", {"Raw response: '3.6.0|Major'"}},
        // Not UTF-8 (a bad byte, a bad pair, a sequence cut off): nothing at all.
        {"4.0\xFF", {}},
        {"\xC3\x28 4.0", {}},
        {"4.0\xE2\x89", {}},
    };
    for (const auto& [body, lines] : cases) {
        QStringList printed;
        updateFromResponse(body, [&printed](const QString& line) { printed.append(line); });
        EXPECT_EQ(printed, lines) << body.toHex().toStdString();
    }
    EXPECT_EQ(updateFromResponse("4.0\xFF", [](const QString&) {}), std::nullopt);
}

// The checker against a server on this machine.
class UpdateCheckerTest : public ::testing::Test {
protected:
    void SetUp() override {
        checker.setPrinter([](const QString&) {});
    }

    // Runs one check to its end; fails the test unless every `done` is called exactly once, later.
    std::optional<UpdateInfo> check(int callers = 1) {
        int calls = 0;
        std::optional<UpdateInfo> result;
        for (int i = 0; i < callers; ++i)
            checker.checkForUpdates([&](std::optional<UpdateInfo> update) {
                ++calls;
                result = std::move(update);
            });
        EXPECT_TRUE(checker.isChecking());
        EXPECT_EQ(calls, 0) << "answered before returning";
        EXPECT_TRUE(QTest::qWaitFor([&] { return calls >= callers; }, 8000));
        QCoreApplication::processEvents();
        EXPECT_EQ(calls, callers);
        EXPECT_FALSE(checker.isChecking());
        return result;
    }
    static LocalHttpServer::Response answer(int status, const QByteArray& body,
                                            const QByteArray& location = {}) {
        LocalHttpServer::Response response{status, body, {}, false};
        if (!location.isEmpty())
            response.headers.append({"Location", location});
        return response;
    }

    LocalHttpServer server;
    UpdateChecker checker{server.url("/check_vistrelle.txt")};
};

TEST_F(UpdateCheckerTest, ANewerVersionArrivesThroughTheCallback) {
    const QByteArray moved = server.url("/moved.txt").toEncoded();
    server.setResponder([moved](const LocalHttpServer::Request& request) {
        return request.path == "/moved.txt" ? answer(200, "9.0|Major|Notes|https://example.org/\n")
                                            : answer(302, {}, moved);
    });
    // Two callers while one check runs: both hear its result, from one request and its redirect.
    EXPECT_EQ(check(2), (UpdateInfo{"9.0", UpdateType::major, "https://example.org/", "Notes"}));
    ASSERT_EQ(server.requests().size(), 2);
    EXPECT_EQ(server.requests().first().method, "GET");
    EXPECT_EQ(server.requests().first().path, "/check_vistrelle.txt");
}

TEST_F(UpdateCheckerTest, FailuresEndWithoutAnUpdate) {
    const QByteArray self = server.url("/check_vistrelle.txt").toEncoded();
    const std::pair<const char*, LocalHttpServer::Response> cases[] = {
        {"not found", answer(404, "9.0")},
        {"server error", answer(500, "9.0")},
        {"not newer", answer(200, "3.5.9")},
        {"redirect loop", answer(302, {}, self)},
        // An update that would count if the checker read it all.
        {"10 MB body", answer(200, "9.0" + QByteArray(10 * 1024 * 1024, ' '))},
    };
    for (const auto& [name, response] : cases) {
        server.setResponder([response](const LocalHttpServer::Request&) { return response; });
        EXPECT_EQ(check(), std::nullopt) << name;
    }
}

TEST_F(UpdateCheckerTest, ASilentServerTimesOut) {
    server.setResponder([](const LocalHttpServer::Request&) {
        return LocalHttpServer::Response{200, {}, {}, true};
    });
    checker.setTimeout(std::chrono::milliseconds(300));
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(check(), std::nullopt);
    EXPECT_LT(clock.elapsed(), 5000);
}

} // namespace
