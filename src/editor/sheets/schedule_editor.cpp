#include "editor/sheets/schedule_editor.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vistrelle {

ScheduleEditor::ScheduleEditor(Kind kind, QWidget* parent)
    : QWidget(parent)
    , kind_(kind) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    limited_ = new QCheckBox(
        kind == Kind::screen ? tr("Only at certain times") : tr("Displays on only at these times"), this);
    limited_->setObjectName(QStringLiteral("scheduleLimited"));
    layout->addWidget(limited_);

    details_ = new QWidget(this);
    auto* form = new QFormLayout(details_);
    form->setContentsMargins(0, 0, 0, 0);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    const auto dateRow = [&](QCheckBox*& box, QDateEdit*& edit, const QString& label) {
        auto* row = new QWidget(details_);
        auto* h = new QHBoxLayout(row);
        h->setContentsMargins(0, 0, 0, 0);
        box = new QCheckBox(label, row);
        edit = new QDateEdit(QDate::currentDate(), row);
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
        h->addWidget(box);
        h->addWidget(edit, 1);
        form->addRow(row);
        connect(box, &QCheckBox::toggled, this, &ScheduleEditor::edited);
        connect(edit, &QDateEdit::editingFinished, this, &ScheduleEditor::edited);
    };
    if (kind == Kind::screen) {
        dateRow(hasFrom_, from_, tr("From"));
        dateRow(hasUntil_, until_, tr("Until"));
        // The two dates start at one edge.
        const int labelWidth = std::max(hasFrom_->sizeHint().width(), hasUntil_->sizeHint().width());
        hasFrom_->setMinimumWidth(labelWidth);
        hasUntil_->setMinimumWidth(labelWidth);
    }

    auto* days = new QWidget(details_);
    auto* dayRow = new QHBoxLayout(days);
    dayRow->setContentsMargins(0, 0, 0, 0);
    dayRow->setSpacing(2);
    for (int day = 1; day <= 7; ++day) {
        auto* button = new QToolButton(days);
        button->setCheckable(true);
        button->setText(QLocale().dayName(day, QLocale::ShortFormat).left(2));
        button->setToolTip(QLocale().dayName(day));
        button->setObjectName(QStringLiteral("weekday%1").arg(day));
        button->setMinimumWidth(28);
        dayRow->addWidget(button);
        weekdays_[day - 1] = button;
        connect(button, &QToolButton::toggled, this, &ScheduleEditor::edited);
    }
    dayRow->addStretch();
    form->addRow(days);

    times_ = new QLineEdit(details_);
    times_->setObjectName(QStringLiteral("scheduleTimes"));
    times_->setPlaceholderText(tr("All day, or 06:00–10:00, 18:00–22:00"));
    times_->setToolTip(tr("Daily times, separated by commas. A time that ends before it starts runs past "
                          "midnight."));
    form->addRow(times_);
    timesProblem_ = new QLabel(details_);
    timesProblem_->setWordWrap(true);
    timesProblem_->setStyleSheet(QStringLiteral("color: #C0392B;"));
    timesProblem_->hide();
    form->addRow(timesProblem_);
    connect(times_, &QLineEdit::editingFinished, this, &ScheduleEditor::commitTimes);

    if (kind == Kind::screen) {
        alert_ = new QCheckBox(tr("Alert"), details_);
        alert_->setToolTip(tr("Alert: plays ahead of the other screens while due"));
        alert_->setObjectName(QStringLiteral("scheduleAlert"));
        form->addRow(alert_);
        connect(alert_, &QCheckBox::toggled, this, &ScheduleEditor::edited);
    }
    layout->addWidget(details_);
    connect(limited_, &QCheckBox::toggled, this, &ScheduleEditor::edited);
    refresh();
}

std::optional<QList<TimeWindow>> ScheduleEditor::timesFromText(const QString& text) {
    // Typed loosely ("6:00 - 10:00; 22:00-2:00"), read strictly.
    QString normal = text;
    normal.replace(QRegularExpression(QStringLiteral("\\s*[-–—]\\s*")), QStringLiteral("-"));
    normal.replace(QRegularExpression(QStringLiteral("\\b(\\d):")), QStringLiteral("0\\1:"));
    normal.replace(QRegularExpression(QStringLiteral("[,;\\s]+")), QStringLiteral(" "));
    return scheduleWindowsFromText(normal.trimmed());
}

void ScheduleEditor::show(const std::optional<ScreenSchedule>& schedule, bool sameTarget) {
    if (!sameTarget) { // half-typed times of another screen are not this one's
        times_->setModified(false);
        timesProblem_->hide();
    }
    schedule_ = schedule;
    refresh();
}

void ScheduleEditor::refresh() {
    const QScopedValueRollback guard(showing_, true);
    limited_->setChecked(schedule_.has_value());
    details_->setEnabled(schedule_.has_value());
    details_->setVisible(schedule_.has_value());
    const ScreenSchedule shown = schedule_.value_or(ScreenSchedule{});
    if (hasFrom_) {
        hasFrom_->setChecked(shown.from.has_value());
        from_->setEnabled(shown.from.has_value());
        if (shown.from)
            from_->setDate(*shown.from);
        hasUntil_->setChecked(shown.until.has_value());
        until_->setEnabled(shown.until.has_value());
        if (shown.until)
            until_->setDate(*shown.until);
    }
    // Every day shows as every day ticked.
    for (int day = 1; day <= 7; ++day)
        weekdays_[day - 1]->setChecked(shown.weekdays.isEmpty() || shown.weekdays.contains(day));
    // Times that cannot be read stay, in red, until they are put right or another screen is shown.
    if (timesProblem_->isHidden() && !(times_->hasFocus() && times_->isModified()))
        times_->setText(scheduleTimesText(shown.windows));
    if (alert_)
        alert_->setChecked(shown.alert);
}

void ScheduleEditor::edited() {
    if (showing_)
        return;
    if (!limited_->isChecked()) {
        schedule_.reset();
    } else {
        ScreenSchedule next = schedule_.value_or(ScreenSchedule{});
        if (hasFrom_) {
            next.from = hasFrom_->isChecked() ? std::optional(from_->date()) : std::nullopt;
            next.until = hasUntil_->isChecked() ? std::optional(until_->date()) : std::nullopt;
        }
        QList<int> days;
        for (int day = 1; day <= 7; ++day)
            if (weekdays_[day - 1]->isChecked())
                days << day;
        // No day at all would read as every day: the last one stays ticked.
        if (!days.isEmpty())
            next.weekdays = days.size() == 7 ? QList<int>() : days;
        if (alert_)
            next.alert = alert_->isChecked();
        if (kind_ == Kind::openingHours && !schedule_ && next.windows.isEmpty())
            next.windows = {TimeWindow{8 * 60, 20 * 60}}; // a start worth changing, not "always open"
        schedule_ = next;
    }
    refresh();
    emit scheduleEdited(schedule_);
}

void ScheduleEditor::commitTimes() {
    if (showing_ || !times_->isModified())
        return;
    times_->setModified(false);
    const std::optional<QList<TimeWindow>> windows = timesFromText(times_->text());
    if (!windows) {
        timesProblem_->setText(tr("Write times as 06:00–10:00, separated by commas."));
        timesProblem_->show();
        return;
    }
    timesProblem_->hide();
    if (!schedule_)
        return;
    schedule_->windows = *windows;
    refresh();
    emit scheduleEdited(schedule_);
}

} // namespace vistrelle
