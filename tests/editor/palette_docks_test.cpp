#include "editor_test_fixture.h"

#include "editor/palette_windows.h"
#include "editor/screens_palette.h"
#include "editor/vistrelle_commands.h"

#include <QAction>
#include <QDockWidget>

namespace vistrelle::test_support {
namespace {

class PaletteDocksTest : public EditorWindowTest {
protected:
    void TearDown() override {
        delete second.data();
        PaletteWindows::shared().closeAll();
        settle();
        EditorWindowTest::TearDown();
    }
    static QDockWidget* dock(const QString& identifier) { return PaletteWindows::shared().dock(identifier); }
    // Whether the palette can be seen: docked and its tab in front, or floating.
    static bool inSight(const QString& identifier) {
        QDockWidget* d = dock(identifier);
        return d && d->isVisible() && !d->visibleRegion().isEmpty();
    }
    static int docksNamed(const QString& identifier) {
        int found = 0;
        for (QWidget* top : QApplication::allWidgets())
            found += qobject_cast<QDockWidget*>(top) && top->objectName() == identifier;
        return found;
    }
    // A project window with its menus, as the application makes it.
    EditorWindow& openWithMenus() {
        EditorWindow& opened = open(smallProject());
        addVistrelleCommands(opened);
        return opened;
    }
    EditorWindow& openSecond() {
        second = new EditorWindow(VistrelleDocument{});
        second->show();
        second->activateDocument();
        settle();
        return *second;
    }
    QPointer<EditorWindow> second;
};

TEST_F(PaletteDocksTest, ANewWindowShowsItsPalettesDockedAtItsSidesAndTheyFollowTheActiveWindow) {
    EditorWindow& first = open(smallProject());
    for (const QString& identifier :
         {PaletteWindows::screensIdentifier, PaletteWindows::componentLibraryIdentifier,
          PaletteWindows::inspectorIdentifier, PaletteWindows::showCheckIdentifier}) {
        ASSERT_TRUE(dock(identifier)) << identifier.toStdString();
        EXPECT_EQ(dock(identifier)->parentWidget(), &first);
        EXPECT_FALSE(dock(identifier)->isFloating());
    }
    EXPECT_EQ(first.dockWidgetArea(dock(PaletteWindows::screensIdentifier)), Qt::LeftDockWidgetArea);
    EXPECT_EQ(first.dockWidgetArea(dock(PaletteWindows::componentLibraryIdentifier)), Qt::LeftDockWidgetArea);
    EXPECT_EQ(first.dockWidgetArea(dock(PaletteWindows::inspectorIdentifier)), Qt::RightDockWidgetArea);
    EXPECT_EQ(first.dockWidgetArea(dock(PaletteWindows::showCheckIdentifier)), Qt::RightDockWidgetArea);
    EXPECT_TRUE(inSight(PaletteWindows::screensIdentifier));
    EXPECT_TRUE(inSight(PaletteWindows::inspectorIdentifier));
    // The canvas keeps room between them.
    EXPECT_GE(first.centralWidget()->width(), 360);

    EditorWindow& other = openSecond();
    EXPECT_EQ(dock(PaletteWindows::screensIdentifier)->parentWidget(), &other);
    EXPECT_EQ(docksNamed(PaletteWindows::screensIdentifier), 1) << "one palette of each kind";
    EXPECT_TRUE(inSight(PaletteWindows::screensIdentifier));
    first.activateDocument();
    settle();
    EXPECT_EQ(dock(PaletteWindows::inspectorIdentifier)->parentWidget(), &first);

    // The window they are in closes: they survive it and go to the other one.
    first.closeWithoutAsking();
    settle();
    other.activateDocument();
    settle();
    ASSERT_TRUE(dock(PaletteWindows::inspectorIdentifier));
    EXPECT_EQ(dock(PaletteWindows::inspectorIdentifier)->parentWidget(), &other);
    EXPECT_TRUE(inSight(PaletteWindows::inspectorIdentifier));
}

TEST_F(PaletteDocksTest, ControlAndANumberBringsEachPaletteForwardEvenFromInsideAPalette) {
    EditorWindow& shown = openWithMenus();
    QApplication::setActiveWindow(&shown);
    settle();
    const QList<std::pair<Qt::Key, QString>> keys = {{Qt::Key_2, PaletteWindows::componentLibraryIdentifier},
                                                     {Qt::Key_1, PaletteWindows::screensIdentifier},
                                                     {Qt::Key_4, PaletteWindows::showCheckIdentifier},
                                                     {Qt::Key_3, PaletteWindows::inspectorIdentifier}};
    for (const auto& [key, identifier] : keys) {
        dock(identifier)->close();
        settle();
        // The keys are typed where the keyboard is: after the first, inside the palette just opened.
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : &shown;
        QTest::keyClick(focus, key, Qt::ControlModifier);
        settle();
        EXPECT_TRUE(inSight(identifier)) << identifier.toStdString();
        EXPECT_TRUE(dock(identifier)->isAncestorOf(QApplication::focusWidget()) ||
                    QApplication::focusWidget() == dock(identifier)->widget())
            << "the keyboard goes to " << identifier.toStdString();
    }
}

TEST_F(PaletteDocksTest, TheArrangementIsKeptForTheNextWindowAndFloatingPalettesAreSeparateWindows) {
    EditorWindow& first = open(smallProject());
    dock(PaletteWindows::showCheckIdentifier)->close();
    first.closeWithoutAsking();
    settle();
    PaletteWindows::shared().closeAll(); // the last window went
    settle();
    ASSERT_FALSE(dock(PaletteWindows::showCheckIdentifier));

    EditorWindow& reopened = openWithMenus();
    ASSERT_TRUE(dock(PaletteWindows::showCheckIdentifier));
    EXPECT_FALSE(dock(PaletteWindows::showCheckIdentifier)->isVisible()) << "closed as the user left it";
    EXPECT_TRUE(inSight(PaletteWindows::screensIdentifier));

    QAction* floating = reopened.action(QStringLiteral("floatingPalettes"));
    ASSERT_TRUE(floating);
    floating->trigger();
    settle();
    EXPECT_TRUE(dock(PaletteWindows::screensIdentifier)->isFloating());
    EXPECT_TRUE(dock(PaletteWindows::inspectorIdentifier)->isWindow());
    EXPECT_TRUE(Preferences::value(PaletteWindows::floatingKey).toBool());
    floating->trigger();
    settle();
    EXPECT_FALSE(dock(PaletteWindows::screensIdentifier)->isFloating());
    EXPECT_EQ(reopened.dockWidgetArea(dock(PaletteWindows::screensIdentifier)), Qt::LeftDockWidgetArea);
}

} // namespace
} // namespace vistrelle::test_support
