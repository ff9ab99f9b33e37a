#include "editor/inspector/screen_inspector.h"

#include "editor/inspector/background_selector.h"
#include "editor/inspector/inspector_fixture.h"
#include "export/screen_template.h"
#include "model/component_factory.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace vistrelle;
using namespace vistrelle::test_support;

namespace {

class ScreenInspectorTest : public InspectorTest {
protected:
    void SetUp() override {
        InspectorTest::SetUp();
        KioskProject threeScreens;
        threeScreens.screens.first().name = "Start";
        for (const char* name : {"Second", "Third"})
            threeScreens.screens.append(KioskScreen(QString::fromLatin1(name)));
        open(threeScreens);
        inspector.setSession(&session());
        inspect(0);
    }
    void inspect(qsizetype index) {
        inspected = index;
        inspector.show(project(), project().screens[index]);
    }
    const KioskScreen& screen(qsizetype index) const { return project().screens[index]; }
    void chooseEffect(TransitionEffect effect) {
        auto* menu = shown<QComboBox>(inspector, "transitionEffect");
        emit menu->activated(menu->findData(int(effect)));
        inspect(inspected);
    }
    void type(const QString& fieldName, const QString& text) {
        QLineEdit* field = shown<QLineEdit>(inspector, fieldName);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
        inspect(inspected);
    }

    ScreenInspector inspector;
    qsizetype inspected = 0;
};

} // namespace

TEST_F(ScreenInspectorTest, NameAndDurationFollowTheirRules) {
    type("screenDuration", "1");
    EXPECT_EQ(screen(0).duration, 3);
    type("screenDuration", "");
    EXPECT_EQ(screen(0).duration, 3) << "an empty field keeps the duration";
    type("screenDuration", "12");
    EXPECT_EQ(screen(0).duration, 12);
    shown<QLineEdit>(inspector, "screenName")->clear();
    type("screenName", "");
    EXPECT_EQ(screen(0).name, "Untitled Screen");
    EXPECT_EQ(undoStack().count(), 3);
}

TEST_F(ScreenInspectorTest, TransitionsGoToAllScreensOnlyFromTheFirst) {
    chooseEffect(TransitionEffect::fade);
    EXPECT_EQ(screen(1).transition.effect, TransitionEffect::none) << "copying is off";
    inspector.transitionToAll()->click();
    for (const KioskScreen& each : project().screens)
        EXPECT_EQ(each.transition.effect, TransitionEffect::fade);
    chooseEffect(TransitionEffect::pageTurn);
    for (const KioskScreen& each : project().screens)
        EXPECT_EQ(each.transition.effect, TransitionEffect::pageTurn);

    inspect(1);
    EXPECT_TRUE(inspector.transitionToAll()->isHidden()) << "it works from the first screen only";
    chooseEffect(TransitionEffect::moveUp);
    EXPECT_EQ(screen(1).transition.effect, TransitionEffect::moveUp);
    EXPECT_EQ(screen(0).transition.effect, TransitionEffect::pageTurn);
    EXPECT_EQ(screen(2).transition.effect, TransitionEffect::pageTurn);

    // Switching copying off copies nothing back; each change was one step.
    inspect(0);
    inspector.transitionToAll()->click();
    EXPECT_EQ(screen(1).transition.effect, TransitionEffect::moveUp);
    EXPECT_EQ(undoStack().count(), 4);
    undoStack().undo(); // moveUp on the second screen
    undoStack().undo(); // page turn everywhere
    EXPECT_EQ(screen(2).transition.effect, TransitionEffect::fade);
}

TEST_F(ScreenInspectorTest, CopyingTheBackgroundIsASettingAndOneStep) {
    ProjectSettings separate = project().settings;
    separate.inheritFirstScreenBackground = false;
    session().setProjectInfo(project().metadata, separate);
    KioskScreen first = screen(0);
    first.background.color = "#123456";
    session().updateScreen(first, "Change Background");
    inspect(0);
    const int before = undoStack().count();
    inspector.backgroundToAll()->click();
    EXPECT_TRUE(project().settings.inheritFirstScreenBackground);
    EXPECT_EQ(screen(2).background.color, "#123456");
    ASSERT_EQ(undoStack().count(), before + 1);
    undoStack().undo();
    EXPECT_FALSE(project().settings.inheritFirstScreenBackground);
    EXPECT_EQ(screen(2).background.color, "#FFFFFF");
    inspect(0);
    EXPECT_FALSE(inspector.backgroundToAll()->isChecked()) << "undo switches copying off again";

    // While copying is on, a change of the first screen's background reaches every screen.
    undoStack().redo();
    inspect(0);
    auto* selector = shown<QWidget>(inspector, "backgroundSelector");
    BackgroundStyle gradient;
    gradient.type = BackgroundType::gradient;
    gradient.gradient = GradientStyle{"#000000", "#FFFFFF", GradientDirection::diagonal};
    emit static_cast<BackgroundSelector*>(selector)->backgroundEdited(gradient);
    EXPECT_EQ(screen(2).background, gradient);
}

