#pragma once

#include "model/project_model.h"

#include <QDateTime>
#include <QWidget>

class QDateTimeEdit;
class QLabel;

namespace vistrelle {

// Which screens play in one hour of the week, and whether the display is closed or shows nothing for some
// of it.
struct ScheduleHour {
    QList<qsizetype> screens; // in list order, alerts included
    QList<qsizetype> alerts;
    bool closed = false; // outside opening hours for the whole hour
    bool gap = false;    // open and nothing scheduled for some of it
};

// The 7 × 24 hours of the week that starts on `monday`.
QList<ScheduleHour> planWeek(const KioskProject& project, const QDate& monday);

class ScheduleWeekGrid;

// View ▸ Schedule: a week as a grid of days and hours showing which screen plays when, the times nothing
// plays marked in red; a click on an hour sets the moment "Preview" plays the show from.
class ScheduleWeekView : public QWidget {
    Q_OBJECT

public:
    explicit ScheduleWeekView(QWidget* parent = nullptr);

    void setProject(const KioskProject& project);
    const KioskProject& project() const { return project_; }
    void showWeekOf(const QDate& day);
    QDate monday() const { return monday_; }
    const QList<ScheduleHour>& plan() const { return plan_; }
    QDateTimeEdit* moment() const { return moment_; }
    QWidget* grid() const;

signals:
    void previewRequested(const QDateTime& moment);

private:
    void replan();

    KioskProject project_;
    QDate monday_;
    QList<ScheduleHour> plan_;
    QLabel* title_ = nullptr;
    ScheduleWeekGrid* grid_ = nullptr;
    QDateTimeEdit* moment_ = nullptr;
};

} // namespace vistrelle
