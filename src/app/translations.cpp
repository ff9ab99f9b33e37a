#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vistrelle {

bool installTranslations(QCoreApplication& app, const QLocale& locale) {
    auto* ours = new QTranslator(&app);
    const bool found =
        ours->load(locale, QStringLiteral("vistrelle"), QStringLiteral("_"), QStringLiteral(":/i18n"));
    if (found)
        QCoreApplication::installTranslator(ours);
    else
        delete ours;
    // "Cancel", "OK" and the file dialogs speak the same language (when the system has Qt's catalogues).
    auto* qt = new QTranslator(&app);
    if (found && qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return found;
}

void installTranslations(QCoreApplication& app) {
    installTranslations(app, QLocale());
}

} // namespace vistrelle
