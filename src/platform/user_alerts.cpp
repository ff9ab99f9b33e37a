#include "platform/user_alerts.h"

#include "platform/app_logger.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace vistrelle::UserAlerts {

namespace {
AlertPresenter* currentPresenter = nullptr;
}

void setPresenter(AlertPresenter* presenter) {
    currentPresenter = presenter;
}

void showLater(const UserAlert& alert) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [alert] {
            if (currentPresenter)
                currentPresenter->present(alert);
            else
                qCWarning(AppLogger::general()).noquote()
                    << alert.title + QStringLiteral(": ") + alert.message;
        },
        Qt::QueuedConnection);
}

} // namespace vistrelle::UserAlerts
