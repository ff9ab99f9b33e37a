#include "editor/sheets/kiosk_deploy_view.h"
#include "editor/sheets/publish_sheet.h"

#include "editor/sheets/player_launch.h"
#include "editor/sheets/sheet_layout.h"
#include "editor/sheets/symbol_icon.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include <cmath>

namespace vistrelle {

namespace {

bool hasLiveComponents(const KioskProject& project) {
    for (const KioskScreen& screen : project.screens)
        for (const PlacedComponent& component : screen.components)
            if (component.componentType == ComponentType::video ||
                component.componentType == ComponentType::webView)
                return true;
    return false;
}

QLabel* symbolLabel(const QString& symbol, const QColor& color, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setPixmap(symbolPixmap(symbol, 16, color, label->devicePixelRatioF()));
    label->setFixedSize(18, 18);
    return label;
}

} // namespace

KioskDeployView::KioskDeployView(const KioskProject& project, QWidget* parent)
    : QDialog(parent)
    , project_(project) {
    setWindowTitle(tr("Deploy"));
    setWindowModality(Qt::WindowModal);
    setMinimumWidth(520);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(12);

    // Title with the player's symbol, and Close.
    auto* header = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setPixmap(symbolPixmap(QStringLiteral("display"), 28, palette().color(QPalette::WindowText),
                                 devicePixelRatioF()));
    header->addWidget(icon);
    header->addWidget(makeSheetHeader(tr("Deploy content for Vistrelle Player app"), QString(), this), 1);
    auto* close = new QPushButton(tr("Close"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &KioskDeployView::reject);
    header->addWidget(close, 0, Qt::AlignTop);
    // The sheet is a window of its own: the application's Quit works here too.
    auto* quit = new QAction(this);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcutContext(Qt::WindowShortcut);
    connect(quit, &QAction::triggered, this, &KioskDeployView::quitRequested);
    addAction(quit);
    layout->addLayout(header);
    // Wide enough for the whole title: a word-wrapping line below must not make the sheet narrower than it.
    setMinimumWidth(std::max(520, layout->contentsMargins().left() + layout->contentsMargins().right() +
                                      header->sizeHint().width()));

    for (const QString& line : {tr("1. Vistrelle Player plays the bundle: try it here with “Play”"),
                                tr("2. Click 'Generate Content…' below and choose a folder"),
                                tr("3. A bundle file '%1.bundle' will be created").arg(project.metadata.name),
                                tr("4. Read the generated 'ReadMe' file to learn more")}) {
        auto* label = new QLabel(line, this);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        layout->addWidget(label);
    }

    highPerformance_ = new QCheckBox(tr("High-performance mode"), this);
    layout->addWidget(highPerformance_);
    QLabel* caption = makeNoteLabel(tr("Generate only images and durations for slideshow playback"), this);
    // Under the switch's text, not under its box.
    caption->setContentsMargins(style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                                    style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing),
                                0, 0, 0);
    layout->addWidget(caption);

    optimizedOptions_ = new QWidget(this);
    auto* optimized = new QVBoxLayout(optimizedOptions_);
    optimized->setContentsMargins(caption->contentsMargins().left(), 0, 0, 0);
    auto* formatRow = new QHBoxLayout;
    formatRow->addWidget(new QLabel(tr("Image Format:"), optimizedOptions_));
    auto* segments = new QWidget(optimizedOptions_);
    segments->setFixedWidth(200);
    auto* segmentRow = new QHBoxLayout(segments);
    segmentRow->setContentsMargins(0, 0, 0, 0);
    segmentRow->setSpacing(0);
    format_ = new QButtonGroup(this);
    for (const auto& [text, value] :
         {std::pair{tr("JPG (100%)"), QStringLiteral("jpg")}, std::pair{tr("PNG"), QStringLiteral("png")}}) {
        auto* segment = new QToolButton(segments);
        segment->setText(text);
        segment->setCheckable(true);
        segment->setChecked(value == options_.optimizedFormat);
        segment->setProperty("format", value);
        segment->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        segmentRow->addWidget(segment);
        format_->addButton(segment);
    }
    formatRow->addWidget(segments);
    formatRow->addStretch(1);
    optimized->addLayout(formatRow);
    if (hasLiveComponents(project)) {
        auto* warning = new QHBoxLayout;
        warning->addWidget(symbolLabel(QStringLiteral("exclamationmark.triangle.fill"),
                                       QColor(0xFF, 0x95, 0x00), optimizedOptions_));
        warning->addWidget(
            new QLabel(tr("Videos or web views are not supported for this mode"), optimizedOptions_), 1);
        optimized->addLayout(warning);
    }
    optimizedOptions_->setVisible(false);
    layout->addWidget(optimizedOptions_);
    connect(highPerformance_, &QCheckBox::toggled, this, [this](bool on) {
        options_.exportOptimized = on;
        optimizedOptions_->setVisible(on);
        adjustSize();
        emit highPerformanceToggled(on);
    });
    connect(format_, &QButtonGroup::buttonClicked, this, [this](QAbstractButton* button) {
        options_.optimizedFormat = button->property("format").toString();
    });

    // What the show check found, before anything is written.
    checkRow_ = new QWidget(this);
    auto* checkLayout = new QHBoxLayout(checkRow_);
    checkLayout->setContentsMargins(0, 0, 0, 0);
    checkSymbol_ = new QLabel(checkRow_);
    checkSummary_ = new QLabel(checkRow_);
    auto* showCheck = new QPushButton(tr("Show Problems…"), checkRow_);
    connect(showCheck, &QPushButton::clicked, this, &KioskDeployView::showCheckRequested);
    checkLayout->addWidget(checkSymbol_);
    checkLayout->addWidget(checkSummary_, 1);
    checkLayout->addWidget(showCheck);
    checkRow_->setVisible(false);
    layout->addWidget(checkRow_);

    generate_ = new QPushButton(tr("Generate Content..."), this);
    generate_->setDefault(true);
    connect(generate_, &QPushButton::clicked, this, &KioskDeployView::chooseFolder);
    // For many displays: a channel they follow instead of a folder for each.
    auto* publish = new QPushButton(tr("Publish to Channel…"), this);
    publish->setObjectName(QStringLiteral("publishToChannel"));
    publish->setAutoDefault(false);
    connect(publish, &QPushButton::clicked, this, &KioskDeployView::showPublishSheet);
    auto* actions = new QHBoxLayout;
    actions->addWidget(generate_);
    actions->addWidget(publish);
    actions->addStretch(1);
    layout->addLayout(actions);

    // While deploying: the progress, and Cancel.
    progressRow_ = new QWidget(this);
    auto* progressLayout = new QHBoxLayout(progressRow_);
    progressLayout->setContentsMargins(0, 0, 0, 0);
    progress_ = new QProgressBar(progressRow_);
    progress_->setRange(0, 1000);
    progress_->setTextVisible(false);
    progress_->setFixedWidth(300);
    progressLabel_ = new QLabel(progressRow_);
    cancel_ = new QPushButton(tr("Cancel"), progressRow_);
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        manager_.cancel();
        cancel_->setEnabled(false);
    });
    progressLayout->addWidget(progress_);
    progressLayout->addWidget(progressLabel_, 1);
    progressLayout->addWidget(cancel_);
    layout->addWidget(progressRow_);

    // The outcome: success with Reveal Folder, or the failure and how to fix it.
    outcomeRow_ = new QWidget(this);
    auto* outcomeLayout = new QGridLayout(outcomeRow_);
    outcomeLayout->setContentsMargins(0, 0, 0, 0);
    outcomeSymbol_ = new QLabel(outcomeRow_);
    outcomeSymbol_->setFixedSize(18, 18);
    outcome_ = new QLabel(outcomeRow_);
    outcome_->setWordWrap(true);
    outcome_->setTextFormat(Qt::PlainText);
    outcome_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    detail_ = makeNoteLabel(QString(), outcomeRow_);
    detail_->setWordWrap(true);
    reveal_ = new QPushButton(tr("Reveal Folder"), outcomeRow_);
    reveal_->setAutoDefault(false);
    connect(reveal_, &QPushButton::clicked, this, &KioskDeployView::revealFolder);
    // What was just deployed, played here as the display will play it.
    play_ = new QPushButton(symbolIcon(QStringLiteral("play.fill")), tr("Play"), outcomeRow_);
    play_->setObjectName(QStringLiteral("playDeployed"));
    play_->setAutoDefault(false);
    play_->setToolTip(tr("Play the bundle in Vistrelle Player on this computer"));
    connect(play_, &QPushButton::clicked, this, &KioskDeployView::playDeployed);
    setPassword_ = new QPushButton(tr("Set Deploy Password…"), outcomeRow_);
    setPassword_->setAutoDefault(false);
    connect(setPassword_, &QPushButton::clicked, this, [this] {
        accept();
        emit passwordRequested();
    });
    outcomeLayout->addWidget(outcomeSymbol_, 0, 0, Qt::AlignTop);
    outcomeLayout->addWidget(outcome_, 0, 1);
    outcomeLayout->addWidget(detail_, 1, 1);
    auto* outcomeButtons = new QHBoxLayout;
    outcomeButtons->addWidget(play_);
    outcomeButtons->addWidget(reveal_);
    outcomeButtons->addWidget(setPassword_);
    outcomeButtons->addStretch(1);
    outcomeLayout->addLayout(outcomeButtons, 2, 1);
    outcomeLayout->setColumnStretch(1, 1);
    layout->addWidget(outcomeRow_);

    log_ = new QListWidget(this);
    log_->setObjectName(QStringLiteral("deployLog"));
    QFont small = log_->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    log_->setFont(small);
    QPalette dimmed = log_->palette();
    dimmed.setColor(QPalette::Text, palette().color(QPalette::PlaceholderText));
    log_->setPalette(dimmed);
    log_->setMinimumHeight(140);
    log_->setSelectionMode(QAbstractItemView::NoSelection);
    log_->setFocusPolicy(Qt::NoFocus);
    log_->setVisible(false);
    layout->addWidget(log_, 1);

    connect(&manager_, &KioskDeployManager::deployLogChanged, this, [this] {
        const QStringList& lines = manager_.deployLog();
        if (log_->count() > lines.size())
            log_->clear();
        for (qsizetype i = log_->count(); i < lines.size(); ++i)
            log_->addItem(lines[i]);
        log_->setVisible(!lines.isEmpty());
        log_->scrollToBottom();
    });
    connect(&manager_, &KioskDeployManager::deployProgressChanged, this, &KioskDeployView::showState);
    connect(&manager_, &KioskDeployManager::deployStatusChanged, this, &KioskDeployView::showState);
    connect(&manager_, &KioskDeployManager::finished, this, [this] { stopping_ = false; });
    showState();
}

