#include "editor/show_check_palette.h"

#include "editing/document_session.h"
#include "editor/sheets/symbol_icon.h"
#include "editor/show_check_runner.h"
#include "model/stored_enum.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace vistrelle {

namespace {

constexpr int findingRole = Qt::UserRole;
constexpr int placeRole = Qt::UserRole + 1;
constexpr int messageRole = Qt::UserRole + 2;
constexpr int fixRole = Qt::UserRole + 3;

// A finding as two parts: where (bold) and what (wrapped to the list's width), beside its symbol, and under
// them the one-click fix when it has one, drawn as a link.
class FindingDelegate : public QStyledItemDelegate {
public:
    FindingDelegate(std::function<void(const QModelIndex&)> fix, QObject* parent)
        : QStyledItemDelegate(parent)
        , fix_(std::move(fix)) {}

    static constexpr int padding = 6;
    static constexpr int symbolSide = 18;

    // Where the fix's link lies in a row drawn in `option`.
    static QRect fixRect(const QStyleOptionViewItem& option, const QModelIndex& index) {
        const QString fix = index.data(fixRole).toString();
        if (fix.isEmpty())
            return {};
        const QFontMetrics metrics(option.font);
        const QRect area = option.rect.adjusted(padding + symbolSide + padding, padding, -padding, -padding);
        return {area.left(), area.bottom() - metrics.height() + 1, metrics.horizontalAdvance(fix) + 2,
                metrics.height()};
    }

    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                fixRect(option, index).contains(mouse->position().toPoint())) {
                fix_(index);
                return true;
            }
        }
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        plain.text.clear();
        plain.icon = QIcon();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, widget);

        const QRect area = option.rect.adjusted(padding, padding, -padding, -padding);
        const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
        icon.paint(painter, QRect(area.topLeft(), QSize(symbolSide, symbolSide)));
        const QRect text = area.adjusted(symbolSide + padding, 0, 0, 0);
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        painter->save();
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        QFont bold = option.font;
        bold.setBold(true);
        painter->setFont(bold);
        const QString place = index.data(placeRole).toString();
        const QRect placeRect = QFontMetrics(bold).boundingRect(text, Qt::TextWordWrap, place);
        painter->drawText(text, Qt::TextWordWrap, place);
        painter->setFont(option.font);
        painter->drawText(text.adjusted(0, placeRect.height() + 2, 0, 0), Qt::TextWordWrap,
                          index.data(messageRole).toString());
        if (const QRect link = fixRect(option, index); !link.isEmpty()) {
            QFont underlined = option.font;
            underlined.setUnderline(true);
            painter->setFont(underlined);
            painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Link));
            painter->drawText(link, Qt::AlignLeft | Qt::AlignVCenter, index.data(fixRole).toString());
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const int width =
            std::max(120, (option.widget ? option.widget->width() - 24 : 320) - 3 * padding - symbolSide);
        QFont bold = option.font;
        bold.setBold(true);
        const QRect bounds(0, 0, width, 10000);
        const int placeHeight = QFontMetrics(bold)
                                    .boundingRect(bounds, Qt::TextWordWrap, index.data(placeRole).toString())
                                    .height();
        const int messageHeight =
            QFontMetrics(option.font)
                .boundingRect(bounds, Qt::TextWordWrap, index.data(messageRole).toString())
                .height();
        const int fixHeight =
            index.data(fixRole).toString().isEmpty() ? 0 : QFontMetrics(option.font).height() + 4;
        return {width, std::max(symbolSide, placeHeight + 2 + messageHeight + fixHeight) + 2 * padding};
    }

private:
    std::function<void(const QModelIndex&)> fix_;
};

QIcon severityIcon(CheckFinding::Severity severity) {
    const bool error = severity == CheckFinding::Severity::error;
    return QIcon(symbolPixmap(error ? QStringLiteral("exclamationmark.octagon.fill")
                                    : QStringLiteral("exclamationmark.triangle.fill"),
                              18, error ? QColor(0xFF, 0x3B, 0x30) : QColor(0xFF, 0x95, 0x00),
                              qApp->devicePixelRatio()));
}

