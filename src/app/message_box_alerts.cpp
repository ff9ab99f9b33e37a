#include "app/message_box_alerts.h"

#include <QApplication>
#include <QMessageBox>

namespace vistrelle {

void MessageBoxAlerts::present(const UserAlert& alert) {
    QMessageBox::warning(QApplication::activeWindow(), alert.title, alert.message);
}

} // namespace vistrelle
