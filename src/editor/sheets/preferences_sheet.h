#pragma once

#include "editor/sheets/editor_preferences.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace vistrelle {

// The editor's preferences. Shows the stored values; "Save" writes them back
// to the preference store and closes the sheet.
class PreferencesSheet : public QDialog {
    Q_OBJECT

public:
    explicit PreferencesSheet(QWidget* parent = nullptr);

    // The values as the sheet shows them now.
    EditorPreferences preferences() const;

    void accept() override;

private:
    QLineEdit* projectName_;
    QComboBox* resolution_;
    QSpinBox* autoSaveInterval_;
    QCheckBox* showWelcomeScreen_;
    QComboBox* theme_;
    QComboBox* libraryLocation_;
};

} // namespace vistrelle
