#include "editor/schedule_week_view.h"

#include "model/screen_sequence.h"

#include <QDateTimeEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vistrelle {

QList<ScheduleHour> planWeek(const KioskProject& project, const QDate& monday) {
    // Within an hour answers change only at a window's edge: look at its start and at each edge inside.
    QList<int> edges;
    for (const int minute : scheduleEdgeMinutes(project))
        edges << minute % 60;
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    QList<ScheduleHour> plan(7 * 24);
    for (int day = 0; day < 7; ++day)
        for (int hour = 0; hour < 24; ++hour) {
            ScheduleHour& cell = plan[day * 24 + hour];
            cell.closed = true;
            for (const int minute : std::as_const(edges)) {
                const QDateTime moment(monday.addDays(day), QTime(hour, minute), Qt::LocalTime);
                if (!moment.isValid() || !isOpenAt(project.settings, moment))
                    continue;
                cell.closed = false;
                bool any = false;
                for (qsizetype i = 0; i < project.screens.size(); ++i) {
                    const std::optional<ScreenSchedule>& schedule = project.screens[i].schedule;
                    if (schedule && !isScheduledAt(*schedule, moment))
                        continue;
                    any = true;
                    if (!cell.screens.contains(i))
                        cell.screens.append(i);
                    if (schedule && schedule->alert && !cell.alerts.contains(i))
                        cell.alerts.append(i);
                }
                cell.gap = cell.gap || !any;
            }
            std::sort(cell.screens.begin(), cell.screens.end());
        }
    return plan;
}

// The painted grid: a column per day, a row per hour.
class ScheduleWeekGrid : public QWidget {
public:
    static constexpr int hourColumn = 48;
    static constexpr int dayRow = 24;
    static constexpr int rowHeight = 22;

    ScheduleWeekGrid(ScheduleWeekView& owner)
        : QWidget(&owner)
        , owner_(owner) {
        setMinimumSize(hourColumn + 7 * 96, dayRow + 24 * rowHeight);
        setMouseTracking(true);
    }

