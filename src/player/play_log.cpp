#include "player/play_log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace vistrelle {

PlayLog::PlayLog(QString folder)
    : folder_(std::move(folder)) {}

QString PlayLog::filePath() const {
    return QDir(folder_).filePath(QStringLiteral("play.log"));
}

QByteArray PlayLog::line(const Entry& entry) {
    const QJsonObject object{
        {QStringLiteral("bundle"), entry.bundle},
        {QStringLiteral("fingerprint"), entry.fingerprint},
        {QStringLiteral("screenId"), entry.screenId},
        {QStringLiteral("screenName"), entry.screenName},
        {QStringLiteral("start"), entry.start.toUTC().toString(Qt::ISODateWithMs)},
        {QStringLiteral("seconds"), std::round(entry.seconds * 1000) / 1000},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

void PlayLog::rotate() {
    const QString base = filePath();
    QFile::remove(base + u'.' + QString::number(keptFiles));
    for (int n = keptFiles - 1; n >= 1; --n)
        QFile::rename(base + u'.' + QString::number(n), base + u'.' + QString::number(n + 1));
    QFile::rename(base, base + QStringLiteral(".1"));
}

void PlayLog::append(const Entry& entry) {
    const QByteArray text = line(entry) + '\n';
    if (QFileInfo(filePath()).size() + text.size() > rotateAtBytes)
        rotate();
    QDir().mkpath(folder_);
    QFile file(filePath());
    // A line is written whole or counted as dropped: a short write is cut back off.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        ++dropped_;
        return;
    }
    const qint64 before = file.size();
    if (file.write(text) != text.size() || !file.flush()) {
        file.resize(before);
        ++dropped_;
    }
}

} // namespace vistrelle
