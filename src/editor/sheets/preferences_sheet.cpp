#include "editor/sheets/preferences_sheet.h"

#include "editor/sheets/project_setup.h"
#include "editor/sheets/sheet_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace vistrelle {

namespace {

// The auto-save interval the sheet offers, in seconds.
constexpr int kShortestAutoSave = 10;
constexpr int kLongestAutoSave = 3600;

QComboBox* makeChoiceBox(const QStringList& labels, const QStringList& values, const QString& current,
                         QWidget* parent) {
    auto* box = new QComboBox(parent);
    for (qsizetype i = 0; i < labels.size(); ++i)
        box->addItem(labels[i], values[i]);
    box->setCurrentIndex(qMax(0, box->findData(current)));
    return box;
}

} // namespace

PreferencesSheet::PreferencesSheet(QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Preferences"));
    setModal(true);
    const EditorPreferences stored = EditorPreferences::load();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(8);
    layout->addWidget(makeSheetHeader(tr("Preferences"), QString(), this));

    QFormLayout* projects = addSheetSection(layout, QStringLiteral("doc.text"), tr("New Projects"));
    projectName_ = new QLineEdit(stored.defaultProjectName, this);
    projectName_->setObjectName(QStringLiteral("defaultProjectName"));
    projectName_->setPlaceholderText(EditorPreferences::untitledProjectName());
    projects->addRow(tr("Default Project Name"), projectName_);

    QStringList resolutionLabels;
    for (const QString& choice : EditorPreferences::resolutionChoices())
        resolutionLabels.append(resolutionLabel(EditorPreferences::resolutionPreset(choice)));
    resolution_ = makeChoiceBox(resolutionLabels, EditorPreferences::resolutionChoices(),
                                stored.defaultResolution, this);
    resolution_->setObjectName(QStringLiteral("defaultResolution"));
    projects->addRow(tr("Default Resolution"), resolution_);

    autoSaveInterval_ = new QSpinBox(this);
    autoSaveInterval_->setObjectName(QStringLiteral("autoSaveInterval"));
    autoSaveInterval_->setRange(kShortestAutoSave, kLongestAutoSave);
    autoSaveInterval_->setSingleStep(30);
    autoSaveInterval_->setSuffix(tr(" seconds"));
    autoSaveInterval_->setAlignment(Qt::AlignRight);
    autoSaveInterval_->setValue(
        int(std::lround(std::clamp<double>(stored.autoSaveInterval, kShortestAutoSave, kLongestAutoSave))));
    autoSaveInterval_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    projects->addRow(tr("Auto Save Every"), autoSaveInterval_);

    QFormLayout* appearance =
        addSheetSection(layout, QStringLiteral("slider.horizontal.3"), tr("Appearance"));
    theme_ = makeChoiceBox({tr("System"), tr("Light"), tr("Dark")}, EditorPreferences::themeChoices(),
                           stored.theme, this);
    theme_->setObjectName(QStringLiteral("theme"));
    appearance->addRow(tr("Theme"), theme_);
    libraryLocation_ = makeChoiceBox({tr("Sidebar"), tr("Separate Window")},
                                     EditorPreferences::componentLibraryLocationChoices(),
                                     stored.componentLibraryLocation, this);
    libraryLocation_->setObjectName(QStringLiteral("componentLibraryLocation"));
    appearance->addRow(tr("Component Library"), libraryLocation_);
    showWelcomeScreen_ = new QCheckBox(tr("Show Welcome Screen at Startup"), this);
    showWelcomeScreen_->setObjectName(QStringLiteral("showWelcomeScreen"));
    showWelcomeScreen_->setChecked(stored.showWelcomeScreen);
    appearance->addRow(QString(), showWelcomeScreen_);

    alignFormLabels({projects, appearance});

    layout->addSpacing(8);
    QDialogButtonBox* buttons = makeSheetButtons(tr("Cancel"), tr("Save"), this);
    acceptButton(buttons)->setObjectName(QStringLiteral("save"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PreferencesSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PreferencesSheet::reject);
    layout->addWidget(buttons);

    resize(sizeHint().expandedTo(QSize(480, 0)));
}

EditorPreferences PreferencesSheet::preferences() const {
    EditorPreferences result;
    // A blank name would give every new project a blank name.
    const QString name = projectName_->text();
    result.defaultProjectName = name.trimmed().isEmpty() ? EditorPreferences::untitledProjectName() : name;
    result.defaultResolution = resolution_->currentData().toString();
    result.autoSaveInterval = autoSaveInterval_->value();
    result.showWelcomeScreen = showWelcomeScreen_->isChecked();
    result.theme = theme_->currentData().toString();
    result.componentLibraryLocation = libraryLocation_->currentData().toString();
    return result;
}

void PreferencesSheet::accept() {
    preferences().save();
    QDialog::accept();
}

} // namespace vistrelle
