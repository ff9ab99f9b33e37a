#include "editor/sheets/custom_resolution_dialog.h"
#include "editor/sheets/editor_preferences.h"
#include "editor/sheets/preferences_sheet.h"
#include "editor/sheets/project_settings_sheet.h"
#include "editor/sheets/project_setup_sheet.h"
#include "editor/sheets/resolution_picker.h"
#include "editor/sheets/screen_edit_dialog.h"

#include "editor/sheets/color_button.h"
#include "platform/preferences.h"
#include "support/qt_printers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

template <typename T> T* child(const QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Chooses the combo box entry with this text as the user would.
void activate(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

QStringList entries(const QComboBox* combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

// The open custom resolution dialog of `picker`, if any.
CustomResolutionDialog* openCustomDialog(const ResolutionPicker& picker) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (CustomResolutionDialog* dialog : picker.findChildren<CustomResolutionDialog*>())
        if (dialog->isVisible())
            return dialog;
    return nullptr;
}

// Answers the open cancel question of the setup sheet with the button of this text.
void answerCancelQuestion(const ProjectSetupSheet& sheet, const QString& answer) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto* question = sheet.findChild<QMessageBox*>("cancelQuestion");
    ASSERT_NE(question, nullptr);
    ASSERT_TRUE(question->isVisible());
    EXPECT_EQ(question->windowTitle(), "Cancel Project Setup");
    for (QAbstractButton* button : question->buttons())
        if (button->text() == answer) {
            button->click();
            return;
        }
    FAIL() << "no button " << answer.toStdString();
}

} // namespace

TEST(ProjectSetupSheet, CreatesTheProjectFromTheFilledFields) {
    ProjectSetupSheet sheet;
    sheet.show();
    auto* picker = child<ResolutionPicker>(sheet, "defaultResolution");
    EXPECT_EQ(picker->selectedResolution(), ScreenResolution());

    QTest::keyClicks(child<QLineEdit>(sheet, "projectName"), "  Lobby ");
    QTest::keyClicks(child<QLineEdit>(sheet, "projectDescription"), "Ground floor");
    QTest::keyClicks(child<QLineEdit>(sheet, "deployPassword"), "4711");
    child<QSpinBox>(sheet, "numberOfScreens")->setValue(99);
    QTest::mouseClick(child<QRadioButton>(sheet, "vertical"), Qt::LeftButton);
    // The orientation moves the selection to the same place in the other list.
    EXPECT_EQ(picker->selectedResolution().name, "XGA Portrait");
    activate(picker->comboBox(), "HD 720p Portrait (720\u00D71280)");
    child<QCheckBox>(sheet, "snapToGrid")->click();
    child<QSpinBox>(sheet, "gridSize")->setValue(40);
    child<ColorButton>(sheet, "defaultBackground")->setColor("#abcdef");

    QTest::mouseClick(child<QPushButton>(sheet, "createProject"), Qt::LeftButton);

    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    const KioskProject project = sheet.createdProject();
    EXPECT_EQ(project.metadata.name, "Lobby");
    EXPECT_EQ(project.metadata.description, "Ground floor");
    EXPECT_EQ(project.settings.deployPassword, "4711");
    EXPECT_EQ(project.screens.size(), 50);
    const ScreenResolution portrait720 = ScreenResolution::presets(ScreenMode::vertical).at(1);
    EXPECT_EQ(project.settings.defaultResolution, portrait720);
    EXPECT_EQ(project.screens.last().resolution, portrait720);
    EXPECT_TRUE(project.settings.autoSave);
    EXPECT_TRUE(project.settings.showGrid);
    EXPECT_FALSE(project.settings.snapToGrid);
    EXPECT_EQ(project.settings.gridSize, 40);
    EXPECT_EQ(project.settings.defaultBackground.color, "#ABCDEF");
    EXPECT_EQ(project.screens.first().background.color, "#ABCDEF");
}

TEST(ProjectSetupSheet, AsksBeforeLeavingByCancelEscapeOrClosing) {
    ProjectSetupSheet sheet;
    sheet.show();
    QSignalSpy rejected(&sheet, &QDialog::rejected);

    QTest::keyClick(&sheet, Qt::Key_Escape);
    EXPECT_TRUE(sheet.isVisible());
    answerCancelQuestion(sheet, "Continue Setup");
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(rejected.count(), 0);

    EXPECT_FALSE(sheet.close());
    answerCancelQuestion(sheet, "Continue Setup");
    EXPECT_TRUE(sheet.isVisible());

    child<QPushButton>(sheet, "cancel")->click();
    answerCancelQuestion(sheet, "Cancel Setup");
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(rejected.count(), 1);
}

