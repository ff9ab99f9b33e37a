#include "editor/inspector/component_inspector.h"

#include "editing/style_preset_manager.h"
#include "editor/inspector/icon_picker.h"
#include "editor/inspector/inspector_fixture.h"
#include "editor/inspector/style_preset_sheets.h"
#include "model/component_factory.h"
#include "model/component_properties.h"
#include "model/stored_enum.h"
#include "model/uuid_text.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTextEdit>

using namespace vistrelle;
using namespace vistrelle::test_support;

namespace {

class ComponentInspectorTest : public InspectorTest {
protected:
    // A 1920 × 1080 screen holding `component`, shown in the inspector.
    void openWith(const PlacedComponent& component) {
        KioskProject project;
        project.screens.first().resolution = ScreenResolution::presets(ScreenMode::horizontal).last();
        project.screens.first().components = {component};
        open(project);
        inspector.setSession(&session());
        session().setSelectedComponent(component);
        showAgain();
    }
    void showAgain() { inspector.show(project().screens.first(), current()); }
    const PlacedComponent& current() const { return project().screens.first().components.first(); }
    QString property(const QString& key) const { return current().properties.value(key); }

    void type(const QString& fieldName, const QString& text) {
        QLineEdit* field = shown<QLineEdit>(inspector, fieldName);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
        showAgain();
    }

    ComponentInspector inspector;
};

} // namespace

TEST_F(ComponentInspectorTest, SavedValuesOfEveryKindShowAsStored) {
    PlacedComponent title = makeComponent(ComponentType::title, {10, 20});
    title.properties[PropertyKey::opacity] = "0.35";
    title.properties[PropertyKey::fontName] = "Gill Sans"; // not in the list: shown all the same
    title.properties[PropertyKey::isItalic] = "true";
    title.properties[PropertyKey::textAlignment] = "trailing";
    title.properties[PropertyKey::rotation] = "-90";
    title.size = {640.7, 99.9};
    VistrelleDocument document;
    document.project.screens.first().components = {title};
    const PlacedComponent reread = VistrelleDocument::read(document.fileContents().value())
                                       .value()
                                       .project.screens.first()
                                       .components.first();
    openWith(reread);

    EXPECT_EQ(shown<QLabel>(inspector, "opacity.value")->text(), "35%");
    EXPECT_EQ(shown<QLabel>(inspector, "rotation.value")->text(), "-90°");
    EXPECT_EQ(shown<QComboBox>(inspector, "fontName")->currentText(), "Gill Sans");
    EXPECT_EQ(shown<QLineEdit>(inspector, "fontSize")->text(), "24");
    EXPECT_TRUE(shown<QAbstractButton>(inspector, "isItalic")->isChecked());
    EXPECT_FALSE(shown<QAbstractButton>(inspector, "isUnderlined")->isChecked());
    EXPECT_TRUE(shown<QAbstractButton>(inspector, "textAlignment.trailing")->isChecked());
    EXPECT_EQ(shown<QLineEdit>(inspector, "width")->text(), "640") << "the whole part";
    EXPECT_EQ(shown<QLineEdit>(inspector, "height")->text(), "99");

    PlacedComponent shape = makeComponent(ComponentType::shape, {0, 0});
    shape.properties[PropertyKey::strokeWidth] = "3.0";
    shape.properties[PropertyKey::innerRadius] = "0.70";
    openWith(shape);
    EXPECT_EQ(shown<QLabel>(inspector, "strokeWidth.value")->text(), "3.0");
    EXPECT_EQ(shown<QLabel>(inspector, "innerRadius.value")->text(), "0.70");
    EXPECT_EQ(shown<QComboBox>(inspector, "shapeType")->currentData().toString(), "star");

    PlacedComponent video = makeComponent(ComponentType::video, {0, 0});
    video.properties[PropertyKey::showsControls] = "false";
    openWith(video);
    EXPECT_FALSE(shown<QCheckBox>(inspector, "showsControls")->isChecked());
    EXPECT_TRUE(shown<QCheckBox>(inspector, "isMuted")->isChecked());
    EXPECT_TRUE(shown<QAbstractButton>(inspector, "fittingMode.fill")->isChecked());
    EXPECT_EQ(undoStack().count(), 0) << "showing writes nothing";
}

