#pragma once

#include "platform/user_alerts.h"

namespace vistrelle {

// Shows the editing layer's alerts as warning message boxes over the active window.
class MessageBoxAlerts : public AlertPresenter {
public:
    void present(const UserAlert& alert) override;
};

} // namespace vistrelle
