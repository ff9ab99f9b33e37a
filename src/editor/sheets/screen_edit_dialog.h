#pragma once

#include "model/project_model.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace vistrelle {

// Renames a screen and changes how long it shows; the edited screen is read
// through editedScreen() once "Save Changes" has accepted the dialog.
class ScreenEditDialog : public QDialog {
    Q_OBJECT

public:
    explicit ScreenEditDialog(const KioskScreen& screen, QWidget* parent = nullptr);

    // The screen with the typed name and duration (see vistrelle::editedScreen).
    KioskScreen editedScreen() const;

private:
    KioskScreen screen_;
    QLineEdit* name_;
    QLineEdit* duration_;
};

} // namespace vistrelle
