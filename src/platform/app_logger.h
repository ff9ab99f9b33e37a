#pragma once

#include <QLoggingCategory>
#include <QString>

namespace vistrelle {

// The application's five log channels. Each is a logging category named
// "com.quendrix.vistrelle.<channel>", so a channel can be switched on or off
// with QT_LOGGING_RULES like any other Qt category.
namespace AppLogger {

const QLoggingCategory& general();
const QLoggingCategory& error();
const QLoggingCategory& debug();
const QLoggingCategory& exportChannel();
const QLoggingCategory& build();

// An error-level line on the "error" channel.
void logError(const QString& message);

// A failure is written to the "error" channel as one string: prefix + description.
void logFailure(const QString& prefix, const QString& description);

} // namespace AppLogger
} // namespace vistrelle
