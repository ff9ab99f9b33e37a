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

bool breaksALine(char16_t c) {
    // C0 and C1 controls, and the Unicode line and paragraph separators.
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

} // namespace

QString escapedForLine(const QString& text, bool quoted) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar character : text) {
        const char16_t c = character.unicode();
        if (quoted && (c == u'"' || c == u'\\')) {
            escaped += u'\\';
            escaped += character;
        } else if (c == u'\n') {
            escaped += QLatin1StringView("\\n");
        } else if (c == u'\r') {
            escaped += QLatin1StringView("\\r");
        } else if (c == u'\t') {
            escaped += QLatin1StringView("\\t");
        } else if (breaksALine(c)) {
            escaped += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        } else {
            escaped += character;
        }
    }
    return escaped;
}

QString findingLine(const CheckFinding& finding, const QString& projectName) {
    const QString place = finding.screenNumber > 0
                              ? QStringLiteral("screen %1 \"%2\"")
                                    .arg(finding.screenNumber)
                                    .arg(escapedForLine(finding.screenName, true))
                              : QStringLiteral("project \"%1\"").arg(escapedForLine(projectName, true));
    return QStringLiteral("%1: %2: %3")
        .arg(severityWord(finding.severity), place, escapedForLine(finding.message, false));
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
        object.insert(QStringLiteral("screen"), finding.screenNumber > 0 ? QJsonValue(finding.screenNumber)
                                                                         : QJsonValue(QJsonValue::Null));
        object.insert(QStringLiteral("screenName"), finding.screenNumber > 0 ? QJsonValue(finding.screenName)
                                                                             : QJsonValue(QJsonValue::Null));
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
