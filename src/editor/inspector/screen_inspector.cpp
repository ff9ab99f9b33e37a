#include "editor/inspector/screen_inspector.h"

#include "editing/document_edit_commands.h"
#include "editing/inspector_update_manager.h"
#include "editing/shared_document_manager.h"
#include "editor/inspector/background_selector.h"
#include "editor/inspector/inspector_rules.h"
#include "editor/inspector/inspector_section.h"
#include "editor/inspector/transition_preview.h"
#include "editor/sheets/color_button.h"
#include "editor/sheets/sheet_layout.h"
#include "editor/sheets/symbol_icon.h"
#include "export/screen_template.h"
#include "model/stored_enum.h"
#include "platform/app_logger.h"
#include "platform/file_writing.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSlider>
#include <QUndoStack>
#include <QVBoxLayout>

#include <cmath>

namespace vistrelle {

namespace {

SharedDocumentManager& manager() {
    return SharedDocumentManager::shared();
}

// The transition speed slider: 0.5 to 2.0 seconds in tenths.
constexpr double speedStep = 0.1;
int speedTick(double seconds) {
    return int(
        std::lround((std::clamp(seconds, TransitionStyle::minimumDuration, TransitionStyle::maximumDuration) -
                     TransitionStyle::minimumDuration) /
                    speedStep));
}
double speedSeconds(int tick) {
    return std::round((TransitionStyle::minimumDuration + tick * speedStep) * 10) / 10;
}

QString effectName(TransitionEffect effect) {
    return QApplication::translate("TransitionEffect", qPrintable(storedString(effect)));
}

// Several steps as one undo step (a setting and the copies it makes).
class StepGroup {
public:
    explicit StepGroup(const QString& name)
        : stack_(manager().undoManager().undoManager()) {
        if (stack_)
            stack_->beginMacro(name);
    }
    ~StepGroup() {
        if (stack_)
            stack_->endMacro();
    }
    StepGroup(const StepGroup&) = delete;
    StepGroup& operator=(const StepGroup&) = delete;

private:
    QUndoStack* stack_;
};

} // namespace

ScreenInspector::ScreenInspector(QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(14);
    header_ = new InspectorContextHeader(this);
    layout->addWidget(header_);
    layout->addWidget(makeSettingsSection());
    layout->addWidget(makeTransitionSection());
    layout->addWidget(makeBackgroundSection());
    layout->addWidget(makeTemplateSection());
    layout->addStretch();
    QList<QFormLayout*> forms;
    for (const InspectorSection* section : findChildren<InspectorSection*>(Qt::FindDirectChildrenOnly))
        forms.append(section->form());
    alignFormLabels(forms);
}

QWidget* ScreenInspector::makeSettingsSection() {
    auto* section = new InspectorSection(QStringLiteral("gearshape"), tr("Screen Settings"), this);
    name_ = new QLineEdit(section);
    name_->setObjectName(QStringLiteral("screenName"));
    name_->setPlaceholderText(tr("Screen Name"));
    section->addRow(tr("Name"), name_);

    auto* duration = new QWidget(section);
    auto* row = new QHBoxLayout(duration);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    duration_ = new QLineEdit(duration);
    duration_->setObjectName(QStringLiteral("screenDuration"));
    duration_->setFixedWidth(44);
    duration_->setAlignment(Qt::AlignRight);
    row->addWidget(duration_);
    row->addWidget(new QLabel(tr("seconds"), duration));
    row->addStretch();
    section->addRow(tr("Display Duration"), duration);

    connect(name_, &QLineEdit::editingFinished, this, &ScreenInspector::commitName);
    connect(duration_, &QLineEdit::editingFinished, this, &ScreenInspector::commitDuration);
    return section;
}

QWidget* ScreenInspector::makeTransitionSection() {
    auto* section = new InspectorSection(QStringLiteral("arrow.right.arrow.left"), tr("Transition"), this);
    effect_ = new QComboBox(section);
    effect_->setObjectName(QStringLiteral("transitionEffect"));
    for (const TransitionEffect effect : allCases<TransitionEffect>())
        effect_->addItem(effectName(effect), int(effect));
    section->addRow(tr("Visual Effect"), effect_);

    auto* speed = new QWidget(section);
    auto* row = new QHBoxLayout(speed);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    speed_ = new QSlider(Qt::Horizontal, speed);
    speed_->setObjectName(QStringLiteral("transitionSpeed"));
    speed_->setRange(0, speedTick(TransitionStyle::maximumDuration));
    speedValue_ = new QLabel(speed);
    speedValue_->setMinimumWidth(QFontMetrics(speedValue_->font()).horizontalAdvance(QStringLiteral("2.0s")) +
                                 4);
    speedValue_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(speed_, 1);
    row->addWidget(speedValue_);
    section->addRow(tr("Speed"), speed);

    preview_ = new TransitionPreview(Scheduler::eventLoop(), section);
    preview_->setObjectName(QStringLiteral("transitionPreview"));
    section->addRow({}, makeNoteLabel(tr("Preview"), section));
    section->addRow({}, preview_);
    transitionToAll_ = new QCheckBox(tr("Apply to all screens"), section);
    transitionToAll_->setObjectName(QStringLiteral("transitionToAll"));
    section->addRow({}, transitionToAll_);

    connect(effect_, &QComboBox::activated, this, [this](int index) {
        if (const KioskScreen* screen = liveScreen()) {
            TransitionStyle transition = screen->transition;
            transition.effect = TransitionEffect(effect_->itemData(index).toInt());
            EditInteraction::begin();
            writeTransition(transition, false);
        }
    });
    connect(speed_, &QSlider::sliderPressed, this, [] { EditInteraction::begin(); });
    connect(speed_, &QSlider::sliderReleased, this, [] { EditInteraction::begin(); });
    connect(speed_, &QSlider::valueChanged, this, [this](int tick) {
        speedValue_->setText(QStringLiteral("%1s").arg(speedSeconds(tick), 0, 'f', 1));
        const KioskScreen* screen = liveScreen();
        if (showing_ || !screen)
            return;
        TransitionStyle transition = screen->transition;
        transition.duration = speedSeconds(tick);
        writeTransition(transition, speed_->isSliderDown());
    });
    connect(transitionToAll_, &QCheckBox::clicked, this, &ScreenInspector::setTransitionToAll);
    return section;
}

QWidget* ScreenInspector::makeBackgroundSection() {
    auto* section = new InspectorSection(QStringLiteral("photo"), tr("Background"), this);
    background_ = new BackgroundSelector({}, section);
    background_->setObjectName(QStringLiteral("backgroundSelector"));
    section->addRow({}, background_);
    backgroundToAll_ = new QCheckBox(tr("Apply to all screens"), section);
    backgroundToAll_->setObjectName(QStringLiteral("backgroundToAll"));
    section->addRow({}, backgroundToAll_);
    connect(background_, &BackgroundSelector::backgroundEdited, this, [this](const BackgroundStyle& style) {
        // The colours tried in one colour dialog are one step; every other change is a step of its own.
        if (!inColorDialog_)
            EditInteraction::begin();
        writeBackground(style);
    });
    connect(backgroundToAll_, &QCheckBox::clicked, this, &ScreenInspector::setBackgroundToAll);
    for (ColorButton* well : background_->findChildren<ColorButton*>()) {
        connect(well, &ColorButton::editingStarted, this, [this] {
            EditInteraction::begin();
            inColorDialog_ = true;
        });
        connect(well, &ColorButton::editingFinished, this, [this] {
            inColorDialog_ = false;
            EditInteraction::begin();
        });
    }
    return section;
}

QWidget* ScreenInspector::makeTemplateSection() {
    auto* section =
        new InspectorSection(QStringLiteral("square.and.arrow.up.on.square"), tr("Content management"), this);
    auto* buttons = new QWidget(section);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    auto* exportButton =
        new QPushButton(symbolIcon(QStringLiteral("square.and.arrow.up")), tr("Export Screen"), buttons);
    exportButton->setObjectName(QStringLiteral("exportScreen"));
    exportButton->setToolTip(tr("Export this screen as a template"));
    auto* importButton =
        new QPushButton(symbolIcon(QStringLiteral("square.and.arrow.down")), tr("Import Screen"), buttons);
    importButton->setObjectName(QStringLiteral("importScreen"));
    importButton->setToolTip(tr("Import a screen from a saved template"));
    row->addWidget(exportButton);
    row->addWidget(importButton);
    row->addStretch();
    section->addRow({}, buttons);
    templateStatus_ = makeNoteLabel(QString(), section);
    templateStatus_->setObjectName(QStringLiteral("templateStatus"));
    templateStatus_->setWordWrap(true);
    templateStatus_->hide();
    section->addRow({}, templateStatus_);
    connect(exportButton, &QPushButton::clicked, this, &ScreenInspector::exportScreen);
    connect(importButton, &QPushButton::clicked, this, &ScreenInspector::importScreen);
    return section;
}

void ScreenInspector::show(const KioskProject& project, const KioskScreen& screen) {
    const bool sameScreen = screenId_ == screen.id;
    if (shown_ && sameScreen && *shown_ == screen &&
        backgroundToAll_->isChecked() == project.settings.inheritFirstScreenBackground)
        return;
    if (!sameScreen) {
        EditInteraction::begin();
        templateStatus_->hide();
    }
    const QScopedValueRollback guard(showing_, true);
    screenId_ = screen.id;
    shown_ = screen;
    const qsizetype index = std::distance(
        project.screens.cbegin(), std::find_if(project.screens.cbegin(), project.screens.cend(),
                                               [&](const KioskScreen& s) { return s.id == screen.id; }));
    header_->show(QStringLiteral("rectangle.on.rectangle"), tr("Screen"),
                  tr("%1 · screen %2 of %3")
                      .arg(screen.name.isEmpty() ? tr("Untitled Screen") : screen.name)
                      .arg(index + 1)
                      .arg(project.screens.size()));
    if (!(name_->hasFocus() && name_->isModified()) && name_->text() != screen.name)
        name_->setText(screen.name);
    if (!(duration_->hasFocus() && duration_->isModified()))
        duration_->setText(QString::number(screen.duration));
    effect_->setCurrentIndex(effect_->findData(int(screen.transition.effect)));
    if (!speed_->isSliderDown())
        speed_->setValue(speedTick(screen.transition.duration));
    speedValue_->setText(QStringLiteral("%1s").arg(screen.transition.duration, 0, 'f', 1));
    preview_->setEffect(screen.transition.effect);
    preview_->setDuration(screen.transition.duration);
    background_->setBackground(screen.background);

    // Copying to all screens works from the first screen only.
    const bool first = index == 0;
    const QString onlyFirst = tr("Only the first screen's settings can be applied to all screens.");
    for (QCheckBox* toggle : {transitionToAll_, backgroundToAll_}) {
        toggle->setEnabled(first);
        toggle->setToolTip(first ? QString() : onlyFirst);
    }
    transitionToAll_->setChecked(first && applyTransitionToAll_);
    backgroundToAll_->setChecked(project.settings.inheritFirstScreenBackground);
}

const KioskScreen* ScreenInspector::liveScreen() const {
    return manager().findScreen(screenId_);
}

bool ScreenInspector::isFirstScreen() const {
    const std::optional<VistrelleDocument>& document = manager().currentDocument();
    return document && !document->project.screens.isEmpty() &&
           document->project.screens.first().id == screenId_;
}

void ScreenInspector::commitName() {
    const KioskScreen* screen = liveScreen();
    name_->setModified(false);
    if (!screen)
        return;
    KioskScreen renamed = *screen;
    renamed.name = InspectorRules::committedScreenName(name_->text());
    name_->setText(renamed.name);
    InspectorUpdateManager::shared().flush();
    EditInteraction::begin();
    manager().updateScreen(renamed, tr("Rename Screen"));
}

void ScreenInspector::commitDuration() {
    const KioskScreen* screen = liveScreen();
    duration_->setModified(false);
    if (!screen)
        return;
    KioskScreen changed = *screen;
    changed.duration = InspectorRules::committedDuration(duration_->text().trimmed(), screen->duration);
    duration_->setText(QString::number(changed.duration));
    InspectorUpdateManager::shared().flush();
    EditInteraction::begin();
    manager().updateScreen(changed, tr("Change Duration"));
}

void ScreenInspector::writeTransition(const TransitionStyle& transition, bool sweeping) {
    const KioskScreen* screen = liveScreen();
    if (!screen)
        return;
    KioskScreen changed = *screen;
    changed.transition = transition;
    if (!sweeping)
        EditInteraction::begin();
    // The first screen's transition goes to every screen while copying is on: one step for both.
    if (applyTransitionToAll_ && isFirstScreen()) {
        QList<KioskScreen> screens = manager().currentDocument()->project.screens;
        for (KioskScreen& each : screens)
            each.transition = transition;
        manager().updateAllScreens(screens, tr("Change Transition"));
        return;
    }
    manager().updateScreen(changed, tr("Change Transition"),
                           sweeping ? QStringLiteral("transition") : QString());
}

void ScreenInspector::setTransitionToAll(bool on) {
    applyTransitionToAll_ = on;
    const KioskScreen* screen = liveScreen();
    if (!on || !screen || !isFirstScreen())
        return; // switching it off copies nothing back
    QList<KioskScreen> screens = manager().currentDocument()->project.screens;
    for (qsizetype i = 1; i < screens.size(); ++i)
        screens[i].transition = screen->transition;
    EditInteraction::begin();
    manager().updateAllScreens(screens, tr("Apply Transition to All Screens"));
}

void ScreenInspector::writeBackground(const BackgroundStyle& background) {
    const KioskScreen* screen = liveScreen();
    if (!screen)
        return;
    const std::optional<VistrelleDocument>& document = manager().currentDocument();
    if (isFirstScreen() && document->project.settings.inheritFirstScreenBackground) {
        QList<KioskScreen> screens = document->project.screens;
        for (KioskScreen& each : screens)
            each.background = background;
        manager().updateAllScreens(screens, tr("Change Background"));
        return;
    }
    KioskScreen changed = *screen;
    changed.background = background;
    manager().updateScreen(changed, tr("Change Background"), QStringLiteral("background"));
}

void ScreenInspector::setBackgroundToAll(bool on) {
    const KioskScreen* screen = liveScreen();
    const std::optional<VistrelleDocument>& document = manager().currentDocument();
    if (!screen || !document || !isFirstScreen())
        return;
    EditInteraction::begin();
    const StepGroup step(tr("Apply Background to All Screens"));
    const ProjectMetadata metadata = document->project.metadata;
    const ProjectSettings before = document->project.settings;
    ProjectSettings after = before;
    after.inheritFirstScreenBackground = on;
    manager().setProjectInfo(metadata, after);
    manager().registerProjectInfoStep(metadata, before);
    if (!on)
        return; // switching it off copies nothing back
    QList<KioskScreen> screens = manager().currentDocument()->project.screens;
    for (qsizetype i = 1; i < screens.size(); ++i)
        screens[i].background = screen->background;
    manager().updateAllScreens(screens, tr("Apply Background to All Screens"));
}

void ScreenInspector::showTemplateStatus(const QString& text) {
    templateStatus_->setText(text);
    templateStatus_->setVisible(!text.isEmpty());
}

void ScreenInspector::exportScreen() {
    const KioskScreen* screen = liveScreen();
    if (!screen)
        return;
    auto* dialog = new QFileDialog(window(), tr("Export Screen"));
    dialog->setObjectName(QStringLiteral("exportScreenDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilter(tr("Screen Templates (*.xml)"));
    dialog->setDefaultSuffix(QStringLiteral("xml"));
    dialog->selectFile(templateFileName(screen->name));
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        const KioskScreen* current = liveScreen();
        if (!current)
            return;
        if (const std::optional<QString> reason =
                saveFileAtomically(path, exportScreenXML(*current).toUtf8())) {
            AppLogger::logFailure(QStringLiteral("Failed to export screen: "), *reason);
            showTemplateStatus(tr("The screen could not be exported: %1").arg(*reason));
            return;
        }
        showTemplateStatus(tr("Exported to “%1”.").arg(QFileInfo(path).fileName()));
    });
    dialog->open();
}

void ScreenInspector::importScreen() {
    auto* dialog = new QFileDialog(window(), tr("Import Screen"));
    dialog->setObjectName(QStringLiteral("importScreenDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilter(tr("Screen Templates (*.xml)"));
    connect(dialog, &QFileDialog::fileSelected, this, &ScreenInspector::importScreenFrom);
    dialog->open();
}

void ScreenInspector::importScreenFrom(const QString& path) {
    const auto fail = [this](const QString& reason) {
        AppLogger::logFailure(QStringLiteral("Failed to import screen: "), reason);
        showTemplateStatus(tr("The screen could not be imported: %1").arg(reason));
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(file.errorString());
        return;
    }
    KioskScreen imported;
    try {
        imported = importScreenXML(file.read(16 * 1024 * 1024));
    } catch (const ScreenTemplateError& error) {
        fail(error.description);
        return;
    }
    const std::optional<VistrelleDocument>& document = manager().currentDocument();
    if (!document)
        return;
    KioskProject project = document->project;
    const std::optional<QUuid> id = replaceScreenWithTemplate(project, screenId_, imported);
    if (!id)
        return; // the screen is gone
    InspectorUpdateManager::shared().flush();
    EditInteraction::begin();
    manager().updateAllScreens(project.screens, tr("Import Screen"), SelectionIds{*id, std::nullopt});
    showTemplateStatus(tr("Imported “%1”.").arg(QFileInfo(path).fileName()));
}

} // namespace vistrelle
