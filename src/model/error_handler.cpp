#include "model/error_handler.h"

namespace vistrelle {

void KioskErrorHandler::setCurrentError(const std::optional<VistrelleError>& error) {
    if (currentError_ == error)
        return;
    currentError_ = error;
    emit currentErrorChanged();
}

void ErrorHandler::handle(const VistrelleError& error) {
    currentError_ = error;
    errorHistory_.append(error);
    emit currentErrorChanged();
    emit errorHistoryChanged();
}

void ErrorHandler::dismissCurrentError() {
    if (!currentError_)
        return;
    currentError_.reset();
    emit currentErrorChanged();
}

void ErrorHandler::clearHistory() {
    if (errorHistory_.isEmpty())
        return;
    errorHistory_.clear();
    emit errorHistoryChanged();
}

} // namespace vistrelle