TEST(ResolutionPicker, OtherEntersACustomResolutionThatEditChanges) {
    ResolutionPicker picker(ResolutionPicker::Listing::oneOrientation);
    picker.setMode(ScreenMode::vertical);
    QSignalSpy changes(&picker, &ResolutionPicker::selectedResolutionChanged);
    changes.clear();

    activate(picker.comboBox(), "Other...");
    CustomResolutionDialog* dialog = openCustomDialog(picker);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->widthText(), "1024");
    EXPECT_EQ(dialog->heightText(), "768");
    // While the dialog is open the picker still shows the old choice.
    EXPECT_EQ(picker.comboBox()->currentText(), "XGA Portrait (768\u00D71024)");

    dialog->findChild<QLineEdit*>("width")->setText("1000");
    dialog->accept();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->errorText(), "Resolution must be at least 1024\u00D7768");
    EXPECT_EQ(changes.count(), 0);

    dialog->findChild<QLineEdit*>("width")->setText("1280");
    dialog->findChild<QLineEdit*>("height")->setText("1024");
    dialog->accept();
    const ScreenResolution custom{1280, 1024, "Custom 1280\u00D71024", ScreenMode::vertical, true};
    EXPECT_EQ(picker.selectedResolution(), custom);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(entries(picker.comboBox()).mid(3),
              (QStringList{"Custom 1280\u00D71024 (1280\u00D71024)", "", "Other...", "Edit..."}));

    // Edit starts from the custom size; cancelling keeps everything.
    activate(picker.comboBox(), "Edit...");
    dialog = openCustomDialog(picker);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->widthText(), "1280");
    dialog->reject();
    EXPECT_EQ(picker.selectedResolution(), custom);

    // A preset choice drops "Edit..." but keeps the custom entry on offer.
    activate(picker.comboBox(), "HD 720p Portrait (720\u00D71280)");
    EXPECT_FALSE(entries(picker.comboBox()).contains("Edit..."));
    EXPECT_TRUE(entries(picker.comboBox()).contains("Custom 1280\u00D71024 (1280\u00D71024)"));

    // The custom size follows a change of orientation.
    activate(picker.comboBox(), "Custom 1280\u00D71024 (1280\u00D71024)");
    picker.setMode(ScreenMode::horizontal);
    EXPECT_EQ(picker.selectedResolution().mode, ScreenMode::horizontal);
    EXPECT_EQ(picker.selectedResolution().width, 1280);
}

TEST(ProjectSettingsSheet, AppliesTheNameAtOnceAndKeepsWhatWasNotEdited) {
    KioskProject project;
    project.metadata.name = "Foyer";
    project.metadata.author = "Facilities";
    project.settings.gridSize = 7; // off the control's steps
    project.settings.showGuides = false;
    project.settings.inheritFirstScreenBackground = false;
    project.settings.defaultBackground.color = "#202020";
    project.settings.deployPassword = "old";
    const ScreenResolution wide = *ScreenResolution::custom(2560, 1080, ScreenMode::horizontal);
    project.settings.customResolutions = {wide};

    ProjectSettingsSheet sheet(project);
    QSignalSpy names(&sheet, &ProjectSettingsSheet::projectNameEdited);
    auto* name = child<QLineEdit>(sheet, "projectName");
    EXPECT_EQ(name->text(), "Foyer");
    name->setText("  Main Hall \n");
    name->setText(" ");
    ASSERT_EQ(names.count(), 2);
    EXPECT_EQ(names[0][0].toString(), "Main Hall");
    EXPECT_EQ(names[1][0].toString(), "Untitled Project");

    EXPECT_EQ(child<QLineEdit>(sheet, "deployPassword")->text(), "old");
    child<QLineEdit>(sheet, "deployPassword")->setText("1234");
    child<QLineEdit>(sheet, "projectDescription")->setText("Screens by the entrance");
    child<QCheckBox>(sheet, "showGrid")->click();
    child<QCheckBox>(sheet, "showGuides")->click();
    auto* picker = child<ResolutionPicker>(sheet, "defaultResolution");
    // Both orientations are on offer here.
    EXPECT_GE(picker->comboBox()->findText("Full HD 1080p Portrait (1080\u00D71920)"), 0);
    picker->setSelectedResolution(wide);
    QTest::mouseClick(child<QPushButton>(sheet, "update"), Qt::LeftButton);
    EXPECT_EQ(sheet.result(), QDialog::Accepted);

    ProjectSettings expected = project.settings;
    expected.deployPassword = "1234";
    expected.showGrid = false;
    expected.showGuides = true;
    expected.defaultResolution = wide; // already among the custom ones: not added twice
    EXPECT_EQ(sheet.settings(), expected);

    ProjectMetadata metadata = project.metadata;
    metadata.name = "Untitled Project";
    metadata.description = "Screens by the entrance";
    EXPECT_EQ(sheet.metadata(), metadata);

    // A new custom resolution is remembered, and a changed grid size applies.
    const ScreenResolution tall = *ScreenResolution::custom(1200, 1920, ScreenMode::vertical);
    picker->setSelectedResolution(tall);
    child<QSpinBox>(sheet, "gridSize")->setValue(25);
    EXPECT_EQ(sheet.settings().customResolutions, (QList<ScreenResolution>{wide, tall}));
    EXPECT_EQ(sheet.settings().gridSize, 25);
}