TEST_F(ComponentInspectorTest, UnreadableValuesShowTheDefaultAndStayUntilTheControlIsUsed) {
    PlacedComponent icon = makeComponent(ComponentType::icon, {0, 0});
    icon.properties[PropertyKey::iconSize] = "huge";
    icon.properties[PropertyKey::iconWeight] = "extraBold";
    icon.properties["customKey"] = "kept";
    openWith(icon);
    EXPECT_EQ(shown<QLabel>(inspector, "iconSize.value")->text(), "24");
    EXPECT_EQ(shown<QComboBox>(inspector, "iconWeight")->currentData().toString(), "regular");
    EXPECT_EQ(property(PropertyKey::iconSize), "huge");

    shown<QSlider>(inspector, "iconSize")->setValue(40);
    EXPECT_EQ(property(PropertyKey::iconSize), "48");
    EXPECT_EQ(property(PropertyKey::iconWeight), "extraBold") << "another control's value is not rewritten";
    EXPECT_EQ(property("customKey"), "kept");
}

TEST_F(ComponentInspectorTest, OneDragOfASliderIsOneStep) {
    openWith(makeComponent(ComponentType::label, {100, 100}));
    inspector.resize(360, 900);
    inspector.QWidget::show();
    QApplication::processEvents();
    QSlider* opacity = shown<QSlider>(inspector, "opacity");
    QList<int> ticks;
    for (int tick = 19; tick >= 7; --tick)
        ticks << tick;
    dragSlider(opacity, ticks);
    EXPECT_EQ(property(PropertyKey::opacity), "0.35") << "every value lands at once";
    ASSERT_EQ(undoStack().count(), 1);
    undoStack().undo();
    EXPECT_FALSE(current().properties.contains(PropertyKey::opacity));
    undoStack().redo();
    EXPECT_EQ(property(PropertyKey::opacity), "0.35");

    // The next drag is a step of its own, and so is each key press.
    showAgain();
    dragSlider(opacity, {9, 10});
    EXPECT_EQ(undoStack().count(), 2);
    opacity->setFocus();
    QTest::keyClick(opacity, Qt::Key_Right);
    QTest::keyClick(opacity, Qt::Key_Right);
    EXPECT_EQ(undoStack().count(), 4);
    EXPECT_EQ(property(PropertyKey::opacity), "0.60");
}

TEST_F(ComponentInspectorTest, AnEditChangesOnlyItsOwnKeysSoANudgeMadeMeanwhileStays) {
    openWith(makeComponent(ComponentType::label, {100, 100}));
    PlacedComponent nudged = current();
    nudged.position = {110, 100};
    session().updateComponent(nudged, true); // the inspector has not shown it yet
    shown<QSlider>(inspector, "opacity")->setValue(12);
    EXPECT_EQ(current().position, (Point{110, 100}));
    EXPECT_EQ(property(PropertyKey::opacity), "0.60");
}

TEST_F(ComponentInspectorTest, TheColourDialogWritesToItsOwnComponentAsOneStepWhateverIsSelected) {
    KioskProject start;
    PlacedComponent first = makeComponent(ComponentType::label, {100, 100});
    PlacedComponent second = makeComponent(ComponentType::label, {400, 300});
    start.screens.first().components = {first, second};
    open(start);
    inspector.setSession(&session());
    const auto showComponent = [&](int index) {
        session().setSelectedComponent(project().screens[0].components[index]);
        inspector.show(project().screens[0], project().screens[0].components[index]);
    };
    const auto colourOf = [&](int index) {
        return project().screens[0].components[index].properties.value(PropertyKey::textColor);
    };
    showComponent(0);
    const QString secondColour = colourOf(1);

    shown<QPushButton>(inspector, "textColor")->click();
    auto* dialog = inspector.findChild<QColorDialog*>();
    ASSERT_TRUE(dialog);
    for (const char* tried : {"#FF0000", "#00FF00", "#0000FF"})
        dialog->setCurrentColor(QColor(tried));
    showComponent(1); // the user clicks another label while the dialog stays open
    for (const char* tried : {"#112233", "#445566"})
        dialog->setCurrentColor(QColor(tried));
    dialog->accept();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(colourOf(0), "#445566");
    EXPECT_EQ(colourOf(1), secondColour);
    EXPECT_EQ(undoStack().count(), 1) << "five colours tried, one step";

    // Cancel puts back the colour its own component had and leaves no step.
    showComponent(0);
    shown<QPushButton>(inspector, "textColor")->click();
    dialog = inspector.findChild<QColorDialog*>();
    ASSERT_TRUE(dialog);
    dialog->setCurrentColor(QColor("#ABCDEF"));
    EXPECT_EQ(colourOf(0), "#ABCDEF") << "tried colours show at once";
    showComponent(1);
    dialog->reject();
    EXPECT_EQ(colourOf(0), "#445566");
    EXPECT_EQ(colourOf(1), secondColour);
    EXPECT_EQ(undoStack().count(), 1);
}

