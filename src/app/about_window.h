#pragma once

#include "app/update_check.h"
#include "app/update_view.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;

namespace vistrelle {

class UpdateChecker;

// The application's About window: name, version, credits and licences, and "Check for Updates...",
// which either opens the update sheet on this window or says in place that this is the latest version.
class AboutWindow : public QWidget {
    Q_OBJECT

public:
    // Checks through `checker`, which this window takes over; without one, it asks our web site.
    explicit AboutWindow(UpdateChecker* checker = nullptr, QWidget* parent = nullptr);

    bool isCheckingUpdate() const { return checkingUpdate_; }
    // The update the last check found, if it found one.
    std::optional<UpdateInfo> updateInfo() const { return updateInfo_; }
    bool showsUpdateView() const { return !updateView_.isNull(); }
    bool showsNoUpdateMessage() const { return showNoUpdateMessage_; }
    // The open update sheet, or null.
    UpdateView* updateView() const { return updateView_.data(); }
    QPushButton* checkButton() const { return checkButton_; }

    void checkForUpdates();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showResult(const std::optional<UpdateInfo>& update);
    // Gives the window the height its content needs at its fixed width.
    void fitHeight();

    UpdateChecker* checker_;
    QPushButton* checkButton_;
    QLabel* status_;
    bool checkingUpdate_ = false;
    bool showNoUpdateMessage_ = false;
    std::optional<UpdateInfo> updateInfo_;
    QPointer<UpdateView> updateView_;
};

} // namespace vistrelle
