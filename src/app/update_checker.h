#pragma once

#include "app/update_check.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

class QNetworkReply;

namespace vistrelle {

// Fetches the update file and tells whether it announces a newer version. Every failure (no network,
// an HTTP error, a body that is too large or not text, no answer in time) ends as "no update".
class UpdateChecker : public QObject {
    Q_OBJECT

public:
    using Completion = std::function<void(std::optional<UpdateInfo>)>;
    using Printer = std::function<void(const QString&)>;

    explicit UpdateChecker(QUrl address = updateFileAddress(), QObject* parent = nullptr);
    ~UpdateChecker() override;

    // How long a check may take in all before it gives up (10 seconds unless set).
    void setTimeout(std::chrono::milliseconds timeout);
    // Where the raw and parsed response lines go (standard output unless set).
    void setPrinter(Printer print);

    // Starts a check; `done` is called once, later, on this object's thread, with the newer version or
    // nothing. A call while a check runs joins it: its `done` gets the same result and no second request
    // is made. A checker destroyed during a check calls nobody.
    void checkForUpdates(Completion done);
    bool isChecking() const { return checking_; }

signals:
    // After every check, once all its `done` functions have been called.
    void finished(std::optional<UpdateInfo> update);

private:
    void readAvailable();
    void replyFinished();
    // Ends the check: drops the transfer and reports `update` to everyone waiting.
    void complete(std::optional<UpdateInfo> update);

    QUrl address_;
    std::chrono::milliseconds timeout_;
    Printer print_;
    QNetworkAccessManager network_;
    QTimer deadline_;
    QPointer<QNetworkReply> reply_;
    QByteArray body_;
    bool checking_ = false;
    std::vector<Completion> waiting_;
};

} // namespace vistrelle
