#include "platform/app_logger.h"

namespace vistrelle::AppLogger {

Q_LOGGING_CATEGORY(generalCategory, "com.quendrix.vistrelle.general")
Q_LOGGING_CATEGORY(errorCategory, "com.quendrix.vistrelle.error")
Q_LOGGING_CATEGORY(debugCategory, "com.quendrix.vistrelle.debug")
Q_LOGGING_CATEGORY(exportCategory, "com.quendrix.vistrelle.export")
Q_LOGGING_CATEGORY(buildCategory, "com.quendrix.vistrelle.build")

const QLoggingCategory& general() {
    return generalCategory();
}
const QLoggingCategory& error() {
    return errorCategory();
}
const QLoggingCategory& debug() {
    return debugCategory();
}
const QLoggingCategory& exportChannel() {
    return exportCategory();
}
const QLoggingCategory& build() {
    return buildCategory();
}

void logError(const QString& message) {
    qCCritical(errorCategory).noquote() << message;
}

void logFailure(const QString& prefix, const QString& description) {
    logError(prefix + description);
}

} // namespace vistrelle::AppLogger
