#pragma once

#include <QLocalServer>
#include <QObject>
#include <QStringList>

namespace vistrelle {

// One editor per user and display: a later launch (a double-click on a document in the file manager)
// hands its files to the running instance, which opens them in new windows, and ends.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(QString serverName = defaultServerName(), QObject* parent = nullptr);

    // The per-user, per-display name of the running instance's socket.
    static QString defaultServerName();

    // Hands `files` (absolute paths; none for "a new window") to a running instance; true when it took them.
    bool forwardToRunningInstance(const QStringList& files) const;
    // Starts taking the files of later launches; false when that is not possible (then each launch is on
    // its own, which is only less convenient).
    bool listen();

    // Encoding of the hand-over, one message per connection.
    static QByteArray encode(const QStringList& files);
    static std::optional<QStringList> decode(const QByteArray& message);

signals:
    void filesReceived(const QStringList& files);

private:
    QString serverName_;
    QLocalServer server_;
};

} // namespace vistrelle