    // The hours share the height the window gives them, at least `rowHeight` each.
    QRect cellRect(int day, int hour) const {
        const double width = double(this->width() - hourColumn) / 7;
        const double height = std::max(double(this->height() - dayRow) / 24, double(rowHeight));
        const int left = hourColumn + int(day * width);
        const int top = dayRow + int(hour * height);
        return QRect(left, top, int((day + 1) * width) - int(day * width),
                     dayRow + int((hour + 1) * height) - top);
    }
    QString cellText(const ScheduleHour& cell, const QList<KioskScreen>& screens) const {
        if (cell.closed)
            return tr("Closed");
        const QList<qsizetype>& shown = cell.alerts.isEmpty() ? cell.screens : cell.alerts;
        // The screens due only at times say most about the hour: they come first.
        QStringList names;
        QStringList always;
        for (const qsizetype index : shown)
            (screens[index].schedule ? names : always) << screens[index].name;
        names += always;
        if (names.isEmpty())
            return tr("Nothing plays");
        return names.join(QStringLiteral(", "));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QPalette& colors = palette();
        painter.fillRect(rect(), colors.color(QPalette::Base));
        const QList<ScheduleHour>& plan = owner_.plan();
        const QList<KioskScreen>& screens = project().screens;
        const QDate today = QDate::currentDate();
        for (int day = 0; day < 7; ++day) {
            const QDate date = owner_.monday().addDays(day);
            const QRect head(cellRect(day, 0).left(), 0, cellRect(day, 0).width(), dayRow);
            QFont font = painter.font();
            font.setBold(date == today);
            painter.setFont(font);
            painter.setPen(colors.color(QPalette::Text));
            painter.drawText(head, Qt::AlignCenter,
                             QLocale().dayName(date.dayOfWeek(), QLocale::ShortFormat) + u' ' +
                                 QLocale().toString(date, QStringLiteral("d MMM")));
        }
        QFont plain = painter.font();
        plain.setBold(false);
        plain.setPointSizeF(plain.pointSizeF() * 0.9);
        painter.setFont(plain);
        for (int hour = 0; hour < 24; ++hour) {
            painter.setPen(colors.color(QPalette::PlaceholderText));
            const QRect row = cellRect(0, hour);
            painter.drawText(QRect(0, row.top(), hourColumn - 6, row.height()),
                             Qt::AlignRight | Qt::AlignVCenter, scheduleTimeText(hour * 60));
            for (int day = 0; day < 7; ++day) {
                const ScheduleHour& cell = plan.value(day * 24 + hour);
                const QRect box = cellRect(day, hour).adjusted(1, 1, -1, -1);
                const bool timed = std::any_of(cell.screens.cbegin(), cell.screens.cend(),
                                               [&](qsizetype i) { return screens[i].schedule.has_value(); });
                QColor fill = cell.closed              ? colors.color(QPalette::AlternateBase)
                              : cell.screens.isEmpty() ? QColor(0xF4, 0xC7, 0xC3)
                              : !cell.alerts.isEmpty() ? QColor(0xFF, 0xE0, 0xB2)
                              : timed                  ? QColor(0xB8, 0xD8, 0xF5)
                                                       : QColor(0xE3, 0xEF, 0xFA);
                painter.fillRect(box, fill);
                if (cell.gap && !cell.closed) {
                    // Part of the hour shows nothing: hatched in red.
                    painter.fillRect(box, QBrush(QColor(0xC0, 0x39, 0x2B), Qt::BDiagPattern));
                }
                painter.setPen(cell.closed ? colors.color(QPalette::PlaceholderText)
                                           : QColor(0x1C, 0x1C, 0x1E));
                const QString text = painter.fontMetrics().elidedText(cellText(cell, screens), Qt::ElideRight,
                                                                      box.width() - 6);
                painter.drawText(box.adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
            }
        }
    }

    bool event(QEvent* event) override {
        if (event->type() == QEvent::ToolTip) {
            const auto* help = static_cast<QHelpEvent*>(event);
            const std::optional<std::pair<int, int>> at = cellAt(help->pos());
            if (at) {
                const ScheduleHour& cell = owner_.plan().value(at->first * 24 + at->second);
                setToolTip(cellText(cell, project().screens) +
                           (cell.gap && !cell.closed ? u'\n' + tr("Nothing plays for part of this hour.")
                                                     : QString()));
            } else {
                setToolTip(QString());
            }
        }
        return QWidget::event(event);
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (const std::optional<std::pair<int, int>> at = cellAt(event->position().toPoint()))
            owner_.moment()->setDateTime(
                QDateTime(owner_.monday().addDays(at->first), QTime(at->second, 0), Qt::LocalTime));
    }

private:
    std::optional<std::pair<int, int>> cellAt(const QPoint& point) const {
        for (int day = 0; day < 7; ++day)
            for (int hour = 0; hour < 24; ++hour)
                if (cellRect(day, hour).contains(point))
                    return std::pair(day, hour);
        return std::nullopt;
    }
    const KioskProject& project() const;

    ScheduleWeekView& owner_;
};

ScheduleWeekView::ScheduleWeekView(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("Schedule"));
    setObjectName(QStringLiteral("scheduleWeekView"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    auto* top = new QHBoxLayout;
    auto* previous = new QToolButton(this);
    previous->setText(QStringLiteral("‹"));
    previous->setToolTip(tr("Previous Week"));
    auto* next = new QToolButton(this);
    next->setText(QStringLiteral("›"));
    next->setToolTip(tr("Next Week"));
    auto* thisWeek = new QPushButton(tr("This Week"), this);
    title_ = new QLabel(this);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    top->addWidget(previous);
    top->addWidget(next);
    top->addWidget(thisWeek);
    top->addSpacing(8);
    top->addWidget(title_, 1);
    layout->addLayout(top);

    grid_ = new ScheduleWeekGrid(*this);
    layout->addWidget(grid_, 1);

    auto* bottom = new QHBoxLayout;
    auto* legend = new QLabel(tr("Click an hour to preview the show as it plays then."), this);
    legend->setForegroundRole(QPalette::PlaceholderText);
    moment_ = new QDateTimeEdit(QDateTime::currentDateTime(), this);
    moment_->setObjectName(QStringLiteral("previewMoment"));
    moment_->setCalendarPopup(true);
    moment_->setDisplayFormat(QLocale().dateTimeFormat(QLocale::ShortFormat));
    auto* preview = new QPushButton(tr("Preview at This Moment"), this);
    preview->setObjectName(QStringLiteral("previewAtMoment"));
    bottom->addWidget(legend, 1);
    bottom->addWidget(moment_);
    bottom->addWidget(preview);
    layout->addLayout(bottom);

    connect(previous, &QToolButton::clicked, this, [this] { showWeekOf(monday_.addDays(-7)); });
    connect(next, &QToolButton::clicked, this, [this] { showWeekOf(monday_.addDays(7)); });
    connect(thisWeek, &QPushButton::clicked, this, [this] { showWeekOf(QDate::currentDate()); });
    connect(preview, &QPushButton::clicked, this, [this] { emit previewRequested(moment_->dateTime()); });
    showWeekOf(QDate::currentDate());
}

const KioskProject& ScheduleWeekGrid::project() const {
    return owner_.project();
}

QWidget* ScheduleWeekView::grid() const {
    return grid_;
}

void ScheduleWeekView::setProject(const KioskProject& project) {
    // Most edits (a component moved, a colour) change nothing the week shows: the plan stays.
    const auto sameWeek = [&] {
        if (project.screens.size() != project_.screens.size() ||
            project.settings.openingHours != project_.settings.openingHours)
            return false;
        for (qsizetype i = 0; i < project.screens.size(); ++i) {
            const KioskScreen& a = project.screens[i];
            const KioskScreen& b = project_.screens[i];
            if (a.id != b.id || a.name != b.name || a.schedule != b.schedule)
                return false;
        }
        return true;
    };
    const bool replanning = plan_.isEmpty() || !sameWeek();
    project_ = project;
    if (replanning)
        replan();
}

void ScheduleWeekView::showWeekOf(const QDate& day) {
    monday_ = day.addDays(1 - day.dayOfWeek());
    replan();
}

void ScheduleWeekView::replan() {
    plan_ = planWeek(project_, monday_);
    title_->setText(tr("Week of %1").arg(QLocale().toString(monday_, QLocale::LongFormat)));
    grid_->update();
}

} // namespace vistrelle
