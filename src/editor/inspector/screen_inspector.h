#pragma once

#include "model/project_model.h"

#include <QPointer>
#include <QWidget>

#include <optional>
#include <utility>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;

namespace vistrelle {

class BackgroundSelector;
class ScheduleEditor;
class DocumentSession;
class InspectorContextHeader;
class TransitionPreview;

// The inspector of a screen with no component selected: its name and display
// duration, its transition with a looping preview, its background, copying
// both to every screen from the first one (the window's choice, off at first),
// and screen templates.
class ScreenInspector : public QWidget {
    Q_OBJECT

public:
    explicit ScreenInspector(QWidget* parent = nullptr);

    // The session of the window whose screen is shown (none: nothing is edited).
    void setSession(DocumentSession* session);

    // Shows `screen` of `project` as the document holds it now.
    void show(const KioskProject& project, const KioskScreen& screen);
    const QUuid& screenId() const { return screenId_; }

    // The two "Apply to all screens" switches (tests).
    QCheckBox* transitionToAll() const { return transitionToAll_; }
    QCheckBox* backgroundToAll() const { return backgroundToAll_; }
    ScheduleEditor* scheduleEditor() const { return schedule_; }

private:
    QWidget* makeSettingsSection();
    QWidget* makeTransitionSection();
    QWidget* makeBackgroundSection();
    QWidget* makeScheduleSection();
    void writeSchedule(const std::optional<ScreenSchedule>& schedule);
    QWidget* makeTemplateSection();

    const KioskScreen* liveScreen() const;
    bool isFirstScreen(const QUuid& screenId) const;
    void commitName();
    void commitDuration();
    void writeTransition(const TransitionStyle& transition, bool sweeping);
    void setTransitionToAll(bool on);
    void writeBackground(const BackgroundStyle& background);
    void setBackgroundToAll(bool on);
    void exportScreen();
    void importScreen();
    void importScreenFrom(const QString& path, DocumentSession* session, const QUuid& screenId);
    void showTemplateStatus(const QString& text);

    InspectorContextHeader* header_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* duration_ = nullptr;
    QComboBox* effect_ = nullptr;
    QSlider* speed_ = nullptr;
    QLabel* speedValue_ = nullptr;
    TransitionPreview* preview_ = nullptr;
    QCheckBox* transitionToAll_ = nullptr;
    BackgroundSelector* background_ = nullptr;
    QCheckBox* backgroundToAll_ = nullptr;
    QLabel* templateStatus_ = nullptr;
    ScheduleEditor* schedule_ = nullptr;

    QPointer<DocumentSession> session_;
    QUuid screenId_;
    std::optional<KioskScreen> shown_;
    std::pair<qsizetype, qsizetype> shownPlace_; // the shown screen's index and the number of screens
    // The screen a dialog of the background was opened for, and the interaction that dialog is.
    struct DialogTarget {
        QPointer<DocumentSession> session;
        QUuid screenId;
        quint64 interaction = 0;
    };
    std::optional<DialogTarget> dialogTarget_;
    bool showing_ = false;
};

} // namespace vistrelle
