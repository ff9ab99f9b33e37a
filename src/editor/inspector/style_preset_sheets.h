#pragma once

#include "editing/style_preset_manager.h"
#include "model/enumerations.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QScrollArea;

namespace vistrelle {

// Asks for the name of a new style preset. The caller opens it with open()
// and reads presetName() once it is accepted.
class SaveStylePresetSheet : public QDialog {
    Q_OBJECT

public:
    explicit SaveStylePresetSheet(QWidget* parent = nullptr);

    // The name exactly as typed (blanks included); "Save" needs at least one character.
    QString presetName() const;

private:
    QLineEdit* name_;
    QPushButton* save_;
};

// The saved presets of one component type, each with "Apply" and "Delete".
// Apply reports the preset through applyRequested and closes the sheet
// (accepted); Delete removes it from the manager at once; "Done" closes the
// sheet (rejected).
class StylePresetsSheet : public QDialog {
    Q_OBJECT

public:
    StylePresetsSheet(StylePresetManager& manager, ComponentType type, QWidget* parent = nullptr);

signals:
    void applyRequested(const ComponentStylePreset& preset);

private:
    void rebuildRows();
    QWidget* makeEmptyState(QWidget* parent) const;

    StylePresetManager& manager_;
    ComponentType type_;
    QScrollArea* list_;
};

} // namespace vistrelle
