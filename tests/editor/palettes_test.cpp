#include "editor/component_library_palette.h"
#include "editor/screens_palette.h"

#include "editing/document_session.h"
#include "model/stored_enum.h"
#include "platform/user_alerts.h"

#include <QApplication>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <memory>

using namespace vistrelle;

namespace {

class Alerts : public AlertPresenter {
public:
    void present(const UserAlert& alert) override { shown.append(alert); }
    QList<UserAlert> shown;
};

class ScreensPaletteTest : public ::testing::Test {
protected:
    void SetUp() override { UserAlerts::setPresenter(&alerts); }
    void TearDown() override {
        QApplication::processEvents();
        UserAlerts::setPresenter(nullptr);
    }
    DocumentSession& session() { return *session_; }
    QUndoStack& undoStack() { return session_->undoStack(); }
    static void settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    void open(const QStringList& moreScreens) {
        VistrelleDocument document;
        for (const QString& name : moreScreens)
            document.project.screens.append(KioskScreen(name));
        session_ = std::make_unique<DocumentSession>(document);
        settle();
    }
    void openThreeScreens() { open({"Two", "Three"}); }
    QStringList names() {
        QStringList list;
        for (const KioskScreen& screen : session().project().screens)
            list << screen.name;
        return list;
    }

    std::unique_ptr<DocumentSession> session_;
    Alerts alerts;
};

} // namespace

TEST_F(ScreensPaletteTest, DropsLandOneSlotPerRowAndTheStartScreenKeepsItsPlace) {
    EXPECT_EQ(ScreensPalette::dropDestination(70, 3), 1);
    EXPECT_EQ(ScreensPalette::dropDestination(10, 3), 0);
    EXPECT_EQ(ScreensPalette::dropDestination(5000, 3), 2);

    openThreeScreens();
    ScreensPalette palette;
    palette.setSession(&session());
    const QString third = session().project().screens[2].id.toString(QUuid::WithoutBraces).toUpper();
    palette.dropScreen(third, 70);
    EXPECT_EQ(names(), (QStringList{"Start", "Three", "Two"}));

    palette.dropScreen(third, 10);
    settle();
    EXPECT_EQ(names(), (QStringList{"Start", "Three", "Two"}));
    ASSERT_EQ(alerts.shown.size(), 1);
    EXPECT_EQ(alerts.shown.first().message,
              "Position 1 is reserved for the start screen. Drop the screen at position 2 or later instead.");

    palette.dropScreen("not an id", 130);
    palette.dropScreen(QUuid::createUuid().toString(), 130);
    EXPECT_EQ(names(), (QStringList{"Start", "Three", "Two"}));
}

TEST_F(ScreensPaletteTest, MoveUpSparesTheStartScreenAndMoveDownStopsAtTheEnd) {
    openThreeScreens();
    ScreensPalette palette;
    palette.setSession(&session());
    palette.moveUp(1);
    palette.moveDown(2);
    EXPECT_EQ(names(), (QStringList{"Start", "Two", "Three"}));
    palette.moveUp(2);
    EXPECT_EQ(names(), (QStringList{"Start", "Three", "Two"}));
    palette.moveDown(1);
    EXPECT_EQ(names(), (QStringList{"Start", "Two", "Three"}));
    EXPECT_TRUE(alerts.shown.isEmpty());
}

TEST_F(ScreensPaletteTest, RowsFollowTheDocumentAndTheEmptyStatesSayWhy) {
    ScreensPalette palette;
    auto* add = palette.findChild<QToolButton*>();
    ASSERT_TRUE(add);
    EXPECT_EQ(add->toolTip(), "No project open");
    EXPECT_TRUE(palette.rows().isEmpty());

    openThreeScreens();
    palette.setSession(&session());
    EXPECT_EQ(add->toolTip(), "Add new screen");
    ASSERT_EQ(palette.rows().size(), 3);
    EXPECT_EQ(palette.rows().first()->accessibleName(), "Screen: Start");
    EXPECT_TRUE(palette.rows().first()->accessibleDescription().endsWith(
        ". This is the main screen and cannot be deleted"));

    add->click();
    settle();
    EXPECT_EQ(palette.rows().size(), 4);
    undoStack().undo();
    settle();
    EXPECT_EQ(palette.rows().size(), 3);

    // The window closes: its session goes, and with it everything the palette showed of it.
    session_.reset();
    palette.setSession(nullptr);
    EXPECT_TRUE(palette.rows().isEmpty());
    EXPECT_EQ(add->toolTip(), "No project open");
}

