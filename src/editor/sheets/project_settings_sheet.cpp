#include "editor/sheets/project_settings_sheet.h"

#include "editor/sheets/schedule_editor.h"

#include "editor/sheets/project_setup.h"
#include "editor/sheets/resolution_picker.h"
#include "editor/sheets/sheet_layout.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vistrelle {

ProjectSettingsSheet::ProjectSettingsSheet(const KioskProject& project, QWidget* parent)
    : QDialog(parent)
    , metadata_(project.metadata)
    , settings_(project.settings)
    , name_(new QLineEdit(project.metadata.name, this))
    , description_(new QLineEdit(project.metadata.description, this))
    , password_(makePasswordField(tr("Enter password for deploy mode"), this))
    , resolution_(new ResolutionPicker(ResolutionPicker::Listing::bothOrientations, this))
    , autoSave_(new QCheckBox(tr("Auto Save"), this))
    , showGrid_(new QCheckBox(tr("Show Grid"), this))
    , snapToGrid_(new QCheckBox(tr("Snap to Grid"), this))
    , gridSize_(makeGridSizeBox(project.settings.gridSize, this))
    , showGuides_(new QCheckBox(tr("Show Guides"), this)) {
    setWindowTitle(tr("Vistrelle Project Settings"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(8);
    layout->addWidget(makeSheetHeader(tr("Vistrelle Project Settings"),
                                      tr("The default settings of your digital signage project"), this));
    layout->addSpacing(4);

    QFormLayout* information =
        addProjectInformationSection(layout, name_, description_, password_, tr("Password"));
    password_->setText(project.settings.deployPassword);

    QFormLayout* display = addSheetSection(layout, QStringLiteral("display"), tr("Display Settings"));
    resolution_->setObjectName(QStringLiteral("defaultResolution"));
    resolution_->setSelectedResolution(project.settings.defaultResolution);
    display->addRow(tr("Default Resolution"), resolution_);
    addEditorSettingRows(display, autoSave_, showGrid_, snapToGrid_, gridSize_, project.settings.autoSave,
                         project.settings.showGrid, project.settings.snapToGrid);
    shownGridSize_ = gridSize_->value();
    showGuides_->setObjectName(QStringLiteral("showGuides"));
    showGuides_->setChecked(project.settings.showGuides);
    display->addRow(QString(), showGuides_);

    QFormLayout* hours = addSheetSection(layout, QStringLiteral("clock"), tr("Opening Hours"));
    openingHours_ = new ScheduleEditor(ScheduleEditor::Kind::openingHours, this);
    openingHours_->setObjectName(QStringLiteral("openingHours"));
    openingHours_->show(project.settings.openingHours);
    hours->addRow(openingHours_);

    alignFormLabels({information, display});

    layout->addSpacing(8);
    QDialogButtonBox* buttons = makeSheetButtons(tr("Cancel"), tr("Update"), this);
    acceptButton(buttons)->setObjectName(QStringLiteral("update"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ProjectSettingsSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ProjectSettingsSheet::reject);
    layout->addWidget(buttons);

    connect(name_, &QLineEdit::textChanged, this,
            [this](const QString& text) { emit projectNameEdited(trimmedProjectName(text)); });

    resize(sizeHint().expandedTo(QSize(520, 0)));
}

ProjectMetadata ProjectSettingsSheet::metadata() const {
    ProjectMetadata result = metadata_;
    result.name = trimmedProjectName(name_->text());
    result.description = description_->text();
    return result;
}

ProjectSettings ProjectSettingsSheet::settings() const {
    ProjectSettings result = settings_;
    result.deployPassword = password_->text();
    result.defaultResolution = resolution_->selectedResolution();
    if (result.defaultResolution.isCustom && !result.customResolutions.contains(result.defaultResolution))
        result.customResolutions.append(result.defaultResolution);
    result.autoSave = autoSave_->isChecked();
    result.showGrid = showGrid_->isChecked();
    result.snapToGrid = snapToGrid_->isChecked();
    // A size outside the control's range (from an older file) stays as it
    // was unless the user picks another one.
    if (gridSize_->value() != shownGridSize_)
        result.gridSize = gridSize_->value();
    result.showGuides = showGuides_->isChecked();
    result.openingHours = openingHours_->schedule();
    return result;
}

} // namespace vistrelle

namespace vistrelle {

void ProjectSettingsSheet::focusPasswordField() {
    password_->setFocus(Qt::OtherFocusReason);
    password_->selectAll();
}

} // namespace vistrelle
