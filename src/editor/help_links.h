#pragma once

#include <QUrl>

namespace vistrelle {

// The maker's web pages and downloads that the Help menu opens, in one place.
enum class HelpPage {
    playerDownload,
    exampleDownload,
    liveChat,
    assistant,
    frequentlyAskedQuestions,
    featureRequest,
    bugReport,
};

QUrl helpPageUrl(HelpPage page);

} // namespace vistrelle
