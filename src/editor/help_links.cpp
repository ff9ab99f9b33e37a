#include "editor/help_links.h"

#include "export/deploy_constants.h"

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

} // namespace vistrelle
