#include "app/about_window.h"
#include "app/update_checker.h"
#include "app/update_view.h"

#include "support/local_http_server.h"
#include "support/qt_printers.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace vistrelle;
using vistrelle::test::LocalHttpServer;

namespace {

class AboutWindowTest : public ::testing::Test {
protected:
    AboutWindowTest() { window.show(); }

    // A quiet checker that asks the local server; the window takes it over.
    UpdateChecker* localChecker() {
        auto* checker = new UpdateChecker(server.url("/check_vistrelle.txt"));
        checker->setPrinter([](const QString&) {});
        return checker;
    }
    // Presses "Check for Updates...", which disables itself, and waits until the check has ended.
    void checkForUpdates() {
        window.checkButton()->click();
        EXPECT_TRUE(window.isCheckingUpdate());
        EXPECT_FALSE(window.checkButton()->isEnabled());
        EXPECT_EQ(statusText(), "Checking for updates…");
        ASSERT_TRUE(QTest::qWaitFor([this] { return !window.isCheckingUpdate(); }, 8000));
        EXPECT_TRUE(window.checkButton()->isEnabled());
    }
    QString statusText() const { return window.findChild<QLabel*>("updateStatus")->text(); }

    LocalHttpServer server;
    AboutWindow window{localChecker()};
};

TEST_F(AboutWindowTest, ANewerVersionOpensTheUpdateSheetWhoseDownloadOpensTheAddress) {
    server.answerWith(200, "9.0|Major|Notes|https://example.org/");
    checkForUpdates();

    EXPECT_EQ(window.updateInfo(), (UpdateInfo{"9.0", UpdateType::major, "https://example.org/", "Notes"}));
    EXPECT_FALSE(window.showsNoUpdateMessage());
    QPointer<UpdateView> view = window.updateView();
    ASSERT_TRUE(view);
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->parentWidget(), &window);
    EXPECT_EQ(view->windowModality(), Qt::WindowModal);
    EXPECT_EQ(view->findChild<QLabel*>("version")->text(), "Version 9.0");
    EXPECT_EQ(view->findChild<QPlainTextEdit*>("releaseNotes")->toPlainText(), "Notes");
    EXPECT_TRUE(view->downloadButton()->isDefault());

    QList<QUrl> opened;
    view->setUrlOpener([&opened](const QUrl& url) {
        opened.append(url);
        return true;
    });
    view->downloadButton()->click();
    EXPECT_EQ(opened, QList<QUrl>({QUrl("https://example.org/")}));
    EXPECT_FALSE(view && view->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return view.isNull() && !window.showsUpdateView(); }, 2000));
}

TEST_F(AboutWindowTest, NoNewerVersionIsSaidInPlace) {
    // Not newer, and a failing server: both look the same to the user.
    for (const auto& [status, body] :
         {std::pair{200, QByteArray("3.5.9")}, std::pair{404, QByteArray("9.0")}}) {
        server.answerWith(status, body);
        checkForUpdates();
        EXPECT_TRUE(window.showsNoUpdateMessage()) << status;
        EXPECT_EQ(statusText(), "You're using the latest version") << status;
        EXPECT_FALSE(window.updateInfo()) << status;
        EXPECT_EQ(window.updateView(), nullptr) << status;
    }
}

TEST(UpdateView, CancelAndAddressesThatDoNotParseOnlyClose) {
    // Empty, no scheme, a space in the host; and Cancel on a good address.
    const std::pair<QString, bool> cases[] = {{"", false},
                                              {"example.org/dl", false},
                                              {"http://exa mple.org/", false},
                                              {"https://example.org/", true}};
    for (const auto& [address, cancel] : cases) {
        QPointer<UpdateView> view =
            new UpdateView(UpdateInfo{"9.0", UpdateType::minor, address, std::nullopt});
        int opened = 0;
        view->setUrlOpener([&opened](const QUrl&) { return ++opened > 0; });
        view->open();
        EXPECT_EQ(view->findChild<QPlainTextEdit*>("releaseNotes"), nullptr);

        (cancel ? view->cancelButton() : view->downloadButton())->click();
        EXPECT_EQ(opened, 0) << address.toStdString();
        EXPECT_TRUE(QTest::qWaitFor([&] { return view.isNull(); }, 2000)) << address.toStdString();
    }
}

} // namespace
