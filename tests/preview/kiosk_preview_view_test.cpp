#include "model/color_text.h"
#include "model/component_factory.h"
#include "model/component_properties.h"
#include "preview/kiosk_preview_view.h"
#include "preview/live_component_ticks.h"
#include "preview/live_media.h"
#include "preview/preview_alert_card.h"
#include "preview/preview_page_error.h"
#include "preview/screen_layers.h"
#include "render/live_components.h"
#include "support/log_capture.h"
#include "support/manual_scheduler.h"
#include "support/qt_printers.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

KioskScreen plainScreen(QColor color, qint64 width = 320, qint64 height = 200) {
    KioskScreen screen(QStringLiteral("Plain"));
    screen.resolution.width = width;
    screen.resolution.height = height;
    screen.background.type = BackgroundType::color;
    screen.background.color = formatColor(color).value_or(QString());
    screen.duration = 3;
    screen.transition.effect = TransitionEffect::crossFade;
    screen.transition.duration = 1.0;
    return screen;
}

PlacedComponent componentAt(ComponentType type, double x, double y, double width, double height) {
    PlacedComponent component;
    component.componentType = type;
    component.position = {x, y};
    component.size = {width, height};
    return component;
}

// Videos whose frames the test hands in.
class FakeVideo : public LiveVideo {
public:
    FakeVideo(Options options, int& destroyed)
        : options(std::move(options))
        , destroyed_(destroyed) {}
    ~FakeVideo() override { ++destroyed_; }
    void play() override { playing = true; }
    void pause() override { playing = false; }
    bool isPlaying() const override { return playing; }
    QImage currentFrame() const override { return frame; }

    Options options;
    bool playing = false;
    QImage frame;

private:
    int& destroyed_;
};

// Pages that only remember what they were asked to show.
class FakeWebView : public LiveWebView {
public:
    FakeWebView(Options options, QWidget* parent)
        : options(std::move(options))
        , page(new QWidget(parent)) {}
    ~FakeWebView() override { delete page.data(); }
    QWidget* widget() override { return page; }
    void show(const QUrl& address, const QString& html) override {
        url = address;
        shownHtml = html;
    }
    QImage snapshot() override { return {}; }
    void setZoom(double) override {}

    Options options;
    QPointer<QWidget> page;
    QUrl url;
    QString shownHtml;
};

class FakeWebSession : public LiveWebSession {
public:
    explicit FakeWebSession(QList<FakeWebView*>& views)
        : views_(views) {}
    std::unique_ptr<LiveWebView> createWebView(const LiveWebView::Options& options,
                                               QWidget* parent) override {
        auto view = std::make_unique<FakeWebView>(options, parent);
        views_.append(view.get());
        return view;
    }

private:
    QList<FakeWebView*>& views_;
};

class FakeMedia : public LiveMediaFactory {
public:
    std::unique_ptr<LiveVideo> createVideo(LiveVideo::Options options) override {
        auto video = std::make_unique<FakeVideo>(std::move(options), destroyedVideos);
        videos.append(video.get());
        return video;
    }
    std::unique_ptr<LiveWebSession> createWebSession() override {
        return std::make_unique<FakeWebSession>(pages);
    }

    QList<FakeVideo*> videos;
    QList<FakeWebView*> pages;
    int destroyedVideos = 0;
};

class PreviewViewTest : public ::testing::Test {
protected:
    // At 100 % unless `fitted` (where the preview starts): the tests below place pixels at full size.
    void open(QList<KioskScreen> screens, QSize size = QSize(640, 400), bool fillsView = false,
              bool fitted = false) {
        KioskProject project;
        project.screens = std::move(screens);
        if (!project.screens.isEmpty())
            project.settings.defaultResolution = project.screens.first().resolution;
        KioskPreviewView::Services services;
        services.fillsView = fillsView;
        auto scheduler = std::make_unique<ManualScheduler>();
        clock = scheduler.get();
        services.scheduler = std::move(scheduler);
        services.liveMedia = &media;
        services.printLine = [this](const QString& line) { printed.append(line); };
        view = std::make_unique<KioskPreviewView>(project, std::move(services));
        view->resize(size);
        view->show();
        if (!fitted && !fillsView)
            view->showActualSize();
    }
    QColor pixel(int x, int y) { return view->grab().toImage().pixelColor(x, y); }
    void at(double seconds) { clock->advanceTo(1000 + seconds); }

