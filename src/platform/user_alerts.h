#pragma once

#include <QString>

namespace vistrelle {

// A message for the user: a modal warning with one "OK" button in the editor.
struct UserAlert {
    QString title;
    QString message;

    bool operator==(const UserAlert&) const = default;
};

// Shows alerts. The editor installs one that opens a message box; tests
// install a recorder. Without one, alerts are logged.
class AlertPresenter {
public:
    virtual ~AlertPresenter() = default;
    virtual void present(const UserAlert& alert) = 0;
};

namespace UserAlerts {

// The presenter in use; nullptr restores logging. The caller keeps ownership.
void setPresenter(AlertPresenter* presenter);

// Shows `alert` on the main thread after the current operation has returned
// (a queued call), never from inside it.
void showLater(const UserAlert& alert);

} // namespace UserAlerts
} // namespace vistrelle