TEST(PreferencesSheet, ShowsDefaultsAndSavesToTheStore) {
    QTemporaryDir store;
    ASSERT_TRUE(store.isValid());
    Preferences::setStoreFolder(store.path());

    {
        PreferencesSheet sheet;
        EXPECT_EQ(sheet.preferences(), EditorPreferences());
        EXPECT_EQ(EditorPreferences().defaultProjectName, "Untitled Vistrelle Project");
        EXPECT_EQ(child<QComboBox>(sheet, "defaultResolution")->currentText(),
                  "Full HD 1080p (1920\u00D71080)");

        child<QLineEdit>(sheet, "defaultProjectName")->setText("Gallery");
        child<QComboBox>(sheet, "defaultResolution")->setCurrentIndex(0);
        child<QSpinBox>(sheet, "autoSaveInterval")->setValue(120);
        child<QCheckBox>(sheet, "showWelcomeScreen")->setChecked(false);
        child<QComboBox>(sheet, "theme")->setCurrentIndex(2);
        child<QComboBox>(sheet, "componentLibraryLocation")->setCurrentIndex(1);
        QTest::mouseClick(child<QPushButton>(sheet, "save"), Qt::LeftButton);
    }

    const EditorPreferences saved{"Gallery", "xga", 120, false, "dark", "window"};
    EXPECT_EQ(EditorPreferences::load(), saved);
    EXPECT_EQ(PreferencesSheet().preferences(), saved);

    // Values the editor cannot use fall back to their defaults.
    Preferences::setValue(EditorPreferences::themeKey, "purple");
    Preferences::setValue(EditorPreferences::autoSaveIntervalKey, "soon");
    Preferences::setValue(EditorPreferences::defaultResolutionKey, "hd4k");
    const EditorPreferences loaded = EditorPreferences::load();
    EXPECT_EQ(loaded.theme, "system");
    EXPECT_EQ(loaded.autoSaveInterval, 300);
    EXPECT_EQ(loaded.defaultResolution, "hd1080");
    EXPECT_EQ(loaded.componentLibraryLocation, "window");
}

TEST(ScreenEditDialog, DescribesTheScreenAndSavesTheTypedValues) {
    KioskScreen screen("Menu");
    screen.resolution = ScreenResolution::presets(ScreenMode::horizontal).last();
    screen.components = {PlacedComponent{}, PlacedComponent{}};
    screen.duration = 10;

    ScreenEditDialog dialog(screen);
    EXPECT_EQ(child<QLabel>(dialog, "componentCount")->text(), "2 components");
    EXPECT_EQ(child<QLabel>(dialog, "resolution")->text(), "1920 \u00D7 1080 pixels");
    EXPECT_EQ(child<QLineEdit>(dialog, "duration")->text(), "10");

    child<QLineEdit>(dialog, "screenName")->clear();
    child<QLineEdit>(dialog, "duration")->setText("+4");
    const KioskScreen edited = dialog.editedScreen();
    EXPECT_EQ(edited.name, "Untitled Screen");
    EXPECT_EQ(edited.duration, 4);
    EXPECT_EQ(edited.components, screen.components);
}