    FakeMedia media;
    ManualScheduler* clock = nullptr;
    std::unique_ptr<KioskPreviewView> view;
    QStringList printed;
};

TEST_F(PreviewViewTest, TheScreenIsCentredAtFullSizeOnBlackWithAGreyBorder) {
    open({plainScreen(Qt::red)});
    const QImage frame = view->grab().toImage();
    EXPECT_EQ(frame.pixelColor(10, 10), QColor(Qt::black));
    EXPECT_EQ(frame.pixelColor(320, 200), QColor(Qt::red));
    EXPECT_EQ(frame.pixelColor(160 + 5, 100 + 5), QColor(Qt::red)); // one point in: no longer the border
    EXPECT_EQ(frame.pixelColor(160, 200), QColor(0x8E, 0x8E, 0x93));
    EXPECT_EQ(frame.pixelColor(159, 200), QColor(Qt::black));
    view->zoomOut();
    EXPECT_EQ(view->zoomLabel(), QStringLiteral("90%"));
    EXPECT_EQ(pixel(320 - 144 - 2, 200), QColor(Qt::black)); // 288 × 180 now
    EXPECT_EQ(pixel(320 - 140, 200), QColor(Qt::red));
}

TEST_F(PreviewViewTest, ThePreviewStartsWithTheWholeScreenInTheWindowAndOneClickShowsItAtFullSize) {
    open({plainScreen(Qt::red)}, QSize(640, 400), false, true);
    EXPECT_TRUE(view->isFitting());
    EXPECT_EQ(view->zoomLabel(), QStringLiteral("200%")) << "320 × 200 filling 640 × 400";
    EXPECT_EQ(pixel(5, 200), QColor(Qt::red));
    QToolButton* size = nullptr;
    for (QToolButton* button : view->findChildren<QToolButton*>())
        if (button->text() == QStringLiteral("100%"))
            size = button;
    ASSERT_TRUE(size);
    QTest::mouseClick(size, Qt::LeftButton);
    EXPECT_EQ(view->zoomLabel(), QStringLiteral("100%"));
    EXPECT_EQ(pixel(5, 200), QColor(Qt::black));
    EXPECT_EQ(size->text(), QStringLiteral("Fit"));
    view->resize(800, 500); // at 100 % a larger window leaves the screen as it is
    EXPECT_EQ(view->zoomLabel(), QStringLiteral("100%"));
    QTest::keyClick(view.get(), Qt::Key_9, Qt::ControlModifier);
    EXPECT_EQ(view->zoomLabel(), QStringLiteral("250%"));
    QTest::keyClick(view.get(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(view->zoomLabel(), QStringLiteral("100%"));
}

TEST_F(PreviewViewTest, ATransitionIsComposedFromBothScreensAndFitsAnotherResolution) {
    open({plainScreen(Qt::red), plainScreen(Qt::blue, 160, 200)});
    at(3.5); // halfway through the cross fade: each layer at half strength, the incoming one on top
    const QColor middle = pixel(320, 200);
    EXPECT_NEAR(middle.red(), 64, 8);
    EXPECT_NEAR(middle.blue(), 128, 8);
    // The taller-than-wide screen is fitted into the outgoing frame: beside it the red one shows alone.
    EXPECT_NEAR(pixel(180, 200).red(), 128, 8);
    EXPECT_EQ(pixel(180, 200).blue(), 0);
    at(4.02);
    EXPECT_EQ(pixel(320, 200), QColor(Qt::blue));
    EXPECT_EQ(pixel(180, 200), QColor(Qt::black)); // 160 wide now
}

TEST_F(PreviewViewTest, EscapeAndOnlyEscapeAsksToClose) {
    open({plainScreen(Qt::red), plainScreen(Qt::blue)});
    QSignalSpy closing(view.get(), &KioskPreviewView::closeRequested);
    for (Qt::Key key :
         {Qt::Key_Right, Qt::Key_Left, Qt::Key_Space, Qt::Key_Return, Qt::Key_Q, Qt::Key_PageDown})
        QTest::keyClick(view.get(), key);
    EXPECT_EQ(closing.count(), 0);
    EXPECT_EQ(view->playback().currentScreenIndex(), 0);
    QTest::keyClick(view->findChild<QToolButton*>(), Qt::Key_Escape); // from any widget of the window
    EXPECT_EQ(closing.count(), 1);
    for (QToolButton* button : view->findChildren<QToolButton*>())
        if (button->toolTip().startsWith(QStringLiteral("Close")))
            button->click();
    EXPECT_EQ(closing.count(), 2);
}

TEST_F(PreviewViewTest, ImageButtonsActWhereTheyAreDrawnAndTheAlertCardIsDismissed) {
    KioskScreen first = plainScreen(Qt::red);
    PlacedComponent turned = componentAt(ComponentType::image, 100, 80, 120, 40);
    turned.properties[PropertyKey::rotation] = QStringLiteral("90");
    turned.properties[PropertyKey::actionCategory] = QStringLiteral("navigation");
    turned.properties[PropertyKey::targetScreenId] = QStringLiteral("screen_2");
    PlacedComponent alert = componentAt(ComponentType::image, 0, 0, 60, 60);
    alert.properties[PropertyKey::actionCategory] = QStringLiteral("alert");
    alert.properties[PropertyKey::alertTitle] = QStringLiteral("Closed");
    alert.properties[PropertyKey::alertMessage] = QStringLiteral("Back at nine");
    first.components = {turned, alert};
    open({first, plainScreen(Qt::green), plainScreen(Qt::blue)});
    const QPointF screenCorner(160, 100);

    // Turned upright about its centre (160, 100), it covers x 140…180, y 40…160 of the screen.
    view->clickAt(screenCorner + QPointF(105, 100)); // inside the unturned frame only
    EXPECT_EQ(view->playback().currentScreenIndex(), 0);
    view->clickAt(screenCorner + QPointF(160, 150));
    EXPECT_EQ(view->playback().currentScreenIndex(), 2);

    view->playback().jumpToScreen(0);
    QPalette black = view->palette(); // as the preview window has it
    black.setColor(QPalette::Window, Qt::black);
    view->setPalette(black);
    view->clickAt(screenCorner + QPointF(30, 30));
    auto* card = view->findChild<PreviewAlertCard*>();
    ASSERT_TRUE(card && card->isVisible());
    // Dark lettering on a light card, whatever the black window around it.
    const QLabel* title = nullptr;
    for (const QLabel* label : card->findChildren<QLabel*>())
        if (label->text() == QStringLiteral("Closed"))
            title = label;
    ASSERT_NE(title, nullptr);
    const QPoint beside = title->mapTo(view.get(), QPoint(-8, title->height() / 2));
    EXPECT_GT(pixel(beside.x(), beside.y()).lightness(), 200);
    EXPECT_LT(title->palette().color(QPalette::WindowText).lightness(), 100);
    QTest::keyClick(card, Qt::Key_Return);
    EXPECT_FALSE(card->isVisible());
    EXPECT_FALSE(view->playback().showingAlert());
    view->clickAt(screenCorner + QPointF(30, 30));
    ASSERT_TRUE(card->isVisible());
    QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(5, 5)); // beside the card
    EXPECT_FALSE(card->isVisible());
}

TEST_F(PreviewViewTest, VideosPlayInsideTheLayerAndWaitForAClickWithoutAutoplay) {
    KioskScreen screen = plainScreen(Qt::white);
    PlacedComponent video = componentAt(ComponentType::video, 20, 20, 200, 100);
    video.properties[PropertyKey::videoPath] =
        QStringLiteral(VISTRELLE_SOURCE_DIR "/examples/media/welcome.mp4");
    video.properties[PropertyKey::fittingMode] = QStringLiteral("stretch");
    PlacedComponent missing = componentAt(ComponentType::video, 20, 140, 100, 50);
    missing.properties[PropertyKey::videoPath] = QStringLiteral("/no/such/film.mp4");
    screen.components = {video, missing};
    test_support::LogCapture log;
    open({screen});
    EXPECT_TRUE(
        log.errorMessages().contains(QStringLiteral("Failed to resolve video URL for: /no/such/film.mp4")));
    EXPECT_EQ(pixel(160 + 30, 100 + 170), QColor(Qt::red));

    ASSERT_EQ(media.videos.size(), 1);
    FakeVideo* player = media.videos.front();
    EXPECT_FALSE(player->playing);
    const QPoint playButton(160 + 120, 100 + 70);
    EXPECT_EQ(pixel(playButton.x() - 18, playButton.y()), QColor(Qt::white)); // the button's ring
    view->clickAt(playButton);
    EXPECT_TRUE(player->playing);
    player->frame = QImage(16, 9, QImage::Format_RGB32);
    player->frame.fill(Qt::green);
    player->options.frameArrived();
    EXPECT_EQ(pixel(playButton.x() - 18, playButton.y()), QColor(Qt::green));
}

TEST_F(PreviewViewTest, AFilmLeftIsPausedAndStopsOnlyOnceAStillScreenIsUp) {
    KioskScreen film = plainScreen(Qt::white);
    PlacedComponent video = componentAt(ComponentType::video, 20, 20, 200, 100);
    video.properties[PropertyKey::videoPath] =
        QStringLiteral(VISTRELLE_SOURCE_DIR "/examples/media/welcome.mp4");
    video.properties[PropertyKey::isAutoplay] = QStringLiteral("true");
    film.components = {video};
    open({film, plainScreen(Qt::blue)});
    ASSERT_EQ(media.videos.size(), 1);
    EXPECT_TRUE(media.videos.front()->playing);
    at(3.5); // the cross fade: the film plays on
    EXPECT_TRUE(media.videos.front()->playing);
    at(4.1); // the still screen is up: the film pauses, but stopping it would hold this frame
    EXPECT_FALSE(media.videos.front()->playing);
    EXPECT_EQ(media.destroyedVideos, 0);
    at(4.5);
    EXPECT_EQ(media.destroyedVideos, 1);
}

TEST_F(PreviewViewTest, OnADisplayTheShowFillsTheViewAndNoDialogOrKeyStopsIt) {
    KioskScreen screen = plainScreen(Qt::white);
    PlacedComponent page = componentAt(ComponentType::webView, 160, 100, 160, 100);
    page.properties[PropertyKey::url] = QStringLiteral("https://example.org");
    screen.components = {page};
    open({screen}, QSize(640, 400), true);
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(view->previewScale(), 2.0);
    EXPECT_EQ(pixel(1, 1), QColor(Qt::white)) << "edge to edge, without the preview's border";
    ASSERT_EQ(media.pages.size(), 1);
    EXPECT_TRUE(media.pages.first()->options.unattended);
    EXPECT_EQ(media.pages.first()->page->geometry(), QRect(320, 200, 320, 200));
    // Turned a quarter for a portrait panel: upright over the page's place on the turned screen.
    media.pages.clear();
    KioskProject turnedShow;
    turnedShow.screens = {screen};
    turnedShow.settings.defaultResolution = screen.resolution;
    KioskPreviewView::Services services;
    services.scheduler = std::make_unique<ManualScheduler>();
    services.liveMedia = &media;
    services.fillsView = true;
    services.rotation = 90;
    KioskPreviewView turned(turnedShow, std::move(services));
    turned.resize(400, 640);
    turned.show();
    QApplication::processEvents();
    ASSERT_EQ(media.pages.size(), 1);
    EXPECT_EQ(media.pages.first()->page->geometry(), QRect(0, 320, 200, 320));
    QSignalSpy close(view.get(), &KioskPreviewView::closeRequested);
    QTest::keyClick(view.get(), Qt::Key_Escape);
    EXPECT_EQ(close.count(), 0);
}

TEST_F(PreviewViewTest, AHundredScreenShowHoldsAtMostThreeLayers) {
    QList<KioskScreen> screens;
    for (int i = 0; i < 100; ++i)
        screens.append(plainScreen(QColor::fromHsv(i * 3, 255, 255)));
    open(screens);
    int most = 0;
    for (double t = 0; t < 60; t += 0.25) {
        at(t);
        view->grab(); // a frame, as the screen would draw
        if (int(t * 4) % 37 == 0)
            view->playback().handleButtonAction(QStringLiteral("screen_") + QString::number(int(t * 7) % 100),
                                                view->playback().project().screens.front());
        most = std::max(most, view->layerCount());
    }
    EXPECT_LE(most, 3) << "the screen shown, the one coming and the one leaving";
    EXPECT_GE(most, 2);
}

TEST_F(PreviewViewTest, ScreensTooLargeOrMissingStillPlay) {
    open({});
    const QImage empty = view->grab().toImage();
    bool lettering = false;
    for (int x = 0; x < empty.width(); ++x)
        lettering |= empty.pixelColor(x, 200).lightness() > 128;
    EXPECT_TRUE(lettering); // "No screens available"

    open({plainScreen(Qt::yellow, 16384, 16384), plainScreen(Qt::cyan, 0, 0), plainScreen(Qt::blue)});
    EXPECT_EQ(pixel(320, 200), QColor(Qt::yellow));
    ScreenLayers layers(view->playback().project());
    const QImage huge = layers.layer(0, {});
    EXPECT_LE(double(huge.width()) * huge.height(), 4096.0 * 4096.0);
    for (double t = 0; t < 12; t += 0.1) {
        at(t);
        view->grab();
    }
    EXPECT_EQ(view->playback().currentScreenIndex(), 2);
}

} // namespace