TEST_F(ComponentInspectorTest, TheColourDialogOfAGroupColoursTheWholeGroupAsOneStep) {
    KioskProject start;
    for (int i = 0; i < 4; ++i)
        start.screens.first().components.append(makeComponent(ComponentType::shape, {100.0 + 250 * i, 100}));
    start.screens.first().components[3].properties[PropertyKey::fillColor] = "#445566";
    open(start);
    inspector.setSession(&session());
    const auto& components = [&]() -> const QList<PlacedComponent>& {
        return project().screens[0].components;
    };
    session().setComponentSelection({components()[0].id, components()[1].id, components()[2].id});
    inspector.show(project().screens[0], components()[2]);
    ASSERT_TRUE(inspector.showsGroup());

    shown<QPushButton>(inspector, "fillColor")->click();
    auto* dialog = inspector.findChild<QColorDialog*>();
    ASSERT_TRUE(dialog);
    dialog->setCurrentColor(QColor("#FF0000"));
    // The user selects the fourth shape alone; the dialog stays with the three.
    session().setSelectedComponent(components()[3]);
    inspector.show(project().screens[0], components()[3]);
    // The colour the fourth shape already has is still a change for the three.
    dialog->setCurrentColor(QColor("#445566"));
    dialog->accept();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const PlacedComponent& c : components())
        EXPECT_EQ(c.properties.value(PropertyKey::fillColor), "#445566");
    EXPECT_EQ(undoStack().count(), 1);
    undoStack().undo();
    EXPECT_NE(components()[0].properties.value(PropertyKey::fillColor), "#445566");
    EXPECT_NE(components()[2].properties.value(PropertyKey::fillColor), "#445566");
    EXPECT_EQ(components()[3].properties.value(PropertyKey::fillColor), "#445566");
}

TEST_F(ComponentInspectorTest, AChosenPictureOrIconGoesToTheComponentItWasChosenForOrNowhere) {
    KioskProject start;
    const PlacedComponent image = makeComponent(ComponentType::image, {0, 0});
    const PlacedComponent icon = makeComponent(ComponentType::icon, {300, 0});
    const PlacedComponent label = makeComponent(ComponentType::label, {600, 0});
    start.screens.first().components = {image, icon, label};
    open(start);
    inspector.setSession(&session());
    const auto showComponent = [&](const PlacedComponent& component) {
        session().setSelectedComponent(*session().findComponent(project().screens[0].id, component.id));
        inspector.show(project().screens[0], *session().selectedComponent());
    };
    const auto propertiesOf = [&](const PlacedComponent& component) {
        return session().findComponent(project().screens[0].id, component.id)->properties;
    };

    showComponent(image);
    shown<QPushButton>(inspector, "imagePath.choose")->click();
    QPointer<QFileDialog> files = inspector.findChild<QFileDialog*>();
    ASSERT_TRUE(files);
    showComponent(label); // another type is shown while the dialog is open
    emit files->fileSelected("/pictures/lobby.png");
    EXPECT_EQ(propertiesOf(image).value(PropertyKey::imagePath), "/pictures/lobby.png");
    EXPECT_FALSE(propertiesOf(label).contains(PropertyKey::imagePath));
    files->close();

    showComponent(icon);
    shown<QPushButton>(inspector, "iconName")->click();
    auto* picker = inspector.findChild<IconPicker*>();
    ASSERT_TRUE(picker);
    showComponent(label);
    emit picker->iconChosen("star");
    EXPECT_EQ(propertiesOf(icon).value(PropertyKey::iconName), "star");
    EXPECT_FALSE(propertiesOf(label).contains(PropertyKey::iconName));
    const qsizetype steps = undoStack().count();

    // Its component deleted, a dialog left open writes nothing anywhere.
    showComponent(image);
    shown<QPushButton>(inspector, "imagePath.choose")->click();
    files = inspector.findChild<QFileDialog*>();
    ASSERT_TRUE(files);
    session().deleteSelectedComponent();
    showComponent(label);
    emit files->fileSelected("/pictures/other.png");
    EXPECT_EQ(undoStack().count(), steps + 1) << "only the delete";
    EXPECT_FALSE(propertiesOf(label).contains(PropertyKey::imagePath));
    files->close();
}

