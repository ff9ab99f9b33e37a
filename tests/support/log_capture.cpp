#include "support/log_capture.h"

namespace vistrelle::test_support {

namespace {
LogCapture* active = nullptr;
}

LogCapture::LogCapture() {
    active = this;
    previous_ = qInstallMessageHandler(&LogCapture::handle);
}

LogCapture::~LogCapture() {
    qInstallMessageHandler(previous_);
    active = nullptr;
}

void LogCapture::handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (active)
        active->lines_.append({QString::fromLatin1(context.category), type, message});
}

QStringList LogCapture::errorMessages() const {
    QStringList result;
    for (const Line& line : lines_)
        if (line.category == QLatin1StringView("com.quendrix.vistrelle.error") && line.type == QtCriticalMsg)
            result.append(line.message);
    return result;
}

} // namespace vistrelle::test_support
