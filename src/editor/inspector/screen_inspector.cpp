#include "editor/inspector/screen_inspector.h"

#include "editing/document_edit_commands.h"
#include "editing/document_session.h"
#include "editor/inspector/background_selector.h"
#include "editor/inspector/inspector_rules.h"
#include "editor/inspector/inspector_section.h"
#include "editor/inspector/transition_preview.h"
#include "editor/sheets/color_button.h"
#include "editor/sheets/schedule_editor.h"
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
    layout->addWidget(makeScheduleSection());
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
    // A drag of the slider is one step, with or without the copy to every screen.
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
        // The colours tried in one colour dialog are one step, for the screen it was opened for; every
        // other change is a step of its own.
        if (!dialogTarget_)
            EditInteraction::begin();
        writeBackground(style);
    });
    connect(backgroundToAll_, &QCheckBox::clicked, this, &ScreenInspector::setBackgroundToAll);
    const auto bind = [this] {
        EditInteraction::begin();
        dialogTarget_ = DialogTarget{session_, screenId_, EditInteraction::current()};
    };
    const auto unbind = [this] {
        dialogTarget_.reset();
        EditInteraction::begin();
        // The selector showed the dialog's screen meanwhile: the screen shown again.
        if (const KioskScreen* screen = liveScreen())
            background_->setBackground(screen->background);
    };
    for (ColorButton* well : background_->findChildren<ColorButton*>()) {
        connect(well, &ColorButton::editingStarted, this, bind);
        connect(well, &ColorButton::editingFinished, this, unbind);
    }
    connect(background_, &BackgroundSelector::dialogOpened, this, bind);
    connect(background_, &BackgroundSelector::dialogClosed, this, unbind);
    return section;
}

QWidget* ScreenInspector::makeScheduleSection() {
    auto* section = new InspectorSection(QStringLiteral("clock"), tr("Schedule"), this);
    schedule_ = new ScheduleEditor(ScheduleEditor::Kind::screen, section);
    section->form()->addRow(schedule_);
    connect(schedule_, &ScheduleEditor::scheduleEdited, this, &ScreenInspector::writeSchedule);
    return section;
}