TEST_F(ComponentInspectorTest, FrameFieldsKeepTheComponentOnItsScreen) {
    PlacedComponent image = makeComponent(ComponentType::image, {100, 100});
    image.size = {300, 200};
    openWith(image);
    type("x", "5000");
    EXPECT_EQ(current().position.x, 1620);
    EXPECT_EQ(shown<QLineEdit>(inspector, "x")->text(), "1620");
    type("x", "-5");
    EXPECT_EQ(current().position.x, 0);
    type("x", "abc");
    EXPECT_EQ(current().position.x, 0);
    EXPECT_EQ(shown<QLineEdit>(inspector, "x")->text(), "0") << "the stored value again";
    type("width", "0");
    EXPECT_EQ(current().size.width, 10);
    type("height", "99999");
    EXPECT_EQ(current().size.height, 1080);
    type("zIndex", "+3");
    EXPECT_EQ(current().zIndex, 3);
    EXPECT_EQ(undoStack().count(), 5) << "one step per change; the unreadable text none";
}

TEST_F(ComponentInspectorTest, MediaStatusSaysWhatIsWrongWithTheFile) {
    QTemporaryDir media;
    const QString notAnImage = media.filePath("notes.png");
    QFile text(notAnImage);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("shopping list");
    text.close();
    const QString picture = media.filePath("logo.png");
    QImage(4, 4, QImage::Format_RGB32).save(picture);

    PlacedComponent image = makeComponent(ComponentType::image, {0, 0});
    const auto statusFor = [&](const QString& path) {
        image.properties[PropertyKey::imagePath] = path;
        openWith(image);
        return shown<QWidget>(inspector, "imagePath.status")->findChildren<QLabel*>().last()->text();
    };
    EXPECT_EQ(statusFor(""), "No image selected");
    EXPECT_EQ(statusFor(media.filePath("gone.png")), "Image not found");
    EXPECT_EQ(statusFor(notAnImage), "Invalid image file");
    EXPECT_EQ(statusFor(picture), "logo.png");
}

TEST_F(ComponentInspectorTest, APresetIsAppliedAsOneStepWithoutTouchingTheFrame) {
    PlacedComponent source = makeComponent(ComponentType::title, {0, 0});
    source.properties[PropertyKey::text] = "Opening hours";
    source.properties[PropertyKey::textColor] = "#FF0000";
    StylePresetManager::shared().add(presetFrom(source, "Red", QDateTime::currentDateTimeUtc()));

    PlacedComponent target = makeComponent(ComponentType::title, {300, 400});
    target.properties["customKey"] = "kept";
    const PlacedComponent other = makeComponent(ComponentType::title, {0, 0});
    KioskProject start;
    start.screens.first().components = {target, other};
    open(start);
    inspector.setSession(&session());
    session().setSelectedComponent(target);
    showAgain();
    shown<QPushButton>(inspector, "stylePresets")->click();
    QPointer<StylePresetsSheet> sheet = inspector.findChild<StylePresetsSheet*>();
    ASSERT_TRUE(sheet);
    session().setSelectedComponent(other); // the sheet stays open while another title is selected
    inspector.show(project().screens[0], other);
    emit sheet->applyRequested(StylePresetManager::shared().presets(ComponentType::title).first());
    EXPECT_EQ(undoStack().count(), 1);
    EXPECT_EQ(property(PropertyKey::text), "Opening hours");
    EXPECT_EQ(property(PropertyKey::textColor), "#FF0000");
    EXPECT_EQ(property("customKey"), "kept");
    EXPECT_EQ(current().position, (Point{300, 400}));
    EXPECT_EQ(project().screens[0].components[1], other);

    // A preset of another type is never applied.
    PlacedComponent shape = makeComponent(ComponentType::shape, {0, 0});
    shape.properties[PropertyKey::fillColor] = "#00FF00";
    emit sheet->applyRequested(presetFrom(shape, "Green", QDateTime::currentDateTimeUtc()));
    EXPECT_EQ(undoStack().count(), 1);
    EXPECT_FALSE(current().properties.contains(PropertyKey::fillColor));

    // Its component deleted, the sheet closes.
    session().setSelectedComponent(current());
    session().deleteSelectedComponent();
    QApplication::processEvents();
    EXPECT_TRUE(!sheet || !sheet->isVisible());
}

