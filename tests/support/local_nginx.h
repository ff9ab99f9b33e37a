#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

namespace vistrelle::test {

// nginx serving a folder on 127.0.0.1 at a free port, with WebDAV writes (PUT, MKCOL, MOVE, DELETE), for
// tests of publishing to and following a web server. Stopped when it goes.
class LocalNginx {
public:
    explicit LocalNginx(const QString& root);
    ~LocalNginx();

    // Empty once it answers; else why it does not.
    const QString& error() const { return error_; }
    QUrl url(const QString& path) const;

private:
    QTemporaryDir prefix_;
    QProcess process_;
    int port_ = 0;
    QString error_;
};

} // namespace vistrelle::test
