#pragma once

#include "model/vistrelle_error.h"

#include <QList>
#include <QObject>

#include <optional>

namespace vistrelle {

// The error being presented to the user, for a view to observe.
class KioskErrorHandler : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    const std::optional<VistrelleError>& currentError() const { return currentError_; }
    void setCurrentError(const std::optional<VistrelleError>& error);

signals:
    void currentErrorChanged();

private:
    std::optional<VistrelleError> currentError_;
};

// Like KioskErrorHandler, and remembers every error presented, oldest first.
class ErrorHandler : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    const std::optional<VistrelleError>& currentError() const { return currentError_; }
    const QList<VistrelleError>& errorHistory() const { return errorHistory_; }

    // Presents `error` and records it in the history.
    void handle(const VistrelleError& error);
    // Ends the presentation; the history stays.
    void dismissCurrentError();
    void clearHistory();

signals:
    void currentErrorChanged();
    void errorHistoryChanged();

private:
    std::optional<VistrelleError> currentError_;
    QList<VistrelleError> errorHistory_;
};

} // namespace vistrelle