TEST(ComponentLibraryPalette, OffersEveryTypeInOrder) {
    ComponentLibraryPalette palette;
    const QList<ComponentCard*> cards = palette.findChildren<ComponentCard*>();
    ASSERT_EQ(cards.size(), 11);
    QStringList names;
    for (const ComponentCard* card : cards)
        names << storedString(card->type());
    EXPECT_EQ(names, (QStringList{"Image", "Title", "Label", "Text Area", "Web View", "Video", "Shape",
                                  "Icon", "Clock", "Countdown", "Ticker"}));
    EXPECT_EQ(cards[3]->toolTip(), "Drag to add Text Area");
}

TEST_F(ScreensPaletteTest, ClickingARowSelectsItsScreenAndOnlyChangedRowsAreMadeAgain) {
    openThreeScreens();
    ScreensPalette palette;
    palette.setSession(&session());
    palette.show();
    const QList<PaletteScreenRowView*> before = palette.rows();
    QTest::mouseClick(before[2], Qt::LeftButton, {}, QPoint(150, 30));
    settle();
    ASSERT_TRUE(session().selectedScreen());
    EXPECT_EQ(session().selectedScreen()->name, "Three");
    const QList<PaletteScreenRowView*> after = palette.rows();
    ASSERT_EQ(after.size(), 3);
    EXPECT_NE(after[0], before[0]) << "the row that lost the selection is redrawn";
    EXPECT_EQ(after[1], before[1]) << "an unchanged row stays";
    EXPECT_NE(after[2], before[2]);
}

TEST_F(ScreensPaletteTest, RowActionsMoveTheirScreenOnePlace) {
    open({"Two", "Three", "Four"});
    ScreensPalette palette;
    palette.setSession(&session());
    emit palette.rows()[1]->moveDownRequested();
    settle();
    EXPECT_EQ(names(), (QStringList{"Start", "Three", "Two", "Four"}));
    EXPECT_EQ(undoStack().count(), 1);
    emit palette.rows()[3]->moveUpRequested();
    settle();
    EXPECT_EQ(names(), (QStringList{"Start", "Three", "Four", "Two"}));
}

TEST_F(ScreensPaletteTest, RowsShowPicturesOfTheirScreensAndAnEditRedrawsOnlyItsScreen) {
    openThreeScreens();
    KioskScreen second = session().project().screens[1];
    second.background = BackgroundStyle{BackgroundType::color, QStringLiteral("#FF0000"), {}, {}};
    session().updateScreen(second, QStringLiteral("Background"));
    ScreensPalette palette;
    palette.setSession(&session());
    palette.show();
    const auto drawn = [&] {
        settle(); // the palette hears of an edit once per turn
        return QTest::qWaitFor([&] { return !palette.thumbnails().isBusy(); }, 10000);
    };
    ASSERT_TRUE(drawn());
    for (PaletteScreenRowView* row : palette.rows())
        EXPECT_TRUE(row->showsThumbnail());
    const QImage red = palette.thumbnails().thumbnail(second.id);
    EXPECT_EQ(red.pixelColor(red.width() / 2, red.height() / 2), QColor(Qt::red));
    EXPECT_EQ(red.height(), ScreenThumbnails::height * red.devicePixelRatio()) << "4:3 fills the height";
    EXPECT_EQ(red.width(), 53 * red.devicePixelRatio());

    QList<QUuid> redrawn;
    QObject::connect(&palette.thumbnails(), &ScreenThumbnails::thumbnailReady, &palette,
                     [&](const QUuid& id) { redrawn << id; });
    second.background.color = QStringLiteral("#0000FF");
    session().updateScreen(second, QStringLiteral("Background"));
    ASSERT_TRUE(drawn());
    EXPECT_EQ(redrawn, QList<QUuid>{second.id});
    const QImage blue = palette.thumbnails().thumbnail(second.id);
    EXPECT_EQ(blue.pixelColor(blue.width() / 2, blue.height() / 2), QColor(Qt::blue));

    // Another project: the pictures of the first are gone at once, never shown for the other's screens.
    palette.setSession(nullptr);
    EXPECT_TRUE(palette.thumbnails().thumbnail(second.id).isNull());
}
