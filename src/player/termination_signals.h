#pragma once

#include <QObject>

class QSocketNotifier;

namespace vistrelle {

// SIGTERM and SIGINT end the event loop as a quit would: the handler only writes a byte to a pipe, which
// the event loop reads (nothing else is safe inside a signal handler).
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received(int signal);

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace vistrelle
