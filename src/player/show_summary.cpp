#include "player/show_summary.h"

#include "model/stored_enum.h"

#include <QCoreApplication>

namespace vistrelle {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("ShowSummary", text);
}

} // namespace

QStringList showSummary(const ShowLoad& load) {
    if (!load.show)
        return {tr("Nothing can play: %1").arg(load.problem)};
    const LoadedShow& show = *load.show;
    QStringList lines;
    lines << tr("Show: %1 (%2, %3)").arg(show.project.metadata.name, show.name, describeKind(show.kind));
    lines << tr("Path: %1").arg(show.path);
    qint64 loop = 0;
    for (qsizetype i = 0; i < show.project.screens.size(); ++i) {
        const KioskScreen& screen = show.project.screens[i];
        const qint64 seconds = std::max<qint64>(screen.duration, 3);
        loop += seconds;
        const QString transition =
            screen.transition.effect == TransitionEffect::none
                ? tr("no transition")
                : tr("%1 %2 s").arg(storedString(screen.transition.effect)).arg(screen.transition.duration);
        QString line =
            tr("Screen %1 “%2”: %3 s, %4").arg(i + 1).arg(screen.name).arg(seconds).arg(transition);
        if (screen.schedule)
            line += tr(", plays %1").arg(describeSchedule(*screen.schedule));
        lines << line;
    }
    lines << show.faults;
    const qsizetype count = show.project.screens.size();
    lines << (count == 1 ? tr("Plays 1 screen, %1 s a loop.").arg(loop)
                         : tr("Plays %1 screens, %2 s a loop.").arg(count).arg(loop));
    return lines;
}

} // namespace vistrelle
