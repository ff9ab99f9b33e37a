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

// The README's section on setting up a display computer: the copy installed with the program, else the one
// of the source tree it was built from.
QUrl displaySetupGuideUrl();

} // namespace vistrelle
