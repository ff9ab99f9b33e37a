#pragma once

#include <QLocalServer>
#include <QObject>
#include <QStringList>

#include <optional>

namespace vistrelle {

// One editor per user and display: a later launch (a double-click on a document in the file manager)
// hands its files to the running instance, which opens them in new windows, and ends.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // How long a later launch waits for a running instance to take its files (it may be busy, opening a
    // large project, and answers only when its event loop runs again).
    static constexpr int defaultPatienceMs = 10000;

    explicit SingleInstance(QString serverName = defaultServerName(), int patienceMs = defaultPatienceMs,
                            QObject* parent = nullptr);

    // The per-user, per-display name of the running instance's socket.
    static QString defaultServerName();
    const QString& serverName() const { return serverName_; }

    enum class HandOver {
        taken,      // the running instance has the files
        noInstance, // nobody owns the socket: this launch may become the running instance
        busy,       // an instance owns the socket but did not answer in time: it must be left alone
    };
    // Hands `files` (absolute paths; none for "a new window") to a running instance, retrying while it
    // stays silent, for at most the patience given.
    HandOver forwardToRunningInstance(const QStringList& files) const;

    enum class Start { handedOver, runningInstanceBusy, runningInstance, alone };
    // Hands the files over, or becomes the running instance when there is none. `alone`: the socket could
    // not be taken (then this launch is on its own, which is only less convenient).
    Start start(const QStringList& files);

    // Starts taking the files of later launches. A socket left by an instance that is gone is taken over;
    // one whose owner still accepts connections never is. False when not listening.
    bool listen();

    // Encoding of the hand-over, one message per connection.
    static QByteArray encode(const QStringList& files);
    static std::optional<QStringList> decode(const QByteArray& message);

signals:
    void filesReceived(const QStringList& files);

private:
    bool ownerIsAlive() const;

    QString serverName_;
    int patienceMs_;
    QLocalServer server_;
    bool listening_ = false;
};

} // namespace vistrelle
