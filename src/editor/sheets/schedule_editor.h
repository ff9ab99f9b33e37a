#pragma once

#include "model/screen_schedule.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QToolButton;

namespace vistrelle {

// When something plays: a switch ("Only at certain times"), dates, weekday buttons, daily times typed as
// "06:00–10:00, 22:00–02:00", and whether it is an alert. Opening hours use it without dates and alert.
// Each change the user finishes is sent at once; times that cannot be read are shown in red and sent only
// once put right.
class ScheduleEditor : public QWidget {
    Q_OBJECT

public:
    enum class Kind { screen, openingHours };
    explicit ScheduleEditor(Kind kind, QWidget* parent = nullptr);

    // Shows `schedule` (none: always); times being typed stay while it is still the same screen's.
    void show(const std::optional<ScreenSchedule>& schedule, bool sameTarget = true);
    std::optional<ScreenSchedule> schedule() const { return schedule_; }

    QCheckBox* limited() const { return limited_; }
    QLineEdit* times() const { return times_; }
    QToolButton* weekday(int day) const { return weekdays_[day - 1]; }

    // "06:00–10:00, 22:00–02:00" and back; none when a part is no window.
    static std::optional<QList<TimeWindow>> timesFromText(const QString& text);

signals:
    void scheduleEdited(const std::optional<ScreenSchedule>& schedule);

private:
    void refresh();
    void edited();
    void commitTimes();

    Kind kind_;
    std::optional<ScreenSchedule> schedule_;
    QCheckBox* limited_ = nullptr;
    QWidget* details_ = nullptr;
    QCheckBox* hasFrom_ = nullptr;
    QDateEdit* from_ = nullptr;
    QCheckBox* hasUntil_ = nullptr;
    QDateEdit* until_ = nullptr;
    QToolButton* weekdays_[7] = {};
    QLineEdit* times_ = nullptr;
    QLabel* timesProblem_ = nullptr;
    QCheckBox* alert_ = nullptr;
    bool showing_ = false;
};

} // namespace vistrelle