void KioskDeployView::showPublishSheet() {
    auto* sheet = new PublishSheet(project_, projectKey_.isEmpty() ? project_.metadata.name : projectKey_,
                                   options_, this);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->open();
}

QString KioskDeployView::progressText(double progress) {
    return tr("Deploying... %1%").arg(qint64(std::floor(progress * 100 + 1e-9)));
}

QString KioskDeployView::folderToReveal(const QUrl& destination) {
    const QString path = destination.toLocalFile();
    return QFileInfo(path).suffix() == QLatin1StringView("bundle") ? QFileInfo(path).path() : path;
}

void KioskDeployView::showState() {
    const DeployStatus& status = manager_.deployStatus();
    const bool deploying = status.kind == DeployStatus::Kind::deploying;
    generate_->setEnabled(!deploying);
    highPerformance_->setEnabled(!deploying);
    optimizedOptions_->setEnabled(!deploying);
    progressRow_->setVisible(deploying);
    cancel_->setEnabled(deploying && !stopping_);
    progress_->setValue(int(std::lround(manager_.deployProgress() * 1000)));
    // While slides are drawn the count says more than a percentage: how far, and how far to go.
    const KioskDeployManager::SlideCount slides = manager_.slideCount();
    progressLabel_->setText(slides.total > 0 ? tr("Slide %1 of %2").arg(slides.written).arg(slides.total)
                                             : progressText(manager_.deployProgress()));

    const bool succeeded = status.kind == DeployStatus::Kind::success;
    const bool failed = status.kind == DeployStatus::Kind::failed;
    outcomeRow_->setVisible(succeeded || failed);
    reveal_->setVisible(succeeded);
    play_->setVisible(succeeded);
    setPassword_->setVisible(failed && status.needsPassword);
    detail_->setVisible(failed && !status.detail.isEmpty());
    detail_->setText(status.detail);
    if (succeeded) {
        outcomeSymbol_->setPixmap(symbolPixmap(QStringLiteral("checkmark.circle.fill"), 16,
                                               QColor(0x34, 0xC7, 0x59), devicePixelRatioF()));
        outcome_->setText(tr("Deployment completed successfully!"));
    } else if (failed) {
        outcomeSymbol_->setPixmap(symbolPixmap(QStringLiteral("xmark.circle.fill"), 16,
                                               QColor(0xFF, 0x3B, 0x30), devicePixelRatioF()));
        outcome_->setText(tr("Deployment failed: ") + status.message);
    }
}

