#include "editor/help_links.h"

#include "export/deploy_constants.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vistrelle {
namespace {

const QString& site = DeployConstants::siteRoot;

} // namespace

QUrl helpPageUrl(HelpPage page) {
    switch (page) {
    case HelpPage::playerDownload:
        return QUrl(site + QStringLiteral("/downloads/VistrellePlayer.dmg"));
    case HelpPage::exampleDownload:
        return QUrl(site + QStringLiteral("/downloads/StoreExample.zip"));
    case HelpPage::liveChat:
        return QUrl(site + QStringLiteral("/contact"));
    case HelpPage::assistant:
        return QUrl(site + QStringLiteral("/ai_assistant"));
    case HelpPage::frequentlyAskedQuestions:
        return QUrl(site + QStringLiteral("/tools/faq"));
    case HelpPage::featureRequest:
        return QUrl(site + QStringLiteral("/tools/ticket_create?category=Feature%20Request"),
                    QUrl::StrictMode);
    case HelpPage::bugReport:
        return QUrl(site + QStringLiteral("/tools/ticket_create?category=Bug%20Report"), QUrl::StrictMode);
    }
    return QUrl(site);
}

QUrl displaySetupGuideUrl() {
    const QStringList candidates{QDir(QCoreApplication::applicationDirPath())
                                     .filePath(QStringLiteral("../share/doc/vistrelle/README.md")),
                                 QStringLiteral(VISTRELLE_SOURCE_README)};
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isFile()) {
            QUrl url = QUrl::fromLocalFile(QFileInfo(candidate).canonicalFilePath());
            url.setFragment(QStringLiteral("set-up-a-display-computer"));
            return url;
        }
    return QUrl(site);
}

} // namespace vistrelle
