#pragma once

#include "model/project_model.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace vistrelle {

class ResolutionPicker;
class ScheduleEditor;

// Edits the project-wide values of an open project. The name applies at once
// (projectNameEdited); the other edits are read through metadata() and
// settings() once "Update" has accepted the sheet.
class ProjectSettingsSheet : public QDialog {
    Q_OBJECT

public:
    explicit ProjectSettingsSheet(const KioskProject& project, QWidget* parent = nullptr);

    // The project's metadata with the sheet's name and description.
    ProjectMetadata metadata() const;
    // The project's settings with the sheet's password and display settings;
    // a custom default resolution is also remembered among the custom ones.
    ProjectSettings settings() const;

    // Puts the keyboard in the password field (a deployment needs a password).
    void focusPasswordField();

signals:
    // On every change of the name field: the name the project now has.
    void projectNameEdited(const QString& name);

private:
    ProjectMetadata metadata_;
    ProjectSettings settings_;
    QLineEdit* name_;
    QLineEdit* description_;
    QLineEdit* password_;
    ResolutionPicker* resolution_;
    QCheckBox* autoSave_;
    QCheckBox* showGrid_;
    QCheckBox* snapToGrid_;
    QSpinBox* gridSize_;
    QCheckBox* showGuides_;
    ScheduleEditor* openingHours_ = nullptr;
    int shownGridSize_ = 0;
};

} // namespace vistrelle