TEST_F(PreviewViewTest, APageThatCannotBeShownSaysWhyInItsFrame) {
    KioskScreen screen = plainScreen(Qt::white);
    PlacedComponent typed = componentAt(ComponentType::webView, 0, 0, 200, 100);
    typed.properties[PropertyKey::url] = QStringLiteral("www.example.org"); // as older documents hold it
    PlacedComponent local = componentAt(ComponentType::webView, 220, 0, 200, 100);
    local.properties[PropertyKey::url] = QStringLiteral("/var/www/board.html");
    screen.components = {typed, local};
    open({screen});
    QApplication::processEvents();

    ASSERT_EQ(media.pages.size(), 1) << "an address that is no web page gets no page";
    EXPECT_EQ(media.pages.first()->url, QUrl("https://www.example.org"));
    QList<PreviewPageError*> cards = view->findChildren<PreviewPageError*>();
    ASSERT_EQ(cards.size(), 1);
    EXPECT_EQ(cards.first()->address(), "/var/www/board.html");
    EXPECT_TRUE(cards.first()->isVisible());
    EXPECT_TRUE(cards.first()->reason().contains("http://"));

    // The engine could not reach the page: its card takes the page's place.
    const QRect frame = media.pages.first()->page->geometry();
    media.pages.first()->options.loadFailed(QStringLiteral("Host not found"));
    cards = view->findChildren<PreviewPageError*>();
    ASSERT_EQ(cards.size(), 2);
    PreviewPageError* failed =
        cards.first()->address() == "https://www.example.org" ? cards.first() : cards.last();
    EXPECT_EQ(failed->reason(), "Host not found");
    EXPECT_EQ(failed->geometry(), frame);
    EXPECT_TRUE(failed->isVisible());
    EXPECT_FALSE(media.pages.first()->page->isVisible());
}