void KioskDeployView::chooseFolder() {
    if (manager_.isDeploying())
        return;
    auto* chooser = new QFileDialog(this, tr("Select destination folder for deployment"), QDir::homePath());
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    chooser->setFileMode(QFileDialog::Directory);
    chooser->setOption(QFileDialog::ShowDirsOnly);
    chooser->setLabelText(QFileDialog::Accept, tr("Deploy"));
    connect(chooser, &QFileDialog::fileSelected, this, &KioskDeployView::deployTo);
    chooser->open();
}

void KioskDeployView::deployTo(const QString& folder) {
    if (folder.isEmpty() || manager_.isDeploying())
        return;
    manager_.deploy(project_, folder, options_);
    showState();
}

void KioskDeployView::playDeployed() {
    const QString path = manager_.destinationURL().toLocalFile();
    if (path.isEmpty())
        return;
    if (const std::optional<QString> failure = playInWindow(path)) {
        detail_->setText(*failure);
        detail_->setVisible(true);
    }
}

void KioskDeployView::revealFolder() {
    if (manager_.destinationURL().isEmpty())
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(folderToReveal(manager_.destinationURL())));
}

void KioskDeployView::askToStop(std::function<void()> then, std::function<void()> declined) {
    if (!manager_.isDeploying()) {
        then();
        return;
    }
    auto* question =
        new QMessageBox(QMessageBox::Warning, tr("Stop the deployment?"),
                        tr("The bundle being written will be removed."), QMessageBox::NoButton, this);
    question->setAttribute(Qt::WA_DeleteOnClose);
    question->setWindowModality(Qt::WindowModal);
    QPushButton* stop = question->addButton(tr("Stop Deployment"), QMessageBox::DestructiveRole);
    question->addButton(tr("Keep Deploying"), QMessageBox::RejectRole);
    connect(question, &QMessageBox::buttonClicked, this,
            [this, stop, then = std::move(then), declined = std::move(declined)](QAbstractButton* button) {
                if (button != stop) {
                    if (declined)
                        declined();
                    return;
                }
                if (!manager_.isDeploying()) { // it ended while the question was open
                    then();
                    return;
                }
                connect(&manager_, &KioskDeployManager::finished, this, then, Qt::SingleShotConnection);
                stopping_ = true; // no second Cancel meanwhile
                manager_.cancel();
                showState();
            });
    question->open();
}

void KioskDeployView::setCheckSummary(const QString& counts, int errors, int warnings) {
    checkSummary_->setText(tr("Show Check: %1").arg(counts));
    const bool clean = errors == 0 && warnings == 0;
    const QString symbol = clean        ? QStringLiteral("checkmark.circle.fill")
                           : errors > 0 ? QStringLiteral("exclamationmark.octagon.fill")
                                        : QStringLiteral("exclamationmark.triangle.fill");
    const QColor color = clean        ? QColor(0x34, 0xC7, 0x59)
                         : errors > 0 ? QColor(0xFF, 0x3B, 0x30)
                                      : QColor(0xFF, 0x95, 0x00);
    checkSymbol_->setPixmap(symbolPixmap(symbol, 16, color, devicePixelRatioF()));
    checkRow_->setVisible(true);
}

void KioskDeployView::reject() {
    if (!manager_.isDeploying()) {
        QDialog::reject();
        return;
    }
    askToStop([this] { QDialog::reject(); }); // once the cancelled deployment has ended
}

} // namespace vistrelle