TEST_F(ComponentInspectorTest, TypingInAnInlineTextAreaIsStoredAsOneStepAndNeverReloadedOverIt) {
    PlacedComponent area = makeComponent(ComponentType::textArea, {0, 0});
    area.properties = {{PropertyKey::text, "Menu"}};
    openWith(area);
    inspector.QWidget::show();
    QApplication::processEvents();
    QTextEdit* field = shown<QTextEdit>(inspector, "richText");
    ASSERT_TRUE(field);
    EXPECT_EQ(field->toPlainText(), "Menu");
    field->setFocus();
    field->moveCursor(QTextCursor::End);
    QTest::keyClicks(field, ": soup");
    // While the user types, what the document holds is shown again (a throttled store comes back)…
    showAgain();
    QTest::keyClicks(field, ", bread");
    showAgain();
    EXPECT_EQ(field->toPlainText(), "Menu: soup, bread") << "…without loading it over the typing";
    EXPECT_EQ(property(PropertyKey::text), "Menu: soup, bread");
    EXPECT_TRUE(current().properties.contains(PropertyKey::richTextData));
    EXPECT_EQ(undoStack().count(), 1) << "one burst of typing, one step";

    // An undo while the field has no focus shows the stored text again.
    inspector.setFocus();
    undoStack().undo();
    showAgain();
    EXPECT_EQ(field->toPlainText(), "Menu");
}

