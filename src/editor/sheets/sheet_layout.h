#pragma once

#include <QList>
#include <QString>

class QBoxLayout;
class QCheckBox;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QWidget;

namespace vistrelle {

// The building blocks every sheet of the editor shares, so that they look alike.

// The sheet's title in large bold type with the subtitle below it.
QWidget* makeSheetHeader(const QString& title, const QString& subtitle, QWidget* parent);

// A section under `layout`: a symbol and a bold title over a framed form.
// Returns the form, to be filled with rows.
QFormLayout* addSheetSection(QBoxLayout* layout, const QString& symbolName, const QString& title);

// A smaller, dimmed line of explanation.
QLabel* makeNoteLabel(const QString& text, QWidget* parent = nullptr);

// A password field whose trailing eye button shows and hides the text.
QLineEdit* makePasswordField(const QString& placeholder, QWidget* parent = nullptr);

// The grid size control: 5 to 200 pixels in steps of 5, widened to take in
// `value` when a project holds one outside that range.
QSpinBox* makeGridSizeBox(qint64 value, QWidget* parent);

// Gives the labels of all these forms the width of the widest one, so the
// fields of every section start at the same place.
void alignFormLabels(const QList<QFormLayout*>& forms);

// The "Project Information" section of both project sheets: the name,
// description and password fields, named and with their placeholders; the
// password row takes `passwordLabel`. Returns the form, for further rows.
QFormLayout* addProjectInformationSection(QBoxLayout* layout, QLineEdit* name, QLineEdit* description,
                                          QLineEdit* password, const QString& passwordLabel);

// The editor settings rows of both project sheets: the three toggles, set as
// given, and the grid size.
void addEditorSettingRows(QFormLayout* form, QCheckBox* autoSave, QCheckBox* showGrid, QCheckBox* snapToGrid,
                          QSpinBox* gridSize, bool autoSaveOn, bool showGridOn, bool snapToGridOn);

// The sheet's buttons: a rejecting one and the default accepting one.
QDialogButtonBox* makeSheetButtons(const QString& rejectText, const QString& acceptText, QWidget* parent);
QPushButton* acceptButton(QDialogButtonBox* buttons);
QPushButton* rejectButton(QDialogButtonBox* buttons);

} // namespace vistrelle
