#include "editor/sheets/player_launch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace vistrelle {

QString playerProgram() {
    const QString name = QStringLiteral("vistrelle-player");
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    if (QFileInfo(beside).isExecutable())
        return beside;
    return QStandardPaths::findExecutable(name);
}

QStringList playInWindowArguments(const QString& path) {
    return {QStringLiteral("--windowed"), path};
}

std::optional<QString> playInWindow(const QString& path) {
    const QString program = playerProgram();
    if (program.isEmpty())
        return QCoreApplication::translate("PlayerLaunch", "Vistrelle Player is not installed.");
    if (!QProcess::startDetached(program, playInWindowArguments(path)))
        return QCoreApplication::translate("PlayerLaunch", "%1 could not be started.").arg(program);
    return std::nullopt;
}

} // namespace vistrelle
