#pragma once

class QCoreApplication;
class QLocale;
class QString;

namespace vistrelle {

// Loads the catalogue of the user's language (built in as ":/i18n/vistrelle_<language>.qm") and Qt's own
// texts of standard dialogs and buttons, when there are any; English is the source language.
void installTranslations(QCoreApplication& app);
// The same, for `locale` (tests); true when a catalogue of ours was found.
bool installTranslations(QCoreApplication& app, const QLocale& locale);

} // namespace vistrelle