TEST_F(PreviewViewTest, ATickerScrollsFrameByFrameAndAClockTurnsWithTheSecond) {
    KioskScreen screen = plainScreen(Qt::white);
    PlacedComponent ticker = makeComponent(ComponentType::ticker, {0, 150});
    ticker.size = {320, 50};
    ticker.properties[PropertyKey::text] = "WWWWWWWWWW";
    ticker.properties[PropertyKey::fontSize] = "40";
    PlacedComponent clockFace = makeComponent(ComponentType::clock, {0, 0});
    clockFace.size = {320, 100};
    clockFace.properties[PropertyKey::clockFormat] = "HH:mm:ss";
    clockFace.properties[PropertyKey::fontSize] = "60";
    screen.components = {ticker, clockFace};
    const QDateTime moment(QDate(2026, 12, 24), QTime(12, 0, 0));
    freezeRenderMoment(moment);
    const auto thaw = qScopeGuard([] { freezeRenderMoment({}); });
    open({screen});
    const QImage before = view->grab().toImage();
    const auto strip = [](const QImage& frame, int top, int height) {
        return frame.copy(160, 100 + top, 320, height);
    };

    freezeRenderMoment(
        moment.addMSecs(250)); // a quarter of a second: the ticker has moved, the clock has not
    clock->advanceBy(LiveComponentTicks::frameSeconds);
    QApplication::processEvents();
    const QImage moved = view->grab().toImage();
    EXPECT_NE(strip(moved, 150, 50), strip(before, 150, 50));
    EXPECT_EQ(strip(moved, 0, 100), strip(before, 0, 100));

    freezeRenderMoment(moment.addSecs(1));
    clock->advanceBy(1.0);
    QApplication::processEvents();
    EXPECT_NE(strip(view->grab().toImage(), 0, 100), strip(before, 0, 100)) << "12:00:01";
}
