#pragma once

#include "editor/sheets/project_setup.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace vistrelle {

class ColorButton;
class ResolutionPicker;

// The sheet shown for a new document: the user's choices build the project.
// Leaving it any other way than "Create Project" (Cancel, Escape, closing the
// window) asks first, since the document is then closed without saving.
class ProjectSetupSheet : public QDialog {
    Q_OBJECT

public:
    explicit ProjectSetupSheet(QWidget* parent = nullptr);

    ProjectSetupChoices choices() const;
    // The project built from the choices; meaningful once the sheet was accepted.
    KioskProject createdProject() const { return project_; }

    void accept() override;
    void reject() override;

private:
    QLineEdit* name_;
    QLineEdit* description_;
    QLineEdit* password_;
    QSpinBox* screens_;
    QButtonGroup* orientation_;
    ResolutionPicker* resolution_;
    QCheckBox* autoSave_;
    QCheckBox* showGrid_;
    QCheckBox* snapToGrid_;
    QSpinBox* gridSize_;
    ColorButton* background_;
    KioskProject project_;
};

} // namespace vistrelle