TEST_F(ComponentInspectorTest, SeveralComponentsShowTheirBoundsAndTakeAnEditTogether) {
    KioskProject start;
    start.screens.first().resolution = ScreenResolution::presets(ScreenMode::horizontal).last();
    PlacedComponent first = makeComponent(ComponentType::title, {100, 100}); // 200 × 60
    first.properties[PropertyKey::text] = "Opening hours";
    PlacedComponent second = makeComponent(ComponentType::title, {400, 300});
    second.properties[PropertyKey::text] = "Events";
    start.screens.first().components = {first, second};
    open(start);
    inspector.setSession(&session());
    session().setComponentSelection({first.id, second.id});
    inspector.show(project().screens.first(), project().screens.first().components[1]);
    ASSERT_TRUE(inspector.showsGroup());
    EXPECT_EQ(shown<QLineEdit>(inspector, "width")->text(), "500"); // 100…600
    // The label of the form row holding the field.
    const auto rowText = [&](const QString& field) {
        for (QWidget* row = shown<QLineEdit>(inspector, field); row && row->parentWidget();
             row = row->parentWidget())
            if (auto* form = qobject_cast<QFormLayout*>(row->parentWidget()->layout()))
                if (auto* label = qobject_cast<QLabel*>(form->labelForField(row)))
                    return label->text();
        return QString();
    };
    EXPECT_TRUE(rowText("text").endsWith("(mixed)")) << rowText("text").toStdString();

    const auto typeInGroup = [&](const QString& field, const QString& text) {
        QLineEdit* edit = shown<QLineEdit>(inspector, field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
        inspector.show(project().screens.first(), project().screens.first().components[1]);
    };
    typeInGroup("x", "150");
    EXPECT_EQ(project().screens.first().components[0].position, (Point{150, 100}));
    EXPECT_EQ(project().screens.first().components[1].position, (Point{450, 300}));
    typeInGroup("x", "5000"); // the bounds (500 wide) stay on the 1920 screen
    EXPECT_EQ(project().screens.first().components[0].position.x, 1420);
    typeInGroup("x", "150");
    typeInGroup("text", "Closed today");
    EXPECT_EQ(project().screens.first().components[0].properties.value(PropertyKey::text), "Closed today");
    EXPECT_EQ(project().screens.first().components[1].properties.value(PropertyKey::text), "Closed today");
    EXPECT_FALSE(rowText("text").endsWith("(mixed)"));
    EXPECT_EQ(undoStack().count(), 4); // one step each
    undoStack().undo();
    EXPECT_EQ(project().screens.first().components[0].properties.value(PropertyKey::text), "Opening hours");
}

TEST_F(ComponentInspectorTest, AWebAddressWithoutASchemeIsStoredAsOneTheEngineCanLoad) {
    openWith(makeComponent(ComponentType::webView, {0, 0}));
    inspector.QWidget::show();
    QApplication::processEvents();
    QLineEdit* field = shown<QLineEdit>(inspector, "url");
    field->setFocus();
    QTest::keyClicks(field, "www.example.org/menu");
    showAgain();
    EXPECT_EQ(property(PropertyKey::url), "https://www.example.org/menu");
    EXPECT_EQ(field->text(), "www.example.org/menu") << "what is being typed stays as typed";
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(field->text(), "https://www.example.org/menu");

    type("url", "http://intranet.local/board");
    EXPECT_EQ(property(PropertyKey::url), "http://intranet.local/board");
}

TEST_F(ComponentInspectorTest, OnClickMakesAnImageAButtonOneStepPerChoiceAndShowsWhatTheFileHas) {
    PlacedComponent button = makeComponent(ComponentType::image, {10, 20});
    KioskProject project;
    project.screens.first().components = {button};
    project.screens.append(KioskScreen(QStringLiteral("Events")));
    project.screens.append(KioskScreen(QStringLiteral("Map")));
    open(project);
    inspector.setSession(&session());
    session().setSelectedComponent(button);
    showAgain();
    QComboBox* action = shown<QComboBox>(inspector, "onClick");
    ASSERT_TRUE(action);
    EXPECT_EQ(action->currentText(), "Nothing");
    EXPECT_FALSE(inspector.findChild<QComboBox*>("onClickScreen")->isVisibleTo(&inspector));

    // Go to a screen, picked from the list by the keyboard.
    action->setFocus();
    QTest::keyClick(action, Qt::Key_Down);
    showAgain();
    EXPECT_EQ(property(PropertyKey::actionCategory), "navigation");
    EXPECT_EQ(property(PropertyKey::targetScreenId), uuidText(project.screens[0].id));
    EXPECT_EQ(undoStack().count(), 1);
    QComboBox* screen = shown<QComboBox>(inspector, "onClickScreen");
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->itemText(2), "3. Map");
    QTest::keyClick(screen, Qt::Key_End);
    showAgain();
    EXPECT_EQ(property(PropertyKey::targetScreenId), uuidText(project.screens[2].id));
    EXPECT_EQ(undoStack().count(), 2);

    // An alert, its title typed key by key as one step.
    action->setCurrentIndex(0);
    QTest::keyClick(action, Qt::Key_Down); // "Go to Screen"
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(action, Qt::Key_Down); // "Show an Alert"
    showAgain();
    EXPECT_EQ(property(PropertyKey::actionCategory), "alert");
    const int beforeTyping = undoStack().count();
    QLineEdit* title = shown<QLineEdit>(inspector, PropertyKey::alertTitle);
    ASSERT_TRUE(title);
    title->setFocus();
    title->selectAll();
    QTest::keyClicks(title, "Hours", Qt::NoModifier, 30);
    QTest::keyClick(title, Qt::Key_Tab);
    showAgain();
    EXPECT_EQ(property(PropertyKey::alertTitle), "Hours");
    EXPECT_EQ(undoStack().count(), beforeTyping + 1);

    // Nothing again; then an action the menu does not offer, as a file may hold it, is shown and kept.
    QTest::keyClick(action, Qt::Key_Home);
    showAgain();
    EXPECT_EQ(property(PropertyKey::actionCategory), "");
    PlacedComponent other = current();
    other.properties[PropertyKey::actionCategory] = "component";
    other.properties[PropertyKey::componentAction] = "play_video";
    session().updateComponent(other, true);
    showAgain();
    EXPECT_EQ(action->currentText(), "Other (kept as in the file)");
    undoStack().undo();
    showAgain();
    EXPECT_EQ(action->currentText(), "Nothing");
}
