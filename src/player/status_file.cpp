#include "player/status_file.h"

#include "platform/file_writing.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace vistrelle {

QByteArray PlayerStatus::json() const {
    const QJsonObject object{
        {QStringLiteral("state"), state},
        {QStringLiteral("bundle"), bundle},
        {QStringLiteral("fingerprint"), fingerprint},
        {QStringLiteral("path"), path},
        {QStringLiteral("screenId"), screenId},
        {QStringLiteral("screen"), screenName},
        {QStringLiteral("since"), since.isValid() ? since.toUTC().toString(Qt::ISODate) : QString()},
        {QStringLiteral("uptime"), std::round(uptimeSeconds)},
        {QStringLiteral("faults"), QJsonArray::fromStringList(faults)},
        {QStringLiteral("warnings"), QJsonArray::fromStringList(warnings)},
        {QStringLiteral("droppedLogLines"), droppedLogLines},
        {QStringLiteral("offlineSince"),
         offlineSince.isValid() ? QJsonValue(offlineSince.toUTC().toString(Qt::ISODate)) : QJsonValue()},
        {QStringLiteral("sequence"), sequence},
        {QStringLiteral("display"), display},
        {QStringLiteral("reportedAt"),
         reportedAt.isValid() ? QJsonValue(reportedAt.toUTC().toString(Qt::ISODate)) : QJsonValue()},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

bool writeStatusFile(const QString& path, const PlayerStatus& status) {
    return !saveFileAtomically(path, status.json());
}

} // namespace vistrelle
