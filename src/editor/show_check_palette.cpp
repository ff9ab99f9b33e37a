#include "editor/show_check_palette.h"

#include "editing/shared_document_manager.h"
#include "editor/sheets/symbol_icon.h"
#include "editor/show_check_runner.h"
#include "model/stored_enum.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistrelle {

namespace {

constexpr int findingRole = Qt::UserRole;

QString placeOf(const CheckFinding& finding) {
    if (finding.screenNumber == 0)
        return ShowCheckPalette::tr("Project");
    QString place = ShowCheckPalette::tr("Screen %1 “%2”").arg(finding.screenNumber).arg(finding.screenName);
    if (finding.componentType)
        place += QStringLiteral(" · ") +
                 QCoreApplication::translate("ComponentType", storedString(*finding.componentType).toUtf8().constData());
    return place;
}

QString countsText(CheckCounts counts) {
    if (counts.errors == 0 && counts.warnings == 0)
        return ShowCheckPalette::tr("No problems found");
    return ShowCheckPalette::tr("%1, %2")
        .arg(counts.errors == 1 ? ShowCheckPalette::tr("1 error") : ShowCheckPalette::tr("%1 errors").arg(counts.errors),
             counts.warnings == 1 ? ShowCheckPalette::tr("1 warning")
                                  : ShowCheckPalette::tr("%1 warnings").arg(counts.warnings));
}

} // namespace

ShowCheckPalette::ShowCheckPalette(ShowCheckRunner& runner, QWidget* parent)
    : QWidget(parent), runner_(runner) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);

    auto* header = new QHBoxLayout;
    summary_ = new QLabel(this);
    QFont bold = summary_->font();
    bold.setBold(true);
    summary_->setFont(bold);
    again_ = new QPushButton(tr("Check Again"), this);
    again_->setToolTip(tr("Look at the media files again, after putting one back or replacing it"));
    header->addWidget(summary_, 1);
    header->addWidget(again_);
    layout->addLayout(header);

    highPerformance_ = new QCheckBox(tr("For high-performance mode"), this);
    highPerformance_->setToolTip(tr("Check as for a deployment of pre-rendered slides, where videos and web "
                                    "views cannot play"));
    layout->addWidget(highPerformance_);

    list_ = new QListWidget(this);
    list_->setWordWrap(true);
    list_->setUniformItemSizes(false);
    list_->setResizeMode(QListView::Adjust);
    list_->setIconSize(QSize(18, 18));
    list_->setSpacing(2);
    list_->setAccessibleName(tr("Findings"));
    layout->addWidget(list_, 1);

    empty_ = new QLabel(tr("Nothing to fix: every screen will show as designed."), this);
    empty_->setWordWrap(true);
    empty_->setAlignment(Qt::AlignCenter);
    empty_->setStyleSheet(QStringLiteral("color: palette(mid);"));
    layout->addWidget(empty_, 1);

    connect(again_, &QPushButton::clicked, &runner_, &ShowCheckRunner::recheckAll);
    connect(highPerformance_, &QCheckBox::toggled, &runner_, &ShowCheckRunner::setHighPerformance);
    connect(list_, &QListWidget::itemClicked, this, &ShowCheckPalette::activate);
    connect(list_, &QListWidget::itemActivated, this, &ShowCheckPalette::activate);
    connect(&runner_, &ShowCheckRunner::findingsChanged, this, &ShowCheckPalette::refresh);
    connect(&runner_, &ShowCheckRunner::checkingChanged, this, &ShowCheckPalette::refreshState);
    connect(&runner_, &ShowCheckRunner::highPerformanceChanged, this, &ShowCheckPalette::refreshState);
    refresh();
}

void ShowCheckPalette::refresh() {
    const QIcon errorIcon = symbolIcon(QStringLiteral("exclamationmark.octagon.fill"));
    const QIcon warningIcon = symbolIcon(QStringLiteral("exclamationmark.triangle.fill"));
    const int row = list_->currentRow();
    list_->clear();
    for (const CheckFinding& finding : runner_.findings()) {
        auto* item = new QListWidgetItem(
            finding.severity == CheckFinding::Severity::error ? errorIcon : warningIcon,
            placeOf(finding) + u'\n' + finding.message, list_);
        item->setData(findingRole, QVariant::fromValue(int(list_->count() - 1)));
        item->setToolTip(finding.severity == CheckFinding::Severity::error
                             ? (finding.deployFails ? tr("Error: deploying fails until it is fixed") : tr("Error"))
                             : tr("Warning"));
    }
    if (row >= 0 && row < list_->count())
        list_->setCurrentRow(row, QItemSelectionModel::NoUpdate);
    refreshState();
}

void ShowCheckPalette::refreshState() {
    const bool open = SharedDocumentManager::shared().isDocumentOpen();
    const bool none = runner_.findings().isEmpty();
    list_->setVisible(!none);
    empty_->setVisible(none);
    empty_->setText(open ? tr("Nothing to fix: every screen will show as designed.") : tr("No project open"));
    summary_->setText(runner_.isChecking() && none ? tr("Checking…") : countsText(runner_.counts()));
    again_->setEnabled(open);
    const QSignalBlocker quiet(highPerformance_);
    highPerformance_->setChecked(runner_.highPerformance());
}

void ShowCheckPalette::activate(QListWidgetItem* item) {
    const int index = item ? item->data(findingRole).toInt() : -1;
    if (index < 0 || index >= runner_.findings().size())
        return;
    goTo(runner_.findings()[index]);
}

void ShowCheckPalette::goTo(const CheckFinding& finding) {
    SharedDocumentManager& manager = SharedDocumentManager::shared();
    if (!finding.screenId)
        return;
    const KioskScreen* screen = manager.findScreen(*finding.screenId);
    if (!screen)
        return;
    manager.setSelectedScreen(*screen);
    if (!finding.componentId)
        return;
    if (const PlacedComponent* component = manager.findComponent(screen->id, *finding.componentId))
        manager.setSelectedComponent(*component);
}

} // namespace vistrelle