QString placeOf(const CheckFinding& finding) {
    if (finding.screenNumber == 0)
        return ShowCheckPalette::tr("Project");
    QString place = ShowCheckPalette::tr("Screen %1 “%2”").arg(finding.screenNumber).arg(finding.screenName);
    if (finding.componentType)
        place += QStringLiteral(" · ") +
                 QCoreApplication::translate("ComponentType",
                                             storedString(*finding.componentType).toUtf8().constData());
    return place;
}

} // namespace

QString showCheckCountsText(CheckCounts counts) {
    if (counts.errors == 0 && counts.warnings == 0)
        return ShowCheckPalette::tr("No problems found");
    return ShowCheckPalette::tr("%1, %2").arg(
        counts.errors == 1 ? ShowCheckPalette::tr("1 error")
                           : ShowCheckPalette::tr("%1 errors").arg(counts.errors),
        counts.warnings == 1 ? ShowCheckPalette::tr("1 warning")
                             : ShowCheckPalette::tr("%1 warnings").arg(counts.warnings));
}

ShowCheckPalette::ShowCheckPalette(ShowCheckRunner& runner, QWidget* parent)
    : QWidget(parent)
    , runner_(runner) {
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
    list_->setItemDelegate(new FindingDelegate(
        [this](const QModelIndex& index) { applyFix(index.data(findingRole).toInt()); }, list_));
    list_->setMouseTracking(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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
    connect(&runner_, &ShowCheckRunner::sessionChanged, this, &ShowCheckPalette::refreshState);
    refresh();
}

void ShowCheckPalette::refresh() {
    const QIcon errorIcon = severityIcon(CheckFinding::Severity::error);
    const QIcon warningIcon = severityIcon(CheckFinding::Severity::warning);
    list_->clear();
    for (const CheckFinding& finding : runner_.findings()) {
        auto* item =
            new QListWidgetItem(finding.severity == CheckFinding::Severity::error ? errorIcon : warningIcon,
                                placeOf(finding) + u'\n' + finding.message, list_);
        item->setData(findingRole, QVariant::fromValue(int(list_->count() - 1)));
        item->setData(placeRole, placeOf(finding));
        item->setData(messageRole, finding.message);
        if (finding.fix)
            item->setData(fixRole, finding.fix->label);
        item->setToolTip(
            finding.severity == CheckFinding::Severity::error
                ? (finding.deployFails ? tr("Error: deploying fails until it is fixed") : tr("Error"))
                : tr("Warning"));
    }
    refreshState();
}

void ShowCheckPalette::refreshState() {
    const bool open = runner_.session();
    const bool none = runner_.findings().isEmpty();
    list_->setVisible(!none);
    empty_->setVisible(none);
    empty_->setText(open ? tr("Nothing to fix: every screen will show as designed.") : tr("No project open"));
    summary_->setText(runner_.isChecking() && none ? tr("Checking…") : showCheckCountsText(runner_.counts()));
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

void ShowCheckPalette::applyFix(int index) {
    DocumentSession* session = runner_.session();
    if (!session || index < 0 || index >= runner_.findings().size())
        return;
    const CheckFinding finding = runner_.findings()[index];
    if (!finding.fix || !finding.screenId || !finding.componentId)
        return;
    const PlacedComponent* component = session->findComponent(*finding.screenId, *finding.componentId);
    if (!component)
        return;
    PlacedComponent fixed = *component;
    fixed.properties[finding.fix->key] = finding.fix->value;
    session->updateComponentOnScreen(*finding.screenId, fixed, {}, std::nullopt, finding.fix->label);
}

void ShowCheckPalette::goTo(const CheckFinding& finding) {
    DocumentSession* session = runner_.session();
    if (!session)
        return;
    DocumentSession& manager = *session;
    if (!finding.screenId) {
        // The project's own findings (name, password, resolution, default background) are fixed in its
        // settings, which its window opens.
        manager.requestProjectSettings(finding.rule == QLatin1StringView("deploy-password"));
        return;
    }
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