TEST_F(ScreenInspectorTest, ATemplateReplacesTheScreenAsOneStepAndFailuresAreShown) {
    QTemporaryDir folder;
    KioskScreen saved("Menu");
    saved.duration = 1;
    saved.components.append(makeComponent(ComponentType::label, {5, 5}));
    const QString path = folder.filePath("menu.xml");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(exportScreenXML(saved).toUtf8());
    file.close();

    inspect(1);
    const auto importFile = [&](const QString& chosen) {
        shown<QPushButton>(inspector, "importScreen")->click();
        auto* dialog = inspector.window()->findChild<QFileDialog*>("importScreenDialog");
        ASSERT_TRUE(dialog);
        emit dialog->fileSelected(chosen);
        dialog->close();
        QApplication::processEvents();
    };
    importFile(path);
    EXPECT_EQ(screen(1).name, "Menu");
    EXPECT_EQ(screen(1).duration, 3);
    EXPECT_EQ(screen(1).components.size(), 1);
    EXPECT_EQ(undoStack().count(), 1);
    EXPECT_EQ(session().selectedScreen()->id, screen(1).id) << "the imported screen stays selected";

    QFile broken(folder.filePath("broken.xml"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("<Screen name=\"x\"");
    broken.close();
    importFile(broken.fileName());
    EXPECT_EQ(undoStack().count(), 1);
    EXPECT_TRUE(
        shown<QLabel>(inspector, "templateStatus")->text().startsWith("The screen could not be imported: "));
}

TEST_F(ScreenInspectorTest, ApplyToAllStartsOffInEveryWindowShowsInEveryBackgroundModeAndUndoSwitchesItOff) {
    EXPECT_FALSE(inspector.transitionToAll()->isChecked());
    EXPECT_FALSE(inspector.backgroundToAll()->isChecked());
    EXPECT_EQ(screen(0).background.type, BackgroundType::color);
    EXPECT_FALSE(inspector.backgroundToAll()->isHidden()) << "a colour background can be copied too";

    inspector.transitionToAll()->click();
    undoStack().undo();
    inspect(0);
    EXPECT_FALSE(inspector.transitionToAll()->isChecked());
    chooseEffect(TransitionEffect::fade);
    EXPECT_EQ(screen(1).transition.effect, TransitionEffect::none) << "after undo, nothing copies";

    // Another project window: its own choice, off.
    inspector.transitionToAll()->click();
    ASSERT_TRUE(session().appliesTransitionToAllScreens());
    DocumentSession other(session().document());
    ScreenInspector otherInspector;
    otherInspector.setSession(&other);
    otherInspector.show(other.project(), other.project().screens[0]);
    EXPECT_FALSE(otherInspector.transitionToAll()->isChecked());
}

TEST_F(ScreenInspectorTest, OneDragOfTheSpeedSliderIsOneStepWithOrWithoutCopying) {
    inspector.resize(360, 900);
    inspector.QWidget::show();
    QApplication::processEvents();
    auto* speed = shown<QSlider>(inspector, "transitionSpeed");
    dragSlider(speed, {6, 8, 10, 12, 14});
    EXPECT_EQ(undoStack().count(), 1);
    EXPECT_DOUBLE_EQ(screen(0).transition.duration, 1.9);
    EXPECT_DOUBLE_EQ(screen(1).transition.duration, 1.0);

    inspector.transitionToAll()->click();
    const qsizetype steps = undoStack().count();
    inspect(0);
    dragSlider(speed, {12, 10, 8, 6, 4, 2, 0});
    EXPECT_EQ(undoStack().count(), steps + 1);
    for (const KioskScreen& each : project().screens)
        EXPECT_DOUBLE_EQ(each.transition.duration, 0.5);
    undoStack().undo();
    for (qsizetype i = 1; i < project().screens.size(); ++i)
        EXPECT_DOUBLE_EQ(screen(i).transition.duration, 1.9);
}

TEST_F(ScreenInspectorTest, TheBackgroundColourDialogWritesToItsOwnScreenAsOneStep) {
    KioskScreen second = screen(1);
    second.background.type = BackgroundType::gradient;
    session().updateScreen(second, "Change Background");
    const BackgroundStyle secondBackground = screen(1).background;
    const int before = undoStack().count();
    inspect(0);
    shown<QPushButton>(inspector, "backgroundColor")->click();
    auto* dialog = inspector.findChild<QColorDialog*>();
    ASSERT_TRUE(dialog);
    dialog->setCurrentColor(QColor("#102030"));
    inspect(1); // another screen is selected while the dialog stays open
    dialog->setCurrentColor(QColor("#ABCDEF"));
    dialog->accept();
    EXPECT_EQ(screen(0).background.type, BackgroundType::color);
    EXPECT_EQ(screen(0).background.color, "#ABCDEF");
    EXPECT_EQ(screen(1).background, secondBackground);
    EXPECT_EQ(undoStack().count(), before + 1) << "two colours tried, one step";
    EXPECT_TRUE(shown<QAbstractButton>(inspector, "typeGradient")->isChecked())
        << "the selector shows the selected screen again";
}

TEST_F(ScreenInspectorTest, ABackgroundDialogStaysWithItsWindowWhenAnotherBecomesActive) {
    shown<QPushButton>(inspector, "backgroundColor")->click();
    auto* dialog = inspector.findChild<QColorDialog*>();
    ASSERT_TRUE(dialog);
    dialog->setCurrentColor(QColor("#102030"));
    // Another project window becomes active: the palette shows its screen now.
    DocumentSession other{VistrelleDocument{}};
    const BackgroundStyle otherBackground = other.project().screens.first().background;
    inspector.setSession(&other);
    inspector.show(other.project(), other.project().screens.first());
    dialog->setCurrentColor(QColor("#ABCDEF"));
    dialog->accept();
    EXPECT_EQ(screen(0).background.color, "#ABCDEF");
    EXPECT_EQ(other.project().screens.first().background, otherBackground);
    EXPECT_EQ(other.undoStack().count(), 0);
    inspector.setSession(&session());
}

TEST_F(ScreenInspectorTest, ANameTypedWhenAnotherWindowBecomesActiveRenamesItsOwnScreen) {
    QLineEdit* name = shown<QLineEdit>(inspector, "screenName");
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "Lobby");
    DocumentSession other{VistrelleDocument{}};
    const QString otherName = other.project().screens.first().name;
    inspector.setSession(&other);
    inspector.show(other.project(), other.project().screens.first());
    // The focus leaves the field only now.
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(name, &out);
    EXPECT_EQ(screen(0).name, "Lobby");
    EXPECT_EQ(other.project().screens.first().name, otherName);
    EXPECT_EQ(other.undoStack().count(), 0);
    inspector.setSession(&session());
}

TEST_F(ScreenInspectorTest, AScheduleIsClickedAndTypedInAndGoesToTheScreenItWasTypedFor) {
    inspect(1);
    QTest::mouseClick(shown<QCheckBox>(inspector, "scheduleLimited"), Qt::LeftButton, {}, QPoint(8, 8));
    inspect(1);
    ASSERT_TRUE(screen(1).schedule);
    EXPECT_EQ(*screen(1).schedule, ScreenSchedule{}) << "every day, all day, until told more";
    EXPECT_TRUE(shown<QToolButton>(inspector, "weekday7")->isChecked()) << "every day shows every day ticked";
    for (const char* day : {"weekday1", "weekday5"})
        QTest::mouseClick(shown<QToolButton>(inspector, day), Qt::LeftButton);
    inspect(1);
    EXPECT_EQ(screen(1).schedule->weekdays, (QList<int>{2, 3, 4, 6, 7}));
    const int beforeDays = undoStack().count();
    for (const char* day : {"weekday2", "weekday3", "weekday4", "weekday6", "weekday7"})
        QTest::mouseClick(shown<QToolButton>(inspector, day), Qt::LeftButton);
    inspect(1);
    EXPECT_EQ(screen(1).schedule->weekdays, (QList<int>{7}))
        << "the last day stays: none would mean every day";
    EXPECT_EQ(undoStack().count(), beforeDays + 4) << "each click its own step";

    type("scheduleTimes", "6:00 - 10:00, 22:00-2:00");
    EXPECT_EQ(screen(1).schedule->windows, (QList<TimeWindow>{{360, 600}, {1320, 120}}));
    EXPECT_EQ(shown<QLineEdit>(inspector, "scheduleTimes")->text(), "06:00–10:00, 22:00–02:00");
    const int steps = undoStack().count();
    type("scheduleTimes", "breakfast");
    EXPECT_EQ(screen(1).schedule->windows.size(), 2) << "times that cannot be read change nothing";
    EXPECT_EQ(undoStack().count(), steps);
    QTest::mouseClick(shown<QToolButton>(inspector, "weekday1"), Qt::LeftButton);
    inspect(1);
    EXPECT_EQ(shown<QLineEdit>(inspector, "scheduleTimes")->text(), "breakfast") << "kept to be put right";

    // Half-typed times, then another screen is chosen: they are the first screen's no more.
    QLineEdit* times = shown<QLineEdit>(inspector, "scheduleTimes");
    times->setFocus();
    times->selectAll();
    QTest::keyClicks(times, "07:00-08:00");
    inspect(2);
    times->clearFocus();
    EXPECT_FALSE(screen(2).schedule);
    EXPECT_EQ(screen(1).schedule->windows.size(), 2);
    EXPECT_TRUE(times->text().isEmpty());
}
