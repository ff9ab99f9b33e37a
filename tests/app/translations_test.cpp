#include "app/translations.h"
#include "app/welcome_window.h"
#include "editor/vocabulary_texts.h"
#include "model/enumerations.h"

#include <QApplication>
#include <QLocale>
#include <QSet>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

template <typename Enum, std::size_t N> QSet<QString> listed(const char* const (&texts)[N]) {
    QSet<QString> names;
    for (const char* text : texts)
        names.insert(QString::fromLatin1(text));
    return names;
}

template <typename Enum> QSet<QString> stored() {
    QSet<QString> names;
    for (const auto& [value, name] : StoredEnum<Enum>::cases)
        names.insert(QString::fromLatin1(name));
    return names;
}

} // namespace

TEST(TranslationsTest, TheEditorSpeaksGermanWhenTheSystemDoes) {
    ASSERT_TRUE(installTranslations(*qApp, QLocale(QLocale::German, QLocale::Germany)));
    {
        WelcomeWindow welcome;
        EXPECT_EQ(welcome.windowTitle(), QStringLiteral("Willkommen bei Vistrelle"));
    }
    // Names looked up at run time are in the catalogue too.
    EXPECT_NE(QCoreApplication::translate("TransitionEffect", "Page Turn"), QStringLiteral("Page Turn"));
    EXPECT_NE(QCoreApplication::translate("ComponentType", "Text Area"), QStringLiteral("Text Area"));
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    EXPECT_EQ(WelcomeWindow().windowTitle(), QStringLiteral("Welcome to Vistrelle"));
    EXPECT_FALSE(installTranslations(*qApp, QLocale(QLocale::Japanese))) << "English stays the fallback";
}

TEST(TranslationsTest, TheListsForTheTranslatorsHoldEveryStoredName) {
    EXPECT_EQ((listed<ComponentType>(componentTypeTexts)), stored<ComponentType>());
    EXPECT_EQ((listed<TransitionEffect>(transitionEffectTexts)), stored<TransitionEffect>());
}
