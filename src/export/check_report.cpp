#include "export/check_report.h"

#include "model/stored_enum.h"
#include "model/uuid_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vistrelle {

namespace {

QString severityWord(CheckFinding::Severity severity) {
    return severity == CheckFinding::Severity::error ? QStringLiteral("error") : QStringLiteral("warning");
}

} // namespace

QString findingLine(const CheckFinding& finding) {
    const QString place = finding.screenNumber > 0
                              ? QStringLiteral("screen %1 \"%2\"").arg(finding.screenNumber).arg(finding.screenName)
                              : QStringLiteral("project");
    return QStringLiteral("%1: %2: %3").arg(severityWord(finding.severity), place, finding.message);
}

QString countsLine(CheckCounts counts) {
    return QStringLiteral("%1 %2, %3 %4")
        .arg(counts.errors)
        .arg(counts.errors == 1 ? QStringLiteral("error") : QStringLiteral("errors"))
        .arg(counts.warnings)
        .arg(counts.warnings == 1 ? QStringLiteral("warning") : QStringLiteral("warnings"));
}

QByteArray findingsJson(const QList<CheckFinding>& findings) {
    QJsonArray array;
    for (const CheckFinding& finding : findings) {
        QJsonObject object;
        object.insert(QStringLiteral("severity"), severityWord(finding.severity));
        object.insert(QStringLiteral("screen"),
                      finding.screenNumber > 0 ? QJsonValue(finding.screenNumber) : QJsonValue(QJsonValue::Null));
        object.insert(QStringLiteral("screenName"),
                      finding.screenNumber > 0 ? QJsonValue(finding.screenName) : QJsonValue(QJsonValue::Null));
        if (finding.componentId && finding.componentType)
            object.insert(QStringLiteral("component"),
                          QJsonObject{{QStringLiteral("type"), storedString(*finding.componentType)},
                                      {QStringLiteral("id"), uuidText(*finding.componentId)}});
        else
            object.insert(QStringLiteral("component"), QJsonValue(QJsonValue::Null));
        object.insert(QStringLiteral("rule"), finding.rule);
        object.insert(QStringLiteral("message"), finding.message);
        object.insert(QStringLiteral("deployFails"), finding.deployFails);
        array.append(object);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

} // namespace vistrelle
