#pragma once

#include <QString>
#include <QStringList>
#include <QtMessageHandler>

namespace vistrelle::test_support {

// Records every log line written while it lives (one at a time).
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    struct Line {
        QString category;
        QtMsgType type;
        QString message;
    };

    const QList<Line>& lines() const { return lines_; }
    // The messages written at error level on the application's "error" channel.
    QStringList errorMessages() const;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message);

    QList<Line> lines_;
    QtMessageHandler previous_ = nullptr;
};

} // namespace vistrelle::test_support
