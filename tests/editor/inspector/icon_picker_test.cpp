#include "editor/inspector/icon_picker.h"

#include "render/symbol_catalog.h"
#include "support/qt_printers.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

QStringList shownNames(const QListWidget& list) {
    QStringList names;
    for (int row = 0; row < list.count(); ++row)
        if (!list.item(row)->isHidden())
            names.append(list.item(row)->toolTip());
    return names;
}

} // namespace

TEST(FilteredIcons, KeepsTheNamesContainingTheTextInAnyCaseInListOrder) {
    const QStringList names{"superstar", "house", "star.fill", "Star", "sta.r", "bookmark", "starfish"};
    EXPECT_EQ(filteredIcons(names, "STAR"), (QStringList{"superstar", "star.fill", "Star", "starfish"}));
    EXPECT_EQ(filteredIcons(names, "  star.  "), QStringList{"star.fill"});
    EXPECT_EQ(filteredIcons(names, "moon"), QStringList());

    const QStringList accented{QStringLiteral("étoile.fill"), "house"};
    EXPECT_EQ(filteredIcons(accented, QStringLiteral("ÉTOILE")), QStringList{QStringLiteral("étoile.fill")});
}

TEST(FilteredIcons, BlankTextKeepsEveryName) {
    const QStringList names{"b", "a", "c"};
    EXPECT_EQ(filteredIcons(names, ""), names);
    EXPECT_EQ(filteredIcons(names, " \t "), names);
}

TEST(IconPicker, OpensOnTheCurrentSymbolAndReportsTheClickedOne) {
    IconPicker picker;
    QSignalSpy chosen(&picker, &IconPicker::iconChosen);
    picker.popup(QPoint(20, 20), "star.fill");
    ASSERT_TRUE(picker.isVisible());

    auto* list = picker.findChild<QListWidget*>("iconList");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(shownNames(*list), SymbolCatalog::shared().names());
    ASSERT_NE(list->currentItem(), nullptr);
    EXPECT_EQ(list->currentItem()->toolTip(), "star.fill");

    const QRect cell = list->visualItemRect(list->currentItem());
    ASSERT_TRUE(list->viewport()->rect().contains(cell.center())); // scrolled into view
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());

    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toString(), "star.fill");
    EXPECT_FALSE(picker.isVisible());
}

TEST(IconPicker, FiltersAsTypedAndReturnChoosesTheFirstShownSymbol) {
    IconPicker picker;
    QSignalSpy chosen(&picker, &IconPicker::iconChosen);
    picker.popup(QPoint(20, 20), "house");
    auto* search = picker.findChild<QLineEdit*>("iconSearch");
    auto* list = picker.findChild<QListWidget*>("iconList");
    ASSERT_NE(search, nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(search->placeholderText(), "Search icons...");

    QTest::keyClicks(search, "STAR.C");
    EXPECT_EQ(shownNames(*list), (QStringList{"star.circle", "star.circle.fill"}));
    EXPECT_TRUE(chosen.isEmpty());

    QTest::keyClick(search, Qt::Key_Return);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toString(), "star.circle");
    EXPECT_FALSE(picker.isVisible());

    // Opening again shows everything.
    picker.popup(QPoint(20, 20), "house");
    EXPECT_TRUE(search->text().isEmpty());
    EXPECT_EQ(shownNames(*list).size(), list->count());
}
