#include "editing/screen_naming.h"

#include <QCoreApplication>
#include <QSet>

namespace vistrelle {

QString addedScreenName(qsizetype screenCount) {
    return QCoreApplication::translate("Screens", "Screen %1").arg(qint64(screenCount) + 1);
}

QString duplicateScreenName(const QString& name, const QList<KioskScreen>& screens) {
    QSet<QString> taken;
    for (const KioskScreen& screen : screens)
        taken.insert(screen.name);
    const QString copy = name + QCoreApplication::translate("Screens", " Copy");
    if (!taken.contains(copy))
        return copy;
    for (qint64 k = 2;; ++k) {
        const QString candidate = copy + u' ' + QString::number(k);
        if (!taken.contains(candidate))
            return candidate;
    }
}

} // namespace vistrelle
