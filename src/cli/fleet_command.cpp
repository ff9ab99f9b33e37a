// fleet: the displays that report into a folder, as a table or JSON.
#include "cli/cli_commands.h"
#include "cli/command_support.h"

#include "export/check_report.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

#include <algorithm>

namespace vistrelle::cli {

int runFleet(const QString& destination, bool asJson, CommandOutput io) {
    const QUrl address(destination);
    if (address.scheme() == QLatin1StringView("http") || address.scheme() == QLatin1StringView("https")) {
        io.err << CliText::tr("fleet reads the folder the displays report into; give that folder.")
               << Qt::endl;
        return exitFailure;
    }
    const QDir root(address.isLocalFile() ? address.toLocalFile() : destination);
    const QDir displays(root.filePath(QStringLiteral("displays")));
    if (!displays.exists()) {
        io.err << CliText::tr("No display has reported into “%1”.").arg(root.path()) << Qt::endl;
        return exitFailure;
    }
    QJsonArray rows;
    for (const QString& name : displays.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        QFile file(displays.filePath(name + QStringLiteral("/status.json")));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QJsonObject status = QJsonDocument::fromJson(file.read(1024 * 1024)).object();
        const QString bundle = status.value(QStringLiteral("bundle")).toString();
        rows.append(QJsonObject{
            {QStringLiteral("name"), status.value(QStringLiteral("display")).toString(name)},
            {QStringLiteral("show"),
             bundle.endsWith(QLatin1StringView(".bundle")) ? bundle.chopped(7) : bundle},
            {QStringLiteral("sequence"), status.value(QStringLiteral("sequence")).toInteger()},
            {QStringLiteral("state"), status.value(QStringLiteral("state")).toString()},
            {QStringLiteral("lastSeen"), status.value(QStringLiteral("reportedAt"))},
            {QStringLiteral("offlineSince"), status.value(QStringLiteral("offlineSince"))},
            {QStringLiteral("faults"), status.value(QStringLiteral("faults")).toArray()},
        });
    }
    if (asJson) {
        io.out << QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Indented));
        io.out.flush();
        return exitSuccess;
    }
    // One display a line; names and faults may hold anything, so nothing of them acts on the terminal.
    QList<QStringList> table{{CliText::tr("NAME"), CliText::tr("SHOW"), CliText::tr("SEQUENCE"),
                              CliText::tr("LAST SEEN"), CliText::tr("FAULTS")}};
    for (const QJsonValue& value : rows) {
        const QJsonObject row = value.toObject();
        const QJsonArray faults = row.value(QStringLiteral("faults")).toArray();
        QString faultText = QString::number(faults.size());
        if (!faults.isEmpty())
            faultText += QStringLiteral(" (") + faults.first().toString() + u')';
        table.append(
            {escapedForLine(row.value(QStringLiteral("name")).toString(), false),
             escapedForLine(row.value(QStringLiteral("show")).toString(), false),
             QString::number(row.value(QStringLiteral("sequence")).toInteger()),
             escapedForLine(row.value(QStringLiteral("lastSeen")).toString(QStringLiteral("-")), false),
             escapedForLine(faultText, false)});
    }
    QList<qsizetype> widths(5, 0);
    for (const QStringList& line : table)
        for (qsizetype c = 0; c < 4; ++c)
            widths[c] = std::max(widths[c], line[c].size());
    for (const QStringList& line : table) {
        QString text;
        for (qsizetype c = 0; c < 4; ++c)
            text += line[c].leftJustified(widths[c] + 2);
        io.out << text + line[4] << Qt::endl;
    }
    return exitSuccess;
}

} // namespace vistrelle::cli