void ScreenInspector::writeSchedule(const std::optional<ScreenSchedule>& schedule) {
    const KioskScreen* screen = liveScreen();
    if (!screen || screen->schedule == schedule)
        return;
    KioskScreen changed = *screen;
    changed.schedule = schedule;
    EditInteraction::begin(); // each change one step of its own
    session_->updateScreen(changed, tr("Change Schedule"), QStringLiteral("schedule"));
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

void ScreenInspector::setSession(DocumentSession* session) {
    if (session_ == session)
        return;
    // What was typed but not yet committed lands in the window it was typed for, not the one now active.
    if (name_->isModified())
        commitName();
    if (duration_->isModified())
        commitDuration();
    session_ = session;
    shown_.reset();
    // An open background dialog stays with the window and screen it was opened for.
}

void ScreenInspector::show(const KioskProject& project, const KioskScreen& screen) {
    const bool sameScreen = screenId_ == screen.id;
    // The switches show the window's choices, whatever a click on them did meanwhile.
    transitionToAll_->setChecked(session_ && session_->appliesTransitionToAllScreens());
    backgroundToAll_->setChecked(session_ && session_->appliesBackgroundToAllScreens());
    const qsizetype index = std::distance(
        project.screens.cbegin(), std::find_if(project.screens.cbegin(), project.screens.cend(),
                                               [&](const KioskScreen& s) { return s.id == screen.id; }));
    const std::pair place(index, project.screens.size());
    if (shown_ && sameScreen && *shown_ == screen && shownPlace_ == place)
        return;
    shownPlace_ = place;
    if (!sameScreen) {
        EditInteraction::begin();
        templateStatus_->hide();
    }
    const QScopedValueRollback guard(showing_, true);
    screenId_ = screen.id;
    shown_ = screen;
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
    // While a dialog of the selector is open, the selector keeps showing (and editing) the screen it was
    // opened for: its whole style is what the dialog writes back.
    if (!dialogTarget_ || dialogTarget_->screenId == screen.id)
        background_->setBackground(screen.background);
    schedule_->show(screen.schedule, sameScreen);

    // Copying to all screens works from the first screen: the switches are there, whatever the kind of
    // background, and nowhere else (a switch that is on where it cannot be seen would copy unseen).
    const bool first = index == 0;
    transitionToAll_->setVisible(first);
    backgroundToAll_->setVisible(first);
}

const KioskScreen* ScreenInspector::liveScreen() const {
    return session_ ? session_->findScreen(screenId_) : nullptr;
}

namespace {

bool isFirstScreenOf(const DocumentSession& session, const QUuid& screenId) {
    return !session.project().screens.isEmpty() && session.project().screens.first().id == screenId;
}

} // namespace

bool ScreenInspector::isFirstScreen(const QUuid& screenId) const {
    return session_ && isFirstScreenOf(*session_, screenId);
}

void ScreenInspector::commitName() {
    const KioskScreen* screen = liveScreen();
    name_->setModified(false);
    if (!screen)
        return;
    KioskScreen renamed = *screen;
    renamed.name = InspectorRules::committedScreenName(name_->text());
    name_->setText(renamed.name);
    EditInteraction::begin();
    session_->updateScreen(renamed, tr("Rename Screen"));
}

void ScreenInspector::commitDuration() {
    const KioskScreen* screen = liveScreen();
    duration_->setModified(false);
    if (!screen)
        return;
    KioskScreen changed = *screen;
    changed.duration = InspectorRules::committedDuration(duration_->text().trimmed(), screen->duration);
    duration_->setText(QString::number(changed.duration));
    EditInteraction::begin();
    session_->updateScreen(changed, tr("Change Duration"));
}

void ScreenInspector::writeTransition(const TransitionStyle& transition, bool sweeping) {
    const KioskScreen* screen = liveScreen();
    if (!screen)
        return;
    KioskScreen changed = *screen;
    changed.transition = transition;
    if (!sweeping)
        EditInteraction::begin();
    // The first screen's transition goes to every screen while copying is on: one step for both, and for
    // a whole drag of the speed slider.
    if (session_->appliesTransitionToAllScreens() && isFirstScreen(screen->id)) {
        QList<KioskScreen> screens = session_->project().screens;
        for (KioskScreen& each : screens)
            each.transition = transition;
        session_->updateAllScreens(screens, tr("Change Transition"), std::nullopt,
                                   QStringLiteral("transition"));
        return;
    }
    session_->updateScreen(changed, tr("Change Transition"), QStringLiteral("transition"));
}

void ScreenInspector::setTransitionToAll(bool on) {
    const KioskScreen* screen = liveScreen();
    if (!screen || !isFirstScreen(screen->id))
        return;
    if (!on) {
        session_->setAppliesTransitionToAllScreens(false); // switching it off copies nothing back
        return;
    }
    QList<KioskScreen> screens = session_->project().screens;
    for (qsizetype i = 1; i < screens.size(); ++i)
        screens[i].transition = screen->transition;
    EditInteraction::begin();
    // The copy and the switch are one step: undoing it switches copying off again.
    const ProjectSettings& settings = session_->project().settings;
    session_->registerUndo(std::make_unique<ApplyToAllCommand>(
        *session_, tr("Apply Transition to All Screens"), ApplyToAllCommand::Choice::transition, true,
        session_->project().screens, screens, session_->selectionIds(), settings, settings));
}

void ScreenInspector::writeBackground(const BackgroundStyle& background) {
    // A dialog writes to the window and screen it was opened for, wherever the selection went meanwhile.
    DocumentSession* session = dialogTarget_ ? dialogTarget_->session.data() : session_.data();
    const KioskScreen* screen =
        session ? session->findScreen(dialogTarget_ ? dialogTarget_->screenId : screenId_) : nullptr;
    if (!screen)
        return;
    const std::optional<quint64> interaction =
        dialogTarget_ ? std::optional(dialogTarget_->interaction) : std::nullopt;
    if (isFirstScreenOf(*session, screen->id) && session->appliesBackgroundToAllScreens()) {
        QList<KioskScreen> screens = session->project().screens;
        for (KioskScreen& each : screens)
            each.background = background;
        session->updateAllScreens(screens, tr("Change Background"), std::nullopt,
                                  QStringLiteral("background"), interaction);
        return;
    }
    KioskScreen changed = *screen;
    changed.background = background;
    session->updateScreen(changed, tr("Change Background"), QStringLiteral("background"), interaction);
}

void ScreenInspector::setBackgroundToAll(bool on) {
    const KioskScreen* screen = liveScreen();
    if (!screen || !isFirstScreen(screen->id))
        return;
    // The switch also decides whether added screens take the first screen's background; switching it off
    // copies nothing back.
    QList<KioskScreen> screens = session_->project().screens;
    if (on)
        for (qsizetype i = 1; i < screens.size(); ++i)
            screens[i].background = screen->background;
    ProjectSettings settings = session_->project().settings;
    settings.inheritFirstScreenBackground = on;
    EditInteraction::begin();
    session_->registerUndo(std::make_unique<ApplyToAllCommand>(
        *session_, on ? tr("Apply Background to All Screens") : tr("Stop Applying Background to All Screens"),
        ApplyToAllCommand::Choice::background, on, session_->project().screens, screens,
        session_->selectionIds(), session_->project().settings, settings));
}

void ScreenInspector::showTemplateStatus(const QString& text) {
    templateStatus_->setText(text);
    templateStatus_->setVisible(!text.isEmpty());
}

void ScreenInspector::exportScreen() {
    const KioskScreen* screen = liveScreen();
    if (!screen)
        return;
    // The screen it was opened for, as it is when the file is chosen.
    const QPointer<DocumentSession> session = session_;
    const QUuid screenId = screenId_;
    auto* dialog = new QFileDialog(window(), tr("Export Screen"));
    dialog->setObjectName(QStringLiteral("exportScreenDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilter(tr("Screen Templates (*.xml)"));
    dialog->setDefaultSuffix(QStringLiteral("xml"));
    dialog->selectFile(templateFileName(screen->name));
    connect(dialog, &QFileDialog::fileSelected, this, [this, session, screenId](const QString& path) {
        const KioskScreen* current = session ? session->findScreen(screenId) : nullptr;
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
    // The template replaces the screen the dialog was opened for, in its own window.
    const QPointer<DocumentSession> session = session_;
    const QUuid screenId = screenId_;
    connect(dialog, &QFileDialog::fileSelected, this,
            [this, session, screenId](const QString& path) { importScreenFrom(path, session, screenId); });
    dialog->open();
}

void ScreenInspector::importScreenFrom(const QString& path, DocumentSession* session, const QUuid& screenId) {
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
    if (!session)
        return;
    KioskProject project = session->project();
    const std::optional<QUuid> id = replaceScreenWithTemplate(project, screenId, imported);
    if (!id)
        return; // the screen is gone
    EditInteraction::begin();
    session->updateAllScreens(project.screens, tr("Import Screen"), SelectionIds{*id, std::nullopt});
    showTemplateStatus(tr("Imported “%1”.").arg(QFileInfo(path).fileName()));
}

} // namespace vistrelle
