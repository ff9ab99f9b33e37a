#include "support/local_nginx.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace vistrelle::test {

namespace {

int freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

} // namespace

LocalNginx::LocalNginx(const QString& root) {
    port_ = freePort();
    const QString prefix = prefix_.path();
    const QString config = QStringLiteral(R"(daemon off;
master_process off;
worker_processes 1;
error_log %1/error.log;
pid %1/nginx.pid;
events { worker_connections 512; }
http {
    access_log off;
    client_body_temp_path %1/body;
    proxy_temp_path %1/proxy;
    fastcgi_temp_path %1/fastcgi;
    uwsgi_temp_path %1/uwsgi;
    scgi_temp_path %1/scgi;
    default_type application/octet-stream;
    server {
        listen 127.0.0.1:%2;
        root %3;
        client_max_body_size 0;
        location / {
            dav_methods PUT DELETE MKCOL COPY MOVE;
            create_full_put_path on;
            dav_access user:rw group:r all:r;
        }
    }
}
)")
                               .arg(prefix)
                               .arg(port_)
                               .arg(QDir(root).absolutePath());
    QFile file(QDir(prefix).filePath(QStringLiteral("nginx.conf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(config.toUtf8()) < 0) {
        error_ = QStringLiteral("the configuration cannot be written");
        return;
    }
    file.close();
    QDir().mkpath(root);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(QStringLiteral("nginx"),
                   {QStringLiteral("-p"), prefix, QStringLiteral("-c"), file.fileName()});
    if (!process_.waitForStarted(5000)) {
        error_ = QStringLiteral("nginx does not start: ") + process_.errorString();
        return;
    }
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, quint16(port_));
        if (socket.waitForConnected(200))
            return;
        if (process_.state() == QProcess::NotRunning)
            break;
        QThread::msleep(50);
    }
    QFile log(QDir(prefix).filePath(QStringLiteral("error.log")));
    log.open(QIODevice::ReadOnly);
    error_ = QStringLiteral("nginx does not answer: ") +
             QString::fromLocal8Bit(process_.readAll() + log.readAll());
}

LocalNginx::~LocalNginx() {
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(5000))
            process_.kill();
        process_.waitForFinished(2000);
    }
}

QUrl LocalNginx::url(const QString& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(path));
}

} // namespace vistrelle::test
