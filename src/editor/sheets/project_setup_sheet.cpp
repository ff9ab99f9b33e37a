#include "editor/sheets/project_setup_sheet.h"

#include "editor/sheets/color_button.h"
#include "editor/sheets/resolution_picker.h"
#include "editor/sheets/sheet_layout.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vistrelle {

ProjectSetupSheet::ProjectSetupSheet(QWidget* parent)
    : QDialog(parent)
    , name_(new QLineEdit(this))
    , description_(new QLineEdit(this))
    , password_(makePasswordField(tr("Enter password for deploy mode"), this))
    , screens_(new QSpinBox(this))
    , orientation_(new QButtonGroup(this))
    , resolution_(new ResolutionPicker(ResolutionPicker::Listing::oneOrientation, this))
    , autoSave_(new QCheckBox(tr("Auto Save"), this))
    , showGrid_(new QCheckBox(tr("Show Grid"), this))
    , snapToGrid_(new QCheckBox(tr("Snap to Grid"), this))
    , gridSize_(makeGridSizeBox(ProjectSetupChoices().gridSize, this))
    , background_(new ColorButton(QStringLiteral("#FFFFFF"), this)) {
    setWindowTitle(tr("New Vistrelle Project"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(8);
    layout->addWidget(makeSheetHeader(tr("New Vistrelle Project"),
                                      tr("Configure your new digital signage project settings"), this));
    layout->addSpacing(4);

    const ProjectSetupChoices initial;

    QFormLayout* information = addProjectInformationSection(layout, name_, description_, password_,
                                                            tr("Password for Vistrelle Player app"));
    information->addRow(QString(),
                        makeNoteLabel(tr("Used by Vistrelle Player app only to exit display mode."), this));

    QFormLayout* basics = addSheetSection(layout, QStringLiteral("gear"), tr("Basic Settings"));
    screens_->setObjectName(QStringLiteral("numberOfScreens"));
    screens_->setRange(ProjectSetupChoices::minimumScreens, ProjectSetupChoices::maximumScreens);
    screens_->setValue(initial.numberOfScreens);
    screens_->setAlignment(Qt::AlignRight);
    screens_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    screens_->setMinimumWidth(gridSize_->sizeHint().width());
    basics->addRow(tr("Number of Screens"), screens_);

    QFormLayout* configuration =
        addSheetSection(layout, QStringLiteral("rectangle.on.rectangle"), tr("Screen Configuration"));
    auto* orientationRow = new QHBoxLayout;
    orientationRow->setSpacing(16);
    auto* horizontal = new QRadioButton(tr("Horizontal"), this);
    horizontal->setObjectName(QStringLiteral("horizontal"));
    auto* vertical = new QRadioButton(tr("Vertical"), this);
    vertical->setObjectName(QStringLiteral("vertical"));
    orientation_->addButton(horizontal, int(ScreenMode::horizontal));
    orientation_->addButton(vertical, int(ScreenMode::vertical));
    horizontal->setChecked(true);
    orientationRow->addWidget(horizontal);
    orientationRow->addWidget(vertical);
    orientationRow->addStretch();
    configuration->addRow(tr("Screen Orientation"), orientationRow);
    resolution_->setObjectName(QStringLiteral("defaultResolution"));
    resolution_->setSelectedResolution(initial.resolution);
    configuration->addRow(tr("Default Resolution"), resolution_);
    connect(orientation_, &QButtonGroup::idClicked, this,
            [this](int id) { resolution_->setMode(ScreenMode(id)); });

    QFormLayout* settings = addSheetSection(layout, QStringLiteral("gearshape"), tr("Project Settings"));
    addEditorSettingRows(settings, autoSave_, showGrid_, snapToGrid_, gridSize_, initial.autoSave,
                         initial.showGrid, initial.snapToGrid);

    QFormLayout* advanced = addSheetSection(layout, QStringLiteral("slider.horizontal.3"), tr("Advanced"));
    background_->setObjectName(QStringLiteral("defaultBackground"));
    background_->setColor(initial.defaultBackground.color);
    background_->setToolTip(tr("The background colour of new screens"));
    advanced->addRow(tr("Default Background"), background_);

    alignFormLabels({information, basics, configuration, settings, advanced});

    layout->addSpacing(8);
    QDialogButtonBox* buttons = makeSheetButtons(tr("Cancel"), tr("Create Project"), this);
    acceptButton(buttons)->setObjectName(QStringLiteral("createProject"));
    rejectButton(buttons)->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ProjectSetupSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ProjectSetupSheet::reject);
    layout->addWidget(buttons);

    name_->setFocus();
    resize(sizeHint().expandedTo(QSize(600, 0)));
}

ProjectSetupChoices ProjectSetupSheet::choices() const {
    ProjectSetupChoices result;
    result.name = name_->text();
    result.description = description_->text();
    result.deployPassword = password_->text();
    result.numberOfScreens = screens_->value();
    result.resolution = resolution_->selectedResolution();
    result.autoSave = autoSave_->isChecked();
    result.showGrid = showGrid_->isChecked();
    result.snapToGrid = snapToGrid_->isChecked();
    result.gridSize = gridSize_->value();
    result.defaultBackground.color = background_->color();
    return result;
}

void ProjectSetupSheet::accept() {
    project_ = projectFromSetup(choices());
    QDialog::accept();
}

void ProjectSetupSheet::reject() {
    // Asked without a nested event loop: the sheet stays open (a close event
    // is refused) until the answer arrives.
    auto* question =
        new QMessageBox(QMessageBox::Warning, tr("Cancel Project Setup"),
                        tr("Are you sure you want to cancel? This will close the document without saving."),
                        QMessageBox::NoButton, this);
    question->setObjectName(QStringLiteral("cancelQuestion"));
    question->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* cancelSetup = question->addButton(tr("Cancel Setup"), QMessageBox::DestructiveRole);
    QPushButton* continueSetup = question->addButton(tr("Continue Setup"), QMessageBox::RejectRole);
    question->setDefaultButton(continueSetup);
    question->setEscapeButton(continueSetup);
    connect(question, &QMessageBox::buttonClicked, this, [this, cancelSetup](QAbstractButton* button) {
        if (button == cancelSetup)
            QDialog::reject();
    });
    question->open();
}

} // namespace vistrelle
